#include "exercises/logic/Tables.h"

#include "exercises/logic/Common.h"
#include "store/Binary.h"
#include "store/Cp1251.h"
#include "store/RecordFile.h"
#include "store/Records.h"

#include <array>

namespace telvo {

namespace {

// Windows-1251 to UTF-16 for all 256 byte values, taken once from the store's code page, so a
// build decodes hundreds of thousands of short strings without a call per character.
const std::array<char16_t, 256>& codePage() {
    static const std::array<char16_t, 256> table = [] {
        std::array<char16_t, 256> t{};
        for (int b = 0; b < 256; ++b)
            t[size_t(b)] = fromCp1251(static_cast<unsigned char>(b)).unicode();
        return t;
    }();
    return table;
}

// Decodes the short string at `p` into `dst`, reusing its buffer when it has one of its own
// (a rebuild then allocates nothing).
void assignShort(QString& dst, const char* p, int maxLen) {
    const QByteArrayView bytes = shortStringBytes(p, maxLen);
    dst.resize(bytes.size());
    QChar* out = dst.data();
    const auto& cp = codePage();
    for (char c : bytes)
        *out++ = QChar(cp[static_cast<unsigned char>(c)]);
}

void assignEnglish(QString& dst, const char* r) {
    assignShort(dst, r + DictRecord::kEnglishOffset, DictRecord::kEnglishMax);
}
void assignTranscription(QString& dst, const char* r) {
    assignShort(dst, r + DictRecord::kTranscriptionOffset, DictRecord::kTranscriptionMax);
}
// The translation, or the placeholder naming record `number` when it is empty.
void assignTranslation(QString& dst, const char* r, int32_t number, bool placeholder) {
    assignShort(dst, r + DictRecord::kTranslationOffset, DictRecord::kTranslationMax);
    if (placeholder && dst.isEmpty())
        dst = missingTranslationText(number);
}
bool excludedByte(const char* r) {
    return r[DictRecord::kExcludedOffset] != 0;
}

// Fills `table` with one element per range entry: `fill(element, record, number)` sets the
// texts of the entries the dictionary holds; past its end the texts are cleared and the
// element is excluded. History and forgotten bytes are set here. Elements are resized in
// place, so a rebuild reuses the strings of the previous build.
template <class E, class Fill>
void fillRangeTable(const Globalnye_peremennye_slovarya& g, std::vector<E>& table,
                    const RangeData& d, bool E::*done, Fill fill) {
    table.resize(static_cast<size_t>(d.size));
    const int32_t read = d.forEachRecord(g, [&](int32_t k, const char* r) {
        E& e = table[static_cast<size_t>(k)];
        e.Otmecheno_kak_zabytoe = d.forgotten[k] != 0;
        e.*done = d.history[k] != 0;
        e.Zapreshcheno_k_pokazu = excludedByte(r);
        fill(e, r, d.start + k);
    });
    for (int32_t k = read; k < d.size; ++k) {
        E& e = table[static_cast<size_t>(k)];
        e = E{};
        e.*done = d.history[k] != 0;
        e.Zapreshcheno_k_pokazu = true;
    }
}

// Records of the whole dictionary; each whole-dictionary table is read in blocks after it.
int32_t dictionaryCount(const Globalnye_peremennye_slovarya& g) {
    return RecordFile(g.puti.vocabulary, DictRecord::kSize).count();
}

} // namespace

void buildEnglishTable(Globalnye_peremennye_slovarya& g) {
    using E = tip_Zapis_dinamicheskogo_massiva_angliyskikh_slov;
    const RangeData d = readRangeData(g, true, History::Eng, true);
    fillRangeTable(g, g.exerciseTables.Dinamicheskiy_massiv_angliyskikh_slov, d,
                   &E::Uzhe_bylo_predyavleno_dlya_opoznaniya, [](E& e, const char* r, int32_t) {
                       assignEnglish(e.Angliyskoe_slovo, r);
                       assignTranscription(e.Transkriptsiya, r);
                       assignTranslation(e.Perevod, r, 0, false);
                   });
    g.Obnovit_angliyskie_slova = false;
}

void buildRussianTable(Globalnye_peremennye_slovarya& g) {
    using E = tip_Zapis_dinamicheskogo_massiva_russkikh_slov;
    const RangeData d = readRangeData(g, true, History::Rus, true);
    fillRangeTable(g, g.exerciseTables.Dinamicheskiy_massiv_russkikh_slov, d,
                   &E::Uzhe_bylo_predyavleno_dlya_opoznaniya, [](E& e, const char* r, int32_t) {
                       assignEnglish(e.Angliyskoe_slovo, r);
                       assignTranslation(e.Perevod, r, 0, false);
                   });
    g.Obnovit_russkie_slova = false;
}

void buildTranslationFromRussianTables(Globalnye_peremennye_slovarya& g) {
    using E = tip_Zapis_dinamicheskogo_massiva_perevodov_s_russkogo;
    auto& choice = g.exerciseTables.Dinamicheskiy_massiv_dlya_vybora_perevodov_s_russkogo;
    choice.resize(static_cast<size_t>(dictionaryCount(g)));
    const int32_t count =
        forEachDictionaryRecord(g, 0, int32_t(choice.size()), [&](int32_t k, const char* r) {
            auto& c = choice[static_cast<size_t>(k)];
            assignEnglish(c.Angliyskoe_slovo, r);
            c.Uzhe_bylo_pomeshcheno_v_tablitsu_dlya_vybora = false;
        });
    choice.resize(static_cast<size_t>(count));

    const RangeData d = readRangeData(g, true, History::PerRus, true);
    fillRangeTable(g, g.exerciseTables.Dinamicheskiy_massiv_perevodov_s_russkogo, d,
                   &E::Uzhe_bylo_predyavleno_dlya_opoznaniya,
                   [](E& e, const char* r, int32_t number) {
                       assignEnglish(e.Angliyskoe_slovo, r);
                       assignTranslation(e.Russkiy_perevod, r, number, true);
                   });
    g.Obnovit_perevody_s_russkogo = false;
}

void buildTranslationFromEnglishTables(Globalnye_peremennye_slovarya& g) {
    using E = tip_Zapis_dinamicheskogo_massiva_perevodov_s_angliyskogo;
    auto& choice = g.exerciseTables.Dinamicheskiy_massiv_dlya_vybora_perevodov_s_angliyskogo;
    choice.resize(static_cast<size_t>(dictionaryCount(g)));
    const int32_t count =
        forEachDictionaryRecord(g, 0, int32_t(choice.size()), [&](int32_t k, const char* r) {
            auto& c = choice[static_cast<size_t>(k)];
            assignTranslation(c.Russkiy_perevod, r, k + 1, true);
            c.Uzhe_bylo_pomeshcheno_v_tablitsu_dlya_vybora = false;
        });
    choice.resize(static_cast<size_t>(count));

    const RangeData d = readRangeData(g, true, History::PerEng, true);
    fillRangeTable(g, g.exerciseTables.Dinamicheskiy_massiv_perevodov_s_angliyskogo, d,
                   &E::Uzhe_bylo_predyavleno_dlya_opoznaniya,
                   [](E& e, const char* r, int32_t number) {
                       assignEnglish(e.Angliyskoe_slovo, r);
                       assignTranslation(e.Russkiy_perevod, r, number, true);
                   });
    g.Obnovit_perevody_s_angliyskogo = false;
}

void buildPairTable(Globalnye_peremennye_slovarya& g) {
    using E = tip_Zapis_dinamicheskogo_massiva_sopostavlyaemykh_par;
    const RangeData d = readRangeData(g, true, History::Pair, true);
    // An empty translation would leave its half of the pair invisible and the pair unmatchable;
    // the placeholder naming the record stands in for it.
    fillRangeTable(g, g.exerciseTables.Dinamicheskiy_massiv_sopostavlyaemykh_par, d,
                   &E::Uzhe_sopostavleno, [](E& e, const char* r, int32_t number) {
                       assignEnglish(e.Angliyskoe_slovo, r);
                       assignTranslation(e.Russkiy_perevod, r, number, true);
                       e.Uzhe_predyavleno = false;
                   });
    g.Obnovit_pary = false;
}

void buildFindTranslationTable(Globalnye_peremennye_slovarya& g) {
    auto& table = g.exerciseTables.Dinamicheskiy_massiv_dlya_okna_nayti_perevod;
    table.resize(static_cast<size_t>(dictionaryCount(g)));
    const int32_t count =
        forEachDictionaryRecord(g, 0, int32_t(table.size()), [&](int32_t k, const char* r) {
            auto& e = table[static_cast<size_t>(k)];
            assignEnglish(e.Angliyskoe_slovo, r);
            assignTranscription(e.Transkriptsiya, r);
            assignTranslation(e.Russkiy_perevod, r, k + 1, true);
            e.Uzhe_vybrano = false;
            e.Zapreshcheno_k_pokazu = excludedByte(r);
        });
    table.resize(static_cast<size_t>(count));
    g.Obnovit_nayti_perevod = false;
}

} // namespace telvo
