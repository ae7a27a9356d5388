#include "app/Desktop.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

namespace telvo {

QString desktopId() {
    return QStringLiteral("org.telvolab.Vocabulary");
}

QString windowClass() {
    return QStringLiteral("telvo-vocabulary");
}

void setDesktopIdentity() {
    QCoreApplication::setApplicationName(windowClass());
    QGuiApplication::setDesktopFileName(desktopId());
    // The installed theme icon first (it follows the desktop's scaling); the compiled-in sizes
    // when the program runs from the build tree.
    QIcon own;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        own.addFile(QStringLiteral(":/icons/telvo-vocabulary-%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(QIcon::fromTheme(desktopId(), own));
}

bool installRussianQtTranslations(QCoreApplication& app) {
    // Owned by the application object, so it lives as long as the texts it translates.
    auto* translator = new QTranslator(&app);
    if (!translator->load(QStringLiteral("qtbase_ru"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

} // namespace telvo
