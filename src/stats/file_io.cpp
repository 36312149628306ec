// The one file layer. Streams through C stdio so that a file can be flushed to the disk
// (fsync on POSIX, _commit on Windows) before the program relies on it.
#include "stats/file_io.h"

#include <cerrno>
#include <cstdio>
#include <memory>
#include <system_error>

#ifdef _WIN32
#include <io.h>
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

Status WriteAndSync(std::FILE* f, const fs::path& path, std::span<const unsigned char> bytes) {
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size()) {
        return Failure("write", path, errno);
    }
    if (std::fflush(f) != 0 || SyncToDisk(f) != 0) return Failure("write", path, errno);
    return {};
}

}  // namespace

Result<Bytes> ReadAll(const fs::path& path, bool create) {
    std::error_code ec;
    if (fs::is_directory(path, ec)) {
        return Result<Bytes>::Failure(Failure("open", path, EISDIR));
    }
    errno = 0;
    File f(std::fopen(path.string().c_str(), "rb"));
    if (!f) {
        if (errno != ENOENT) return Result<Bytes>::Failure(Failure("open", path, errno));
        if (create) {
            File made(std::fopen(path.string().c_str(), "ab"));
            if (!made) return Result<Bytes>::Failure(Failure("create", path, errno));
        }
        return {};
    }
    Result<Bytes> result;
    const auto expected = fs::file_size(path, ec);
    result.Value.resize(ec ? 0 : expected);
    std::size_t got = std::fread(result.Value.data(), 1, result.Value.size(), f.get());
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
    std::error_code ec;
    const auto status = fs::status(path, ec);
    if (status.type() == fs::file_type::not_found) {
        if (!create) return {};
        errno = 0;
        File made(std::fopen(path.string().c_str(), "ab"));
        if (!made) return Result<std::uint64_t>::Failure(Failure("create", path, errno));
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
    errno = 0;
    File f(std::fopen(path.string().c_str(), "r+b"));
    if (!f && errno == ENOENT) f.reset(std::fopen(path.string().c_str(), "w+b"));
    if (!f) return Failure("open", path, errno);
    if (std::fseek(f.get(), static_cast<long>(offset), SEEK_SET) != 0) {
        return Failure("write", path, errno);
    }
    return WriteAndSync(f.get(), path, bytes);
}

Status WriteNew(const fs::path& path, std::span<const unsigned char> bytes) {
    errno = 0;
    File f(std::fopen(path.string().c_str(), "wb"));
    if (!f) return Failure("create", path, errno);
    return WriteAndSync(f.get(), path, bytes);
}

Status Replace(const fs::path& from, const fs::path& to) {
    std::error_code ec;
    fs::rename(from, to, ec);
    if (ec) return FailureFrom("replace", to, ec);
    SyncFolder(to);
    return {};
}

Status Remove(const fs::path& path) {
    std::error_code ec;
    if (fs::is_directory(path, ec)) return Failure("delete", path, EISDIR);
    fs::remove(path, ec);
    if (ec) return FailureFrom("delete", path, ec);
    return {};
}

}  // namespace vella::fileio
