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
        hole = lastHole_ + 1;
        if (hole == first + RowLength) hole = first;
        // LastHole always lies in the current row or just below it while a row is full, but a
        // full row with LastHole elsewhere must still fill a hole of this row.
        if (!InCurrentRow(hole)) hole = first;
    }
    Fill(hole, color);
    lastHole_ = static_cast<std::int16_t>(hole);
    return hole;
}

bool GameState::DropOnHole(int target, const DragSource& source) {
    if (target < 0 || target >= HoleCount || !InCurrentRow(target)) return false;
    if (source.kind == DragSource::Kind::Palette) {
        if (source.index < 0 || source.index >= ColorCount()) return false;
        lastHole_ = static_cast<std::int16_t>(target);
        Fill(target, static_cast<ColorCode>(source.index));
        return true;
    }
    if (!CanDragHole(source.index)) return false;
    lastHole_ = static_cast<std::int16_t>(target);
    if (source.index == target) return true;
    Fill(target, board_[source.index]);
    Empty(source.index);
    return true;
}

bool GameState::EmptyHole(int hole) {
    if (hole < 0 || hole >= HoleCount || !InCurrentRow(hole)) return false;
    Empty(hole);
    lastHole_ = static_cast<std::int16_t>(curRow_ * RowLength + RowLength - 1);
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
