#include "tools/windows/AboutWindow.h"

#include "platform/gui/OpenWithDesktop.h"
#include "tools/logic/WebAddresses.h"
#include "ui/common/ButtonKeys.h"
#include "ui/common/Dialogs.h"
#include "ui/common/Fonts.h"
#include "ui/common/MainWindow.h"

#include <QApplication>
#include <QGridLayout>
#include <QIcon>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace telvo {

namespace {

constexpr int kClientWidth = 537;
constexpr int kClientHeight = 171;
constexpr int kPicture = 150;

QFont pixelFont(int pixels, bool bold) {
    QFont font = tahomaFont(9, bold);
    font.setPixelSize(pixels);
    return font;
}

QLabel* named(QLabel* label, const char* name) {
    label->setObjectName(QString::fromUtf8(name));
    return label;
}

} // namespace

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

TForma_o_programme::TForma_o_programme(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TForma_o_programme"));
    setWindowTitle(QStringLiteral("О программе"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);

    Risunok = named(new QLabel(this), "Рисунок_о_программе");
    Risunok->setFixedSize(kPicture, kPicture);
    // The program's own picture; the window icon stands in where the program's resources are
    // not linked.
    QIcon icon(QStringLiteral(":/icons/telvo-vocabulary-256.png"));
    if (icon.isNull())
        icon = QApplication::windowIcon();
    Risunok->setPixmap(icon.pixmap(kPicture, kPicture));
    Risunok->setAlignment(Qt::AlignCenter);

    Nadpis_s_nazvaniem =
        named(new QLabel(QStringLiteral("Telvo: Vocabulary"), this), "Надпись_с_названием");
    Nadpis_s_nazvaniem->setFont(pixelFont(15, true));
    Nadpis_s_nazvaniem_programmy =
        named(new QLabel(QStringLiteral("Лексикар"), this), "Надпись_с_названием_программы");
    Nadpis_s_nazvaniem_programmy->setFont(pixelFont(13, true));
    Nadpis_versiya = named(new QLabel(this), "Надпись_версия");
    Nadpis_adres_sayta = new LinkLabel(QString::fromLatin1(tools::kMakerWebAddress), this);
    named(Nadpis_adres_sayta, "Надпись_адрес_сайта");
    QFont link = Nadpis_adres_sayta->font();
    link.setUnderline(true);
    Nadpis_adres_sayta->setFont(link);
    Nadpis_adres_sayta->setStyleSheet(QStringLiteral("color: #0645ad;"));
    Nadpis_adres_sayta->setCursor(Qt::PointingHandCursor);
    Knopka_zakryt = makeButton(this, "Кнопка_закрыть", QStringLiteral("Закрыть"));
    Knopka_zakryt->setMinimumWidth(150);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(10, 10, 16, 10);
    grid->setHorizontalSpacing(20);
    grid->addWidget(Risunok, 0, 0, 6, 1, Qt::AlignTop);
    grid->addWidget(Nadpis_s_nazvaniem, 0, 1);
    grid->addWidget(Nadpis_s_nazvaniem_programmy, 1, 1);
    grid->addWidget(Nadpis_versiya, 2, 1);
    grid->addWidget(Nadpis_adres_sayta, 3, 1, Qt::AlignLeft);
    grid->setRowStretch(4, 1);
    grid->addWidget(Knopka_zakryt, 5, 1, Qt::AlignRight);
    grid->setColumnStretch(1, 1);

    enterPressesFocusedButton(this);
    connect(Knopka_zakryt, &QPushButton::clicked, this, &QDialog::reject);
    connect(Nadpis_adres_sayta, &LinkLabel::clicked, this,
            [] { platform::openWithDesktop(QUrl(QString::fromLatin1(tools::kMakerWebAddress))); });
    // A fixed border, at least the window's own size, larger where the fonts need it.
    setFixedSize(sizeHint().expandedTo(QSize(kClientWidth, kClientHeight)));
}

void TForma_o_programme::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Nadpis_versiya->setText(QStringLiteral("Версия 1.02.19"));
    Knopka_zakryt->setFocus();
    centreOnOwner(this);
}

void installAboutCommand(MainWindow& main) {
    main.installCommand(MainCommand::About, [&main] {
        TForma_o_programme window(main.widget());
        window.exec();
    });
}

} // namespace telvo
