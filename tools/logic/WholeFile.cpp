#include "tools/logic/WholeFile.h"

#include "app/core/Failure.h"

#include <QFile>
#include <QFileInfo>

namespace telvo::tools {

QByteArray readWholeFile(const QString& path) {
    const QString failed =
        QStringLiteral("Не удалось прочитать файл ") + path + QStringLiteral(": ");
    if (!QFileInfo(path).isFile())
        throw Failure(failed + QStringLiteral("это не файл"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Failure(failed + file.errorString());
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw Failure(failed + file.errorString());
    return bytes;
}

} // namespace telvo::tools
