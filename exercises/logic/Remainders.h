#pragma once

#include "app/core/Globals.h"

#include <QString>

namespace telvo {

// The main window's remainder panes: the exercise's status text followed by the number of
// range records it has still to present ("  Остаток английских = 7"). While the table is
// flagged for rebuild the count comes from the files, and the text is empty when the history
// does not exist; otherwise it comes from the table. In the forgotten view only forgotten
// records count (from the files only when Stat_forget.dictstat exists). Excluded records never
// count. Each reports under its own name.

QString Pervonachalnyy_ostatok_nepredyavlennykh_angliyskikh_slov(Globalnye_peremennye_slovarya& g);
QString Pervonachalnyy_ostatok_nepredyavlennykh_russkikh_slov(Globalnye_peremennye_slovarya& g);
QString
Pervonachalnyy_ostatok_nepredyavlennykh_perevodov_s_angliyskogo(Globalnye_peremennye_slovarya& g);
QString
Pervonachalnyy_ostatok_nepredyavlennykh_perevodov_s_russkogo(Globalnye_peremennye_slovarya& g);
QString Pervonachalnyy_ostatok_nesopostavlennykh_par(Globalnye_peremennye_slovarya& g);

} // namespace telvo
