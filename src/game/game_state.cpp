// The course of a game.
#include "game/game_state.h"

#include "game/scoring.h"

namespace vella {

GameState::GameState(RandomSource& random) : random_(random) {
    ClearBoard();
}

void GameState::StartUp() {
    options_ = GameOptions{};
    NewGame();
}

void GameState::NewGame() {
    inGame_ = false;
    curRow_ = 0;
    ClearBoard();
    NewSecret();
}

void GameState::ClearBoard() {
    board_.fill(BlankCode());
    scores_.fill(RowScore{});
    fillOrder_.fill(0);
}

void GameState::Fill(int hole, ColorCode color) {
    board_[hole] = color;
    fillOrder_[hole] = ++fills_;
}

void GameState::Empty(int hole) {
    board_[hole] = BlankCode();
    fillOrder_[hole] = 0;
}

void GameState::NewSecret() {
    secret_ = DrawSecret(random_, options_);
}

SubmitResult GameState::Submit() {
    const CheckOutcome outcome = CheckGuess(RowPattern(curRow_), secret_, options_);
    if (outcome.Refused()) return SubmitResult{outcome.Refusal};

    scores_[curRow_] = RowScore{outcome.Blacks, outcome.Whites};
    inGame_ = true;
    ++curRow_;
    SubmitResult result;
    result.GameOver = Over();
    if (result.GameOver) won_ = outcome.Blacks == RowLength;
    return result;
}

bool GameState::Over() const {
    return curRow_ == RowCount || (curRow_ > 0 && scores_[curRow_ - 1].Blacks == RowLength);
}

RulesChange GameState::SetOptions(const GameOptions& options) {
    if (inGame_) return RulesChange::Refused;
    if (options == options_) return RulesChange::Unchanged;
    const bool newColorSet = options.Colors != options_.Colors;
    options_ = options;
    if (newColorSet) ClearBoard();
    NewSecret();
    return RulesChange::Changed;
}

bool GameState::InCurrentRow(int hole) const {
    return hole >= curRow_ * RowLength && hole < (curRow_ + 1) * RowLength;
}

Pattern GameState::RowPattern(int row) const {
    Pattern pattern{};
    for (int k = 0; k < RowLength; ++k) pattern[k] = board_[row * RowLength + k];
    return pattern;
}

RowScore GameState::Score(int row) const {
    return row >= 0 && row < curRow_ ? scores_[row] : RowScore{};
}

std::array<Indicator, HoleCount> GameState::Indicators() const {
    std::array<Indicator, HoleCount> shown{};
    shown.fill(Indicator::Empty);
    for (int row = 0; row < curRow_; ++row) {
        const RowScore score = scores_[row];
        for (int k = 0; k < RowLength; ++k) {
            shown[row * RowLength + k] = k < score.Whites                  ? Indicator::White
                                         : k < score.Whites + score.Blacks ? Indicator::Black
                                                                           : Indicator::Empty;
        }
    }
    if (!Over()) {
        for (int k = 0; k < RowLength; ++k) shown[curRow_ * RowLength + k] = Indicator::Current;
    }
    return shown;
}

}  // namespace vella
