// The statistics file operations, on real files in a scratch folder.
#include "stats/stats_file.h"

#include <gtest/gtest.h>

#include "stats/player_name.h"
#include "stats_files.h"

using namespace vella;
namespace fs = std::filesystem;

namespace {

std::vector<unsigned char> Slice(const std::vector<unsigned char>& bytes, int record) {
    return {bytes.begin() + (record - 1) * RecordSize, bytes.begin() + record * RecordSize};
}

class StatsFileTest : public ::testing::Test {
  protected:
    TempFolder folder;
    StatsFile stats{folder.Path()};
};

TEST_F(StatsFileTest, CountingAMissingFileCreatesItEmpty) {
    const auto names = stats.ReadNames();
    ASSERT_TRUE(names.Ok()) << names.Error;
    EXPECT_TRUE(names.Value.empty());
    EXPECT_TRUE(fs::exists(stats.DatPath()));
    EXPECT_EQ(fs::file_size(stats.DatPath()), 0u);
}

TEST_F(StatsFileTest, CountRoundsToTheNearestRecord) {
    for (auto [length, count] :
         {std::pair{71, 0}, {72, 1}, {143 * 5 + 20, 5}, {143 * 5 + 100, 6}, {143 * 2, 2}}) {
        WriteBytes(stats.DatPath(), std::vector<unsigned char>(length, 0x41));
        EXPECT_EQ(PlayerCount(stats), count) << length;
    }
}

TEST_F(StatsFileTest, ShortLastRecordReadsZeroFilled) {
    std::vector<unsigned char> bytes = RecordsOf({"A", "B"});
    bytes.resize(RecordSize + 100);
    WriteBytes(stats.DatPath(), bytes);
    const PlayerName b = Player("B");
    const auto last = stats.ReadPlayer(1, b).Value;
    ASSERT_TRUE(last);
    EXPECT_EQ(last->Name, b.Field());
    EXPECT_EQ(last->NumGames[0], 2);
    EXPECT_EQ(last->Best[7], 0);
    EXPECT_FALSE(stats.ReadPlayer(0, b).Value);  // another player's place
    EXPECT_FALSE(stats.ReadPlayer(2, b).Value);
    EXPECT_FALSE(stats.ReadPlayer(2, PlayerName::FromField(std::string(15, '\0'))).Value);
}

TEST_F(StatsFileTest, RemovingRecordTwoOfThreeKeepsTheOthersByteForByte) {
    const auto bytes = RecordsOf({"ANN", "BOB", "CARL"});
    WriteBytes(stats.DatPath(), bytes);
    EXPECT_EQ(stats.RemovePlayer(1, Player("BOB")).Value, 2);
    const auto after = ReadBytes(stats.DatPath());
    ASSERT_EQ(after.size(), 2u * RecordSize);
    EXPECT_EQ(Slice(after, 1), Slice(bytes, 1));
    EXPECT_EQ(Slice(after, 2), Slice(bytes, 3));
    EXPECT_FALSE(fs::exists(stats.TmpPath()));
}

TEST_F(StatsFileTest, RecordingFindsTheLastRecordOfThePlayerOrAppends) {
    ASSERT_TRUE(stats.RecordGame(Player("smith"), FinishedGame{0, 0, true, 5}).Ok());
    ASSERT_TRUE(stats.RecordGame(Player("SMITH"), FinishedGame{1, 2, false, 10}).Ok());
    ASSERT_TRUE(stats.RecordGame(Player("jones"), FinishedGame{0, 0, true, 2}).Ok());
    auto all = RecordsIn(stats.DatPath());
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[0].NumGames[CellOf(0, 0)], 1);
    EXPECT_EQ(all[0].Best[CellOf(0, 0)], 5);
    EXPECT_EQ(all[0].TotMoves[CellOf(1, 2)], 10);
    EXPECT_EQ(all[0].Best[CellOf(1, 2)], 11);
    EXPECT_EQ(all[1].Name, "JONES          ");

    // A deleted player gets a fresh record at the end.
    ASSERT_TRUE(stats.RemovePlayer(0, Player("smith")).Ok());
    ASSERT_TRUE(stats.RecordGame(Player("smith"), FinishedGame{0, 0, true, 3}).Ok());
    all = RecordsIn(stats.DatPath());
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[1].Name, "SMITH          ");
    EXPECT_EQ(all[1].NumGames[CellOf(0, 0)], 1);
    EXPECT_EQ(all[1].NumGames[CellOf(1, 2)], 0);

    // Two records of one name (an old file's): the game goes to the last, the first is kept.
    const auto twice = RecordsOf({"smith", "jones", "smith"});
    WriteBytes(stats.DatPath(), twice);
    ASSERT_TRUE(stats.RecordGame(Player("smith"), FinishedGame{0, 0, true, 3}).Ok());
    all = RecordsIn(stats.DatPath());
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(all[0].NumGames[0], 1);
    EXPECT_EQ(all[2].NumGames[0], 4);
}

TEST_F(StatsFileTest, DeleteWhenEmptyAndBackup) {
    auto count = stats.DeleteWhenEmpty();
    ASSERT_TRUE(count.Ok());
    EXPECT_FALSE(fs::exists(stats.DatPath()));

    WriteBytes(stats.DatPath(), std::vector<unsigned char>(71, 1));
    EXPECT_EQ(stats.DeleteWhenEmpty().Value, 0);
    EXPECT_FALSE(fs::exists(stats.DatPath()));

    // An emptied file is deleted at shutdown and never copied over a good backup.
    WriteBytes(stats.BakPath(), {1, 2, 3});
    WriteBytes(stats.DatPath(), std::vector<unsigned char>(40, 1));
    EXPECT_EQ(stats.Backup().Value, 0);
    EXPECT_FALSE(fs::exists(stats.DatPath()));
    EXPECT_EQ(ReadBytes(stats.BakPath()), (std::vector<unsigned char>{1, 2, 3}));

    const auto bytes = RecordsOf({"ANN"});
    WriteBytes(stats.DatPath(), bytes);
    EXPECT_EQ(stats.DeleteWhenEmpty().Value, 1);
    EXPECT_EQ(stats.Backup().Value, 1);
    EXPECT_EQ(ReadBytes(stats.BakPath()), bytes);
    EXPECT_FALSE(fs::exists(stats.TmpPath()));
}

}  // namespace

namespace {

TEST_F(StatsFileTest, NamesAreListedInFileOrderAsStored) {
    std::vector<unsigned char> bytes = RecordsOf({"ann", "bob"});
    bytes.resize(RecordSize + 72);  // a damaged second record, just long enough to count
    WriteBytes(stats.DatPath(), bytes);
    EXPECT_EQ(stats.ReadNames().Value, (std::vector<PlayerName>{Player("ann"), Player("bob")}));
    WriteBytes(stats.DatPath(), std::vector<unsigned char>(RecordSize + 80, 'Z'));
    const auto names = stats.ReadNames().Value;
    ASSERT_EQ(names.size(), 2u);
    EXPECT_EQ(names[1].Text(), std::string(15, 'Z'));  // 80 bytes hold the whole name
}

}  // namespace

namespace {

TEST_F(StatsFileTest, RemovingAPlayerChecksItIsStillThereAndDeletesTheLastOne) {
    const auto bytes = RecordsOf({"ANN", "BOB"});
    WriteBytes(stats.DatPath(), bytes);
    const auto moved = stats.RemovePlayer(1, Player("carl"));  // another copy changed the file
    EXPECT_TRUE(moved.Ok() && !moved.Value) << moved.Error;
    EXPECT_EQ(ReadBytes(stats.DatPath()), bytes);
    EXPECT_FALSE(stats.RemovePlayer(2, Player("bob")).Value);

    EXPECT_EQ(stats.RemovePlayer(0, Player("ann")).Value, 1);
    EXPECT_EQ(ReadBytes(stats.DatPath()), std::vector(bytes.begin() + RecordSize, bytes.end()));
    EXPECT_EQ(stats.RemovePlayer(0, Player("bob")).Value, 0);
    EXPECT_FALSE(fs::exists(stats.DatPath()));
}

}  // namespace
