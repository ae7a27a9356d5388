#include "tools/logic/Notepad.h"

#include "app/core/Failure.h"
#include "store/Cp1251.h"
#include "store/RecordFile.h"

#include <QFile>
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
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    if (!info.isFile())
        throw Failure(QStringLiteral("Не удалось прочитать файл ") + path +
                      QStringLiteral(": это не файл"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Failure(QStringLiteral("Не удалось прочитать файл ") + path + QStringLiteral(": ") +
                      file.errorString());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw Failure(QStringLiteral("Не удалось прочитать файл ") + path + QStringLiteral(": ") +
                      file.errorString());
    return notepadTextOf(bytes);
}

void writeNotepad(const QString& path, const QString& memoText) {
    // One-byte records: any content is whole; the `_new` companion is renamed over the file.
    RecordFile(path, 1).replace(notepadFileOf(memoText));
}

} // namespace telvo::tools
