#pragma once

#include "app/core/Globals.h"
#include "store/RecordLayout.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

namespace telvo {

// The data rows of a record table as its window shows them: newest record first, and in the
// forgotten-only view only the forgotten records. Rows are 1-based like the table's data rows;
// the Qt model row is row - 1.
class ShownRows {
public:
    // The main window's rows: reads Vocabulary.dictdat and, in the forgotten-only view
    // (g.Rezhim_zabytye), Stat_forget.dictstat.
    static ShownRows read(const Globalnye_peremennye_slovarya& g);
    // The rows of `records` (whole records of `layout`). `forgottenFile`: the forgotten bytes
    // kept apart from the records (byte i for record i + 1), when the layout has none inside;
    // null when there is no such file, so that nothing is forgotten.
    static ShownRows fromRecords(QByteArray records, const RecordLayout& layout, bool forgottenView,
                                 const QByteArray* forgottenFile = nullptr);

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
    int32_t recordCount() const { return static_cast<int32_t>(records_.size() / layout_.size); }

    RecordLayout layout_ = kWordLayout;
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

// What a substring search says when it finds nothing (or an empty text).
struct SubstringTexts {
    QString empty;
    QString allFound;
    QString notFoundForgotten;
    QString notFound;
};

enum class ShownText { Text, Translation };

// Next row after `position` whose `column` contains `text` (normalised by the caller), letter
// case ignored. A match moves `position` to it; a miss leaves it, so repeated presses keep
// saying that everything was found. Both record tables search this way.
SearchResult findNextContaining(int32_t& position, bool forgottenView, const ShownRows& shown,
                                ShownText column, const QString& text, const SubstringTexts& texts);

// First row whose column-2 text equals `word`, compared as the duplicate check compares
// (trimmed, letter case ignored); `notFound` is the message otherwise.
SearchResult findEqualText(const ShownRows& shown, const QString& word, const QString& notFound);

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

// The texts of a go-to dialog; `outOfLimits` takes the record count, `notInView` the typed text.
struct GoToTexts {
    QString outOfLimits;
    QString noForgotten;
    QString notInView;
};

// The row of the record numbered `typed` among `count` records, in `shown`; `forgottenCount`
// counts in the forgotten-only view.
GoToResult goToNumberIn(const ShownRows& shown, int32_t count, bool forgottenView,
                        int32_t forgottenCount, const QString& typed, const GoToTexts& texts);

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

// The draw of a random jump over `shown`: rows of the records start .. start + size - 1 in the
// full view, all rows in the forgotten-only view; a row is taken when it shows a record that is
// not excluded and differs from `shownRow`. Reseeds `random` from the clock before the first
// draw; when no row qualifies nothing is drawn and the result is NoCandidate.
JumpResult drawJumpRow(RandomGenerator& random, const ShownRows& shown, bool forgottenView,
                       int32_t rangeStart, int32_t rangeSize, int32_t shownRow);

// The random jump: reseeds g.random from the clock and draws rows until one shows a record
// that is not excluded and differs from `shownRow` (the row last shown in the word label). In
// the full view the drawn rows show records of the exercise range; in the forgotten-only view,
// forgotten records. When no row qualifies nothing is drawn and the result is NoCandidate.
JumpResult randomJump(Globalnye_peremennye_slovarya& g, int32_t shownRow);

} // namespace telvo
