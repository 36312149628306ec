// What assistive technology reads for the board: colour names, holes, palette pegs and scores.
#pragma once

#include <QString>

class QWidget;

#include "game/game_state.h"

namespace vella {

// "red", or "empty" for the blank.
QString ColorName(ColorCode code, ColorCode blankCode);

// "row 3, hole 2: red"; rows and holes counted from 1, row 1 at the bottom.
QString HoleName(int hole, ColorCode code, ColorCode blankCode);

// "red peg".
QString PaletteName(int code);

// "row 3: 2 exact, 1 colour only", "row 3: current row" or "row 3: not played yet".
QString ScoreName(const GameState& state, int row);

// Gives `widget` a new accessible name and tells assistive technology, when it changed.
void Rename(QWidget* widget, const QString& name);

// For tests, which run without an accessibility bridge: sees every announcement Rename makes.
using AnnouncementObserver = void (*)(QWidget* widget);
void ObserveAnnouncements(AnnouncementObserver observer);

}  // namespace vella
