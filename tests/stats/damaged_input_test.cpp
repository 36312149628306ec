// Damaged statistics files and odd names: no crash, a clear message where something cannot be
// done, and nothing lost.
#include <gtest/gtest.h>

#include <climits>

#include "stats/player_name.h"
#include "stats/stats_figures.h"
#include "stats/stats_file.h"
#include "stats/type_ahead.h"
#include "stats_files.h"

using namespace vella;
namespace fs = std::filesystem;

namespace {

std::vector<unsigned char> ManyRecords(int count) {
    std::vector<std::string> names;
    for (int i = 0; i < count; ++i) names.push_back("P" + std::to_string(i));
    return RecordsOf(names);
}

// A part record of 72 bytes or more counts, zero-filled, and is repaired by a change; a shorter
// one is a damaged end: said wherever the file would be changed, and never overwritten.
TEST(DamagedFiles, TailsOfEveryLengthAreReadOrReportedAndNeverLost) {
    TempFolder folder;
    StatsFile stats(folder.Path());
    const auto two = ManyRecords(2);
    for (auto [tail, count] : {std::pair{1, 2}, {71, 2}, {72, 3}, {142, 3}}) {
        std::vector<unsigned char> bytes = two;
        bytes.insert(bytes.end(), tail, 0xAB);
        WriteBytes(stats.DatPath(), bytes);
        EXPECT_EQ(PlayerCount(stats), count) << tail;
        if (count == 2) {
            const std::string said = "The end of \"" + stats.DatPath().string() +
                                     "\" is damaged: its last " + std::to_string(tail) +
                                     (tail == 1 ? " byte is" : " bytes are") +
                                     " not a whole player's record.";
            EXPECT_EQ(stats.CheckRecordable().Error.substr(0, said.size()), said);
            for (const Status& refused :
                 {stats.RecordGame(Player("P0"), FinishedGame{0, 0, true, 2}),
                  stats.RecordGame(Player("NEW"), FinishedGame{0, 0, true, 2}),
                  Status(stats.RemovePlayer(1, Player("P1"))), Status(stats.Backup())})
                EXPECT_EQ(refused.Error.substr(0, said.size()), said);
            EXPECT_EQ(ReadBytes(stats.DatPath()), bytes);
            EXPECT_FALSE(fs::exists(stats.BakPath()));
            continue;
        }
        ASSERT_TRUE(stats.RecordGame(Player("P0"), FinishedGame{0, 0, true, 2}).Ok());
        ASSERT_TRUE(stats.RemovePlayer(1, Player("P1")).Ok());
        const auto after = ReadBytes(stats.DatPath());
        EXPECT_EQ(after.size(), static_cast<std::size_t>(count - 1) * RecordSize) << tail;
        EXPECT_EQ(std::vector(after.begin(), after.begin() + 15),
                  std::vector(two.begin(), two.begin() + 15));
    }
}

TEST(DamagedFiles, ImpossibleCountsShowAsTheyAreAndNeverOverflow) {
    PlayerRec rec = FreshRecord(Player("X"));
    rec.NumGames = {2, -5, INT32_MAX, INT32_MAX, INT32_MIN, 0, 0, 0};
    rec.Wins = {3, -1, INT32_MAX, 7, INT32_MIN, 0, 0, 0};
    rec.TotMoves = {-4, 9, INT32_MAX, INT32_MAX, INT32_MIN, 0, 0, 0};
    rec.Best = {0, -3, 1, 11, 32767, 11, 11, 11};
    rec.Worst = {99, 0, 10, 0, -32768, 0, 0, 0};
    const StatsView standard = ComputeView(rec, 0);
    EXPECT_EQ(standard.Columns[0].Percent, "150%");  // more wins than games
    EXPECT_EQ(standard.Columns[0].Best, "0");
    EXPECT_EQ(standard.Columns[0].Worst, "99");
    EXPECT_EQ(standard.Columns[1].Games, "-5");
    // Sums are wide: 9 + INT32_MAX moves over -5 + INT32_MAX games, never a wrapped negative.
    EXPECT_EQ(ComputeView(rec, TotalsByColorsView).Columns[1].Average, "1.0");
    EXPECT_EQ(ComputeView(rec, GrandTotalView).Columns[0].Games,
              std::to_string(2LL - 5 + 2LL * INT32_MAX + INT32_MIN));

    // A record that cannot count one more game is left as it is, and the player told.
    TempFolder folder;
    StatsFile stats(folder.Path());
    for (int i = 0; i < 3; ++i) {
        PlayerRec full = FreshRecord(Player("X"));
        full.NumGames[0] = i == 0 ? INT32_MAX : 1;
        full.Wins[0] = i == 1 ? INT32_MAX : 1;
        full.TotMoves[0] = i == 2 ? INT32_MAX - 3 : 1;
        const RecordBytes b = EncodeRecord(full);
        WriteBytes(stats.DatPath(), {b.begin(), b.end()});
        EXPECT_EQ(stats.RecordGame(Player("X"), FinishedGame{0, 0, true, 4}).Error,
                  "The statistics of \"X\" in \"" + stats.DatPath().string() +
                      "\" already count as many games or moves as they can.");
        EXPECT_EQ(ReadBytes(stats.DatPath()), std::vector<unsigned char>(b.begin(), b.end()));
    }
    PlayerRec last = FreshRecord(Player("X"));
    last.TotMoves[0] = INT32_MAX - 4;
    EXPECT_TRUE(AddGame(last, FinishedGame{0, 0, false, 4}));
    EXPECT_EQ(last.TotMoves[0], INT32_MAX);
}

TEST(DamagedFiles, NamesWithControlBytesAndUnusedCodesAreListedAndMatchedExactly) {
    TempFolder folder;
    StatsFile stats(folder.Path());
    std::string odd("A\0B\x01\x1B\x80\x81\x9F\x7F      ", 15);
    PlayerRec rec = FreshRecord(PlayerName::FromField(odd));
    const RecordBytes b = EncodeRecord(rec);
    WriteBytes(stats.DatPath(), {b.begin(), b.end()});
    const PlayerName name = stats.ReadNames().Value.at(0);
    ASSERT_EQ(name.Field(), odd);
    ASSERT_TRUE(stats.RecordGame(name, FinishedGame{0, 0, true, 3}).Ok());
    EXPECT_EQ(PlayerCount(stats), 1);
    EXPECT_EQ(name.Display().substr(0, 3), std::string("A\0b", 3));
    TypeAhead ahead({name}, 1);
    ahead.KeyPress(U'a');
    EXPECT_EQ(ahead.Shown().Text, name.Text());
}

// A full file: every one of its players is found, and a new one is refused until one goes.
TEST(DamagedFiles, AFileOfAsManyPlayersAsItCanHold) {
    TempFolder folder;
    StatsFile stats(folder.Path());
    constexpr int Count = StatsFile::MaxRecords;
    WriteBytes(stats.DatPath(), ManyRecords(Count));
    EXPECT_EQ(PlayerCount(stats), Count);
    const PlayerName last = Player("P" + std::to_string(Count - 1));
    ASSERT_TRUE(stats.RecordGame(last, FinishedGame{0, 0, true, 3}).Ok());
    const Status refused = stats.RecordGame(Player("NEW"), FinishedGame{0, 0, true, 3});
    EXPECT_NE(refused.Error.find("32767 players"), std::string::npos) << refused.Error;
    EXPECT_EQ(PlayerCount(stats), Count);
    EXPECT_EQ(stats.ReadPlayer(Count - 1, last).Value->NumGames[0], Count + 1);  // it held Count
    ASSERT_TRUE(stats.RemovePlayer(0, Player("P0")).Ok());
    ASSERT_TRUE(stats.RecordGame(Player("NEW"), FinishedGame{0, 0, true, 3}).Ok());
    EXPECT_EQ(stats.ReadPlayer(Count - 1, Player("NEW")).Value->Name, Player("NEW").Field());
}

TEST(DamagedFiles, ALeftoverTempFileIsReplaced) {
    TempFolder folder;
    StatsFile stats(folder.Path());
    const auto bytes = ManyRecords(2);
    WriteBytes(stats.DatPath(), bytes);

    WriteBytes(stats.TmpPath(), {1, 2, 3});  // left over from an earlier crash
    ASSERT_TRUE(stats.Backup().Ok());
    EXPECT_EQ(ReadBytes(stats.BakPath()), bytes);
    EXPECT_FALSE(fs::exists(stats.TmpPath()));
    ASSERT_TRUE(stats.RemovePlayer(0, Player("P0")).Ok());
    EXPECT_EQ(ReadBytes(stats.DatPath()), std::vector(bytes.begin() + RecordSize, bytes.end()));
}

}  // namespace
