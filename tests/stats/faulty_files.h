// The platform's file system with a fault asked for before each step that changes a file and
// before each lock call, so that a test can fail any step with a real error, or end the process
// there as a crash would.
#pragma once

#include <cerrno>
#include <functional>
#include <utility>

#include "stats/file_system.h"

class FaultyFiles final : public vella::fileio::PlatformFileSystem {
  public:
    using Path = std::filesystem::path;
    // The steps in the order an operation takes them: the lock calls (an open file description
    // lock, or the classic kind), then creating a file, writing, flushing it, renaming it over
    // another, flushing the folder, removing a file.
    enum class Step { OfdLock, Lock, Create, Write, Sync, Rename, SyncFolder, Remove };
    // A non-zero value makes the step fail with that error number (a failing Write first writes
    // half its bytes, as a full disk does); it may also end the process. Empty: no faults.
    void Fail(std::function<int(Step)> fault) { fault_ = std::move(fault); }

    int Open(const Path& path, vella::fileio::Access access, unsigned mode) override {
        if (access == vella::fileio::Access::CreateNew && Failed(Step::Create)) return -1;
        return PlatformFileSystem::Open(path, access, mode);
    }
    long Write(int fd, const unsigned char* data, std::size_t n) override {
        if (!Failed(Step::Write)) return PlatformFileSystem::Write(fd, data, n);
        if (n > 1) PlatformFileSystem::Write(fd, data, n / 2);
        return -1;
    }
    int Sync(int fd) override { return Failed(Step::Sync) ? -1 : PlatformFileSystem::Sync(fd); }
    int Rename(const Path& from, const Path& to) override {
        return Failed(Step::Rename) ? errno : PlatformFileSystem::Rename(from, to);
    }
    int SyncFolder(const Path& file) override {
        return Failed(Step::SyncFolder) ? errno : PlatformFileSystem::SyncFolder(file);
    }
    int Delete(const Path& path) override {
        return Failed(Step::Remove) ? errno : PlatformFileSystem::Delete(path);
    }

  protected:
    int TryLock(int fd, LockKind kind, bool wait) override {
        return Failed(kind == LockKind::Classic ? Step::Lock : Step::OfdLock)
                   ? errno
                   : PlatformFileSystem::TryLock(fd, kind, wait);
    }

  private:
    // Whether `step` is to fail; errno holds the error where it is.
    bool Failed(Step step) const {
        const int error = fault_ ? fault_(step) : 0;
        if (error) errno = error;
        return error != 0;
    }

    std::function<int(Step)> fault_;
};
