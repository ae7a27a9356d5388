#include "store/RecordTableModel.h"

#include "app/core/Failure.h"
#include "platform/Files.h"
#include "store/Binary.h"
#include "store/RecordFile.h"
#include "store/Records.h"

#include <QLocale>

namespace telvo {

namespace {

// Records are read in slices of this many, so counting never holds a whole large file.
constexpr int32_t kCountSlice = 8192;

std::vector<TableColumn> wordColumns() {
    return {
        {CellKind::Number, QStringLiteral("Номер")},
        {CellKind::Excluded, QStringLiteral("x")},
        {CellKind::Text, QString(16, u' ') + QStringLiteral("Английское слово (текст)")},
        {CellKind::Transcription,
         QString(28, u' ') + QStringLiteral("Транскрипция (русскими буквами)")},
        {CellKind::Translation, QString(57, u' ') + QStringLiteral("Перевод")},
        {CellKind::Forgotten, QStringLiteral("Збл")},
        {CellKind::Date, QStringLiteral("Дата добавления")},
        {CellKind::Marked, QStringLiteral("Отм")},
    };
}

} // namespace

QString recordNumberCellText(int32_t number) {
    const int blanks = number < 10 ? 7 : number < 100 ? 5 : number < 1000 ? 3 : 1;
    return QString(blanks, u' ') + QString::number(number);
}

RecordTableModel::RecordTableModel(Globalnye_peremennye_slovarya& g, QObject* parent)
    : RecordTableModel(g, kWordKind, wordColumns(), parent) {}

RecordTableModel::RecordTableModel(Globalnye_peremennye_slovarya& g, const RecordKind& kind,
                                   std::vector<TableColumn> columns, QObject* parent)
    : QAbstractTableModel(parent), g_(g), kind_(kind), columns_(std::move(columns)) {}

void RecordTableModel::reload() {
    // Everything is read before the model changes, so a failed read leaves the old table.
    const int kRec = kind_.layout.size;
    QByteArray records = RecordFile(g_.puti.*kind_.file, kRec).readAll();
    const auto n = static_cast<int32_t>(records.size() / kRec);

    bool forgottenExists = false;
    QByteArray forgotten;
    if (kind_.layout.forgottenInRecord()) {
        forgottenExists = n > 0;
        forgotten.resize(n);
        for (int32_t i = 0; i < n; ++i)
            forgotten[i] = records[qsizetype(i) * kRec + kind_.layout.forgottenOffset];
    } else {
        const RecordFile forgottenFile(g_.puti.*kind_.forgottenFile, 1);
        forgottenExists = n > 0 && forgottenFile.exists();
        if (forgottenExists) {
            forgotten = forgottenFile.readUpTo(0, n);
            // A forgotten file shorter than the dictionary: the missing records are not forgotten.
            if (forgotten.size() < n)
                forgotten.append(QByteArray(n - forgotten.size(), '\0'));
        }
    }

    const int excludedOffset = kind_.layout.excludedOffset;
    const int markedOffset = kind_.layout.markedOffset;
    const bool forgottenView = g_.*kind_.forgottenView;
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
        if (!getBool(rec + excludedOffset))
            ++allowed;
        if (!forgottenView) {
            marks[static_cast<size_t>(n - 1 - i)] = getBool(rec + markedOffset) ? 1 : 0;
            lastFilled = i + 1;
        } else if (forgottenExists && forgotten[i] != 0) {
            marks[rowRecord.size()] = getBool(rec + markedOffset) ? 1 : 0;
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

    g_.*kind_.count = n;
    g_.*kind_.allowed = allowed;
    g_.*kind_.forgotten = forgottenCount;
    g_.*kind_.marks = std::move(marks);
    if (lastFilled > 0)
        g_.*kind_.current = lastFilled;
}

int RecordTableModel::columnOf(CellKind cell) const {
    for (size_t c = 0; c < columns_.size(); ++c)
        if (columns_[c].cell == cell)
            return static_cast<int>(c);
    return -1;
}

void RecordTableModel::setTranslationShown(bool shown) {
    if (shown == translationShown_)
        return;
    translationShown_ = shown;
    const int column = columnOf(CellKind::Translation);
    emit dataChanged(index(0, column), index(rowCount() - 1, column), {Qt::DisplayRole});
}

void RecordTableModel::updateRecord(int row, const QByteArray& record) {
    const int32_t i = recordIndex(row);
    if (i < 0)
        return;
    const int kRec = kind_.layout.size;
    if (record.size() != kRec)
        throw Failure(QStringLiteral("Неполная запись словаря"));
    records_.replace(qsizetype(i) * kRec, kRec, record);
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

int RecordTableModel::recordRows() const {
    if (forgottenView_)
        return static_cast<int>(rowRecord_.size());
    return static_cast<int>(records_.size() / kind_.layout.size);
}

int32_t RecordTableModel::recordIndex(int row) const {
    if (row < 0 || row >= recordRows())
        return -1;
    if (forgottenView_)
        return rowRecord_[static_cast<size_t>(row)];
    return static_cast<int32_t>(records_.size() / kind_.layout.size) - 1 - row;
}

const char* RecordTableModel::recordBytes(int row) const {
    const int32_t i = recordIndex(row);
    return i < 0 ? nullptr : records_.constData() + qsizetype(i) * kind_.layout.size;
}

int32_t RecordTableModel::recordNumber(int row) const {
    return recordIndex(row) + 1;
}

QString RecordTableModel::english(int row) const {
    return cellText(row, columnOf(CellKind::Text));
}

bool RecordTableModel::isExcluded(int row) const {
    const char* rec = recordBytes(row);
    return rec && getBool(rec + kind_.layout.excludedOffset);
}

bool RecordTableModel::isForgotten(int row) const {
    const int32_t i = recordIndex(row);
    return i >= 0 && forgottenFileRead_ && forgotten_[i] != 0;
}

bool RecordTableModel::isMarked(int row) const {
    const char* rec = recordBytes(row);
    return rec && getBool(rec + kind_.layout.markedOffset);
}

int RecordTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : std::max(1, recordRows());
}

int RecordTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QString RecordTableModel::cellText(int row, int column) const {
    const char* rec = recordBytes(row);
    if (!rec || column < 0 || column >= columnCount())
        return {};
    const RecordLayout& l = kind_.layout;
    switch (columns_[static_cast<size_t>(column)].cell) {
    case CellKind::Number:
        return recordNumberCellText(recordNumber(row));
    case CellKind::Excluded:
        return isExcluded(row) ? QStringLiteral("x") : QString();
    case CellKind::Text:
        return getShortString(rec + l.textOffset, l.textMax);
    case CellKind::Transcription:
        return u'[' + getShortString(rec + l.transcriptionOffset, l.transcriptionMax) + u']';
    case CellKind::Translation:
        return translationShown_ ? getShortString(rec + l.translationOffset, l.translationMax)
                                 : QString();
    case CellKind::Forgotten:
        return isForgotten(row) ? QStringLiteral(" +") : QString();
    case CellKind::Date:
        // QLocale() is the system locale unless a test has set a default of its own.
        return QString(7, u' ') +
               QLocale().toString(fromDelphiDate(getF64(rec + l.dateOffset)), QLocale::ShortFormat);
    case CellKind::Marked:
        return {};
    }
    return {};
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
        section >= columnCount())
        return {};
    return columns_[static_cast<size_t>(section)].header;
}

QString recordCountText(Globalnye_peremennye_slovarya& g, const RecordKind& kind,
                        const QString& prefix) {
    const int size = kind.layout.size;
    const RecordFile file(g.puti.*kind.file, size);
    const int32_t n = file.count();
    int32_t allowed = 0;
    for (int32_t from = 0; from < n; from += kCountSlice) {
        const QByteArray slice = file.readUpTo(from, kCountSlice);
        for (qsizetype at = 0; at < slice.size(); at += size)
            allowed += getBool(slice.constData() + at + kind.layout.excludedOffset) ? 0 : 1;
    }
    g.*kind.count = n;
    g.*kind.allowed = allowed;
    return prefix + QStringLiteral("%1 (%2)").arg(n).arg(allowed);
}

QString modificationDateText(const QString& path, const QString& prefix) {
    const QDateTime modified = platform::modificationTime(path);
    QString text = prefix;
    if (modified.isValid())
        text += QLocale().toString(modified.date(), QLocale::ShortFormat);
    return text;
}

QString Otobrazhenie_kolichestva_zapisey(Globalnye_peremennye_slovarya& g) {
    return reportFailuresAs("Отображение_количества_записей", [&] {
        return recordCountText(g, kWordKind, QStringLiteral("  Записей = "));
    });
}

} // namespace telvo
