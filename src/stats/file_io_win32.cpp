// The file layer's calls on Windows: the C runtime's descriptors, with Win32 for what the runtime
// lacks (links, locks, replacing renames).
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

#include <algorithm>
#include <cerrno>
#include <system_error>

#include "stats/file_system.h"

namespace vella::fileio {
namespace {

constexpr int OpenFlags = _O_BINARY | _O_NOINHERIT;

int FromWin(DWORD error) {
    switch (error) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
            return ENOENT;
        case ERROR_ACCESS_DENIED:
            return EACCES;
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
            return EBUSY;
        case ERROR_FILE_EXISTS:
        case ERROR_ALREADY_EXISTS:
            return EEXIST;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return ENOSPC;
        case ERROR_WRITE_PROTECT:
            return EROFS;
        default:
            return EIO;
    }
}

// Whether another program has the file open without letting it be deleted.
bool HeldOpen(const fs::path& path) {
    const HANDLE file =
        CreateFileW(path.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    return file == INVALID_HANDLE_VALUE && GetLastError() == ERROR_SHARING_VIOLATION;
}

// A file that another program has open (a virus scanner, a backup, an editor) can be neither
// replaced nor removed, and Windows says so as it says "no permission": the change is tried
// again for up to two seconds, and then fails with EBUSY where the file is still held open.
// Value: 0 or the error.
template <class Change>
int Patiently(const fs::path& target, Change change) {
    const auto deadline = Clock::now() + std::chrono::seconds(2);
    for (;;) {
        if (change()) return 0;
        const DWORD error = GetLastError();
        if (error != ERROR_ACCESS_DENIED && error != ERROR_SHARING_VIOLATION) return FromWin(error);
        if (Clock::now() >= deadline) return HeldOpen(target) ? EBUSY : FromWin(error);
        Sleep(20);
    }
}

HANDLE Handle(int fd) {
    return reinterpret_cast<HANDLE>(_get_osfhandle(fd));
}

}  // namespace

PlatformFileSystem& PlatformFileSystem::Instance() {
    static PlatformFileSystem system;
    return system;
}

std::string ErrorText(int error) {
    // Another program holds the file open (see Patiently).
    //: The reason at the end of "Could not write %1: %2." and the like.
    if (error == EBUSY) return Tr("Files", "it is open in another program");
    return SystemSentence(std::error_code(error, std::generic_category()).message());
}

// Windows has no named pipes, devices or sockets among files; a link or junction is a reparse
// point, told by its attributes.
Seen PlatformFileSystem::Look(const fs::path& path) {
    Seen seen;
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const int error = FromWin(GetLastError());
        if (error != ENOENT) seen.Trouble.Error = error;
        return seen;
    }
    seen.Exists = true;
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) {
        seen.Trouble.Kind = &SymbolicLinkThere;
    } else if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
        seen.Trouble.Kind = &FolderThere;
    } else if (attributes & FILE_ATTRIBUTE_READONLY) {
        seen.Mode = 0444;
    }
    return seen;
}

int PlatformFileSystem::Close(int fd) {
    return _close(fd);
}

int PlatformFileSystem::Open(const fs::path& path, Access access, unsigned mode) {
    const int flags = access == Access::Read        ? _O_RDONLY
                      : access == Access::ReadWrite ? _O_RDWR
                                                    : _O_RDWR | _O_CREAT | _O_EXCL;
    return _wopen(path.c_str(), flags | OpenFlags, (mode & 0222) ? _S_IREAD | _S_IWRITE : _S_IREAD);
}

long PlatformFileSystem::Read(int fd, unsigned char* data, std::size_t n) {
    return _read(fd, data, static_cast<unsigned>(std::min<std::size_t>(n, 1u << 30)));
}

long PlatformFileSystem::Write(int fd, const unsigned char* data, std::size_t n) {
    return _write(fd, data, static_cast<unsigned>(std::min<std::size_t>(n, 1u << 30)));
}

int PlatformFileSystem::Sync(int fd) {
    return _commit(fd);
}

int PlatformFileSystem::Unlink(const fs::path& path) {
    return _wunlink(path.c_str());
}

// Waits out another program's hold; the lock file, which other copies hold open while they
// wait, and leftovers go at once, with Unlink.
int PlatformFileSystem::Delete(const fs::path& path) {
    return Patiently(path, [&] { return DeleteFileW(path.c_str()) != 0; });
}

int PlatformFileSystem::Rename(const fs::path& from, const fs::path& to) {
    return Patiently(to, [&] {
        return MoveFileExW(from.c_str(), to.c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    });
}

// The rename was written through; Windows has no flush of a folder.
int PlatformFileSystem::SyncFolder(const fs::path&) {
    return 0;
}

bool PlatformFileSystem::RegularLength(int fd, std::uint64_t& length) {
    struct _stat64 st = {};
    if (_fstat64(fd, &st) != 0 || !(st.st_mode & _S_IFREG)) return false;
    length = static_cast<std::uint64_t>(st.st_size);
    return true;
}

// A new file takes its folder's access control list.
void PlatformFileSystem::KeepPermissions(int, const Seen&) {}

bool PlatformFileSystem::MayWrite(const fs::path& path, const Seen& seen) {
    return seen.Exists
               ? (seen.Mode & 0222) != 0
               : fs::exists(path.parent_path().empty() ? fs::path(".") : path.parent_path());
}

// Windows answers for a folder's access control list only by trying; a folder that is there is
// taken as writable, and a refusal is reported by the step that meets it.
bool PlatformFileSystem::MayWriteFolder(const fs::path& folder) {
    std::error_code ec;
    return fs::is_directory(folder, ec);
}

// Windows has only the one kind of lock.
int PlatformFileSystem::TryLock(int fd, LockKind, bool) {
    OVERLAPPED start{};
    if (LockFileEx(Handle(fd), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0,
                   &start)) {
        return 0;
    }
    return GetLastError() == ERROR_LOCK_VIOLATION ? EAGAIN : EIO;
}

// Wine does not wait on an overlapped lock, so the wait polls.
LockResult PlatformFileSystem::Lock(int fd, const fs::path&, Clock::time_point deadline,
                                    int& error) {
    for (;;) {
        error = TryLock(fd, LockKind::Classic, false);
        if (error == 0) return LockResult::Locked;
        if (error != EAGAIN) return LockResult::Failed;
        if (Clock::now() >= deadline) return LockResult::InUse;
        Sleep(5);
    }
}

// A file that is open cannot be removed or replaced on Windows: it is still the one named.
bool PlatformFileSystem::StillNamed(int, const fs::path&) {
    return true;
}

void PlatformFileSystem::Unlock(int fd) {
    UnlockFile(Handle(fd), 0, 0, 1, 0);
    _close(fd);
}

bool PlatformFileSystem::RemoveLocked(int fd, const fs::path& lockFile) {
    Unlock(fd);
    Unlink(lockFile);  // fails, harmlessly, where another copy has it open already
    return true;
}

}  // namespace vella::fileio
