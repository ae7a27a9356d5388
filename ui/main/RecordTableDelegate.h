#pragma once

#include "app/core/Globals.h"

#include <QColor>
#include <QStyledItemDelegate>

namespace telvo {

class RecordTableModel;

// Paints the cells of the record table: the row colour (forgotten-only view, exercise range),
// the selected row, the "x", " +" and mark cells, and the text at 5 px from the left and 2 px
// from the top, with 2-pixel grid lines.
class RecordTableDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    static inline const QColor kForgottenView{251, 246, 188};
    static inline const QColor kInRange{255, 226, 244};
    static inline const QColor kSelected{160, 217, 243};
    static inline const QColor kExcluded{154, 215, 90};
    static inline const QColor kForgotten{255, 0, 0};
    static inline const QColor kMarked{255, 189, 62};

    RecordTableDelegate(Globalnye_peremennye_slovarya& g, const RecordTableModel& model,
                        QObject* parent = nullptr);

    // Background of a data cell (Qt row = table row - 1). `windowColour` is the colour of
    // rows outside the range; column 0 is not a data cell and gets no colour of its own.
    QColor background(int row, int column, bool selected, const QColor& windowColour) const;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    Globalnye_peremennye_slovarya& g_;
    const RecordTableModel& model_;
};

} // namespace telvo
