#include "clinklable.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>

CLinkLable::CLinkLable(const QString &text, int mode, QWidget *parent)
    : QWidget(parent)
    , textLabel(new QLabel(this))
    , linkText(text)
    , mode(mode)
{
    textLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    textLabel->setAttribute(Qt::WA_MouseTracking);
    textLabel->setTextFormat(Qt::RichText);
    fitTo(QApplication::font(), 200);
}

void CLinkLable::setLinkText(const QString &text)
{
    linkText = text;
    QFont font(QStringLiteral("Times"), 8, QFont::Normal, false);
    font.setStyleHint(QFont::SansSerif, QFont::PreferDefault);
    fitTo(font, 180);
    textLabel->setFont(font);
    repaint();
}

void CLinkLable::fitTo(const QFont &font, int maximumWidth)
{
    const QFontMetrics metrics(font);
    const QSize size(qMin(metrics.horizontalAdvance(linkText), maximumWidth), metrics.height());
    setFixedSize(size);
    textLabel->setGeometry(QRect(QPoint(0, 0), size));
    textLabel->setFixedSize(size);
    // Rich text, so the name is dark blue whatever the surrounding style sheet says.
    textLabel->setText(QStringLiteral("<font color='darkBlue'>") + linkText.toHtmlEscaped() + QStringLiteral("</font>"));
}

void CLinkLable::enterEvent(QEnterEvent *event)
{
    hovered = true;
    textLabel->setCursor(Qt::OpenHandCursor);
    repaint();
    QWidget::enterEvent(event);
}

void CLinkLable::leaveEvent(QEvent *event)
{
    hovered = false;
    repaint();
    QWidget::leaveEvent(event);
}

void CLinkLable::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    if (!isEnabled() || mode != 1)
        return;
    if (textWatermark)
        emit notifyTextWatermark(textWatermark);
    else if (imageWatermark)
        emit notifyImageWatermark(imageWatermark);
}

void CLinkLable::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
}
