// What the game window shows of the player session: its caption, the log-in menu item, and the
// player's name as the messages write it.
#pragma once

#include <string>

#include "play/player_session.h"

namespace vella {

// What the program is, as its command-line help says.
inline constexpr char ProgramDescription[] = "Vellacode: find the hidden pattern of four pegs.";

// The main window's caption, "Vellacode" or "Current Player: " and the display name (UTF-8).
std::string MainCaption(const PlayerSession& session);

// "&Log In..." until somebody has logged in, then "&New Player...".
std::string UserIdCaption(const PlayerSession& session);

// The Peg Symbols menu item and what it does.
inline constexpr char PegSymbolsCaption[] = "Peg &Symbols";
inline constexpr char PegSymbolsTip[] =
    "Shows a symbol on every peg, so that the colours can be told apart without colour vision";

// The result window's frame around the secret.
inline constexpr char SecretCaption[] = "The Secret Pattern";

}  // namespace vella
