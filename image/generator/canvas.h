// Shared drawing helpers: images, paths, text-as-outlines, output.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <initializer_list>

namespace art {

namespace colour {
inline const QColor glyph{0x3b, 0x3b, 0x3b};
inline const QColor accent{249, 153, 95};
inline const QColor accentDeep{226, 112, 52};
inline const QColor accentLight{255, 190, 140};
inline const QColor toolbar{137, 137, 137};
inline const QColor windowLight{100, 100, 100};
inline const QColor windowDark{76, 76, 76};
inline const QColor label{0x4c, 0x4c, 0x4c};
inline const QColor tileDark{58, 58, 58};
inline const QColor offGlyph{0xdc, 0xdc, 0xdc};
}

inline const QString kSans = QStringLiteral("Liberation Sans");
inline const QString kNarrow = QStringLiteral("Liberation Sans Narrow");

// Transparent premultiplied image with a fixed resolution tag, so the PNG
// pHYs chunk never depends on the screen the generator happens to run on.
QImage newImage(int width, int height, const QColor &fill = Qt::transparent);

// Painter with the hints every picture uses.
void prepare(QPainter &p);

QPainterPath rrect(qreal x, qreal y, qreal w, qreal h, qreal r);
QPainterPath rrect(const QRectF &r, qreal radius);
QPainterPath circle(qreal cx, qreal cy, qreal r);
QPainterPath ellipse(qreal cx, qreal cy, qreal rx, qreal ry);
QPainterPath polygon(std::initializer_list<QPointF> pts);
QPainterPath polyline(std::initializer_list<QPointF> pts);
QPainterPath regularStar(QPointF centre, int points, qreal outer, qreal inner, qreal rotationDeg = -90);
QPainterPath heart(const QRectF &box);

// Outline of a text run, baseline at y = 0 starting at x = 0. Text becomes a
// path so glyph caches, hinting and sub-pixel settings of the host never
// touch the pixels.
QPainterPath textPath(const QString &text, qreal pixelSize, bool bold = false,
                      bool italic = false, const QString &family = kSans);
qreal textAdvance(const QString &text, qreal pixelSize, bool bold = false,
                  bool italic = false, const QString &family = kSans);
// Moves a path so its ink box sits in box according to align.
QPainterPath placed(const QPainterPath &path, const QRectF &box, Qt::Alignment align);
// Text of at most maxWidth, centred on its ink in box (shrunk if it would not fit).
QPainterPath fittedText(const QString &text, const QRectF &box, qreal pixelSize, bool bold,
                        const QString &family = kSans, Qt::Alignment align = Qt::AlignCenter);
// Greedy word wrap measured with the real advances.
QStringList wrapWords(const QString &text, qreal pixelSize, bool bold, qreal maxWidth,
                      const QString &family = kSans);

// Returns a description of what is missing, or an empty string when every
// family the artwork uses is installed (fonts-liberation).
QString checkFonts();

// Small deterministic generator (xorshift32); std distributions differ
// between standard libraries, this does not.
class Rng {
public:
    explicit Rng(std::uint32_t seed) : m_state(seed ? seed : 0x9e3779b9u) {}
    std::uint32_t next();
    qreal unit(); // [0, 1)
    qreal range(qreal lo, qreal hi) { return lo + (hi - lo) * unit(); }

private:
    std::uint32_t m_state;
};

// Writes PNGs under one root and remembers what it wrote.
class Output {
public:
    explicit Output(const QString &root) : m_root(root) {}
    void save(const QString &relativePath, const QImage &image);
    bool ok() const { return m_ok; }
    const QStringList &written() const { return m_written; }

private:
    QString m_root;
    QStringList m_written;
    bool m_ok = true;
};

} // namespace art
