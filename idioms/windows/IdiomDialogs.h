#pragma once

#include "app/core/Globals.h"
#include "idioms/logic/IdiomFile.h"

#include <QDialog>
#include <functional>

class QCalendarWidget;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace telvo {

class FlagIndicator;

// What the idioms window offers its dialogs: its table, without its class.
struct IdiomTableAccess {
    std::function<void(int row)> selectRow; // select, redraw, show in the label
    std::function<void()> rebuild;          // table and status panes
    std::function<void(int row)> selectTopRow;
};

// The add, insert and edit dialogs: the idiom and translation fields with their maxima, the
// layout flag, the storing button (default) and "Закрыть". Esc closes without storing.
class IdiomTextsDialog : public QDialog {
    Q_OBJECT
public:
    QLineEdit* Pole_vvoda_angliyskogo_teksta = nullptr;
    QLineEdit* Pole_vvoda_perevoda = nullptr;
    QPushButton* storeButton = nullptr;
    QPushButton* Knopka_zakryt = nullptr;
    FlagIndicator* flagPicture = nullptr;

protected:
    IdiomTextsDialog(Globalnye_peremennye_slovarya& g, IdiomTableAccess table, QWidget* parent,
                     const char* className, const char* title, QSize client, int fieldsTop,
                     const char* textLabel, const char* translationLabel, const char* buttonName,
                     const char* buttonText);

    IdiomTexts normalisedTexts() const;
    // Refuses an empty text with `emptyText` and a duplicate with `duplicateQuestion` (on "Да"
    // the existing idiom is selected and the dialog closes). True when nothing may be stored.
    bool refused(const IdiomTexts& texts, const char* emptyText, const char* duplicateQuestion);
    void focusText();

    virtual void store() = 0;

    Globalnye_peremennye_slovarya& g_;
    IdiomTableAccess table_;
};

class TForma_dobavit_idiomu : public IdiomTextsDialog {
    Q_OBJECT
public:
    TForma_dobavit_idiomu(Globalnye_peremennye_slovarya& g, IdiomTableAccess table,
                          QWidget* parent);

protected:
    void showEvent(QShowEvent* event) override;
    void store() override;
};

class TForma_vstavit_idiomu : public IdiomTextsDialog {
    Q_OBJECT
public:
    TForma_vstavit_idiomu(Globalnye_peremennye_slovarya& g, IdiomTableAccess table,
                          QWidget* parent);
    bool insertsAfter() const;

    QLabel* Nadpis_nomer_vybrannogo_slova = nullptr;
    QRadioButton* after = nullptr;
    QRadioButton* before = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void store() override;
};

class TForma_izmenit_idiomu : public IdiomTextsDialog {
    Q_OBJECT
public:
    TForma_izmenit_idiomu(Globalnye_peremennye_slovarya& g, IdiomTableAccess table,
                          QWidget* parent);

protected:
    void showEvent(QShowEvent* event) override;
    void store() override;
};

class TForma_udalit_idiomu : public QDialog {
    Q_OBJECT
public:
    TForma_udalit_idiomu(Globalnye_peremennye_slovarya& g, QWidget* parent);
    QLabel* Nadpis_udalyaemaya_idioma = nullptr;
    QPushButton* Knopka_da = nullptr;
    QPushButton* Knopka_net = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    Globalnye_peremennye_slovarya& g_;
};

// The idiom exercise range. Edits a copy of the range and stores it on "Сохранить" only.
class TForma_diapazon_v_idiomah : public QDialog {
    Q_OBJECT
public:
    TForma_diapazon_v_idiomah(Globalnye_peremennye_slovarya& g, QWidget* parent);
    QLineEdit* Pole_vvoda_nachalnogo_nomera = nullptr;
    QLineEdit* Pole_vvoda_konechnogo_nomera = nullptr;
    QPushButton* Knopka_do_kontsa = nullptr;
    QCheckBox* Vklyuchatel_vsego_diapazona_idiom = nullptr;
    QPushButton* Knopka_sokhranit = nullptr;
    QPushButton* Knopka_zakryt = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void onWhole();
    void save();
    void enableFields(bool enabled);

    Globalnye_peremennye_slovarya& g_;
    bool doKontsa_ = false;
};

class TForma_perehod_k_idiome_po_nomeru : public QDialog {
    Q_OBJECT
public:
    TForma_perehod_k_idiome_po_nomeru(Globalnye_peremennye_slovarya& g, IdiomTableAccess table,
                                      QWidget* parent);
    QLineEdit* Polee_vvoda_nomera = nullptr;
    QPushButton* Knopka_pereyti = nullptr;
    QPushButton* Knopka_zakryt = nullptr;

private:
    void go();

    Globalnye_peremennye_slovarya& g_;
    IdiomTableAccess table_;
};

class TForma_otmetit_zabitimi_idiomi_po_nomeram : public QDialog {
    Q_OBJECT
public:
    TForma_otmetit_zabitimi_idiomi_po_nomeram(Globalnye_peremennye_slovarya& g,
                                              IdiomTableAccess table, QWidget* parent);
    QLineEdit* Pole_vvoda_zrachenie_nachalnogo_nomera = nullptr;
    QLineEdit* Pole_vvoda_znachenie_konechnogo_nomera = nullptr;
    QPushButton* Knopka_otmetit = nullptr;
    QPushButton* Knopka_zakryt = nullptr;

private:
    void mark();

    Globalnye_peremennye_slovarya& g_;
    IdiomTableAccess table_;
};

class TForma_otetit_idiomi_po_date : public QDialog {
    Q_OBJECT
public:
    TForma_otetit_idiomi_po_date(Globalnye_peremennye_slovarya& g, IdiomTableAccess table,
                                 QWidget* parent);
    QCalendarWidget* Kalendar = nullptr;
    QLabel* Nadpis_vybrannaya_data = nullptr;
    QPushButton* Knopka_otmetit_idiomy_po_vybrannoy_date = nullptr;
    QPushButton* Knopka_zakryt = nullptr;

private:
    void mark();

    Globalnye_peremennye_slovarya& g_;
    IdiomTableAccess table_;
};

} // namespace telvo
