#include "tools/windows/ArchiveWindows.h"

#include "app/windows/Messages.h"
#include "ui/common/ActivityIndicator.h"
#include "ui/common/ButtonKeys.h"
#include "ui/common/Dialogs.h"
#include "ui/common/MainWindow.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QThreadPool>
#include <QVBoxLayout>

namespace telvo {

namespace {

using G = Globalnye_peremennye_slovarya;

constexpr int kClientWidth = 730;
constexpr int kClientHeight = 298;
constexpr int kRightWidth = 361;

const char* const kNoDataFolder =
    "На Вашем компьютере отсутствует папка с данными программы Telvo: Vocabulary для "
    "архивирования.";
const char* const kArchiving =
    "Идет архивирование данных. Дождитель успешного завершения операции ...";
const char* const kArchived =
    "Архивирование данных прошло успешно. Полное имя сохраненного файла: ";
const char* const kNotArchived =
    "Данные не архивированы (не сохранены). В Вашей операционнй системе архивирование на этот "
    "диск запрещено. Используйте флешку или другой диск.";
const char* const kChosen = "Диск выбранный для архивирования: ";
const char* const kRestoreFile =
    "Полное имя выбранного архивного файла для восстановления данных: ";
const char* const kRestoreWarning =
    "Все имеющиеся сейчас на жестном диске Вашего компьютера данные для программы Telvo: "
    "Vocabulary будут безвозвратно утрачены и заменены на архивные!";
const char* const kRestoring =
    "Идет процесс восстановления данных. Дождитель успешного завершения операции ...";
const char* const kRestored =
    "Данные успешно перенесены из архивного файла на жесткий диск Вашего компьютера для "
    "использования программой Telvo: Dictionary. Можно завершить рабоу с мастером "
    "восстановления данных.";
const char* const kNotRestored =
    "Данные НЕ восстановлены! Вероятно файл с данными или носитель испорчены ... Или данные "
    "были сформированы в другой операционной системе.";
const char* const kWrongFile = "Файл для восстановления данных выбран не верно.";

// The window's picture, drawn here so it stays sharp at any size: a box with an arrow going
// into it (archive) or coming out of it (restore), on a quiet panel with room for the
// activity indicator over it.
class Picture : public QWidget {
public:
    Picture(bool into, const char* name, int width, QWidget* parent)
        : QWidget(parent), into_(into) {
        setObjectName(QString::fromUtf8(name));
        setFixedWidth(width);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient fill(0, 0, 0, height());
        fill.setColorAt(0, QColor(232, 240, 250));
        fill.setColorAt(1, QColor(196, 214, 236));
        p.fillRect(rect(), fill);
        const qreal unit = std::min(width(), height()) / 10.0;
        const QPointF c(width() / 2.0, height() / 2.0);
        // The box.
        const QRectF box(c.x() - 2.6 * unit, c.y() + 0.2 * unit, 5.2 * unit, 3.2 * unit);
        p.setPen(QPen(QColor(120, 80, 40), unit * 0.18));
        p.setBrush(QColor(214, 170, 110));
        p.drawRoundedRect(box, unit * 0.3, unit * 0.3);
        p.drawLine(QPointF(box.left(), box.top() + unit), QPointF(box.right(), box.top() + unit));
        // The arrow: down into the box, or up out of it.
        QPolygonF head;
        const qreal shaft = unit * 0.7;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 110, 200));
        if (into_) {
            p.drawRect(QRectF(c.x() - shaft / 2, c.y() - 3.6 * unit, shaft, 2.4 * unit));
            head << QPointF(c.x() - 1.3 * unit, c.y() - 1.4 * unit)
                 << QPointF(c.x() + 1.3 * unit, c.y() - 1.4 * unit) << QPointF(c.x(), c.y());
        } else {
            p.drawRect(QRectF(c.x() - shaft / 2, c.y() - 2.2 * unit, shaft, 2.4 * unit));
            head << QPointF(c.x() - 1.3 * unit, c.y() - 2.2 * unit)
                 << QPointF(c.x() + 1.3 * unit, c.y() - 2.2 * unit)
                 << QPointF(c.x(), c.y() - 3.8 * unit);
        }
        p.drawPolygon(head);
    }

private:
    bool into_;
};

QLabel* label(QWidget* parent, const char* name) {
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromUtf8(name));
    l->setWordWrap(true);
    l->setFixedWidth(kRightWidth);
    l->setMinimumHeight(41);
    l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return l;
}

// The common frame of both windows: picture at the left with the indicator over it, the
// controls in a column at the right.
QVBoxLayout* frame(QDialog* w, Picture* picture, ActivityIndicator*& indicator) {
    w->setWindowFlag(Qt::WindowStaysOnTopHint);
    w->setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    w->setMinimumSize(kClientWidth, kClientHeight);
    auto* outer = new QHBoxLayout(w);
    outer->setContentsMargins(0, 0, 8, 8);
    outer->addWidget(picture);
    indicator = new ActivityIndicator(picture);
    auto* over = new QGridLayout(picture);
    over->addWidget(indicator, 0, 0, Qt::AlignCenter);
    indicator->setFixedSize(120, 120);
    auto* right = new QVBoxLayout;
    right->setContentsMargins(8, 8, 0, 0);
    outer->addLayout(right);
    return right;
}

void runInPool(QObject* receiver, std::function<void()> work, std::function<void()> done) {
    QThreadPool::globalInstance()->start(
        [receiver, work = std::move(work), done = std::move(done)] {
            work();
            // The window stays open while its job runs (it refuses to close), so it is still there.
            QMetaObject::invokeMethod(receiver, done, Qt::QueuedConnection);
        });
}

void waitWhile(const bool& busy) {
    while (busy)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
}

} // namespace

ArchiveEnvironment& archiveEnvironment() {
    static ArchiveEnvironment e{[] { return platform::systemDriveLists(); },
                                [](QWidget* parent) {
                                    return QFileDialog::getOpenFileName(
                                        parent, QStringLiteral("Окно поиска архивного файла"),
                                        QDir::homePath(), QStringLiteral("Архивный файл (*.zip)"));
                                },
                                [] {}};
    return e;
}

ArchiveEnvironment setArchiveEnvironment(ArchiveEnvironment environment) {
    ArchiveEnvironment old = archiveEnvironment();
    archiveEnvironment() = std::move(environment);
    return old;
}

// ---- Archive --------------------------------------------------------------------------------

TMainFofm_arhivirovanie::TMainFofm_arhivirovanie(G& g, MainWindow& main, QWidget* parent)
    : QDialog(parent), g_(g), main_(main) {
    setObjectName(QStringLiteral("TMainFofm_arhivirovanie"));
    setWindowTitle(QStringLiteral("Архивирование данных словаря"));
    auto* picture = new Picture(true, "Картинка_формы_архивирования", 313, this);
    QVBoxLayout* right = frame(this, picture, Indikator_aktivnosti);

    Radiogruppa_ustanovlennykh_diskov =
        new QGroupBox(QStringLiteral("Выбирите любой логический диск для архивирования"), this);
    Radiogruppa_ustanovlennykh_diskov->setObjectName(
        QStringLiteral("Радиогруппа_установленных_дисков"));
    Radiogruppa_semnykh_diskov =
        new QGroupBox(QStringLiteral("Выбирите флешку для архивирования"), this);
    Radiogruppa_semnykh_diskov->setObjectName(QStringLiteral("Радиогруппа_съемных_дисков"));
    for (QGroupBox* group : {Radiogruppa_ustanovlennykh_diskov, Radiogruppa_semnykh_diskov}) {
        group->setFixedWidth(kRightWidth);
        new QGridLayout(group);
    }
    auto* ili = new QLabel(QStringLiteral("или"), this);
    ili->setObjectName(QStringLiteral("Надпись_или"));
    Nadpis_disk_vybrannyy_dlya_arkhivirovaniya =
        label(this, "Надпись_диск_выбранный_для_архивирования");
    Knopka_arkhivirovat_dannye =
        makeButton(this, "Кнопка_архивировать_данные", QStringLiteral("Архивировать данные"));
    Knopka_zakryt = makeButton(this, "Кнопка_закрыть", QStringLiteral("Закрыть"));
    for (QPushButton* b : {Knopka_arkhivirovat_dannye, Knopka_zakryt})
        b->setFixedWidth(kRightWidth);
    right->addWidget(Radiogruppa_ustanovlennykh_diskov);
    right->addWidget(ili);
    right->addWidget(Radiogruppa_semnykh_diskov);
    right->addWidget(Nadpis_disk_vybrannyy_dlya_arkhivirovaniya);
    right->addStretch();
    right->addWidget(Knopka_arkhivirovat_dannye);
    right->addWidget(Knopka_zakryt);
    enterPressesFocusedButton(this);
    connect(Knopka_arkhivirovat_dannye, &QPushButton::clicked, this, [this] { onArchive(); });
    connect(Knopka_zakryt, &QPushButton::clicked, this, &QDialog::reject);
}

void TMainFofm_arhivirovanie::fillGroup(QGroupBox* group, const QStringList& places) {
    auto* grid = static_cast<QGridLayout*>(group->layout());
    // Long mount points do not fit side by side: two columns at most, as many rows as needed.
    const int columns = places.size() > 1 ? 2 : 1;
    for (int i = 0; i < places.size(); ++i) {
        auto* button = new QRadioButton(places[i], group);
        button->setObjectName(QStringLiteral("Место_%1").arg(i + 1));
        button->setToolTip(places[i]);
        grid->addWidget(button, i / columns, i % columns);
        connect(button, &QRadioButton::clicked, this, [this, place = places[i]] { choose(place); });
    }
    group->setVisible(true);
}

void TMainFofm_arhivirovanie::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    const platform::DriveLists lists = archiveEnvironment().drives();
    fillGroup(Radiogruppa_ustanovlennykh_diskov, lists.fixed);
    fillGroup(Radiogruppa_semnykh_diskov, lists.removable);
    Radiogruppa_ustanovlennykh_diskov->setEnabled(true);
    Radiogruppa_semnykh_diskov->setEnabled(true);
    Knopka_arkhivirovat_dannye->setEnabled(false);
    Idet_rabota_ = false;
    Nadpis_disk_vybrannyy_dlya_arkhivirovaniya->clear();
    adjustSize();
    centreOnOwner(this);
}

void TMainFofm_arhivirovanie::choose(const QString& place) {
    // The choice is final for this showing.
    Radiogruppa_ustanovlennykh_diskov->setEnabled(false);
    Radiogruppa_semnykh_diskov->setEnabled(false);
    chosen_ = place;
    Knopka_arkhivirovat_dannye->setEnabled(true);
    Knopka_arkhivirovat_dannye->setFocus();
    Nadpis_disk_vybrannyy_dlya_arkhivirovaniya->setText(QString::fromUtf8(kChosen) + place);
}

void TMainFofm_arhivirovanie::onArchive() {
    if (Idet_rabota_ || chosen_.isEmpty())
        return;
    const QString dataFolder = g_.puti.folder;
    if (!QFileInfo(dataFolder).isDir()) {
        Nadpis_disk_vybrannyy_dlya_arkhivirovaniya->setText(QString::fromUtf8(kNoDataFolder));
        Knopka_arkhivirovat_dannye->setEnabled(false);
        return;
    }
    main_.saveViewState();
    Nadpis_disk_vybrannyy_dlya_arkhivirovaniya->setText(QString::fromUtf8(kArchiving));
    Idet_rabota_ = true;
    Indikator_aktivnosti->start();
    Knopka_arkhivirovat_dannye->setEnabled(false);
    Knopka_zakryt->setEnabled(false);
    auto result = std::make_shared<tools::ArchiveResult>();
    runInPool(
        this,
        [result, dataFolder, target = chosen_] {
            *result = tools::archiveDataFolder(dataFolder, target);
        },
        [this, result] { finished(*result); });
}

void TMainFofm_arhivirovanie::finished(const tools::ArchiveResult& result) {
    Idet_rabota_ = false;
    Indikator_aktivnosti->stop();
    Knopka_zakryt->setEnabled(true);
    Knopka_zakryt->setFocus();
    QString text;
    switch (result.status) {
    case tools::ArchiveStatus::Archived:
        text = QString::fromUtf8(kArchived) + QDir::toNativeSeparators(result.archivePath);
        break;
    case tools::ArchiveStatus::NoDataFolder:
        text = QString::fromUtf8(kNoDataFolder);
        break;
    case tools::ArchiveStatus::WriteFailed:
    case tools::ArchiveStatus::Cancelled:
        text = QString::fromUtf8(kNotArchived);
        break;
    }
    Nadpis_disk_vybrannyy_dlya_arkhivirovaniya->setText(text);
    adjustSize();
}

void TMainFofm_arhivirovanie::waitForJob() {
    waitWhile(Idet_rabota_);
}

void TMainFofm_arhivirovanie::closeEvent(QCloseEvent* event) {
    if (Idet_rabota_)
        event->ignore();
    else
        QDialog::closeEvent(event);
}

void TMainFofm_arhivirovanie::reject() {
    if (!Idet_rabota_)
        QDialog::reject();
}

// ---- Restore --------------------------------------------------------------------------------

TMainForm_vosstanovlenie::TMainForm_vosstanovlenie(G& g, MainWindow& main, QString archivePath,
                                                   QWidget* parent)
    : QDialog(parent), g_(g), main_(main), archivePath_(std::move(archivePath)) {
    setObjectName(QStringLiteral("TMainForm_vosstanovlenie"));
    setWindowTitle(
        QStringLiteral("Восстановление данных программы Telvo: Vocabulary из архивного файла"));
    auto* picture = new Picture(false, "Картинка_формы_востановление_данных", 329, this);
    QVBoxLayout* right = frame(this, picture, Indikator_aktivnosti);
    Nadpis_polnoe_imya_arkhivnogo_fayla = label(this, "Надпись_полное_имя_архивного_файла");
    Nadpis_polnoe_imya_arkhivnogo_fayla->setMinimumHeight(79);
    Nadpis_preduprezhdenie = label(this, "Надпись_предупреждение");
    Knopka_vosstanovit_dannye =
        makeButton(this, "Кнопка_восстановить_данные", QStringLiteral("Восстановить данные"));
    Knopka_zakryt = makeButton(this, "Кнопка_закрыть", QStringLiteral("Закрыть"));
    for (QPushButton* b : {Knopka_vosstanovit_dannye, Knopka_zakryt})
        b->setFixedWidth(kRightWidth);
    right->addWidget(Nadpis_polnoe_imya_arkhivnogo_fayla);
    right->addWidget(Nadpis_preduprezhdenie);
    right->addStretch();
    right->addWidget(Knopka_vosstanovit_dannye);
    right->addWidget(Knopka_zakryt);
    enterPressesFocusedButton(this);
    connect(Knopka_vosstanovit_dannye, &QPushButton::clicked, this, [this] { onRestore(); });
    connect(Knopka_zakryt, &QPushButton::clicked, this, &QDialog::reject);
}

void TMainForm_vosstanovlenie::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Idet_rabota_ = false;
    Vosstanovlenie_uspeshno_ = true;
    Nadpis_polnoe_imya_arkhivnogo_fayla->setText(QString::fromUtf8(kRestoreFile) +
                                                 QDir::toNativeSeparators(archivePath_));
    Nadpis_preduprezhdenie->setText(QString::fromUtf8(kRestoreWarning));
    Nadpis_preduprezhdenie->setVisible(true);
    Knopka_vosstanovit_dannye->setEnabled(true);
    Knopka_vosstanovit_dannye->setFocus();
    adjustSize();
    centreOn(this, screenArea(this));
}

void TMainForm_vosstanovlenie::onRestore() {
    if (Idet_rabota_)
        return;
    Idet_rabota_ = true;
    Nadpis_polnoe_imya_arkhivnogo_fayla->setText(QString::fromUtf8(kRestoring));
    Nadpis_preduprezhdenie->clear();
    Indikator_aktivnosti->start();
    Knopka_vosstanovit_dannye->setEnabled(false);
    Knopka_zakryt->setEnabled(false);
    auto result = std::make_shared<tools::RestoreResult>();
    runInPool(
        this,
        [result, archive = archivePath_, dataFolder = g_.puti.folder] {
            *result = tools::restoreDataFolder(archive, dataFolder);
        },
        [this, result] { finished(*result); });
}

void TMainForm_vosstanovlenie::finished(const tools::RestoreResult& result) {
    Indikator_aktivnosti->stop();
    Knopka_zakryt->setEnabled(true);
    Knopka_zakryt->setFocus();
    Idet_rabota_ = false;
    Vosstanovlenie_uspeshno_ = result.status == tools::RestoreStatus::Restored;
    Nadpis_preduprezhdenie->setVisible(false);
    if (!Vosstanovlenie_uspeshno_) {
        Nadpis_polnoe_imya_arkhivnogo_fayla->setText(QString::fromUtf8(kNotRestored));
        return;
    }
    Nadpis_polnoe_imya_arkhivnogo_fayla->setText(QString::fromUtf8(kRestored));
    if (archiveEnvironment().dataFolderReplaced)
        archiveEnvironment().dataFolderReplaced();
    main_.reloadFromDataFolder();
}

void TMainForm_vosstanovlenie::waitForJob() {
    waitWhile(Idet_rabota_);
}

void TMainForm_vosstanovlenie::closeEvent(QCloseEvent* event) {
    if (Idet_rabota_)
        event->ignore();
    else
        QDialog::closeEvent(event);
}

void TMainForm_vosstanovlenie::reject() {
    if (!Idet_rabota_)
        QDialog::reject();
}

// ---- Commands -------------------------------------------------------------------------------

bool acceptableArchiveName(const QString& path) {
    return QFileInfo(path).fileName() == QLatin1String(tools::kArchiveFileName);
}

void installArchiveCommands(MainWindow& main, G& g) {
    main.installCommand(MainCommand::Archive, [&main, &g] {
        if (g.Okno_grupp_otkryto)
            return;
        TMainFofm_arhivirovanie window(g, main, main.widget());
        window.exec();
    });
    main.installCommand(MainCommand::Restore, [&main, &g] {
        if (g.Okno_grupp_otkryto)
            return;
        const QString path = archiveEnvironment().chooseArchive(main.widget());
        if (!path.isEmpty()) {
            if (!acceptableArchiveName(path)) {
                showError(g, QString::fromUtf8(kWrongFile));
            } else {
                TMainForm_vosstanovlenie window(g, main, path, main.widget());
                window.exec();
            }
        }
        // Whatever happened, the window shows what the data folder holds now.
        main.reloadFromDataFolder();
    });
}

} // namespace telvo
