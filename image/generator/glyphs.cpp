#include "glyphs.h"

#include <QHash>
#include <QtMath>

namespace art {

Ink::Ink(QPainter &painter, const QColor &colour) : m_painter(painter), m_colour(colour) {}

void Ink::fill(const QPainterPath &path)
{
    m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    m_painter.fillPath(path, m_colour);
}

void Ink::stroke(const QPainterPath &path, qreal width, Qt::PenCapStyle cap, Qt::PenJoinStyle join)
{
    m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    m_painter.strokePath(path, QPen(m_colour, width, Qt::SolidLine, cap, join));
}

void Ink::cut(const QPainterPath &path)
{
    m_painter.setCompositionMode(QPainter::CompositionMode_DestinationOut);
    m_painter.fillPath(path, Qt::black);
    m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void Ink::cutStroke(const QPainterPath &path, qreal width, Qt::PenCapStyle cap, Qt::PenJoinStyle join)
{
    m_painter.setCompositionMode(QPainter::CompositionMode_DestinationOut);
    m_painter.strokePath(path, QPen(Qt::black, width, Qt::SolidLine, cap, join));
    m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

namespace glyphs {

// Line work is 2 units wide on whole coordinates so it lands on pixel edges
// at the 24 and 48 pixel sizes.
constexpr qreal kLine = 2.0;

void import(Ink &ink)
{
    ink.stroke(polyline({{4, 14}, {4, 19}, {20, 19}, {20, 14}}), kLine);
    ink.stroke(polyline({{12, 3.5}, {12, 14.5}}), kLine);
    ink.stroke(polyline({{7.5, 10}, {12, 14.5}, {16.5, 10}}), kLine);
}

void device(Ink &ink)
{
    // Camcorder: body, lens hood, a record dot.
    ink.fill(rrect(2, 6.5, 13.5, 11, 2.5));
    QPainterPath hood = polygon({{17, 10.5}, {22, 7}, {22, 17}, {17, 13.5}});
    ink.fill(hood);
    ink.stroke(hood, 1.0);
    ink.cut(circle(6, 10.5, 1.6));
}

void trash(Ink &ink)
{
    ink.fill(rrect(3.5, 5, 17, 2.5, 1.2));
    ink.stroke(polyline({{9.5, 5}, {9.5, 3.2}, {14.5, 3.2}, {14.5, 5}}), 1.6);
    QPainterPath body = polygon({{5.5, 9}, {18.5, 9}, {17.4, 20}, {6.6, 20}});
    ink.fill(body);
    ink.stroke(body, 1.4);
    for (qreal x : {9.3, 12.0, 14.7})
        ink.cutStroke(polyline({{x, 11.5}, {x, 17.5}}), 1.4);
}

void play(Ink &ink)
{
    QPainterPath t = polygon({{7.5, 5}, {19, 12}, {7.5, 19}});
    ink.fill(t);
    ink.stroke(t, 2.0);
}

void pause(Ink &ink)
{
    ink.fill(rrect(6, 4.5, 4.5, 15, 1.3));
    ink.fill(rrect(13.5, 4.5, 4.5, 15, 1.3));
}

void stop(Ink &ink)
{
    ink.fill(rrect(5.5, 5.5, 13, 13, 2.2));
}

namespace {
// The program's mark (a water drop) in the lower right corner, set apart
// from the glyph under it: "this adds a watermark".
void dropBadge(Ink &ink)
{
    QPainterPath d;
    d.moveTo(18, 11.5);
    d.cubicTo(19.2, 13.6, 22, 15.4, 22, 18);
    d.cubicTo(22, 20.3, 20.2, 22, 18, 22);
    d.cubicTo(15.8, 22, 14, 20.3, 14, 18);
    d.cubicTo(14, 15.4, 16.8, 13.6, 18, 11.5);
    d.closeSubpath();
    ink.cutStroke(d, 3.2);
    ink.cut(d);
    ink.fill(d);
}
} // namespace

void picture(Ink &ink)
{
    ink.fill(rrect(2, 3.5, 18, 15, 2.5));
    ink.cut(rrect(4, 5.5, 14, 11, 1));
    ink.fill(polygon({{4, 16.5}, {9, 10}, {12.5, 14}, {14.5, 12}, {18, 16.5}}));
    ink.fill(circle(14.8, 8.8, 1.6));
    dropBadge(ink);
}

void textT(Ink &ink)
{
    ink.fill(rrect(2.5, 3, 16, 3.5, 1));
    ink.fill(rrect(8.75, 3, 3.5, 17.5, 1));
    dropBadge(ink);
}

void exportFilm(Ink &ink)
{
    // A film frame with an arrow leaving it to the right.
    ink.fill(rrect(2, 5, 14, 14, 2));
    for (qreal x : {3.8, 7.4, 11.0}) {
        ink.cut(rrect(x, 6.4, 2.2, 2, 0.5));
        ink.cut(rrect(x, 15.6, 2.2, 2, 0.5));
    }
    ink.cut(rrect(4, 9.6, 10, 4.8, 0.8));
    QPainterPath arrow = polyline({{10.5, 12}, {20.5, 12}});
    QPainterPath head = polyline({{16.5, 8}, {20.5, 12}, {16.5, 16}});
    ink.cutStroke(arrow, kLine + 3.2);
    ink.cutStroke(head, kLine + 3.2);
    ink.stroke(arrow, kLine);
    ink.stroke(head, kLine);
}

void letterF(Ink &ink)
{
    ink.fill(rrect(3, 3, 18, 18, 4.5));
    // A plain lower-case f knocked out of the square, running off its foot.
    QPainterPath stem;
    stem.moveTo(13.2, 21.5);
    stem.lineTo(13.2, 10.8);
    stem.cubicTo(13.2, 8.2, 14.4, 6.8, 17.2, 6.8);
    stem.lineTo(18, 6.8);
    ink.cutStroke(stem, 3.0, Qt::FlatCap, Qt::RoundJoin);
    ink.cut(rrect(9.6, 11, 8.2, 2.8, 0.4));
}

void envelope(Ink &ink)
{
    ink.fill(rrect(2.5, 5, 19, 14, 2.2));
    ink.cutStroke(polyline({{4, 7.2}, {12, 13}, {20, 7.2}}), 1.8);
}

namespace {
QPainterPath person(qreal cx, qreal headY, qreal headR, qreal shoulderW, qreal bodyTop, qreal bottom)
{
    QPainterPath p = circle(cx, headY, headR);
    QPainterPath body;
    body.addRoundedRect(QRectF(cx - shoulderW / 2, bodyTop, shoulderW, (bottom - bodyTop) * 2),
                        shoulderW / 2, shoulderW / 2.4);
    QPainterPath clip;
    clip.addRect(QRectF(cx - shoulderW, bodyTop - 1, shoulderW * 2, bottom - bodyTop + 1));
    return p.united(body.intersected(clip));
}
} // namespace

void people(Ink &ink)
{
    QPainterPath back = person(16, 7.5, 3, 9.5, 12, 19);
    QPainterPath front = person(9, 8.5, 3.5, 12, 13.5, 20.5);
    ink.fill(back);
    ink.cutStroke(front, 2.4);
    ink.cut(front);
    ink.fill(front);
}

void webcam(Ink &ink)
{
    ink.fill(circle(12, 10, 7.5));
    ink.cut(circle(12, 10, 3.6));
    ink.fill(circle(12, 10, 1.8));
    ink.fill(rrect(10.8, 16, 2.4, 3.5, 0.5));
    ink.fill(rrect(6, 19, 12, 2.5, 1.25));
}

void videoSite(Ink &ink)
{
    ink.fill(rrect(2, 5, 20, 14, 4));
    QPainterPath t = polygon({{10, 8.8}, {15.6, 12}, {10, 15.2}});
    ink.cutStroke(t, 1.0);
    ink.cut(t);
}

void rotateLeft(Ink &ink)
{
    // Three quarters of a circle running anticlockwise, arrow head at the top.
    const QRectF r(5, 5.5, 14, 14);
    QPainterPath arc;
    arc.arcMoveTo(r, 90);
    arc.arcTo(r, 90, -250);
    ink.stroke(arc, kLine, Qt::RoundCap);
    QPainterPath head = polygon({{7.6, 5.5}, {12.6, 1.6}, {12.6, 9.4}});
    ink.fill(head);
    ink.stroke(head, 1.0);
}

void bubble(Ink &ink)
{
    QPainterPath b = rrect(2.5, 3.5, 19, 13.5, 4);
    QPainterPath tail = polygon({{6.5, 15}, {6.5, 21}, {12.5, 16}});
    ink.fill(b.united(tail));
    for (qreal x : {7.5, 12.0, 16.5})
        ink.cut(circle(x, 10.2, 1.5));
}

namespace {
void alignLines(Ink &ink, int mode)
{
    const qreal lengths[] = {16, 10, 16, 12};
    for (int i = 0; i < 4; ++i) {
        const qreal len = lengths[i];
        qreal x0 = 4;
        if (mode == 1)
            x0 = 12 - len / 2;
        else if (mode == 2)
            x0 = 20 - len;
        const qreal y = 6 + i * 4;
        ink.stroke(polyline({{x0 + 1, y}, {x0 + len - 1, y}}), kLine);
    }
}
} // namespace

void alignLeft(Ink &ink) { alignLines(ink, 0); }
void alignCenter(Ink &ink) { alignLines(ink, 1); }
void alignRight(Ink &ink) { alignLines(ink, 2); }

void bold(Ink &ink)
{
    // Heavy B: a stem and two bowls, the lower one wider.
    ink.fill(rrect(6, 4, 3.6, 16, 0.6));
    QPainterPath upper;
    upper.moveTo(8, 5.8);
    upper.lineTo(12.2, 5.8);
    upper.cubicTo(16.2, 5.8, 16.2, 11.8, 12.2, 11.8);
    upper.lineTo(8, 11.8);
    QPainterPath lower;
    lower.moveTo(8, 11.8);
    lower.lineTo(13, 11.8);
    lower.cubicTo(17.8, 11.8, 17.8, 18.2, 13, 18.2);
    lower.lineTo(8, 18.2);
    ink.stroke(upper, 3.6, Qt::FlatCap, Qt::MiterJoin);
    ink.stroke(lower, 3.6, Qt::FlatCap, Qt::MiterJoin);
}

void italic(Ink &ink)
{
    ink.fill(rrect(10, 4, 8, 2.4, 0.5));
    ink.fill(rrect(6, 17.6, 8, 2.4, 0.5));
    ink.fill(polygon({{12.4, 6.4}, {15.2, 6.4}, {11.6, 17.6}, {8.8, 17.6}}));
}

void underline(Ink &ink)
{
    QPainterPath u;
    u.moveTo(8, 3.5);
    u.lineTo(8, 10.5);
    u.cubicTo(8, 16.4, 16, 16.4, 16, 10.5);
    u.lineTo(16, 3.5);
    ink.stroke(u, 3.0, Qt::FlatCap, Qt::RoundJoin);
    ink.fill(rrect(5, 18.5, 14, 2.2, 1.1));
}

void folder(Ink &ink)
{
    QPainterPath back;
    back.moveTo(2.5, 6.5);
    back.quadTo(2.5, 4.5, 4.5, 4.5);
    back.lineTo(9, 4.5);
    back.lineTo(11, 6.5);
    back.lineTo(19.5, 6.5);
    back.quadTo(21.5, 6.5, 21.5, 8.5);
    back.lineTo(21.5, 17.5);
    back.quadTo(21.5, 19.5, 19.5, 19.5);
    back.lineTo(4.5, 19.5);
    back.quadTo(2.5, 19.5, 2.5, 17.5);
    back.closeSubpath();
    ink.fill(back);
    ink.cutStroke(polyline({{2.5, 9}, {21.5, 9}}), 1.2, Qt::FlatCap);
}

void film(Ink &ink)
{
    ink.fill(rrect(4, 2, 16, 20, 2));
    for (int i = 0; i < 5; ++i) {
        const qreal y = 3.5 + i * 3.6;
        ink.cut(rrect(5.2, y, 1.9, 2.2, 0.5));
        ink.cut(rrect(16.9, y, 1.9, 2.2, 0.5));
    }
    ink.cut(rrect(8.4, 3.6, 7.2, 7.6, 0.8));
    ink.cut(rrect(8.4, 12.8, 7.2, 7.6, 0.8));
}

void cloudUpload(Ink &ink)
{
    QPainterPath cloud = circle(9, 12.5, 4.5)
                             .united(circle(14.5, 10.5, 5.5))
                             .united(circle(18.5, 14.5, 3.5))
                             .united(rrect(4.5, 12.5, 14, 5.5, 2.5));
    ink.fill(cloud);
    QPainterPath shaft = polyline({{12.5, 19.5}, {12.5, 11}});
    QPainterPath head = polyline({{9.5, 13.8}, {12.5, 10.8}, {15.5, 13.8}});
    ink.cutStroke(shaft, 1.9, Qt::FlatCap);
    ink.cutStroke(head, 1.9);
}

void album(Ink &ink)
{
    // Stack of frames: two backs peeking out over the front one.
    ink.fill(rrect(6, 2.5, 12, 2, 1));
    ink.fill(rrect(4, 5.5, 16, 2, 1));
    ink.fill(rrect(2.5, 8.5, 19, 13, 2));
    QPainterPath t = polygon({{10.2, 11.8}, {15, 15}, {10.2, 18.2}});
    ink.cutStroke(t, 1.0);
    ink.cut(t);
}

void videoFile(Ink &ink)
{
    QPainterPath page;
    page.moveTo(6, 2.5);
    page.lineTo(14.5, 2.5);
    page.lineTo(19.5, 7.5);
    page.lineTo(19.5, 20);
    page.quadTo(19.5, 21.5, 18, 21.5);
    page.lineTo(6, 21.5);
    page.quadTo(4.5, 21.5, 4.5, 20);
    page.lineTo(4.5, 4);
    page.quadTo(4.5, 2.5, 6, 2.5);
    page.closeSubpath();
    ink.fill(page);
    // The turned-down corner, set apart by a hairline gap.
    ink.cutStroke(polyline({{13.6, 2}, {13.6, 8.4}, {20, 8.4}}), 1.2, Qt::FlatCap, Qt::MiterJoin);
    QPainterPath t = polygon({{10, 11}, {15.5, 14.5}, {10, 18}});
    ink.cutStroke(t, 1.0);
    ink.cut(t);
}

void droplet(Ink &ink)
{
    QPainterPath d;
    d.moveTo(12, 2.5);
    d.cubicTo(14, 6, 19, 10, 19, 14.5);
    d.cubicTo(19, 18.6, 15.9, 21.5, 12, 21.5);
    d.cubicTo(8.1, 21.5, 5, 18.6, 5, 14.5);
    d.cubicTo(5, 10, 10, 6, 12, 2.5);
    d.closeSubpath();
    ink.fill(d);
}

} // namespace glyphs

Glyph toolbarGlyph(const QString &word)
{
    static const QHash<QString, Glyph> table = {
        {QStringLiteral("import"), glyphs::import},
        {QStringLiteral("device"), glyphs::device},
        {QStringLiteral("delete"), glyphs::trash},
        {QStringLiteral("play"), glyphs::play},
        {QStringLiteral("pause"), glyphs::pause},
        {QStringLiteral("stop"), glyphs::stop},
        {QStringLiteral("watermarkvideo"), glyphs::picture},
        {QStringLiteral("watermarktext"), glyphs::textT},
        {QStringLiteral("export"), glyphs::exportFilm},
        {QStringLiteral("facebook"), glyphs::letterF},
        {QStringLiteral("email"), glyphs::envelope},
        {QStringLiteral("myspace"), glyphs::people},
        {QStringLiteral("webcam"), glyphs::webcam},
        {QStringLiteral("youtube"), glyphs::videoSite},
        {QStringLiteral("rotateleft"), glyphs::rotateLeft},
        {QStringLiteral("twitter"), glyphs::bubble},
    };
    return table.value(word, nullptr);
}

QImage glyphLayer(Glyph glyph, int size, const QColor &colour)
{
    QImage layer = newImage(size, size);
    QPainter p(&layer);
    prepare(p);
    p.scale(size / 24.0, size / 24.0);
    Ink ink(p, colour);
    glyph(ink);
    p.end();
    return layer;
}

void drawGlyph(QPainter &p, Glyph glyph, const QRectF &box, const QColor &colour)
{
    const int size = qRound(box.width());
    const QImage layer = glyphLayer(glyph, size, colour);
    p.drawImage(QPoint(qRound(box.x()), qRound(box.y())), layer);
}

} // namespace art
