// The board: ten rows of four holes, row 1 at the bottom. It shows the pegs of a game, names each
// hole for a screen reader, and reports a button pressed on a hole and a peg dropped on one.
#pragma once

#include <QFrame>
#include <array>

#include "game/game_state.h"

namespace vella {

class Layout;
class PegHole;
class Pictures;

class BoardView : public QFrame {
    Q_OBJECT

  public:
    BoardView(const Layout& layout, QWidget* parent);

    void Show(const GameState& game, const Pictures& pictures);

  signals:
    void holePressed(int hole, Qt::MouseButton button);
    void pegDropped(int hole, const vella::DragSource& source);

  private:
    std::array<PegHole*, HoleCount> holes_{};
};

}  // namespace vella
