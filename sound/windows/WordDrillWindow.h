#pragma once

#include "app/core/Globals.h"
#include "sound/logic/WordDrill.h"

#include <QDialog>
#include <QTimer>
#include <functional>

class QLabel;
class QPushButton;

namespace telvo {

class GroupsWindow;
class MainWindow;

// The word drill: a word and its transcription flashed in turn, in large type, at a rhythm
// that follows the word's length, with the showings and the time counted. It plays no sound.
// A window for each opening.
class TForma_pokazat_transkripciu : public QDialog {
    Q_OBJECT
public:
    // `sources` is asked when the window shows: the texts are taken then.
    TForma_pokazat_transkripciu(Globalnye_peremennye_slovarya& g,
                                std::function<DrillSources()> sources, QWidget* parent = nullptr);

    const WordDrill& drill() const { return drill_; }

    QLabel* Nadpis_kolichestvo_pokazov_slova = nullptr;
    QLabel* Nadpis_taranskriptsiya = nullptr;
    QLabel* Nadpist_angliyskoe_slovo = nullptr;
    QPushButton* Knopka_ostanovit_prodolzhit = nullptr;
    QPushButton* Knopka_zakryt = nullptr;
    QTimer* Taymer = nullptr;
    QTimer* Taymer_sekundomera = nullptr;

    // What the two timers run; tests call them in place of waiting.
    void TaymerTimer();
    void Taymer_sekundomeraTimer();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void capture();
    void toggle();
    void showCounter();
    // Sets `label` to `text` at `points`, smaller when the text would leave the window.
    void fit(QLabel* label, const QString& text, int points);

    Globalnye_peremennye_slovarya& g_;
    std::function<DrillSources()> sources_;
    WordDrill drill_;
    QFont transcriptionFont_;
    QFont wordFont_;
};

// The drill's sources as the opener's flags name them: the main window's table, the selected
// row of `groups`, the sign selected in the reference.
DrillSources drillSources(const Globalnye_peremennye_slovarya& g, const GroupsWindow* groups,
                          const QString& sign = {});

// Opens the drill modally over `owner`; the opener has set its source flags.
void openWordDrill(Globalnye_peremennye_slovarya& g, QWidget* owner,
                   const GroupsWindow* groups = nullptr, const QString& sign = {});

// The main window's "Произносить слово много раз" on its selected word.
void installWordDrillCommand(MainWindow& main, Globalnye_peremennye_slovarya& g);
// The groups window's "Произносить слово" on its selected word (Ctrl+W, double click on the
// word label).
void installGroupsWordDrillCommand(GroupsWindow& groups, Globalnye_peremennye_slovarya& g);

} // namespace telvo
