// The statistics file stats.dat and its companions stats.bak and stats.tmp, in one folder.
// The only module that reads or writes their bytes; every operation opens, works and closes
// under a lock that other copies of the program respect, and reports a failure with a sentence
// for the player. Neither a failure nor a crash at any step loses a record.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "stats/player_rec.h"
#include "stats/recording.h"
#include "stats/status.h"

namespace vella {

class StatsFile {
  public:
    // The three files lie in `folder`; empty means the working directory.
    explicit StatsFile(std::filesystem::path folder = {});

    // File length / 143 rounded to the nearest whole number (a tail of 72..142 bytes counts).
    static int CountFor(std::uint64_t length);

    // The number of records; creates an empty stats.dat when there is none.
    Result<int> RecordCount();

    // Every record in file order (a short last record reads zero-filled); creates an empty file
    // when there is none.
    Result<std::vector<PlayerRec>> ReadAll();

    // The name field of every record in file order (stored form, 15 characters); creates an
    // empty file when there is none.
    Result<std::vector<std::string>> ReadNames();

    // Record k, 1 ≤ k ≤ count.
    Result<PlayerRec> ReadRecord(int k);

    // Rebuilds the file without record k: the others go in order to stats.tmp, which is flushed
    // and renamed over stats.dat. On failure stats.dat is as it was and stats.tmp is gone.
    Status RemoveRecord(int k);

    // Removes the player at record k, which must still be `storedName` (another copy of the
    // program may have changed the file); the only player's removal deletes the file. Value:
    // the records left.
    Result<int> RemovePlayer(int k, const std::string& storedName);

    Status Delete();

    // Deletes stats.dat when it holds no record (a missing file stays missing). Value: the count.
    Result<int> DeleteWhenEmpty();

    // The step at shutdown, as one operation: deletes stats.dat when it holds no record (an
    // older stats.bak is left alone), otherwise copies it to stats.bak through stats.tmp, so
    // stats.bak is old or new, never half. Value: the records found.
    Result<int> Backup();

    // Adds a finished game to the last record named `storedName`, or appends a fresh record.
    Status RecordGame(const std::string& storedName, const FinishedGame& game);

    std::filesystem::path DatPath() const { return folder_ / "stats.dat"; }
    std::filesystem::path BakPath() const { return folder_ / "stats.bak"; }
    std::filesystem::path TmpPath() const { return folder_ / "stats.tmp"; }

  private:
    // Runs `operation` while holding the folder's lock; a lock that cannot be had fails it.
    template <class Operation>
    auto Locked(Operation operation) -> decltype(operation());

    Status WriteAside(const std::vector<unsigned char>& bytes, const std::filesystem::path& to);
    Status RemoveLocked(std::vector<unsigned char>& bytes, int k);
    Status WriteLocked(int k, const PlayerRec& rec);

    std::filesystem::path folder_;
};

}  // namespace vella
