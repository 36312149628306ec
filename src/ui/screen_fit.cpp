// Fitting windows to their screen.
#include "ui/screen_fit.h"

#include <algorithm>

#include "ui/twips.h"

namespace vella {

QRect FitOnScreen(const QRect& wanted, const QRect& available) {
    QRect placed = wanted;
    const auto fit = [](int at, int length, int low, int room) {
        return length >= room ? low : std::clamp(at, low, low + room - length);
    };
    placed.moveLeft(fit(wanted.left(), wanted.width(), available.left(), available.width()));
    placed.moveTop(fit(wanted.top(), wanted.height(), available.top(), available.height()));
    return placed;
}

int TwipsPerPixelToFit(const QSize& twips, const QSize& room) {
    const auto least = [](int length, int pixels) {
        return pixels > 0 ? (length + pixels - 1) / pixels : length;
    };
    return std::max({DesignedTwipsPerPixel, least(twips.width(), room.width()),
                     least(twips.height(), room.height())});
}

}  // namespace vella
