#include "ctextwatermark.h"

#include "placement.h"
#include "shell/appfolders.h"

#include <QImageReader>
#include <QUuid>

CTextWatermark::CTextWatermark(QWidget *preview)
    : CWatermark(preview)
    , identifier(QUuid::createUuid().toString())
{
    setFixedSize(500, 420);
    setWordWrap(true);
}

QSize CTextWatermark::sourceSize() const
{
    if (overlayName.isEmpty())
        return {};
    return QImageReader(overlayFolderPath() + QStringLiteral("/") + overlayName).size();
}

void CTextWatermark::setText(const QString &text)
{
    watermarkText = substituteSymbols(text);
    updateWatermark();
}

void CTextWatermark::setFontFamily(const QString &fontDescription)
{
    style.fontFamily = fontDescription;
    updateWatermark();
}

void CTextWatermark::setFontSize(int size)
{
    style.pointSize = size;
    updateWatermark();
}

void CTextWatermark::setColor(const QColor &color)
{
    style.color = color;
    updateWatermark();
}

void CTextWatermark::setOpacity(int opacity)
{
    style.opacity = opacity;
    updateWatermark();
}

void CTextWatermark::setRotation(int degrees)
{
    rotationDegrees = degrees;
    updateWatermark();
}

void CTextWatermark::setBold(bool on)
{
    style.bold = on;
    updateWatermark();
}

void CTextWatermark::setItalic(bool on)
{
    style.italic = on;
    updateWatermark();
}

void CTextWatermark::setUnderline(bool on)
{
    style.underline = on;
    updateWatermark();
}

void CTextWatermark::setAlignment(int index)
{
    switch (index) {
    case 1:
        style.alignmentFlags = Qt::AlignLeft;
        break;
    case 2:
        style.alignmentFlags = Qt::AlignHCenter | Qt::AlignVCenter;
        break;
    case 3:
        style.alignmentFlags = Qt::AlignRight;
        break;
    default:
        break;
    }
    alignment = index;
    updateWatermark();
}

void CTextWatermark::setPlacement(int placement)
{
    grid = placement >= 2 && placement <= 9 ? placement : 1;
}

void CTextWatermark::setXOffset(int x)
{
    offsetX = x;
    updateWatermark();
}

void CTextWatermark::setYOffset(int y)
{
    offsetY = y;
    updateWatermark();
}

void CTextWatermark::setPosition(int x, int y)
{
    storedPosition = QPoint(x, y);
    updateWatermark();
}

void CTextWatermark::setRecordedPlacement(int placement)
{
    recordedPlacement = placement;
    updateWatermark();
}

QFont CTextWatermark::font() const
{
    QFont result(familyOf(style.fontFamily));
    result.setPixelSize(qMax(1, style.pointSize));
    return result;
}

QPixmap CTextWatermark::textPixmap() const
{
    return QPixmap::fromImage(renderText(watermarkText, style));
}

void CTextWatermark::updateWatermark()
{
    const QImage text = renderText(watermarkText, style);
    QImage canvas(size(), QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    QPoint at = placementOffset(text.rect(), rect(), grid);
    at += QPoint(offsetX, -offsetY);
    drawRotated(canvas, text, at, rotationDegrees);

    clear();
    setPixmap(QPixmap::fromImage(canvas));
    show();
}
