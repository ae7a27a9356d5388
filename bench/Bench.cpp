// Prints how long the dictionary operations take on dictionaries of 10 000, 100 000 and
// 1 000 000 records, and the peak memory. Figures, not pass or fail: the targets at 100 000
// records are a rebuild within 20 ms, a duplicate check within 10 ms, an append within 1 ms
// and an insert or remove in the middle within 60 ms (both before every write was synced to the
// disk; a sync alone costs a few milliseconds on an ordinary disk).
//
// The record edits with every aligned file (forgotten words, five histories, the range) are
// timed at 100 000 records; their targets are an insert or delete within 80 ms and an add
// within 20 ms, disk syncs included.
//
// Usage: telvo-bench [folder]   (default: a temporary folder)
#include "app/core/Globals.h"
#include "platform/Files.h"
#include "platform/Memory.h"
#include "store/Binary.h"
#include "store/DictionaryEdits.h"
#include "store/RecordFile.h"
#include "store/RecordTableModel.h"
#include "store/Records.h"
#include "store/TextRules.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

using namespace telvo;

namespace {

using Clock = std::chrono::steady_clock;

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// Median time of `work` in milliseconds; `prepare` runs untimed before each repetition.
double timeMs(int repetitions, const std::function<void()>& work,
              const std::function<void()>& prepare = {}) {
    std::vector<double> times;
    for (int i = 0; i < repetitions; ++i) {
        if (prepare)
            prepare();
        const auto start = Clock::now();
        work();
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    return median(times);
}

QByteArray record(const QString& english, int i) {
    DictRecord r;
    r.Angliyskoe_slovo = english;
    r.Transkriptsiya = QStringLiteral("транскрипция %1").arg(i);
    r.Perevod = QStringLiteral("перевод слова номер %1").arg(i);
    r.Data_dobavleniya = toDelphiDate(QDate(2021, 3, 5).addDays(i / 50));
    r.Zapreshcheno_k_pokazu = i % 17 == 0;
    r.Otmecheno = i % 23 == 0;
    return r.encode();
}

void writeWhole(const QString& path, const QByteArray& content) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(content) != content.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
}

void runSize(const QString& folder, int n) {
    Globalnye_peremennye_slovarya g;
    g.puti = makeDataPaths(folder);
    QDir().mkpath(g.puti.folder);

    QByteArray dictionary;
    dictionary.reserve(qsizetype(n) * DictRecord::kSize);
    QByteArray forgotten(n, '\0');
    for (int i = 0; i < n; ++i) {
        dictionary += record(QStringLiteral("word%1").arg(i), i);
        if (i % 11 == 0)
            forgotten[i] = 1;
    }
    writeWhole(g.puti.vocabulary, dictionary);
    writeWhole(g.puti.statForget, forgotten);
    dictionary = {};

    const int reps = n >= 1000000 ? 5 : 15;
    const int screenRows = 25;

    const double count = timeMs(reps, [&] { Otobrazhenie_kolichestva_zapisey(g); });

    RecordTableModel model(g);
    auto touchScreen = [&] {
        qsizetype chars = 0;
        for (int r = 0; r < std::min(screenRows, model.rowCount()); ++r) {
            for (int c = 0; c < RecordTableModel::ColumnCount; ++c)
                chars += model.data(model.index(r, c)).toString().size();
            chars += model.data(model.index(r, 7), RecordTableModel::MarkedRole).toBool();
        }
        if (chars == 0)
            std::abort();
    };
    g.Rezhim_zabytye = false;
    const double rebuild = timeMs(reps, [&] {
        model.reload();
        touchScreen();
    });
    g.Rezhim_zabytye = true;
    const double rebuildForgotten = timeMs(reps, [&] {
        model.reload();
        touchScreen();
    });
    g.Rezhim_zabytye = false;

    g.Rezhim_dobavleniya = true;
    bool dup = false;
    const double duplicate = timeMs(
        reps, [&] { dup = Proverka_novogo_slova_na_sovpadenie(g, QStringLiteral("Brand-new")); });
    const double duplicateHit = timeMs(
        reps, [&] { dup = Proverka_novogo_slova_na_sovpadenie(g, QStringLiteral("WORD7")); });
    if (!dup)
        std::abort();

    RecordFile file(g.puti.vocabulary, DictRecord::kSize);
    const QByteArray extra = record(QStringLiteral("extra"), 1);
    const double append = timeMs(reps, [&] { file.append(extra); });
    const double insert = timeMs(reps, [&] { file.insert(n / 2, extra); });
    const double remove = timeMs(reps, [&] { file.remove(n / 2); });

    // The share of the disk sync in a rewrite: the same amount written and synced alone.
    const QByteArray same(file.count() * qsizetype(DictRecord::kSize), 'x');
    const QString probe = folder + QStringLiteral("/sync_probe.bin");
    platform::OutputFile out;
    const double syncOnly = timeMs(
        reps,
        [&] {
            if (out.sync() != 0)
                std::abort();
        },
        [&] {
            if (out.open(probe, platform::OutputFile::Mode::Replace) != 0 || out.write(same) != 0)
                std::abort();
        });
    out.close();
    QFile::remove(probe);

    std::printf("%9d records (%6.1f MB file)\n", n, double(n) * DictRecord::kSize / 1e6);
    std::printf("    count (Otobrazhenie_kolichestva_zapisey)   %9.3f ms\n", count);
    std::printf("    full table rebuild + one screen of cells   %9.3f ms\n", rebuild);
    std::printf("    forgotten-only rebuild + one screen        %9.3f ms\n", rebuildForgotten);
    std::printf("    duplicate check, new word                  %9.3f ms\n", duplicate);
    std::printf("    duplicate check, existing word             %9.3f ms\n", duplicateHit);
    std::printf("    append one record                          %9.3f ms\n", append);
    std::printf("    insert in the middle                       %9.3f ms  (%.3f ms without sync)\n",
                insert, std::max(0.0, insert - syncOnly));
    std::printf("    remove from the middle                     %9.3f ms  (%.3f ms without sync)\n",
                remove, std::max(0.0, remove - syncOnly));
    std::printf("    fsync of a file of that size               %9.3f ms\n", syncOnly);
    std::printf("    peak resident memory so far                %9.1f MB\n",
                double(platform::peakResidentBytes()) / 1e6);
    std::fflush(stdout);

    QDir(g.puti.folder).removeRecursively();
}

// Add, insert and delete as the dialogs run them, on `n` records with a forgotten file and all
// five histories: whole range, a fixed range and a range running to the end.
void runEdits(const QString& folder, int n) {
    Globalnye_peremennye_slovarya g;
    g.puti = makeDataPaths(folder);
    QDir().mkpath(g.puti.folder);
    QByteArray dictionary;
    dictionary.reserve(qsizetype(n) * DictRecord::kSize);
    for (int i = 0; i < n; ++i)
        dictionary += record(QStringLiteral("word%1").arg(i), i);
    QByteArray flags(n, '\0');
    for (int i = 0; i < n; i += 7)
        flags[i] = 1;

    struct RangeCase {
        const char* name;
        bool whole;
        bool toEnd;
    };
    const RangeCase ranges[] = {{"whole dictionary", true, false},
                                {"fixed range", false, false},
                                {"to the end", false, true}};
    const int reps = 15;
    std::printf("%9d records, forgotten file and five histories: add, insert, delete\n", n);
    for (const RangeCase& rc : ranges) {
        auto prepare = [&] {
            writeWhole(g.puti.vocabulary, dictionary);
            writeWhole(g.puti.statForget, flags);
            g.Kolichestvo_zapisey = n;
            g.Vse_slova_slovarya = rc.whole;
            g.Do_kontsa = rc.toEnd;
            g.Nachalo_diapazona = rc.whole ? 1 : n / 4;
            g.Konets_diapazona = rc.whole || rc.toEnd ? n : n / 2;
            g.Razmer_diapazona = g.Konets_diapazona - g.Nachalo_diapazona + 1;
            const QByteArray history = flags.left(g.Razmer_diapazona);
            for (const QString* p : {&g.puti.statEng, &g.puti.statRus, &g.puti.statPerEng,
                                     &g.puti.statPerRus, &g.puti.statPair})
                writeWhole(*p, history);
            RangeRecord r;
            r.Vse_slova_slovarya = g.Vse_slova_slovarya;
            r.Nachalo_diapazona = g.Nachalo_diapazona;
            r.Konets_diapazona = g.Konets_diapazona;
            r.Do_kontsa = g.Do_kontsa;
            writeWhole(g.puti.upragneniy, r.encode());
        };
        const RecordTexts texts{QStringLiteral("bench"), QStringLiteral("бенч"),
                                QStringLiteral("проба")};
        const QDate day(2024, 1, 1);
        const double add = timeMs(
            reps, [&] { addRecord(g, texts, day); }, prepare);
        const double insert = timeMs(
            reps, [&] { insertRecord(g, g.Kolichestvo_zapisey / 2, texts, day); }, prepare);
        const double remove = timeMs(
            reps, [&] { deleteRecord(g, g.Kolichestvo_zapisey / 2); }, prepare);
        std::printf("    %-18s add %8.3f ms   insert %8.3f ms   delete %8.3f ms\n", rc.name, add,
                    insert, remove);
    }
    std::fflush(stdout);
    QDir(g.puti.folder).removeRecursively();
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir temp;
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : temp.path();
    std::printf("Dictionary operations, median times; files in %s\n", qPrintable(folder));
    // Only the edits with every aligned file: telvo-bench [folder] --edits
    const bool editsOnly = argc > 2 && QByteArray(argv[2]) == "--edits";
    if (!editsOnly) {
        for (int n : {10000, 100000, 1000000})
            runSize(folder, n);
    }
    runEdits(folder, 100000);
    return 0;
}
