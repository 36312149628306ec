// What a screen reader names and says of the game: the names of the game window's parts, and one
// plain sentence for each change a player who cannot see the board must hear (a peg placed or
// taken out, a score), a row read back, and the secret after a game. A thing shown and spoken is
// worded once: a hole's name is what is said when it changes, a score box's name is the score
// said. The colour words are the palette's.
#pragma once

#include <string>

#include "game/game_state.h"
#include "text/text.h"

namespace vella {

// The game window's parts.
inline constexpr Text CheckButtonName = VC_TEXT("Speech", "Check this row");
//: What a screen reader calls the game window's parts: the rows of holes, the score boxes
//: beside them and the palette of colors.
inline constexpr Text BoardName = VC_TEXT("Speech", "Board");
inline constexpr Text ScoresName = VC_TEXT("Speech", "Scores");
inline constexpr Text PaletteName = VC_TEXT("Speech", "Colors");
inline constexpr Text StatisticsButtonName = VC_TEXT("Speech", "Statistics");
inline constexpr Text StatisticsButtonDescription =
    VC_TEXT("Speech", "Shows the players' statistics");

// "black" … "yellow", or "empty" for the blank and anything that is not a colour in play.
std::string ColorWord(ColorCode code, ColorCode blankCode);

// "Row 1, hole 2: red"; rows and holes counted from 1, row 1 at the bottom.
std::string HoleText(const GameState& game, int hole);

// "Row 3: 1 black, 2 white", "Row 3: current row" or "Row 3: not played yet".
std::string ScoreText(const GameState& game, int row);

// "Row 3: red, empty, blue, blue; 1 black, 2 white", with "current row" in place of the score
// for the row being filled.
std::string RowSentence(const GameState& game, int row);
// A row said again where review can go no further, past row 1 or the current row, so that
// the key is heard: "No more rows. Row 1: …".
std::string RowSentenceAtEnd(const GameState& game, int row);

// "red peg", and how to place it: "Key 1 places this color".
std::string PalettePegName(ColorCode color);
std::string PaletteKeyHint(ColorCode color);

// "secret peg 2: red", and "The pattern was black, blue, red, green."
std::string SecretPegName(const Pattern& secret, ColorCode blankCode, int k);
std::string SecretSentence(const Pattern& secret, ColorCode blankCode);

}  // namespace vella
