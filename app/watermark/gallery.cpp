#include "gallery.h"

#include "shell/appfolders.h"

#include <QCollator>
#include <QDir>
#include <QFile>

namespace {

const QStringList pictureFilters{QStringLiteral("*.bmp"), QStringLiteral("*.png"), QStringLiteral("*.jpg")};

} // namespace

QString categoryFolder(int index)
{
    const QStringList &names = galleryCategories();
    if (index < 0 || index >= names.size())
        return {};
    return ownImagesFolderPath() + QStringLiteral("/") + names.at(index);
}

QStringList galleryPictures(const QString &folder)
{
    if (folder.isEmpty())
        return {};
    QStringList names = QDir(folder).entryList(pictureFilters, QDir::Files);
    QCollator collator;
    collator.setNumericMode(true);
    std::sort(names.begin(), names.end(), collator);
    QStringList paths;
    for (const QString &name : std::as_const(names))
        paths << QDir(folder).absoluteFilePath(name);
    return paths;
}

void copyClipArt(const QString &resourceFolder, const QString &folder)
{
    const QDir source(resourceFolder);
    if (!source.exists())
        return;
    for (const QString &name : source.entryList(pictureFilters, QDir::Files)) {
        const QString target = folder + QStringLiteral("/") + name;
        if (QFileInfo::exists(target))
            continue;
        // Resource files are read-only; the user's copy must not be.
        if (QFile::copy(source.filePath(name), target))
            QFile::setPermissions(target, QFile::permissions(target) | QFile::WriteOwner | QFile::ReadOwner);
    }
}
