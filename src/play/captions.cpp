// What the game window shows of the player session.
#include "play/captions.h"

namespace vella {

std::string MainCaption(const PlayerSession& session) {
    if (!session.LoggedIn()) return "Vellacode";
    return "Current Player: " + session.Player.Display();
}

std::string UserIdCaption(const PlayerSession& session) {
    return session.LoggedIn() ? "&New Player..." : "&Log In...";
}

}  // namespace vella
