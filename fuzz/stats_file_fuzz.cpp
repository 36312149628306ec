// Fuzz target: any byte string as a statistics file. Counting, reading, every view's figures,
// recording a game and removing a record must neither crash nor break the file's shape.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "read_checks.h"

namespace fs = std::filesystem;

static const fs::path& Folder() {
    static const fs::path folder = [] {
        fs::path p = fs::temp_directory_path() / ("vellacode-fuzz-" + std::to_string(getpid()));
        fs::create_directories(p);
        return p;
    }();
    return folder;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 64 * 143) return 0;  // longer inputs add nothing but time
    vella::StatsFile stats(Folder());
    {
        std::FILE* f = std::fopen(stats.DatPath().c_str(), "wb");
        if (!f) std::abort();
        if (size) std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    const int count = vella::StatsFile::CountFor(size);
    const auto [all, names] = CheckReads(stats, size);
    if (count > 0) {
        const std::string name = names.back();
        if (!stats.RecordGame(name, vella::FinishedGame{1, 3, true, 7}).Ok()) std::abort();
        if (stats.RecordCount().Value != count) std::abort();  // found, rewritten in place
        if (!stats.RemoveRecord(1).Ok()) std::abort();
        if (fs::file_size(stats.DatPath()) != static_cast<std::uintmax_t>(count - 1) * 143)
            std::abort();
    }
    return 0;
}
