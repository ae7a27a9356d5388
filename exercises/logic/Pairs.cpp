#include "exercises/logic/Pairs.h"

#include "app/core/Failure.h"
#include "exercises/logic/HistorySaves.h"
#include "exercises/logic/Tables.h"
#include "store/Histories.h"

namespace telvo {

namespace {

using E = tip_Zapis_dinamicheskogo_massiva_sopostavlyaemykh_par;

// A pass of pair matching ends in its own window, so it has no end-of-pass texts.
const RangeExerciseDef kPairs{
    "Предъявление_сопоставляемых_пар_слов",
    "  Несопоставленных пар = ",
    "Все пары английских слов и русских переводов уже сопоставленны. Вы хотите начать "
    "упражнение заново?",
    "Нет для сопоставления ни одного слова.",
    "",
    "",
    History::Pair,
    &buildPairTable,
    &Sokhranenie_statistiki_sopostavlennykh_par,
};

QString headerText() {
    return QString(38, QLatin1Char(' ')) + QStringLiteral("Английские слова и их переводы");
}

} // namespace

PairMatching::PairMatching(Globalnye_peremennye_slovarya& g)
    : RangeExercise(g, kPairs,
                    RangeTableOps(g, g.exerciseTables.Dinamicheskiy_massiv_sopostavlyaemykh_par,
                                  &E::Uzhe_sopostavleno)) {
    cells_[0] = headerText();
}

StartDecision PairMatching::preCheck(const Globalnye_peremennye_slovarya& g) {
    if (g.Kolichestvo_zapisey < 2)
        return {StartAction::Refuse, QString::fromUtf8(kFewerThanTwoRecords), {}};
    return {StartAction::Open, {}, {}};
}

bool PairMatching::placeable(int32_t i) const {
    const E& e = g_.exerciseTables.Dinamicheskiy_massiv_sopostavlyaemykh_par[size_t(i)];
    return isOpen(e, &E::Uzhe_sopostavleno, g_.Rezhim_zabytye) && !e.Uzhe_predyavleno;
}

void PairMatching::placeText(const QString& text) {
    // Fourteen rows hold at most seven pairs, so a free row always exists; the generator runs
    // through every value, and the bound only guards against a damaged one.
    int32_t row = -1;
    for (int attempt = 0; attempt < 100000 && row < 0; ++attempt) {
        const int32_t r = 1 + g_.random.draw(kRows - 1);
        if (!occupied_[size_t(r)])
            row = r;
    }
    for (int32_t r = 1; row < 0 && r < kRows; ++r)
        if (!occupied_[size_t(r)])
            row = r;
    if (row < 0)
        return;
    occupied_[size_t(row)] = true;
    cells_[size_t(row)] = text;
}

void PairMatching::fillPortion() {
    auto& table = g_.exerciseTables.Dinamicheskiy_massiv_sopostavlyaemykh_par;
    for (int32_t r = 1; r < kRows; ++r) {
        cells_[size_t(r)].clear();
        occupied_[size_t(r)] = false;
    }
    reseed(g_.random);
    for (E& e : table)
        e.Uzhe_predyavleno = false;
    portionSize_ = remaining();
    placedPairs_ = 0;
    const int64_t attempts = int64_t(14) * g_.Razmer_diapazona;
    while (placedPairs_ < kPortionPairs && placedPairs_ < portionSize_) {
        const int32_t i = drawIndex(g_.random, int32_t(table.size()), attempts,
                                    [&](int32_t k) { return placeable(k); });
        if (i < 0)
            break;
        E& e = table[size_t(i)];
        e.Uzhe_predyavleno = true;
        placeText(e.Angliyskoe_slovo);
        placeText(e.Russkiy_perevod);
        ++placedPairs_;
    }
}

void PairMatching::onShow() {
    nextEnabled_ = false;
    fillPortion();
    clearEnabled_ = false;
    first_.clear();
    second_.clear();
    pickState_ = 0;
    locked_ = false;
    portionMatches_ = 0;
    lastRow_ = kRows;
}

void PairMatching::nextPortion() {
    fillPortion();
    nextEnabled_ = false;
    clearPair();
    portionMatches_ = 0;
    lastRow_ = kRows;
}

void PairMatching::clearPair() {
    clearEnabled_ = false;
    first_.clear();
    second_.clear();
    pickState_ = 0;
    locked_ = false;
}

bool PairMatching::check(const QString& english, const QString& translation) {
    bool any = false;
    for (E& e : g_.exerciseTables.Dinamicheskiy_massiv_sopostavlyaemykh_par) {
        if (e.Angliyskoe_slovo == english && e.Russkiy_perevod == translation) {
            any = true;
            if (!e.Uzhe_sopostavleno)
                ++portionMatches_;
            e.Uzhe_sopostavleno = true;
        }
    }
    return any;
}

PairPick PairMatching::pick(int32_t row) {
    if (row < 1 || row >= kRows || cells_[size_t(row)].isEmpty())
        return PairPick::Ignored;
    if (locked_)
        return PairPick::AskClear;
    if (row == lastRow_)
        return PairPick::Ignored;
    ++pickState_;
    lastRow_ = row;
    const QString& text = cells_[size_t(row)];
    if (pickState_ == 1) {
        first_ = text;
        return PairPick::First;
    }
    // Either order of picks is right: English word then translation, or the reverse.
    if (check(first_, text) || check(text, first_)) {
        second_ = text;
        locked_ = true;
        clearEnabled_ = true;
        pickState_ = 0;
        nextEnabled_ = portionMatches_ == kPortionPairs && remaining() > 0;
        return PairPick::Right;
    }
    pickState_ = 1;
    second_.clear();
    return PairPick::Wrong;
}

QString PairMatching::remainingText() const {
    return QStringLiteral("Количество еще несопоставленных пар из всего словаря = ") +
           QString::number(remaining());
}

bool PairMatching::remainingGreen() const {
    return remaining() == 0;
}

QString PairMatching::stopCaption() const {
    return remaining() == 0 ? QStringLiteral("Закрыть") : QStringLiteral("Остановить показ");
}

QString PairMatching::matchesText() const {
    return QStringLiteral("Количество правильных сопоставлений из предъявленных пар = ") +
           QString::number(portionMatches_);
}

bool PairMatching::matchesGreen() const {
    return portionMatches_ >= kPortionPairs;
}

QString PairMatching::rightText() const {
    return locked_ ? QStringLiteral("Правильно!") : QString();
}

} // namespace telvo
