#include "exercises/logic/Common.h"

#include "app/core/Failure.h"
#include "store/ByteFile.h"
#include "store/Forgotten.h"
#include "store/Range.h"
#include "store/RecordFile.h"
#include "store/Records.h"

#include <QFileInfo>
#include <algorithm>

namespace telvo {

void reseedFromClock(RandomGenerator& random) {
    random.reseedFromClock();
}

QString missingTranslationText(int32_t recordNumber) {
    return (QStringLiteral("      Перевод отсутствует (запись = ") + QString::number(recordNumber) +
            QStringLiteral(")"))
        .left(DictRecord::kTranslationMax);
}

QString translationOrPlaceholder(const QString& translation, int32_t recordNumber) {
    return translation.isEmpty() ? missingTranslationText(recordNumber) : translation;
}

void guardRange(Globalnye_peremennye_slovarya& g) {
    if (g.Nachalo_diapazona < 1)
        g.Nachalo_diapazona = 1;
    g.Razmer_diapazona = rangeSize(g.Nachalo_diapazona, g.Konets_diapazona);
}

int32_t forEachDictionaryRecord(const Globalnye_peremennye_slovarya& g, int32_t firstIndex,
                                int32_t count,
                                const std::function<void(int32_t, const char*)>& visit) {
    // Blocks of a few hundred kilobytes: few reads, and one buffer the allocator reuses rather
    // than a fresh allocation of the whole range.
    constexpr int32_t kBlock = 4096;
    const RecordFile dictionary(g.puti.vocabulary, DictRecord::kSize);
    int32_t done = 0;
    while (done < count) {
        const int32_t want = std::min(kBlock, count - done);
        const QByteArray block = dictionary.readUpTo(firstIndex + done, want);
        const int32_t n = static_cast<int32_t>(block.size() / DictRecord::kSize);
        for (int32_t i = 0; i < n; ++i)
            visit(done + i, block.constData() + qsizetype(i) * DictRecord::kSize);
        done += n;
        if (n < want) // the dictionary ends inside the range
            break;
    }
    return done;
}

namespace {

// `size` bytes of a one-byte-per-record file from `index`: zeros where the file ends first.
QByteArray readBytesPadded(const QString& path, int32_t index, int32_t size) {
    QByteArray bytes = RecordFile(path, 1).readUpTo(index, size);
    if (size > bytes.size())
        bytes.append(size - bytes.size(), '\0');
    return bytes;
}

} // namespace

RangeData readRangeData(Globalnye_peremennye_slovarya& g, bool withHistory, History h,
                        bool withForgotten) {
    guardRange(g);
    RangeData d;
    d.start = g.Nachalo_diapazona;
    d.size = g.Razmer_diapazona;
    if (d.size <= 0)
        return d;
    d.history = withHistory && historyExists(g.puti, h) ? readHistory(g, h) : QByteArray();
    if (d.history.size() < d.size)
        d.history.append(d.size - d.history.size(), '\0');
    if (withForgotten && QFileInfo::exists(g.puti.statForget)) {
        d.forgotten = readBytesPadded(g.puti.statForget, d.start - 1, d.size);
        d.forgottenFileRead = true;
    } else {
        d.forgotten = QByteArray(d.size, '\0');
    }
    return d;
}

int32_t drawIndex(RandomGenerator& random, int32_t size, int64_t attempts,
                  const std::function<bool(int32_t)>& ok) {
    if (size <= 0)
        return -1;
    for (int64_t a = 0; a < attempts; ++a) {
        const int32_t i = random.draw(size);
        if (ok(i))
            return i;
    }
    for (int32_t i = 0; i < size; ++i)
        if (ok(i))
            return i;
    return -1;
}

StartDecision decideStart(bool forgottenMode, int32_t remaining, bool anyForgottenInRange,
                          const QString& paneTextPrefix, const QString& question) {
    if (remaining > 0)
        return {StartAction::Open, {}, {}};
    const QString pane = paneTextPrefix + QStringLiteral("0");
    if (forgottenMode && !anyForgottenInRange)
        return {StartAction::Refuse, QString::fromUtf8(kForgottenModeRefusal), pane};
    return {StartAction::AskBeginAnew, question, pane};
}

StartDecision decideAfterBeginAnew(int32_t remaining, const QString& paneTextPrefix,
                                   const QString& nothingLeft) {
    if (remaining > 0)
        return {StartAction::Open, {}, {}};
    return {StartAction::Refuse, nothingLeft, paneTextPrefix + QStringLiteral("0")};
}

QString markForgottenFromExercise(Globalnye_peremennye_slovarya& g, int32_t recordNumber) {
    Proverka_nalichiya_fayla_zabytykh_slov(g);
    setByte(g.puti.statForget, recordNumber - 1, 1);
    const QString pane = Pervonachalnoe_kolichestvo_zabytykh_slov(g);
    Sostoyanie_dinamicheskikh_massivov(g);
    return pane;
}

bool isRecordForgotten(const Globalnye_peremennye_slovarya& g, int32_t recordNumber) {
    if (recordNumber < 1 || !QFileInfo::exists(g.puti.statForget))
        return false;
    const QByteArray b = RecordFile(g.puti.statForget, 1).readUpTo(recordNumber - 1, 1);
    return !b.isEmpty() && b[0] != 0;
}

} // namespace telvo
