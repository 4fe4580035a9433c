#include "ccolorlabel.h"

#include <QColorDialog>
#include <QMouseEvent>

CColorLabel::CColorLabel(QWidget *parent)
    : QLabel(parent)
    , choose([](const QColor &initial, QWidget *owner) { return QColorDialog::getColor(initial, owner); })
{
    setAutoFillBackground(true);
    paintSwatch(Qt::black);
}

void CColorLabel::paintSwatch(const QColor &color)
{
    QPalette swatch = palette();
    swatch.setColor(QPalette::Window, color);
    setPalette(swatch);
    update();
}

void CColorLabel::showColor(const QColor &color)
{
    current = color;
    paintSwatch(color);
}

void CColorLabel::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    const QColor chosen = choose(Qt::green, this);
    // A dialog closed without a choice gives an invalid colour and changes nothing.
    if (!chosen.isValid())
        return;
    current = chosen;
    paintSwatch(chosen);
    emit setColor(chosen);
}
