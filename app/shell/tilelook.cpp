#include "tilelook.h"

#include <QPixmapCache>

QPixmap tileBackground(int height)
{
    // Cached rather than held in a static: a pixmap must not outlive the application.
    const QString key = QStringLiteral("orvantis-tile-background-%1").arg(height);
    QPixmap background;
    if (!QPixmapCache::find(key, &background)) {
        background = QPixmap(QStringLiteral(":/image/watermarkimages/ButtonIcons/ToolbarButtonBackgroundPushed.png"))
                         .scaledToHeight(height, Qt::SmoothTransformation);
        QPixmapCache::insert(key, background);
    }
    return background;
}

QPen highlightPen(bool hovered)
{
    if (hovered)
        return QPen(QColor(249, 153, 95), 6.0, Qt::SolidLine, Qt::SquareCap, Qt::RoundJoin);
    return QPen(QColor(0, 158, 255), 6.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}
