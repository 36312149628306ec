// The program's pictures, compiled in as resources.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace vella::pictures {

QPixmap Peg(int colorCode);  // 0..6
QPixmap Empty();
QPixmap StatsChart();
QIcon ProgramIcon();
QIcon StatsIcon();
QIcon LoginIcon();

}  // namespace vella::pictures
