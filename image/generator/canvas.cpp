#include "canvas.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QTransform>
#include <QtMath>

#include <cstdio>

namespace art {

namespace {
// Outlines are taken from a large unhinted font and scaled down, which also
// allows fractional pixel sizes.
constexpr int kReferencePixels = 200;
// 72 dpi in dots per metre.
constexpr int kDotsPerMetre = 2835;

QFont referenceFont(const QString &family, bool bold, bool italic)
{
    QFont f(family);
    f.setPixelSize(kReferencePixels);
    f.setWeight(bold ? QFont::Bold : QFont::Normal);
    f.setItalic(italic);
    f.setHintingPreference(QFont::PreferNoHinting);
    // Never fill in glyphs from some other installed font.
    f.setStyleStrategy(QFont::StyleStrategy(QFont::NoFontMerging | QFont::PreferOutline));
    f.setKerning(true);
    return f;
}
} // namespace

QImage newImage(int width, int height, const QColor &fill)
{
    QImage img(width, height, QImage::Format_ARGB32_Premultiplied);
    img.setDotsPerMeterX(kDotsPerMetre);
    img.setDotsPerMeterY(kDotsPerMetre);
    img.fill(fill);
    return img;
}

void prepare(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    p.setPen(Qt::NoPen);
}

QPainterPath rrect(qreal x, qreal y, qreal w, qreal h, qreal r)
{
    return rrect(QRectF(x, y, w, h), r);
}

QPainterPath rrect(const QRectF &r, qreal radius)
{
    QPainterPath p;
    if (radius <= 0)
        p.addRect(r);
    else
        p.addRoundedRect(r, radius, radius);
    return p;
}

QPainterPath circle(qreal cx, qreal cy, qreal r)
{
    return ellipse(cx, cy, r, r);
}

QPainterPath ellipse(qreal cx, qreal cy, qreal rx, qreal ry)
{
    QPainterPath p;
    p.addEllipse(QPointF(cx, cy), rx, ry);
    return p;
}

QPainterPath polygon(std::initializer_list<QPointF> pts)
{
    QPainterPath p = polyline(pts);
    p.closeSubpath();
    return p;
}

QPainterPath polyline(std::initializer_list<QPointF> pts)
{
    QPainterPath p;
    bool first = true;
    for (const QPointF &pt : pts) {
        if (first)
            p.moveTo(pt);
        else
            p.lineTo(pt);
        first = false;
    }
    return p;
}

QPainterPath regularStar(QPointF centre, int points, qreal outer, qreal inner, qreal rotationDeg)
{
    QPainterPath p;
    for (int i = 0; i < points * 2; ++i) {
        const qreal r = (i % 2 == 0) ? outer : inner;
        const qreal a = qDegreesToRadians(rotationDeg + 180.0 * i / points);
        const QPointF pt(centre.x() + r * qCos(a), centre.y() + r * qSin(a));
        if (i == 0)
            p.moveTo(pt);
        else
            p.lineTo(pt);
    }
    p.closeSubpath();
    return p;
}

QPainterPath heart(const QRectF &b)
{
    // Two lobes meeting in a point, drawn in a unit box then scaled.
    QPainterPath p;
    p.moveTo(0.5, 0.28);
    p.cubicTo(0.5, 0.12, 0.38, 0.0, 0.25, 0.0);
    p.cubicTo(0.1, 0.0, 0.0, 0.13, 0.0, 0.3);
    p.cubicTo(0.0, 0.58, 0.28, 0.76, 0.5, 1.0);
    p.cubicTo(0.72, 0.76, 1.0, 0.58, 1.0, 0.3);
    p.cubicTo(1.0, 0.13, 0.9, 0.0, 0.75, 0.0);
    p.cubicTo(0.62, 0.0, 0.5, 0.12, 0.5, 0.28);
    p.closeSubpath();
    QTransform t;
    t.translate(b.x(), b.y());
    t.scale(b.width(), b.height());
    return t.map(p);
}

QPainterPath textPath(const QString &text, qreal pixelSize, bool bold, bool italic,
                      const QString &family)
{
    QPainterPath raw;
    raw.addText(QPointF(0, 0), referenceFont(family, bold, italic), text);
    const qreal s = pixelSize / kReferencePixels;
    return QTransform::fromScale(s, s).map(raw);
}

qreal textAdvance(const QString &text, qreal pixelSize, bool bold, bool italic,
                  const QString &family)
{
    const QFontMetricsF fm(referenceFont(family, bold, italic));
    return fm.horizontalAdvance(text) * pixelSize / kReferencePixels;
}

QPainterPath placed(const QPainterPath &path, const QRectF &box, Qt::Alignment align)
{
    const QRectF ink = path.boundingRect();
    qreal dx = box.left() - ink.left();
    if (align & Qt::AlignHCenter)
        dx = box.center().x() - ink.center().x();
    else if (align & Qt::AlignRight)
        dx = box.right() - ink.right();
    qreal dy = box.top() - ink.top();
    if (align & Qt::AlignVCenter)
        dy = box.center().y() - ink.center().y();
    else if (align & Qt::AlignBottom)
        dy = box.bottom() - ink.bottom();
    return path.translated(dx, dy);
}

QPainterPath fittedText(const QString &text, const QRectF &box, qreal pixelSize, bool bold,
                        const QString &family, Qt::Alignment align)
{
    QPainterPath path = textPath(text, pixelSize, bold, false, family);
    const QRectF ink = path.boundingRect();
    const qreal scale = qMin<qreal>(1.0, qMin(box.width() / ink.width(), box.height() / ink.height()));
    if (scale < 1.0)
        path = QTransform::fromScale(scale, scale).map(path);
    return placed(path, box, align);
}

QStringList wrapWords(const QString &text, qreal pixelSize, bool bold, qreal maxWidth,
                      const QString &family)
{
    QStringList lines;
    QString current;
    const QStringList words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString &word : words) {
        const QString candidate = current.isEmpty() ? word : current + QLatin1Char(' ') + word;
        if (!current.isEmpty() && textAdvance(candidate, pixelSize, bold, false, family) > maxWidth) {
            lines << current;
            current = word;
        } else {
            current = candidate;
        }
    }
    if (!current.isEmpty())
        lines << current;
    return lines;
}

QString checkFonts()
{
    QStringList problems;
    const QStringList installed = QFontDatabase::families();
    for (const QString &family : {kSans, kNarrow}) {
        for (bool bold : {false, true}) {
            const QFont f = referenceFont(family, bold, false);
            const QFontInfo info(f);
            if (!installed.contains(family) || info.family() != family || info.bold() != bold)
                problems << QStringLiteral("%1%2 (got %3)")
                                .arg(family, bold ? QStringLiteral(" Bold") : QString(), info.family());
        }
    }
    return problems.join(QStringLiteral(", "));
}

std::uint32_t Rng::next()
{
    std::uint32_t x = m_state;
    x ^= x << 13;
    x ^= x >> 17;
    x ^= x << 5;
    m_state = x;
    return x;
}

qreal Rng::unit()
{
    return (next() >> 8) / qreal(1 << 24);
}

void Output::save(const QString &relativePath, const QImage &image)
{
    const QString path = QDir(m_root).filePath(relativePath);
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        std::fprintf(stderr, "orvantis-artwork: cannot create folder for %s\n", qPrintable(path));
        m_ok = false;
        return;
    }
    // Opaque pictures lose their alpha channel: smaller files, same look.
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    bool anyTransparent = false;
    for (int y = 0; y < out.height() && !anyTransparent; ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(out.constScanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            if (qAlpha(line[x]) != 255) {
                anyTransparent = true;
                break;
            }
        }
    }
    if (!anyTransparent)
        out = out.convertToFormat(QImage::Format_RGB32);
    out.setDotsPerMeterX(kDotsPerMetre);
    out.setDotsPerMeterY(kDotsPerMetre);

    // Fixed settings: quality 0 is maximum zlib compression; no text chunks.
    if (!out.save(path, "PNG", 0)) {
        std::fprintf(stderr, "orvantis-artwork: cannot write %s\n", qPrintable(path));
        m_ok = false;
        return;
    }
    m_written << relativePath;
}

} // namespace art
