#include "tools/windows/DownloadWindow.h"

#include "app/windows/Messages.h"
#include "platform/Network.h"
#include "tools/logic/WebAddresses.h"
#include "ui/common/ActivityIndicator.h"
#include "ui/common/ButtonKeys.h"
#include "ui/common/Dialogs.h"
#include "ui/common/MainWindow.h"

#include <QCloseEvent>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>

namespace telvo {

namespace {

constexpr int kClientWidth = 412;
constexpr int kClientHeight = 93;

const char* const kStart = "Начать скачивание словаря?";
const char* const kRunning = "Идет скачивание словаря, ждите ...";
const char* const kSaved = "Словарь (файл: sounds.zip) скачен в папку ";
const char* const kNoFile = "Отсутствует файл для скачивания ...";
const char* const kTimedOut = "За отведенное время не удалось скачать словарь. Попробуйте "
                              "самостоятельно скачать его с сайта ";
const char* const kSaveFailed = "Операционная система не позволяет сохранить скаченный файл на "
                                "диск. Попробуйте запустить программу от имени одминистратора.";
const char* const kNoNetwork = "Для скачивания словаря нужна связь с сетью Интернет. Исправьте "
                               "неполадку и попробуйте еще раз.";

} // namespace

DownloadEnvironment& downloadEnvironment() {
    static DownloadEnvironment e{
        [] { return platform::hasNetworkAddress(); },
        [] { return QStandardPaths::writableLocation(QStandardPaths::DownloadLocation); }, 30000};
    return e;
}

DownloadEnvironment setDownloadEnvironment(DownloadEnvironment environment) {
    DownloadEnvironment old = downloadEnvironment();
    downloadEnvironment() = std::move(environment);
    return old;
}

TForma_skachivanie_slovarya::TForma_skachivanie_slovarya(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TForma_skachivanie_slovarya"));
    setWindowTitle(QStringLiteral("Скачивание словаря на диск"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);

    Indikator_aktivnosti = new ActivityIndicator(this);
    Indikator_aktivnosti->setObjectName(QStringLiteral("Индикатор_активности"));
    Indikator_aktivnosti->setFixedSize(48, 48);
    Nadpis_na_forme = new QLabel(this);
    Nadpis_na_forme->setObjectName(QStringLiteral("Надпись_на_форме"));
    Nadpis_na_forme->setWordWrap(true);
    Nadpis_na_forme->setFixedWidth(350);
    Nadpis_na_forme->setMinimumHeight(44);
    Knopka_skachat = makeButton(this, "Кнопка_скачать", QStringLiteral("Скачать"));
    Knopka_zakryt = makeButton(this, "Кнопка_закрыть", QStringLiteral("Закрыть"));
    Knopka_zakryt->setDefault(true);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(6, 6, 6, 6);
    // The indicator keeps its place while hidden, so the text does not move when it stops.
    QSizePolicy keep = Indikator_aktivnosti->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    Indikator_aktivnosti->setSizePolicy(keep);
    grid->addWidget(Indikator_aktivnosti, 0, 0, Qt::AlignCenter);
    grid->addWidget(Nadpis_na_forme, 0, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Knopka_skachat);
    buttons->addWidget(Knopka_zakryt);
    grid->addLayout(buttons, 1, 0, 1, 2);

    enterPressesFocusedButton(this);
    connect(Knopka_skachat, &QPushButton::clicked, this, [this] { onDownload(); });
    connect(Knopka_zakryt, &QPushButton::clicked, this, &QDialog::reject);
}

TForma_skachivanie_slovarya::~TForma_skachivanie_slovarya() = default;

void TForma_skachivanie_slovarya::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Indikator_aktivnosti->stop();
    Knopka_zakryt->setEnabled(true);
    Knopka_skachat->setEnabled(!download_);
    Nadpis_na_forme->setText(QString::fromUtf8(kStart));
    Knopka_skachat->setFocus();
    // A text that needs more lines makes the window taller, never cut.
    setFixedSize(sizeHint().expandedTo(QSize(kClientWidth, kClientHeight)));
    centreOnOwner(this);
}

void TForma_skachivanie_slovarya::onDownload() {
    if (download_)
        return;
    const DownloadEnvironment& env = downloadEnvironment();
    folder_ = env.folder();
    download_ =
        std::make_unique<tools::SoundsDownload>(tools::soundsDownloadUrl(), folder_, env.limitMs);
    connect(download_.get(), &tools::SoundsDownload::finished, this,
            &TForma_skachivanie_slovarya::finished);
    Knopka_zakryt->setEnabled(false);
    Knopka_skachat->setEnabled(false);
    Nadpis_na_forme->setText(QString::fromUtf8(kRunning));
    Indikator_aktivnosti->start();
    download_->start();
}

void TForma_skachivanie_slovarya::finished(tools::DownloadOutcome outcome) {
    Indikator_aktivnosti->stop();
    QString text;
    switch (outcome) {
    case tools::DownloadOutcome::Saved:
        text = QString::fromUtf8(kSaved) + QDir::toNativeSeparators(folder_);
        break;
    case tools::DownloadOutcome::NoFile:
        text = QString::fromUtf8(kNoFile);
        break;
    case tools::DownloadOutcome::TimedOut:
        text = QString::fromUtf8(kTimedOut) + QString::fromLatin1(tools::kMakerWebAddress);
        break;
    case tools::DownloadOutcome::SaveFailed:
        text = QString::fromUtf8(kSaveFailed);
        break;
    }
    Nadpis_na_forme->setText(text);
    Knopka_zakryt->setEnabled(true);
    Knopka_zakryt->setFocus();
    setFixedSize(sizeHint().expandedTo(QSize(kClientWidth, kClientHeight)));
}

void TForma_skachivanie_slovarya::closeEvent(QCloseEvent* event) {
    if (busy())
        event->ignore();
    else
        QDialog::closeEvent(event);
}

void TForma_skachivanie_slovarya::reject() {
    if (!busy())
        QDialog::reject();
}

void installDownloadCommand(MainWindow& main, Globalnye_peremennye_slovarya& g) {
    main.installCommand(MainCommand::DownloadDictionary, [&main, &g] {
        if (!downloadEnvironment().connected()) {
            showMessage(g, QString::fromUtf8(kNoNetwork));
            return;
        }
        TForma_skachivanie_slovarya window(main.widget());
        window.exec();
    });
}

} // namespace telvo
