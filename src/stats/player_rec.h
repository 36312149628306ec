// The 143-byte player record of stats.dat and its exact byte layout: little-endian two's
// complement, no padding, each table's cell (s, t) at the table's offset + (2t + s) × size.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "stats/player_name.h"

namespace vella {

inline constexpr int RecordSize = 143;
inline constexpr int NameLength = 15;
inline constexpr int CellCount = 8;
inline constexpr std::int16_t NoWinBest = 11;
inline constexpr std::int16_t NoWinWorst = 0;

// The cell of a table that counts the games of colour set `colorSet` (0 six colours, 1 seven)
// and game type `gameType` (0..3).
constexpr int CellOf(int colorSet, int gameType) {
    return 2 * gameType + colorSet;
}

struct PlayerRec {
    std::string Name = std::string(NameLength, ' ');  // stored form, Windows-1252 bytes
    std::array<std::int32_t, CellCount> NumGames{};
    std::array<std::int32_t, CellCount> Wins{};
    std::array<std::int32_t, CellCount> TotMoves{};
    std::array<std::int16_t, CellCount> Best{};
    std::array<std::int16_t, CellCount> Worst{};

    bool operator==(const PlayerRec&) const = default;
};

using RecordBytes = std::array<unsigned char, RecordSize>;

RecordBytes EncodeRecord(const PlayerRec& rec);

// Decodes up to 143 bytes; bytes missing at the end (a damaged, short last record) read as 0.
PlayerRec DecodeRecord(std::span<const unsigned char> bytes);

// A record of `name` with every cell 0, 0, 0, 11, 0.
PlayerRec FreshRecord(const PlayerName& name);

}  // namespace vella
