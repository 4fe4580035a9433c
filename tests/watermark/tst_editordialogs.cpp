// The editor dialogs, the colour swatch, gallery thumbnails and list rows on their own,
// without the main window.

#include "shell/appfolders.h"
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
#include "watermark/placement.h"
#include "watermark/textwatermarkdlg.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

QString bareText(const QLabel *label)
{
    return QTextDocumentFragment::fromHtml(label->text()).toPlainText();
}

// Either editor, with the signals it applies and discards by.
struct Editor
{
    std::unique_ptr<CEditorDialog> dialog;
    const char *apply;
    const char *reset;
    CAlertSheetWidget *alert() const { return dialog->alertSheet(); }
};

Editor makeEditor(bool image)
{
    if (image)
        return {std::make_unique<ImageWatermarkDlg>(), SIGNAL(imageApply()), SIGNAL(imageReset())};
    return {std::make_unique<TextWatermarkDlg>(), SIGNAL(textApply()), SIGNAL(textReset())};
}

} // namespace

class TestEditorDialogs : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void closingWithChangesAsks_data();
    void closingWithChangesAsks();
    void alertAnswers_data();
    void alertAnswers();
    void failedApplyKeepsEditorOpen();
    void symbolBoxes_data();
    void symbolBoxes();
    void sizesFollowTheFont_data();
    void sizesFollowTheFont();
    void colourSwatch();
    void thumbnailSelection();
    void galleryFolders();
    void xOffsetBound_data();
    void xOffsetBound();
    void textRow();
    void imageRow_data();
    void imageRow();
    void rowRefreshesOnlyItsWatermark();
    void longNamesAreCut();

private:
    std::unique_ptr<TestHome> home;
};

void TestEditorDialogs::init()
{
    home = std::make_unique<TestHome>();
    QVERIFY(setUpDataFolders().ok);
}

void TestEditorDialogs::cleanup()
{
    home.reset();
}

void TestEditorDialogs::closingWithChangesAsks_data()
{
    QTest::addColumn<bool>("image");
    QTest::addColumn<bool>("escape");
    QTest::newRow("text, close") << false << false;
    QTest::newRow("text, escape") << false << true;
    QTest::newRow("image, close") << true << false;
    QTest::newRow("image, escape") << true << true;
}

void TestEditorDialogs::closingWithChangesAsks()
{
    QFETCH(bool, image);
    QFETCH(bool, escape);
    Editor editor = makeEditor(image);
    CEditorDialog *dialog = editor.dialog.get();
    dialog->show();
    // Any control change counts; the text editor counts its start-up placement already.
    if (image)
        static_cast<ImageWatermarkDlg *>(dialog)->form()->imgP5->click();

    if (escape)
        QTest::keyClick(dialog, Qt::Key_Escape);
    else
        dialog->close();
    QVERIFY(dialog->isVisible());
    CAlertSheetWidget *alert = editor.alert();
    QVERIFY(alert && alert->isVisible());
    QCOMPARE(alert->windowTitle(), dialog->windowTitle());
    QCOMPARE(alert->size(), QSize(406, 99));
    QCOMPARE(alert->windowModality(), Qt::ApplicationModal);
    QCOMPARE(bareText(alert->findChild<QLabel *>("lblMessage")),
             QStringLiteral("Setting has changes that have not been applied. Would you like to apply them?"));

    // Cancel leaves the editor open with its changes; the sheet is made once.
    alert->findChild<QPushButton *>("btnCancel")->click();
    QVERIFY(!alert->isVisible());
    QVERIFY(dialog->isVisible());
    dialog->close();
    QCOMPARE(editor.alert(), alert);
    QVERIFY(alert->isVisible());
    alert->close();
}

void TestEditorDialogs::alertAnswers_data()
{
    QTest::addColumn<bool>("image");
    QTest::addColumn<QString>("button");
    for (bool image : {false, true}) {
        const char *kind = image ? "image" : "text";
        QTest::addRow("%s, Apply", kind) << image << QStringLiteral("btnApply");
        QTest::addRow("%s, Don't Apply", kind) << image << QStringLiteral("btnDontApply");
    }
}

void TestEditorDialogs::alertAnswers()
{
    QFETCH(bool, image);
    QFETCH(QString, button);
    Editor editor = makeEditor(image);
    CEditorDialog *dialog = editor.dialog.get();
    QSignalSpy applies(dialog, editor.apply);
    QSignalSpy resets(dialog, editor.reset);
    QSignalSpy finished(dialog, &QDialog::finished);
    dialog->show();
    if (image)
        static_cast<ImageWatermarkDlg *>(dialog)->form()->imgRotateSpin->setValue(30);
    dialog->close();
    editor.alert()->findChild<QPushButton *>(button)->click();

    const bool apply = button == QStringLiteral("btnApply");
    QCOMPARE(applies.size(), apply ? 1 : 0);
    QCOMPARE(resets.size(), apply ? 0 : 1);
    QVERIFY(!editor.alert()->isVisible());
    QVERIFY(!dialog->isVisible());
    QCOMPARE(finished.size(), 1);

    // The flags went with the accepted close: a new session asks again.
    dialog->show();
    if (image)
        static_cast<ImageWatermarkDlg *>(dialog)->form()->imgRotateSpin->setValue(60);
    else
        static_cast<TextWatermarkDlg *>(dialog)->form()->watermarkTxtBox->setPlainText(QStringLiteral("again"));
    dialog->close();
    QVERIFY(dialog->isVisible());
    QVERIFY(editor.alert()->isVisible());
    editor.alert()->close();
}

void TestEditorDialogs::failedApplyKeepsEditorOpen()
{
    TextWatermarkDlg dialog;
    // What the main window does when the overlay could not be written.
    connect(&dialog, &TextWatermarkDlg::textApply, &dialog, &TextWatermarkDlg::applyFailed);
    dialog.show();
    dialog.close();
    dialog.alertSheet()->findChild<QPushButton *>("btnApply")->click();
    QVERIFY(dialog.isVisible());
    QVERIFY(dialog.isChanged() && !dialog.isApplied());
    // The changes still wait, so closing asks again.
    dialog.close();
    QVERIFY(dialog.isVisible());
    QVERIFY(dialog.alertSheet()->isVisible());
    dialog.alertSheet()->close();
}

void TestEditorDialogs::symbolBoxes_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("symbol");
    QTest::newRow("TM") << QStringLiteral("TMchkBox") << QStringLiteral("#TM");
    QTest::newRow("C") << QStringLiteral("circleCchkBox") << QStringLiteral("#C");
    QTest::newRow("R") << QStringLiteral("circleRchkBox") << QStringLiteral("#R");
}

void TestEditorDialogs::symbolBoxes()
{
    QFETCH(QString, box);
    QFETCH(QString, symbol);
    TextWatermarkDlg dialog;
    dialog.show();
    QPlainTextEdit *text = dialog.form()->watermarkTxtBox;
    text->setPlainText(QStringLiteral("Orvantis"));

    dialog.form()->moreBtn->click();
    QWidget *panel = dialog.form()->MoreOptionWdgt;
    QVERIFY(panel->isWindow() && panel->isVisible());
    QCOMPARE(panel->windowTitle(), QStringLiteral("Symbols"));
    auto *check = panel->findChild<QCheckBox *>(box);
    QVERIFY(check && !check->isChecked());

    QTest::mouseClick(check, Qt::LeftButton, {}, check->rect().center());
    QCOMPARE(text->toPlainText(), QStringLiteral("Orvantis\n") + symbol);
    QTest::mouseClick(check, Qt::LeftButton, {}, check->rect().center());
    QCOMPARE(text->toPlainText(), QStringLiteral("Orvantis"));

    // Done keeps the symbols in the text and clears the boxes.
    QTest::mouseClick(check, Qt::LeftButton, {}, check->rect().center());
    QSignalSpy changed(&dialog, &TextWatermarkDlg::textChanged);
    dialog.form()->doneBtn->click();
    QCOMPARE(changed.size(), 1);
    QVERIFY(!check->isChecked());
    QVERIFY(!panel->isVisible());
    QCOMPARE(text->toPlainText(), QStringLiteral("Orvantis\n") + symbol);
}

void TestEditorDialogs::sizesFollowTheFont_data()
{
    QTest::addColumn<bool>("scalable");
    QTest::newRow("outline font") << true;
    QTest::newRow("bitmap font") << false;
}

void TestEditorDialogs::sizesFollowTheFont()
{
    QFETCH(bool, scalable);
    QFont font(QStringLiteral("Liberation Sans"));
    if (!scalable) {
        const int id = QFontDatabase::addApplicationFont(QStringLiteral(ORVANTIS_FIXTURES "/bitmap10.bdf"));
        QVERIFY2(id >= 0, "the bitmap fixture font did not load");
        font = QFont(QFontDatabase::applicationFontFamilies(id).first());
    }
    const QString style = QFontInfo(font).styleName();
    QCOMPARE(QFontDatabase::isSmoothlyScalable(font.family(), style), scalable);

    TextWatermarkDlg dialog;
    QComboBox *sizes = dialog.form()->cmbSize;
    dialog.findSizes(QFont(QStringLiteral("Liberation Sans")));
    sizes->setCurrentIndex(sizes->findText(QStringLiteral("12")));
    QSignalSpy changeSize(&dialog, &TextWatermarkDlg::changeSize);
    dialog.findSizes(font);

    QStringList expected;
    for (int size : scalable ? QFontDatabase::standardSizes() : QFontDatabase::smoothSizes(font.family(), style))
        expected << QString::number(size);
    QStringList listed;
    for (int i = 0; i < sizes->count(); ++i)
        listed << sizes->itemText(i);
    QCOMPARE(listed, expected);
    QVERIFY(!listed.isEmpty());
    QCOMPARE(sizes->isEditable(), scalable);
    // The size chosen before stays when the new list has it; otherwise the first entry.
    QCOMPARE(sizes->currentText(), listed.contains(QStringLiteral("12")) ? QStringLiteral("12") : listed.first());

    // Picking an entry sets the size to its number.
    changeSize.clear();
    sizes->setCurrentIndex(sizes->count() - 1);
    if (sizes->count() > 1)
        QCOMPARE(changeSize.value(0).value(0).toInt(), listed.last().toInt());
}

void TestEditorDialogs::colourSwatch()
{
    CColorLabel swatch;
    QColor offered;
    QColor answer = QColor(200, 30, 40);
    swatch.setColorChooser([&](const QColor &initial, QWidget *) {
        offered = initial;
        return answer;
    });
    QSignalSpy told(&swatch, &CColorLabel::setColor);
    QVERIFY(swatch.autoFillBackground());
    QCOMPARE(swatch.palette().color(QPalette::Window), QColor(Qt::black));

    QTest::mouseClick(&swatch, Qt::LeftButton);
    QCOMPARE(offered, QColor(Qt::green));
    QCOMPARE(told.size(), 1);
    QCOMPARE(told.first().first().value<QColor>(), answer);
    QCOMPARE(swatch.palette().color(QPalette::Window), answer);

    // A dialog closed without a choice changes nothing.
    answer = QColor();
    QTest::mouseClick(&swatch, Qt::LeftButton);
    QCOMPARE(told.size(), 1);
    QCOMPARE(swatch.palette().color(QPalette::Window), QColor(200, 30, 40));

    // Shown, not told.
    swatch.showColor(Qt::blue);
    QCOMPARE(swatch.palette().color(QPalette::Window), QColor(Qt::blue));
    QCOMPARE(told.size(), 1);
}

void TestEditorDialogs::thumbnailSelection()
{
    QImage picture(57, 57, QImage::Format_RGB32);
    picture.fill(Qt::red);
    CImageWatermarkLabel thumbnail(picture);
    QCOMPARE(thumbnail.size(), QSize(70, 70));
    QVERIFY(thumbnail.hasMouseTracking());
    QSignalSpy selected(&thumbnail, &CImageWatermarkLabel::selectedImageWatermark);
    QTest::mouseClick(&thumbnail, Qt::LeftButton);
    QVERIFY(thumbnail.isSelected());
    QCOMPARE(selected.size(), 1);
    // A second press on a selected thumbnail tells nothing new.
    QTest::mouseClick(&thumbnail, Qt::LeftButton);
    QCOMPARE(selected.size(), 1);

    // Frames only while the editors may be used.
    thumbnail.show();
    const QRgb frame = qRgb(0, 158, 255);
    auto corner = [&thumbnail] { return thumbnail.grab().toImage().pixel(1, 35); };
    QVERIFY(corner() != frame);
    thumbnail.setHighlightEnabled(true);
    QCOMPARE(corner(), frame);
}

void TestEditorDialogs::galleryFolders()
{
    QCOMPARE(categoryFolder(0), home->data() + QStringLiteral("/OrvantisImage/Symbols"));
    QCOMPARE(categoryFolder(9), home->data() + QStringLiteral("/OrvantisImage/My Pictures"));
    QVERIFY(categoryFolder(10).isEmpty());
    QVERIFY(categoryFolder(-1).isEmpty());

    const QString folder = categoryFolder(3);
    for (const char *name : {"b10.png", "b2.PNG", "a.jpg", "c.bmp", "notes.txt", "d.gif"})
        QVERIFY(writeFile(folder + QLatin1Char('/') + QLatin1String(name), "x"));
    QVERIFY(QDir().mkpath(folder + QStringLiteral("/e.png")));
    QStringList names;
    for (const QString &path : galleryPictures(folder))
        names << QFileInfo(path).fileName();
    QCOMPARE(names, QStringList({"a.jpg", "b2.PNG", "b10.png", "c.bmp"}));

    // The stamps arrive once; a file of the same name already there is kept.
    const QString symbols = categoryFolder(0);
    QVERIFY(writeFile(symbols + QStringLiteral("/stamp3.png"), "mine"));
    copyClipArt(QStringLiteral(":/image/watermarkimages"), symbols);
    QCOMPARE(galleryPictures(symbols).size(), 12);
    QCOMPARE(readAll(symbols + QStringLiteral("/stamp3.png")), QByteArray("mine"));
    QVERIFY(!QImage(symbols + QStringLiteral("/stamp12.png")).isNull());
    QVERIFY(QFileInfo(symbols + QStringLiteral("/stamp12.png")).isWritable());
}

void TestEditorDialogs::xOffsetBound_data()
{
    QTest::addColumn<int>("placement");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("maximum");
    QTest::newRow("left, 100 wide") << 1 << 100 << 460;
    QTest::newRow("centre, 100 wide") << 5 << 100 << 260;
    QTest::newRow("right, 100 wide") << 9 << 100 << 60;
    QTest::newRow("right, 30 wide") << 3 << 30 << 0;
    QTest::newRow("no picture") << 1 << 0 << 500;
}

void TestEditorDialogs::xOffsetBound()
{
    QFETCH(int, placement);
    QFETCH(int, width);
    QFETCH(int, maximum);
    QCOMPARE(maximumXOffset(placement, 500, width), maximum);
}

void TestEditorDialogs::textRow()
{
    QWidget preview;
    preview.resize(500, 420);
    auto *watermark = new CTextWatermark(&preview);
    watermark->setText(QStringLiteral("Hello"));
    CWatermarkListWidget row(0, watermark, nullptr);
    QCOMPARE(row.size(), QSize(240, 60));
    QCOMPARE(row.link()->text(), QStringLiteral("Hello"));
    QVERIFY(row.link()->findChild<QLabel *>()->text().contains(QStringLiteral("darkBlue")));
    QCOMPARE(row.type()->text(), QStringLiteral("---"));
    QCOMPARE(row.sizeText()->text(), QStringLiteral("---"));
    QVERIFY(row.layout()->indexOf(row.thumbnail()) < 0);
    QCOMPARE(row.cross()->text(), QStringLiteral("x"));
    QCOMPARE(row.cross()->maximumWidth(), 25);
    QVERIFY(row.enableBox()->isChecked());

    // The check box shows and hides the watermark.
    row.enableBox()->setChecked(false);
    QVERIFY(watermark->isHidden());
    row.enableBox()->setChecked(true);
    QVERIFY(!watermark->isHidden());

    QSignalSpy edit(&row, &CWatermarkListWidget::textWatermarkEditMode);
    QSignalSpy remove(&row, &CWatermarkListWidget::removeWatermark);
    QSignalSpy selection(&row, &CWatermarkListWidget::resetSelection);
    QTest::mouseClick(row.link(), Qt::LeftButton);
    QCOMPARE(edit.size(), 1);
    QCOMPARE(edit.first().first().value<CTextWatermark *>(), watermark);
    QVERIFY(!row.isSelected());
    QTest::mouseClick(&row, Qt::LeftButton, {}, QPoint(200, 50));
    QVERIFY(row.isSelected());
    QTest::mouseClick(&row, Qt::LeftButton, {}, QPoint(200, 50));
    QCOMPARE(selection.size(), 1);
    row.cross()->click();
    QCOMPARE(remove.size(), 1);
    QCOMPARE(remove.first().at(0).value<CWatermarkListWidget *>(), &row);
    QCOMPARE(remove.first().at(1).value<CTextWatermark *>(), watermark);
    QVERIFY(!remove.first().at(2).value<CImageWatermark *>());
}

void TestEditorDialogs::imageRow_data()
{
    QTest::addColumn<bool>("present");
    QTest::newRow("picture present") << true;
    QTest::newRow("picture gone") << false;
}

void TestEditorDialogs::imageRow()
{
    QFETCH(bool, present);
    const QString logo = home->path() + QStringLiteral("/logo.png");
    QImage picture(320, 200, QImage::Format_ARGB32);
    picture.fill(Qt::darkGreen);
    QVERIFY(picture.save(logo));
    QWidget preview;
    preview.resize(500, 420);
    auto *watermark = new CImageWatermark(&preview);
    watermark->setImage(logo);
    if (!present)
        QFile::remove(logo);

    CWatermarkListWidget row(1, nullptr, watermark);
    QSignalSpy edit(&row, &CWatermarkListWidget::imageWatermarkEditMode);
    QTest::mouseClick(row.link(), Qt::LeftButton);
    QVERIFY(row.layout()->indexOf(row.thumbnail()) >= 0);
    if (present) {
        QCOMPARE(row.link()->text(), QStringLiteral("logo.png"));
        QCOMPARE(row.type()->text(), QStringLiteral("PNG"));
        QCOMPARE(row.sizeText()->text(), QStringLiteral("320 x 200"));
        QCOMPARE(row.thumbnail()->pixmap().size(), QSize(40, 40));
        QCOMPARE(edit.size(), 1);
    } else {
        QVERIFY(row.link()->text().isEmpty());
        QCOMPARE(row.link()->width(), 0);
        QVERIFY(row.type()->text().isEmpty() && row.sizeText()->text().isEmpty());
        QVERIFY(row.thumbnail()->pixmap().isNull());
        QCOMPARE(edit.size(), 0);
    }
}

void TestEditorDialogs::rowRefreshesOnlyItsWatermark()
{
    QWidget preview;
    preview.resize(500, 420);
    auto *watermark = new CTextWatermark(&preview);
    watermark->setText(QStringLiteral("First"));
    auto *other = new CTextWatermark(&preview);
    other->setText(QStringLiteral("Other"));
    CWatermarkListWidget row(0, watermark, nullptr);

    row.updateWatermarkText(other);
    QCOMPARE(row.link()->text(), QStringLiteral("First"));
    QCOMPARE(row.textWatermark(), watermark);
    watermark->setText(QStringLiteral("Second"));
    row.updateWatermarkText(watermark);
    QCOMPARE(row.link()->text(), QStringLiteral("Second"));

    // An image row takes the new picture of its own watermark only.
    const QString first = home->path() + QStringLiteral("/first.png");
    const QString second = home->path() + QStringLiteral("/second.jpg");
    QImage picture(64, 32, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QVERIFY(picture.save(first) && picture.scaled(30, 90).save(second));
    auto *image = new CImageWatermark(&preview);
    image->setImage(first);
    auto *stranger = new CImageWatermark(&preview);
    stranger->setImage(second);
    CWatermarkListWidget imageRow(1, nullptr, image);
    imageRow.updateWatermarkImage(stranger);
    QCOMPARE(imageRow.link()->text(), QStringLiteral("first.png"));
    image->setImage(second);
    imageRow.updateWatermarkImage(image);
    QCOMPARE(imageRow.link()->text(), QStringLiteral("second.jpg"));
    QCOMPARE(imageRow.type()->text(), QStringLiteral("JPG"));
    QCOMPARE(imageRow.sizeText()->text(), QStringLiteral("30 x 90"));
}

void TestEditorDialogs::longNamesAreCut()
{
    QFont font(QStringLiteral("Times"), 8, QFont::Normal, false);
    font.setStyleHint(QFont::SansSerif, QFont::PreferDefault);
    const QFontMetrics metrics(font);
    const QString shortName = QStringLiteral("Hello");
    QString longName = QStringLiteral("A watermark whose name runs on");
    while (metrics.horizontalAdvance(longName) <= 180)
        longName += QStringLiteral(" and on");

    CLinkLable link(QString(), 1);
    link.setLinkText(shortName);
    QCOMPARE(link.size(), QSize(metrics.horizontalAdvance(shortName), metrics.height()));
    link.setLinkText(longName);
    // Cut at the right, not wrapped onto a second line or elided.
    QCOMPARE(link.size(), QSize(180, metrics.height()));
    QCOMPARE(link.text(), longName);
    QVERIFY(!link.findChild<QLabel *>()->wordWrap());
}

QTEST_MAIN(TestEditorDialogs)
#include "tst_editordialogs.moc"
