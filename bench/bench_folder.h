// The statistics file at its design limit, shared by the benchmarks.
#pragma once

#include "stats/stats_file.h"

namespace bench {

inline constexpr int DesignLimit = 32767;

// A folder holding a stats.dat of 32,767 records, named P0 … P32766.
vella::StatsFile& FullStats();

// Lays the full file again (after an operation changed it).
void LayFullFile();

}  // namespace bench
