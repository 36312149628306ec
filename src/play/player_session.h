// Who is playing and whether statistics are kept.
#pragma once

#include "stats/player_name.h"

namespace vella {

struct PlayerSession {
    PlayerName Player;  // empty while nobody is logged in
    bool KeepStats = true;

    bool LoggedIn() const { return !Player.Empty(); }
};

// Makes `player` the current player and turns statistics on. True when it replaces another
// player who was logged in.
bool LogIn(PlayerSession& session, const PlayerName& player);

}  // namespace vella
