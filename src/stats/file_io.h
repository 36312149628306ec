// The one file layer: whole-file reads, positioned writes, durable new files, replacing renames,
// removal. Every platform-specific call of the program lives in file_io.cpp.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

#include "stats/status.h"

namespace vella::fileio {

using Bytes = std::vector<unsigned char>;

// Reads the whole file; a missing file is created empty when `create` is set.
Result<Bytes> ReadAll(const std::filesystem::path& path, bool create);

// The file's length; a missing file is created empty when `create` is set (length 0).
Result<std::uint64_t> Length(const std::filesystem::path& path, bool create);

// Writes `bytes` at `offset` of an existing (or new) file, then flushes them to the disk.
Status WriteAt(const std::filesystem::path& path, std::uint64_t offset,
               std::span<const unsigned char> bytes);

// Creates or truncates the file, writes `bytes` and flushes them to the disk.
Status WriteNew(const std::filesystem::path& path, std::span<const unsigned char> bytes);

// Renames `from` to `to` in one step, replacing `to`; `to` never goes missing.
Status Replace(const std::filesystem::path& from, const std::filesystem::path& to);

// Removes the file; a file that is already gone is not an error.
Status Remove(const std::filesystem::path& path);

}  // namespace vella::fileio
