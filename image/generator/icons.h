// Button pictures in their states. The same look is used for every button:
//   Normal - dark glyph, no backing (sits on the grey toolbar)
//   Hover  - orange glyph on a dark rounded square
//   Active - white glyph on an orange rounded square (pressed / selected)
//   Off    - light glyph on a dark rounded square (a toggle that is not set)
#pragma once

#include "glyphs.h"

namespace art {

enum class ButtonState { Normal, Hover, Active, Off };

void drawButton(QPainter &p, const QRectF &box, Glyph glyph, ButtonState state);
QImage buttonImage(Glyph glyph, int size, ButtonState state);

// 3 x 3 placement chooser with one cell (0..8, row by row) picked out.
void drawPlacement(QPainter &p, const QRectF &box, int cell, bool selected);
QImage placementImage(int cell, int size, bool selected);

// The application's own mark: an orange tile carrying a white water drop
// with a play triangle, i.e. "watermarks on video".
void drawAppIcon(QPainter &p, const QRectF &box);
QImage appIcon(int size);

} // namespace art
