// The statistics file stats.dat and its companions stats.bak and stats.tmp, in one folder.
// The only module that reads or writes their bytes; every operation opens, works and closes
// under a lock that other copies of the program respect, and reports a failure with a sentence
// for the player. Every change is written aside to stats.tmp and renamed over, so neither a
// failure nor a crash at any step loses or tears a record, and a reader never sees half a change.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "stats/file_io.h"
#include "stats/player_name.h"
#include "stats/player_rec.h"
#include "stats/recording.h"
#include "stats/status.h"

namespace vella {

class StatsFile {
  public:
    // The three files lie in `folder`; empty means the working directory. Every operation
    // works through `system`'s calls.
    explicit StatsFile(std::filesystem::path folder = {},
                       fileio::FileSystem& system = fileio::PlatformFileSystem::Instance());

    // The most players a file holds. A longer file (more whole records than this and a part
    // record) is refused as too large, never read whole, counted or deleted.
    static constexpr std::int64_t MaxRecords = 32767;
    static constexpr std::uint64_t MaxLength = MaxRecords * RecordSize + RecordSize - 1;

    // File length / 143 rounded to the nearest whole number (a tail of 72..142 bytes counts).
    static std::int64_t CountFor(std::uint64_t length);

    // Records are counted from 0, in file order.

    // The name of every record in file order; creates an empty file when there is none.
    Result<std::vector<PlayerName>> ReadNames();

    // Record `index`, when it is still the record of `name`; nullopt where the file has changed
    // since its names were read (the player deleted, or moved by a deletion before it).
    Result<std::optional<PlayerRec>> ReadPlayer(int index, const PlayerName& name);

    // Removes record `index`, which must still be `name`'s (another copy of the program may
    // have changed the file): the other records go in order to stats.tmp, which is flushed and
    // renamed over stats.dat; on failure stats.dat is as it was and stats.tmp is gone. The only
    // player's removal deletes the file. Value: the records left; nullopt where the record is
    // no longer `name`'s, and nothing was deleted.
    Result<std::optional<int>> RemovePlayer(int index, const PlayerName& name);

    // Deletes stats.dat when it holds no record (a missing file stays missing). Value: the count.
    Result<int> DeleteWhenEmpty();

    // The step at shutdown, as one operation: deletes stats.dat when it holds no record (an
    // older stats.bak is left alone), otherwise copies it to stats.bak through stats.tmp, so
    // stats.bak is old or new, never half. Where no stats.dat is left, the lock file goes too.
    // Value: the records found.
    Result<int> Backup();

    // Why recording a game here would fail, found as recording would find it but without
    // creating, locking or writing anything; success where it would not fail.
    Status CheckRecordable();

    // Adds a finished game to the last record of `name`, or appends a fresh record while the
    // file holds fewer than MaxRecords. Refused, and nothing written, where the record cannot
    // count one more game or the file ends in a part record too short to count.
    Status RecordGame(const PlayerName& name, const FinishedGame& game);

    std::filesystem::path DatPath() const { return folder_ / "stats.dat"; }
    std::filesystem::path BakPath() const { return folder_ / "stats.bak"; }
    std::filesystem::path TmpPath() const { return folder_ / "stats.tmp"; }
    std::filesystem::path LockPath() const { return folder_ / "stats.lck"; }

  private:
    using Bytes = std::vector<unsigned char>;

    // The folder's lock, taken for `need`; a failure says why it could not be had.
    Result<fileio::FolderLock> Lock(fileio::Need need);

    // What reading does where there is no stats.dat: creates it empty, or reads no bytes.
    enum class Missing { Create, Leave };

    // stats.dat's bytes, read under the lock taken for reading.
    Result<Bytes> Read(Missing missing);

    // stats.dat's bytes, refused beyond MaxLength; the caller holds the lock.
    Result<fileio::Contents> Load();

    // Load() for an operation that writes or deletes: refused where the file's records are
    // followed by a part record too short to count, which no write may overwrite or drop.
    Result<fileio::Contents> LoadForChange();
    // Why a file of `length` bytes is not to be changed; success where it ends in a whole record.
    Status CheckEnd(std::uint64_t length) const;

    // Replaces stats.dat by `bytes`, written aside and renamed over.
    Status Rewrite(const Bytes& bytes);

    std::filesystem::path folder_;
    fileio::FileSystem& system_;
};

}  // namespace vella
