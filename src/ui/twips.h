// Layout figures are kept in twips, as designed: 15 twips make one logical pixel, or more where
// the screen is too small for the game window as designed, so that every window, font and
// picture is drawn smaller in the same proportion instead of running off the screen. The one
// Layout is decided as the game window is built and handed to every window.
#pragma once

#include <QRect>

class QScreen;
class QSize;

namespace vella {

inline constexpr int DesignedTwipsPerPixel = 15;

class Layout {
  public:
    // As designed, until fitted to a screen.
    Layout() = default;
    explicit Layout(int twipsPerPixel) : twipsPerPixel_(twipsPerPixel) {}

    // Draws every window smaller where `screen` cannot hold, frame and all, a game window whose
    // client area is `client` twips, with `above` pixels of menu bar over it.
    void FitTo(const QScreen* screen, const QSize& client, int above);

    int Px(int twips) const { return (twips + twipsPerPixel_ / 2) / twipsPerPixel_; }
    QRect Rect(int left, int top, int width, int height) const {
        return QRect(Px(left), Px(top), Px(width), Px(height));
    }
    // How much smaller than designed the windows are drawn: 1 as designed, less on a small
    // screen.
    double Scale() const { return double(DesignedTwipsPerPixel) / twipsPerPixel_; }

  private:
    int twipsPerPixel_ = DesignedTwipsPerPixel;
};

}  // namespace vella
