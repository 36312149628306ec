// The byte layout of the player record.
#include "stats/player_rec.h"

#include <gtest/gtest.h>

#include <vector>

#include "stats/recording.h"

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
    PlayerRec rec = FreshRecord("SMITH          ");
    AddGame(rec, FinishedGame{0, 0, true, 4});
    const RecordBytes bytes = EncodeRecord(rec);
    const std::vector<unsigned char> expected = SmithBytes();
    ASSERT_EQ(expected.size(), 143u);
    EXPECT_EQ(std::vector<unsigned char>(bytes.begin(), bytes.end()), expected);
    EXPECT_EQ(DecodeRecord(bytes), rec);
}

TEST(PlayerRec, CellsLieAtTableOffsetPlusTwoTPlusSTimesSize) {
    PlayerRec rec = FreshRecord("X              ");
    rec.Best[CellIndex(1, 2)] = 0x1234;
    rec.NumGames[CellIndex(1, 3)] = -2;
    rec.Worst[CellIndex(0, 1)] = 9;
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
    PlayerRec rec = FreshRecord("SMITH          ");
    AddGame(rec, FinishedGame{0, 0, true, 5});
    const int c = CellIndex(0, 0);
    EXPECT_EQ(rec.NumGames[c], 1);
    EXPECT_EQ(rec.Wins[c], 1);
    EXPECT_EQ(rec.TotMoves[c], 5);
    EXPECT_EQ(rec.Best[c], 5);
    EXPECT_EQ(rec.Worst[c], 5);

    AddGame(rec, FinishedGame{1, 2, false, 10});
    const int lost = CellIndex(1, 2);
    EXPECT_EQ(rec.NumGames[lost], 1);
    EXPECT_EQ(rec.Wins[lost], 0);
    EXPECT_EQ(rec.TotMoves[lost], 10);
    EXPECT_EQ(rec.Best[lost], 11);
    EXPECT_EQ(rec.Worst[lost], 0);

    PlayerRec wins = FreshRecord("A              ");
    for (std::int16_t moves : {7, 3, 9}) AddGame(wins, FinishedGame{1, 3, true, moves});
    EXPECT_EQ(wins.Best[CellIndex(1, 3)], 3);
    EXPECT_EQ(wins.Worst[CellIndex(1, 3)], 9);
    EXPECT_EQ(wins.TotMoves[CellIndex(1, 3)], 19);
}

}  // namespace
