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

// A lost game changes only the games and the total moves of its cell.
void AddGame(PlayerRec& rec, const FinishedGame& game);

}  // namespace vella
