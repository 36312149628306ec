// The player session and the outcomes of the log-in window.
#include "stats/player_session.h"

#include "stats/names.h"

namespace vella {

void PlayerSession::ClearLoginFlags() {
    LoginCancelled = false;
    StatsDeclined = false;
    PlayerChanged = false;
}

std::string LogIn(PlayerSession& session, std::string_view ansiText) {
    // The check runs on the 15-character stored form, so that a name whose visible characters
    // all lie past the cut is refused rather than stored blank.
    const std::string stored = StoredName(ansiText);
    if (ansiText.empty() || !CheckName(stored)) return std::string(InvalidNameMessage);
    const std::string old = session.PlayerName;
    session.PlayerName = stored;
    session.PlayerChanged = !old.empty() && stored != old;
    session.KeepStats = true;
    return {};
}

void DeclineStats(PlayerSession& session) {
    session.KeepStats = false;
    session.StatsDeclined = true;
}

void CancelLogIn(PlayerSession& session) {
    session.LoginCancelled = true;
}

std::string MainCaption(const PlayerSession& session) {
    if (!session.LoggedIn()) return "Vellacode";
    return "Current Player: " + AnsiToUtf8(DisplayName(session.PlayerName));
}

std::string UserIdCaption(const PlayerSession& session) {
    return session.LoggedIn() ? "&New Player..." : "&Log In...";
}

}  // namespace vella
