#pragma once

#include "app/core/Globals.h"
#include "store/RecordFile.h"
#include "store/RecordLayout.h"
#include "store/Records.h"

#include <cstdint>
#include <vector>

namespace telvo {

class Transaction;

// Where a kind of record (dictionary words, idioms) keeps its files, its exercise range and
// its counters, so that one piece of code edits, marks and shows both. The differences the two
// have are this data; the code that takes a RecordKind has none of its own.
struct RecordKind {
    using G = Globalnye_peremennye_slovarya;

    RecordLayout layout;
    QString DataPaths::*file;
    QString DataPaths::*companion;
    // Stat_forget.dictstat for words; null where the forgotten byte is inside the record.
    QString DataPaths::*forgottenFile;
    QString DataPaths::*rangeFile;

    int32_t G::*count;
    int32_t G::*allowed;
    int32_t G::*forgotten;
    int32_t G::*current;
    bool G::*forgottenView;
    std::vector<uint8_t> G::*marks;

    // The exercise range in memory; `rangeSize` is null where no size is kept.
    bool G::*whole;
    int32_t G::*start;
    int32_t G::*end;
    bool G::*toEnd;
    int32_t G::*rangeSize;

    // The dialog modes the duplicate check reads.
    bool G::*adding;
    bool G::*inserting;
    bool G::*editing;

    RecordFile recordFile(const G& g) const {
        return RecordFile(g.puti.*file, layout.size, g.puti.*companion);
    }
};

inline constexpr RecordKind kWordKind{
    kWordLayout,
    &DataPaths::vocabulary,
    &DataPaths::vocabularyNew,
    &DataPaths::statForget,
    &DataPaths::upragneniy,
    &DictionaryState::Kolichestvo_zapisey,
    &DictionaryState::Kolichestvo_razreshennykh_k_pokazu,
    &DictionaryState::Kolichestvo_zabytykh_slov,
    &DictionaryState::Nomer_tekushchey_zapisi,
    &DictionaryState::Rezhim_zabytye,
    &DictionaryState::tip_Dinamicheskiy_massiv_otmechennykh_slov,
    &RangeState::Vse_slova_slovarya,
    &RangeState::Nachalo_diapazona,
    &RangeState::Konets_diapazona,
    &RangeState::Do_kontsa,
    &RangeState::Razmer_diapazona,
    &RecordDialogState::Rezhim_dobavleniya,
    &RecordDialogState::Rezhim_vstavki,
    &RecordDialogState::Rezhim_izmeneniya,
};

// The kind's range fields of `g` as one value, and back (with the size where one is kept).
RangeRecord rangeOf(const Globalnye_peremennye_slovarya& g, const RecordKind& kind);
void setRangeOf(Globalnye_peremennye_slovarya& g, const RecordKind& kind, const RangeRecord& r);

// The range after a change, staged with it: `written` tells whether its file took it; a
// missing file is said once the change is made, once for each time the range was written.
struct StagedRange {
    RangeRecord range;
    bool written = false;
    int writes = 1;
};
StagedRange stageRange(Transaction& t, const Globalnye_peremennye_slovarya& g,
                       const RecordKind& kind, const RangeRecord& range, int writes = 1);
// Stages the range after record `n` was deleted, leaving `newCount` records: a range that lost
// its last record becomes the whole dictionary, written a second time (so a missing file is
// said twice); only the final range goes into the change, as the second write leaves it.
StagedRange stageRangeAfterDelete(Transaction& t, const Globalnye_peremennye_slovarya& g,
                                  const RecordKind& kind, int32_t n, int32_t newCount);
// After the commit: the range into `g`, and the missing file said.
void applyRange(Globalnye_peremennye_slovarya& g, const RecordKind& kind, const StagedRange& s);

// Stages `record` as record p + 1 (0 <= p <= oldCount) of the kind's file of `oldCount`
// records: at the end an append after the last whole record, elsewhere a new file.
void stageInsertRecord(Transaction& t, const Globalnye_peremennye_slovarya& g,
                       const RecordKind& kind, int32_t p, int32_t oldCount, QByteArrayView record);
// Stages the deletion of record `n` (1 <= n <= the file's count): a new file without it.
void stageRemoveRecord(Transaction& t, const Globalnye_peremennye_slovarya& g,
                       const RecordKind& kind, int32_t n);
// Rewrites the texts of record `n` in place, keeping its date, flags and every other byte,
// as one change reported as `reportName`. Returns the texts as stored (cut to their widths).
RecordFields rewriteRecordTexts(const Globalnye_peremennye_slovarya& g, const RecordKind& kind,
                                int32_t n, const RecordFields& texts, const QString& reportName);

} // namespace telvo
