// The byte layout of the player record.
#include "stats/player_rec.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "stats/recording.h"
#include "stats_files.h"

using namespace vella;

namespace {

std::vector<unsigned char> SmithBytes() {
    std::vector<unsigned char> b = {0x53, 0x4D, 0x49, 0x54, 0x48};
    b.insert(b.end(), 10, 0x20);
    for (unsigned char first : {0x01, 0x01, 0x04}) {
        b.push_back(first);
        b.insert(b.end(), 31, 0x00);
    }
    b.insert(b.end(), {0x04, 0x00});
    for (int i = 0; i < 7; ++i) b.insert(b.end(), {0x0B, 0x00});
    b.insert(b.end(), {0x04, 0x00});
    b.insert(b.end(), 14, 0x00);
    return b;
}

TEST(PlayerRec, FreshRecordOfAStandardGameWonInFourIsByteExact) {
    PlayerRec rec = FreshRecord(Player("SMITH"));
    AddGame(rec, FinishedGame{0, 0, true, 4});
    const RecordBytes bytes = EncodeRecord(rec);
    const std::vector<unsigned char> expected = SmithBytes();
    ASSERT_EQ(expected.size(), 143u);
    EXPECT_EQ(std::vector<unsigned char>(bytes.begin(), bytes.end()), expected);
    EXPECT_EQ(DecodeRecord(bytes), rec);
}

TEST(PlayerRec, CellsLieAtTableOffsetPlusTwoTPlusSTimesSize) {
    PlayerRec rec = FreshRecord(Player("X"));
    rec.Best[CellOf(1, 2)] = 0x1234;
    rec.NumGames[CellOf(1, 3)] = -2;
    rec.Worst[CellOf(0, 1)] = 9;
    const RecordBytes b = EncodeRecord(rec);
    EXPECT_EQ(b[121], 0x34);
    EXPECT_EQ(b[122], 0x12);
    EXPECT_EQ(b[15 + 7 * 4], 0xFE);  // little-endian two's complement
    EXPECT_EQ(b[15 + 7 * 4 + 3], 0xFF);
    EXPECT_EQ(b[127 + 2 * 2], 9);
    EXPECT_EQ(DecodeRecord(b), rec);
}

TEST(PlayerRec, ShortBytesDecodeZeroFilled) {
    const std::vector<unsigned char> part = {'A',  'B',  'C',  0x20, 0x20, 0x20, 0x20, 0x20, 0x20,
                                             0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x05, 0x00};
    const PlayerRec rec = DecodeRecord(part);
    EXPECT_EQ(rec.Name, "ABC            ");
    EXPECT_EQ(rec.NumGames[0], 5);
    EXPECT_EQ(rec.NumGames[1], 0);
    EXPECT_EQ(rec.Best[7], 0);
}

TEST(Recording, BestAndWorstFollowWinsOnlyAndLossesAddMoves) {
    const auto cell = [](const PlayerRec& r, int c) {  // games, wins, moves, best, worst
        return std::vector<int>{r.NumGames[c], r.Wins[c], r.TotMoves[c], r.Best[c], r.Worst[c]};
    };
    PlayerRec rec = FreshRecord(Player("SMITH"));
    AddGame(rec, FinishedGame{0, 0, true, 5});
    EXPECT_EQ(cell(rec, CellOf(0, 0)), (std::vector<int>{1, 1, 5, 5, 5}));
    AddGame(rec, FinishedGame{1, 2, false, 10});
    EXPECT_EQ(cell(rec, CellOf(1, 2)), (std::vector<int>{1, 0, 10, 11, 0}));

    PlayerRec wins = FreshRecord(Player("A"));
    for (std::int16_t moves : {7, 1, 10}) AddGame(wins, FinishedGame{1, 3, true, moves});
    EXPECT_EQ(cell(wins, CellOf(1, 3)), (std::vector<int>{3, 3, 18, 1, 10}));
    EXPECT_TRUE(CouldBePlayed(rec) && CouldBePlayed(wins) && CouldBePlayed(PlayerRec{}));

    // Figures no games give, each in a cell of its own.
    const std::vector<std::function<void(PlayerRec&, int)>> spoils{
        [](PlayerRec& r, int c) { r.NumGames[c] = -1; },
        [](PlayerRec& r, int c) { r.Wins[c] = -1; },
        [](PlayerRec& r, int c) { r.Wins[c] = r.NumGames[c] + 1; },
        [](PlayerRec& r, int c) { r.TotMoves[c] = r.Wins[c] - 1; },
        [](PlayerRec& r, int c) { r.Best[c] = 0; },
        [](PlayerRec& r, int c) { r.Worst[c] = 11; },
        [](PlayerRec& r, int c) { r.Best[c] = static_cast<std::int16_t>(r.Worst[c] + 1); },
    };
    for (std::size_t i = 0; i < spoils.size(); ++i) {
        PlayerRec spoilt = wins;
        spoils[i](spoilt, CellOf(1, 3));
        EXPECT_FALSE(CouldBePlayed(spoilt)) << i;
    }
}

}  // namespace
