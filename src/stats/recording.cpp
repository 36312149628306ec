// Adding a finished game to a player's record.
#include "stats/recording.h"

#include <algorithm>
#include <cstdint>

namespace vella {

namespace {

// A damaged or ancient record may already hold the largest count; it stays there rather than
// wrapping round to a negative number.
std::int32_t Plus(std::int32_t count, std::int32_t more) {
    const std::int64_t sum = static_cast<std::int64_t>(count) + more;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(sum, INT32_MIN, INT32_MAX));
}

}  // namespace

void AddGame(PlayerRec& rec, const FinishedGame& game) {
    const int cell = CellOf(game.ColorSetIdx, game.GameType);
    rec.NumGames[cell] = Plus(rec.NumGames[cell], 1);
    if (game.Won) {
        rec.Wins[cell] = Plus(rec.Wins[cell], 1);
        if (rec.Worst[cell] < game.Moves) rec.Worst[cell] = game.Moves;
        if (rec.Best[cell] > game.Moves) rec.Best[cell] = game.Moves;
    }
    rec.TotMoves[cell] = Plus(rec.TotMoves[cell], game.Moves);
}

bool CouldBePlayed(const PlayerRec& rec) {
    for (int cell = 0; cell < CellCount; ++cell) {
        const std::int32_t games = rec.NumGames[cell], wins = rec.Wins[cell];
        if (games < 0 || wins < 0 || wins > games || rec.TotMoves[cell] < wins) return false;
        const std::int16_t best = rec.Best[cell], worst = rec.Worst[cell];
        if (wins > 0 && (best < 1 || worst > 10 || best > worst)) return false;
    }
    return true;
}

}  // namespace vella
