#pragma once

#include "app/core/Globals.h"

#include <QDialog>

class QCalendarWidget;
class QLabel;
class QLineEdit;
class QPushButton;

namespace telvo {

class TMainForm;

// "Перейти к слову  по номеру": selects the row of the typed record number.
class TForma_pereiti_k_nomeru : public QDialog {
    Q_OBJECT
public:
    TForma_pereiti_k_nomeru(Globalnye_peremennye_slovarya& g, TMainForm& mainForm);

    QLineEdit* Polee_vvoda_nomera = nullptr;
    QPushButton* Knopka_pereyti = nullptr;
    QPushButton* Knopka_zakryt = nullptr;

private:
    void go();

    Globalnye_peremennye_slovarya& g_;
    TMainForm& mainForm_;
};

// Marks the words added on a chosen day as forgotten; stays open for another day.
class TForma_otmetit_zabitimi_po_date : public QDialog {
    Q_OBJECT
public:
    TForma_otmetit_zabitimi_po_date(Globalnye_peremennye_slovarya& g, TMainForm& mainForm);

    QCalendarWidget* Kalendar = nullptr;
    QLabel* Nadpis_vybrannaya_data = nullptr;
    QPushButton* Knopka_otmetit_slova_po_vybrannoy_date = nullptr;
    QPushButton* Knopka_zakryt = nullptr;

private:
    void showDate();
    void mark();

    Globalnye_peremennye_slovarya& g_;
    TMainForm& mainForm_;
};

// Marks the records between two numbers as forgotten, all others as not forgotten.
class TForma_otmetit_zabitimi_po_nomeram : public QDialog {
    Q_OBJECT
public:
    TForma_otmetit_zabitimi_po_nomeram(Globalnye_peremennye_slovarya& g, TMainForm& mainForm);

    QLineEdit* Pole_vvoda_zrachenie_nachalnogo_nomera = nullptr;
    QLineEdit* Pole_vvoda_znachenie_konechnogo_nomera = nullptr;
    QPushButton* Knopka_otmetit = nullptr;
    QPushButton* Knopka_zakryt = nullptr;

private:
    void mark();

    Globalnye_peremennye_slovarya& g_;
    TMainForm& mainForm_;
};

} // namespace telvo
