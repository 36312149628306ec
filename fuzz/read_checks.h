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
inline std::pair<std::vector<vella::PlayerRec>, std::vector<std::string>> CheckReads(
    vella::StatsFile& stats, std::size_t size) {
    const auto count = vella::StatsFile::CountFor(size);
    auto all = stats.ReadAll();
    auto names = stats.ReadNames();
    if (!all.Ok() || !names.Ok() || static_cast<int>(all.Value.size()) != count ||
        static_cast<int>(names.Value.size()) != count || stats.RecordCount().Value != count) {
        std::abort();
    }
    for (const vella::PlayerRec& rec : all.Value) {
        for (int view = 0; view <= vella::GrandTotalView; ++view) vella::ComputeView(rec, view);
    }
    return {std::move(all.Value), std::move(names.Value)};
}
