#include "exercises/logic/Translation.h"

#include "app/core/Failure.h"
#include "exercises/logic/HistorySaves.h"
#include "exercises/logic/Tables.h"
#include "store/Histories.h"

namespace telvo {

namespace {

// What only the translation exercises say.
struct ChoiceTexts {
    const char* noQuestion;
    const char* drawsExhausted;
};

const RangeExerciseDef kFromRussian{
    "Предъявление_случайных_переводов_с_русскго",
    "  С русского = ",
    "Все русские переводы (переводы с русского) уже просмотрены. Вы хотите начать упражнение "
    "заново?",
    "Нет для перевода ни одного русского слова.",
    "Все, имеющиеся русские переводы (переводы с русского), просмотрены!",
    "Все, имеющиеся русские переводы (переводы с русского), включенные в диапазон для "
    "упражнений, просмотрены!",
    History::PerRus,
    &buildTranslationFromRussianTables,
    &Sokhranenie_statistiki_perevodov_s_russkogo,
};
const ChoiceTexts kFromRussianChoice{
    "Не найден новый русский перевод для предъявления...",
    "Количество попыток найти английское слово превышено ...",
};

const RangeExerciseDef kFromEnglish{
    "Предъявление_случайных_переводов_с_английского",
    "  С английского = ",
    "Все имеющиеся английские слова (переводы с английского) уже просмотрены. Вы хотите начать "
    "упражнение заново?",
    "Нет для перевода ни одного английского слова.",
    "Все, имеющиеся английские слова (переводы с английского), просмотрены!",
    "Все, имеющиеся английские солова (переводы с английского), включенные в диапазон для "
    "упражнений, просмотрены!",
    History::PerEng,
    &buildTranslationFromEnglishTables,
    &Sokhranenie_statistiki_perevodov_s_angliyskogo,
};
const ChoiceTexts kFromEnglishChoice{
    "Не найдено новое английское слово для предъявления ...",
    "Количество попыток найти русское слово превышено ...",
};

const RangeExerciseDef& definition(TranslationKind kind) {
    return kind == TranslationKind::FromRussian ? kFromRussian : kFromEnglish;
}
const ChoiceTexts& texts(TranslationKind kind) {
    return kind == TranslationKind::FromRussian ? kFromRussianChoice : kFromEnglishChoice;
}

using RusE = tip_Zapis_dinamicheskogo_massiva_perevodov_s_russkogo;
using EngE = tip_Zapis_dinamicheskogo_massiva_perevodov_s_angliyskogo;

// A draw of a row other than `r`. The generator runs through every value, so the loop ends;
// the bound only keeps a damaged generator from hanging the window.
int32_t drawOtherRow(RandomGenerator& random, int32_t r, int32_t rows) {
    for (int attempt = 0; attempt < 100000; ++attempt) {
        const int32_t s = random.draw(rows);
        if (s != r)
            return s;
    }
    return (r + 1) % rows;
}

} // namespace

TranslationExercise::TranslationExercise(Globalnye_peremennye_slovarya& g, TranslationKind kind)
    : RangeExercise(
          g, definition(kind),
          kind == TranslationKind::FromRussian
              ? RangeTableOps(g, g.exerciseTables.Dinamicheskiy_massiv_perevodov_s_russkogo,
                              &RusE::Uzhe_bylo_predyavleno_dlya_opoznaniya)
              : RangeTableOps(g, g.exerciseTables.Dinamicheskiy_massiv_perevodov_s_angliyskogo,
                              &EngE::Uzhe_bylo_predyavleno_dlya_opoznaniya)),
      kind_(kind) {}

StartDecision TranslationExercise::preCheck(const Globalnye_peremennye_slovarya& g,
                                            TranslationKind) {
    if (g.Kolichestvo_zapisey <= 0)
        return {StartAction::Refuse, QString::fromUtf8(kNoRecords), {}};
    if (g.Kolichestvo_razreshennykh_k_pokazu <= 10)
        return {StartAction::Refuse,
                QStringLiteral("Количество записей в словаре, разрешенных к показу, для этого "
                               "упражнения, должно быть больше ") +
                    QStringLiteral("10") + QStringLiteral("-ти."),
                {}};
    return {StartAction::Open, {}, {}};
}

PresentOutcome TranslationExercise::onShow() {
    const int64_t records =
        kind_ == TranslationKind::FromRussian
            ? int64_t(
                  g_.exerciseTables.Dinamicheskiy_massiv_dlya_vybora_perevodov_s_russkogo.size())
            : int64_t(g_.exerciseTables.Dinamicheskiy_massiv_dlya_vybora_perevodov_s_angliyskogo
                          .size());
    attemptLimit_ = 140 * records;
    return present();
}

PresentOutcome TranslationExercise::finished() const {
    return {PresentResult::PassFinished, finishedText(), {}};
}

PresentOutcome TranslationExercise::present() {
    if (remaining() == 0)
        return finished();
    if (kind_ == TranslationKind::FromRussian) {
        for (auto& c : g_.exerciseTables.Dinamicheskiy_massiv_dlya_vybora_perevodov_s_russkogo)
            c.Uzhe_bylo_pomeshcheno_v_tablitsu_dlya_vybora = false;
    } else {
        for (auto& c : g_.exerciseTables.Dinamicheskiy_massiv_dlya_vybora_perevodov_s_angliyskogo)
            c.Uzhe_bylo_pomeshcheno_v_tablitsu_dlya_vybora = false;
    }
    const int32_t i =
        drawIndex(g_.random, size(), attemptLimit_, [&](int32_t k) { return open(k); });
    if (i < 0)
        return {PresentResult::NoQuestion, QString::fromUtf8(texts(kind_).noQuestion), {}};
    current_ = i;
    PresentOutcome out;
    if (!fillList()) {
        out.result = PresentResult::ListIncomplete;
        out.text = QString::fromUtf8(texts(kind_).drawsExhausted);
    }
    if (kind_ == TranslationKind::FromEnglish)
        out.clipboardText = question();
    return out;
}

QString TranslationExercise::answerText() const {
    if (current_ < 0 || current_ >= size())
        return {};
    if (kind_ == TranslationKind::FromRussian)
        return g_.exerciseTables.Dinamicheskiy_massiv_perevodov_s_russkogo[size_t(current_)]
            .Angliyskoe_slovo;
    return g_.exerciseTables.Dinamicheskiy_massiv_perevodov_s_angliyskogo[size_t(current_)]
        .Russkiy_perevod;
}

QString TranslationExercise::question() const {
    if (current_ < 0 || current_ >= size())
        return {};
    if (kind_ == TranslationKind::FromRussian)
        return g_.exerciseTables.Dinamicheskiy_massiv_perevodov_s_russkogo[size_t(current_)]
            .Russkiy_perevod;
    return g_.exerciseTables.Dinamicheskiy_massiv_perevodov_s_angliyskogo[size_t(current_)]
        .Angliyskoe_slovo;
}

bool TranslationExercise::fillList() {
    listFilled_ = false;
    cells_.fill(QString());
    const QString answer = answerText();
    answerRow_ = g_.random.draw(kRows);
    cells_[size_t(answerRow_)] = answer;
    selectedRow_ = drawOtherRow(g_.random, answerRow_, kRows);

    // The choice table's text and placed mark of record k + 1.
    auto& rus = g_.exerciseTables.Dinamicheskiy_massiv_dlya_vybora_perevodov_s_russkogo;
    auto& eng = g_.exerciseTables.Dinamicheskiy_massiv_dlya_vybora_perevodov_s_angliyskogo;
    const bool fromRussian = kind_ == TranslationKind::FromRussian;
    const int32_t records = fromRussian ? int32_t(rus.size()) : int32_t(eng.size());
    auto text = [&](int32_t k) -> const QString& {
        return fromRussian ? rus[size_t(k)].Angliyskoe_slovo : eng[size_t(k)].Russkiy_perevod;
    };
    auto placed = [&](int32_t k) -> bool& {
        return fromRussian ? rus[size_t(k)].Uzhe_bylo_pomeshcheno_v_tablitsu_dlya_vybora
                           : eng[size_t(k)].Uzhe_bylo_pomeshcheno_v_tablitsu_dlya_vybora;
    };

    for (int32_t row = 0; row < kRows; ++row) {
        int32_t found = -1;
        for (int64_t a = 0; a < attemptLimit_ && records > 0; ++a) {
            const int32_t k = g_.random.draw(records);
            if (text(k) != answer && !placed(k)) {
                found = k;
                break;
            }
        }
        if (found < 0)
            return false;
        // The draw for the answer's own row is made and thrown away.
        if (row == answerRow_)
            continue;
        cells_[size_t(row)] = text(found);
        placed(found) = true;
    }
    listFilled_ = true;
    return true;
}

QString TranslationExercise::windowRemainderText() const {
    return QStringLiteral("Остаток непредъявленных переводов = ") + QString::number(remaining());
}

bool TranslationExercise::forgetEnabled() const {
    return !g_.Rezhim_zabytye;
}

PickOutcome TranslationExercise::pick(int32_t row) {
    PickOutcome out;
    if (!listFilled_ || row < 0 || row >= kRows)
        return out;
    const bool fromRussian = kind_ == TranslationKind::FromRussian;
    if (row != answerRow_) {
        out.result = PickResult::Wrong;
        if (fromRussian)
            out.clipboardText = cells_[size_t(row)];
        return out;
    }
    out.result = PickResult::Right;
    if (fromRussian)
        out.clipboardText = cells_[size_t(row)];
    setDone(current_);
    out.next = present();
    return out;
}

ForgotOutcome TranslationExercise::forgot() {
    return forgetCurrent(kind_ == TranslationKind::FromRussian ? answerText() : question());
}

} // namespace telvo
