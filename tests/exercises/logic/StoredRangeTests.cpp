// The start-up data steps on a range file whose numbers do not fit the dictionary, followed
// by every exercise's table and history save: nothing may be sized by the stored numbers.

#include "exercises/logic/HistorySaves.h"
#include "exercises/logic/Remainders.h"
#include "exercises/logic/Tables.h"
#include "store/DataFolder.h"
#include "store/Range.h"
#include "store/RecordTableModel.h"
#include "tests/exercises/logic/Fixture.h"

namespace telvo::test {
namespace {

struct StartCase {
    const char* name;
    QByteArray stored; // upragneniy.uprdat as on disk
    int32_t start;     // the range the exercises then work on
    int32_t end;
    bool historiesKept;
};

void PrintTo(const StartCase& c, std::ostream* os) {
    *os << c.name;
}

class StartOnStoredRange : public ExerciseFixture,
                           public ::testing::WithParamInterface<StartCase> {};

constexpr int32_t kRecords = 30;

const char* const kHistories[] = {"Stat_eng.dictstat", "Stat_rus.dictstat", "Stat_per_eng.dictstat",
                                  "Stat_per_rus.dictstat", "Stat_pair.dictstat"};

QString dataFile(const Globalnye_peremennye_slovarya& g, const char* name) {
    return g.puti.folder + u'/' + QLatin1String(name);
}

TEST_P(StartOnStoredRange, SizesEverythingByTheDictionary) {
    const StartCase& c = GetParam();
    writeDictionary(words(kRecords));
    writeFile(g.puti.upragneniy, c.stored);
    // Every history marks its first two records done.
    for (const char* h : kHistories)
        writeFile(dataFile(g, h), bytes({1, 1, 0}));
    writeFile(g.puti.statForget, QByteArray(kRecords, '\0'));

    // As the main window's show handler does it, on fresh shared state.
    Globalnye_peremennye_slovarya fresh;
    g = std::move(fresh);
    EXPECT_EQ(reportOf([&] {
                  Proverka_nalichiya_bazy_slov(g);
                  Otobrazhenie_kolichestva_zapisey(g);
                  Prochitat_diapazon(g);
              }),
              QString());
    EXPECT_EQ(g.Kolichestvo_zapisey, kRecords);
    EXPECT_EQ(g.Nachalo_diapazona, c.start);
    EXPECT_EQ(g.Konets_diapazona, c.end);
    const int32_t size = c.end - c.start + 1;
    EXPECT_EQ(g.Razmer_diapazona, size);

    // The status texts count the open records of the range (two are done when the histories
    // were kept); without histories there is nothing to count.
    const QString open = QString::number(c.historiesKept ? size - 2 : size);
    EXPECT_EQ(Pervonachalnyy_ostatok_nepredyavlennykh_angliyskikh_slov(g),
              c.historiesKept ? "  Остаток английских = " + open : QString());
    EXPECT_EQ(Pervonachalnyy_ostatok_nesopostavlennykh_par(g),
              c.historiesKept ? "  Несопоставленных пар = " + open : QString());

    buildEnglishTable(g);
    buildRussianTable(g);
    buildTranslationFromRussianTables(g);
    buildTranslationFromEnglishTables(g);
    buildPairTable(g);
    buildFindTranslationTable(g);
    const ExerciseTables& t = g.exerciseTables;
    EXPECT_EQ(t.Dinamicheskiy_massiv_angliyskikh_slov.size(), size_t(size));
    EXPECT_EQ(t.Dinamicheskiy_massiv_russkikh_slov.size(), size_t(size));
    EXPECT_EQ(t.Dinamicheskiy_massiv_perevodov_s_russkogo.size(), size_t(size));
    EXPECT_EQ(t.Dinamicheskiy_massiv_perevodov_s_angliyskogo.size(), size_t(size));
    EXPECT_EQ(t.Dinamicheskiy_massiv_sopostavlyaemykh_par.size(), size_t(size));
    EXPECT_EQ(t.Dinamicheskiy_massiv_dlya_okna_nayti_perevod.size(), size_t(kRecords));
    EXPECT_EQ(t.Dinamicheskiy_massiv_angliyskikh_slov.front().Angliyskoe_slovo,
              QString("e%1").arg(c.start));
    EXPECT_EQ(t.Dinamicheskiy_massiv_angliyskikh_slov.back().Angliyskoe_slovo,
              QString("e%1").arg(c.end));
    EXPECT_EQ(t.Dinamicheskiy_massiv_angliyskikh_slov.front().Uzhe_bylo_predyavleno_dlya_opoznaniya,
              c.historiesKept);

    Sokhranenie_statistiki_angliyskikh_slov(g);
    Sokhranenie_statistiki_russkikh_slov(g);
    Sokhranenie_statistiki_perevodov_s_angliyskogo(g);
    Sokhranenie_statistiki_perevodov_s_russkogo(g);
    Sokhranenie_statistiki_sopostavlennykh_par(g);
    for (const char* h : kHistories) {
        const QByteArray saved = readFile(dataFile(g, h));
        EXPECT_EQ(saved.size(), size) << h;
        EXPECT_EQ(saved.left(3), c.historiesKept ? bytes({1, 1, 0}) : bytes({0, 0, 0})) << h;
    }
}

QByteArray range(std::initializer_list<int> b) {
    return bytes(b);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StartOnStoredRange,
    ::testing::Values(
        StartCase{"Sane", range({0, 0, 0, 0, 4, 0, 0, 0, 12, 0, 0, 0, 0, 0, 0, 0}), 4, 12, true},
        // end = 1 000 000
        StartCase{"EndOneMillion", range({0, 0, 0, 0, 1, 0, 0, 0, 0x40, 0x42, 0x0F, 0, 0, 0, 0, 0}),
                  1, 30, true},
        // end = 2^31 - 1
        StartCase{"EndIntMax", range({0, 0, 0, 0, 1, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0x7F, 0, 0, 0, 0}),
                  1, 30, true},
        // start = -2^31, end = 2^31 - 1
        StartCase{"IntMinToIntMax",
                  range({0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0xFF, 0xFF, 0x7F, 0, 0, 0, 0}), 1, 30,
                  false},
        // start 20 > end 10
        StartCase{"StartAfterEnd", range({0, 0, 0, 0, 20, 0, 0, 0, 10, 0, 0, 0, 0, 0, 0, 0}), 1, 30,
                  false},
        StartCase{"StartZero", range({0, 0, 0, 0, 0, 0, 0, 0, 10, 0, 0, 0, 0, 0, 0, 0}), 1, 30,
                  false},
        // Too short to hold the record: recreated with the default (whole dictionary).
        StartCase{"ShortFile", range({0, 0, 0, 0, 4, 0, 0, 0, 12, 0, 0}), 1, 30, false}),
    [](const ::testing::TestParamInfo<StartCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace telvo::test
