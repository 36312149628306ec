// Where a window goes and how an empty score box is told apart: two rules of the view that keep
// every window on its screen and every score readable, whatever the screen and the palette.
#pragma once

#include <QColor>
#include <QRect>
#include <QSize>

namespace vella {

// `wanted` where it fits in `available`; otherwise moved, never resized, as little as it takes
// to lie wholly on it (its top left corner on it where it is larger).
QRect FitOnScreen(const QRect& wanted, const QRect& available);

// The fewest twips per logical pixel, and never fewer than designed, that fit a layout of
// `twips` into `room` logical pixels.
int TwipsPerPixelToFit(const QSize& twips, const QSize& room);

// The contrast ratio of two colours, from 1 to 21 (WCAG 2).
double ContrastRatio(const QColor& a, const QColor& b);

// The colour of an empty score box: `button` where it has a contrast of 3 or more against both a
// white and a black box, otherwise the nearest shade of it (same hue and saturation) that has.
QColor EmptyIndicatorColor(const QColor& button);

}  // namespace vella
