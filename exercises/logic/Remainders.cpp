#include "exercises/logic/Remainders.h"

#include "app/core/Failure.h"
#include "exercises/logic/Common.h"
#include "store/Histories.h"
#include "store/Records.h"

namespace telvo {

namespace {

template <class E>
QString remainderText(Globalnye_peremennye_slovarya& g, History h, const std::vector<E>& table,
                      bool E::*done) {
    const HistoryInfo& info = historyInfo(h);
    const QString prefix = QString::fromUtf8(info.statusText);
    if (!(g.*info.rebuild))
        return prefix + QString::number(countOpen(table, done, g.Rezhim_zabytye));
    if (!historyExists(g.puti, h))
        return {};
    const RangeData d = readRangeData(g, true, h, g.Rezhim_zabytye);
    int32_t n = 0;
    d.forEachRecord(g, [&](int32_t k, const char* record) {
        if (d.history[k] == 0 && record[DictRecord::kExcludedOffset] == 0 &&
            (!d.forgottenFileRead || d.forgotten[k] != 0))
            ++n;
    });
    return prefix + QString::number(n);
}

} // namespace

QString Pervonachalnyy_ostatok_nepredyavlennykh_angliyskikh_slov(Globalnye_peremennye_slovarya& g) {
    return reportFailuresAs("Первоначальный_остаток_непредъявленных_английских_слов", [&] {
        return remainderText(g, History::Eng,
                             g.exerciseTables.Dinamicheskiy_massiv_angliyskikh_slov,
                             &tip_Zapis_dinamicheskogo_massiva_angliyskikh_slov::
                                 Uzhe_bylo_predyavleno_dlya_opoznaniya);
    });
}

QString Pervonachalnyy_ostatok_nepredyavlennykh_russkikh_slov(Globalnye_peremennye_slovarya& g) {
    return reportFailuresAs("Первоначальный_остаток_непредъявленных_русских_слов", [&] {
        return remainderText(
            g, History::Rus, g.exerciseTables.Dinamicheskiy_massiv_russkikh_slov,
            &tip_Zapis_dinamicheskogo_massiva_russkikh_slov::Uzhe_bylo_predyavleno_dlya_opoznaniya);
    });
}

QString
Pervonachalnyy_ostatok_nepredyavlennykh_perevodov_s_angliyskogo(Globalnye_peremennye_slovarya& g) {
    return reportFailuresAs("Первоначальный_остаток_непредъявленных_переводов_с_английского", [&] {
        return remainderText(g, History::PerEng,
                             g.exerciseTables.Dinamicheskiy_massiv_perevodov_s_angliyskogo,
                             &tip_Zapis_dinamicheskogo_massiva_perevodov_s_angliyskogo::
                                 Uzhe_bylo_predyavleno_dlya_opoznaniya);
    });
}

QString
Pervonachalnyy_ostatok_nepredyavlennykh_perevodov_s_russkogo(Globalnye_peremennye_slovarya& g) {
    return reportFailuresAs("Первоначальный_остаток_непредъявленных_переводов_с_русского", [&] {
        return remainderText(g, History::PerRus,
                             g.exerciseTables.Dinamicheskiy_massiv_perevodov_s_russkogo,
                             &tip_Zapis_dinamicheskogo_massiva_perevodov_s_russkogo::
                                 Uzhe_bylo_predyavleno_dlya_opoznaniya);
    });
}

QString Pervonachalnyy_ostatok_nesopostavlennykh_par(Globalnye_peremennye_slovarya& g) {
    return reportFailuresAs("Первоначальный_остаток_несопоставленных_пар", [&] {
        return remainderText(
            g, History::Pair, g.exerciseTables.Dinamicheskiy_massiv_sopostavlyaemykh_par,
            &tip_Zapis_dinamicheskogo_massiva_sopostavlyaemykh_par::Uzhe_sopostavleno);
    });
}

} // namespace telvo
