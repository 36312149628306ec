// Scoring and refusing rows.
#include "game/scoring.h"

#include <gtest/gtest.h>

#include "scripted_random.h"

using namespace vella;

namespace {

struct ScoreCase {
    const char* name;
    Pattern secret, row;
    bool repeats, blanks;
    ColorCode blankCode;
    int blacks, whites;
};

class ScoreTable : public ::testing::TestWithParam<ScoreCase> {};

TEST_P(ScoreTable, BlacksThenWhitesPairedWithLeftmostFreeSecretPeg) {
    const ScoreCase& c = GetParam();
    const CheckOutcome outcome =
        CheckGuess(c.row, c.secret, GameOptions{Colors(c.blankCode), c.repeats, c.blanks});
    ASSERT_FALSE(outcome.Refused()) << outcome.Refusal;
    EXPECT_EQ(outcome.Blacks, c.blacks);
    EXPECT_EQ(outcome.Whites, c.whites);
}

INSTANTIATE_TEST_SUITE_P(
    Scores, ScoreTable,
    ::testing::Values(
        ScoreCase{"RepeatsInBoth", {2, 2, 1, 3}, {2, 1, 2, 2}, true, false, 6, 1, 2},
        ScoreCase{"AllWhites", {0, 1, 2, 3}, {3, 2, 1, 0}, false, false, 6, 0, 4},
        ScoreCase{"OneSecretColourFourTimes", {4, 4, 4, 4}, {4, 0, 0, 0}, true, false, 6, 1, 0},
        ScoreCase{"BlanksScoredAsColours", {6, 0, 0, 1}, {0, 6, 6, 6}, true, true, 6, 0, 2},
        ScoreCase{"AllEmptyRowAgainstBlanks", {7, 7, 2, 7}, {7, 7, 7, 7}, true, true, 7, 3, 0},
        ScoreCase{"Win", {5, 4, 3, 0}, {5, 4, 3, 0}, false, false, 6, 4, 0},
        ScoreCase{"Nothing", {0, 1, 2, 3}, {4, 5, 6, 5}, true, true, 7, 0, 0},
        ScoreCase{"ExactBeatsWhite", {1, 2, 3, 4}, {1, 1, 5, 0}, true, false, 6, 1, 0}),
    [](const auto& info) { return std::string(info.param.name); });

struct RefusalCase {
    const char* name;
    Pattern row;
    bool repeats, blanks;
    std::string_view message;
};

class RefusalTable : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(RefusalTable, FirstFailingHoleDecidesBlankRuleBeforeRepeatRule) {
    const RefusalCase& c = GetParam();
    const CheckOutcome outcome =
        CheckGuess(c.row, {0, 1, 2, 3}, GameOptions{ColorSet::Six, c.repeats, c.blanks});
    EXPECT_EQ(outcome.Refusal, c.message);
}

// The messages as shown, two spaces and all.
constexpr std::string_view BlanksMessage = "You left some blanks.  Try your guess again.";
constexpr std::string_view RepeatsMessage = "You repeated some colors.  Try your guess again";

INSTANTIATE_TEST_SUITE_P(
    Refusals, RefusalTable,
    ::testing::Values(
        RefusalCase{"TwoBlanksBreakRepeatRule", {6, 6, 1, 2}, false, true, RepeatsMessage},
        RefusalCase{"RepeatAtColumnOneFirst", {1, 1, 6, 2}, false, false, RepeatsMessage},
        RefusalCase{"BlankAtColumnOneFirst", {1, 6, 1, 2}, false, false, BlanksMessage},
        RefusalCase{"BlankBeforeRepeatAtSameHole", {6, 6, 1, 2}, false, false, BlanksMessage},
        RefusalCase{"BlankWithRepeatsAllowed", {1, 1, 6, 2}, true, false, BlanksMessage}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
