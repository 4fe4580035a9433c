#include "overlayfiles.h"

#include <QDir>
#include <QFileInfo>
#include <QImageWriter>

QString freeOverlayName(const QString &stem, int number, const QStringList &held, const QString &folder)
{
    for (;; ++number) {
        const QString name = stem + QString::number(number) + QStringLiteral(".png");
        if (!held.contains(name) && !QFileInfo::exists(folder + QStringLiteral("/") + name))
            return name;
    }
}

Outcome writeOverlayImage(const QImage &overlay, const QString &path)
{
    if (overlay.isNull())
        return Outcome::failure(
            QStringLiteral("The watermark could not be drawn: the video's frame size is not known."));
    QImageWriter writer(path, "png");
    if (writer.write(overlay))
        return Outcome::success();
    return Outcome::failure(QStringLiteral("The watermark could not be saved to \"%1\": %2")
                                .arg(QDir::toNativeSeparators(path), writer.errorString()));
}
