// The whole job in one session through the studio's own widgets, with the real mplayer and
// ffmpeg on a real X server: import, play, a text and an image watermark, export into an
// album, and the exported video carries both watermarks where they were placed.

#include "library/cimportwidget.h"
#include "library/clibrarylabel.h"
#include "library/xmlparser.h"
#include "media/cexportimages.h"
#include "shell/appfolders.h"
#include "shell/mainwindow.h"
#include "shell/platform.h"
#include "libraryfixture.h"
#include "testutils.h"
#include "ui_imagewatermarkdlg.h"
#include "ui_textwatermarkdlg.h"
#include "watermark/cimagewatermarklabel.h"
#include "watermark/clinklable.h"
#include "watermark/ctextwatermark.h"
#include "watermark/cwatermarklistwidget.h"
#include "watermark/imagewatermarkdlg.h"
#include "watermark/textwatermarkdlg.h"
#include "watermark/watermarklabel.h"

#include <QCheckBox>
#include <QDirIterator>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include <memory>

namespace {

QImage overlayOf(const CWatermark *watermark)
{
    return QImage(overlayFolderPath() + QStringLiteral("/") + watermark->overlayFileName())
        .convertToFormat(QImage::Format_ARGB32);
}

// Mean absolute difference per channel between two frames over the pixels `inside` picks.
double meanDifference(const QImage &a, const QImage &b, const std::function<bool(int, int)> &inside)
{
    double sum = 0;
    qint64 count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (!inside(x, y))
                continue;
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            sum += qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q)) + qAbs(qBlue(p) - qBlue(q));
            count += 3;
        }
    }
    return count ? sum / double(count) : 0.0;
}

// Whether an overlay covers (x, y), or comes within `margin` pixels of it.
bool near(const QImage &overlay, int x, int y, int margin)
{
    for (int dy = -margin; dy <= margin; ++dy)
        for (int dx = -margin; dx <= margin; ++dx)
            if (overlay.valid(x + dx, y + dy) && qAlpha(overlay.pixel(x + dx, y + dy)) > 0)
                return true;
    return false;
}

} // namespace

class TestEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void watermarkAndExportIntoAlbum();

private:
    std::unique_ptr<TestHome> home;
    QTemporaryDir clips;
    QString clip;
};

void TestEndToEnd::initTestCase()
{
    QFile::remove(programFolderPath() + QStringLiteral("/mplayer"));
    QFile::remove(toolFolderPath() + QStringLiteral("/ffmpeg"));
    home = std::make_unique<TestHome>();
    switchOffGettingStartedGuide();
    clip = clips.path() + QStringLiteral("/holiday.avi");
    QVERIFY(makeTestClip(clip, 6));
}

void TestEndToEnd::cleanupTestCase()
{
    home.reset();
}

void TestEndToEnd::watermarkAndExportIntoAlbum()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    watermarkLabel *preview = window.watermarkPreview();

    // Import, as a drop or the import dialog would, and pick the new tile.
    window.importDialogWidget()->importPaths({clip});
    QTRY_COMPARE_WITH_TIMEOUT(window.libraryTileList().size(), 1, 20000);
    CLibraryLabel *tile = window.libraryTileList().first();
    QTest::mouseClick(tile, Qt::LeftButton, {}, QPoint(20, 60));
    QCOMPARE(window.current(), tile);
    QTRY_COMPARE_WITH_TIMEOUT(preview->currentVideoSize(), QSize(320, 240), 10000);

    auto *play = window.findChild<QPushButton *>(QStringLiteral("playBtn"));
    play->click();
    QVERIFY(window.player());
    QTRY_COMPARE_WITH_TIMEOUT(window.player()->state(), QProcess::Running, 5000);
    QTRY_COMPARE_WITH_TIMEOUT(window.findChild<QLabel *>(QStringLiteral("playTimeLbl"))->text(),
                              QStringLiteral("00:00:01"), 10000);

    // The text editor pauses the video and draws on the frame it stopped at.
    window.findChild<QPushButton *>(QStringLiteral("txtWMBtn"))->click();
    TextWatermarkDlg *textEditor = window.textEditor();
    QTRY_VERIFY_WITH_TIMEOUT(textEditor->isVisible(), 5000);
    QVERIFY(!window.isPlaying());
    QTRY_COMPARE_WITH_TIMEOUT(preview->pixmap().size(), QSize(320, 240), 5000);
    textEditor->form()->watermarkTxtBox->setPlainText(QStringLiteral("#C Orvantis"));
    QTest::mouseClick(textEditor->form()->txtP9, Qt::LeftButton);
    QTest::mouseClick(textEditor->form()->txtWatermarkAplyBtn, Qt::LeftButton);
    QTRY_VERIFY(!textEditor->isVisible());
    QCOMPARE(preview->appliedWatermarks().size(), 1);
    auto *text = qobject_cast<CTextWatermark *>(preview->appliedWatermarks().first());
    QVERIFY(text);
    QCOMPARE(text->text(), QStringLiteral("\u00a9 Orvantis"));

    window.findChild<QPushButton *>(QStringLiteral("imgWMBtn"))->click();
    ImageWatermarkDlg *imageEditor = window.imageEditor();
    QTRY_VERIFY_WITH_TIMEOUT(imageEditor->isVisible(), 5000);
    CImageWatermarkLabel *stamp = window.galleryThumbnails().value(0);
    QVERIFY(stamp);
    QCOMPARE(QFileInfo(stamp->path()).fileName(), QStringLiteral("stamp1.png"));
    QTest::mouseClick(stamp, Qt::LeftButton);
    QTest::mouseClick(imageEditor->form()->imgP1, Qt::LeftButton);
    QTest::mouseClick(imageEditor->form()->imgWatermarkAplyBtn, Qt::LeftButton);
    QTRY_VERIFY(!imageEditor->isVisible());
    QCOMPARE(preview->appliedWatermarks().size(), 2);
    QCOMPARE(window.watermarkRows().size(), 2);
    QCOMPARE(window.watermarkRows().at(1)->link()->text(), QStringLiteral("stamp1.png"));

    const QImage textOverlay = overlayOf(text);
    const QImage stampOverlay = overlayOf(preview->appliedWatermarks().at(1));
    QCOMPARE(textOverlay.size(), QSize(320, 240));
    QCOMPARE(stampOverlay.size(), QSize(320, 240));
    // The text at the bottom right; the stamp, at its own size, at the top left.
    QVERIFY(qAlpha(textOverlay.pixel(5, 5)) == 0 && near(textOverlay, 300, 230, 20));
    const QSize stampSize = QImage(stamp->path()).size();
    QVERIFY(near(stampOverlay, stampSize.width() / 2, stampSize.height() / 2, 0));
    QVERIFY(!near(stampOverlay, 319, 239, 2));

    // Export into the default folder with "Create Album".
    auto *exportButton = window.findChild<QPushButton *>(QStringLiteral("exportBtn"));
    QVERIFY(exportButton->isEnabled());
    bool albumWanted = false;
    QTimer::singleShot(0, &window, [&window, &albumWanted] {
        CExportImages *dialog = window.exportDialogWidget();
        albumWanted = dialog->findChild<QCheckBox *>(QStringLiteral("chkAlbum"))->isChecked();
        dialog->findChild<QPushButton *>(QStringLiteral("btnExport"))->click();
    });
    exportButton->click();
    QVERIFY(albumWanted);

    QString output;
    for (QDirIterator found(exportFolderPath(), {QStringLiteral("holiday.avi")}, QDir::Files,
                            QDirIterator::Subdirectories);
         found.hasNext();)
        output = found.next();
    QVERIFY2(!output.isEmpty(), "no exported file");
    QCOMPARE(window.albumTileList().size(), 1);
    // The album keeps a copy of the exported video of its own.
    const QFileInfo albumVideo(window.albumTileList().first()->filePath());
    QCOMPARE(albumVideo.fileName(), QStringLiteral("holiday.avi"));
    QCOMPARE(albumVideo.size(), QFileInfo(output).size());
    QTRY_VERIFY(window.albumTileList().first()->isVisible());
    QVERIFY(window.watermarkRows().isEmpty());

    // Both watermarks are burnt in where their overlays put them; the rest is the source.
    const QImage before = frameAt(clip, 2.0, clips.path());
    const QImage after = frameAt(output, 2.0, clips.path());
    QCOMPARE(after.size(), QSize(320, 240));
    const auto strongly = [](const QImage &overlay) {
        return [&overlay](int x, int y) { return qAlpha(overlay.pixel(x, y)) > 200; };
    };
    const double inText = meanDifference(before, after, strongly(textOverlay));
    const double inStamp = meanDifference(before, after, strongly(stampOverlay));
    const double elsewhere = meanDifference(before, after, [&](int x, int y) {
        return !near(textOverlay, x, y, 3) && !near(stampOverlay, x, y, 3);
    });
    qInfo("mean difference: text %.1f, stamp %.1f, elsewhere %.1f", inText, inStamp, elsewhere);
    QVERIFY(inText > 25);
    QVERIFY(inStamp > 25);
    QVERIFY(elsewhere < 6);
}

QTEST_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
