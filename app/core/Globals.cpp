#include "app/core/Globals.h"

namespace telvo {

DataPaths makeDataPaths(const QString& base) {
    DataPaths p;
    const QString f = base + QStringLiteral("/Telvo_Lab/Telvo_Vocabulary_02/");
    p.base = base;
    p.folder = f.chopped(1);
    p.vocabulary = f + "Vocabulary.dictdat";
    p.vocabularyNew = f + "Vocabulary_new.dictdat";
    p.statEng = f + "Stat_eng.dictstat";
    p.statRus = f + "Stat_rus.dictstat";
    p.statEngNew = f + "Stat_eng_new.dictstat";
    p.statRusNew = f + "Stat_rus_new.dictstat";
    p.statPerEng = f + "Stat_per_eng.dictstat";
    p.statPerRus = f + "Stat_per_rus.dictstat";
    p.statPerEngNew = f + "Stat_per_eng_new.dictstat";
    p.statPerRusNew = f + "Stat_per_rus_new.dictstat";
    p.statForget = f + "Stat_forget.dictstat";
    p.statForgetNew = f + "Stat_forget_new.dictstat";
    p.statPair = f + "Stat_pair.dictstat";
    p.statPairNew = f + "Stat_pair_new.dictstat";
    p.bloknotik = f + "bloknotik.txt";
    p.start = f + "Start.startdat";
    p.startIdiom = f + "Start_idiom.startdat";
    p.startGroup = f + "Start_group.startdat";
    p.poslednyyPapka = f + "poslednyy_papka.startdat";
    p.upragneniy = f + "upragneniy.uprdat";
    p.groupWords = f + "group_words.group";
    p.idiom = f + "Idiom.idiomtdat";
    p.idiomNew = f + "Idiom_new.idiomtdat";
    p.idiomUpragneniy = f + "idiom_upragneniy.uprdat";
    return p;
}

void Sostoyanie_dinamicheskikh_massivov(Globalnye_peremennye_slovarya& g) {
    g.Obnovit_angliyskie_slova = true;
    g.Obnovit_russkie_slova = true;
    g.Obnovit_perevody_s_angliyskogo = true;
    g.Obnovit_perevody_s_russkogo = true;
    g.Obnovit_nayti_perevod = true;
    g.Obnovit_pary = true;
    g.Obnovit_proslushivanie = true;
}

} // namespace telvo
