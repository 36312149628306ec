// Dragging a peg: what a drag carries, and where the pointer holds its picture.
#pragma once

#include <QMimeData>
#include <QPixmap>
#include <optional>

#include "game/game_state.h"

namespace vella {

inline constexpr char PegMimeType[] = "application/x-vellacode-peg";

// A drag carries its source in its MIME data, so that a drop works from the data alone, and
// the run of the program it started in: a hole can only be dragged within its own board, while
// a palette colour may come from another running copy.
QMimeData* EncodeDrag(const DragSource& source);
std::optional<DragSource> DecodeDrag(const QMimeData* data);

// Where the pointer holds a dragged picture: its centre, at any device-pixel ratio.
QPoint DragHotSpot(const QPixmap& image);

// Keeps the outline of a drag's picture once the drag has begun, on X11. Without a compositor Qt
// cuts the picture's window to the outline before showing it, and showing it undoes the cut: the
// picture would sit on an opaque square. Call it just before QDrag::exec().
void KeepDragOutline(const QPixmap& image);

}  // namespace vella
