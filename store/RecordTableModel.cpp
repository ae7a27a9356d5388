#include "store/RecordTableModel.h"

#include "app/core/Failure.h"
#include "store/Binary.h"
#include "store/RecordFile.h"
#include "store/Records.h"

#include <QLocale>
#include <array>

namespace telvo {

namespace {

constexpr int kRec = DictRecord::kSize;

// Records are read in slices of this many, so counting never holds a whole large file.
constexpr int32_t kCountSlice = 8192;

const std::array<QString, RecordTableModel::ColumnCount>& headerTexts() {
    static const std::array<QString, RecordTableModel::ColumnCount> texts = {
        QStringLiteral("Номер"),
        QStringLiteral("x"),
        QString(16, u' ') + QStringLiteral("Английское слово (текст)"),
        QString(28, u' ') + QStringLiteral("Транскрипция (русскими буквами)"),
        QString(57, u' ') + QStringLiteral("Перевод"),
        QStringLiteral("Збл"),
        QStringLiteral("Дата добавления"),
        QStringLiteral("Отм"),
    };
    return texts;
}

bool excludedByte(const char* rec) {
    return getBool(rec + DictRecord::kExcludedOffset);
}

bool markedByte(const char* rec) {
    return getBool(rec + DictRecord::kMarkedOffset);
}

} // namespace

QString recordNumberCellText(int32_t number) {
    const int blanks = number < 10 ? 7 : number < 100 ? 5 : number < 1000 ? 3 : 1;
    return QString(blanks, u' ') + QString::number(number);
}

RecordTableModel::RecordTableModel(Globalnye_peremennye_slovarya& g, QObject* parent)
    : QAbstractTableModel(parent), g_(g) {}

void RecordTableModel::reload() {
    // Everything is read before the model changes, so a failed read leaves the old table.
    const RecordFile dictionary(g_.puti.vocabulary, kRec);
    QByteArray records = dictionary.readAll();
    const auto n = static_cast<int32_t>(records.size() / kRec);

    const RecordFile forgottenFile(g_.puti.statForget, 1);
    const bool forgottenExists = n > 0 && forgottenFile.exists();
    QByteArray forgotten;
    if (forgottenExists) {
        forgotten = forgottenFile.readUpTo(0, n);
        // A forgotten file shorter than the dictionary: the missing records are not forgotten.
        if (forgotten.size() < n)
            forgotten.append(QByteArray(n - forgotten.size(), '\0'));
    }

    const bool forgottenView = g_.Rezhim_zabytye;
    std::vector<uint8_t> marks(static_cast<size_t>(std::max<int32_t>(n, 1)), 0);
    std::vector<int32_t> rowRecord;
    int32_t allowed = 0;
    int32_t forgottenCount = 0;
    int32_t lastFilled = 0;

    const char* base = records.constData();
    if (forgottenExists) {
        for (char b : std::as_const(forgotten))
            forgottenCount += b != 0 ? 1 : 0;
    }
    if (forgottenView && forgottenExists)
        rowRecord.reserve(static_cast<size_t>(forgottenCount));
    // Highest record number first: that is the order of the rows.
    for (int32_t i = n - 1; i >= 0; --i) {
        const char* rec = base + qsizetype(i) * kRec;
        if (!excludedByte(rec))
            ++allowed;
        if (!forgottenView) {
            marks[static_cast<size_t>(n - 1 - i)] = markedByte(rec) ? 1 : 0;
            lastFilled = i + 1;
        } else if (forgottenExists && forgotten[i] != 0) {
            marks[rowRecord.size()] = markedByte(rec) ? 1 : 0;
            rowRecord.push_back(i);
            lastFilled = i + 1;
        }
    }

    beginResetModel();
    records_ = std::move(records);
    forgotten_ = std::move(forgotten);
    rowRecord_ = std::move(rowRecord);
    forgottenFileRead_ = forgottenExists;
    forgottenView_ = forgottenView;
    endResetModel();

    g_.Kolichestvo_zapisey = n;
    g_.Kolichestvo_razreshennykh_k_pokazu = allowed;
    g_.Kolichestvo_zabytykh_slov = forgottenCount;
    g_.tip_Dinamicheskiy_massiv_otmechennykh_slov = std::move(marks);
    if (lastFilled > 0)
        g_.Nomer_tekushchey_zapisi = lastFilled;
}

void RecordTableModel::setTranslationShown(bool shown) {
    if (shown == translationShown_)
        return;
    translationShown_ = shown;
    emit dataChanged(index(0, Perevod), index(rowCount() - 1, Perevod), {Qt::DisplayRole});
}

void RecordTableModel::updateRecord(int row, const QByteArray& record) {
    const int32_t i = recordIndex(row);
    if (i < 0)
        return;
    if (record.size() != kRec)
        throw Failure(QStringLiteral("Неполная запись словаря"));
    records_.replace(qsizetype(i) * kRec, kRec, record);
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

int RecordTableModel::recordRows() const {
    if (forgottenView_)
        return static_cast<int>(rowRecord_.size());
    return static_cast<int>(records_.size() / kRec);
}

int32_t RecordTableModel::recordIndex(int row) const {
    if (row < 0 || row >= recordRows())
        return -1;
    if (forgottenView_)
        return rowRecord_[static_cast<size_t>(row)];
    return static_cast<int32_t>(records_.size() / kRec) - 1 - row;
}

const char* RecordTableModel::recordBytes(int row) const {
    const int32_t i = recordIndex(row);
    return i < 0 ? nullptr : records_.constData() + qsizetype(i) * kRec;
}

int32_t RecordTableModel::recordNumber(int row) const {
    return recordIndex(row) + 1;
}

QString RecordTableModel::english(int row) const {
    return cellText(row, Angl);
}

bool RecordTableModel::isExcluded(int row) const {
    const char* rec = recordBytes(row);
    return rec && excludedByte(rec);
}

bool RecordTableModel::isForgotten(int row) const {
    const int32_t i = recordIndex(row);
    return i >= 0 && forgottenFileRead_ && forgotten_[i] != 0;
}

bool RecordTableModel::isMarked(int row) const {
    const char* rec = recordBytes(row);
    return rec && markedByte(rec);
}

int RecordTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : std::max(1, recordRows());
}

int RecordTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QString RecordTableModel::cellText(int row, int column) const {
    const char* rec = recordBytes(row);
    if (!rec)
        return {};
    switch (column) {
    case Nomer:
        return recordNumberCellText(recordNumber(row));
    case Iskl:
        return excludedByte(rec) ? QStringLiteral("x") : QString();
    case Angl:
        return getShortString(rec + DictRecord::kEnglishOffset, DictRecord::kEnglishMax);
    case Transkr:
        return u'[' +
               getShortString(rec + DictRecord::kTranscriptionOffset,
                              DictRecord::kTranscriptionMax) +
               u']';
    case Perevod:
        return translationShown_ ? getShortString(rec + DictRecord::kTranslationOffset,
                                                  DictRecord::kTranslationMax)
                                 : QString();
    case Zabyto:
        return isForgotten(row) ? QStringLiteral(" +") : QString();
    case Data:
        // QLocale() is the system locale unless a test has set a default of its own.
        return QString(7, u' ') +
               QLocale().toString(fromDelphiDate(getF64(rec + DictRecord::kDateOffset)),
                                  QLocale::ShortFormat);
    default:
        return {};
    }
}

QVariant RecordTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const int row = index.row();
    switch (role) {
    case Qt::DisplayRole:
        return cellText(row, index.column());
    case RecordNumberRole:
        return recordNumber(row);
    case ExcludedRole:
        return isExcluded(row);
    case ForgottenRole:
        return isForgotten(row);
    case MarkedRole:
        return isMarked(row);
    default:
        return {};
    }
}

QVariant RecordTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= ColumnCount)
        return {};
    return headerTexts()[static_cast<size_t>(section)];
}

QString Otobrazhenie_kolichestva_zapisey(Globalnye_peremennye_slovarya& g) {
    return reportFailuresAs("Отображение_количества_записей", [&] {
        const RecordFile dictionary(g.puti.vocabulary, kRec);
        const int32_t n = dictionary.count();
        int32_t allowed = 0;
        for (int32_t from = 0; from < n; from += kCountSlice) {
            const QByteArray slice = dictionary.readUpTo(from, kCountSlice);
            for (qsizetype at = 0; at < slice.size(); at += kRec)
                allowed += excludedByte(slice.constData() + at) ? 0 : 1;
        }
        g.Kolichestvo_zapisey = n;
        g.Kolichestvo_razreshennykh_k_pokazu = allowed;
        return QStringLiteral("  Записей = %1 (%2)").arg(n).arg(allowed);
    });
}

} // namespace telvo
