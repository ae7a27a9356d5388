#include "exercises/windows/ChoiceCommands.h"

#include "app/windows/Messages.h"
#include "app/windows/Okna.h"
#include "exercises/windows/ChoiceWindows.h"
#include "exercises/windows/MainWindowLink.h"
#include "store/RecordTableModel.h"
#include "ui/main/RecordTableView.h"
#include "ui/main/TMainForm.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>

namespace telvo {

namespace {

// The common ending of the exercise commands: column 2 of the selected row is selected.
void selectColumn2(TMainForm& form) {
    const int row = form.selectedRow();
    if (form.model().rowCount() > 0)
        form.table().setCurrentIndex(form.model().index(row - 1, RecordTableModel::Angl));
}

// The word label's text goes to the clipboard after an exercise returns.
void wordLabelToClipboard(Globalnye_peremennye_slovarya& g) {
    QGuiApplication::clipboard()->setText(mainWordLabelText(g));
}

// Open, or the refusal shown in the "Сообщение" window; false when the command stops.
bool passes(Globalnye_peremennye_slovarya& g, const StartDecision& d) {
    if (d.action == StartAction::Refuse)
        showMessage(g, d.text);
    return d.action == StartAction::Open;
}

QAction* enabledAction(TMainForm& form, const char* name) {
    QAction* a = form.findChild<QAction*>(QString::fromUtf8(name));
    if (a)
        a->setEnabled(true);
    return a;
}

} // namespace

void createChoiceWindows(TMainForm& form, Globalnye_peremennye_slovarya& g) {
    Okna& okna = *g.okna;
    if (!okna.Forma_naiyti_perevod)
        okna.Forma_naiyti_perevod = new TForma_naiyti_perevod(g, &form);
    if (!okna.Forma_ocshibochniy_vibor)
        okna.Forma_ocshibochniy_vibor = new TForma_ocshibochniy_vibor(&form);
    if (!okna.Forma_vspomnit_zabitie_slova)
        okna.Forma_vspomnit_zabitie_slova = new TForma_vspomnit_zabitie_slova(g, &form);
    if (!okna.Forma_okno_pokaza_perevodov)
        okna.Forma_okno_pokaza_perevodov = new TForma_okno_pokaza_perevodov(g, &form);
    if (!okna.Forma_okno_perevodov_s_angliyskogo)
        okna.Forma_okno_perevodov_s_angliyskogo = new TForma_okno_perevodov_s_angliyskogo(g, &form);
}

void installChoiceExerciseCommands(TMainForm& form, Globalnye_peremennye_slovarya& g) {
    if (!g.okna)
        return;
    createChoiceWindows(form, g);
    TMainForm* f = &form;
    Globalnye_peremennye_slovarya* gp = &g;

    if (QAction* a = enabledAction(form, "Действие_переводы_с_английского")) {
        QObject::connect(a, &QAction::triggered, &form, [f, gp] {
            if (!passes(*gp, TranslationExercise::preCheck(*gp, TranslationKind::FromEnglish)))
                return;
            gp->okna->Forma_okno_perevodov_s_angliyskogo->run();
            wordLabelToClipboard(*gp);
            selectColumn2(*f);
        });
    }
    if (QAction* a = enabledAction(form, "Действие_случайный_перевод")) {
        QObject::connect(a, &QAction::triggered, &form, [f, gp] {
            if (!passes(*gp, TranslationExercise::preCheck(*gp, TranslationKind::FromRussian)))
                return;
            gp->okna->Forma_okno_pokaza_perevodov->run();
            wordLabelToClipboard(*gp);
            selectColumn2(*f);
        });
    }
    if (QAction* a = enabledAction(form, "Действие_сопоставление_пар_слов")) {
        QObject::connect(a, &QAction::triggered, &form, [f, gp] {
            if (!passes(*gp, PairMatching::preCheck(*gp)))
                return;
            gp->okna->Forma_vspomnit_zabitie_slova->run();
            selectColumn2(*f);
        });
    }
    if (QAction* a = enabledAction(form, "Действие_найти_перевод")) {
        QObject::connect(a, &QAction::triggered, &form, [f, gp] {
            if (!passes(*gp, FindTranslation::preCheck(*gp)))
                return;
            gp->okna->Forma_naiyti_perevod->exec();
            selectColumn2(*f);
        });
    }
}

} // namespace telvo
