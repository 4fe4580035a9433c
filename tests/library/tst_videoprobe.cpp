#include "library/videoprobe.h"
#include "library/videosizeprobe.h"
#include "shell/platform.h"
#include "testutils.h"

#include <QElapsedTimer>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QSignalSpy>
#include <QtTest>

#include <cerrno>
#include <memory>
#include <signal.h>

namespace {

// Makes a clip with the real ffmpeg from lavfi sources; `sources` is split at spaces.
bool makeClip(const QString &path, const QString &sources)
{
    QProcess ffmpeg;
    ffmpeg.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    ffmpeg.start(QStringLiteral("ffmpeg"), QStringList{QStringLiteral("-v"), QStringLiteral("error"),
                                                       QStringLiteral("-y")}
                                               + QProcess::splitCommand(sources) + QStringList{path});
    return ffmpeg.waitForFinished(60000) && ffmpeg.exitStatus() == QProcess::NormalExit
        && ffmpeg.exitCode() == 0 && QFileInfo(path).size() > 0;
}

// The picture once ffmpeg has written it whole (up to the JPEG end marker, since a reader
// makes a picture of a half-written file too); a null image after `timeoutMs`.
QImage waitForPicture(const QString &path, int timeoutMs = 15000)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < timeoutMs) {
        if (readAll(path).endsWith("\xff\xd9")) {
            QImageReader reader(path);
            const QImage image = reader.read();
            if (!image.isNull())
                return image;
        }
        QTest::qWait(50);
    }
    return {};
}

int meanGray(const QImage &image)
{
    qint64 sum = 0;
    qint64 count = 0;
    for (int y = 0; y < image.height(); y += 4) {
        for (int x = 0; x < image.width(); x += 4) {
            sum += qGray(image.pixel(x, y));
            ++count;
        }
    }
    return count ? int(sum / count) : -1;
}

// A process that is still running, or ended but not reaped, still answers signal 0.
bool processGone(qint64 pid)
{
    return ::kill(pid_t(pid), 0) == -1 && errno == ESRCH;
}

QStringList probed(const QString &path)
{
    QStringList result;
    probeVideo(path, result);
    return result;
}

} // namespace

class TestVideoProbe : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void argumentLists_data();
    void argumentLists();
    void thumbnailPath_data();
    void thumbnailPath();
    void sizeTextFormat_data();
    void sizeTextFormat();
    void lengthTextFormat_data();
    void lengthTextFormat();
    void identifyParser_data();
    void identifyParser();

    void probeReportsTheClip();
    void thumbnailIsTheFrameAtOneSecond();
    void dottedNamesGetThumbnailsOfTheirOwn();
    void probedVideoIsNotProbedAgain();
    void nothingForFilesWithoutPicture_data();
    void nothingForFilesWithoutPicture();
    void unwritableThumbFolderStillReports();
    void probeQuitsMplayerOnceValuesAreIn();
    void runnerEndsMplayerItself_data();
    void runnerEndsMplayerItself();

    void sizeProbeStoresPictureSize();

private:
    // A fresh copy of one of the clips made at start, in HOME/`folder`.
    QString copyClip(const QString &clip, const QString &name,
                     const QString &folder = QStringLiteral("videos"));

    QTemporaryDir clips;
    std::unique_ptr<TestHome> home;
    QString stubPath;
    QByteArray oldPath;
};

void TestVideoProbe::initTestCase()
{
    QVERIFY(clips.isValid());
    const QString sine = QStringLiteral(" -f lavfi -i sine=frequency=440");
    // Grows brighter with time (grey 80 of 255 at one second), so the thumbnail's brightness
    // tells which moment it shows.
    QVERIFY(makeClip(clips.filePath(QStringLiteral("ramp.avi")),
                     QStringLiteral("-f lavfi -i color=c=black:s=640x480:r=25,format=yuv420p,"
                                    "geq=lum='clip(80*T,0,255)':cb=128:cr=128")
                         + sine + QStringLiteral(" -t 3 -c:v mpeg4 -q:v 5 -c:a mp2")));
    QVERIFY(makeClip(clips.filePath(QStringLiteral("long.avi")),
                     QStringLiteral("-f lavfi -i testsrc=size=320x240:rate=25") + sine
                         + QStringLiteral(" -t 10 -c:v mpeg4 -c:a mp2")));
    QVERIFY(makeClip(clips.filePath(QStringLiteral("audio.avi")), sine + QStringLiteral(" -t 2 -c:a mp2")));
    stubPath = programFolderPath() + QStringLiteral("/mplayer");
}

void TestVideoProbe::init()
{
    home = std::make_unique<TestHome>();
    oldPath = qgetenv("PATH");
}

void TestVideoProbe::cleanup()
{
    QFile::remove(stubPath);
    qputenv("PATH", oldPath);
    home.reset();
}

QString TestVideoProbe::copyClip(const QString &clip, const QString &name, const QString &folder)
{
    const QString target = home->path() + QLatin1Char('/') + folder + QLatin1Char('/') + name;
    QDir().mkpath(QFileInfo(target).absolutePath());
    return QFile::copy(clips.filePath(clip), target) ? target : QString();
}

void TestVideoProbe::argumentLists_data()
{
    QTest::addColumn<QString>("video");
    QTest::addColumn<QString>("thumb");
    QTest::addColumn<QStringList>("thumbnail");
    QTest::addColumn<QStringList>("identify");

    const QString plain = QStringLiteral("/v/clip.avi");
    QTest::newRow("plain") << plain << QStringLiteral("/v/thumb/clip.jpg")
                           << QStringList{"-ss",      "1", "-i",  plain,
                                          "-vframes", "1", "-an", "/v/thumb/clip.jpg"}
                           << QStringList{"-nosound", "-vo", "null", "-quiet", "-identify", plain};
    const QString odd = QStringLiteral("/my videos/say \"hi\" -an.avi");
    const QString oddThumb = QStringLiteral("/my videos/thumb/say \"hi\" -an.jpg");
    QTest::newRow("spaces and quote stay one argument")
        << odd << oddThumb << QStringList{"-ss", "1", "-i", odd, "-vframes", "1", "-an", oddThumb}
        << QStringList{"-nosound", "-vo", "null", "-quiet", "-identify", odd};
    // Without "-update 1" ffmpeg writes "clip1.jpg" for "clip%d.jpg".
    const QString percent = QStringLiteral("/v/clip%d.avi");
    QTest::newRow("percent sign written as named")
        << percent << QStringLiteral("/v/thumb/clip%d.jpg")
        << QStringList{"-ss", "1",   "-i",      percent, "-vframes",
                       "1",   "-an", "-update", "1",     "/v/thumb/clip%d.jpg"}
        << QStringList{"-nosound", "-vo", "null", "-quiet", "-identify", percent};
}

void TestVideoProbe::argumentLists()
{
    QFETCH(QString, video);
    QFETCH(QString, thumb);
    QFETCH(QStringList, thumbnail);
    QFETCH(QStringList, identify);
    QCOMPARE(thumbnailArguments(video, thumb), thumbnail);
    QCOMPARE(identifyArguments(video), identify);
}

void TestVideoProbe::thumbnailPath_data()
{
    QTest::addColumn<QString>("video");
    QTest::addColumn<QString>("thumb");
    QTest::newRow("dotted name keeps all but the extension")
        << QStringLiteral("/v/my.holiday.avi") << QStringLiteral("/v/thumb/my.holiday.jpg");
    QTest::newRow("no extension") << QStringLiteral("/v/clip") << QStringLiteral("/v/thumb/clip.jpg");
    QTest::newRow("relative folder made absolute")
        << QStringLiteral("sub/clip.mp4") << QDir::currentPath() + QStringLiteral("/sub/thumb/clip.jpg");
}

void TestVideoProbe::thumbnailPath()
{
    QFETCH(QString, video);
    QFETCH(QString, thumb);
    QCOMPARE(thumbnailPathFor(video), thumb);
}

void TestVideoProbe::sizeTextFormat_data()
{
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("12 345 678") << qint64(12345678) << QStringLiteral("11.7738 mb");
    QTest::newRow("one mebibyte") << qint64(1048576) << QStringLiteral("1 mb");
    QTest::newRow("5 000") << qint64(5000) << QStringLiteral("0.00476837 mb");
}

void TestVideoProbe::sizeTextFormat()
{
    QFETCH(qint64, bytes);
    QFETCH(QString, text);
    QCOMPARE(sizeText(bytes), text);
}

void TestVideoProbe::lengthTextFormat_data()
{
    QTest::addColumn<double>("seconds");
    QTest::addColumn<QString>("text");
    QTest::newRow("125.50") << 125.50 << QStringLiteral("00:02:05");
    QTest::newRow("3599.99") << 3599.99 << QStringLiteral("00:59:59");
    QTest::newRow("5400.00") << 5400.00 << QStringLiteral("01:30:00");
    QTest::newRow("wraps past 24 h") << 90061.0 << QStringLiteral("01:01:01");
    QTest::newRow("nearest millisecond") << 59.9996 << QStringLiteral("00:01:00");
    QTest::newRow("not a number") << qQNaN() << QStringLiteral("00:00:00");
}

void TestVideoProbe::lengthTextFormat()
{
    QFETCH(double, seconds);
    QFETCH(QString, text);
    QCOMPARE(lengthText(seconds), text);
}

void TestVideoProbe::identifyParser_data()
{
    QTest::addColumn<QByteArray>("output");
    QTest::addColumn<int>("chunkSize");
    QTest::addColumn<QStringList>("beforeEnd");
    QTest::addColumn<QStringList>("afterEnd");

    const QByteArray real = "MPlayer UNKNOWN-12 (C) 2000-2023 MPlayer Team\n"
                            "ID_VIDEO_ID=0\nID_AUDIO_ID=1\nID_FILENAME=clip.avi\nID_DEMUXER=avi\n"
                            "ID_VIDEO_FORMAT=FMP4\nID_VIDEO_BITRATE=499240\nID_VIDEO_WIDTH=640\n"
                            "ID_VIDEO_HEIGHT=480\nID_VIDEO_FPS=25.000\nID_VIDEO_ASPECT=0.0000\n"
                            "ID_START_TIME=0.00\nID_LENGTH=3.00\nID_SEEKABLE=1\nID_CHAPTERS=0\n";
    const QStringList all{"640", "480", "3.00"};
    QTest::newRow("one chunk") << real << int(real.size()) << all << all;
    QTest::newRow("byte by byte") << real << 1 << all << all;
    QTest::newRow("chunks ending mid-line") << real << 7 << all << all;
    QTest::newRow("CRLF and spaces")
        << QByteArray("ID_VIDEO_WIDTH= 320 \r\nID_VIDEO_HEIGHT=240\r\nID_LENGTH=10.00\r\n") << 5
        << QStringList{"320", "240", "10.00"} << QStringList{"320", "240", "10.00"};
    QTest::newRow("last line without newline")
        << QByteArray("ID_VIDEO_WIDTH=640\nID_VIDEO_HEIGHT=480\nID_LENGTH=3.0") << 4
        << QStringList{"640", "480", ""} << QStringList{"640", "480", "3.0"};
    QTest::newRow("audio only") << QByteArray("ID_AUDIO_ID=0\nID_AUDIO_CODEC=mp3\nID_EXIT=EOF\n") << 3
                                << QStringList{"", "", ""} << QStringList{"", "", ""};
    // Positions, not keys: a lone length stands where the width would.
    QTest::newRow("length without picture") << QByteArray("ID_AUDIO_ID=0\nID_LENGTH=2.00\n") << 64
                                            << QStringList{"2.00", "", ""} << QStringList{"2.00", "", ""};
    QTest::newRow("name and title holding keys")
        << QByteArray("ID_FILENAME=/v/ID_VIDEO_WIDTH=9.avi\nID_CLIP_INFO_VALUE0=ID_LENGTH=7\n"
                      "ID_VIDEO_WIDTH=640\nID_VIDEO_HEIGHT=480\nID_LENGTH=3.00\n")
        << 16 << all << all;
    QTest::newRow("later lines ignored") << real + "ID_VIDEO_WIDTH=1\nID_LENGTH=99\n" << 32 << all << all;
}

void TestVideoProbe::identifyParser()
{
    QFETCH(QByteArray, output);
    QFETCH(int, chunkSize);
    QFETCH(QStringList, beforeEnd);
    QFETCH(QStringList, afterEnd);

    IdentifyParser parser;
    bool reported = false;
    for (qsizetype at = 0; at < output.size(); at += chunkSize) {
        const bool complete = parser.feed(output.mid(at, chunkSize));
        QVERIFY(!reported || complete);
        reported = complete;
    }
    QCOMPARE((QStringList{parser.width(), parser.height(), parser.length()}), beforeEnd);
    QCOMPARE(reported, !beforeEnd.contains(QString()));
    parser.finish();
    QCOMPARE((QStringList{parser.width(), parser.height(), parser.length()}), afterEnd);
    QCOMPARE(parser.isComplete(), !afterEnd.contains(QString()));
}

void TestVideoProbe::probeReportsTheClip()
{
    const QString video = copyClip(QStringLiteral("ramp.avi"), QStringLiteral("clip.avi"));
    QVERIFY(!video.isEmpty());
    QStringList result{QStringLiteral("earlier entry")};
    probeVideo(video, result);
    const QString thumb = home->path() + QStringLiteral("/videos/thumb/clip.jpg");
    QCOMPARE(result, (QStringList{QStringLiteral("earlier entry"), QStringLiteral("clip.avi"), thumb,
                                  sizeText(QFileInfo(video).size()), QStringLiteral("640x480"),
                                  QStringLiteral("00:00:03")}));
    // Let ffmpeg finish before this HOME goes.
    QVERIFY(!waitForPicture(thumb).isNull());
}

void TestVideoProbe::thumbnailIsTheFrameAtOneSecond()
{
    const QString video = copyClip(QStringLiteral("ramp.avi"), QStringLiteral("ramp.avi"));
    QVERIFY(!video.isEmpty());
    QCOMPARE(probed(video).size(), 5);
    const QString thumb = thumbnailPathFor(video);
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(thumb), 15000);
    const QImage image = waitForPicture(thumb);
    QVERIFY(!image.isNull());
    QCOMPARE(QImageReader(thumb).format(), QByteArray("jpeg"));
    QCOMPARE(image.size(), QSize(640, 480));
    // The ramp shows grey ~29 at 0.5 s, ~75 at 1 s and ~122 at 1.5 s (video levels to full range).
    const int gray = meanGray(image);
    QVERIFY2(qAbs(gray - 75) <= 12, qPrintable(QStringLiteral("mean grey %1").arg(gray)));
}

void TestVideoProbe::dottedNamesGetThumbnailsOfTheirOwn()
{
    const QString holiday = copyClip(QStringLiteral("ramp.avi"), QStringLiteral("my.holiday.avi"));
    const QString trip = copyClip(QStringLiteral("long.avi"), QStringLiteral("my.trip.avi"));
    const QStringList first = probed(holiday);
    const QStringList second = probed(trip);
    QCOMPARE(first.size(), 5);
    QCOMPARE(second.size(), 5);
    QCOMPARE(first.at(1), home->path() + QStringLiteral("/videos/thumb/my.holiday.jpg"));
    QCOMPARE(second.at(1), home->path() + QStringLiteral("/videos/thumb/my.trip.jpg"));
    QCOMPARE(waitForPicture(first.at(1)).size(), QSize(640, 480));
    QCOMPARE(waitForPicture(second.at(1)).size(), QSize(320, 240));
}

void TestVideoProbe::probedVideoIsNotProbedAgain()
{
    const QString video = copyClip(QStringLiteral("long.avi"), QStringLiteral("clip.avi"));
    QCOMPARE(probed(video).size(), 5);
    QVERIFY(!waitForPicture(thumbnailPathFor(video)).isNull());
    QStringList result{QStringLiteral("earlier entry")};
    probeVideo(video, result);
    QCOMPARE(result, QStringList{QStringLiteral("earlier entry")});
}

void TestVideoProbe::nothingForFilesWithoutPicture_data()
{
    QTest::addColumn<QString>("clip");
    QTest::addColumn<bool>("thumbFolder");
    QTest::newRow("missing file") << QString() << false;
    QTest::newRow("empty file") << QStringLiteral("empty") << false;
    QTest::newRow("audio only") << QStringLiteral("audio.avi") << true;
}

void TestVideoProbe::nothingForFilesWithoutPicture()
{
    QFETCH(QString, clip);
    QFETCH(bool, thumbFolder);
    const QString video = home->path() + QStringLiteral("/videos/clip.avi");
    if (clip == QLatin1String("empty"))
        QVERIFY(writeFile(video, QByteArray()));
    else if (!clip.isEmpty())
        QCOMPARE(copyClip(clip, QStringLiteral("clip.avi")), video);

    QStringList result{QStringLiteral("earlier entry")};
    probeVideo(video, result);
    QCOMPARE(result, QStringList{QStringLiteral("earlier entry")});
    QCOMPARE(QFileInfo(home->path() + QStringLiteral("/videos/thumb")).isDir(), thumbFolder);
}

void TestVideoProbe::unwritableThumbFolderStillReports()
{
    const QString video = copyClip(QStringLiteral("long.avi"), QStringLiteral("clip.avi"));
    const QString blocker = home->path() + QStringLiteral("/videos/thumb");
    QVERIFY(writeFile(blocker, "not a folder"));
    const QStringList result = probed(video);
    QCOMPARE(result, (QStringList{QStringLiteral("clip.avi"), blocker + QStringLiteral("/clip.jpg"),
                                  sizeText(QFileInfo(video).size()), QStringLiteral("320x240"),
                                  QStringLiteral("00:00:10")}));
    QCOMPARE(readAll(blocker), QByteArray("not a folder"));
}

void TestVideoProbe::probeQuitsMplayerOnceValuesAreIn()
{
    // mplayer would play this one for 10 s; the values are in after a fraction of one.
    const QString video = copyClip(QStringLiteral("long.avi"), QStringLiteral("long.avi"));
    QElapsedTimer clock;
    clock.start();
    const QStringList result = probed(video);
    const qint64 elapsed = clock.elapsed();
    QCOMPARE(result.size(), 5);
    QCOMPARE(result.at(4), QStringLiteral("00:00:10"));
    QVERIFY2(elapsed < 1200, qPrintable(QStringLiteral("took %1 ms").arg(elapsed)));
    QVERIFY(!waitForPicture(thumbnailPathFor(video)).isNull());
}

void TestVideoProbe::runnerEndsMplayerItself_data()
{
    QTest::addColumn<QByteArray>("output");
    QTest::addColumn<bool>("stub");
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<int>("minMs");
    QTest::addColumn<int>("maxMs");

    QTest::newRow("ignores quit") << QByteArray("ID_VIDEO_WIDTH=720\nID_VIDEO_HEIGHT=576\nID_LENGTH=125.5\n")
                                  << true << QStringList{"720x576", "00:02:05"} << 0 << 1200;
    QTest::newRow("no length") << QByteArray("ID_VIDEO_WIDTH=720\nID_VIDEO_HEIGHT=576\n") << true
                               << QStringList{"720x576", "00:00:00"} << 1400 << 3000;
    QTest::newRow("silent") << QByteArray() << true << QStringList() << 1400 << 3000;
    QTest::newRow("not installed") << QByteArray() << false << QStringList() << 0 << 1200;
}

// A stand-in mplayer beside the test program that prints `output`, then hangs, deaf to "quit".
void TestVideoProbe::runnerEndsMplayerItself()
{
    QFETCH(QByteArray, output);
    QFETCH(bool, stub);
    QFETCH(QStringList, values);
    QFETCH(int, minMs);
    QFETCH(int, maxMs);

    const QString video = copyClip(QStringLiteral("long.avi"), QStringLiteral("clip.avi"));
    const QString pidFile = home->path() + QStringLiteral("/mplayer.pid");
    const QString argsFile = home->path() + QStringLiteral("/mplayer.args");
    if (stub) {
        const QByteArray script = "#!/bin/sh\n"
                                  "echo $$ > '" + QFile::encodeName(pidFile) + "'\n"
                                  "printf '%s\\n' \"$@\" > '" + QFile::encodeName(argsFile) + "'\n"
                                  "printf '" + output.replace("\n", "\\n") + "'\n"
                                  "exec sleep 30\n";
        QVERIFY(writeFile(stubPath, script));
        QVERIFY(QFile::setPermissions(stubPath, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QCOMPARE(mplayerProgram(), stubPath);
    } else {
        qputenv("PATH", QFile::encodeName(home->path() + QStringLiteral("/nowhere")));
    }

    // Relative, to see the tools get the absolute path.
    const QString oldCurrent = QDir::currentPath();
    QVERIFY(QDir::setCurrent(home->path()));
    QElapsedTimer clock;
    clock.start();
    const QStringList result = probed(QStringLiteral("videos/clip.avi"));
    const qint64 elapsed = clock.elapsed();
    QVERIFY(QDir::setCurrent(oldCurrent));

    QCOMPARE(result.mid(3), values);
    QVERIFY2(elapsed >= minMs && elapsed < maxMs, qPrintable(QStringLiteral("took %1 ms").arg(elapsed)));
    if (stub) {
        QCOMPARE(QString::fromLocal8Bit(readAll(argsFile)).split(QLatin1Char('\n'), Qt::SkipEmptyParts),
                 identifyArguments(video));
        const qint64 pid = readAll(pidFile).trimmed().toLongLong();
        QVERIFY(pid > 0);
        QVERIFY(processGone(pid));
    }
    if (!values.isEmpty())
        QVERIFY(!waitForPicture(thumbnailPathFor(video)).isNull());
}

void TestVideoProbe::sizeProbeStoresPictureSize()
{
    VideoSizeProbe probe;
    QSignalSpy changed(&probe, &VideoSizeProbe::videoSizeChanged);
    probe.startSizeProbe(copyClip(QStringLiteral("ramp.avi"), QStringLiteral("big.avi")));
    QTRY_VERIFY_WITH_TIMEOUT(probe.videoWidth == 640 && probe.videoHeight == 480, 10000);
    QVERIFY(!changed.isEmpty());
    QCOMPARE(changed.last(), (QVariantList{640, 480}));

    probe.startSizeProbe(copyClip(QStringLiteral("long.avi"), QStringLiteral("small.avi")));
    QTRY_VERIFY_WITH_TIMEOUT(probe.videoWidth == 320 && probe.videoHeight == 240, 10000);
    // Each mplayer quits on being told and its process goes.
    QTRY_VERIFY_WITH_TIMEOUT(probe.findChildren<QProcess *>().isEmpty(), 10000);

    // A file mplayer cannot read leaves the last size alone.
    probe.startSizeProbe(home->path() + QStringLiteral("/missing.avi"));
    QTRY_VERIFY_WITH_TIMEOUT(probe.findChildren<QProcess *>().isEmpty(), 10000);
    QCOMPARE(probe.videoWidth, 320);
    QCOMPARE(probe.videoHeight, 240);
}

QTEST_GUILESS_MAIN(TestVideoProbe)
#include "tst_videoprobe.moc"
