#include "library/xmlparser.h"
#include "media/burncommand.h"
#include "media/cexportimages.h"
#include "shell/appfolders.h"
#include "shell/platform.h"
#include "testutils.h"
#include "watermark/cimagewatermark.h"
#include "watermark/ctextwatermark.h"
#include "watermark/watermarklabel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QtTest>

#include <cmath>
#include <memory>

namespace {

// A stand-in ffmpeg that writes its last argument (the output) and, as asked, records its
// arguments and working directory, fails, or keeps running.
QByteArray stubScript(const QString &record, const QByteArray &ending = "exit 0\n")
{
    return "for last; do :; done\n"
           "pwd > '" + record.toLocal8Bit() + ".cwd'\n"
           "for a; do printf '%s\\n' \"$a\"; done > '" + record.toLocal8Bit() + "'\n"
           "echo partial > \"$last\"\n" + ending;
}

struct ProbedStream
{
    QString type;
    int width = 0;
    int height = 0;
};

double probeDuration(const QString &video, QList<ProbedStream> *streams = nullptr)
{
    const QByteArray json = runTool(QStringLiteral("ffprobe"),
                                    {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-show_entries"),
                                     QStringLiteral("format=duration:stream=codec_type,width,height"),
                                     QStringLiteral("-of"), QStringLiteral("json"), video});
    const QJsonObject top = QJsonDocument::fromJson(json).object();
    if (streams) {
        for (const QJsonValue &value : top.value(QStringLiteral("streams")).toArray()) {
            const QJsonObject stream = value.toObject();
            streams->append({stream.value(QStringLiteral("codec_type")).toString(),
                             stream.value(QStringLiteral("width")).toInt(), stream.value(QStringLiteral("height")).toInt()});
        }
    }
    return top.value(QStringLiteral("format")).toObject().value(QStringLiteral("duration")).toString().toDouble();
}

} // namespace

class TestExportDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void validationStops_data();
    void validationStops();
    void subfolderNumberingOnlyInDefaultFolder();
    void outputNames_data();
    void outputNames();
    void argumentsReachFfmpeg();
    void overwriteAnsweredNo();
    void cancelDeletesPartialOutput();
    void failingRunIsReported();
    void toolThatCannotStart();
    void burnsWatermarksEndToEnd();
    void everyOutputFormat_data();
    void everyOutputFormat();

private:
    template<typename T> T *child(const char *name) { return dialog->findChild<T *>(QLatin1String(name)); }
    void prepare(const QString &source, const QList<CWatermark *> &watermarks = {})
    {
        dialog->setVideoSizeKb(int(QFileInfo(source).size() / 1024));
        dialog->setControlsEnabled(true);
        dialog->setSourceList({source});
        dialog->setWatermarkList(watermarks);
        dialog->show();
    }
    bool exportAndWait(int timeoutMs = 90000)
    {
        QSignalSpy ended(dialog.get(), &CExportImages::exportFinished);
        child<QPushButton>("btnExport")->click();
        if (ended.isEmpty() && !ended.wait(timeoutMs))
            return false;
        return ended.first().first().toBool();
    }
    CTextWatermark *applyText(const QString &text, int placement)
    {
        preview->setImageMode(false);
        preview->createTextWatermark();
        preview->setText(text);
        preview->setFontFamily(QStringLiteral("Liberation Sans"));
        preview->setTextSize(14);
        preview->setBold(true);
        preview->setTextColor(Qt::white);
        preview->setPlacement(placement);
        return preview->commitCurrent().ok ? preview->newText() : nullptr;
    }
    CImageWatermark *applyImage(const QString &picture, int placement)
    {
        preview->setImageMode(true);
        preview->createImageWatermark();
        preview->setPendingImage(picture);
        preview->setPlacement(placement);
        return preview->commitCurrent().ok ? preview->newImage() : nullptr;
    }

    std::unique_ptr<TestHome> home;
    std::unique_ptr<watermarkLabel> preview;
    std::unique_ptr<CExportImages> dialog;
    QString record;
};

void TestExportDialog::init()
{
    home = std::make_unique<TestHome>();
    QVERIFY(setUpDataFolders().ok);
    QVERIFY(XMLParser().ensureDocument().ok);
    preview = std::make_unique<watermarkLabel>();
    preview->setVideoSize(320, 240);
    dialog = std::make_unique<CExportImages>();
    record = home->path() + QStringLiteral("/ffmpeg-arguments");
}

void TestExportDialog::cleanup()
{
    dialog.reset();
    preview.reset();
    home.reset();
}

void TestExportDialog::validationStops_data()
{
    QTest::addColumn<QString>("situation");
    QTest::addColumn<QString>("message");

    QTest::newRow("blank subfolder") << "blank" << "Put in sub folder should not be blank if it is selected";
    QTest::newRow("specific folder not chosen") << "unchosen" << "Please choose the folder to export to with \"Choose...\".";
    QTest::newRow("folder cannot be made") << "blocked" << "Could not create destination directory";
}

void TestExportDialog::validationStops()
{
    QFETCH(QString, situation);
    QFETCH(QString, message);

    StubTool ffmpeg(toolFolderPath(), QStringLiteral("ffmpeg"), stubScript(record));
    const QString source = home->path() + QStringLiteral("/clip.avi");
    QVERIFY(writeFile(source, "video"));
    prepare(source);

    if (situation == QLatin1String("blank")) {
        child<QLineEdit>("txtPutinSubFolder")->setPlaceholderText(QString());
    } else {
        child<QComboBox>("cmbExportTo")->setCurrentIndex(5);
        QCOMPARE(child<QLabel>("lblOutputFolderPath")->text(), QStringLiteral("Choose folder..."));
        if (situation == QLatin1String("blocked")) {
            QVERIFY(writeFile(home->path() + QStringLiteral("/afile"), "x"));
            dialog->setFolderChooser([this] { return home->path() + QStringLiteral("/afile/inside"); });
            child<QPushButton>("btnChoose")->click();
        }
    }

    ModalWatcher watcher;
    QSignalSpy ended(dialog.get(), &CExportImages::exportFinished);
    child<QPushButton>("btnExport")->click();
    QCOMPARE(watcher.texts.size(), 1);
    QVERIFY2(watcher.texts.first().startsWith(message), qPrintable(watcher.texts.first()));
    QCOMPARE(watcher.titles.first(), QStringLiteral("Ferravel Video Vizodiz"));
    // Back to ready: nothing ran, everything can be changed and tried again.
    QVERIFY(ended.isEmpty());
    QVERIFY(!QFileInfo::exists(record));
    QVERIFY(child<QPushButton>("btnExport")->isEnabled());
    QVERIFY(child<QProgressBar>("progressBar")->isHidden());
}

void TestExportDialog::subfolderNumberingOnlyInDefaultFolder()
{
    StubTool ffmpeg(toolFolderPath(), QStringLiteral("ffmpeg"), stubScript(record));
    const QString source = home->path() + QStringLiteral("/clip.avi");
    QVERIFY(writeFile(source, "video"));
    for (const char *name : {"Untitled", "Trip", "Party"})
        QVERIFY(QDir(exportFolderPath()).mkdir(QLatin1String(name)));
    QVERIFY(QDir().mkpath(home->path() + QStringLiteral("/Desktop/Untitled")));

    prepare(source);
    child<QCheckBox>("chkAlbum")->setChecked(false);
    QVERIFY(exportAndWait());
    QVERIFY(QFileInfo::exists(exportFolderPath() + QStringLiteral("/Untitled- 4/clip.avi")));

    prepare(source);
    child<QComboBox>("cmbExportTo")->setCurrentIndex(4);
    QCOMPARE(child<QLabel>("lblOutputFolderPath")->text(), home->path() + QStringLiteral("/Desktop"));
    QVERIFY(exportAndWait());
    QVERIFY(QFileInfo::exists(home->path() + QStringLiteral("/Desktop/Untitled/clip.avi")));
    QVERIFY(!QFileInfo::exists(home->path() + QStringLiteral("/Desktop/Untitled- 2")));
}

void TestExportDialog::outputNames_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");

    QTest::newRow("keep original, typed name") << 0 << "holiday.avi" << "holiday.mov";
    QTest::newRow("keep original, nothing typed") << 0 << "" << "clip.mov";
    QTest::newRow("mp4") << 5 << "" << "clip.mp4";
    QTest::newRow("typed without extension") << 1 << "holiday" << "holiday.avi";
    QTest::newRow("typed with a folder") << 2 << "../../escape.avi" << "escape.mpg";
}

void TestExportDialog::outputNames()
{
    QFETCH(int, format);
    QFETCH(QString, typed);
    QFETCH(QString, expected);

    StubTool ffmpeg(toolFolderPath(), QStringLiteral("ffmpeg"), stubScript(record));
    const QString source = home->path() + QStringLiteral("/in.folder/clip.mov");
    QVERIFY(writeFile(source, "video"));
    prepare(source);
    QCOMPARE(child<QLineEdit>("sourceFileNameLEdit")->text(), QStringLiteral("clip.mov"));
    child<QCheckBox>("chkAlbum")->setChecked(false);
    child<QComboBox>("cmbOutputFormat")->setCurrentIndex(format);
    child<QLineEdit>("outputFileNameLEdit")->setText(typed);

    QVERIFY(exportAndWait());
    QCOMPARE(QDir(exportFolderPath() + QStringLiteral("/Untitled")).entryList(QDir::Files), QStringList{expected});
    QVERIFY(child<QLineEdit>("outputFileNameLEdit")->text().isEmpty());
}

void TestExportDialog::argumentsReachFfmpeg()
{
    StubTool ffmpeg(toolFolderPath(), QStringLiteral("ffmpeg"), stubScript(record));
    const QString source = home->path() + QStringLiteral("/My \"Videos\"/clip one.avi");
    QVERIFY(writeFile(source, "video"));
    CTextWatermark *first = applyText(QStringLiteral("one"), 1);
    CTextWatermark *hidden = applyText(QStringLiteral("two"), 5);
    CTextWatermark *third = applyText(QStringLiteral("three"), 9);
    QVERIFY(first && hidden && third);
    hidden->hide();

    prepare(source, preview->appliedWatermarks());
    child<QCheckBox>("chkAlbum")->setChecked(false);
    QVERIFY(exportAndWait());

    const QString output = exportFolderPath() + QStringLiteral("/Untitled/clip one.avi");
    const QString graph = overlayFilterGraph({first->overlayFileName(), third->overlayFileName()});
    QVERIFY(graph.contains(QStringLiteral("[watermark1] overlay=0:0 [out]")));
    QCOMPARE(QString::fromLocal8Bit(readAll(record)).split(QLatin1Char('\n'), Qt::SkipEmptyParts),
             burnArguments(source, graph, output));
    QCOMPARE(readAll(record + QStringLiteral(".cwd")).trimmed(), overlayFolderPath().toLocal8Bit());
}

void TestExportDialog::overwriteAnsweredNo()
{
    StubTool ffmpeg(toolFolderPath(), QStringLiteral("ffmpeg"), stubScript(record));
    const QString source = home->path() + QStringLiteral("/clip.avi");
    QVERIFY(writeFile(source, "video"));
    const QString output = exportFolderPath() + QStringLiteral("/Mine/clip.avi");
    QVERIFY(writeFile(output, "keep me"));

    prepare(source);
    child<QLineEdit>("txtPutinSubFolder")->setText(QStringLiteral("Mine"));
    child<QComboBox>("cmbExportTo")->setCurrentIndex(5);
    dialog->setFolderChooser([] { return exportFolderPath(); });
    child<QPushButton>("btnChoose")->click();

    ModalWatcher watcher(QMessageBox::No);
    QSignalSpy ended(dialog.get(), &CExportImages::exportFinished);
    child<QPushButton>("btnExport")->click();
    QCOMPARE(watcher.texts, QStringList{output + QStringLiteral(" already exists.\n\nDo you want to overwrite it?")});
    QCOMPARE(watcher.titles, QStringList{QStringLiteral("Ferravel")});
    QVERIFY(ended.isEmpty());
    QVERIFY(!QFileInfo::exists(record));
    QCOMPARE(readAll(output), QByteArray("keep me"));
    QVERIFY(child<QPushButton>("btnExport")->isEnabled());
}

void TestExportDialog::cancelDeletesPartialOutput()
{
    StubTool ffmpeg(toolFolderPath(), QStringLiteral("ffmpeg"), stubScript(record, "exec sleep 30\n"));
    const QString source = home->path() + QStringLiteral("/clip.avi");
    QVERIFY(writeFile(source, "video"));
    prepare(source);

    QSignalSpy ended(dialog.get(), &CExportImages::exportFinished);
    child<QPushButton>("btnExport")->click();
    const QString output = exportFolderPath() + QStringLiteral("/Untitled/clip.avi");
    QTRY_VERIFY(QFileInfo::exists(output));
    QVERIFY(dialog->isRunning());

    child<QPushButton>("btnCancel")->click();
    QCOMPARE(ended.size(), 1);
    QCOMPARE(ended.first().first().toBool(), false);
    QVERIFY(!QFileInfo::exists(output));
    QVERIFY(!dialog->isRunning());
    QVERIFY(!dialog->isCreateAlbum());
    XMLParser parser;
    QVERIFY(parser.readList(AlbumList).ok);
    QVERIFY(parser.albumItems.isEmpty());

    // Closing the dialog later never touches the folder again.
    QVERIFY(writeFile(output, "a later file of the user's"));
    dialog->show();
    dialog->close();
    QCOMPARE(readAll(output), QByteArray("a later file of the user's"));
}

void TestExportDialog::failingRunIsReported()
{
    StubTool ffmpeg(toolFolderPath(), QStringLiteral("ffmpeg"),
                    stubScript(record, "echo 'TextWatermark9.png: No such file or directory'\necho 'Conversion failed!'\nexit 1\n"));
    const QString source = home->path() + QStringLiteral("/clip.avi");
    QVERIFY(writeFile(source, "video"));
    prepare(source);

    ModalWatcher watcher;
    QVERIFY(!exportAndWait());
    QCOMPARE(watcher.texts.size(), 1);
    QVERIFY2(watcher.texts.first().contains(QStringLiteral("exit code 1")), qPrintable(watcher.texts.first()));
    QVERIFY(watcher.texts.first().contains(QStringLiteral("Conversion failed!")));
    QVERIFY(!QFileInfo::exists(exportFolderPath() + QStringLiteral("/Untitled/clip.avi")));
    QVERIFY(!dialog->isCreateAlbum());
    XMLParser parser;
    QVERIFY(parser.readList(AlbumList).ok);
    QVERIFY(parser.albumItems.isEmpty());
}

void TestExportDialog::toolThatCannotStart()
{
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", home->path().toLocal8Bit());
    const auto restore = qScopeGuard([&] { qputenv("PATH", path); });
    const QString source = home->path() + QStringLiteral("/clip.avi");
    QVERIFY(writeFile(source, "video"));
    prepare(source);

    ModalWatcher watcher;
    QVERIFY(!exportAndWait());
    QCOMPARE(watcher.texts.size(), 1);
    QVERIFY2(watcher.texts.first().contains(QStringLiteral("could not start")), qPrintable(watcher.texts.first()));
    QVERIFY(!dialog->isCreateAlbum());
}

void TestExportDialog::burnsWatermarksEndToEnd()
{
    const QString source = importFolderPath() + QStringLiteral("/Untitled/clip.avi");
    QVERIFY(makeTestClip(source, 3));
    const QString picture = home->path() + QStringLiteral("/badge.png");
    QImage badge(40, 30, QImage::Format_ARGB32);
    badge.fill(QColor(255, 0, 0));
    QVERIFY(badge.save(picture));

    CTextWatermark *text = applyText(QStringLiteral("#C Orvantis"), 9);
    CImageWatermark *image = applyImage(picture, 1);
    QVERIFY(text && image);
    const QImage textOverlay(overlayFolderPath() + QStringLiteral("/") + text->overlayFileName());
    QCOMPARE(textOverlay.size(), QSize(320, 240));

    prepare(source, preview->appliedWatermarks());
    QSignalSpy success(dialog.get(), &CExportImages::exportSuccess);
    QVERIFY(exportAndWait());
    QVERIFY(dialog->isCreateAlbum());
    QCOMPARE(success.size(), 1);
    const QString folder = exportFolderPath() + QStringLiteral("/Untitled");
    QCOMPARE(success.first().first().toString(), folder);

    const QString output = folder + QStringLiteral("/clip.avi");
    QList<ProbedStream> streams;
    QVERIFY(std::abs(probeDuration(output, &streams) - probeDuration(source)) <= 0.1);
    QVERIFY(std::any_of(streams.begin(), streams.end(),
                        [](const ProbedStream &s) { return s.type == QLatin1String("video") && s.width == 320 && s.height == 240; }));
    QVERIFY(std::any_of(streams.begin(), streams.end(), [](const ProbedStream &s) { return s.type == QLatin1String("audio"); }));

    const QRect badgeBox(0, 0, 40, 30);
    QRect textBox;
    for (int y = 0; y < 240; ++y)
        for (int x = 0; x < 320; ++x)
            if (qAlpha(textOverlay.pixel(x, y)) > 0)
                textBox |= QRect(x, y, 1, 1);
    QVERIFY(textBox.left() > 160 && textBox.top() > 180); // placement 9: bottom right
    QVERIFY(QDir().mkpath(home->path() + QStringLiteral("/source-frames")));

    for (double at : {0.2, 1.5, 2.7}) {
        const QImage out = frameAt(output, at, home->path());
        const QImage original = frameAt(source, at, home->path() + QStringLiteral("/source-frames"));
        QVERIFY(!out.isNull() && !original.isNull());
        QCOMPARE(out.size(), QSize(320, 240));

        // The picture, inside its edges (chroma is shared between pixels), is red.
        for (const QPoint &p : {QPoint(8, 8), QPoint(20, 15), QPoint(32, 22)}) {
            const QColor c = out.pixelColor(p);
            QVERIFY2(c.red() > 180 && c.green() < 90 && c.blue() < 90, qPrintable(c.name()));
        }
        // The text's solid pixels are white.
        qint64 brightness = 0;
        int solid = 0;
        for (int y = textBox.top(); y <= textBox.bottom(); ++y)
            for (int x = textBox.left(); x <= textBox.right(); ++x)
                if (qAlpha(textOverlay.pixel(x, y)) == 255) {
                    brightness += qGray(out.pixel(x, y));
                    ++solid;
                }
        QVERIFY(solid > 20);
        QVERIFY2(brightness / solid > 190, qPrintable(QString::number(brightness / solid)));

        // Away from the watermarks the video is the source's.
        double squared = 0;
        int counted = 0;
        for (int y = 0; y < 240; ++y)
            for (int x = 0; x < 320; ++x) {
                if (badgeBox.adjusted(-4, -4, 4, 4).contains(x, y) || textBox.adjusted(-4, -4, 4, 4).contains(x, y))
                    continue;
                const QRgb a = out.pixel(x, y), b = original.pixel(x, y);
                for (int d : {qRed(a) - qRed(b), qGreen(a) - qGreen(b), qBlue(a) - qBlue(b)})
                    squared += d * d;
                counted += 3;
            }
        const double psnr = 10 * std::log10(255.0 * 255.0 / std::max(squared / counted, 1e-9));
        qInfo("PSNR outside the watermarks at %.1f s: %.1f dB", at, psnr);
        QVERIFY2(psnr > 30, qPrintable(QString::number(psnr)));
    }

    XMLParser parser;
    QVERIFY(parser.readList(AlbumList).ok);
    QCOMPARE(parser.albumItems.size(), 1);
    const MediaItem item = parser.albumItems.first();
    QCOMPARE(QFileInfo(item.value(QStringLiteral("filePath"))).dir().absolutePath(),
             importFolderPath() + QStringLiteral("/Untitled- 2"));
    QCOMPARE(item.value(QStringLiteral("resolution")), QStringLiteral("320x240"));
    QTRY_VERIFY_WITH_TIMEOUT(!QImage(item.value(QStringLiteral("path"))).isNull(), 20000);
}

void TestExportDialog::everyOutputFormat_data()
{
    QTest::addColumn<int>("row");
    const char *names[] = {"avi", "mpg", "mpeg", "mov", "mp4", "wmv", "vob", "flv"};
    for (int row = 1; row <= 8; ++row)
        QTest::newRow(names[row - 1]) << row;
}

void TestExportDialog::everyOutputFormat()
{
    QFETCH(int, row);
    const QString source = home->path() + QStringLiteral("/short.avi");
    QVERIFY(makeTestClip(source, 1));
    CTextWatermark *text = applyText(QStringLiteral("fmt"), 5);
    QVERIFY(text);

    prepare(source, preview->appliedWatermarks());
    child<QCheckBox>("chkAlbum")->setChecked(false);
    child<QComboBox>("cmbOutputFormat")->setCurrentIndex(row);
    QVERIFY(exportAndWait());

    const QStringList files = QDir(exportFolderPath() + QStringLiteral("/Untitled")).entryList(QDir::Files);
    QCOMPARE(files.size(), 1);
    QList<ProbedStream> streams;
    const double duration = probeDuration(exportFolderPath() + QStringLiteral("/Untitled/") + files.first(), &streams);
    QVERIFY2(duration > 0.5, qPrintable(files.first()));
    QVERIFY(std::any_of(streams.begin(), streams.end(),
                        [](const ProbedStream &s) { return s.type == QLatin1String("video") && s.width == 320; }));
}

QTEST_MAIN(TestExportDialog)
#include "tst_exportdialog.moc"
