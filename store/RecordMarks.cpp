#include "store/RecordMarks.h"

#include "store/Binary.h"
#include "store/TextRules.h"
#include "store/Transaction.h"

namespace telvo {

namespace {

// Records are read slice by slice, so a large file is never held whole for a look.
constexpr int32_t kSlice = 8192;

// Calls `visit(record bytes, 0-based index)` for every whole record of the kind's file.
void forEachRecord(const Globalnye_peremennye_slovarya& g, const RecordKind& kind,
                   const std::function<void(const char*, int32_t)>& visit) {
    const RecordFile file = kind.recordFile(g);
    const int size = kind.layout.size;
    int32_t i = 0;
    for (;;) {
        const QByteArray slice = file.readUpTo(i, kSlice);
        for (qsizetype at = 0; at < slice.size(); at += size, ++i)
            visit(slice.constData() + at, i);
        if (slice.size() < qsizetype(kSlice) * size)
            return;
    }
}

} // namespace

int32_t countRecordsWith(const Globalnye_peremennye_slovarya& g, const RecordKind& kind,
                         int offset) {
    int32_t count = 0;
    forEachRecord(g, kind, [&](const char* r, int32_t) { count += getBool(r + offset) ? 1 : 0; });
    return count;
}

void changeRecordFlag(const Globalnye_peremennye_slovarya& g, const RecordKind& kind, int32_t n,
                      int offset, const std::function<bool(bool)>& change,
                      const QString& reportName) {
    const RecordFile file = kind.recordFile(g);
    const QByteArray record = file.read(n - 1);
    const char value = change(getBool(record.constData() + offset)) ? 1 : 0;
    Transaction t(g.puti.folder, reportName);
    t.write(file.path(), qint64(n - 1) * kind.layout.size + offset, QByteArrayView(&value, 1));
    t.commit();
}

void setRecordFlags(const Globalnye_peremennye_slovarya& g, const RecordKind& kind, int offset,
                    const std::function<bool(const char* record, int32_t index)>& value) {
    const RecordFile file = kind.recordFile(g);
    QByteArray all = file.readAll();
    const int size = kind.layout.size;
    bool changed = false;
    int32_t i = 0;
    for (qsizetype at = 0; at < all.size(); at += size, ++i) {
        char* r = all.data() + at;
        const char flag = value(r, i) ? 1 : 0;
        changed = changed || r[offset] != flag;
        r[offset] = flag;
    }
    if (changed)
        file.replace(all);
}

std::vector<bool> recordsAddedOn(const QByteArray& all, const RecordLayout& layout, QDate date) {
    const double day = toDelphiDate(date);
    std::vector<bool> matches(static_cast<size_t>(all.size() / layout.size), false);
    for (size_t i = 0; i < matches.size(); ++i) {
        const char* r = all.constData() + qsizetype(i) * layout.size;
        matches[i] = getF64(r + layout.dateOffset) == day && !getBool(r + layout.excludedOffset);
    }
    return matches;
}

QString dateMarkingMessage(int32_t count, const QString& what, const QString& whatNominative) {
    if (count > 0)
        return QStringLiteral("Количество %1 отмеченных по дате = %2.").arg(what).arg(count);
    return QStringLiteral("В выбранную дату %1 в словарь не заносились.").arg(whatNominative);
}

bool isDuplicateText(const Globalnye_peremennye_slovarya& g, const RecordKind& kind,
                     const QString& text) {
    const QByteArray wanted = englishMatchKey(text);
    int32_t match = -1;
    forEachRecord(g, kind, [&](const char* r, int32_t i) {
        if (storedEnglishMatches(shortStringBytes(r + kind.layout.textOffset, kind.layout.textMax),
                                 wanted))
            match = i; // the last match wins
    });
    if (match < 0)
        return false;
    if (g.*kind.adding || g.*kind.inserting)
        return true;
    return g.*kind.editing && match + 1 != g.*kind.current;
}

} // namespace telvo
