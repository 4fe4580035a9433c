#include "shell/appfolders.h"
#include "testutils.h"
#include "watermark/cimagewatermark.h"
#include "watermark/ctextwatermark.h"
#include "watermark/placement.h"
#include "watermark/textrender.h"
#include "watermark/watermarklabel.h"

#include <QtTest>

#include <memory>

class TestWatermarkModel : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        home = std::make_unique<TestHome>();
        QVERIFY(setUpDataFolders().ok);
        preview = std::make_unique<watermarkLabel>();
        preview->setVideoSize(640, 480);
        preview->setMillisecondClock([] { return 417; });
        picture = home->path() + QStringLiteral("/logo.png");
        QImage logo(100, 50, QImage::Format_ARGB32);
        logo.fill(Qt::red);
        QVERIFY(logo.save(picture));
    }
    void cleanup()
    {
        preview.reset();
        home.reset();
    }

    void placementTable_data();
    void placementTable();
    void symbolSubstitution_data();
    void symbolSubstitution();
    void setPlacementOutOfRange_data();
    void setPlacementOutOfRange();
    void alignmentIndex();
    void routingWithoutCurrentWatermarkDoesNothing();
    void applyNewAndEditedText();
    void applyNewImage();
    void imageApplyWithoutPictureDoesNothing();
    void overlayNamesNeverCollide();
    void failedWriteAddsNothing();
    void clones();
    void removal();

private:
    CTextWatermark *applyText(const QString &text)
    {
        preview->setImageMode(false);
        preview->createTextWatermark();
        preview->setText(text);
        if (!preview->commitCurrent().ok)
            return nullptr;
        return preview->newText();
    }

    std::unique_ptr<TestHome> home;
    std::unique_ptr<watermarkLabel> preview;
    QString picture;
};

void TestWatermarkModel::placementTable_data()
{
    QTest::addColumn<int>("placement");
    QTest::addColumn<QPoint>("expected");

    // A 101 x 41 box in the 500 x 420 preview: each half is truncated on its own.
    QTest::newRow("1 top left") << 1 << QPoint(0, 0);
    QTest::newRow("2 top centre") << 2 << QPoint(200, 0);
    QTest::newRow("3 top right") << 3 << QPoint(399, 0);
    QTest::newRow("4 centre left") << 4 << QPoint(0, 190);
    QTest::newRow("5 centre") << 5 << QPoint(200, 190);
    QTest::newRow("6 centre right") << 6 << QPoint(399, 190);
    QTest::newRow("7 bottom left") << 7 << QPoint(0, 379);
    QTest::newRow("8 bottom centre") << 8 << QPoint(200, 379);
    QTest::newRow("9 bottom right") << 9 << QPoint(399, 379);
    QTest::newRow("0 is none") << 0 << QPoint(0, 0);
    QTest::newRow("10 is none") << 10 << QPoint(0, 0);
}

void TestWatermarkModel::placementTable()
{
    QFETCH(int, placement);
    QFETCH(QPoint, expected);
    QCOMPARE(placementOffset(QRect(0, 0, 101, 41), QRect(0, 0, 500, 420), placement), expected);
}

void TestWatermarkModel::symbolSubstitution_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");

    QTest::newRow("trade mark and copyright") << "#TM #C" << QStringLiteral("\u2122 \u00A9");
    QTest::newRow("registered") << "Brand#R" << QStringLiteral("Brand\u00AE");
    QTest::newRow("lower case stays") << "#c #r #tm" << "#c #r #tm";
    QTest::newRow("several") << "#C#C" << QStringLiteral("\u00A9\u00A9");
    QTest::newRow("two lines") << "#C 2026\nOrvantis" << QStringLiteral("\u00A9 2026\nOrvantis");
}

void TestWatermarkModel::symbolSubstitution()
{
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    CTextWatermark watermark(preview.get());
    watermark.setText(typed);
    QCOMPARE(watermark.text(), expected);
}

void TestWatermarkModel::setPlacementOutOfRange_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("text");
    QTest::addColumn<int>("image");

    // Text falls back to 1; an image keeps what it had (6 here).
    QTest::newRow("0") << 0 << 1 << 6;
    QTest::newRow("12") << 12 << 1 << 6;
    QTest::newRow("-3") << -3 << 1 << 6;
    QTest::newRow("9") << 9 << 9 << 9;
    QTest::newRow("1") << 1 << 1 << 1;
}

void TestWatermarkModel::setPlacementOutOfRange()
{
    QFETCH(int, value);
    QFETCH(int, text);
    QFETCH(int, image);

    CTextWatermark textWatermark(preview.get());
    textWatermark.setPlacement(4);
    textWatermark.setPlacement(value);
    QCOMPARE(textWatermark.gridPlacement(), text);

    CImageWatermark imageWatermark(preview.get());
    imageWatermark.setPlacement(6);
    imageWatermark.setPlacement(value);
    QCOMPARE(imageWatermark.gridPlacement(), image);
}

void TestWatermarkModel::alignmentIndex()
{
    CTextWatermark watermark(preview.get());
    QCOMPARE(watermark.alignmentFlags(), 1);
    watermark.setAlignment(2);
    QCOMPARE(watermark.alignmentFlags(), 0x84);
    watermark.setAlignment(3);
    QCOMPARE(watermark.alignmentFlags(), 2);
    watermark.setAlignment(7);
    QCOMPARE(watermark.alignmentFlags(), 2);
    QCOMPARE(watermark.alignmentIndex(), 7);
}

void TestWatermarkModel::routingWithoutCurrentWatermarkDoesNothing()
{
    preview->setImageMode(false);
    preview->setText(QStringLiteral("x"));
    preview->setTextSize(20);
    preview->setBold(true);
    preview->setPlacement(5);
    preview->setPosition(3, 4);
    preview->setImageMode(true);
    preview->setPendingImage(picture);
    preview->setImageOpacity(3);
    QCOMPARE(preview->currentImageOpacity(), 3);
    QVERIFY(preview->commitCurrent().ok);
    preview->setImageMode(false);
    QVERIFY(preview->commitCurrent().ok);

    QVERIFY(preview->appliedWatermarks().isEmpty());
    QVERIFY(QDir(overlayFolderPath()).isEmpty());
    QCOMPARE(preview->imageSourceSize(), QSize());
}

void TestWatermarkModel::applyNewAndEditedText()
{
    CTextWatermark *watermark = applyText(QStringLiteral("#C Orvantis"));
    QVERIFY(watermark);
    QCOMPARE(preview->appliedWatermarks(), QList<CWatermark *>{watermark});
    QVERIFY(!preview->lastApplyWasEdit());
    QCOMPARE(watermark->overlayFileName(), QStringLiteral("TextWatermark417.png"));
    QCOMPARE(watermark->sourceSize(), QSize(640, 480));

    // Applying the same new watermark again does not list it twice.
    QVERIFY(preview->commitCurrent().ok);
    QCOMPARE(preview->appliedWatermarks().size(), 1);

    // Editing it: the routing reaches the applied watermark, Apply refreshes its row.
    QSignalSpy refreshed(preview.get(), &watermarkLabel::updateTextWatermarkLayout);
    preview->selectEditedText(watermark);
    preview->setTextEditMode(true);
    preview->setText(QStringLiteral("Edited"));
    preview->setTextRotation(45);
    QCOMPARE(watermark->text(), QStringLiteral("Edited"));
    QVERIFY(preview->commitCurrent().ok);
    QVERIFY(preview->lastApplyWasEdit());
    QCOMPARE(refreshed.size(), 1);
    QCOMPARE(refreshed.first().first().value<CTextWatermark *>(), watermark);
    QCOMPARE(preview->appliedWatermarks().size(), 1);
    QVERIFY(watermark->overlayFileName() != QStringLiteral("TextWatermark417.png"));
}

void TestWatermarkModel::applyNewImage()
{
    preview->setImageMode(true);
    preview->createImageWatermark();
    preview->setPendingImage(picture);
    QCOMPARE(preview->imageSourceSize(), QSize(100, 50));
    CImageWatermark *watermark = preview->newImage();
    QVERIFY(watermark->isVisibleTo(preview.get()));
    QCOMPARE(watermark->canvasRect(), QRect(0, 0, 500, 420));

    QVERIFY(preview->commitCurrent().ok);
    QCOMPARE(preview->appliedWatermarks(), QList<CWatermark *>{watermark});
    QCOMPARE(watermark->overlayFileName(), QStringLiteral("ImageWatermark417.png"));
    QCOMPARE(watermark->sourceSize(), QSize(100, 50));
    QVERIFY(preview->pendingImage().isEmpty());
}

void TestWatermarkModel::imageApplyWithoutPictureDoesNothing()
{
    preview->setImageMode(true);
    preview->createImageWatermark();
    QVERIFY(preview->commitCurrent().ok);
    QVERIFY(preview->appliedWatermarks().isEmpty());
    QVERIFY(QDir(overlayFolderPath()).isEmpty());
}

void TestWatermarkModel::overlayNamesNeverCollide()
{
    // Two Applies within the same millisecond, and a file left by an earlier run.
    QVERIFY(writeFile(overlayFolderPath() + QStringLiteral("/TextWatermark419.png"), "old"));
    CTextWatermark *first = applyText(QStringLiteral("one"));
    CTextWatermark *second = applyText(QStringLiteral("two"));
    CTextWatermark *third = applyText(QStringLiteral("three"));
    QVERIFY(first && second && third);
    QCOMPARE(first->overlayFileName(), QStringLiteral("TextWatermark417.png"));
    QCOMPARE(second->overlayFileName(), QStringLiteral("TextWatermark418.png"));
    QCOMPARE(third->overlayFileName(), QStringLiteral("TextWatermark420.png"));
    QCOMPARE(readAll(overlayFolderPath() + QStringLiteral("/TextWatermark419.png")), QByteArray("old"));
}

void TestWatermarkModel::failedWriteAddsNothing()
{
    // The overlay folder is a file: nothing can be written into it, whoever runs the test.
    QVERIFY(QDir(overlayFolderPath()).removeRecursively());
    QVERIFY(writeFile(overlayFolderPath(), "not a folder"));

    preview->setImageMode(false);
    preview->createTextWatermark();
    preview->setText(QStringLiteral("lost?"));
    const Outcome outcome = preview->commitCurrent();
    QVERIFY(!outcome.ok);
    QVERIFY2(outcome.message.contains(QStringLiteral("TextWatermark417.png")), qPrintable(outcome.message));
    QVERIFY(preview->appliedWatermarks().isEmpty());
    QVERIFY(preview->newText()->overlayFileName().isEmpty());

    // Without a known frame size there is nothing to draw on, and that is said too.
    QVERIFY(QFile::remove(overlayFolderPath()));
    QVERIFY(QDir().mkdir(overlayFolderPath()));
    preview->setVideoSize(0, 0);
    QVERIFY(!preview->commitCurrent().ok);
    QVERIFY(preview->appliedWatermarks().isEmpty());
}

void TestWatermarkModel::clones()
{
    CTextWatermark *text = applyText(QStringLiteral("Original"));
    QVERIFY(text);
    text->setFontFamily(QStringLiteral("Liberation Serif,12,-1,5,400,0,0,0,0,0"));
    text->setColor(Qt::blue);
    text->setFontSize(24);
    text->setRecordedPlacement(9);
    text->setOpacity(5);
    text->setRotation(30);
    text->setBold(true);
    text->setUnderline(true);
    text->setPlacement(9);
    text->setAlignment(3);

    CTextWatermark *copy = preview->cloneTextWatermark(text);
    QVERIFY(copy);
    QVERIFY(copy->isHidden());
    QCOMPARE(copy->text(), text->text());
    QCOMPARE(copy->fontFamily(), text->fontFamily());
    QCOMPARE(copy->color(), QColor(Qt::blue));
    QCOMPARE(copy->fontSize(), 24);
    QCOMPARE(copy->placement(), 9);
    QCOMPARE(copy->opacity(), 5);
    QCOMPARE(copy->rotation(), 30);
    QVERIFY(copy->bold() && !copy->italic() && copy->underline());
    QCOMPARE(copy->gridPlacement(), 9);
    QCOMPARE(copy->alignmentIndex(), 3);
    QVERIFY(copy->id() != text->id());
    QVERIFY(!preview->appliedWatermarks().contains(copy));

    CTextWatermark notApplied(preview.get());
    QCOMPARE(preview->cloneTextWatermark(&notApplied), nullptr);

    preview->setImageMode(true);
    preview->createImageWatermark();
    preview->setPendingImage(picture);
    preview->newImage()->setOpacity(4);
    preview->newImage()->setRotation(90);
    preview->newImage()->setPlacement(7);
    QCOMPARE(preview->cloneImageWatermark(preview->newImage()), nullptr);
    QVERIFY(preview->commitCurrent().ok);
    CImageWatermark *imageCopy = preview->cloneImageWatermark(preview->newImage());
    QVERIFY(imageCopy);
    QCOMPARE(imageCopy->opacity(), 4);
    QCOMPARE(imageCopy->rotation(), 90);
    QCOMPARE(imageCopy->gridPlacement(), 7);
}

void TestWatermarkModel::removal()
{
    CTextWatermark *text = applyText(QStringLiteral("text"));
    preview->setImageMode(true);
    preview->createImageWatermark();
    preview->setPendingImage(picture);
    QVERIFY(preview->commitCurrent().ok);
    CImageWatermark *image = preview->newImage();
    CTextWatermark *secondText = applyText(QStringLiteral("second"));
    QCOMPARE(preview->appliedWatermarks().size(), 3);

    preview->removeWatermarkFromPreview(image, nullptr);
    QCOMPARE(preview->appliedWatermarks(), (QList<CWatermark *>{text, secondText}));

    // The newest text is both applied and the "new" one: removing it forgets both roles.
    preview->removeWatermarkFromPreview(nullptr, secondText);
    QCOMPARE(preview->appliedWatermarks(), QList<CWatermark *>{text});
    QCOMPARE(preview->newText(), nullptr);
    QVERIFY(secondText->isHidden());

    preview->removeTextWatermarks();
    QVERIFY(preview->appliedWatermarks().isEmpty());
}

QTEST_MAIN(TestWatermarkModel)
#include "tst_watermarkmodel.moc"
