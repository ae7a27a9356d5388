#pragma once

#include "app/core/Globals.h"
#include "store/Forgotten.h"
#include "store/Search.h"

#include <QDate>
#include <QString>
#include <cstdint>

namespace telvo {

// The marks of the idiom file (excluded, forgotten and marked bytes of the records) and the
// searches of the idioms window. Each procedure with a Russian name reports its failures under
// that name; the single-idiom ones work on idiom Nomer_tekushchey_idiomy.

void Isklyuchit_idiomu_iz_pokaza(Globalnye_peremennye_slovarya& g);
void Vosstanovit_idiomu_dlya_pokaza(Globalnye_peremennye_slovarya& g);
void Izmenit_otmetku_idiomy_zabytaya(Globalnye_peremennye_slovarya& g);
void Izmenit_otmetku_idiomy(Globalnye_peremennye_slovarya& g);
void Obnulit_zabytye_idiomy(Globalnye_peremennye_slovarya& g);
void Obnulit_otmechennye_idiomy(Globalnye_peremennye_slovarya& g);
bool Imeyutsya_otmechennye_idiomy(Globalnye_peremennye_slovarya& g);
// forgotten := marked in every idiom, excluded idioms included.
void Svyaz_zabytykh_s_otmechennymi(Globalnye_peremennye_slovarya& g);
// forgotten := 1 for the idioms first..last that are not excluded, 0 for all others.
void Otmetit_idiomy_zabytymi_po_nomeram(Globalnye_peremennye_slovarya& g, int32_t first,
                                        int32_t last);
// The not excluded idioms added on `date` become forgotten; with `removeOld` every other one
// stops being forgotten. Returns the number marked. Failures reach the caller.
int32_t markIdiomsForgottenByDate(Globalnye_peremennye_slovarya& g, QDate date, bool removeOld);
// The message after a date marking that matched `count` idioms.
QString idiomDateMarkingMessage(int32_t count);
// The check of the by-numbers dialog's fields, with the idiom texts.
NumberRangeCheck checkIdiomNumberRange(const QString& startText, const QString& endText,
                                       int32_t idiomCount);

// True when `text` (normalised) is already an idiom and must not be stored, under the mode
// flags Rezhim_dobavleniya_idiomy / Rezhim_vstavki_idiomy / Rezhim_izmeneniya_idiomy (a match
// with the edited idiom itself does not count). Reports as "Проверка_на_совпадение_новой_идиомы".
bool Proverka_na_sovpadenie_novoy_idiomy(Globalnye_peremennye_slovarya& g, const QString& text);

// The idiom table's rows as the window shows them (Rezhim_zabytye_idiomy).
ShownRows shownIdiomRows(const Globalnye_peremennye_slovarya& g);

// First row whose idiom text equals `text`. Reports as "Поиск_английской_идиомы".
SearchResult Poisk_angliyskoy_idiomy(Globalnye_peremennye_slovarya& g, const QString& text);
// Next row whose idiom text contains `text`. Reports as "Поиск_подстроки_перевода".
SearchResult Poisk_podstroki_perevoda_idiom(Globalnye_peremennye_slovarya& g, const QString& text,
                                            bool translationShown);
// Next row whose translation contains `text`. Reports as "Поиск_подстроки_перевода_идиомы".
SearchResult Poisk_podstroki_perevoda_idiomy(Globalnye_peremennye_slovarya& g, const QString& text,
                                             bool translationShown);
// The go-to dialog's lookup of the typed idiom number.
GoToResult goToIdiomNumber(const Globalnye_peremennye_slovarya& g, const QString& typed);
// The random jump of the idioms window: within the idiom range, or among the forgotten idioms.
JumpResult randomIdiomJump(Globalnye_peremennye_slovarya& g, int32_t shownRow);

} // namespace telvo
