#pragma once

#include "app/core/Globals.h"
#include "exercises/logic/Common.h"
#include "ui/common/MainWindow.h"

#include <functional>

namespace telvo {

// How every range exercise starts from its window side: when nothing is left the pane shows 0
// and the learner is asked whether to begin anew; a refusal is shown in the message window;
// otherwise the window opens. `decision` is the exercise's start(); `beginAnew` and `open` are
// the exercise's and the window's.
void runRangeExercise(Globalnye_peremennye_slovarya& g, StatusPane pane, StartDecision decision,
                      const std::function<StartDecision()>& beginAnew,
                      const std::function<void()>& open);

} // namespace telvo
