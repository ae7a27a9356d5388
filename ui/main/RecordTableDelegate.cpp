#include "ui/main/RecordTableDelegate.h"

#include "store/RecordTableModel.h"

#include <QApplication>
#include <QPainter>

namespace telvo {

RecordTableDelegate::RecordTableDelegate(Globalnye_peremennye_slovarya& g,
                                         const RecordTableModel& model, QObject* parent)
    : QStyledItemDelegate(parent), g_(g), model_(model) {}

QColor RecordTableDelegate::background(int row, int column, bool selected,
                                       const QColor& windowColour) const {
    const int r = row + 1; // the table's data row
    QColor colour = windowColour;
    if (g_.Rezhim_zabytye) {
        colour = kForgottenView;
    } else if (!g_.Vse_slova_slovarya) {
        const int32_t n = g_.Kolichestvo_zapisey;
        if (n - g_.Konets_diapazona + 1 <= r && r <= n - g_.Nachalo_diapazona + 1)
            colour = kInRange;
    }
    if (selected)
        colour = kSelected;
    if (column == RecordTableModel::Iskl && model_.cellText(row, column) == QLatin1String("x")) {
        colour = kExcluded;
    } else if (column == RecordTableModel::Zabyto &&
               model_.cellText(row, column) == QLatin1String(" +")) {
        colour = kForgotten;
    } else if (column == RecordTableModel::Otm) {
        const auto& marks = g_.tip_Dinamicheskiy_massiv_otmechennykh_slov;
        if (row >= 0 && static_cast<size_t>(row) < marks.size() && row < model_.recordRows() &&
            marks[static_cast<size_t>(row)] != 0)
            colour = kMarked;
    }
    return colour;
}

void RecordTableDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    const QWidget* view = option.widget;
    const QPalette& palette = view ? view->palette() : QApplication::palette();
    const QRect cell = option.rect;
    const bool selected = option.state.testFlag(QStyle::State_Selected);

    painter->save();
    // Column 0 is the grid's fixed column: it keeps the look of the header.
    const QColor fill =
        index.column() == RecordTableModel::Nomer
            ? palette.color(QPalette::Button)
            : background(index.row(), index.column(), selected, palette.color(QPalette::Base));
    painter->fillRect(cell, fill);

    // Grid lines two pixels wide on the right and bottom edges of every cell.
    const QColor line = palette.color(QPalette::Mid);
    painter->fillRect(QRect(cell.right() - 1, cell.top(), 2, cell.height()), line);
    painter->fillRect(QRect(cell.left(), cell.bottom() - 1, cell.width(), 2), line);

    painter->setFont(option.font);
    painter->setPen(palette.color(QPalette::Text));
    const QRect textRect = cell.adjusted(5, 2, -2, -2);
    painter->setClipRect(cell.adjusted(0, 0, -2, -2));
    painter->drawText(textRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                      model_.cellText(index.row(), index.column()));
    painter->restore();
}

} // namespace telvo
