#pragma once

#include "app/core/Globals.h"
#include "exercises/logic/Common.h"
#include "exercises/logic/Recognition.h"

#include <QString>
#include <array>
#include <cstdint>

namespace telvo {

// The two multiple-choice exercises: translation from Russian (the translation is shown, the
// English word is picked from ten) and translation from English (the English word is shown,
// the translation is picked). One object per exercise window, kept for the window's life.
//
// Window flow:
//   preCheck (main-window command) -> start() -> [AskBeginAnew: "Да" -> beginAnew()]
//   -> show the window -> onShow() -> a pick (click, Enter, selection change not from a
//   navigation key): pick(row); "Забыл (F5)": forgot(); -> on close by any path: save().
enum class TranslationKind { FromRussian, FromEnglish };

enum class PresentResult {
    Presented,      // a question and a full list are shown
    PassFinished,   // nothing remains: show `text` in the "Сообщение" window, then stop
    NoQuestion,     // no element could be chosen: show `text` in a system message box
    ListIncomplete, // the question is shown with a partial list that accepts no pick; show
                    // `text` in a system message box
};

struct PresentOutcome {
    PresentResult result = PresentResult::Presented;
    QString text;
    // Put on the clipboard after the question is shown (the English word of the question, in
    // translation from English); empty leaves the clipboard alone.
    QString clipboardText;
};

enum class PickResult {
    Ignored, // no complete list
    Wrong,   // open the "Ошибочный выбор" window; the question stays
    Right,   // the record is done; `next` tells what follows
};

struct PickOutcome {
    PickResult result = PickResult::Ignored;
    // Put on the clipboard first; empty leaves the clipboard alone.
    QString clipboardText;
    PresentOutcome next; // after a right pick
};

class TranslationExercise : public RangeExercise {
public:
    static constexpr int kRows = 10;

    TranslationExercise(Globalnye_peremennye_slovarya& g, TranslationKind kind);

    // The main-window command's checks before starting: Open or Refuse.
    static StartDecision preCheck(const Globalnye_peremennye_slovarya& g, TranslationKind kind);

    // The window is shown: the attempt limit is set and the first question presented.
    PresentOutcome onShow();
    // A random open element becomes the question and the list of ten is filled.
    PresentOutcome present();

    QString windowRemainderText() const; // "Остаток непредъявленных переводов = N"

    QString question() const; // the question label
    const std::array<QString, kRows>& cells() const { return cells_; }
    int32_t answerRow() const { return answerRow_; }
    int32_t selectedRow() const { return selectedRow_; } // selected when the list is filled
    bool listFilled() const { return listFilled_; }

    bool forgetEnabled() const; // "Забыл (F5)" outside the forgotten view
    PickOutcome pick(int32_t row);
    // "Забыл (F5)": the record becomes forgotten; the window closes afterwards.
    ForgotOutcome forgot();

private:
    QString answerText() const;
    bool fillList();
    PresentOutcome finished() const;

    TranslationKind kind_;
    int32_t answerRow_ = 0;
    int32_t selectedRow_ = 0;
    bool listFilled_ = false;
    std::array<QString, kRows> cells_;
};

} // namespace telvo
