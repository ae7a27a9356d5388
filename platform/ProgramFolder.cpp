#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace telvo {

QString programFolderFor(const QString& executableFolder) {
    const QString installed =
        QDir::cleanPath(executableFolder + QStringLiteral("/../share/telvo-vocabulary"));
    if (QFileInfo(installed).isDir())
        return installed;
    return QDir::cleanPath(executableFolder);
}

QString programFolder() {
    return programFolderFor(QCoreApplication::applicationDirPath());
}

} // namespace telvo
