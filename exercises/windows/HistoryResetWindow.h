#pragma once

#include "app/core/Globals.h"
#include "store/Histories.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QPushButton;

namespace telvo {

// "Обнуление историй выполнения упражнений": the user ticks the histories to reset. The window
// only confirms; the command that opened it does the reset.
class TForma_obnulenie_istoriy : public QDialog {
    Q_OBJECT
public:
    explicit TForma_obnulenie_istoriy(Globalnye_peremennye_slovarya& g, QWidget* parent = nullptr);

    // Set when the window closed through "Обнулить отмеченные истории упражнений".
    bool Obnulenie_podtverzhdeno = false;
    // The ticked boxes, in the order of histories().
    HistorySelection selection() const;

    // In the order of histories(): English, Russian, from English, from Russian, pairs.
    std::array<QCheckBox*, kHistoryCount> boxes{};
    QPushButton* Knopka_otmetit_vse = nullptr;
    QPushButton* Knopka_obnulit_otmechennye_istorii = nullptr;
    QPushButton* Knopka_zakryt = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void onReset();

    Globalnye_peremennye_slovarya& g_;
};

} // namespace telvo
