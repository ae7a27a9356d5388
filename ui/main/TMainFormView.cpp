// The main window's view: showing, the view state file, the status bar, the caption, the word
// label, the timers and the input of the record table and the small controls.

#include "ui/main/TMainForm.h"

#include "app/windows/Messages.h"
#include "app/windows/TextFit.h"
#include "store/DataFolder.h"
#include "store/Forgotten.h"
#include "store/Range.h"
#include "store/RecordFile.h"
#include "store/RecordTableModel.h"
#include "store/Records.h"
#include "store/Search.h"
#include "store/TextRules.h"
#include "store/ViewState.h"
#include "ui/common/ClickableLabel.h"
#include "ui/common/FlagIndicator.h"
#include "ui/common/Fonts.h"
#include "ui/common/RecordTableView.h"
#include "ui/main/RecordTableDelegate.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <limits>

namespace telvo {

namespace {

bool plainKey(const QKeyEvent* e) {
    return (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

} // namespace

// ---- Showing and closing ------------------------------------------------------------------

void TMainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
}

void TMainForm::FormShow() {
    setFixedSize(1223, 549);
    if (QScreen* desktop = screen()) {
        const QRect area = desktop->availableGeometry();
        move(area.center() - frameGeometry().center() + pos());
    }

    Proverka_nalichiya_bazy_slov(g_);

    model_->setTranslationShown(true);
    g_.Rezhim_zabytye = false;
    rowChanged_ = false;

    Otobrazhenie_kolichestva_zapisey(g_);
    Prochitat_diapazon(g_);
    Prochitat_parametry_vneshnego_vida();
    Otobrazit_soderzhimoe_paneli_sostoyaniya();

    // Plain setChecked: the click handlers must not run here.
    translationBox_->setChecked(model_->translationShown());
    filterBox_->setChecked(g_.Rezhim_zabytye);

    upPicture_->setPixmap(QPixmap(QStringLiteral(":/images/Вверх.png")));
    if (g_.Kolichestvo_zapisey > 0) {
        Vyvod_soderzhaniya_vsey_tablitsy();
        // Rows remembered from a larger dictionary (or another view) fall back to the nearest
        // row that exists.
        const int rows = model_->rowCount();
        const int row = std::clamp(rememberedRow_, 1, rows);
        const int top = std::clamp(rememberedTopRow_, 1, rows);
        table_->setCurrentIndex(model_->index(row - 1, RecordTableModel::Angl));
        table_->setTopRow(top);
        table_->scrollTo(model_->index(row - 1, RecordTableModel::Angl));
        Otobrazit_angliyskoe_slovo_v_verkhney_paneli(row);
        englishSearch_->setMaxLength(45);
        translationSearch_->setMaxLength(60);
        rowChanged_ = true;
        Otobrazit_zagolovok_programmy();
        hours_ = minutes_ = seconds_ = 0;
        stopwatchPane_->setText(stopwatchText());
    } else {
        Vyvod_soderzhaniya_vsey_tablitsy();
        wordLabel_->clear();
        panes_[0]->setText(QStringLiteral("  Записей = 0 (0)"));
        table_->setCurrentIndex(model_->index(0, RecordTableModel::Angl));
        Otobrazit_zagolovok_programmy();
    }
    focusTable();
}

void TMainForm::reloadFromDataFolder() {
    FormShow();
    Sostoyanie_dinamicheskikh_massivov(g_);
}

bool TMainForm::event(QEvent* event) {
    if (event->type() == QEvent::WindowUnblocked) {
        // A modal window that blocked this one has closed. Without a window manager (and on
        // some platforms) nothing gives the activation back, and the command keys only work
        // in the active window; take it back unless another window has it.
        QTimer::singleShot(0, this, [this] {
            if (isVisible() && QApplication::activeWindow() == nullptr)
                activateWindow();
        });
    }
    return QMainWindow::event(event);
}

void TMainForm::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        flag_->activate();
        onLayoutTimer();
        layoutTimer_->start();
    }
}

void TMainForm::closeEvent(QCloseEvent* event) {
    if (!askQuestion(g_, QStringLiteral("Вы хотите выйти из программы Telvo: Vocabulary?"))) {
        event->ignore();
        return;
    }
    QGuiApplication::clipboard()->setText(QString());
    if (shown_)
        Sokhranit_parametry_vneshnego_vida();
    layoutTimer_->stop();
    stopwatchTimer_->stop();
    event->accept();
}

// ---- View state -----------------------------------------------------------------------------

void TMainForm::Prochitat_parametry_vneshnego_vida() {
    // A file that cannot serve (too short, unreadable, a folder) counts as missing: the
    // defaults are used.
    const std::optional<ViewStateRecord> stored = readViewState(g_.puti.start);
    if (!stored) {
        rememberedRow_ = 1;
        rememberedTopRow_ = 1;
        g_.Kolichestvo_povtoreniy = 0;
    } else {
        const ViewStateRecord& state = *stored;
        model_->setTranslationShown(state.translationColumn);
        g_.Rezhim_zabytye = state.forgottenOnly;
        rememberedTopRow_ = state.topRow;
        rememberedRow_ = state.selectedRow;
        g_.Kolichestvo_povtoreniy = std::max<int32_t>(0, state.Kolichestvo_povtoreniy);
    }
    repetitionsButton_->setText(
        g_.Kolichestvo_povtoreniy == 0 ? QString() : QString::number(g_.Kolichestvo_povtoreniy));
}

void TMainForm::Sokhranit_parametry_vneshnego_vida() {
    ViewStateRecord state;
    state.translationColumn = translationBox_->isChecked();
    state.forgottenOnly = g_.Rezhim_zabytye;
    state.topRow = table_->topRow();
    state.selectedRow = selectedRow();
    state.Kolichestvo_povtoreniy = g_.Kolichestvo_povtoreniy;
    writeViewState(g_.puti.start, state);
}

// ---- Table, status bar, caption, word label -------------------------------------------------

void TMainForm::Vyvod_soderzhaniya_vsey_tablitsy() {
    // The grid kept its selected and top rows across a rebuild where they still exist.
    const int row = selectedRow();
    const int top = table_->topRow();
    model_->reload();
    const int rows = model_->rowCount();
    fitNumberColumn();
    table_->setCurrentIndex(model_->index(std::clamp(row, 1, rows) - 1, RecordTableModel::Angl));
    table_->setTopRow(std::clamp(top, 1, rows));
    if (g_.Kolichestvo_zapisey == 0) {
        wordLabel_->clear();
        panes_[0]->setText(QStringLiteral("  Записей = 0 (0)"));
        panes_[1]->clear();
    }
}

void TMainForm::fitNumberColumn() {
    // The cell text is drawn 5 pixels in from the left and clipped 2 pixels before the right
    // edge (the grid line); the given 40 pixels stay the minimum.
    const QString widest = recordNumberCellText(std::max(g_.Kolichestvo_zapisey, 1));
    table_->setColumnWidth(RecordTableModel::Nomer, widthToShow(table_->font(), widest, 4, 40));
}

QString TMainForm::wordLabelText() const {
    return wordLabel_->text();
}

void TMainForm::setStatusPane(StatusPane pane, const QString& text) {
    panes_.at(static_cast<size_t>(pane))->setText(text);
}

void TMainForm::setStatusPaneProcedure(StatusPane pane, std::function<QString()> procedure) {
    paneProcedures_[pane] = std::move(procedure);
}

void TMainForm::Otobrazit_soderzhimoe_paneli_sostoyaniya() {
    auto fill = [this](StatusPane pane) {
        const auto procedure = paneProcedures_.find(pane);
        if (procedure != paneProcedures_.end())
            setStatusPane(pane, procedure->second());
    };
    // In this order: count, English and Russian words left, translations from English and
    // from Russian left, forgotten words, pairs left, modification date.
    setStatusPane(StatusPane::Records, Otobrazhenie_kolichestva_zapisey(g_));
    for (StatusPane pane : {StatusPane::RemainderEnglish, StatusPane::RemainderRussian,
                            StatusPane::RemainderFromEnglish, StatusPane::RemainderFromRussian})
        fill(pane);
    setStatusPane(StatusPane::Forgotten, Pervonachalnoe_kolichestvo_zabytykh_slov(g_));
    fill(StatusPane::UnmatchedPairs);
    setStatusPane(StatusPane::ChangeDate, Data_izmeneniya_slovarya(g_));
}

void TMainForm::Otobrazit_zagolovok_programmy() {
    QString caption = QStringLiteral("Telvo: Vocabulary \u2015 Лексикар.");
    if (g_.Kolichestvo_zapisey != 0)
        caption += QStringLiteral(" (Диапазон для упражнений: %1 - %2)")
                       .arg(g_.Nachalo_diapazona)
                       .arg(g_.Konets_diapazona);
    setWindowTitle(caption);
}

void TMainForm::Otobrazit_angliyskoe_slovo_v_verkhney_paneli(int row) {
    const QString text =
        row >= 1 && row <= model_->rowCount() ? model_->english(row - 1) : QString();
    wordLabel_->setText(text);
    // A long English text gets a smaller size rather than losing its end.
    shrinkFontToFit(wordLabel_, tahomaFont(28, true));
    lastShownRow_ = row;
    QGuiApplication::clipboard()->setText(text);
    if (rowChanged_)
        clearRepetitions();
    rowChanged_ = true;
}

void TMainForm::Uvelichit_znachenie_povtoreniy() {
    if (g_.Kolichestvo_zapisey == 0)
        return;
    if (g_.Rezhim_zabytye && g_.Kolichestvo_zabytykh_slov == 0) {
        repetitionsButton_->setText(QString());
        return;
    }
    // A count read from the view state may already stand at the largest number.
    if (g_.Kolichestvo_povtoreniy < std::numeric_limits<int32_t>::max())
        ++g_.Kolichestvo_povtoreniy;
    repetitionsButton_->setText(QString::number(g_.Kolichestvo_povtoreniy));
}

void TMainForm::clearRepetitions() {
    g_.Kolichestvo_povtoreniy = 0;
    repetitionsButton_->setText(QString());
}

int TMainForm::selectedRow() const {
    return table_->selectedRow();
}

int TMainForm::rowCount() const {
    return model_->rowCount();
}

RowWords TMainForm::rowWords(int row) const {
    return {model_->cellText(row - 1, RecordTableModel::Angl),
            model_->cellText(row - 1, RecordTableModel::Transkr),
            model_->cellText(row - 1, RecordTableModel::Perevod)};
}

int32_t TMainForm::selectedRecord() const {
    return model_->rowCount() > 0 ? model_->recordNumber(selectedRow() - 1) : 0;
}

void TMainForm::selectRow(int row, int topRow) {
    Otobrazit_angliyskoe_slovo_v_verkhney_paneli(
        table_->selectRow(row, RecordTableModel::Angl, topRow));
}

void TMainForm::selectEnglishWord(const QString& word) {
    const SearchResult found = Poisk_angliyskogo_slova(g_, word);
    if (found.status == SearchStatus::Found) {
        selectRow(found.row);
        focusTable();
    } else {
        showMessage(g_, found.message);
    }
}

void TMainForm::selectColumn2() {
    const QModelIndex current = table_->currentIndex();
    const int row = current.isValid() ? current.row() : 0;
    table_->setCurrentIndex(model_->index(row, RecordTableModel::Angl));
}

void TMainForm::focusTable() {
    table_->setFocus(Qt::OtherFocusReason);
}

// ---- Timers and small controls --------------------------------------------------------------

void TMainForm::onLayoutTimer() {
    flag_->tick();
    const bool editable = !g_.Rezhim_zabytye;
    for (const char* name : {"Действие_добавить_слово", "Действие_вставить_слово",
                             "Действие_изменить_запись", "Действие_удалить_запись"})
        action(name)->setEnabled(editable);
}

void TMainForm::onTranslationClicked() {
    if (translationBox_->isChecked()) {
        const int row = selectedRow();
        const int top = table_->topRow();
        model_->setTranslationShown(true);
        Vyvod_soderzhaniya_vsey_tablitsy();
        table_->setTopRow(top);
        table_->setCurrentIndex(
            model_->index(std::clamp(row, 1, model_->rowCount()) - 1, RecordTableModel::Angl));
    } else {
        model_->setTranslationShown(false);
    }
    focusTable();
}

void TMainForm::onFilterClicked() {
    g_.Rezhim_zabytye = filterBox_->isChecked();
    Vyvod_soderzhaniya_vsey_tablitsy();
    if (g_.Rezhim_zabytye) {
        selectRow(1, 1);
    } else {
        selectRow(fullViewRowOf(g_.Kolichestvo_zapisey, g_.Konets_diapazona));
    }
    Otobrazit_soderzhimoe_paneli_sostoyaniya();
    Sostoyanie_dinamicheskikh_massivov(g_);
    focusTable();
}

void TMainForm::Deystvie_primenit_otmenit_filtrExecute() {
    if (g_.Okno_grupp_otkryto)
        return;
    filterBox_->click();
}

void TMainForm::onRepetitionsClicked() {
    Uvelichit_znachenie_povtoreniy();
}

void TMainForm::stopwatchTick() {
    if (++seconds_ == 60) {
        seconds_ = 0;
        if (++minutes_ == 60) {
            minutes_ = 0;
            if (++hours_ > 9)
                hours_ = 0;
        }
    }
    stopwatchPane_->setText(stopwatchText());
}

QString TMainForm::stopwatchText() const {
    return QStringLiteral(" %1:%2:%3")
        .arg(hours_)
        .arg(minutes_, 2, 10, QLatin1Char('0'))
        .arg(seconds_, 2, 10, QLatin1Char('0'));
}

void TMainForm::onStopwatchClicked() {
    if (stopwatchTimer_->isActive())
        stopwatchTimer_->stop();
    else
        stopwatchTimer_->start();
}

void TMainForm::onStopwatchDoubleClicked() {
    hours_ = minutes_ = seconds_ = 0;
    stopwatchPane_->setText(stopwatchText());
    stopwatchTimer_->start();
}

void TMainForm::Pryignut_na_samyy_verkh() {
    selectRow(1, 1);
    focusTable();
}

void TMainForm::Pryignut_na_samyy_niz() {
    selectRow(model_->rowCount());
    focusTable();
}

// ---- Record table input ---------------------------------------------------------------------

bool TMainForm::tableKeyDown(QKeyEvent* e) {
    bool handled = false;
    const int key = e->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && plainKey(e)) {
        action("Действие_найти_перевод")->trigger();
        handled = true;
    } else if (key == Qt::Key_Space && plainKey(e)) {
        translationBox_->click();
        handled = true;
    } else if (key == Qt::Key_Insert && plainKey(e)) {
        if (g_.Rezhim_zabytye)
            showMessage(g_, QStringLiteral("При использовании режима «Забытые» добавление новых "
                                           "слов запрещено."));
        else
            Deystvie_dobavit_slovoExecute();
        handled = true;
    } else if (key == Qt::Key_Delete && plainKey(e)) {
        if (g_.Rezhim_zabytye)
            showMessage(g_, QStringLiteral("При использовании режима «Забытые» удаление слов из "
                                           "словаря запрещено."));
        else
            Deystvie_udalit_zapisExecute();
        handled = true;
    } else if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
               key == Qt::Key_PageDown) {
        selectColumn2();
    } else if (key == Qt::Key_Home) {
        Pryignut_na_samyy_verkh();
        handled = true;
    } else if (key == Qt::Key_End) {
        Pryignut_na_samyy_niz();
        handled = true;
    }
    table_->viewport()->update();
    return handled;
}

void TMainForm::tableKeyUp(QKeyEvent*) {
    const int row = selectedRow();
    rowChanged_ = row != lastShownRow_;
    Otobrazit_angliyskoe_slovo_v_verkhney_paneli(row);
    table_->viewport()->update();
}

void TMainForm::tableMouseDown(const QPoint& at) {
    const int row = selectedRow();
    rowChanged_ = row != lastShownRow_;
    table_->viewport()->update();
    Otobrazit_angliyskoe_slovo_v_verkhney_paneli(row);
    mouseCell_ = table_->indexAt(at);
    if (table_->currentIndex().column() == RecordTableModel::Nomer)
        selectColumn2(); // the number column is the fixed one, never the current column
}

void TMainForm::tableDoubleClick() {
    // Only data cells of a row that shows a record; column 0 is the fixed column.
    if (!mouseCell_.isValid() || mouseCell_.column() < RecordTableModel::Iskl ||
        model_->recordNumber(selectedRow() - 1) == 0)
        return;
    const int column = mouseCell_.column();
    const char* command = column == RecordTableModel::Iskl ? "Действие_исключить_слово_из_показа"
                          : column <= RecordTableModel::Perevod ? "Действие_найти_перевод"
                          : column <= RecordTableModel::Data ? "Действие_отметить_забытое_слово"
                                                             : "Действие_просто_отметить_слово";
    action(command)->trigger();
    Otobrazit_soderzhimoe_paneli_sostoyaniya();
    selectColumn2();
}

void TMainForm::tableClick() {
    if (selectedRow() == lastShownRow_)
        rowChanged_ = false;
}

void TMainForm::tableWheel(int steps) {
    const int row = selectedRow();
    const int next = row + steps;
    if (next < 1 || next > model_->rowCount())
        return;
    const QModelIndex index = model_->index(next - 1, RecordTableModel::Angl);
    table_->setCurrentIndex(index);
    table_->scrollTo(index);
    rowChanged_ = next != lastShownRow_;
    Otobrazit_angliyskoe_slovo_v_verkhney_paneli(next);
}

// ---- Keys of the other controls -------------------------------------------------------------

QAction* TMainForm::actionForKey(const QKeyEvent* key) const {
    const QKeyCombination pressed = key->keyCombination();
    for (QAction* a : actions()) {
        for (const QKeySequence& sequence : a->shortcuts()) {
            if (sequence.count() == 1 && sequence[0] == pressed)
                return a;
        }
    }
    return nullptr;
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    const bool searchField = watched == englishSearch_ || watched == translationSearch_;
    if (searchField && event->type() == QEvent::ShortcutOverride) {
        // The window's command keys win over the field's own (Ctrl+Ins copy, Shift+Ins paste,
        // Ctrl+Z undo, ...): the field takes the key press and hands it to the command below.
        if (actionForKey(static_cast<QKeyEvent*>(event))) {
            event->accept();
            return true;
        }
        return false;
    }
    if (event->type() == QEvent::MouseButtonDblClick && watched == wordLabel_) {
        action("Действие_показать_транскрипцию")->trigger();
        return true;
    }
    if (event->type() != QEvent::KeyPress)
        return QMainWindow::eventFilter(watched, event);

    auto* e = static_cast<QKeyEvent*>(event);
    if (searchField) {
        if (QAction* command = actionForKey(e)) {
            command->trigger();
            return true;
        }
        auto* field = static_cast<QLineEdit*>(watched);
        if (!plainKey(e))
            return false;
        switch (e->key()) {
        case Qt::Key_Delete:
            field->clear();
            return true;
        case Qt::Key_Home:
            table_->setCurrentIndex(model_->index(0, RecordTableModel::Angl));
            table_->setTopRow(1);
            table_->viewport()->update();
            focusTable();
            return true;
        case Qt::Key_Up:
            focusTable();
            return true;
        case Qt::Key_Insert:
            Deystvie_dobavit_slovoExecute();
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            action(field == englishSearch_ ? "Действие_найти_слово"
                                           : "Действие_найти_подстроку_перевода")
                ->trigger();
            return true;
        default:
            return false;
        }
    }
    if (watched == repetitionsButton_ && plainKey(e)) {
        if (e->key() == Qt::Key_PageDown) {
            rowChanged_ = false;
            focusTable();
            return true;
        }
        if (e->key() == Qt::Key_Insert) {
            Deystvie_dobavit_slovoExecute();
            return true;
        }
    }
    if ((watched == englishSearchButton_ || watched == translationSearchButton_) && plainKey(e) &&
        e->key() == Qt::Key_Insert) {
        Deystvie_dobavit_slovoExecute();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace telvo
