// Fuzz target: any byte string as a statistics file, served from memory, so that reading and the
// figures run at full speed. Counting, reading every record by each way the program reads it,
// and every view's figures must neither crash nor disagree on the number of records.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "read_checks.h"
#include "stats/file_io.h"
#include "stats/names.h"

namespace {

std::span<const unsigned char> input;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    vella::fileio::SetReadSource([](const std::filesystem::path&) { return input; });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Six records and a part of a seventh reach every path of the readers and the figures;
    // longer inputs add nothing but time.
    if (size > 6 * 143 + 142) return 0;
    input = std::span<const unsigned char>(data, size);
    vella::StatsFile stats("memory");
    const int count = static_cast<int>(vella::StatsFile::CountFor(size));
    const auto [all, names] = CheckReads(stats, size);
    // One record at a time, as the statistics window reads it: the first, the last, and one
    // between (each read takes the whole file).
    for (int k : {1, (count + 1) / 2, count}) {
        if (count == 0) break;
        const auto one = stats.ReadPlayer(k, names[k - 1]);
        if (!one.Ok() || !one.Value || *one.Value != all[k - 1]) std::abort();
    }
    const std::string nobody = vella::NameOfField(std::string(vella::NameLength, '\xff'));
    if (stats.ReadPlayer(count + 1, nobody).Value || stats.ReadPlayer(0, nobody).Value)
        std::abort();
    return 0;
}
