#include "ui/main/RecordTableDelegate.h"

#include "store/RecordTableModel.h"

namespace telvo {

RecordTableDelegate::RecordTableDelegate(Globalnye_peremennye_slovarya& g,
                                         const RecordTableModel& model, QObject* parent)
    : RecordCellDelegate(g, model, parent) {}

} // namespace telvo
