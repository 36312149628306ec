// Who is playing.
#include "play/player_session.h"

namespace vella {

bool LogIn(PlayerSession& session, const PlayerName& player) {
    const bool changed = session.LoggedIn() && player != session.Player;
    session.Player = player;
    session.KeepStats = true;
    return changed;
}

}  // namespace vella
