#pragma once

#include "app/core/Globals.h"

#include <QAbstractTableModel>
#include <QByteArray>
#include <vector>

namespace telvo {

// The main window's record table: 8 text columns, newest record first, or only the forgotten
// records in the forgotten-only view (g.Rezhim_zabytye). Qt row r shows the table's data row
// r + 1. Cell texts are computed when asked for, from the file bytes held since the last
// reload, so rows nobody looks at cost nothing.
class RecordTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Nomer, Iskl, Angl, Transkr, Perevod, Zabyto, Data, Otm, ColumnCount };
    enum Role {
        RecordNumberRole = Qt::UserRole + 1, // int: 1-based record number, 0 on the empty row
        ExcludedRole,                        // bool
        ForgottenRole,                       // bool
        MarkedRole,                          // bool
    };

    explicit RecordTableModel(Globalnye_peremennye_slovarya& g, QObject* parent = nullptr);

    // Rebuilds from the files (the data part of Vyvod_soderzhaniya_vsey_tablitsy): updates
    // Kolichestvo_zapisey, Kolichestvo_razreshennykh_k_pokazu, Kolichestvo_zabytykh_slov and
    // the marks array. An empty dictionary or an empty forgotten-only view gives one empty row.
    // Reads each file once, in bulk. Throws telvo::Failure and leaves the model unchanged when
    // the dictionary cannot be read.
    void reload();

    // The translation column (check box "Перевод"); switching it off only blanks column 4.
    bool translationShown() const { return translationShown_; }
    void setTranslationShown(bool shown);

    // Replaces the texts of the record shown in `row` after an edit, without a rebuild.
    // `record` is the whole 176-byte record as written back to the file.
    void updateRecord(int row, const QByteArray& record);

    // Number of data rows that show a record (0 for the single empty row).
    int recordRows() const;
    int32_t recordNumber(int row) const; // 0 when the row shows no record
    QString english(int row) const;      // column-2 text
    bool isExcluded(int row) const;
    bool isForgotten(int row) const;
    bool isMarked(int row) const;
    // The view the last reload built (g.Rezhim_zabytye at that time).
    bool forgottenView() const { return forgottenView_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // Text of one cell, as the table shows it.
    QString cellText(int row, int column) const;

private:
    int32_t recordIndex(int row) const; // 0-based index in the file, -1 for no record
    const char* recordBytes(int row) const;

    Globalnye_peremennye_slovarya& g_;
    QByteArray records_;             // the whole dictionary as read (whole records only)
    QByteArray forgotten_;           // one byte per record; zeros where the file is short
    std::vector<int32_t> rowRecord_; // forgotten-only view: 0-based record index per row
    bool forgottenFileRead_ = false; // Stat_forget.dictstat existed at the last reload
    bool forgottenView_ = false;
    bool translationShown_ = true;
};

// The "Номер" cell: the number after 7, 5, 3 or 1 blanks (below 10, 100, 1000, from 1000 on).
QString recordNumberCellText(int32_t number);

// "  Записей = N (M)": counts records and those not excluded, updating both counters.
QString Otobrazhenie_kolichestva_zapisey(Globalnye_peremennye_slovarya& g);

} // namespace telvo
