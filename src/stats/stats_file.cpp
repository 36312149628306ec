// The statistics file operations.
#include "stats/stats_file.h"

#include <algorithm>
#include <span>
#include <utility>

#include "stats/names.h"

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

// The whole 15-character name field equals `field` (a short record's missing bytes are 0).
bool NameIs(std::span<const unsigned char> record, const std::string& field) {
    for (int i = 0; i < NameLength; ++i) {
        const unsigned char byte = i < static_cast<int>(record.size()) ? record[i] : 0;
        if (byte != static_cast<unsigned char>(field[i])) return false;
    }
    return true;
}

bool RecordIs(const std::vector<unsigned char>& bytes, int k, const std::string& name) {
    return k >= 1 && k <= StatsFile::CountFor(bytes.size()) &&
           NameIs(std::span(bytes).subspan(OffsetOf(k - 1)), NameField(name));
}

}  // namespace

StatsFile::StatsFile(fs::path folder) : folder_(std::move(folder)) {}

std::string StatsFile::ChangedSinceListed(const std::string& then) const {
    return fileio::Shown(DatPath()) + " has changed since its players were listed; " + then;
}

std::string StatsFile::Damaged(const std::string& name) const {
    return "The statistics of \"" + name + "\" in " + fileio::Shown(DatPath()) +
           " are damaged: no games could give them. They are not shown, and the file is left "
           "as it is.";
}

std::int64_t StatsFile::CountFor(std::uint64_t length) {
    return static_cast<std::int64_t>((length + RecordSize / 2) / RecordSize);
}

template <class Operation>
auto StatsFile::Locked(fileio::Need need, Operation operation) {
    const auto lock = fileio::FolderLock::Acquire(LockPath(), DatPath(), need);
    using Outcome = decltype(operation(*lock.Value));
    if (!lock.Ok()) {
        Outcome failed{};
        static_cast<Status&>(failed) = lock;
        return failed;
    }
    return operation(*lock.Value);
}

template <class Operation>
auto StatsFile::Reading(Missing missing, Operation operation) {
    using Outcome = decltype(operation(std::declval<Bytes&>()));
    if (missing == Missing::Create && !fileio::Exists(DatPath())) {
        const Status made = Locked(fileio::Need::Write, [&](fileio::FolderLock&) {
            return fileio::CreateEmpty(DatPath());
        });
        if (!made.Ok()) return Outcome::Failure(made);
    }
    return Locked(fileio::Need::Read, [&](fileio::FolderLock&) {
        auto loaded = Load();
        if (!loaded.Ok()) return Outcome::Failure(loaded);
        return operation(loaded.Value.Data);
    });
}

Result<fileio::Contents> StatsFile::Load() {
    return fileio::ReadAll(DatPath(), MaxLength);
}

Status StatsFile::Rewrite(const Bytes& bytes) {
    const Status writable = fileio::CheckWritable(DatPath());
    if (!writable.Ok()) return writable;
    return fileio::WriteAside(TmpPath(), DatPath(), bytes, DatPath());
}

Result<std::vector<std::string>> StatsFile::ReadNames() {
    return Reading(Missing::Create, [](Bytes& bytes) {
        const int count = WholeRecords(bytes);
        Result<std::vector<std::string>> names;
        names.Value.reserve(count);
        for (int i = 0; i < count; ++i) {
            const auto first = bytes.begin() + static_cast<std::ptrdiff_t>(OffsetOf(i));
            names.Value.push_back(NameOfField(std::string(first, first + NameLength)));
        }
        return names;
    });
}

Result<std::optional<PlayerRec>> StatsFile::ReadPlayer(int k, const std::string& name) {
    return Reading(Missing::Leave, [&](Bytes& bytes) {
        Result<std::optional<PlayerRec>> found;
        if (RecordIs(bytes, k, name))
            found.Value = DecodeRecord(std::span(bytes).subspan(OffsetOf(k - 1)));
        return found;
    });
}

Result<std::optional<int>> StatsFile::RemovePlayer(int k, const std::string& name) {
    using Answer = Result<std::optional<int>>;
    return Locked(fileio::Need::Write, [&](fileio::FolderLock&) {
        auto loaded = Load();
        if (!loaded.Ok()) return Answer::Failure(loaded);
        Bytes& bytes = loaded.Value.Data;
        if (!RecordIs(bytes, k, name)) return Answer{};  // changed since it was listed
        const int count = WholeRecords(bytes);
        Status removed = fileio::CheckWritable(DatPath());
        if (removed.Ok() && count == 1) {
            removed = fileio::Remove(DatPath());
        } else if (removed.Ok()) {
            // The other records are copied whole, without interpretation.
            const auto first = bytes.begin() + static_cast<std::ptrdiff_t>(OffsetOf(k - 1));
            bytes.erase(first, first + RecordSize);
            removed = Rewrite(bytes);
        }
        if (!removed.Ok()) return Answer::Failure(removed);
        return Answer{{}, count - 1};
    });
}

Result<int> StatsFile::DeleteWhenEmpty() {
    // No statistics, nothing to do: a folder without them gets no lock file either.
    if (!fileio::Exists(DatPath())) return {};
    return Locked(fileio::Need::Write, [&](fileio::FolderLock&) {
        const auto length = fileio::Length(DatPath());
        if (!length.Ok()) return Result<int>::Failure(length);
        if (length.Value.value_or(0) > MaxLength) return Result<int>::Failure(Load());
        const int count = static_cast<int>(CountFor(length.Value.value_or(0)));
        if (count == 0 && length.Value) {
            Status removed = fileio::CheckWritable(DatPath());
            if (removed.Ok()) removed = fileio::Remove(DatPath());
            if (!removed.Ok()) return Result<int>::Failure(removed);
        }
        return Result<int>{{}, count};
    });
}

Result<int> StatsFile::Backup() {
    if (!fileio::Exists(DatPath())) {
        // A lock file left behind without statistics goes, under its own lock.
        return Locked(fileio::Need::Read, [&](fileio::FolderLock& lock) {
            if (!fileio::Exists(DatPath())) lock.RemoveFile();
            return Result<int>{};
        });
    }
    return Locked(fileio::Need::Write, [&](fileio::FolderLock& lock) {
        auto loaded = Load();
        if (!loaded.Ok()) return Result<int>::Failure(loaded);
        const Bytes& bytes = loaded.Value.Data;
        const auto count = CountFor(bytes.size());
        Status done;
        if (count > 0) {
            done = fileio::CheckWritable(BakPath());
            if (done.Ok()) done = fileio::WriteAside(TmpPath(), BakPath(), bytes, DatPath());
        } else if (loaded.Value.Exists) {
            done = fileio::CheckWritable(DatPath());
            if (done.Ok()) done = fileio::Remove(DatPath());
        }
        if (!done.Ok()) return Result<int>::Failure(done);
        if (count == 0) lock.RemoveFile();
        return Result<int>{{}, static_cast<int>(count)};
    });
}

Status StatsFile::CheckRecordable() {
    return Locked(fileio::Need::Read, [&](fileio::FolderLock&) {
        Status found = fileio::CheckLockFile(LockPath(), DatPath());
        if (found.Ok()) found = Load();
        if (found.Ok()) found = fileio::CheckReplaceable(DatPath());
        return found;
    });
}

Status StatsFile::RecordGame(const std::string& name, const FinishedGame& game) {
    const std::string field = NameField(name);
    return Locked(fileio::Need::Write, [&](fileio::FolderLock&) {
        auto loaded = Load();
        if (!loaded.Ok()) return Status(loaded);
        Bytes& bytes = loaded.Value.Data;
        const auto count = CountFor(bytes.size());
        auto at = count;  // a new player's place
        for (auto i = count - 1; i >= 0; --i) {
            if (NameIs(std::span(bytes).subspan(OffsetOf(i)), field)) {
                at = i;
                break;
            }
        }
        if (at == count && count >= MaxRecords) {
            return Status{"Could not add a player to " + fileio::Shown(DatPath()) +
                          ": it already holds " + std::to_string(MaxRecords) +
                          " players, as many as it can."};
        }
        PlayerRec rec =
            at < count ? DecodeRecord(std::span(bytes).subspan(OffsetOf(at))) : FreshRecord(field);
        AddGame(rec, game);
        const RecordBytes encoded = EncodeRecord(rec);
        // A new record replaces a stray tail too short to count; the bytes after a record
        // rewritten in place stay as they were.
        if (at == count) bytes.resize(OffsetOf(at));
        bytes.resize(std::max(bytes.size(), OffsetOf(at + 1)), 0);
        std::copy(encoded.begin(), encoded.end(), bytes.begin() + OffsetOf(at));
        return Rewrite(bytes);
    });
}

}  // namespace vella
