// Encoding and decoding the player record byte by byte, whatever the host's byte order.
#include "stats/player_rec.h"

#include <algorithm>

namespace vella {
namespace {

constexpr std::size_t NumGamesAt = 15;
constexpr std::size_t WinsAt = 47;
constexpr std::size_t TotMovesAt = 79;
constexpr std::size_t BestAt = 111;
constexpr std::size_t WorstAt = 127;

template <class Int, std::size_t N>
void PutTable(RecordBytes& out, std::size_t at, const std::array<Int, N>& table) {
    for (std::size_t cell = 0; cell < N; ++cell) {
        auto value = static_cast<std::make_unsigned_t<Int>>(table[cell]);
        for (std::size_t b = 0; b < sizeof(Int); ++b) {
            out[at + cell * sizeof(Int) + b] = static_cast<unsigned char>(value >> (8 * b));
        }
    }
}

template <class Int, std::size_t N>
void GetTable(const RecordBytes& in, std::size_t at, std::array<Int, N>& table) {
    for (std::size_t cell = 0; cell < N; ++cell) {
        std::make_unsigned_t<Int> value = 0;
        for (std::size_t b = 0; b < sizeof(Int); ++b) {
            value |= static_cast<std::make_unsigned_t<Int>>(
                static_cast<std::make_unsigned_t<Int>>(in[at + cell * sizeof(Int) + b]) << (8 * b));
        }
        table[cell] = static_cast<Int>(value);
    }
}

}  // namespace

RecordBytes EncodeRecord(const PlayerRec& rec) {
    RecordBytes out{};
    for (int i = 0; i < NameLength; ++i) {
        out[i] = i < static_cast<int>(rec.Name.size()) ? static_cast<unsigned char>(rec.Name[i])
                                                       : static_cast<unsigned char>(' ');
    }
    PutTable(out, NumGamesAt, rec.NumGames);
    PutTable(out, WinsAt, rec.Wins);
    PutTable(out, TotMovesAt, rec.TotMoves);
    PutTable(out, BestAt, rec.Best);
    PutTable(out, WorstAt, rec.Worst);
    return out;
}

PlayerRec DecodeRecord(std::span<const unsigned char> bytes) {
    RecordBytes in{};
    std::copy_n(bytes.begin(), std::min<std::size_t>(bytes.size(), RecordSize), in.begin());
    PlayerRec rec;
    rec.Name.assign(in.begin(), in.begin() + NameLength);
    GetTable(in, NumGamesAt, rec.NumGames);
    GetTable(in, WinsAt, rec.Wins);
    GetTable(in, TotMovesAt, rec.TotMoves);
    GetTable(in, BestAt, rec.Best);
    GetTable(in, WorstAt, rec.Worst);
    return rec;
}

PlayerRec FreshRecord(const PlayerName& name) {
    PlayerRec rec;
    rec.Name = name.Field();
    rec.Best.fill(NoWinBest);
    rec.Worst.fill(NoWinWorst);
    return rec;
}

}  // namespace vella
