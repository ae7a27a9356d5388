#pragma once

#include "app/core/Globals.h"
#include "app/windows/TextFit.h"

#include <QDialog>
#include <optional>

class QLabel;
class QPushButton;

namespace telvo {

// The three small windows the program talks to the user through. Each is created once at
// start and shown modally again and again; it takes its text from the shared state when it
// is shown.

// "Сообщение": information and refusals, text from Tekst_soobshcheniya.
class TForma_soobshenie : public QDialog {
    Q_OBJECT
public:
    explicit TForma_soobshenie(Globalnye_peremennye_slovarya& g, QWidget* parent = nullptr);
    void setVisible(bool visible) override;

    QLabel* Nadpis_tekst_soobshcheniya = nullptr;
    QPushButton* Knopka_zakryt = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    Globalnye_peremennye_slovarya& g_;
    std::optional<LabelFit> fit_;
};

// "Вопрос": text from Tekst_voprosa; Otvet_da is true afterwards only when "Да" was pressed.
class TForma_vopros_s_viborom : public QDialog {
    Q_OBJECT
public:
    explicit TForma_vopros_s_viborom(Globalnye_peremennye_slovarya& g, QWidget* parent = nullptr);
    void setVisible(bool visible) override;

    QLabel* Nadpis_tekst_voprosa = nullptr;
    QPushButton* Knopka_da = nullptr;
    QPushButton* Knopka_net = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    Globalnye_peremennye_slovarya& g_;
    std::optional<LabelFit> fit_;
};

// "Сообщение об ошибке": rule violations, text from Tekst_oshibki; centred on the desktop.
class TForma_soobschenie_ob_oschibke : public QDialog {
    Q_OBJECT
public:
    explicit TForma_soobschenie_ob_oschibke(Globalnye_peremennye_slovarya& g,
                                            QWidget* parent = nullptr);
    void setVisible(bool visible) override;

    QLabel* Oblast_teksta_soobshcheniya = nullptr;
    QPushButton* Knopka_zakryt = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    Globalnye_peremennye_slovarya& g_;
    std::optional<LabelFit> fit_;
};

} // namespace telvo
