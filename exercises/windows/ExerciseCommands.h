#pragma once

#include "app/core/Globals.h"

namespace telvo {

class TMainForm;

// Enables the main window's commands for the exercise range, the history reset and the two
// recognition exercises, and connects them to their checks and windows; registers the
// remainder panes.
void installExerciseRangeCommands(TMainForm& mainForm, Globalnye_peremennye_slovarya& g);

// Gives the main window the procedures of its five remainder panes, so that every refill of the
// status bar shows what each exercise has left.
void registerRemainderPanes(TMainForm& mainForm, Globalnye_peremennye_slovarya& g);

} // namespace telvo
