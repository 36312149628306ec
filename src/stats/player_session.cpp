// The player session.
#include "stats/player_session.h"

namespace vella {

bool LogIn(PlayerSession& session, const std::string& stored) {
    const bool changed = session.LoggedIn() && stored != session.PlayerName;
    session.PlayerName = stored;
    session.KeepStats = true;
    return changed;
}

}  // namespace vella
