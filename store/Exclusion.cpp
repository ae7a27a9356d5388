#include "store/Exclusion.h"

#include "app/core/Failure.h"
#include "store/Histories.h"
#include "store/RecordFile.h"
#include "store/Records.h"

namespace telvo {

namespace {

void setExcluded(Globalnye_peremennye_slovarya& g, bool excluded) {
    // The tables built from these files are stale whatever happens below, also when a write
    // fails half-way.
    g.Obnovit_angliyskie_slova = true;
    g.Obnovit_perevody_s_russkogo = true;
    g.Obnovit_nayti_perevod = true;

    const int32_t n = g.Nomer_tekushchey_zapisi;
    RecordFile dictionary(g.puti.vocabulary, DictRecord::kSize);
    QByteArray record = dictionary.read(n - 1);
    // Only this byte changes; every other byte of the record is written back as it was.
    record[DictRecord::kExcludedOffset] = excluded ? 1 : 0;
    dictionary.overwrite(n - 1, record);

    setHistoryByteOfRecord(g, History::Eng, n, excluded);
    setHistoryByteOfRecord(g, History::PerRus, n, excluded);
}

} // namespace

void Isklyuchit_slovo_iz_pokaza(Globalnye_peremennye_slovarya& g) {
    reportFailuresAs("Исключить_слово_из_показа", [&] { setExcluded(g, true); });
}

void Vosstanovit_slovo_dlya_pokaza(Globalnye_peremennye_slovarya& g) {
    reportFailuresAs("Восстановить_слово_для_показа", [&] { setExcluded(g, false); });
}

} // namespace telvo
