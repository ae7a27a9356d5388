#pragma once

#include <QByteArrayView>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <span>

namespace platform {

// Every call that changes a file of the data folder (opening for writing, writing, syncing a
// file or a folder, renaming, deleting, truncating) goes through the functions below. Each
// counts as one call, so that a test can make the k-th of them fail with an error or end the
// process right there, as a full disk or a power cut would. Calls return 0 or an errno value.

namespace faults {

enum class Action {
    Fail, // the call does nothing and returns the error
    Kill, // the process ends at once (SIGKILL): nothing is flushed, no handler runs
};

// From now on, the `at`-th counted call (1-based) does `action` instead of its work. With
// `persistent` every later call fails too (a disk that stays full). Resets the count.
void arm(long long at, Action action, int error, bool persistent = false);
void disarm();
// Counted calls since the last arm() or resetCalls().
long long calls();
void resetCalls();

} // namespace faults

// A file open for changing; closed by the destructor (closing changes nothing and is not
// counted).
class OutputFile {
public:
    enum class Mode {
        Replace, // created, or emptied when it exists
        Change,  // must exist; read and written in place
        Create,  // created when missing, kept when it exists
    };

    OutputFile() = default;
    ~OutputFile();
    OutputFile(OutputFile&& other) noexcept;
    OutputFile& operator=(OutputFile&& other) noexcept;
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    int open(const QString& path, Mode mode);
    bool isOpen() const { return fd_ >= 0; }
    const QString& path() const { return path_; }
    // Size of the file now; -1 with errno set when it cannot be read.
    long long size() const;

    // Writes all of `bytes` after what was written before (from the start after open).
    int write(QByteArrayView bytes);
    // Writes all of `bytes` at `offset`, leaving the write position alone.
    int writeAt(long long offset, QByteArrayView bytes);
    int truncate(long long size);
    // Data and size on the disk.
    int sync();
    int close();

    int handle() const { return fd_; }

private:
    int fd_ = -1;
    long long position_ = 0;
    QString path_;
};

// Renames `from` over `to` in one step: `to` is always the old or the new file.
int renameFile(const QString& from, const QString& to);
// Deletes a file (ENOENT when there is none).
int removeFile(const QString& path);
// Makes the names in a folder (created, renamed, deleted files) last on the disk.
int syncFolder(const QString& folder);
// Syncs files and folders at once, so that the file system commits them together; each one is
// still a counted call of its own, in the order given. The first error is returned.
int syncTogether(std::span<OutputFile* const> files, const QStringList& folders);

// The system's text for an error value.
QString errorText(int error);

// The file a path names once the chain of symbolic links at its own name is followed, also when
// the final target does not exist yet; the absolute `path` itself when it is no link. Relative
// link targets count from the link's folder. Links among the folders above stay as they are:
// a rename inside a linked folder needs nothing more.
QString resolveLinks(const QString& path);

// True for a regular file itself (not a link, pipe, socket or device).
bool isRegularFile(const QString& path);

// Last modification time of a file, following a link; invalid when it cannot be read.
QDateTime modificationTime(const QString& path);

// The per-user folder application data lives under (honours XDG_DATA_HOME).
QString userDataLocation();

} // namespace platform
