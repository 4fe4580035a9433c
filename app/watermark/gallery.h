#pragma once

#include <QString>
#include <QStringList>

// The clip-art gallery's pictures are plain files in one folder per category.

// The folder of category `index` (0 to 9), or "" for any other index.
QString categoryFolder(int index);
// The pictures (.bmp, .png, .jpg) of `folder`, in natural name order (stamp2 before stamp10).
QStringList galleryPictures(const QString &folder);
// Copies the pictures of `resourceFolder` into `folder`, keeping any file already there.
void copyClipArt(const QString &resourceFolder, const QString &folder);
