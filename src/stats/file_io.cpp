// The one file layer, on the system calls of a FileSystem.
#include "stats/file_io.h"

#include <algorithm>
#include <cerrno>
#include <string>
#include <utility>

namespace vella::fileio {
namespace fs = std::filesystem;

namespace {

// What a step could not do, each with %1 for the file and %2 for the reason.
constexpr Text CouldNotOpen = VC_TEXT("Files", "Could not open %1: %2.");
constexpr Text CouldNotRead = VC_TEXT("Files", "Could not read %1: %2.");
constexpr Text CouldNotWrite = VC_TEXT("Files", "Could not write %1: %2.");
constexpr Text CouldNotCreate = VC_TEXT("Files", "Could not create %1: %2.");
constexpr Text CouldNotDelete = VC_TEXT("Files", "Could not delete %1: %2.");

Status Failure(Text sentence, const fs::path& path, const Problem& problem) {
    return Status{Fill(Tr(sentence), {Shown(path), problem.ReasonAt(path)})};
}

// Opens an existing regular file without following a link or waiting on a special file. No
// descriptor and no problem: there is no file.
Fd OpenRegular(FileSystem& system, const fs::path& path, Problem& problem, std::uint64_t& length) {
    const Seen seen = system.Look(path);
    problem = seen.Trouble;
    if (problem || !seen.Exists) return {};
    Fd f{system, system.Open(path, Access::Read, 0)};
    if (f.fd < 0) {
        if (errno != ENOENT) problem.Error = errno;
        return {};
    }
    if (!system.RegularLength(f.fd, length)) {
        problem.Kind = &OtherThere;
        return {};
    }
    return f;
}

// A new file takes the permission bits of the file it stands in for, where there is one.
unsigned NewMode(const Seen& like) {
    return like.Exists && !like.Trouble ? like.Mode & 0777 : 0666;
}

Status TooLarge(const fs::path& path) {
    return Status{
        Fill(Tr("Files",
                "Could not read %1: it is too large to be a statistics file, and was left alone."),
             {Shown(path)})};
}

Status WriteAndSync(FileSystem& system, int fd, const fs::path& path,
                    std::span<const unsigned char> bytes) {
    for (std::size_t done = 0; done < bytes.size();) {
        const long n = system.Write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return Failure(CouldNotWrite, path, {n < 0 ? errno : ENOSPC});
        done += static_cast<std::size_t>(n);
    }
    if (system.Sync(fd) != 0) return Failure(CouldNotWrite, path, {errno});
    return {};
}

Status FlushFolder(FileSystem& system, const fs::path& changed) {
    const int error = system.SyncFolder(changed);
    if (error == 0) return {};
    Status unconfirmed{Fill(Tr("Files", "The disk did not confirm the change to %1: %2."),
                            {Shown(changed), Problem{error}.Reason()})};
    unconfirmed.Unconfirmed = true;
    return unconfirmed;
}

// The system's sentences about the errors a statistics file meets, marked here for the
// catalogues: SystemSentence looks up whichever the system gives.
[[maybe_unused]] constexpr Text SystemSentences[] = {
    VC_TEXT("Files", "Permission denied"),
    VC_TEXT("Files", "Operation not permitted"),
    VC_TEXT("Files", "No space left on device"),
    VC_TEXT("Files", "Disk quota exceeded"),
    VC_TEXT("Files", "Read-only file system"),
    VC_TEXT("Files", "No such file or directory"),
    VC_TEXT("Files", "Input/output error"),
    VC_TEXT("Files", "File exists"),
    VC_TEXT("Files", "Not a directory"),
    VC_TEXT("Files", "Is a directory"),
    VC_TEXT("Files", "Too many open files"),
    VC_TEXT("Files", "File name too long"),
    VC_TEXT("Files", "Device or resource busy"),
    VC_TEXT("Files", "Too many levels of symbolic links"),
    VC_TEXT("Files", "Resource temporarily unavailable"),
    VC_TEXT("Files", "No locks available"),
};

}  // namespace

std::string SystemSentence(const std::string& sentence) {
    return Tr("Files", sentence.c_str());
}

std::string Problem::ReasonAt(const fs::path& path) const {
    if (Error == ENOTDIR) {
        //: The reason at the end of "Could not open %1: %2." and the like; %1 is a folder.
        return Fill(Tr("Files", "%1 is not a folder"), {Shown(path.parent_path())});
    }
    return Reason();
}

std::string Problem::Reason() const {
    if (Kind) return Tr(*Kind);
    return ErrorText(Error);
}

std::string Shown(const fs::path& path) {
    std::error_code ec;
    const fs::path whole = fs::absolute(path, ec);
    return "\"" + (ec ? path : whole).lexically_normal().string() + "\"";
}

Result<Contents> ReadAll(FileSystem& system, const fs::path& path, std::uint64_t limit) {
    Problem problem;
    std::uint64_t length = 0;
    Fd f = OpenRegular(system, path, problem, length);
    if (problem) return Result<Contents>::Failure(Failure(CouldNotOpen, path, problem));
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
        const long n = system.Read(f.fd, data.data() + got, data.size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return Result<Contents>::Failure(Failure(CouldNotRead, path, {errno}));
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    data.resize(got);
    return result;
}

Result<std::optional<std::uint64_t>> Length(FileSystem& system, const fs::path& path) {
    using Answer = Result<std::optional<std::uint64_t>>;
    Problem problem;
    std::uint64_t length = 0;
    const Fd f = OpenRegular(system, path, problem, length);
    if (problem) return Answer::Failure(Failure(CouldNotOpen, path, problem));
    if (f.fd < 0) return {};
    return Answer{{}, length};
}

bool Exists(FileSystem& system, const fs::path& path) {
    return system.Look(path).Exists;
}

Status CreateEmpty(FileSystem& system, const fs::path& path) {
    const Seen seen = system.Look(path);
    if (seen.Trouble) return Failure(CouldNotCreate, path, seen.Trouble);
    if (seen.Exists) return {};
    Fd made{system, system.Open(path, Access::CreateNew, 0666)};
    if (made.fd < 0 && errno != EEXIST) return Failure(CouldNotCreate, path, {errno});
    return {};
}

Status CheckWritable(FileSystem& system, const fs::path& path) {
    const Seen seen = system.Look(path);
    if (seen.Trouble) return Failure(CouldNotWrite, path, seen.Trouble);
    if (seen.Exists && !system.MayWrite(path, seen)) return Failure(CouldNotWrite, path, {EACCES});
    return {};
}

Status CheckReplaceable(FileSystem& system, const fs::path& path) {
    Status replaceable = CheckWritable(system, path);
    const fs::path folder = path.parent_path().empty() ? fs::path(".") : path.parent_path();
    if (replaceable.Ok() && !system.MayWriteFolder(folder)) {
        replaceable = Failure(CouldNotWrite, path, {EACCES});
    }
    return replaceable;
}

Status WriteAside(FileSystem& system, const fs::path& aside, const fs::path& to,
                  std::span<const unsigned char> bytes, const fs::path& like) {
    // Whatever lies at `aside` is left over from a crash, or was put there: it is removed, never
    // opened or followed.
    // Failures name the file being written, not the one it is written to first, unless
    // something in the way at `aside` is to blame.
    const Seen old = system.Look(aside);
    if (old.Trouble.Error != 0) return Failure(CouldNotWrite, to, old.Trouble);
    if (old.Exists && system.Unlink(aside) != 0 && errno != ENOENT) {
        return Status{"Could not write " + Shown(to) + ": " + Shown(aside) + " is in the way (" +
                      (old.Trouble ? old.Trouble : Problem{errno}).Reason() + ")."};
    }
    const Seen model = system.Look(like);
    Fd f{system, system.Open(aside, Access::CreateNew, NewMode(model))};
    if (f.fd < 0) return Failure(CouldNotWrite, to, {errno});
    system.KeepPermissions(f.fd, model);
    Status written = WriteAndSync(system, f.fd, to, bytes);
    if (written.Ok() && f.Close() != 0) written = Failure(CouldNotWrite, to, {errno});
    if (written.Ok()) {
        const int error = system.Rename(aside, to);
        if (error == 0) return FlushFolder(system, to);
        written = Failure(CouldNotWrite, to, {error});
    }
    f.Close();
    system.Unlink(aside);
    return written;
}

Status Remove(FileSystem& system, const fs::path& path) {
    const Seen seen = system.Look(path);
    if (seen.Trouble) return Failure(CouldNotDelete, path, seen.Trouble);
    if (!seen.Exists) return {};
    const int error = system.Delete(path);
    if (error != 0 && error != ENOENT) return Failure(CouldNotDelete, path, {error});
    return FlushFolder(system, path);
}

namespace {

// Why a writer cannot have the lock; nothing where nothing can be written anyway (a read-only
// file system, no permission), since each write then reports its own failure.
Status LockRefusal(FileSystem& system, const fs::path& lockFile, const fs::path& dataFile,
                   const Problem& problem) {
    if (problem.Error == EROFS || !system.MayWrite(dataFile, system.Look(dataFile))) return {};
    return Status{Fill(Tr("Files", "Could not lock %1 with %2: %3."),
                       {Shown(dataFile), Shown(lockFile), problem.ReasonAt(lockFile)})};
}

// What became of opening the lock file.
enum class Opened { File, NoFile, Raced };

// Opens the lock file, creating it where a writer finds none. A reader that finds none has
// NoFile; a writer whose new file another copy made first has Raced, and tries again.
Opened OpenLockFile(FileSystem& system, const fs::path& lockFile, const fs::path& dataFile,
                    Need need, Fd& f, Problem& problem) {
    const Seen seen = system.Look(lockFile);
    problem = seen.Trouble;
    if (problem) return Opened::NoFile;
    if (!seen.Exists && need == Need::Read) return Opened::NoFile;
    f.System = &system;
    f.fd = system.Open(lockFile, Access::ReadWrite, 0);
    if (f.fd < 0 && errno == ENOENT) {
        if (need == Need::Read) return Opened::NoFile;
        // Whoever may write the statistics may open their lock file for writing.
        const Seen data = system.Look(dataFile);
        f.fd = system.Open(lockFile, Access::CreateNew, NewMode(data));
        if (f.fd < 0 && errno == EEXIST) return Opened::Raced;
        if (f.fd >= 0) system.KeepPermissions(f.fd, data);
    }
    std::uint64_t length = 0;
    if (f.fd < 0) {
        problem.Error = errno;
    } else if (!system.RegularLength(f.fd, length)) {
        problem.Kind = &OtherThere;
    }
    return problem ? Opened::NoFile : Opened::File;
}

}  // namespace

Status CheckLockFile(FileSystem& system, const fs::path& lockFile, const fs::path& dataFile) {
    const Seen seen = system.Look(lockFile);
    if (seen.Trouble) return LockRefusal(system, lockFile, dataFile, seen.Trouble);
    // A lock file this user may not open, or could not create.
    if (!system.MayWrite(lockFile, seen)) return LockRefusal(system, lockFile, dataFile, {EACCES});
    return {};
}

Result<FolderLock> FolderLock::Acquire(FileSystem& system, const fs::path& lockFile,
                                       const fs::path& dataFile, Need need,
                                       std::chrono::milliseconds patience) {
    using Answer = Result<FolderLock>;
    const auto deadline = Clock::now() + patience;
    // Reading goes on without the lock, and so does a writer where nothing can be written
    // anyway; otherwise the writer stops here.
    const auto refused = [&](const Problem& problem) {
        if (need == Need::Read) return Answer{{}, FolderLock(system, State::ReadWithoutLock)};
        const Status refusal = LockRefusal(system, lockFile, dataFile, problem);
        if (refusal.Ok()) return Answer{{}, FolderLock(system, State::CannotWrite)};
        return Answer::Failure(refusal);
    };
    for (;;) {
        Fd f;
        Problem problem;
        const Opened opened = OpenLockFile(system, lockFile, dataFile, need, f, problem);
        if (problem) return refused(problem);
        if (opened == Opened::Raced) continue;
        if (opened == Opened::NoFile) return Answer{{}, FolderLock(system, State::ReadWithoutLock)};
        int error = 0;
        switch (system.Lock(f.fd, lockFile, deadline, error)) {
            case LockResult::InUse:
                return Answer::Failure(Status{Fill(
                    Tr("Files", "Could not open %1: it is in use by another copy of Vellacode."),
                    {Shown(dataFile)})});
            case LockResult::Failed:
                return refused({error});
            case LockResult::Locked:
                break;
        }
        if (!system.StillNamed(f.fd, lockFile)) continue;  // the copy that held it removed it
        FolderLock lock(system, State::Held);
        lock.file_ = lockFile;
        lock.handle_ = std::exchange(f.fd, -1);
        return Answer{{}, std::move(lock)};
    }
}

FolderLock::FolderLock(FolderLock&& other) noexcept
    : system_(other.system_),
      state_(other.state_),
      file_(std::move(other.file_)),
      handle_(std::exchange(other.handle_, -1)) {}

FolderLock& FolderLock::operator=(FolderLock&& other) noexcept {
    if (this != &other) {
        Release();
        system_ = other.system_;
        state_ = other.state_;
        file_ = std::move(other.file_);
        handle_ = std::exchange(other.handle_, -1);
    }
    return *this;
}

void FolderLock::RemoveFile() {
    if (handle_ >= 0 && system_->RemoveLocked(handle_, file_)) handle_ = -1;
}

void FolderLock::Release() {
    if (handle_ >= 0) system_->Unlock(std::exchange(handle_, -1));
}

FolderLock::~FolderLock() {
    Release();
}

Status PrepareFolder(FileSystem& system, const fs::path& folder) {
    std::error_code error;
    const fs::file_status status = fs::status(folder, error);  // a link to a folder will do
    if (fs::exists(status) && !fs::is_directory(status)) {
        return Status{Fill(Tr("Files", "Could not keep the statistics in %1: it is not a folder."),
                           {Shown(folder)})};
    }
    if (!fs::exists(status) && !fs::create_directories(folder, error)) {
        return Status{Fill(Tr("Files", "Could not create the folder %1: %2."),
                           {Shown(folder), SystemSentence(error.message())})};
    }
    if (!system.MayWriteFolder(folder))
        return Failure(VC_TEXT("Files", "Could not keep the statistics in %1: %2."), folder,
                       {EACCES});
    return {};
}

}  // namespace vella::fileio
