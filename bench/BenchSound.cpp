// Sound: from the request to the first sample handed to the audio device, for a word with a
// recording and for one the synthesizer says; and the player's listen-all list built and
// shuffled at 100 000 records. The device is SDL's disk driver writing to /dev/null without its
// delay, so the figures are the program's own time, not a sound card's.
#include "bench/BenchSupport.h"
#include "platform/audio/Audio.h"
#include "sound/logic/PlayerList.h"
#include "sound/logic/Pronunciation.h"
#include "store/Records.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>

using namespace telvo;
using namespace telvo::bench;

namespace {

QByteArray wav(int samples) {
    QByteArray data;
    for (int i = 0; i < samples; ++i) {
        const auto v = static_cast<int16_t>(8000 * std::sin(i * 0.05));
        data.append(static_cast<char>(v & 0xff)).append(static_cast<char>((v >> 8) & 0xff));
    }
    auto le = [](QByteArray& out, uint32_t v, int n) {
        for (int i = 0; i < n; ++i)
            out.append(static_cast<char>((v >> (8 * i)) & 0xff));
    };
    QByteArray out("RIFF");
    le(out, 36 + uint32_t(data.size()), 4);
    out.append("WAVEfmt ");
    le(out, 16, 4), le(out, 1, 2), le(out, 1, 2), le(out, 22050, 4), le(out, 44100, 4);
    le(out, 2, 2), le(out, 16, 2);
    out.append("data");
    le(out, uint32_t(data.size()), 4);
    return out + data;
}

int64_t nowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Median milliseconds from the call to the device's first buffer of the word.
double firstSampleMs(const QString& folder, const QString& word, int repetitions) {
    std::vector<double> times;
    for (int i = 0; i < repetitions; ++i) {
        const int64_t start = nowNs();
        pronounceWord(systemSoundOutput(), folder, word);
        const int64_t first = platform::lastFirstSampleTime();
        times.push_back(first > start ? double(first - start) / 1e6 : -1.0);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", "/dev/null", 1);
    setenv("SDL_DISKAUDIODELAY", "0", 1);
    QCoreApplication app(argc, argv);
    QTemporaryDir temp;

    // A sound folder of 10 000 recordings, as a downloaded set has.
    const QString folder = temp.filePath(QStringLiteral("sounds"));
    QDir().mkpath(folder);
    const QByteArray recording = wav(11025);
    for (int i = 0; i < 10000; ++i)
        writeWhole(folder + QStringLiteral("/word%1.wav").arg(i), recording);
    // The first play starts SDL's audio and the synthesizer: that is measured apart.
    const int64_t coldStart = nowNs();
    pronounceWord(systemSoundOutput(), folder, QStringLiteral("word1"));
    const double cold = double(platform::lastFirstSampleTime() - coldStart) / 1e6;
    std::printf("first sound of the run (audio start-up), recorded word: %.1f ms\n", cold);
    std::printf("recorded word, request to first sample: %.1f ms (target <= 30)\n",
                firstSampleMs(folder, QStringLiteral("word5000"), 15));
    std::printf("recorded word, case-blind match in 10 000 files: %.1f ms\n",
                firstSampleMs(folder, QStringLiteral("WORD5000"), 15));
    std::printf("synthesized word (no recording among 10 000 files), request to first sample: "
                "%.1f ms (target <= 150)\n",
                firstSampleMs(folder, QStringLiteral("elephant"), 15));
    std::printf(
        "synthesized word, empty folder: %.1f ms\n",
        firstSampleMs(temp.filePath(QStringLiteral("none")), QStringLiteral("elephant"), 15));

    // 100 000 records, every tenth excluded, every third forgotten.
    Globalnye_peremennye_slovarya g;
    g.puti = makeDataPaths(temp.path());
    QDir().mkpath(g.puti.folder);
    const int n = 100000;
    QByteArray dict, forget;
    dict.reserve(qsizetype(n) * DictRecord::kSize);
    for (int i = 0; i < n; ++i) {
        DictRecord r;
        r.Angliyskoe_slovo = QStringLiteral("word number %1").arg(i);
        r.Perevod = QStringLiteral("слово");
        r.Zapreshcheno_k_pokazu = i % 10 == 0;
        dict += r.encode();
        forget += char(i % 3 == 0);
    }
    writeWhole(g.puti.vocabulary, dict);
    writeWhole(g.puti.statForget, forget);
    g.Kolichestvo_zapisey = n;
    g.Nachalo_diapazona = 1;
    g.Razmer_diapazona = n;
    g.Konets_diapazona = n;
    QStringList list;
    std::printf("listen-all list of 100 000 records: %.1f ms\n", timeMs(9, [&] {
                    list =
                        Sformirovat_dinamicheskiy_massiv_angliyskikh_slov_dlya_proslushivaniya(g);
                }));
    g.Rezhim_zabytye = true;
    std::printf("listen-all list, forgotten view: %.1f ms\n", timeMs(9, [&] {
                    Sformirovat_dinamicheskiy_massiv_angliyskikh_slov_dlya_proslushivaniya(g);
                }));
    std::printf("shuffle of %lld words: %.1f ms\n", static_cast<long long>(list.size()),
                timeMs(5, [&] { Peremeshat_spisok_proslushivaniya(list, g.random); }));
    std::printf("list and shuffle together: %.1f ms (target <= 20)\n", timeMs(5, [&] {
                    g.Rezhim_zabytye = false;
                    QStringList l =
                        Sformirovat_dinamicheskiy_massiv_angliyskikh_slov_dlya_proslushivaniya(g);
                    Peremeshat_spisok_proslushivaniya(l, g.random);
                }));
    return 0;
}
