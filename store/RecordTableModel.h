#pragma once

#include "app/core/Globals.h"
#include "store/RecordKind.h"

#include <QAbstractTableModel>
#include <QByteArray>
#include <vector>

namespace telvo {

// What a column of a record table shows.
enum class CellKind { Number, Excluded, Text, Transcription, Translation, Forgotten, Date, Marked };

struct TableColumn {
    CellKind cell;
    QString header;
};

// A record table: newest record first, or only the forgotten records in the forgotten-only view
// (the kind's flag: g.Rezhim_zabytye for words). Qt row r shows the table's data row r + 1. Cell
// texts are computed when asked for, from the file bytes held since the last reload, so rows
// nobody looks at cost nothing. By default the main window's table of words and its 8 columns;
// the idioms window's table is the same with the idiom kind and its columns.
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
    RecordTableModel(Globalnye_peremennye_slovarya& g, const RecordKind& kind,
                     std::vector<TableColumn> columns, QObject* parent = nullptr);

    // Rebuilds from the files (the data part of Vyvod_soderzhaniya_vsey_tablitsy): updates the
    // kind's counters (for words Kolichestvo_zapisey, Kolichestvo_razreshennykh_k_pokazu,
    // Kolichestvo_zabytykh_slov) and its marks array. An empty dictionary or an empty
    // forgotten-only view gives one empty row. Reads each file once, in bulk. Throws telvo::Failure
    // and leaves the model unchanged when the dictionary cannot be read.
    void reload();

    // The translation column (check box "Перевод"); switching it off only blanks that column.
    bool translationShown() const { return translationShown_; }
    void setTranslationShown(bool shown);

    // Replaces the texts of the record shown in `row` after an edit, without a rebuild.
    // `record` is the whole record as written back to the file.
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

    const RecordKind& kind() const { return kind_; }
    // The column that shows `cell`; -1 when the table has none.
    int columnOf(CellKind cell) const;

protected:
    const char* recordBytes(int row) const; // null for no record

private:
    int32_t recordIndex(int row) const; // 0-based index in the file, -1 for no record

    Globalnye_peremennye_slovarya& g_;
    const RecordKind& kind_;
    std::vector<TableColumn> columns_;
    QByteArray records_;             // the whole dictionary as read (whole records only)
    QByteArray forgotten_;           // one byte per record; zeros where the file is short
    std::vector<int32_t> rowRecord_; // forgotten-only view: 0-based record index per row
    bool forgottenFileRead_ = false; // forgotten bytes were read at the last reload
    bool forgottenView_ = false;
    bool translationShown_ = true;
};

// The "Номер" cell: the number after 7, 5, 3 or 1 blanks (below 10, 100, 1000, from 1000 on).
QString recordNumberCellText(int32_t number);

// "  Записей = N (M)": counts records and those not excluded, updating both counters.
QString Otobrazhenie_kolichestva_zapisey(Globalnye_peremennye_slovarya& g);
// The same for any kind: `prefix` + "N (M)", the counts into the kind's counters. Throws.
QString recordCountText(Globalnye_peremennye_slovarya& g, const RecordKind& kind,
                        const QString& prefix);
// `prefix` + the modification date of `path` in the short date format of QLocale(); when the
// time cannot be read the text ends with the prefix: no date rather than a false one.
QString modificationDateText(const QString& path, const QString& prefix);

} // namespace telvo
