// The player session and the log-in window's name check.
#include "stats/player_session.h"

#include "stats/names.h"

namespace vella {

std::optional<std::string> AcceptName(std::string_view ansiText) {
    // The check runs on the 15-character stored form, so that a name whose visible characters
    // all lie past the cut is refused rather than stored blank.
    std::string stored = StoredName(ansiText);
    if (ansiText.empty() || !CheckName(stored)) return std::nullopt;
    return stored;
}

std::string UnstorableNameMessage(const std::u32string& unstorable) {
    std::string listed;
    for (char32_t c : unstorable) {
        if (!listed.empty()) listed += ' ';
        listed += CodePointToUtf8(c);
    }
    return "These characters cannot be kept in a player's name: " + listed +
           ". The statistics keep Western European letters only; please type the name with "
           "those.";
}

bool LogIn(PlayerSession& session, const std::string& stored) {
    const bool changed = session.LoggedIn() && stored != session.PlayerName;
    session.PlayerName = stored;
    session.KeepStats = true;
    return changed;
}

std::string DisplayText(const PlayerSession& session) {
    return AnsiToUtf8(DisplayName(session.PlayerName));
}

std::string MainCaption(const PlayerSession& session) {
    if (!session.LoggedIn()) return "Vellacode";
    return "Current Player: " + DisplayText(session);
}

std::string UserIdCaption(const PlayerSession& session) {
    return session.LoggedIn() ? "&New Player..." : "&Log In...";
}

}  // namespace vella
