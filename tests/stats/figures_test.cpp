// The figures of the statistics window.
#include <gtest/gtest.h>

#include "stats/stats_figures.h"
#include "stats_files.h"

using namespace vella;

namespace {

// A column's figures in the order of the window's rows, between spaces.
std::string Figures(const ColumnFigures& column) {
    std::string shown;
    for (const std::string* figure : column.Rows()) shown += (shown.empty() ? "" : " ") + *figure;
    return shown;
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
    EXPECT_EQ(Figures(view.Columns[0]), "4 3 75% 5.5 3 8");
    EXPECT_EQ(Figures(view.Columns[1]), "0 - - - - -");
}

TEST(Figures, GamesButNoWins) {
    PlayerRec rec = FreshRecord(Player("A"));
    rec.NumGames[CellOf(1, 2)] = 3;
    rec.TotMoves[CellOf(1, 2)] = 30;
    EXPECT_EQ(Figures(ComputeView(rec, 2).Columns[1]), "3 0 0% 10.0 - -");
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
    EXPECT_EQ(Figures(all.Columns[0]), "6 3 50% 6.2 4 8");
    const StatsView byColours = ComputeView(rec, TotalsByColorsView);
    EXPECT_EQ(Figures(byColours.Columns[0]), "4 2 50% 6.3 6 7");
    EXPECT_EQ(Figures(byColours.Columns[1]), "2 1 50% 6.0 4 8");
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
    EXPECT_EQ(Figures(ComputeView(rec, GrandTotalView).Columns[0]), "320000 160000 50% 5.0 2 10");
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
