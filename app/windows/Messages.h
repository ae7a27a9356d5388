#pragma once

#include "app/core/Globals.h"
#include "app/core/SystemMessage.h"

#include <QString>

namespace telvo {

// The calling convention of the three message windows: assign the shared text, show the
// long-lived window (g.okna) modally; a question leaves its answer in g.Otvet_da.
void showMessage(Globalnye_peremennye_slovarya& g, const QString& text);
bool askQuestion(Globalnye_peremennye_slovarya& g, const QString& text);
void showError(Globalnye_peremennye_slovarya& g, const QString& text);

} // namespace telvo
