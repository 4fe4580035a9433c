#include "cimagewatermark.h"

#include "textrender.h"

#include <QImageReader>
#include <QUuid>

CImageWatermark::CImageWatermark(QWidget *preview)
    : CWatermark(preview)
    , identifier(QUuid::createUuid().toString())
{
    if (preview)
        setFixedSize(preview->size());
    setScaledContents(true);
}

QSize CImageWatermark::sourceSize() const
{
    return QImageReader(source).size();
}

void CImageWatermark::setImage(const QString &path)
{
    source = path;
    picture = path.isEmpty() ? QPixmap() : QPixmap(path);
    updateWatermark();
}

void CImageWatermark::setOpacity(int opacity)
{
    opacityValue = opacity;
    updateWatermark();
}

void CImageWatermark::setRotation(int degrees)
{
    rotationDegrees = degrees;
    updateWatermark();
}

void CImageWatermark::setPosition(int x, int y)
{
    drawPosition = QPoint(x, y);
    updateWatermark();
}

void CImageWatermark::setPlacement(int placement)
{
    repaint();
    if (placement >= 1 && placement <= 9)
        grid = placement;
}

void CImageWatermark::updateWatermark()
{
    if (canvas.isEmpty())
        return;
    QImage frame(canvas.size(), QImage::Format_ARGB32_Premultiplied);
    frame.fill(Qt::transparent);
    if (!picture.isNull())
        drawRotated(frame, picture.toImage(), drawPosition, rotationDegrees, opacityValue / 10.0);

    clear();
    setPixmap(QPixmap::fromImage(frame));
    repaint();
}
