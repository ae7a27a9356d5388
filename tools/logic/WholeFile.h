#pragma once

#include <QByteArray>
#include <QString>

namespace telvo::tools {

// The whole content of the file at `path`, which must exist. Anything but a readable regular
// file throws telvo::Failure naming the file and the reason, so that no caller takes a file it
// could not read for an empty one.
QByteArray readWholeFile(const QString& path);

} // namespace telvo::tools
