#pragma once

#include "app/core/Globals.h"
#include "exercises/logic/Common.h"
#include "store/Histories.h"

#include <QString>
#include <cstdint>

namespace telvo {

// What tells one range exercise from another in the life cycle they share.
struct RangeExerciseDef {
    const char* procedure;     // the name its failures are reported under
    const char* pane;          // the remainder pane's text before the number
    const char* question;      // asked when nothing is left: begin anew?
    const char* nothingLeft;   // shown when nothing is left even after beginning anew
    const char* finishedWhole; // the end of a pass over the whole dictionary
    const char* finishedRange; // the end of a pass over a fixed range
    History history;
    void (*build)(Globalnye_peremennye_slovarya&); // rebuilds the exercise's tables
    void (*save)(Globalnye_peremennye_slovarya&);  // writes its done column as the history
};

// "Забыл (F5)": the main window refills its table, shows the forgotten count and moves to the
// word.
struct ForgotOutcome {
    QString forgottenPaneText; // for the main window's forgotten-count pane
    QString englishWord;       // the main window refills its table and moves to this word
    int32_t recordNumber = 0;
};

// The life cycle every exercise over the range shares: start (the table rebuilt when flagged,
// the begin-anew question when nothing is left), begin anew (the history reset), the current
// element, forgetting it, and saving the pass as the history. The exercises add how they
// present and answer.
class RangeExercise {
public:
    // Builds the table when flagged and decides how the exercise starts. Reports failures
    // under the exercise's procedure name.
    StartDecision start();
    // The user agreed to begin anew: the history is reset and the table rebuilt.
    StartDecision beginAnew();
    // On close by any path: the done column becomes the history.
    void save();

    int32_t remaining() const { return table_.remaining(); }
    QString paneText() const; // the pane's text and the number left
    int32_t currentIndex() const { return current_; }
    int32_t currentRecordNumber() const { return g_.Nachalo_diapazona + current_; }

protected:
    RangeExercise(Globalnye_peremennye_slovarya& g, const RangeExerciseDef& def,
                  RangeTableOps table);

    int32_t size() const { return table_.size(); }
    bool open(int32_t i) const { return table_.open(i); }
    void setDone(int32_t i) { table_.setDone(i); }
    void build() { def_.build(g_); }
    // The text that ends a pass, for the whole dictionary or a fixed range.
    QString finishedText() const;
    // The current element is done and its record becomes forgotten; `englishWord` is where
    // the main window moves.
    ForgotOutcome forgetCurrent(const QString& englishWord);

    Globalnye_peremennye_slovarya& g_;
    const RangeExerciseDef& def_;
    RangeTableOps table_;
    int32_t current_ = 0;
    int64_t attemptLimit_ = 0;
};

} // namespace telvo
