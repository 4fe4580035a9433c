#include "media/playercommand.h"

#include <QtTest>

class TestPlayer : public QObject
{
    Q_OBJECT

private slots:
    void arguments_data();
    void arguments();
    void commands_data();
    void commands();
    void elapsedLabel_data();
    void elapsedLabel();
    void tileDuration_data();
    void tileDuration();
    void clockLoopsWithTheVideo_data();
    void clockLoopsWithTheVideo();
};

void TestPlayer::arguments_data()
{
    QTest::addColumn<QString>("video");

    QTest::newRow("plain") << "/home/ann/.local/share/Orvantis/Import/Untitled/clip.avi";
    QTest::newRow("spaces and quote") << "/home/ann/My \"best\" clip.avi";
    QTest::newRow("leading dash") << "-vo null.avi";
}

void TestPlayer::arguments()
{
    QFETCH(QString, video);
    const QStringList expected{"-vo",    "xv,x11,", "-zoom",   "-loop",     "0", "-vf", "screenshot",
                               "-slave", "-wid",    "4194311", "-osdlevel", "0", "--",  video};
    QCOMPARE(playerArguments(video, 4194311), expected);
}

void TestPlayer::commands_data()
{
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("screenshot") << screenshotCommand() << QByteArray("screenshot 0\n");
    QTest::newRow("pause") << pauseCommand() << QByteArray("pause\n");
    QTest::newRow("seek start") << seekCommand(0) << QByteArray("seek 0 2\n");
    QTest::newRow("seek past an hour") << seekCommand(3725) << QByteArray("seek 3725 2\n");
    QTest::newRow("quit") << quitCommand() << QByteArray("quit\r\n");
}

void TestPlayer::commands()
{
    QFETCH(QByteArray, command);
    QFETCH(QByteArray, bytes);
    QCOMPARE(command, bytes);
}

void TestPlayer::elapsedLabel_data()
{
    QTest::addColumn<int>("seconds");
    QTest::addColumn<QString>("text");

    QTest::newRow("start") << 0 << "00:00:00";
    QTest::newRow("one minute one") << 61 << "00:01:01";
    QTest::newRow("last second of the hour") << 3599 << "00:59:59";
    QTest::newRow("an hour wraps") << 3600 << "00:00:00";
    QTest::newRow("over an hour") << 3725 << "00:02:05";
    QTest::newRow("over two hours") << 7322 << "00:02:02";
    QTest::newRow("negative") << -5 << "00:00:00";
}

void TestPlayer::elapsedLabel()
{
    QFETCH(int, seconds);
    QFETCH(QString, text);
    QCOMPARE(elapsedText(seconds), text);
}

void TestPlayer::tileDuration_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("seconds");

    QTest::newRow("tile label") << "Duration: 00:00:06" << 6;
    QTest::newRow("over an hour") << "Duration: 01:02:03" << 3723;
    QTest::newRow("padded time label") << " 00:10:00 " << 600;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("not a time") << "Duration: unknown" << 0;
}

void TestPlayer::tileDuration()
{
    QFETCH(QString, text);
    QFETCH(int, seconds);
    QCOMPARE(durationSeconds(text), seconds);
}

void TestPlayer::clockLoopsWithTheVideo_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("total");
    QTest::addColumn<QList<int>>("shown");

    QTest::newRow("loops after the total") << 0 << 2 << QList<int>{0, 1, 2, 0, 1, 2, 0};
    QTest::newRow("no tile") << 0 << 0 << QList<int>{0, 0, 0};
    QTest::newRow("after a seek") << 5 << 6 << QList<int>{5, 6, 0, 1};
    QTest::newRow("seek past the end") << 9 << 6 << QList<int>{0, 1};
    QTest::newRow("over an hour keeps counting") << 3599 << 7200 << QList<int>{3599, 3600, 3601};
}

void TestPlayer::clockLoopsWithTheVideo()
{
    QFETCH(int, start);
    QFETCH(int, total);
    QFETCH(QList<int>, shown);

    int elapsed = start;
    QList<int> ticks;
    for (int i = 0; i < shown.size(); ++i)
        ticks << clockTick(elapsed, total);
    QCOMPARE(ticks, shown);
    QCOMPARE(elapsed, shown.last() + 1);
}

QTEST_GUILESS_MAIN(TestPlayer)
#include "tst_player.moc"
