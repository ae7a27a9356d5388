#pragma once

#include <QString>

class QCoreApplication;

namespace telvo {

// The id of the program on the desktop: its desktop entry is `<id>.desktop`, its icon `<id>`.
QString desktopId();

// The X11 window class of every window (WM_CLASS), which the desktop entry's StartupWMClass
// names so that a taskbar groups the windows under the entry.
QString windowClass();

// Application name, desktop file name and window icon; before the first window is created,
// since the window class is taken from the application name then.
void setDesktopIdentity();

// Qt's own texts (standard buttons, file dialogs) in Russian, whatever the session's locale:
// the program's own texts are Russian everywhere. False when the translations are not
// installed; the program then goes on with Qt's English texts.
bool installRussianQtTranslations(QCoreApplication& app);

} // namespace telvo
