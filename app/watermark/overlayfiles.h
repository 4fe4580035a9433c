#pragma once

#include "shell/outcome.h"

#include <QImage>
#include <QString>
#include <QStringList>

// stem + number + ".png", starting at `number` and counting up past every name that is
// still `held` by a watermark or already lies in `folder`, so no overlay in use is overwritten.
QString freeOverlayName(const QString &stem, int number, const QStringList &held, const QString &folder);

// Writes `overlay` as a PNG; the message names the file and the reason when it fails.
Outcome writeOverlayImage(const QImage &overlay, const QString &path);
