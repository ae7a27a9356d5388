#pragma once

#include "app/core/Globals.h"
#include "sound/logic/Player.h"

#include <QDialog>
#include <QTimer>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QGroupBox;
class QToolBar;

namespace telvo {

class MainWindow;
class GroupsWindow;

// How listen-all goes through its list: shuffled, or in file order.
class TForma_poryadok_proslushivaniya : public QDialog {
    Q_OBJECT
public:
    explicit TForma_poryadok_proslushivaniya(Globalnye_peremennye_slovarya& g,
                                             QWidget* parent = nullptr);

    QGroupBox* Radiogruppa = nullptr;
    QRadioButton* randomItem = nullptr;
    QRadioButton* inOrderItem = nullptr;
    QPushButton* Knopka_zakryt = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void choose(bool inOrder);
    Globalnye_peremennye_slovarya& g_;
};

// The player of word recordings: one word once or over and over, or every word of its source
// with pauses. A window for each opening; it cannot be closed while a sound plays.
class TForma_proigrivatel : public QDialog, private PlayerView {
    Q_OBJECT
public:
    // `callerWord` gives the word selected in the calling window (for "Выбрать файл").
    TForma_proigrivatel(Globalnye_peremennye_slovarya& g, SoundOutput& output,
                        std::function<QString()> callerWord, QWidget* parent = nullptr,
                        const GroupsWindow* groups = nullptr);
    ~TForma_proigrivatel() override;

    Player& player() { return player_; }

    QToolBar* Panel_upravleniya_proigryvatelya = nullptr;
    QAction* Deystvie_vybrat_fayl = nullptr;
    QAction* Deystvie_vybor_poryadka_proslushivaniya = nullptr;
    QAction* Deystvie_proiznosit_slovo = nullptr;
    QAction* Deystvie_slushat_slovo_mnogo_raz = nullptr;
    QLabel* Panel_risunka_slushat_zabytye = nullptr;
    QLabel* Nadpis_vremya = nullptr;
    QLabel* Nadpis_nomer_slova = nullptr;
    QPushButton* Knopka_podscheta_povtoreniy = nullptr;
    QLabel* Nadpis_vybrannyy_fayl = nullptr;
    QLineEdit* Stroka_s_polnym_imenem_fayla = nullptr;
    QComboBox* Spisok_vremeni_proslushivaniya = nullptr;
    QProgressBar* Progress_bar = nullptr;
    QPushButton* Risunok_vozvrata = nullptr;
    QPushButton* Knopka_ostanovit = nullptr;
    QPushButton* Risunok_povtoreniya = nullptr;
    QPushButton* Knopka_slushat_slovo = nullptr;
    QPushButton* Knopka_slushat_vse_slova = nullptr;
    QPushButton* Knopka_zakryt = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void render() override;
    void setClipboard(const QString& text) override;
    void showMessage(const QString& text) override;
    void showError(const QString& text) override;
    void focus(PlayerFocus f) override;

    void chooseFile();
    void chooseOrder();
    void pronounce();
    void closeAsked();

    Globalnye_peremennye_slovarya& g_;
    std::function<QString()> callerWord_;
    const GroupsWindow* groups_;
    Player player_;
    QTimer stopwatch_;
    QTimer progress_;
    QWidget* restSpacer_ = nullptr;
    QWidget* panelSpacer_ = nullptr;
    QAction* listenAllPicture_ = nullptr;
    QAction* wordNumber_ = nullptr;
};

// The main window's sound commands: the player.
void installPlayerCommands(MainWindow& main, Globalnye_peremennye_slovarya& g);
// The groups window's player (Ctrl+P), for its group's words.
void installGroupsPlayerCommand(GroupsWindow& groups, Globalnye_peremennye_slovarya& g);

} // namespace telvo
