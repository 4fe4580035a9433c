// How long the media probe holds the window per imported clip, against the least mplayer
// itself needs to print the identify lines (it stops after opening the file).

#include "library/videoprobe.h"
#include "shell/platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>

namespace {

constexpr int clipCount = 20;

bool makeClip(const QString &path)
{
    QProcess ffmpeg;
    ffmpeg.start(ffmpegProgram(),
                 {"-v", "error", "-y", "-f", "lavfi", "-i", "testsrc=size=320x240:rate=25", "-f", "lavfi",
                  "-i", "sine=frequency=440", "-t", "10", "-c:v", "mpeg4", "-c:a", "mp2", path});
    return ffmpeg.waitForFinished(60000) && ffmpeg.exitCode() == 0;
}

double baselineSeconds(const QString &clip)
{
    QElapsedTimer clock;
    clock.start();
    QProcess mplayer;
    mplayer.setStandardErrorFile(QProcess::nullDevice());
    mplayer.start(mplayerProgram(), {"-nosound", "-vo", "null", "-quiet", "-identify", "-frames", "0", clip});
    mplayer.waitForFinished(30000);
    mplayer.readAllStandardOutput();
    return clock.nsecsElapsed() / 1e9;
}

// The probe leaves ffmpeg writing the thumbnail; let it finish outside the timed part, so
// that it does not slow the next clip down.
void waitForThumbnail(const QString &thumb)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 15000) {
        QFile file(thumb);
        if (file.open(QIODevice::ReadOnly) && file.readAll().endsWith("\xff\xd9"))
            return;
        QThread::msleep(20);
    }
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    if (!dir.isValid() || !QDir().mkpath(dir.filePath("source")) || !QDir().mkpath(dir.filePath("probe"))) {
        std::fprintf(stderr, "cannot make a temporary folder\n");
        return 1;
    }

    std::printf("making %d clips of 10 s, 320x240...\n", clipCount);
    std::fflush(stdout);
    QStringList sources;
    for (int i = 0; i < clipCount; ++i) {
        const QString clip =
            dir.filePath(QStringLiteral("source/clip%1.avi").arg(i, 2, 10, QLatin1Char('0')));
        if (!makeClip(clip)) {
            std::fprintf(stderr, "ffmpeg could not make %s\n", qPrintable(clip));
            return 1;
        }
        sources << clip;
    }

    double probeTotal = 0;
    double baselineTotal = 0;
    int incomplete = 0;
    for (int i = 0; i < clipCount; ++i) {
        const QString copy = dir.filePath(QStringLiteral("probe/") + QFileInfo(sources.at(i)).fileName());
        QFile::copy(sources.at(i), copy);

        QStringList result;
        QElapsedTimer clock;
        clock.start();
        probeVideo(copy, result);
        probeTotal += clock.nsecsElapsed() / 1e9;
        if (result.size() != 5)
            ++incomplete;
        waitForThumbnail(thumbnailPathFor(copy));

        baselineTotal += baselineSeconds(sources.at(i));
    }

    const double probe = probeTotal / clipCount;
    const double baseline = baselineTotal / clipCount;
    std::printf("probeVideo:                          %.3f s per clip\n", probe);
    std::printf("mplayer -identify -frames 0 (alone): %.3f s per clip\n", baseline);
    std::printf("ratio probe / baseline:              %.2f\n", probe / baseline);
    if (incomplete)
        std::printf("%d clips gave no full result\n", incomplete);
    return incomplete ? 1 : 0;
}
