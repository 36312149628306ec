// What a screen reader names and says of the game.
#include "play/speech.h"

#include <array>

namespace vella {
namespace {

std::string Number(int n) {
    return std::to_string(n);
}

std::string Colors(const Pattern& pattern, ColorCode blankCode) {
    std::string words;
    for (int k = 0; k < RowLength; ++k) {
        //: Between the colors of a row read out: "red, empty, blue, blue".
        if (k > 0) words += Tr("Speech", ", ");
        words += ColorWord(pattern[k], blankCode);
    }
    return words;
}

}  // namespace

//: The colors as said of a hole or a secret peg: "Row 1, hole 2: red".
std::string ColorWord(ColorCode code, ColorCode blankCode) {
    static constexpr std::array<Text, MaxColors> words = {
        VC_TEXT("Speech", "black"), VC_TEXT("Speech", "blue"), VC_TEXT("Speech", "red"),
        VC_TEXT("Speech", "green"), VC_TEXT("Speech", "cyan"), VC_TEXT("Speech", "magenta"),
        VC_TEXT("Speech", "yellow")};
    //: A hole with no peg in it, or a blank in the secret.
    if (code == blankCode || code < 0 || code >= MaxColors) return Tr("Speech", "empty");
    return Tr(words[code]);
}

std::string HoleText(const GameState& game, int hole) {
    return Fill(Tr("Speech", "Row %1, hole %2: %3"),
                {Number(hole / RowLength + 1), Number(hole % RowLength + 1),
                 ColorWord(game.Board()[hole], game.BlankCode())});
}

std::string ScoreText(const GameState& game, int row) {
    if (row == game.CurRow()) return Fill(Tr("Speech", "Row %1: current row"), {Number(row + 1)});
    if (row > game.CurRow()) return Fill(Tr("Speech", "Row %1: not played yet"), {Number(row + 1)});
    const RowScore score = game.Score(row);
    //: %2 pegs of the right color in the right place, %3 of a right color in the wrong place.
    return Fill(Tr("Speech", "Row %1: %2 black, %3 white"),
                {Number(row + 1), Number(score.Blacks), Number(score.Whites)});
}

std::string RowSentence(const GameState& game, int row) {
    const std::string colors = Colors(game.RowPattern(row), game.BlankCode());
    if (row == game.CurRow()) {
        //: A row read back: %1 its number, %2 its colors ("red, empty, blue, blue").
        return Fill(Tr("Speech", "Row %1: %2; current row"), {Number(row + 1), colors});
    }
    const RowScore score = game.Score(row);
    return Fill(Tr("Speech", "Row %1: %2; %3 black, %4 white"),
                {Number(row + 1), colors, Number(score.Blacks), Number(score.Whites)});
}

std::string RowSentenceAtEnd(const GameState& game, int row) {
    return Fill(Tr("Speech", "No more rows. %1"), {RowSentence(game, row)});
}

std::string PalettePegName(ColorCode color) {
    static constexpr std::array<Text, MaxColors> names = {
        VC_TEXT("Speech", "black peg"), VC_TEXT("Speech", "blue peg"),
        VC_TEXT("Speech", "red peg"),   VC_TEXT("Speech", "green peg"),
        VC_TEXT("Speech", "cyan peg"),  VC_TEXT("Speech", "magenta peg"),
        VC_TEXT("Speech", "yellow peg")};
    if (color < 0 || color >= MaxColors) return Tr("Speech", "empty");
    return Tr(names[color]);
}

std::string PaletteKeyHint(ColorCode color) {
    return Fill(Tr("Speech", "Key %1 places this color"), {Number(color + 1)});
}

std::string SecretPegName(const Pattern& secret, ColorCode blankCode, int k) {
    return Fill(Tr("Speech", "secret peg %1: %2"),
                {Number(k + 1), ColorWord(secret[k], blankCode)});
}

std::string SecretSentence(const Pattern& secret, ColorCode blankCode) {
    return Fill(Tr("Speech", "The pattern was %1."), {Colors(secret, blankCode)});
}

}  // namespace vella
