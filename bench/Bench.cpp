// Prints how long the dictionary operations take on dictionaries of 10 000, 100 000 and
// 1 000 000 records, and the peak memory. Figures, not pass or fail: the targets at 100 000
// records are a rebuild within 20 ms, a duplicate check within 10 ms, an append within 1 ms
// and an insert or remove in the middle within 60 ms.
//
// Usage: telvo-bench [folder]   (default: a temporary folder)
#include "app/core/Globals.h"
#include "platform/Files.h"
#include "platform/Memory.h"
#include "store/Binary.h"
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
    QFile out(probe);
    const double syncOnly = timeMs(
        reps,
        [&] {
            if (!platform::syncFile(out))
                std::abort();
        },
        [&] {
            out.close();
            if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
                out.write(same) != same.size() || !out.flush())
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

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir temp;
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : temp.path();
    std::printf("Dictionary operations, median times; files in %s\n", qPrintable(folder));
    for (int n : {10000, 100000, 1000000})
        runSize(folder, n);
    return 0;
}
