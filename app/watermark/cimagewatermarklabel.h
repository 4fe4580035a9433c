#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

class QLabel;

// A picture of the clip-art gallery. A click selects it; a frame shows the pointer and the
// selection while the editors may be used.
class CImageWatermarkLabel : public QWidget
{
    Q_OBJECT

public:
    explicit CImageWatermarkLabel(const QImage &picture, QWidget *parent = nullptr);

    void setSelected(bool on);
    bool isSelected() const { return selected; }
    void setHighlightEnabled(bool on);
    bool isHighlightEnabled() const { return highlightEnabled; }
    bool isHovered() const { return hovered; }
    void setPath(const QString &file) { path_ = file; }
    QString path() const { return path_; }
    const QLabel *pictureLabel() const { return label; }

signals:
    void selectedImageWatermark(CImageWatermarkLabel *thumbnail);

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    bool selected = false;
    bool hovered = false;
    bool highlightEnabled = false;
    QLabel *label = nullptr;
    QString path_;
};
