#pragma once

#include "app/core/Globals.h"

#include <QString>

namespace telvo {

// Collapses every run of blanks (code 32 only) into one blank.
QString Udalenie_lishnikh_probelov(const QString& text);

// Removes leading and trailing characters with codes 32 and below.
QString trimControls(const QString& text);

// trim(Udalenie_lishnikh_probelov(text)): the normalised text of an entry field.
QString normalizeField(const QString& text);

// True when `english` (already normalised) is in the dictionary and must not be stored, under
// the mode flags Rezhim_dobavleniya / Rezhim_vstavki / Rezhim_izmeneniya (a match with the
// record being edited itself does not count). Case-insensitive for Latin and Cyrillic.
bool Proverka_novogo_slova_na_sovpadenie(Globalnye_peremennye_slovarya& g, const QString& english);

// "  Дата изменения словаря: " + the dictionary file's modification date in the short date
// format of QLocale() (the system locale unless a default was set). When the time cannot be
// read the text ends after the colon: the status bar shows no date rather than a false one.
QString Data_izmeneniya_slovarya(Globalnye_peremennye_slovarya& g);

} // namespace telvo
