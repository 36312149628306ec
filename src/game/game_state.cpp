// The course of a game.
#include "game/game_state.h"

#include "game/scoring.h"

namespace vella {

GameState::GameState(RandomSource& random) : random_(random) {
    ClearBoard();
}

void GameState::StartUp(const GameOptions& options) {
    colorSetIdx_ = ColorSet::Six;
    blankCode_ = BlankCodeFor(colorSetIdx_);
    ResetGame();
    NewSecret(options);
}

void GameState::ResetGame() {
    lastHole_ = -1;
    inGame_ = false;
    curRow_ = 0;
    ClearBoard();
    secret_.fill(NoSecret);
    MarkCurrentRow(0);
}

void GameState::ClearBoard() {
    board_.fill(blankCode_);
    indicators_.fill(Indicator::Empty);
    fillOrder_.fill(0);
}

void GameState::Fill(int hole, ColorCode color) {
    board_[hole] = color;
    fillOrder_[hole] = ++fills_;
}

void GameState::Empty(int hole) {
    board_[hole] = blankCode_;
    fillOrder_[hole] = 0;
}

void GameState::NewSecret(const GameOptions& options) {
    secret_ = DrawSecret(random_, options, blankCode_);
}

SubmitResult GameState::Submit(const GameOptions& options) {
    const CheckOutcome outcome = CheckGuess(RowPattern(curRow_), secret_, options, blankCode_);
    if (outcome.Refused()) return SubmitResult{outcome.Refusal};

    blacks_ = outcome.Blacks;
    whites_ = outcome.Whites;
    inGame_ = true;
    SubmitResult result;
    ShowScore();
    ++curRow_;
    lastHole_ = static_cast<std::int16_t>(curRow_ * RowLength - 1);
    if (blacks_ == RowLength || curRow_ == RowCount) {
        won_ = blacks_ == RowLength;
        result.GameOver = true;
    } else {
        MarkCurrentRow(curRow_);
    }
    return result;
}

ColorChange GameState::SetColorSet(ColorSet colorSet, const GameOptions& options) {
    if (inGame_) return ColorChange::Refused;
    if (colorSet == colorSetIdx_) return ColorChange::Unchanged;
    colorSetIdx_ = colorSet;
    blankCode_ = BlankCodeFor(colorSet);
    ClearBoard();
    NewSecret(options);
    MarkCurrentRow(0);
    return ColorChange::Changed;
}

bool GameState::InCurrentRow(int hole) const {
    return hole >= curRow_ * RowLength && hole < (curRow_ + 1) * RowLength;
}

Pattern GameState::RowPattern(int row) const {
    Pattern pattern{};
    for (int k = 0; k < RowLength; ++k) pattern[k] = board_[row * RowLength + k];
    return pattern;
}

void GameState::MarkCurrentRow(int row) {
    for (int k = 0; k < RowLength; ++k) indicators_[row * RowLength + k] = Indicator::Current;
}

// whites_ fill the row's block first, then blacks; the rest of the block stays empty.
void GameState::ShowScore() {
    const int first = curRow_ * RowLength;
    for (int k = 0; k < RowLength; ++k) {
        indicators_[first + k] = k < whites_             ? Indicator::White
                                 : k < whites_ + blacks_ ? Indicator::Black
                                                         : Indicator::Empty;
    }
}

}  // namespace vella
