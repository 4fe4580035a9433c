#include "artwork.h"
#include "icons.h"

#include <QtMath>

namespace art {

namespace {
constexpr int kWidth = 653;
constexpr int kHeight = 380;
constexpr int kSteps = 5;

QColor grey(int v, int alpha = 255) { return QColor(v, v, v, alpha); }

struct Slide {
    const char *file;
    const char *title;
    const char *lines[3];
    void (*illustrate)(QPainter &);
};

// A little window of the program: grey toolbar on top of the dark body.
QRectF mockWindow(QPainter &p, const QRectF &r, qreal toolbarHeight = 44)
{
    p.fillPath(rrect(r.translated(0, 4), 12), grey(255, 18));
    p.fillPath(rrect(r, 12), colour::windowDark);
    p.save();
    p.setClipPath(rrect(r, 12));
    p.fillRect(QRectF(r.x(), r.y(), r.width(), toolbarHeight), colour::toolbar);
    p.restore();
    return QRectF(r.x(), r.y() + toolbarHeight, r.width(), r.height() - toolbarHeight);
}

// A stand-in video frame: sky, sun and two hills, tinted per tile.
void scene(QPainter &p, const QRectF &r, int variant, qreal radius = 4)
{
    static const QColor skies[][2] = {
        {{92, 148, 204}, {190, 214, 232}},
        {{236, 140, 92}, {252, 214, 160}},
        {{70, 86, 140}, {150, 130, 170}},
    };
    const QColor *sky = skies[variant % 3];
    p.save();
    p.setClipPath(rrect(r, radius));
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, sky[0]);
    g.setColorAt(1, sky[1]);
    p.fillRect(r, g);
    const qreal w = r.width(), h = r.height();
    auto at = [&](qreal fx, qreal fy) { return QPointF(r.x() + fx * w, r.y() + fy * h); };
    p.fillPath(circle(at(0.74, 0.3).x(), at(0.74, 0.3).y(), h * 0.11), QColor(255, 246, 214));
    QPainterPath far;
    far.moveTo(at(0, 0.75));
    far.cubicTo(at(0.2, 0.45), at(0.35, 0.45), at(0.55, 0.68));
    far.cubicTo(at(0.7, 0.55), at(0.85, 0.5), at(1, 0.62));
    far.lineTo(at(1, 1));
    far.lineTo(at(0, 1));
    far.closeSubpath();
    p.fillPath(far, QColor(64, 120, 96));
    QPainterPath near;
    near.moveTo(at(0, 0.88));
    near.cubicTo(at(0.3, 0.7), at(0.6, 0.95), at(1, 0.78));
    near.lineTo(at(1, 1));
    near.lineTo(at(0, 1));
    near.closeSubpath();
    p.fillPath(near, QColor(40, 88, 68));
    p.restore();
}

void label(QPainter &p, const QString &text, QPointF baselineLeft, qreal size, const QColor &c,
           bool bold = false)
{
    p.fillPath(textPath(text, size, bold).translated(baselineLeft), c);
}

void arrowCurve(QPainter &p, const QPainterPath &path, const QColor &c, qreal width)
{
    QPen pen(c, width, Qt::CustomDashLine, Qt::RoundCap, Qt::RoundJoin);
    pen.setDashPattern({0.01, 2.2});
    p.strokePath(path, pen);
    // Head aligned with the end of the curve.
    const qreal angle = qDegreesToRadians(-path.angleAtPercent(1.0));
    const QPointF tip = path.pointAtPercent(1.0);
    const qreal len = width * 3.2;
    auto rot = [&](qreal dx, qreal dy) {
        return QPointF(tip.x() + dx * qCos(angle) - dy * qSin(angle), tip.y() + dx * qSin(angle) + dy * qCos(angle));
    };
    QPainterPath head = polygon({tip + (rot(width * 0.8, 0) - tip), rot(-len, -len * 0.75), rot(-len, len * 0.75)});
    p.fillPath(head, c);
}

void illustrateImport(QPainter &p)
{
    const QRectF body = mockWindow(p, QRectF(384, 44, 236, 270));
    drawButton(p, QRectF(396, 50, 32, 32), glyphs::import, ButtonState::Active);
    drawButton(p, QRectF(434, 50, 32, 32), glyphs::device, ButtonState::Normal);
    drawButton(p, QRectF(472, 50, 32, 32), glyphs::trash, ButtonState::Normal);
    const QRectF zone = body.adjusted(20, 20, -20, -20);
    QPen dash(grey(120), 2, Qt::CustomDashLine, Qt::RoundCap);
    dash.setDashPattern({3, 3});
    p.strokePath(rrect(zone, 12), dash);
    drawGlyph(p, glyphs::videoFile, QRectF(zone.center().x() - 30, zone.center().y() - 44, 60, 60), Qt::white);
    p.fillPath(fittedText(QStringLiteral("Drop videos here"),
                          QRectF(zone.x(), zone.center().y() + 22, zone.width(), 16), 14, true),
               grey(170));

    // A folder out on the desk, dragged in.
    drawGlyph(p, glyphs::folder, QRectF(318, 246, 60, 60), colour::accent);
    QPainterPath curve;
    curve.moveTo(350, 250);
    curve.cubicTo(360, 200, 410, 172, 458, 172);
    arrowCurve(p, curve, colour::accent, 4);
}

void illustratePick(QPainter &p)
{
    const QRectF body = mockWindow(p, QRectF(350, 44, 270, 270));
    drawButton(p, QRectF(362, 50, 32, 32), glyphs::import, ButtonState::Normal);
    drawButton(p, QRectF(400, 50, 32, 32), glyphs::trash, ButtonState::Normal);
    // Library column of tiles, the middle one selected.
    for (int i = 0; i < 3; ++i) {
        const QRectF tile(body.x() + 10, body.y() + 12 + i * 70, 78, 60);
        p.fillPath(rrect(tile, 6), grey(62));
        scene(p, tile.adjusted(5, 5, -5, -17), i);
        p.fillPath(rrect(tile.x() + 6, tile.bottom() - 11, 44, 5, 2.5), grey(140));
        if (i == 1)
            p.strokePath(rrect(tile.adjusted(-1, -1, 1, 1), 7), QPen(colour::accent, 2.5));
    }
    // Preview with transport controls.
    const QRectF preview(body.x() + 100, body.y() + 12, 160, 120);
    scene(p, preview, 1, 6);
    p.fillPath(rrect(preview.center().x() - 22, preview.center().y() - 22, 44, 44, 22), grey(0, 110));
    p.fillPath(rrect(preview.center().x() - 9, preview.center().y() - 11, 6, 22, 1.5), Qt::white);
    p.fillPath(rrect(preview.center().x() + 3, preview.center().y() - 11, 6, 22, 1.5), Qt::white);
    const qreal barY = preview.bottom() + 16;
    p.fillPath(rrect(preview.x(), barY, preview.width(), 5, 2.5), grey(110));
    p.fillPath(rrect(preview.x(), barY, preview.width() * 0.45, 5, 2.5), colour::accent);
    p.fillPath(circle(preview.x() + preview.width() * 0.45, barY + 2.5, 7), Qt::white);
    const qreal cy = barY + 22;
    drawButton(p, QRectF(preview.x() + 18, cy, 36, 36), glyphs::play, ButtonState::Off);
    drawButton(p, QRectF(preview.x() + 62, cy, 36, 36), glyphs::pause, ButtonState::Active);
    drawButton(p, QRectF(preview.x() + 106, cy, 36, 36), glyphs::stop, ButtonState::Off);
}

void slider(QPainter &p, const QRectF &track, qreal fraction)
{
    p.fillPath(rrect(track, track.height() / 2), grey(120));
    p.fillPath(rrect(QRectF(track.topLeft(), QSizeF(track.width() * fraction, track.height())), track.height() / 2),
               colour::accent);
    p.fillPath(circle(track.x() + track.width() * fraction, track.center().y(), 6), Qt::white);
}

void illustrateWatermark(QPainter &p)
{
    const QRectF body = mockWindow(p, QRectF(350, 44, 270, 290));
    drawButton(p, QRectF(362, 50, 32, 32), glyphs::picture, ButtonState::Normal);
    drawButton(p, QRectF(400, 50, 32, 32), glyphs::textT, ButtonState::Active);
    drawButton(p, QRectF(438, 50, 32, 32), glyphs::rotateLeft, ButtonState::Normal);

    const QRectF preview(body.x() + 12, body.y() + 12, body.width() - 24, 128);
    scene(p, preview, 0, 6);
    // Image watermark top-left: a tilted star.
    p.save();
    p.translate(preview.x() + 30, preview.y() + 30);
    p.rotate(-12);
    p.fillPath(regularStar(QPointF(0, 0), 5, 18, 8), QColor(255, 200, 40, 230));
    p.restore();
    // Text watermark bottom-right, half transparent.
    const QPainterPath mark = placed(textPath(QStringLiteral("\u00a9 My Studio"), 18, true),
                                     preview.adjusted(0, 0, -10, -10), Qt::AlignRight | Qt::AlignBottom);
    p.fillPath(mark.translated(1, 1), grey(0, 90));
    p.fillPath(mark, grey(255, 200));

    const qreal y = preview.bottom() + 14;
    drawPlacement(p, QRectF(preview.x(), y, 48, 48), 8, true);
    label(p, QStringLiteral("Position"), QPointF(preview.x(), y + 66), 11, grey(200));

    const qreal cx = preview.x() + 66;
    p.fillPath(rrect(cx, y, 92, 24, 5), grey(58));
    label(p, QStringLiteral("Aa"), QPointF(cx + 8, y + 17), 14, Qt::white, true);
    p.fillPath(polygon({{cx + 76, y + 10}, {cx + 84, y + 10}, {cx + 80, y + 15}}), grey(200));
    label(p, QStringLiteral("Font"), QPointF(cx + 36, y + 17), 11, grey(200));
    slider(p, QRectF(cx, y + 40, 92, 5), 0.6);
    label(p, QStringLiteral("Opacity"), QPointF(cx, y + 66), 11, grey(200));

    const QPointF dial(preview.right() - 24, y + 24);
    p.strokePath(circle(dial.x(), dial.y(), 18), QPen(grey(120), 4));
    QPainterPath arc;
    arc.arcMoveTo(QRectF(dial.x() - 18, dial.y() - 18, 36, 36), 90);
    arc.arcTo(QRectF(dial.x() - 18, dial.y() - 18, 36, 36), 90, -60);
    p.strokePath(arc, QPen(colour::accent, 4, Qt::SolidLine, Qt::RoundCap));
    const qreal a = qDegreesToRadians(-60.0);
    p.strokePath(polyline({dial, {dial.x() + 11 * qCos(a), dial.y() + 11 * qSin(a)}}),
                 QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap));
    label(p, QStringLiteral("Rotation"), QPointF(dial.x() - 22, y + 66), 11, grey(200));
}

void chip(QPainter &p, const QRectF &r, const QString &text, bool selected)
{
    p.fillPath(rrect(r, r.height() / 2), selected ? colour::accent : grey(70));
    p.fillPath(fittedText(text, r.adjusted(6, 6, -6, -6), 12, true), selected ? QColor(Qt::white) : grey(210));
}

void illustrateExport(QPainter &p)
{
    p.fillPath(rrect(352, 62, 96, 100, 20), grey(40));
    drawGlyph(p, glyphs::film, QRectF(364, 76, 72, 72), Qt::white);
    drawButton(p, QRectF(468, 88, 48, 48), glyphs::exportFilm, ButtonState::Active);
    p.fillPath(rrect(536, 62, 96, 100, 20), grey(40));
    drawGlyph(p, glyphs::videoFile, QRectF(548, 76, 72, 72), colour::accent);
    // Mark on the output: the watermark now lives in the pixels.
    p.fillPath(circle(610, 144, 13), Qt::white);
    drawGlyph(p, glyphs::droplet, QRectF(599, 133, 22, 22), colour::accentDeep);

    const char *formats[] = {"MP4", "AVI", "MOV", "WMV", "MKV"};
    for (int i = 0; i < 5; ++i)
        chip(p, QRectF(352 + i * 57.5, 192, 50, 26), QString::fromLatin1(formats[i]), i == 0);

    p.fillPath(rrect(352, 246, 280, 68, 14), grey(40));
    drawGlyph(p, glyphs::album, QRectF(366, 256, 48, 48), colour::accent);
    label(p, QStringLiteral("Album"), QPointF(428, 276), 16, Qt::white, true);
    label(p, QStringLiteral("Every export is kept here"), QPointF(428, 297), 13, grey(190));
}

void illustrateShare(QPainter &p)
{
    drawButton(p, QRectF(372, 56, 96, 96), glyphs::envelope, ButtonState::Active);
    p.fillPath(fittedText(QStringLiteral("E-mail"), QRectF(372, 160, 96, 18), 15, true), Qt::white);
    drawButton(p, QRectF(512, 56, 96, 96), glyphs::cloudUpload, ButtonState::Active);
    p.fillPath(fittedText(QStringLiteral("Upload"), QRectF(512, 160, 96, 18), 15, true), Qt::white);

    Glyph services[] = {glyphs::letterF, glyphs::videoSite, glyphs::bubble, glyphs::people};
    p.fillPath(rrect(352, 226, 276, 88, 16), grey(40));
    for (int i = 0; i < 4; ++i)
        drawButton(p, QRectF(368 + i * 64, 240, 52, 52), services[i], ButtonState::Hover);
    p.fillPath(fittedText(QStringLiteral("video sites and social networks"), QRectF(352, 296, 276, 14), 12, false),
               grey(170));
}

const Slide kSlides[kSteps] = {
    {"Orvantis_Step 1_New.png", "Import your videos",
     {"Click Import to add video files or a whole folder.", "Or drag and drop them onto the library.",
      "Cameras and phones: use Device."},
     illustrateImport},
    {"Orvantis_step 2_New.png", "Pick a video and pause on a frame",
     {"Every video gets a tile in the library.", "Select one and press Play.",
      "Pause on the frame you want to mark."},
     illustratePick},
    {"Orvantis_step 3_New.png", "Add text and image watermarks",
     {"Type a text, or choose a picture or a stamp.", "Place it with the 3 x 3 grid.",
      "Set the font, opacity and rotation."},
     illustrateWatermark},
    {"Orvantis_step 4_New.png", "Export: burn the watermarks into a new video",
     {"Choose the output format.", "A new video is written; the original stays untouched.",
      "Finished videos appear in the album."},
     illustrateExport},
    {"Orvantis_Step 5_New.png", "Share by e-mail or upload",
     {"Send a finished video by e-mail.", "Or upload it to a video site.",
      "Pick any export from the album to share it."},
     illustrateShare},
};

QImage renderSlide(int index)
{
    const Slide &s = kSlides[index];
    QImage img = newImage(kWidth, kHeight, Qt::black);
    QPainter p(&img);
    prepare(p);

    const qreal left = 40;
    const qreal column = 282;

    p.fillPath(circle(left + 22, 62, 22), colour::accent);
    p.fillPath(fittedText(QString::number(index + 1), QRectF(left, 50, 44, 24), 26, true), Qt::white);
    label(p, QStringLiteral("STEP %1 OF %2").arg(index + 1).arg(kSteps), QPointF(left + 56, 67), 12,
          grey(150), true);

    qreal y = 124;
    const qreal titleSize = 26;
    for (const QString &line : wrapWords(QString::fromUtf8(s.title), titleSize, true, column)) {
        label(p, line, QPointF(left, y), titleSize, Qt::white, true);
        y += 31;
    }
    y += 10;
    const qreal bodySize = 15;
    for (const char *text : s.lines) {
        bool first = true;
        for (const QString &line : wrapWords(QString::fromUtf8(text), bodySize, false, column - 18)) {
            if (first)
                p.fillPath(circle(left + 4, y - 5, 3), colour::accent);
            label(p, line, QPointF(left + 16, y), bodySize, grey(215));
            y += 22;
            first = false;
        }
        y += 6;
    }

    for (int i = 0; i < kSteps; ++i) {
        const QRectF dot(left + i * 18, 344, i == index ? 22 : 8, 8);
        p.fillPath(rrect(dot.translated(i > index ? 14 : 0, 0), 4), i == index ? colour::accent : grey(80));
    }

    s.illustrate(p);
    p.end();
    return img;
}
} // namespace

void writeSlides(Output &out)
{
    for (int i = 0; i < kSteps; ++i)
        out.save(QStringLiteral("watermarkimages/ButtonIcons/") + QString::fromLatin1(kSlides[i].file), renderSlide(i));
}

} // namespace art
