#include "exercises/logic/HistorySaves.h"
#include "exercises/logic/Remainders.h"
#include "exercises/logic/Tables.h"
#include "store/RecordFile.h"
#include "tests/exercises/logic/Fixture.h"

#include <QDir>

namespace telvo::test {
namespace {

using G = Globalnye_peremennye_slovarya;

// One of the five histories with everything that belongs to it.
struct HistoryCase {
    const char* name;
    QString DataPaths::*path;
    bool G::*flag;
    QString (*remainder)(G&);
    void (*save)(G&);
    void (*build)(G&);
    const char* prefix;
    const char* remainderProcedure;
    const char* saveProcedure;
    // Marks element i of the built table as done in memory.
    void (*markDone)(G&, int);
};

const HistoryCase kCases[] = {
    {"Eng", &DataPaths::statEng, &G::Obnovit_angliyskie_slova,
     Pervonachalnyy_ostatok_nepredyavlennykh_angliyskikh_slov,
     Sokhranenie_statistiki_angliyskikh_slov, buildEnglishTable,
     "  Остаток английских = ", "Первоначальный_остаток_непредъявленных_английских_слов",
     "Сохранение_статистики_английских_слов",
     [](G& g, int i) {
         g.exerciseTables.Dinamicheskiy_massiv_angliyskikh_slov[size_t(i)]
             .Uzhe_bylo_predyavleno_dlya_opoznaniya = true;
     }},
    {"Rus", &DataPaths::statRus, &G::Obnovit_russkie_slova,
     Pervonachalnyy_ostatok_nepredyavlennykh_russkikh_slov, Sokhranenie_statistiki_russkikh_slov,
     buildRussianTable, "  Остаток русских = ",
     "Первоначальный_остаток_непредъявленных_русских_слов", "Сохранение_статистики_русских_слов",
     [](G& g, int i) {
         g.exerciseTables.Dinamicheskiy_massiv_russkikh_slov[size_t(i)]
             .Uzhe_bylo_predyavleno_dlya_opoznaniya = true;
     }},
    {"PerEng", &DataPaths::statPerEng, &G::Obnovit_perevody_s_angliyskogo,
     Pervonachalnyy_ostatok_nepredyavlennykh_perevodov_s_angliyskogo,
     Sokhranenie_statistiki_perevodov_s_angliyskogo, buildTranslationFromEnglishTables,
     "  С английского = ", "Первоначальный_остаток_непредъявленных_переводов_с_английского",
     "Сохранение_статистики_переводов_с_английского",
     [](G& g, int i) {
         g.exerciseTables.Dinamicheskiy_massiv_perevodov_s_angliyskogo[size_t(i)]
             .Uzhe_bylo_predyavleno_dlya_opoznaniya = true;
     }},
    {"PerRus", &DataPaths::statPerRus, &G::Obnovit_perevody_s_russkogo,
     Pervonachalnyy_ostatok_nepredyavlennykh_perevodov_s_russkogo,
     Sokhranenie_statistiki_perevodov_s_russkogo, buildTranslationFromRussianTables,
     "  С русского = ", "Первоначальный_остаток_непредъявленных_переводов_с_русского",
     "Сохранение_статистики_переводов_с_русского",
     [](G& g, int i) {
         g.exerciseTables.Dinamicheskiy_massiv_perevodov_s_russkogo[size_t(i)]
             .Uzhe_bylo_predyavleno_dlya_opoznaniya = true;
     }},
    {"Pair", &DataPaths::statPair, &G::Obnovit_pary, Pervonachalnyy_ostatok_nesopostavlennykh_par,
     Sokhranenie_statistiki_sopostavlennykh_par, buildPairTable, "  Несопоставленных пар = ",
     "Первоначальный_остаток_несопоставленных_пар", "Сохранение_статистики_сопоставленных_пар",
     [](G& g, int i) {
         g.exerciseTables.Dinamicheskiy_massiv_sopostavlyaemykh_par[size_t(i)].Uzhe_sopostavleno =
             true;
     }},
};

void PrintTo(const HistoryCase& c, std::ostream* os) {
    *os << c.name;
}

class HistoryTexts : public ExerciseFixture, public ::testing::WithParamInterface<HistoryCase> {
protected:
    const HistoryCase& c() const { return GetParam(); }
    QString history() const { return g.puti.*c().path; }
    QString text(int n) const { return QString::fromUtf8(c().prefix) + QString::number(n); }

    // Ten records, range 3..8; record 5 (range position 2) excluded; history 1 0 0 1 0 0.
    void standardSetUp() {
        std::vector<Word> list = words(10);
        list[4].excluded = true;
        writeDictionary(list);
        setRange(3, 8);
        writeFile(history(), bytes({1, 0, 0, 1, 0, 0}));
    }
};

INSTANTIATE_TEST_SUITE_P(AllFive, HistoryTexts, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_P(HistoryTexts, FlaggedTableWithoutHistoryGivesEmptyText) {
    writeDictionary(words(4));
    ASSERT_TRUE(g.*c().flag);
    EXPECT_EQ(c().remainder(g), QString());
}

TEST_P(HistoryTexts, FlaggedTableCountsFromTheFiles) {
    standardSetUp();
    // Positions 1, 2, 4, 5 are not done; position 2 is excluded.
    EXPECT_EQ(c().remainder(g), text(3));
    // A short history: the missing bytes are not done.
    writeFile(history(), bytes({1, 1}));
    EXPECT_EQ(c().remainder(g), text(3));
}

TEST_P(HistoryTexts, ForgottenViewCountsForgottenRecordsOnlyWhenTheFileExists) {
    standardSetUp();
    g.Rezhim_zabytye = true;
    EXPECT_EQ(c().remainder(g), text(3));
    // Records 4, 5 and 8 forgotten: 4 and 8 are open, 5 is excluded.
    writeFile(g.puti.statForget, withOnes(10, {3, 4, 7}));
    EXPECT_EQ(c().remainder(g), text(2));
    g.Rezhim_zabytye = false;
    EXPECT_EQ(c().remainder(g), text(3));
}

TEST_P(HistoryTexts, BuiltTableCountsFromMemory) {
    standardSetUp();
    c().build(g);
    ASSERT_FALSE(g.*c().flag);
    EXPECT_EQ(c().remainder(g), text(3));
    c().markDone(g, 1);
    EXPECT_EQ(c().remainder(g), text(2));
    // Without the history file the table still counts.
    QFile::remove(history());
    EXPECT_EQ(c().remainder(g), text(2));
    // In the forgotten view only the table's forgotten elements count (none here).
    g.Rezhim_zabytye = true;
    EXPECT_EQ(c().remainder(g), text(0));
}

TEST_P(HistoryTexts, SaveWritesTheDoneColumnAtTheRangeSize) {
    standardSetUp();
    // A history longer than the range: the save cuts it to the range.
    writeFile(history(), bytes({1, 0, 0, 1, 0, 0, 1, 1, 1}));
    c().build(g);
    c().markDone(g, 4);
    c().save(g);
    EXPECT_EQ(hex(readFile(history())), hex(bytes({1, 0, 0, 1, 1, 0})));
    EXPECT_FALSE(exists(companionPath(history())));
    EXPECT_EQ(c().remainder(g), text(2));

    // A table that no longer matches the range is saved at the range's size.
    setRange(3, 10);
    c().save(g);
    EXPECT_EQ(hex(readFile(history())), hex(bytes({1, 0, 0, 1, 1, 0, 0, 0})));
}

TEST_P(HistoryTexts, FailuresAreReportedUnderTheProcedureName) {
    standardSetUp();
    QFile::remove(g.puti.vocabulary);
    EXPECT_TRUE(
        reportedAs(reportOf([&] { c().remainder(g); }), QString::fromUtf8(c().remainderProcedure)));

    QDir(g.puti.folder).removeRecursively();
    EXPECT_TRUE(reportedAs(reportOf([&] { c().save(g); }), QString::fromUtf8(c().saveProcedure)));
}

} // namespace
} // namespace telvo::test
