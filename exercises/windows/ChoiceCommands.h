#pragma once

#include "app/core/Globals.h"

namespace telvo {

class TMainForm;

// Connects and enables the main window's commands of the choice exercises: translation from
// Russian (Ctrl+Alt+R), translation from English (Ctrl+Alt+E), pair matching (Ctrl+S) and
// find-translation (Shift+Enter, and whatever the main window routes to that command). Each
// makes its checks first; the windows are the long-lived ones of g.okna, created here when the
// program entry has not created them.
void installChoiceExerciseCommands(TMainForm& form, Globalnye_peremennye_slovarya& g);

// Creates the long-lived windows of the choice exercises that g.okna does not hold yet, owned
// by `form`.
void createChoiceWindows(TMainForm& form, Globalnye_peremennye_slovarya& g);

} // namespace telvo
