// The platform's calls under the file layer, on file descriptors: POSIX (file_io_posix.cpp), or
// the Windows C runtime with Win32 for what it lacks (file_io_win32.cpp). Only the file layer
// includes this; the rest of the program sees file_io.h.
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>

#include "stats/file_io.h"

namespace vella::fileio::sys {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// The error the test hook sets for `step`, or 0 (file_io.cpp).
int Fault(Step step, const fs::path& path);

// Why a step failed: an error number, or what lies at the path instead of a file.
struct Problem {
    int Error = 0;
    const char* Kind = nullptr;  // "a symbolic link", "a folder", …

    explicit operator bool() const { return Error != 0 || Kind != nullptr; }
    std::string Reason() const;
    // The reason for a step on `path`: where the folder it names is not a folder, that.
    std::string ReasonAt(const fs::path& path) const;
};

// The platform's sentence for an error number.
std::string ErrorText(int error);

// What lies at a path, looked at without opening it or following a link.
struct Seen {
    bool Exists = false;
    Problem Trouble;  // not a regular file, or the look itself failed
    unsigned Mode = 0666;
    long long Owner = -1, Group = -1;
};
Seen Look(const fs::path& path);

// An open file descriptor, closed when it goes.
struct Fd {
    int fd = -1;

    Fd() = default;
    explicit Fd(int opened) : fd(opened) {}
    Fd(Fd&& other) noexcept : fd(other.fd) { other.fd = -1; }
    Fd& operator=(Fd&&) = delete;
    ~Fd() { Close(); }
    int Close();
};

// How a file is opened: never through a link, never waiting on a special file, never inherited.
enum class Access { Read, ReadWrite, CreateNew };
int Open(const fs::path& path, Access access, unsigned mode = 0);

long Read(int fd, unsigned char* data, std::size_t n);
long Write(int fd, const unsigned char* data, std::size_t n);
int Sync(int fd);
// Removes a file at once (the lock file, leftovers); -1 with errno on failure.
int Unlink(const fs::path& path);
// Removes a statistics file, waiting out another program's brief hold where the platform has
// such holds. Value: 0 or the error.
int Delete(const fs::path& path);
// Renames over `to` in one step, likewise. Value: 0 or the error.
int Rename(const fs::path& from, const fs::path& to);
// Flushes the folder holding `file`, so that a rename or removal in it survives a power cut.
// Value: 0 or the error.
int SyncFolder(const fs::path& file);

// The open file's length; false where it is not a file on a disk.
bool RegularLength(int fd, std::uint64_t& length);
// Gives a new file the permission bits, owner and group of the file it stands in for.
void KeepPermissions(int fd, const Seen& like);
// Whether this user may write the file at `path`, or create it where there is none.
bool MayWrite(const fs::path& path, const Seen& seen);
// Whether this user may create files in `folder`.
bool MayWriteFolder(const fs::path& folder);

// The whole-file lock on an open lock file.
enum class LockResult { Locked, InUse, Failed };
// Takes the lock, waiting until `deadline` for another copy to let it go; with Failed, `error`
// says why.
LockResult Lock(int fd, const fs::path& lockFile, Clock::time_point deadline, int& error);
// Whether the locked file is still the one named `lockFile` (the copy that held the lock before
// may have removed it).
bool StillNamed(int fd, const fs::path& lockFile);
// Lets the lock go and closes the file.
void Unlock(int fd);
// Removes the lock file while this copy holds it. Value: true where that let the lock go and
// closed `fd` (Windows removes no open file).
bool RemoveLocked(int fd, const fs::path& lockFile);

}  // namespace vella::fileio::sys
