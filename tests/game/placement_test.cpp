// Placing pegs in the current row.
#include <gtest/gtest.h>

#include "game/game_state.h"
#include "scripted_random.h"

using namespace vella;

namespace {

class Placement : public ::testing::Test {
  protected:
    void SetUp() override {
        random.Push({Draw(0, 6), Draw(1, 6), Draw(2, 6), Draw(3, 6)});
        game.StartUp();
    }
    DragSource Palette(int color) { return {DragSource::Kind::Palette, color}; }
    DragSource Hole(int hole) { return {DragSource::Kind::Hole, hole}; }

    ScriptedRandom random;
    GameState game{random};
};

TEST_F(Placement, SecondaryClicksFillLeftToRightThenCycleFromAfterLastHole) {
    EXPECT_EQ(game.PlaceColor(Color::Red), 0);
    EXPECT_EQ(game.PlaceColor(Color::Blue), 1);
    EXPECT_EQ(game.PlaceColor(Color::Green), 2);
    EXPECT_EQ(game.PlaceColor(Color::Cyan), 3);
    EXPECT_EQ(game.PlaceColor(Color::Black), 0);
    EXPECT_EQ(game.PlaceColor(Color::Magenta), 1);
    EXPECT_EQ(game.Board()[0], Color::Black);
    EXPECT_EQ(game.Board()[1], Color::Magenta);
    EXPECT_EQ(game.PlaceColor(Color::Green), 2);
}

TEST_F(Placement, SecondaryClickFillsTheFirstGap) {
    game.DropOnHole(0, Palette(Color::Red));
    game.DropOnHole(2, Palette(Color::Blue));
    EXPECT_EQ(game.PlaceColor(Color::Green), 1);
}

TEST_F(Placement, FullRowAfterADropContinuesAfterTheDroppedHole) {
    for (ColorCode c : {Color::Red, Color::Blue, Color::Green, Color::Cyan}) game.PlaceColor(c);
    ASSERT_TRUE(game.DropOnHole(2, Palette(Color::Black)));
    EXPECT_EQ(game.PlaceColor(Color::Magenta), 3);
    ASSERT_TRUE(game.DropOnHole(3, Palette(Color::Black)));
    EXPECT_EQ(game.PlaceColor(Color::Magenta), 0);
}

TEST_F(Placement, MovingAPegEmptiesItsHoleAndReplacesTheTarget) {
    for (ColorCode c : {Color::Red, Color::Blue, Color::Green, Color::Cyan}) game.PlaceColor(c);
    ASSERT_TRUE(game.DropOnHole(3, Hole(1)));
    EXPECT_EQ(game.Board()[3], Color::Blue);
    EXPECT_EQ(game.Board()[1], 6);
    // Dropped on itself in a full row: stays, and the next colour goes to the hole after it.
    ASSERT_TRUE(game.DropOnHole(1, Palette(Color::Black)));
    ASSERT_TRUE(game.DropOnHole(0, Hole(0)));
    EXPECT_EQ(game.Board()[0], Color::Red);
    EXPECT_EQ(game.PlaceColor(Color::Magenta), 1);
}

TEST_F(Placement, OnlyTheCurrentRowReacts) {
    for (ColorCode c : {Color::Red, Color::Blue, Color::Green, Color::Cyan}) game.PlaceColor(c);
    ASSERT_FALSE(game.Submit().Refused());
    const auto board = game.Board();
    EXPECT_FALSE(game.DropOnHole(0, Palette(Color::Black)));   // row 0 is done
    EXPECT_FALSE(game.DropOnHole(12, Palette(Color::Black)));  // row 3 is not yet
    EXPECT_FALSE(game.DropOnHole(4, Hole(0)));                 // a peg of an earlier row
    EXPECT_FALSE(game.EmptyHole(0));
    EXPECT_FALSE(game.CanDragHole(0));
    EXPECT_EQ(game.Board(), board);
}

TEST_F(Placement, SecondaryClickOnHoleEmptiesIt) {
    game.PlaceColor(Color::Red);
    game.PlaceColor(Color::Blue);
    ASSERT_TRUE(game.EmptyHole(0));
    EXPECT_EQ(game.Board()[0], 6);
    ASSERT_TRUE(game.EmptyHole(2));  // already empty: nothing visible
    EXPECT_EQ(game.Board()[2], 6);
}

TEST_F(Placement, OnlyFilledHolesOfTheCurrentRowDrag) {
    game.PlaceColor(Color::Red);
    EXPECT_TRUE(game.CanDragHole(0));
    EXPECT_FALSE(game.CanDragHole(1));
    EXPECT_FALSE(game.DropOnHole(2, Hole(1)));  // an empty hole is no source
}

TEST_F(Placement, LastFilledHoleFollowsTheOrderOfFilling) {
    EXPECT_EQ(game.LastFilledHole(), -1);
    game.PlaceColor(Color::Red);  // hole 0
    ASSERT_TRUE(game.DropOnHole(3, Palette(Color::Blue)));
    game.PlaceColor(Color::Green);  // hole 1
    EXPECT_EQ(game.LastFilledHole(), 1);
    ASSERT_TRUE(game.EmptyHole(1));
    EXPECT_EQ(game.LastFilledHole(), 3);
    ASSERT_TRUE(game.DropOnHole(2, Hole(0)));  // moving a peg fills its new hole
    EXPECT_EQ(game.LastFilledHole(), 2);
    ASSERT_TRUE(game.EmptyHole(2));
    ASSERT_TRUE(game.EmptyHole(3));
    EXPECT_EQ(game.LastFilledHole(), -1);
}

TEST_F(Placement, YellowIsNotInPlayWithSixColours) {
    EXPECT_EQ(game.PlaceColor(Color::Yellow), -1);
    EXPECT_FALSE(game.DropOnHole(0, Palette(Color::Yellow)));
    random.Push({0, 0.2, 0.4, 0.6});
    game.SetOptions({ColorSet::Seven});
    EXPECT_EQ(game.PlaceColor(Color::Yellow), 0);
}

}  // namespace
