// The scores beside the board: four boxes for each row, a played row's white boxes first, then
// its black ones, and the row being filled marked red. Each box is named with its row's score
// for a screen reader.
#pragma once

#include <QFrame>
#include <array>

#include "game/game_state.h"

class QLabel;

namespace vella {

class Layout;

class ScoreView : public QFrame {
    Q_OBJECT

  public:
    ScoreView(const Layout& layout, QWidget* parent);

    void Show(const GameState& game);

  private:
    std::array<QLabel*, HoleCount> boxes_{};
};

}  // namespace vella
