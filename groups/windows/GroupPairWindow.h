#pragma once

#include "app/core/Globals.h"
#include "groups/logic/GroupExercise.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTableWidget;

namespace telvo {

// "Составление пар (Слово-Перевод) из слов группы.": the group's words and translations in two
// shuffled columns; a double-click (or Enter) chooses a cell, a single click clears a verdict.
class TForma_sostsvit_pari_iz_slov_gruppi : public QDialog {
    Q_OBJECT
public:
    TForma_sostsvit_pari_iz_slov_gruppi(Globalnye_peremennye_slovarya& g,
                                        const tip_Zapis_gruppy_slov& group, QWidget* parent);

    const GroupPairExercise& exercise() const { return exercise_; }
    // The picture shown now, by its name ("Нет_слов", "Одно_слово", "Правильно", ...).
    const QString& pictureName() const { return picture_; }

    QLabel* Nadpis_ostalos_sopovit_par = nullptr;
    QTableWidget* Tablitsa_par_slov_gruppy = nullptr;
    QLabel* Nadpis_vybrannoe_slovo = nullptr;
    QLabel* Nadpis_vybrannyy_perevod = nullptr;
    QLabel* Nadpis_pravilnost_sopostavleniya = nullptr;
    QLabel* Kartinka_formy_sopostavlenie_par_slov = nullptr;
    QPushButton* Knopka_zakryt = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void choose(int row, int column);
    void singleClick();
    void showPicture(const char* name);

    GroupPairExercise exercise_;
    QString picture_;
};

} // namespace telvo
