#pragma once

#include "app/core/Globals.h"
#include "exercises/logic/Recognition.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

namespace telvo {

// "Подсказка": shows the one text given to it before it opens.
class HintWindow : public QDialog {
    Q_OBJECT
public:
    void setHint(const QString& text);

    QLabel* Nadpis_soderzhanie_podskazki = nullptr;
    QPushButton* Knopka_zakryt = nullptr;

protected:
    HintWindow(const char* name, QSize clientSize, QWidget* parent);

private:
    QSize base_;
};

class TForma_podskazka_dlya_angliyskogo_slova : public HintWindow {
    Q_OBJECT
public:
    explicit TForma_podskazka_dlya_angliyskogo_slova(QWidget* parent = nullptr);
};

class TForma_podskazka_dlya_russkogo_slova : public HintWindow {
    Q_OBJECT
public:
    explicit TForma_podskazka_dlya_russkogo_slova(QWidget* parent = nullptr);
};

// The window of a recognition exercise: one word at a time, answered with "Помню, дальше" or
// "Забыл (F5)". The exercise object lives as long as the window, so the current word carries
// over from one opening to the next. Every close saves the history.
class RecognitionWindow : public QDialog {
    Q_OBJECT
public:
    RecognitionExercise& exercise() { return exercise_; }

    // Shows the remaining count in the window and in the main window's pane.
    void Opredelit_ostatok_slov();

    void done(int result) override;

    QLabel* Nadpis_sluchaynoe_slovo = nullptr;
    QLabel* Nadpis_ostatok_slov = nullptr;
    QPushButton* Knopka_pomnyu = nullptr;
    QPushButton* Knopka_zabyl = nullptr;
    QPushButton* Knopka_ostanovit_pokaz = nullptr;
    QCheckBox* Pereklyuchatel_sleduyushchiy_raz_ne_pokazyvat = nullptr;

protected:
    RecognitionWindow(Globalnye_peremennye_slovarya& g, RecognitionKind kind, QWidget* parent);

    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showCurrent();
    void onRemember();
    void onForgot();
    void onBoxToggled(bool checked);
    void showHint();
    void setBoxQuietly(bool checked);
    HintWindow* hintWindow();

    Globalnye_peremennye_slovarya& g_;
    RecognitionKind kind_;
    RecognitionExercise exercise_;
    // False while the program itself changes the check box.
    bool boxActionAllowed_ = false;
};

class TForma_okno_pokaza_slova : public RecognitionWindow {
    Q_OBJECT
public:
    explicit TForma_okno_pokaza_slova(Globalnye_peremennye_slovarya& g, QWidget* parent = nullptr);
};

class TForma_okno_pokaza_russkogo_slova : public RecognitionWindow {
    Q_OBJECT
public:
    explicit TForma_okno_pokaza_russkogo_slova(Globalnye_peremennye_slovarya& g,
                                               QWidget* parent = nullptr);
};

// The starting procedures: build the table when flagged, ask to begin anew when nothing is
// left, and show the exercise window modally (the long-lived one of g.okna).
void Predyavlenie_sluchaynykh_angliyskikh_slov(Globalnye_peremennye_slovarya& g);
void Predyavlenie_sluchaynykh_russkikh_slov(Globalnye_peremennye_slovarya& g);

} // namespace telvo
