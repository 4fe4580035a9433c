#include "platform.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

int currentWindowsVersion = 0;

QString executableIn(const QString &folder, const QString &name)
{
    const QFileInfo candidate(folder + QStringLiteral("/") + name);
    if (candidate.isFile() && candidate.isExecutable())
        return candidate.absoluteFilePath();
    return {};
}

// A bare name lets QProcess report "not found" through its normal error path.
QString onPath(const QString &name)
{
    const QString found = QStandardPaths::findExecutable(name);
    return found.isEmpty() ? name : found;
}

} // namespace

int windowsVersion()
{
    return currentWindowsVersion;
}

void setWindowsVersion(int version)
{
    currentWindowsVersion = version;
}

QString dataRootPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

QString dataFolderPath()
{
    return dataRootPath() + QStringLiteral("/Orvantis");
}

QString programFolderPath()
{
    return QCoreApplication::applicationDirPath();
}

QString toolFolderPath()
{
    return programFolderPath() + QStringLiteral("/watermarkimage");
}

QString ffmpegProgram()
{
    const QString bundled = executableIn(toolFolderPath(), QStringLiteral("ffmpeg"));
    return bundled.isEmpty() ? onPath(QStringLiteral("ffmpeg")) : bundled;
}

QString mplayerProgram()
{
    const QString beside = executableIn(programFolderPath(), QStringLiteral("mplayer"));
    return beside.isEmpty() ? onPath(QStringLiteral("mplayer")) : beside;
}
