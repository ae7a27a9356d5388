#include "exercises/windows/ExerciseCommands.h"

#include "app/windows/Messages.h"
#include "app/windows/Okna.h"
#include "exercises/logic/FindTranslation.h"
#include "exercises/logic/Pairs.h"
#include "exercises/logic/Recognition.h"
#include "exercises/logic/Remainders.h"
#include "exercises/logic/Translation.h"
#include "exercises/windows/ChoiceWindows.h"
#include "exercises/windows/HistoryResetWindow.h"
#include "exercises/windows/RangeWindow.h"
#include "exercises/windows/RecognitionWindows.h"
#include "store/Histories.h"

#include <QClipboard>
#include <QGuiApplication>
#include <stdexcept>

namespace telvo {

namespace {

using G = Globalnye_peremennye_slovarya;

// A window the program must have created before the commands were installed.
template <typename W> W& window(W* w) {
    if (!w)
        throw std::logic_error("an exercise window was not created before its command");
    return *w;
}

// The common ending of the exercise commands that show words: the word label's text goes to
// the clipboard and the English column of the selected row is selected.
void afterExercise(MainWindow& main) {
    QGuiApplication::clipboard()->setText(main.wordLabelText());
    main.selectEnglishColumn();
}

// Open, or the refusal shown in the "Сообщение" window; false when the command stops.
bool passes(G& g, const StartDecision& d) {
    if (d.action == StartAction::Refuse)
        showMessage(g, d.text);
    return d.action == StartAction::Open;
}

void changeRange(MainWindow& main, G& g) {
    if (g.Okno_grupp_otkryto)
        return;
    if (g.Kolichestvo_zapisey == 0) {
        showMessage(g, QString::fromUtf8(kNoRecords));
        return;
    }
    window(g.okna->Forma_izmeneniy_diapazona).exec();
    if (!g.Diapazon_izmenen)
        return;
    // The last record of the range becomes the top row (the newest record is row 1).
    main.refreshTable();
    const int row = g.Kolichestvo_zapisey - g.Konets_diapazona + 1;
    main.selectRow(row, row);
    main.refreshStatusBar();
    main.refreshCaption();
    g.Diapazon_izmenen = false;
}

void resetHistories(MainWindow& main, G& g) {
    if (g.Okno_grupp_otkryto)
        return;
    if (g.Kolichestvo_zapisey == 0) {
        showMessage(g, QStringLiteral("В словаре еще нет записей и историй ..."));
        main.selectEnglishColumn();
        return;
    }
    bool any = false;
    for (const HistoryInfo& h : histories())
        any = any || historyExists(g.puti, h.history);
    if (!any) {
        showMessage(g, QStringLiteral("Истории упражнений еще не формировались. Обнулять нечего."));
        return;
    }
    TForma_obnulenie_istoriy& reset = window(g.okna->Forma_obnulenie_istoriy);
    reset.exec();
    if (!reset.Obnulenie_podtverzhdeno)
        return;
    Obnulenie_statistiki(g, false, reset.selection());
    main.refreshStatusBar();
}

void recognition(MainWindow& main, G& g, RecognitionKind kind) {
    const StartDecision d = RecognitionExercise::preCheck(g, kind);
    if (d.action == StartAction::Ignore)
        return;
    if (d.action == StartAction::Refuse) {
        showMessage(g, d.text);
        return;
    }
    if (kind == RecognitionKind::English)
        Predyavlenie_sluchaynykh_angliyskikh_slov(g);
    else
        Predyavlenie_sluchaynykh_russkikh_slov(g);
    afterExercise(main);
}

void translation(MainWindow& main, G& g, TranslationKind kind) {
    if (!passes(g, TranslationExercise::preCheck(g, kind)))
        return;
    if (kind == TranslationKind::FromEnglish)
        window(g.okna->Forma_okno_perevodov_s_angliyskogo).run();
    else
        window(g.okna->Forma_okno_pokaza_perevodov).run();
    afterExercise(main);
}

void pairs(MainWindow& main, G& g) {
    if (!passes(g, PairMatching::preCheck(g)))
        return;
    window(g.okna->Forma_vspomnit_zabitie_slova).run();
    main.selectEnglishColumn();
}

void findTranslation(MainWindow& main, G& g) {
    if (!passes(g, FindTranslation::preCheck(g)))
        return;
    window(g.okna->Forma_naiyti_perevod).exec();
    main.selectEnglishColumn();
}

} // namespace

void registerRemainderPanes(MainWindow& main, G& g) {
    const std::pair<StatusPane, QString (*)(G&)> panes[] = {
        {StatusPane::RemainderEnglish, &Pervonachalnyy_ostatok_nepredyavlennykh_angliyskikh_slov},
        {StatusPane::RemainderRussian, &Pervonachalnyy_ostatok_nepredyavlennykh_russkikh_slov},
        {StatusPane::RemainderFromEnglish,
         &Pervonachalnyy_ostatok_nepredyavlennykh_perevodov_s_angliyskogo},
        {StatusPane::RemainderFromRussian,
         &Pervonachalnyy_ostatok_nepredyavlennykh_perevodov_s_russkogo},
        {StatusPane::UnmatchedPairs, &Pervonachalnyy_ostatok_nesopostavlennykh_par},
    };
    G* s = &g;
    for (const auto& [pane, text] : panes) {
        const auto procedure = text;
        main.setStatusPaneProcedure(pane, [s, procedure] { return procedure(*s); });
    }
}

void installExerciseCommands(MainWindow& main, G& g) {
    if (!g.okna)
        throw std::logic_error("the exercise commands need the program's windows");
    registerRemainderPanes(main, g);
    MainWindow* m = &main;
    G* s = &g;
    main.installCommand(MainCommand::ChangeRange, [m, s] { changeRange(*m, *s); });
    main.installCommand(MainCommand::ResetHistories, [m, s] { resetHistories(*m, *s); });
    main.installCommand(MainCommand::EnglishWords,
                        [m, s] { recognition(*m, *s, RecognitionKind::English); });
    main.installCommand(MainCommand::RussianWords,
                        [m, s] { recognition(*m, *s, RecognitionKind::Russian); });
    main.installCommand(MainCommand::TranslationsFromEnglish,
                        [m, s] { translation(*m, *s, TranslationKind::FromEnglish); });
    main.installCommand(MainCommand::TranslationFromRussian,
                        [m, s] { translation(*m, *s, TranslationKind::FromRussian); });
    main.installCommand(MainCommand::PairMatching, [m, s] { pairs(*m, *s); });
    main.installCommand(MainCommand::FindTranslation, [m, s] { findTranslation(*m, *s); });
}

} // namespace telvo
