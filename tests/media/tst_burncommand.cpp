#include "media/burncommand.h"

#include <QtTest>

class TestBurnCommand : public QObject
{
    Q_OBJECT

private slots:
    void filterGraph_data();
    void filterGraph();
    void arguments_data();
    void arguments();
    void progressLine_data();
    void progressLine();
    void progressAcrossChunks();
};

void TestBurnCommand::filterGraph_data()
{
    QTest::addColumn<QStringList>("overlays");
    QTest::addColumn<QString>("expected");

    QTest::newRow("none") << QStringList() << QString();
    QTest::newRow("one") << QStringList{"TextWatermark417.png"}
                         << "movie=TextWatermark417.png [watermark];[in] [watermark] overlay=0:0[out]";
    QTest::newRow("two") << QStringList{"P0.png", "P1.png"}
                         << "movie=P0.png [watermark0]; movie=P1.png [watermark1];"
                            "[in] [watermark0] overlay=0:0 [in+watermark0]; [in+watermark0]"
                            "[watermark1] overlay=0:0 [out]";
    QTest::newRow("three") << QStringList{"P0.png", "P1.png", "P2.png"}
                           << "movie=P0.png [watermark0]; movie=P1.png [watermark1]; movie=P2.png [watermark2];"
                              "[in] [watermark0] overlay=0:0 [in+watermark0]; [in+watermark0]"
                              "[watermark1] overlay=0:0 [in+watermark1]; [in+watermark1]"
                              "[watermark2] overlay=0:0 [out]";
}

void TestBurnCommand::filterGraph()
{
    QFETCH(QStringList, overlays);
    QFETCH(QString, expected);
    QCOMPARE(overlayFilterGraph(overlays), expected);
}

void TestBurnCommand::arguments_data()
{
    QTest::addColumn<QString>("output");
    QTest::addColumn<QStringList>("quality");

    QTest::newRow("avi") << "/o/a b.avi" << QStringList{"-q:v", "2"};
    QTest::newRow("mpg") << "/o/x.mpg" << QStringList{"-q:v", "2"};
    QTest::newRow("mp4") << "/o/x.mp4" << QStringList{"-crf", "18"};
    QTest::newRow("MOV in capitals") << "/o/x.MOV" << QStringList{"-crf", "18"};
    QTest::newRow("wmv") << "/o/x.wmv" << QStringList{"-q:v", "2"};
}

void TestBurnCommand::arguments()
{
    QFETCH(QString, output);
    QFETCH(QStringList, quality);

    const QString source = QStringLiteral("/home/u/My \"Videos\"/clip one.avi");
    const QString graph = overlayFilterGraph({QStringLiteral("TextWatermark1.png")});
    QCOMPARE(burnArguments(source, graph, output),
             (QStringList{"-i", source} + quality + QStringList{"-vf", graph, "-y", output}));
    // Without overlays the video is only converted: no filter at all.
    QCOMPARE(burnArguments(source, QString(), output), (QStringList{"-i", source} + quality + QStringList{"-y", output}));
}

void TestBurnCommand::progressLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("size");

    QTest::newRow("ffmpeg 5 progress")
        << "frame=   48 fps=0.0 q=2.0 size=     256kB time=00:00:01.92 bitrate=1092.3kbits/s speed=3.8x" << 256;
    QTest::newRow("number glued to its label") << "frame= 9000 fps=30 q=2.0 size=123456kB time=00:05:00.00" << -1;
    QTest::newRow("final line") << "frame=   75 fps=0.0 q=2.0 Lsize=     412kB time=00:00:03.00" << 412;
    QTest::newRow("no size") << "Input #0, avi, from 'clip.avi':" << -1;
    QTest::newRow("size zero") << "frame=    1 fps=0.0 q=0.0 size=       0kB time=00:00:00.00" << -1;
    QTest::newRow("size N/A") << "frame=    1 fps=0.0 q=0.0 size=N/A time=00:00:00.00" << -1;
    QTest::newRow("kB without size=") << "video:400kB audio:12kB" << -1;
}

void TestBurnCommand::progressLine()
{
    QFETCH(QString, line);
    QFETCH(int, size);
    QCOMPARE(BurnProgressParser::sizeOf(line), size);
}

void TestBurnCommand::progressAcrossChunks()
{
    BurnProgressParser parser;
    // ffmpeg separates progress lines with carriage returns; chunks end anywhere.
    QCOMPARE(parser.feed("Stream mapping:\n  Stream #0:0 -> #0:0\nframe=  10 q=2.0 size=      64kB ti"), -1);
    QCOMPARE(parser.feed("me=00:00:00.40\rframe=  20 q=2.0 size=     128kB time=00:00:00.80\rframe=  3"), 128);
    QCOMPARE(parser.feed("0 q=2.0 size=     190kB time=00:00:01.20\r"), 190);
    QCOMPARE(parser.feed("[out] error: Conversion failed!\n"), -1);
    QCOMPARE(parser.lastLines().last(), QStringLiteral("[out] error: Conversion failed!"));
    QVERIFY(parser.lastLines().size() <= 12);
}

QTEST_GUILESS_MAIN(TestBurnCommand)
#include "tst_burncommand.moc"
