// The rules of placing pegs in the current row: which hole a secondary click on a colour fills,
// drops on holes, moving and emptying pegs. Only holes of the current row react.
#pragma once

#include "game/game_state.h"

namespace vella {

// Where a dragged peg comes from: a palette colour or a hole of the board.
struct DragSource {
    enum class Kind { Palette, Hole };
    Kind kind = Kind::Palette;
    int index = 0;
};

// A secondary click on palette colour `color`: fills the first empty hole of the current row,
// or, in a full row, the hole after LastHole (wrapping to the row's start). Returns the hole, or
// -1 when the colour is not in play.
int PlaceColor(GameState& state, ColorCode color);

// A drop on hole `target`. Returns false when nothing changed (a target outside the current row,
// or a source that cannot be dropped).
bool DropOnHole(GameState& state, int target, const DragSource& source);

// A secondary click on a hole: empties it and moves LastHole to the row's last hole.
bool EmptyHole(GameState& state, int hole);

// Only a filled hole of the current row can be dragged.
bool CanDragHole(const GameState& state, int hole);

// The filled hole of the current row that was filled last, or -1 when the row is empty.
int LastFilledHole(const GameState& state);

}  // namespace vella
