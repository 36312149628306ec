// The state of one game and its course: start-up, submitting a row, the end of a game, and the
// option changes allowed between games. Whatever the window must show comes back as data.
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

class GameState {
  public:
    explicit GameState(RandomSource& random);

    // The first state of a run: six colours, an empty board, row 0 marked, a fresh secret.
    void StartUp(const GameOptions& options);

    void ResetGame();
    void ClearBoard();
    void NewSecret(const GameOptions& options);

    // Checks and scores row CurRow; on acceptance locks the options (InGame), paints the score,
    // advances the row and detects the end of the game (setting Won).
    SubmitResult Submit(const GameOptions& options);

    // Switches between six (0) and seven (1) colours; refused while a game is under way.
    ColorChange SetColorSet(std::int16_t colorSetIdx, const GameOptions& options);

    // Puts a colour into a hole, or empties it, keeping the order in which holes were filled.
    void Fill(int hole, ColorCode color);
    void Empty(int hole);

    bool InCurrentRow(int hole) const;
    Pattern RowPattern(int row) const;
    int ColorCount() const { return BlankCode; }

    std::array<ColorCode, HoleCount> Board{};
    std::array<Indicator, HoleCount> Indicators{};
    // When each hole was last filled (a running count; 0 while empty).
    std::array<std::uint32_t, HoleCount> FillOrder{};
    std::int16_t CurRow = 0;
    std::int16_t LastHole = -1;
    bool InGame = false;
    std::int16_t Blacks = 0;
    std::int16_t Whites = 0;
    std::int16_t ColorSetIdx = 0;
    ColorCode BlankCode = SixColorBlank;
    Pattern Secret{NoSecret, NoSecret, NoSecret, NoSecret};
    bool Won = false;

  private:
    void MarkCurrentRow(int row);
    void ShowScore();

    RandomSource& random_;
    std::uint32_t fills_ = 0;
};

}  // namespace vella
