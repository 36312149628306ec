// What the game and result windows call the board and its parts.
#include "play/board_names.h"

#include "play/sentences.h"

namespace vella {

std::string HoleName(const GameState& game, int hole) {
    return "row " + std::to_string(hole / RowLength + 1) + ", hole " +
           std::to_string(hole % RowLength + 1) + ": " +
           ColorWord(game.Board()[hole], game.BlankCode());
}

std::string PalettePegName(ColorCode color) {
    return ColorWord(color, NoSecret) + " peg";
}

std::string PaletteKeyHint(ColorCode color) {
    return "Key " + std::to_string(color + 1) + " places this colour";
}

std::string ScoreBoxName(const GameState& game, int row) {
    const std::string name = "row " + std::to_string(row + 1) + ": ";
    if (row == game.CurRow()) return name + "current row";
    if (row > game.CurRow()) return name + "not played yet";
    const RowScore score = game.Score(row);
    return name + std::to_string(score.Blacks) + " exact, " + std::to_string(score.Whites) +
           " colour only";
}

ResultRequest ResultFor(bool won, const Pattern& secret, ColorCode blankCode) {
    ResultRequest result;
    result.Won = won;
    result.Secret = secret;
    result.BlankCode = blankCode;
    if (won) {
        result.Title = "Congratulations!";
        result.Message = "You Won!!";
        result.Button = "I'm Cool";
    } else {
        result.Title = "Better Luck Next Time";
        result.Message = "I'm Sorry.  You Didn't Win This Time.";
        result.Button = "I Will Try Harder";
    }
    for (int k = 0; k < RowLength; ++k) {
        result.PegNames[k] =
            "secret peg " + std::to_string(k + 1) + ": " + ColorWord(secret[k], blankCode);
    }
    // A screen reader reads the outcome with the secret, in order, and reads a run of spaces as
    // one.
    std::string spoken;
    for (const char c : result.Message) {
        if (c != ' ' || spoken.empty() || spoken.back() != ' ') spoken += c;
    }
    result.Spoken = spoken + ' ' + SecretSentence(secret, blankCode);
    return result;
}

}  // namespace vella
