// The rules of placing pegs.
#include "game/placement.h"

namespace vella {

int PlaceColor(GameState& state, ColorCode color) {
    if (color < 0 || color >= state.ColorCount()) return -1;
    const int first = state.CurRow * RowLength;
    int hole = -1;
    for (int i = first; i < first + RowLength && hole < 0; ++i) {
        if (state.Board[i] == state.BlankCode) hole = i;
    }
    if (hole < 0) {
        hole = state.LastHole + 1;
        if (hole == first + RowLength) hole = first;
        // LastHole always lies in the current row or just below it while a row is full, but a
        // full row with LastHole elsewhere must still fill a hole of this row.
        if (!state.InCurrentRow(hole)) hole = first;
    }
    state.Fill(hole, color);
    state.LastHole = static_cast<std::int16_t>(hole);
    return hole;
}

bool DropOnHole(GameState& state, int target, const DragSource& source) {
    if (target < 0 || target >= HoleCount || !state.InCurrentRow(target)) return false;
    if (source.kind == DragSource::Kind::Palette) {
        if (source.index < 0 || source.index >= state.ColorCount()) return false;
        state.LastHole = static_cast<std::int16_t>(target);
        state.Fill(target, static_cast<ColorCode>(source.index));
        return true;
    }
    if (!CanDragHole(state, source.index)) return false;
    state.LastHole = static_cast<std::int16_t>(target);
    if (source.index == target) return true;
    state.Fill(target, state.Board[source.index]);
    state.Empty(source.index);
    return true;
}

bool EmptyHole(GameState& state, int hole) {
    if (hole < 0 || hole >= HoleCount || !state.InCurrentRow(hole)) return false;
    state.Empty(hole);
    state.LastHole = static_cast<std::int16_t>(state.CurRow * RowLength + RowLength - 1);
    return true;
}

bool CanDragHole(const GameState& state, int hole) {
    return hole >= 0 && hole < HoleCount && state.InCurrentRow(hole) &&
           state.Board[hole] != state.BlankCode;
}

int LastFilledHole(const GameState& state) {
    int latest = -1;
    for (int i = state.CurRow * RowLength; i < (state.CurRow + 1) * RowLength && i < HoleCount;
         ++i) {
        if (state.Board[i] != state.BlankCode &&
            (latest < 0 || state.FillOrder[i] > state.FillOrder[latest])) {
            latest = i;
        }
    }
    return latest;
}

}  // namespace vella
