// The rules of placing pegs in the current row.
#include "game/game_state.h"

namespace vella {

int GameState::PlaceColor(ColorCode color) {
    if (color < 0 || color >= ColorCount()) return -1;
    const int first = curRow_ * RowLength;
    int hole = -1;
    for (int i = first; i < first + RowLength && hole < 0; ++i) {
        if (board_[i] == BlankCode()) hole = i;
    }
    if (hole < 0) {
        hole = LastFilledHole() + 1;
        if (hole == first + RowLength) hole = first;
    }
    Fill(hole, color);
    return hole;
}

bool GameState::DropOnHole(int target, const DragSource& source) {
    if (target < 0 || target >= HoleCount || !InCurrentRow(target)) return false;
    if (source.kind == DragSource::Kind::Palette) {
        if (source.index < 0 || source.index >= ColorCount()) return false;
        Fill(target, static_cast<ColorCode>(source.index));
        return true;
    }
    if (!CanDragHole(source.index)) return false;
    // A peg dropped back on its own hole is placed there again: it is the one filled last.
    const ColorCode moved = board_[source.index];
    Empty(source.index);
    Fill(target, moved);
    return true;
}

bool GameState::EmptyHole(int hole) {
    if (hole < 0 || hole >= HoleCount || !InCurrentRow(hole)) return false;
    Empty(hole);
    return true;
}

bool GameState::CanDragHole(int hole) const {
    return hole >= 0 && hole < HoleCount && InCurrentRow(hole) && board_[hole] != BlankCode();
}

int GameState::LastFilledHole() const {
    int latest = -1;
    for (int i = curRow_ * RowLength; i < (curRow_ + 1) * RowLength && i < HoleCount; ++i) {
        if (board_[i] != BlankCode() && (latest < 0 || fillOrder_[i] > fillOrder_[latest])) {
            latest = i;
        }
    }
    return latest;
}

}  // namespace vella
