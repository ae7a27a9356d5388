#include "store/Transaction.h"

#include "app/core/Failure.h"
#include "platform/Files.h"
#include "store/RecordFile.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <stdexcept>

namespace telvo {

using platform::OutputFile;

struct Transaction::Step {
    enum Kind : quint8 { Replace = 1, Write = 2, Remove = 3 };

    Kind kind = Replace;
    QString target;    // the file itself, links followed
    QString companion; // Replace: the staged new content
    qint64 offset = 0; // Write
    QByteArray bytes;  // Write
    bool cutAfter = false;

    OutputFile file; // the companion (Replace) or the target (Write) while it is worked on
    bool companionCreated = false;
};

namespace {

using Step = Transaction::Step;

constexpr quint32 kJournalMagic = 0x314E4A54; // "TJN1"
constexpr int kHashSize = 32;                 // SHA-256

QString folderOf(const QString& path) {
    return QFileInfo(path).absolutePath();
}

QString journalPath(const QString& folder) {
    return folder + QLatin1Char('/') + QLatin1String(kJournalName);
}

bool isFolder(const QString& path) {
    return QFileInfo(path).isDir();
}

QByteArray encodeJournal(const std::vector<std::unique_ptr<Step>>& steps) {
    QByteArray payload;
    QDataStream out(&payload, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    out.setByteOrder(QDataStream::LittleEndian);
    out << kJournalMagic << quint32(steps.size());
    for (const auto& s : steps)
        out << quint8(s->kind) << s->target << s->companion << qint64(s->offset) << s->bytes
            << s->cutAfter;
    return payload + QCryptographicHash::hash(payload, QCryptographicHash::Sha256);
}

// The steps of a whole journal; false when it is torn or damaged (its checksum does not
// match), which means the change never reached the point where it counts as made.
bool decodeJournal(const QByteArray& journal, std::vector<std::unique_ptr<Step>>& steps) {
    if (journal.size() < kHashSize + 8)
        return false;
    const QByteArray payload = journal.first(journal.size() - kHashSize);
    if (QCryptographicHash::hash(payload, QCryptographicHash::Sha256) != journal.last(kHashSize))
        return false;
    QDataStream in(payload);
    in.setVersion(QDataStream::Qt_6_0);
    in.setByteOrder(QDataStream::LittleEndian);
    quint32 magic = 0;
    quint32 count = 0;
    in >> magic >> count;
    if (magic != kJournalMagic)
        return false;
    for (quint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
        auto s = std::make_unique<Step>();
        quint8 kind = 0;
        qint64 offset = 0;
        in >> kind >> s->target >> s->companion >> offset >> s->bytes >> s->cutAfter;
        if (kind < Step::Replace || kind > Step::Remove || offset < 0)
            return false;
        s->kind = Step::Kind(kind);
        s->offset = offset;
        steps.push_back(std::move(s));
    }
    return in.status() == QDataStream::Ok && in.atEnd();
}

[[noreturn]] void failRemove(const QString& path) {
    throw Failure(QStringLiteral("Не удалось удалить файл %1").arg(fileNameOf(path)));
}

// Deletes the journal; false when it could not be deleted (it may still be whole).
bool removeJournal(const QString& folder) {
    const int e = platform::removeFile(journalPath(folder));
    return e == 0 || e == ENOENT;
}

// Steps 3 to 5 of a commit (without a journal folder, 3 and 4 only). Every step can be
// repeated, so the same code finishes a change after a crash. Throws telvo::Failure.
void putInPlace(const std::vector<std::unique_ptr<Step>>& steps, const QString& journalFolder) {
    std::vector<OutputFile*> written;
    QStringList folders;
    for (const auto& s : steps) {
        switch (s->kind) {
        case Step::Replace:
            // Renamed already when the companion is gone.
            if (QFileInfo::exists(s->companion)) {
                s->file.close();
                if (platform::renameFile(s->companion, s->target) != 0)
                    throw Failure(QStringLiteral("Не удалось заменить файл %1 файлом %2")
                                      .arg(fileNameOf(s->target), fileNameOf(s->companion)));
            }
            folders << folderOf(s->target);
            break;
        case Step::Write: {
            if (!s->file.isOpen()) {
                const int e = s->file.open(s->target, OutputFile::Mode::Change);
                if (e == ENOENT)
                    break; // deleted since: nothing left to finish
                if (e != 0)
                    throwFileFailure(kOpenFailed, s->target, e);
            }
            int e = s->file.writeAt(s->offset, s->bytes);
            if (e == 0 && s->cutAfter)
                e = s->file.truncate(s->offset + s->bytes.size());
            if (e != 0)
                throwFileFailure(kWriteFailed, s->target, e);
            written.push_back(&s->file);
            break;
        }
        case Step::Remove: {
            const int e = platform::removeFile(s->target);
            if (e != 0 && e != ENOENT)
                failRemove(s->target);
            folders << folderOf(s->target);
            break;
        }
        }
    }
    if (const int e = platform::syncTogether(written, folders))
        throwFileFailure(kWriteFailed, written.empty() ? folders.value(0) : written[0]->path(), e);
    for (OutputFile* f : written)
        f->close();

    if (journalFolder.isEmpty())
        return;
    if (!removeJournal(journalFolder))
        failRemove(journalPath(journalFolder));
    if (const int e = platform::syncFolder(journalFolder))
        throwFileFailure(kWriteFailed, journalFolder, e);
}

} // namespace

QString fileNameOf(const QString& path) {
    return QFileInfo(path).fileName();
}

void throwFileFailure(const char* text, const QString& path, int error) {
    throw Failure(QString::fromUtf8(text).arg(fileNameOf(path), platform::errorText(error)));
}

Transaction::Transaction(QString folder, QString reportName)
    : folder_(std::move(folder)), reportName_(std::move(reportName)) {}

Transaction::~Transaction() {
    if (!done_)
        removeCompanions();
}

void Transaction::replace(const QString& path, std::initializer_list<QByteArrayView> parts,
                          const QString& companion) {
    auto s = std::make_unique<Step>();
    s->kind = Step::Replace;
    s->target = platform::resolveLinks(path);
    s->companion = !companion.isEmpty() && s->target == QFileInfo(path).absoluteFilePath()
                       ? companion
                       : companionPath(s->target);
    if (isFolder(s->target))
        throw Failure(QStringLiteral("Не удалось заменить файл %1 файлом %2")
                          .arg(fileNameOf(s->target), fileNameOf(s->companion)));
    Step& step = *s;
    steps_.push_back(std::move(s));
    if (const int e = step.file.open(step.companion, OutputFile::Mode::Replace))
        throwFileFailure(kOpenFailed, step.companion, e);
    step.companionCreated = true;
    for (QByteArrayView part : parts) {
        if (const int e = step.file.write(part))
            throwFileFailure(kWriteFailed, step.companion, e);
    }
}

void Transaction::write(const QString& path, qint64 offset, QByteArrayView bytes, bool cutAfter) {
    auto s = std::make_unique<Step>();
    s->kind = Step::Write;
    s->target = platform::resolveLinks(path);
    s->offset = offset;
    s->bytes = bytes.toByteArray();
    s->cutAfter = cutAfter;
    // Opened now, so a file that cannot be written stops the change before anything changed.
    if (const int e = s->file.open(s->target, OutputFile::Mode::Change))
        throwFileFailure(kOpenFailed, s->target, e);
    steps_.push_back(std::move(s));
}

void Transaction::remove(const QString& path) {
    const QString target = platform::resolveLinks(path);
    const QFileInfo info(target);
    if (!info.exists())
        return;
    if (info.isDir())
        throw Failure(QStringLiteral("Не удалось удалить файл %1").arg(fileNameOf(target)));
    auto s = std::make_unique<Step>();
    s->kind = Step::Remove;
    s->target = target;
    steps_.push_back(std::move(s));
}

void Transaction::syncCompanions() {
    std::vector<OutputFile*> files;
    QStringList folders;
    for (const auto& s : steps_) {
        if (s->kind == Step::Replace) {
            files.push_back(&s->file);
            folders << folderOf(s->companion);
        }
    }
    if (files.empty())
        return;
    if (const int e = platform::syncTogether(files, folders))
        throwFileFailure(kWriteFailed, files[0]->path(), e);
}

void Transaction::writeJournal() {
    const QString path = journalPath(folder_);
    OutputFile journal;
    if (const int e = journal.open(path, OutputFile::Mode::Replace))
        throwFileFailure(kOpenFailed, path, e);
    if (const int e = journal.write(encodeJournal(steps_)))
        throwFileFailure(kWriteFailed, path, e);
    OutputFile* files[] = {&journal};
    if (const int e = platform::syncTogether(files, {folder_}))
        throwFileFailure(kWriteFailed, path, e);
}

void Transaction::commit() {
    if (steps_.empty()) {
        done_ = true;
        return;
    }
    // One rename, one deletion or one byte written is atomic by itself and needs no journal;
    // without a data folder a single write in place is done as it stands.
    const bool single = steps_.size() == 1 && (steps_[0]->kind != Step::Write ||
                                               steps_[0]->bytes.size() == 1 || folder_.isEmpty());
    if (!single && folder_.isEmpty())
        throw std::logic_error("a change of several files needs a folder for its journal");
    syncCompanions();
    if (!single) {
        try {
            writeJournal();
        } catch (const Failure& failure) {
            if (!removeJournal(folder_)) {
                // The journal may be whole and stays: the next start decides. The companions
                // must stay for it, and nothing may run on these files before.
                done_ = true;
                Obrabotka_isklyucheniya(reportName_, failure.text());
            }
            throw;
        }
    }

    // From here on the change counts as made: it is finished now or at the next start.
    done_ = true;
    const QString journalFolder = single ? QString() : folder_;
    try {
        putInPlace(steps_, journalFolder);
        return;
    } catch (const Failure&) {
    }
    try {
        // Once more from the start: the steps already done are recognised and skipped.
        putInPlace(steps_, journalFolder);
    } catch (const Failure& again) {
        if (!single)
            Obrabotka_isklyucheniya(reportName_, again.text());
        // Without a journal the one file is whole, old or new; a companion not renamed goes.
        removeCompanions();
        throw;
    }
}

void Transaction::removeCompanions() noexcept {
    for (const auto& s : steps_) {
        s->file.close();
        if (s->companionCreated) {
            platform::removeFile(s->companion);
            s->companionCreated = false;
        }
    }
}

void recoverInterruptedChange(const DataPaths& p) {
    QStringList folders;
    const QString journal = journalPath(p.folder);
    if (QFileInfo::exists(journal)) {
        QFile file(journal);
        if (!file.open(QIODevice::ReadOnly))
            throw Failure(QStringLiteral("Не удалось открыть файл %1: %2")
                              .arg(fileNameOf(journal), file.errorString()));
        const QByteArray bytes = file.readAll();
        file.close();
        std::vector<std::unique_ptr<Step>> steps;
        if (decodeJournal(bytes, steps)) {
            putInPlace(steps, p.folder);
        } else {
            // Torn: nothing was put in place yet. The companions go below.
            if (!removeJournal(p.folder))
                failRemove(journal);
            folders << p.folder;
        }
    }

    // Companions without a journal are leftovers of a change that never counted as made.
    for (const QString* file :
         {&p.vocabulary, &p.statEng, &p.statRus, &p.statPerEng, &p.statPerRus, &p.statForget,
          &p.statPair, &p.upragneniy, &p.start, &p.startIdiom, &p.startGroup, &p.poslednyyPapka,
          &p.groupWords, &p.bloknotik, &p.idiom, &p.idiomUpragneniy}) {
        QStringList companions{companionPath(*file)};
        const QString target = platform::resolveLinks(*file);
        if (target != QFileInfo(*file).absoluteFilePath())
            companions << companionPath(target);
        for (const QString& companion : companions) {
            const QFileInfo info(companion);
            if (!info.exists() || info.isDir())
                continue;
            const int e = platform::removeFile(companion);
            if (e != 0 && e != ENOENT)
                failRemove(companion);
            folders << info.absolutePath();
        }
    }
    if (!folders.isEmpty()) {
        if (const int e = platform::syncTogether({}, folders))
            throwFileFailure(kWriteFailed, folders[0], e);
    }
}

} // namespace telvo
