#pragma once

#include "app/core/Globals.h"

namespace telvo {

// Builders of the exercise tables in g.exerciseTables from the data files. Each sizes its table
// (Razmer_diapazona elements for a range table, one per dictionary record for a
// whole-dictionary table), fills it and clears the table's rebuild flag. Range elements past
// the end of the dictionary are empty and excluded, so they are never presented. They throw
// telvo::Failure; the exercise that calls them reports under its own name.

void buildEnglishTable(Globalnye_peremennye_slovarya& g);
void buildRussianTable(Globalnye_peremennye_slovarya& g);
// The range table and the choice table of translation from Russian.
void buildTranslationFromRussianTables(Globalnye_peremennye_slovarya& g);
// The range table and the choice table of translation from English.
void buildTranslationFromEnglishTables(Globalnye_peremennye_slovarya& g);
void buildPairTable(Globalnye_peremennye_slovarya& g);
void buildFindTranslationTable(Globalnye_peremennye_slovarya& g);

} // namespace telvo
