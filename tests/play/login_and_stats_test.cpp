// What the log-in and statistics windows list, select, offer, take and refuse, and what they
// show after each thing the person does, decided without a window.
#include <gtest/gtest.h>

#include "../stats/stats_files.h"
#include "play/captions.h"
#include "play/login_choice.h"
#include "play/messages.h"
#include "play/stats_browser.h"
#include "scripted_host.h"
#include "stats/stats_file.h"

using namespace vella;

namespace {

TEST(Session, CaptionsFollowWhoIsLoggedIn) {
    PlayerSession session;
    EXPECT_EQ(MainCaption(session), "Vellacode");
    EXPECT_EQ(UserIdCaption(session), "&Log In...");
    session.KeepStats = false;
    EXPECT_FALSE(LogIn(session, Player("mary-ann")));  // nobody before
    EXPECT_TRUE(session.KeepStats);
    EXPECT_EQ(MainCaption(session), "Current Player: Mary-ann");
    EXPECT_EQ(UserIdCaption(session), "&New Player...");
    EXPECT_FALSE(LogIn(session, Player("MARY-ANN")));  // the same name
    EXPECT_TRUE(LogIn(session, Player("bob")));
}

TEST(LoginChoice, ListsPreselectsAndOffers) {
    struct Case {
        std::vector<PlayerName> file;
        const char* player;  // logged in; empty: nobody
        bool keepStats;
        std::vector<std::string> entries;
        int preselected;
        bool offersNoStats;
    };
    const Case cases[] = {
        {{}, "", true, {}, -1, true},
        {{Player("ANN")}, "", true, {"ANN"}, 0, true},
        {{Player("ANN"), Player("BOB")}, "", true, {"ANN", "BOB"}, -1, true},
        {{Player("ANN"), Player("BOB")}, "", false, {"ANN", "BOB"}, -1, false},
        {{Player("ANN"), Player("BOB")}, "bob", true, {"ANN", "BOB"}, 1, false},
        {{Player("ANN"), Player("ANN")}, "ann", true, {"ANN", "ANN"}, 1, false},
        {{Player("ZOË")}, "zed", true, {"ZOË", "ZED"}, 1, false},
    };
    for (const Case& c : cases) {
        ScriptedHost host;
        const PlayerSession session{Player(c.player), c.keepStats};
        const LoginChoice choice(host, session, c.file);
        EXPECT_EQ(Texts(choice.Entries()), c.entries) << c.player;
        EXPECT_EQ(choice.Preselected(), c.preselected) << c.player;
        EXPECT_EQ(choice.OffersNoStats(), c.offersNoStats) << c.player;
    }
}

// The box in UTF-8, completed to the file's players only, never to the player logged in
// without a record.
TEST(LoginChoice, TheBoxShowsTheTypeAhead) {
    ScriptedHost host;
    LoginChoice choice(host, PlayerSession{Player("zed")}, {Player("BOB"), Player("ZOË")});
    const auto box = choice.Key(U'z');
    ASSERT_TRUE(box);
    EXPECT_EQ(box->Text, "ZOË");
    EXPECT_TRUE(box->SelStart == 1 && box->SelLength == 2);
    EXPECT_EQ(choice.Key(U'e')->Text, "ZE");
    EXPECT_FALSE(choice.Key(0x1B));  // a control character
}

// OK takes the name as the file will keep it, or refuses it with the reason and leaves the
// window open; a listed entry chosen after typing unstorable letters is taken.
TEST(LoginChoice, OkTakesTheNameOrSaysWhyNot) {
    const std::string invalid = "Please enter a valid name, 15 characters or less";
    const std::string russian =
        "These characters cannot be kept in a player's name: И в а н. The statistics keep "
        "Western European letters only; please type the name with those.";
    struct Case {
        std::u32string typed;
        int chosen;  // the entry chosen after typing; -1: none
        std::string name;
        std::string refusal;
    };
    const Case cases[] = {
        {U"   ", -1, "", invalid},
        {U"               bob", -1, "", invalid},
        {U"a\b", -1, "", invalid},  // typed, then taken out again
        {U"mary-ann wilkinson", -1, "MARY-ANN WILKIN", ""},
        {U" ann", -1, " ANN", ""},
        {U"josé lópez-garcía", -1, "JOSÉ LÓPEZ-GARC", ""},
        {U"Иван", -1, "", russian},
        {U"Иван", 0, "ANN", ""},
    };
    for (const Case& c : cases) {
        ScriptedHost host;
        LoginChoice choice(host, PlayerSession{}, {Player("ANN")});
        for (char32_t key : c.typed) choice.Key(key);
        if (c.chosen >= 0) choice.Pick(c.chosen);
        const bool taken = choice.Ok();
        EXPECT_EQ(taken, c.refusal.empty()) << c.name;
        EXPECT_EQ(host.LastText(), c.refusal) << c.name;
        EXPECT_EQ(choice.Outcome().How,
                  taken ? LoginOutcome::Kind::Chosen : LoginOutcome::Kind::Closed);
        EXPECT_EQ(choice.Outcome().Player.Text(), c.name);
    }
    ScriptedHost host;
    LoginChoice choice(host, PlayerSession{}, {});
    choice.Decline();
    EXPECT_EQ(choice.Outcome().How, LoginOutcome::Kind::Declined);
    choice.Cancel();
    EXPECT_EQ(choice.Outcome().How, LoginOutcome::Kind::Cancelled);
}

class Browsing : public ::testing::Test {
  protected:
    TempFolder folder;
    StatsFile stats{folder.Path()};
    ScriptedHost host;
    StatsBrowser browser{host, stats};

    // Players told apart by their best standard game: ann 3, bob 4, carl 5 moves.
    void SetUp() override {
        for (auto [name, moves] : {std::pair{"ann", 3}, {"bob", 4}, {"carl", 5}}) {
            ASSERT_TRUE(stats.RecordGame(Player(name), {0, 0, true, std::int16_t(moves)}).Ok());
        }
    }
    std::string Best() const { return browser.Figures().Columns[0].Best; }
};

TEST_F(Browsing, OpensOnThePlayerAndGameTypeAndFollowsChoices) {
    ASSERT_TRUE(stats.RecordGame(Player("BOB"), {1, 3, false, 10}).Ok());
    ASSERT_TRUE(browser.Open(Player("bob"), GameType::Repeats));
    EXPECT_EQ(Texts(browser.Players()), (std::vector<std::string>{"ANN", "BOB", "CARL"}));
    EXPECT_EQ(browser.Selected(), 1);
    EXPECT_EQ(browser.View(), 2);
    EXPECT_EQ(Best(), "-");
    browser.ChooseView(0);
    EXPECT_EQ(Best(), "4");
    browser.Select(2);
    EXPECT_EQ(Best(), "5");
    browser.Select(3);  // past the list: nothing changes
    EXPECT_EQ(browser.Selected(), 2);
    browser.Select(1);
    browser.ChooseView(GrandTotalView);
    EXPECT_TRUE(browser.Figures().GrandTotal);
    EXPECT_EQ(browser.FiguresSentence(),
              "Totals For All Game Types. Totals: Games Played 2, Games Won 1, Percent Games Won "
              "50%, Average Moves Per Game 7.0, Best Game (won) 4, Worst Game (won) 4.");
    browser.ChooseView(1);
    EXPECT_EQ(browser.FiguresSentence().substr(0, 55),
              "Blanks Allowed. 6 Colors: Games Played 0, Games Won -, ");
    EXPECT_NE(browser.FiguresSentence().find(". 7 Colors: Games Played 0,"), std::string::npos);
    EXPECT_TRUE(host.log.empty());

    StatsBrowser other(host, stats);
    ASSERT_TRUE(other.Open(Player("zed"), GameType::BlanksAndRepeats));  // the first player
    EXPECT_EQ(other.Selected(), 0);
    EXPECT_EQ(other.View(), 3);
}

// Another program deleted a player meanwhile: the figures are found by name, never another
// player's, and the list is read again on the same player.
TEST_F(Browsing, AChangedFileIsListedAgain) {
    ASSERT_TRUE(browser.Open(Player("bob"), GameType::Standard));
    browser.Select(2);
    ASSERT_TRUE(StatsFile(folder.Path()).RemovePlayer(0, Player("ANN")).Ok());
    browser.ChooseView(1);
    EXPECT_EQ(host.LastText(), "\"" + (folder / "stats.dat").string() +
                                   "\" has changed since its players were listed; the list now "
                                   "shows them as they are.");
    EXPECT_EQ(Texts(browser.Players()), (std::vector<std::string>{"BOB", "CARL"}));
    EXPECT_EQ(browser.Selected(), 1);
    EXPECT_EQ(browser.View(), 1);
    browser.ChooseView(0);
    EXPECT_EQ(Best(), "5");
    EXPECT_EQ(host.messages.size(), 1u);

    // Delete Player after another copy moved the player: nothing is deleted, and the list
    // read again lands on the player whose deletion was asked, not the one opened on.
    ASSERT_TRUE(stats.RecordGame(Player("dan"), {0, 0, true, 5}).Ok());
    ASSERT_TRUE(browser.Open(Player("bob"), GameType::Standard));
    browser.Select(2);
    ASSERT_TRUE(StatsFile(folder.Path()).RemovePlayer(1, Player("CARL")).Ok());
    host.answers = {Answer::Ok};
    EXPECT_FALSE(browser.DeleteSelected());
    EXPECT_EQ(host.LastText(), NothingDeleted(stats.DatPath()).Text);
    EXPECT_EQ(Texts(browser.Players()), (std::vector<std::string>{"BOB", "DAN"}));
    EXPECT_EQ(browser.Selected(), 1);
}

// A record no games could give is named as damaged, once each time it is chosen, and its
// figures are left blank; reading it changes nothing in the file.
TEST_F(Browsing, ADamagedRecordIsSaidAndNotShown) {
    std::vector<unsigned char> bytes = RecordsOf({"ann", "bob"});
    bytes[RecordSize + NameLength + 4 * CellCount] = 5;  // bob's first cell: 5 wins in 0 games
    WriteBytes(stats.DatPath(), bytes);
    ASSERT_TRUE(browser.Open(Player("bob"), GameType::Standard));
    EXPECT_EQ(host.LastText(), "The statistics of \"BOB\" in \"" + (folder / "stats.dat").string() +
                                   "\" are damaged: no games could give them. They are not "
                                   "shown, and the file is left as it is.");
    EXPECT_EQ(browser.Figures().Columns[0].Games, "");
    browser.ChooseView(1);
    EXPECT_EQ(host.messages.size(), 1u);
    browser.Select(0);
    EXPECT_EQ(browser.Figures().Columns[0].Games, "0");
    browser.Select(1);
    EXPECT_EQ(host.messages.size(), 2u);
    EXPECT_EQ(ReadBytes(stats.DatPath()), bytes);
}

TEST_F(Browsing, AnUnreadableFileOpensNothing) {
    std::filesystem::remove(folder / "stats.dat");
    std::filesystem::create_directory(folder / "stats.dat");
    EXPECT_FALSE(browser.Open({}, GameType::Standard));
    EXPECT_NE(host.LastText().find("stats.dat"), std::string::npos);
    EXPECT_TRUE(browser.Players().empty());
}

// Delete Player asks first. The file then keeps every other record in order, byte for byte,
// and the list is read again, on the player logged in where still there, else the first; the
// only player goes with the file, and the window closes. A failure is said and loses nothing.
TEST_F(Browsing, DeletePlayerAndWhatFollows) {
    struct Case {
        std::vector<std::string> players;
        int selected;
        Answer answer;
        bool blocked;  // stats.tmp cannot be made
        std::vector<std::string> after;
        int selectedAfter;
        const char* games;  // the standard games of the player selected after
    };
    const std::vector<std::string> three = {"ANN", "BOB", "CARL"};
    const Case cases[] = {
        {three, 1, Answer::Cancel, false, three, 1, "2"},
        {three, 1, Answer::Ok, false, {"ANN", "CARL"}, 0, "1"},
        {three, 2, Answer::Ok, false, {"ANN", "BOB"}, 1, "2"},
        {three, 2, Answer::Ok, true, three, 2, "3"},
        {{"BOB"}, 0, Answer::Ok, false, {}, -1, "1"},
    };
    for (const Case& c : cases) {
        TempFolder there;
        const auto before = RecordsOf(c.players);
        WriteBytes(there / "stats.dat", before);
        if (c.blocked) std::filesystem::create_directory(there / "stats.tmp");
        StatsFile file(there.Path());
        ScriptedHost asked;
        asked.answers = {c.answer};
        StatsBrowser deleting(asked, file);
        ASSERT_TRUE(deleting.Open(Player("bob"), GameType::Standard));
        deleting.Select(c.selected);
        const std::string gone = c.players.at(c.selected);
        EXPECT_EQ(deleting.DeleteSelected(), c.after.empty());
        EXPECT_EQ(asked.messages.at(0).Text, "Are you sure you want to do this?  Stats for " +
                                                 gone + " will be permanently deleted!");
        const MessageRequest& q = asked.messages.at(0);
        EXPECT_TRUE(q.Title == "Woah!" && q.Buttons == MsgButtons::OkCancel &&
                    q.Icon == MsgIcon::Exclamation && q.Default == Answer::Cancel);
        EXPECT_EQ(asked.messages.size(), c.blocked ? 2u : 1u);
        if (c.blocked) {
            EXPECT_EQ(asked.LastText().rfind("The player could not be deleted.", 0), 0u);
            EXPECT_NE(asked.LastText().find("stats.tmp"), std::string::npos);
        }
        if (c.after.empty()) {
            EXPECT_FALSE(std::filesystem::exists(there / "stats.dat"));
            continue;
        }
        EXPECT_EQ(Texts(deleting.Players()), c.after);
        EXPECT_EQ(deleting.Selected(), c.selectedAfter);
        EXPECT_EQ(deleting.Figures().Columns[0].Games, c.games);
        auto expected = before;
        if (c.after.size() < c.players.size()) {
            const auto at = expected.begin() + c.selected * RecordSize;
            expected.erase(at, at + RecordSize);
        }
        EXPECT_EQ(ReadBytes(there / "stats.dat"), expected);
        EXPECT_EQ(std::filesystem::exists(there / "stats.tmp"), c.blocked);
    }
}

}  // namespace
