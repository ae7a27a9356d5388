#include "exercises/windows/ExerciseCommands.h"

#include "app/windows/Messages.h"
#include "app/windows/Okna.h"
#include "store/Histories.h"
#include "exercises/logic/Recognition.h"
#include "exercises/logic/Remainders.h"
#include "exercises/windows/HistoryResetWindow.h"
#include "exercises/windows/RangeWindow.h"
#include "exercises/windows/RecognitionWindows.h"
#include "store/RecordTableModel.h"
#include "ui/main/RecordTableView.h"
#include "ui/main/TMainForm.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <functional>
#include <utility>

namespace telvo {

namespace {

void selectColumn2(TMainForm& main) {
    const int row = main.selectedRow();
    main.table().setCurrentIndex(main.model().index(row - 1, RecordTableModel::Angl));
}

// The ending of the exercise commands: the word label's text on the clipboard, column 2.
void afterExercise(TMainForm& main) {
    if (auto* label = main.findChild<QLabel*>(QStringLiteral("Надпись_английское_слово")))
        QApplication::clipboard()->setText(label->text());
    selectColumn2(main);
}

void changeRange(TMainForm& main, Globalnye_peremennye_slovarya& g) {
    if (g.Okno_grupp_otkryto)
        return;
    if (g.Kolichestvo_zapisey == 0) {
        showMessage(g, QString::fromUtf8(kNoRecords));
        return;
    }
    if (!g.okna || !g.okna->Forma_izmeneniy_diapazona)
        return;
    g.okna->Forma_izmeneniy_diapazona->exec();
    if (!g.Diapazon_izmenen)
        return;
    // The last record of the range becomes the top row (the newest record is row 1).
    main.Vyvod_soderzhaniya_vsey_tablitsy();
    const int row = g.Kolichestvo_zapisey - g.Konets_diapazona + 1;
    main.selectRow(row, row);
    main.Otobrazit_soderzhimoe_paneli_sostoyaniya();
    main.Otobrazit_zagolovok_programmy();
    g.Diapazon_izmenen = false;
}

void resetHistories(TMainForm& main, Globalnye_peremennye_slovarya& g) {
    if (g.Okno_grupp_otkryto)
        return;
    if (g.Kolichestvo_zapisey == 0) {
        showMessage(g, QStringLiteral("В словаре еще нет записей и историй ..."));
        selectColumn2(main);
        return;
    }
    bool any = false;
    for (const HistoryInfo& h : histories())
        any = any || historyExists(g, h.history);
    if (!any) {
        showMessage(g, QStringLiteral("Истории упражнений еще не формировались. Обнулять нечего."));
        return;
    }
    TForma_obnulenie_istoriy* window = g.okna ? g.okna->Forma_obnulenie_istoriy : nullptr;
    if (!window)
        return;
    window->exec();
    if (!window->Obnulenie_podtverzhdeno)
        return;
    Obnulenie_statistiki(g, false, window->selection());
    main.Otobrazit_soderzhimoe_paneli_sostoyaniya();
}

void recognition(TMainForm& main, Globalnye_peremennye_slovarya& g, RecognitionKind kind) {
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

void install(TMainForm& main, const char* name, std::function<void()> command) {
    QAction* action = main.findChild<QAction*>(QString::fromUtf8(name));
    if (!action)
        return;
    action->setEnabled(true);
    QObject::connect(action, &QAction::triggered, &main, [command] { command(); });
}

} // namespace

void registerRemainderPanes(TMainForm& main, Globalnye_peremennye_slovarya& g) {
    const std::pair<const char*, QString (*)(Globalnye_peremennye_slovarya&)> panes[] = {
        {"Панель_вывода_остатка_непредъявленных_слов",
         &Pervonachalnyy_ostatok_nepredyavlennykh_angliyskikh_slov},
        {"Панель_вывода_непредъявленных_русских_слов",
         &Pervonachalnyy_ostatok_nepredyavlennykh_russkikh_slov},
        {"Панель_вывода_остаток_с_английского",
         &Pervonachalnyy_ostatok_nepredyavlennykh_perevodov_s_angliyskogo},
        {"Панель_вывода_остаток_с_русского",
         &Pervonachalnyy_ostatok_nepredyavlennykh_perevodov_s_russkogo},
        {"Панель_вывода_несопоставленных_пар", &Pervonachalnyy_ostatok_nesopostavlennykh_par},
    };
    Globalnye_peremennye_slovarya* s = &g;
    for (const auto& [name, text] : panes) {
        const auto procedure = text;
        main.setStatusPaneProcedure(QString::fromUtf8(name),
                                    [s, procedure] { return procedure(*s); });
    }
}

void installExerciseRangeCommands(TMainForm& main, Globalnye_peremennye_slovarya& g) {
    registerRemainderPanes(main, g);
    TMainForm* m = &main;
    Globalnye_peremennye_slovarya* s = &g;
    install(main, "Действие_изменить_диапазон", [m, s] { changeRange(*m, *s); });
    install(main, "Действие_обнулить_историю", [m, s] { resetHistories(*m, *s); });
    install(main, "Действие_случайные_слова",
            [m, s] { recognition(*m, *s, RecognitionKind::English); });
    install(main, "Действие_русские_слова",
            [m, s] { recognition(*m, *s, RecognitionKind::Russian); });
}

} // namespace telvo
