// The figures of the statistics window.
#include "stats/stats_figures.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "text/text.h"

namespace vella {
namespace {

// Wide sums: a damaged or very old file must not overflow them.
struct Totals {
    std::int64_t Games = 0, Wins = 0, Moves = 0;
    std::int64_t Best = NoWinBest, Worst = NoWinWorst;

    void Add(const PlayerRec& rec, int cell) {
        Games += rec.NumGames[cell];
        Wins += rec.Wins[cell];
        Moves += rec.TotMoves[cell];
        if (rec.Best[cell] < Best) Best = rec.Best[cell];
        if (rec.Worst[cell] > Worst) Worst = rec.Worst[cell];
    }
};

// Rounds half away from zero after reducing the binary value to 15 significant digits, so
// that 28.499999999999996 (0.285 × 100) counts as the half it stands for.
double RoundHalfAway(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.15g", value);
    return std::round(std::strtod(text, nullptr));
}

ColumnFigures Fill(const Totals& t, bool singlePrecision) {
    ColumnFigures column;
    column.Games = std::to_string(t.Games);
    if (t.Games == 0) {
        column.Wins = column.Percent = column.Average = "-";
    } else {
        column.Wins = std::to_string(t.Wins);
        const double ratio =
            singlePrecision
                ? static_cast<double>(static_cast<float>(t.Wins) / static_cast<float>(t.Games))
                : static_cast<double>(t.Wins) / static_cast<double>(t.Games);
        column.Percent = FormatPercent(ratio);
        column.Average =
            FormatOneDecimal(static_cast<double>(t.Moves) / static_cast<double>(t.Games));
    }
    if (t.Wins == 0) {
        column.Best = column.Worst = "-";
    } else {
        column.Best = std::to_string(t.Best);
        column.Worst = std::to_string(t.Worst);
    }
    return column;
}

}  // namespace

std::string FormatPercent(double ratio) {
    char text[64];
    std::snprintf(text, sizeof text, "%.0f", RoundHalfAway(ratio * 100.0) + 0.0);
    //: A percentage in the statistics window: "50%"; "50 %" where a space comes before the sign.
    return Fill(Tr("Figures", "%1%"), {text});
}

std::string FormatOneDecimal(double value) {
    const double tenths = RoundHalfAway(value * 10.0);
    char text[64];
    std::snprintf(text, sizeof text, "%.1f", tenths / 10.0 + 0.0);
    return WithDecimalPoint(text);
}

StatsView ComputeView(const PlayerRec& rec, int view) {
    StatsView result;
    if (view == GrandTotalView) {
        result.GrandTotal = true;
        Totals all;
        for (int cell = 0; cell < CellCount; ++cell) all.Add(rec, cell);
        result.Columns[0] = Fill(all, true);
        return result;
    }
    for (int s = 0; s < 2; ++s) {
        Totals column;
        if (view == TotalsByColorsView) {
            for (int t = 0; t < 4; ++t) column.Add(rec, CellOf(s, t));
        } else {
            const int cell = CellOf(s, view);
            column.Games = rec.NumGames[cell];
            column.Wins = rec.Wins[cell];
            column.Moves = rec.TotMoves[cell];
            column.Best = rec.Best[cell];
            column.Worst = rec.Worst[cell];
        }
        result.Columns[s] = Fill(column, view == TotalsByColorsView);
    }
    return result;
}

}  // namespace vella
