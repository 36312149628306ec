// Layout figures are kept in twips, as designed; 15 twips make one logical pixel.
#pragma once

#include <QRect>
#include <QWidget>

namespace vella {

inline constexpr int TwipsPerPixel = 15;

constexpr int Twips(int twips) { return (twips + TwipsPerPixel / 2) / TwipsPerPixel; }

constexpr QRect TwipsRect(int left, int top, int width, int height) {
    return QRect(Twips(left), Twips(top), Twips(width), Twips(height));
}

// Puts the top left corner of a top-level window's client area (below its title bar, and for
// the main window below its menu bar: `above` pixels) at the given screen position in twips.
inline void PlaceClientArea(QWidget* window, int left, int top, int above = 0) {
    window->adjustSize();
    window->setGeometry(QRect(QPoint(Twips(left), Twips(top) - above), window->size()));
}

}  // namespace vella
