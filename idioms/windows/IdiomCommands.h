#pragma once

#include "app/core/Globals.h"

namespace telvo {

class MainWindow;
class TForma_idiomi;

// Installs the main window's "Идиомы" command (F10): shows `window` modally. Refused while the
// groups window is open, as the dictionary's other commands are.
void installIdiomsCommand(MainWindow& main, Globalnye_peremennye_slovarya& g,
                          TForma_idiomi& window);

} // namespace telvo
