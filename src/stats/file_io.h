// The one file layer: whole-file reads, files written aside and renamed over, removal, and the
// lock that keeps two copies of the program from interleaving. The platform's calls under it live
// in file_io_posix.cpp and file_io_win32.cpp.
//
// Nothing here follows a symbolic link or waits on a special file: a path that is a link, folder,
// named pipe, device or socket is refused with a sentence that says what it is, and left alone.
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "stats/status.h"

namespace vella::fileio {

using Bytes = std::vector<unsigned char>;

// A file's bytes, or that there is no file.
struct Contents {
    bool Exists = false;
    Bytes Data;
};

// Reads the whole file. A file longer than `limit` bytes is refused, unread.
Result<Contents> ReadAll(const std::filesystem::path& path, std::uint64_t limit);

// The file's length (nullopt: there is none). A file that cannot be opened for reading fails.
Result<std::optional<std::uint64_t>> Length(const std::filesystem::path& path);

// How a message names a file: its whole path, quoted, so the folder is named as well.
std::string Shown(const std::filesystem::path& path);

// Whether anything lies at the path (a link counts, and is not followed).
bool Exists(const std::filesystem::path& path);

// Creates an empty file where there is none; an existing file is left as it is.
Status CreateEmpty(const std::filesystem::path& path);

// Fails, with the reason, where the file is there but this program may not change it: replacing
// it by a rename would otherwise go round its permissions.
Status CheckWritable(const std::filesystem::path& path);

// What stands in the way of replacing the file by one written aside in its folder, found without
// writing: the file may not be changed (as CheckWritable), or the folder takes no new file.
Status CheckReplaceable(const std::filesystem::path& path);

// Why a writer could not take the lock of `dataFile`, found without creating or locking
// anything: something other than a file lies at `lockFile`, or another user's file this one may
// not open.
Status CheckLockFile(const std::filesystem::path& lockFile, const std::filesystem::path& dataFile);

// Writes `bytes` to `aside`, created afresh (whatever lay there is removed first, never opened)
// with the permission bits and group of `like` where that file exists, flushes it to the disk,
// renames it over `to` in one step and flushes the folder. Before the rename, a failure leaves
// `to` as it was and removes `aside`; a failure to flush the folder after it is reported with
// `Unconfirmed` set, since `to` already holds the new bytes.
Status WriteAside(const std::filesystem::path& aside, const std::filesystem::path& to,
                  std::span<const unsigned char> bytes, const std::filesystem::path& like);

// Creates the statistics folder where it is missing, with the folders above it, and checks that
// it is a folder this user may write in.
Status PrepareFolder(const std::filesystem::path& folder);

// Removes the file and flushes the folder; a file that is already gone is not an error.
Status Remove(const std::filesystem::path& path);

// What an operation under the lock will do: only a writing one creates the lock file, and only
// a writing one fails where the lock cannot be had. Reading needs no lock to be safe (every
// change is a rename), but waits for a writer where there is a lock file.
enum class Need { Read, Write };

// An exclusive lock on the lock file beside the statistics, shared by every copy of the program
// that uses the folder, whichever user runs it. Held for the duration of one operation.
class FolderLock {
  public:
    // Waits up to `patience` for another copy to finish. A writer goes on without the lock only
    // where `dataFile` cannot be written anyway (a read-only file system, no permission).
    static Result<std::shared_ptr<FolderLock>> Acquire(
        const std::filesystem::path& lockFile, const std::filesystem::path& dataFile, Need need,
        std::chrono::milliseconds patience = std::chrono::milliseconds(5000));
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    // Removes the lock file while it is held (the statistics are gone): a copy that waited for
    // it finds that it holds a file no longer there, and takes the lock again.
    void RemoveFile();

  private:
    FolderLock() = default;
    std::filesystem::path file_;
    std::intptr_t handle_ = -1;
};

// The steps that change a file, in the order an operation takes them, and the lock calls that
// comes before them: the open file description lock (OfdLock), and the classic record lock
// where the system has none of those (Lock; the only kind on Windows).
enum class Step { OfdLock, Lock, Create, Write, Sync, Rename, SyncFolder, Remove };

// The lock file beside the statistics files: empty, never holding data.
inline constexpr char LockFileName[] = "stats.lck";

// For tests only: called before every step that changes a file, and before every lock call. A
// non-zero result makes the step fail with that error number (a failing Write first writes half
// its bytes, as a full disk does); the hook may also end the process to stand for a crash.
// Empty: no faults.
using FaultHook = std::function<int(Step step, const std::filesystem::path& path)>;
void SetFaultHook(FaultHook hook);

// For fuzzing only: every read (ReadAll, Length) is served from the bytes `source` gives for the
// path instead of from the disk, and no lock is taken. Empty: the disk.
using ReadSource = std::function<std::span<const unsigned char>(const std::filesystem::path&)>;
void SetReadSource(ReadSource source);

}  // namespace vella::fileio
