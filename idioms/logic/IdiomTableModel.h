#pragma once

#include "app/core/Globals.h"

#include <QAbstractTableModel>
#include <QByteArray>
#include <vector>

namespace telvo {

// The idioms window's table: 7 text columns, newest idiom first, or only the forgotten idioms
// in the forgotten-only view (g.Rezhim_zabytye_idiomy). Qt row r shows the table's data row
// r + 1. Cell texts are computed when asked for, from the bytes read at the last reload.
class IdiomTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Nomer, Iskl, Idioma, Perevod, Zabyto, Data, Otm, ColumnCount };
    static constexpr int kWidths[ColumnCount] = {40, 16, 396, 400, 28, 100, 31};

    explicit IdiomTableModel(Globalnye_peremennye_slovarya& g, QObject* parent = nullptr);

    // Rebuilds from Idiom.idiomtdat: updates Kolichestvo_idiom,
    // Kolichestvo_razreshennykh_k_pokazu_idiom, Kolichestvo_zabytykh_idiom and Otmetki_idiom.
    // An empty file or an empty forgotten-only view gives one empty row. Throws telvo::Failure
    // and leaves the model unchanged when the file cannot be read.
    void reload();

    bool translationShown() const { return translationShown_; }
    void setTranslationShown(bool shown);

    // Replaces the texts of the idiom shown in `row` after an edit, without a rebuild.
    void updateTexts(int row, const QString& text, const QString& translation);

    int recordRows() const;
    int32_t idiomNumber(int row) const; // 0 when the row shows no idiom
    QString cellText(int row, int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    const char* recordBytes(int row) const;

    Globalnye_peremennye_slovarya& g_;
    QByteArray records_;
    std::vector<int32_t> rowRecord_; // 0-based index per row, row 1 first
    bool translationShown_ = true;
};

} // namespace telvo
