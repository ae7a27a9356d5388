#include "tools/logic/Notepad.h"

#include "store/Cp1251.h"
#include "store/RecordFile.h"
#include "tools/logic/WholeFile.h"

#include <QFileInfo>

namespace telvo::tools {

QString notepadTextOf(QByteArrayView fileBytes) {
    QString text = fromCp1251(fileBytes);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text;
}

QByteArray notepadFileOf(const QString& memoText) {
    if (memoText.isEmpty())
        return {};
    QString lines = memoText;
    // The memo may hold CR from pasted text; a line ends wherever the user sees it end.
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    lines.replace(QChar::LineSeparator, QLatin1Char('\n'));
    lines.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    lines.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    lines += QLatin1String("\r\n");
    return toCp1251(lines);
}

QString readNotepad(const QString& path) {
    if (!QFileInfo::exists(path))
        return {};
    return notepadTextOf(readWholeFile(path));
}

void writeNotepad(const QString& path, const QString& memoText) {
    // One-byte records: any content is whole; the `_new` companion is renamed over the file.
    RecordFile(path, 1).replace(notepadFileOf(memoText));
}

} // namespace telvo::tools
