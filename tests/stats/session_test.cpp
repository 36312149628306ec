// Logging in and the name check, and what the main window shows for each.
#include <gtest/gtest.h>

#include "stats/player_session.h"

using namespace vella;

namespace {

TEST(Session, StartsWithNobodyLoggedInAndStatisticsOn) {
    const PlayerSession session;
    EXPECT_EQ(MainCaption(session), "Vellacode");
    EXPECT_EQ(UserIdCaption(session), "&Log In...");
    EXPECT_TRUE(session.KeepStats);
}

TEST(Session, LogInStoresTheNameAndTellsWhetherAnotherPlayerWasReplaced) {
    PlayerSession session;
    session.KeepStats = false;
    EXPECT_FALSE(LogIn(session, *AcceptName("mary-ann")));  // nobody before
    EXPECT_EQ(session.PlayerName, "MARY-ANN       ");
    EXPECT_TRUE(session.KeepStats);
    EXPECT_EQ(MainCaption(session), "Current Player: Mary-ann");
    EXPECT_EQ(UserIdCaption(session), "&New Player...");

    EXPECT_FALSE(LogIn(session, *AcceptName("MARY-ANN")));  // the same name
    EXPECT_TRUE(LogIn(session, *AcceptName("abcdefghijklmnopqrst")));
    EXPECT_EQ(session.PlayerName, "ABCDEFGHIJKLMNO");
}

TEST(Session, NamesWithoutAVisibleCharacterInTheirFirstFifteenAreRefused) {
    for (const std::string& name : {std::string(), std::string("   "), std::string(15, ' ') + "BOB",
                                    std::string("\xA0\xA0")}) {
        EXPECT_FALSE(AcceptName(name)) << '"' << name << '"';
    }
    EXPECT_EQ(AcceptName(" ann"), " ANN           ");  // a leading space is part of the name
    EXPECT_EQ(InvalidNameMessage, "Please enter a valid name, 15 characters or less");
}

}  // namespace
