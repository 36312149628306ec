// The one file layer. Streams through C stdio so that a file can be flushed to the disk
// (fsync on POSIX, _commit on Windows) before the program relies on it.
#include "stats/file_io.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <string>
#include <system_error>
#include <thread>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace vella::fileio {
namespace fs = std::filesystem;

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

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

std::string Quoted(const fs::path& path) {
    return "\"" + path.filename().string() + "\"";
}

Status Failure(const char* what, const fs::path& path, int error) {
    return Status{std::string("Could not ") + what + " " + Quoted(path) + ": " +
                  std::error_code(error, std::generic_category()).message() + "."};
}

Status FailureFrom(const char* what, const fs::path& path, const std::error_code& ec) {
    return Status{std::string("Could not ") + what + " " + Quoted(path) + ": " + ec.message() +
                  "."};
}

int SyncToDisk(std::FILE* f) {
#ifdef _WIN32
    return _commit(_fileno(f));
#else
    return fsync(fileno(f));
#endif
}

// A rename is durable only once the folder holding it is flushed too (POSIX only).
void SyncFolder([[maybe_unused]] const fs::path& file) {
#ifndef _WIN32
    fs::path folder = file.parent_path();
    if (folder.empty()) folder = ".";
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#endif
}

File Open(const fs::path& path, const char* mode, Step step, int& error) {
    errno = 0;
    if ((error = Fault(step, path)) != 0) return nullptr;
    File f(std::fopen(path.string().c_str(), mode));
    error = f ? 0 : errno;
    return f;
}

Status WriteAndSync(std::FILE* f, const fs::path& path, std::span<const unsigned char> bytes) {
    if (const int error = Fault(Step::Write, path)) {
        if (bytes.size() > 1) std::fwrite(bytes.data(), 1, bytes.size() / 2, f);
        std::fflush(f);
        return Failure("write", path, error);
    }
    if ((!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size()) ||
        std::fflush(f) != 0) {
        return Failure("write", path, errno);
    }
    if (const int error = Fault(Step::Sync, path)) return Failure("write", path, error);
    if (SyncToDisk(f) != 0) return Failure("write", path, errno);
    return {};
}

Status CreateEmpty(const fs::path& path) {
    int error = 0;
    File made = Open(path, "ab", Step::Create, error);
    return made ? Status{} : Failure("create", path, error);
}

}  // namespace

void SetFaultHook(FaultHook hook) {
    Hook() = std::move(hook);
}

void SetReadSource(ReadSource source) {
    Source() = std::move(source);
}

Result<Bytes> ReadAll(const fs::path& path, bool create) {
    if (Source()) {
        const std::span<const unsigned char> bytes = Source()(path);
        return Result<Bytes>{{}, Bytes(bytes.begin(), bytes.end())};
    }
    std::error_code ec;
    if (fs::is_directory(path, ec)) return Result<Bytes>::Failure(Failure("open", path, EISDIR));
    errno = 0;
    File f(std::fopen(path.string().c_str(), "rb"));
    if (!f) {
        if (errno != ENOENT) return Result<Bytes>::Failure(Failure("open", path, errno));
        if (create) {
            Status made = CreateEmpty(path);
            if (!made.Ok()) return Result<Bytes>::Failure(made);
        }
        return {};
    }
    Result<Bytes> result;
    const auto expected = fs::file_size(path, ec);
    result.Value.resize(ec ? 0 : expected);
    std::size_t got =
        result.Value.empty() ? 0 : std::fread(result.Value.data(), 1, result.Value.size(), f.get());
    // The file may have grown since its length was taken; read on to its end.
    unsigned char buffer[4096];
    for (std::size_t n = 0;
         got == result.Value.size() && (n = std::fread(buffer, 1, sizeof buffer, f.get())) > 0;) {
        result.Value.insert(result.Value.end(), buffer, buffer + n);
        got += n;
    }
    if (std::ferror(f.get())) return Result<Bytes>::Failure(Failure("read", path, errno));
    result.Value.resize(got);
    return result;
}

Result<std::uint64_t> Length(const fs::path& path, bool create) {
    if (Source()) return Result<std::uint64_t>{{}, Source()(path).size()};
    std::error_code ec;
    const auto status = fs::status(path, ec);
    if (status.type() == fs::file_type::not_found) {
        if (!create) return {};
        Status made = CreateEmpty(path);
        if (!made.Ok()) return Result<std::uint64_t>::Failure(made);
        return {};
    }
    if (ec) return Result<std::uint64_t>::Failure(FailureFrom("open", path, ec));
    if (status.type() == fs::file_type::directory) {
        return Result<std::uint64_t>::Failure(Failure("open", path, EISDIR));
    }
    const auto length = fs::file_size(path, ec);
    if (ec) return Result<std::uint64_t>::Failure(FailureFrom("open", path, ec));
    return Result<std::uint64_t>{{}, length};
}

Status WriteAt(const fs::path& path, std::uint64_t offset, std::span<const unsigned char> bytes) {
    std::error_code ec;
    const bool existed = fs::exists(path, ec);
    const std::uint64_t oldLength = existed ? fs::file_size(path, ec) : 0;
    int error = 0;
    File f = Open(path, existed ? "r+b" : "w+b", Step::OpenForWrite, error);
    if (!f) return Failure("open", path, error);
    // Keep what the write covers, to put it back if the write fails part-way.
    Bytes old(oldLength > offset ? std::min<std::uint64_t>(oldLength - offset, bytes.size()) : 0);
    if (std::fseek(f.get(), static_cast<long>(offset), SEEK_SET) != 0 ||
        (!old.empty() && std::fread(old.data(), 1, old.size(), f.get()) != old.size()) ||
        std::fseek(f.get(), static_cast<long>(offset), SEEK_SET) != 0) {
        return Failure("write", path, errno);
    }
    Status written = WriteAndSync(f.get(), path, bytes);
    if (!written.Ok()) {
        std::fseek(f.get(), static_cast<long>(offset), SEEK_SET);
        if (!old.empty()) std::fwrite(old.data(), 1, old.size(), f.get());
        std::fflush(f.get());
        f.reset();
        fs::resize_file(path, oldLength, ec);
    }
    return written;
}

Status WriteNew(const fs::path& path, std::span<const unsigned char> bytes) {
    int error = 0;
    File f = Open(path, "wb", Step::Create, error);
    if (!f) return Failure("create", path, error);
    return WriteAndSync(f.get(), path, bytes);
}

Status Replace(const fs::path& from, const fs::path& to) {
    if (const int error = Fault(Step::Rename, to)) return Failure("replace", to, error);
    std::error_code ec;
    fs::rename(from, to, ec);
    if (ec) return FailureFrom("replace", to, ec);
    SyncFolder(to);
    return {};
}

Status Remove(const fs::path& path) {
    std::error_code ec;
    if (fs::is_directory(path, ec)) return Failure("delete", path, EISDIR);
    if (!fs::exists(path, ec)) return {};
    if (const int error = Fault(Step::Remove, path)) return Failure("delete", path, error);
    fs::remove(path, ec);
    if (ec) return FailureFrom("delete", path, ec);
    SyncFolder(path);
    return {};
}

// The lock is a record lock on a small file beside the statistics files (POSIX; open file
// description locks where the system has them, which also work on network file systems), or a
// mutex named after the folder (Windows): the statistics file itself may be missing, or be
// replaced by a rename, while the lock is held.
Result<std::shared_ptr<FolderLock>> FolderLock::Acquire(const fs::path& folder,
                                                        const fs::path& shownFile,
                                                        std::chrono::milliseconds patience) {
    const fs::path where = folder.empty() ? fs::path(".") : folder;
    std::shared_ptr<FolderLock> lock(new FolderLock);
    if (Source()) return Result<std::shared_ptr<FolderLock>>{{}, lock};  // nothing on the disk
    const auto inUse = [&] {
        return Result<std::shared_ptr<FolderLock>>::Failure(
            Status{"Could not open " + Quoted(shownFile) +
                   ": it is in use by another copy of Vellacode."});
    };
#ifdef _WIN32
    if (Fault(Step::Lock, where) != 0) return Result<std::shared_ptr<FolderLock>>{{}, lock};
    std::error_code ec;
    std::wstring name =
        L"Local\\Vellacode-" +
        std::to_wstring(std::hash<std::wstring>{}(fs::weakly_canonical(where, ec).wstring()));
    HANDLE mutex = CreateMutexW(nullptr, FALSE, name.c_str());
    if (!mutex) return Result<std::shared_ptr<FolderLock>>{{}, lock};
    const DWORD waited = WaitForSingleObject(mutex, static_cast<DWORD>(patience.count()));
    if (waited != WAIT_OBJECT_0 && waited != WAIT_ABANDONED) {
        CloseHandle(mutex);
        return inUse();
    }
    lock->handle_ = reinterpret_cast<std::intptr_t>(mutex);
#else
    const auto deadline = std::chrono::steady_clock::now() + patience;
    const fs::path lockFile = where / LockFileName;
    const int fd = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    // A folder that cannot hold the lock file cannot be written either: reading goes on, and
    // each write reports its own failure.
    if (fd < 0) return Result<std::shared_ptr<FolderLock>>{{}, lock};
#ifdef F_OFD_SETLK
    constexpr int SetLock = F_OFD_SETLK;
#else
    constexpr int SetLock = F_SETLK;
#endif
    for (;;) {
        struct flock range {};
        range.l_type = F_WRLCK;
        range.l_whence = SEEK_SET;
        int error = Fault(Step::Lock, lockFile);
        if (error == 0 && ::fcntl(fd, SetLock, &range) == 0) break;
        if (error == 0) error = errno;
        if (error == EINTR) continue;
        if (error != EAGAIN && error != EACCES) {  // no locking here: go on without it
            ::close(fd);
            return Result<std::shared_ptr<FolderLock>>{{}, lock};
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            ::close(fd);
            return inUse();
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    lock->handle_ = fd;
#endif
    return Result<std::shared_ptr<FolderLock>>{{}, lock};
}

FolderLock::~FolderLock() {
#ifdef _WIN32
    if (handle_ != -1) {
        ReleaseMutex(reinterpret_cast<HANDLE>(handle_));
        CloseHandle(reinterpret_cast<HANDLE>(handle_));
    }
#else
    if (handle_ >= 0) ::close(static_cast<int>(handle_));  // closing releases the lock
#endif
}

}  // namespace vella::fileio
