#include "app/Desktop.h"
#include "app/Program.h"
#include "app/windows/GuiReporting.h"
#include "platform/ProgramFolder.h"
#include "platform/SingleInstance.h"
#include "platform/gui/Application.h"
#include "store/DataFolder.h"
#include "tools/logic/DataArchive.h"
#include "tools/windows/ArchiveWindows.h"
#include "ui/main/TMainForm.h"

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QMessageBox>
#include <cstdio>
#include <cstring>

namespace {

int refuseSecondCopy(int& argc, char** argv) {
    QApplication app(argc, argv);
    telvo::setDesktopIdentity();
    telvo::installRussianQtTranslations(app);
    QMessageBox box(QMessageBox::NoIcon, telvo::programTitle(),
                    QStringLiteral("Программа «Лексикар» уже запущена ..."), QMessageBox::Ok);
    box.exec();
    return 0;
}

// `--program-folder` prints the folder the program reads its own files from and exits, touching
// no data: how an installation is checked.
int printProgramFolder(int& argc, char** argv) {
    QCoreApplication app(argc, argv);
    std::printf("%s\n", telvo::programFolder().toLocal8Bit().constData());
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "--program-folder") == 0)
        return printProgramFolder(argc, argv);

    // Before anything else, so that a second copy creates no window and touches no file. The
    // lock is on the data folder itself and is held until the process ends.
    const QString dataFolder = telvo::makeDataPaths(telvo::Rabochiy_katolog()).folder;
    // A restore cut off between its two renames left the data only in its saved copy; it is
    // put back before the lock would create an empty data folder in its place.
    if (!QFileInfo(dataFolder).isDir())
        telvo::tools::recoverInterruptedRestore(dataFolder);
    platform::SingleInstance instance(dataFolder);
    if (!instance.acquire())
        return refuseSecondCopy(argc, argv);

    platform::Application app(argc, argv, telvo::programTitle());
    telvo::setDesktopIdentity();
    telvo::installRussianQtTranslations(app);
    telvo::installGuiReporting();

    // A restore puts another folder in the data folder's place; the lock goes with the name.
    auto environment = telvo::archiveEnvironment();
    environment.dataFolderReplaced = [&instance] {
        instance.release();
        instance.acquire();
    };
    telvo::setArchiveEnvironment(environment);

    telvo::Globalnye_peremennye_slovarya g;
    telvo::Program program(g);
    telvo::TMainForm& mainForm = program.mainForm();

    // Its show handler prepares the data folder and loads the dictionary.
    mainForm.show();
    // Without a window manager nobody gives the new window the keyboard, and its command keys
    // would not work until a click.
    mainForm.activateWindow();
    const int code = app.exec();

    // The main window empties the clipboard when it closes; doing it again costs nothing.
    QApplication::clipboard()->setText(QString());
    return code;
}
