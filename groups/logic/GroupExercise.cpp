#include "groups/logic/GroupExercise.h"

#include "app/core/Failure.h"
#include "store/Binary.h"
#include "store/Forgotten.h"
#include "store/RecordFile.h"
#include "store/Records.h"

namespace telvo {

void GroupPairExercise::fill(const tip_Zapis_gruppy_slov& group, RandomGenerator& random,
                             bool reseed) {
    group_ = group;
    english_ = {};
    translation_ = {};
    pairs_.clear();
    remaining_ = 0;
    chosenWord_.clear();
    chosenTranslation_.clear();
    resultShown_ = false;
    // At most 14 words go into 14 cells of each column, so a free cell is always there.
    for (const auto& row : group.Zapis_sostoyashchuyu_iz_slov_vkhodyashchikh_v_gruppu) {
        if (row.Angliyskoe_gruppovoe_slovo.isEmpty())
            continue;
        ++remaining_;
        pairs_.push_back({row.Angliyskoe_gruppovoe_slovo, false});
        if (reseed)
            random.reseedFromClock();
        int32_t r = random.draw(kGroupRows);
        while (!english_[r].isEmpty())
            r = random.draw(kGroupRows);
        english_[r] = row.Angliyskoe_gruppovoe_slovo;
        // An empty translation leaves its cell free for another one.
        int32_t s = random.draw(kGroupRows);
        while (!translation_[s].isEmpty())
            s = random.draw(kGroupRows);
        translation_[s] = row.Russkiy_gruppovoy_perevod;
    }
}

PairVerdict GroupPairExercise::choose(int column, int row) {
    if (remaining_ == 0 || row < 0 || row >= kGroupRows || column < 0 || column > 1)
        return PairVerdict::None;
    const QString& cell = column == 0 ? english_[row] : translation_[row];
    if (cell.isEmpty())
        return PairVerdict::None;
    (column == 0 ? chosenWord_ : chosenTranslation_) = cell;
    if (chosenWord_.isEmpty() || chosenTranslation_.isEmpty())
        return PairVerdict::None;

    resultShown_ = true;
    bool right = false;
    for (const auto& r : group_.Zapis_sostoyashchuyu_iz_slov_vkhodyashchikh_v_gruppu)
        if (r.Angliyskoe_gruppovoe_slovo == chosenWord_ &&
            r.Russkiy_gruppovoy_perevod == chosenTranslation_)
            right = true;
    if (!right)
        return PairVerdict::Wrong;
    // A pair matched again is accepted without counting twice.
    for (auto& pair : pairs_)
        if (pair.Angliyskoe_gruppovoe_slovo == chosenWord_ &&
            !pair.Uzhe_bylo_pravilno_sopostavleno) {
            pair.Uzhe_bylo_pravilno_sopostavleno = true;
            --remaining_;
            break;
        }
    return PairVerdict::Right;
}

bool GroupPairExercise::click() {
    if (!resultShown_)
        return false;
    chosenWord_.clear();
    chosenTranslation_.clear();
    resultShown_ = false;
    return true;
}

QString GroupPairExercise::remainingText() const {
    return QStringLiteral("Осталось сопоставить пар = %1").arg(remaining_);
}

QString forgetGroupWordQuestion(const QString& word) {
    return QStringLiteral("Вы действительно хотите отметить английское слово: ") + word +
           QStringLiteral(", как забытое?");
}

GroupForgetOutcome Zabyt_slvo_iz_gruppy_slov(Globalnye_peremennye_slovarya& g,
                                             const QString& word) {
    return reportFailuresAs("Забыть_слво_из_группы_слов", [&] {
        const QByteArray all =
            RecordFile(g.puti.vocabulary, DictRecord::kSize, g.puti.vocabularyNew).readAll();
        const qsizetype records = all.size() / DictRecord::kSize;
        for (qsizetype i = 0; i < records; ++i) {
            const char* record = all.constData() + i * DictRecord::kSize;
            if (getShortString(record + DictRecord::kEnglishOffset, DictRecord::kEnglishMax) !=
                word)
                continue;
            if (getBool(record + DictRecord::kExcludedOffset))
                return GroupForgetOutcome::RefusedExcluded;
            const RecordFile forget(g.puti.statForget, 1, g.puti.statForgetNew);
            // Only the byte of this record changes; a file too short to hold it is completed
            // with "not forgotten" bytes.
            QByteArray flags = forget.exists() ? forget.readAll() : QByteArray();
            if (flags.size() < records)
                flags.append(QByteArray(records - flags.size(), '\0'));
            flags[i] = 1;
            forget.replace(flags);
            Sostoyanie_dinamicheskikh_massivov(g);
            return GroupForgetOutcome::Marked;
        }
        return GroupForgetOutcome::NotFound;
    });
}

} // namespace telvo
