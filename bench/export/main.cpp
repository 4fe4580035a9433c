// Times the burn-in of one and of three full-frame watermarks into a 1080p clip of 10 s,
// each as a ratio to a plain ffmpeg transcode of the same clip with the same quality option,
// all measured in this run. Usage: bench_export [rounds]
#include "media/burncommand.h"
#include "benchsupport.h"
#include "shell/appfolders.h"
#include "shell/platform.h"
#include "watermark/ctextwatermark.h"
#include "watermark/watermarklabel.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double runFfmpeg(const QStringList &arguments, const QString &workingDirectory)
{
    QProcess ffmpeg;
    ffmpeg.setWorkingDirectory(workingDirectory);
    ffmpeg.setProcessChannelMode(QProcess::MergedChannels);
    QElapsedTimer timer;
    timer.start();
    ffmpeg.start(ffmpegProgram(), arguments);
    ffmpeg.waitForFinished(-1);
    const double seconds = timer.nsecsElapsed() / 1e9;
    if (ffmpeg.exitCode() != 0) {
        std::fprintf(stderr, "ffmpeg failed:\n%s\n", ffmpeg.readAll().right(2000).constData());
        std::exit(1);
    }
    return seconds;
}

} // namespace

int main(int argc, char *argv[])
{
    const BenchHome home;
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 3;
    setUpDataFolders();

    const QString clip = home.path() + QStringLiteral("/clip1080.avi");
    std::printf("making a 1920x1080 clip of 10 s...\n");
    std::fflush(stdout);
    runFfmpeg({QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-f"), QStringLiteral("lavfi"),
               QStringLiteral("-i"), QStringLiteral("testsrc2=size=1920x1080:rate=25"), QStringLiteral("-f"),
               QStringLiteral("lavfi"), QStringLiteral("-i"), QStringLiteral("sine=frequency=440"), QStringLiteral("-t"),
               QStringLiteral("10"), QStringLiteral("-c:v"), QStringLiteral("mpeg4"), QStringLiteral("-q:v"),
               QStringLiteral("2"), QStringLiteral("-c:a"), QStringLiteral("mp2"), clip},
              home.path());

    // Three full-frame text overlays rendered by the studio itself.
    watermarkLabel preview;
    preview.setVideoSize(1920, 1080);
    preview.setImageMode(false);
    QStringList overlays;
    for (int placement : {1, 5, 9}) {
        preview.createTextWatermark();
        preview.setText(QStringLiteral("#C Orvantis bench %1").arg(placement));
        preview.setTextSize(18);
        preview.setPlacement(placement);
        if (!preview.commitCurrent()) {
            std::fprintf(stderr, "overlay not written\n");
            return 1;
        }
        overlays << preview.newText()->overlayFileName();
    }

    const QString output = home.path() + QStringLiteral("/out.avi");
    const QString overlayFolder = overlayFolderPath();
    std::vector<double> plain, one, three;
    for (int round = 0; round < rounds; ++round) {
        plain.push_back(runFfmpeg(burnArguments(clip, QString(), output), overlayFolder));
        one.push_back(runFfmpeg(burnArguments(clip, overlayFilterGraph(overlays.mid(0, 1)), output), overlayFolder));
        three.push_back(runFfmpeg(burnArguments(clip, overlayFilterGraph(overlays), output), overlayFolder));
    }

    const double p = median(plain), o = median(one), t = median(three);
    std::printf("medians of %d rounds, 1080p 10 s, %s\n", rounds,
                qPrintable(qualityOptions(output).join(QLatin1Char(' '))));
    std::printf("plain transcode:     %.2f s\n", p);
    std::printf("one watermark:       %.2f s  ratio %.3f\n", o, o / p);
    std::printf("three watermarks:    %.2f s  ratio %.3f\n", t, t / p);
    return 0;
}
