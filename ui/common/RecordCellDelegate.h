#pragma once

#include "app/core/Globals.h"

#include <QColor>
#include <QStyledItemDelegate>
#include <cstdint>
#include <functional>
#include <vector>

namespace telvo {

class RecordTableModel;

// Paints the cells of a record table (the dictionary's and the idioms'): the row colour
// (forgotten-only view, exercise range), the selected row, the "x", " +" and mark cells, and
// the text at 5 px from the left and 2 px from the top, with 2-pixel grid lines. What differs
// between the tables comes in as data: the columns and the state the colours follow.
class RecordCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    static inline const QColor kForgottenView{251, 246, 188};
    static inline const QColor kInRange{255, 226, 244};
    static inline const QColor kSelected{160, 217, 243};
    static inline const QColor kExcluded{154, 215, 90};
    static inline const QColor kForgotten{255, 0, 0};
    static inline const QColor kMarked{255, 189, 62};

    struct Columns {
        int number;
        int excluded;
        int forgotten;
        int mark;
    };
    // What the colours follow, read at every paint.
    struct State {
        bool forgottenView = false;
        bool wholeRange = true;
        int32_t count = 0;      // records in the file
        int32_t rangeStart = 1; // record numbers of the exercise range
        int32_t rangeEnd = 1;
        const std::vector<uint8_t>* marks = nullptr; // element r - 1 for data row r
        int recordRows = 0;                          // data rows that show a record
    };

    RecordCellDelegate(Columns columns, std::function<State()> state,
                       std::function<QString(int row, int column)> cellText,
                       QObject* parent = nullptr);
    // The table of `model`: its columns, and the state of its record kind in `g`.
    RecordCellDelegate(const Globalnye_peremennye_slovarya& g, const RecordTableModel& model,
                       QObject* parent = nullptr);

    // Background of a data cell (Qt row = table row - 1). `windowColour` is the colour of
    // rows outside the range; the number column is not a data cell and gets no colour of its own.
    QColor background(int row, int column, bool selected, const QColor& windowColour) const;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    Columns columns_;
    std::function<State()> state_;
    std::function<QString(int, int)> cellText_;
};

} // namespace telvo
