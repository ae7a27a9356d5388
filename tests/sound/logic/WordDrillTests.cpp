#include "sound/logic/WordDrill.h"

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
