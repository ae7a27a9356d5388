#include "store/DictionaryEdits.h"

#include "app/core/Failure.h"
#include "platform/Files.h"
#include "store/Binary.h"
#include "store/ByteFile.h"
#include "store/Histories.h"
#include "store/Range.h"
#include "store/RecordFile.h"
#include "store/RecordKind.h"
#include "store/Records.h"
#include "store/Transaction.h"

#include <QFileInfo>

namespace telvo {

namespace {

RecordFile dictionaryFile(const Globalnye_peremennye_slovarya& g) {
    return kWordKind.recordFile(g);
}

QByteArray newRecord(const RecordTexts& texts, QDate date) {
    DictRecord r;
    r.Angliyskoe_slovo = texts.Angliyskoe_slovo;
    r.Transkriptsiya = texts.Transkriptsiya;
    r.Perevod = texts.Perevod;
    r.Data_dobavleniya = toDelphiDate(date);
    return r.encode();
}

bool forgottenFileExists(const Globalnye_peremennye_slovarya& g) {
    return QFileInfo::exists(g.puti.statForget);
}

StagedRange stageRange(Transaction& t, const Globalnye_peremennye_slovarya& g,
                       const RangeRecord& range, int writes = 1) {
    return stageRange(t, g, kWordKind, range, writes);
}

void applyRange(Globalnye_peremennye_slovarya& g, const StagedRange& staged) {
    applyRange(g, kWordKind, staged);
}

// The histories are deleted with the change: their tables must be rebuilt, also when the
// change fails (as after a failed reset).
void flagHistoriesReset(Globalnye_peremennye_slovarya& g) {
    for (const HistoryInfo& info : histories())
        g.*info.rebuild = true;
}

// Appends `additions` and rewrites `updates` in place, one change. The new records are inside
// the range only when the range is the whole dictionary or runs to its end; only then do the
// histories grow.
void appendRecords(Globalnye_peremennye_slovarya& g, const std::vector<RecordTexts>& additions,
                   const std::vector<std::pair<int32_t, RecordTexts>>& updates, QDate date,
                   const QString& reportName,
                   const std::vector<std::pair<QString, QByteArray>>& alsoReplace) {
    const RecordFile dictionary = dictionaryFile(g);
    // The file is the truth: a stale counter must not misplace the aligned bytes.
    const int32_t oldCount = dictionary.count();
    if (qint64(oldCount) + qint64(additions.size()) > qint64(INT32_MAX) / DictRecord::kSize)
        throw Failure(QStringLiteral("Слишком много записей для словаря: %1")
                          .arg(qint64(oldCount) + qint64(additions.size())));
    const auto added = int32_t(additions.size());
    Transaction change(g.puti.folder, reportName);
    QByteArray records;
    records.reserve(qsizetype(added) * DictRecord::kSize);
    for (const RecordTexts& texts : additions)
        records += newRecord(texts, date);
    if (!updates.empty()) {
        // Changed records anywhere in the file: one new file rather than a write per record.
        QByteArray all = dictionary.readAll();
        for (const auto& [n, texts] : updates) {
            if (n < 1 || n > oldCount)
                throw Failure(QStringLiteral("Неверный номер записи %1").arg(n));
            const qint64 at = qint64(n - 1) * DictRecord::kSize;
            DictRecord r = DictRecord::decode(all.constData() + at);
            r.Angliyskoe_slovo = texts.Angliyskoe_slovo;
            r.Transkriptsiya = texts.Transkriptsiya;
            r.Perevod = texts.Perevod;
            all.replace(at, DictRecord::kSize, r.encode());
        }
        change.replace(dictionary.path(), {all, records});
    } else if (added > 0) {
        // After the last whole record, as an append does: a damaged partial tail is overwritten.
        change.write(dictionary.path(), qint64(oldCount) * DictRecord::kSize, records, true);
    }
    if (added > 0) {
        if (g.Vse_slova_slovarya || g.Do_kontsa) {
            const int32_t start = g.Vse_slova_slovarya ? 1 : g.Nachalo_diapazona;
            appendZeroToHistories(change, g, oldCount - start + 1, added);
        }
        if (forgottenFileExists(g))
            appendZeroByte(change, g.puti.statForget, oldCount, added);
    }
    for (const auto& [path, content] : alsoReplace)
        change.replace(path, {content});
    const int32_t newCount = oldCount + added;
    const auto range = added > 0 ? rangeAfterAppend(currentRange(g), newCount) : std::nullopt;
    const std::optional<StagedRange> staged =
        range ? std::optional(stageRange(change, g, *range)) : std::nullopt;
    change.commit();

    if (added > 0)
        g.Slovo_dobavleno = true;
    g.Kolichestvo_zapisey = newCount;
    if (staged)
        applyRange(g, *staged);
    g.Razmer_diapazona = g.Konets_diapazona - g.Nachalo_diapazona + 1;
}

} // namespace

void addRecord(Globalnye_peremennye_slovarya& g, const RecordTexts& texts, QDate date) {
    appendRecords(g, {texts}, {}, date, QStringLiteral("TForma_dobavit"), {});
}

void importRecords(Globalnye_peremennye_slovarya& g, const std::vector<RecordTexts>& additions,
                   const std::vector<std::pair<int32_t, RecordTexts>>& updates, QDate date,
                   const std::vector<std::pair<QString, QByteArray>>& alsoReplace) {
    if (additions.empty() && updates.empty() && alsoReplace.empty())
        return;
    appendRecords(g, additions, updates, date, QStringLiteral("TForma_import_slov"), alsoReplace);
}

void insertRecord(Globalnye_peremennye_slovarya& g, int32_t p, const RecordTexts& texts,
                  QDate date) {
    const RecordFile dictionary = dictionaryFile(g);
    const int32_t oldCount = dictionary.count();
    if (p < 0 || p > oldCount)
        throw Failure(QStringLiteral("Неверная позиция вставки %1").arg(p + 1));
    Transaction change(g.puti.folder, QStringLiteral("TForma_vstavit"));
    stageInsertRecord(change, g, kWordKind, p, oldCount, newRecord(texts, date));

    // Under a fixed range the histories can no longer be matched to their records.
    if (g.Vse_slova_slovarya)
        insertZeroIntoHistories(change, g, p, oldCount);
    else
        removeAllHistories(change, g);
    if (forgottenFileExists(g))
        insertZeroByte(change, g.puti.statForget, p, oldCount);
    const int32_t newCount = oldCount + 1;
    const StagedRange staged =
        stageRange(change, g, rangeAfterInsert(currentRange(g), p, newCount));
    if (!g.Vse_slova_slovarya)
        flagHistoriesReset(g);
    change.commit();

    g.Slovo_vstavleno = true;
    g.Kolichestvo_zapisey = newCount;
    applyRange(g, staged);
    g.Razmer_diapazona = g.Konets_diapazona - g.Nachalo_diapazona + 1;
}

RecordTexts editRecord(Globalnye_peremennye_slovarya& g, int32_t n, const RecordTexts& texts) {
    const RecordFields stored = rewriteRecordTexts(
        g, kWordKind, n, {texts.Angliyskoe_slovo, texts.Transkriptsiya, texts.Perevod},
        QStringLiteral("TForma_izmenit"));
    g.Zapis_izmenena = true;
    return {stored.text, stored.transcription, stored.translation};
}

void deleteRecord(Globalnye_peremennye_slovarya& g, int32_t n) {
    const RecordFile dictionary = dictionaryFile(g);
    const int32_t oldCount = dictionary.count();
    if (n < 1 || n > oldCount)
        throw Failure(QStringLiteral("Нет записи с номером %1").arg(n));
    Transaction change(g.puti.folder, QStringLiteral("TForma_udalit_zapis"));
    stageRemoveRecord(change, g, kWordKind, n);

    if (g.Vse_slova_slovarya)
        removeFromHistories(change, g, n - 1, oldCount);
    else
        removeAllHistories(change, g);
    if (forgottenFileExists(g))
        removeByte(change, g.puti.statForget, n - 1, oldCount);
    const int32_t newCount = oldCount - 1;
    const StagedRange staged = stageRangeAfterDelete(change, g, kWordKind, n, newCount);
    if (!g.Vse_slova_slovarya)
        flagHistoriesReset(g);
    change.commit();

    g.Zapis_udalena = true;
    g.Kolichestvo_zapisey = newCount;
    applyRange(g, staged);
    g.Razmer_diapazona = g.Konets_diapazona - g.Nachalo_diapazona + 1;
}

} // namespace telvo
