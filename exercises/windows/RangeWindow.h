#pragma once

#include "app/core/Globals.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace telvo {

// "Изменение диапазона слов для упражнений": the exercise range edited as two record numbers
// or as the whole dictionary. Saving writes the range, discards every history and sets
// Diapazon_izmenen; closing in any other way changes nothing.
class TForma_izmeneniy_diapazona : public QDialog {
    Q_OBJECT
public:
    explicit TForma_izmeneniy_diapazona(Globalnye_peremennye_slovarya& g,
                                        QWidget* parent = nullptr);

    QLineEdit* Pole_vvoda_nachalnogo_nomera = nullptr;
    QLineEdit* Pole_vvoda_konechnogo_nomera = nullptr;
    QPushButton* Knopka_do_kontsa = nullptr;
    QCheckBox* Vklyuchatel_vsego_diapazona_slov = nullptr;
    QPushButton* Knopka_sokhranit = nullptr;
    QPushButton* Knopka_zakryt = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void onWholeClicked(bool checked);
    void onToEnd();
    void onSave();
    void setEditsEnabled(bool enabled);

    Globalnye_peremennye_slovarya& g_;
    // "До конца" of this showing; it reaches the shared state only when the range is saved, so
    // that a cancelled window leaves the range exactly as it was.
    bool doKontsa_ = false;
};

} // namespace telvo
