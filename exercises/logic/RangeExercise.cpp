#include "exercises/logic/RangeExercise.h"

#include "app/core/Failure.h"

namespace telvo {

RangeExercise::RangeExercise(Globalnye_peremennye_slovarya& g, const RangeExerciseDef& def,
                             RangeTableOps table)
    : g_(g), def_(def), table_(std::move(table)) {}

StartDecision RangeExercise::start() {
    return reportFailuresAs(def_.procedure, [&] {
        if (g_.*historyInfo(def_.history).rebuild)
            build();
        return decideStart(g_.Rezhim_zabytye, remaining(), table_.anyForgotten(),
                           QString::fromUtf8(def_.pane), QString::fromUtf8(def_.question));
    });
}

StartDecision RangeExercise::beginAnew() {
    Obnulenie_statistiki(g_, def_.history);
    return reportFailuresAs(def_.procedure, [&] {
        build();
        return decideAfterBeginAnew(remaining(), QString::fromUtf8(def_.pane),
                                    QString::fromUtf8(def_.nothingLeft));
    });
}

void RangeExercise::save() {
    def_.save(g_);
}

QString RangeExercise::paneText() const {
    return QString::fromUtf8(def_.pane) + QString::number(remaining());
}

QString RangeExercise::finishedText() const {
    return QString::fromUtf8(g_.Vse_slova_slovarya ? def_.finishedWhole : def_.finishedRange);
}

ForgotOutcome RangeExercise::forgetCurrent(const QString& englishWord) {
    setDone(current_);
    ForgotOutcome out;
    out.recordNumber = currentRecordNumber();
    out.englishWord = englishWord;
    out.forgottenPaneText = markForgottenFromExercise(g_, out.recordNumber);
    return out;
}

} // namespace telvo
