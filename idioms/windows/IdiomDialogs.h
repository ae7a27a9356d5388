#pragma once

#include "app/core/Globals.h"
#include "idioms/logic/IdiomFile.h"
#include "ui/common/RecordDialogs.h"

#include <QDialog>
#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace telvo {

using IdiomTableAccess = RecordTableAccess;

class TForma_dobavit_idiomu : public RecordTextsDialog {
    Q_OBJECT
public:
    TForma_dobavit_idiomu(Globalnye_peremennye_slovarya& g, IdiomTableAccess table,
                          QWidget* parent);

protected:
    void showEvent(QShowEvent* event) override;
    void store() override;
};

class TForma_vstavit_idiomu : public RecordInsertDialog {
    Q_OBJECT
public:
    TForma_vstavit_idiomu(Globalnye_peremennye_slovarya& g, IdiomTableAccess table,
                          QWidget* parent);

protected:
    void showEvent(QShowEvent* event) override;
    void store() override;
};

class TForma_izmenit_idiomu : public RecordTextsDialog {
    Q_OBJECT
public:
    TForma_izmenit_idiomu(Globalnye_peremennye_slovarya& g, IdiomTableAccess table,
                          QWidget* parent);

protected:
    void showEvent(QShowEvent* event) override;
    void store() override;
};

class TForma_udalit_idiomu : public RecordDeleteDialog {
    Q_OBJECT
public:
    TForma_udalit_idiomu(Globalnye_peremennye_slovarya& g, QWidget* parent);
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

class TForma_perehod_k_idiome_po_nomeru : public GoToNumberDialog {
    Q_OBJECT
public:
    TForma_perehod_k_idiome_po_nomeru(Globalnye_peremennye_slovarya& g, IdiomTableAccess table,
                                      QWidget* parent);
};

class TForma_otmetit_zabitimi_idiomi_po_nomeram : public NumberMarkingDialog {
    Q_OBJECT
public:
    TForma_otmetit_zabitimi_idiomi_po_nomeram(Globalnye_peremennye_slovarya& g,
                                              IdiomTableAccess table, QWidget* parent);
};

class TForma_otetit_idiomi_po_date : public DateMarkingDialog {
    Q_OBJECT
public:
    TForma_otetit_idiomi_po_date(Globalnye_peremennye_slovarya& g, IdiomTableAccess table,
                                 QWidget* parent);
};

} // namespace telvo
