// Layout figures are kept in twips, as designed: 15 twips make one logical pixel, or more where
// the screen is too small for the game window as designed, so that every window, font and
// picture is drawn smaller in the same proportion instead of running off the screen.
#pragma once

#include <QRect>

namespace vella {

inline constexpr int DesignedTwipsPerPixel = 15;

// The twips in one logical pixel, for every window built from now on.
int TwipsPerPixel();
void SetTwipsPerPixel(int twips);

// How much smaller than designed the windows are drawn: 1 as designed, less on a small screen.
inline double LayoutScale() {
    return double(DesignedTwipsPerPixel) / TwipsPerPixel();
}

inline int Twips(int twips) {
    return (twips + TwipsPerPixel() / 2) / TwipsPerPixel();
}

inline QRect TwipsRect(int left, int top, int width, int height) {
    return QRect(Twips(left), Twips(top), Twips(width), Twips(height));
}

}  // namespace vella
