#include "library/clibrarylabel.h"
#include "library/videoprobe.h"
#include "library/xmlparser.h"
#include "media/cexportimages.h"
#include "shell/appfolders.h"
#include "shell/mainwindow.h"
#include "shell/platform.h"
#include "libraryfixture.h"
#include "testutils.h"
#include "watermark/watermarklabel.h"

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSlider>
#include <QtTest>

#include <csignal>
#include <memory>

#include <sys/types.h>

namespace {

// What viewWdgt shows on the X server, mplayer's drawing included.
QImage screenOf(QWidget *widget)
{
    return widget->screen()->grabWindow(widget->winId()).toImage().convertToFormat(QImage::Format_RGB32);
}

// The share of pixels that are not the view's own background colour.
double shareNotBackground(const QImage &image)
{
    const QRgb background = qRgb(12, 12, 12);
    qint64 other = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            other += image.pixel(x, y) != background;
    return image.isNull() ? 0.0 : double(other) / (double(image.width()) * image.height());
}

bool processGone(qint64 pid)
{
    return pid > 0 && ::kill(pid_t(pid), 0) != 0 && errno == ESRCH;
}

QStringList snapshots()
{
    return QDir(snapshotFolderPath()).entryList(QDir::Files);
}

// A stand-in mplayer beside the program that records the slave's arguments and everything
// written to its standard input. The size probe, started with other arguments, ends at once.
const QByteArray recordingSlave = "case \" $* \" in *\" -slave \"*) ;; *) exit 0 ;; esac\n"
                                  "printf '%s\\n' \"$@\" > \"$HOME/slave-args\"\n"
                                  "exec cat > \"$HOME/slave-input\"\n";

} // namespace

class TestPlayerWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void playShowsTheVideo();
    void pauseLeavesTheFrame();
    void commandsReachTheSlave();
    void exportDialogPausesAndGuardsDoubleClick();
    void playerEndingByItselfFreesControls();
    void missingPlayerIsReported();
    void stopThenPlayKeepsTheNewPlayer();

private:
    template <typename T> T *child(const char *name) { return window->findChild<T *>(QLatin1String(name)); }

    std::unique_ptr<TestHome> home;
    std::unique_ptr<MainWindow> window;
    QTemporaryDir clips;
    QString clip;
};

void TestPlayerWindow::initTestCase()
{
    // A stand-in left behind by a run that was killed would take the real player's place.
    QFile::remove(programFolderPath() + QStringLiteral("/mplayer"));
    clip = clips.path() + QStringLiteral("/clip.avi");
    QVERIFY(makeTestClip(clip, 6));
}

void TestPlayerWindow::init()
{
    home = std::make_unique<TestHome>();
    switchOffGettingStartedGuide();
    QVERIFY(setUpDataFolders().ok);
    QVERIFY(XMLParser().ensureDocument().ok);
    QVERIFY(!addLibraryClip(clip, QStringLiteral("Untitled"), QStringLiteral("first.avi")).isEmpty());
    QVERIFY(!addLibraryClip(clip, QStringLiteral("Untitled- 2"), QStringLiteral("second.avi")).isEmpty());
    window = std::make_unique<MainWindow>();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
}

void TestPlayerWindow::cleanup()
{
    window.reset();
    home.reset();
}

void TestPlayerWindow::playShowsTheVideo()
{
    auto *view = child<QWidget>("viewWdgt");
    QVERIFY(shareNotBackground(screenOf(view)) < 0.05);

    child<QPushButton>("playBtn")->click();
    QPointer<QProcess> player = window->player();
    QVERIFY(player);
    QTRY_COMPARE_WITH_TIMEOUT(player->state(), QProcess::Running, 5000);
    QVERIFY(window->isPlaying() && window->isVideoLoaded());
    QCOMPARE(child<QSlider>("videoSlider")->maximum(), 6);
    QCOMPARE(child<QLabel>("videoTimeLbl")->text(), QStringLiteral(" 00:00:06 "));
    QVERIFY(child<QPushButton>("txtWMBtn")->isEnabled());
    QVERIFY(!child<QPushButton>("deleteBtn")->isEnabled());

    QTRY_VERIFY_WITH_TIMEOUT(shareNotBackground(screenOf(view)) > 0.5, 10000);
    const QImage first = screenOf(view);
    // The clock's second tick shows one second; by then the picture has moved on.
    QTRY_COMPARE_WITH_TIMEOUT(child<QLabel>("playTimeLbl")->text(), QStringLiteral("00:00:01"), 5000);
    QTRY_VERIFY_WITH_TIMEOUT(screenOf(view) != first, 5000);
    QVERIFY(shareNotBackground(screenOf(view)) > 0.5);

    // Play again with the same video loaded changes nothing.
    const int elapsed = window->elapsed();
    child<QPushButton>("playBtn")->click();
    QCOMPARE(window->player(), player.data());
    QCOMPARE(player->state(), QProcess::Running);
    QCOMPARE(window->elapsed(), elapsed);
    QVERIFY(window->isPlaying());
}

void TestPlayerWindow::pauseLeavesTheFrame()
{
    child<QPushButton>("playBtn")->click();
    QPointer<QProcess> player = window->player();
    QTRY_VERIFY_WITH_TIMEOUT(shareNotBackground(screenOf(child<QWidget>("viewWdgt"))) > 0.5, 10000);
    QVERIFY(snapshots().isEmpty());

    child<QPushButton>("pauseBtn")->click();
    QVERIFY(!window->isPlaying());
    QTRY_COMPARE_WITH_TIMEOUT(snapshots().size(), 1, 5000);
    const QString shot = snapshotFolderPath() + QStringLiteral("/") + snapshots().first();
    // mplayer may still be writing it.
    QTRY_COMPARE_WITH_TIMEOUT(QImage(shot).size(), QSize(320, 240), 5000);
    const QString label = child<QLabel>("playTimeLbl")->text();

    child<QPushButton>("playBtn")->click();
    QVERIFY(window->isPlaying());
    QCOMPARE(window->player(), player.data());
    // The clock runs again after the resume.
    QTRY_VERIFY_WITH_TIMEOUT(child<QLabel>("playTimeLbl")->text() != label, 5000);
    QCOMPARE(snapshots().size(), 1);

    // A new start clears the pictures of the last one.
    child<QPushButton>("stopBtn")->click();
    child<QPushButton>("playBtn")->click();
    QVERIFY(snapshots().isEmpty());
}

void TestPlayerWindow::commandsReachTheSlave()
{
    StubTool slave(programFolderPath(), QStringLiteral("mplayer"), recordingSlave);
    const QString input = home->path() + QStringLiteral("/slave-input");

    child<QPushButton>("playBtn")->click();
    QPointer<QProcess> player = window->player();
    // Commands count only once the slave runs.
    QTRY_COMPARE_WITH_TIMEOUT(player->state(), QProcess::Running, 5000);
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(input), 5000);
    const QStringList arguments =
        QString::fromUtf8(readAll(home->path() + QStringLiteral("/slave-args"))).split('\n');
    QCOMPARE(arguments.value(arguments.indexOf(QStringLiteral("-wid")) + 1),
             QString::number(child<QWidget>("viewWdgt")->winId()));
    QCOMPARE(arguments.value(arguments.size() - 2), window->currentVideo());
    QCOMPARE(player->workingDirectory(), snapshotFolderPath());

    QByteArray sent = "screenshot 0\npause\n";
    child<QPushButton>("pauseBtn")->click();
    QVERIFY(!window->isPlaying());
    QTRY_COMPARE(readAll(input), sent);
    // A sharing dialog closing while paused resumes, with nothing but "pause" ...
    window->updatePlayStatus();
    sent += "pause\n";
    QTRY_COMPARE(readAll(input), sent);
    QVERIFY(window->isPlaying());
    // ... and sends nothing while playing.
    window->updatePlayStatus();
    QVERIFY(window->isPlaying());

    // Space is the Pause action; a seek while paused leaves mplayer's pause, and the clock
    // goes with it.
    child<QAction>("actionPause")->trigger();
    auto *slider = child<QSlider>("videoSlider");
    slider->setValue(4);
    window->on_videoSlider_sliderReleased();
    QCOMPARE(child<QLabel>("playTimeLbl")->text(), QStringLiteral("00:00:04"));
    QCOMPARE(window->elapsed(), 4);
    QVERIFY(window->isPlaying());
    sent += "screenshot 0\npause\nseek 4 2\n";
    QTRY_COMPARE(readAll(input), sent);

    // Resuming through Play sends only "pause".
    child<QAction>("actionPause")->trigger();
    child<QAction>("actionPlay")->trigger();
    QVERIFY(window->isPlaying());
    sent += "screenshot 0\npause\npause\n";
    QTRY_COMPARE(readAll(input), sent);

    child<QPushButton>("stopBtn")->click();
    QVERIFY(!window->player());
    QTRY_VERIFY_WITH_TIMEOUT(player.isNull(), 5000);
    QCOMPARE(readAll(input), sent + "quit\r\n");
    QCOMPARE(slider->value(), 0);
    QCOMPARE(child<QLabel>("playTimeLbl")->text(), QStringLiteral("00:00:00"));
    QCOMPARE(window->elapsed(), 0);
    QVERIFY(!window->isPlaying() && !window->isVideoLoaded());
    QVERIFY(child<QPushButton>("playBtn")->isEnabled());
    QVERIFY(!child<QPushButton>("txtWMBtn")->isEnabled());
    QVERIFY(child<QPushButton>("deleteBtn")->isEnabled());
    QVERIFY(window->watermarkPreview()->isVisible());

    // Without a slave, seek and pause do nothing.
    window->on_videoSlider_sliderReleased();
    window->on_pauseBtn_clicked();
    QCOMPARE(window->elapsed(), 0);
    QVERIFY(!window->isPlaying());
}

void TestPlayerWindow::exportDialogPausesAndGuardsDoubleClick()
{
    StubTool slave(programFolderPath(), QStringLiteral("mplayer"), recordingSlave);
    const QString input = home->path() + QStringLiteral("/slave-input");
    const QString args = home->path() + QStringLiteral("/slave-args");

    // A double click on another tile plays that one.
    CLibraryLabel *second = window->libraryTileList().at(1);
    QTest::mouseDClick(second, Qt::LeftButton, {}, QPoint(20, 60));
    QCOMPARE(window->current(), second);
    QVERIFY(window->player());
    QTRY_COMPARE_WITH_TIMEOUT(window->player()->state(), QProcess::Running, 5000);
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(input), 5000);
    QVERIFY(readAll(args).endsWith(second->filePath().toUtf8() + "\n"));

    QTimer::singleShot(0, window.get(), [this] { window->exportDialogWidget()->reject(); });
    window->on_exportBtn_clicked();
    QTRY_COMPARE(readAll(input), QByteArray("screenshot 0\npause\n"));
    QVERIFY(!window->isPlaying());
    // Watermark editing comes back with the still-loaded video.
    QVERIFY(child<QPushButton>("txtWMBtn")->isEnabled());

    // Once the export dialog has been opened, a double click on the current tile does nothing.
    QProcess *player = window->player();
    QTest::mouseDClick(second, Qt::LeftButton, {}, QPoint(20, 60));
    QCOMPARE(window->player(), player);
    QCOMPARE(player->state(), QProcess::Running);
    QCOMPARE(readAll(input), QByteArray("screenshot 0\npause\n"));
}

void TestPlayerWindow::playerEndingByItselfFreesControls()
{
    child<QPushButton>("playBtn")->click();
    QPointer<QProcess> player = window->player();
    QTRY_COMPARE_WITH_TIMEOUT(player->state(), QProcess::Running, 5000);
    QVERIFY(!child<QPushButton>("deleteBtn")->isEnabled());

    ModalWatcher watcher;
    ::kill(pid_t(player->processId()), SIGKILL);
    QTRY_VERIFY_WITH_TIMEOUT(!window->player(), 5000);
    QTRY_COMPARE(watcher.texts,
                 QStringList{QStringLiteral("The video stopped: the player ended unexpectedly.")});
    QVERIFY(!window->isPlaying() && !window->isVideoLoaded());
    for (const char *name : {"playBtn", "pauseBtn", "stopBtn"})
        QVERIFY2(child<QPushButton>(name)->isEnabled(), name);
    for (const char *name : {"actionPlay", "actionPause", "actionStop"})
        QVERIFY2(child<QAction>(name)->isEnabled(), name);
    QVERIFY(child<QSlider>("videoSlider")->isEnabled());
    QVERIFY(!child<QPushButton>("txtWMBtn")->isEnabled());
    QVERIFY(child<QPushButton>("deleteBtn")->isEnabled());
    QVERIFY(window->watermarkPreview()->isVisible());

    // Play starts a fresh slave.
    child<QPushButton>("playBtn")->click();
    QVERIFY(window->player());
    QTRY_COMPARE_WITH_TIMEOUT(window->player()->state(), QProcess::Running, 5000);
}

void TestPlayerWindow::missingPlayerIsReported()
{
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", "");
    ModalWatcher watcher;
    child<QPushButton>("playBtn")->click();
    qputenv("PATH", path);
    QTRY_COMPARE_WITH_TIMEOUT(watcher.texts.size(), 1, 5000);
    QVERIFY2(watcher.texts.first().startsWith(
                 QStringLiteral("The video cannot be played: mplayer could not be started")),
             qPrintable(watcher.texts.first()));
    QVERIFY(!window->player());
    QVERIFY(!window->isPlaying() && !window->isVideoLoaded());
    QVERIFY(child<QPushButton>("playBtn")->isEnabled());
    QVERIFY(child<QPushButton>("deleteBtn")->isEnabled());
}

void TestPlayerWindow::stopThenPlayKeepsTheNewPlayer()
{
    child<QPushButton>("playBtn")->click();
    QTRY_COMPARE_WITH_TIMEOUT(window->player()->state(), QProcess::Running, 5000);
    const qint64 stopped = window->player()->processId();

    // Stop and play at once, as a double click on a tile does: the stopped slave's end
    // must not be taken for the new one's.
    child<QPushButton>("stopBtn")->click();
    child<QPushButton>("playBtn")->click();
    QPointer<QProcess> player = window->player();
    QVERIFY(player);
    QTRY_VERIFY_WITH_TIMEOUT(processGone(stopped), 5000);
    QTRY_COMPARE_WITH_TIMEOUT(player->state(), QProcess::Running, 5000);
    QCOMPARE(window->player(), player.data());
    QVERIFY(window->isPlaying() && window->isVideoLoaded());
    QVERIFY(!window->watermarkPreview()->isVisible());

    // The player ends with the window, also one stopped a moment before.
    const qint64 current = player->processId();
    child<QPushButton>("stopBtn")->click();
    child<QPushButton>("playBtn")->click();
    const qint64 newest = window->player()->processId();
    window.reset();
    QVERIFY(processGone(current));
    QVERIFY(processGone(newest));
}

QTEST_MAIN(TestPlayerWindow)
#include "tst_playerwindow.moc"
