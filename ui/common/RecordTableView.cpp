#include "ui/common/RecordTableView.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>

namespace telvo {

void RecordTableView::setUpRecordGrid(std::initializer_list<int> widths) {
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setShowGrid(false); // the delegate draws 2-pixel lines
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(20);
    QHeaderView* header = horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setSectionsClickable(false);
    header->setHighlightSections(false);
    header->setStretchLastSection(false);
    header->setMinimumSectionSize(8);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setFixedHeight(20);
    int column = 0;
    for (int width : widths)
        setColumnWidth(column++, width);
}

RecordTableView::RecordTableView(QWidget* parent) : QTableView(parent) {}

int RecordTableView::topRow() const {
    const int row = rowAt(0);
    return row < 0 ? 1 : row + 1;
}

void RecordTableView::setTopRow(int row) {
    // The scroll bar counts whole rows (ScrollPerItem), so its value is the top row's index;
    // it clamps rows that cannot be the top row to the last possible one.
    executeDelayedItemsLayout();
    verticalScrollBar()->setValue(std::max(0, row - 1));
}

int RecordTableView::visibleRows() const {
    const int height = verticalHeader()->defaultSectionSize();
    return height > 0 ? std::max(1, viewport()->height() / height) : 1;
}

int RecordTableView::selectedRow() const {
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() + 1 : 1;
}

int RecordTableView::selectRow(int row, int column, int topRow) {
    row = std::clamp(row, 1, std::max(1, model()->rowCount()));
    const QModelIndex index = model()->index(row - 1, column);
    setCurrentIndex(index);
    if (topRow > 0)
        setTopRow(topRow);
    scrollTo(index);
    viewport()->update();
    return row;
}

RecordTableView::SelectionEdge RecordTableView::selectionEdge() const {
    const int row = selectedRow();
    const int top = topRow();
    return {row == top && row != 1, row == top + visibleRows() - 1 && row != model()->rowCount()};
}

void RecordTableView::keepNeighbourInSight(SelectionEdge edge) {
    if (edge.top)
        setTopRow(selectedRow() - 1);
    else if (edge.bottom)
        setTopRow(topRow() + 1);
}

void RecordTableView::keyPressEvent(QKeyEvent* event) {
    if (onKeyDown && onKeyDown(event))
        return;
    QTableView::keyPressEvent(event);
}

void RecordTableView::keyReleaseEvent(QKeyEvent* event) {
    QTableView::keyReleaseEvent(event);
    if (!event->isAutoRepeat() && onKeyUp)
        onKeyUp(event);
}

void RecordTableView::mousePressEvent(QMouseEvent* event) {
    QTableView::mousePressEvent(event);
    if (onMouseDown)
        onMouseDown(event);
}

void RecordTableView::mouseReleaseEvent(QMouseEvent* event) {
    QTableView::mouseReleaseEvent(event);
    if (onClick && event->button() == Qt::LeftButton)
        onClick(event);
}

void RecordTableView::mouseDoubleClickEvent(QMouseEvent* event) {
    QTableView::mouseDoubleClickEvent(event);
    if (onDoubleClick && event->button() == Qt::LeftButton)
        onDoubleClick(event);
}

void RecordTableView::wheelEvent(QWheelEvent* event) {
    // One notch (120) moves the selection by one row, as the grid did; it does not scroll by
    // three rows.
    wheelRemainder_ += event->angleDelta().y();
    const int notches = wheelRemainder_ / 120;
    wheelRemainder_ -= notches * 120;
    event->accept();
    if (notches != 0 && onWheel) {
        for (int i = 0; i < std::abs(notches); ++i)
            onWheel(notches > 0 ? -1 : 1);
    }
}

} // namespace telvo
