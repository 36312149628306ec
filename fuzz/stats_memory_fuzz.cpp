// Fuzz target: any byte string as a statistics file, served from memory, so that reading and the
// figures run at full speed. Counting, reading every record by each way the program reads it,
// and every view's figures must neither crash nor disagree on the number of records.
#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "read_checks.h"
#include "stats/file_system.h"

namespace {

using namespace vella::fileio;

// A folder in memory that holds one statistics file, `input`, and nothing else: it can be read,
// never written, and no copy has ever locked it.
class MemoryFiles final : public FileSystem {
  public:
    std::span<const unsigned char> input;

    Seen Look(const fs::path& path) override {
        Seen seen;
        seen.Exists = path.filename() == "stats.dat";
        return seen;
    }
    int Open(const fs::path& path, Access access, unsigned) override {
        if (!Look(path).Exists || access != Access::Read) return (errno = EROFS), -1;
        offset_ = 0;
        return 3;
    }
    int Close(int) override { return 0; }
    long Read(int, unsigned char* data, std::size_t n) override {
        const std::size_t count = std::min(n, input.size() - offset_);
        std::copy_n(input.begin() + static_cast<std::ptrdiff_t>(offset_), count, data);
        offset_ += count;
        return static_cast<long>(count);
    }
    bool RegularLength(int, std::uint64_t& length) override {
        length = input.size();
        return true;
    }
    bool MayWrite(const fs::path&, const Seen&) override { return false; }
    bool MayWriteFolder(const fs::path&) override { return false; }
    // Nothing here is ever written or locked.
    long Write(int, const unsigned char*, std::size_t) override { std::abort(); }
    int Sync(int) override { std::abort(); }
    int Unlink(const fs::path&) override { std::abort(); }
    int Delete(const fs::path&) override { std::abort(); }
    int Rename(const fs::path&, const fs::path&) override { std::abort(); }
    int SyncFolder(const fs::path&) override { std::abort(); }
    void KeepPermissions(int, const Seen&) override { std::abort(); }
    LockResult Lock(int, const fs::path&, Clock::time_point, int&) override { std::abort(); }
    bool StillNamed(int, const fs::path&) override { std::abort(); }
    void Unlock(int) override { std::abort(); }
    bool RemoveLocked(int, const fs::path&) override { std::abort(); }

  private:
    std::size_t offset_ = 0;
};

MemoryFiles memory;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Six records and a part of a seventh reach every path of the readers and the figures;
    // longer inputs add nothing but time.
    if (size > 6 * 143 + 142) return 0;
    memory.input = std::span<const unsigned char>(data, size);
    vella::StatsFile stats("memory", memory);
    const int count = static_cast<int>(vella::StatsFile::CountFor(size));
    const auto [all, names] = CheckReads(stats, size);
    // One record at a time, as the statistics window reads it: the first, the last, and one
    // between (each read takes the whole file).
    for (int k : {0, count / 2, count - 1}) {
        if (count == 0) break;
        const auto one = stats.ReadPlayer(k, names[k]);
        if (!one.Ok() || !one.Value || *one.Value != all[k]) std::abort();
    }
    const auto nobody = vella::PlayerName::FromField(std::string(vella::NameLength, '\xff'));
    if (stats.ReadPlayer(count, nobody).Value || stats.ReadPlayer(-1, nobody).Value) std::abort();
    return 0;
}
