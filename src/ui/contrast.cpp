// Colour contrast, and the empty score box's colour.
#include "ui/contrast.h"

#include <algorithm>
#include <cmath>

namespace vella {
namespace {

double Linear(double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double Luminance(const QColor& c) {
    return 0.2126 * Linear(c.redF()) + 0.7152 * Linear(c.greenF()) + 0.0722 * Linear(c.blueF());
}

constexpr double Needed = 3.0;

}  // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor EmptyIndicatorColor(const QColor& button) {
    const QColor white(255, 255, 255), black(0, 0, 0);
    if (ContrastRatio(button, white) >= Needed && ContrastRatio(button, black) >= Needed)
        return button;
    // Too light: the lightest darker shade that stands out from white; too dark: the darkest
    // lighter shade that stands out from black. Either also stands out from the other.
    const bool tooLight = ContrastRatio(button, white) < Needed;
    const QColor against = tooLight ? white : black;
    const QColor hsl = button.toHsl();
    const auto shade = [&](int lightness) {
        return QColor::fromHsl(hsl.hslHue(), hsl.hslSaturation(), lightness).toRgb();
    };
    int from = hsl.lightness(), to = tooLight ? 0 : 255;  // `to` stands out, `from` does not
    while (std::abs(to - from) > 1) {
        const int middle = (from + to) / 2;
        (ContrastRatio(shade(middle), against) >= Needed ? to : from) = middle;
    }
    return shade(to);
}

}  // namespace vella
