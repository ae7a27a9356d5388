#pragma once

#include "app/core/Globals.h"
#include "tools/logic/SoundsDownload.h"

#include <QDialog>
#include <functional>
#include <memory>

class QLabel;
class QPushButton;

namespace telvo {

class ActivityIndicator;
class MainWindow;

// What the download takes from outside; tests put their own in.
struct DownloadEnvironment {
    // Whether the machine has a network connection at all.
    std::function<bool()> connected;
    // The folder sounds.zip is saved in.
    std::function<QString()> folder;
    // How long each request may take.
    int limitMs = 30000;
};
DownloadEnvironment setDownloadEnvironment(DownloadEnvironment environment);
DownloadEnvironment& downloadEnvironment();

// Downloads the sounds archive into the user's download folder in the background; meanwhile
// the window cannot be closed. One download per showing.
class TForma_skachivanie_slovarya : public QDialog {
    Q_OBJECT
public:
    explicit TForma_skachivanie_slovarya(QWidget* parent = nullptr);
    ~TForma_skachivanie_slovarya() override;

    bool busy() const { return download_ && download_->running(); }

    ActivityIndicator* Indikator_aktivnosti = nullptr;
    QLabel* Nadpis_na_forme = nullptr;
    QPushButton* Knopka_skachat = nullptr;
    QPushButton* Knopka_zakryt = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void onDownload();
    void finished(tools::DownloadOutcome outcome);

    std::unique_ptr<tools::SoundsDownload> download_;
    QString folder_;
};

// "Скачать дополнительный словарь".
void installDownloadCommand(MainWindow& main, Globalnye_peremennye_slovarya& g);

} // namespace telvo
