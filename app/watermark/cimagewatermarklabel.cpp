#include "cimagewatermarklabel.h"

#include "shell/tilelook.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QVBoxLayout>

CImageWatermarkLabel::CImageWatermarkLabel(const QImage &picture, QWidget *parent)
    : QWidget(parent)
    , label(new QLabel)
{
    setFixedSize(70, 70);
    setMouseTracking(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    label->setContentsMargins(0, 0, 0, 0);
    label->setFixedSize(70, 70);
    label->setPixmap(QPixmap::fromImage(picture));
    // Presses belong to the thumbnail, not to the picture inside it.
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    layout->addWidget(label);
}

void CImageWatermarkLabel::setSelected(bool on)
{
    selected = on;
    repaint();
}

void CImageWatermarkLabel::setHighlightEnabled(bool on)
{
    highlightEnabled = on;
    update();
}

void CImageWatermarkLabel::paintEvent(QPaintEvent *)
{
    if (!highlightEnabled || (!hovered && !selected))
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(highlightPen(hovered));
    painter.drawRect(rect());
}

void CImageWatermarkLabel::enterEvent(QEnterEvent *event)
{
    hovered = true;
    repaint();
    QWidget::enterEvent(event);
}

void CImageWatermarkLabel::leaveEvent(QEvent *event)
{
    hovered = false;
    repaint();
    QWidget::leaveEvent(event);
}

void CImageWatermarkLabel::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    hovered = false;
    if (!selected) {
        setSelected(true);
        emit selectedImageWatermark(this);
    } else {
        repaint();
    }
}
