#include "store/Forgotten.h"

#include "app/core/Failure.h"
#include "store/Binary.h"
#include "store/ByteFile.h"
#include "store/RecordFile.h"
#include "store/RecordMarks.h"
#include "store/Records.h"
#include "store/Transaction.h"

#include <algorithm>
#include <functional>

namespace telvo {

namespace {

using G = Globalnye_peremennye_slovarya;

RecordFile dictionary(const G& g) {
    return kWordKind.recordFile(g);
}

RecordFile forgottenFile(const G& g) {
    return RecordFile(g.puti.statForget, 1, g.puti.statForgetNew);
}

int32_t recordsIn(const QByteArray& all) {
    return static_cast<int32_t>(all.size() / DictRecord::kSize);
}

bool excludedAt(const QByteArray& all, int32_t i) {
    return getBool(all.constData() + qint64(i) * DictRecord::kSize + DictRecord::kExcludedOffset);
}

bool markedAt(const QByteArray& all, int32_t i) {
    return getBool(all.constData() + qint64(i) * DictRecord::kSize + DictRecord::kMarkedOffset);
}

int32_t nonzero(const QByteArray& flags) {
    return static_cast<int32_t>(
        std::count_if(flags.begin(), flags.end(), [](char c) { return c != 0; }));
}

// The first `size` forgotten bytes, zeros past the end of a short file.
QByteArray forgottenFlags(const G& g, int32_t size) {
    QByteArray flags = forgottenFile(g).readUpTo(0, size);
    if (flags.size() < size)
        flags.append(QByteArray(size - flags.size(), '\0'));
    return flags;
}

// Replaces the whole forgotten file with `flags`; deletes it when none is set. Returns the
// number of forgotten records.
int32_t rewriteForgotten(G& g, const QByteArray& flags) {
    const int32_t count = nonzero(flags);
    if (count == 0) {
        Obnulenie_zabytykh_slov(g);
        return 0;
    }
    forgottenFile(g).replace(flags);
    g.Kolichestvo_zabytykh_slov = count;
    return count;
}

} // namespace

QString Pervonachalnoe_kolichestvo_zabytykh_slov(G& g) {
    return reportFailuresAs("Первоначальное_количество_забытых_слов", [&] {
        const RecordFile file = forgottenFile(g);
        if (!file.exists())
            return QString();
        g.Kolichestvo_zabytykh_slov =
            nonzero(file.readUpTo(0, std::max<int32_t>(g.Kolichestvo_zapisey, 0)));
        if (g.Kolichestvo_zabytykh_slov == 0)
            return QString();
        return QStringLiteral("  Забытых слов = %1").arg(g.Kolichestvo_zabytykh_slov);
    });
}

void Proverka_nalichiya_fayla_zabytykh_slov(G& g) {
    reportFailuresAs("Проверка_наличия_файла_забытых_слов", [&] {
        const RecordFile file = forgottenFile(g);
        if (!file.exists())
            file.create(QByteArray(dictionary(g).count(), '\0'));
    });
}

void Obnulenie_zabytykh_slov(G& g) {
    reportFailuresAs("Обнуление_забытых_слов", [&] {
        forgottenFile(g).erase();
        g.Kolichestvo_zabytykh_slov = 0;
    });
}

ForgottenToggle Izmenit_optsiyu_slova_zabytoe_ili_vspomnennoe(G& g, int32_t number) {
    const char* name = "Изменить_опцию_слова_забытое_или_вспомненное";
    return reportFailuresAs(name, [&] {
        const RecordFile dict = dictionary(g);
        const QByteArray record = dict.read(number - 1);
        if (excludedAt(record, 0))
            return ForgottenToggle::RefusedExcluded;
        const int32_t records = dict.count();
        const RecordFile forget = forgottenFile(g);
        const bool fileExists = forget.exists();
        // The first `records` bytes as they will be, to count what stays forgotten.
        QByteArray flags = fileExists ? forgottenFlags(g, records) : QByteArray(records, '\0');
        const bool forgotten = flags[number - 1] != 0;
        flags[number - 1] = forgotten ? 0 : 1;
        const int32_t left = nonzero(flags);

        // The forgotten byte, the pair history and the file's deletion land together.
        Transaction change(g.puti.folder, QString::fromUtf8(name));
        ForgottenToggle result;
        if (forgotten) {
            if (left == 0)
                change.remove(forget.path());
            else
                setByte(change, forget.path(), number - 1, 0);
            // The pair exercise starts this word again; a history too short to hold the
            // record's byte has it as not done already.
            const RecordFile pair(g.puti.statPair, 1);
            const int32_t at = number - g.Nachalo_diapazona;
            if (pair.exists() && number >= g.Nachalo_diapazona && number <= g.Konets_diapazona &&
                at < pair.count())
                change.write(pair.path(), at, QByteArrayView("\0", 1));
            result = ForgottenToggle::Unmarked;
        } else {
            if (fileExists)
                setByte(change, forget.path(), number - 1, 1);
            else
                change.replace(forget.path(), {flags});
            result = ForgottenToggle::Marked;
        }
        change.commit();
        g.Kolichestvo_zabytykh_slov = left;
        Sostoyanie_dinamicheskikh_massivov(g);
        return result;
    });
}

RowPosition positionAfterLeavingForgottenView(int32_t selected, int32_t top, int32_t rowsLeft,
                                              int32_t visibleRows) {
    // The grid's row count includes its header row and never drops below one data row.
    const int32_t gridRows = std::max<int32_t>(rowsLeft, 1) + 1;
    if (selected == gridRows)
        return {gridRows - 1, 0}; // it was the last row: the new last row
    if (gridRows - visibleRows < selected && top > 1)
        return {selected - 1, top - 1}; // near the end: everything moves up one row
    return {std::min(selected, gridRows - 1), top};
}

void Izmenit_otmetku_slova(G& g) {
    reportFailuresAs("Изменить_отметку_слова", [&] {
        changeRecordFlag(g, kWordKind, g.Nomer_tekushchey_zapisi, DictRecord::kMarkedOffset,
                         std::logical_not<bool>(), QStringLiteral("Изменить_отметку_слова"));
    });
}

int32_t Opredelit_kolichestvo_otmechennykh_slov(G& g) {
    return reportFailuresAs("Определить_количество_отмеченных_слов", [&] {
        return countRecordsWith(g, kWordKind, DictRecord::kMarkedOffset);
    });
}

void Snyat_vse_otmetki(G& g) {
    reportFailuresAs("Снять_все_отметки", [&] {
        setRecordFlags(g, kWordKind, DictRecord::kMarkedOffset,
                       [](const char*, int32_t) { return false; });
    });
}

int32_t Svyazat_zabytye_s_otmechennymi(G& g) {
    return reportFailuresAs("Связать_забытые_с_отмеченными", [&] {
        const QByteArray all = dictionary(g).readAll();
        QByteArray flags(recordsIn(all), '\0');
        for (int32_t i = 0; i < recordsIn(all); ++i)
            flags[i] = markedAt(all, i) && !excludedAt(all, i) ? 1 : 0;
        return rewriteForgotten(g, flags);
    });
}

int32_t Otmetit_slova_zabytymi_po_nomeram(G& g, int32_t first, int32_t last) {
    return reportFailuresAs("Отметить_слова_забытыми_по_номерам", [&] {
        const QByteArray all = dictionary(g).readAll();
        QByteArray flags(recordsIn(all), '\0');
        for (int32_t i = 0; i < recordsIn(all); ++i)
            flags[i] = first <= i + 1 && i + 1 <= last && !excludedAt(all, i) ? 1 : 0;
        // A range of excluded records only leaves an all-zero file, as a cleared range would.
        const int32_t count = nonzero(flags);
        forgottenFile(g).replace(flags);
        g.Kolichestvo_zabytykh_slov = count;
        return count;
    });
}

int32_t markForgottenByDate(G& g, QDate date, bool removeOld) {
    const QByteArray all = dictionary(g).readAll();
    const int32_t records = recordsIn(all);
    const std::vector<bool> matches = recordsAddedOn(all, kWordLayout, date);
    const auto count = static_cast<int32_t>(std::count(matches.begin(), matches.end(), true));
    // A date without words leaves everything as it was, unless old marks are to go.
    const RecordFile forget = forgottenFile(g);
    if (count == 0 && (!removeOld || !forget.exists()))
        return 0;
    // The whole file at once (a missing one made of zeros), bytes beyond the records kept.
    QByteArray file = forget.exists() ? forget.readAll() : QByteArray();
    if (file.size() < records)
        file.append(QByteArray(records - file.size(), '\0'));
    for (int32_t i = 0; i < records; ++i) {
        if (matches[i])
            file[i] = 1;
        else if (removeOld)
            file[i] = 0;
    }
    forget.replace(file);
    g.Kolichestvo_zabytykh_slov = nonzero(file.first(records));
    return count;
}

QString dateMarkingMessage(int32_t count) {
    return dateMarkingMessage(count, QStringLiteral("слов"), QStringLiteral("слова"));
}

NumberRangeCheck checkNumberRange(const QString& startText, const QString& endText,
                                  int32_t recordCount) {
    NumberRangeCheck c;
    if (startText.isEmpty()) {
        c.error = QStringLiteral("Не заполнено поле ввода «Начальный номер:»");
        return c;
    }
    if (endText.isEmpty()) {
        c.error = QStringLiteral("Не заполнено поле ввода «Конечный номер:»");
        c.focusStart = false;
        return c;
    }
    // The fields take digits only; text that is no number counts as 0.
    c.first = startText.toInt();
    c.last = endText.toInt();
    if (c.first > c.last) {
        c.error = QStringLiteral(
            "Значение начального номера не может быть больше значения конечного номера.");
    } else if (c.first < 1) {
        c.error = QStringLiteral("Значение начального номера не может быть меньше единицы.");
    } else if (c.last > recordCount) {
        c.error = QStringLiteral(
            "Значение конечного номера не может быть больше количества записей в словаре.");
        c.focusStart = false;
    } else {
        c.ok = true;
    }
    return c;
}

} // namespace telvo
