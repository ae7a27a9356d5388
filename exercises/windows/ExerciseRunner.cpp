#include "exercises/windows/ExerciseRunner.h"

#include "app/windows/Messages.h"
#include "app/windows/Okna.h"

namespace telvo {

void runRangeExercise(Globalnye_peremennye_slovarya& g, StatusPane pane, StartDecision d,
                      const std::function<StartDecision()>& beginAnew,
                      const std::function<void()>& open) {
    if (d.action == StartAction::AskBeginAnew) {
        setMainPane(g, pane, d.paneText);
        if (!askQuestion(g, d.text))
            return;
        d = beginAnew();
    }
    // An opening decision carries no pane text: the window counts for itself.
    if (!d.paneText.isEmpty())
        setMainPane(g, pane, d.paneText);
    switch (d.action) {
    case StartAction::Refuse:
        showMessage(g, d.text);
        return;
    case StartAction::Open:
        open();
        return;
    case StartAction::AskBeginAnew:
    case StartAction::Ignore:
        return;
    }
}

} // namespace telvo
