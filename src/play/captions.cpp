// The windows' captions.
#include "play/captions.h"

namespace vella {

std::string MainCaption(const PlayerSession& session) {
    if (!session.LoggedIn()) return "Vellacode";
    return "Current Player: " + session.Player.Display();
}

std::string UserIdCaption(const PlayerSession& session) {
    return session.LoggedIn() ? "&New Player..." : "&Log In...";
}

const char* ColumnHeader(const StatsView& figures, int k) {
    static constexpr std::array<const char*, 3> headers{"6 Colors", "7 Colors", "Totals"};
    return headers[figures.GrandTotal ? 2 : k];
}

}  // namespace vella
