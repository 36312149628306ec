// What both statistics-file fuzz targets check of any file: every way of reading it agrees on
// the number of records, and every view of every record has its figures.
#pragma once

#include <cstdlib>
#include <string>
#include <vector>

#include "stats/stats_figures.h"
#include "stats/stats_file.h"

// Reads the file of `size` bytes every way and computes every view; ends the run on a fault.
// Returns the records and their names.
inline std::pair<std::vector<vella::PlayerRec>, std::vector<vella::PlayerName>> CheckReads(
    vella::StatsFile& stats, std::size_t size) {
    const auto count = vella::StatsFile::CountFor(size);
    auto names = stats.ReadNames();
    if (!names.Ok() || static_cast<int>(names.Value.size()) != count) {
        std::abort();
    }
    std::vector<vella::PlayerRec> all;
    for (int k = 0; k < count; ++k) {
        auto rec = stats.ReadPlayer(k, names.Value[k]);
        if (!rec.Ok() || !rec.Value) std::abort();
        for (int view = 0; view <= vella::GrandTotalView; ++view)
            vella::ComputeView(*rec.Value, view);
        all.push_back(*rec.Value);
    }
    return {std::move(all), std::move(names.Value)};
}
