// The state of one game and its course: start-up, placing pegs, submitting a row, the end of a
// game, and the option changes allowed between games. Its fields change only through these
// operations; whatever the window must show comes back as data.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "game/colors.h"
#include "game/secret.h"

namespace vella {

inline constexpr std::string_view WaitRefusal = "Please wait until this game is over.";

// What a score indicator shows.
enum class Indicator { Empty, Current, White, Black };

struct SubmitResult {
    std::string Refusal;    // non-empty: the row was refused and nothing changed
    bool GameOver = false;  // the result window is due, then ResetGame and NewSecret

    bool Refused() const { return !Refusal.empty(); }
};

enum class ColorChange { Refused, Unchanged, Changed };

// Where a dragged peg comes from: a palette colour or a hole of the board.
struct DragSource {
    enum class Kind { Palette, Hole };
    Kind kind = Kind::Palette;
    int index = 0;
};

class GameState {
  public:
    explicit GameState(RandomSource& random);

    // The first state of a run: six colours, an empty board, row 0 marked, a fresh secret.
    void StartUp(const GameOptions& options);

    // An empty board with row 0 marked, and no secret until NewSecret.
    void ResetGame();
    void NewSecret(const GameOptions& options);

    // Checks and scores row CurRow; on acceptance locks the options (InGame), paints the score,
    // advances the row and detects the end of the game (setting Won).
    SubmitResult Submit(const GameOptions& options);

    // Switches between ColorSet::Six and ColorSet::Seven; refused while a game is under way.
    ColorChange SetColorSet(ColorSet colorSet, const GameOptions& options);

    // Placing pegs. Only holes of the current row react.
    // A secondary click on palette colour `color`: fills the first empty hole of the current
    // row, or, in a full row, the hole after LastHole (wrapping to the row's start). Returns the
    // hole, or -1 when the colour is not in play.
    int PlaceColor(ColorCode color);
    // A drop on hole `target`; false when nothing changed (a target outside the current row, or
    // a source that cannot be dropped).
    bool DropOnHole(int target, const DragSource& source);
    // A secondary click on a hole: empties it and moves LastHole to the row's last hole.
    bool EmptyHole(int hole);
    // Only a filled hole of the current row can be dragged.
    bool CanDragHole(int hole) const;
    // The filled hole of the current row that was filled last, or -1 when the row is empty.
    int LastFilledHole() const;

    const std::array<ColorCode, HoleCount>& Board() const { return board_; }
    const std::array<Indicator, HoleCount>& Indicators() const { return indicators_; }
    std::int16_t CurRow() const { return curRow_; }
    std::int16_t LastHole() const { return lastHole_; }
    bool InGame() const { return inGame_; }
    ColorSet ColorSetIdx() const { return colorSetIdx_; }
    ColorCode BlankCode() const { return blankCode_; }
    const Pattern& Secret() const { return secret_; }
    bool Won() const { return won_; }

    bool InCurrentRow(int hole) const;
    Pattern RowPattern(int row) const;
    int ColorCount() const { return blankCode_; }

  private:
    void ClearBoard();
    void MarkCurrentRow(int row);
    void ShowScore();
    // Puts a colour into a hole, or empties it, keeping the order in which holes were filled.
    void Fill(int hole, ColorCode color);
    void Empty(int hole);

    RandomSource& random_;
    std::array<ColorCode, HoleCount> board_{};
    std::array<Indicator, HoleCount> indicators_{};
    // When each hole was last filled (a running count; 0 while empty).
    std::array<std::uint32_t, HoleCount> fillOrder_{};
    std::uint32_t fills_ = 0;
    std::int16_t curRow_ = 0;
    std::int16_t lastHole_ = -1;
    bool inGame_ = false;
    std::int16_t blacks_ = 0;
    std::int16_t whites_ = 0;
    ColorSet colorSetIdx_ = ColorSet::Six;
    ColorCode blankCode_ = SixColorBlank;
    Pattern secret_{NoSecret, NoSecret, NoSecret, NoSecret};
    bool won_ = false;
};

}  // namespace vella
