#include "sound/windows/SignsWindow.h"

#include "app/windows/Okna.h"
#include "platform/ProgramFolder.h"
#include "sound/logic/Pronunciation.h"
#include "sound/logic/TranscriptionSigns.h"
#include "sound/windows/WordDrillWindow.h"
#include "ui/common/ActivityIndicator.h"
#include "ui/common/ButtonKeys.h"
#include "ui/common/ClickableLabel.h"
#include "ui/common/Dialogs.h"
#include "ui/common/Fonts.h"
#include "ui/common/MainWindow.h"

#include <QCloseEvent>
#include <QDir>
#include <QKeyEvent>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>

namespace telvo {

namespace {

constexpr int kWidth = 481;
constexpr int kHeight = 375;

QFont signFont(int pixels) {
    QFont font = timesFont();
    font.setPixelSize(pixels);
    return font;
}

QColor pictureColour(bool green) {
    return green ? QColor(0x2e, 0x9d, 0x3a) : QColor(0xa0, 0xa0, 0xa0);
}

// The bell that opens the drill, drawn rather than loaded: green when it can be used.
QPixmap bellPicture(bool green) {
    QPixmap p(32, 32);
    p.fill(Qt::transparent);
    QPainter painter(&p);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(pictureColour(green));
    QPainterPath bell;
    bell.moveTo(6, 25);
    bell.cubicTo(9, 21, 8, 8, 16, 6);
    bell.cubicTo(24, 8, 23, 21, 26, 25);
    bell.closeSubpath();
    painter.drawPath(bell);
    painter.drawEllipse(QPointF(16, 27), 3, 3);
    painter.drawEllipse(QPointF(16, 5), 2, 2);
    return p;
}

// The loudspeaker that plays the sign.
QPixmap soundPicture(bool green) {
    QPixmap p(80, 80);
    p.fill(Qt::transparent);
    QPainter painter(&p);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor colour = pictureColour(green);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    const QPointF cone[] = {{10, 30}, {24, 30}, {42, 14}, {42, 66}, {24, 50}, {10, 50}};
    painter.drawPolygon(cone, 6);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colour, 5, Qt::SolidLine, Qt::RoundCap));
    for (int r : {12, 22})
        painter.drawArc(QRectF(44 - r, 40 - r, 2 * r, 2 * r), -45 * 16, 90 * 16);
    return p;
}

void setPicture(ClickableLabel* label, const char* name, const QPixmap& picture) {
    label->setProperty("picture", QString::fromUtf8(name));
    label->setPixmap(picture);
}

} // namespace

TForma_znaki_transkripcii::TForma_znaki_transkripcii(Globalnye_peremennye_slovarya& g,
                                                     QWidget* parent)
    : QDialog(parent), g_(g) {
    setObjectName(QStringLiteral("TForma_znaki_transkripcii"));
    setWindowTitle(QStringLiteral("Знаки транскрипции"));
    setFixedSize(kWidth, kHeight);
    setFont(tahomaFont(8));

    Spisok_znakov_transkriptsii = new QListWidget(this);
    Spisok_znakov_transkriptsii->setObjectName(QStringLiteral("Список_знаков_транскрипции"));
    // Wider than the original's 73: the diphthongs in the serif fonts here are wider than in
    // Times New Roman and would be cut.
    Spisok_znakov_transkriptsii->setGeometry(12, 12, 98, 340);
    Spisok_znakov_transkriptsii->setFont(signFont(29));
    Spisok_znakov_transkriptsii->setUniformItemSizes(true);
    Spisok_znakov_transkriptsii->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Spisok_znakov_transkriptsii->installEventFilter(this);

    Krupnoe_otobrazhenie_znaka = new QTextEdit(this);
    Krupnoe_otobrazhenie_znaka->setObjectName(QStringLiteral("Крупное_отображение_знака"));
    Krupnoe_otobrazhenie_znaka->setGeometry(122, 12, 190, 129);
    Krupnoe_otobrazhenie_znaka->setReadOnly(true);
    Krupnoe_otobrazhenie_znaka->setFont(signFont(96));
    Krupnoe_otobrazhenie_znaka->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Krupnoe_otobrazhenie_znaka->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Krupnoe_otobrazhenie_znaka->setFocusPolicy(Qt::NoFocus);
    Krupnoe_otobrazhenie_znaka->viewport()->installEventFilter(this);

    Oblast_otobrazheniya_slov = new QPlainTextEdit(this);
    Oblast_otobrazheniya_slov->setObjectName(QStringLiteral("Область_отображения_слов"));
    Oblast_otobrazheniya_slov->setGeometry(122, 150, 190, 160);
    Oblast_otobrazheniya_slov->setReadOnly(true);
    Oblast_otobrazheniya_slov->setFont(signFont(19));
    // Tab goes between the list and "Закрыть": the memo only shows.
    Oblast_otobrazheniya_slov->setFocusPolicy(Qt::NoFocus);

    Kartinka_formy = new ClickableLabel(this);
    Kartinka_formy->setObjectName(QStringLiteral("Картинка_формы"));
    Kartinka_formy->setGeometry(356, 20, 80, 80);
    Kartinka_formy->setToolTip(QStringLiteral("Прослушать звук знака"));
    Kartinka_kolokolchika = new ClickableLabel(this);
    Kartinka_kolokolchika->setObjectName(QStringLiteral("Картинка_колокольчика"));
    Kartinka_kolokolchika->setGeometry(380, 120, 32, 32);
    Kartinka_kolokolchika->setToolTip(QStringLiteral("Произносить знак много раз"));
    Indikator_aktivnosti = new ActivityIndicator(this);
    Indikator_aktivnosti->setGeometry(348, 170, 96, 96);

    Knopka_zakryt = makeButton(this, "Кнопка_закрыть", QStringLiteral("Закрыть"),
                               QRect(kWidth - 120, kHeight - 40, 108, 28));

    // Selected, not merely current: the list makes its first row current when it takes the
    // focus, and that chooses no sign.
    connect(Spisok_znakov_transkriptsii, &QListWidget::itemSelectionChanged, this, [this] {
        if (!Spisok_znakov_transkriptsii->selectedItems().isEmpty())
            select(Spisok_znakov_transkriptsii->currentRow());
    });
    connect(Spisok_znakov_transkriptsii, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { select(Spisok_znakov_transkriptsii->row(item)); });
    connect(Kartinka_formy, &ClickableLabel::clicked, this,
            &TForma_znaki_transkripcii::Kartinka_formyClick);
    connect(Kartinka_kolokolchika, &ClickableLabel::clicked, this,
            &TForma_znaki_transkripcii::Kartinka_kolokolchikaClick);
    connect(Knopka_zakryt, &QPushButton::clicked, this, &TForma_znaki_transkripcii::reject);
    enterPressesFocusedButton(this);
    setPictures(false);
}

TForma_znaki_transkripcii::~TForma_znaki_transkripcii() {
    task_.waitUntilIdle();
}

void TForma_znaki_transkripcii::showEvent(QShowEvent* event) {
    Znak_vybran_ = false;
    setPictures(false);
    Krupnoe_otobrazhenie_znaka->clear();
    Oblast_otobrazheniya_slov->clear();
    {
        QSignalBlocker block(Spisok_znakov_transkriptsii);
        Spisok_znakov_transkriptsii->clear();
        for (int i = 0; i < kTranscriptionSignCount; ++i) {
            auto* item = new QListWidgetItem(transcriptionSignText(i));
            item->setSizeHint(QSize(0, 33));
            Spisok_znakov_transkriptsii->addItem(item);
        }
        Spisok_znakov_transkriptsii->setCurrentRow(-1);
    }
    QDialog::showEvent(event);
    centreOnOwner(this);
    Spisok_znakov_transkriptsii->setFocus();
}

void TForma_znaki_transkripcii::setPictures(bool green) {
    setPicture(Kartinka_kolokolchika, green ? "bell_go_green" : "bell_go_grey", bellPicture(green));
    setPicture(Kartinka_formy, green ? "sound_green" : "sound_grey", soundPicture(green));
}

int TForma_znaki_transkripcii::selectedIndex() const {
    const QList<QListWidgetItem*> items = Spisok_znakov_transkriptsii->selectedItems();
    return items.isEmpty() ? -1 : Spisok_znakov_transkriptsii->row(items.constFirst());
}

void TForma_znaki_transkripcii::select(int index) {
    if (index < 0 || index >= kTranscriptionSignCount)
        return;
    Krupnoe_otobrazhenie_znaka->setPlainText(transcriptionSignText(index));
    Krupnoe_otobrazhenie_znaka->setAlignment(Qt::AlignCenter);
    Oblast_otobrazheniya_slov->setPlainText(transcriptionSignLines(index).join(u'\n'));
    if (!task_.busy())
        setPictures(true);
    Znak_vybran_ = true;
}

void TForma_znaki_transkripcii::Kartinka_formyClick() {
    if (!Znak_vybran_ || !Kartinka_formy->isEnabled())
        return;
    Slushat_znak_transkriptsii(transcriptionSignFile(programFolder(), selectedIndex()));
}

void TForma_znaki_transkripcii::Slushat_znak_transkriptsii(const QString& file) {
    if (file.isEmpty())
        return;
    SoundOutput& output = soundOutput();
    task_.start(
        [this] {
            Kartinka_kolokolchika->hide();
            Knopka_zakryt->setEnabled(false);
            Kartinka_formy->setEnabled(false);
            setPicture(Kartinka_formy, "sound_grey", soundPicture(false));
            Indikator_aktivnosti->start();
        },
        // A missing or broken recording stays silent.
        [&output, file](const SoundTask::OnUi&) { output.playFile(file); },
        [this] {
            Kartinka_kolokolchika->show();
            Knopka_zakryt->setEnabled(true);
            Kartinka_formy->setEnabled(true);
            setPicture(Kartinka_formy, "sound_green", soundPicture(true));
            Indikator_aktivnosti->stop();
        });
}

void TForma_znaki_transkripcii::Kartinka_kolokolchikaClick() {
    if (!Znak_vybran_ || task_.busy())
        return;
    const QString sign = transcriptionSignText(selectedIndex());
    g_.Transkriptsiya_iz_tablitsy_zapisey = false;
    g_.Transkriptsiya_iz_gruppy = false;
    ScopedFlag fromSigns(g_.Transkriptsiya_iz_znakov);
    setPictures(false);
    openWordDrill(g_, this, nullptr, sign);
    setPictures(true);
}

void TForma_znaki_transkripcii::reject() {
    if (task_.busy())
        return;
    QDialog::reject();
}

void TForma_znaki_transkripcii::closeEvent(QCloseEvent* event) {
    if (task_.busy()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

bool TForma_znaki_transkripcii::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Krupnoe_otobrazhenie_znaka->viewport() &&
        event->type() == QEvent::MouseButtonPress) {
        Spisok_znakov_transkriptsii->setFocus();
        return false;
    }
    if (watched == Spisok_znakov_transkriptsii &&
        (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride)) {
        // While a sign sounds the list keeps its selection: the sound and the sign agree.
        if (task_.busy())
            return true;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (event->type() == QEvent::KeyPress &&
            (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
            Kartinka_formyClick();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void installSignsCommand(MainWindow& main, Globalnye_peremennye_slovarya& g) {
    main.installCommand(MainCommand::TranscriptionSigns, [&g] {
        if (!g.okna || !g.okna->Forma_znaki_transkripcii)
            return;
        const QString directory = QDir::currentPath();
        g.okna->Forma_znaki_transkripcii->exec();
        QDir::setCurrent(directory);
    });
}

} // namespace telvo
