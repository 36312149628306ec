// What a player who cannot see the board hears of it: one plain sentence for each change (a peg
// placed or taken out, a score), a row read back, and the secret after a game. The colour words
// are the palette's.
#pragma once

#include <string>

#include "game/game_state.h"

namespace vella {

// "black" … "yellow", or "empty" for the blank and anything that is not a colour in play.
std::string ColorWord(ColorCode code, ColorCode blankCode);

// "Row 1, hole 2: red".
std::string HoleSentence(const GameState& game, int hole);

// "Row 3: 1 black, 2 white": the score of `row`.
std::string ScoreSentence(const GameState& game, int row);

// "Row 3: red, empty, blue, blue; 1 black, 2 white", with "current row" in place of the score
// for the row being filled.
std::string RowSentence(const GameState& game, int row);

// "The pattern was black, blue, red, green."
std::string SecretSentence(const Pattern& secret, ColorCode blankCode);

}  // namespace vella
