// Scratch folders and ready-made statistics files for the core tests.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "stats/player_name.h"
#include "stats/player_rec.h"
#include "stats/stats_file.h"

// A player as a name typed at log-in makes them: "ann" is ANN.
inline vella::PlayerName Player(const std::string& typed) {
    return vella::PlayerName::FromTyped(typed).value_or(vella::PlayerName());
}

// The number of players the file lists (creating an empty file where there is none).
inline int PlayerCount(vella::StatsFile& stats) {
    return static_cast<int>(stats.ReadNames().Value.size());
}

class TempFolder {
  public:
    TempFolder() {
        std::random_device rd;
        path_ = std::filesystem::temp_directory_path() /
                ("vellacode-test-" + std::to_string(rd()) + std::to_string(rd()));
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ec);
        std::filesystem::remove_all(path_, ec);
    }
    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path operator/(const char* name) const { return path_ / name; }

  private:
    std::filesystem::path path_;
};

inline std::vector<unsigned char> ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::filesystem::path& path, const std::vector<unsigned char>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

// Fresh records for `names` in order, told apart by their standard-game counts 1, 2, 3 …
inline std::vector<unsigned char> RecordsOf(const std::vector<std::string>& names) {
    std::vector<unsigned char> bytes;
    bytes.reserve(names.size() * vella::RecordSize);
    std::int32_t games = 1;
    for (const std::string& name : names) {
        vella::PlayerRec rec = vella::FreshRecord(Player(name));
        rec.NumGames[0] = games++;
        const vella::RecordBytes b = vella::EncodeRecord(rec);
        bytes.insert(bytes.end(), b.begin(), b.end());
    }
    return bytes;
}

// The records a statistics file's bytes hold, a short last one zero-filled.
inline std::vector<vella::PlayerRec> RecordsIn(const std::filesystem::path& path) {
    const auto bytes = ReadBytes(path);
    std::vector<vella::PlayerRec> records;
    for (std::int64_t i = 0; i < vella::StatsFile::CountFor(bytes.size()); ++i) {
        records.push_back(vella::DecodeRecord(std::span(bytes).subspan(i * vella::RecordSize)));
    }
    return records;
}
