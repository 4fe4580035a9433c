#pragma once

#include "cimagewatermarklabel.h"
#include "cwatermark.h"

#include <QPixmap>
#include <QPointer>
#include <QRect>

class CImageWatermark : public CWatermark
{
    Q_OBJECT

public:
    explicit CImageWatermark(QWidget *preview);

    int placement() const override { return recordedPlacement; }
    QPoint position() const override { return drawPosition; }
    QSize sourceSize() const override;
    QString overlayFileName() const override { return overlayName; }
    bool isText() const override { return false; }
    QString id() const override { return identifier; }
    void updateWatermark() override;

    void setImage(const QString &path);
    void setOpacity(int opacity);
    void setRotation(int degrees);
    void setPosition(int x, int y);
    // Repaints, then keeps the value when it is 1 to 9.
    void setPlacement(int placement);
    void setXOffset(int x) { offsetX = x; }
    void setYOffset(int y) { offsetY = y; }
    void setRecordedPlacement(int placement) { recordedPlacement = placement; }
    void setGalleryItem(CImageWatermarkLabel *item) { gallery = item; }
    void setCanvasRect(const QRect &rect) { canvas = rect; }
    void setOverlayFileName(const QString &name) { overlayName = name; }

    QString sourcePath() const { return source; }
    QPixmap image() const { return picture; }
    int rotation() const { return rotationDegrees; }
    int opacity() const { return opacityValue; }
    CImageWatermarkLabel *galleryItem() const { return gallery; }
    int gridPlacement() const { return grid; }
    int xOffset() const { return offsetX; }
    int yOffset() const { return offsetY; }
    QRect canvasRect() const { return canvas; }

private:
    QString identifier;
    QString source;
    QPixmap picture;
    int rotationDegrees = 0;
    int opacityValue = 10;
    // Thumbnails go with every gallery reload; the picture itself is sourcePath.
    QPointer<CImageWatermarkLabel> gallery;
    QPoint drawPosition;
    int recordedPlacement = 0;
    int offsetX = 0;
    int offsetY = 0;
    QString overlayName;
    QRect canvas;
    int grid = 1;
};
