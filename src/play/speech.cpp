// What a screen reader names and says of the game.
#include "play/speech.h"

#include <array>

namespace vella {
namespace {

std::string RowName(int row) {
    return "Row " + std::to_string(row + 1);
}

std::string Colors(const Pattern& pattern, ColorCode blankCode) {
    std::string words;
    for (int k = 0; k < RowLength; ++k) {
        if (k > 0) words += ", ";
        words += ColorWord(pattern[k], blankCode);
    }
    return words;
}

std::string Score(const GameState& game, int row) {
    const RowScore score = game.Score(row);
    return std::to_string(score.Blacks) + " black, " + std::to_string(score.Whites) + " white";
}

}  // namespace

std::string ColorWord(ColorCode code, ColorCode blankCode) {
    static constexpr std::array<const char*, MaxColors> words = {
        "black", "blue", "red", "green", "cyan", "magenta", "yellow"};
    if (code == blankCode || code < 0 || code >= MaxColors) return "empty";
    return words[code];
}

std::string HoleText(const GameState& game, int hole) {
    return RowName(hole / RowLength) + ", hole " + std::to_string(hole % RowLength + 1) + ": " +
           ColorWord(game.Board()[hole], game.BlankCode());
}

std::string ScoreText(const GameState& game, int row) {
    if (row == game.CurRow()) return RowName(row) + ": current row";
    if (row > game.CurRow()) return RowName(row) + ": not played yet";
    return RowName(row) + ": " + Score(game, row);
}

std::string RowSentence(const GameState& game, int row) {
    return RowName(row) + ": " + Colors(game.RowPattern(row), game.BlankCode()) + "; " +
           (row == game.CurRow() ? std::string("current row") : Score(game, row));
}

std::string RowSentenceAtEnd(const GameState& game, int row) {
    return "No more rows. " + RowSentence(game, row);
}

std::string PalettePegName(ColorCode color) {
    return ColorWord(color, NoSecret) + " peg";
}

std::string PaletteKeyHint(ColorCode color) {
    return "Key " + std::to_string(color + 1) + " places this color";
}

std::string SecretPegName(const Pattern& secret, ColorCode blankCode, int k) {
    return "secret peg " + std::to_string(k + 1) + ": " + ColorWord(secret[k], blankCode);
}

std::string SecretSentence(const Pattern& secret, ColorCode blankCode) {
    return "The pattern was " + Colors(secret, blankCode) + ".";
}

}  // namespace vella
