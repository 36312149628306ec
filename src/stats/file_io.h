// The one file layer: whole-file reads, positioned writes, durable new files, replacing renames,
// removal, and the lock that keeps two copies of the program from interleaving. Every
// platform-specific call of the program lives in file_io.cpp.
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <span>
#include <vector>

#include "stats/status.h"

namespace vella::fileio {

using Bytes = std::vector<unsigned char>;

// Reads the whole file; a missing file is created empty when `create` is set.
Result<Bytes> ReadAll(const std::filesystem::path& path, bool create);

// The file's length; a missing file is created empty when `create` is set (length 0).
Result<std::uint64_t> Length(const std::filesystem::path& path, bool create);

// Writes `bytes` at `offset` of an existing (or new) file, then flushes them to the disk. If
// the write fails part-way, the bytes it covered and the file's length are put back.
Status WriteAt(const std::filesystem::path& path, std::uint64_t offset,
               std::span<const unsigned char> bytes);

// Creates or truncates the file, writes `bytes` and flushes them to the disk.
Status WriteNew(const std::filesystem::path& path, std::span<const unsigned char> bytes);

// Renames `from` to `to` in one step, replacing `to`; `to` never goes missing.
Status Replace(const std::filesystem::path& from, const std::filesystem::path& to);

// Removes the file; a file that is already gone is not an error.
Status Remove(const std::filesystem::path& path);

// An exclusive lock on the statistics files of one folder, shared by every copy of the program
// that uses that folder. Held for the duration of one operation. Keeping two copies apart must
// never stop the statistics from working: where the folder or its file system takes no lock (a
// read-only folder, a network file system without locking), the operation goes on unlocked.
class FolderLock {
  public:
    // Waits up to `patience` for another copy of the program to finish its operation.
    static Result<std::shared_ptr<FolderLock>> Acquire(
        const std::filesystem::path& folder, const std::filesystem::path& shownFile,
        std::chrono::milliseconds patience = std::chrono::milliseconds(5000));
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

  private:
    FolderLock() = default;
    std::intptr_t handle_ = -1;
};

// The steps that change a file, in the order an operation takes them, and the lock call that
// comes before them (a failure there other than another copy's lock means: no lock here).
enum class Step { Lock, Create, OpenForWrite, Write, Sync, Rename, Remove };

// The lock file beside the statistics files (POSIX): empty, never holding data.
inline constexpr char LockFileName[] = "stats.lck";

// For tests only: called before every step that changes a file, and before the lock call. A
// non-zero result makes the step fail with that error number (a failing Write first writes half its
// bytes, as a full disk does); the hook may also end the process to stand for a crash. Empty: no
// faults.
using FaultHook = std::function<int(Step step, const std::filesystem::path& path)>;
void SetFaultHook(FaultHook hook);

// For fuzzing only: every read (ReadAll, Length) is served from the bytes `source` gives for the
// path instead of from the disk, and no lock is taken. Empty: the disk.
using ReadSource = std::function<std::span<const unsigned char>(const std::filesystem::path&)>;
void SetReadSource(ReadSource source);

}  // namespace vella::fileio
