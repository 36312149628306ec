// The vocabulary of a game: colour codes, the board's dimensions, the rule options and the
// game type that the statistics file files every game under.
#pragma once

#include <array>
#include <cstdint>

namespace vella {

using ColorCode = std::int16_t;

// The peg colours, in the palette's order.
namespace Color {
inline constexpr ColorCode Black = 0, Blue = 1, Red = 2, Green = 3, Cyan = 4, Magenta = 5,
                           Yellow = 6;
}

// Held by every entry of the secret between a reset and the next draw.
inline constexpr ColorCode NoSecret = -1;

inline constexpr int RowCount = 10;
inline constexpr int RowLength = 4;
inline constexpr int HoleCount = RowCount * RowLength;
inline constexpr int MaxColors = 7;

using Pattern = std::array<ColorCode, RowLength>;

// The colour sets, numbered as the statistics file numbers them.
enum class ColorSet : std::int16_t { Six = 0, Seven = 1 };

// The rules of a game: the colour set, which also decides the blank's code, and the two options
// that make it harder.
struct GameOptions {
    ColorSet Colors = ColorSet::Six;
    bool RepeatsAllowed = false;
    bool BlanksAllowed = false;

    bool operator==(const GameOptions&) const = default;
};

// The game types, numbered as the statistics file numbers them: the sum of the option bits,
// blanks 1 and repeats 2.
enum class GameType : std::int16_t { Standard = 0, Blanks = 1, Repeats = 2, BlanksAndRepeats = 3 };
GameType GetGameType(const GameOptions& options);

// The empty hole is the code equal to the number of colours in play: 6 or 7.
constexpr ColorCode BlankCodeFor(ColorSet colorSet) {
    return static_cast<ColorCode>(6 + static_cast<int>(colorSet));
}
constexpr ColorCode BlankCodeFor(const GameOptions& options) {
    return BlankCodeFor(options.Colors);
}
inline constexpr ColorCode SixColorBlank = BlankCodeFor(ColorSet::Six);

}  // namespace vella
