#pragma once

#include "app/core/Globals.h"
#include "exercises/logic/Common.h"

#include <QString>
#include <array>
#include <cstdint>

namespace telvo {

// The find-translation check on the main window's current word: ten translations from the
// whole dictionary, one of them right. Ignores the range and keeps no history.
//
// Window flow:
//   preCheck (main-window command) -> show the window -> onShow(word of the main window's top
//   label) -> a pick: pick(row) (Right: the main window raises its repetition counter and the
//   window closes); F5 / the forgotten-mark button: toggleForgotten(record of the main
//   window's selected row).
enum class FindPick {
    Ignored, // a cell left empty because too few records could be offered
    Wrong,   // open the "Ошибочный выбор" window; the question stays
    Right,   // raise the repetition counter, close the window
};

class FindTranslation {
public:
    static constexpr int kRows = 10;

    explicit FindTranslation(Globalnye_peremennye_slovarya& g);

    // The clock reseed on show; tests install a fixed seed.
    Reseed reseed = reseedFromClock;

    // The main-window command's checks: Open, Refuse (text for the "Сообщение" window) or
    // Ignore.
    static StartDecision preCheck(const Globalnye_peremennye_slovarya& g);

    // Reseeds the generator and fills the list for `word`.
    void onShow(const QString& word);
    // Builds the table when flagged and fills the ten cells. Throws telvo::Failure.
    void fill(const QString& word);

    const std::array<QString, kRows>& cells() const { return cells_; }
    int32_t answerRow() const { return answerRow_; }
    int32_t selectedRow() const { return selectedRow_; } // selected when the list is filled
    QString answer() const { return answer_; }
    QString caption() const { return caption_; }
    // Rows that hold a translation: fewer than ten only when the dictionary has fewer usable
    // records than the list needs.
    int32_t filledRows() const;

    bool forgetButtonEnabled() const; // outside the forgotten view
    FindPick pick(int32_t row) const;

    // The forgotten-mark toggle of record `recordNumber`: empty when done (the main window
    // then redraws), otherwise the refusal for the "Сообщение об ошибке" window (an excluded
    // record never becomes forgotten).
    QString toggleForgotten(int32_t recordNumber);

private:
    Globalnye_peremennye_slovarya& g_;
    std::array<QString, kRows> cells_;
    std::array<bool, kRows> filled_{};
    int32_t answerRow_ = 0;
    int32_t selectedRow_ = 0;
    QString answer_;
    QString caption_;
};

} // namespace telvo
