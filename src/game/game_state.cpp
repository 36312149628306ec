// The course of a game.
#include "game/game_state.h"

#include "game/scoring.h"

namespace vella {

GameState::GameState(RandomSource& random) : random_(random) {
    Board.fill(BlankCode);
    Indicators.fill(Indicator::Empty);
}

void GameState::StartUp(const GameOptions& options) {
    ColorSetIdx = ColorSet::Six;
    BlankCode = BlankCodeFor(ColorSetIdx);
    ResetGame();
    NewSecret(options);
}

void GameState::ResetGame() {
    LastHole = -1;
    InGame = false;
    CurRow = 0;
    ClearBoard();
    Secret.fill(NoSecret);
    MarkCurrentRow(0);
}

void GameState::ClearBoard() {
    Board.fill(BlankCode);
    Indicators.fill(Indicator::Empty);
    FillOrder.fill(0);
}

void GameState::Fill(int hole, ColorCode color) {
    Board[hole] = color;
    FillOrder[hole] = ++fills_;
}

void GameState::Empty(int hole) {
    Board[hole] = BlankCode;
    FillOrder[hole] = 0;
}

void GameState::NewSecret(const GameOptions& options) {
    Secret = DrawSecret(random_, options, BlankCode);
}

SubmitResult GameState::Submit(const GameOptions& options) {
    const CheckOutcome outcome = CheckGuess(RowPattern(CurRow), Secret, options, BlankCode);
    if (outcome.Refused()) return SubmitResult{outcome.Refusal};

    Blacks = outcome.Blacks;
    Whites = outcome.Whites;
    InGame = true;
    SubmitResult result;
    ShowScore();
    ++CurRow;
    LastHole = static_cast<std::int16_t>(CurRow * RowLength - 1);
    if (Blacks == RowLength || CurRow == RowCount) {
        Won = Blacks == RowLength;
        result.GameOver = true;
    } else {
        MarkCurrentRow(CurRow);
    }
    return result;
}

ColorChange GameState::SetColorSet(std::int16_t colorSetIdx, const GameOptions& options) {
    if (InGame) return ColorChange::Refused;
    if (colorSetIdx == ColorSetIdx) return ColorChange::Unchanged;
    ColorSetIdx = colorSetIdx;
    BlankCode = BlankCodeFor(colorSetIdx);
    ClearBoard();
    NewSecret(options);
    MarkCurrentRow(0);
    return ColorChange::Changed;
}

bool GameState::InCurrentRow(int hole) const {
    return hole >= CurRow * RowLength && hole < (CurRow + 1) * RowLength;
}

Pattern GameState::RowPattern(int row) const {
    Pattern pattern{};
    for (int k = 0; k < RowLength; ++k) pattern[k] = Board[row * RowLength + k];
    return pattern;
}

void GameState::MarkCurrentRow(int row) {
    for (int k = 0; k < RowLength; ++k) Indicators[row * RowLength + k] = Indicator::Current;
}

// Whites fill the row's block first, then blacks; the rest of the block stays empty.
void GameState::ShowScore() {
    const int first = CurRow * RowLength;
    for (int k = 0; k < RowLength; ++k) {
        Indicators[first + k] = k < Whites            ? Indicator::White
                                : k < Whites + Blacks ? Indicator::Black
                                                      : Indicator::Empty;
    }
}

}  // namespace vella
