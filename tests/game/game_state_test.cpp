// The course of a game.
#include "game/game_state.h"

#include <gtest/gtest.h>

#include "game/scoring.h"
#include "scripted_random.h"

using namespace vella;

namespace {

class GameFlow : public ::testing::Test {
  protected:
    // Start-up draws the secret 0, 1, 2, 3.
    void SetUp() override {
        random.Push({Draw(0, 6), Draw(1, 6), Draw(2, 6), Draw(3, 6)});
        game.StartUp();
    }

    // Fills the current row as a player would: drops from the palette, blanks emptied.
    void Fill(Pattern row) {
        const int first = game.CurRow() * RowLength;
        for (int k = 0; k < RowLength; ++k) {
            if (row[k] == game.BlankCode()) {
                game.EmptyHole(first + k);
            } else {
                ASSERT_TRUE(game.DropOnHole(first + k, {DragSource::Kind::Palette, row[k]}));
            }
        }
    }

    ScriptedRandom random;
    GameState game{random};
};

TEST_F(GameFlow, StartUpIsSixColoursEmptyBoardRowZeroMarkedAndASecret) {
    EXPECT_EQ(game.Options(), GameOptions{});
    EXPECT_EQ(game.BlankCode(), 6);
    EXPECT_EQ(game.CurRow(), 0);
    EXPECT_FALSE(game.InGame());
    EXPECT_EQ(game.Secret(), (Pattern{0, 1, 2, 3}));
    for (int i = 0; i < HoleCount; ++i) {
        EXPECT_EQ(game.Board()[i], 6);
        EXPECT_EQ(game.Indicators()[i], i < 4 ? Indicator::Current : Indicator::Empty) << i;
    }
}

TEST_F(GameFlow, RefusedRowChangesNothingAndDoesNotLockTheOptions) {
    Fill({1, 1, 2, 3});
    const auto board = game.Board();
    const SubmitResult result = game.Submit();
    EXPECT_EQ(result.Refusal, RepeatsRefusal.Source);
    EXPECT_FALSE(game.InGame());
    EXPECT_EQ(game.CurRow(), 0);
    EXPECT_EQ(game.Board(), board);
    EXPECT_EQ(game.Indicators()[0], Indicator::Current);
}

TEST_F(GameFlow, ScoredRowPaintsWhitesThenBlacksAndMarksTheNextRow) {
    Fill({0, 2, 1, 4});  // 1 exact, 2 colour only
    const SubmitResult result = game.Submit();
    ASSERT_FALSE(result.Refused());
    EXPECT_FALSE(result.GameOver);
    EXPECT_TRUE(game.InGame());
    EXPECT_EQ(game.CurRow(), 1);
    EXPECT_EQ(game.Indicators()[0], Indicator::White);
    EXPECT_EQ(game.Indicators()[1], Indicator::White);
    EXPECT_EQ(game.Indicators()[2], Indicator::Black);
    EXPECT_EQ(game.Indicators()[3], Indicator::Empty);
    for (int i = 4; i < 8; ++i) EXPECT_EQ(game.Indicators()[i], Indicator::Current);
    // A refused second row leaves the first row's score alone.
    Fill({6, 6, 6, 6});
    EXPECT_TRUE(game.Submit().Refused());
    EXPECT_EQ(game.Indicators()[0], Indicator::White);
    EXPECT_EQ(game.CurRow(), 1);
}

TEST_F(GameFlow, FirstRowWinEndsTheGameWithOneRowUsed) {
    Fill({0, 1, 2, 3});
    const SubmitResult result = game.Submit();
    EXPECT_TRUE(result.GameOver);
    EXPECT_TRUE(game.Won());
    EXPECT_EQ(game.CurRow(), 1);
    EXPECT_TRUE(game.InGame());
    for (int i = 0; i < 4; ++i) EXPECT_EQ(game.Indicators()[i], Indicator::Black);
    EXPECT_EQ(game.Indicators()[4], Indicator::Empty);

    random.Push({Draw(5, 6), Draw(4, 6), Draw(3, 6), Draw(2, 6)});
    game.NewGame();
    EXPECT_FALSE(game.InGame());
    EXPECT_EQ(game.CurRow(), 0);
    EXPECT_EQ(game.Secret(), (Pattern{5, 4, 3, 2}));
}

TEST_F(GameFlow, TenthRowWithoutWinLosesTheGame) {
    for (int row = 0; row < RowCount; ++row) {
        Fill({3, 2, 1, 0});
        const SubmitResult result = game.Submit();
        ASSERT_FALSE(result.Refused());
        EXPECT_EQ(result.GameOver, row == RowCount - 1) << row;
    }
    EXPECT_FALSE(game.Won());
    EXPECT_EQ(game.CurRow(), 10);
}

TEST_F(GameFlow, OptionChangeInReadyDrawsANewSecretAndKeepsThePegs) {
    Fill({4, 5, 6, 6});
    random.Push({Draw(6, 7), Draw(0, 7), Draw(1, 7), Draw(2, 7)});
    EXPECT_EQ(game.SetOptions({ColorSet::Six, false, true}), RulesChange::Changed);
    EXPECT_EQ(game.Secret(), (Pattern{6, 0, 1, 2}));
    EXPECT_EQ(game.Board()[0], 4);
    EXPECT_EQ(game.Board()[1], 5);
}

TEST_F(GameFlow, ColourCountChangesOnlyBetweenGames) {
    Fill({4, 5, 0, 1});
    random.Push({Draw(6, 7), Draw(5, 7), Draw(4, 7), Draw(3, 7)});
    EXPECT_EQ(game.SetOptions({ColorSet::Seven}), RulesChange::Changed);
    EXPECT_EQ(game.Options().Colors, ColorSet::Seven);
    EXPECT_EQ(game.BlankCode(), 7);
    EXPECT_EQ(game.Secret(), (Pattern{6, 5, 4, 3}));
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(game.Board()[i], 7);
        EXPECT_EQ(game.Indicators()[i], Indicator::Current);
    }
    EXPECT_EQ(game.SetOptions({ColorSet::Seven}), RulesChange::Unchanged);
    EXPECT_EQ(random.Used(), 8u);  // no new draw when already in force

    Fill({6, 5, 0, 1});
    ASSERT_FALSE(game.Submit().Refused());
    const auto board = game.Board();
    EXPECT_EQ(game.SetOptions({ColorSet::Six}), RulesChange::Refused);
    EXPECT_EQ(game.Options().Colors, ColorSet::Seven);
    EXPECT_EQ(game.Board(), board);
}

// The file's numbers: blanks count 1, repeats 2.
TEST(GameType, MapsBlanksAndRepeats) {
    EXPECT_EQ(static_cast<int>(GetGameType({ColorSet::Six, false, false})), 0);
    EXPECT_EQ(static_cast<int>(GetGameType({ColorSet::Six, false, true})), 1);
    EXPECT_EQ(static_cast<int>(GetGameType({ColorSet::Six, true, false})), 2);
    EXPECT_EQ(static_cast<int>(GetGameType({ColorSet::Six, true, true})), 3);
}

}  // namespace
