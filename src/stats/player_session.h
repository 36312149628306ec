// Who is playing and whether statistics are kept: the outcome of the log-in window and what
// the main window's caption, log-in menu item and "Keep Stats" check mark show.
#pragma once

#include <string>
#include <string_view>

namespace vella {

inline constexpr std::string_view InvalidNameMessage =
    "Please enter a valid name, 15 characters or less";

struct PlayerSession {
    std::string PlayerName;  // stored form (Windows-1252), empty while nobody is logged in
    bool KeepStats = true;
    bool LoginCancelled = false;
    bool StatsDeclined = false;
    bool PlayerChanged = false;

    bool LoggedIn() const { return !PlayerName.empty(); }
    void ClearLoginFlags();
};

// OK in the log-in window with the box text `ansiText` (Windows-1252). Returns the refusal to
// show when the name has no visible character; otherwise logs the player in.
std::string LogIn(PlayerSession& session, std::string_view ansiText);

// "No Keep Stats": statistics off, nobody logged in.
void DeclineStats(PlayerSession& session);

// "Cancel": nothing changes but the flag.
void CancelLogIn(PlayerSession& session);

// The main window's caption, "Vellacode" or "Current Player: " and the display name (UTF-8).
std::string MainCaption(const PlayerSession& session);

// "&Log In..." until somebody has logged in, then "&New Player...".
std::string UserIdCaption(const PlayerSession& session);

}  // namespace vella
