#include "startup.h"

QPoint splashPosition(const QRect &desktop, const QSize &splash)
{
    return {(desktop.width() - splash.width()) / 2, (desktop.height() - splash.height()) / 2};
}

QPoint mainWindowPosition(const QRect &desktop)
{
    // QRect's right() and bottom() are width - 1 and height - 1, as the placement rule expects.
    const int cx = (desktop.left() + desktop.right()) / 2;
    const int cy = (desktop.top() + desktop.bottom()) / 2;
    return {cx / 5, cy / 5};
}
