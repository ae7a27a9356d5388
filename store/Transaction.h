#pragma once

#include "app/core/Globals.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <initializer_list>
#include <memory>
#include <vector>

namespace telvo {

// One change of several data files that lands whole or not at all, also when the process is
// killed or the power fails half-way.
//
// The new content is staged first: a whole new file is written to its `_new` companion at
// once; a write in place (an append, a changed record) is kept in memory, and the file is
// opened to be sure it can be written. Nothing visible changes until commit():
//   1. the companions are synced, together with their folders;
//   2. the journal (transaction.journal in the data folder) records every step with a
//      checksum and is synced with the folder - from here on the change counts as made;
//   3. the companions are renamed over their files, the in-place writes done, files deleted;
//   4. what was written is synced, with the folders;
//   5. the journal is deleted and the folder synced.
// A change of one step that is atomic by itself (one rename, one deletion, one byte written)
// skips the journal. A start after a crash runs recoverInterruptedChange before reading
// anything: a whole journal is carried out again (every step can be repeated), a torn one
// means nothing was changed yet, and leftover companions are deleted.
//
// Files that are symbolic links are followed: the change is made to the file the link names,
// and its companion lies beside that file, so a link is never replaced by a plain file.
//
// Failures: a failure up to step 2 throws telvo::Failure and leaves every file as it was (the
// companions are deleted). A failure after it is retried once from the journal; when the
// change still cannot be finished, the error reporter ends the program under `reportName`, so
// nothing runs on half-changed files and the next start completes the change.
class Transaction {
public:
    // `folder` holds the journal (the data folder).
    Transaction(QString folder, QString reportName);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    // The whole new content of `path`, written to its companion now: `companion` when given
    // and `path` is no link, else the `_new` name beside the file.
    void replace(const QString& path, std::initializer_list<QByteArrayView> parts,
                 const QString& companion = {});
    // `bytes` written at `offset` of the existing file `path`; with `cutAfter` the file ends
    // right after them (an append after the first `offset` bytes).
    void write(const QString& path, qint64 offset, QByteArrayView bytes, bool cutAfter = false);
    // `path` deleted; nothing when it does not exist.
    void remove(const QString& path);

    bool empty() const { return steps_.empty(); }
    void commit();

    struct Step;

private:
    void syncCompanions();
    void writeJournal();
    void removeCompanions() noexcept;

    QString folder_;
    QString reportName_;
    std::vector<std::unique_ptr<Step>> steps_;
    bool done_ = false;
};

// Texts of failed file calls, with the file's name and the system's text for the error.
inline constexpr const char* kOpenFailed = "Не удалось открыть файл %1: %2";
inline constexpr const char* kWriteFailed = "Ошибка записи в файл %1: %2";
QString fileNameOf(const QString& path);
[[noreturn]] void throwFileFailure(const char* text, const QString& path, int error);

// The journal's file name in the data folder.
inline constexpr const char* kJournalName = "transaction.journal";

// Completes or discards a change that a crash interrupted, and deletes leftover companions of
// the data files. Runs at start before anything reads a data file. Throws telvo::Failure.
void recoverInterruptedChange(const DataPaths& paths);

} // namespace telvo
