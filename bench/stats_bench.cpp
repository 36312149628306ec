// Speed of the statistics file at its design limit of 32,767 records (4.7 MB), each operation
// beside its floor: one read of the whole file, one copy of it.
#include <benchmark/benchmark.h>

#include <cstdio>
#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

#include <filesystem>
#include <fstream>
#include <random>
#include <vector>

#include "bench_folder.h"
#include "stats/player_name.h"

using namespace vella;
namespace fs = std::filesystem;

using bench::DesignLimit;
using bench::FullStats;

namespace {

void FlushToDisk(std::FILE* f) {
#ifdef _WIN32
    _commit(_fileno(f));
#else
    fsync(fileno(f));
#endif
}

fs::path BenchFolder() {
    static const fs::path folder = [] {
        fs::path p = fs::temp_directory_path() /
                     ("vellacode-bench-" + std::to_string(std::random_device{}()));
        fs::create_directories(p);
        return p;
    }();
    return folder;
}

std::vector<unsigned char> FullFile() {
    std::vector<unsigned char> bytes;
    bytes.reserve(static_cast<std::size_t>(DesignLimit) * RecordSize);
    for (int i = 0; i < DesignLimit; ++i) {
        const RecordBytes rec =
            EncodeRecord(FreshRecord(*PlayerName::FromTyped("P" + std::to_string(i))));
        bytes.insert(bytes.end(), rec.begin(), rec.end());
    }
    return bytes;
}

void Lay(const fs::path& path) {
    static const std::vector<unsigned char> bytes = FullFile();
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

StatsFile& bench::FullStats() {
    static StatsFile stats(BenchFolder());
    static const bool laid = (Lay(stats.DatPath()), true);
    (void)laid;
    return stats;
}

void bench::LayFullFile() {
    Lay(FullStats().DatPath());
}

static void BM_FloorReadWholeFile(benchmark::State& state) {
    const fs::path path = FullStats().DatPath();
    for (auto _ : state) {
        std::ifstream in(path, std::ios::binary);
        std::vector<char> bytes(fs::file_size(path));
        in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        benchmark::DoNotOptimize(bytes.data());
    }
}
BENCHMARK(BM_FloorReadWholeFile)->Unit(benchmark::kMillisecond);

static void BM_FloorCopyFile(benchmark::State& state) {
    const fs::path path = FullStats().DatPath();
    for (auto _ : state) {
        fs::copy_file(path, BenchFolder() / "copy.dat", fs::copy_options::overwrite_existing);
    }
}
BENCHMARK(BM_FloorCopyFile)->Unit(benchmark::kMillisecond);

// The same copy, flushed to the disk as every change of the statistics is.
static void BM_FloorCopyFileFlushed(benchmark::State& state) {
    const fs::path path = FullStats().DatPath();
    const fs::path copy = BenchFolder() / "copy.dat";
    for (auto _ : state) {
        fs::copy_file(path, copy, fs::copy_options::overwrite_existing);
        std::FILE* f = std::fopen(copy.string().c_str(), "rb");
        if (f) {
            FlushToDisk(f);
            std::fclose(f);
        }
    }
}
BENCHMARK(BM_FloorCopyFileFlushed)->Unit(benchmark::kMillisecond);

static void BM_ReadNames(benchmark::State& state) {
    StatsFile& stats = FullStats();
    for (auto _ : state) benchmark::DoNotOptimize(stats.ReadNames().Value.size());
}
BENCHMARK(BM_ReadNames)->Unit(benchmark::kMillisecond);

static void BM_RecordGameFirstPlayer(benchmark::State& state) {
    StatsFile& stats = FullStats();
    const PlayerName name = *PlayerName::FromTyped("P0");
    for (auto _ : state) stats.RecordGame(name, FinishedGame{0, 0, true, 4});
}
BENCHMARK(BM_RecordGameFirstPlayer)->Unit(benchmark::kMillisecond);

static void BM_RecordGameLastPlayer(benchmark::State& state) {
    StatsFile& stats = FullStats();
    const PlayerName name = *PlayerName::FromTyped("P" + std::to_string(DesignLimit - 1));
    for (auto _ : state) stats.RecordGame(name, FinishedGame{0, 0, true, 4});
}
BENCHMARK(BM_RecordGameLastPlayer)->Unit(benchmark::kMillisecond);

static void BM_RemoveRecord(benchmark::State& state) {
    StatsFile& stats = FullStats();
    const PlayerName name = *PlayerName::FromTyped("P" + std::to_string(DesignLimit / 2 - 1));
    for (auto _ : state) {
        state.PauseTiming();
        bench::LayFullFile();
        state.ResumeTiming();
        stats.RemovePlayer(DesignLimit / 2 - 1, name);
    }
}
BENCHMARK(BM_RemoveRecord)->Unit(benchmark::kMillisecond);
