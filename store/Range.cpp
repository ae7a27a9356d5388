#include "store/Range.h"

#include "app/core/Failure.h"
#include "app/core/SystemMessage.h"
#include "store/Histories.h"
#include "store/RecordFile.h"
#include "store/RecordKind.h"
#include "store/Transaction.h"

#include <algorithm>
#include <limits>

namespace telvo {

int32_t rangeSize(int32_t start, int32_t end) {
    const int64_t size = int64_t(end) - int64_t(start) + 1;
    return static_cast<int32_t>(std::clamp<int64_t>(size, 0, std::numeric_limits<int32_t>::max()));
}

CheckedRange checkStoredRange(const RangeRecord& stored, int32_t count) {
    CheckedRange c;
    c.range = stored;
    RangeRecord& r = c.range;
    if (r.Vse_slova_slovarya) {
        r.Nachalo_diapazona = 1;
        r.Konets_diapazona = count;
        return c;
    }
    const bool startFits = r.Nachalo_diapazona >= 1 && r.Nachalo_diapazona <= count;
    if (!startFits || r.Konets_diapazona < r.Nachalo_diapazona) {
        r = RangeRecord{};
        r.Vse_slova_slovarya = true;
        r.Nachalo_diapazona = 1;
        r.Konets_diapazona = count;
        r.Do_kontsa = false;
        c.corrected = true;
        c.historiesStale = true;
        return c;
    }
    if (r.Konets_diapazona > count) {
        r.Konets_diapazona = count;
        c.corrected = true;
    }
    return c;
}

RangeRecord currentRange(const Globalnye_peremennye_slovarya& g) {
    return rangeOf(g, kWordKind);
}

void setRange(Globalnye_peremennye_slovarya& g, const RangeRecord& r) {
    setRangeOf(g, kWordKind, r);
}

void Prochitat_diapazon(Globalnye_peremennye_slovarya& g) {
    reportFailuresAs("Прочитать_диапазон", [&] {
        const RecordFile file(g.puti.upragneniy, RangeRecord::kSize);
        // A file too short to hold the range (a damaged copy) counts as missing rather than
        // ending the program at every start.
        if (!file.exists() || file.count() < 1)
            return;
        const QByteArray stored = file.read(0);
        const CheckedRange checked =
            checkStoredRange(RangeRecord::decode(stored.constData()), g.Kolichestvo_zapisey);
        setRange(g, checked.range);
        // Written back at once, so the next start reads the range the program works with;
        // the histories of a range that could not stand go in the same change.
        Transaction change(g.puti.folder, QStringLiteral("Прочитать_диапазон"));
        const QByteArray corrected = checked.range.encode();
        if (checked.corrected)
            change.replace(file.path(), {corrected});
        if (checked.historiesStale) {
            for (const HistoryInfo& h : histories()) {
                change.remove(g.puti.*h.path);
                g.*h.rebuild = true;
            }
        }
        change.commit();
    });
}

bool stageRangeWrite(Transaction& t, const Globalnye_peremennye_slovarya& g,
                     const RangeRecord& range) {
    return stageRangeWrite(t, g.puti.upragneniy, range);
}

bool stageRangeWrite(Transaction& t, const QString& path, const RangeRecord& range) {
    if (!RecordFile(path, RangeRecord::kSize).exists())
        return false;
    t.write(path, 0, range.encode());
    return true;
}

RangeFieldsCheck checkRangeFields(const QString& startText, const QString& endText, int32_t count) {
    RangeFieldsCheck c;
    auto refuse = [&c](const char* text, bool focusStart) {
        c.error = QString::fromUtf8(text);
        c.focusStart = focusStart;
        return c;
    };
    if (startText.isEmpty())
        return refuse("Поле ввода начального номера не может быть пустым.", true);
    if (endText.isEmpty())
        return refuse("Поле ввода конечного номера не может быть пустым.", false);
    // The fields take at most five digits, so the numbers always fit.
    c.start = startText.toInt();
    c.end = endText.toInt();
    if (c.end > count)
        return refuse("Конечный номер не может быть больше чем количество записей в словаре.",
                      false);
    if (c.start > c.end)
        return refuse("Начальный номер не может быть больше конечного.", true);
    // Record numbers begin at 1: a range from 0 would tie a history byte to no record.
    if (c.start < 1)
        return refuse("Начальный номер не может быть меньше единицы.", true);
    c.ok = true;
    return c;
}

void sayRangeFileMissing() {
    showSystemMessage(QStringLiteral("Нет файла с диапазоном для упражнений ..."));
}

void Zapisat_izmenennyy_diapazon(Globalnye_peremennye_slovarya& g) {
    const char* name = "Записать_измененный_диапазон";
    reportFailuresAs(name, [&] {
        // Through the journal: the record is never left half old, half new.
        Transaction change(g.puti.folder, QString::fromUtf8(name));
        if (!stageRangeWrite(change, g, currentRange(g))) {
            sayRangeFileMissing();
            return;
        }
        change.commit();
    });
}

std::optional<RangeRecord> rangeAfterAppend(const RangeRecord& range, int32_t newCount) {
    if (!range.Vse_slova_slovarya && !range.Do_kontsa)
        return std::nullopt;
    RangeRecord r = range;
    if (r.Vse_slova_slovarya)
        r.Nachalo_diapazona = 1;
    r.Konets_diapazona = newCount;
    return r;
}

RangeRecord rangeAfterInsert(const RangeRecord& range, int32_t p, int32_t newCount) {
    RangeRecord r = range;
    if (r.Vse_slova_slovarya) {
        r.Nachalo_diapazona = 1;
        r.Konets_diapazona = newCount;
    } else if (r.Do_kontsa) {
        r.Konets_diapazona = newCount;
        if (p < range.Nachalo_diapazona)
            ++r.Nachalo_diapazona;
    } else {
        // Compared with the old numbers: a record right in front of the first range record or
        // right after the last one stays outside.
        if (range.Nachalo_diapazona <= p && p < range.Konets_diapazona)
            ++r.Konets_diapazona;
        if (p < range.Nachalo_diapazona) {
            ++r.Nachalo_diapazona;
            ++r.Konets_diapazona;
        }
    }
    return r;
}

RangeRecord rangeAfterDelete(const RangeRecord& range, int32_t n, int32_t newCount) {
    RangeRecord r = range;
    if (r.Vse_slova_slovarya) {
        r.Nachalo_diapazona = 1;
        r.Konets_diapazona = newCount;
    } else if (r.Do_kontsa) {
        r.Konets_diapazona = newCount;
        if (n < range.Nachalo_diapazona)
            --r.Nachalo_diapazona;
    } else {
        if (range.Nachalo_diapazona <= n && n <= range.Konets_diapazona)
            --r.Konets_diapazona;
        if (n < range.Nachalo_diapazona) {
            --r.Nachalo_diapazona;
            --r.Konets_diapazona;
        }
    }
    return r;
}

std::optional<RangeRecord> rangeWhenEmptied(const RangeRecord& range, int32_t count) {
    if (range.Konets_diapazona >= range.Nachalo_diapazona)
        return std::nullopt;
    RangeRecord r;
    r.Vse_slova_slovarya = true;
    r.Nachalo_diapazona = 1;
    r.Konets_diapazona = count;
    r.Do_kontsa = false;
    return r;
}

} // namespace telvo
