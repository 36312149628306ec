// Fitting windows to their screen: where a window goes, and how much smaller than designed a
// layout must be drawn to fit.
#pragma once

#include <QRect>
#include <QSize>

namespace vella {

// `wanted` where it fits in `available`; otherwise moved, never resized, as little as it takes
// to lie wholly on it (its top left corner on it where it is larger).
QRect FitOnScreen(const QRect& wanted, const QRect& available);

// The fewest twips per logical pixel, and never fewer than designed, that fit a layout of
// `twips` into `room` logical pixels.
int TwipsPerPixelToFit(const QSize& twips, const QSize& room);

}  // namespace vella
