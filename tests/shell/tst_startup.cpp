#include "shell/appfolders.h"
#include "shell/mainwindow.h"
#include "testutils.h"

#include <QProcess>
#include <QtTest>

#include <memory>

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void init() { home = std::make_unique<TestHome>(); }
    void cleanup() { home.reset(); }

    void constructionLaysOutTheDataFolder();
    void damagedLibraryIsKeptAndReported();
    void programStartsWithNewHome();

private:
    std::unique_ptr<TestHome> home;
};

void TestStartup::constructionLaysOutTheDataFolder()
{
    QByteArray first;
    {
        MainWindow window;
        QCOMPARE(window.windowTitle(), QStringLiteral("Ferravel Video Vizodiz"));
        QCOMPARE(window.size(), QSize(1023, 678));
        QVERIFY(window.startupProblems().isEmpty());
        first = readAll(libraryFilePath());
        QCOMPARE(first, XMLParser::freshDocumentText().toUtf8());
        QVERIFY(QFileInfo(overlayFolderPath()).isDir());
        QVERIFY(QFileInfo(ownImagesFolderPath() + QStringLiteral("/My Pictures")).isDir());
    }
    MainWindow again;
    QCOMPARE(readAll(libraryFilePath()), first);
}

void TestStartup::damagedLibraryIsKeptAndReported()
{
    const QByteArray damaged("<!DOCTYPE OrvantisXML>\n<orvantis_root>\n <left_widget_list>\n  <root name=\"Lib");
    QVERIFY(writeFile(libraryFilePath(), damaged));

    MainWindow window;
    QCOMPARE(readAll(libraryFilePath()), damaged);
    QCOMPARE(window.startupProblems().size(), 1);
    QVERIFY2(window.startupProblems().first().contains(libraryFilePath()), qPrintable(window.startupProblems().first()));
}

void TestStartup::programStartsWithNewHome()
{
    QProcess studio;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home->path());
    environment.remove(QStringLiteral("XDG_DATA_HOME"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    studio.setProcessEnvironment(environment);
    studio.start(QStringLiteral(ORVANTIS_PROGRAM), {});
    QVERIFY2(studio.waitForStarted(), qPrintable(studio.errorString()));

    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(home->data() + QStringLiteral("/Orvantis.xml")).size() > 0, 20000);
    QVERIFY(QFileInfo(home->data() + QStringLiteral("/OrvantisImage/Symbols")).isDir());
    QVERIFY(QFileInfo(home->data() + QStringLiteral("/shadowimage")).isDir());
    // Still running: the studio waits for its user, it does not fall over after start.
    QVERIFY(!studio.waitForFinished(500));
    QCOMPARE(readAll(home->data() + QStringLiteral("/Orvantis.xml")), XMLParser::freshDocumentText().toUtf8());

    studio.terminate();
    QVERIFY(studio.waitForFinished(10000));
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
