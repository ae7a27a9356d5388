#pragma once

#include "app/core/Globals.h"

namespace telvo {

// Called when an exercise window closes: the table's done column becomes the history file,
// exactly Razmer_diapazona bytes (0 or 1), whatever size the file had before. The file is
// replaced whole through its `_new` companion. Each reports under its own name.

void Sokhranenie_statistiki_angliyskikh_slov(Globalnye_peremennye_slovarya& g);
void Sokhranenie_statistiki_russkikh_slov(Globalnye_peremennye_slovarya& g);
void Sokhranenie_statistiki_perevodov_s_angliyskogo(Globalnye_peremennye_slovarya& g);
void Sokhranenie_statistiki_perevodov_s_russkogo(Globalnye_peremennye_slovarya& g);
void Sokhranenie_statistiki_sopostavlennykh_par(Globalnye_peremennye_slovarya& g);

} // namespace telvo
