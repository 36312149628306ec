// The figures of the statistics window: for one record and one view, the text of every value
// label. Views 0..3 are the game types, 4 the totals per colour count, 5 the grand total.
#pragma once

#include <array>
#include <string>

#include "stats/player_rec.h"

namespace vella {

inline constexpr int TotalsByColorsView = 4;
inline constexpr int GrandTotalView = 5;

struct ColumnFigures {
    std::string Games, Wins, Percent, Average, Best, Worst;
    // The figures in the order of the window's rows.
    std::array<const std::string*, 6> Rows() const {
        return {&Games, &Wins, &Percent, &Average, &Best, &Worst};
    }
};

struct StatsView {
    bool GrandTotal = false;  // one column, headed "Totals"
    std::array<ColumnFigures, 2> Columns;
};

StatsView ComputeView(const PlayerRec& rec, int view);

// "0%": times 100, no decimals; "0.0": one decimal. Halves round away from zero, judged on the
// value's 15 significant decimal digits; the sign and the decimal point are the player's
// language's ("0 %", "0,0").
std::string FormatPercent(double ratio);
std::string FormatOneDecimal(double value);

}  // namespace vella
