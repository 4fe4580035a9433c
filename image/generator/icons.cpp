#include "icons.h"

namespace art {

namespace {
QRectF tileRect(const QRectF &box)
{
    // One pixel of air at the icon sizes keeps neighbouring tiles apart.
    const qreal inset = box.width() / 32.0;
    return box.adjusted(inset, inset, -inset, -inset);
}

qreal tileRadius(const QRectF &box) { return box.width() * 0.19; }

void drawTile(QPainter &p, const QRectF &box, const QColor &fill, bool rim)
{
    const QRectF r = tileRect(box);
    p.fillPath(rrect(r, tileRadius(box)), fill);
    if (rim) {
        const qreal w = qMax<qreal>(1.0, box.width() / 32.0);
        p.strokePath(rrect(r.adjusted(w / 2, w / 2, -w / 2, -w / 2), tileRadius(box) - w / 2),
                     QPen(QColor(255, 255, 255, 26), w));
    }
}
} // namespace

void drawButton(QPainter &p, const QRectF &box, Glyph glyph, ButtonState state)
{
    QColor ink = colour::glyph;
    switch (state) {
    case ButtonState::Normal:
        break;
    case ButtonState::Hover:
        drawTile(p, box, colour::windowDark, true);
        ink = colour::accent;
        break;
    case ButtonState::Active:
        drawTile(p, box, colour::accent, false);
        ink = Qt::white;
        break;
    case ButtonState::Off:
        drawTile(p, box, colour::tileDark, true);
        ink = colour::offGlyph;
        break;
    }
    const qreal g = box.width() * 0.75;
    drawGlyph(p, glyph, QRectF(box.center().x() - g / 2, box.center().y() - g / 2, g, g), ink);
}

QImage buttonImage(Glyph glyph, int size, ButtonState state)
{
    QImage img = newImage(size, size);
    QPainter p(&img);
    prepare(p);
    drawButton(p, QRectF(0, 0, size, size), glyph, state);
    p.end();
    return img;
}

void drawPlacement(QPainter &p, const QRectF &box, int cell, bool selected)
{
    drawTile(p, box, selected ? colour::accent : colour::tileDark, !selected);
    const qreal u = box.width() / 24.0;
    const QColor strong = selected ? QColor(Qt::white) : colour::offGlyph;
    QColor weak = strong;
    weak.setAlphaF(selected ? 0.42 : 0.26);
    for (int i = 0; i < 9; ++i) {
        const QRectF r(box.x() + (4 + (i % 3) * 6) * u, box.y() + (4 + (i / 3) * 6) * u, 4 * u, 4 * u);
        if (i == cell)
            p.fillPath(rrect(r.adjusted(-u, -u, u, u), 1.3 * u), strong);
        else
            p.fillPath(rrect(r, 1.0 * u), weak);
    }
}

QImage placementImage(int cell, int size, bool selected)
{
    QImage img = newImage(size, size);
    QPainter p(&img);
    prepare(p);
    drawPlacement(p, QRectF(0, 0, size, size), cell, selected);
    p.end();
    return img;
}

void drawAppIcon(QPainter &p, const QRectF &box)
{
    const qreal s = box.width();
    const qreal u = s / 256.0;
    auto at = [&](qreal x, qreal y) { return QPointF(box.x() + x * u, box.y() + y * u); };

    const QRectF tile(at(8, 8), at(248, 248));
    QLinearGradient bg(at(0, 8), at(0, 248));
    bg.setColorAt(0, QColor(255, 182, 128));
    bg.setColorAt(1, QColor(236, 122, 60));
    p.fillPath(rrect(tile, 54 * u), bg);
    if (s >= 64) {
        // Soft light along the top edge; invisible at 32 px, so skipped there.
        QLinearGradient sheen(at(0, 8), at(0, 128));
        sheen.setColorAt(0, QColor(255, 255, 255, 70));
        sheen.setColorAt(1, QColor(255, 255, 255, 0));
        p.fillPath(rrect(tile, 54 * u), sheen);
    }

    QPainterPath drop;
    drop.moveTo(at(128, 34));
    drop.cubicTo(at(150, 74), at(204, 116), at(204, 158));
    drop.cubicTo(at(204, 200), at(170, 230), at(128, 230));
    drop.cubicTo(at(86, 230), at(52, 200), at(52, 158));
    drop.cubicTo(at(52, 116), at(106, 74), at(128, 34));
    drop.closeSubpath();

    p.fillPath(drop.translated(0, 6 * u), QColor(150, 60, 10, 60));
    p.fillPath(drop, Qt::white);

    QPainterPath tri;
    tri.moveTo(at(108, 124));
    tri.lineTo(at(166, 160));
    tri.lineTo(at(108, 196));
    tri.closeSubpath();
    p.setPen(QPen(QBrush(bg), 14 * u, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(bg);
    p.drawPath(tri);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::NoBrush);
}

QImage appIcon(int size)
{
    QImage img = newImage(size, size);
    QPainter p(&img);
    prepare(p);
    drawAppIcon(p, QRectF(0, 0, size, size));
    p.end();
    return img;
}

} // namespace art
