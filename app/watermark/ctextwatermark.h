#pragma once

#include "cwatermark.h"
#include "textrender.h"

#include <QColor>
#include <QPixmap>

class CTextWatermark : public CWatermark
{
    Q_OBJECT

public:
    explicit CTextWatermark(QWidget *preview);

    int placement() const override { return recordedPlacement; }
    QPoint position() const override { return storedPosition; }
    QSize sourceSize() const override;
    QString overlayFileName() const override { return overlayName; }
    bool isText() const override { return true; }
    QString id() const override { return identifier; }
    void updateWatermark() override;

    void setText(const QString &text);
    void setFontFamily(const QString &fontDescription);
    void setFontSize(int size);
    void setColor(const QColor &color);
    void setOpacity(int opacity);
    void setRotation(int degrees);
    void setBold(bool on);
    void setItalic(bool on);
    void setUnderline(bool on);
    // 1 left, 2 centre, 3 right; any other index keeps the alignment flags.
    void setAlignment(int index);
    // 2 to 9 are kept, anything else becomes 1. Does not redraw.
    void setPlacement(int placement);
    void setXOffset(int x);
    void setYOffset(int y);
    void setPosition(int x, int y);
    void setRecordedPlacement(int placement);
    void setOverlayFileName(const QString &name) { overlayName = name; }

    QString text() const { return watermarkText; }
    QString fontFamily() const { return style.fontFamily; }
    int fontSize() const { return style.pointSize; }
    QColor color() const { return style.color; }
    int opacity() const { return style.opacity; }
    int rotation() const { return rotationDegrees; }
    bool bold() const { return style.bold; }
    bool italic() const { return style.italic; }
    bool underline() const { return style.underline; }
    int alignmentFlags() const { return style.alignmentFlags; }
    int alignmentIndex() const { return alignment; }
    int gridPlacement() const { return grid; }
    int xOffset() const { return offsetX; }
    int yOffset() const { return offsetY; }
    const TextStyle &textStyle() const { return style; }

    // The family at a pixel size of fontSize, without the styles.
    QFont font() const;
    // The text in its own size, as the preview shows it.
    QPixmap textPixmap() const;

private:
    QString watermarkText;
    TextStyle style;
    int rotationDegrees = 0;
    int recordedPlacement = 0;
    QPoint storedPosition;
    QString overlayName;
    int alignment = 0;
    QString identifier;
    int offsetX = 0;
    int offsetY = 0;
    int grid = 1;
};
