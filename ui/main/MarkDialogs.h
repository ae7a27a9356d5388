#pragma once

#include "app/core/Globals.h"
#include "ui/common/RecordDialogs.h"

namespace telvo {

class TMainForm;

// "Перейти к слову  по номеру": selects the row of the typed record number.
class TForma_pereiti_k_nomeru : public GoToNumberDialog {
    Q_OBJECT
public:
    TForma_pereiti_k_nomeru(Globalnye_peremennye_slovarya& g, TMainForm& mainForm);
};

// Marks the words added on a chosen day as forgotten; stays open for another day.
class TForma_otmetit_zabitimi_po_date : public DateMarkingDialog {
    Q_OBJECT
public:
    TForma_otmetit_zabitimi_po_date(Globalnye_peremennye_slovarya& g, TMainForm& mainForm);
};

// Marks the records between two numbers as forgotten, all others as not forgotten.
class TForma_otmetit_zabitimi_po_nomeram : public NumberMarkingDialog {
    Q_OBJECT
public:
    TForma_otmetit_zabitimi_po_nomeram(Globalnye_peremennye_slovarya& g, TMainForm& mainForm);
};

} // namespace telvo
