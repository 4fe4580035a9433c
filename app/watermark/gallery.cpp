#include "gallery.h"

#include "shell/appfolders.h"

#include <QDir>
#include <QFile>

namespace {

const QStringList pictureFilters{QStringLiteral("*.bmp"), QStringLiteral("*.png"), QStringLiteral("*.jpg")};

// Names compared with their digit runs as numbers and letters without case, so that
// stamp2 comes before stamp10 in any locale.
bool naturalLess(const QString &a, const QString &b)
{
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        if (a.at(i).isDigit() && b.at(j).isDigit()) {
            qsizetype endA = i;
            qsizetype endB = j;
            while (endA < a.size() && a.at(endA).isDigit())
                ++endA;
            while (endB < b.size() && b.at(endB).isDigit())
                ++endB;
            const qulonglong numberA = a.mid(i, endA - i).toULongLong();
            const qulonglong numberB = b.mid(j, endB - j).toULongLong();
            if (numberA != numberB)
                return numberA < numberB;
            i = endA;
            j = endB;
            continue;
        }
        const QChar x = a.at(i).toCaseFolded();
        const QChar y = b.at(j).toCaseFolded();
        if (x != y)
            return x < y;
        ++i;
        ++j;
    }
    if ((a.size() - i) != (b.size() - j))
        return (a.size() - i) < (b.size() - j);
    return a < b;
}

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
    std::sort(names.begin(), names.end(), naturalLess);
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
