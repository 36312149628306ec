// The figures of the statistics window.
#include <gtest/gtest.h>

#include "stats/stats_figures.h"
#include "stats_files.h"

using namespace vella;

namespace {

ColumnFigures Col(std::string games, std::string wins, std::string pct, std::string avg,
                  std::string best, std::string worst) {
    return ColumnFigures{games, wins, pct, avg, best, worst};
}

void ExpectColumn(const ColumnFigures& actual, const ColumnFigures& expected) {
    EXPECT_EQ(actual.Games, expected.Games);
    EXPECT_EQ(actual.Wins, expected.Wins);
    EXPECT_EQ(actual.Percent, expected.Percent);
    EXPECT_EQ(actual.Average, expected.Average);
    EXPECT_EQ(actual.Best, expected.Best);
    EXPECT_EQ(actual.Worst, expected.Worst);
}

TEST(Figures, SixColourStandardGamesOnly) {
    PlayerRec rec = FreshRecord(Player("A"));
    const int c = CellOf(0, 0);
    rec.NumGames[c] = 4;
    rec.Wins[c] = 3;
    rec.TotMoves[c] = 22;
    rec.Best[c] = 3;
    rec.Worst[c] = 8;
    const StatsView view = ComputeView(rec, 0);
    EXPECT_FALSE(view.GrandTotal);
    ExpectColumn(view.Columns[0], Col("4", "3", "75%", "5.5", "3", "8"));
    ExpectColumn(view.Columns[1], Col("0", "-", "-", "-", "-", "-"));
}

TEST(Figures, GamesButNoWins) {
    PlayerRec rec = FreshRecord(Player("A"));
    rec.NumGames[CellOf(1, 2)] = 3;
    rec.TotMoves[CellOf(1, 2)] = 30;
    ExpectColumn(ComputeView(rec, 2).Columns[1], Col("3", "0", "0%", "10.0", "-", "-"));
}

TEST(Figures, TotalsTakeTheSmallestBestAndLargestWorst) {
    PlayerRec rec = FreshRecord(Player("A"));
    rec.NumGames = {1, 2, 3, 0, 0, 0, 0, 0};
    rec.Wins = {0, 1, 2, 0, 0, 0, 0, 0};
    rec.TotMoves = {10, 12, 15, 0, 0, 0, 0, 0};
    rec.Best = {11, 4, 6, 11, 11, 11, 11, 11};
    rec.Worst = {0, 8, 7, 0, 0, 0, 0, 0};
    const StatsView all = ComputeView(rec, GrandTotalView);
    EXPECT_TRUE(all.GrandTotal);
    ExpectColumn(all.Columns[0], Col("6", "3", "50%", "6.2", "4", "8"));
    const StatsView byColours = ComputeView(rec, TotalsByColorsView);
    ExpectColumn(byColours.Columns[0], Col("4", "2", "50%", "6.3", "6", "7"));
    ExpectColumn(byColours.Columns[1], Col("2", "1", "50%", "6.0", "4", "8"));
}

TEST(Figures, PercentIsSinglePrecisionInTotalsAndDoubleInOneType) {
    PlayerRec rec = FreshRecord(Player("A"));
    rec.NumGames[0] = 200;
    rec.Wins[0] = 1;
    rec.TotMoves[0] = 2000;
    rec.Best[0] = rec.Worst[0] = 9;
    EXPECT_EQ(ComputeView(rec, 0).Columns[0].Percent, "1%");
    EXPECT_EQ(ComputeView(rec, TotalsByColorsView).Columns[0].Percent, "0%");
    EXPECT_EQ(ComputeView(rec, GrandTotalView).Columns[0].Percent, "0%");
}

TEST(Figures, CountsBeyondSixteenBitsDoNotOverflow) {
    PlayerRec rec = FreshRecord(Player("A"));
    for (int cell = 0; cell < CellCount; ++cell) {
        rec.NumGames[cell] = 40000;
        rec.Wins[cell] = 20000;
        rec.TotMoves[cell] = 200000;
        rec.Best[cell] = 2;
        rec.Worst[cell] = 10;
    }
    ExpectColumn(ComputeView(rec, GrandTotalView).Columns[0],
                 Col("320000", "160000", "50%", "5.0", "2", "10"));
}

TEST(Figures, FormatsRoundHalvesAwayFromZeroWithAFullStop) {
    EXPECT_EQ(FormatPercent(0.285), "29%");
    EXPECT_EQ(FormatPercent(0.005), "1%");
    EXPECT_EQ(FormatPercent(0.0049), "0%");
    EXPECT_EQ(FormatPercent(1.0), "100%");
    EXPECT_EQ(FormatOneDecimal(5.55), "5.6");
    EXPECT_EQ(FormatOneDecimal(6.25), "6.3");
    EXPECT_EQ(FormatOneDecimal(6.0), "6.0");
    EXPECT_EQ(FormatOneDecimal(1.05), "1.1");
}

}  // namespace
