// Who is playing and whether statistics are kept: what the main window's caption, log-in menu
// item and "Keep Stats" check mark show, and the log-in window's name check.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vella {

inline constexpr std::string_view InvalidNameMessage =
    "Please enter a valid name, 15 characters or less";

// The refusal of a name with characters a stored name cannot hold (`unstorable`, UTF-32), in
// UTF-8: the statistics file keeps Western European letters only, and a name turned into
// question marks would share its record with other players' names.
std::string UnstorableNameMessage(const std::u32string& unstorable);

struct PlayerSession {
    std::string PlayerName;  // stored form (Windows-1252), empty while nobody is logged in
    bool KeepStats = true;

    bool LoggedIn() const { return !PlayerName.empty(); }
};

// OK in the log-in window with the box text `ansiText` (Windows-1252): the name's stored form,
// or nothing when it has no visible character in its first 15 (InvalidNameMessage is shown).
std::optional<std::string> AcceptName(std::string_view ansiText);

// Makes `stored` the current player and turns statistics on. True when it replaces another
// player who was logged in.
bool LogIn(PlayerSession& session, const std::string& stored);

// The player's display name (UTF-8), empty while nobody is logged in.
std::string DisplayText(const PlayerSession& session);

// The main window's caption, "Vellacode" or "Current Player: " and the display name (UTF-8).
std::string MainCaption(const PlayerSession& session);

// "&Log In..." until somebody has logged in, then "&New Player...".
std::string UserIdCaption(const PlayerSession& session);

}  // namespace vella
