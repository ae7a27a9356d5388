#pragma once

#include "app/core/Globals.h"
#include "sound/logic/SoundTask.h"

#include <QDialog>

class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTextEdit;

namespace telvo {

class ActivityIndicator;
class ClickableLabel;
class MainWindow;

// The reference of the 41 transcription signs: the selected sign large, its example words, its
// recording, and the word drill on the sign. It cannot be closed while a sign sounds.
class TForma_znaki_transkripcii : public QDialog {
    Q_OBJECT
public:
    explicit TForma_znaki_transkripcii(Globalnye_peremennye_slovarya& g, QWidget* parent = nullptr);
    ~TForma_znaki_transkripcii() override;

    SoundTask& task() { return task_; }
    bool Znak_vybran() const { return Znak_vybran_; }
    bool Zvuchit_znak() const { return task_.busy(); }

    QListWidget* Spisok_znakov_transkriptsii = nullptr;
    QTextEdit* Krupnoe_otobrazhenie_znaka = nullptr;
    QPlainTextEdit* Oblast_otobrazheniya_slov = nullptr;
    ClickableLabel* Kartinka_kolokolchika = nullptr;
    ClickableLabel* Kartinka_formy = nullptr;
    ActivityIndicator* Indikator_aktivnosti = nullptr;
    QPushButton* Knopka_zakryt = nullptr;

    // Plays the recording of the selected sign; nothing before a sign is chosen.
    void Kartinka_formyClick();
    // The word drill on the selected sign.
    void Kartinka_kolokolchikaClick();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void select(int index);
    int selectedIndex() const;
    void setPictures(bool green);
    void Slushat_znak_transkriptsii(const QString& file);

    Globalnye_peremennye_slovarya& g_;
    SoundTask task_;
    bool Znak_vybran_ = false;
};

// The main window's "Знаки транскрипции".
void installSignsCommand(MainWindow& main, Globalnye_peremennye_slovarya& g);

} // namespace telvo
