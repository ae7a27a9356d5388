// Prints how long archiving and restoring a data folder of 100 000 records with its forgotten
// file and five histories (about 19 MB) takes, beside `zip -6 -r` and `unzip` on the same folder
// in the same run. Figures, not pass or fail: the aim is to be no slower than those commands.
//
// Usage: telvo-bench-archive [folder]   (default: a temporary folder)
#include "bench/BenchSupport.h"
#include "tools/logic/DataArchive.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

using telvo::bench::timeMs;
using telvo::bench::writeWhole;

bool run(const QString& program, const QStringList& arguments, const QString& folder) {
    QProcess p;
    p.setWorkingDirectory(folder);
    p.start(program, arguments);
    return p.waitForFinished(-1) && p.exitCode() == 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir temp;
    const QString base = argc > 1 ? QString::fromLocal8Bit(argv[1]) : temp.path();
    const QString data = base + QStringLiteral("/Telvo_Lab/Telvo_Vocabulary_02");
    const QString target = base + QStringLiteral("/stick");
    QDir().mkpath(data);
    QDir().mkpath(target);

    // Records of text and zero padding, as real ones: words differ, the rest repeats.
    constexpr int kRecords = 100000;
    QByteArray dictionary;
    dictionary.reserve(kRecords * 176);
    for (int i = 0; i < kRecords; ++i) {
        QByteArray r(176, '\0');
        const QByteArray word = "word" + QByteArray::number(i);
        r[0] = char(word.size());
        r.replace(1, word.size(), word);
        const QByteArray translation = "\xF1\xEB\xEE\xE2\xEE " + QByteArray::number(i);
        r[97] = char(translation.size());
        r.replace(98, translation.size(), translation);
        dictionary += r;
    }
    writeWhole(data + QStringLiteral("/Vocabulary.dictdat"), dictionary);
    QByteArray flags(kRecords, '\0');
    for (int i = 0; i < kRecords; i += 3)
        flags[i] = 1;
    for (const char* name :
         {"Stat_forget.dictstat", "Stat_eng.dictstat", "Stat_rus.dictstat", "Stat_per_eng.dictstat",
          "Stat_per_rus.dictstat", "Stat_pair.dictstat"})
        writeWhole(data + u'/' + QLatin1String(name), flags);
    writeWhole(data + QStringLiteral("/upragneniy.uprdat"), QByteArray(16, '\1'));
    qint64 bytes = 0;
    for (const QFileInfo& f : QDir(data).entryInfoList(QDir::Files))
        bytes += f.size();

    const int reps = 5;
    const double archive = timeMs(reps, [&] {
        if (telvo::tools::archiveDataFolder(data, target).status !=
            telvo::tools::ArchiveStatus::Archived)
            std::exit(1);
    });
    const QString ours = target + QStringLiteral("/Telvo_Vocabulary_02.zip");
    const double restore = timeMs(reps, [&] {
        if (telvo::tools::restoreDataFolder(ours, data).status !=
            telvo::tools::RestoreStatus::Restored)
            std::exit(1);
    });
    const QString theirs = base + QStringLiteral("/theirs.zip");
    const double zip = timeMs(reps, [&] {
        QFile::remove(theirs);
        if (!run(QStringLiteral("zip"),
                 {QStringLiteral("-6"), QStringLiteral("-r"), QStringLiteral("-q"), theirs,
                  QStringLiteral("Telvo_Lab")},
                 base))
            std::exit(2);
    });
    const QString out = base + QStringLiteral("/unzipped");
    const double unzip = timeMs(reps, [&] {
        QDir(out).removeRecursively();
        if (!run(QStringLiteral("unzip"),
                 {QStringLiteral("-q"), QStringLiteral("-o"), theirs, QStringLiteral("-d"), out},
                 base))
            std::exit(2);
    });
    std::printf("data folder: %lld bytes in %lld files\n", static_cast<long long>(bytes),
                static_cast<long long>(QDir(data).entryList(QDir::Files).size()));
    std::printf("archive  %8.1f ms (%lld bytes)   zip -6 -r %8.1f ms (%lld bytes)\n", archive,
                static_cast<long long>(QFileInfo(ours).size()), zip,
                static_cast<long long>(QFileInfo(theirs).size()));
    std::printf("restore  %8.1f ms                 unzip     %8.1f ms\n", restore, unzip);
    return 0;
}
