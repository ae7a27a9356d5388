#include "tools/windows/ManualCommands.h"

#include "app/windows/Messages.h"
#include "platform/ProgramFolder.h"
#include "platform/gui/OpenWithDesktop.h"
#include "ui/common/GroupsWindow.h"
#include "ui/common/IdiomsWindow.h"
#include "ui/common/MainWindow.h"

#include <QFileInfo>
#include <QUrl>

namespace telvo {

namespace {

QString& manualOverride() {
    static QString path;
    return path;
}

} // namespace

QString manualFile() {
    if (!manualOverride().isEmpty())
        return manualOverride();
    return programFolder() + QStringLiteral("/user_manual/User_manual_telvo_vocabulary.pdf");
}

QString setManualFile(QString path) {
    QString old = manualOverride();
    manualOverride() = std::move(path);
    return old;
}

void openManual(Globalnye_peremennye_slovarya& g) {
    const QString file = manualFile();
    if (!QFileInfo(file).isFile()) {
        showMessage(g, QStringLiteral("Нет файла: User_manual_telvo_vocabulary.pdf"));
        return;
    }
    if (!platform::openWithDesktop(QUrl::fromLocalFile(file)))
        showMessage(g, QStringLiteral("На Вашем компьютере не установлена программа для "
                                      "просмотра pdf-файлов."));
}

void installManualCommand(MainWindow& main, Globalnye_peremennye_slovarya& g) {
    main.installCommand(MainCommand::Manual, [&g] { openManual(g); });
}

void installManualCommand(GroupsWindow& groups, Globalnye_peremennye_slovarya& g) {
    groups.installCommand(GroupsCommand::Manual, [&g] { openManual(g); });
}

void installManualCommand(IdiomsWindow& idioms, Globalnye_peremennye_slovarya& g) {
    idioms.installCommand(IdiomsCommand::Manual, [&g] { openManual(g); });
}

} // namespace telvo
