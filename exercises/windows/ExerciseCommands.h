#pragma once

#include "app/core/Globals.h"
#include "ui/common/MainWindow.h"

namespace telvo {

// Installs the main window's commands of the exercises: the range (F6), the history reset, the
// two recognition exercises, translation from English and from Russian, pair matching and
// find-translation. Each makes its checks and opens its long-lived window of g.okna, which the
// program creates before installing the commands. Also registers the remainder panes.
void installExerciseCommands(MainWindow& main, Globalnye_peremennye_slovarya& g);

// Gives the main window the procedures of its five remainder panes, so that every refill of the
// status bar shows what each exercise has left.
void registerRemainderPanes(MainWindow& main, Globalnye_peremennye_slovarya& g);

} // namespace telvo
