// Logging in, declining and cancelling, and what the main window shows for each.
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

TEST(Session, LogInStoresTheNameAndTellsWhetherThePlayerChanged) {
    PlayerSession session;
    session.KeepStats = false;
    EXPECT_EQ(LogIn(session, "mary-ann"), "");
    EXPECT_EQ(session.PlayerName, "MARY-ANN       ");
    EXPECT_FALSE(session.PlayerChanged);  // nobody before
    EXPECT_TRUE(session.KeepStats);
    EXPECT_EQ(MainCaption(session), "Current Player: Mary-ann");
    EXPECT_EQ(UserIdCaption(session), "&New Player...");

    EXPECT_EQ(LogIn(session, "MARY-ANN"), "");
    EXPECT_FALSE(session.PlayerChanged);  // the same name
    EXPECT_EQ(LogIn(session, "abcdefghijklmnopqrst"), "");
    EXPECT_TRUE(session.PlayerChanged);
    EXPECT_EQ(session.PlayerName, "ABCDEFGHIJKLMNO");
}

TEST(Session, NamesWithoutAVisibleCharacterInTheirFirstFifteenAreRefused) {
    PlayerSession session;
    EXPECT_EQ(LogIn(session, ""), InvalidNameMessage);
    EXPECT_EQ(LogIn(session, "   "), InvalidNameMessage);
    EXPECT_EQ(LogIn(session, std::string(15, ' ') + "BOB"), InvalidNameMessage);
    EXPECT_FALSE(session.LoggedIn());
    EXPECT_EQ(InvalidNameMessage, "Please enter a valid name, 15 characters or less");
}

TEST(Session, DeclineTurnsStatisticsOffAndCancelChangesNothingButItsFlag) {
    PlayerSession session;
    DeclineStats(session);
    EXPECT_FALSE(session.KeepStats);
    EXPECT_TRUE(session.StatsDeclined);
    EXPECT_EQ(MainCaption(session), "Vellacode");

    PlayerSession other;
    LogIn(other, "ann");
    CancelLogIn(other);
    EXPECT_TRUE(other.LoginCancelled);
    EXPECT_EQ(other.PlayerName, "ANN            ");
    other.ClearLoginFlags();
    EXPECT_FALSE(other.LoginCancelled || other.StatsDeclined || other.PlayerChanged);

    // Every flag raised at once, then cleared: each one must go.
    LogIn(other, "bob");
    DeclineStats(other);
    CancelLogIn(other);
    ASSERT_TRUE(other.LoginCancelled && other.StatsDeclined && other.PlayerChanged);
    other.ClearLoginFlags();
    EXPECT_FALSE(other.LoginCancelled);
    EXPECT_FALSE(other.StatsDeclined);
    EXPECT_FALSE(other.PlayerChanged);
}

}  // namespace
