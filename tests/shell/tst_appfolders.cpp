#include "shell/appfolders.h"
#include "shell/companionbundles.h"
#include "shell/platform.h"
#include "shell/startup.h"
#include "library/xmlparser.h"
#include "testutils.h"

#include <QProcess>
#include <QtTest>

#include <memory>

class TestAppFolders : public QObject
{
    Q_OBJECT

private slots:
    void init() { home = std::make_unique<TestHome>(); }
    void cleanup()
    {
        home.reset();
        setWindowsVersion(0);
    }

    void firstAndSecondStart();
    void uniqueImportAlbumName_data();
    void uniqueImportAlbumName();
    void roamingForm_data();
    void roamingForm();
    void pathHelpers();
    void removeFolderTreeKeepsLinkTargets();
    void removeFolderTreeOnMissingFolder();
    void toolLookup();
    void windowPlacement_data();
    void windowPlacement();
    void companionBundleIsUnpacked();

private:
    std::unique_ptr<TestHome> home;
};

void TestAppFolders::firstAndSecondStart()
{
    // A new account: not even ~/.local/share exists yet.
    QVERIFY(!QFileInfo::exists(home->path() + QStringLiteral("/.local")));
    QCOMPARE(dataFolderPath(), home->data());

    QVERIFY(setUpDataFolders().ok);
    XMLParser parser;
    QVERIFY(parser.ensureDocument().ok);

    QStringList expected{QStringLiteral("watermarkimage"), QStringLiteral("shadowimage"),
                         QStringLiteral("Import"), QStringLiteral("Export"), QStringLiteral("OrvantisImage")};
    for (const QString &category : galleryCategories())
        expected << QStringLiteral("OrvantisImage/") + category;
    for (const QString &folder : expected)
        QVERIFY2(QFileInfo(home->data() + QStringLiteral("/") + folder).isDir(), qPrintable(folder));
    QCOMPARE(galleryCategories().size(), 10);
    QVERIFY(!QFileInfo::exists(home->data() + QStringLiteral("/CameraRoll")));

    const QString document = home->data() + QStringLiteral("/Orvantis.xml");
    const QByteArray first = readAll(document);
    QCOMPARE(first, QByteArray("<!DOCTYPE OrvantisXML>\n"
                               "<orvantis_root>\n"
                               " <left_widget_list>\n"
                               "  <root name=\"Library\"/>\n"
                               "  <root name=\"Album\"/>\n"
                               " </left_widget_list>\n"
                               "</orvantis_root>\n"));
    const QDateTime written = QFileInfo(document).lastModified();

    QVERIFY(setUpDataFolders().ok);
    QVERIFY(parser.ensureDocument().ok);
    QCOMPARE(readAll(document), first);
    QCOMPARE(QFileInfo(document).lastModified(), written);
}

void TestAppFolders::uniqueImportAlbumName_data()
{
    QTest::addColumn<QStringList>("folders");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("expected");

    const QString untitled = QStringLiteral("Untitled");
    QTest::newRow("empty import folder") << QStringList() << QStringList() << untitled;
    QTest::newRow("Untitled among three")
        << QStringList{untitled, QStringLiteral("Untitled- 2"), QStringLiteral("Trip")} << QStringList()
        << QStringLiteral("Untitled- 4");
    QTest::newRow("Untitled and one other")
        << QStringList{untitled, QStringLiteral("Trip")} << QStringList() << QStringLiteral("Untitled- 3");
    QTest::newRow("only a numbered one") << QStringList{QStringLiteral("Untitled- 2")} << QStringList() << untitled;
    QTest::newRow("other letter case") << QStringList{QStringLiteral("untitled")} << QStringList() << untitled;
    QTest::newRow("a file of that name") << QStringList() << QStringList{untitled} << untitled;
    QTest::newRow("numbered name taken")
        << QStringList{untitled, QStringLiteral("Untitled- 3"), QStringLiteral("Untitled- 4")} << QStringList()
        << QStringLiteral("Untitled- 5");
}

void TestAppFolders::uniqueImportAlbumName()
{
    QFETCH(QStringList, folders);
    QFETCH(QStringList, files);
    QFETCH(QString, expected);

    QVERIFY(QDir().mkpath(importFolderPath()));
    for (const QString &folder : folders)
        QVERIFY(QDir(importFolderPath()).mkdir(folder));
    for (const QString &file : files)
        QVERIFY(writeFile(importFolderPath() + QStringLiteral("/") + file, "x"));

    QCOMPARE(::uniqueImportAlbumName(QStringLiteral("Untitled")), expected);
}

void TestAppFolders::roamingForm_data()
{
    QTest::addColumn<int>("version");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("expected");

    const QString path = QStringLiteral("C:/Users/user/Application Data/Orvantis/Export");
    const QString roaming = QStringLiteral("C:/Users/user/AppData/Roaming/Orvantis/Export");
    QTest::newRow("Linux") << 0 << path << path;
    QTest::newRow("XP") << WindowsXP << path << path;
    QTest::newRow("Vista") << WindowsVista << path << roaming;
    QTest::newRow("Windows 7") << Windows7 << path << roaming;
    QTest::newRow("Windows 8") << Windows8 << path << roaming;
    QTest::newRow("every occurrence")
        << Windows8 << QStringLiteral("Application Data/a/Application Data")
        << QStringLiteral("AppData/Roaming/a/AppData/Roaming");
    QTest::newRow("case-sensitive") << Windows8 << QStringLiteral("C:/application data/x")
                                    << QStringLiteral("C:/application data/x");
}

void TestAppFolders::roamingForm()
{
    QFETCH(int, version);
    QFETCH(QString, path);
    QFETCH(QString, expected);

    setWindowsVersion(version);
    QCOMPARE(windowsVersion(), version);
    QCOMPARE(::roamingForm(path), expected);
}

void TestAppFolders::pathHelpers()
{
    const QString data = home->data();
    QCOMPARE(libraryFilePath(), data + QStringLiteral("/Orvantis.xml"));
    QCOMPARE(importFolderPath(), data + QStringLiteral("/Import"));
    QCOMPARE(defaultExportFolder(), data + QStringLiteral("/Export"));
    QCOMPARE(overlayFolderPath(), data + QStringLiteral("/watermarkimage"));
    QCOMPARE(snapshotFolderPath(), data + QStringLiteral("/shadowimage"));
    QCOMPARE(ownImagesFolderPath(), data + QStringLiteral("/OrvantisImage"));

    // The camera roll exists only between a recording and its import.
    QCOMPARE(cameraRollPath(), QString());
    QVERIFY(QDir().mkpath(cameraRollFolderPath()));
    QCOMPARE(cameraRollPath(), data + QStringLiteral("/CameraRoll"));

    // The data root follows XDG_DATA_HOME when it is set.
    qputenv("XDG_DATA_HOME", (home->path() + QStringLiteral("/elsewhere")).toLocal8Bit());
    QCOMPARE(dataFolderPath(), home->path() + QStringLiteral("/elsewhere/Orvantis"));
    QVERIFY(setUpDataFolders().ok);
    QVERIFY(QFileInfo(home->path() + QStringLiteral("/elsewhere/Orvantis/Export")).isDir());
}

void TestAppFolders::removeFolderTreeKeepsLinkTargets()
{
    const QString outside = home->path() + QStringLiteral("/precious");
    QVERIFY(writeFile(outside + QStringLiteral("/keep.txt"), "mine"));
    QVERIFY(writeFile(home->path() + QStringLiteral("/alone.txt"), "mine too"));

    const QString tree = home->path() + QStringLiteral("/CameraRoll");
    QVERIFY(writeFile(tree + QStringLiteral("/WebCamRecord.mp4"), "video"));
    QVERIFY(writeFile(tree + QStringLiteral("/.hidden"), "h"));
    QVERIFY(writeFile(tree + QStringLiteral("/deeper/more/clip.avi"), "c"));
    QVERIFY(QFile::link(outside, tree + QStringLiteral("/deeper/link-to-folder")));
    QVERIFY(QFile::link(home->path() + QStringLiteral("/alone.txt"), tree + QStringLiteral("/link-to-file")));
    QVERIFY(QFile::link(home->path() + QStringLiteral("/gone"), tree + QStringLiteral("/dangling")));

    QVERIFY(removeFolderTree(tree));
    QVERIFY(!QFileInfo::exists(tree));
    QCOMPARE(readAll(outside + QStringLiteral("/keep.txt")), QByteArray("mine"));
    QCOMPARE(readAll(home->path() + QStringLiteral("/alone.txt")), QByteArray("mine too"));

    // A link given as the tree itself goes as a link.
    QVERIFY(QFile::link(outside, tree));
    QVERIFY(removeFolderTree(tree));
    QVERIFY(!QFileInfo(tree).isSymLink());
    QCOMPARE(readAll(outside + QStringLiteral("/keep.txt")), QByteArray("mine"));
}

void TestAppFolders::removeFolderTreeOnMissingFolder()
{
    QVERIFY(removeFolderTree(home->path() + QStringLiteral("/nothing-here")));
    QVERIFY(writeFile(home->path() + QStringLiteral("/file"), "f"));
    QVERIFY(removeFolderTree(home->path() + QStringLiteral("/file")));
    QVERIFY(QFileInfo::exists(home->path() + QStringLiteral("/file")));
}

void TestAppFolders::toolLookup()
{
    // The tool folder and the program folder are those of this test program.
    const QString bundled = toolFolderPath() + QStringLiteral("/ffmpeg");
    const QString beside = programFolderPath() + QStringLiteral("/mplayer");
    const auto cleanUp = qScopeGuard([&] {
        QFile::remove(bundled);
        QFile::remove(beside);
        QDir().rmdir(toolFolderPath());
    });
    QCOMPARE(toolFolderPath(), QCoreApplication::applicationDirPath() + QStringLiteral("/watermarkimage"));

    QCOMPARE(ffmpegProgram(), QStandardPaths::findExecutable(QStringLiteral("ffmpeg")));
    QCOMPARE(mplayerProgram(), QStandardPaths::findExecutable(QStringLiteral("mplayer")));

    ensureToolFolder();
    QVERIFY(QFileInfo(toolFolderPath()).isDir());
    QVERIFY(writeFile(bundled, "#!/bin/sh\n"));
    QVERIFY(writeFile(beside, "#!/bin/sh\n"));
    // Not executable yet: not a tool.
    QCOMPARE(ffmpegProgram(), QStandardPaths::findExecutable(QStringLiteral("ffmpeg")));
    for (const QString &stub : {bundled, beside})
        QVERIFY(QFile::setPermissions(stub, QFile::permissions(stub) | QFile::ExeOwner));
    QCOMPARE(ffmpegProgram(), bundled);
    QCOMPARE(mplayerProgram(), beside);

    // Nowhere at all: the bare name, so the start fails with "not found".
    QVERIFY(QFile::remove(bundled));
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", home->path().toLocal8Bit());
    QCOMPARE(ffmpegProgram(), QStringLiteral("ffmpeg"));
    qputenv("PATH", path);
}

void TestAppFolders::windowPlacement_data()
{
    QTest::addColumn<QSize>("desktop");
    QTest::addColumn<QPoint>("mainWindow");
    QTest::addColumn<QPoint>("splash");

    QTest::newRow("1920x1080") << QSize(1920, 1080) << QPoint(191, 107) << QPoint(760, 440);
    QTest::newRow("1280x800") << QSize(1280, 800) << QPoint(127, 79) << QPoint(440, 300);
    QTest::newRow("odd size") << QSize(1025, 769) << QPoint(102, 76) << QPoint(312, 284);
}

void TestAppFolders::windowPlacement()
{
    QFETCH(QSize, desktop);
    QFETCH(QPoint, mainWindow);
    QFETCH(QPoint, splash);

    QCOMPARE(mainWindowPosition(QRect(QPoint(0, 0), desktop)), mainWindow);
    QCOMPARE(splashPosition(QRect(QPoint(0, 0), desktop), QSize(400, 200)), splash);
}

void TestAppFolders::companionBundleIsUnpacked()
{
    QVERIFY2(QFileInfo::exists(QStringLiteral("/usr/bin/unzip")), "the set-up installs unzip");

    const QString staging = home->path() + QStringLiteral("/staging");
    QVERIFY(writeFile(staging + QStringLiteral("/Kestrelview.app/Contents/MacOS/Kestrelview"), "program"));
    QProcess zip;
    zip.setWorkingDirectory(staging);
    zip.start(QStringLiteral("zip"), {QStringLiteral("-qr"), QStringLiteral("Kestrelview.zip"), QStringLiteral("Kestrelview.app")});
    QVERIFY(zip.waitForFinished());
    QCOMPARE(zip.exitCode(), 0);

    const QString program = home->path() + QStringLiteral("/program");
    QVERIFY(QDir().mkpath(program));
    QVERIFY(QFile::copy(staging + QStringLiteral("/Kestrelview.zip"), program + QStringLiteral("/Kestrelview.zip")));
    // A bundle already in place is not unpacked again and its archive stays where it is.
    QVERIFY(QDir().mkpath(program + QStringLiteral("/Sondrel.app")));
    QVERIFY(QFile::copy(staging + QStringLiteral("/Kestrelview.zip"), program + QStringLiteral("/Sondrel.zip")));

    unpackCompanionBundles(QDir(program));

    QCOMPARE(readAll(program + QStringLiteral("/Kestrelview.app/Contents/MacOS/Kestrelview")), QByteArray("program"));
    QVERIFY(!QFileInfo::exists(program + QStringLiteral("/Kestrelview.zip")));
    QVERIFY(QFileInfo::exists(program + QStringLiteral("/Sondrel.zip")));
    QVERIFY(!QFileInfo::exists(program + QStringLiteral("/Sondrel.app/Kestrelview.app")));

    // Without an archive there is nothing to do and nothing appears.
    QVERIFY(removeFolderTree(program + QStringLiteral("/Kestrelview.app")));
    unpackCompanionBundles(QDir(program));
    QVERIFY(!QFileInfo::exists(program + QStringLiteral("/Kestrelview.app")));
}

QTEST_GUILESS_MAIN(TestAppFolders)
#include "tst_appfolders.moc"
