// Who is playing and whether statistics are kept.
#pragma once

#include <string>

namespace vella {

struct PlayerSession {
    std::string PlayerName;  // stored form (Windows-1252), empty while nobody is logged in
    bool KeepStats = true;

    bool LoggedIn() const { return !PlayerName.empty(); }
};

// Makes `stored` the current player and turns statistics on. True when it replaces another
// player who was logged in.
bool LogIn(PlayerSession& session, const std::string& stored);

}  // namespace vella
