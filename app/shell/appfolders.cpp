#include "appfolders.h"

#include "platform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString inDataFolder(const char *name)
{
    return dataFolderPath() + QStringLiteral("/") + QLatin1String(name);
}

const QStringList &workingFolders()
{
    static const QStringList names{QStringLiteral("watermarkimage"), QStringLiteral("shadowimage"),
                                   QStringLiteral("Import"), QStringLiteral("Export"),
                                   QStringLiteral("OrvantisImage")};
    return names;
}

Outcome cannotCreate(const QString &path)
{
    return Outcome::failure(QStringLiteral("The folder \"%1\" could not be created.")
                                .arg(QDir::toNativeSeparators(path)));
}

} // namespace

QString libraryFilePath()
{
    return inDataFolder("Orvantis.xml");
}

QString overlayFolderPath()
{
    return inDataFolder("watermarkimage");
}

QString snapshotFolderPath()
{
    return inDataFolder("shadowimage");
}

QString importFolderPath()
{
    return inDataFolder("Import");
}

QString exportFolderPath()
{
    return inDataFolder("Export");
}

QString ownImagesFolderPath()
{
    return inDataFolder("OrvantisImage");
}

QString cameraRollFolderPath()
{
    return inDataFolder("CameraRoll");
}

QString cameraRollPath()
{
    const QString path = cameraRollFolderPath();
    return QFileInfo(path).isDir() ? path : QString();
}

QString defaultExportFolder()
{
    return QDir::toNativeSeparators(exportFolderPath());
}

const QStringList &galleryCategories()
{
    static const QStringList names{
        QStringLiteral("Symbols"),  QStringLiteral("Stamps"),          QStringLiteral("Special Occasions"),
        QStringLiteral("Business"), QStringLiteral("Holidays"),        QStringLiteral("Sports"),
        QStringLiteral("Food and Dining"), QStringLiteral("Custom Frame"), QStringLiteral("Clip Art"),
        QStringLiteral("My Pictures")};
    return names;
}

QString uniqueImportAlbumName(const QString &name)
{
    return uniqueSubfolderName(name, importFolderPath());
}

QString uniqueSubfolderName(const QString &name, const QString &folder)
{
    const QStringList existing = QDir(folder).entryList(QDir::AllDirs | QDir::NoDotAndDotDot);
    if (!existing.contains(name, Qt::CaseSensitive))
        return name;
    // Counting on past a name that is taken keeps two runs from sharing one folder.
    for (int number = existing.size() + 1;; ++number) {
        const QString candidate = name + QStringLiteral("- ") + QString::number(number);
        if (!existing.contains(candidate, Qt::CaseSensitive))
            return candidate;
    }
}

QString roamingForm(const QString &path)
{
    if (windowsVersion() < WindowsVista)
        return path;
    QString result = path;
    return result.replace(QStringLiteral("Application Data"), QStringLiteral("AppData/Roaming"),
                          Qt::CaseSensitive);
}

bool removeFolderTree(const QString &path)
{
    const QFileInfo folder(path);
    if (folder.isSymLink())
        return QFile::remove(path);
    if (!folder.isDir())
        return true;

    const QDir dir(path);
    const QFileInfoList entries =
        dir.entryInfoList(QDir::Files | QDir::AllDirs | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                          QDir::DirsFirst);
    for (const QFileInfo &entry : entries) {
        // A link to a folder is an entry of this folder, not part of the tree: what it
        // points to may be anywhere, including the user's own files.
        const bool removed = entry.isDir() && !entry.isSymLink()
                                 ? removeFolderTree(entry.absoluteFilePath())
                                 : QFile::remove(entry.absoluteFilePath());
        if (!removed)
            return false;
    }
    return QDir().rmdir(path);
}

Outcome setUpDataFolders()
{
    const QString root = dataRootPath();
    if (!QDir().mkpath(root))
        return cannotCreate(root);

    const QString app = dataFolderPath();
    if (!QFileInfo(app).isDir() && !QDir(root).mkdir(QStringLiteral("Orvantis")))
        return cannotCreate(app);

    Outcome outcome;
    const QDir appDir(app);
    for (const QString &name : workingFolders()) {
        if (!QFileInfo(appDir.filePath(name)).isDir() && !appDir.mkdir(name) && outcome)
            outcome = cannotCreate(appDir.filePath(name));
    }
    for (const QString &category : galleryCategories()) {
        const QString path = ownImagesFolderPath() + QStringLiteral("/") + category;
        if (!QFileInfo(path).isDir() && !QDir().mkpath(path) && outcome)
            outcome = cannotCreate(path);
    }
    return outcome;
}

void ensureToolFolder()
{
    const QString tools = toolFolderPath();
    if (!QFileInfo(tools).isDir())
        QDir(programFolderPath()).mkdir(QStringLiteral("watermarkimage"));
}
