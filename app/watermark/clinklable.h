#pragma once

#include <QWidget>

class CImageWatermark;
class CTextWatermark;
class QLabel;

// A fixed-size name in dark blue that reacts to the pointer. It takes mouse presses itself,
// so a press on a tile's name does not select the tile; in the watermark list a press
// opens the watermark it names.
class CLinkLable : public QWidget
{
    Q_OBJECT

public:
    CLinkLable(const QString &text, int mode, QWidget *parent = nullptr);

    // Shows `text` in the list's small font, cut off past 180 pixels.
    void setLinkText(const QString &text);
    void setTextWatermark(CTextWatermark *watermark) { textWatermark = watermark; }
    void setImageWatermark(CImageWatermark *watermark) { imageWatermark = watermark; }
    QString text() const { return linkText; }
    bool isHovered() const { return hovered; }

signals:
    void notifyTextWatermark(CTextWatermark *watermark);
    void notifyImageWatermark(CImageWatermark *watermark);

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void fitTo(const QFont &font, int maximumWidth);

    bool hovered = false;
    QLabel *textLabel = nullptr;
    QString linkText;
    CTextWatermark *textWatermark = nullptr;
    CImageWatermark *imageWatermark = nullptr;
    int mode = 1;
};
