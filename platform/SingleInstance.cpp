#include "platform/SingleInstance.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace platform {

SingleInstance::SingleInstance(QString folder) : folder_(std::move(folder)) {}

SingleInstance::~SingleInstance() {
    release();
}

bool SingleInstance::acquire() {
    if (fd_ >= 0)
        return true;
    // A first start has no folder yet; it must exist to be locked.
    if (folder_.isEmpty() || !QDir().mkpath(folder_))
        return true;
    // Read-only is enough for flock, and a directory cannot be opened for writing anyway.
    int fd;
    do {
        fd = ::open(QFile::encodeName(folder_).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return true; // nothing to lock: better to run unguarded than not at all
    int rc;
    do {
        rc = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (rc != 0 && errno == EINTR);
    if (rc == 0) {
        fd_ = fd;
        return true;
    }
    const bool busy = errno == EWOULDBLOCK;
    ::close(fd);
    return !busy;
}

void SingleInstance::release() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
}

} // namespace platform
