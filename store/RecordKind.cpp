#include "store/RecordKind.h"

#include "platform/Files.h"
#include "store/Range.h"
#include "store/Transaction.h"

namespace telvo {

RangeRecord rangeOf(const Globalnye_peremennye_slovarya& g, const RecordKind& kind) {
    RangeRecord r;
    r.Vse_slova_slovarya = g.*kind.whole;
    r.Nachalo_diapazona = g.*kind.start;
    r.Konets_diapazona = g.*kind.end;
    r.Do_kontsa = g.*kind.toEnd;
    return r;
}

void setRangeOf(Globalnye_peremennye_slovarya& g, const RecordKind& kind, const RangeRecord& r) {
    g.*kind.whole = r.Vse_slova_slovarya;
    g.*kind.start = r.Nachalo_diapazona;
    g.*kind.end = r.Konets_diapazona;
    g.*kind.toEnd = r.Do_kontsa;
    if (kind.rangeSize)
        g.*kind.rangeSize = rangeSize(r.Nachalo_diapazona, r.Konets_diapazona);
}

StagedRange stageRange(Transaction& t, const Globalnye_peremennye_slovarya& g,
                       const RecordKind& kind, const RangeRecord& range, int writes) {
    return {range, stageRangeWrite(t, g.puti.*kind.rangeFile, range), writes};
}

StagedRange stageRangeAfterDelete(Transaction& t, const Globalnye_peremennye_slovarya& g,
                                  const RecordKind& kind, int32_t n, int32_t newCount) {
    RangeRecord range = rangeAfterDelete(rangeOf(g, kind), n, newCount);
    int writes = 1;
    if (const auto whole = rangeWhenEmptied(range, newCount)) {
        range = *whole;
        writes = 2;
    }
    return stageRange(t, g, kind, range, writes);
}

void applyRange(Globalnye_peremennye_slovarya& g, const RecordKind& kind, const StagedRange& s) {
    setRangeOf(g, kind, s.range);
    for (int i = 0; i < s.writes && !s.written; ++i)
        sayRangeFileMissing();
}

void stageInsertRecord(Transaction& t, const Globalnye_peremennye_slovarya& g,
                       const RecordKind& kind, int32_t p, int32_t oldCount, QByteArrayView record) {
    const RecordFile file = kind.recordFile(g);
    const qint64 at = qint64(p) * kind.layout.size;
    if (p == oldCount) {
        // After the last whole record: a damaged partial tail is overwritten, not extended.
        t.write(file.path(), at, record, true);
        // No copy is made; one left over from an interrupted run goes.
        t.remove(companionPath(platform::resolveLinks(file.path())));
        return;
    }
    const QByteArray all = file.readAll();
    t.replace(file.path(), {QByteArrayView(all).first(at), record, QByteArrayView(all).sliced(at)},
              g.puti.*kind.companion);
}

void stageRemoveRecord(Transaction& t, const Globalnye_peremennye_slovarya& g,
                       const RecordKind& kind, int32_t n) {
    const RecordFile file = kind.recordFile(g);
    const QByteArray all = file.readAll();
    const qint64 at = qint64(n - 1) * kind.layout.size;
    t.replace(file.path(),
              {QByteArrayView(all).first(at), QByteArrayView(all).sliced(at + kind.layout.size)},
              g.puti.*kind.companion);
}

RecordFields rewriteRecordTexts(const Globalnye_peremennye_slovarya& g, const RecordKind& kind,
                                int32_t n, const RecordFields& texts, const QString& reportName) {
    const RecordFile file = kind.recordFile(g);
    QByteArray record = file.read(n - 1);
    putRecordTexts(kind.layout, record.data(), texts);
    // Through the journal, so the record is never left half old and half new.
    Transaction change(g.puti.folder, reportName);
    change.write(file.path(), qint64(n - 1) * kind.layout.size, record);
    change.commit();
    return recordTexts(kind.layout, record.constData());
}

} // namespace telvo
