// The idioms window's commands, keys and mouse handling.

#include "app/core/SystemMessage.h"
#include "app/windows/Messages.h"
#include "idioms/logic/IdiomFile.h"
#include "idioms/logic/IdiomMarks.h"
#include "idioms/windows/IdiomDialogs.h"
#include "idioms/windows/TForma_idiomi.h"
#include "store/TextRules.h"
#include "ui/common/RecordTableView.h"

#include <QAction>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace telvo {

namespace {

using M = IdiomTableModel;
const char* const kNoIdioms = "В словаре идиом еще нет записей ...";

bool plainKey(const QKeyEvent* e) {
    return (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

} // namespace

void TForma_idiomi::add() {
    ScopedFlag mode(g_.Rezhim_dobavleniya_idiomy);
    TForma_dobavit_idiomu dialog(g_, access(), this);
    dialog.exec();
    if (g_.Idioma_dobavlena) {
        Vyvod_soderzhaniya_vsey_tablitsy_idiom();
        if (!translationBox_->isChecked()) {
            translationBox_->setChecked(true);
            onTranslationClicked();
        }
        g_.Idioma_dobavlena = false;
        selectRow(1, 1);
        clearRepetitions();
        Otobrazit_zagolovok_formy_idiomy();
        Otobrazit_soderzhimoe_paneli_sostoyaniya_formy_idiomy();
    }
    focusTable();
    selectColumn2();
}

void TForma_idiomi::insert() {
    ScopedFlag mode(g_.Rezhim_vstavki_idiomy);
    if (g_.Kolichestvo_idiom == 0) {
        showMessage(g_, QString::fromUtf8(kNoIdioms));
    } else {
        g_.Nomer_tekushchey_idiomy = selectedNumber();
        const int row = selectedRow();
        TForma_vstavit_idiomu dialog(g_, access(), this);
        dialog.exec();
        if (g_.Idioma_vstavlena) {
            const bool after = dialog.insertsAfter();
            refresh();
            // "за" puts the new idiom just below the selected row: the selection follows it.
            selectRow(after ? row + 1 : row);
            g_.Idioma_vstavlena = false;
            clearRepetitions();
            Otobrazit_zagolovok_formy_idiomy();
        }
    }
    focusTable();
    selectColumn2();
}

void TForma_idiomi::edit() {
    if (g_.Rezhim_zabytye_idiomy)
        return;
    ScopedFlag mode(g_.Rezhim_izmeneniya_idiomy);
    if (g_.Kolichestvo_idiom == 0) {
        showMessage(g_, QString::fromUtf8(kNoIdioms));
    } else {
        g_.Nomer_tekushchey_idiomy = selectedNumber();
        TForma_izmenit_idiomu dialog(g_, access(), this);
        dialog.exec();
        if (g_.Idioma_izmenena) {
            model_->updateTexts(selectedRow() - 1, g_.Izmenennaya_idioma,
                                g_.Izmenennyy_perevod_idiomy);
            Otobrazit_idiomu_v_verkhney_paneli(selectedRow());
            g_.Idioma_izmenena = false;
        }
    }
    selectColumn2();
}

void TForma_idiomi::remove() {
    if (g_.Kolichestvo_idiom == 0)
        return showMessage(
            g_, QStringLiteral("В словаре идиом и фразовых глаголов еще нет записей ..."));
    if (!selectedCell(M::Iskl) && g_.Kolichestvo_idiom != 1 &&
        g_.Kolichestvo_razreshennykh_k_pokazu_idiom < 2)
        return showError(g_, QStringLiteral("Если эту идиому удалить, то не останется идиом для "
                                            "показа в упражнениях."));
    const int remembered = selectedRow();
    g_.Nomer_tekushchey_idiomy = selectedNumber();
    TForma_udalit_idiomu dialog(g_, this);
    dialog.exec();
    if (g_.Idioma_udalena) {
        Vyvod_soderzhaniya_vsey_tablitsy_idiom();
        int row = remembered;
        if (remembered == g_.Kolichestvo_idiom + 1 && g_.Kolichestvo_idiom > 0)
            row = g_.Kolichestvo_idiom;
        if (!translationBox_->isChecked()) {
            translationBox_->setChecked(true);
            onTranslationClicked();
        }
        g_.Idioma_udalena = false;
        Otobrazit_soderzhimoe_paneli_sostoyaniya_formy_idiomy();
        selectRow(row);
        if (g_.Kolichestvo_idiom == 0)
            label_->clear();
        clearRepetitions();
        Otobrazit_zagolovok_formy_idiomy();
    }
    selectColumn2();
}

void TForma_idiomi::jump() {
    const JumpResult r = randomIdiomJump(g_, lastShownRow_);
    if (r.status == JumpStatus::Refused) {
        showMessage(g_, r.message);
    } else if (r.status == JumpStatus::Jumped) {
        selectRow(r.row);
    }
    // No acceptable row: the selection stays.
    selectColumn2();
}

void TForma_idiomi::findTranslation() {
    keepVisible(
        [] { showSystemMessage(QStringLiteral("Действие найти перевод еще не готово ...")); });
}

void TForma_idiomi::notReady(const char* text) {
    showSystemMessage(QString::fromUtf8(text));
}

void TForma_idiomi::resetForgotten() {
    if (g_.Kolichestvo_zabytykh_idiom <= 0)
        return showMessage(g_, QStringLiteral("В словаре забытых идиом еще нет. Обнулять нечего."));
    if (!askQuestion(g_, QStringLiteral("Все отметки о забытых идиомах будут утрачены. Обнулить "
                                        "забытые идиомы?")))
        return;
    Obnulit_zabytye_idiomy(g_);
    if (g_.Rezhim_zabytye_idiomy) {
        clearRepetitions();
        label_->clear();
    }
    focusTable();
    refresh();
}

void TForma_idiomi::resetMarks() {
    if (!Imeyutsya_otmechennye_idiomy(g_))
        return showMessage(g_,
                           QStringLiteral("В словаре еще нет отмеченных идиом. Обнулять нечего."));
    if (askQuestion(g_,
                    QStringLiteral("Все отметки идиом будут утрачены. Обнулить отметки идиом?"))) {
        Obnulit_otmechennye_idiomy(g_);
        Vyvod_soderzhaniya_vsey_tablitsy_idiom();
    }
}

void TForma_idiomi::toggleForgotten() {
    if (g_.Kolichestvo_idiom == 0)
        return;
    g_.Nomer_tekushchey_idiomy = selectedNumber();
    if (selectedCell(M::Iskl))
        return showError(g_, QStringLiteral("Нельзя отмечать идиому как забытую, если она "
                                            "исключена из показа в упражнениях."));
    keepVisible([this] { Izmenit_otmetku_idiomy_zabytaya(g_); });
    refresh();
}

void TForma_idiomi::toggleMark() {
    if (g_.Kolichestvo_idiom == 0)
        return;
    g_.Nomer_tekushchey_idiomy = selectedNumber();
    keepVisible([this] { Izmenit_otmetku_idiomy(g_); });
    Vyvod_soderzhaniya_vsey_tablitsy_idiom();
}

void TForma_idiomi::markByDate() {
    if (g_.Kolichestvo_idiom == 0)
        return showMessage(g_, QStringLiteral("В словаре еще нет идиом, отмечать нечего ..."));
    TForma_otetit_idiomi_po_date dialog(g_, access(), this);
    dialog.exec();
}

void TForma_idiomi::markByNumbers() {
    TForma_otmetit_zabitimi_idiomi_po_nomeram dialog(g_, access(), this);
    dialog.exec();
}

void TForma_idiomi::linkForgottenWithMarks() {
    if (g_.Kolichestvo_idiom == 0) {
        showMessage(g_, QStringLiteral("В словаре еще нет идиом..."));
        return selectColumn2();
    }
    if (!Imeyutsya_otmechennye_idiomy(g_))
        return showMessage(g_, QStringLiteral("Пока нет ни одной отмеченной идиомы."));
    if (askQuestion(g_, QStringLiteral("Все просто отмеченные идиомы (и только они) будт "
                                       "отмеченные как забытые. Связать забытые с отмеченными?"))) {
        Svyaz_zabytykh_s_otmechennymi(g_);
        refresh();
    }
}

void TForma_idiomi::toggleExclusion() {
    if (g_.Kolichestvo_idiom == 0)
        return;
    if (selectedCell(M::Zabyto))
        return showError(g_, QStringLiteral("Нельзя идиому исключать из показа в упражнениях, "
                                            "если она отмечена как забытая."));
    if (selectedCell(M::Iskl)) {
        if (!askQuestion(g_, QStringLiteral("Вы действительно хотите сделать так, что бы этп "
                                            "идиома и ее перевод теперь показывались в "
                                            "упражнениях?")))
            return;
        g_.Nomer_tekushchey_idiomy = selectedNumber();
        keepVisible([this] { Vosstanovit_idiomu_dlya_pokaza(g_); });
    } else {
        if (g_.Kolichestvo_razreshennykh_k_pokazu_idiom < 2)
            return showError(g_, QStringLiteral("Нельзя исключить из показа в упражнениях все "
                                                "записи."));
        if (!askQuestion(g_, QStringLiteral("Вы действительно хотите сделать так, что бы эта "
                                            "идиома и ее перевод больше не показывались в "
                                            "упражнениях?")))
            return;
        g_.Nomer_tekushchey_idiomy = selectedNumber();
        keepVisible([this] { Isklyuchit_idiomu_iz_pokaza(g_); });
    }
    refresh();
}

void TForma_idiomi::goToNumber() {
    TForma_perehod_k_idiome_po_nomeru dialog(g_, access(), this);
    dialog.exec();
}

void TForma_idiomi::range() {
    if (g_.Kolichestvo_idiom == 0)
        return showMessage(
            g_, QStringLiteral("В словаре идиом (фразовых глоголах) еще нет записей ..."));
    TForma_diapazon_v_idiomah dialog(g_, this);
    dialog.exec();
    if (g_.Diapazon_idiom_izmenen) {
        refresh();
        const int row = std::max(1, g_.Kolichestvo_idiom - g_.Konets_diapazona_idiom + 1);
        selectRow(row, row);
        Otobrazit_zagolovok_formy_idiomy();
        g_.Diapazon_idiom_izmenen = false;
    }
}

void TForma_idiomi::searchText() {
    search(textSearch_, M::Idioma, Poisk_podstroki_perevoda_idiom);
}

void TForma_idiomi::searchTranslation() {
    search(translationSearch_, M::Perevod, Poisk_podstroki_perevoda_idiomy);
}

void TForma_idiomi::search(QLineEdit* field, int column,
                           SearchResult (*find)(Globalnye_peremennye_slovarya&, const QString&,
                                                bool)) {
    if (g_.Kolichestvo_idiom == 0)
        return showMessage(g_, QString::fromUtf8(kNoIdioms));
    const SearchResult r = find(g_, normalizeField(field->text()), translationBox_->isChecked());
    switch (r.status) {
    case SearchStatus::Found:
        selectRow(r.row);
        table_->setCurrentIndex(model_->index(r.row - 1, column));
        return;
    case SearchStatus::TranslationHidden:
        showMessage(g_, r.message);
        return focusTable();
    case SearchStatus::EmptyText:
        showMessage(g_, r.message);
        field->setFocus(Qt::OtherFocusReason);
        return field->clear();
    case SearchStatus::NothingFound:
        showMessage(g_, r.message);
        return field->setFocus(Qt::OtherFocusReason);
    }
}

void TForma_idiomi::jumpTop() {
    selectRow(1, 1);
    focusTable();
}

void TForma_idiomi::jumpBottom() {
    selectRow(model_->rowCount());
    focusTable();
}

// ---- Keys and mouse ---------------------------------------------------------------------------

bool TForma_idiomi::tableKeyDown(QKeyEvent* e) {
    if (!plainKey(e))
        return false;
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        findTranslation();
        break;
    case Qt::Key_Space:
        translationBox_->setChecked(!translationBox_->isChecked());
        onTranslationClicked();
        break;
    case Qt::Key_Insert:
        if (g_.Rezhim_zabytye_idiomy) {
            showMessage(g_, QStringLiteral("При использовании режима «Забытые» добавление новых "
                                           "записей запрещено."));
            return true;
        }
        add();
        break;
    case Qt::Key_Delete:
        if (g_.Rezhim_zabytye_idiomy) {
            showMessage(g_, QStringLiteral("При использовании режима «Забытые» удаление слов из "
                                           "словаря запрещено."));
            return true;
        }
        remove();
        break;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        selectColumn2();
        table_->viewport()->update();
        return false; // the table moves the selection
    case Qt::Key_Home:
        jumpTop();
        break;
    case Qt::Key_End:
        jumpBottom();
        break;
    default:
        return false;
    }
    table_->viewport()->update();
    return true;
}

void TForma_idiomi::tableKeyUp(QKeyEvent* e) {
    if (e->isAutoRepeat())
        return;
    rowChanged_ = selectedRow() != lastShownRow_;
    Otobrazit_idiomu_v_verkhney_paneli(selectedRow());
    if (e->key() == Qt::Key_PageUp || e->key() == Qt::Key_PageDown)
        table_->viewport()->update();
}

void TForma_idiomi::tableDoubleClick() {
    if (!mouseCell_.isValid() || mouseCell_.column() < 1 || selectedNumber() == 0)
        return;
    if (g_.Kolichestvo_idiom == 0)
        return showMessage(g_, QStringLiteral("В словаре еще нет записей ..."));
    switch (table_->currentIndex().column()) {
    case M::Iskl:
        toggleExclusion();
        break;
    case M::Idioma:
    case M::Perevod:
        findTranslation();
        break;
    case M::Zabyto:
    case M::Data:
        if (selectedCell(M::Iskl))
            return showError(g_, QStringLiteral("Нельзя отмечать слово как забытое, если оно "
                                                "исключено из показа в упражнениях."));
        toggleForgotten();
        break;
    case M::Otm:
        toggleMark();
        break;
    default:
        break;
    }
    selectColumn2();
}

bool TForma_idiomi::searchFieldKey(QLineEdit* field, QKeyEvent* e) {
    switch (e->key()) {
    case Qt::Key_Delete:
        field->clear();
        return true;
    case Qt::Key_Home:
        selectRow(1, 1);
        focusTable();
        return true;
    case Qt::Key_Up:
        focusTable();
        return true;
    case Qt::Key_Shift:
        shiftInSearch_ = true;
        return false;
    case Qt::Key_Insert: {
        // Shift+Insert is the add command's own key, taken here rather than as a shortcut
        // (see eventFilter): it opens the dialog once and pastes nothing.
        const bool held = (e->modifiers() & ~Qt::KeypadModifier) == Qt::ShiftModifier;
        const bool remembered = shiftInSearch_;
        shiftInSearch_ = false;
        if (held || (!remembered && plainKey(e))) {
            add();
            return true;
        }
        return false;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (field == textSearch_)
            searchText();
        else
            searchTranslation();
        return true;
    default:
        return false;
    }
}

bool TForma_idiomi::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride &&
        (watched == textSearch_ || watched == translationSearch_)) {
        // A line edit claims Shift+Insert as paste; here it is the add command's key. The
        // field takes the key press instead of the shortcut, and its Insert handling runs the
        // command once.
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Insert &&
            (key->modifiers() & ~Qt::KeypadModifier) == Qt::ShiftModifier) {
            event->accept();
            return true;
        }
    }
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (watched == textSearch_ || watched == translationSearch_)
            return searchFieldKey(static_cast<QLineEdit*>(watched), key);
        if (watched == counter_) {
            if (key->key() == Qt::Key_PageDown) {
                rowChanged_ = false;
                focusTable();
                return true;
            }
            if (key->key() == Qt::Key_Insert && plainKey(key)) {
                add();
                return true;
            }
        }
        if (watched == translationSearchButton_ && key->key() == Qt::Key_Insert && plainKey(key)) {
            add();
            return true;
        }
    } else if (event->type() == QEvent::KeyRelease &&
               static_cast<QKeyEvent*>(event)->key() == Qt::Key_Shift) {
        shiftInSearch_ = false;
    } else if (event->type() == QEvent::FocusIn &&
               (watched == textSearch_ || watched == translationSearch_)) {
        g_.Pozitsiya_poiska_idiom = 0;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace telvo
