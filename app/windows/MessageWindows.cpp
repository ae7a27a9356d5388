#include "app/windows/MessageWindows.h"

#include "ui/common/Dialogs.h"

#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QStyle>
#include <QWindow>

namespace telvo {

namespace {

constexpr int kStripHeight = 35;
constexpr int kButtonHeight = 25;
constexpr int kPictureSize = 48;
constexpr int kPictureLeft = 32;

// Caption, fixed client size, white face, the picture at the left, the bold text label
// (word-wrapped; a text longer than it makes the label and the window taller, see LabelFit)
// and the bottom strip for the buttons.
QLabel* buildWindow(QDialog* w, const char* className, const QString& caption, QSize client,
                    QStyle::StandardPixmap picture, const QString& labelName, QRect labelRect,
                    QWidget** strip) {
    w->setObjectName(QString::fromLatin1(className));
    w->setWindowTitle(caption);
    w->setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                      Qt::MSWindowsFixedSizeDialogHint);
    w->setFixedSize(client);
    w->setFont(QFont(QStringLiteral("Tahoma"), 8));
    QPalette face = w->palette();
    const QColor stripColour = face.color(QPalette::Window);
    face.setColor(QPalette::Window, Qt::white);
    w->setPalette(face);
    w->setAutoFillBackground(true);

    const int faceHeight = client.height() - kStripHeight;
    auto* pic = new QLabel(w);
    pic->setObjectName(QStringLiteral("picture"));
    pic->setGeometry(kPictureLeft, (faceHeight - kPictureSize) / 2, kPictureSize, kPictureSize);
    pic->setPixmap(w->style()->standardIcon(picture).pixmap(kPictureSize, kPictureSize));

    auto* label = new QLabel(w);
    label->setObjectName(labelName);
    label->setGeometry(labelRect);
    label->setFixedSize(labelRect.size());
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    QFont bold(QStringLiteral("Tahoma"), 9);
    bold.setBold(true);
    label->setFont(bold);

    auto* bottom = new QWidget(w);
    bottom->setObjectName(QStringLiteral("strip"));
    bottom->setGeometry(0, faceHeight, client.width(), kStripHeight);
    QPalette stripPalette = bottom->palette();
    stripPalette.setColor(QPalette::Window, stripColour);
    bottom->setPalette(stripPalette);
    bottom->setAutoFillBackground(true);
    *strip = bottom;
    return label;
}

QPushButton* addButton(QWidget* strip, const QString& name, const QString& text, int left,
                       int width) {
    auto* b = new QPushButton(text, strip);
    b->setObjectName(name);
    b->setGeometry(left, (kStripHeight - kButtonHeight) / 2, width, kButtonHeight);
    b->setAutoDefault(true);
    return b;
}

// The window the user is working in: the new window stacks above it, whatever owns it.
void stackAboveActiveWindow(QDialog* w) {
    QWidget* active = otherVisibleWindow(w, QApplication::activeModalWidget());
    if (!active)
        active = otherVisibleWindow(w, QApplication::activeWindow());
    if (!active || !active->windowHandle())
        return;
    w->winId(); // makes the native window so it can be told its parent before it is mapped
    if (QWindow* handle = w->windowHandle())
        handle->setTransientParent(active->windowHandle());
}

} // namespace

TForma_soobshenie::TForma_soobshenie(Globalnye_peremennye_slovarya& g, QWidget* parent)
    : QDialog(parent), g_(g) {
    QWidget* strip = nullptr;
    Nadpis_tekst_soobshcheniya =
        buildWindow(this, "TForma_soobshenie", QStringLiteral("Сообщение"), QSize(537, 91),
                    QStyle::SP_MessageBoxInformation, QStringLiteral("Надпись_текст_сообщения"),
                    QRect(110, 16, 408, 29), &strip);
    Knopka_zakryt =
        addButton(strip, QStringLiteral("Кнопка_закрыть"), QStringLiteral("Закрыть"), 350, 177);
    Knopka_zakryt->setDefault(true);
    connect(Knopka_zakryt, &QPushButton::clicked, this, &QDialog::accept);
    fit_.emplace(Nadpis_tekst_soobshcheniya);
}

void TForma_soobshenie::setVisible(bool visible) {
    if (visible && !isVisible()) {
        Nadpis_tekst_soobshcheniya->setText(g_.Tekst_soobshcheniya);
        fit_->fit();
        Knopka_zakryt->setFocus();
        stackAboveActiveWindow(this);
    }
    QDialog::setVisible(visible);
}

void TForma_soobshenie::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        centreOnOwner(this);
}

TForma_vopros_s_viborom::TForma_vopros_s_viborom(Globalnye_peremennye_slovarya& g, QWidget* parent)
    : QDialog(parent), g_(g) {
    QWidget* strip = nullptr;
    Nadpis_tekst_voprosa =
        buildWindow(this, "TForma_vopros_s_viborom", QStringLiteral("Вопрос"), QSize(537, 91),
                    QStyle::SP_MessageBoxQuestion, QStringLiteral("Надпись_текст_вопроса"),
                    QRect(117, 9, 400, 45), &strip);
    Knopka_da = addButton(strip, QStringLiteral("Кнопка_да"), QStringLiteral("Да"), 247, 120);
    Knopka_net = addButton(strip, QStringLiteral("Кнопка_нет"), QStringLiteral("Нет"), 397, 120);
    // Enter alone must answer "Нет".
    Knopka_net->setDefault(true);
    connect(Knopka_da, &QPushButton::clicked, this, [this] {
        g_.Otvet_da = true;
        accept();
    });
    connect(Knopka_net, &QPushButton::clicked, this, &QDialog::reject);
    fit_.emplace(Nadpis_tekst_voprosa);
}

void TForma_vopros_s_viborom::setVisible(bool visible) {
    if (visible && !isVisible()) {
        g_.Otvet_da = false;
        Nadpis_tekst_voprosa->setText(g_.Tekst_voprosa);
        fit_->fit();
        Knopka_net->setFocus();
        stackAboveActiveWindow(this);
    }
    QDialog::setVisible(visible);
}

void TForma_vopros_s_viborom::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        centreOnOwner(this);
}

TForma_soobschenie_ob_oschibke::TForma_soobschenie_ob_oschibke(Globalnye_peremennye_slovarya& g,
                                                               QWidget* parent)
    : QDialog(parent), g_(g) {
    QWidget* strip = nullptr;
    Oblast_teksta_soobshcheniya =
        buildWindow(this, "TForma_soobschenie_ob_oschibke", QStringLiteral("Сообщение об ошибке"),
                    QSize(560, 98), QStyle::SP_MessageBoxCritical,
                    QStringLiteral("Область_текста_сообщения"), QRect(109, 15, 434, 44), &strip);
    Knopka_zakryt =
        addButton(strip, QStringLiteral("Кнопка_закрыть"), QStringLiteral("Закрыть"), 390, 153);
    Knopka_zakryt->setDefault(true);
    connect(Knopka_zakryt, &QPushButton::clicked, this, &QDialog::accept);
    fit_.emplace(Oblast_teksta_soobshcheniya);
}

void TForma_soobschenie_ob_oschibke::setVisible(bool visible) {
    if (visible && !isVisible()) {
        Oblast_teksta_soobshcheniya->setText(g_.Tekst_oshibki);
        fit_->fit();
        Knopka_zakryt->setFocus();
        stackAboveActiveWindow(this);
    }
    QDialog::setVisible(visible);
}

void TForma_soobschenie_ob_oschibke::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        centreOn(this, screenArea(otherVisibleWindow(this, parentWidget())));
}

} // namespace telvo
