// The main window's commands that change the dictionary, and what the window does after each
// dialog.

#include "ui/main/TMainForm.h"

#include "app/core/StandardTexts.h"
#include "app/windows/Messages.h"
#include "store/RecordFile.h"
#include "store/RecordTableModel.h"
#include "store/Records.h"
#include "ui/common/RecordTableView.h"
#include "ui/main/RecordDialogs.h"

#include <QCheckBox>

namespace telvo {

namespace {} // namespace

void TMainForm::Deystvie_dobavit_slovoExecute() {
    if (g_.Rezhim_zabytye)
        return;
    g_.Nomer_tekushchey_zapisi = 0;
    {
        const ScopedFlag mode(g_.Rezhim_dobavleniya);
        TForma_dobavit dialog(g_, *this);
        dialog.exec();
    }
    afterAdd();
}

void TMainForm::afterAdd() {
    if (g_.Slovo_dobavleno) {
        Vyvod_soderzhaniya_vsey_tablitsy();
        if (!translationBox_->isChecked()) {
            translationBox_->setChecked(true);
            model_->setTranslationShown(true);
        }
        g_.Slovo_dobavleno = false;
        clearRepetitions();
        selectRow(1, 1);
        Otobrazit_zagolovok_programmy();
        Sostoyanie_dinamicheskikh_massivov(g_);
        Otobrazit_soderzhimoe_paneli_sostoyaniya();
    }
    focusTable();
    selectColumn2();
}

void TMainForm::Deystvie_vstavit_slovoExecute() {
    if (g_.Okno_grupp_otkryto || g_.Rezhim_zabytye)
        return;
    if (g_.Kolichestvo_zapisey == 0) {
        showMessage(g_, QString::fromUtf8(kNoRecords));
        selectColumn2();
        return;
    }
    const int row = selectedRow();
    g_.Nomer_tekushchey_zapisi = model_->recordNumber(row - 1);
    bool after = true;
    {
        const ScopedFlag mode(g_.Rezhim_vstavki);
        TForma_vstavit dialog(g_, *this);
        dialog.exec();
        after = dialog.insertsAfter();
    }
    afterInsert(row, after);
}

void TMainForm::afterInsert(int rememberedRow, bool after) {
    if (g_.Slovo_vstavleno) {
        Vyvod_soderzhaniya_vsey_tablitsy();
        // The new record takes the selection's place: "за" puts it one row further down.
        const int row = after ? rememberedRow + 1 : rememberedRow;
        const QModelIndex index = model_->index(row - 1, RecordTableModel::Angl);
        table_->setCurrentIndex(index);
        table_->scrollTo(index);
        Otobrazit_soderzhimoe_paneli_sostoyaniya();
        Otobrazit_angliyskoe_slovo_v_verkhney_paneli(row);
        g_.Slovo_vstavleno = false;
        clearRepetitions();
        Sostoyanie_dinamicheskikh_massivov(g_);
        Otobrazit_zagolovok_programmy();
    }
    focusTable();
    selectColumn2();
}

void TMainForm::Deystvie_izmenit_zapisExecute() {
    if (g_.Rezhim_zabytye)
        return;
    {
        const ScopedFlag mode(g_.Rezhim_izmeneniya);
        if (g_.Kolichestvo_zapisey == 0) {
            showMessage(g_, QString::fromUtf8(kNoRecords));
        } else {
            const int row = selectedRow();
            g_.Nomer_tekushchey_zapisi = model_->recordNumber(row - 1);
            {
                TForma_izmenit dialog(g_, *this);
                dialog.exec();
            }
            afterEdit(row);
        }
    }
    selectColumn2();
}

void TMainForm::afterEdit(int row) {
    if (!g_.Zapis_izmenena)
        return;
    // The row is updated from the record as stored, without rebuilding the table.
    const QByteArray stored =
        RecordFile(g_.puti.vocabulary, DictRecord::kSize).read(g_.Nomer_tekushchey_zapisi - 1);
    model_->updateRecord(row - 1, stored);
    Otobrazit_angliyskoe_slovo_v_verkhney_paneli(row);
    g_.Zapis_izmenena = false;
    Sostoyanie_dinamicheskikh_massivov(g_);
}

void TMainForm::Deystvie_udalit_zapisExecute() {
    if (g_.Rezhim_zabytye)
        return;
    if (g_.Kolichestvo_zapisey == 0) {
        showMessage(g_, QString::fromUtf8(kNoRecords));
        selectColumn2();
        return;
    }
    const int row = selectedRow();
    if (!model_->isExcluded(row - 1) && g_.Kolichestvo_zapisey > 1 &&
        g_.Kolichestvo_razreshennykh_k_pokazu < 2) {
        showError(g_, QStringLiteral("Если эту записть удалить, то не останется записей для "
                                     "показа в упражнениях."));
        selectColumn2();
        return;
    }
    g_.Nomer_tekushchey_zapisi = model_->recordNumber(row - 1);
    {
        TForma_udalit_zapis dialog(g_, this);
        dialog.exec();
    }
    afterDelete(row);
}

void TMainForm::afterDelete(int rememberedRow) {
    if (g_.Zapis_udalena) {
        Vyvod_soderzhaniya_vsey_tablitsy();
        int row = rememberedRow;
        if (rememberedRow == g_.Kolichestvo_zapisey + 1 && g_.Kolichestvo_zapisey > 0)
            row = g_.Kolichestvo_zapisey; // it was the last row: the new last row
        row = std::clamp(row, 1, model_->rowCount());
        const QModelIndex index = model_->index(row - 1, RecordTableModel::Angl);
        table_->setCurrentIndex(index);
        table_->scrollTo(index);
        if (!translationBox_->isChecked()) {
            translationBox_->setChecked(true);
            model_->setTranslationShown(true);
        }
        g_.Zapis_udalena = false;
        Otobrazit_soderzhimoe_paneli_sostoyaniya();
        Otobrazit_angliyskoe_slovo_v_verkhney_paneli(row);
        clearRepetitions();
        Sostoyanie_dinamicheskikh_massivov(g_);
        Otobrazit_zagolovok_programmy();
    }
    selectColumn2();
}

} // namespace telvo
