// The state of one game and its course: start-up, the rules it is played by, placing pegs,
// submitting a row, the end of a game, and the changes of rules allowed between games. Its fields
// change only through these operations; whatever the window must show comes back as data.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "game/rules.h"
#include "game/secret.h"
#include "text/text.h"

namespace vella {

inline constexpr Text WaitRefusal = VC_TEXT("Game", "Please wait until this game is over.");

// What a score indicator shows.
enum class Indicator { Empty, Current, White, Black };

// The blacks and whites a scored row earned.
struct RowScore {
    int Blacks = 0;
    int Whites = 0;
};

struct SubmitResult {
    std::string Refusal;    // non-empty: the row was refused and nothing changed
    bool GameOver = false;  // the result window is due, then NewGame

    bool Refused() const { return !Refusal.empty(); }
};

enum class RulesChange { Refused, Unchanged, Changed };

// Where a dragged peg comes from: a palette colour or a hole of the board.
struct DragSource {
    enum class Kind { Palette, Hole };
    Kind kind = Kind::Palette;
    int index = 0;
};

class GameState {
  public:
    explicit GameState(RandomSource& random);

    // The first state of a run: six colours without blanks or repeats, an empty board, row 0
    // marked, a fresh secret.
    void StartUp();

    // The next game by the same rules: an empty board with row 0 marked, and a fresh secret.
    void NewGame();

    // Checks and scores row CurRow; on acceptance locks the rules (InGame), keeps the score,
    // advances the row and detects the end of the game (setting Won).
    SubmitResult Submit();

    // The rules of the next game; refused while a game is under way. A new colour set also
    // empties the board, since the blank's code changes with it. Any change draws a new secret.
    RulesChange SetOptions(const GameOptions& options);
    const GameOptions& Options() const { return options_; }

    // Placing pegs. Only holes of the current row react.
    // A secondary click on palette colour `color`: fills the first empty hole of the current
    // row, or, in a full row, the hole after the one filled last (wrapping to the row's start).
    // Returns the hole, or -1 when the colour is not in play.
    int PlaceColor(ColorCode color);
    // A drop on hole `target`; false when nothing changed (a target outside the current row, or
    // a source that cannot be dropped).
    bool DropOnHole(int target, const DragSource& source);
    // A secondary click on a hole: empties it; the next colour placed in a full row goes to the
    // row's first hole.
    bool EmptyHole(int hole);
    // Only a filled hole of the current row can be dragged.
    bool CanDragHole(int hole) const;
    // The filled hole of the current row that was filled last, or -1 when the row is empty.
    int LastFilledHole() const;

    const std::array<ColorCode, HoleCount>& Board() const { return board_; }
    // The score of a row already played (zero for any other).
    RowScore Score(int row) const;
    // What each score indicator shows: a played row's whites first, then its blacks; the row
    // being filled marked as current.
    std::array<Indicator, HoleCount> Indicators() const;
    std::int16_t CurRow() const { return curRow_; }
    bool InGame() const { return inGame_; }
    ColorCode BlankCode() const { return BlankCodeFor(options_); }
    int ColorCount() const { return BlankCode(); }
    const Pattern& Secret() const { return secret_; }
    bool Won() const { return won_; }

    bool InCurrentRow(int hole) const;
    Pattern RowPattern(int row) const;

  private:
    void NewSecret();
    bool Over() const;
    void ClearBoard();
    // Puts a colour into a hole, or empties it, keeping the order in which holes were filled.
    void Fill(int hole, ColorCode color);
    void Empty(int hole);

    RandomSource& random_;
    GameOptions options_;
    std::array<ColorCode, HoleCount> board_{};
    std::array<RowScore, RowCount> scores_{};
    // When each hole was last filled (a running count; 0 while empty): Backspace takes out the
    // peg filled last, and a colour placed in a full row goes into the hole after it.
    std::array<std::uint32_t, HoleCount> fillOrder_{};
    std::uint32_t fills_ = 0;
    std::int16_t curRow_ = 0;
    bool inGame_ = false;
    Pattern secret_{NoSecret, NoSecret, NoSecret, NoSecret};
    bool won_ = false;
};

}  // namespace vella
