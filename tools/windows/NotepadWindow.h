#pragma once

#include "app/core/Globals.h"

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace telvo {

// Short notes kept in bloknotik.txt. Loaded when shown, written when closed after a change;
// when the file cannot be written the window says why and stays open unless the user chooses
// to close without saving, so the notes are not lost unasked.
class TForma_bloknotik : public QDialog {
    Q_OBJECT
public:
    explicit TForma_bloknotik(Globalnye_peremennye_slovarya& g, QWidget* parent = nullptr);

    // False when the file exists but cannot be read: the window then says so and closes, so
    // an empty memo never replaces notes it could not show.
    bool loaded() const { return loaded_; }
    bool changed() const { return Bloknot_izmenen_; }

    QPlainTextEdit* Oblast_vvoda_bloknotika = nullptr;
    QPushButton* Knopka_ochistit_vse = nullptr;
    QPushButton* Knopka_zakryt = nullptr;

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void clearAll();

    Globalnye_peremennye_slovarya& g_;
    bool Bloknot_izmenen_ = false;
    bool loading_ = false;
    bool loaded_ = true;
};

} // namespace telvo
