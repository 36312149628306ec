// The system calls under the file layer, as one interface on file descriptors. The program uses
// the platform's own (PlatformFileSystem: POSIX in file_io_posix.cpp, the Windows C runtime with
// Win32 for what it lacks in file_io_win32.cpp); another implementation can fail a call or serve
// files from memory, and the file layer above works the same on it.
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>

#include "text/text.h"

namespace vella::fileio {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// What lies at a path instead of a file, as the reason a step gives.
//: The reason at the end of "Could not open %1: %2." and the like, for the file named there.
inline constexpr Text SymbolicLinkThere =
    VC_TEXT("Files", "it is a symbolic link, not a file, and was left alone");
inline constexpr Text FolderThere =
    VC_TEXT("Files", "it is a folder, not a file, and was left alone");
inline constexpr Text NamedPipeThere =
    VC_TEXT("Files", "it is a named pipe, not a file, and was left alone");
inline constexpr Text DeviceThere =
    VC_TEXT("Files", "it is a device, not a file, and was left alone");
inline constexpr Text SocketThere =
    VC_TEXT("Files", "it is a socket, not a file, and was left alone");
inline constexpr Text OtherThere =
    VC_TEXT("Files", "it is something other than a file, not a file, and was left alone");

// Why a step failed: an error number, or what lies at the path instead of a file.
struct Problem {
    int Error = 0;
    const Text* Kind = nullptr;  // &SymbolicLinkThere, &FolderThere, …

    explicit operator bool() const { return Error != 0 || Kind != nullptr; }
    std::string Reason() const;
    // The reason for a step on `path`: where the folder it names is not a folder, that.
    std::string ReasonAt(const fs::path& path) const;
};

// The platform's sentence for an error number, in the player's language where it has one.
std::string ErrorText(int error);
// A sentence of the system's about an error, in the player's language where the catalogues
// have it: the system writes it in English unless its own locale says otherwise.
std::string SystemSentence(const std::string& sentence);

// What lies at a path, looked at without opening it or following a link.
struct Seen {
    bool Exists = false;
    Problem Trouble;  // not a regular file, or the look itself failed
    unsigned Mode = 0666;
    long long Owner = -1, Group = -1;
};

// How a file is opened: never through a link, never waiting on a special file, never inherited.
enum class Access { Read, ReadWrite, CreateNew };

// The whole-file lock on an open lock file.
enum class LockResult { Locked, InUse, Failed };

class FileSystem {
  public:
    virtual ~FileSystem() = default;

    virtual Seen Look(const fs::path& path) = 0;
    // A descriptor, or -1 with errno set.
    virtual int Open(const fs::path& path, Access access, unsigned mode) = 0;
    virtual int Close(int fd) = 0;
    virtual long Read(int fd, unsigned char* data, std::size_t n) = 0;
    virtual long Write(int fd, const unsigned char* data, std::size_t n) = 0;
    virtual int Sync(int fd) = 0;
    // Removes a file at once (the lock file, leftovers); -1 with errno on failure.
    virtual int Unlink(const fs::path& path) = 0;
    // Removes a statistics file, waiting out another program's brief hold where the platform
    // has such holds. Value: 0 or the error.
    virtual int Delete(const fs::path& path) = 0;
    // Renames over `to` in one step, likewise. Value: 0 or the error.
    virtual int Rename(const fs::path& from, const fs::path& to) = 0;
    // Flushes the folder holding `file`, so that a rename or removal in it survives a power
    // cut. Value: 0 or the error.
    virtual int SyncFolder(const fs::path& file) = 0;

    // The open file's length; false where it is not a file on a disk.
    virtual bool RegularLength(int fd, std::uint64_t& length) = 0;
    // Gives a new file the permission bits, owner and group of the file it stands in for.
    virtual void KeepPermissions(int fd, const Seen& like) = 0;
    // Whether this user may write the file at `path`, or create it where there is none.
    virtual bool MayWrite(const fs::path& path, const Seen& seen) = 0;
    // Whether this user may create files in `folder`.
    virtual bool MayWriteFolder(const fs::path& folder) = 0;

    // Takes the lock, waiting until `deadline` for another copy to let it go; with Failed,
    // `error` says why.
    virtual LockResult Lock(int fd, const fs::path& lockFile, Clock::time_point deadline,
                            int& error) = 0;
    // Whether the locked file is still the one named `lockFile` (the copy that held the lock
    // before may have removed it).
    virtual bool StillNamed(int fd, const fs::path& lockFile) = 0;
    // Lets the lock go and closes the file.
    virtual void Unlock(int fd) = 0;
    // Removes the lock file while this copy holds it. Value: true where that let the lock go and
    // closed `fd` (Windows removes no open file).
    virtual bool RemoveLocked(int fd, const fs::path& lockFile) = 0;
};

// The platform's own calls.
class PlatformFileSystem : public FileSystem {
  public:
    // The one the program uses.
    static PlatformFileSystem& Instance();

    Seen Look(const fs::path& path) override;
    int Open(const fs::path& path, Access access, unsigned mode) override;
    int Close(int fd) override;
    long Read(int fd, unsigned char* data, std::size_t n) override;
    long Write(int fd, const unsigned char* data, std::size_t n) override;
    int Sync(int fd) override;
    int Unlink(const fs::path& path) override;
    int Delete(const fs::path& path) override;
    int Rename(const fs::path& from, const fs::path& to) override;
    int SyncFolder(const fs::path& file) override;
    bool RegularLength(int fd, std::uint64_t& length) override;
    void KeepPermissions(int fd, const Seen& like) override;
    bool MayWrite(const fs::path& path, const Seen& seen) override;
    bool MayWriteFolder(const fs::path& folder) override;
    LockResult Lock(int fd, const fs::path& lockFile, Clock::time_point deadline,
                    int& error) override;
    bool StillNamed(int fd, const fs::path& lockFile) override;
    void Unlock(int fd) override;
    bool RemoveLocked(int fd, const fs::path& lockFile) override;

  protected:
    // One try at the lock, without waiting or waiting until interrupted: an open file
    // description lock, or the classic record lock where the system has none of those (the only
    // kind on Windows). Value: 0 or the error.
    enum class LockKind { OpenFileDescription, Classic };
    virtual int TryLock(int fd, LockKind kind, bool wait);
};

// An open file descriptor of `system`, closed when it goes.
struct Fd {
    FileSystem* System = nullptr;
    int fd = -1;

    Fd() = default;
    Fd(FileSystem& system, int opened) : System(&system), fd(opened) {}
    Fd(Fd&& other) noexcept : System(other.System), fd(other.fd) { other.fd = -1; }
    Fd& operator=(Fd&&) = delete;
    ~Fd() { Close(); }
    int Close() {
        if (fd < 0) return 0;
        const int closed = System->Close(fd);
        fd = -1;
        return closed;
    }
};

}  // namespace vella::fileio
