#pragma once

#include "app/core/Failure.h"
#include "app/core/SystemMessage.h"

#include <QString>

namespace telvo {

// The program's name as its plain message boxes show it.
QString programTitle();

// Installs the program's error reporter ending and its plain message box:
// - a report is shown in a box with the error icon and one OK button at the default position,
//   then the process ends at once (exit code 1), so no close handler runs and nothing is saved;
// - a system message is shown in a plain box with one OK button.
void installGuiReporting();

} // namespace telvo
