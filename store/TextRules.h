#pragma once

#include "app/core/Globals.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace telvo {

// Collapses every run of blanks (code 32 only) into one blank.
QString Udalenie_lishnikh_probelov(const QString& text);

// Removes leading and trailing characters with codes 32 and below.
QString trimControls(const QString& text);

// trim(Udalenie_lishnikh_probelov(text)): the normalised text of an entry field.
QString normalizeField(const QString& text);

// The English text as the dictionary compares words: without leading and trailing characters of
// code 32 and below, in the file's code page, letter case folded (Latin and Cyrillic).
QByteArray englishMatchKey(const QString& english);
// Whether the stored bytes of an English field (a short string's characters) hold the word of
// `key`: the stored text is trimmed and folded the same way, so a record brought in with blanks
// around its word still matches.
bool storedEnglishMatches(QByteArrayView stored, const QByteArray& key);

// Every control character (tab, line feed, carriage return and the like) made a blank: a
// one-line field holds none, and one pasted in stood between two words.
QString controlsToBlanks(const QString& text);

// The refusal for a field whose text holds characters the data files cannot store: `field` is
// the start of the sentence that names the field ("Поле с переводом"); each character is shown
// with its code, so that an invisible one can be found. Empty when every character can be stored.
QString unstorableCharactersRefusal(const QString& field, const QString& text);

// True when `english` (already normalised) is in the dictionary and must not be stored, under
// the mode flags Rezhim_dobavleniya / Rezhim_vstavki / Rezhim_izmeneniya (a match with the
// record being edited itself does not count). Case-insensitive for Latin and Cyrillic.
bool Proverka_novogo_slova_na_sovpadenie(Globalnye_peremennye_slovarya& g, const QString& english);

// "  Дата изменения словаря: " + the dictionary file's modification date in the short date
// format of QLocale() (the system locale unless a default was set). When the time cannot be
// read the text ends after the colon: the status bar shows no date rather than a false one.
QString Data_izmeneniya_slovarya(Globalnye_peremennye_slovarya& g);

} // namespace telvo
