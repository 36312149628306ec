// What the game and result windows call the board and its parts, for the eye and for a screen
// reader: the names of holes, score boxes, palette pegs and secret pegs, and the result window's
// texts. The windows show these; they hold no words of their own about the game.
#pragma once

#include <array>
#include <string>

#include "game/game_state.h"
#include "play/modal_host.h"

namespace vella {

// The game window's parts, as a screen reader names them.
inline constexpr char CheckButtonName[] = "Check this row";
inline constexpr char BoardName[] = "Board";
inline constexpr char ScoresName[] = "Scores";
inline constexpr char PaletteName[] = "Colors";
inline constexpr char StatisticsButtonName[] = "Statistics";
inline constexpr char StatisticsButtonDescription[] = "Shows the players' statistics";

// The Peg Symbols menu item and what it does.
inline constexpr char PegSymbolsCaption[] = "Peg &Symbols";
inline constexpr char PegSymbolsTip[] =
    "Shows a symbol on every peg, so that the colours can be told apart without colour vision";

// The result window's frame around the secret.
inline constexpr char SecretCaption[] = "The Secret Pattern";

// "row 3, hole 2: red"; rows and holes counted from 1, row 1 at the bottom.
std::string HoleName(const GameState& game, int hole);

// "red peg", and how to place it: "Key 1 places this colour".
std::string PalettePegName(ColorCode color);
std::string PaletteKeyHint(ColorCode color);

// "row 3: 2 exact, 1 colour only", "row 3: current row" or "row 3: not played yet".
std::string ScoreBoxName(const GameState& game, int row);

// The result window after a game won or lost with `secret` in a game whose blank is `blankCode`.
ResultRequest ResultFor(bool won, const Pattern& secret, ColorCode blankCode);

}  // namespace vella
