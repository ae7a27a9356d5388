#pragma once

#include "app/core/Globals.h"

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

namespace telvo {

// The pair exercise on one group: the group's English words and translations laid out in two
// shuffled columns, and the user's choices judged against the group.

// One English word of the group and whether it has been matched already.
struct tip_Zapis_dinamicheskogo_massiva_gruppy_sopostavlennykh_slov {
    QString Angliyskoe_gruppovoe_slovo;
    bool Uzhe_bylo_pravilno_sopostavleno = false;
};

enum class PairVerdict {
    None,  // nothing to judge yet (one side chosen, or the choice did nothing)
    Right, // "Правильно!"
    Wrong, // "Неправильно ..."
};

class GroupPairExercise {
public:
    // Lays out `group`: every row with an English word places the word in a free English cell
    // and its translation in a free translation cell, each drawn independently from the 14
    // rows. `reseed` reseeds the generator from the clock before each pair, as the window does.
    void fill(const tip_Zapis_gruppy_slov& group, RandomGenerator& random, bool reseed = true);

    // Double-click (or Enter) on a cell: column 0 is the English column, 1 the translation
    // column, row 0..13. Judges once both sides are chosen, in either order.
    PairVerdict choose(int column, int row);
    // A single click in the table: clears a verdict on screen. True when the verdict was
    // cleared; allMatched() then tells whether to show the closing text.
    bool click();

    const std::array<QString, kGroupRows>& englishCells() const { return english_; }
    const std::array<QString, kGroupRows>& translationCells() const { return translation_; }
    const std::vector<tip_Zapis_dinamicheskogo_massiva_gruppy_sopostavlennykh_slov>& pairs() const {
        return pairs_;
    }
    int32_t Ostalos_sopostavit() const { return remaining_; }
    int32_t Kolichestvo_par() const { return static_cast<int32_t>(pairs_.size()); }
    bool allMatched() const { return remaining_ == 0; }
    const QString& Vybrannoe_slovo() const { return chosenWord_; }
    const QString& chosenTranslation() const { return chosenTranslation_; }
    bool Rezultat_pokazan() const { return resultShown_; }

    // "Осталось сопоставить пар = " + n.
    QString remainingText() const;

private:
    tip_Zapis_gruppy_slov group_;
    std::array<QString, kGroupRows> english_;
    std::array<QString, kGroupRows> translation_;
    std::vector<tip_Zapis_dinamicheskogo_massiva_gruppy_sopostavlennykh_slov> pairs_;
    int32_t remaining_ = 0;
    QString chosenWord_;
    QString chosenTranslation_;
    bool resultShown_ = false;
};

inline constexpr const char* kPairRight = "Правильно!";
inline constexpr const char* kPairWrong = "Неправильно ...";
inline constexpr const char* kAllPairsMatched = "Все пары сопоставлены.";

enum class GroupForgetOutcome {
    Marked, // "Слово отмечено в словаре как забытое."
    NotFound, // "Такое забываемое слово отсутствует в словаре!"
    RefusedExcluded, // the record is excluded from exercises; nothing changed
};

inline constexpr const char* kGroupWordForgotten = "Слово отмечено в словаре как забытое.";
inline constexpr const char* kGroupWordNotInDictionary =
    "Такое забываемое слово отсутствует в словаре!";

// The question before marking `word` forgotten.
QString forgetGroupWordQuestion(const QString& word);

// Marks the first dictionary record whose English text is exactly `word` forgotten, creating
// Stat_forget.dictstat when it is missing. A record excluded from exercises is refused, as the
// dictionary's own command refuses it: it would stay excluded and forgotten at once, and
// neither mark could then be changed. Sets the rebuild flags when it marked. Reported as
// "Забыть_слво_из_группы_слов".
GroupForgetOutcome Zabyt_slvo_iz_gruppy_slov(Globalnye_peremennye_slovarya& g, const QString& word);

} // namespace telvo
