// Who is playing.
#include "play/player_session.h"

#include "stats/names.h"

namespace vella {

std::string PlayerName::Display() const {
    return DisplayNameOf(name_);
}

bool LogIn(PlayerSession& session, const PlayerName& player) {
    const bool changed = session.LoggedIn() && player != session.Player;
    session.Player = player;
    session.KeepStats = true;
    return changed;
}

}  // namespace vella
