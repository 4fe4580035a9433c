#include "companionbundles.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>

namespace {

constexpr int unzipTimeoutMs = 30000;

void unpackBundle(const QString &programFolder, const QString &name)
{
    if (QFileInfo(programFolder + QStringLiteral("/") + name + QStringLiteral(".app")).isDir())
        return;

    const QString archive = programFolder + QStringLiteral("/") + name + QStringLiteral(".zip");
    // QFile::copy never replaces an existing file, so an archive already placed there is used.
    QFile::copy(QStringLiteral(":/image/") + name + QStringLiteral(".zip"), archive);
    if (!QFileInfo::exists(archive))
        return;

    QProcess unzip;
    unzip.start(QStringLiteral("/usr/bin/unzip"), {archive, QStringLiteral("-d"), programFolder});
    // unzip asks on standard input before replacing a file; end of input answers "no"
    // instead of leaving it waiting until the time-out.
    unzip.closeWriteChannel();
    unzip.waitForFinished(unzipTimeoutMs);
    QFile::remove(archive);
}

} // namespace

void unpackCompanionBundles(const QDir &programDir)
{
    const QString folder = programDir.absolutePath();
    unpackBundle(folder, QStringLiteral("Kestrelview"));
    unpackBundle(folder, QStringLiteral("Sondrel"));
}
