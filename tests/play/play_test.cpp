// Every flow of the game window, run on the mid-end with a scripted person: what is asked and
// shown, in which order, and the bytes the statistics files end with.
#include <gtest/gtest.h>

#include "../stats/faulty_files.h"
#include "../stats/stats_files.h"
#include "play/captions.h"
#include "play/game_controller.h"
#include "play/messages.h"
#include "play/speech.h"
#include "scripted_host.h"
#include "stats/file_io.h"
#include "stats/player_rec.h"
#include "stats/stats_file.h"

using namespace vella;

namespace {

class Flows : public ::testing::Test {
  protected:
    TempFolder folder;
    FaultyFiles files;
    StatsFile stats{folder.Path(), files};
    ScriptedHost host;
    ScriptedRandom random{{}, true};
    GameController play{host, random, stats};
    std::vector<std::string> shown;  // the main window's caption at each repaint
    std::vector<std::string> said;   // every sentence for a player who cannot see the board

    void SetUp() override {
        random.Queue({0, 1, 2, 3}, 6);
        play.Changed = [this] { shown.push_back(MainCaption(play.Session())); };
        play.Say = [this](const std::string& sentence) { said.push_back(sentence); };
        play.StartUp();
    }

    void PlayRow(Pattern row) {
        for (ColorCode c : row) play.PlaceColor(c);
        play.Submit();
    }
    // Exit as the window takes it: the question, then the shutdown step as the window closes.
    bool Exit() {
        if (!play.MayExit()) return false;
        play.Quit(GameController::Ending::WindowClosed);
        return true;
    }
    void Win() { PlayRow(play.Game().Secret()); }
    Pattern Wrong() const {
        const Pattern s = play.Game().Secret();
        return {s[1], s[0], s[3], s[2]};
    }
    void Lose() {
        for (int row = 0; row < RowCount; ++row) PlayRow(Wrong());
    }
    std::vector<unsigned char> Dat() { return ReadBytes(folder / "stats.dat"); }
    bool Exists(const char* name) { return std::filesystem::exists(folder / name); }
};

TEST_F(Flows, FirstRunNobodyLogsInAndExitsLeavingNoFiles) {
    WriteBytes(folder / "stats.bak", {'o', 'l', 'd'});
    EXPECT_TRUE(Exit());
    EXPECT_FALSE(Exists("stats.dat"));
    EXPECT_EQ(ReadBytes(folder / "stats.bak"), (std::vector<unsigned char>{'o', 'l', 'd'}));
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(Flows, RefusedRowSaysWhyAndChangesNothing) {
    play.PlaceColor(Color::Blue);
    play.PlaceColor(Color::Red);
    play.Submit();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages.at(0).Text, "You left some blanks.  Try your guess again.");
    EXPECT_EQ(host.messages.at(0).Title, "Vellacode");
    EXPECT_TRUE(host.messages.at(0).Buttons == MsgButtons::Ok &&
                host.messages.at(0).Icon == MsgIcon::None);
    EXPECT_FALSE(play.OptionsLocked());
    EXPECT_EQ(play.Game().CurRow(), 0);
}

// Closed without a choice, the log-in window opens again: the game is recorded under a name.
TEST_F(Flows, WonGameLogInLostGameAndTheFilesAfterwards) {
    host.loginScript = {ScriptedHost::CloseWindow(), ScriptedHost::LogInAs("smith")};
    Win();
    ASSERT_EQ(host.results.size(), 1u);
    EXPECT_TRUE(host.results.at(0).Won);
    EXPECT_EQ(host.results.at(0).Secret, (Pattern{0, 1, 2, 3}));
    EXPECT_EQ(host.log, (std::vector<std::string>{"result: won", "log-in", "log-in"}));
    EXPECT_TRUE(host.logins.at(0).offersNoStats);
    EXPECT_EQ(shown.back(), "Current Player: Smith");
    EXPECT_EQ(play.Game().CurRow(), 0);
    EXPECT_FALSE(play.OptionsLocked());

    play.ChangeColorSet(ColorSet::Seven);
    play.AllowRepeats(true);
    Lose();
    EXPECT_FALSE(host.results.at(1).Won);
    for (const ResultRequest& shown : host.results) {  // the result window's words
        EXPECT_EQ((std::vector<std::string>{shown.Title, shown.Message, shown.Button}),
                  (shown.Won ? std::vector<std::string>{"Congratulations!", "You Won!!", "I'm Cool"}
                             : std::vector<std::string>{"Better Luck Next Time",
                                                        "I'm Sorry.  You Didn't Win This Time.",
                                                        "I Will Try Harder"}));
    }
    EXPECT_TRUE(Exit());

    PlayerRec expected = FreshRecord(Player("smith"));
    const int standardSix = CellOf(0, 0), repeatsSeven = CellOf(1, 2);  // the file's cells
    expected.NumGames[standardSix] = expected.Wins[standardSix] = 1;
    expected.TotMoves[standardSix] = expected.Best[standardSix] = expected.Worst[standardSix] = 1;
    expected.NumGames[repeatsSeven] = 1;
    expected.TotMoves[repeatsSeven] = 10;
    const RecordBytes bytes = EncodeRecord(expected);
    EXPECT_EQ(Dat(), std::vector<unsigned char>(bytes.begin(), bytes.end()));
    EXPECT_EQ(ReadBytes(folder / "stats.bak"), Dat());
}

TEST_F(Flows, NoKeepStatsAtTheEndRecordsNothing) {
    host.loginScript = {ScriptedHost::Decline()};
    Win();
    EXPECT_FALSE(play.Session().KeepStats);
    EXPECT_EQ(shown.back(), "Vellacode");
    EXPECT_EQ(PlayerCount(stats), 0);
    Win();  // statistics off: nobody is asked
    EXPECT_EQ(host.logins.size(), 1u);
}

TEST_F(Flows, KeepStatsOffDuringAGameAsksAndOnNeverDoes) {
    host.loginScript = {ScriptedHost::LogInAs("ann")};
    play.ChangePlayer();
    PlayRow(Wrong());
    host.answers = {Answer::Cancel};
    play.ToggleKeepStats();
    EXPECT_TRUE(play.Session().KeepStats);
    const MessageRequest q = Last(host.messages);
    EXPECT_EQ(q.Text,
              "Are you sure you want to do this Ann?  Stats for current game will be discarded!");
    EXPECT_TRUE(q.Title == "Woah!" && q.Buttons == MsgButtons::OkCancel &&
                q.Icon == MsgIcon::Exclamation && q.Default == Answer::Cancel);

    host.answers = {Answer::Ok};
    play.ToggleKeepStats();
    EXPECT_FALSE(play.Session().KeepStats);
    play.ToggleKeepStats();  // on again: no question
    EXPECT_TRUE(play.Session().KeepStats);
    EXPECT_EQ(host.messages.size(), 2u);
    Win();
    EXPECT_EQ(RecordsIn(stats.DatPath()).at(0).TotMoves[0], 2);
}

TEST_F(Flows, KeepStatsOffWithNobodyLoggedInNamesNobody) {
    PlayRow(Wrong());
    play.ToggleKeepStats();  // answered by its default, Cancel
    EXPECT_EQ(host.LastText(),
              "Are you sure you want to do this ?  Stats for current game will be discarded!");
    EXPECT_TRUE(play.Session().KeepStats);
}

TEST_F(Flows, ChangeOfPlayerIsRefusedWhileAGameCountsAndOtherwiseAbandonsIt) {
    host.loginScript = {ScriptedHost::LogInAs("smith")};
    play.ChangePlayer();
    EXPECT_TRUE(host.logins.at(0).offersNoStats);
    PlayRow(Wrong());
    play.ChangePlayer();
    EXPECT_EQ(host.LastText(), "Please finish your game first--we are keeping stats on you Smith!");
    EXPECT_EQ(Last(host.messages).Title, "Not So Fast!");
    EXPECT_EQ(host.logins.size(), 1u);

    host.answers = {Answer::Ok};
    play.ToggleKeepStats();  // statistics off: a change of player is allowed
    host.loginScript = {ScriptedHost::LogInAs("jones")};
    play.ChangePlayer();
    EXPECT_FALSE(host.logins.at(1).offersNoStats);  // "Cancel" is offered, on the player
    EXPECT_EQ(host.logins.at(1).entries, std::vector<std::string>{"SMITH"});
    EXPECT_EQ(host.logins.at(1).preselected, 0);
    EXPECT_EQ(play.Game().CurRow(), 0);
    EXPECT_FALSE(play.OptionsLocked());
    EXPECT_EQ(shown.back(), "Current Player: Jones");
    EXPECT_EQ(PlayerCount(stats), 0);  // the abandoned game is not recorded

    // Cancel, the window closed, or the same player again: the game under way goes on.
    play.ToggleKeepStats();
    PlayRow(Wrong());
    for (const ScriptedHost::LoginAct& act :
         {ScriptedHost::Cancel(), ScriptedHost::CloseWindow(), ScriptedHost::LogInAs("JONES")}) {
        host.loginScript = {act};
        play.ChangePlayer();
        EXPECT_EQ(play.Game().CurRow(), 1);
    }
    EXPECT_EQ(host.logins.size(), 5u);
    EXPECT_TRUE(play.Session().KeepStats);  // logging in turns statistics on
}

TEST_F(Flows, ExitDuringAGameAsksFirst) {
    host.loginScript = {ScriptedHost::LogInAs("ann")};
    Win();
    PlayRow(Wrong());
    host.answers = {Answer::Yes};
    EXPECT_FALSE(Exit());
    const MessageRequest q = Last(host.messages);
    EXPECT_EQ(q.Text, "Wouldn't you like to finish your game first?");
    EXPECT_TRUE(q.Title == "Woah!" && q.Buttons == MsgButtons::YesNo && q.Default == Answer::Yes);
    EXPECT_EQ(play.Game().CurRow(), 1);
    EXPECT_FALSE(Exists("stats.bak"));

    host.answers = {Answer::No};
    EXPECT_TRUE(Exit());
    EXPECT_EQ(RecordsIn(stats.DatPath()).at(0).NumGames[0], 1);  // the dropped game is not recorded
    const auto backup = ReadBytes(folder / "stats.bak");
    EXPECT_EQ(backup, Dat());
}

// A game that is over is recorded once, however the program ends; a game under way is not. A
// player logged in has it recorded before the result window waits, so that a crash or a power
// cut while it is open loses nothing.
TEST_F(Flows, AGameOverIsRecordedOnceHoweverTheProgramEnds) {
    // Ended while the log-in window asks who played: unrecorded, and nobody is asked again.
    host.loginScript = {[this](LoginChoice&) { play.Quit(GameController::Ending::FromOutside); }};
    Win();
    EXPECT_EQ(host.logins.size(), 1u);
    EXPECT_FALSE(Exists("stats.dat"));
    // Ended while the result window is open: recorded already, then backed up.
    host.loginScript = {ScriptedHost::LogInAs("ann")};
    play.ChangePlayer();
    host.whileResultShown = [this] {
        EXPECT_EQ(RecordsIn(stats.DatPath()).size(), 1u);
        play.Quit(GameController::Ending::FromOutside);
        EXPECT_EQ(Last(host.log), "result: lost");  // nothing to say
    };
    Lose();
    EXPECT_EQ(RecordsIn(stats.DatPath()).at(0).NumGames[0], 1);
    EXPECT_EQ(ReadBytes(folder / "stats.bak"), Dat());
    host.whileResultShown = nullptr;
    PlayRow(Wrong());
    play.Quit(GameController::Ending::FromOutside);
    EXPECT_EQ(RecordsIn(stats.DatPath()).at(0).NumGames[0], 1);
    EXPECT_TRUE(host.messages.empty());
}

// Where games cannot be recorded, the player hears why at start-up and at log-in, with the
// reason the recording gives, before a game is played for nothing; a folder that can keep them
// hears nothing and is left as it was.
TEST_F(Flows, StatisticsThatCannotBeKeptAreSaidAtOnce) {
    play.CheckStatistics();
    EXPECT_TRUE(host.messages.empty());
    EXPECT_FALSE(Exists("stats.dat") || Exists("stats.lck"));
    WriteBytes(folder / "stats.dat", RecordsOf({"ann"}));
    std::filesystem::create_directory(folder / "stats.lck");
    const std::string said = "Games cannot be recorded here. ";
    const std::string why = "Could not lock \"" + (folder / "stats.dat").string() + "\" with \"" +
                            (folder / "stats.lck").string() +
                            "\": it is a folder, not a file, and was left alone.";
    play.CheckStatistics();
    host.loginScript = {ScriptedHost::LogInAs("ann")};
    play.ChangePlayer();
    EXPECT_EQ(host.log, (std::vector<std::string>{"message: " + said + why,
                                                  "message: " + said + why, "log-in"}));
    Win();
    EXPECT_EQ(host.LastText(), "This game was not recorded. " + why);
    play.ToggleKeepStats();  // statistics off: nothing more to say
    host.log.clear();
    play.CheckStatistics();
    EXPECT_TRUE(host.log.empty());
}

TEST_F(Flows, StatisticsPictureOnAFirstRunAndAfterAGame) {
    play.OpenStatistics();
    EXPECT_EQ(host.LastText(), "No stats to show!");
    EXPECT_FALSE(Exists("stats.dat"));
    EXPECT_TRUE(host.statsOpenings.empty());

    host.loginScript = {ScriptedHost::LogInAs("ann")};
    Win();
    play.AllowBlanks(true);
    host.answers = {Answer::Ok};
    host.statsScript = {[](StatsBrowser& window) { EXPECT_TRUE(window.DeleteSelected()); }};
    play.OpenStatistics();
    ASSERT_EQ(host.statsOpenings.size(), 1u);
    EXPECT_EQ(host.statsOpenings.at(0), (ScriptedHost::StatsSeen{{"ANN"}, 0, 1}));
    play.OpenStatistics();  // the only player was deleted, and the file with them
    EXPECT_EQ(Last(host.log), "message: No stats to show!");
    EXPECT_FALSE(Exists("stats.dat"));
}

TEST_F(Flows, FileFailuresAreReportedAndThePlayGoesOn) {
    host.loginScript = {ScriptedHost::LogInAs("ann")};
    files.Fail(
        [](FaultyFiles::Step step) { return step == FaultyFiles::Step::SyncFolder ? EIO : 0; });
    Win();  // recorded, but not confirmed by the disk
    files.Fail(nullptr);
    EXPECT_EQ(host.LastText(),
              "This game was recorded, but it may be lost if the computer stops now. The disk did "
              "not confirm the change to \"" +
                  (folder / "stats.dat").string() + "\": Input/output error.");
    EXPECT_EQ(PlayerCount(stats), 1);

    std::filesystem::remove(folder / "stats.dat");
    std::filesystem::create_directory(folder / "stats.dat");
    host.log.clear();
    play.ChangePlayer();  // the players cannot be listed: said, then an empty list
    ASSERT_EQ(host.log.size(), 2u);
    EXPECT_NE(host.log.at(0).find("stats.dat"), std::string::npos);
    EXPECT_EQ(host.log.at(1), "log-in");
    EXPECT_EQ(Last(host.logins).entries, std::vector<std::string>{"ANN"});
    Win();
    EXPECT_EQ(host.LastText().rfind("This game was not recorded.", 0), 0u) << host.LastText();
    EXPECT_NE(host.LastText().find("stats.dat"), std::string::npos);
    EXPECT_EQ(Last(host.messages).Icon, MsgIcon::Exclamation);
    EXPECT_EQ(play.Game().CurRow(), 0);
    play.OpenStatistics();
    EXPECT_NE(host.LastText().find("stats.dat"), std::string::npos);
    EXPECT_TRUE(host.statsOpenings.empty());
    EXPECT_TRUE(Exit());
    EXPECT_EQ(host.LastText().rfind("The statistics could not be backed up.", 0), 0u);
    host.messages.clear();
    play.Quit(GameController::Ending::FromOutside);  // nothing may be shown: the console hears it
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(Last(host.log).rfind("console: The statistics could not be backed up.", 0), 0u);
    EXPECT_TRUE(std::filesystem::is_directory(folder / "stats.dat"));
}

TEST_F(Flows, ColourCountIsLockedDuringAGameAndRedrawsTheSecretBetweenGames) {
    const Pattern secret = play.Game().Secret();
    play.ChangeColorSet(ColorSet::Six);  // already six: nothing to say or redraw
    EXPECT_TRUE(host.log.empty());
    EXPECT_EQ(play.Game().Secret(), secret);
    PlayRow(Wrong());
    EXPECT_TRUE(play.OptionsLocked());
    const std::size_t repaints = shown.size();
    play.ChangeColorSet(ColorSet::Seven);
    EXPECT_EQ(host.LastText(), "Please wait until this game is over.");
    EXPECT_EQ(play.Options().Colors, ColorSet::Six);
    EXPECT_EQ(shown.size(), repaints + 1);  // the menu's check mark is put back

    host.loginScript = {ScriptedHost::Decline()};
    Win();
    random.Queue({6, 5, 4, 3}, 7);
    play.ChangeColorSet(ColorSet::Seven);
    EXPECT_EQ(play.Game().BlankCode(), 7);
    EXPECT_EQ(play.Game().Secret(), (Pattern{6, 5, 4, 3}));
    Win();  // in seven colours the seventh is yellow, not the blank
    EXPECT_EQ(Last(host.results).PegNames[0], "secret peg 1: yellow");
    EXPECT_EQ(Last(host.results).Spoken, "You Won!! The pattern was yellow, magenta, cyan, green.");
}

TEST_F(Flows, PegsArePlacedMovedAndTakenBack) {
    play.PlaceColor(Color::Red);
    play.PlaceColor(Color::Blue);
    play.Drop(3, DragSource{DragSource::Kind::Hole, 0});
    play.TakeBackLast();  // the peg placed last: the one just moved
    EXPECT_EQ(play.Game().RowPattern(0), (Pattern{6, Color::Blue, 6, 6}));
    play.EmptyHole(1);
    play.TakeBackLast();  // nothing left
    EXPECT_EQ(play.Game().RowPattern(0), (Pattern{6, 6, 6, 6}));
    EXPECT_EQ(said, (std::vector<std::string>{"Row 1, hole 1: red", "Row 1, hole 2: blue",
                                              "Row 1, hole 4: red", "Row 1, hole 4: empty",
                                              "Row 1, hole 2: empty"}));
}

// Each score is said as it is painted; Up and Down read the rows back, from the current row
// down to the first and no further, and any peg placed goes back to the current row.
TEST_F(Flows, ScoresAreSaidAndRowsReadBack) {
    PlayRow({1, 0, 4, 5});  // against 0 1 2 3: two colours in the wrong holes
    PlayRow({0, 1, 5, 4});
    EXPECT_EQ(said.at(4), "Row 1: 0 black, 2 white");
    EXPECT_EQ(said.back(), "Row 2: 2 black, 0 white");
    play.PlaceColor(Color::Cyan);
    said.clear();
    for (int step : {-1, -1, -1, 1, 1, 1, -1, -1}) play.Review(step);
    play.PlaceColor(Color::Red);
    play.Review(-1);
    EXPECT_EQ(said, (std::vector<std::string>{
                        "Row 2: black, blue, magenta, cyan; 2 black, 0 white",
                        "Row 1: blue, black, cyan, magenta; 0 black, 2 white",
                        "No more rows. Row 1: blue, black, cyan, magenta; 0 black, 2 white",
                        "Row 2: black, blue, magenta, cyan; 2 black, 0 white",
                        "Row 3: cyan, empty, empty, empty; current row",
                        "No more rows. Row 3: cyan, empty, empty, empty; current row",
                        "Row 2: black, blue, magenta, cyan; 2 black, 0 white",
                        "Row 1: blue, black, cyan, magenta; 0 black, 2 white", "Row 3, hole 2: red",
                        "Row 2: black, blue, magenta, cyan; 2 black, 0 white"}));
    EXPECT_EQ(SecretSentence({7, 6, 0, 7}, 7), "The pattern was empty, yellow, black, empty.");
}

TEST_F(Flows, AboutNamesTheProgramAndItsVersion) {
    play.About();
    EXPECT_EQ(host.LastText(), "Vellacode " VELLACODE_VERSION
                               " by the Vellacode developers, "
                               "published by the Vellacode project, 2026");
    const std::string& notice = Last(host.messages).Detail;
    for (const char* part : {"Copyright (C) 2026", "NO WARRANTY", "GPL-3.0-or-later", "gpl-3.0"})
        EXPECT_NE(notice.find(part), std::string::npos) << part;
    EXPECT_EQ(Last(host.messages).Icon, MsgIcon::None);
}

}  // namespace
