// How an empty score box is told apart from a white and a black one, whatever the palette.
#pragma once

#include <QColor>

namespace vella {

// The contrast ratio of two colours, from 1 to 21 (WCAG 2).
double ContrastRatio(const QColor& a, const QColor& b);

// The colour of an empty score box: `button` where it has a contrast of 3 or more against both a
// white and a black box, otherwise the nearest shade of it (same hue and saturation) that has.
QColor EmptyIndicatorColor(const QColor& button);

}  // namespace vella
