#include "exercises/logic/FindTranslation.h"

#include "exercises/logic/Tables.h"
#include "store/Forgotten.h"

namespace telvo {

namespace {

// The generator runs through every value, so a draw loop that has something to find ends; the
// bound only guards against a damaged generator.
constexpr int64_t kDrawGuard = int64_t(1) << 32;

} // namespace

FindTranslation::FindTranslation(Globalnye_peremennye_slovarya& g) : g_(g) {}

StartDecision FindTranslation::preCheck(const Globalnye_peremennye_slovarya& g) {
    if (g.Okno_grupp_otkryto)
        return {StartAction::Ignore, {}, {}};
    if (g.Kolichestvo_zapisey < 2)
        return {StartAction::Refuse, QString::fromUtf8(kFewerThanTwoRecords), {}};
    if (g.Kolichestvo_razreshennykh_k_pokazu <= 10)
        return {StartAction::Refuse,
                QStringLiteral("Количество записей в словаре, разрешенных к показу в "
                               "упражнениях, пока не больше ") +
                    QStringLiteral("10") + QStringLiteral("."),
                {}};
    if (g.Rezhim_zabytye && g.Kolichestvo_zabytykh_slov == 0)
        return {StartAction::Ignore, {}, {}};
    return {StartAction::Open, {}, {}};
}

void FindTranslation::onShow(const QString& word) {
    reseed(g_.random);
    fill(word);
}

void FindTranslation::fill(const QString& word) {
    cells_.fill(QString());
    filled_.fill(false);
    if (g_.Obnovit_nayti_perevod)
        buildFindTranslationTable(g_);
    auto& table = g_.exerciseTables.Dinamicheskiy_massiv_dlya_okna_nayti_perevod;
    // Excluded records are never offered.
    for (auto& e : table)
        e.Uzhe_vybrano = e.Zapreshcheno_k_pokazu;

    answerRow_ = g_.random.draw(kRows);
    selectedRow_ = answerRow_;
    for (int attempt = 0; attempt < 100000 && selectedRow_ == answerRow_; ++attempt)
        selectedRow_ = g_.random.draw(kRows);
    if (selectedRow_ == answerRow_)
        selectedRow_ = (answerRow_ + 1) % kRows;

    answer_.clear();
    caption_ = QStringLiteral("[]");
    bool found = false;
    for (const auto& e : table) {
        if (e.Angliyskoe_slovo == word) {
            answer_ = e.Russkiy_perevod;
            caption_ = QStringLiteral("[") + e.Transkriptsiya + QStringLiteral("]");
            found = true;
            break;
        }
    }
    if (!found && !table.empty())
        caption_ = QStringLiteral("[") + table.front().Transkriptsiya + QStringLiteral("]");
    cells_[size_t(answerRow_)] = answer_;
    filled_[size_t(answerRow_)] = true;

    // Draws stop once no usable record is left, where an unbounded draw would never end: the
    // rows not reached stay empty and cannot be picked.
    const int32_t records = int32_t(table.size());
    auto usable = [&](int32_t k) {
        return !table[size_t(k)].Uzhe_vybrano && table[size_t(k)].Russkiy_perevod != answer_;
    };
    int32_t usableLeft = 0;
    for (int32_t k = 0; k < records; ++k)
        usableLeft += usable(k) ? 1 : 0;

    for (int32_t row = 0; row < kRows && usableLeft > 0; ++row) {
        int32_t k = -1;
        for (int64_t a = 0; a < kDrawGuard && k < 0; ++a) {
            const int32_t d = g_.random.draw(records);
            if (usable(d))
                k = d;
        }
        if (k < 0)
            break;
        // The draw for the answer's own row is made and thrown away.
        if (row == answerRow_)
            continue;
        cells_[size_t(row)] = table[size_t(k)].Russkiy_perevod;
        filled_[size_t(row)] = true;
        table[size_t(k)].Uzhe_vybrano = true;
        --usableLeft;
    }
}

int32_t FindTranslation::filledRows() const {
    int32_t n = 0;
    for (bool f : filled_)
        n += f ? 1 : 0;
    return n;
}

bool FindTranslation::forgetButtonEnabled() const {
    return !g_.Rezhim_zabytye;
}

FindPick FindTranslation::pick(int32_t row) const {
    if (row < 0 || row >= kRows || !filled_[size_t(row)])
        return FindPick::Ignored;
    return cells_[size_t(row)] == answer_ ? FindPick::Right : FindPick::Wrong;
}

QString FindTranslation::toggleForgotten(int32_t recordNumber) {
    if (Izmenit_optsiyu_slova_zabytoe_ili_vspomnennoe(g_, recordNumber) ==
        ForgottenToggle::RefusedExcluded)
        return QString::fromUtf8(kExcludedNotForgotten);
    return {};
}

} // namespace telvo
