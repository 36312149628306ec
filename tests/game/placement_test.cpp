// Placing pegs in the current row.
#include "game/placement.h"

#include <gtest/gtest.h>

#include "scripted_random.h"

using namespace vella;

namespace {

class Placement : public ::testing::Test {
  protected:
    void SetUp() override {
        random.Push({Draw(0, 6), Draw(1, 6), Draw(2, 6), Draw(3, 6)});
        game.StartUp(GameOptions{});
    }
    DragSource Palette(int color) { return {DragSource::Kind::Palette, color}; }
    DragSource Hole(int hole) { return {DragSource::Kind::Hole, hole}; }

    ScriptedRandom random;
    GameState game{random};
};

TEST_F(Placement, SecondaryClicksFillLeftToRightThenCycleFromAfterLastHole) {
    EXPECT_EQ(PlaceColor(game, Red), 0);
    EXPECT_EQ(PlaceColor(game, Blue), 1);
    EXPECT_EQ(PlaceColor(game, Green), 2);
    EXPECT_EQ(PlaceColor(game, Cyan), 3);
    EXPECT_EQ(PlaceColor(game, Black), 0);
    EXPECT_EQ(PlaceColor(game, Magenta), 1);
    EXPECT_EQ(game.Board[0], Black);
    EXPECT_EQ(game.Board[1], Magenta);
    EXPECT_EQ(game.LastHole, 1);
}

TEST_F(Placement, SecondaryClickFillsTheFirstGap) {
    game.Board[0] = Red;
    game.Board[2] = Blue;
    EXPECT_EQ(PlaceColor(game, Green), 1);
}

TEST_F(Placement, FullRowAfterADropContinuesAfterTheDroppedHole) {
    for (ColorCode c : {Red, Blue, Green, Cyan}) PlaceColor(game, c);
    ASSERT_TRUE(DropOnHole(game, 2, Palette(Black)));
    EXPECT_EQ(PlaceColor(game, Magenta), 3);
    ASSERT_TRUE(DropOnHole(game, 3, Palette(Black)));
    EXPECT_EQ(PlaceColor(game, Magenta), 0);
}

TEST_F(Placement, MovingAPegEmptiesItsHoleAndReplacesTheTarget) {
    for (ColorCode c : {Red, Blue, Green, Cyan}) PlaceColor(game, c);
    ASSERT_TRUE(DropOnHole(game, 3, Hole(1)));
    EXPECT_EQ(game.Board[3], Blue);
    EXPECT_EQ(game.Board[1], 6);
    EXPECT_EQ(game.LastHole, 3);
    // Dropped on itself: stays, LastHole moves.
    ASSERT_TRUE(DropOnHole(game, 0, Hole(0)));
    EXPECT_EQ(game.Board[0], Red);
    EXPECT_EQ(game.LastHole, 0);
}

TEST_F(Placement, OnlyTheCurrentRowReacts) {
    for (ColorCode c : {Red, Blue, Green, Cyan}) PlaceColor(game, c);
    game.Secret = {5, 4, 0, 1};
    ASSERT_FALSE(game.Submit(GameOptions{}).Refused());
    const auto board = game.Board;
    EXPECT_FALSE(DropOnHole(game, 0, Palette(Black)));   // row 0 is done
    EXPECT_FALSE(DropOnHole(game, 12, Palette(Black)));  // row 3 is not yet
    EXPECT_FALSE(DropOnHole(game, 4, Hole(0)));          // a peg of an earlier row
    EXPECT_FALSE(EmptyHole(game, 0));
    EXPECT_FALSE(CanDragHole(game, 0));
    EXPECT_EQ(game.Board, board);
}

TEST_F(Placement, SecondaryClickOnHoleEmptiesItAndMovesLastHoleToRowEnd) {
    PlaceColor(game, Red);
    PlaceColor(game, Blue);
    ASSERT_TRUE(EmptyHole(game, 0));
    EXPECT_EQ(game.Board[0], 6);
    EXPECT_EQ(game.LastHole, 3);
    ASSERT_TRUE(EmptyHole(game, 2));  // already empty: nothing visible, LastHole still 3
    EXPECT_EQ(game.Board[2], 6);
}

TEST_F(Placement, OnlyFilledHolesOfTheCurrentRowDrag) {
    PlaceColor(game, Red);
    EXPECT_TRUE(CanDragHole(game, 0));
    EXPECT_FALSE(CanDragHole(game, 1));
    EXPECT_FALSE(DropOnHole(game, 2, Hole(1)));  // an empty hole is no source
}

TEST_F(Placement, LastFilledHoleFollowsTheOrderOfFilling) {
    EXPECT_EQ(LastFilledHole(game), -1);
    PlaceColor(game, Red);  // hole 0
    ASSERT_TRUE(DropOnHole(game, 3, Palette(Blue)));
    PlaceColor(game, Green);  // hole 1
    EXPECT_EQ(LastFilledHole(game), 1);
    ASSERT_TRUE(EmptyHole(game, 1));
    EXPECT_EQ(LastFilledHole(game), 3);
    ASSERT_TRUE(DropOnHole(game, 2, Hole(0)));  // moving a peg fills its new hole
    EXPECT_EQ(LastFilledHole(game), 2);
    ASSERT_TRUE(EmptyHole(game, 2));
    ASSERT_TRUE(EmptyHole(game, 3));
    EXPECT_EQ(LastFilledHole(game), -1);
}

TEST_F(Placement, YellowIsNotInPlayWithSixColours) {
    EXPECT_EQ(PlaceColor(game, Yellow), -1);
    EXPECT_FALSE(DropOnHole(game, 0, Palette(Yellow)));
    random.Push({0, 0.2, 0.4, 0.6});
    game.SetColorSet(1, GameOptions{});
    EXPECT_EQ(PlaceColor(game, Yellow), 0);
}

}  // namespace
