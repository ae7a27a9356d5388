#pragma once

#include "app/core/Globals.h"
#include "exercises/logic/Common.h"
#include "exercises/logic/RangeExercise.h"

#include <QString>
#include <array>
#include <cstdint>

namespace telvo {

// Pair matching: portions of up to seven range records shown as fourteen shuffled cells
// (seven English words, seven translations); the user picks a cell and then its partner.
// One object per window, kept for the window's life.
//
// Window flow:
//   preCheck (main-window command) -> start() -> [AskBeginAnew: "Да" -> beginAnew()]
//   -> show the window -> onShow() -> pick(row) on a double click or Enter;
//   clearPair() on "Очистить форму от выбранной пары", Delete, a click while that button is
//   enabled, or "Да" to the question; nextPortion() on "Следующая порция слов" -> on close:
//   save().
enum class PairPick {
    Ignored,  // empty cell, or the row of the previous pick
    AskClear, // a matched pair is shown: ask kClearPairQuestion, on "Да" clearPair()
    First,    // the first cell is picked (firstText())
    Right,    // "Правильно!": the pair is matched and shown, the window is locked
    Wrong,    // open the "Ошибочный выбор" window; the first pick stays
};

class PairMatching : public RangeExercise {
public:
    static constexpr int kRows = 15; // row 0 is the header, rows 1..14 hold a portion
    static constexpr int kPortionPairs = 7;

    explicit PairMatching(Globalnye_peremennye_slovarya& g);

    // The clock reseed before every portion; tests install a fixed seed.
    Reseed reseed = reseedFromClock;

    static StartDecision preCheck(const Globalnye_peremennye_slovarya& g);

    // The window is shown: the list is emptied, a portion filled, the picks reset.
    void onShow();
    // "Следующая порция слов".
    void nextPortion();
    PairPick pick(int32_t row);
    void clearPair();

    // The list: cells()[0] is the header text, cells()[1..14] the portion (empty rows empty).
    const std::array<QString, kRows>& cells() const { return cells_; }
    int32_t portionSize() const { return portionSize_; }
    int32_t placedPairs() const { return placedPairs_; }
    int32_t portionMatches() const { return portionMatches_; }

    QString remainingText() const; // "Количество еще несопоставленных пар из всего словаря = N"
    bool remainingGreen() const;   // N = 0: green text, and the stop button reads "Закрыть"
    QString stopCaption() const;   // "Остановить показ" or "Закрыть"
    QString matchesText() const; // "Количество правильных сопоставлений из предъявленных пар = M"
    bool matchesGreen() const;   // M reached seven

    QString firstText() const { return first_; }
    QString secondText() const { return second_; }
    QString rightText() const; // "Правильно!" while a matched pair is shown
    bool locked() const { return locked_; }
    bool clearEnabled() const { return clearEnabled_; }
    bool nextPortionEnabled() const { return nextEnabled_; }

private:
    void fillPortion();
    void placeText(const QString& text);
    bool placeable(int32_t i) const;
    bool check(const QString& english, const QString& translation);

    std::array<QString, kRows> cells_;
    std::array<bool, kRows> occupied_{};
    int32_t portionSize_ = 0;
    int32_t placedPairs_ = 0;
    int32_t portionMatches_ = 0;
    int32_t pickState_ = 0;
    int32_t lastRow_ = kRows;
    bool locked_ = false;
    bool clearEnabled_ = false;
    bool nextEnabled_ = false;
    QString first_;
    QString second_;
};

inline constexpr const char* kClearPairQuestion =
    "Сначала нужно убрать выбранную пару сопоставления слова и перевода. Вы хотите ее убрать?";

} // namespace telvo
