// One-colour pictograms on a 24 x 24 design grid, shared by the toolbar
// icons, the slideshow illustrations and the panel backgrounds.
#pragma once

#include "canvas.h"

namespace art {

// Paints a glyph in a single colour onto its own layer. cut() removes ink,
// which is how the inner details (slits, windows, letters) are made without
// knowing what the glyph will later be placed on.
class Ink {
public:
    Ink(QPainter &painter, const QColor &colour);
    void fill(const QPainterPath &path);
    void stroke(const QPainterPath &path, qreal width, Qt::PenCapStyle cap = Qt::RoundCap,
                Qt::PenJoinStyle join = Qt::RoundJoin);
    void cut(const QPainterPath &path);
    void cutStroke(const QPainterPath &path, qreal width, Qt::PenCapStyle cap = Qt::RoundCap,
                   Qt::PenJoinStyle join = Qt::RoundJoin);

private:
    QPainter &m_painter;
    QColor m_colour;
};

using Glyph = void (*)(Ink &);

// The glyph for a toolbar word (import, play, youtube, ...), or nullptr.
Glyph toolbarGlyph(const QString &word);

namespace glyphs {
void import(Ink &);
void device(Ink &);
void trash(Ink &);
void play(Ink &);
void pause(Ink &);
void stop(Ink &);
void picture(Ink &);
void textT(Ink &);
void exportFilm(Ink &);
void letterF(Ink &);
void envelope(Ink &);
void people(Ink &);
void webcam(Ink &);
void videoSite(Ink &);
void rotateLeft(Ink &);
void bubble(Ink &);
void alignLeft(Ink &);
void alignCenter(Ink &);
void alignRight(Ink &);
void bold(Ink &);
void italic(Ink &);
void underline(Ink &);
// Only used in illustrations.
void folder(Ink &);
void film(Ink &);
void cloudUpload(Ink &);
void album(Ink &);
void videoFile(Ink &);
void droplet(Ink &);
} // namespace glyphs

// Renders a glyph into a size x size layer.
QImage glyphLayer(Glyph glyph, int size, const QColor &colour);
// Draws a glyph filling the square box (top-left is rounded to whole pixels).
void drawGlyph(QPainter &p, Glyph glyph, const QRectF &box, const QColor &colour);

} // namespace art
