#include "store/TextRules.h"

#include "app/core/Failure.h"
#include "platform/Files.h"
#include "store/Binary.h"
#include "store/Cp1251.h"
#include "store/RecordFile.h"
#include "store/RecordMarks.h"
#include "store/RecordTableModel.h"
#include "store/Records.h"

#include <QLocale>

namespace telvo {

namespace {

bool isTrimmed(char16_t ch) {
    return ch <= 32;
}

// The stored bytes of a short string without leading and trailing bytes of code 32 and below
// (in Windows-1251 those are exactly the characters of code 32 and below).
QByteArrayView trimmedBytes(QByteArrayView b) {
    qsizetype from = 0;
    qsizetype to = b.size();
    while (from < to && static_cast<unsigned char>(b[from]) <= 32)
        ++from;
    while (to > from && static_cast<unsigned char>(b[to - 1]) <= 32)
        --to;
    return b.sliced(from, to - from);
}

} // namespace

QByteArray englishMatchKey(const QString& english) {
    // Compared in the file's own code page: the word matches what storing it would write.
    QByteArray key = toCp1251(trimControls(english));
    for (char& c : key)
        c = static_cast<char>(foldCp1251(static_cast<unsigned char>(c)));
    return key;
}

bool storedEnglishMatches(QByteArrayView stored, const QByteArray& key) {
    const QByteArrayView trimmed = trimmedBytes(stored);
    if (trimmed.size() != key.size())
        return false;
    for (qsizetype i = 0; i < trimmed.size(); ++i) {
        if (foldCp1251(static_cast<unsigned char>(trimmed[i])) !=
            static_cast<unsigned char>(key[i]))
            return false;
    }
    return true;
}

QString Udalenie_lishnikh_probelov(const QString& text) {
    return reportFailuresAs("Удаление_лишних_пробелов", [&] {
        // Replacing "  " by " " until nothing changes leaves every run of blanks as one blank;
        // one pass that keeps only the first blank of each run gives the same text.
        QString out;
        out.reserve(text.size());
        bool afterBlank = false;
        for (QChar ch : text) {
            const bool blank = ch.unicode() == 32;
            if (!(blank && afterBlank))
                out.append(ch);
            afterBlank = blank;
        }
        return out;
    });
}

QString trimControls(const QString& text) {
    qsizetype from = 0;
    qsizetype to = text.size();
    while (from < to && isTrimmed(text[from].unicode()))
        ++from;
    while (to > from && isTrimmed(text[to - 1].unicode()))
        --to;
    return text.sliced(from, to - from);
}

QString controlsToBlanks(const QString& text) {
    QString out = text;
    for (QChar& ch : out)
        if (ch.category() == QChar::Other_Control)
            ch = u' ';
    return out;
}

QString unstorableCharactersRefusal(const QString& field, const QString& text) {
    const QStringList characters = charactersWithoutCp1251(text);
    if (characters.isEmpty())
        return {};
    QStringList shown;
    for (const QString& c : characters)
        shown
            << QStringLiteral("«%1» (U+%2)")
                   .arg(c)
                   .arg(QString::number(c.toUcs4().value(0), 16).toUpper().rightJustified(4, u'0'));
    return field + QStringLiteral(" содержит символы, которые нельзя сохранить в словаре: ") +
           shown.join(QStringLiteral(", ")) + QStringLiteral(". Замените или удалите их.");
}

QString normalizeField(const QString& text) {
    return trimControls(Udalenie_lishnikh_probelov(text));
}

bool Proverka_novogo_slova_na_sovpadenie(Globalnye_peremennye_slovarya& g, const QString& english) {
    return reportFailuresAs("Проверка_нового_слова_на_совпадение",
                            [&] { return isDuplicateText(g, kWordKind, english); });
}

QString Data_izmeneniya_slovarya(Globalnye_peremennye_slovarya& g) {
    return reportFailuresAs("Дата_изменения_словаря", [&] {
        return modificationDateText(g.puti.vocabulary,
                                    QStringLiteral("  Дата изменения словаря: "));
    });
}

} // namespace telvo
