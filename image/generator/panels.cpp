#include "artwork.h"
#include "icons.h"

#include <QtMath>

namespace art {

namespace {
const QString kButtons = QStringLiteral("watermarkimages/ButtonIcons/");

QColor grey(int v, int alpha = 255) { return QColor(v, v, v, alpha); }

// Vertical wash used by both library panels: a touch lighter at the top.
void panelBase(QPainter &p, const QRectF &r)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, grey(82));
    g.setColorAt(1, grey(72));
    p.fillRect(r, g);
}

void dashedFrame(QPainter &p, const QRectF &r, qreal radius, const QColor &c)
{
    QPen pen(c, 2, Qt::CustomDashLine, Qt::RoundCap, Qt::RoundJoin);
    pen.setDashPattern({3, 3});
    p.strokePath(rrect(r, radius), pen);
}

QImage dropPanel()
{
    QImage img = newImage(250, 500);
    QPainter p(&img);
    prepare(p);
    panelBase(p, img.rect());
    const QColor faint = grey(100);
    dashedFrame(p, QRectF(45, 165, 160, 150), 16, faint);
    drawGlyph(p, glyphs::film, QRectF(93, 186, 64, 64), faint);
    // Arrow dropping onto the film.
    QPainterPath arrow = polyline({{125, 170}, {125, 214}});
    QPainterPath head = polyline({{113, 203}, {125, 215}, {137, 203}});
    p.strokePath(arrow, QPen(grey(76), 12, Qt::SolidLine, Qt::RoundCap));
    p.strokePath(head, QPen(grey(76), 12, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.strokePath(arrow, QPen(grey(110), 4, Qt::SolidLine, Qt::RoundCap));
    p.strokePath(head, QPen(grey(110), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.fillPath(fittedText(QStringLiteral("Drop videos here"), QRectF(50, 270, 150, 18), 15, true),
               grey(112));
    p.fillPath(fittedText(QStringLiteral("or use Import"), QRectF(50, 292, 150, 14), 12, false),
               grey(100));
    p.end();
    return img;
}

QImage albumPanel()
{
    QImage img = newImage(250, 500);
    QPainter p(&img);
    prepare(p);
    panelBase(p, img.rect());
    const QColor faint = grey(100);
    dashedFrame(p, QRectF(45, 165, 160, 150), 16, faint);
    drawGlyph(p, glyphs::album, QRectF(89, 184, 72, 72), faint);
    p.fillPath(fittedText(QStringLiteral("Your album"), QRectF(50, 270, 150, 18), 15, true), grey(112));
    p.fillPath(fittedText(QStringLiteral("finished videos land here"), QRectF(50, 292, 150, 14), 12, false),
               grey(100));
    p.end();
    return img;
}

// Tiled in both directions under each video tile: the shading is a full
// cosine period over the height and the stripes repeat every 10 pixels, so
// copies join without a seam.
QImage tileTexture()
{
    const int n = 70;
    QImage img = newImage(n, n);
    for (int y = 0; y < n; ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        const qreal shade = 0.5 - 0.5 * qCos(2 * M_PI * (y + 0.5) / n);
        for (int x = 0; x < n; ++x) {
            const bool stripe = ((x + y) % 10) == 0;
            const int v = qRound(60 + 8 * shade) + (stripe ? 3 : 0);
            line[x] = qRgb(v, v, v);
        }
    }
    return img;
}

QImage separator()
{
    const int h = 420;
    QImage img = newImage(1, h);
    const int fade = 70;
    for (int y = 0; y < h; ++y) {
        const qreal d = qMin(y + 0.5, h - y - 0.5) / fade;
        const qreal t = qBound<qreal>(0, d, 1);
        const qreal a = t * t * (3 - 2 * t); // smoothstep
        const int alpha = qRound(200 * a);
        // Premultiplied, the image format newImage() makes.
        const int v = qRound(175 * alpha / 255.0);
        reinterpret_cast<QRgb *>(img.scanLine(y))[0] = qRgba(v, v, v, alpha);
    }
    return img;
}

QImage uploadButton()
{
    QImage img = newImage(100, 40);
    QPainter p(&img);
    prepare(p);
    const QRectF r(1, 1, 98, 38);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, colour::accentLight);
    g.setColorAt(1, colour::accent);
    p.fillPath(rrect(r, 9), g);
    p.strokePath(rrect(r.adjusted(0.5, 0.5, -0.5, -0.5), 8.5), QPen(QColor(200, 100, 45, 150), 1));
    const QColor ink(0x33, 0x33, 0x33);
    drawGlyph(p, glyphs::cloudUpload, QRectF(9, 7, 26, 26), ink);
    p.fillPath(fittedText(QStringLiteral("Upload"), QRectF(39, 12, 54, 16), 16, true,
                          kSans, Qt::AlignLeft | Qt::AlignVCenter),
               ink);
    p.end();
    return img;
}

QImage splash()
{
    QImage img = newImage(400, 200);
    QPainter p(&img);
    prepare(p);
    const QRectF card(0.5, 0.5, 399, 199);
    QLinearGradient g(card.topLeft(), card.bottomLeft());
    g.setColorAt(0, grey(74));
    g.setColorAt(1, grey(50));
    p.fillPath(rrect(card, 16), g);
    p.strokePath(rrect(card.adjusted(0.5, 0.5, -0.5, -0.5), 15.5), QPen(grey(255, 24), 1));
    // Orange keyline along the bottom, clipped by the rounded card.
    p.save();
    p.setClipPath(rrect(card, 16));
    p.fillRect(QRectF(0, 194, 400, 6), colour::accent);
    p.restore();

    drawAppIcon(p, QRectF(30, 54, 88, 88));

    const qreal x = 140;
    p.fillPath(textPath(QStringLiteral("FERRAVEL"), 13, true).translated(x + 1, 72), colour::accent);
    const QPainterPath name = textPath(QStringLiteral("Video Vizodiz"), 34, true);
    const qreal scale = qMin<qreal>(1.0, 236 / name.boundingRect().width());
    p.fillPath(QTransform::fromScale(scale, scale).map(name).translated(x, 110), Qt::white);
    p.fillPath(textPath(QStringLiteral("Video watermarking studio"), 15).translated(x + 1, 136),
               grey(205));
    p.fillPath(textPath(QStringLiteral("Loading..."), 12).translated(x + 1, 176), grey(150));
    p.end();
    return img;
}

QImage videoFileIcon()
{
    QImage img = newImage(96, 96);
    QPainter p(&img);
    prepare(p);
    const qreal u = 4; // the 24-unit grid at 96 px
    QPainterPath page;
    page.moveTo(6 * u, 2 * u);
    page.lineTo(15 * u, 2 * u);
    page.lineTo(20 * u, 7 * u);
    page.lineTo(20 * u, 20.5 * u);
    page.quadTo(20 * u, 22 * u, 18.5 * u, 22 * u);
    page.lineTo(5.5 * u, 22 * u);
    page.quadTo(4 * u, 22 * u, 4 * u, 20.5 * u);
    page.lineTo(4 * u, 3.5 * u);
    page.quadTo(4 * u, 2 * u, 5.5 * u, 2 * u);
    page.closeSubpath();
    p.fillPath(page.translated(0, 2), QColor(0, 0, 0, 60));
    QLinearGradient paper(QPointF(0, 2 * u), QPointF(0, 22 * u));
    paper.setColorAt(0, grey(244));
    paper.setColorAt(1, grey(218));
    p.fillPath(page, paper);
    p.fillPath(polygon({{15 * u, 2 * u}, {15 * u, 7 * u}, {20 * u, 7 * u}}), grey(178));

    // Film frame with sprocket rows and a play triangle.
    const QRectF filmRect(6.5 * u, 9.5 * u, 11 * u, 10 * u);
    p.fillPath(rrect(filmRect, 1.2 * u), grey(58));
    for (int i = 0; i < 5; ++i) {
        const qreal x = filmRect.x() + (0.9 + i * 2.1) * u;
        p.fillPath(rrect(x, filmRect.y() + 0.6 * u, 1.1 * u, 1.1 * u, 0.3 * u), grey(230));
        p.fillPath(rrect(x, filmRect.bottom() - 1.7 * u, 1.1 * u, 1.1 * u, 0.3 * u), grey(230));
    }
    QPainterPath tri = polygon({{10.6 * u, 12.1 * u}, {14.6 * u, 14.5 * u}, {10.6 * u, 16.9 * u}});
    p.strokePath(tri, QPen(colour::accent, 0.8 * u, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.fillPath(tri, colour::accent);
    p.end();
    return img;
}
} // namespace

void writeButtons(Output &out)
{
    const char *words[] = {"import", "device",   "delete",  "play",     "pause",      "stop",
                           "watermarkvideo",     "watermarktext",       "export",     "facebook",
                           "email",  "myspace",  "webcam",  "youtube",  "rotateleft", "twitter"};
    for (const char *w : words) {
        const QString word = QString::fromLatin1(w);
        const Glyph g = toolbarGlyph(word);
        const QString base = kButtons + QStringLiteral("icon_%1_01").arg(word);
        out.save(base + QStringLiteral("_32x32.png"), buttonImage(g, 32, ButtonState::Normal));
        out.save(base + QStringLiteral("_hover_32x32.png"), buttonImage(g, 32, ButtonState::Hover));
        out.save(base + QStringLiteral("_active_32x32.png"), buttonImage(g, 32, ButtonState::Active));
    }

    const char *cells[] = {"topleft",    "topcenter",    "topright",
                           "centerleft", "centercenter", "centerright",
                           "bottomleft", "bottomcenter", "bottomright"};
    for (int i = 0; i < 9; ++i) {
        const QString base = kButtons + QStringLiteral("icon_place_%1_01").arg(QString::fromLatin1(cells[i]));
        out.save(base + QStringLiteral("_active_24x24.png"), placementImage(i, 24, true));
        out.save(base + QStringLiteral("_hover_24x24.png"), placementImage(i, 24, false));
    }

    const struct {
        const char *name;
        Glyph glyph;
    } editor[] = {
        {"textalign_left", glyphs::alignLeft}, {"textalign_center", glyphs::alignCenter},
        {"textalign_right", glyphs::alignRight}, {"textbold", glyphs::bold},
        {"textitalic", glyphs::italic},          {"textunderline", glyphs::underline},
    };
    for (const auto &e : editor) {
        const QString base = kButtons + QStringLiteral("icon_%1_01").arg(QString::fromLatin1(e.name));
        out.save(base + QStringLiteral("_active_32x32.png"), buttonImage(e.glyph, 32, ButtonState::Active));
        out.save(base + QStringLiteral("_hover_32x32.png"), buttonImage(e.glyph, 32, ButtonState::Off));
    }
}

void writePanels(Output &out)
{
    out.save(kButtons + QStringLiteral("ToolbarButtonBackgroundPushed.png"), tileTexture());
    out.save(kButtons + QStringLiteral("bg_dragdrop_01_250x500.png"), dropPanel());
    out.save(kButtons + QStringLiteral("bg_album_01_250x500.png"), albumPanel());
    out.save(kButtons + QStringLiteral("separator.png"), separator());
    out.save(kButtons + QStringLiteral("appicon_lumivane_01_32x32.png"), appIcon(32));
    out.save(kButtons + QStringLiteral("appicon_lumivane_01_256x256.png"), appIcon(256));
    out.save(QStringLiteral("ferravel_images/MainWindow/LumivaneIcon.png"), appIcon(32));
    out.save(kButtons + QStringLiteral("orvantis_aboutus.png"), appIcon(150));
    out.save(kButtons + QStringLiteral("YouTube_logo.png"), uploadButton());
    out.save(QStringLiteral("watermarkimages/MainWindow/splash_01_400x200.png"), splash());
    out.save(QStringLiteral("watermarkimages/videoimage/File-Video-icon.png"), videoFileIcon());
}

} // namespace art
