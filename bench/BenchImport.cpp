// Prints how long an import of a 100 000-entry KVTML file takes (read, parse, plan against the
// dictionary, one change of every aligned file), and an export of the same dictionary to KVTML
// and to CSV (records read, written out through a companion). Figures, not pass or fail: the
// import aims at 1 s, the export at 0.5 s.
//
// Usage: telvo-bench-import [folder]   (default: a temporary folder)
#include "app/core/Globals.h"
#include "bench/BenchSupport.h"
#include "store/RecordFile.h"
#include "store/Records.h"
#include "tools/logic/ImportPlan.h"
#include "tools/logic/WordExport.h"
#include "tools/logic/WordImport.h"

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
using bench::timeMs;
using bench::writeWhole;

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir temp;
    const QString base = argc > 1 ? QString::fromLocal8Bit(argv[1]) : temp.path();
    Globalnye_peremennye_slovarya g;
    g.puti = makeDataPaths(base);
    QDir().mkpath(g.puti.folder);

    constexpr int kWords = 100000;
    std::vector<RecordTexts> words;
    words.reserve(kWords);
    for (int i = 0; i < kWords; ++i)
        words.push_back({QStringLiteral("word number %1").arg(i),
                         QStringLiteral("уорд намбэ %1").arg(i),
                         QStringLiteral("слово номер %1, перевод").arg(i)});
    const QString kvtmlPath = base + QStringLiteral("/words.kvtml");
    const QByteArray kvtml = writeKvtml(words, QStringLiteral("Слова"));
    writeWhole(kvtmlPath, kvtml);

    // An empty dictionary with a forgotten file and the whole-dictionary range, as after a
    // first start.
    auto emptyDictionary = [&] {
        writeWhole(g.puti.vocabulary, {});
        writeWhole(g.puti.statForget, {});
        RangeRecord r;
        r.Konets_diapazona = 0;
        writeWhole(g.puti.upragneniy, r.encode());
        g.Kolichestvo_zapisey = 0;
        g.Vse_slova_slovarya = true;
        g.Nachalo_diapazona = 1;
        g.Konets_diapazona = 0;
        g.Do_kontsa = false;
    };
    size_t added = 0;
    const double import = timeMs(
        5,
        [&] {
            QFile f(kvtmlPath);
            if (!f.open(QIODevice::ReadOnly))
                std::exit(1);
            const QByteArray content = f.readAll();
            if (detectImportFormat(content) != ImportFormat::Kvtml)
                std::exit(1);
            const KvtmlResult doc = parseKvtml(content);
            if (!doc.document)
                std::exit(1);
            const int english = englishIdentifier(*doc.document);
            added = importWords(g, wordsFromKvtml(*doc.document, english, english == 0 ? 1 : 0),
                                DuplicatePolicy::Skip, QDate(2026, 12, 10))
                        .additions.size();
        },
        emptyDictionary);
    // The same file again: every word a duplicate of one stored.
    const double again = timeMs(5, [&] {
        QFile f(kvtmlPath);
        if (!f.open(QIODevice::ReadOnly))
            std::exit(1);
        const KvtmlResult doc = parseKvtml(f.readAll());
        importWords(g, wordsFromKvtml(*doc.document, 0, 1), DuplicatePolicy::Skip,
                    QDate(2026, 12, 10));
    });

    const QString outKvtml = base + QStringLiteral("/out.kvtml");
    const QString outCsv = base + QStringLiteral("/out.csv");
    const double exportKvtml = timeMs(5, [&] {
        RecordFile(outKvtml, 1)
            .replace(
                writeKvtml(wordsToExport(g, ExportSource::Dictionary), QStringLiteral("Словарь")));
    });
    const double exportCsv = timeMs(5, [&] {
        RecordFile(outCsv, 1).replace(writeCsv(wordsToExport(g, ExportSource::Dictionary)));
    });

    std::printf("KVTML file: %d entries, %lld bytes; %zu words added\n", kWords,
                static_cast<long long>(kvtml.size()), added);
    std::printf("import into an empty dictionary      %8.1f ms   (target 1000 ms)\n", import);
    std::printf("the same file again, all duplicates  %8.1f ms\n", again);
    std::printf("export to KVTML                      %8.1f ms   (target 500 ms)\n", exportKvtml);
    std::printf("export to CSV                        %8.1f ms   (target 500 ms)\n", exportCsv);
    return 0;
}
