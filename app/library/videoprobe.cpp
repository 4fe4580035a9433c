#include "videoprobe.h"

#include "shell/platform.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTime>

#include <cmath>

namespace {

// mplayer prints the identify lines within a fraction of a second; past this it is not
// going to, and the caller (the window) is waiting.
constexpr int identifyLimitMs = 1500;
// mplayer leaves within milliseconds of "quit"; one that does not is killed.
constexpr int quitGraceMs = 300;

const QByteArray quitCommand = QByteArrayLiteral("quit\r\n");

// Detached, so that the probe does not wait for the picture and no process is left for
// anyone to reap. ffmpeg reads keys from a terminal, so it gets none.
void startThumbnail(const QString &video, const QString &thumb)
{
    QProcess ffmpeg;
    ffmpeg.setProgram(ffmpegProgram());
    ffmpeg.setArguments(thumbnailArguments(video, thumb));
    ffmpeg.setStandardInputFile(QProcess::nullDevice());
    ffmpeg.setStandardOutputFile(QProcess::nullDevice());
    ffmpeg.setStandardErrorFile(QProcess::nullDevice());
    ffmpeg.startDetached();
}

void readIdentify(const QString &video, IdentifyParser &parser)
{
    const QDeadlineTimer deadline(identifyLimitMs);
    QProcess mplayer;
    mplayer.setProgram(mplayerProgram());
    mplayer.setArguments(identifyArguments(video));
    // Nobody reads its messages; a full pipe must not stall it.
    mplayer.setStandardErrorFile(QProcess::nullDevice());
    mplayer.start();
    if (!mplayer.waitForStarted(identifyLimitMs))
        return;

    while (!parser.isComplete() && !deadline.hasExpired()) {
        if (!mplayer.waitForReadyRead(int(deadline.remainingTime())))
            break;
        parser.feed(mplayer.readAllStandardOutput());
    }
    if (!parser.isComplete())
        parser.feed(mplayer.readAllStandardOutput());
    if (mplayer.state() == QProcess::NotRunning) {
        // The output is whole, so a last line without "\n" is whole too.
        parser.finish();
        return;
    }

    mplayer.write(quitCommand);
    if (!mplayer.waitForFinished(quitGraceMs)) {
        mplayer.kill();
        mplayer.waitForFinished(quitGraceMs);
    }
}

} // namespace

QStringList thumbnailArguments(const QString &video, const QString &thumb)
{
    QStringList arguments{QStringLiteral("-ss"), QStringLiteral("1"), QStringLiteral("-i"), video,
                          QStringLiteral("-vframes"), QStringLiteral("1"), QStringLiteral("-an")};
    if (thumb.contains(QLatin1Char('%')))
        arguments << QStringLiteral("-update") << QStringLiteral("1");
    arguments << thumb;
    return arguments;
}

QStringList identifyArguments(const QString &video)
{
    return {QStringLiteral("-nosound"), QStringLiteral("-vo"), QStringLiteral("null"),
            QStringLiteral("-quiet"), QStringLiteral("-identify"), video};
}

QString thumbnailPathFor(const QString &video)
{
    const QFileInfo info(video);
    return info.absolutePath() + QStringLiteral("/thumb/") + info.completeBaseName() + QStringLiteral(".jpg");
}

QString sizeText(qint64 bytes)
{
    // Single precision on purpose: the library has always shown these digits.
    const float megabytes = float(bytes) * (1.0f / 1048576.0f);
    return QString::number(double(megabytes), 'g', 6) + QStringLiteral(" mb");
}

QString lengthText(double seconds)
{
    constexpr double dayMs = 24.0 * 60 * 60 * 1000;
    if (!std::isfinite(seconds))
        seconds = 0;
    // Wrapped here rather than by QTime, so that no length can overflow the integer.
    double ms = std::fmod(std::round(seconds * 1000), dayMs);
    if (ms < 0)
        ms += dayMs;
    return QTime(0, 0).addMSecs(qint64(ms)).toString(Qt::TextDate);
}

QList<QByteArray> LineBuffer::feed(const QByteArray &chunk)
{
    pending += chunk;
    QList<QByteArray> lines;
    qsizetype start = 0;
    for (qsizetype end = pending.indexOf('\n'); end >= 0; end = pending.indexOf('\n', start)) {
        lines.append(pending.mid(start, end - start));
        start = end + 1;
    }
    pending.remove(0, start);
    return lines;
}

QByteArray LineBuffer::takeRest()
{
    QByteArray rest;
    rest.swap(pending);
    return rest;
}

QString identifyValue(const QByteArray &line, const char *key)
{
    const qsizetype equals = line.indexOf('=');
    if (equals < 0 || line.left(equals).trimmed() != key)
        return {};
    return QString::fromLocal8Bit(line.mid(equals + 1)).trimmed();
}

bool IdentifyParser::feed(const QByteArray &chunk)
{
    const QList<QByteArray> whole = lines.feed(chunk);
    for (const QByteArray &line : whole)
        take(line);
    return isComplete();
}

void IdentifyParser::finish()
{
    take(lines.takeRest());
}

void IdentifyParser::take(const QByteArray &line)
{
    if (isComplete())
        return;
    for (const char *key : {"ID_VIDEO_WIDTH", "ID_VIDEO_HEIGHT", "ID_LENGTH"}) {
        const QString found = identifyValue(line, key);
        if (!found.isNull()) {
            values.append(found);
            return;
        }
    }
}

void probeVideo(const QString &path, QStringList &result)
{
    const QFileInfo video(path);
    if (!video.isFile() || video.size() == 0)
        return;
    // Absolute, so that the tools can never read a name starting with "-" as an option.
    const QString videoPath = video.absoluteFilePath();
    const QString thumbFolder = video.absolutePath() + QStringLiteral("/thumb");
    const bool haveThumbFolder = QFileInfo(thumbFolder).isDir() || QDir().mkdir(thumbFolder);
    const QString thumb = thumbnailPathFor(videoPath);
    if (QFileInfo::exists(thumb))
        return;
    if (haveThumbFolder)
        startThumbnail(videoPath, thumb);

    IdentifyParser identify;
    readIdentify(videoPath, identify);
    if (identify.width().isEmpty() || identify.height().isEmpty())
        return;

    result << video.fileName().trimmed() << thumb.trimmed() << sizeText(video.size()).trimmed()
           << (identify.width() + QStringLiteral("x") + identify.height()).trimmed()
           << lengthText(identify.length().toDouble()).trimmed();
}
