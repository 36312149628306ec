// The statistics file operations.
#include "stats/stats_file.h"

#include <algorithm>
#include <span>
#include <utility>

#include "text/text.h"

namespace vella {
namespace fs = std::filesystem;

namespace {

std::size_t OffsetOf(std::int64_t index) {
    return static_cast<std::size_t>(index) * RecordSize;
}

// Completes a short last record with zero bytes, as it reads; returns the number of records.
int WholeRecords(std::vector<unsigned char>& bytes) {
    const auto count = StatsFile::CountFor(bytes.size());
    bytes.resize(OffsetOf(count), 0);
    return static_cast<int>(count);
}

// The record at `index` is `name`'s (a short record's missing bytes are 0).
bool RecordIs(const std::vector<unsigned char>& bytes, std::int64_t index, const PlayerName& name) {
    if (index < 0 || index >= StatsFile::CountFor(bytes.size())) return false;
    const std::size_t first = OffsetOf(index);
    const std::string& field = name.Field();
    for (std::size_t i = 0; i < field.size(); ++i) {
        const unsigned char byte = first + i < bytes.size() ? bytes[first + i] : 0;
        if (byte != static_cast<unsigned char>(field[i])) return false;
    }
    return !field.empty();
}

// The bytes after the last record that counts (a tail of 1..71 bytes, too short to count). A
// file with no record at all holds no player and counts as empty.
std::uint64_t StrayBytes(std::uint64_t length) {
    const auto count = StatsFile::CountFor(length);
    return count == 0 ? 0 : length - std::min<std::uint64_t>(length, OffsetOf(count));
}

}  // namespace

StatsFile::StatsFile(fs::path folder, fileio::FileSystem& system)
    : folder_(std::move(folder)), system_(system) {}

std::int64_t StatsFile::CountFor(std::uint64_t length) {
    return static_cast<std::int64_t>((length + RecordSize / 2) / RecordSize);
}

Result<fileio::FolderLock> StatsFile::Lock(fileio::Need need) {
    return fileio::FolderLock::Acquire(system_, LockPath(), DatPath(), need);
}

Result<StatsFile::Bytes> StatsFile::Read(Missing missing) {
    if (missing == Missing::Create && !fileio::Exists(system_, DatPath())) {
        const auto lock = Lock(fileio::Need::Write);
        const Status made = lock.Ok() ? fileio::CreateEmpty(system_, DatPath()) : Status(lock);
        if (!made.Ok()) return Result<Bytes>::Failure(made);
    }
    const auto lock = Lock(fileio::Need::Read);
    if (!lock.Ok()) return Result<Bytes>::Failure(lock);
    auto loaded = Load();
    if (!loaded.Ok()) return Result<Bytes>::Failure(loaded);
    return Result<Bytes>{{}, std::move(loaded.Value.Data)};
}

Result<fileio::Contents> StatsFile::Load() {
    return fileio::ReadAll(system_, DatPath(), MaxLength);
}

Result<fileio::Contents> StatsFile::LoadForChange() {
    auto loaded = Load();
    if (loaded.Ok()) {
        const Status end = CheckEnd(loaded.Value.Data.size());
        if (!end.Ok()) return Result<fileio::Contents>::Failure(end);
    }
    return loaded;
}

Status StatsFile::CheckEnd(std::uint64_t length) const {
    const std::uint64_t stray = StrayBytes(length);
    if (stray == 0) return {};
    const std::string file = fileio::Shown(DatPath());
    if (stray == 1) {
        return Status{Fill(Tr("Files",
                              "The end of %1 is damaged: its last %2 byte is not a whole "
                              "player's record. The file is left as it is; games are "
                              "recorded in it again once those bytes are removed or it "
                              "is replaced by its backup, stats.bak."),
                           {file, "1"})};
    }
    return Status{Fill(Tr("Files",
                          "The end of %1 is damaged: its last %2 bytes are not a whole "
                          "player's record. The file is left as it is; games are "
                          "recorded in it again once those bytes are removed or it is "
                          "replaced by its backup, stats.bak."),
                       {file, std::to_string(stray)})};
}

Status StatsFile::Rewrite(const Bytes& bytes) {
    const Status writable = fileio::CheckWritable(system_, DatPath());
    if (!writable.Ok()) return writable;
    return fileio::WriteAside(system_, TmpPath(), DatPath(), bytes, DatPath());
}

Result<std::vector<PlayerName>> StatsFile::ReadNames() {
    auto read = Read(Missing::Create);
    if (!read.Ok()) return Result<std::vector<PlayerName>>::Failure(read);
    Bytes& bytes = read.Value;
    const int count = WholeRecords(bytes);
    Result<std::vector<PlayerName>> names;
    names.Value.reserve(count);
    for (int i = 0; i < count; ++i) {
        const auto* first = reinterpret_cast<const char*>(bytes.data() + OffsetOf(i));
        names.Value.push_back(PlayerName::FromField(std::string_view(first, NameLength)));
    }
    return names;
}

Result<std::optional<PlayerRec>> StatsFile::ReadPlayer(int index, const PlayerName& name) {
    auto read = Read(Missing::Leave);
    if (!read.Ok()) return Result<std::optional<PlayerRec>>::Failure(read);
    Result<std::optional<PlayerRec>> found;
    if (RecordIs(read.Value, index, name))
        found.Value = DecodeRecord(std::span(read.Value).subspan(OffsetOf(index)));
    return found;
}

Result<std::optional<int>> StatsFile::RemovePlayer(int index, const PlayerName& name) {
    using Answer = Result<std::optional<int>>;
    const auto lock = Lock(fileio::Need::Write);
    if (!lock.Ok()) return Answer::Failure(lock);
    auto loaded = LoadForChange();
    if (!loaded.Ok()) return Answer::Failure(loaded);
    Bytes& bytes = loaded.Value.Data;
    if (!RecordIs(bytes, index, name)) return Answer{};  // changed since it was listed
    const int count = WholeRecords(bytes);
    Status removed = fileio::CheckWritable(system_, DatPath());
    if (removed.Ok() && count == 1) {
        removed = fileio::Remove(system_, DatPath());
    } else if (removed.Ok()) {
        // The other records are copied whole, without interpretation.
        const auto first = bytes.begin() + static_cast<std::ptrdiff_t>(OffsetOf(index));
        bytes.erase(first, first + RecordSize);
        removed = Rewrite(bytes);
    }
    if (!removed.Ok()) return Answer::Failure(removed);
    return Answer{{}, count - 1};
}

Result<int> StatsFile::DeleteWhenEmpty() {
    // No statistics, nothing to do: a folder without them gets no lock file either.
    if (!fileio::Exists(system_, DatPath())) return {};
    const auto lock = Lock(fileio::Need::Write);
    if (!lock.Ok()) return Result<int>::Failure(lock);
    const auto length = fileio::Length(system_, DatPath());
    if (!length.Ok()) return Result<int>::Failure(length);
    if (length.Value.value_or(0) > MaxLength) return Result<int>::Failure(Load());
    const int count = static_cast<int>(CountFor(length.Value.value_or(0)));
    if (count == 0 && length.Value) {
        Status removed = fileio::CheckWritable(system_, DatPath());
        if (removed.Ok()) removed = fileio::Remove(system_, DatPath());
        if (!removed.Ok()) return Result<int>::Failure(removed);
    }
    return Result<int>{{}, count};
}

Result<int> StatsFile::Backup() {
    if (!fileio::Exists(system_, DatPath())) {
        // A lock file left behind without statistics goes, under its own lock.
        auto lock = Lock(fileio::Need::Read);
        if (!lock.Ok()) return Result<int>::Failure(lock);
        if (!fileio::Exists(system_, DatPath())) lock.Value.RemoveFile();
        return {};
    }
    auto lock = Lock(fileio::Need::Write);
    if (!lock.Ok()) return Result<int>::Failure(lock);
    auto loaded = LoadForChange();
    if (!loaded.Ok()) return Result<int>::Failure(loaded);
    const Bytes& bytes = loaded.Value.Data;
    const auto count = CountFor(bytes.size());
    Status done;
    if (count > 0) {
        done = fileio::CheckWritable(system_, BakPath());
        if (done.Ok()) done = fileio::WriteAside(system_, TmpPath(), BakPath(), bytes, DatPath());
    } else if (loaded.Value.Exists) {
        done = fileio::CheckWritable(system_, DatPath());
        if (done.Ok()) done = fileio::Remove(system_, DatPath());
    }
    if (!done.Ok()) return Result<int>::Failure(done);
    if (count == 0) lock.Value.RemoveFile();
    return Result<int>{{}, static_cast<int>(count)};
}

Status StatsFile::CheckRecordable() {
    const auto lock = Lock(fileio::Need::Read);
    if (!lock.Ok()) return lock;
    Status found = fileio::CheckLockFile(system_, LockPath(), DatPath());
    if (found.Ok()) found = LoadForChange();
    if (found.Ok()) found = fileio::CheckReplaceable(system_, DatPath());
    return found;
}

Status StatsFile::RecordGame(const PlayerName& name, const FinishedGame& game) {
    const auto lock = Lock(fileio::Need::Write);
    if (!lock.Ok()) return lock;
    auto loaded = LoadForChange();
    if (!loaded.Ok()) return loaded;
    Bytes& bytes = loaded.Value.Data;
    const auto count = CountFor(bytes.size());
    auto at = count;  // a new player's place
    for (auto i = count - 1; i >= 0; --i) {
        if (RecordIs(bytes, i, name)) {
            at = i;
            break;
        }
    }
    if (at == count && count >= MaxRecords) {
        return Status{Fill(Tr("Files",
                              "Could not add a player to %1: it already holds %2 "
                              "players, as many as it can."),
                           {fileio::Shown(DatPath()), std::to_string(MaxRecords)})};
    }
    PlayerRec rec =
        at < count ? DecodeRecord(std::span(bytes).subspan(OffsetOf(at))) : FreshRecord(name);
    if (!AddGame(rec, game)) {
        return Status{Fill(Tr("Files",
                              "The statistics of \"%1\" in %2 already count as many "
                              "games or moves as they can."),
                           {name.Text(), fileio::Shown(DatPath())})};
    }
    const RecordBytes encoded = EncodeRecord(rec);
    // The bytes after a record rewritten in place stay as they were.
    bytes.resize(std::max(bytes.size(), OffsetOf(at + 1)), 0);
    std::copy(encoded.begin(), encoded.end(), bytes.begin() + OffsetOf(at));
    return Rewrite(bytes);
}

}  // namespace vella
