// The statistics file operations.
#include "stats/stats_file.h"

#include <span>
#include <utility>

#include "stats/file_io.h"

namespace vella {
namespace fs = std::filesystem;

namespace {

std::vector<PlayerRec> DecodeAll(const fileio::Bytes& bytes) {
    const int count = StatsFile::CountFor(bytes.size());
    std::vector<PlayerRec> records;
    records.reserve(count);
    for (int i = 0; i < count; ++i) {
        const std::size_t at = static_cast<std::size_t>(i) * RecordSize;
        records.push_back(DecodeRecord(std::span(bytes).subspan(at)));
    }
    return records;
}

// Completes a short last record with zero bytes, as it reads; returns the number of records.
int WholeRecords(fileio::Bytes& bytes) {
    const int count = StatsFile::CountFor(bytes.size());
    bytes.resize(static_cast<std::size_t>(count) * RecordSize, 0);
    return count;
}

// The whole 15-character name field equals `storedName` (a short record's missing bytes are 0).
bool NameIs(std::span<const unsigned char> record, const std::string& storedName) {
    if (storedName.size() != NameLength) return false;
    for (int i = 0; i < NameLength; ++i) {
        const unsigned char byte = i < static_cast<int>(record.size()) ? record[i] : 0;
        if (byte != static_cast<unsigned char>(storedName[i])) return false;
    }
    return true;
}

}  // namespace

StatsFile::StatsFile(fs::path folder) : folder_(std::move(folder)) {}

int StatsFile::CountFor(std::uint64_t length) {
    return static_cast<int>((length + RecordSize / 2) / RecordSize);
}

template <class Operation>
auto StatsFile::Locked(Operation operation) -> decltype(operation()) {
    const auto lock = fileio::FolderLock::Acquire(folder_, DatPath());
    if (!lock.Ok()) {
        decltype(operation()) failed{};
        failed.Error = lock.Error;
        return failed;
    }
    return operation();
}

Result<int> StatsFile::RecordCount() {
    return Locked([&] {
        auto length = fileio::Length(DatPath(), true);
        if (!length.Ok()) return Result<int>::Failure(length);
        return Result<int>{{}, CountFor(length.Value)};
    });
}

Result<std::vector<PlayerRec>> StatsFile::ReadAll() {
    return Locked([&] {
        auto bytes = fileio::ReadAll(DatPath(), true);
        if (!bytes.Ok()) return Result<std::vector<PlayerRec>>::Failure(bytes);
        return Result<std::vector<PlayerRec>>{{}, DecodeAll(bytes.Value)};
    });
}

Result<std::vector<std::string>> StatsFile::ReadNames() {
    return Locked([&] {
        auto bytes = fileio::ReadAll(DatPath(), true);
        if (!bytes.Ok()) return Result<std::vector<std::string>>::Failure(bytes);
        const int count = WholeRecords(bytes.Value);
        Result<std::vector<std::string>> names;
        names.Value.reserve(count);
        for (int i = 0; i < count; ++i) {
            const auto first = bytes.Value.begin() + static_cast<std::ptrdiff_t>(i) * RecordSize;
            names.Value.emplace_back(first, first + NameLength);
        }
        return names;
    });
}

Result<PlayerRec> StatsFile::ReadRecord(int k) {
    return Locked([&] {
        auto bytes = fileio::ReadAll(DatPath(), true);
        if (!bytes.Ok()) return Result<PlayerRec>::Failure(bytes);
        if (k < 1 || k > CountFor(bytes.Value.size())) {
            return Result<PlayerRec>::Failure(
                Status{"Record " + std::to_string(k) + " is not in \"stats.dat\"."});
        }
        const std::size_t at = static_cast<std::size_t>(k - 1) * RecordSize;
        return Result<PlayerRec>{{}, DecodeRecord(std::span(bytes.Value).subspan(at))};
    });
}

Status StatsFile::WriteLocked(int k, const PlayerRec& rec) {
    const RecordBytes bytes = EncodeRecord(rec);
    return fileio::WriteAt(DatPath(), static_cast<std::uint64_t>(k - 1) * RecordSize, bytes);
}

Status StatsFile::WriteAside(const std::vector<unsigned char>& bytes, const fs::path& to) {
    Status written = fileio::WriteNew(TmpPath(), bytes);
    if (written.Ok()) written = fileio::Replace(TmpPath(), to);
    if (!written.Ok()) fileio::Remove(TmpPath());
    return written;
}

Status StatsFile::RemoveLocked(std::vector<unsigned char>& bytes, int k) {
    // Records are copied whole, without interpretation.
    const int count = WholeRecords(bytes);
    if (k >= 1 && k <= count) {
        const auto first = bytes.begin() + static_cast<std::ptrdiff_t>(k - 1) * RecordSize;
        bytes.erase(first, first + RecordSize);
    }
    return WriteAside(bytes, DatPath());
}

Status StatsFile::RemoveRecord(int k) {
    return Locked([&] {
        auto bytes = fileio::ReadAll(DatPath(), true);
        if (!bytes.Ok()) return Status(bytes);
        return RemoveLocked(bytes.Value, k);
    });
}

Result<int> StatsFile::RemovePlayer(int k, const std::string& storedName) {
    return Locked([&] {
        auto bytes = fileio::ReadAll(DatPath(), false);
        if (!bytes.Ok()) return Result<int>::Failure(bytes);
        const int count = CountFor(bytes.Value.size());
        if (k < 1 || k > count ||
            !NameIs(std::span(bytes.Value).subspan(static_cast<std::size_t>(k - 1) * RecordSize),
                    storedName)) {
            return Result<int>::Failure(Status{
                "\"stats.dat\" was changed by another copy of Vellacode; nothing was deleted."});
        }
        const Status removed =
            count == 1 ? fileio::Remove(DatPath()) : RemoveLocked(bytes.Value, k);
        if (!removed.Ok()) return Result<int>::Failure(removed);
        return Result<int>{{}, count - 1};
    });
}

Status StatsFile::Delete() {
    return Locked([&] { return fileio::Remove(DatPath()); });
}

Result<int> StatsFile::DeleteWhenEmpty() {
    return Locked([&] {
        auto length = fileio::Length(DatPath(), false);
        if (!length.Ok()) return Result<int>::Failure(length);
        const int count = CountFor(length.Value);
        if (count == 0) {
            Status removed = fileio::Remove(DatPath());
            if (!removed.Ok()) return Result<int>::Failure(removed);
        }
        return Result<int>{{}, count};
    });
}

Result<int> StatsFile::Backup() {
    return Locked([&] {
        auto bytes = fileio::ReadAll(DatPath(), false);
        if (!bytes.Ok()) return Result<int>::Failure(bytes);
        const int count = CountFor(bytes.Value.size());
        const Status done =
            count == 0 ? fileio::Remove(DatPath()) : WriteAside(bytes.Value, BakPath());
        if (!done.Ok()) return Result<int>::Failure(done);
        return Result<int>{{}, count};
    });
}

Status StatsFile::RecordGame(const std::string& storedName, const FinishedGame& game) {
    return Locked([&] {
        std::error_code ec;
        const bool existed = fs::exists(DatPath(), ec);
        auto bytes = fileio::ReadAll(DatPath(), false);
        if (!bytes.Ok()) return Status(bytes);
        const int count = CountFor(bytes.Value.size());
        PlayerRec rec = FreshRecord(storedName);
        int at = count + 1;
        for (int i = count; i >= 1; --i) {
            const auto record =
                std::span(bytes.Value).subspan(static_cast<std::size_t>(i - 1) * RecordSize);
            if (NameIs(record, storedName)) {
                rec = DecodeRecord(record);
                at = i;
                break;
            }
        }
        AddGame(rec, game);
        if (existed) return WriteLocked(at, rec);
        // The first record of all arrives whole: stats.dat appears with it or not at all.
        const RecordBytes encoded = EncodeRecord(rec);
        return WriteAside({encoded.begin(), encoded.end()}, DatPath());
    });
}

}  // namespace vella
