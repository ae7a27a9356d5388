#pragma once

#include "app/core/Globals.h"

#include <QDate>
#include <QString>
#include <cstdint>

namespace telvo {

// Forgotten words live in Stat_forget.dictstat (byte n - 1 belongs to record n; an absent file
// means none is forgotten); the plain mark is byte 169 of the dictionary record. Every
// procedure with a Russian name reports its failures under that name. None of them marks a record
// that is excluded from exercises as forgotten.

// "  Забытых слов = N" for the status bar, counting the nonzero bytes among the first
// g.Kolichestvo_zapisey into g.Kolichestvo_zabytykh_slov; empty when N is 0. When the file is
// absent the text is empty and the counter stays as it is.
QString Pervonachalnoe_kolichestvo_zabytykh_slov(Globalnye_peremennye_slovarya& g);

// Creates Stat_forget.dictstat with one zero byte per dictionary record when it is absent.
void Proverka_nalichiya_fayla_zabytykh_slov(Globalnye_peremennye_slovarya& g);

// Deletes Stat_forget.dictstat; no record is forgotten any more.
void Obnulenie_zabytykh_slov(Globalnye_peremennye_slovarya& g);

enum class ForgottenToggle {
    Marked,          // the record is forgotten now
    Unmarked,        // the record is no longer forgotten
    RefusedExcluded, // excluded from exercises: nothing changed, show kExcludedNotForgotten
};

// The refusal of marking an excluded record forgotten (error window).
inline constexpr const char* kExcludedNotForgotten =
    "Нельзя отмечать слово как забытое, если оно исключено из показа в упражнениях.";

// Toggles the forgotten state of record `number`. Clearing it also zeroes the record's byte
// in Stat_pair.dictstat when that file exists and the record lies in the exercise range, and
// deletes Stat_forget.dictstat when no forgotten record is left. Sets the rebuild flags and
// g.Kolichestvo_zabytykh_slov; the caller rebuilds the table.
ForgottenToggle Izmenit_optsiyu_slova_zabytoe_ili_vspomnennoe(Globalnye_peremennye_slovarya& g,
                                                              int32_t number);

// Where the forgotten-only view puts its selection after the selected word stopped being
// forgotten and left the view. Rows are data rows (1-based); `selected` and `top` are the
// selected and top visible rows before the change, `rowsLeft` the forgotten rows after it (the
// table then still shows one empty row when it is 0), `visibleRows` the data rows that fit in
// the table. A `top` of 0 in the result leaves the scrolling to the table.
struct RowPosition {
    int32_t selected = 1;
    int32_t top = 0;
};
RowPosition positionAfterLeavingForgottenView(int32_t selected, int32_t top, int32_t rowsLeft,
                                              int32_t visibleRows);

// Inverts the mark of record g.Nomer_tekushchey_zapisi (excluded records too).
void Izmenit_otmetku_slova(Globalnye_peremennye_slovarya& g);

// Number of marked records.
int32_t Opredelit_kolichestvo_otmechennykh_slov(Globalnye_peremennye_slovarya& g);

// Clears the mark of every record.
void Snyat_vse_otmetki(Globalnye_peremennye_slovarya& g);

// Makes exactly the marked, not excluded records forgotten; deletes Stat_forget.dictstat when
// there are none. Returns the number of forgotten records (also in g.Kolichestvo_zabytykh_slov).
int32_t Svyazat_zabytye_s_otmechennymi(Globalnye_peremennye_slovarya& g);

// Makes exactly the not excluded records first..last forgotten (the range checked by
// checkNumberRange). Returns the number of forgotten records (also in
// g.Kolichestvo_zabytykh_slov).
int32_t Otmetit_slova_zabytymi_po_nomeram(Globalnye_peremennye_slovarya& g, int32_t first,
                                          int32_t last);

// The date dialog's marking: the not excluded records added on `date` become forgotten; when
// `removeOld`, every other record is made not forgotten, otherwise the others keep their
// state. A date without words changes nothing unless old marks are to go; otherwise the file
// is created first when absent. Returns the number of records marked. Failures reach the
// caller (the dialog has no reporter).
int32_t markForgottenByDate(Globalnye_peremennye_slovarya& g, QDate date, bool removeOld);

// The message after a date marking that matched `count` records.
QString dateMarkingMessage(int32_t count);

// The check of the number dialog's two fields before marking.
struct NumberRangeCheck {
    bool ok = false;
    QString error;          // text for the error window when not ok
    bool focusStart = true; // which field gets the focus after the error
    int32_t first = 0;
    int32_t last = 0;
};

NumberRangeCheck checkNumberRange(const QString& startText, const QString& endText,
                                  int32_t recordCount);

} // namespace telvo
