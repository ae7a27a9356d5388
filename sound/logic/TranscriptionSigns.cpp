#include "sound/logic/TranscriptionSigns.h"

namespace telvo {

const std::array<TranscriptionSign, kTranscriptionSignCount>& transcriptionSigns() {
    static const std::array<TranscriptionSign, kTranscriptionSignCount> table{{
        {"[ɑː]", "Долгий_а", {"arm", "art", "dark", "farm", "hard"}},
        {"[æ]", "Открытый_э", {"bad", "cat", "dad", "fat", "glad"}},
        {"[ɪː]", "Долгий_и", {"be", "cede", "he", "me", "meet"}},
        {"[ɪ]", "Краткий_и", {"big", "bin", "dish", "fish", "lift"}},
        {"[e]", "Простой_э", {"bed", "bend", "den", "get", "hen"}},
        {"[ɒ]", "Средний_а_о", {"dog", "fog", "fox", "frog", "got"}},
        {"[ɔː]", "Долгий_о", {"corn", "fork", "form", "horn", "lord"}},
        {"[ɜː]", "Средний_о_э", {"bird", "birth", "fir", "firm", "first"}},
        {"[ə]", "Безударный_э", {"eraser", "folder", "ruler", "algebra", "September"}},
        {"[ʌ]", "Краткий_а", {"bus", "but", "cup", "drum", "hut"}},
        {"[ʊ]", "Краткий_у", {"book", "cook", "crook", "ful", "hook"}},
        {"[uː]", "Долгий_у", {"boon", "broon", "food", "moon", "pool"}},
        {"[aɪ]", "Обычный_ай", {"hike", "like", "mine", "pie", "pike"}},
        {"[eɪ]", "Обычный_эй", {"cabel", "cake", "Jane", "fame", "bake"}},
        {"[ɔɪ]", "Обычный_ой", {"boil", "boy", "coin", "destroy", "enjoy"}},
        {"[aʊ]", "Обычный_ау", {"clown", "cowl", "drown", "fowl", "frown"}},
        {"[əʊ]", "Обычный_оу", {"rope", "stone", "poke", "tone", "sloe"}},
        {"[eə]", "Обычный_ээ", {"bare", "care", "dare", "fare", "pare"}},
        {"[b]", "Согласный_б", {"bad", "bake", "cable", "bank", "bat"}},
        {"[ɡ]", "Согласный_г", {"dog", "frog", "gag", "get", "glad"}},
        {"[dʒ]", "Согласный_дж", {"gym", "jail", "jam", "jar", "jaw"}},
        {"[d]", "Согласный_д", {"bed", "date", "den", "drake", "dry"}},
        {"[f]", "Согласный_ф", {"face", "fame", "fake", "fat", "fine"}},
        {"[h]", "Согласный_х", {"hand", "hat", "hate", "he", "hen"}},
        {"[k]", "Согласный_к", {"bake", "cable", "fake", "cry", "drake"}},
        {"[l]", "Согласный_л", {"lake", "lame", "late", "leg", "let"}},
        {"[m]", "Согласный_м", {"mat", "me", "mine", "mute", "my"}},
        {"[n]", "Согласный_н", {"name", "nip", "no", "spin", "tone"}},
        {"[ŋ]", "Носовой_н", {"cling", "fang", "gong", "long", "sing"}},
        {"[p]", "Согласный_п", {"pale", "pie", "pine", "plate", "pride"}},
        {"[r]", "Согласный_р", {"rime", "rope", "rude", "gram", "grate"}},
        {"[s]", "Согласный_с", {"sloe", "smell", "spin", "stake", "sting"}},
        {"[t]", "Согласный_т", {"ten", "tie", "time", "tone", "tram"}},
        {"[tʃ]", "Согласный_ч", {"charm", "chart", "chat", "check", "cheek"}},
        {"[θ]", "Глухой_звук", {"thank", "theme", "think", "thrive", "throw"}},
        {"[ð]", "Звонкий_звук", {"then", "they", "this", "bathe", "leather"}},
        {"[ʃ]", "Согласный_ш", {"shade", "sharp", "shawl", "she", "ship"}},
        {"[v]", "Согласный_в", {"van", "vest", "vet", "five", "give"}},
        {"[w]", "Согласный_у", {"ware", "we", "west", "wet", "wig"}},
        {"[z]", "Согласный_з", {"zip", "zoo", "amaze", "buzz", "phase"}},
        {"[j]", "Согласный_и", {"yet", "yellow", "youth", "muse", "use"}},
    }};
    return table;
}

namespace {
bool inTable(int index) {
    return index >= 0 && index < kTranscriptionSignCount;
}
} // namespace

QString transcriptionSignText(int index) {
    return inTable(index) ? QString::fromUtf8(transcriptionSigns()[index].sign) : QString();
}

QStringList transcriptionSignLines(int index) {
    if (!inTable(index))
        return {};
    const TranscriptionSign& s = transcriptionSigns()[index];
    QStringList lines{QString::fromUtf8(s.sign)};
    for (const char* w : s.words)
        lines << QString::fromUtf8(w);
    return lines;
}

QString transcriptionSignFile(const QString& programFolder, int index) {
    if (!inTable(index))
        return {};
    return programFolder + QStringLiteral("/znaki_trans/") +
           QString::fromUtf8(transcriptionSigns()[index].soundName) + QStringLiteral(".wav");
}

} // namespace telvo
