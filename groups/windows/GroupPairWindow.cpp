#include "groups/windows/GroupPairWindow.h"

#include "ui/common/ButtonKeys.h"
#include "ui/common/Dialogs.h"
#include "ui/common/Fonts.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>

namespace telvo {

namespace {

constexpr int kVerdictLeft = 180;

// The exercise's small pictures, drawn here: two cards (grey, one yellow), a tick, a cross, a
// star.
QPixmap drawPicture(const QString& name) {
    QPixmap pixmap(48, 48);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor grey(216, 216, 216);
    const QColor yellow(236, 189, 18);
    if (name == QStringLiteral("Нет_слов") || name == QStringLiteral("Одно_слово")) {
        p.setPen(QColor(120, 120, 120));
        p.setBrush(name == QStringLiteral("Одно_слово") ? yellow : grey);
        p.drawRoundedRect(QRectF(4, 12, 17, 24), 3, 3);
        p.setBrush(grey);
        p.drawRoundedRect(QRectF(27, 12, 17, 24), 3, 3);
    } else if (name == QStringLiteral("Правильно")) {
        p.setPen(QPen(QColor(0, 128, 0), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({QPointF(8, 25), QPointF(19, 36), QPointF(40, 12)}));
    } else if (name == QStringLiteral("Неправильно")) {
        p.setPen(QPen(QColor(255, 0, 0), 6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(10, 10, 38, 38);
        p.drawLine(38, 10, 10, 38);
    } else {
        QPainterPath star;
        const QPointF points[] = {{24, 3},  {30, 18}, {46, 18}, {33, 28}, {38, 44},
                                  {24, 34}, {10, 44}, {15, 28}, {2, 18},  {18, 18}};
        star.moveTo(points[0]);
        for (const QPointF& pt : points)
            star.lineTo(pt);
        star.closeSubpath();
        p.setPen(QColor(184, 134, 11));
        p.setBrush(QColor(255, 215, 0));
        p.drawPath(star);
    }
    return pixmap;
}

class PairCellDelegate : public QStyledItemDelegate {
public:
    PairCellDelegate(QTableWidget* table) : QStyledItemDelegate(table), table_(table) {}
    void paint(QPainter* p, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const bool current =
            index.row() == table_->currentRow() && index.column() == table_->currentColumn();
        p->fillRect(option.rect, current ? QColor(236, 189, 18) : QColor(191, 212, 255));
        p->setPen(option.palette.text().color());
        p->setFont(option.font);
        p->drawText(option.rect.adjusted(5, 2, -2, 0), Qt::AlignLeft | Qt::AlignTop,
                    index.data().toString());
    }

private:
    QTableWidget* table_;
};

} // namespace

TForma_sostsvit_pari_iz_slov_gruppi::TForma_sostsvit_pari_iz_slov_gruppi(
    Globalnye_peremennye_slovarya& g, const tip_Zapis_gruppy_slov& group, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("TForma_sostsvit_pari_iz_slov_gruppi"));
    setWindowTitle(QStringLiteral("Составление пар (Слово-Перевод) из слов группы."));
    setFont(tahomaFont(8));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    const QSize client(522, 428);
    setFixedSize(client);

    Nadpis_ostalos_sopovit_par = new QLabel(this);
    Nadpis_ostalos_sopovit_par->setObjectName(QStringLiteral("Надпись_осталось_соповить_пар"));
    Nadpis_ostalos_sopovit_par->setFont(tahomaFont(10, true));
    Nadpis_ostalos_sopovit_par->setGeometry(12, 8, 498, 22);

    constexpr int rowHeight = 18;
    Tablitsa_par_slov_gruppy = new QTableWidget(kGroupRows, 2, this);
    Tablitsa_par_slov_gruppy->setObjectName(QStringLiteral("Таблица_пар_слов_группы"));
    Tablitsa_par_slov_gruppy->verticalHeader()->hide();
    Tablitsa_par_slov_gruppy->verticalHeader()->setDefaultSectionSize(rowHeight);
    Tablitsa_par_slov_gruppy->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    Tablitsa_par_slov_gruppy->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft |
                                                                      Qt::AlignVCenter);
    Tablitsa_par_slov_gruppy->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    Tablitsa_par_slov_gruppy->horizontalHeader()->setFixedHeight(rowHeight + 4);
    Tablitsa_par_slov_gruppy->horizontalHeader()->setHighlightSections(false);
    Tablitsa_par_slov_gruppy->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Tablitsa_par_slov_gruppy->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Tablitsa_par_slov_gruppy->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Tablitsa_par_slov_gruppy->setSelectionMode(QAbstractItemView::SingleSelection);
    Tablitsa_par_slov_gruppy->setTabKeyNavigation(false);
    Tablitsa_par_slov_gruppy->setColumnWidth(0, 200);
    Tablitsa_par_slov_gruppy->setColumnWidth(1, 297);
    Tablitsa_par_slov_gruppy->setHorizontalHeaderLabels(
        {QString(18, QLatin1Char(' ')) + QStringLiteral("Английское слово"),
         QString(35, QLatin1Char(' ')) + QStringLiteral("Перевод")});
    const int frame = 2 * Tablitsa_par_slov_gruppy->frameWidth();
    Tablitsa_par_slov_gruppy->setGeometry(12, 36, 497 + frame,
                                          rowHeight + 4 + kGroupRows * rowHeight + frame);
    Tablitsa_par_slov_gruppy->setItemDelegate(new PairCellDelegate(Tablitsa_par_slov_gruppy));
    Tablitsa_par_slov_gruppy->installEventFilter(this);
    connect(Tablitsa_par_slov_gruppy, &QTableWidget::cellClicked, this, [this] { singleClick(); });
    connect(Tablitsa_par_slov_gruppy, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int column) { choose(row, column); });
    connect(Tablitsa_par_slov_gruppy, &QTableWidget::currentCellChanged, this,
            [this] { Tablitsa_par_slov_gruppy->viewport()->update(); });

    const int bottom = Tablitsa_par_slov_gruppy->geometry().bottom() + 8;
    Nadpis_vybrannoe_slovo = new QLabel(this);
    Nadpis_vybrannoe_slovo->setObjectName(QStringLiteral("Надпись_выбранное_слово"));
    Nadpis_vybrannoe_slovo->setFont(tahomaFont(9, true));
    Nadpis_vybrannoe_slovo->setGeometry(12, bottom, 240, 20);
    Nadpis_vybrannyy_perevod = new QLabel(this);
    Nadpis_vybrannyy_perevod->setObjectName(QStringLiteral("Надпись_выбранный_перевод"));
    Nadpis_vybrannyy_perevod->setFont(tahomaFont(9, true));
    Nadpis_vybrannyy_perevod->setGeometry(12, bottom + 22, 360, 20);

    Nadpis_pravilnost_sopostavleniya = new QLabel(this);
    Nadpis_pravilnost_sopostavleniya->setObjectName(
        QStringLiteral("Надпись_правильность_сопоставления"));
    QFont verdict = tahomaFont(8, true);
    verdict.setPixelSize(21);
    verdict.setItalic(true);
    Nadpis_pravilnost_sopostavleniya->setFont(verdict);
    Nadpis_pravilnost_sopostavleniya->setGeometry(kVerdictLeft, bottom + 44, 260, 30);

    Kartinka_formy_sopostavlenie_par_slov = new QLabel(this);
    Kartinka_formy_sopostavlenie_par_slov->setObjectName(
        QStringLiteral("Картинка_формы_сопоставление_пар_слов"));
    Kartinka_formy_sopostavlenie_par_slov->setGeometry(12, bottom + 40, 48, 48);

    Knopka_zakryt =
        makeButton(this, "Кнопка_закрыть", QStringLiteral("Закрыть"),
                   QRect(client.width() - 12 - 110, client.height() - 10 - 28, 110, 28));
    connect(Knopka_zakryt, &QPushButton::clicked, this, &QDialog::reject);
    enterPressesFocusedButton(this);

    // Show: everything cleared, the group laid out.
    Nadpis_pravilnost_sopostavleniya->move(kVerdictLeft, Nadpis_pravilnost_sopostavleniya->y());
    showPicture("Нет_слов");
    exercise_.fill(group, g.random);
    for (int r = 0; r < kGroupRows; ++r) {
        Tablitsa_par_slov_gruppy->setItem(r, 0, new QTableWidgetItem(exercise_.englishCells()[r]));
        Tablitsa_par_slov_gruppy->setItem(r, 1,
                                          new QTableWidgetItem(exercise_.translationCells()[r]));
    }
    Nadpis_ostalos_sopovit_par->setText(exercise_.remainingText());
    Tablitsa_par_slov_gruppy->setCurrentCell(0, 0);
    Tablitsa_par_slov_gruppy->setFocus();
    centreOnOwner(this);
}

void TForma_sostsvit_pari_iz_slov_gruppi::showPicture(const char* name) {
    picture_ = QString::fromUtf8(name);
    Kartinka_formy_sopostavlenie_par_slov->setPixmap(drawPicture(picture_));
}

void TForma_sostsvit_pari_iz_slov_gruppi::singleClick() {
    if (!exercise_.click())
        return;
    Nadpis_vybrannoe_slovo->clear();
    Nadpis_vybrannyy_perevod->clear();
    Nadpis_pravilnost_sopostavleniya->clear();
    showPicture("Нет_слов");
    if (exercise_.allMatched()) {
        Nadpis_pravilnost_sopostavleniya->setStyleSheet(QStringLiteral("color: rgb(0, 0, 0);"));
        Nadpis_pravilnost_sopostavleniya->move(kVerdictLeft - 50,
                                               Nadpis_pravilnost_sopostavleniya->y());
        Nadpis_pravilnost_sopostavleniya->setText(QString::fromUtf8(kAllPairsMatched));
        showPicture("Все_сопоставлены");
    }
}

void TForma_sostsvit_pari_iz_slov_gruppi::choose(int row, int column) {
    if (exercise_.allMatched())
        return;
    const PairVerdict verdict = exercise_.choose(column, row);
    Nadpis_vybrannoe_slovo->setText(exercise_.Vybrannoe_slovo());
    Nadpis_vybrannyy_perevod->setText(exercise_.chosenTranslation());
    if (verdict == PairVerdict::None) {
        if (!exercise_.Vybrannoe_slovo().isEmpty() || !exercise_.chosenTranslation().isEmpty())
            showPicture("Одно_слово");
        return;
    }
    const bool right = verdict == PairVerdict::Right;
    Nadpis_ostalos_sopovit_par->setText(exercise_.remainingText());
    Nadpis_pravilnost_sopostavleniya->setStyleSheet(right
                                                        ? QStringLiteral("color: rgb(0, 128, 0);")
                                                        : QStringLiteral("color: rgb(255, 0, 0);"));
    Nadpis_pravilnost_sopostavleniya->setText(QString::fromUtf8(right ? kPairRight : kPairWrong));
    showPicture(right ? "Правильно" : "Неправильно");
}

bool TForma_sostsvit_pari_iz_slov_gruppi::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Tablitsa_par_slov_gruppy && event->type() == QEvent::KeyPress) {
        const int k = static_cast<QKeyEvent*>(event)->key();
        if (k == Qt::Key_Return || k == Qt::Key_Enter) {
            choose(Tablitsa_par_slov_gruppy->currentRow(),
                   Tablitsa_par_slov_gruppy->currentColumn());
            return true;
        }
        if (k == Qt::Key_Escape) {
            reject();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace telvo
