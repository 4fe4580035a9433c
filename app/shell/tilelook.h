#pragma once

#include <QPen>
#include <QPixmap>

// The look that library tiles, import tiles, gallery thumbnails and watermark rows share.

// The pushed-toolbar picture that tiles and rows are laid on, scaled to `height`.
QPixmap tileBackground(int height);
// The frame of a tile under the pointer (orange, square ends) or selected (blue, round ends).
QPen highlightPen(bool hovered);
