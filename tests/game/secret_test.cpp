// Drawing the secret.
#include "game/secret.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>

#include "scripted_random.h"

using namespace vella;

namespace {

TEST(DrawSecret, TakesWholePartOfRangeTimesRInOrderAndReseedsEachDraw) {
    ScriptedRandom random({0.0, 0.99, 0.5, 0.2});
    const Pattern secret = DrawSecret(random, GameOptions{ColorSet::Seven, true, true});  // range 8
    EXPECT_EQ(secret, (Pattern{0, 7, 4, 1}));
    EXPECT_EQ(random.seeds, 1);
}

TEST(DrawSecret, DiscardsAndRedrawsADuplicateIncludingTheBlank) {
    // Blanks without repeats, six colours: range 7, blank = 6.
    ScriptedRandom random(
        {Draw(6, 7), Draw(6, 7), Draw(2, 7), Draw(2, 7), Draw(6, 7), Draw(0, 7), Draw(5, 7)});
    const Pattern secret = DrawSecret(random, GameOptions{ColorSet::Six, false, true});
    EXPECT_EQ(secret, (Pattern{6, 2, 0, 5}));
    EXPECT_EQ(random.Used(), 7u);
}

TEST(DrawSecret, WithRepeatsKeepsDuplicates) {
    ScriptedRandom random({Draw(3, 6), Draw(3, 6), Draw(3, 6), Draw(3, 6)});
    EXPECT_EQ(DrawSecret(random, GameOptions{ColorSet::Six, true, false}), (Pattern{3, 3, 3, 3}));
}

struct RangeCase {
    bool repeats, blanks;
    ColorCode blankCode;
    int range;
};

class SecretRanges : public ::testing::TestWithParam<RangeCase> {};

TEST_P(SecretRanges, ManyDrawsStayInRangeAndObeyRepeatRuleAndReachEveryCode) {
    const RangeCase& c = GetParam();
    ClockRandom random;
    std::set<int> seen;
    for (int i = 0; i < 3000; ++i) {
        const Pattern s = DrawSecret(random, GameOptions{Colors(c.blankCode), c.repeats, c.blanks});
        for (ColorCode code : s) {
            ASSERT_GE(code, 0);
            ASSERT_LT(code, c.range);
            seen.insert(code);
        }
        if (!c.repeats) {
            Pattern sorted = s;
            std::sort(sorted.begin(), sorted.end());
            ASSERT_EQ(std::adjacent_find(sorted.begin(), sorted.end()), sorted.end());
        }
    }
    EXPECT_EQ(static_cast<int>(seen.size()), c.range);
}

INSTANTIATE_TEST_SUITE_P(
    AllOptions, SecretRanges,
    ::testing::Values(RangeCase{false, false, 6, 6}, RangeCase{false, true, 6, 7},
                      RangeCase{true, false, 6, 6}, RangeCase{true, true, 6, 7},
                      RangeCase{false, false, 7, 7}, RangeCase{false, true, 7, 8},
                      RangeCase{true, false, 7, 7}, RangeCase{true, true, 7, 8}));

// Uniform over the whole of [0, 1): each tenth of it gets its share (1000 of 10000 expected;
// the bounds are more than six standard deviations wide), so a narrowed range fails.
TEST(ClockRandom, YieldsNumbersSpreadOverTheUnitInterval) {
    ClockRandom random;
    random.Seed();
    std::array<int, 10> tenths{};
    for (int i = 0; i < 10000; ++i) {
        const double r = random.Next();
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
        ++tenths[static_cast<std::size_t>(r * 10)];
    }
    for (int count : tenths) {
        EXPECT_GT(count, 800);
        EXPECT_LT(count, 1200);
    }
}

}  // namespace
