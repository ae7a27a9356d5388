#include "store/ByteFile.h"
#include "store/Exclusion.h"
#include "store/Histories.h"
#include "store/Transaction.h"
#include "tests/store/DataFolderFixture.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace telvo;
using namespace telvo::test;

namespace {

class Histories : public DataFolderTest {
protected:
    void writeAllHistories() {
        writeFile(g.puti.statEng, bytes({1}));
        writeFile(g.puti.statRus, bytes({1}));
        writeFile(g.puti.statPerEng, bytes({1}));
        writeFile(g.puti.statPerRus, bytes({1}));
        writeFile(g.puti.statPair, bytes({1}));
    }

    // One staged edit put in place at once, as a change of its own.
    template <class Stage> void alone(Stage stage) {
        Transaction change(g.puti.folder, QStringLiteral("test"));
        stage(change);
        change.commit();
    }

    bool setRecordByte(History h, int32_t recordNumber, bool value) {
        bool staged = false;
        alone(
            [&](Transaction& t) { staged = setHistoryByteOfRecord(t, g, h, recordNumber, value); });
        return staged;
    }
};

} // namespace

TEST_F(Histories, TableNamesFilesFlagsAndTexts) {
    EXPECT_EQ(historyPath(g.puti, History::PerRus), g.puti.statPerRus);
    EXPECT_EQ(g.puti.*historyInfo(History::Pair).newPath, g.puti.statPairNew);
    EXPECT_EQ(historyInfo(History::PerEng).rebuild,
              &Globalnye_peremennye_slovarya::Obnovit_perevody_s_angliyskogo);
    EXPECT_STREQ(historyInfo(History::Eng).statusText, "  Остаток английских = ");
    EXPECT_STREQ(historyInfo(History::Rus).statusText, "  Остаток русских = ");
    EXPECT_STREQ(historyInfo(History::PerEng).statusText, "  С английского = ");
    EXPECT_STREQ(historyInfo(History::PerRus).statusText, "  С русского = ");
    EXPECT_STREQ(historyInfo(History::Pair).statusText, "  Несопоставленных пар = ");
}

TEST_F(Histories, ResetAllDeletesEveryFileAndFlagsEveryTable) {
    writeAllHistories();
    QFile::remove(g.puti.statPair); // a missing history is flagged all the same
    clearRebuildFlags();
    Obnulenie_statistiki(g, true);
    for (const HistoryInfo& h : histories()) {
        EXPECT_FALSE(exists(g.puti.*h.path)) << h.statusText;
        EXPECT_TRUE(g.*h.rebuild) << h.statusText;
    }
    EXPECT_FALSE(g.Obnovit_nayti_perevod);
    EXPECT_FALSE(g.Obnovit_proslushivanie);
}

TEST_F(Histories, ResetSelectedTouchesOnlyThose) {
    writeAllHistories();
    clearRebuildFlags();
    Obnulenie_statistiki(g, false, {false, true, false, false, true});
    EXPECT_TRUE(exists(g.puti.statEng));
    EXPECT_FALSE(exists(g.puti.statRus));
    EXPECT_TRUE(exists(g.puti.statPerEng));
    EXPECT_TRUE(exists(g.puti.statPerRus));
    EXPECT_FALSE(exists(g.puti.statPair));
    EXPECT_FALSE(g.Obnovit_angliyskie_slova);
    EXPECT_TRUE(g.Obnovit_russkie_slova);
    EXPECT_FALSE(g.Obnovit_perevody_s_angliyskogo);
    EXPECT_FALSE(g.Obnovit_perevody_s_russkogo);
    EXPECT_TRUE(g.Obnovit_pary);

    Obnulenie_statistiki(g, History::PerEng);
    EXPECT_FALSE(exists(g.puti.statPerEng));
    EXPECT_TRUE(g.Obnovit_perevody_s_angliyskogo);
    EXPECT_TRUE(exists(g.puti.statEng));
}

TEST_F(Histories, FailedResetIsReportedAndStillFlags) {
    writeAllHistories();
    // A non-empty folder in place of a history cannot be deleted.
    QFile::remove(g.puti.statRus);
    QDir().mkpath(g.puti.statRus + "/x");
    clearRebuildFlags();
    EXPECT_TRUE(
        reportedAs(reportOf([&] { Obnulenie_statistiki(g, true); }), "Обнуление_статистики"));
    EXPECT_TRUE(g.Obnovit_russkie_slova);
    // The other histories were reset before the report.
    EXPECT_FALSE(exists(g.puti.statPair));
    EXPECT_TRUE(g.Obnovit_pary);
}

TEST_F(Histories, WrongSizeIsReadAsZerosOrCut) {
    g.Nachalo_diapazona = 5;
    g.Konets_diapazona = 9;
    g.Razmer_diapazona = 5;
    writeFile(g.puti.statEng, bytes({1, 1}));
    writeFile(g.puti.statRus, bytes({1, 0, 1, 0, 1, 1, 1}));
    EXPECT_EQ(hex(readHistory(g, History::Eng)), "01 01 00 00 00");
    EXPECT_EQ(hex(readHistory(g, History::Rus)), "01 00 01 00 01");
    EXPECT_TRUE(readHistory(g, History::Pair).isEmpty());
}

TEST_F(Histories, WrongSizeIsMadeRightWhenEdited) {
    // Short file: the missing bytes are zeros.
    writeFile(g.puti.statEng, bytes({1, 1}));
    alone([&](Transaction& t) { insertZeroByte(t, g.puti.statEng, 3, 4); });
    EXPECT_EQ(hex(readFile(g.puti.statEng)), "01 01 00 00 00");
    // Long file: the bytes beyond are dropped.
    writeFile(g.puti.statEng, bytes({1, 1, 1, 1, 1, 1}));
    alone([&](Transaction& t) { insertZeroByte(t, g.puti.statEng, 4, 4); });
    EXPECT_EQ(hex(readFile(g.puti.statEng)), "01 01 01 01 00");
    writeFile(g.puti.statEng, bytes({1, 0, 1}));
    alone([&](Transaction& t) { removeByte(t, g.puti.statEng, 3, 5); });
    EXPECT_EQ(hex(readFile(g.puti.statEng)), "01 00 01 00");
    writeFile(g.puti.statEng, bytes({1, 0, 1, 1, 1, 1}));
    alone([&](Transaction& t) { appendZeroByte(t, g.puti.statEng, 2); });
    EXPECT_EQ(hex(readFile(g.puti.statEng)), "01 00 00");
    EXPECT_FALSE(exists(g.puti.statEngNew));
}

TEST_F(Histories, RecordByteIsWrittenOnlyInsideTheRange) {
    g.Nachalo_diapazona = 5;
    g.Konets_diapazona = 9;
    g.Razmer_diapazona = 5;
    writeFile(g.puti.statPair, bytes({1, 1, 1, 1, 1}));
    EXPECT_TRUE(setRecordByte(History::Pair, 5, false));
    EXPECT_TRUE(setRecordByte(History::Pair, 9, false));
    EXPECT_FALSE(setRecordByte(History::Pair, 4, false));
    EXPECT_FALSE(setRecordByte(History::Pair, 10, false));
    EXPECT_EQ(hex(readFile(g.puti.statPair)), "00 01 01 01 00");
    // No file: nothing is created.
    EXPECT_FALSE(setRecordByte(History::Eng, 6, true));
    EXPECT_FALSE(exists(g.puti.statEng));
    // A short history is extended with zeros up to the record.
    writeFile(g.puti.statRus, bytes({1}));
    EXPECT_TRUE(setRecordByte(History::Rus, 8, true));
    EXPECT_EQ(hex(readFile(g.puti.statRus)), "01 00 00 01");
}

class Exclusion : public DataFolderTest {};

TEST_F(Exclusion, ExcludeAndRestoreWriteRecordAndTwoHistories) {
    givenDictionary(10, false, 5, 9, false);
    writeFile(g.puti.statEng, bytes({0, 0, 0, 0, 0}));
    writeFile(g.puti.statPerRus, bytes({0, 1})); // short: extended when written past its end
    writeFile(g.puti.statRus, bytes({0, 0, 0, 0, 0}));
    writeFile(g.puti.statPair, bytes({0, 0, 0, 0, 0}));
    clearRebuildFlags();

    g.Nomer_tekushchey_zapisi = 7;
    Isklyuchit_slovo_iz_pokaza(g);
    QByteArray expected = records(1, 10);
    expected[6 * 176 + 168] = 1;
    EXPECT_EQ(hex(readFile(g.puti.vocabulary)), hex(expected));
    EXPECT_EQ(hex(readFile(g.puti.statEng)), "00 00 01 00 00");
    EXPECT_EQ(hex(readFile(g.puti.statPerRus)), "00 01 01");
    EXPECT_EQ(hex(readFile(g.puti.statRus)), "00 00 00 00 00");
    EXPECT_EQ(hex(readFile(g.puti.statPair)), "00 00 00 00 00");
    EXPECT_TRUE(g.Obnovit_angliyskie_slova);
    EXPECT_TRUE(g.Obnovit_perevody_s_russkogo);
    EXPECT_TRUE(g.Obnovit_nayti_perevod);
    EXPECT_FALSE(g.Obnovit_russkie_slova);
    EXPECT_FALSE(g.Obnovit_perevody_s_angliyskogo);
    EXPECT_FALSE(g.Obnovit_pary);
    EXPECT_FALSE(g.Obnovit_proslushivanie);

    // Outside the range only the record changes.
    g.Nomer_tekushchey_zapisi = 3;
    Isklyuchit_slovo_iz_pokaza(g);
    expected[2 * 176 + 168] = 1;
    EXPECT_EQ(hex(readFile(g.puti.vocabulary)), hex(expected));
    EXPECT_EQ(hex(readFile(g.puti.statEng)), "00 00 01 00 00");

    // Record 2 comes excluded; restoring it and record 7 clears exactly those bytes.
    g.Nomer_tekushchey_zapisi = 2;
    Vosstanovit_slovo_dlya_pokaza(g);
    g.Nomer_tekushchey_zapisi = 7;
    Vosstanovit_slovo_dlya_pokaza(g);
    expected[1 * 176 + 168] = 0;
    expected[6 * 176 + 168] = 0;
    EXPECT_EQ(hex(readFile(g.puti.vocabulary)), hex(expected));
    EXPECT_EQ(hex(readFile(g.puti.statEng)), "00 00 00 00 00");
    EXPECT_EQ(hex(readFile(g.puti.statPerRus)), "00 01 00");
}

TEST_F(Exclusion, FailureIsReportedAndStillFlags) {
    // No dictionary at all.
    using Procedure = void (*)(Globalnye_peremennye_slovarya&);
    const std::pair<Procedure, const char*> procedures[] = {
        {Isklyuchit_slovo_iz_pokaza, "Исключить_слово_из_показа"},
        {Vosstanovit_slovo_dlya_pokaza, "Восстановить_слово_для_показа"},
    };
    for (const auto& [procedure, name] : procedures) {
        SCOPED_TRACE(name);
        clearRebuildFlags();
        g.Nomer_tekushchey_zapisi = 1;
        EXPECT_TRUE(reportedAs(reportOf([&] { procedure(g); }), QString::fromUtf8(name)));
        EXPECT_TRUE(g.Obnovit_angliyskie_slova);
        EXPECT_TRUE(g.Obnovit_perevody_s_russkogo);
        EXPECT_TRUE(g.Obnovit_nayti_perevod);
        EXPECT_FALSE(exists(g.puti.vocabulary));
    }
}

TEST_F(Exclusion, RecordBeyondTheDictionaryIsAFailure) {
    givenDictionary(3, true, 1, 3, false);
    g.Nomer_tekushchey_zapisi = 4;
    EXPECT_THROW(Isklyuchit_slovo_iz_pokaza(g), ProgramEnded);
    EXPECT_EQ(hex(readFile(g.puti.vocabulary)), hex(records(1, 3)));
}
