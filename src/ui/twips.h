// Layout figures are kept in twips, as designed; 15 twips make one logical pixel.
#pragma once

#include <QRect>

namespace vella {

inline constexpr int TwipsPerPixel = 15;

constexpr int Twips(int twips) {
    return (twips + TwipsPerPixel / 2) / TwipsPerPixel;
}

constexpr QRect TwipsRect(int left, int top, int width, int height) {
    return QRect(Twips(left), Twips(top), Twips(width), Twips(height));
}

}  // namespace vella
