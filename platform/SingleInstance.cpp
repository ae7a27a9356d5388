#include "platform/SingleInstance.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace platform {

namespace {

QString runtimeLockPath(const QString& name) {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return runtime.isEmpty() ? QString() : runtime + QLatin1Char('/') + name;
}

QString tempLockPath(const QString& name) {
    return QDir::tempPath() + QLatin1Char('/') + name + QLatin1Char('_') +
           QString::number(::getuid());
}

int openLockFile(const QString& path) {
    if (path.isEmpty())
        return -1;
    // O_NOFOLLOW: in the shared temporary folder another user could plant a link.
    return ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW,
                  0600);
}

} // namespace

QString instanceLockPath(const QString& name) {
    const QString runtime = runtimeLockPath(name);
    return runtime.isEmpty() ? tempLockPath(name) : runtime;
}

SingleInstance::SingleInstance(QString name) : name_(std::move(name)) {}

SingleInstance::~SingleInstance() {
    release();
}

bool SingleInstance::acquire() {
    if (fd_ >= 0)
        return true;
    int fd = openLockFile(runtimeLockPath(name_));
    if (fd < 0)
        fd = openLockFile(tempLockPath(name_));
    if (fd < 0)
        return true; // nowhere to keep the marker: better to run unguarded than not at all
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
