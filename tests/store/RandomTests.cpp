#include "app/core/Random.h"

#include <gtest/gtest.h>

using telvo::RandomGenerator;

namespace {

// The rule written out independently of the generator: seed := seed * 134775813 + 1 (mod 2^32),
// draw = upper 32 bits of seed * n.
struct Reference {
    uint64_t seed = 0;
    int64_t draw(int64_t n) {
        seed = (seed * 134775813ull + 1ull) % (1ull << 32);
        return static_cast<int64_t>((seed * static_cast<uint64_t>(n)) >> 32);
    }
};

} // namespace

TEST(RandomGenerator, KnownSequenceFromSeedZero) {
    RandomGenerator r;
    EXPECT_EQ(r.seed, 0u) << "the program starts with seed 0";
    // Worked by hand: seeds 1, 134775814, 3698175007, ...; 134775814 * 100 / 2^32 = 3.14.
    const int32_t expected[] = {0, 3, 86, 20, 27, 67};
    for (int32_t e : expected)
        EXPECT_EQ(r.draw(100), e);
    EXPECT_EQ(r.seed, 2884733762u);
}

TEST(RandomGenerator, MatchesTheRuleOverALongRunOfMixedRanges) {
    RandomGenerator r;
    r.seed = 0xDEADBEEF;
    Reference ref{0xDEADBEEF};
    const int32_t ranges[] = {1, 2, 3, 7, 14, 100, 1000, 65536, 1000003, 2147483647};
    for (int i = 0; i < 10000; ++i) {
        const int32_t n = ranges[i % std::size(ranges)];
        ASSERT_EQ(r.draw(n), ref.draw(n)) << "draw " << i << " of " << n;
        ASSERT_EQ(r.seed, ref.seed);
    }
}

TEST(RandomGenerator, DrawsStayInRangeAndOneAlwaysGivesZero) {
    RandomGenerator r;
    for (int i = 0; i < 1000; ++i)
        EXPECT_EQ(r.draw(1), 0);
    r.seed = 0xFFFFFFFFu; // the largest product
    bool sawTop = false;
    for (int32_t n : {2, 5, 176, 100000, 2147483647}) {
        for (int i = 0; i < 2000; ++i) {
            const int32_t v = r.draw(n);
            ASSERT_GE(v, 0);
            ASSERT_LT(v, n);
            sawTop = sawTop || (n == 5 && v == 4);
        }
    }
    EXPECT_TRUE(sawTop) << "the top value of a range is reachable";
}
