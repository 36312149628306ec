// The file layer's calls on POSIX systems.
#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>

#include "stats/file_system.h"

namespace vella::fileio {
namespace {

constexpr int OpenFlags = O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;

const Text* Describe(mode_t mode) {
    if (S_ISLNK(mode)) return &SymbolicLinkThere;
    if (S_ISDIR(mode)) return &FolderThere;
    if (S_ISFIFO(mode)) return &NamedPipeThere;
    if (S_ISCHR(mode) || S_ISBLK(mode)) return &DeviceThere;
    if (S_ISSOCK(mode)) return &SocketThere;
    return &OtherThere;
}

fs::path FolderOf(const fs::path& file) {
    return file.parent_path().empty() ? fs::path(".") : file.parent_path();
}

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
            struct sigaction action = {};
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

}  // namespace

PlatformFileSystem& PlatformFileSystem::Instance() {
    static PlatformFileSystem system;
    return system;
}

std::string ErrorText(int error) {
    return SystemSentence(std::error_code(error, std::generic_category()).message());
}

Seen PlatformFileSystem::Look(const fs::path& path) {
    Seen seen;
    struct stat st = {};
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

int PlatformFileSystem::Close(int fd) {
    return ::close(fd);
}

int PlatformFileSystem::Open(const fs::path& path, Access access, unsigned mode) {
    const int flags = access == Access::Read        ? O_RDONLY
                      : access == Access::ReadWrite ? O_RDWR
                                                    : O_RDWR | O_CREAT | O_EXCL;
    int fd;
    do fd = ::open(path.c_str(), flags | OpenFlags, static_cast<mode_t>(mode));
    while (fd < 0 && errno == EINTR);
    return fd;
}

long PlatformFileSystem::Read(int fd, unsigned char* data, std::size_t n) {
    return ::read(fd, data, n);
}

long PlatformFileSystem::Write(int fd, const unsigned char* data, std::size_t n) {
    return ::write(fd, data, n);
}

int PlatformFileSystem::Sync(int fd) {
    return ::fsync(fd);
}

int PlatformFileSystem::Unlink(const fs::path& path) {
    return ::unlink(path.c_str());
}

int PlatformFileSystem::Delete(const fs::path& path) {
    return ::unlink(path.c_str()) == 0 ? 0 : errno;
}

int PlatformFileSystem::Rename(const fs::path& from, const fs::path& to) {
    return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

int PlatformFileSystem::SyncFolder(const fs::path& file) {
    const int dir = ::open(FolderOf(file).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0) return errno;
    const int error = ::fsync(dir) != 0 && errno != EINVAL ? errno : 0;  // EINVAL: nothing to flush
    ::close(dir);
    return error;
}

bool PlatformFileSystem::RegularLength(int fd, std::uint64_t& length) {
    struct stat st = {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) return false;
    length = static_cast<std::uint64_t>(st.st_size);
    return true;
}

// The mode is set outright (the umask would narrow it), and the owner and group where the user
// may: the superuser gives the file back to its owner, anyone else keeps a group they are in.
void PlatformFileSystem::KeepPermissions(int fd, const Seen& like) {
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

bool PlatformFileSystem::MayWrite(const fs::path& path, const Seen& seen) {
    if (seen.Exists) return ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0;
    return MayWriteFolder(FolderOf(path));
}

bool PlatformFileSystem::MayWriteFolder(const fs::path& folder) {
    return ::faccessat(AT_FDCWD, folder.c_str(), W_OK, AT_EACCESS) == 0;
}

// An open file description lock, or a classic record lock where the kernel has none (EINVAL).
// The two kinds see each other.
int PlatformFileSystem::TryLock(int fd, LockKind kind, bool wait) {
    struct flock range = {};
    range.l_type = F_WRLCK;
    range.l_whence = SEEK_SET;
#ifdef F_OFD_SETLK
    const int command = kind == LockKind::Classic ? (wait ? F_SETLKW : F_SETLK)
                                                  : (wait ? F_OFD_SETLKW : F_OFD_SETLK);
#else
    (void)kind;
    const int command = wait ? F_SETLKW : F_SETLK;
#endif
    return ::fcntl(fd, command, &range) == 0 ? 0 : errno;
}

LockResult PlatformFileSystem::Lock(int fd, const fs::path&, Clock::time_point deadline,
                                    int& error) {
#ifdef F_OFD_SETLK
    LockKind kind = LockKind::OpenFileDescription;
#else
    LockKind kind = LockKind::Classic;
#endif
    const auto lockCall = [&](bool wait) {
        int failed = TryLock(fd, kind, wait);
        if (failed == EINVAL && kind != LockKind::Classic) {
            kind = LockKind::Classic;
            failed = TryLock(fd, kind, wait);
        }
        return failed;
    };
    error = lockCall(false);
    if (error == EAGAIN || error == EACCES) {
        Alarm::Install();
        const Alarm alarm(deadline);
        do error = lockCall(true);
        while (error == EINTR && !alarm.Rang());
        if (error == EINTR) return LockResult::InUse;
    }
    return error == 0 ? LockResult::Locked : LockResult::Failed;
}

bool PlatformFileSystem::StillNamed(int fd, const fs::path& lockFile) {
    struct stat held = {}, named = {};
    return ::fstat(fd, &held) == 0 && ::lstat(lockFile.c_str(), &named) == 0 &&
           held.st_dev == named.st_dev && held.st_ino == named.st_ino;
}

void PlatformFileSystem::Unlock(int fd) {
    ::close(fd);  // closing releases the lock
}

// The lock is kept until the operation ends: a copy that waited for it then finds that it holds
// a file no longer there, and takes the lock again.
bool PlatformFileSystem::RemoveLocked(int fd, const fs::path& lockFile) {
    if (StillNamed(fd, lockFile)) Unlink(lockFile);
    return false;
}

}  // namespace vella::fileio
