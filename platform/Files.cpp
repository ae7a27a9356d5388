#include "platform/Files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <utility>
#include <vector>

namespace platform {

namespace {

struct FaultPlan {
    std::atomic<long long> calls{0};
    std::atomic<long long> at{0}; // 0: not armed
    std::atomic<bool> kill{false};
    std::atomic<bool> persistent{false};
    std::atomic<int> error{EIO};
};

FaultPlan& plan() {
    static FaultPlan p;
    return p;
}

// Counts one file-changing call; 0 when it may go ahead, else the error it fails with. A kill
// never returns.
int countCall() {
    FaultPlan& p = plan();
    const long long n = ++p.calls;
    const long long at = p.at.load();
    if (at == 0 || n < at || (n > at && !p.persistent))
        return 0;
    if (p.kill) {
        ::kill(::getpid(), SIGKILL);
        ::_exit(137);
    }
    return p.error;
}

QByteArray native(const QString& path) {
    return QFile::encodeName(path);
}

int syncFolderNow(const QString& folder) {
    const int fd = ::open(native(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    const int rc = ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    return rc;
}

} // namespace

namespace faults {

void arm(long long at, Action action, int error, bool persistent) {
    FaultPlan& p = plan();
    p.calls = 0;
    p.kill = action == Action::Kill;
    p.persistent = persistent;
    p.error = error;
    p.at = at;
}

void disarm() {
    plan().at = 0;
}

long long calls() {
    return plan().calls;
}

void resetCalls() {
    plan().calls = 0;
}

} // namespace faults

OutputFile::~OutputFile() {
    close();
}

OutputFile::OutputFile(OutputFile&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), position_(other.position_), path_(std::move(other.path_)) {
}

OutputFile& OutputFile::operator=(OutputFile&& other) noexcept {
    if (this != &other) {
        close();
        fd_ = std::exchange(other.fd_, -1);
        position_ = other.position_;
        path_ = std::move(other.path_);
    }
    return *this;
}

int OutputFile::open(const QString& path, Mode mode) {
    close();
    path_ = path;
    position_ = 0;
    if (const int e = countCall())
        return e;
    int flags = O_RDWR | O_CLOEXEC;
    if (mode == Mode::Replace)
        flags |= O_CREAT | O_TRUNC;
    else if (mode == Mode::Create)
        flags |= O_CREAT;
    fd_ = ::open(native(path).constData(), flags, 0644);
    return fd_ >= 0 ? 0 : errno;
}

long long OutputFile::size() const {
    struct stat st {};
    if (fd_ < 0) {
        errno = EBADF;
        return -1;
    }
    if (::fstat(fd_, &st) != 0)
        return -1;
    return st.st_size;
}

int OutputFile::write(QByteArrayView bytes) {
    const int e = writeAt(position_, bytes);
    if (e == 0)
        position_ += bytes.size();
    return e;
}

int OutputFile::writeAt(long long offset, QByteArrayView bytes) {
    if (fd_ < 0)
        return EBADF;
    if (const int e = countCall())
        return e;
    const char* p = bytes.data();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::pwrite(fd_, p, size_t(left), off_t(offset));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (n == 0)
            return EIO;
        p += n;
        left -= n;
        offset += n;
    }
    return 0;
}

int OutputFile::truncate(long long size) {
    if (fd_ < 0)
        return EBADF;
    if (const int e = countCall())
        return e;
    return ::ftruncate(fd_, off_t(size)) == 0 ? 0 : errno;
}

int OutputFile::sync() {
    if (fd_ < 0)
        return EBADF;
    if (const int e = countCall())
        return e;
    return ::fsync(fd_) == 0 ? 0 : errno;
}

int OutputFile::close() {
    if (fd_ < 0)
        return 0;
    const int rc = ::close(fd_) == 0 ? 0 : errno;
    fd_ = -1;
    return rc;
}

int renameFile(const QString& from, const QString& to) {
    if (const int e = countCall())
        return e;
    return std::rename(native(from).constData(), native(to).constData()) == 0 ? 0 : errno;
}

int removeFile(const QString& path) {
    if (const int e = countCall())
        return e;
    return ::unlink(native(path).constData()) == 0 ? 0 : errno;
}

int syncFolder(const QString& folder) {
    if (const int e = countCall())
        return e;
    return syncFolderNow(folder);
}

int syncTogether(std::span<OutputFile* const> files, const QStringList& folders) {
    QStringList uniqueFolders = folders;
    uniqueFolders.removeDuplicates();
    // The counting (and so a planned failure or kill) happens here, one call after another, so
    // that the k-th call is the same on every run; the syncs themselves then run side by side.
    std::vector<int> results(files.size() + size_t(uniqueFolders.size()), 0);
    std::vector<std::function<int()>> work;
    size_t slot = 0;
    for (OutputFile* f : files) {
        results[slot] = f->isOpen() ? countCall() : EBADF;
        if (results[slot] == 0)
            work.push_back([f] { return ::fsync(f->handle()) == 0 ? 0 : errno; });
        else
            work.push_back({});
        ++slot;
    }
    for (const QString& folder : uniqueFolders) {
        results[slot] = countCall();
        if (results[slot] == 0)
            work.push_back([folder] { return syncFolderNow(folder); });
        else
            work.push_back({});
        ++slot;
    }
    std::vector<std::thread> threads;
    for (size_t i = 1; i < work.size(); ++i) {
        if (work[i])
            threads.emplace_back([&results, &work, i] { results[i] = work[i](); });
    }
    if (!work.empty() && work[0])
        results[0] = work[0]();
    for (std::thread& t : threads)
        t.join();
    for (int r : results) {
        if (r != 0)
            return r;
    }
    return 0;
}

QString errorText(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

QString resolveLinks(const QString& path) {
    QString current = QFileInfo(path).absoluteFilePath();
    // A bound on the chain, as the kernel has, so a loop of links ends.
    for (int hops = 0; hops < 40; ++hops) {
        const QFileInfo info(current);
        if (!info.isSymLink())
            return current;
        const QString target = info.symLinkTarget();
        if (target.isEmpty())
            return current;
        current = QDir::cleanPath(QDir(info.absolutePath()).absoluteFilePath(target));
    }
    return current;
}

bool isRegularFile(const QString& path) {
    struct stat st {};
    return ::lstat(native(path).constData(), &st) == 0 && S_ISREG(st.st_mode);
}

QDateTime modificationTime(const QString& path) {
    struct stat st {};
    if (::stat(native(path).constData(), &st) != 0)
        return {};
    return QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(st.st_mtim.tv_sec) * 1000 +
                                          st.st_mtim.tv_nsec / 1000000);
}

QString userDataLocation() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

} // namespace platform
