#include "sound/windows/SoundFolderWindow.h"

#include "app/windows/Messages.h"
#include "app/windows/Okna.h"
#include "sound/logic/SoundFolder.h"
#include "ui/common/ButtonKeys.h"
#include "ui/common/Dialogs.h"
#include "ui/common/Fonts.h"
#include "ui/common/MainWindow.h"

#include <QDir>
#include <QFileDialog>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

namespace telvo {

SoundEnvironment& soundEnvironment() {
    static SoundEnvironment e{[](QWidget* parent, const QString& title, const QString& proposed) {
        QFileDialog dialog(parent, title, QDir::homePath(),
                           QStringLiteral("Звуковой файл (*.wav)"));
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.resize(670, dialog.height());
        if (!proposed.isEmpty())
            dialog.selectFile(proposed);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return QString();
        return dialog.selectedFiles().constFirst();
    }};
    return e;
}

SoundEnvironment setSoundEnvironment(SoundEnvironment environment) {
    SoundEnvironment old = soundEnvironment();
    soundEnvironment() = std::move(environment);
    return old;
}

namespace {
const QString kFolderLead = QStringLiteral("Текущее имя папки со звуками: ");
}

TForma_vibor_papki_so_zvukami::TForma_vibor_papki_so_zvukami(Globalnye_peremennye_slovarya& g,
                                                             QWidget* parent)
    : QDialog(parent), g_(g) {
    setObjectName(QStringLiteral("TForma_vibor_papki_so_zvukami"));
    setWindowTitle(QStringLiteral("Выбор папки со звуками"));
    setFixedSize(798, 100);
    setFont(tahomaFont(8));

    auto* picture = new QLabel(this);
    picture->setGeometry(12, 12, 32, 32);
    picture->setPixmap(
        QIcon::fromTheme(QStringLiteral("folder-sound"), QIcon::fromTheme(QStringLiteral("folder")))
            .pixmap(32, 32));

    Nadpis_tekushchaya_papka_so_zvukami = new QLabel(this);
    Nadpis_tekushchaya_papka_so_zvukami->setObjectName(
        QStringLiteral("Надпись_текущая_папка_со_звуками"));
    Nadpis_tekushchaya_papka_so_zvukami->setFont(tahomaFont(10));
    Nadpis_tekushchaya_papka_so_zvukami->setGeometry(56, 12, 798 - 56 - 12, 32);
    // A deep folder must still be readable whole: the start gives way, not the folder's name.
    Nadpis_tekushchaya_papka_so_zvukami->setTextInteractionFlags(Qt::TextSelectableByMouse);

    const int top = 58, width = 241, height = 30, gap = (798 - 3 * width) / 4;
    Knopka_vybrat_druguyu_papku =
        makeButton(this, "Кнопка_выбрать_другую_папку", QStringLiteral("Выбрать другую папку"),
                   QRect(gap, top, width, height));
    Knopka_ustanovit_po_umolchaniyu = makeButton(this, "Кнопка_установить_по_умолчанию",
                                                 QStringLiteral("Установить по умолчанию"),
                                                 QRect(2 * gap + width, top, width, height));
    Knopka_zakryt = makeButton(this, "Кнопка_закрыть", QStringLiteral("Закрыть"),
                               QRect(3 * gap + 2 * width, top, width, height));

    connect(Knopka_vybrat_druguyu_papku, &QPushButton::clicked, this,
            &TForma_vibor_papki_so_zvukami::chooseOther);
    connect(Knopka_ustanovit_po_umolchaniyu, &QPushButton::clicked, this,
            &TForma_vibor_papki_so_zvukami::setDefault);
    connect(Knopka_zakryt, &QPushButton::clicked, this, &QDialog::reject);
    enterPressesFocusedButton(this);
}

void TForma_vibor_papki_so_zvukami::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centreOnOwner(this);
    const QString folder = Prochitat_polnoe_imya_posledney_vybrannoy_papki(g_.puti);
    showFolder(folder);
    Knopka_ustanovit_po_umolchaniyu->setEnabled(folder != defaultSoundFolder());
    Knopka_vybrat_druguyu_papku->setFocus();
}

void TForma_vibor_papki_so_zvukami::showFolder(const QString& folder) {
    const QString text = kFolderLead + folder;
    Nadpis_tekushchaya_papka_so_zvukami->setToolTip(folder);
    // Elide in the middle so both the start and the folder's own name stay in sight.
    const QFontMetrics metrics(Nadpis_tekushchaya_papka_so_zvukami->font());
    Nadpis_tekushchaya_papka_so_zvukami->setText(
        metrics.elidedText(text, Qt::ElideMiddle, Nadpis_tekushchaya_papka_so_zvukami->width()));
}

void TForma_vibor_papki_so_zvukami::chooseOther() {
    const QString file = soundEnvironment().chooseSoundFile(
        this, QStringLiteral("Выбор любого звукового файла"), QString());
    if (file.isEmpty())
        return;
    const SoundFolderWrite result = Zapomnit_papku_vybrannogo_fayla(g_.puti, file);
    if (result != SoundFolderWrite::Written) {
        // The old folder stays remembered and shown.
        showMessage(g_, soundFolderRefusalText(result, QFileInfo(file).absolutePath()));
        return;
    }
    showFolder(Prochitat_polnoe_imya_posledney_vybrannoy_papki(g_.puti));
    Knopka_ustanovit_po_umolchaniyu->setEnabled(true);
}

void TForma_vibor_papki_so_zvukami::setDefault() {
    const QString folder = defaultSoundFolder();
    const SoundFolderWrite result = Zapisat_papku_so_zvukami(g_.puti, folder);
    if (result != SoundFolderWrite::Written) {
        showMessage(g_, soundFolderRefusalText(result, folder));
        return;
    }
    showFolder(folder);
    Knopka_ustanovit_po_umolchaniyu->setEnabled(false);
    Knopka_zakryt->setFocus();
}

void installSoundCommands(MainWindow& main, Globalnye_peremennye_slovarya& g) {
    main.installCommand(MainCommand::SoundFolder, [&g] {
        if (g.okna && g.okna->Forma_vibor_papki_so_zvukami)
            g.okna->Forma_vibor_papki_so_zvukami->exec();
    });
}

} // namespace telvo
