#include "exercises/logic/HistorySaves.h"

#include "app/core/Failure.h"
#include "exercises/logic/Common.h"
#include "store/Histories.h"
#include "store/RecordFile.h"

namespace telvo {

namespace {

// Elements past the end of a table that does not match the range (it was not rebuilt after
// the range changed) are written as not done, so the file always has the range's size.
template <class E>
void saveColumn(Globalnye_peremennye_slovarya& g, History h, const std::vector<E>& table,
                bool E::*done) {
    guardRange(g);
    QByteArray bytes(g.Razmer_diapazona, '\0');
    const qsizetype n = std::min<qsizetype>(bytes.size(), qsizetype(table.size()));
    for (qsizetype i = 0; i < n; ++i)
        bytes[i] = table[static_cast<size_t>(i)].*done ? 1 : 0;
    const HistoryInfo& info = historyInfo(h);
    RecordFile(g.puti.*info.path, 1, g.puti.*info.newPath).replace(bytes);
}

} // namespace

void Sokhranenie_statistiki_angliyskikh_slov(Globalnye_peremennye_slovarya& g) {
    reportFailuresAs("Сохранение_статистики_английских_слов", [&] {
        saveColumn(g, History::Eng, g.exerciseTables.Dinamicheskiy_massiv_angliyskikh_slov,
                   &tip_Zapis_dinamicheskogo_massiva_angliyskikh_slov::
                       Uzhe_bylo_predyavleno_dlya_opoznaniya);
    });
}

void Sokhranenie_statistiki_russkikh_slov(Globalnye_peremennye_slovarya& g) {
    reportFailuresAs("Сохранение_статистики_русских_слов", [&] {
        saveColumn(
            g, History::Rus, g.exerciseTables.Dinamicheskiy_massiv_russkikh_slov,
            &tip_Zapis_dinamicheskogo_massiva_russkikh_slov::Uzhe_bylo_predyavleno_dlya_opoznaniya);
    });
}

void Sokhranenie_statistiki_perevodov_s_angliyskogo(Globalnye_peremennye_slovarya& g) {
    reportFailuresAs("Сохранение_статистики_переводов_с_английского", [&] {
        saveColumn(g, History::PerEng,
                   g.exerciseTables.Dinamicheskiy_massiv_perevodov_s_angliyskogo,
                   &tip_Zapis_dinamicheskogo_massiva_perevodov_s_angliyskogo::
                       Uzhe_bylo_predyavleno_dlya_opoznaniya);
    });
}

void Sokhranenie_statistiki_perevodov_s_russkogo(Globalnye_peremennye_slovarya& g) {
    reportFailuresAs("Сохранение_статистики_переводов_с_русского", [&] {
        saveColumn(g, History::PerRus, g.exerciseTables.Dinamicheskiy_massiv_perevodov_s_russkogo,
                   &tip_Zapis_dinamicheskogo_massiva_perevodov_s_russkogo::
                       Uzhe_bylo_predyavleno_dlya_opoznaniya);
    });
}

void Sokhranenie_statistiki_sopostavlennykh_par(Globalnye_peremennye_slovarya& g) {
    reportFailuresAs("Сохранение_статистики_сопоставленных_пар", [&] {
        saveColumn(g, History::Pair, g.exerciseTables.Dinamicheskiy_massiv_sopostavlyaemykh_par,
                   &tip_Zapis_dinamicheskogo_massiva_sopostavlyaemykh_par::Uzhe_sopostavleno);
    });
}

} // namespace telvo
