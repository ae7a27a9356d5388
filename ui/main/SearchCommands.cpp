// The main window's searches and jumps: the two substring searches of the lower panel, the
// go-to-number dialog and the random jump.

#include "ui/main/TMainForm.h"

#include "app/core/StandardTexts.h"
#include "app/windows/Messages.h"
#include "store/Search.h"
#include "store/TextRules.h"
#include "ui/common/RecordTableView.h"
#include "ui/main/MarkDialogs.h"

#include <QLineEdit>

namespace telvo {

namespace {} // namespace

void TMainForm::Deystvie_nayti_slovoExecute() {
    if (g_.Kolichestvo_zapisey == 0) {
        showMessage(g_, QString::fromUtf8(kNoRecords));
        return;
    }
    const SearchResult found =
        Poisk_podstroki_angliyskogo_slova(g_, normalizeField(englishSearch_->text()));
    switch (found.status) {
    case SearchStatus::Found:
        selectRow(found.row);
        return;
    case SearchStatus::EmptyText:
        showMessage(g_, found.message);
        englishSearch_->setFocus();
        englishSearch_->clear();
        return;
    case SearchStatus::TranslationHidden:
    case SearchStatus::NothingFound:
        showMessage(g_, found.message);
        englishSearch_->setFocus();
        return;
    }
}

void TMainForm::Deystvie_nayti_podstroku_perevodaExecute() {
    if (g_.Kolichestvo_zapisey == 0) {
        showMessage(g_, QString::fromUtf8(kNoRecords));
        return;
    }
    const SearchResult found = Poisk_podstroki_perevoda(
        g_, normalizeField(translationSearch_->text()), model_->translationShown());
    switch (found.status) {
    case SearchStatus::Found:
        selectRow(found.row);
        return;
    case SearchStatus::TranslationHidden:
        showMessage(g_, found.message);
        focusTable();
        return;
    case SearchStatus::EmptyText:
        showMessage(g_, found.message);
        translationSearch_->setFocus();
        translationSearch_->clear();
        return;
    case SearchStatus::NothingFound:
        showMessage(g_, found.message);
        translationSearch_->setFocus();
        return;
    }
}

void TMainForm::Deystvie_pereyti_k_nomeruExecute() {
    if (g_.Okno_grupp_otkryto)
        return;
    TForma_pereiti_k_nomeru dialog(g_, *this);
    dialog.exec();
}

void TMainForm::Deysvtie_pereprygnutExecute() {
    const JumpResult jump = randomJump(g_, lastShownRow_);
    switch (jump.status) {
    case JumpStatus::Jumped:
        selectRow(jump.row);
        return;
    case JumpStatus::Refused:
        showMessage(g_, jump.message);
        return;
    case JumpStatus::NoCandidate:
        // Every row the jump may land on is excluded or already shown: the selection stays.
        return;
    }
}

} // namespace telvo
