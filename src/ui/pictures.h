// The program's pictures, compiled in as resources.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace vella::pictures {

// A peg of colour 0..6; with peg symbols on, with its colour's symbol drawn on it.
QPixmap Peg(int colorCode);
void SetPegSymbols(bool on);
bool PegSymbols();
QPixmap Empty();
QPixmap StatsChart();
QIcon ProgramIcon();
QIcon StatsIcon();
QIcon LoginIcon();

}  // namespace vella::pictures
