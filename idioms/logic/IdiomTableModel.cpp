#include "idioms/logic/IdiomTableModel.h"

#include "idioms/logic/IdiomFile.h"

namespace telvo {

namespace {

std::vector<TableColumn> idiomColumns() {
    return {
        {CellKind::Number, QStringLiteral("Номер")},
        {CellKind::Excluded, QStringLiteral("x")},
        {CellKind::Text,
         QString(23, u' ') + QStringLiteral("Текст английской идиомы (фразового глагола)")},
        {CellKind::Translation, QString(57, u' ') + QStringLiteral("Перевод")},
        {CellKind::Forgotten, QStringLiteral("Збл")},
        {CellKind::Date, QStringLiteral("Дата добавления")},
        {CellKind::Marked, QStringLiteral("Отм")},
    };
}

} // namespace

IdiomTableModel::IdiomTableModel(Globalnye_peremennye_slovarya& g, QObject* parent)
    : RecordTableModel(g, kIdiomKind, idiomColumns(), parent) {}

void IdiomTableModel::updateTexts(int row, const QString& text, const QString& translation) {
    const char* bytes = recordBytes(row);
    if (!bytes)
        return;
    QByteArray record(bytes, kIdiomLayout.size);
    putRecordTexts(kIdiomLayout, record.data(), {text, {}, translation});
    updateRecord(row, record);
}

} // namespace telvo
