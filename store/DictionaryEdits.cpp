#include "store/DictionaryEdits.h"

#include "app/core/Failure.h"
#include "store/ByteFile.h"
#include "store/Histories.h"
#include "store/Range.h"
#include "store/Binary.h"
#include "store/RecordFile.h"
#include "store/Records.h"

#include <QFileInfo>

namespace telvo {

namespace {

RecordFile dictionaryFile(const Globalnye_peremennye_slovarya& g) {
    return RecordFile(g.puti.vocabulary, DictRecord::kSize, g.puti.vocabularyNew);
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

// Range bookkeeping common to the three changes: write what changed, then the size.
void applyRange(Globalnye_peremennye_slovarya& g, const RangeRecord& range) {
    setRange(g, range);
    Zapisat_izmenennyy_diapazon(g);
}

} // namespace

void addRecord(Globalnye_peremennye_slovarya& g, const RecordTexts& texts, QDate date) {
    RecordFile dictionary = dictionaryFile(g);
    // The file is the truth: a stale counter must not misplace the aligned bytes.
    const int32_t oldCount = dictionary.count();
    dictionary.append(newRecord(texts, date));

    // The new record is inside the range only when the range is the whole dictionary or runs
    // to its end; only then do the histories grow.
    if (g.Vse_slova_slovarya || g.Do_kontsa) {
        const int32_t start = g.Vse_slova_slovarya ? 1 : g.Nachalo_diapazona;
        appendZeroToHistories(g, oldCount - start + 1);
    }
    if (forgottenFileExists(g))
        appendZeroByte(g.puti.statForget, g.puti.statForgetNew, oldCount);

    g.Slovo_dobavleno = true;
    g.Kolichestvo_zapisey = oldCount + 1;

    if (const auto range = rangeAfterAppend(currentRange(g), g.Kolichestvo_zapisey))
        applyRange(g, *range);
    g.Razmer_diapazona = g.Konets_diapazona - g.Nachalo_diapazona + 1;
}

void insertRecord(Globalnye_peremennye_slovarya& g, int32_t p, const RecordTexts& texts,
                  QDate date) {
    RecordFile dictionary = dictionaryFile(g);
    const int32_t oldCount = dictionary.count();
    if (p < 0 || p > oldCount)
        throw Failure(QStringLiteral("Неверная позиция вставки %1").arg(p + 1));
    dictionary.insert(p, newRecord(texts, date));

    // Under a fixed range the histories can no longer be matched to their records.
    if (g.Vse_slova_slovarya)
        insertZeroIntoHistories(g, p, oldCount);
    else
        Obnulenie_statistiki(g, true);
    if (forgottenFileExists(g))
        insertZeroByte(g.puti.statForget, g.puti.statForgetNew, p, oldCount);

    g.Slovo_vstavleno = true;
    g.Kolichestvo_zapisey = oldCount + 1;

    applyRange(g, rangeAfterInsert(currentRange(g), p, g.Kolichestvo_zapisey));
    g.Razmer_diapazona = g.Konets_diapazona - g.Nachalo_diapazona + 1;
}

RecordTexts editRecord(Globalnye_peremennye_slovarya& g, int32_t n, const RecordTexts& texts) {
    RecordFile dictionary = dictionaryFile(g);
    QByteArray record = dictionary.read(n - 1);
    // Only the three texts change; date, flags and every other byte stay as they were.
    char* p = record.data();
    putShortString(p + DictRecord::kEnglishOffset, DictRecord::kEnglishMax, texts.Angliyskoe_slovo);
    putShortString(p + DictRecord::kTranscriptionOffset, DictRecord::kTranscriptionMax,
                   texts.Transkriptsiya);
    putShortString(p + DictRecord::kTranslationOffset, DictRecord::kTranslationMax, texts.Perevod);
    dictionary.overwrite(n - 1, record);

    g.Zapis_izmenena = true;
    return {getShortString(p + DictRecord::kEnglishOffset, DictRecord::kEnglishMax),
            getShortString(p + DictRecord::kTranscriptionOffset, DictRecord::kTranscriptionMax),
            getShortString(p + DictRecord::kTranslationOffset, DictRecord::kTranslationMax)};
}

void deleteRecord(Globalnye_peremennye_slovarya& g, int32_t n) {
    RecordFile dictionary = dictionaryFile(g);
    const int32_t oldCount = dictionary.count();
    if (n < 1 || n > oldCount)
        throw Failure(QStringLiteral("Нет записи с номером %1").arg(n));
    dictionary.remove(n - 1);

    if (g.Vse_slova_slovarya)
        removeFromHistories(g, n - 1, oldCount);
    else
        Obnulenie_statistiki(g, true);
    if (forgottenFileExists(g))
        removeByte(g.puti.statForget, g.puti.statForgetNew, n - 1, oldCount);

    g.Zapis_udalena = true;
    g.Kolichestvo_zapisey = oldCount - 1;

    applyRange(g, rangeAfterDelete(currentRange(g), n, g.Kolichestvo_zapisey));
    // The range lost its last record: it becomes the whole dictionary.
    if (const auto whole = rangeWhenEmptied(currentRange(g), g.Kolichestvo_zapisey))
        applyRange(g, *whole);
    g.Razmer_diapazona = g.Konets_diapazona - g.Nachalo_diapazona + 1;
}

} // namespace telvo
