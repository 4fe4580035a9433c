#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QSize>
#include <QString>

// Text drawing shared by the preview and the overlays. No widgets: the overlay renderer and
// the benchmarks use it directly.

// How a text watermark looks, independent of where it goes.
struct TextStyle
{
    QString fontFamily = QStringLiteral("Arial");
    int pointSize = 10;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    QColor color = Qt::black;
    int opacity = 10;       // 0 to 10
    int alignmentFlags = 1; // Qt::Alignment of the lines inside the text's box
};

// "#C", "#R" and "#TM" become the copyright, registered and trade mark signs (case-sensitive).
QString substituteSymbols(const QString &text);

// The family of a font description in QFont::toString form ("Arial,10,-1,5,...").
QString familyOf(const QString &fontDescription);

// The font of a text watermark in the given style.
QFont styledFont(const TextStyle &style);

// The widest line by the sum of the line heights; never narrower than 8 pixels and, for a
// font too small to measure, 4 pixels high.
QSize measureText(const QFont &font, const QString &text);

// The first point size, from 1 to 999, at which `text` is at least as wide on a video of
// `videoSize` as `measuredWidth` is on a preview of `previewSize`; 999 when none is.
int fitPointSize(int measuredWidth, const QSize &previewSize, const QSize &videoSize, QFont font,
                 const QString &text);

// The text in its own measured size, on transparency, with the style's colour and opacity.
QImage renderText(const QString &text, const TextStyle &style);

// Draws `picture` at `topLeft` into `canvas`, turned `rotation` degrees counter-clockwise
// about the picture's centre, with the given painter opacity.
void drawRotated(QImage &canvas, const QImage &picture, const QPoint &topLeft, int rotation, qreal opacity = 1.0);
