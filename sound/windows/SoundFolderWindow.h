#pragma once

#include "app/core/Globals.h"

#include <QDialog>
#include <QString>
#include <functional>

class QLabel;
class QPushButton;

namespace telvo {

class MainWindow;
class GroupsWindow;

// What the sound windows take from outside; tests put their own in.
struct SoundEnvironment {
    // A WAV file the user picks in a file dialog, `proposed` as its name; empty when cancelled.
    std::function<QString(QWidget* parent, const QString& title, const QString& proposed)>
        chooseSoundFile;
};
// Replaces what is set and returns what was.
SoundEnvironment setSoundEnvironment(SoundEnvironment environment);
SoundEnvironment& soundEnvironment();

// Where the recordings of the words are: shows the remembered folder, lets the user pick another
// by choosing any file in it, or go back to the default folder. Only the remembered file
// changes; the player takes the folder up at its next show.
class TForma_vibor_papki_so_zvukami : public QDialog {
    Q_OBJECT
public:
    explicit TForma_vibor_papki_so_zvukami(Globalnye_peremennye_slovarya& g,
                                           QWidget* parent = nullptr);

    QLabel* Nadpis_tekushchaya_papka_so_zvukami = nullptr;
    QPushButton* Knopka_vybrat_druguyu_papku = nullptr;
    QPushButton* Knopka_ustanovit_po_umolchaniyu = nullptr;
    QPushButton* Knopka_zakryt = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showFolder(const QString& folder);
    void chooseOther();
    void setDefault();

    Globalnye_peremennye_slovarya& g_;
};

// The main window's sound commands: the folder window.
void installSoundCommands(MainWindow& main, Globalnye_peremennye_slovarya& g);

} // namespace telvo
