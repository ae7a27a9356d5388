#pragma once

#include <QDateTime>
#include <QString>

class QFile;

namespace platform {

// Flushes Qt's buffer and the kernel's cache of an open file to the disk.
bool syncFile(QFile& file);

// Renames `from` over `to` in one step, so that `to` is always either the old or the new file.
bool replaceFile(const QString& from, const QString& to);

// Last modification time of a file, following a link; invalid when it cannot be read.
QDateTime modificationTime(const QString& path);

// The per-user folder application data lives under (honours XDG_DATA_HOME).
QString userDataLocation();

} // namespace platform
