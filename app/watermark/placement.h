#pragma once

#include <QPoint>
#include <QRect>

// Top-left corner, relative to `outer`, of `inner` placed on the 3 x 3 grid:
// 1 2 3 along the top, 4 5 6 through the middle, 7 8 9 along the bottom.
// Widths and heights count right - left + 1; each half is truncated on its own, so
// placement 5 of a 101 pixel wide inner in 500 pixels gives 250 - 50 = 200.
// Any other placement gives (0, 0).
QPoint placementOffset(const QRect &inner, const QRect &outer, int placement);

// The largest X offset that leaves a picture of `pictureWidth` at `placement` reachable on a
// preview `areaWidth` wide: at least 40 pixels of it (all of a narrower one) stay inside.
int maximumXOffset(int placement, int areaWidth, int pictureWidth);
