#pragma once

#include "app/core/Globals.h"
#include "app/windows/TextFit.h"
#include "exercises/logic/FindTranslation.h"
#include "exercises/logic/Pairs.h"
#include "exercises/logic/Translation.h"
#include "ui/common/MainWindow.h"

#include <QDialog>
#include <optional>

class QLabel;
class QPushButton;
class QTableWidget;

namespace telvo {

// "Ошибочный выбор": shown modally after every wrong pick of the choice exercises.
class TForma_ocshibochniy_vibor : public QDialog {
    Q_OBJECT
public:
    explicit TForma_ocshibochniy_vibor(QWidget* parent = nullptr);

    QLabel* Nadpis_oshibochnyy_vybor = nullptr;
    QPushButton* Knopka_zakryt = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
};

// Shows the wrong-choice window of g.okna modally (nothing when it was not created).
void showWrongChoice(Globalnye_peremennye_slovarya& g);

// The list of ten answers shared by the translation and find-translation windows: a pick is a
// click on a row, Enter, or any change of the selected row that does not come from Up, Down,
// Page Up, Page Down, Home or End (which go to the first and the last row) and not from the
// window itself.
class ChoiceList;

// The two multiple-choice translation windows. The exercise object lives as long as the window,
// so the current question carries over from one opening to the next.
class TranslationWindow : public QDialog {
    Q_OBJECT
public:
    TranslationWindow(Globalnye_peremennye_slovarya& g, TranslationKind kind, QWidget* parent);

    // The whole exercise as the main-window command runs it after its checks: start decision,
    // the question whether to begin anew, the window.
    void run();

    TranslationExercise& exercise() { return exercise_; }

    QLabel* questionLabel = nullptr;
    QTableWidget* list = nullptr;
    QLabel* Nadpis_ostatok_perevodov = nullptr;
    QPushButton* Knopka_zabyl = nullptr;
    QPushButton* Knopka_ostanovit_pokaz = nullptr;

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    StatusPane pane() const;
    void count();
    void showPresented(const PresentOutcome& out);
    void onPick(int row);
    void stop();
    void forget();

    Globalnye_peremennye_slovarya& g_;
    TranslationKind kind_;
    TranslationExercise exercise_;
    ChoiceList* choice_ = nullptr;
    std::optional<LabelFit> questionFit_;
};

// "Найти английское слово": the Russian translation is shown, the English word is picked.
class TForma_okno_pokaza_perevodov : public TranslationWindow {
    Q_OBJECT
public:
    explicit TForma_okno_pokaza_perevodov(Globalnye_peremennye_slovarya& g,
                                          QWidget* parent = nullptr);
};

// "Найти русский перевод": the English word is shown, the translation is picked.
class TForma_okno_perevodov_s_angliyskogo : public TranslationWindow {
    Q_OBJECT
public:
    explicit TForma_okno_perevodov_s_angliyskogo(Globalnye_peremennye_slovarya& g,
                                                 QWidget* parent = nullptr);
};

// "Сопоставление пар.  Слова и переводы.": portions of up to seven pairs in fourteen cells.
class TForma_vspomnit_zabitie_slova : public QDialog {
    Q_OBJECT
public:
    explicit TForma_vspomnit_zabitie_slova(Globalnye_peremennye_slovarya& g,
                                           QWidget* parent = nullptr);

    void run();
    PairMatching& exercise() { return exercise_; }

    QTableWidget* Tablitsa_predyavlyaemykh_par = nullptr;
    QLabel* Nadpis_kolichestvo_pravilnykh_sopostavleniy = nullptr;
    QLabel* Nadpis_kolichestvo_eshche_nesopostavlennykh_par = nullptr;
    QLabel* Nadpis_pervyy_vybrannyy_variant = nullptr;
    QLabel* Nadpis_vtoroy_vybrannyy_variant = nullptr;
    QLabel* Nadpis_pravilno = nullptr;
    QPushButton* Knopka_udalit_vybrannuyu_paru = nullptr;
    QPushButton* Knopka_sleduyushchaya_portsiya_slov = nullptr;
    QPushButton* Knopka_ostanovit_pokaz = nullptr;

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refresh();
    void fillList();
    void onPick(int row);
    void clearPair();
    void nextPortion();

    Globalnye_peremennye_slovarya& g_;
    PairMatching exercise_;
};

// "Найти перевод": ten translations for the main window's current word.
class TForma_naiyti_perevod : public QDialog {
    Q_OBJECT
public:
    explicit TForma_naiyti_perevod(Globalnye_peremennye_slovarya& g, QWidget* parent = nullptr);

    FindTranslation& exercise() { return exercise_; }

    QLabel* Nadpis_angliyskoe_slovo = nullptr;
    QTableWidget* Tablitsa_perevodov = nullptr;
    QPushButton* Knopka_otmetit_slovo_kak_zabytoe = nullptr;
    QPushButton* Knopka_zakryt = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void onPick(int row);
    void toggleForgotten();

    Globalnye_peremennye_slovarya& g_;
    FindTranslation exercise_;
    ChoiceList* choice_ = nullptr;
    std::optional<LabelFit> wordFit_;
};

} // namespace telvo
