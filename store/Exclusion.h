#pragma once

#include "app/core/Globals.h"

namespace telvo {

// Excludes record Nomer_tekushchey_zapisi from the exercises: its excluded byte becomes 1 and
// so does its byte in Stat_eng.dictstat and Stat_per_rus.dictstat (when they exist and the
// record is in the range), so those exercises count it as done. Sets the rebuild flags of
// English recognition, translation from Russian and find-translation, also when a write fails.
// Reports as "Исключить_слово_из_показа".
void Isklyuchit_slovo_iz_pokaza(Globalnye_peremennye_slovarya& g);

// The reverse: the same bytes become 0. Reports as "Восстановить_слово_для_показа".
void Vosstanovit_slovo_dlya_pokaza(Globalnye_peremennye_slovarya& g);

} // namespace telvo
