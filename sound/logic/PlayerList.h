#pragma once

#include "app/core/Globals.h"

#include <QString>
#include <QStringList>

namespace telvo {

// The player's listen-all list and its order.

using tip_Dinamicheskiy_massiv_angliyskikh_slov_dlya_proslushivaniya = QStringList;

// The words to listen to, by source:
// - the player opened from the groups window: the shown group's rows, blanks collapsed and
//   trimmed, each non-empty one cut to 45 characters;
// - otherwise the records of the exercise range that are not excluded, and in the forgotten-only
//   view only the forgotten ones among them.
// A failure to read the files is reported under the procedure's name.
tip_Dinamicheskiy_massiv_angliyskikh_slov_dlya_proslushivaniya
Sformirovat_dinamicheskiy_massiv_angliyskikh_slov_dlya_proslushivaniya(
    const Globalnye_peremennye_slovarya& g);

// 33 rounds of swaps of disjoint random pairs: in each round every position not yet swapped is
// swapped with another such position, chosen uniformly; drawn from `random` (the caller
// reseeds it).
void shuffleListeningList(QStringList& list, RandomGenerator& random);

// Reseeds the program's generator from the clock, then shuffles.
void Peremeshat_spisok_proslushivaniya(QStringList& list, RandomGenerator& random);

} // namespace telvo
