#pragma once

#include "app/core/Globals.h"
#include "platform/Drives.h"
#include "tools/logic/DataArchive.h"

#include <QDialog>
#include <QString>
#include <QStringList>
#include <functional>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QPushButton;

namespace telvo {

class ActivityIndicator;
class MainWindow;

// What the archive and restore windows take from outside; tests put their own in.
struct ArchiveEnvironment {
    std::function<platform::DriveLists()> drives;
    // The archive file the restore command offers to restore; empty when cancelled.
    std::function<QString(QWidget* parent)> chooseArchive;
    // Called once a restore has swapped the data folder: the single-instance lock moves to it.
    std::function<void()> dataFolderReplaced;
};
// Replaces what is set and returns what was.
ArchiveEnvironment setArchiveEnvironment(ArchiveEnvironment environment);
ArchiveEnvironment& archiveEnvironment();

// Writes the data folder into Telvo_Vocabulary_02.zip in a place the user chooses: the fixed
// places in one group, the removable ones in the other. The archive is written in the
// background; meanwhile the window cannot be closed. One job per showing.
class TMainFofm_arhivirovanie : public QDialog {
    Q_OBJECT
public:
    TMainFofm_arhivirovanie(Globalnye_peremennye_slovarya& g, MainWindow& main,
                            QWidget* parent = nullptr);

    bool busy() const { return Idet_rabota_; }
    // Waits until the background job has ended (for tests and the benchmark).
    void waitForJob();

    QGroupBox* Radiogruppa_ustanovlennykh_diskov = nullptr;
    QGroupBox* Radiogruppa_semnykh_diskov = nullptr;
    QLabel* Nadpis_disk_vybrannyy_dlya_arkhivirovaniya = nullptr;
    QPushButton* Knopka_arkhivirovat_dannye = nullptr;
    QPushButton* Knopka_zakryt = nullptr;
    ActivityIndicator* Indikator_aktivnosti = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void fillGroup(QGroupBox* group, const QStringList& places);
    void choose(const QString& place);
    void onArchive();
    void finished(const tools::ArchiveResult& result);

    Globalnye_peremennye_slovarya& g_;
    MainWindow& main_;
    QString chosen_;
    bool Idet_rabota_ = false;
    int jobs_ = 0;
};

// Replaces the data folder by the one in a chosen archive, in the background; meanwhile the
// window cannot be closed. One job per showing.
class TMainForm_vosstanovlenie : public QDialog {
    Q_OBJECT
public:
    TMainForm_vosstanovlenie(Globalnye_peremennye_slovarya& g, MainWindow& main,
                             QString archivePath, QWidget* parent = nullptr);

    bool busy() const { return Idet_rabota_; }
    bool restored() const { return Vosstanovlenie_uspeshno_; }
    void waitForJob();

    QLabel* Nadpis_polnoe_imya_arkhivnogo_fayla = nullptr;
    QLabel* Nadpis_preduprezhdenie = nullptr;
    QPushButton* Knopka_vosstanovit_dannye = nullptr;
    QPushButton* Knopka_zakryt = nullptr;
    ActivityIndicator* Indikator_aktivnosti = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void onRestore();
    void finished(const tools::RestoreResult& result);

    Globalnye_peremennye_slovarya& g_;
    MainWindow& main_;
    QString archivePath_;
    bool Idet_rabota_ = false;
    bool Vosstanovlenie_uspeshno_ = true;
    int jobs_ = 0;
};

// Whether a chosen file may be restored from: the archive's own name, letter case included.
bool acceptableArchiveName(const QString& path);

// "Архивирование словаря" and "Восстановление словаря".
void installArchiveCommands(MainWindow& main, Globalnye_peremennye_slovarya& g);

} // namespace telvo
