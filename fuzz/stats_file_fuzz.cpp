// Fuzz target: any byte string as a statistics file on the disk. Every way of reading it agrees,
// and every way of changing it (recording a game for a player it holds, appending a new player
// over whatever tail it has, deleting a player, the backup, the exit step) changes exactly what
// it should: every record it does not touch stays byte for byte.
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "read_checks.h"
#include "stats/player_rec.h"

namespace fs = std::filesystem;
using Bytes = std::vector<unsigned char>;

namespace {

const fs::path& Folder() {
    static const fs::path folder = [] {
        // In memory where the system offers it: every change is flushed to the disk, and a
        // disk would make each run a hundred times slower.
        const fs::path base =
            fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
        fs::path p = base / ("vellacode-fuzz-" + std::to_string(getpid()));
        fs::create_directories(p);
        return p;
    }();
    return folder;
}

Bytes Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Check(bool holds) {
    if (!holds) std::abort();
}

// The file as it reads: whole records, a short last one completed with zero bytes.
Bytes AsRead(Bytes bytes) {
    bytes.resize(static_cast<std::size_t>(vella::StatsFile::CountFor(bytes.size())) * 143, 0);
    return bytes;
}

// `after` is `before` with record k (0-based) replaced, nothing else changed.
bool OnlyRecordChanged(const Bytes& before, const Bytes& after, std::size_t k) {
    if (after.size() != std::max(before.size(), (k + 1) * 143)) return false;
    for (std::size_t i = 0; i < after.size(); ++i) {
        if (i / 143 != k && after[i] != (i < before.size() ? before[i] : 0)) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 64 * 143) return 0;  // longer inputs add nothing but time
    vella::StatsFile stats(Folder());
    const Bytes input(data, data + size);
    fs::remove(stats.BakPath());
    {
        std::ofstream out(stats.DatPath(), std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(input.data()),
                  static_cast<std::streamsize>(input.size()));
    }
    const auto count = vella::StatsFile::CountFor(size);
    const auto [all, names] = CheckReads(stats, size);
    const vella::FinishedGame game{1, 3, true, 7};

    // Records followed by a part too short to count: every change is refused, nothing written.
    if (count > 0 && size > static_cast<std::size_t>(count) * 143) {
        Check(!stats.RecordGame(names[0], game).Ok() && !stats.RemovePlayer(0, names[0]).Ok());
        Check(!stats.Backup().Ok() && Read(stats.DatPath()) == input);
        return 0;
    }

    // A player it holds: the last record of that name, and only that one, changes, unless it
    // cannot count one more game, when nothing does.
    if (count > 0) {
        const vella::PlayerName& name = names[data[0] % count];
        const auto at = static_cast<std::size_t>(
            std::find(names.rbegin(), names.rend(), name).base() - names.begin() - 1);
        if (stats.RecordGame(name, game).Ok()) {
            Check(OnlyRecordChanged(input, Read(stats.DatPath()), at));
        } else {
            Check(Read(stats.DatPath()) == input);
        }
    }

    // A new player: appended after the records, or over a file too short to hold one.
    auto newcomer = vella::PlayerName::FromField(std::string(vella::NameLength, '#'));
    for (int n = 0; std::find(names.begin(), names.end(), newcomer) != names.end(); ++n)
        newcomer = vella::PlayerName::FromField(
            std::to_string(n) + std::string(vella::NameLength - std::to_string(n).size(), '#'));
    const Bytes before = Read(stats.DatPath());
    Check(stats.RecordGame(newcomer, game).Ok());
    const Bytes appended = Read(stats.DatPath());
    Check(appended.size() == static_cast<std::size_t>(count + 1) * 143);
    Check(std::equal(appended.begin(), appended.end() - 143, AsRead(before).begin()));
    Check(std::equal(newcomer.Field().begin(), newcomer.Field().end(), appended.end() - 143));

    // Deleting the first player: the others move up, byte for byte.
    const auto left = stats.RemovePlayer(0, count > 0 ? names[0] : newcomer);
    Check(left.Ok() && left.Value == count);
    const Bytes removed = Read(stats.DatPath());
    Check(removed == Bytes(appended.begin() + 143, appended.end()));

    // The backup is a copy; the exit step on an emptied file deletes it and its lock file.
    Check(stats.Backup().Value == count);
    if (count > 0) Check(Read(stats.BakPath()) == removed);
    if (count == 0) Check(!fs::exists(stats.DatPath()) && !fs::exists(stats.LockPath()));
    return 0;
}
