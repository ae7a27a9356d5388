#pragma once

#include "app/core/Globals.h"
#include "ui/common/RecordCellDelegate.h"

namespace telvo {

class RecordTableModel;

// The cell painting of the main window's record table: the word columns and the word state.
class RecordTableDelegate : public RecordCellDelegate {
    Q_OBJECT
public:
    RecordTableDelegate(Globalnye_peremennye_slovarya& g, const RecordTableModel& model,
                        QObject* parent = nullptr);
};

} // namespace telvo
