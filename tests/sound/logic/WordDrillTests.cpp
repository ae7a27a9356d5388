#include "sound/logic/WordDrill.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace telvo;

TEST(WordDrill, WidthAndRhythmFollowTheWordLength) {
    struct Case {
        int length, width, intervalMs;
    };
    const Case cases[] = {
        {0, 360, 900},    {3, 360, 900},    {4, 387, 900},    {7, 516, 900},
        {8, 559, 720},    {9, 602, 810},    {10, 645, 900},   {18, 989, 1620},
        {19, 1000, 1710}, {22, 1000, 1980}, {23, 1000, 2070}, {30, 1000, 2700},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.length);
        EXPECT_EQ(drillWindowWidth(c.length), c.width);
        EXPECT_EQ(drillFlashIntervalMs(c.length), c.intervalMs);
    }
}

TEST(WordDrill, CounterShowsShowingsAndTwoDigitTime) {
    EXPECT_EQ(drillCounterText(0, 0, 0), QStringLiteral("0 [00:00]"));
    EXPECT_EQ(drillCounterText(7, 0, 9), QStringLiteral("7 [00:09]"));
    EXPECT_EQ(drillCounterText(12, 3, 10), QStringLiteral("12 [03:10]"));
    EXPECT_EQ(drillCounterText(1234, 59, 59), QStringLiteral("1234 [59:59]"));
}

namespace {

// A table of three rows; "cat" stands twice, the later row with its own texts.
DrillSources tableOfThree() {
    DrillSources s;
    s.tableRows = 3;
    s.selectedRow = 2;
    s.tableRow = [](int row) -> DrillTexts {
        switch (row) {
        case 1:
            return {QStringLiteral("cat"), QStringLiteral("[кэт]"), QStringLiteral("кошка")};
        case 2:
            return {QStringLiteral("dog"), QStringLiteral("[дог]"), QStringLiteral("собака")};
        case 3:
            return {QStringLiteral("cat"), QStringLiteral("[кат]"), QStringLiteral("кот")};
        default:
            ADD_FAILURE() << "row " << row << " is not in the table";
            return {};
        }
    };
    s.groupWord = QStringLiteral("bird");
    s.groupTranslation = QStringLiteral("птица");
    s.sign = QStringLiteral("[ə]");
    return s;
}

} // namespace

TEST(WordDrill, CaptureTakesTheSourceItsOpenerNamed) {
    struct Case {
        const char* name;
        std::function<void(DrillSources&)> set;
        DrillTexts expected;
    };
    const DrillTexts dog{QStringLiteral("dog"), QStringLiteral("[дог]"), QStringLiteral("собака")};
    const DrillTexts bird{QStringLiteral("bird"), QStringLiteral("bird"), QStringLiteral("птица")};
    const DrillTexts sign{QStringLiteral("[ə]"), QStringLiteral("[ə]"), QStringLiteral("[ə]")};
    const Case cases[] = {
        {"nothing named", [](DrillSources&) {}, {}},
        {"selected table row", [](DrillSources& s) { s.fromTable = true; }, dog},
        {"group row over the table",
         [](DrillSources& s) {
             s.fromTable = true;
             s.fromGroup = true;
         },
         bird},
        {"sign over everything",
         [](DrillSources& s) { s.fromTable = s.fromGroup = s.fromSigns = true; }, sign},
        {"player's word: the last row that has it",
         [](DrillSources& s) {
             s.playerWord = QStringLiteral("cat");
             s.fromTable = s.fromGroup = s.fromSigns = true;
         },
         {QStringLiteral("cat"), QStringLiteral("[кат]"), QStringLiteral("кот")}},
        {"player's word matches letter case exactly",
         [](DrillSources& s) {
             s.playerWord = QStringLiteral("Cat");
             s.fromTable = true;
         },
         {}},
        {"selected row outside the table",
         [](DrillSources& s) {
             s.fromTable = true;
             s.selectedRow = 4;
         },
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DrillSources s = tableOfThree();
        c.set(s);
        const DrillTexts got = captureDrillTexts(s);
        EXPECT_EQ(got.word, c.expected.word);
        EXPECT_EQ(got.transcription, c.expected.transcription);
        EXPECT_EQ(got.translation, c.expected.translation);
    }
}

TEST(WordDrill, FlashesTranscriptionFirstAndCountsEveryShowingOfTheWord) {
    WordDrill drill(
        {QStringLiteral("elephant"), QStringLiteral("[элифэнт]"), QStringLiteral("слон")});
    EXPECT_EQ(drill.windowWidth(), 559);
    EXPECT_EQ(drill.flashIntervalMs(), 720);
    EXPECT_TRUE(drill.transcriptionShown().isEmpty());
    EXPECT_TRUE(drill.wordShown().isEmpty());
    EXPECT_EQ(drill.counterText(), QStringLiteral("0 [00:00]"));
    QStringList seen;
    for (int i = 0; i < 5; ++i) {
        drill.flashTick();
        EXPECT_TRUE(drill.transcriptionShown().isEmpty() || drill.wordShown().isEmpty());
        seen << drill.transcriptionShown() + u'|' + drill.wordShown();
    }
    EXPECT_EQ(seen,
              (QStringList{"[элифэнт]|", "|elephant", "[элифэнт]|", "|elephant", "[элифэнт]|"}));
    EXPECT_EQ(drill.showings(), 2);
}

TEST(WordDrill, StopwatchCarriesSecondsIntoMinutesAndStartsAgainAfterAnHour) {
    WordDrill drill;
    for (int i = 0; i < 59; ++i)
        drill.stopwatchTick();
    EXPECT_EQ(drill.counterText(), QStringLiteral("0 [00:59]"));
    drill.stopwatchTick();
    EXPECT_EQ(drill.counterText(), QStringLiteral("0 [01:00]"));
    for (int i = 0; i < 59 * 60 - 1; ++i)
        drill.stopwatchTick();
    EXPECT_EQ(drill.counterText(), QStringLiteral("0 [59:59]"));
    drill.stopwatchTick();
    EXPECT_EQ(drill.counterText(), QStringLiteral("0 [00:00]"));
}
