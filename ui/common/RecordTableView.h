#pragma once

#include <QTableView>
#include <functional>
#include <initializer_list>

class QKeyEvent;
class QMouseEvent;

namespace telvo {

// The record table. The main window reacts to keys and mouse buttons the way the grid of the
// original program did: key-down handlers run before the table moves the selection, mouse-down
// handlers after it. Typing letters does not jump to rows.
class RecordTableView : public QTableView {
    Q_OBJECT
public:
    explicit RecordTableView(QWidget* parent = nullptr);

    // True when the key was handled and the table must not process it.
    std::function<bool(QKeyEvent*)> onKeyDown;
    std::function<void(QKeyEvent*)> onKeyUp;
    // Called after the table has selected the row under the mouse.
    std::function<void(QMouseEvent*)> onMouseDown;
    std::function<void(QMouseEvent*)> onClick;
    std::function<void(QMouseEvent*)> onDoubleClick;
    // +1 for one notch down, -1 for one notch up.
    std::function<void(int steps)> onWheel;

    // The record grid's look: whole rows selected, no editing, 20-pixel rows and header, left
    // headers, fixed columns of `widths`, vertical scroll bar only (the delegate draws the lines).
    void setUpRecordGrid(std::initializer_list<int> widths);

    // 1-based data rows, like the grid's rows below its header.
    int topRow() const;
    void setTopRow(int row);
    int visibleRows() const;

    // The selected data row (1 when nothing is selected).
    int selectedRow() const;
    // Selects `row` (kept within the table) at `column`, with `topRow` as the top visible row
    // when given, scrolled into sight; returns the row selected.
    int selectRow(int row, int column, int topRow = 0);

    // Whether the selected row stands at the top or the bottom edge of the visible rows (the
    // first and the last row of the table do not count), taken before a change ...
    struct SelectionEdge {
        bool top = false;
        bool bottom = false;
    };
    SelectionEdge selectionEdge() const;
    // ... and after it the view moves one row so that the row's neighbour stays in sight.
    void keepNeighbourInSight(SelectionEdge edge);

    void keyboardSearch(const QString&) override {}

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    int wheelRemainder_ = 0;
};

} // namespace telvo
