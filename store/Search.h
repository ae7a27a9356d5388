#pragma once

#include "app/core/Globals.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

namespace telvo {

// The data rows of the record table as the main window shows them, read from the files: newest
// record first, and in the forgotten-only view (g.Rezhim_zabytye) only the forgotten records.
// Rows are 1-based like the table's data rows; the Qt model row is row - 1.
class ShownRows {
public:
    // Reads Vocabulary.dictdat and, in the forgotten-only view, Stat_forget.dictstat.
    static ShownRows read(const Globalnye_peremennye_slovarya& g);

    // Number of rows that show a record (0 when the table holds only its empty row).
    int32_t rows() const { return static_cast<int32_t>(rowRecord_.size()); }
    // Record number shown in `row`; 0 when the row shows no record.
    int32_t recordNumber(int32_t row) const;
    // Row that shows record `number`; 0 when the view does not show it.
    int32_t rowOf(int32_t number) const;

    // The texts of columns 2 and 4 and the exclusion flag of the record in `row`.
    QString english(int32_t row) const;
    // The stored bytes of the English text, undecoded.
    QByteArrayView englishBytes(int32_t row) const;
    QString translation(int32_t row) const;
    bool excluded(int32_t row) const;

private:
    const char* bytesOf(int32_t row) const;

    QByteArray records_;
    std::vector<int32_t> rowRecord_; // record number per row, row 1 first
    bool forgottenView_ = false;
};

// Full view: the row that shows record `number` (newest first).
inline int32_t fullViewRowOf(int32_t recordCount, int32_t number) {
    return recordCount - number + 1;
}

enum class SearchStatus {
    Found,             // select `row`
    EmptyText,         // show the message, then focus and clear the search field
    TranslationHidden, // show the message, focus the table
    NothingFound,      // show the message, focus the search field
};

struct SearchResult {
    SearchStatus status = SearchStatus::NothingFound;
    int32_t row = 0; // data row to select when found
    QString message; // text for the message window; empty when found
};

// Next row after g.Nomer_naydennoy_stroki whose English text contains `text` (already
// normalised by the caller), ignoring letter case. A match moves g.Nomer_naydennoy_stroki to
// it; a miss leaves it, so repeated presses keep saying that everything was found.
SearchResult Poisk_podstroki_angliyskogo_slova(Globalnye_peremennye_slovarya& g,
                                               const QString& text);

// The same on the translation column, which must be shown (`translationShown`).
SearchResult Poisk_podstroki_perevoda(Globalnye_peremennye_slovarya& g, const QString& text,
                                      bool translationShown);

// First row whose English text equals `word`, compared as the duplicate check compares (trimmed,
// letter case ignored), so that it finds the record the check reported. Leaves
// g.Nomer_naydennoy_stroki alone.
SearchResult Poisk_angliyskogo_slova(Globalnye_peremennye_slovarya& g, const QString& word);

enum class GoToStatus {
    Found,       // select `row` and close the dialog
    EmptyField,  // show the message, focus the field
    OutOfLimits, // show the message, focus the field
    NoForgotten, // show the message, close the dialog
    NotInView,   // show the message, focus the field
};

struct GoToResult {
    GoToStatus status = GoToStatus::EmptyField;
    int32_t row = 0;
    QString message;
};

// The row of the record whose number is typed in the go-to dialog (`typed`: the field's text).
// Checks against g.Kolichestvo_zapisey and, in the forgotten-only view,
// g.Kolichestvo_zabytykh_slov. Failures reach the caller (the dialog has no reporter).
GoToResult goToNumber(const Globalnye_peremennye_slovarya& g, const QString& typed);

enum class JumpStatus {
    Jumped,      // select `row`
    Refused,     // show the message; nothing else changes
    NoCandidate, // no row qualifies: the selection stays, no message
};

struct JumpResult {
    JumpStatus status = JumpStatus::NoCandidate;
    int32_t row = 0;
    QString message;
};

// The random jump: reseeds g.random from the clock and draws rows until one shows a record
// that is not excluded and differs from `shownRow` (the row last shown in the word label). In
// the full view the drawn rows show records of the exercise range; in the forgotten-only view,
// forgotten records. When no row qualifies nothing is drawn and the result is NoCandidate.
JumpResult randomJump(Globalnye_peremennye_slovarya& g, int32_t shownRow);

} // namespace telvo
