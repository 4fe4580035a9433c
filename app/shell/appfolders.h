#pragma once

#include "outcome.h"

#include <QString>
#include <QStringList>

// The data folder layout. None of the path helpers creates anything.

QString libraryFilePath();
QString overlayFolderPath();
QString snapshotFolderPath();
QString importFolderPath();
QString exportFolderPath();
QString ownImagesFolderPath();
// The recorder's camera roll when it exists, otherwise "".
QString cameraRollPath();
// The camera roll's place whether or not it exists (the recorder creates it).
QString cameraRollFolderPath();
// The export folder in native separators, as shown in the export dialog.
QString defaultExportFolder();

// The clip-art categories, in the order the gallery lists them; each has a folder below
// ownImagesFolderPath().
const QStringList &galleryCategories();

// A name for a new subfolder of the import folder: `name` itself, or, when a subfolder of
// exactly that name exists, `name` + "- " + N, with N the number of subfolders + 1, or the
// next number after it that no subfolder carries.
QString uniqueImportAlbumName(const QString &name);
// The same rule for a subfolder of any `folder`.
QString uniqueSubfolderName(const QString &name, const QString &folder);

// `path` as a tool or destination outside the program must see it on Windows Vista and later.
QString roamingForm(const QString &path);

// Deletes the folder `path` with everything below it. Symbolic links are removed as entries,
// never followed. Returns true when the folder is gone (or was never there).
bool removeFolderTree(const QString &path);

// Creates the data root (with parents), the data folder, its working folders and the gallery
// categories, leaving whatever exists alone. Reports the first folder that could not be made.
Outcome setUpDataFolders();

// Creates the tool folder beside the program when it is missing (one level).
void ensureToolFolder();
