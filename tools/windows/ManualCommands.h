#pragma once

#include "app/core/Globals.h"

#include <QString>

namespace telvo {

class GroupsWindow;
class IdiomsWindow;
class MainWindow;

// The user manual's file: user_manual/User_manual_telvo_vocabulary.pdf in the program folder.
QString manualFile();
// Tests put another file in; an empty text restores the program folder's. Returns the previous.
QString setManualFile(QString path);

// Opens the manual in the desktop's PDF viewer, or says in the message window that the file or
// a viewer is missing.
void openManual(Globalnye_peremennye_slovarya& g);

// "Руководство_пользователя" (F1) in the main, groups and idioms windows.
void installManualCommand(MainWindow& main, Globalnye_peremennye_slovarya& g);
void installManualCommand(GroupsWindow& groups, Globalnye_peremennye_slovarya& g);
void installManualCommand(IdiomsWindow& idioms, Globalnye_peremennye_slovarya& g);

} // namespace telvo
