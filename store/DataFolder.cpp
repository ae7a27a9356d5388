#include "store/DataFolder.h"

#include "app/core/Failure.h"
#include "platform/Files.h"
#include "store/Histories.h"
#include "store/RecordFile.h"
#include "store/Records.h"
#include "store/Transaction.h"

#include <QDir>
#include <QFileInfo>

namespace telvo {

namespace {

constexpr int kGroupRecordSize = 1257;

bool folderExists(const QString& path) {
    return QFileInfo(path).isDir();
}

// One level at a time: the parent must already be there.
void createFolder(const QString& path) {
    if (!QDir().mkdir(path) && !folderExists(path))
        throw Failure(QStringLiteral("Не удалось создать папку %1").arg(path));
}

void createDictionary(const DataPaths& p) {
    RecordFile(p.vocabulary, DictRecord::kSize).create({});
}

void createRange(const DataPaths& p) {
    const RecordFile file(p.upragneniy, RangeRecord::kSize);
    const QByteArray content = RangeRecord{}.encode();
    // An existing range file is replaced as a whole, so a crash cannot leave it empty.
    if (file.exists())
        file.replace(content);
    else
        file.create(content);
}

// A range file too short to hold its record (a damaged copy) is put back to the default, and
// the histories, which belonged to a range nobody can read any more, go with it.
bool isShortRange(const DataPaths& p) {
    const QFileInfo info(p.upragneniy);
    return info.isFile() && info.size() < RangeRecord::kSize;
}

// One change: the default range and no histories, or the files as they were.
void resetShortRange(const DataPaths& p) {
    Transaction change(p.folder, QStringLiteral("Проверка_наличия_базы_слов"));
    const QByteArray content = RangeRecord{}.encode();
    change.replace(p.upragneniy, {content});
    for (const HistoryInfo& h : histories())
        change.remove(p.*h.path);
    change.commit();
}

void createGroups(const DataPaths& p) {
    RecordFile(p.groupWords, kGroupRecordSize).create({});
}

void createMissingGroups(const DataPaths& p) {
    if (!QFileInfo::exists(p.groupWords))
        createGroups(p);
}

} // namespace

QString Rabochiy_katolog() {
    return platform::userDataLocation();
}

void Proverka_nalichiya_bazy_slov(Globalnye_peremennye_slovarya& g) {
    reportFailuresAs("Проверка_наличия_базы_слов", [&] {
        const QString base = Rabochiy_katolog();
        g.puti = makeDataPaths(base);
        const DataPaths& p = g.puti;
        const QString lab = base + QStringLiteral("/Telvo_Lab");
        // A change a crash interrupted is finished or undone before any file is looked at.
        if (folderExists(p.folder))
            recoverInterruptedChange(p);

        if (!folderExists(lab)) {
            // A fresh account may not have its data location yet (~/.local/share).
            if (!base.isEmpty() && !folderExists(base) && !QDir().mkpath(base))
                throw Failure(QStringLiteral("Не удалось создать папку %1").arg(base));
            createFolder(lab);
            createFolder(p.folder);
            createDictionary(p);
            createRange(p);
            createGroups(p);
            return;
        }
        if (!folderExists(p.folder)) {
            createFolder(p.folder);
            createDictionary(p);
            createRange(p);
            createGroups(p);
            return;
        }
        if (!QFileInfo::exists(p.vocabulary)) {
            createDictionary(p);
            createRange(p);
            createMissingGroups(p);
            return;
        }
        if (!QFileInfo::exists(p.upragneniy))
            createRange(p);
        else if (isShortRange(p))
            resetShortRange(p);
        createMissingGroups(p);
    });
}

} // namespace telvo
