#include "platform/Files.h"

#include <QFile>
#include <QStandardPaths>

#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

bool syncFile(QFile& file) {
    if (!file.flush())
        return false;
    return ::fsync(file.handle()) == 0;
}

bool replaceFile(const QString& from, const QString& to) {
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

QDateTime modificationTime(const QString& path) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return {};
    return QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(st.st_mtim.tv_sec) * 1000 +
                                          st.st_mtim.tv_nsec / 1000000);
}

QString userDataLocation() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

} // namespace platform
