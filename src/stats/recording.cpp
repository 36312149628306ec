// Adding a finished game to a player's record.
#include "stats/recording.h"

#include <climits>
#include <cstdint>

namespace vella {

bool AddGame(PlayerRec& rec, const FinishedGame& game) {
    const int cell = CellOf(game.ColorSetIdx, game.GameType);
    const auto full = [](std::int32_t count, std::int32_t more) {
        return count > INT32_MAX - more;
    };
    if (full(rec.NumGames[cell], 1) || full(rec.TotMoves[cell], game.Moves) ||
        (game.Won && full(rec.Wins[cell], 1)))
        return false;
    ++rec.NumGames[cell];
    rec.TotMoves[cell] += game.Moves;
    if (game.Won) {
        ++rec.Wins[cell];
        if (rec.Worst[cell] < game.Moves) rec.Worst[cell] = game.Moves;
        if (rec.Best[cell] > game.Moves) rec.Best[cell] = game.Moves;
    }
    return true;
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
