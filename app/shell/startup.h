#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where the start-up windows appear on a desktop of the given geometry.

// The splash window: centred on the desktop.
QPoint splashPosition(const QRect &desktop, const QSize &splash);

// The main window: a fifth of the way to the desktop's centre point.
QPoint mainWindowPosition(const QRect &desktop);
