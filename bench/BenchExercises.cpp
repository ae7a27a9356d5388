// Prints how long the exercises' work on the data files takes on dictionaries of 10 000 and
// 100 000 records: each table build, each of the five status-bar remainder texts (from the
// files while the table is flagged, and from the built table), each history save, and one
// question of each exercise. Figures, not pass or fail: the targets at 100 000 records are a
// table build and each remainder text within 20 ms.
//
// Usage: telvo-bench-exercises [folder]   (default: a temporary folder)
#include "app/core/Globals.h"
#include "exercises/logic/FindTranslation.h"
#include "exercises/logic/HistorySaves.h"
#include "exercises/logic/Pairs.h"
#include "exercises/logic/Recognition.h"
#include "exercises/logic/Remainders.h"
#include "exercises/logic/Tables.h"
#include "exercises/logic/Translation.h"
#include "store/Binary.h"
#include "store/Records.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

using namespace telvo;

namespace {

using Clock = std::chrono::steady_clock;
using G = Globalnye_peremennye_slovarya;

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// Median wall-clock and processor time of `work` in milliseconds; `prepare` runs untimed
// before each repetition. The processor time shows the cost of the work itself when other
// programs share the machine.
struct Timing {
    double wall = 0;
    double cpu = 0;
};

Timing timeMs(int repetitions, const std::function<void()>& work,
              const std::function<void()>& prepare = {}) {
    std::vector<double> wall, cpu;
    for (int i = 0; i < repetitions; ++i) {
        if (prepare)
            prepare();
        const auto start = Clock::now();
        const std::clock_t cpuStart = std::clock();
        work();
        cpu.push_back(1000.0 * double(std::clock() - cpuStart) / CLOCKS_PER_SEC);
        wall.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    return {median(wall), median(cpu)};
}

// "wall/cpu" in a column.
std::string fmt(Timing t) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.2f/%.2f", t.wall, t.cpu);
    return buf;
}

void writeWhole(const QString& path, const QByteArray& content) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(content) != content.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
}

struct Table {
    const char* name;
    bool G::*flag;
    void (*build)(G&);
    QString (*remainder)(G&);
    void (*save)(G&);
};

const Table kTables[] = {
    {"English recognition", &G::Obnovit_angliyskie_slova, buildEnglishTable,
     Pervonachalnyy_ostatok_nepredyavlennykh_angliyskikh_slov,
     Sokhranenie_statistiki_angliyskikh_slov},
    {"Russian recognition", &G::Obnovit_russkie_slova, buildRussianTable,
     Pervonachalnyy_ostatok_nepredyavlennykh_russkikh_slov, Sokhranenie_statistiki_russkikh_slov},
    {"Translation from English", &G::Obnovit_perevody_s_angliyskogo,
     buildTranslationFromEnglishTables,
     Pervonachalnyy_ostatok_nepredyavlennykh_perevodov_s_angliyskogo,
     Sokhranenie_statistiki_perevodov_s_angliyskogo},
    {"Translation from Russian", &G::Obnovit_perevody_s_russkogo, buildTranslationFromRussianTables,
     Pervonachalnyy_ostatok_nepredyavlennykh_perevodov_s_russkogo,
     Sokhranenie_statistiki_perevodov_s_russkogo},
    {"Pair matching", &G::Obnovit_pary, buildPairTable,
     Pervonachalnyy_ostatok_nesopostavlennykh_par, Sokhranenie_statistiki_sopostavlennykh_par},
};

void runSize(const QString& folder, int n) {
    G g;
    g.puti = makeDataPaths(folder);
    QDir().mkpath(g.puti.folder);

    QByteArray dictionary;
    dictionary.reserve(qsizetype(n) * DictRecord::kSize);
    QByteArray forgotten(n, '\0');
    QByteArray history(n, '\0');
    int32_t allowed = 0;
    for (int i = 0; i < n; ++i) {
        DictRecord r;
        r.Angliyskoe_slovo = QStringLiteral("word%1").arg(i);
        r.Transkriptsiya = QStringLiteral("транскрипция %1").arg(i);
        r.Perevod = QStringLiteral("перевод слова номер %1").arg(i);
        r.Data_dobavleniya = toDelphiDate(QDate(2021, 3, 5).addDays(i / 50));
        r.Zapreshcheno_k_pokazu = i % 17 == 0;
        allowed += r.Zapreshcheno_k_pokazu ? 0 : 1;
        dictionary += r.encode();
        forgotten[i] = i % 29 == 0 && !r.Zapreshcheno_k_pokazu ? 1 : 0;
        history[i] = i % 2;
    }
    writeWhole(g.puti.vocabulary, dictionary);
    writeWhole(g.puti.statForget, forgotten);
    for (const QString& path :
         {g.puti.statEng, g.puti.statRus, g.puti.statPerEng, g.puti.statPerRus, g.puti.statPair})
        writeWhole(path, history);
    g.Kolichestvo_zapisey = n;
    g.Kolichestvo_razreshennykh_k_pokazu = allowed;
    g.Vse_slova_slovarya = true;
    g.Nachalo_diapazona = 1;
    g.Konets_diapazona = n;
    g.Razmer_diapazona = n;

    std::printf("\n%d records (whole-dictionary range), median of 7 runs, ms wall/processor\n", n);
    std::printf("  %-25s %13s %13s %13s %13s %13s\n", "table", "build", "rest files", "rest forgot",
                "rest table", "save");
    for (const Table& t : kTables) {
        const Timing build = timeMs(
            7, [&] { t.build(g); }, [&] { g.*t.flag = true; });
        const Timing fromFiles = timeMs(
            7, [&] { t.remainder(g); }, [&] { g.*t.flag = true; });
        g.Rezhim_zabytye = true;
        const Timing forgottenView = timeMs(
            7, [&] { t.remainder(g); }, [&] { g.*t.flag = true; });
        g.Rezhim_zabytye = false;
        t.build(g);
        const Timing fromTable = timeMs(7, [&] { t.remainder(g); });
        const Timing save = timeMs(7, [&] { t.save(g); });
        std::printf("  %-25s %13s %13s %13s %13s %13s\n", t.name, fmt(build).c_str(),
                    fmt(fromFiles).c_str(), fmt(forgottenView).c_str(), fmt(fromTable).c_str(),
                    fmt(save).c_str());
    }
    // A first build into an empty table (no strings to reuse).
    G fresh;
    fresh.puti = g.puti;
    fresh.Nachalo_diapazona = 1;
    fresh.Konets_diapazona = fresh.Razmer_diapazona = n;
    std::printf("  first build into empty tables: English %s",
                fmt(timeMs(1, [&] { buildEnglishTable(fresh); })).c_str());
    std::printf(", pairs %s\n", fmt(timeMs(1, [&] { buildPairTable(fresh); })).c_str());
    std::printf(
        "  %-25s %13s\n", "Find translation",
        fmt(timeMs(
                7, [&] { buildFindTranslationTable(g); }, [&] { g.Obnovit_nayti_perevod = true; }))
            .c_str());
    std::printf("  all five remainder texts with every table flagged: %s\n",
                fmt(timeMs(
                        7,
                        [&] {
                            for (const Table& t : kTables)
                                t.remainder(g);
                        },
                        [&] { Sostoyanie_dinamicheskikh_massivov(g); }))
                    .c_str());

    // One question of each exercise on built tables.
    for (const Table& t : kTables)
        t.build(g);
    RecognitionExercise english(g, RecognitionKind::English);
    english.onShow();
    std::printf("  one question: recognition %s",
                fmt(timeMs(7, [&] { english.present(); })).c_str());
    TranslationExercise fromRussian(g, TranslationKind::FromRussian);
    fromRussian.onShow();
    std::printf(", translation %s", fmt(timeMs(7, [&] { fromRussian.present(); })).c_str());
    PairMatching pairs(g);
    std::printf(", pair portion %s", fmt(timeMs(7, [&] { pairs.onShow(); })).c_str());
    FindTranslation findTranslation(g);
    findTranslation.onShow(QStringLiteral("word5"));
    std::printf(", find-translation list %s\n",
                fmt(timeMs(7, [&] { findTranslation.fill(QStringLiteral("word5")); })).c_str());
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir temporary;
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : temporary.path();
    for (int n : {10000, 100000})
        runSize(folder, n);
    return 0;
}
