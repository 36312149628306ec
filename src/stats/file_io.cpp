// The one file layer, on file descriptors: POSIX calls, or their counterparts in the Windows C
// runtime, with Win32 for what the runtime lacks (links, locks, replacing renames).
#include "stats/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <string>
#include <system_error>
#include <thread>
#include <utility>
#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <condition_variable>
#include <mutex>
#endif

namespace vella::fileio {
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

FaultHook& Hook() {
    static FaultHook hook;
    return hook;
}

ReadSource& Source() {
    static ReadSource source;
    return source;
}

int Fault(Step step, const fs::path& path) {
    return Hook() ? Hook()(step, path) : 0;
}

// Why a step failed: an error number, or what lies at the path instead of a file.
struct Problem {
    int Error = 0;
    const char* Kind = nullptr;  // "a symbolic link", "a folder", …

    explicit operator bool() const { return Error != 0 || Kind != nullptr; }
    std::string Reason() const {
        if (Kind) return std::string("it is ") + Kind + ", not a file, and was left alone";
#ifdef _WIN32
        if (Error == EBUSY) return "it is open in another program";  // see Patiently
#endif
        return std::error_code(Error, std::generic_category()).message();
    }
};

Status Failure(const char* what, const fs::path& path, const Problem& problem) {
    return Status{std::string("Could not ") + what + " " + Shown(path) + ": " + problem.Reason() +
                  "."};
}

// What lies at a path, looked at without opening it or following a link.
struct Seen {
    bool Exists = false;
    Problem Trouble;  // not a regular file, or the look itself failed
    unsigned Mode = 0666;
    long long Owner = -1, Group = -1;
};

// An open file descriptor, closed when it goes.
struct Fd {
    int fd = -1;

    Fd() = default;
    explicit Fd(int opened) : fd(opened) {}
    Fd(Fd&& other) noexcept : fd(std::exchange(other.fd, -1)) {}
    Fd& operator=(Fd&&) = delete;
    ~Fd() { Close(); }
    int Close();
};

#ifdef _WIN32

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

// Windows has no named pipes, devices or sockets among files; a link or junction is a reparse
// point, told by its attributes.
Seen Look(const fs::path& path) {
    Seen seen;
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const int error = FromWin(GetLastError());
        if (error != ENOENT) seen.Trouble.Error = error;
        return seen;
    }
    seen.Exists = true;
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) {
        seen.Trouble.Kind = "a symbolic link";
    } else if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
        seen.Trouble.Kind = "a folder";
    } else if (attributes & FILE_ATTRIBUTE_READONLY) {
        seen.Mode = 0444;
    }
    return seen;
}

int SysOpen(const fs::path& path, int flags, unsigned mode) {
    return _wopen(path.c_str(), flags | OpenFlags, (mode & 0222) ? _S_IREAD | _S_IWRITE : _S_IREAD);
}
constexpr int ReadOnly = _O_RDONLY;
constexpr int ReadWrite = _O_RDWR;
constexpr int Exclusive = _O_CREAT | _O_EXCL;

long SysRead(int fd, unsigned char* data, std::size_t n) {
    return _read(fd, data, static_cast<unsigned>(std::min<std::size_t>(n, 1u << 30)));
}
long SysWrite(int fd, const unsigned char* data, std::size_t n) {
    return _write(fd, data, static_cast<unsigned>(std::min<std::size_t>(n, 1u << 30)));
}
int SysSync(int fd) {
    return _commit(fd);
}
int SysUnlink(const fs::path& path) {
    return _wunlink(path.c_str());
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

// Removes a statistics file, waiting out another program's hold; the lock file, which other
// copies hold open while they wait, and leftovers go at once, with SysUnlink.
int SysDelete(const fs::path& path) {
    return Patiently(path, [&] { return DeleteFileW(path.c_str()) != 0; });
}

// The open file's length; false where it is not a file on a disk.
bool RegularLength(int fd, std::uint64_t& length) {
    struct _stat64 st {};
    if (_fstat64(fd, &st) != 0 || !(st.st_mode & _S_IFREG)) return false;
    length = static_cast<std::uint64_t>(st.st_size);
    return true;
}

void KeepPermissions(int, const Seen&) {}  // a new file takes its folder's access control list

bool MayWrite(const fs::path& path, const Seen& seen) {
    return seen.Exists
               ? (seen.Mode & 0222) != 0
               : fs::exists(path.parent_path().empty() ? fs::path(".") : path.parent_path());
}

int SysRename(const fs::path& from, const fs::path& to) {
    return Patiently(to, [&] {
        return MoveFileExW(from.c_str(), to.c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    });
}

// The rename was written through; Windows has no flush of a folder.
int SysSyncFolder(const fs::path&) {
    return 0;
}

#else

constexpr int OpenFlags = O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;

const char* Describe(mode_t mode) {
    if (S_ISLNK(mode)) return "a symbolic link";
    if (S_ISDIR(mode)) return "a folder";
    if (S_ISFIFO(mode)) return "a named pipe";
    if (S_ISCHR(mode) || S_ISBLK(mode)) return "a device";
    if (S_ISSOCK(mode)) return "a socket";
    return "something other than a file";
}

Seen Look(const fs::path& path) {
    Seen seen;
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) {
        if (errno != ENOENT) seen.Trouble.Error = errno;
        return seen;
    }
    seen.Exists = true;
    if (!S_ISREG(st.st_mode)) seen.Trouble.Kind = Describe(st.st_mode);
    seen.Mode = st.st_mode & 07777;
    seen.Owner = st.st_uid;
    seen.Group = st.st_gid;
    return seen;
}

int SysOpen(const fs::path& path, int flags, unsigned mode) {
    int fd;
    do fd = ::open(path.c_str(), flags | OpenFlags, static_cast<mode_t>(mode));
    while (fd < 0 && errno == EINTR);
    return fd;
}
constexpr int ReadOnly = O_RDONLY;
constexpr int ReadWrite = O_RDWR;
constexpr int Exclusive = O_CREAT | O_EXCL;

long SysRead(int fd, unsigned char* data, std::size_t n) {
    return ::read(fd, data, n);
}
long SysWrite(int fd, const unsigned char* data, std::size_t n) {
    return ::write(fd, data, n);
}
int SysSync(int fd) {
    return ::fsync(fd);
}
int SysUnlink(const fs::path& path) {
    return ::unlink(path.c_str());
}
int SysDelete(const fs::path& path) {
    return ::unlink(path.c_str()) == 0 ? 0 : errno;
}

bool RegularLength(int fd, std::uint64_t& length) {
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) return false;
    length = static_cast<std::uint64_t>(st.st_size);
    return true;
}

// The mode is set outright (the umask would narrow it), and the owner and group where the user
// may: the superuser gives the file back to its owner, anyone else keeps a group they are in.
void KeepPermissions(int fd, const Seen& like) {
    if (!like.Exists || like.Trouble) return;
    const auto group = static_cast<gid_t>(like.Group);
    if (::fchown(fd, static_cast<uid_t>(like.Owner), group) != 0 &&
        ::fchown(fd, static_cast<uid_t>(-1), group) != 0) {
        // not a group of this user's: the file keeps the user's own
    }
    if (::fchmod(fd, like.Mode & 0777) != 0) {
        // a file system without permission bits
    }
}

bool MayWrite(const fs::path& path, const Seen& seen) {
    if (seen.Exists) return ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0;
    const fs::path folder = path.parent_path().empty() ? fs::path(".") : path.parent_path();
    return ::faccessat(AT_FDCWD, folder.c_str(), W_OK, AT_EACCESS) == 0;
}

int SysRename(const fs::path& from, const fs::path& to) {
    return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

// A rename or removal survives a power cut only once the folder holding it is flushed too.
int SysSyncFolder(const fs::path& file) {
    const fs::path folder = file.parent_path().empty() ? fs::path(".") : file.parent_path();
    Fd dir{::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
    if (dir.fd < 0) return errno;
    if (::fsync(dir.fd) != 0 && errno != EINVAL) return errno;  // EINVAL: nothing to flush
    return 0;
}

#endif

int Fd::Close() {
    if (fd < 0) return 0;
#ifdef _WIN32
    const int closed = _close(fd);
#else
    const int closed = ::close(fd);
#endif
    fd = -1;
    return closed;
}

// Opens an existing regular file without following a link or waiting on a special file. No
// descriptor and no problem: there is no file.
Fd OpenRegular(const fs::path& path, int flags, Problem& problem, std::uint64_t& length) {
    const Seen seen = Look(path);
    problem = seen.Trouble;
    if (problem || !seen.Exists) return {};
    Fd f{SysOpen(path, flags, 0)};
    if (f.fd < 0) {
        if (errno != ENOENT) problem.Error = errno;
        return {};
    }
    if (!RegularLength(f.fd, length)) {
        problem.Kind = "something other than a file";
        return {};
    }
    return f;
}

// A new file takes the permission bits of the file it stands in for, where there is one.
unsigned NewMode(const Seen& like) {
    return like.Exists && !like.Trouble ? like.Mode & 0777 : 0666;
}

Status TooLarge(const fs::path& path) {
    return Status{"Could not read " + Shown(path) +
                  ": it is too large to be a statistics file, and was left alone."};
}

Status WriteAndSync(int fd, const fs::path& path, std::span<const unsigned char> bytes) {
    if (const int error = Fault(Step::Write, path)) {
        if (bytes.size() > 1) SysWrite(fd, bytes.data(), bytes.size() / 2);
        return Failure("write", path, {error});
    }
    for (std::size_t done = 0; done < bytes.size();) {
        const long n = SysWrite(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return Failure("write", path, {n < 0 ? errno : ENOSPC});
        done += static_cast<std::size_t>(n);
    }
    if (const int error = Fault(Step::Sync, path)) return Failure("write", path, {error});
    if (SysSync(fd) != 0) return Failure("write", path, {errno});
    return {};
}

Status SyncFolder(const fs::path& changed) {
    int error = Fault(Step::SyncFolder, changed);
    if (error == 0) error = SysSyncFolder(changed);
    if (error == 0) return {};
    Status unconfirmed{"The disk did not confirm the change to " + Shown(changed) + ": " +
                       Problem{error}.Reason() + "."};
    unconfirmed.Unconfirmed = true;
    return unconfirmed;
}

}  // namespace

std::string Shown(const fs::path& path) {
    std::error_code ec;
    const fs::path whole = fs::absolute(path, ec);
    return "\"" + (ec ? path : whole).lexically_normal().string() + "\"";
}

void SetFaultHook(FaultHook hook) {
    Hook() = std::move(hook);
}

void SetReadSource(ReadSource source) {
    Source() = std::move(source);
}

Result<Contents> ReadAll(const fs::path& path, std::uint64_t limit) {
    if (Source()) {
        const std::span<const unsigned char> bytes = Source()(path);
        if (bytes.size() > limit) return Result<Contents>::Failure(TooLarge(path));
        return Result<Contents>{{}, Contents{true, Bytes(bytes.begin(), bytes.end())}};
    }
    Problem problem;
    std::uint64_t length = 0;
    Fd f = OpenRegular(path, ReadOnly, problem, length);
    if (problem) return Result<Contents>::Failure(Failure("open", path, problem));
    if (f.fd < 0) return {};
    if (length > limit) return Result<Contents>::Failure(TooLarge(path));
    // The file may grow while it is read: read on to its end, but never past the limit.
    Result<Contents> result{{}, Contents{true, Bytes(static_cast<std::size_t>(length) + 1)}};
    Bytes& data = result.Value.Data;
    std::size_t got = 0;
    for (;;) {
        if (got == data.size()) {
            if (data.size() > limit) return Result<Contents>::Failure(TooLarge(path));
            data.resize(static_cast<std::size_t>(std::min<std::uint64_t>(limit + 1, got + 65536)));
        }
        const long n = SysRead(f.fd, data.data() + got, data.size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return Result<Contents>::Failure(Failure("read", path, {errno}));
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    data.resize(got);
    return result;
}

Result<std::optional<std::uint64_t>> Length(const fs::path& path) {
    using Answer = Result<std::optional<std::uint64_t>>;
    if (Source()) return Answer{{}, Source()(path).size()};
    Problem problem;
    std::uint64_t length = 0;
    const Fd f = OpenRegular(path, ReadOnly, problem, length);
    if (problem) return Answer::Failure(Failure("open", path, problem));
    if (f.fd < 0) return {};
    return Answer{{}, length};
}

bool Exists(const fs::path& path) {
    return Source() || Look(path).Exists;
}

Status CreateEmpty(const fs::path& path) {
    const Seen seen = Look(path);
    if (seen.Trouble) return Failure("create", path, seen.Trouble);
    if (seen.Exists) return {};
    if (const int error = Fault(Step::Create, path)) return Failure("create", path, {error});
    Fd made{SysOpen(path, ReadWrite | Exclusive, 0666)};
    if (made.fd < 0 && errno != EEXIST) return Failure("create", path, {errno});
    return {};
}

Status CheckWritable(const fs::path& path) {
    const Seen seen = Look(path);
    if (seen.Trouble) return Failure("write", path, seen.Trouble);
    if (seen.Exists && !MayWrite(path, seen)) return Failure("write", path, {EACCES});
    return {};
}

Status WriteAside(const fs::path& aside, const fs::path& to, std::span<const unsigned char> bytes,
                  const fs::path& like) {
    // Whatever lies at `aside` is left over from a crash, or was put there: it is removed, never
    // opened or followed.
    // Failures name the file being written, not the one it is written to first, unless
    // something in the way at `aside` is to blame.
    const Seen old = Look(aside);
    if (old.Trouble.Error != 0) return Failure("write", to, old.Trouble);
    if (old.Exists && SysUnlink(aside) != 0 && errno != ENOENT) {
        return Status{"Could not write " + Shown(to) + ": " + Shown(aside) + " is in the way (" +
                      (old.Trouble ? old.Trouble : Problem{errno}).Reason() + ")."};
    }
    const Seen model = Look(like);
    if (const int error = Fault(Step::Create, aside)) return Failure("write", to, {error});
    Fd f{SysOpen(aside, ReadWrite | Exclusive, NewMode(model))};
    if (f.fd < 0) return Failure("write", to, {errno});
    KeepPermissions(f.fd, model);
    Status written = WriteAndSync(f.fd, to, bytes);
    if (written.Ok() && f.Close() != 0) written = Failure("write", to, {errno});
    if (written.Ok()) {
        int error = Fault(Step::Rename, to);
        if (error == 0) error = SysRename(aside, to);
        if (error == 0) return SyncFolder(to);
        written = Failure("write", to, {error});
    }
    f.Close();
    SysUnlink(aside);
    return written;
}

Status Remove(const fs::path& path) {
    const Seen seen = Look(path);
    if (seen.Trouble) return Failure("delete", path, seen.Trouble);
    if (!seen.Exists) return {};
    int error = Fault(Step::Remove, path);
    if (error == 0) error = SysDelete(path);
    if (error != 0 && error != ENOENT) return Failure("delete", path, {error});
    return SyncFolder(path);
}

#ifndef _WIN32
namespace {

// Interrupts the thread that made it from `deadline` on, again and again until it goes, so that a
// blocking lock call returns EINTR there; waiting on the kernel's queue is fair to every copy,
// where polling lets one copy take the lock over and over.
class Alarm {
  public:
    explicit Alarm(Clock::time_point deadline)
        : target_(pthread_self()), thread_([this, deadline] { Run(deadline); }) {}
    ~Alarm() {
        {
            const std::lock_guard<std::mutex> hold(mutex_);
            stop_ = true;
        }
        wake_.notify_all();
        thread_.join();
    }
    bool Rang() const { return rang_; }

    static void Install() {
        static const bool installed = [] {
            struct sigaction action {};
            action.sa_handler = [](int) {};
            sigemptyset(&action.sa_mask);
            action.sa_flags = 0;  // no SA_RESTART: the lock call must return
            return ::sigaction(SIGRTMIN, &action, nullptr) == 0;
        }();
        (void)installed;
    }

  private:
    void Run(Clock::time_point deadline) {
        std::unique_lock<std::mutex> hold(mutex_);
        if (wake_.wait_until(hold, deadline, [this] { return stop_; })) return;
        rang_ = true;
        do pthread_kill(target_, SIGRTMIN);
        while (!wake_.wait_for(hold, std::chrono::milliseconds(5), [this] { return stop_; }));
    }

    pthread_t target_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool stop_ = false;
    std::atomic<bool> rang_ = false;
    std::thread thread_;
};

// One lock call on the whole lock file: an open file description lock, or a classic record lock
// where the kernel has none (EINVAL). The two kinds see each other. Value: 0 or the error.
int LockCall(int fd, bool wait, bool& classic, const fs::path& file) {
#ifndef F_OFD_SETLK
    classic = true;
#endif
    for (;;) {
        struct flock range {};
        range.l_type = F_WRLCK;
        range.l_whence = SEEK_SET;
        int error = Fault(classic ? Step::Lock : Step::OfdLock, file);
#ifdef F_OFD_SETLK
        const int command =
            classic ? (wait ? F_SETLKW : F_SETLK) : (wait ? F_OFD_SETLKW : F_OFD_SETLK);
#else
        const int command = wait ? F_SETLKW : F_SETLK;
#endif
        if (error == 0 && ::fcntl(fd, command, &range) == 0) return 0;
        if (error == 0) error = errno;
        if (error != EINVAL || classic) return error;
        classic = true;
    }
}

bool SameFile(int fd, const fs::path& path) {
    struct stat held {
    }, named{};
    return ::fstat(fd, &held) == 0 && ::lstat(path.c_str(), &named) == 0 &&
           held.st_dev == named.st_dev && held.st_ino == named.st_ino;
}

}  // namespace
#endif

Result<std::shared_ptr<FolderLock>> FolderLock::Acquire(const fs::path& lockFile,
                                                        const fs::path& dataFile, Need need,
                                                        std::chrono::milliseconds patience) {
    using Answer = Result<std::shared_ptr<FolderLock>>;
    std::shared_ptr<FolderLock> lock(new FolderLock);
    if (Source()) return Answer{{}, lock};  // nothing on the disk
    lock->file_ = lockFile;
    const auto deadline = Clock::now() + patience;
    // Reading goes on without the lock, and so does a writer where nothing can be written
    // anyway (each write then reports its own failure); otherwise the writer stops here.
    const auto refused = [&](const Problem& problem) {
        if (need == Need::Read || problem.Error == EROFS || !MayWrite(dataFile, Look(dataFile)))
            return Answer{{}, std::shared_ptr<FolderLock>(new FolderLock)};
        return Answer::Failure(Status{"Could not lock " + Shown(dataFile) + " with " +
                                      Shown(lockFile) + ": " + problem.Reason() + "."});
    };
    const auto inUse = [&] {
        return Answer::Failure(Status{"Could not open " + Shown(dataFile) +
                                      ": it is in use by another copy of Vellacode."});
    };
    for (;;) {
        const Seen seen = Look(lockFile);
        if (seen.Trouble) return refused(seen.Trouble);
        if (!seen.Exists && need == Need::Read) return Answer{{}, lock};
        Fd f{SysOpen(lockFile, ReadWrite, 0)};
        if (f.fd < 0 && errno == ENOENT) {
            if (need == Need::Read) return Answer{{}, lock};
            // Whoever may write the statistics may open their lock file for writing.
            const Seen data = Look(dataFile);
            f.fd = SysOpen(lockFile, ReadWrite | Exclusive, NewMode(data));
            if (f.fd < 0 && errno == EEXIST) continue;  // another copy made it first
            if (f.fd >= 0) KeepPermissions(f.fd, data);
        }
        if (f.fd < 0) return refused({errno});
        std::uint64_t length = 0;
        if (!RegularLength(f.fd, length)) return refused({0, "something other than a file"});
#ifdef _WIN32
        const HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(f.fd));
        int error = 0;
        for (;;) {  // Wine does not wait on an overlapped lock, so the wait polls
            error = Fault(Step::Lock, lockFile);
            OVERLAPPED start{};
            if (error == 0 &&
                LockFileEx(handle, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0,
                           &start))
                break;
            if (error == 0) error = GetLastError() == ERROR_LOCK_VIOLATION ? EAGAIN : EIO;
            if (error != EAGAIN) return refused({error});
            if (Clock::now() >= deadline) return inUse();
            Sleep(5);
        }
        // A file that is open cannot be removed or replaced on Windows: it is still the one named.
#else
        bool classic = false;
        int error = LockCall(f.fd, false, classic, lockFile);
        if (error == EAGAIN || error == EACCES) {
            Alarm::Install();
            const Alarm alarm(deadline);
            do error = LockCall(f.fd, true, classic, lockFile);
            while (error == EINTR && !alarm.Rang());
            if (error == EINTR) return inUse();
        }
        if (error != 0) return refused({error});
        // The copy that held it may have removed the lock file meanwhile: take the new one.
        if (!SameFile(f.fd, lockFile)) continue;
#endif
        lock->handle_ = f.fd;
        f.fd = -1;
        return Answer{{}, lock};
    }
}

void FolderLock::RemoveFile() {
    if (handle_ < 0) return;
    const int fd = static_cast<int>(handle_);
#ifdef _WIN32
    UnlockFile(reinterpret_cast<HANDLE>(_get_osfhandle(fd)), 0, 0, 1, 0);
    Fd closing(fd);
    closing.Close();
    handle_ = -1;
    SysUnlink(file_);  // fails, harmlessly, where another copy has it open already
#else
    if (SameFile(fd, file_)) SysUnlink(file_);
#endif
}

FolderLock::~FolderLock() {
    if (handle_ < 0) return;
#ifdef _WIN32
    UnlockFile(reinterpret_cast<HANDLE>(_get_osfhandle(static_cast<int>(handle_))), 0, 0, 1, 0);
#endif
    Fd closing(static_cast<int>(handle_));  // closing releases the lock
}

}  // namespace vella::fileio
