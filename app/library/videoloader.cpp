#include "videoloader.h"

#include "shell/tilelook.h"

#include <QFileInfo>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

namespace {

constexpr int tileWidth = 120;
constexpr int tileHeight = 140;
constexpr int iconHeight = 100;

} // namespace

videoLoader::videoLoader(QWidget *parent)
    : QWidget(parent)
    , iconLabel(new QLabel(this))
    , nameLabel(new QLabel(this))
{
    setFixedSize(tileWidth, tileHeight);
    setMouseTracking(true);

    iconLabel->setGeometry(0, 0, tileWidth, iconHeight);
    iconLabel->setAlignment(Qt::AlignCenter);
    iconLabel->setPixmap(QPixmap(QStringLiteral(":/image/watermarkimages/videoimage/File-Video-icon.png")));

    // At least one line of text high: a shorter label would cut the name in half.
    nameLabel->setGeometry(0, iconHeight, tileWidth, qMax(10, nameLabel->fontMetrics().height()));
    nameLabel->setAlignment(Qt::AlignCenter);
}

void videoLoader::setPath(const QString &filePath)
{
    path = QFileInfo(filePath).absoluteFilePath();
    const QString name = QFileInfo(path).fileName();
    nameLabel->setText(nameLabel->fontMetrics().elidedText(name, Qt::ElideMiddle, tileWidth));
    nameLabel->setToolTip(name);
    setToolTip(name);
}

void videoLoader::setSelected(bool on)
{
    if (selectedFlag == on)
        return;
    selectedFlag = on;
    update();
}

void videoLoader::mousePressEvent(QMouseEvent *event)
{
    hoverFlag = false;
    selectedFlag = !selectedFlag;
    update();
    event->accept();
    if (selectedFlag)
        emit selectedVideo(this);
    else
        emit unselectedVideo(this);
}

void videoLoader::enterEvent(QEnterEvent *event)
{
    hoverFlag = true;
    update();
    QWidget::enterEvent(event);
}

void videoLoader::leaveEvent(QEvent *event)
{
    hoverFlag = false;
    update();
    QWidget::leaveEvent(event);
}

void videoLoader::paintEvent(QPaintEvent *)
{
    if (!hoverFlag && !selectedFlag)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, hoverFlag);
    painter.setPen(highlightPen(hoverFlag));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect());
}
