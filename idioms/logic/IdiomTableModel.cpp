#include "idioms/logic/IdiomTableModel.h"

#include "idioms/logic/IdiomFile.h"
#include "store/Binary.h"
#include "store/RecordTableModel.h"

#include <QLocale>

namespace telvo {

namespace {

constexpr int kRec = IdiomRecord::kSize;

bool flag(const char* rec, int offset) {
    return getBool(rec + offset);
}

} // namespace

IdiomTableModel::IdiomTableModel(Globalnye_peremennye_slovarya& g, QObject* parent)
    : QAbstractTableModel(parent), g_(g) {}

void IdiomTableModel::reload() {
    QByteArray records = readIdioms(g_);
    const auto n = static_cast<int32_t>(records.size() / kRec);
    const bool forgottenView = g_.Rezhim_zabytye_idiomy;
    std::vector<uint8_t> marks(static_cast<size_t>(std::max<int32_t>(n, 1)), 0);
    std::vector<int32_t> rows;
    rows.reserve(static_cast<size_t>(n));
    int32_t allowed = 0;
    int32_t forgotten = 0;
    int32_t lastFilled = 0;
    for (int32_t i = n - 1; i >= 0; --i) {
        const char* rec = records.constData() + qsizetype(i) * kRec;
        if (!flag(rec, IdiomRecord::kExcludedOffset))
            ++allowed;
        const bool isForgotten = flag(rec, IdiomRecord::kForgottenOffset);
        if (isForgotten)
            ++forgotten;
        if (!forgottenView || isForgotten) {
            marks[rows.size()] = flag(rec, IdiomRecord::kMarkedOffset) ? 1 : 0;
            rows.push_back(i);
            lastFilled = i + 1;
        }
    }
    beginResetModel();
    records_ = std::move(records);
    rowRecord_ = std::move(rows);
    endResetModel();
    g_.Kolichestvo_idiom = n;
    g_.Kolichestvo_razreshennykh_k_pokazu_idiom = allowed;
    g_.Kolichestvo_zabytykh_idiom = forgotten;
    g_.Otmetki_idiom = std::move(marks);
    if (lastFilled > 0)
        g_.Nomer_tekushchey_idiomy = lastFilled;
}

void IdiomTableModel::setTranslationShown(bool shown) {
    if (shown == translationShown_)
        return;
    translationShown_ = shown;
    emit dataChanged(index(0, Perevod), index(rowCount() - 1, Perevod), {Qt::DisplayRole});
}

void IdiomTableModel::updateTexts(int row, const QString& text, const QString& translation) {
    if (row < 0 || row >= recordRows())
        return;
    char* rec = records_.data() + qsizetype(rowRecord_[static_cast<size_t>(row)]) * kRec;
    putShortString(rec + IdiomRecord::kTextOffset, IdiomRecord::kTextMax, text);
    putShortString(rec + IdiomRecord::kTranslationOffset, IdiomRecord::kTranslationMax,
                   translation);
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

int IdiomTableModel::recordRows() const {
    return static_cast<int>(rowRecord_.size());
}

const char* IdiomTableModel::recordBytes(int row) const {
    if (row < 0 || row >= recordRows())
        return nullptr;
    return records_.constData() + qsizetype(rowRecord_[static_cast<size_t>(row)]) * kRec;
}

int32_t IdiomTableModel::idiomNumber(int row) const {
    return row < 0 || row >= recordRows() ? 0 : rowRecord_[static_cast<size_t>(row)] + 1;
}

QString IdiomTableModel::cellText(int row, int column) const {
    const char* rec = recordBytes(row);
    if (!rec)
        return {};
    switch (column) {
    case Nomer:
        return recordNumberCellText(idiomNumber(row));
    case Iskl:
        return flag(rec, IdiomRecord::kExcludedOffset) ? QStringLiteral("x") : QString();
    case Idioma:
        return getShortString(rec + IdiomRecord::kTextOffset, IdiomRecord::kTextMax);
    case Perevod:
        return translationShown_ ? getShortString(rec + IdiomRecord::kTranslationOffset,
                                                  IdiomRecord::kTranslationMax)
                                 : QString();
    case Zabyto:
        return flag(rec, IdiomRecord::kForgottenOffset) ? QStringLiteral(" +") : QString();
    case Data:
        return QString(7, u' ') +
               QLocale().toString(fromDelphiDate(getF64(rec + IdiomRecord::kDateOffset)),
                                  QLocale::ShortFormat);
    default:
        return {};
    }
}

int IdiomTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : std::max(1, recordRows());
}

int IdiomTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant IdiomTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole)
        return {};
    return cellText(index.row(), index.column());
}

QVariant IdiomTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case Nomer:
        return QStringLiteral("Номер");
    case Iskl:
        return QStringLiteral("x");
    case Idioma:
        return QString(23, u' ') + QStringLiteral("Текст английской идиомы (фразового глагола)");
    case Perevod:
        return QString(57, u' ') + QStringLiteral("Перевод");
    case Zabyto:
        return QStringLiteral("Збл");
    case Data:
        return QStringLiteral("Дата добавления");
    case Otm:
        return QStringLiteral("Отм");
    default:
        return {};
    }
}

} // namespace telvo
