#pragma once

#include "app/core/Globals.h"
#include "exercises/logic/Common.h"
#include "exercises/logic/RangeExercise.h"

#include <QString>
#include <cstdint>

namespace telvo {

// English word recognition (the English word is shown, the translation is the hint) and its
// mirror, Russian word recognition. One object per exercise window, kept for the window's
// life: the current element carries over from one opening to the next.
//
// Window flow:
//   preCheck (main-window command) -> start() -> [AskBeginAnew: "Да" -> beginAnew()]
//   -> show the window -> onShow() -> "Помню, дальше": remember(); "Забыл (F5)": forgot()
//   -> on close by any path: save().
enum class RecognitionKind { English, Russian };

struct RememberOutcome {
    // Shown first in the "Сообщение об ошибке" window when the box asked to exclude a
    // forgotten record; empty otherwise.
    QString exclusionRefusal;
    // The record was excluded: the main window refills its table and status bar.
    bool excluded = false;
    // Nothing remains: show `finishedText` in the "Сообщение" window and close. Otherwise the
    // next record is already presented.
    bool passFinished = false;
    QString finishedText;
};

class RecognitionExercise : public RangeExercise {
public:
    RecognitionExercise(Globalnye_peremennye_slovarya& g, RecognitionKind kind);

    // The clock reseed before every choice; tests install a fixed seed.
    Reseed reseed = reseedFromClock;

    // The main-window command's checks before starting: Open or Refuse (or Ignore while the
    // groups window is open, Russian only).
    static StartDecision preCheck(const Globalnye_peremennye_slovarya& g, RecognitionKind kind);

    // The window is shown: the attempt limit is set and a record presented. False when nothing
    // remains (the window closes).
    bool onShow();
    // Presents a random open record (reseeding the generator from the clock first). False when
    // nothing remains.
    bool present();

    QString windowRemainderText() const; // "Остаток нерассортированных слов = N"
    QString shownWord() const;           // the word label
    QString caption() const;             // the window caption
    QString wordLabelHint() const; // the word label's hover hint
    QString hintText() const;      // the hint window's text (F1, click on the word)

    // "Забыл (F5)" and the check box are enabled outside the forgotten view.
    bool forgetEnabled() const;
    // Ticking "Следующий раз не показывать": empty when allowed, else the refusal text (the
    // box is then cleared).
    QString excludeTickRefusal() const;

    // "Помню, дальше", with the state of the check box.
    RememberOutcome remember(bool excludeTicked);
    // "Забыл (F5)": the record becomes forgotten; the window closes afterwards.
    ForgotOutcome forgot();

private:
    RecognitionKind kind_;
};

} // namespace telvo
