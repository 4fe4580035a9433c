#include "library/clibrarylabel.h"
#include "shell/caboutwidget.h"
#include "library/videoprobe.h"
#include "library/xmlparser.h"
#include "media/cexportimages.h"
#include "shell/appfolders.h"
#include "shell/mainwindow.h"
#include "libraryfixture.h"
#include "testutils.h"
#include "watermark/clinklable.h"
#include "watermark/ctextwatermark.h"
#include "watermark/watermarklabel.h"

#include <QAction>
#include <QMimeData>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QtTest>

#include <memory>

namespace {

QString bareText(QLabel *label)
{
    return QTextDocumentFragment::fromHtml(label->text()).toPlainText();
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void windowAndToolbar();
    void menuEntries_data();
    void menuEntries();
    void emptyLibraryDisablesControls();
    void tilesShowTheirVideos();
    void switchingTilesAsksAboutWatermarks();
    void pressOnNameDoesNotSelect();
    void deleteCommands_data();
    void deleteCommands();
    void deletingLastVideoRemovesItsFolder();
    void closeRemovesOnlyOverlays();
    void exportAddsAlbumTile();
    void droppedFolderIsImported();
    void aboutBoxOpensOnce();

private:
    std::unique_ptr<TestHome> home;
    QTemporaryDir clips;
    QString clip;
};

void TestMainWindow::initTestCase()
{
    clip = clips.path() + QStringLiteral("/clip.avi");
    QVERIFY(makeTestClip(clip, 2));
}

void TestMainWindow::init()
{
    home = std::make_unique<TestHome>();
    QVERIFY(setUpDataFolders().ok);
    QVERIFY(XMLParser().ensureDocument().ok);
    switchOffGettingStartedGuide();
}

void TestMainWindow::cleanup()
{
    home.reset();
}

void TestMainWindow::windowAndToolbar()
{
    MainWindow window;
    QCOMPARE(window.windowTitle(), QStringLiteral("Ferravel Video Vizodiz"));
    QCOMPARE(window.minimumSize(), QSize(1023, 678));
    QCOMPARE(window.maximumSize(), QSize(1023, 678));
    QCOMPARE(window.objectName(), QStringLiteral("this"));
    QVERIFY(window.acceptDrops());

    const QStringList buttons{"importBtn", "kestrelviewBtn", "webCamBtn", "deleteBtn", "playBtn", "pauseBtn", "stopBtn",
                              "rotateBtn", "imgWMBtn", "txtWMBtn", "exportBtn", "youtubeBtn", "facebookBtn",
                              "myspaceBtn", "mailBtn"};
    static const QRegularExpression picture(QStringLiteral("url\\((:/[^)]+)\\)"));
    for (const QString &name : buttons) {
        auto *button = window.findChild<QPushButton *>(name);
        QVERIFY2(button, qPrintable(name));
        QVERIFY2(button->text().isEmpty(), qPrintable(name));
        QVERIFY(!button->toolTip().isEmpty());
        QCOMPARE(button->size(), QSize(32, 32));
        // Three pictures each, all of them compiled in.
        int pictures = 0;
        for (auto match = picture.globalMatch(button->styleSheet()); match.hasNext(); ++pictures) {
            const QString resource = match.next().captured(1);
            QVERIFY2(QFile::exists(resource), qPrintable(resource));
        }
        QCOMPARE(pictures, 3);
    }
    QCOMPARE(window.findChild<QPushButton *>("webCamBtn")->toolTip(), QStringLiteral("Kestrelview"));
    QCOMPARE(window.findChild<QPushButton *>("exportBtn")->toolTip(), QStringLiteral("Process"));
    QCOMPARE(bareText(window.findChild<QLabel *>("label_12")), QStringLiteral("Share"));
    QCOMPARE(window.findChild<QWidget *>("viewWdgt")->size(), QSize(500, 420));
    QCOMPARE(window.watermarkPreview()->size(), QSize(500, 420));

    // The fixed-width window holds its columns side by side: nothing covers the video.
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const auto span = [&window](const char *name) {
        auto *widget = window.findChild<QWidget *>(QLatin1String(name));
        return QRect(widget->mapTo(&window, QPoint(0, 0)), widget->size());
    };
    QVERIFY(span("VideoWidget").right() < span("viewWdgt").left());
    QVERIFY(span("viewWdgt").right() < span("watermarkListWdgt").left());
    QVERIFY(span("watermarkListWdgt").right() < window.width());
    QCOMPARE(span("watermarkListWdgt").width(), 240);
}

void TestMainWindow::menuEntries_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shortcut");

    QTest::newRow("Import") << "menuFile" << "actionImport" << "Import" << "Ctrl+I";
    QTest::newRow("Import from Device") << "menuFile" << "actionImport_from_Device" << "Import from Device" << "Ctrl+Shift+D";
    QTest::newRow("Export") << "menuFile" << "actionExport" << "Export" << "Ctrl+Shift+E";
    QTest::newRow("Email") << "menuFile" << "actionEmail" << "Email" << "Ctrl+E";
    QTest::newRow("Facebook") << "menuPublish" << "actionFacebook" << "Facebook" << "Ctrl+F";
    QTest::newRow("Exit") << "menuFile" << "actionExit" << "Exit" << "";
    QTest::newRow("Play") << "menuEdit" << "actionPlay" << "Play" << "Ctrl+P";
    QTest::newRow("Pause") << "menuEdit" << "actionPause" << "Pause" << "Space";
    QTest::newRow("Stop") << "menuEdit" << "actionStop" << "Stop" << "Ctrl+S";
    QTest::newRow("Delete Selected Library") << "menuEdit" << "actionDelete" << "Delete Selected Library" << "";
    QTest::newRow("Delete All Library") << "menuEdit" << "actionDelete_All_Library" << "Delete All Library" << "";
    QTest::newRow("Delete Selected Album") << "menuEdit" << "actionDelete_Selected_Album" << "Delete Selected Album" << "";
    QTest::newRow("Delete All Album") << "menuEdit" << "actionDelete_All_Album" << "Delete All Album" << "";
    QTest::newRow("Image Watermark") << "menuWatermark" << "actionImage_Watermark" << "Image Watermark" << "Ctrl+Shift+I";
    QTest::newRow("Text Watermark") << "menuWatermark" << "actionText_Watermark" << "Text Watermark" << "Ctrl+Shift+T";
    QTest::newRow("Quick Start Guide") << "menuHelp" << "actionQuick_Start_Guide" << "Quick Start Guide" << "";
    QTest::newRow("Online Tutorials") << "menuHelp" << "actionONline_Tutorials" << "Online Tutorials" << "";
    QTest::newRow("About") << "menuHelp" << "actionAbout_Orvantis" << "About" << "";
    QTest::newRow("Twitter, in no menu") << "" << "actionTwitter" << "Twitter" << "Ctrl+T";
}

void TestMainWindow::menuEntries()
{
    QFETCH(QString, menu);
    QFETCH(QString, action);
    QFETCH(QString, text);
    QFETCH(QString, shortcut);

    MainWindow window;
    auto *entry = window.findChild<QAction *>(action);
    QVERIFY(entry);
    QCOMPARE(entry->text(), text);
    QCOMPARE(entry->shortcut(), QKeySequence(shortcut));
    if (menu.isEmpty()) {
        for (QMenu *any : window.findChildren<QMenu *>())
            QVERIFY(!any->actions().contains(entry));
    } else {
        QVERIFY(window.findChild<QMenu *>(menu)->actions().contains(entry));
    }
    const QStringList order{"File", "Edit", "View", "Help"};
    QStringList titles;
    for (QAction *top : window.menuBar()->actions())
        titles << top->text();
    QCOMPARE(titles, order);
}

void TestMainWindow::emptyLibraryDisablesControls()
{
    MainWindow window;
    QVERIFY(window.libraryTileList().isEmpty() && window.albumTileList().isEmpty());
    QVERIFY(!window.findChild<QPushButton *>("deleteBtn")->isEnabled());
    for (const char *name : {"playBtn", "pauseBtn", "stopBtn", "mailBtn", "youtubeBtn", "exportBtn"})
        QVERIFY2(!window.findChild<QPushButton *>(name)->isEnabled(), name);
    QVERIFY(!window.findChild<QAction *>("actionPlay")->isEnabled());
    QCOMPARE(window.current(), nullptr);

    // Export with nothing selected says so instead of opening.
    ModalWatcher watcher;
    window.on_exportBtn_clicked();
    QCOMPARE(watcher.texts, QStringList{QStringLiteral("Please select video to porcess")});
}

void TestMainWindow::tilesShowTheirVideos()
{
    QVERIFY(!addLibraryClip(clip, QStringLiteral("Untitled"), QStringLiteral("first.avi")).isEmpty());
    QVERIFY(!addLibraryClip(clip, QStringLiteral("Untitled- 2"), QStringLiteral("second.avi")).isEmpty());
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(importFolderPath() + QStringLiteral("/Untitled- 2/thumb/second.jpg")), 20000);
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(importFolderPath() + QStringLiteral("/Untitled/thumb/first.jpg")), 20000);
    QTest::qWait(200); // let ffmpeg finish writing the last thumbnail

    MainWindow window;
    const QList<CLibraryLabel *> tiles = window.libraryTileList();
    QCOMPARE(tiles.size(), 2);
    QCOMPARE(tiles.at(0)->nameLine()->text(), QStringLiteral("first.avi"));
    QCOMPARE(tiles.at(1)->nameLine()->text(), QStringLiteral("second.avi"));
    for (CLibraryLabel *tile : tiles) {
        const QList<QLabel *> labels = tile->findChildren<QLabel *>(QString(), Qt::FindDirectChildrenOnly);
        QStringList texts;
        bool thumbnail = false;
        for (QLabel *label : labels) {
            texts << label->text();
            thumbnail |= !label->pixmap().isNull() && label->pixmap().size() == QSize(50, 50);
        }
        QVERIFY(thumbnail);
        QVERIFY(texts.contains(QStringLiteral("Resolution: 320x240")));
        QVERIFY(texts.contains(QStringLiteral("Duration: 00:00:02")));
        QVERIFY(texts.contains(QStringLiteral("File Size: ") + sizeText(QFileInfo(clip).size())));
        QCOMPARE(tile->size(), QSize(260, 70));
    }
    // The first library tile is current and the video can be played.
    QCOMPARE(window.current(), tiles.first());
    QVERIFY(tiles.first()->isSelected() && !tiles.last()->isSelected());
    QCOMPARE(window.currentVideo(), importFolderPath() + QStringLiteral("/Untitled/first.avi"));
    QVERIFY(window.findChild<QPushButton *>("playBtn")->isEnabled());
    QVERIFY(window.findChild<QPushButton *>("deleteBtn")->isEnabled());
    // Choosing a tile shows its length beside the slider.
    QTest::mouseClick(tiles.last(), Qt::LeftButton, {}, QPoint(20, 60));
    QCOMPARE(window.current(), tiles.last());
    QCOMPARE(window.findChild<QLabel *>("videoTimeLbl")->text(), QStringLiteral(" 00:00:02 "));
    // The size probe learns the frame size for the watermarks.
    QTRY_COMPARE_WITH_TIMEOUT(window.watermarkPreview()->currentVideoSize(), QSize(320, 240), 10000);
}

void TestMainWindow::switchingTilesAsksAboutWatermarks()
{
    QVERIFY(!addLibraryClip(clip, QStringLiteral("Untitled"), QStringLiteral("first.avi")).isEmpty());
    QVERIFY(!addLibraryClip(clip, QStringLiteral("Untitled- 2"), QStringLiteral("second.avi")).isEmpty());
    MainWindow window;
    watermarkLabel *preview = window.watermarkPreview();
    preview->setVideoSize(320, 240);
    preview->setImageMode(false);
    preview->createTextWatermark();
    preview->setText(QStringLiteral("mark"));
    QVERIFY(preview->commitCurrent().ok);

    CLibraryLabel *first = window.libraryTileList().at(0);
    CLibraryLabel *second = window.libraryTileList().at(1);
    {
        ModalWatcher watcher(QMessageBox::No);
        QTest::mouseClick(second, Qt::LeftButton, {}, QPoint(20, 60));
        QCOMPARE(watcher.texts, QStringList{QStringLiteral("It will remove your all applied settings,Do you want to continue ?")});
    }
    QCOMPARE(window.current(), first);
    QVERIFY(first->isSelected() && !second->isSelected());
    QCOMPARE(preview->appliedWatermarks().size(), 1);

    ModalWatcher watcher(QMessageBox::Yes);
    QTest::mouseClick(second, Qt::LeftButton, {}, QPoint(20, 60));
    QCOMPARE(window.current(), second);
    QVERIFY(!first->isSelected() && second->isSelected());
    QVERIFY(preview->appliedWatermarks().isEmpty());
    QCOMPARE(window.currentVideo(), second->filePath());

    // A press on a tile that is already selected changes nothing.
    QTest::mouseClick(second, Qt::LeftButton, {}, QPoint(20, 60));
    QCOMPARE(watcher.texts.size(), 1);
}

void TestMainWindow::pressOnNameDoesNotSelect()
{
    QVERIFY(!addLibraryClip(clip, QStringLiteral("Untitled"), QStringLiteral("first.avi")).isEmpty());
    QVERIFY(!addLibraryClip(clip, QStringLiteral("Untitled- 2"), QStringLiteral("second.avi")).isEmpty());
    MainWindow window;
    CLibraryLabel *second = window.libraryTileList().at(1);
    QTest::mouseClick(second->nameLine(), Qt::LeftButton);
    QVERIFY(!second->isSelected());
    QCOMPARE(window.current(), window.libraryTileList().at(0));
    QTest::mouseClick(second, Qt::LeftButton, {}, QPoint(20, 60));
    QCOMPARE(window.current(), second);
}

void TestMainWindow::deleteCommands_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("question");
    QTest::addColumn<int>("libraryLeft");
    QTest::addColumn<int>("albumLeft");

    QTest::newRow("Delete button") << "deleteBtn" << "Are you sure you want to delete?" << 1 << 2;
    QTest::newRow("Delete All Library") << "actionDelete_All_Library" << "Are you sure you want to delete all libraries?" << 0 << 2;
    QTest::newRow("Delete Selected Album") << "actionDelete_Selected_Album" << "Are you sure you want to delete?" << 2 << 1;
    QTest::newRow("Delete All Album") << "actionDelete_All_Album" << "Are you sure you want to delete all album?" << 2 << 0;
}

void TestMainWindow::deleteCommands()
{
    QFETCH(QString, command);
    QFETCH(QString, question);
    QFETCH(int, libraryLeft);
    QFETCH(int, albumLeft);

    for (int i = 0; i < 2; ++i) {
        QVERIFY(!addLibraryClip(clip, QStringLiteral("Lib%1").arg(i), QStringLiteral("lib%1.avi").arg(i)).isEmpty());
        QVERIFY(!addLibraryClip(clip, QStringLiteral("Alb%1").arg(i), QStringLiteral("alb%1.avi").arg(i), AlbumList).isEmpty());
    }
    MainWindow window;
    // Select an album tile too, so the selected-album command has one to take.
    window.albumTileList().first()->setSelected(true);
    const auto run = [&] {
        if (command == QLatin1String("deleteBtn"))
            window.on_deleteBtn_clicked();
        else
            window.findChild<QAction *>(command)->trigger();
    };

    {
        ModalWatcher no(QMessageBox::No);
        run();
        QCOMPARE(no.texts, QStringList{question});
    }
    QCOMPARE(window.libraryTileList().size(), 2);
    QCOMPARE(window.albumTileList().size(), 2);

    ModalWatcher yes(QMessageBox::Yes);
    run();
    QCOMPARE(window.libraryTileList().size(), libraryLeft);
    QCOMPARE(window.albumTileList().size(), albumLeft);
    XMLParser parser;
    QVERIFY(parser.readList(LibraryList).ok);
    QCOMPARE(parser.libraryItems.size(), libraryLeft);
    QVERIFY(parser.readList(AlbumList).ok);
    QCOMPARE(parser.albumItems.size(), albumLeft);
    // The files went with their entries, and folders left without videos with them.
    const int folders = QDir(importFolderPath()).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size();
    QCOMPARE(folders, libraryLeft + albumLeft);
    QVERIFY(window.findChild<QPushButton *>("deleteBtn")->isEnabled());
}

void TestMainWindow::deletingLastVideoRemovesItsFolder()
{
    QVERIFY(!addLibraryClip(clip, QStringLiteral("Untitled"), QStringLiteral("only.avi")).isEmpty());
    const QString folder = importFolderPath() + QStringLiteral("/Untitled");
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(folder + QStringLiteral("/thumb/only.jpg")), 20000);
    QTest::qWait(200);

    MainWindow window;
    ModalWatcher yes(QMessageBox::Yes);
    window.on_deleteBtn_clicked();
    QVERIFY(!QFileInfo::exists(folder));
    QVERIFY(window.libraryTileList().isEmpty());
    QCOMPARE(window.current(), nullptr); // the deleted tile is never used again
    QVERIFY(!window.findChild<QPushButton *>("deleteBtn")->isEnabled());
    QVERIFY(!window.findChild<QPushButton *>("playBtn")->isEnabled());
    QCOMPARE(window.findChild<QLabel *>("videoTimeLbl")->text(), QStringLiteral("00:00:00"));
}

void TestMainWindow::closeRemovesOnlyOverlays()
{
    QVERIFY(!addLibraryClip(clip, QStringLiteral("Untitled"), QStringLiteral("keep.avi")).isEmpty());
    QVERIFY(writeFile(overlayFolderPath() + QStringLiteral("/TextWatermark12.png"), "png"));
    QVERIFY(writeFile(overlayFolderPath() + QStringLiteral("/ImageWatermark7.png"), "png"));
    QVERIFY(writeFile(snapshotFolderPath() + QStringLiteral("/shot0001.png"), "frame"));
    const QByteArray document = readAll(libraryFilePath());

    auto window = std::make_unique<MainWindow>();
    window->show();
    QVERIFY(window->close());
    QVERIFY(QDir(overlayFolderPath()).isEmpty());
    QVERIFY(QFileInfo::exists(snapshotFolderPath() + QStringLiteral("/shot0001.png")));
    QVERIFY(QFileInfo::exists(importFolderPath() + QStringLiteral("/Untitled/keep.avi")));
    QCOMPARE(readAll(libraryFilePath()), document);
}

void TestMainWindow::exportAddsAlbumTile()
{
    QVERIFY(!addLibraryClip(clip, QStringLiteral("Untitled"), QStringLiteral("source.avi")).isEmpty());
    MainWindow window;
    watermarkLabel *preview = window.watermarkPreview();
    QTRY_COMPARE_WITH_TIMEOUT(preview->currentVideoSize(), QSize(320, 240), 10000);
    preview->setImageMode(false);
    preview->createTextWatermark();
    preview->setText(QStringLiteral("#C Orvantis"));
    preview->setPlacement(9);
    QVERIFY(preview->commitCurrent().ok);

    // Press Export in the dialog the main window opens, then let it run.
    QTimer::singleShot(0, &window, [&window] {
        window.exportDialogWidget()->findChild<QPushButton *>("btnExport")->click();
    });
    window.on_exportBtn_clicked();

    const QString output = exportFolderPath() + QStringLiteral("/Untitled/source.avi");
    QVERIFY(QFileInfo(output).size() > 0);
    QCOMPARE(window.albumTileList().size(), 1);
    QCOMPARE(window.current(), window.albumTileList().first());
    QVERIFY(window.albumTileList().first()->isSelected());
    QVERIFY(!window.libraryTileList().first()->isSelected());
    QCOMPARE(QFileInfo(window.currentVideo()).fileName(), QStringLiteral("source.avi"));
    // An export into the album takes the watermarks with it.
    QVERIFY(preview->appliedWatermarks().isEmpty());
}

void TestMainWindow::droppedFolderIsImported()
{
    const QString dropped = home->path() + QStringLiteral("/Holiday");
    QVERIFY(QDir().mkpath(dropped + QStringLiteral("/day two")));
    QVERIFY(QFile::copy(clip, dropped + QStringLiteral("/beach.avi")));
    QVERIFY(QFile::copy(clip, dropped + QStringLiteral("/day two/hike.AVI")));
    QVERIFY(writeFile(dropped + QStringLiteral("/notes.txt"), "not a video"));

    MainWindow window;
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(dropped)});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &drop);

    QTRY_COMPARE_WITH_TIMEOUT(window.libraryTileList().size(), 2, 20000);
    QStringList names;
    for (CLibraryLabel *tile : window.libraryTileList())
        names << tile->nameLine()->text();
    names.sort();
    QCOMPARE(names, (QStringList{QStringLiteral("beach.avi"), QStringLiteral("hike.AVI")}));
    // Dropped files are copied, never moved.
    QVERIFY(QFileInfo::exists(dropped + QStringLiteral("/beach.avi")));
}

void TestMainWindow::aboutBoxOpensOnce()
{
    MainWindow window;
    window.findChild<QAction *>("actionAbout_Orvantis")->trigger();
    const QList<CAboutWidget *> boxes = window.findChildren<CAboutWidget *>();
    QCOMPARE(boxes.size(), 1);
    QVERIFY(boxes.first()->isVisible());
    QCOMPARE(boxes.first()->pos(), QPoint(249, 209));
    QVERIFY(boxes.first()->isWindow());

    boxes.first()->hide();
    window.findChild<QAction *>("actionAbout_Orvantis")->trigger();
    QCOMPARE(window.findChildren<CAboutWidget *>().size(), 1);
    QVERIFY(boxes.first()->isVisible());
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
