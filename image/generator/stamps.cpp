#include "artwork.h"
#include "glyphs.h"

#include <QtMath>

namespace art {

namespace {


// Shapes over video need to read on bright and dark frames alike: a soft
// dark shadow below and a light rim around every coloured shape.
void haloFill(QPainter &p, const QPainterPath &path, const QBrush &fill, qreal rim = 4)
{
    p.fillPath(path.translated(0, 2.5), QColor(0, 0, 0, 70));
    p.strokePath(path, QPen(QColor(255, 255, 255, 235), rim, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.fillPath(path, fill);
}

// Rubber stamp: double frame and a word in one ink colour, slightly tilted,
// on a pale backing, with a sprinkle of worn spots.
struct RubberStamp {
    QString word;
    QColor ink;
    qreal angle;
    QSizeF box;
    std::uint32_t seed;
    const QString &family;
    bool tick;
};

QImage rubberStamp(const RubberStamp &s)
{
    const qreal a = qDegreesToRadians(s.angle);
    const qreal bw = s.box.width(), bh = s.box.height();
    const int w = qCeil(bw * qAbs(qCos(a)) + bh * qAbs(qSin(a))) + 8;
    const int h = qCeil(bw * qAbs(qSin(a)) + bh * qAbs(qCos(a))) + 8;
    const QRectF frame(-bw / 2, -bh / 2, bw, bh);

    QImage img = newImage(w, h);
    QImage ink = newImage(w, h);
    {
        QPainter p(&ink);
        prepare(p);
        p.translate(w / 2.0, h / 2.0);
        p.rotate(s.angle);
        p.strokePath(rrect(frame.adjusted(3, 3, -3, -3), 10), QPen(s.ink, 5));
        p.strokePath(rrect(frame.adjusted(9, 9, -9, -9), 5), QPen(s.ink, 1.8));
        QRectF textBox = frame.adjusted(18, 15, -18, -15);
        if (s.tick) {
            const qreal d = textBox.height() + 2;
            const QRectF disc(textBox.x() - 5, frame.center().y() - d / 2, d, d);
            p.fillPath(circle(disc.center().x(), disc.center().y(), d / 2), s.ink);
            QPainterPath mark = polyline({{disc.x() + d * 0.26, disc.y() + d * 0.52},
                                          {disc.x() + d * 0.43, disc.y() + d * 0.69},
                                          {disc.x() + d * 0.76, disc.y() + d * 0.34}});
            p.setCompositionMode(QPainter::CompositionMode_DestinationOut);
            p.strokePath(mark, QPen(Qt::black, d * 0.13, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.setCompositionMode(QPainter::CompositionMode_SourceOver);
            textBox.setLeft(disc.right() + 6);
            textBox.setRight(textBox.right() + 4);
        }
        p.fillPath(fittedText(s.word, textBox, textBox.height() * 1.35, true, s.family), s.ink);

        // Worn spots: where the rubber did not take ink.
        Rng rng(s.seed);
        p.resetTransform();
        p.setCompositionMode(QPainter::CompositionMode_DestinationOut);
        const int spots = int(w * h / 60);
        for (int i = 0; i < spots; ++i) {
            const qreal x = rng.range(0, w), y = rng.range(0, h);
            const qreal r = rng.range(0.4, 1.6);
            p.fillPath(circle(x, y, r), QColor(0, 0, 0, int(rng.range(60, 230))));
        }
        p.end();
    }

    QPainter p(&img);
    prepare(p);
    p.translate(w / 2.0, h / 2.0);
    p.rotate(s.angle);
    p.fillPath(rrect(frame.adjusted(1, 1, -1, -1), 12), QColor(255, 255, 255, 165));
    p.resetTransform();
    p.drawImage(0, 0, ink);
    p.end();
    return img;
}

QImage copyrightBadge()
{
    QImage img = newImage(128, 128);
    QPainter p(&img);
    prepare(p);
    QRadialGradient g(QPointF(52, 44), 90);
    g.setColorAt(0, QColor(52, 104, 196));
    g.setColorAt(1, QColor(22, 52, 120));
    haloFill(p, circle(64, 62, 56), g, 5);
    p.strokePath(circle(64, 62, 47), QPen(QColor(255, 255, 255, 120), 2));
    p.strokePath(circle(64, 62, 34), QPen(Qt::white, 7));
    QPainterPath c;
    const QRectF r(64 - 16, 62 - 16, 32, 32);
    c.arcMoveTo(r, 45);
    c.arcTo(r, 45, 270);
    p.strokePath(c, QPen(Qt::white, 7, Qt::SolidLine, Qt::RoundCap));
    p.end();
    return img;
}

QImage star()
{
    QImage img = newImage(120, 120);
    QPainter p(&img);
    prepare(p);
    const QPointF c(60, 62);
    const QPainterPath outline = regularStar(c, 5, 54, 22);
    haloFill(p, outline, QColor(255, 196, 30), 5);
    // Faceted: each point has a lit and a shaded half.
    for (int i = 0; i < 10; ++i) {
        const qreal a0 = qDegreesToRadians(-90 + 36.0 * i);
        const qreal a1 = qDegreesToRadians(-90 + 36.0 * (i + 1));
        const qreal r0 = (i % 2 == 0) ? 54 : 22;
        const qreal r1 = (i % 2 == 0) ? 22 : 54;
        QPainterPath facet = polygon({c, {c.x() + r0 * qCos(a0), c.y() + r0 * qSin(a0)},
                                      {c.x() + r1 * qCos(a1), c.y() + r1 * qSin(a1)}});
        p.fillPath(facet, i % 2 == 0 ? QColor(255, 222, 90) : QColor(236, 160, 10));
    }
    p.strokePath(outline, QPen(QColor(196, 120, 0), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.end();
    return img;
}

QImage heartStamp()
{
    QImage img = newImage(120, 108);
    QPainter p(&img);
    prepare(p);
    const QPainterPath h = heart(QRectF(8, 8, 104, 92));
    QLinearGradient g(QPointF(0, 8), QPointF(0, 100));
    g.setColorAt(0, QColor(246, 64, 88));
    g.setColorAt(1, QColor(200, 20, 52));
    haloFill(p, h, g, 5);
    p.save();
    p.translate(36, 32);
    p.rotate(-35);
    p.fillPath(ellipse(0, 0, 14, 8), QColor(255, 255, 255, 110));
    p.restore();
    p.end();
    return img;
}

QImage newBurst()
{
    QImage img = newImage(140, 140);
    QPainter p(&img);
    prepare(p);
    const QPointF c(70, 69);
    haloFill(p, regularStar(c, 18, 64, 52), QColor(226, 36, 44), 5);
    p.strokePath(circle(c.x(), c.y(), 44), QPen(QColor(255, 214, 0), 4));
    p.save();
    p.translate(c);
    p.rotate(-12);
    p.fillPath(fittedText(QStringLiteral("NEW"), QRectF(-36, -18, 72, 36), 40, true), Qt::white);
    p.restore();
    p.end();
    return img;
}

QImage hdBadge()
{
    QImage img = newImage(140, 96);
    QPainter p(&img);
    prepare(p);
    const QRectF r(8, 8, 124, 78);
    p.fillPath(rrect(r.translated(0, 2.5), 14), QColor(0, 0, 0, 70));
    p.fillPath(rrect(r, 14), QColor(20, 20, 24, 235));
    p.strokePath(rrect(r.adjusted(4, 4, -4, -4), 10), QPen(Qt::white, 4));
    p.fillPath(fittedText(QStringLiteral("HD"), r.adjusted(18, 16, -18, -16), 60, true), Qt::white);
    p.fillPath(rrect(r.x() + 18, r.bottom() - 14, r.width() - 36, 3, 1.5), colour::accent);
    p.end();
    return img;
}

QImage camera()
{
    QImage img = newImage(128, 104);
    QPainter p(&img);
    prepare(p);
    QPainterPath body = rrect(8, 24, 112, 72, 14).united(rrect(40, 12, 44, 22, 6));
    QLinearGradient g(QPointF(0, 12), QPointF(0, 96));
    g.setColorAt(0, QColor(70, 72, 80));
    g.setColorAt(1, QColor(36, 38, 44));
    haloFill(p, body, g, 5);
    p.fillPath(rrect(16, 32, 16, 8, 3), colour::accent);
    p.fillPath(rrect(96, 17, 14, 9, 3), QColor(220, 40, 50));
    p.fillPath(circle(64, 60, 28), QColor(214, 216, 222));
    QRadialGradient glass(QPointF(58, 54), 26);
    glass.setColorAt(0, QColor(90, 150, 230));
    glass.setColorAt(1, QColor(16, 40, 90));
    p.fillPath(circle(64, 60, 21), glass);
    p.fillPath(circle(64, 60, 9), QColor(10, 20, 40));
    p.fillPath(ellipse(56, 51, 6, 4), QColor(255, 255, 255, 150));
    p.end();
    return img;
}

QImage ribbon()
{
    QImage img = newImage(120, 170);
    QPainter p(&img);
    prepare(p);
    const QColor tailA(206, 36, 52), tailB(30, 96, 196);
    const QPainterPath left = polygon({{40, 80}, {62, 88}, {50, 160}, {38, 146}, {24, 152}});
    const QPainterPath right = polygon({{80, 80}, {58, 88}, {70, 160}, {82, 146}, {96, 152}});
    haloFill(p, left, tailA, 4);
    haloFill(p, right, tailB, 4);
    const QPointF c(60, 58);
    QPainterPath rosette;
    for (int i = 0; i < 16; ++i) {
        const qreal a = qDegreesToRadians(22.5 * i);
        rosette = rosette.united(circle(c.x() + 44 * qCos(a), c.y() + 44 * qSin(a), 9));
    }
    rosette = rosette.united(circle(c.x(), c.y(), 46));
    haloFill(p, rosette, QColor(246, 184, 30), 4);
    QRadialGradient g(QPointF(52, 48), 46);
    g.setColorAt(0, QColor(255, 222, 110));
    g.setColorAt(1, QColor(226, 150, 10));
    p.fillPath(circle(c.x(), c.y(), 36), g);
    p.strokePath(circle(c.x(), c.y(), 31), QPen(QColor(170, 100, 0), 2));
    p.fillPath(fittedText(QStringLiteral("BEST"), QRectF(c.x() - 25, c.y() - 11, 50, 22), 24, true),
               QColor(150, 24, 36));
    p.end();
    return img;
}

QImage previewBanner()
{
    QImage img = newImage(200, 80);
    QPainter p(&img);
    prepare(p);
    const QColor front(30, 112, 220), back(18, 72, 156), fold(8, 38, 92);
    const QPainterPath leftEnd = polygon({{6, 26}, {40, 26}, {40, 66}, {6, 66}, {18, 46}});
    const QPainterPath rightEnd = polygon({{194, 26}, {160, 26}, {160, 66}, {194, 66}, {182, 46}});
    haloFill(p, leftEnd, back, 4);
    haloFill(p, rightEnd, back, 4);
    const QPainterPath band = rrect(26, 14, 148, 42, 3);
    haloFill(p, band, front, 4);
    p.fillPath(polygon({{26, 56}, {40, 56}, {40, 66}}), fold);
    p.fillPath(polygon({{174, 56}, {160, 56}, {160, 66}}), fold);
    p.fillPath(rrect(30, 18, 140, 2, 1), QColor(255, 255, 255, 80));
    p.fillPath(fittedText(QStringLiteral("PREVIEW"), QRectF(36, 22, 128, 26), 30, true), Qt::white);
    p.end();
    return img;
}

} // namespace

void writeStamps(Output &out)
{
    const QColor red(204, 32, 44), blue(32, 82, 200), green(22, 140, 70);
    const QImage images[] = {
        rubberStamp({QStringLiteral("SAMPLE"), red, -8, {176, 70}, 11, kSans, false}),
        rubberStamp({QStringLiteral("DRAFT"), blue, 6, {150, 66}, 23, kSans, false}),
        rubberStamp({QStringLiteral("CONFIDENTIAL"), red, -4, {188, 54}, 37, kNarrow, false}),
        rubberStamp({QStringLiteral("APPROVED"), green, -6, {184, 70}, 41, kSans, true}),
        copyrightBadge(),
        star(),
        heartStamp(),
        newBurst(),
        hdBadge(),
        camera(),
        ribbon(),
        previewBanner(),
    };
    int n = 1;
    for (const QImage &img : images)
        out.save(QStringLiteral("watermarkimages/stamp%1.png").arg(n++), img);
}

} // namespace art
