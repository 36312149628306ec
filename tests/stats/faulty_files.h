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
    using Access = vella::fileio::Access;
    using Path = std::filesystem::path;

    // The steps in the order an operation takes them: the lock calls (an open file description
    // lock, or the classic kind), then creating a file, writing, flushing it, renaming it over
    // another, flushing the folder, removing a file.
    enum class Step { OfdLock, Lock, Create, Write, Sync, Rename, SyncFolder, Remove };
    // A non-zero value makes the step fail with that error number (a failing Write first writes
    // half its bytes, as a full disk does); it may also end the process. Empty: no faults.
    using Fault = std::function<int(Step)>;

    void Fail(Fault fault) { fault_ = std::move(fault); }

    int Open(const Path& path, Access access, unsigned mode) override {
        if (access == Access::CreateNew) {
            if (const int error = Ask(Step::Create)) return (errno = error), -1;
        }
        return PlatformFileSystem::Open(path, access, mode);
    }
    long Write(int fd, const unsigned char* data, std::size_t n) override {
        if (const int error = Ask(Step::Write)) {
            if (n > 1) PlatformFileSystem::Write(fd, data, n / 2);
            return (errno = error), -1;
        }
        return PlatformFileSystem::Write(fd, data, n);
    }
    int Sync(int fd) override {
        if (const int error = Ask(Step::Sync)) return (errno = error), -1;
        return PlatformFileSystem::Sync(fd);
    }
    int Rename(const Path& from, const Path& to) override {
        const int error = Ask(Step::Rename);
        return error ? error : PlatformFileSystem::Rename(from, to);
    }
    int SyncFolder(const Path& file) override {
        const int error = Ask(Step::SyncFolder);
        return error ? error : PlatformFileSystem::SyncFolder(file);
    }
    int Delete(const Path& path) override {
        const int error = Ask(Step::Remove);
        return error ? error : PlatformFileSystem::Delete(path);
    }

  protected:
    int TryLock(int fd, LockKind kind, bool wait) override {
        const int error = Ask(kind == LockKind::Classic ? Step::Lock : Step::OfdLock);
        return error ? error : PlatformFileSystem::TryLock(fd, kind, wait);
    }

  private:
    int Ask(Step step) const { return fault_ ? fault_(step) : 0; }

    Fault fault_;
};
