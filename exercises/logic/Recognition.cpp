#include "exercises/logic/Recognition.h"

#include "app/core/Failure.h"
#include "exercises/logic/HistorySaves.h"
#include "exercises/logic/Tables.h"
#include "store/Exclusion.h"
#include "store/Histories.h"

#include <QFileInfo>

namespace telvo {

namespace {

const RangeExerciseDef kEnglish{
    "Предъявление_случайных_английских_слов",
    "  Остаток английских = ",
    "Все английские солова (английский текст) уже просмотрены. Вы хотите начать упражнение "
    "заново?",
    "Нет для просмотра ни одного английского слова.",
    "Все английские солова (английский текст) просмотрены!",
    "Все английские солова (английский текст), включенные в диапазон для упражнений, "
    "просмотрены!",
    History::Eng,
    &buildEnglishTable,
    &Sokhranenie_statistiki_angliyskikh_slov,
};

const RangeExerciseDef kRussian{
    "Предъявление_случайных_русских_слов",
    "  Остаток русских = ",
    "Все русские солова (русские переводы) уже просмотрены. Вы хотите начать упражнение заново?",
    "Нет для просмотра ни одного русского слова.",
    "Все, имеющиеся русские переводы просмотрены!",
    "Все, имеющиеся русские переводы, включенные в диапазон для упражнений, просмотрены!",
    History::Rus,
    &buildRussianTable,
    &Sokhranenie_statistiki_russkikh_slov,
};

const RangeExerciseDef& definition(RecognitionKind kind) {
    return kind == RecognitionKind::English ? kEnglish : kRussian;
}

const QString kFiveBlanks = QStringLiteral("     ");

using EngE = tip_Zapis_dinamicheskogo_massiva_angliyskikh_slov;
using RusE = tip_Zapis_dinamicheskogo_massiva_russkikh_slov;

} // namespace

RecognitionExercise::RecognitionExercise(Globalnye_peremennye_slovarya& g, RecognitionKind kind)
    : RangeExercise(g, definition(kind),
                    kind == RecognitionKind::English
                        ? RangeTableOps(g, g.exerciseTables.Dinamicheskiy_massiv_angliyskikh_slov,
                                        &EngE::Uzhe_bylo_predyavleno_dlya_opoznaniya)
                        : RangeTableOps(g, g.exerciseTables.Dinamicheskiy_massiv_russkikh_slov,
                                        &RusE::Uzhe_bylo_predyavleno_dlya_opoznaniya)),
      kind_(kind) {}

StartDecision RecognitionExercise::preCheck(const Globalnye_peremennye_slovarya& g,
                                            RecognitionKind kind) {
    if (kind == RecognitionKind::Russian && g.Okno_grupp_otkryto)
        return {StartAction::Ignore, {}, {}};
    if (g.Kolichestvo_zapisey < 2)
        return {StartAction::Refuse, QString::fromUtf8(kFewerThanTwoRecords), {}};
    if (g.Rezhim_zabytye && !QFileInfo::exists(g.puti.statForget))
        return {StartAction::Refuse, QString::fromUtf8(kForgottenNotFormed), {}};
    return {StartAction::Open, {}, {}};
}

bool RecognitionExercise::onShow() {
    attemptLimit_ = int64_t(14) * g_.Razmer_diapazona;
    return present();
}

bool RecognitionExercise::present() {
    if (remaining() == 0)
        return false;
    reseed(g_.random);
    const int32_t i =
        drawIndex(g_.random, size(), attemptLimit_, [&](int32_t k) { return open(k); });
    if (i < 0)
        return false;
    current_ = i;
    return true;
}

QString RecognitionExercise::windowRemainderText() const {
    return QStringLiteral("Остаток нерассортированных слов = ") + QString::number(remaining());
}

QString RecognitionExercise::shownWord() const {
    if (current_ >= size())
        return {};
    if (kind_ == RecognitionKind::English)
        return g_.exerciseTables.Dinamicheskiy_massiv_angliyskikh_slov[size_t(current_)]
            .Angliyskoe_slovo;
    return g_.exerciseTables.Dinamicheskiy_massiv_russkikh_slov[size_t(current_)].Perevod;
}

QString RecognitionExercise::hintText() const {
    if (current_ >= size())
        return {};
    if (kind_ == RecognitionKind::English)
        return g_.exerciseTables.Dinamicheskiy_massiv_angliyskikh_slov[size_t(current_)].Perevod;
    return g_.exerciseTables.Dinamicheskiy_massiv_russkikh_slov[size_t(current_)].Angliyskoe_slovo;
}

QString RecognitionExercise::caption() const {
    if (kind_ == RecognitionKind::Russian)
        return QStringLiteral("Вспомнить перевод");
    const QString t =
        current_ < size()
            ? g_.exerciseTables.Dinamicheskiy_massiv_angliyskikh_slov[size_t(current_)]
                  .Transkriptsiya
            : QString();
    return QStringLiteral("[") + t + QStringLiteral("]");
}

QString RecognitionExercise::wordLabelHint() const {
    return kFiveBlanks + hintText() + kFiveBlanks;
}

bool RecognitionExercise::forgetEnabled() const {
    return !g_.Rezhim_zabytye;
}

QString RecognitionExercise::excludeTickRefusal() const {
    return g_.Kolichestvo_razreshennykh_k_pokazu < 2 ? QString::fromUtf8(kCannotExcludeAll)
                                                     : QString();
}

RememberOutcome RecognitionExercise::remember(bool excludeTicked) {
    RememberOutcome out;
    setDone(current_);
    if (excludeTicked) {
        const int32_t number = currentRecordNumber();
        if (isRecordForgotten(g_, number)) {
            out.exclusionRefusal = QString::fromUtf8(kCannotExcludeForgotten);
        } else {
            g_.Nomer_tekushchey_zapisi = number;
            Isklyuchit_slovo_iz_pokaza(g_);
            out.excluded = true;
        }
    }
    if (present())
        return out;
    out.passFinished = true;
    out.finishedText = finishedText();
    return out;
}

ForgotOutcome RecognitionExercise::forgot() {
    return forgetCurrent(kind_ == RecognitionKind::English ? shownWord() : hintText());
}

} // namespace telvo
