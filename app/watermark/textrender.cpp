#include "textrender.h"

#include <QFontMetrics>
#include <QPainter>

QString substituteSymbols(const QString &text)
{
    QString result = text;
    result.replace(QStringLiteral("#C"), QStringLiteral("\u00A9"));
    result.replace(QStringLiteral("#R"), QStringLiteral("\u00AE"));
    result.replace(QStringLiteral("#TM"), QStringLiteral("\u2122"));
    return result;
}

QString familyOf(const QString &fontDescription)
{
    return fontDescription.section(QLatin1Char(','), 0, 0);
}

QFont styledFont(const TextStyle &style)
{
    QFont font(familyOf(style.fontFamily));
    font.setPointSize(qMax(1, style.pointSize));
    if (style.bold)
        font.setWeight(QFont::Bold);
    font.setItalic(style.italic);
    font.setUnderline(style.underline);
    return font;
}

QSize measureText(const QFont &font, const QString &text)
{
    const QFontMetrics metrics(font);
    int width = 0;
    int height = 0;
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        width = qMax(width, metrics.horizontalAdvance(line));
        height += metrics.height();
    }
    return {qMax(width, 8), height < 2 ? 4 : height};
}

int fitPointSize(int measuredWidth, const QSize &previewSize, const QSize &videoSize, QFont font,
                 const QString &text)
{
    const float sx = float(previewSize.width()) / float(videoSize.width());
    const int targetWidth = int(float(measuredWidth) / sx);
    for (int size = 1; size <= 999; ++size) {
        font.setPointSize(size);
        if (measureText(font, text).width() >= targetWidth)
            return size;
    }
    return 999;
}

QImage renderText(const QString &text, const TextStyle &style)
{
    const QFont font = styledFont(style);
    const QSize size = measureText(font, text);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QColor color = style.color;
    color.setAlpha(255);
    if (color.isValid())
        painter.setPen(QPen(color, 0, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.setBrush(QBrush(color));
    painter.setFont(font);
    painter.setOpacity(style.opacity / 10.0);
    painter.drawText(QRect(QPoint(0, 0), size), style.alignmentFlags, text);
    return image;
}

void drawRotated(QImage &canvas, const QImage &picture, const QPoint &topLeft, int rotation, qreal opacity)
{
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setOpacity(opacity);
    if (rotation > 0) {
        const QPoint centre = picture.rect().center() + topLeft;
        painter.translate(centre.x(), centre.y());
        painter.rotate(-rotation);
        painter.translate(-centre.x(), -centre.y());
    }
    painter.drawImage(topLeft, picture);
}
