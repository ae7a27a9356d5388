#include "exercises/logic/Tables.h"

#include "exercises/logic/Common.h"
#include "store/Binary.h"
#include "store/RecordFile.h"
#include "store/Records.h"

namespace telvo {

namespace {

QString english(const char* r) {
    return getShortString(r + DictRecord::kEnglishOffset, DictRecord::kEnglishMax);
}
QString transcription(const char* r) {
    return getShortString(r + DictRecord::kTranscriptionOffset, DictRecord::kTranscriptionMax);
}
QString translation(const char* r) {
    return getShortString(r + DictRecord::kTranslationOffset, DictRecord::kTranslationMax);
}
bool excludedByte(const char* r) {
    return r[DictRecord::kExcludedOffset] != 0;
}

// Fills `table` with one element per range entry: `fill(element, record, k)` for the entries
// the dictionary holds, the excluded empty element past its end. History and forgotten bytes
// are set here.
template <class E, class Fill>
void fillRangeTable(std::vector<E>& table, const RangeData& d, bool E::*done, Fill fill) {
    table.assign(static_cast<size_t>(d.size), E{});
    const int32_t read = d.recordsRead();
    for (int32_t k = 0; k < d.size; ++k) {
        E& e = table[static_cast<size_t>(k)];
        e.Otmecheno_kak_zabytoe = d.forgotten[k] != 0;
        e.*done = d.history[k] != 0;
        if (k < read) {
            const char* r = d.record(k);
            e.Zapreshcheno_k_pokazu = excludedByte(r);
            fill(e, r, d.start + k);
        } else {
            e.Zapreshcheno_k_pokazu = true;
        }
    }
}

QByteArray wholeDictionary(const Globalnye_peremennye_slovarya& g) {
    return RecordFile(g.puti.vocabulary, DictRecord::kSize).readAll();
}

int32_t recordCount(const QByteArray& all) {
    return static_cast<int32_t>(all.size() / DictRecord::kSize);
}

} // namespace

void buildEnglishTable(Globalnye_peremennye_slovarya& g) {
    using E = tip_Zapis_dinamicheskogo_massiva_angliyskikh_slov;
    const RangeData d = readRangeData(g, true, History::Eng, true);
    fillRangeTable(g.exerciseTables.Dinamicheskiy_massiv_angliyskikh_slov, d,
                   &E::Uzhe_bylo_predyavleno_dlya_opoznaniya, [](E& e, const char* r, int32_t) {
                       e.Angliyskoe_slovo = english(r);
                       e.Transkriptsiya = transcription(r);
                       e.Perevod = translation(r);
                   });
    g.Obnovit_angliyskie_slova = false;
}

void buildRussianTable(Globalnye_peremennye_slovarya& g) {
    using E = tip_Zapis_dinamicheskogo_massiva_russkikh_slov;
    const RangeData d = readRangeData(g, true, History::Rus, true);
    fillRangeTable(g.exerciseTables.Dinamicheskiy_massiv_russkikh_slov, d,
                   &E::Uzhe_bylo_predyavleno_dlya_opoznaniya, [](E& e, const char* r, int32_t) {
                       e.Angliyskoe_slovo = english(r);
                       e.Perevod = translation(r);
                   });
    g.Obnovit_russkie_slova = false;
}

void buildTranslationFromRussianTables(Globalnye_peremennye_slovarya& g) {
    using E = tip_Zapis_dinamicheskogo_massiva_perevodov_s_russkogo;
    const QByteArray all = wholeDictionary(g);
    auto& choice = g.exerciseTables.Dinamicheskiy_massiv_dlya_vybora_perevodov_s_russkogo;
    choice.assign(static_cast<size_t>(recordCount(all)), {});
    for (int32_t k = 0; k < recordCount(all); ++k)
        choice[static_cast<size_t>(k)].Angliyskoe_slovo =
            english(all.constData() + qsizetype(k) * DictRecord::kSize);

    const RangeData d = readRangeData(g, true, History::PerRus, true);
    fillRangeTable(g.exerciseTables.Dinamicheskiy_massiv_perevodov_s_russkogo, d,
                   &E::Uzhe_bylo_predyavleno_dlya_opoznaniya,
                   [](E& e, const char* r, int32_t number) {
                       e.Angliyskoe_slovo = english(r);
                       e.Russkiy_perevod = translationOrPlaceholder(translation(r), number);
                   });
    g.Obnovit_perevody_s_russkogo = false;
}

void buildTranslationFromEnglishTables(Globalnye_peremennye_slovarya& g) {
    using E = tip_Zapis_dinamicheskogo_massiva_perevodov_s_angliyskogo;
    const QByteArray all = wholeDictionary(g);
    auto& choice = g.exerciseTables.Dinamicheskiy_massiv_dlya_vybora_perevodov_s_angliyskogo;
    choice.assign(static_cast<size_t>(recordCount(all)), {});
    for (int32_t k = 0; k < recordCount(all); ++k)
        choice[static_cast<size_t>(k)].Russkiy_perevod = translationOrPlaceholder(
            translation(all.constData() + qsizetype(k) * DictRecord::kSize), k + 1);

    const RangeData d = readRangeData(g, true, History::PerEng, true);
    fillRangeTable(g.exerciseTables.Dinamicheskiy_massiv_perevodov_s_angliyskogo, d,
                   &E::Uzhe_bylo_predyavleno_dlya_opoznaniya,
                   [](E& e, const char* r, int32_t number) {
                       e.Angliyskoe_slovo = english(r);
                       e.Russkiy_perevod = translationOrPlaceholder(translation(r), number);
                   });
    g.Obnovit_perevody_s_angliyskogo = false;
}

void buildPairTable(Globalnye_peremennye_slovarya& g) {
    using E = tip_Zapis_dinamicheskogo_massiva_sopostavlyaemykh_par;
    const RangeData d = readRangeData(g, true, History::Pair, true);
    // An empty translation would leave its half of the pair invisible and the pair unmatchable;
    // the placeholder naming the record stands in for it.
    fillRangeTable(g.exerciseTables.Dinamicheskiy_massiv_sopostavlyaemykh_par, d,
                   &E::Uzhe_sopostavleno, [](E& e, const char* r, int32_t number) {
                       e.Angliyskoe_slovo = english(r);
                       e.Russkiy_perevod = translationOrPlaceholder(translation(r), number);
                   });
    g.Obnovit_pary = false;
}

void buildFindTranslationTable(Globalnye_peremennye_slovarya& g) {
    const QByteArray all = wholeDictionary(g);
    auto& table = g.exerciseTables.Dinamicheskiy_massiv_dlya_okna_nayti_perevod;
    table.assign(static_cast<size_t>(recordCount(all)), {});
    for (int32_t k = 0; k < recordCount(all); ++k) {
        const char* r = all.constData() + qsizetype(k) * DictRecord::kSize;
        auto& e = table[static_cast<size_t>(k)];
        e.Angliyskoe_slovo = english(r);
        e.Transkriptsiya = transcription(r);
        e.Russkiy_perevod = translationOrPlaceholder(translation(r), k + 1);
        e.Zapreshcheno_k_pokazu = excludedByte(r);
    }
    g.Obnovit_nayti_perevod = false;
}

} // namespace telvo
