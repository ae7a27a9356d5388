#include "ui/common/RecordCellDelegate.h"

#include "store/RecordTableModel.h"

#include <QApplication>
#include <QPainter>

namespace telvo {

RecordCellDelegate::RecordCellDelegate(Columns columns, std::function<State()> state,
                                       std::function<QString(int, int)> cellText, QObject* parent)
    : QStyledItemDelegate(parent), columns_(columns), state_(std::move(state)),
      cellText_(std::move(cellText)) {}

RecordCellDelegate::RecordCellDelegate(const Globalnye_peremennye_slovarya& g,
                                       const RecordTableModel& model, QObject* parent)
    : RecordCellDelegate(
          {model.columnOf(CellKind::Number), model.columnOf(CellKind::Excluded),
           model.columnOf(CellKind::Forgotten), model.columnOf(CellKind::Marked)},
          [&g, &model] {
              const RecordKind& kind = model.kind();
              State s;
              s.forgottenView = g.*kind.forgottenView;
              s.wholeRange = g.*kind.whole;
              s.count = g.*kind.count;
              s.rangeStart = g.*kind.start;
              s.rangeEnd = g.*kind.end;
              s.marks = &(g.*kind.marks);
              s.recordRows = model.recordRows();
              return s;
          },
          [&model](int row, int column) { return model.cellText(row, column); }, parent) {}

QColor RecordCellDelegate::background(int row, int column, bool selected,
                                      const QColor& windowColour) const {
    const State s = state_();
    const int r = row + 1; // the table's data row
    QColor colour = windowColour;
    if (s.forgottenView) {
        colour = kForgottenView;
    } else if (!s.wholeRange) {
        if (s.count - s.rangeEnd + 1 <= r && r <= s.count - s.rangeStart + 1)
            colour = kInRange;
    }
    if (selected)
        colour = kSelected;
    if (column == columns_.excluded && cellText_(row, column) == QLatin1String("x")) {
        colour = kExcluded;
    } else if (column == columns_.forgotten && cellText_(row, column) == QLatin1String(" +")) {
        colour = kForgotten;
    } else if (column == columns_.mark && s.marks) {
        if (row >= 0 && static_cast<size_t>(row) < s.marks->size() && row < s.recordRows &&
            (*s.marks)[static_cast<size_t>(row)] != 0)
            colour = kMarked;
    }
    return colour;
}

void RecordCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    const QWidget* view = option.widget;
    const QPalette& palette = view ? view->palette() : QApplication::palette();
    const QRect cell = option.rect;
    const bool selected = option.state.testFlag(QStyle::State_Selected);

    painter->save();
    // The number column is the grid's fixed column: it keeps the look of the header.
    const QColor fill =
        index.column() == columns_.number
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
                      cellText_(index.row(), index.column()));
    painter->restore();
}

} // namespace telvo
