#include "tools/logic/DataArchive.h"

#include "app/core/Globals.h"
#include "platform/Files.h"
#include "store/Records.h"
#include "store/Transaction.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStringList>

#include <vector>
#include <zip.h>

namespace telvo::tools {

namespace {

constexpr int kDeflateLevel = 6;

// File type bits of a Unix entry's external attributes (upper 16 bits), as the ZIP format
// stores them.
constexpr zip_uint32_t kTypeMask = 0170000;
constexpr zip_uint32_t kTypeFile = 0100000;
constexpr zip_uint32_t kTypeFolder = 0040000;

QByteArray fsName(const QString& path) {
    return QFile::encodeName(path);
}

QString zipError(zip_t* za) {
    return QString::fromLocal8Bit(zip_strerror(za));
}

// Closes without writing anything when the work did not reach its own close.
struct ZipHandle {
    zip_t* za = nullptr;
    ~ZipHandle() {
        if (za)
            zip_discard(za);
    }
};

QString dictionaryFileName() {
    return QFileInfo(makeDataPaths(QString()).vocabulary).fileName();
}

// ---- archive ----

int cancelArchive(zip_t*, void* state) {
    const auto* cancelled = static_cast<const CancelCheck*>(state);
    return (*cancelled && (*cancelled)()) ? 1 : 0;
}

QStringList filesBelow(const QString& folder) {
    QStringList files;
    // Regular files only: a pipe or a device found here would block or never end the archive
    // (the listing's own filter lets a pipe through).
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::NoSymLinks,
                    QDirIterator::Subdirectories);
    const QDir base(folder);
    while (it.hasNext()) {
        const QString path = it.next();
        // A change's journal exists only while the change runs; a restore must not replay it.
        if (platform::isRegularFile(path) &&
            base.relativeFilePath(path) != QLatin1String(kJournalName))
            files << base.relativeFilePath(path);
    }
    files.sort();
    return files;
}

// ---- restore: entry names ----

// Code page 866, the OEM page entry names use when they do not carry the UTF-8 flag. Letters
// are mapped; any other upper-half byte becomes '_' (the duplicate check catches a clash).
QString fromCp866(const QByteArray& raw) {
    QString out;
    out.reserve(raw.size());
    for (const char c : raw) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80)
            out += QChar(b);
        else if (b <= 0xAF)
            out += QChar(0x0410 + (b - 0x80));
        else if (b >= 0xE0 && b <= 0xEF)
            out += QChar(0x0440 + (b - 0xE0));
        else if (b == 0xF0)
            out += QChar(0x0401);
        else if (b == 0xF1)
            out += QChar(0x0451);
        else
            out += QLatin1Char('_');
    }
    return out;
}

QString entryName(zip_t* za, zip_uint64_t index) {
    const char* raw = zip_get_name(za, index, ZIP_FL_ENC_RAW);
    if (!raw)
        return {};
    const QByteArray rawBytes(raw);
    bool ascii = true;
    for (const char c : rawBytes)
        ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    if (ascii)
        return QString::fromLatin1(rawBytes);
    // Read strictly, a name without the UTF-8 flag comes back converted, so it differs from
    // the raw bytes; a flagged one comes back as it is.
    const char* strict = zip_get_name(za, index, ZIP_FL_ENC_STRICT);
    if (strict && rawBytes == QByteArray(strict))
        return QString::fromUtf8(rawBytes);
    return fromCp866(rawBytes);
}

enum class NameUse { Take, Skip, Hostile };

struct MappedName {
    NameUse use = NameUse::Skip;
    QString relative; // path inside the data folder, '/'-separated, no trailing '/'
    bool folder = false;
};

// Both separators are accepted, as archives come from systems that write either. Anything that
// could land outside the data folder marks the whole archive as hostile.
MappedName mapEntryName(QString name) {
    MappedName m;
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (name.isEmpty() || name.startsWith(QLatin1Char('/')) || name.contains(QChar(0)) ||
        (name.size() >= 2 && name[1] == QLatin1Char(':'))) {
        m.use = NameUse::Hostile;
        return m;
    }
    m.folder = name.endsWith(QLatin1Char('/'));
    QStringList parts;
    for (const QString& part : name.split(QLatin1Char('/'))) {
        if (part == QLatin1String(".."))
            return {NameUse::Hostile, {}, false};
        // A colon names a drive or an alternate stream on the other system.
        if (part.contains(QLatin1Char(':')))
            return {NameUse::Hostile, {}, false};
        if (!part.isEmpty() && part != QLatin1String("."))
            parts << part;
    }
    const QString marker = QString::fromLatin1(kEntryMarker);
    const QString joined = parts.join(QLatin1Char('/')) + QLatin1Char('/');
    qsizetype at = 0;
    while ((at = joined.indexOf(marker, at)) >= 0) {
        if (at == 0 || joined[at - 1] == QLatin1Char('/'))
            break;
        ++at;
    }
    if (at < 0)
        return m;
    m.relative = joined.mid(at + marker.size());
    m.relative.chop(1);
    m.use = m.relative.isEmpty() ? NameUse::Skip : NameUse::Take;
    return m;
}

struct PlannedEntry {
    zip_uint64_t index = 0;
    QString relative;
    bool folder = false;
    zip_uint64_t size = 0;
    QDateTime modified; // invalid when the archive has no time for the entry
};

RestoreResult fail(RestoreStatus status, const QString& detail) {
    return {status, detail};
}

// Checks every entry before anything is written: names, types, duplicates and sizes.
RestoreResult planEntries(zip_t* za, const RestoreLimits& limits, std::vector<PlannedEntry>& plan) {
    const zip_int64_t count = zip_get_num_entries(za, 0);
    if (count < 0)
        return fail(RestoreStatus::Unreadable, zipError(za));
    if (count > limits.maxEntries)
        return fail(RestoreStatus::TooLarge, QStringLiteral("%1 entries").arg(count));
    QSet<QString> seen;
    std::int64_t total = 0;
    for (zip_int64_t i = 0; i < count; ++i) {
        const auto index = static_cast<zip_uint64_t>(i);
        const QString name = entryName(za, index);
        const MappedName mapped = mapEntryName(name);
        if (mapped.use == NameUse::Hostile)
            return fail(RestoreStatus::Refused, QStringLiteral("entry name ") + name);
        zip_uint8_t opsys = 0;
        zip_uint32_t attributes = 0;
        if (zip_file_get_external_attributes(za, index, 0, &opsys, &attributes) != 0)
            return fail(RestoreStatus::Unreadable, zipError(za));
        if (opsys == ZIP_OPSYS_UNIX) {
            const zip_uint32_t type = (attributes >> 16) & kTypeMask;
            if (type != 0 && type != kTypeFile && type != kTypeFolder)
                return fail(RestoreStatus::Refused, QStringLiteral("not a plain file: ") + name);
        }
        if (mapped.use == NameUse::Skip)
            continue;
        zip_stat_t st;
        zip_stat_init(&st);
        if (zip_stat_index(za, index, 0, &st) != 0 || !(st.valid & ZIP_STAT_SIZE))
            return fail(RestoreStatus::Unreadable, zipError(za));
        if ((st.valid & ZIP_STAT_ENCRYPTION_METHOD) && st.encryption_method != ZIP_EM_NONE)
            return fail(RestoreStatus::Unreadable, QStringLiteral("encrypted: ") + name);
        if (st.size > static_cast<zip_uint64_t>(limits.maxTotalBytes - total))
            return fail(RestoreStatus::TooLarge, QStringLiteral("size of ") + name);
        total += static_cast<std::int64_t>(st.size);
        if (seen.contains(mapped.relative))
            return fail(RestoreStatus::Refused, QStringLiteral("duplicate ") + name);
        seen.insert(mapped.relative);
        QDateTime modified;
        if (st.valid & ZIP_STAT_MTIME)
            modified = QDateTime::fromSecsSinceEpoch(static_cast<qint64>(st.mtime));
        plan.push_back({index, mapped.relative, mapped.folder, st.size, modified});
    }
    return {RestoreStatus::Restored, {}};
}

// ---- restore: extraction ----

bool makeFolders(const QString& base, const QString& relative, QSet<QString>& made) {
    QString path = base;
    for (const QString& part : relative.split(QLatin1Char('/'))) {
        path += QLatin1Char('/') + part;
        if (made.contains(path))
            continue;
        const QFileInfo info(path);
        if (!(info.isDir() && !info.isSymLink()) && !QDir().mkdir(path))
            return false;
        made.insert(path);
    }
    return true;
}

RestoreResult extractEntry(zip_t* za, const PlannedEntry& entry, const QString& staging,
                           QSet<QString>& made, std::int64_t& total, const RestoreLimits& limits,
                           const CancelCheck& cancelled) {
    if (entry.folder) {
        if (!makeFolders(staging, entry.relative, made))
            return fail(RestoreStatus::WriteFailed, QStringLiteral("folder ") + entry.relative);
        return {RestoreStatus::Restored, {}};
    }
    const qsizetype slash = entry.relative.lastIndexOf(QLatin1Char('/'));
    if (slash > 0 && !makeFolders(staging, entry.relative.left(slash), made))
        return fail(RestoreStatus::WriteFailed, QStringLiteral("folder of ") + entry.relative);

    zip_file_t* zf = zip_fopen_index(za, entry.index, 0);
    if (!zf)
        return fail(RestoreStatus::Unreadable, zipError(za));
    struct Closer {
        zip_file_t* f;
        ~Closer() {
            if (f)
                zip_fclose(f);
        }
    } closer{zf};

    platform::OutputFile out;
    if (const int e = out.open(staging + QLatin1Char('/') + entry.relative,
                               platform::OutputFile::Mode::Replace))
        return fail(RestoreStatus::WriteFailed, platform::errorText(e));
    std::vector<char> buffer(1 << 16);
    zip_uint64_t got = 0;
    for (;;) {
        if (cancelled && cancelled())
            return fail(RestoreStatus::Cancelled, {});
        const zip_int64_t n = zip_fread(zf, buffer.data(), buffer.size());
        if (n < 0)
            return fail(RestoreStatus::Unreadable, QString::fromLocal8Bit(zip_file_strerror(zf)));
        if (n == 0)
            break;
        got += static_cast<zip_uint64_t>(n);
        total += n;
        // More data than the entry declares is a damaged or crafted entry; stop before it
        // fills the disk.
        if (got > entry.size || total > limits.maxTotalBytes)
            return fail(RestoreStatus::Unreadable, QStringLiteral("size of ") + entry.relative);
        if (const int e = out.write(QByteArrayView(buffer.data(), n)))
            return fail(RestoreStatus::WriteFailed, platform::errorText(e));
    }
    closer.f = nullptr;
    if (zip_fclose(zf) != 0 || got != entry.size)
        return fail(RestoreStatus::Unreadable, QStringLiteral("entry ") + entry.relative);
    if (const int e = out.sync())
        return fail(RestoreStatus::WriteFailed, platform::errorText(e));
    if (const int e = out.close())
        return fail(RestoreStatus::WriteFailed, platform::errorText(e));
    // The status bar shows the dictionary's modification date: it stays the archived one.
    // Set after the last write, which would move it.
    if (entry.modified.isValid()) {
        QFile written(staging + QLatin1Char('/') + entry.relative);
        if (written.open(QIODevice::ReadOnly))
            written.setFileTime(entry.modified, QFileDevice::FileModificationTime);
    }
    return {RestoreStatus::Restored, {}};
}

bool checkDictionary(const QString& folder) {
    const QFileInfo info(folder + QLatin1Char('/') + dictionaryFileName());
    return info.isFile() && !info.isSymLink() && info.size() % DictRecord::kSize == 0;
}

bool exists(const QString& path) {
    return QFileInfo(path).exists() || QFileInfo(path).isSymLink();
}

} // namespace

ArchiveResult archiveDataFolder(const QString& dataFolder, const QString& targetFolder,
                                const CancelCheck& cancelled) {
    ArchiveResult result;
    result.archivePath = QDir(targetFolder).filePath(QString::fromLatin1(kArchiveFileName));
    const QFileInfo data(dataFolder);
    if (!data.isDir()) {
        result.status = ArchiveStatus::NoDataFolder;
        return result;
    }
    const QStringList files = filesBelow(dataFolder);
    if (files.isEmpty()) {
        // Nothing to keep; an empty archive would only replace a good one.
        result.status = ArchiveStatus::NoDataFolder;
        return result;
    }
    const QString temporary = result.archivePath + QStringLiteral("_new");
    auto failed = [&](ArchiveStatus status, const QString& detail) {
        platform::removeFile(temporary);
        result.status = status;
        result.detail = detail;
        return result;
    };

    ZipHandle zip;
    int error = 0;
    zip.za = zip_open(fsName(temporary).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!zip.za) {
        zip_error_t ze;
        zip_error_init_with_code(&ze, error);
        const QString detail = QString::fromLocal8Bit(zip_error_strerror(&ze));
        zip_error_fini(&ze);
        return failed(ArchiveStatus::WriteFailed, detail);
    }
    for (const QString& relative : files) {
        if (cancelled && cancelled())
            return failed(ArchiveStatus::Cancelled, {});
        const QByteArray path = fsName(dataFolder + QLatin1Char('/') + relative);
        zip_source_t* source = zip_source_file(zip.za, path.constData(), 0, -1);
        if (!source)
            return failed(ArchiveStatus::WriteFailed, zipError(zip.za));
        const QByteArray name = (QString::fromLatin1(kEntryPrefix) + relative).toUtf8();
        const zip_int64_t index = zip_file_add(zip.za, name.constData(), source, ZIP_FL_ENC_GUESS);
        if (index < 0) {
            zip_source_free(source);
            return failed(ArchiveStatus::WriteFailed, zipError(zip.za));
        }
        if (zip_set_file_compression(zip.za, static_cast<zip_uint64_t>(index), ZIP_CM_DEFLATE,
                                     kDeflateLevel) != 0)
            return failed(ArchiveStatus::WriteFailed, zipError(zip.za));
    }
    if (cancelled)
        zip_register_cancel_callback_with_state(zip.za, cancelArchive, nullptr,
                                                const_cast<CancelCheck*>(&cancelled));
    // The archive is written here; libzip itself writes to a scratch name and removes it on
    // failure.
    if (zip_close(zip.za) != 0) {
        const bool wasCancelled = cancelled && cancelled();
        return failed(wasCancelled ? ArchiveStatus::Cancelled : ArchiveStatus::WriteFailed,
                      zipError(zip.za));
    }
    zip.za = nullptr;

    platform::OutputFile written;
    int e = written.open(temporary, platform::OutputFile::Mode::Change);
    if (e == 0)
        e = written.sync();
    if (e == 0)
        e = written.close();
    if (e != 0)
        return failed(ArchiveStatus::WriteFailed, platform::errorText(e));
    if (cancelled && cancelled())
        return failed(ArchiveStatus::Cancelled, {});
    if (const int renamed = platform::renameFile(temporary, result.archivePath))
        return failed(ArchiveStatus::WriteFailed, platform::errorText(renamed));
    // The archive is complete under its name; a failed sync of the folder changes nothing the
    // user could act on.
    platform::syncFolder(targetFolder);
    result.status = ArchiveStatus::Archived;
    return result;
}

QString restoreStagingFolder(const QString& dataFolder) {
    return dataFolder + QStringLiteral("_restore");
}

QString restoreSavedFolder(const QString& dataFolder) {
    return dataFolder + QStringLiteral("_old");
}

void recoverInterruptedRestore(const QString& dataFolder) {
    const QString staging = restoreStagingFolder(dataFolder);
    const QString saved = restoreSavedFolder(dataFolder);
    if (exists(staging))
        QDir(staging).removeRecursively();
    if (!exists(saved))
        return;
    if (!exists(dataFolder)) {
        platform::renameFile(saved, dataFolder);
    } else {
        const QString stamp =
            QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMddhhmmss"));
        QString keep = saved + QLatin1Char('_') + stamp;
        for (int n = 2; exists(keep); ++n)
            keep = saved + QLatin1Char('_') + stamp + QLatin1Char('_') + QString::number(n);
        platform::renameFile(saved, keep);
    }
    platform::syncFolder(QFileInfo(dataFolder).absolutePath());
}

RestoreResult restoreDataFolder(const QString& archivePath, const QString& dataFolder,
                                const RestoreLimits& limits, const CancelCheck& cancelled) {
    ZipHandle zip;
    int error = 0;
    zip.za = zip_open(fsName(archivePath).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &error);
    if (!zip.za) {
        zip_error_t ze;
        zip_error_init_with_code(&ze, error);
        const QString detail = QString::fromLocal8Bit(zip_error_strerror(&ze));
        zip_error_fini(&ze);
        return fail(RestoreStatus::Unreadable, detail);
    }
    std::vector<PlannedEntry> plan;
    if (RestoreResult planned = planEntries(zip.za, limits, plan);
        planned.status != RestoreStatus::Restored)
        return planned;

    recoverInterruptedRestore(dataFolder);
    const QString parent = QFileInfo(dataFolder).absolutePath();
    const QString staging = restoreStagingFolder(dataFolder);
    const QString saved = restoreSavedFolder(dataFolder);
    if (!QDir().mkpath(parent) || !QDir().mkdir(staging))
        return fail(RestoreStatus::WriteFailed, QStringLiteral("staging folder"));
    auto failed = [&](const RestoreResult& r) {
        QDir(staging).removeRecursively();
        return r;
    };

    QSet<QString> made;
    std::int64_t total = 0;
    for (const PlannedEntry& entry : plan) {
        if (cancelled && cancelled())
            return failed(fail(RestoreStatus::Cancelled, {}));
        const RestoreResult r =
            extractEntry(zip.za, entry, staging, made, total, limits, cancelled);
        if (r.status != RestoreStatus::Restored)
            return failed(r);
    }
    if (!checkDictionary(staging))
        return failed(fail(RestoreStatus::NoDictionary, dictionaryFileName()));
    // Every name of the new folder is on the disk before the old folder goes.
    for (const QString& folder : std::as_const(made)) {
        if (const int e = platform::syncFolder(folder))
            return failed(fail(RestoreStatus::WriteFailed, platform::errorText(e)));
    }
    if (const int e = platform::syncFolder(staging))
        return failed(fail(RestoreStatus::WriteFailed, platform::errorText(e)));
    if (cancelled && cancelled())
        return failed(fail(RestoreStatus::Cancelled, {}));

    // The swap: two renames on one filesystem; the saved copy goes only once the new folder
    // has its name.
    const bool hadData = exists(dataFolder);
    if (hadData && platform::renameFile(dataFolder, saved) != 0)
        return failed(fail(RestoreStatus::WriteFailed, QStringLiteral("saving the data folder")));
    if (platform::renameFile(staging, dataFolder) != 0) {
        // When even this fails the saved copy stays, and the next restore or start puts it back.
        if (hadData)
            platform::renameFile(saved, dataFolder);
        return failed(fail(RestoreStatus::WriteFailed, QStringLiteral("swapping the folders")));
    }
    platform::syncFolder(parent);
    if (hadData)
        QDir(saved).removeRecursively();
    return {RestoreStatus::Restored, {}};
}

} // namespace telvo::tools
