#include "store/Exclusion.h"

#include "app/core/Failure.h"
#include "store/Histories.h"
#include "store/RecordFile.h"
#include "store/Records.h"
#include "store/Transaction.h"

namespace telvo {

namespace {

void setExcluded(Globalnye_peremennye_slovarya& g, bool excluded, const char* name) {
    // The tables built from these files are stale whatever happens below, also when a write
    // fails half-way.
    g.Obnovit_angliyskie_slova = true;
    g.Obnovit_perevody_s_russkogo = true;
    g.Obnovit_nayti_perevod = true;

    const int32_t n = g.Nomer_tekushchey_zapisi;
    const RecordFile dictionary(g.puti.vocabulary, DictRecord::kSize);
    dictionary.read(n - 1); // the record must exist
    // Only this byte of the record changes; the two history bytes land with it.
    Transaction change(g.puti.folder, QString::fromUtf8(name));
    const char flag = excluded ? 1 : 0;
    change.write(dictionary.path(), qint64(n - 1) * DictRecord::kSize + DictRecord::kExcludedOffset,
                 QByteArrayView(&flag, 1));
    setHistoryByteOfRecord(change, g, History::Eng, n, excluded);
    setHistoryByteOfRecord(change, g, History::PerRus, n, excluded);
    change.commit();
}

} // namespace

void Isklyuchit_slovo_iz_pokaza(Globalnye_peremennye_slovarya& g) {
    const char* name = "Исключить_слово_из_показа";
    reportFailuresAs(name, [&] { setExcluded(g, true, name); });
}

void Vosstanovit_slovo_dlya_pokaza(Globalnye_peremennye_slovarya& g) {
    const char* name = "Восстановить_слово_для_показа";
    reportFailuresAs(name, [&] { setExcluded(g, false, name); });
}

} // namespace telvo
