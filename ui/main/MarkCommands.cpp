// The main window's commands for forgotten and marked words and for exclusion from the
// exercises, and the wiring of the search and jump commands.

#include "ui/main/TMainForm.h"

#include "app/windows/Messages.h"
#include "store/Exclusion.h"
#include "store/Forgotten.h"
#include "store/RecordTableModel.h"
#include "ui/common/RecordTableView.h"
#include "ui/main/MarkDialogs.h"

#include <QAction>
#include <QEvent>
#include <QFileInfo>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace telvo {

namespace {

// Starts the substring searches over from the first row when the English field is left or
// the translation field is entered. Focus that moves to or from another window (a message
// window the search itself opened) is no such move.
class SearchPositionReset : public QObject {
public:
    SearchPositionReset(Globalnye_peremennye_slovarya& g, QObject* english, QObject* translation,
                        QObject* parent)
        : QObject(parent), g_(g), english_(english), translation_(translation) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const bool leftEnglish = watched == english_ && event->type() == QEvent::FocusOut;
        const bool enteredTranslation = watched == translation_ && event->type() == QEvent::FocusIn;
        if ((leftEnglish || enteredTranslation) &&
            static_cast<QFocusEvent*>(event)->reason() != Qt::ActiveWindowFocusReason &&
            static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
            g_.Nomer_naydennoy_stroki = 0;
        return false;
    }

private:
    Globalnye_peremennye_slovarya& g_;
    QObject* english_;
    QObject* translation_;
};

} // namespace

void TMainForm::installSearchAndMarkCommands() {
    const std::pair<const char*, void (TMainForm::*)()> commands[] = {
        {"Действие_найти_слово", &TMainForm::Deystvie_nayti_slovoExecute},
        {"Действие_найти_подстроку_перевода", &TMainForm::Deystvie_nayti_podstroku_perevodaExecute},
        {"Действие_перейти_к_номеру", &TMainForm::Deystvie_pereyti_k_nomeruExecute},
        {"Дейсвтие_перепрыгнуть", &TMainForm::Deysvtie_pereprygnutExecute},
        {"Действие_отметить_забытое_слово", &TMainForm::Deystvie_otmetit_zabytoe_slovoExecute},
        {"Действие_просто_отметить_слово", &TMainForm::Deystvie_prosto_otmetit_slovoExecute},
        {"Действие_обнулить_забытые", &TMainForm::Deystvie_obnulit_zabytyeExecute},
        {"Действие_обнулить_отмеченные", &TMainForm::Deystvie_obnulit_otmechennyeExecute},
        {"Действие_связать_забытые_с_отмеченными",
         &TMainForm::Deystvie_svyazat_zabytye_s_otmechennymiExecute},
        {"Действие_отметить_забытыми_по_дате",
         &TMainForm::Deystvie_otmetit_zabytymi_po_dateExecute},
        {"Действие_отметить_забытыми_по_номерам",
         &TMainForm::Deystvie_otmetit_zabytymi_po_nomeramExecute},
        {"Действие_исключить_слово_из_показа",
         &TMainForm::Deystvie_isklyuchit_slovo_iz_pokazaExecute},
    };
    for (const auto& [name, command] : commands) {
        QAction* a = action(name);
        a->setEnabled(true);
        bind(a, [this, command] { (this->*command)(); });
    }

    connect(englishSearchButton_, &QPushButton::clicked, action("Действие_найти_слово"),
            &QAction::trigger);
    connect(translationSearchButton_, &QPushButton::clicked,
            action("Действие_найти_подстроку_перевода"), &QAction::trigger);
    englishSearchButton_->setEnabled(true);
    translationSearchButton_->setEnabled(true);
    // A click on "Искать далее" leaves the focus in its field, so the next press goes on from
    // the row found last; Tab still reaches the buttons.
    englishSearchButton_->setFocusPolicy(Qt::TabFocus);
    translationSearchButton_->setFocusPolicy(Qt::TabFocus);

    auto restart = [this] { g_.Nomer_naydennoy_stroki = 0; };
    connect(englishSearch_, &QLineEdit::textChanged, this, restart);
    connect(translationSearch_, &QLineEdit::textChanged, this, restart);
    auto* reset = new SearchPositionReset(g_, englishSearch_, translationSearch_, this);
    englishSearch_->installEventFilter(reset);
    translationSearch_->installEventFilter(reset);
}

// ---- Forgotten and marked words -------------------------------------------------------------

void TMainForm::Deystvie_otmetit_zabytoe_slovoExecute() {
    const int row = selectedRow();
    const int32_t number = model_->recordNumber(row - 1);
    if (number == 0)
        return; // the empty row of an empty table or view
    if (model_->isExcluded(row - 1)) {
        showError(g_, QString::fromUtf8(kExcludedNotForgotten));
        return;
    }
    Sostoyanie_dinamicheskikh_massivov(g_);

    // A changed row at the edge of the visible rows keeps its neighbour in sight.
    const int top = table_->topRow();
    const int visible = table_->visibleRows();
    const RecordTableView::SelectionEdge edge = table_->selectionEdge();

    if (Izmenit_optsiyu_slova_zabytoe_ili_vspomnennoe(g_, number) ==
        ForgottenToggle::RefusedExcluded) {
        showError(g_, QString::fromUtf8(kExcludedNotForgotten));
        return;
    }
    g_.Obnovit_pary = true;
    Vyvod_soderzhaniya_vsey_tablitsy();
    if (g_.Rezhim_zabytye) {
        // The word has left the view.
        const RowPosition position =
            positionAfterLeavingForgottenView(row, top, model_->recordRows(), visible);
        selectRow(position.selected, position.top);
    }
    table_->keepNeighbourInSight(edge);
    table_->viewport()->update();
    Otobrazit_soderzhimoe_paneli_sostoyaniya();
}

void TMainForm::Deystvie_prosto_otmetit_slovoExecute() {
    const int32_t number = model_->recordNumber(selectedRow() - 1);
    if (number == 0)
        return;
    g_.Nomer_tekushchey_zapisi = number;
    Izmenit_otmetku_slova(g_);
    Vyvod_soderzhaniya_vsey_tablitsy();
}

void TMainForm::Deystvie_obnulit_zabytyeExecute() {
    if (g_.Kolichestvo_zapisey == 0) {
        showMessage(g_, QStringLiteral("В словаре еще нет записей и забытых слов ..."));
        selectColumn2();
        return;
    }
    if (!QFileInfo::exists(g_.puti.statForget)) {
        showMessage(g_, QStringLiteral("Забытые слова еще не сформированы ..."));
        return;
    }
    if (!askQuestion(g_, QStringLiteral("Все отметки о забытых словах будут утрачены. Обнулить "
                                        "забытые слова?")))
        return;
    Obnulenie_zabytykh_slov(g_);
    if (g_.Rezhim_zabytye) {
        clearRepetitions();
        wordLabel_->clear();
    }
    focusTable();
    Otobrazit_soderzhimoe_paneli_sostoyaniya();
    Vyvod_soderzhaniya_vsey_tablitsy();
    Sostoyanie_dinamicheskikh_massivov(g_);
}

void TMainForm::Deystvie_obnulit_otmechennyeExecute() {
    if (g_.Kolichestvo_zapisey == 0) {
        showMessage(g_, QStringLiteral("В словаре еще нет записей и отмеченных слов ..."));
        selectColumn2();
        return;
    }
    if (Opredelit_kolichestvo_otmechennykh_slov(g_) == 0) {
        showMessage(g_, QStringLiteral("Пока нет ни одного отмеченного слова."));
        return;
    }
    if (!askQuestion(g_, QStringLiteral("Все отметки с отмеченых слов будут сняты. Снять все "
                                        "такие отметки?")))
        return;
    Snyat_vse_otmetki(g_);
    Vyvod_soderzhaniya_vsey_tablitsy();
}

void TMainForm::Deystvie_svyazat_zabytye_s_otmechennymiExecute() {
    if (g_.Okno_grupp_otkryto)
        return;
    if (g_.Kolichestvo_zapisey == 0) {
        showMessage(g_, QStringLiteral("В словаре еще нет записей..."));
        selectColumn2();
        return;
    }
    if (Opredelit_kolichestvo_otmechennykh_slov(g_) == 0) {
        showMessage(g_, QStringLiteral("Пока нет ни одного отмеченного слова."));
        return;
    }
    if (!askQuestion(g_, QStringLiteral("Все просто отмеченные слова (и только они) будт "
                                        "отмеченные как забытые. Связать забытые с "
                                        "отмеченными?")))
        return;
    Svyazat_zabytye_s_otmechennymi(g_);
    Vyvod_soderzhaniya_vsey_tablitsy();
    Otobrazit_soderzhimoe_paneli_sostoyaniya();
    Sostoyanie_dinamicheskikh_massivov(g_);
}

void TMainForm::Deystvie_otmetit_zabytymi_po_dateExecute() {
    if (g_.Okno_grupp_otkryto)
        return;
    if (g_.Kolichestvo_zapisey == 0) {
        showMessage(g_, QStringLiteral("В словаре еще нет записей, отмечать нечего ..."));
        return;
    }
    {
        TForma_otmetit_zabitimi_po_date dialog(g_, *this);
        dialog.exec();
    }
    Sostoyanie_dinamicheskikh_massivov(g_);
}

void TMainForm::Deystvie_otmetit_zabytymi_po_nomeramExecute() {
    if (g_.Okno_grupp_otkryto)
        return;
    {
        TForma_otmetit_zabitimi_po_nomeram dialog(g_, *this);
        dialog.exec();
    }
    Sostoyanie_dinamicheskikh_massivov(g_);
}

// ---- Exclusion from the exercises -----------------------------------------------------------

void TMainForm::Deystvie_isklyuchit_slovo_iz_pokazaExecute() {
    if (g_.Okno_grupp_otkryto)
        return;
    const int row = selectedRow();
    const int32_t number = model_->recordNumber(row - 1);
    if (number == 0)
        return;
    if (model_->isForgotten(row - 1)) {
        showError(g_, QStringLiteral("Нельзя слово исключать из показа в упражнениях, если оно "
                                     "отмечено как забытое."));
        return;
    }
    if (model_->isExcluded(row - 1)) {
        if (!askQuestion(g_, QStringLiteral("Вы действительно хотите сделать так, что бы это "
                                            "слово и его перевод теперь показывались в "
                                            "упражнениях?")))
            return;
        g_.Nomer_tekushchey_zapisi = number;
        Vosstanovit_slovo_dlya_pokaza(g_);
    } else {
        if (g_.Kolichestvo_razreshennykh_k_pokazu < 2) {
            showError(g_, QStringLiteral("Нельзя исключить из показа в упражнениях все записи."));
            return;
        }
        if (!askQuestion(g_, QStringLiteral("Вы действительно хотите сделать так, что бы это "
                                            "слово и его перевод больше не показывались в "
                                            "упражнениях?")))
            return;
        g_.Nomer_tekushchey_zapisi = number;
        Isklyuchit_slovo_iz_pokaza(g_);
    }
    Vyvod_soderzhaniya_vsey_tablitsy();
    Otobrazit_soderzhimoe_paneli_sostoyaniya();
    Sostoyanie_dinamicheskikh_massivov(g_);
}

} // namespace telvo
