#include "exercises/logic/Tables.h"
#include "tests/exercises/logic/Fixture.h"

namespace telvo::test {
namespace {

class Tables : public ExerciseFixture {};

TEST_F(Tables, RangeElementsTakeTheirRecordsHistoryAndForgottenBytes) {
    std::vector<Word> list = words(8);
    list[4].excluded = true;
    list[3].transcription = "фо";
    writeDictionary(list);
    setRange(3, 6);
    writeFile(g.puti.statEng, bytes({0, 1, 0, 1}));
    // Byte k of the forgotten file belongs to record k + 1, whatever the range.
    writeFile(g.puti.statForget, bytes({1, 1, 0, 1, 0, 0, 0, 1}));
    buildEnglishTable(g);
    EXPECT_FALSE(g.Obnovit_angliyskie_slova);
    const auto& t = g.exerciseTables.Dinamicheskiy_massiv_angliyskikh_slov;
    ASSERT_EQ(t.size(), 4u);
    EXPECT_EQ(t[0].Angliyskoe_slovo, "e3");
    EXPECT_EQ(t[1].Transkriptsiya, "фо");
    EXPECT_EQ(t[3].Perevod, "t6");
    const bool forgotten[] = {false, true, false, false};
    const bool done[] = {false, true, false, true};
    const bool excluded[] = {false, false, true, false};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(t[size_t(i)].Otmecheno_kak_zabytoe, forgotten[i]) << i;
        EXPECT_EQ(t[size_t(i)].Uzhe_bylo_predyavleno_dlya_opoznaniya, done[i]) << i;
        EXPECT_EQ(t[size_t(i)].Zapreshcheno_k_pokazu, excluded[i]) << i;
    }
}

TEST_F(Tables, RebuildShowsTheNewFilesAndLeavesCopiesAlone) {
    writeDictionary(words(6));
    writeFile(g.puti.statPair, bytes({1, 1, 1, 1, 1, 1}));
    buildPairTable(g);
    auto& t = g.exerciseTables.Dinamicheskiy_massiv_sopostavlyaemykh_par;
    const QString held = t[2].Angliyskoe_slovo;
    t[1].Uzhe_predyavleno = true;

    writeDictionary(words(4, "x", "y"));
    QFile::remove(g.puti.statPair);
    buildPairTable(g);
    ASSERT_EQ(t.size(), 4u);
    EXPECT_EQ(held, "e3");
    EXPECT_EQ(t[2].Angliyskoe_slovo, "x3");
    EXPECT_EQ(t[2].Russkiy_perevod, "y3");
    EXPECT_FALSE(t[1].Uzhe_predyavleno);
    EXPECT_FALSE(t[1].Uzhe_sopostavleno);
}

TEST_F(Tables, LongDictionariesAreReadWholeAcrossBlocks) {
    // More records than one read takes at a time.
    writeDictionary(words(9000));
    setRange(4000, 9000);
    buildTranslationFromRussianTables(g);
    const auto& choice = g.exerciseTables.Dinamicheskiy_massiv_dlya_vybora_perevodov_s_russkogo;
    ASSERT_EQ(choice.size(), 9000u);
    for (int k : {0, 4095, 4096, 8191, 8192, 8999})
        EXPECT_EQ(choice[size_t(k)].Angliyskoe_slovo, QString("e%1").arg(k + 1)) << k;
    const auto& range = g.exerciseTables.Dinamicheskiy_massiv_perevodov_s_russkogo;
    ASSERT_EQ(range.size(), 5001u);
    for (int i : {0, 96, 4095, 4096, 5000})
        EXPECT_EQ(range[size_t(i)].Angliyskoe_slovo, QString("e%1").arg(4000 + i)) << i;

    buildFindTranslationTable(g);
    const auto& find = g.exerciseTables.Dinamicheskiy_massiv_dlya_okna_nayti_perevod;
    ASSERT_EQ(find.size(), 9000u);
    EXPECT_EQ(find[8999].Russkiy_perevod, "t9000");
}

} // namespace
} // namespace telvo::test
