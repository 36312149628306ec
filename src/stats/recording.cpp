// Adding a finished game to a player's record.
#include "stats/recording.h"

namespace vella {

void AddGame(PlayerRec& rec, const FinishedGame& game) {
    const int cell = CellIndex(game.ColorSetIdx, game.GameType);
    rec.NumGames[cell] += 1;
    if (game.Won) {
        rec.Wins[cell] += 1;
        if (rec.Worst[cell] < game.Moves) rec.Worst[cell] = game.Moves;
        if (rec.Best[cell] > game.Moves) rec.Best[cell] = game.Moves;
    }
    rec.TotMoves[cell] += game.Moves;
}

}  // namespace vella
