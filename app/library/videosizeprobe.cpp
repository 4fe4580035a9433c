#include "videosizeprobe.h"

#include "shell/platform.h"

#include <QProcess>
#include <QTimer>

namespace {

// mplayer quits on the "quit" sent after its first output; one stuck on a file it cannot
// open (a pipe, a dead network share) is killed after this, so none lingers.
constexpr int probeLimitMs = 10000;

} // namespace

VideoSizeProbe::VideoSizeProbe(QObject *parent)
    : QObject(parent)
{
}

VideoSizeProbe::~VideoSizeProbe()
{
    // Probes still reading end with their owner instead of outliving the window.
    for (QProcess *process : findChildren<QProcess *>()) {
        process->disconnect(this);
        process->kill();
        process->waitForFinished(1000);
    }
}

void VideoSizeProbe::startSizeProbe(const QString &videoPath)
{
    auto *process = new QProcess(this);
    pendingLines.insert(process, LineBuffer());
    connect(process, &QProcess::readyReadStandardOutput, this, &VideoSizeProbe::slotStoreVideoInfo);
    connect(process, &QProcess::finished, this, [this, process] { processEnded(process); });
    connect(process, &QProcess::errorOccurred, this, [this, process](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            processEnded(process);
    });
    QTimer::singleShot(probeLimitMs, process, [process] { process->kill(); });
    // Nobody reads its messages; a full pipe must not stall it.
    process->setStandardErrorFile(QProcess::nullDevice());
    process->start(mplayerProgram(), identifyArguments(videoPath));
}

void VideoSizeProbe::slotStoreVideoInfo()
{
    auto *process = qobject_cast<QProcess *>(sender());
    if (!process || !pendingLines.contains(process))
        return;
    bool stored = false;
    const QList<QByteArray> lines = pendingLines[process].feed(process->readAllStandardOutput());
    for (const QByteArray &line : lines)
        storeLine(line, stored);
    if (stored)
        emit videoSizeChanged(videoWidth, videoHeight);
    process->write("quit\r\n");
}

void VideoSizeProbe::storeLine(const QByteArray &line, bool &stored)
{
    QString value = identifyValue(line, "ID_VIDEO_WIDTH");
    if (!value.isNull()) {
        videoWidth = value.toInt();
        stored = true;
        return;
    }
    value = identifyValue(line, "ID_VIDEO_HEIGHT");
    if (!value.isNull()) {
        videoHeight = value.toInt();
        stored = true;
    }
}

void VideoSizeProbe::processEnded(QProcess *process)
{
    if (!pendingLines.contains(process))
        return;
    // What is left after the end is a whole last line.
    bool stored = false;
    LineBuffer &lines = pendingLines[process];
    const QList<QByteArray> whole = lines.feed(process->readAllStandardOutput());
    for (const QByteArray &line : whole)
        storeLine(line, stored);
    storeLine(lines.takeRest(), stored);
    pendingLines.remove(process);
    if (stored)
        emit videoSizeChanged(videoWidth, videoHeight);
    process->deleteLater();
}
