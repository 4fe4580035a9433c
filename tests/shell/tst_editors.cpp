// The watermark editors and the list of applied watermarks as the main window drives them:
// a stand-in player that records its commands, a paused frame in the snapshot folder.

#include "library/xmlparser.h"
#include "media/burncommand.h"
#include "media/cexportimages.h"
#include "shell/appfolders.h"
#include "shell/mainwindow.h"
#include "shell/platform.h"
#include "libraryfixture.h"
#include "testutils.h"
#include "ui_imagewatermarkdlg.h"
#include "ui_textwatermarkdlg.h"
#include "watermark/calertsheetwidget.h"
#include "watermark/ccolorlabel.h"
#include "watermark/cimagewatermark.h"
#include "watermark/cimagewatermarklabel.h"
#include "watermark/clinklable.h"
#include "watermark/ctextwatermark.h"
#include "watermark/cwatermarklistwidget.h"
#include "watermark/gallery.h"
#include "watermark/imagewatermarkdlg.h"
#include "watermark/textwatermarkdlg.h"
#include "watermark/watermarklabel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

#include <memory>

namespace {

// A stand-in mplayer: the slave records what it is told; the size probe ends at once.
const QByteArray recordingSlave = "case \" $* \" in *\" -slave \"*) ;; *) exit 0 ;; esac\n"
                                  "exec cat > \"$HOME/slave-input\"\n";

QImage pictureOf(const QSize &size, const QColor &color)
{
    QImage picture(size, QImage::Format_ARGB32);
    picture.fill(color);
    return picture;
}

// The rectangle of an overlay's pixels that are not fully transparent.
QRect drawnArea(const QImage &overlay)
{
    QRect area;
    for (int y = 0; y < overlay.height(); ++y)
        for (int x = 0; x < overlay.width(); ++x)
            if (qAlpha(overlay.pixel(x, y)) > 0)
                area |= QRect(x, y, 1, 1);
    return area;
}

} // namespace

class TestEditors : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void textApplyDrawsListsAndEnablesExport();
    void closingRightAfterOpeningAsks();
    void discardingNewText_data();
    void discardingNewText();
    void editingAppliedText_data();
    void editingAppliedText();
    void failedApplyKeepsEditorOpen();
    void stampsAndFirstPicture();
    void galleryRowsAndPlacement();
    void addAndDeletePictures();
    void emptyGalleryAppliesNothing();
    void imageRowAndHiddenWatermarkOutOfExport();
    void editingAppliedImage_data();
    void editingAppliedImage();
    void pictureGoneWhileEditing();
    void stopBeforeTheEditorOpens();
    void removingWatermarks();
    void stopEmptiesTheList();

private:
    template <typename T> T *child(const char *name) { return window->findChild<T *>(QLatin1String(name)); }
    QByteArray slaveInput() const { return readAll(home->path() + QStringLiteral("/slave-input")); }
    Ui::TextWatermarkDlg *text() const { return window->textEditor()->form(); }
    Ui::ImageWatermarkDlg *image() const { return window->imageEditor()->form(); }
    void openText();
    void openImage();
    CTextWatermark *applyText(const QString &words, QPushButton *placement);
    void answerAlert(CAlertSheetWidget *alert, const char *button);

    std::unique_ptr<TestHome> home;
    std::unique_ptr<StubTool> slave;
    std::unique_ptr<MainWindow> window;
    watermarkLabel *preview = nullptr;
    QTemporaryDir clips;
    QString clip;
};

void TestEditors::initTestCase()
{
    QFile::remove(programFolderPath() + QStringLiteral("/mplayer"));
    clip = clips.path() + QStringLiteral("/clip.avi");
    QVERIFY(makeTestClip(clip, 2));
}

void TestEditors::init()
{
    home = std::make_unique<TestHome>();
    switchOffGettingStartedGuide();
    QVERIFY(setUpDataFolders().ok);
    QVERIFY(XMLParser().ensureDocument().ok);
    QVERIFY(!addLibraryClip(clip, QStringLiteral("Untitled"), QStringLiteral("clip.avi")).isEmpty());
    slave = std::make_unique<StubTool>(programFolderPath(), QStringLiteral("mplayer"), recordingSlave);
    window = std::make_unique<MainWindow>();
    window->show();
    preview = window->watermarkPreview();

    child<QPushButton>("playBtn")->click();
    QVERIFY(window->player());
    QTRY_COMPARE_WITH_TIMEOUT(window->player()->state(), QProcess::Running, 5000);
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(home->path() + QStringLiteral("/slave-input")), 5000);
    QVERIFY(window->isPlaying());
    // What mplayer's screenshot would leave, and the size its probe would have found.
    QVERIFY(pictureOf(QSize(320, 240), Qt::darkCyan).save(snapshotFolderPath() + QStringLiteral("/shot0001.png")));
    preview->setVideoSize(320, 240);
}

void TestEditors::cleanup()
{
    window.reset();
    slave.reset();
    home.reset();
}

void TestEditors::openText()
{
    window->on_txtWMBtn_clicked();
    QTRY_VERIFY(window->textEditor()->isVisible());
}

void TestEditors::openImage()
{
    window->on_imgWMBtn_clicked();
    QTRY_VERIFY(window->imageEditor()->isVisible());
}

CTextWatermark *TestEditors::applyText(const QString &words, QPushButton *placement)
{
    openText();
    text()->watermarkTxtBox->setPlainText(words);
    placement->click();
    text()->txtWatermarkAplyBtn->click();
    return preview->appliedWatermarks().isEmpty() ? nullptr
                                                   : qobject_cast<CTextWatermark *>(preview->appliedWatermarks().last());
}

void TestEditors::answerAlert(CAlertSheetWidget *alert, const char *button)
{
    QVERIFY(alert && alert->isVisible());
    alert->findChild<QPushButton *>(QLatin1String(button))->click();
}

void TestEditors::textApplyDrawsListsAndEnablesExport()
{
    // Opening pauses the playing video on the frame it then draws on.
    openText();
    QTRY_COMPARE(slaveInput(), QByteArray("screenshot 0\npause\n"));
    QVERIFY(!window->isPlaying());
    QVERIFY(!child<QPushButton>("playBtn")->isEnabled());
    QCOMPARE(preview->pixmap().toImage().pixelColor(10, 10), QColor(Qt::darkCyan));
    QCOMPARE(text()->watermarkTxtBox->toPlainText(), QStringLiteral("Type your desired text here!"));
    QCOMPARE(text()->txtOpacitySpin->value(), 9);
    QVERIFY(text()->cmbSize->currentText() == QStringLiteral("10"));

    text()->watermarkTxtBox->setPlainText(QStringLiteral("Orvantis"));
    text()->txtP9->click();
    text()->boldBtn->click();
    CColorLabel *swatch = window->textEditor()->colorSwatch();
    swatch->setColorChooser([](const QColor &, QWidget *) { return QColor(220, 20, 20); });
    QTest::mouseClick(swatch, Qt::LeftButton);
    text()->txtOpacitySpin->setValue(5);
    QCOMPARE(text()->txtOpacitySlider->value(), 5);
    QVERIFY(text()->boldBtn->styleSheet().contains(QStringLiteral("icon_textbold_01_active_32x32.png);\n border: none;\n}\n\nQPushButton#boldBtn:hover")));
    QVERIFY(text()->txtP9->styleSheet().startsWith(
        QStringLiteral("QPushButton#txtP9 {\n background-image: url(:/image/watermarkimages/ButtonIcons/icon_place_bottomright_01_active")));
    QVERIFY(text()->txtP1->styleSheet().contains(QStringLiteral("icon_place_topleft_01_hover_24x24.png);\n border: none;\n}\n\nQPushButton#txtP1:hover")));

    text()->txtWatermarkAplyBtn->click();
    QVERIFY(!window->textEditor()->isVisible());
    QCOMPARE(preview->appliedWatermarks().size(), 1);
    auto *watermark = qobject_cast<CTextWatermark *>(preview->appliedWatermarks().first());
    QVERIFY(watermark);
    QCOMPARE(watermark->text(), QStringLiteral("Orvantis"));
    QCOMPARE(watermark->placement(), 9);
    QVERIFY(watermark->bold());
    QCOMPARE(watermark->opacity(), 5);

    // The overlay: the text at the video's bottom right, in its colour, half transparent.
    const QImage overlay = QImage(overlayFolderPath() + QStringLiteral("/") + watermark->overlayFileName())
                               .convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(overlay.size(), QSize(320, 240));
    const QSize textSize = preview->textPixmapForVideo(watermark).size();
    const QRect expected(QPoint(320 - textSize.width(), 240 - textSize.height()), textSize);
    const QRect drawn = drawnArea(overlay);
    QVERIFY2(expected.contains(drawn), qPrintable(QStringLiteral("drawn %1,%2 %3x%4")
                                                      .arg(drawn.x()).arg(drawn.y()).arg(drawn.width()).arg(drawn.height())));
    QVERIFY(drawn.width() > textSize.width() / 2);
    QRgb strongest = 0;
    for (int y = drawn.top(); y <= drawn.bottom(); ++y)
        for (int x = drawn.left(); x <= drawn.right(); ++x)
            if (qAlpha(overlay.pixel(x, y)) > qAlpha(strongest))
                strongest = overlay.pixel(x, y);
    QVERIFY(qAbs(qAlpha(strongest) - 128) <= 3);
    QVERIFY(qRed(strongest) > 180 && qGreen(strongest) < 60 && qBlue(strongest) < 60);

    const QList<CWatermarkListWidget *> rows = window->watermarkRows();
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows.first()->link()->text(), QStringLiteral("Orvantis"));
    QCOMPARE(rows.first()->type()->text(), QStringLiteral("---"));
    QCOMPARE(rows.first()->sizeText()->text(), QStringLiteral("---"));
    QVERIFY(child<QPushButton>("exportBtn")->isEnabled());
    QVERIFY(preview->isVisible());
}

void TestEditors::closingRightAfterOpeningAsks()
{
    openText();
    window->textEditor()->close();
    QVERIFY(window->textEditor()->isVisible());
    answerAlert(window->textEditor()->alertSheet(), "btnDontApply");
    QVERIFY(!window->textEditor()->isVisible());
}

void TestEditors::discardingNewText_data()
{
    QTest::addColumn<bool>("oneApplied");
    QTest::newRow("nothing applied") << false;
    QTest::newRow("one applied") << true;
}

void TestEditors::discardingNewText()
{
    QFETCH(bool, oneApplied);
    if (oneApplied)
        QVERIFY(applyText(QStringLiteral("Kept"), text()->txtP1));
    openText();
    QTRY_COMPARE(slaveInput(), QByteArray("screenshot 0\npause\n"));
    const QByteArray paused = slaveInput();
    text()->watermarkTxtBox->setPlainText(QStringLiteral("Dropped"));
    text()->txtWatermarkCancelBtn->click();
    answerAlert(window->textEditor()->alertSheet(), "btnDontApply");
    QVERIFY(!window->textEditor()->isVisible());

    if (oneApplied) {
        // Only the new one goes; the video stays paused under the applied one.
        QCOMPARE(slaveInput(), paused);
        QVERIFY(!window->isPlaying());
        QCOMPARE(preview->appliedWatermarks().size(), 1);
        QVERIFY(child<QPushButton>("exportBtn")->isEnabled());
        QVERIFY(preview->isVisible());
        QCOMPARE(window->watermarkRows().size(), 1);
    } else {
        QTRY_COMPARE(slaveInput(), paused + "pause\n");
        QVERIFY(window->isPlaying());
        QVERIFY(!child<QPushButton>("exportBtn")->isEnabled());
        QVERIFY(child<QPushButton>("playBtn")->isEnabled());
        QVERIFY(!preview->isVisible());
        QVERIFY(QDir(snapshotFolderPath()).entryList(QDir::Files).isEmpty());
        // The clock runs with the video again.
        QTRY_VERIFY_WITH_TIMEOUT(window->elapsed() > 0, 3000);
    }
    QVERIFY(!preview->newText() || preview->newText()->isHidden());
}

void TestEditors::editingAppliedText_data()
{
    QTest::addColumn<bool>("apply");
    QTest::newRow("Don't Apply") << false;
    QTest::newRow("Apply") << true;
}

void TestEditors::editingAppliedText()
{
    QFETCH(bool, apply);
    openText();
    text()->watermarkTxtBox->setPlainText(QStringLiteral("First"));
    text()->cmbSize->setCurrentIndex(text()->cmbSize->findText(QStringLiteral("36")));
    text()->txtP9->click();
    text()->txtWatermarkAplyBtn->click();
    auto *watermark = qobject_cast<CTextWatermark *>(preview->appliedWatermarks().value(0));
    QVERIFY(watermark);
    QCOMPARE(watermark->fontSize(), 36);
    const QString firstOverlay = watermark->overlayFileName();
    CWatermarkListWidget *row = window->watermarkRows().value(0);
    QVERIFY(row);
    // Another in another font and size leaves the controls there.
    openText();
    text()->fontComboBox->setCurrentFont(QFont(QStringLiteral("DejaVu Serif")));
    text()->cmbSize->setCurrentIndex(text()->cmbSize->findText(QStringLiteral("12")));
    text()->txtWatermarkAplyBtn->click();
    QCOMPARE(preview->appliedWatermarks().size(), 2);

    // The name opens the editor on that watermark, which keeps its own size.
    QTest::mouseClick(row->link(), Qt::LeftButton);
    QVERIFY(window->textEditor()->isVisible());
    QCOMPARE(text()->watermarkTxtBox->toPlainText(), QStringLiteral("First"));
    QCOMPARE(window->placementNumber(), 9);
    QCOMPARE(watermark->fontSize(), 36);
    QCOMPARE(text()->cmbSize->currentText(), QStringLiteral("36"));

    text()->watermarkTxtBox->setPlainText(QStringLiteral("Second"));
    text()->txtP3->click();
    text()->txtRotateSpin->setValue(45);
    window->textEditor()->colorSwatch()->setColorChooser([](const QColor &, QWidget *) { return QColor(Qt::blue); });
    QTest::mouseClick(window->textEditor()->colorSwatch(), Qt::LeftButton);
    QCOMPARE(watermark->text(), QStringLiteral("Second"));
    QCOMPARE(watermark->rotation(), 45);

    if (apply) {
        text()->txtWatermarkAplyBtn->click();
        QCOMPARE(watermark->text(), QStringLiteral("Second"));
        QCOMPARE(watermark->placement(), 3);
        QVERIFY(watermark->overlayFileName() != firstOverlay);
    } else {
        window->textEditor()->close();
        answerAlert(window->textEditor()->alertSheet(), "btnDontApply");
        // Text, font, placement and rotation come back; the colour stays as changed.
        QCOMPARE(watermark->text(), QStringLiteral("First"));
        QCOMPARE(watermark->gridPlacement(), 9);
        QCOMPARE(watermark->rotation(), 0);
        QCOMPARE(watermark->overlayFileName(), firstOverlay);
    }
    QCOMPARE(watermark->color(), QColor(Qt::blue));
    QCOMPARE(watermark->fontSize(), 36);
    QVERIFY(!window->textEditor()->isVisible());
    QVERIFY(!preview->isTextEditMode());
    // No watermark or row more, and the row reads what the watermark now says.
    QCOMPARE(preview->appliedWatermarks().size(), 2);
    QCOMPARE(window->watermarkRows().size(), 2);
    QCOMPARE(row->link()->text(), watermark->text());

    // The next new watermark is a watermark of its own again.
    CTextWatermark *another = applyText(QStringLiteral("Third"), text()->txtP5);
    QVERIFY(another && another != watermark);
    QCOMPARE(watermark->text(), apply ? QStringLiteral("Second") : QStringLiteral("First"));
    QCOMPARE(window->watermarkRows().size(), 3);
}

void TestEditors::failedApplyKeepsEditorOpen()
{
    // No frame size known: the overlay cannot be drawn.
    preview->setVideoSize(0, 0);
    ModalWatcher watcher;
    openText();
    text()->txtWatermarkAplyBtn->click();
    QTRY_COMPARE(watcher.texts.size(), 1);
    QVERIFY(!watcher.texts.first().isEmpty());
    QVERIFY(window->textEditor()->isVisible());
    QVERIFY(preview->appliedWatermarks().isEmpty());
    QVERIFY(window->watermarkRows().isEmpty());
    QVERIFY(!child<QPushButton>("exportBtn")->isEnabled());
    // The changes still wait to be applied.
    window->textEditor()->close();
    answerAlert(window->textEditor()->alertSheet(), "btnDontApply");
    QVERIFY(window->isPlaying());
}

void TestEditors::stampsAndFirstPicture()
{
    const QStringList symbols = galleryPictures(categoryFolder(0));
    QCOMPARE(symbols.size(), 12);
    QCOMPARE(QFileInfo(symbols.first()).fileName(), QStringLiteral("stamp1.png"));
    QCOMPARE(image()->imageCategoryCombo->count(), 10);
    QCOMPARE(image()->imageCategoryCombo->itemText(6), QStringLiteral("Food and Dining"));

    openImage();
    QTRY_COMPARE(slaveInput(), QByteArray("screenshot 0\npause\n"));
    QCOMPARE(window->galleryThumbnails().size(), 12);
    CImageWatermarkLabel *first = window->galleryThumbnails().first();
    QVERIFY(first->isSelected());
    QCOMPARE(window->chosenPicture(), symbols.first());
    QCOMPARE(preview->pendingImage(), symbols.first());
    // Frames show while a video is loaded.
    QVERIFY(first->isHighlightEnabled());
    QCOMPARE(first->pictureLabel()->pixmap().size(), QSize(57, 57));

    // Another thumbnail takes the selection over.
    CImageWatermarkLabel *third = window->galleryThumbnails().at(2);
    QTest::mouseClick(third, Qt::LeftButton);
    QVERIFY(third->isSelected() && !first->isSelected());
    QCOMPARE(window->chosenPicture(), symbols.at(2));
    image()->imgWatermarkCancelBtn->click();
    answerAlert(window->imageEditor()->alertSheet(), "btnDontApply");
    QVERIFY(window->isPlaying());
}

void TestEditors::galleryRowsAndPlacement()
{
    const QString business = categoryFolder(3);
    for (int i = 1; i <= 5; ++i)
        QVERIFY(pictureOf(i == 1 ? QSize(100, 50) : QSize(20, 20), Qt::red).save(business + QStringLiteral("/p%1.png").arg(i)));
    openImage();
    image()->imageCategoryCombo->setCurrentIndex(3);
    const QList<CImageWatermarkLabel *> thumbnails = window->galleryThumbnails();
    QCOMPARE(thumbnails.size(), 5);
    QGridLayout *grid = window->imageEditor()->galleryLayout();
    QList<QPoint> cells;
    for (CImageWatermarkLabel *thumbnail : thumbnails) {
        int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
        grid->getItemPosition(grid->indexOf(thumbnail), &row, &column, &rowSpan, &columnSpan);
        cells << QPoint(column, row);
    }
    QCOMPARE(cells, QList<QPoint>({{0, 0}, {1, 0}, {0, 1}, {1, 1}, {0, 2}}));

    QTest::mouseClick(thumbnails.first(), Qt::LeftButton);
    image()->imgP9->click();
    QCOMPARE(window->imagePosition(), QPoint(400, 370));
    image()->imgXBox->setValue(10);
    image()->imgYBox->setValue(5);
    QCOMPARE(window->imagePosition(), QPoint(410, 365));
    QCOMPARE(preview->currentImageWatermark()->position(), QPoint(410, 365));
    // Pushed no further right than keeps 40 pixels of it on the preview.
    image()->imgXBox->setValue(300);
    QCOMPARE(image()->imgXBox->value(), 60);
    QCOMPARE(window->imagePosition(), QPoint(460, 365));

    // A picture of another size is placed anew at the same placement.
    QTest::mouseClick(thumbnails.at(1), Qt::LeftButton);
    QCOMPARE(window->imagePosition(), QPoint(480 + image()->imgXBox->value(), 395));
    image()->imgWatermarkAplyBtn->click();
    QVERIFY(!window->imageEditor()->isVisible());
    QCOMPARE(preview->appliedWatermarks().size(), 1);
}

void TestEditors::addAndDeletePictures()
{
    const QString outside = home->path() + QStringLiteral("/outside");
    QVERIFY(QDir().mkpath(outside));
    QVERIFY(pictureOf(QSize(30, 30), Qt::yellow).save(outside + QStringLiteral("/stamp1.png")));
    QVERIFY(pictureOf(QSize(30, 30), Qt::green).save(outside + QStringLiteral("/own.png")));
    const QString symbols = categoryFolder(0);
    const QByteArray stamp = readAll(symbols + QStringLiteral("/stamp1.png"));
    openImage();

    // Add keeps a picture of the same name as it is; a new name joins the gallery.
    QString answer = outside + QStringLiteral("/stamp1.png");
    window->imageEditor()->setFileChooser([&answer] { return answer; });
    image()->addBtn->click();
    QCOMPARE(readAll(symbols + QStringLiteral("/stamp1.png")), stamp);
    QCOMPARE(window->galleryThumbnails().size(), 12);
    answer = outside + QStringLiteral("/own.png");
    image()->addBtn->click();
    QCOMPARE(window->galleryThumbnails().size(), 13);
    QVERIFY(QFileInfo::exists(symbols + QStringLiteral("/own.png")));
    QCOMPARE(window->addedPictures(), QStringList({symbols + QStringLiteral("/stamp1.png"), symbols + QStringLiteral("/own.png")}));
    QVERIFY(window->galleryThumbnails().first()->isSelected());
    // Cancel in the file dialog adds nothing.
    answer.clear();
    image()->addBtn->click();
    QCOMPARE(window->addedPictures().size(), 2);

    // Deleting the last picture of a category goes back to Symbols.
    QVERIFY(pictureOf(QSize(30, 30), Qt::blue).save(categoryFolder(5) + QStringLiteral("/only.png")));
    image()->imageCategoryCombo->setCurrentIndex(5);
    QCOMPARE(window->galleryThumbnails().size(), 1);
    QTest::mouseClick(window->galleryThumbnails().first(), Qt::LeftButton);
    image()->deleteBtn->click();
    QVERIFY(!QFileInfo::exists(categoryFolder(5) + QStringLiteral("/only.png")));
    QCOMPARE(image()->imageCategoryCombo->currentIndex(), 0);
    QCOMPARE(window->galleryThumbnails().size(), 13);
    QVERIFY(window->galleryThumbnails().first()->isSelected());

    // Nothing selected: Delete does nothing.
    for (CImageWatermarkLabel *thumbnail : window->galleryThumbnails())
        thumbnail->setSelected(false);
    image()->deleteBtn->click();
    QCOMPARE(galleryPictures(symbols).size(), 13);
    image()->imgWatermarkCancelBtn->click();
    answerAlert(window->imageEditor()->alertSheet(), "btnDontApply");
}

void TestEditors::emptyGalleryAppliesNothing()
{
    for (const QString &picture : galleryPictures(categoryFolder(0)))
        QVERIFY(QFile::remove(picture));
    openImage();
    QVERIFY(window->galleryThumbnails().isEmpty());
    QVERIFY(window->chosenPicture().isEmpty());
    image()->imgWatermarkAplyBtn->click();
    QVERIFY(preview->appliedWatermarks().isEmpty());
    QVERIFY(window->watermarkRows().isEmpty());
    QVERIFY(QDir(overlayFolderPath()).entryList(QDir::Files).isEmpty());
    // Closing then ends the session like a discard: the video plays on.
    window->imageEditor()->close();
    QTRY_VERIFY(!window->imageEditor()->isVisible());
    QVERIFY(window->isPlaying());
    QVERIFY(!child<QPushButton>("exportBtn")->isEnabled());
}

void TestEditors::imageRowAndHiddenWatermarkOutOfExport()
{
    QVERIFY(pictureOf(QSize(320, 200), Qt::magenta).save(categoryFolder(9) + QStringLiteral("/logo.png")));
    CTextWatermark *words = applyText(QStringLiteral("Shown"), text()->txtP1);
    QVERIFY(words);
    openImage();
    image()->imageCategoryCombo->setCurrentIndex(9);
    QTest::mouseClick(window->galleryThumbnails().first(), Qt::LeftButton);
    image()->imgWatermarkAplyBtn->click();
    QVERIFY(!window->imageEditor()->isVisible());
    QCOMPARE(preview->appliedWatermarks().size(), 2);
    auto *logo = qobject_cast<CImageWatermark *>(preview->appliedWatermarks().last());
    QVERIFY(logo);

    CWatermarkListWidget *row = window->watermarkRows().value(1);
    QVERIFY(row);
    QCOMPARE(row->link()->text(), QStringLiteral("logo.png"));
    QCOMPARE(row->type()->text(), QStringLiteral("PNG"));
    QCOMPARE(row->sizeText()->text(), QStringLiteral("320 x 200"));
    QCOMPARE(row->thumbnail()->pixmap().size(), QSize(40, 40));

    // The name opens the image editor on the picture, even after the gallery was reloaded.
    QTest::mouseClick(row->link(), Qt::LeftButton);
    QVERIFY(window->imageEditor()->isVisible());
    QVERIFY(preview->isImageEditMode());
    QCOMPARE(preview->pendingImage(), logo->sourcePath());
    image()->imgRotateSpin->setValue(90);
    QCOMPARE(logo->rotation(), 90);
    window->imageEditor()->close();
    answerAlert(window->imageEditor()->alertSheet(), "btnDontApply");
    QCOMPARE(logo->rotation(), 0);
    QCOMPARE(logo->sourcePath(), categoryFolder(9) + QStringLiteral("/logo.png"));
    QCOMPARE(preview->appliedWatermarks().size(), 2);

    // Unchecked: hidden on the preview and left out of the burn.
    row->enableBox()->setChecked(false);
    QVERIFY(logo->isHidden());
    const QString record = home->path() + QStringLiteral("/ffmpeg-arguments");
    StubTool ffmpeg(toolFolderPath(), QStringLiteral("ffmpeg"),
                    "for last; do :; done\nfor a; do printf '%s\\n' \"$a\"; done >> '" + record.toLocal8Bit()
                        + "'\necho partial > \"$last\"\n");
    QTimer::singleShot(0, window.get(), [this] {
        window->exportDialogWidget()->findChild<QPushButton *>("btnExport")->click();
    });
    window->on_exportBtn_clicked();
    const QStringList arguments = QString::fromLocal8Bit(readAll(record)).split(QLatin1Char('\n'));
    // The burn is the call with a filter graph; the album's thumbnail comes after it.
    const int graph = arguments.indexOf(QStringLiteral("-vf")) + 1;
    QVERIFY(graph > 0);
    QCOMPARE(arguments.at(graph), overlayFilterGraph({words->overlayFileName()}));
    // An export into an album takes the watermarks and their rows with it.
    QVERIFY(window->watermarkRows().isEmpty());
    QVERIFY(preview->appliedWatermarks().isEmpty());
}

void TestEditors::editingAppliedImage_data()
{
    QTest::addColumn<bool>("apply");
    QTest::newRow("Don't Apply") << false;
    QTest::newRow("Apply") << true;
}

void TestEditors::editingAppliedImage()
{
    QFETCH(bool, apply);
    const QString faintPicture = categoryFolder(9) + QStringLiteral("/faint.png");
    QVERIFY(pictureOf(QSize(60, 40), Qt::blue).save(faintPicture));
    openImage();
    image()->imageCategoryCombo->setCurrentIndex(9);
    QTest::mouseClick(window->galleryThumbnails().first(), Qt::LeftButton);
    image()->imgOpacitySpin->setValue(4);
    image()->imgXBox->setValue(7);
    image()->imgYBox->setValue(-3);
    image()->imgWatermarkAplyBtn->click();
    auto *faint = qobject_cast<CImageWatermark *>(preview->appliedWatermarks().value(0));
    QVERIFY(faint);
    const QString firstOverlay = faint->overlayFileName();
    // Another one, elsewhere and opaque, leaves the controls at other values.
    openImage();
    image()->imgP9->click();
    image()->imgWatermarkAplyBtn->click();
    QCOMPARE(preview->appliedWatermarks().size(), 2);

    // The editor opens on the older one as it is: its place, opacity, offsets and picture.
    QTest::mouseClick(window->watermarkRows().first()->link(), Qt::LeftButton);
    QVERIFY(window->imageEditor()->isVisible());
    QCOMPARE(image()->imgOpacitySpin->value(), 4);
    QCOMPARE(image()->imgXBox->value(), 7);
    QCOMPARE(image()->imgYBox->value(), -3);
    QCOMPARE(window->placementNumber(), 1);
    QCOMPARE(faint->gridPlacement(), 1);
    QCOMPARE(window->imagePosition(), QPoint(7, 3));
    QCOMPARE(preview->pendingImage(), faintPicture);

    image()->imgP5->click();
    image()->imgOpacitySpin->setValue(8);
    image()->imgYBox->setValue(10);
    if (apply) {
        image()->imgWatermarkAplyBtn->click();
        QVERIFY(!window->imageEditor()->isVisible());
        QCOMPARE(faint->gridPlacement(), 5);
        QCOMPARE(faint->sourcePath(), faintPicture);
        // Drawn again at the video's centre, moved by its offsets, at the new opacity.
        const QImage overlay = QImage(overlayFolderPath() + QStringLiteral("/") + faint->overlayFileName())
                                   .convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(drawnArea(overlay), QRect(160 - 30 + 7, 120 - 20 - 10, 60, 40));
        QVERIFY(qAbs(qAlpha(overlay.pixel(160, 110)) - 204) <= 2);
    } else {
        window->imageEditor()->close();
        answerAlert(window->imageEditor()->alertSheet(), "btnDontApply");
        QCOMPARE(faint->gridPlacement(), 1);
        QCOMPARE(faint->opacity(), 4);
        QCOMPARE(faint->xOffset(), 7);
        QCOMPARE(faint->yOffset(), -3);
        QCOMPARE(faint->position(), QPoint(7, 3));
        QCOMPARE(faint->sourcePath(), faintPicture);
        QCOMPARE(faint->overlayFileName(), firstOverlay);
    }
    QCOMPARE(window->watermarkRows().size(), 2);
    QCOMPARE(window->watermarkRows().first()->link()->text(), QStringLiteral("faint.png"));
}

void TestEditors::pictureGoneWhileEditing()
{
    const QString picture = categoryFolder(9) + QStringLiteral("/gone.png");
    QVERIFY(pictureOf(QSize(50, 50), Qt::yellow).save(picture));
    // A second picture, so that the category does not empty (which would choose Symbols).
    QVERIFY(pictureOf(QSize(50, 50), Qt::gray).save(categoryFolder(9) + QStringLiteral("/kept.png")));
    openImage();
    image()->imageCategoryCombo->setCurrentIndex(9);
    QTest::mouseClick(window->galleryThumbnails().first(), Qt::LeftButton);
    image()->imgWatermarkAplyBtn->click();
    auto *watermark = qobject_cast<CImageWatermark *>(preview->appliedWatermarks().value(0));
    QVERIFY(watermark);
    const QString overlay = watermark->overlayFileName();

    // Its picture deleted from the gallery during an edit: it stays on the preview, and
    // applying it again is refused instead of burning in nothing.
    QTest::mouseClick(window->watermarkRows().first()->link(), Qt::LeftButton);
    image()->imageCategoryCombo->setCurrentIndex(9);
    QTest::mouseClick(window->galleryThumbnails().first(), Qt::LeftButton);
    image()->deleteBtn->click();
    QVERIFY(!QFileInfo::exists(picture));
    QCOMPARE(watermark->sourcePath(), picture);
    QVERIFY(!watermark->image().isNull());
    ModalWatcher watcher;
    image()->imgP9->click();
    image()->imgWatermarkAplyBtn->click();
    QTRY_COMPARE(watcher.texts.size(), 1);
    QVERIFY(watcher.texts.first().contains(QStringLiteral("gone.png")));
    QVERIFY(window->imageEditor()->isVisible());
    QCOMPARE(watermark->overlayFileName(), overlay);
    window->imageEditor()->close();
    answerAlert(window->imageEditor()->alertSheet(), "btnDontApply");
}

void TestEditors::stopBeforeTheEditorOpens()
{
    window->on_txtWMBtn_clicked();
    window->on_stopBtn_clicked();
    QTest::qWait(800);
    QVERIFY(!window->textEditor()->isVisible());
    // Nothing is left half-open: the editor opens again on the next try.
    child<QPushButton>("playBtn")->click();
    QTRY_COMPARE_WITH_TIMEOUT(window->player()->state(), QProcess::Running, 5000);
    openText();
}

void TestEditors::removingWatermarks()
{
    CTextWatermark *first = applyText(QStringLiteral("One"), text()->txtP1);
    CTextWatermark *second = applyText(QStringLiteral("Two"), text()->txtP9);
    QVERIFY(first && second);
    const QByteArray paused = slaveInput();
    QCOMPARE(window->watermarkRows().size(), 2);

    // One of two: playback stays as it is.
    window->watermarkRows().first()->cross()->click();
    QCOMPARE(window->watermarkRows().size(), 1);
    QCOMPARE(preview->appliedWatermarks(), QList<CWatermark *>({second}));
    QCOMPARE(slaveInput(), paused);
    QVERIFY(!window->isPlaying());

    // The last one: the paused video plays on.
    window->watermarkRows().first()->cross()->click();
    QVERIFY(preview->appliedWatermarks().isEmpty());
    QTRY_VERIFY(child<QWidget>("scrollAreaWidgetContents_3")->findChildren<CWatermarkListWidget *>().isEmpty());
    QTRY_COMPARE(slaveInput(), paused + "pause\n");
    QVERIFY(window->isPlaying());
    QVERIFY(child<QPushButton>("playBtn")->isEnabled());
    QVERIFY(!preview->isVisible());
}

void TestEditors::stopEmptiesTheList()
{
    QVERIFY(applyText(QStringLiteral("One"), text()->txtP1));
    QCOMPARE(window->watermarkRows().size(), 1);
    // As choosing another video does.
    window->on_stopBtn_clicked();
    QVERIFY(window->watermarkRows().isEmpty());
    QVERIFY(preview->appliedWatermarks().isEmpty());
    QVERIFY(preview->pixmap().isNull());
}

QTEST_MAIN(TestEditors)
#include "tst_editors.moc"
