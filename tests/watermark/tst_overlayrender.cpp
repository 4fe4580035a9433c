#include "shell/appfolders.h"
#include "testutils.h"
#include "watermark/cimagewatermark.h"
#include "watermark/ctextwatermark.h"
#include "watermark/placement.h"
#include "watermark/textrender.h"
#include "watermark/watermarklabel.h"

#include <QtTest>

#include <memory>

namespace {

// The box of pixels that are not fully transparent.
QRect inkBox(const QImage &image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    QRect box;
    for (int y = 0; y < argb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            if (qAlpha(line[x]) > 0)
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

int maxAlpha(const QImage &image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    int result = 0;
    for (int y = 0; y < argb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x)
            result = qMax(result, qAlpha(line[x]));
    }
    return result;
}

} // namespace

class TestOverlayRender : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        home = std::make_unique<TestHome>();
        QVERIFY(setUpDataFolders().ok);
        preview = std::make_unique<watermarkLabel>();
        preview->setVideoSize(1920, 1080);
    }
    void cleanup()
    {
        preview.reset();
        home.reset();
    }

    void measureText_data();
    void measureText();
    void fitPointSize();
    void textOverlayPlacement_data();
    void textOverlayPlacement();
    void previewPlacement();
    void opacity_data();
    void opacity();
    void rotationTurnsTheBox();
    void imageOverlayKeepsPictureSize_data();
    void imageOverlayKeepsPictureSize();
    void previewFrame();

private:
    QImage writtenOverlay(const CWatermark *watermark)
    {
        return QImage(overlayFolderPath() + QStringLiteral("/") + watermark->overlayFileName());
    }
    CTextWatermark *applyText(const QString &text, int placement, int x = 0, int y = 0)
    {
        preview->setImageMode(false);
        preview->createTextWatermark();
        preview->setText(text);
        preview->setFontFamily(QStringLiteral("Liberation Sans"));
        preview->setTextSize(20);
        preview->setPlacement(placement);
        preview->setTextXOffset(x);
        preview->setTextYOffset(y);
        if (!preview->commitCurrent().ok)
            return nullptr;
        return preview->newText();
    }

    std::unique_ptr<TestHome> home;
    std::unique_ptr<watermarkLabel> preview;
};

void TestOverlayRender::measureText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("widest");
    QTest::addColumn<int>("lines");

    QTest::newRow("one line") << "Orvantis" << "Orvantis" << 1;
    QTest::newRow("widest line wins") << "ab\nabcdefgh\nabc" << "abcdefgh" << 3;
    QTest::newRow("empty") << "" << "" << 1;
    QTest::newRow("empty last line") << "abc\n" << "abc" << 2;
}

void TestOverlayRender::measureText()
{
    QFETCH(QString, text);
    QFETCH(QString, widest);
    QFETCH(int, lines);

    const QFont font(QStringLiteral("Liberation Sans"), 18);
    const QFontMetrics metrics(font);
    const QSize size = ::measureText(font, text);
    QCOMPARE(size.width(), qMax(8, metrics.horizontalAdvance(widest)));
    QCOMPARE(size.height(), lines * metrics.height());
}

void TestOverlayRender::fitPointSize()
{
    // Half the video's width on the preview: the text must come out twice as wide.
    const QFont font(QStringLiteral("Liberation Sans"), 12);
    const QString text = QStringLiteral("Orvantis 2026");
    const int width = ::measureText(font, text).width();
    const int size = ::fitPointSize(width, QSize(500, 420), QSize(1000, 840), font, text);

    QFont probe = font;
    probe.setPointSize(size);
    QVERIFY(::measureText(probe, text).width() >= 2 * width);
    probe.setPointSize(size - 1);
    QVERIFY(::measureText(probe, text).width() < 2 * width);

    // The same through the preview, which knows its own size and the video's.
    preview->setVideoSize(1000, 840);
    QCOMPARE(preview->fitPointSize(width, 0, font, text), size);

    // No size reaches an absurd width: the largest is used.
    QCOMPARE(::fitPointSize(width, QSize(500, 420), QSize(10000000, 840), font, text), 999);
}

void TestOverlayRender::textOverlayPlacement_data()
{
    QTest::addColumn<int>("placement");
    QTest::addColumn<int>("xOffset");
    QTest::addColumn<int>("yOffset");
    for (int placement = 1; placement <= 9; ++placement)
        QTest::addRow("placement %d", placement) << placement << 0 << 0;
    QTest::newRow("placement 9, X 10, Y 5") << 9 << 10 << 5;
    QTest::newRow("placement 5, X -30, Y -20") << 5 << -30 << -20;
}

void TestOverlayRender::textOverlayPlacement()
{
    QFETCH(int, placement);
    QFETCH(int, xOffset);
    QFETCH(int, yOffset);

    CTextWatermark *watermark = applyText(QStringLiteral("#C Orvantis\nsecond line"), placement, xOffset, yOffset);
    QVERIFY(watermark);
    const QImage overlay = writtenOverlay(watermark);
    QCOMPARE(overlay.size(), QSize(1920, 1080));

    const QImage text = preview->textPixmapForVideo(watermark);
    QPoint at = placementOffset(text.rect(), QRect(0, 0, 1920, 1080), placement);
    at += QPoint(xOffset, -yOffset);
    // What the offsets push over the frame's edge is cut off.
    QCOMPARE(inkBox(overlay), inkBox(text).translated(at) & overlay.rect());
    // Scaled for the video: about 1920 / 500 times the preview's width.
    const QSize onPreview = ::measureText(styledFont(watermark->textStyle()), watermark->text());
    QVERIFY(qAbs(text.width() - onPreview.width() * 1920 / 500) < onPreview.width() / 2);
}

void TestOverlayRender::previewPlacement()
{
    CTextWatermark *watermark = applyText(QStringLiteral("Preview"), 9, 10, 5);
    QVERIFY(watermark);
    const QImage canvas = watermark->pixmap().toImage();
    QCOMPARE(canvas.size(), QSize(500, 420));
    QCOMPARE(preview->size(), QSize(500, 420));

    const QImage text = watermark->textPixmap().toImage();
    const QPoint at = placementOffset(text.rect(), QRect(0, 0, 500, 420), 9) + QPoint(10, -5);
    QCOMPARE(inkBox(canvas), inkBox(text).translated(at) & canvas.rect());
}

void TestOverlayRender::opacity_data()
{
    QTest::addColumn<int>("opacity");
    QTest::addColumn<int>("alpha");
    QTest::newRow("0") << 0 << 0;
    QTest::newRow("5") << 5 << 128;
    QTest::newRow("10") << 10 << 255;
}

void TestOverlayRender::opacity()
{
    QFETCH(int, opacity);
    QFETCH(int, alpha);

    preview->setImageMode(false);
    preview->createTextWatermark();
    preview->setText(QStringLiteral("HEAVY"));
    preview->setTextSize(40);
    preview->setTextColor(QColor(200, 30, 30, 10)); // the colour's own alpha is ignored
    preview->setTextOpacity(opacity);
    QVERIFY(preview->commitCurrent().ok);
    QVERIFY(qAbs(maxAlpha(writtenOverlay(preview->newText())) - alpha) <= 1);
}

void TestOverlayRender::rotationTurnsTheBox()
{
    CTextWatermark *uprightText = applyText(QStringLiteral("Rotate me"), 5);
    QVERIFY(uprightText);
    const QRect before = inkBox(writtenOverlay(uprightText));

    preview->createTextWatermark();
    preview->setText(QStringLiteral("Rotate me"));
    preview->setTextSize(20);
    preview->setPlacement(5);
    preview->setTextRotation(90);
    QVERIFY(preview->commitCurrent().ok);
    const QRect after = inkBox(writtenOverlay(preview->newText()));

    // A quarter turn to the left about the centre of the text's box, (x, y) -> (y, -x) on
    // screen: the ink box lands where that turn takes it.
    const QImage text = preview->textPixmapForVideo(uprightText);
    const QPoint c = placementOffset(text.rect(), QRect(0, 0, 1920, 1080), 5) + text.rect().center();
    const QRect expected(QPoint(c.x() + before.top() - c.y(), c.y() - (before.right() - c.x())),
                         QPoint(c.x() + before.bottom() - c.y(), c.y() - (before.left() - c.x())));
    for (const auto &[actualEdge, expectedEdge] : {std::pair{after.left(), expected.left()},
                                                   {after.right(), expected.right()},
                                                   {after.top(), expected.top()},
                                                   {after.bottom(), expected.bottom()}})
        QVERIFY2(qAbs(actualEdge - expectedEdge) <= 2, qPrintable(QStringLiteral("%1 vs %2").arg(actualEdge).arg(expectedEdge)));

    // Counter-clockwise: the upright ink turned a quarter turn to the left matches, the same
    // ink turned to the right does not.
    const QImage upright = writtenOverlay(uprightText).copy(before);
    const QImage turned = writtenOverlay(preview->newText()).copy(after);
    const auto difference = [&](int degrees) {
        const QImage expected = upright.transformed(QTransform().rotate(degrees)).scaled(turned.size());
        qint64 sum = 0;
        for (int y = 0; y < turned.height(); ++y)
            for (int x = 0; x < turned.width(); ++x)
                sum += qAbs(qAlpha(turned.pixel(x, y)) - qAlpha(expected.pixel(x, y)));
        return sum / (turned.width() * turned.height());
    };
    QVERIFY2(difference(-90) < 25, qPrintable(QString::number(difference(-90))));
    QVERIFY(difference(90) > 2 * difference(-90));
}

void TestOverlayRender::imageOverlayKeepsPictureSize_data()
{
    QTest::addColumn<int>("placement");
    QTest::addColumn<int>("xOffset");
    QTest::addColumn<int>("yOffset");
    QTest::addColumn<QRect>("expected");

    QTest::newRow("placement 1") << 1 << 0 << 0 << QRect(0, 0, 100, 50);
    QTest::newRow("placement 9") << 9 << 0 << 0 << QRect(1820, 1030, 100, 50);
    QTest::newRow("placement 5, X 10, Y 5") << 5 << 10 << 5 << QRect(920, 510, 100, 50);
}

void TestOverlayRender::imageOverlayKeepsPictureSize()
{
    QFETCH(int, placement);
    QFETCH(int, xOffset);
    QFETCH(int, yOffset);
    QFETCH(QRect, expected);

    const QString picture = home->path() + QStringLiteral("/logo.png");
    QImage logo(100, 50, QImage::Format_ARGB32);
    logo.fill(QColor(20, 200, 40));
    QVERIFY(logo.save(picture));

    preview->setImageMode(true);
    preview->createImageWatermark();
    preview->setPendingImage(picture);
    preview->setPlacement(placement);
    preview->setImageXOffset(xOffset);
    preview->setImageYOffset(yOffset);
    QVERIFY(preview->commitCurrent().ok);

    const QImage overlay = writtenOverlay(preview->appliedWatermarks().first());
    QCOMPARE(overlay.size(), QSize(1920, 1080));
    QCOMPARE(inkBox(overlay), expected);
    QCOMPARE(overlay.pixelColor(expected.center()), QColor(20, 200, 40));
}

void TestOverlayRender::previewFrame()
{
    QVERIFY(::previewFrame(snapshotFolderPath(), QString()).isNull());

    QImage frame(64, 48, QImage::Format_RGB32);
    frame.fill(Qt::black);
    for (int x = 0; x < 64; ++x)
        frame.setPixelColor(x, 0, Qt::white); // a white top row
    QVERIFY(frame.save(snapshotFolderPath() + QStringLiteral("/shot0001.png")));

    const QImage shown = ::previewFrame(snapshotFolderPath(), QStringLiteral("/v/clip.avi")).toImage();
    QCOMPARE(shown.size(), QSize(64, 48));
    QCOMPARE(shown.pixelColor(10, 0), QColor(Qt::white));
    // A webcam recording arrives upside down and is turned back.
    const QImage turned = ::previewFrame(snapshotFolderPath(), QStringLiteral("/c/WebCamRecord.avi")).toImage();
    QCOMPARE(turned.pixelColor(10, 47), QColor(Qt::white));

    preview->showPreviewFrame(QStringLiteral("/v/clip.avi"));
    QVERIFY(preview->isVisibleTo(nullptr) || !preview->isHidden());
    QCOMPARE(preview->pixmap().size(), QSize(64, 48));
}

QTEST_MAIN(TestOverlayRender)
#include "tst_overlayrender.moc"
