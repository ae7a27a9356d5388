#pragma once

#include "app/core/Globals.h"

#include <QString>

namespace telvo {

// The per-user folder the data folder lives under; the empty string when it cannot be found.
QString Rabochiy_katolog();

// Builds the paths of every data file into g.puti and creates what the program cannot work
// without: the data folder, the dictionary, the exercise range file and the group file. Runs
// once per run, before anything reads a data file.
void Proverka_nalichiya_bazy_slov(Globalnye_peremennye_slovarya& g);

} // namespace telvo
