// The one file layer: whole-file reads, files written aside and renamed over, removal, and the
// lock that keeps two copies of the program from interleaving. Every operation works through the
// system calls of a FileSystem (file_system.h).
//
// Nothing here follows a symbolic link or waits on a special file: a path that is a link, folder,
// named pipe, device or socket is refused with a sentence that says what it is, and left alone.
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

#include "stats/file_system.h"
#include "stats/status.h"

namespace vella::fileio {

using Bytes = std::vector<unsigned char>;

// A file's bytes, or that there is no file.
struct Contents {
    bool Exists = false;
    Bytes Data;
};

// Reads the whole file. A file longer than `limit` bytes is refused, unread.
Result<Contents> ReadAll(FileSystem& system, const std::filesystem::path& path,
                         std::uint64_t limit);

// The file's length (nullopt: there is none). A file that cannot be opened for reading fails.
Result<std::optional<std::uint64_t>> Length(FileSystem& system, const std::filesystem::path& path);

// How a message names a file: its whole path, quoted, so the folder is named as well.
std::string Shown(const std::filesystem::path& path);

// Whether anything lies at the path (a link counts, and is not followed).
bool Exists(FileSystem& system, const std::filesystem::path& path);

// Creates an empty file where there is none; an existing file is left as it is.
Status CreateEmpty(FileSystem& system, const std::filesystem::path& path);

// Fails, with the reason, where the file is there but this program may not change it: replacing
// it by a rename would otherwise go round its permissions.
Status CheckWritable(FileSystem& system, const std::filesystem::path& path);

// What stands in the way of replacing the file by one written aside in its folder, found without
// writing: the file may not be changed (as CheckWritable), or the folder takes no new file.
Status CheckReplaceable(FileSystem& system, const std::filesystem::path& path);

// Why a writer could not take the lock of `dataFile`, found without creating or locking
// anything: something other than a file lies at `lockFile`, or another user's file this one may
// not open.
Status CheckLockFile(FileSystem& system, const std::filesystem::path& lockFile,
                     const std::filesystem::path& dataFile);

// Writes `bytes` to `aside`, created afresh (whatever lay there is removed first, never opened)
// with the permission bits and group of `like` where that file exists, flushes it to the disk,
// renames it over `to` in one step and flushes the folder. Before the rename, a failure leaves
// `to` as it was and removes `aside`; a failure to flush the folder after it is reported with
// `Unconfirmed` set, since `to` already holds the new bytes.
Status WriteAside(FileSystem& system, const std::filesystem::path& aside,
                  const std::filesystem::path& to, std::span<const unsigned char> bytes,
                  const std::filesystem::path& like);

// Creates the statistics folder where it is missing, with the folders above it, and checks that
// it is a folder this user may write in.
Status PrepareFolder(FileSystem& system, const std::filesystem::path& folder);

// Removes the file and flushes the folder; a file that is already gone is not an error.
Status Remove(FileSystem& system, const std::filesystem::path& path);

// What an operation under the lock will do: only a writing one creates the lock file, and only
// a writing one fails where the lock cannot be had. Reading needs no lock to be safe (every
// change is a rename), but waits for a writer where there is a lock file.
enum class Need { Read, Write };

// An exclusive lock on the lock file beside the statistics, shared by every copy of the program
// that uses the folder, whichever user runs it. Held for the duration of one operation.
class FolderLock {
  public:
    // What an operation goes on with.
    enum class State {
        Held,             // the lock is this copy's until the lock goes
        ReadWithoutLock,  // a reader that finds no lock file, or cannot take it: reading is safe
                          // without it, since every change is a rename
        CannotWrite,      // a writer where nothing can be written anyway (a read-only file
                          // system, no permission): each write reports its own failure
    };

    // Waits up to `patience` for another copy to finish. A writer fails where the lock cannot
    // be had, unless `dataFile` cannot be written anyway.
    static Result<FolderLock> Acquire(
        FileSystem& system, const std::filesystem::path& lockFile,
        const std::filesystem::path& dataFile, Need need,
        std::chrono::milliseconds patience = std::chrono::milliseconds(5000));
    FolderLock() = default;
    ~FolderLock();
    FolderLock(FolderLock&& other) noexcept;
    FolderLock& operator=(FolderLock&& other) noexcept;

    State Standing() const { return state_; }

    // Removes the lock file while it is held (the statistics are gone): a copy that waited for
    // it finds that it holds a file no longer there, and takes the lock again. Nothing where the
    // lock is not held.
    void RemoveFile();

  private:
    FolderLock(FileSystem& system, State state) : system_(&system), state_(state) {}
    void Release();

    FileSystem* system_ = nullptr;
    State state_ = State::ReadWithoutLock;
    std::filesystem::path file_;
    int handle_ = -1;
};

}  // namespace vella::fileio
