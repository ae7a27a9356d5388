#pragma once

#include "app/core/Globals.h"
#include "sound/logic/SoundTask.h"

#include <QObject>
#include <QString>
#include <QStringList>

namespace telvo {

class SoundOutput;

// The pause list of the player: the silence around each word and the progress bar's tick.
struct PauseChoice {
    const char* text;
    int Pauza_ms; // before and again after the word
    int tickMs;
};
inline constexpr int kPauseChoiceCount = 6;
const PauseChoice& pauseChoice(int item);

enum class RepeatPicture { Povtoryat, Ne_povtoryat, Pauza, Prodolzhit };
enum class PlayerFocus { None, Stop, ListenWord };

// Everything the player's window shows, and the player's own state.
struct PlayerState {
    bool Povtoryat = true;
    bool Povtor_po_umolchaniyu = true;
    bool Slushat_vse = false;
    bool Pokazyvat_kazhdoe_slovo = false;
    bool Sekundomer_sbrosit = false;
    bool Slovo_vyzyvayushchego_okna = true;
    bool Probel_na_stope = false;
    bool Ostanovleno_polzovatelem = false;
    int Pauza_ms = 1500;
    QString Put_k_faylu;
    uint16_t Tiki_progressa = 0;
    int Sekundy = 0;
    int Minuty = 0;
    int Schetchik_vosproizvedeniy = 0;
    int Schetchik_povtoreniy = 0;

    QStringList Spisok_proslushivaniya;
    int Tekushchiy_nomer = 0;

    // What the window shows.
    QString Nadpis_vybrannyy_fayl;
    QString Stroka_s_polnym_imenem_fayla;
    QString Nadpis_nomer_slova = QStringLiteral("99999");
    QString repetitionsCaption; // empty until the first cycle
    int pauseItem = 2;
    int progressTickMs = 16;
    bool progressTimerOn = false;
    bool stopwatchOn = false;
    bool locked = false;
    bool stopEnabled = false;
    bool listenAllEnabled = false;
    bool pronounceEnabled = true;
    QString listenAllCaption;
    bool listenAllPanels = false;
    RepeatPicture repeatPicture = RepeatPicture::Povtoryat;
    bool backPossible = false;

    QString timeText() const;
    int progressPercent() const { return Tiki_progressa > 100 ? 100 : Tiki_progressa; }
};

// What the controller needs of its window, called on the UI thread.
class PlayerView {
public:
    virtual ~PlayerView() = default;
    // The state changed: show it.
    virtual void render() = 0;
    virtual void setClipboard(const QString& text) = 0;
    virtual void showMessage(const QString& text) = 0;
    virtual void showError(const QString& text) = 0;
    // The focus goes to this control.
    virtual void focus(PlayerFocus) {}
};

// The player without its widgets: single-word play with repetition, listen-all over the list
// of its source with pauses, pause and continue, back, stop, and the counters. The sound runs
// in a background task; every change of this state happens on the UI thread.
class Player : public QObject {
    Q_OBJECT
public:
    Player(Globalnye_peremennye_slovarya& g, SoundOutput& output, PlayerView& view,
           QObject* parent = nullptr);

    const PlayerState& state() const { return s_; }
    bool Idet_vosproizvedenie() const { return task_.busy(); }
    SoundTask& task() { return task_; }

    // The window shows with `clipboardWord` to play.
    void show(const QString& clipboardWord);
    void Knopka_slushat_slovoClick();
    void Slushat_slovo_mnogo_raz();
    void Knopka_slushat_vse_slovaClick();
    void Knopka_ostanovitClick();
    // Space on the stop button: pause or continue in listen-all mode, else listen to the word.
    // The window takes the key from the button, so no click follows it.
    void spaceOnStop();
    void Risunok_povtoreniyaClick();
    void Risunok_vozvrataClick();
    // The file chosen in the file dialog, and the word the calling window has selected.
    void fileChosen(const QString& path, const QString& callerWord);
    void setPauseItem(int item);
    void stopwatchTick();
    void progressTick();
    void listeningOrderChanged() { g_.Obnovit_proslushivanie = true; }

    bool canClose() const { return !task_.busy(); }
    // The window closed.
    void closed();

private:
    bool folderUsable();
    void setListenAllByMode();
    void lock();
    void unlock();
    void Vosproizvodim_zvuk();
    bool buildList();
    void shuffleIfRandom();
    void restAfterListenAll();

    Globalnye_peremennye_slovarya& g_;
    SoundOutput& output_;
    PlayerView& view_;
    PlayerState s_;
    SoundTask task_;
};

} // namespace telvo
