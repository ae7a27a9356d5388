#pragma once

#include "app/core/Globals.h"
#include "store/RecordTableModel.h"

namespace telvo {

// The idioms window's table: the record table with the idiom kind and 7 columns.
class IdiomTableModel : public RecordTableModel {
    Q_OBJECT
public:
    enum Column { Nomer, Iskl, Idioma, Perevod, Zabyto, Data, Otm, ColumnCount };
    static constexpr int kWidths[ColumnCount] = {40, 16, 396, 400, 28, 100, 31};

    explicit IdiomTableModel(Globalnye_peremennye_slovarya& g, QObject* parent = nullptr);

    // Replaces the texts of the idiom shown in `row` after an edit, without a rebuild.
    void updateTexts(int row, const QString& text, const QString& translation);

    int32_t idiomNumber(int row) const { return recordNumber(row); }
};

} // namespace telvo
