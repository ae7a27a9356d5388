#include "ui/main/RecordTableDelegate.h"

#include "store/RecordTableModel.h"

namespace telvo {

RecordTableDelegate::RecordTableDelegate(Globalnye_peremennye_slovarya& g,
                                         const RecordTableModel& model, QObject* parent)
    : RecordCellDelegate(
          {RecordTableModel::Nomer, RecordTableModel::Iskl, RecordTableModel::Zabyto,
           RecordTableModel::Otm},
          [&g, &model] {
              State s;
              s.forgottenView = g.Rezhim_zabytye;
              s.wholeRange = g.Vse_slova_slovarya;
              s.count = g.Kolichestvo_zapisey;
              s.rangeStart = g.Nachalo_diapazona;
              s.rangeEnd = g.Konets_diapazona;
              s.marks = &g.tip_Dinamicheskiy_massiv_otmechennykh_slov;
              s.recordRows = model.recordRows();
              return s;
          },
          [&model](int row, int column) { return model.cellText(row, column); }, parent) {}

} // namespace telvo
