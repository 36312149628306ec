// Adding a finished game to a player's record.
#pragma once

#include <cstdint>

#include "stats/player_rec.h"

namespace vella {

struct FinishedGame {
    std::int16_t ColorSetIdx = 0;  // s of the cell
    std::int16_t GameType = 0;     // t of the cell
    bool Won = false;
    std::int16_t Moves = 0;  // rows used, 1..10
};

// A lost game changes only the games and the total moves of its cell. A cell whose counts
// cannot take one more game (a damaged record, or one of two billion games) is left as it is,
// and false returned.
bool AddGame(PlayerRec& rec, const FinishedGame& game);

// Whether some sequence of finished games gives the record's figures: in every cell no negative
// count, no more wins than games, no fewer moves than wins, and, once a game is won, a best and
// worst game of 1 to 10 rows, the best no longer than the worst.
bool CouldBePlayed(const PlayerRec& rec);

}  // namespace vella
