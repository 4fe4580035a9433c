// The main window's side of the watermark editors and of the list of applied watermarks.
// The editors only signal; what their controls mean for the watermark on the preview is
// decided here.

#include "mainwindow.h"

#include "ui_imagewatermarkdlg.h"
#include "ui_mainwindow.h"
#include "ui_textwatermarkdlg.h"

#include "appfolders.h"
#include "buttonstyle.h"
#include "messageboxes.h"

#include "media/playercommand.h"
#include "watermark/ccolorlabel.h"
#include "watermark/cimagewatermark.h"
#include "watermark/cimagewatermarklabel.h"
#include "watermark/ctextwatermark.h"
#include "watermark/cwatermarklistwidget.h"
#include "watermark/gallery.h"
#include "watermark/imagewatermarkdlg.h"
#include "watermark/placement.h"
#include "watermark/textwatermarkdlg.h"
#include "watermark/watermarklabel.h"

#include <QFileInfo>
#include <QImageReader>
#include <QTimer>

namespace {

// The editors open once mplayer has had time to write the paused frame.
constexpr int editorDelayMs = 500;
constexpr int frameRetryMs = 250;
// mplayer writes the frame on its next picture; a busy machine may take a few seconds.
constexpr int frameTries = 20;

} // namespace

void MainWindow::createEditors()
{
    textDialog = new TextWatermarkDlg(this);
    connect(textDialog, &TextWatermarkDlg::textChanged, this, &MainWindow::watermarkTxtBox_textChanged);
    connect(textDialog, &TextWatermarkDlg::textApply, this, &MainWindow::txtWatermarkAplyBtn_clicked);
    connect(textDialog, &TextWatermarkDlg::textReset, this, &MainWindow::txtWatermarkCancelBtn_clicked);
    connect(textDialog, &TextWatermarkDlg::p1clicked, this, &MainWindow::txtP1_clicked);
    connect(textDialog, &TextWatermarkDlg::p2clicked, this, &MainWindow::txtP2_clicked);
    connect(textDialog, &TextWatermarkDlg::p3clicked, this, &MainWindow::txtP3_clicked);
    connect(textDialog, &TextWatermarkDlg::p4clicked, this, &MainWindow::txtP4_clicked);
    connect(textDialog, &TextWatermarkDlg::p5clicked, this, &MainWindow::txtP5_clicked);
    connect(textDialog, &TextWatermarkDlg::p6clicked, this, &MainWindow::txtP6_clicked);
    connect(textDialog, &TextWatermarkDlg::p7clicked, this, &MainWindow::txtP7_clicked);
    connect(textDialog, &TextWatermarkDlg::p8clicked, this, &MainWindow::txtP8_clicked);
    connect(textDialog, &TextWatermarkDlg::p9clicked, this, &MainWindow::txtP9_clicked);
    connect(textDialog, &TextWatermarkDlg::xvaluechanged, this, &MainWindow::txtXBox_valueChanged);
    connect(textDialog, &TextWatermarkDlg::yvaluechanged, this, &MainWindow::txtYBox_valueChanged);
    connect(textDialog, &TextWatermarkDlg::rslidervaluechanged, this, &MainWindow::txtRotateSlider_valueChanged);
    connect(textDialog, &TextWatermarkDlg::oslidervaluechanged, this, &MainWindow::txtOpacitySlider_valueChanged);
    connect(textDialog, &TextWatermarkDlg::rspinvaluechanged, this, &MainWindow::txtRotateSpin_valueChanged);
    connect(textDialog, &TextWatermarkDlg::ospinvaluechanged, this, &MainWindow::txtOpacitySpin_valueChanged);
    connect(textDialog, &TextWatermarkDlg::changeFont, this, &MainWindow::fontComboBox_currentFontChanged);
    connect(textDialog, &TextWatermarkDlg::changeSize, this, &MainWindow::txtSizeBox_valueChanged);
    connect(textDialog, &TextWatermarkDlg::boldclicked, this, &MainWindow::boldBtn_clicked);
    connect(textDialog, &TextWatermarkDlg::italianclicked, this, &MainWindow::italainBtn_clicked);
    connect(textDialog, &TextWatermarkDlg::underlineclicked, this, &MainWindow::underlinBtn_clicked);
    connect(textDialog, &TextWatermarkDlg::lindentclicked, this, &MainWindow::LeftIndentBtn_clicked);
    connect(textDialog, &TextWatermarkDlg::cindentclicked, this, &MainWindow::centreIndentBtn_clicked);
    connect(textDialog, &TextWatermarkDlg::rindentclicked, this, &MainWindow::rightIndentBtn_clicked);
    connect(textDialog, &TextWatermarkDlg::closeTextWatermarkEvent, this, &MainWindow::closeTextWatermark);
    connect(textDialog->colorSwatch(), &CColorLabel::setColor, this, &MainWindow::changeColor);
    connect(textDialog, &QDialog::finished, this, [this] { editorFinished(false); });
    stylePlacement(textDialog, 1);
    styleToggles();
    styleAlignment(0);
    textDialog->hide();

    imageDialog = new ImageWatermarkDlg(this);
    connect(imageDialog, &ImageWatermarkDlg::p1clicked, this, &MainWindow::imgP1_clicked);
    connect(imageDialog, &ImageWatermarkDlg::p2clicked, this, &MainWindow::imgP2_clicked);
    connect(imageDialog, &ImageWatermarkDlg::p3clicked, this, &MainWindow::imgP3_clicked);
    connect(imageDialog, &ImageWatermarkDlg::p4clicked, this, &MainWindow::imgP4_clicked);
    connect(imageDialog, &ImageWatermarkDlg::p5clicked, this, &MainWindow::imgP5_clicked);
    connect(imageDialog, &ImageWatermarkDlg::p6clicked, this, &MainWindow::imgP6_clicked);
    connect(imageDialog, &ImageWatermarkDlg::p7clicked, this, &MainWindow::imgP7_clicked);
    connect(imageDialog, &ImageWatermarkDlg::p8clicked, this, &MainWindow::imgP8_clicked);
    connect(imageDialog, &ImageWatermarkDlg::p9clicked, this, &MainWindow::imgP9_clicked);
    connect(imageDialog, &ImageWatermarkDlg::xvaluechanged, this, &MainWindow::imgXBox_valueChanged);
    connect(imageDialog, &ImageWatermarkDlg::yvaluechanged, this, &MainWindow::imgYBox_valueChanged);
    connect(imageDialog, &ImageWatermarkDlg::rslidervaluechanged, this, &MainWindow::imgRotateSlider_valueChanged);
    connect(imageDialog, &ImageWatermarkDlg::oslidervaluechanged, this, &MainWindow::imgOpacitySlider_valueChanged);
    connect(imageDialog, &ImageWatermarkDlg::rspinvaluechanged, this, &MainWindow::imgRotateSpin_valueChanged);
    connect(imageDialog, &ImageWatermarkDlg::ospinvaluechanged, this, &MainWindow::imgOpacitySpin_valueChanged);
    connect(imageDialog, &ImageWatermarkDlg::imageApply, this, &MainWindow::imgWatermarkAplyBtn_clicked);
    connect(imageDialog, &ImageWatermarkDlg::imageReset, this, &MainWindow::imgWatermarkCancelBtn_clicked);
    connect(imageDialog, &ImageWatermarkDlg::changeCategory, this, &MainWindow::imageCategoryCombo_currentIndexChanged);
    connect(imageDialog, &ImageWatermarkDlg::addWatermark, this, &MainWindow::addBtn_clicked);
    connect(imageDialog, &ImageWatermarkDlg::deleteWatermark, this, &MainWindow::deleteBtn_clicked);
    connect(imageDialog, &ImageWatermarkDlg::enableSelectedImageWatermark, this,
            &MainWindow::enableSelectedImageWatermark);
    connect(imageDialog, &QDialog::finished, this, [this] { editorFinished(true); });
    stylePlacement(imageDialog, 1);

    initClipArt();
}

QList<CWatermarkListWidget *> MainWindow::watermarkRows() const
{
    QList<CWatermarkListWidget *> rows;
    for (int i = 0; i < ui->watermarkLayout->count(); ++i) {
        if (auto *row = qobject_cast<CWatermarkListWidget *>(ui->watermarkLayout->itemAt(i)->widget()))
            rows << row;
    }
    return rows;
}

// ---------------------------------------------------------------------------------------
// Opening and closing the editors

void MainWindow::pauseForEditing()
{
    if (!playerProcess || playerProcess->state() != QProcess::Running || !playing)
        return;
    playerProcess->write(screenshotCommand());
    playerProcess->write(pauseCommand());
    playbackTimer.stop();
    playing = false;
}

void MainWindow::loadPreviewFrame(int triesLeft)
{
    if (preview->showPreviewFrame(currentVideoPath) || triesLeft <= 0)
        return;
    QTimer::singleShot(frameRetryMs, this, [this, triesLeft] {
        // Only while an editor still waits on the frame.
        if (editorPending)
            loadPreviewFrame(triesLeft - 1);
    });
}

void MainWindow::resumeAfterEditing()
{
    clearShadowImages();
    setPlayControlsEnabled(true);
    ui->exportBtn->setEnabled(false);
    preview->hideAll();
    if (playerProcess && playerProcess->state() == QProcess::Running) {
        playerProcess->write(pauseCommand());
        // The video plays on, so its clock does too.
        playbackTimer.start();
        playing = true;
    }
}

void MainWindow::editorFinished(bool image)
{
    // Closed without Apply or Don't Apply (nothing was changed, or an Apply that had nothing
    // to apply): the session still ends like a discard, so no half-made watermark stays.
    if (!editorSettled) {
        if (image)
            imgWatermarkCancelBtn_clicked();
        else
            txtWatermarkCancelBtn_clicked();
    }
    editorPending = false;
    textBackup = nullptr;
    imageBackup = nullptr;
    if (!playing)
        preview->show();
}

void MainWindow::on_txtWMBtn_clicked()
{
    if (editorPending)
        return;
    editorPending = true;
    pauseForEditing();
    QTimer::singleShot(editorDelayMs, this, &MainWindow::showTextWatermarkDlg);
}

void MainWindow::on_imgWMBtn_clicked()
{
    if (editorPending)
        return;
    editorPending = true;
    preview->setImageEditMode(false);
    pauseForEditing();
    QTimer::singleShot(editorDelayMs, this, &MainWindow::showImageWatermarkDlg);
}

void MainWindow::showTextWatermarkDlg()
{
    // Stopped, or another video chosen, in the half second before: nothing to edit on.
    if (!editorPending || !videoLoaded) {
        editorPending = false;
        return;
    }
    editorSettled = false;
    setPlayControlsEnabled(false);
    loadPreviewFrame(frameTries);
    imageEditorOpen = false;
    preview->show();
    imageDialog->hide();
    preview->setImageMode(false);
    preview->setTextEditMode(false);
    emit changeWatemark(false);
    preview->setPlacement(1);
    resetTextEditor();
    textDialog->form()->watermarkTxtBox->setPlainText(QStringLiteral("Type your desired text here!"));
    // Once more when the dialog is up and the text has its final size.
    QTimer::singleShot(editorDelayMs, this, [this] {
        if (textDialog->isVisible())
            watermarkTxtBox_textChanged();
    });
    textDialog->show();
}

void MainWindow::showImageWatermarkDlg()
{
    if (!editorPending || !videoLoaded) {
        editorPending = false;
        return;
    }
    editorSettled = false;
    setPlayControlsEnabled(false);
    loadPreviewFrame(frameTries);
    imageEditorOpen = true;
    textDialog->hide();
    preview->setImageMode(true);
    preview->setImageEditMode(false);
    emit changeWatemark(true);
    // Nothing is chosen yet: an Apply before a choice must find no picture.
    preview->setPendingImage(QString());
    chosenPicturePath.clear();
    resetImageEditor();
    preview->setPlacement(1);
    preview->show();
    if (!thumbnails.isEmpty())
        refreshWatermark(thumbnails.first());
    imageDialog->show();
}

void MainWindow::resetTextEditor()
{
    Ui::TextWatermarkDlg *form = textDialog->form();
    form->txtOpacitySlider->setValue(9);
    form->txtRotateSlider->setValue(0);
    form->txtXBox->setValue(0);
    form->txtYBox->setValue(0);
    form->watermarkTxtBox->clear();
    const QFont arial(QStringLiteral("Arial"), 10, -1, false);
    form->fontComboBox->setCurrentFont(arial);
    textDialog->findSizes(arial);
    const int ten = form->cmbSize->findText(QStringLiteral("10"));
    if (ten >= 0)
        form->cmbSize->setCurrentIndex(ten);
    boldOn = italicOn = underlineOn = false;
    styleToggles();
    txtP1_clicked();
    textDialog->colorSwatch()->showColor(Qt::black);
    stylePlacement(textDialog, 1);
}

void MainWindow::resetImageEditor()
{
    Ui::ImageWatermarkDlg *form = imageDialog->form();
    form->imgOpacitySlider->setValue(10);
    form->imgRotateSlider->setValue(0);
    form->imgXBox->setValue(0);
    form->imgYBox->setValue(0);
    // Loaded afresh also when Symbols is current already: its folder may have changed.
    if (form->imageCategoryCombo->currentIndex() == 0)
        loadGallery(categoryFolder(0));
    else
        form->imageCategoryCombo->setCurrentIndex(0);
    stylePlacement(imageDialog, 1);
    imgP1_clicked();
}

// ---------------------------------------------------------------------------------------
// Text watermark

void MainWindow::watermarkTxtBox_textChanged()
{
    preview->setText(textDialog->form()->watermarkTxtBox->toPlainText());
    if (!preview->isTextEditMode())
        processMoveProcess();
}

void MainWindow::placeText(int placement)
{
    preview->setPlacement(placement);
    if (CTextWatermark *current = preview->currentTextWatermark())
        current->updateWatermark();
    currentPlacement = placement;
    stylePlacement(textDialog, placement);
}

void MainWindow::txtP1_clicked() { placeText(1); }
void MainWindow::txtP2_clicked() { placeText(2); }
void MainWindow::txtP3_clicked() { placeText(3); }
void MainWindow::txtP4_clicked() { placeText(4); }
void MainWindow::txtP5_clicked() { placeText(5); }
void MainWindow::txtP6_clicked() { placeText(6); }
void MainWindow::txtP7_clicked() { placeText(7); }
void MainWindow::txtP8_clicked() { placeText(8); }
void MainWindow::txtP9_clicked() { placeText(9); }

void MainWindow::txtXBox_valueChanged(int value)
{
    preview->setTextXOffset(value);
}

void MainWindow::txtYBox_valueChanged(int value)
{
    preview->setTextYOffset(value);
}

void MainWindow::txtRotateSlider_valueChanged(int value)
{
    preview->setTextRotation(value);
    textDialog->form()->txtRotateSpin->setValue(value);
}

void MainWindow::txtOpacitySlider_valueChanged(int value)
{
    preview->setTextOpacity(value);
    textDialog->form()->txtOpacitySpin->setValue(value);
}

void MainWindow::txtRotateSpin_valueChanged(int value)
{
    textDialog->form()->txtRotateSlider->setValue(value);
}

void MainWindow::txtOpacitySpin_valueChanged(int value)
{
    textDialog->form()->txtOpacitySlider->setValue(value);
}

void MainWindow::fontComboBox_currentFontChanged(const QFont &font)
{
    preview->setFontFamily(font.toString());
}

void MainWindow::txtSizeBox_valueChanged(int size)
{
    preview->setTextSize(size);
    if (!preview->isTextEditMode())
        processMoveProcess();
}

void MainWindow::styleToggles()
{
    Ui::TextWatermarkDlg *form = textDialog->form();
    form->boldBtn->setStyleSheet(toggleButtonStyle(form->boldBtn->objectName(), QStringLiteral("bold"), boldOn));
    form->italainBtn->setStyleSheet(toggleButtonStyle(form->italainBtn->objectName(), QStringLiteral("italic"), italicOn));
    form->underlinBtn->setStyleSheet(
        toggleButtonStyle(form->underlinBtn->objectName(), QStringLiteral("underline"), underlineOn));
}

void MainWindow::boldBtn_clicked()
{
    boldOn = !boldOn;
    styleToggles();
    preview->setBold(boldOn);
}

void MainWindow::italainBtn_clicked()
{
    italicOn = !italicOn;
    styleToggles();
    preview->setItalic(italicOn);
}

void MainWindow::underlinBtn_clicked()
{
    underlineOn = !underlineOn;
    styleToggles();
    preview->setUnderline(underlineOn);
}

void MainWindow::styleAlignment(int index)
{
    Ui::TextWatermarkDlg *form = textDialog->form();
    QPushButton *buttons[] = {form->LeftIndentBtn, form->centreIndentBtn, form->rightIndentBtn};
    for (int i = 1; i <= 3; ++i)
        buttons[i - 1]->setStyleSheet(alignmentButtonStyle(buttons[i - 1]->objectName(), i, i == index));
}

void MainWindow::LeftIndentBtn_clicked()
{
    preview->setAlignment(1);
    styleAlignment(1);
}

void MainWindow::centreIndentBtn_clicked()
{
    preview->setAlignment(2);
    styleAlignment(2);
}

void MainWindow::rightIndentBtn_clicked()
{
    preview->setAlignment(3);
    styleAlignment(3);
}

void MainWindow::closeTextWatermark() {}

void MainWindow::changeColor(const QColor &color)
{
    preview->setTextColor(color);
}

void MainWindow::setTextColor(const QColor &color)
{
    textDialog->colorSwatch()->showColor(color);
}

void MainWindow::stylePlacement(CEditorDialog *editor, int placement)
{
    for (int i = 1; i <= 9; ++i) {
        QPushButton *button = editor->placementButton(i);
        button->setStyleSheet(placementButtonStyle(button->objectName(), i, i == placement));
    }
}

void MainWindow::processMoveProcess()
{
    if (currentPlacement < 1 || currentPlacement > 9)
        return;
    if (imageEditorOpen)
        placeImage(currentPlacement);
    else
        placeText(currentPlacement);
}

void MainWindow::addRow(CWatermarkListWidget *row)
{
    connect(row, &CWatermarkListWidget::removeWatermark, this, &MainWindow::removeWatermark);
    if (row->textWatermark()) {
        connect(preview, &watermarkLabel::updateTextWatermarkLayout, row, &CWatermarkListWidget::updateWatermarkText);
        connect(row, &CWatermarkListWidget::textWatermarkEditMode, this, &MainWindow::editTextWatermark);
    } else {
        connect(row, &CWatermarkListWidget::imageWatermarkEditMode, this, &MainWindow::editImageWatermark);
        connect(preview, &watermarkLabel::updateImageWatermarkLayout, row, &CWatermarkListWidget::updateWatermarkImage);
    }
    ui->watermarkLayout->addWidget(row);
}

bool MainWindow::commitCurrentWatermark(CEditorDialog *editor, bool editing)
{
    if (sizeProbe.videoWidth > 0 && sizeProbe.videoHeight > 0)
        preview->setVideoSize(sizeProbe.videoWidth, sizeProbe.videoHeight);
    preview->setRecordedPlacement(currentPlacement);
    const qsizetype before = preview->appliedWatermarks().size();
    if (const Outcome applied = preview->commitCurrent(); !applied) {
        // The editor stays open with its changes; nothing was listed.
        editor->applyFailed();
        showNotice(applied.message);
        return false;
    }
    // Only a watermark the Apply really added gets a row; a re-applied edit refreshes its own.
    const QList<CWatermark *> applied = preview->appliedWatermarks();
    if (!editing && applied.size() > before) {
        CWatermark *added = applied.last();
        addRow(new CWatermarkListWidget(added->isText() ? 0 : 1, qobject_cast<CTextWatermark *>(added),
                                        qobject_cast<CImageWatermark *>(added)));
    }
    editorSettled = true;
    ui->exportBtn->setEnabled(true);
    return true;
}

void MainWindow::txtWatermarkAplyBtn_clicked()
{
    if (!commitCurrentWatermark(textDialog, preview->isTextEditMode()))
        return;
    textDialog->close();
    textBackup = nullptr;
    ui->watermarkListWdgt->show();
    preview->setTextEditMode(false);
}

void MainWindow::txtWatermarkCancelBtn_clicked()
{
    editorSettled = true;
    if (preview->isTextEditMode()) {
        if (textDialog->isDiscarded() && textBackup)
            textDialog->loadFrom(textBackup);
        preview->setTextEditMode(false);
        return;
    }
    resetTextEditor();
    preview->discardNewText();
    if (!watermarksApplied())
        resumeAfterEditing();
    preview->setTextEditMode(false);
}

void MainWindow::editTextWatermark(CTextWatermark *watermark)
{
    if (editorPending || !watermark)
        return;
    editorPending = true;
    editorSettled = false;
    imageEditorOpen = false;
    preview->setImageMode(false);
    preview->setTextEditMode(true);
    textBackup = preview->cloneTextWatermark(watermark);
    preview->selectEditedText(watermark);
    textDialog->loadFrom(watermark);
    textDialog->colorSwatch()->showColor(watermark->color());
    textDialog->show();
}

// ---------------------------------------------------------------------------------------
// Image watermark and gallery

void MainWindow::initClipArt()
{
    copyClipArt(QStringLiteral(":/image/watermarkimages"), categoryFolder(0));
    // The first name makes the combo current at 0, which loads the Symbols gallery.
    imageDialog->form()->imageCategoryCombo->addItems(galleryCategories());
}

void MainWindow::loadGallery(const QString &folder)
{
    QGridLayout *grid = imageDialog->galleryLayout();
    emptyLayout(grid);
    thumbnails.clear();
    chosenThumbnail = nullptr;

    const QStringList pictures = galleryPictures(folder);
    for (int i = 0; i < pictures.size(); ++i) {
        const QString &path = pictures.at(i);
        if (!QFileInfo::exists(path))
            continue;
        QImageReader reader(path);
        reader.setScaledSize(QSize(57, 57));
        auto *thumbnail = new CImageWatermarkLabel(reader.read());
        thumbnail->setPath(QFileInfo(path).absoluteFilePath());
        thumbnail->setHighlightEnabled(videoLoaded);
        grid->addWidget(thumbnail, i / 2, i % 2);
        connect(thumbnail, &CImageWatermarkLabel::selectedImageWatermark, this, &MainWindow::refreshWatermark);
        thumbnails.append(thumbnail);
    }
}

void MainWindow::imageCategoryCombo_currentIndexChanged(int index)
{
    loadGallery(categoryFolder(index));
}

void MainWindow::deselectThumbnails()
{
    for (CImageWatermarkLabel *thumbnail : std::as_const(thumbnails))
        thumbnail->setSelected(false);
}

void MainWindow::showPicture(CImageWatermarkLabel *thumbnail, bool markChanged)
{
    for (CImageWatermarkLabel *other : std::as_const(thumbnails))
        other->setSelected(other == thumbnail);
    if (markChanged) {
        imageDialog->markChanged();
        chosenThumbnail = thumbnail;
    }
    chosenPicturePath = thumbnail->path();
    preview->show();
    preview->setPendingImage(chosenPicturePath);
    // A picture of another size needs placing anew.
    if (imageEditorOpen)
        processMoveProcess();
}

void MainWindow::refreshWatermark(CImageWatermarkLabel *thumbnail)
{
    if (thumbnail)
        showPicture(thumbnail, true);
}

void MainWindow::enableSelectedImageWatermark(CImageWatermarkLabel *thumbnail)
{
    if (thumbnail)
        showPicture(thumbnail, false);
}

void MainWindow::playBackImage(const CImageWatermark *watermark)
{
    if (!watermark)
        return;
    // The controls take the watermark's own placement, opacity and offsets first, so that
    // loading them places it where it is (not at the last session's placement) and its
    // overlay is drawn again with them.
    Ui::ImageWatermarkDlg *form = imageDialog->form();
    currentPlacement = watermark->gridPlacement();
    form->imgXBox->setMaximum(999999999);
    form->imgOpacitySlider->setValue(watermark->opacity());
    form->imgXBox->setValue(watermark->xOffset());
    form->imgYBox->setValue(watermark->yOffset());
    // Its own thumbnail, or the one showing its picture after a gallery reload; none when
    // the category shown holds no such picture.
    CImageWatermarkLabel *own = watermark->galleryItem();
    if (!own) {
        const auto same = std::find_if(thumbnails.begin(), thumbnails.end(), [watermark](CImageWatermarkLabel *t) {
            return t->path() == watermark->sourcePath();
        });
        own = same == thumbnails.end() ? nullptr : *same;
    }
    chosenThumbnail = own;
    imageDialog->loadFrom(watermark);
    if (watermark->galleryItem() || watermark->sourcePath().isEmpty())
        return;
    for (CImageWatermarkLabel *other : std::as_const(thumbnails))
        other->setSelected(other == own);
    chosenPicturePath = watermark->sourcePath();
    preview->setPendingImage(chosenPicturePath);
    processMoveProcess();
}

void MainWindow::placeImage(int placement)
{
    Ui::ImageWatermarkDlg *form = imageDialog->form();
    // Before the bound below: clamping the offset places the picture again, at this placement.
    currentPlacement = placement;
    const QSize area = preview->size();
    const QSize picture = preview->imageSourceSize().expandedTo(QSize(0, 0));
    // Kept reachable: the offset may not push the picture off the preview's right-hand side.
    form->imgXBox->setMaximum(qMax(form->imgXBox->minimum(), maximumXOffset(placement, area.width(), picture.width())));
    const QPoint at = placementOffset(QRect(QPoint(0, 0), picture), QRect(QPoint(0, 0), area), placement)
                      + QPoint(form->imgXBox->value(), -form->imgYBox->value());
    preview->setPosition(at.x(), at.y());
    preview->setPlacement(placement);
    baseX = at.x();
    baseY = at.y();
    currentPlacement = placement;
    stylePlacement(imageDialog, placement);
}

void MainWindow::imgP1_clicked() { placeImage(1); }
void MainWindow::imgP2_clicked() { placeImage(2); }
void MainWindow::imgP3_clicked() { placeImage(3); }
void MainWindow::imgP4_clicked() { placeImage(4); }
void MainWindow::imgP5_clicked() { placeImage(5); }
void MainWindow::imgP6_clicked() { placeImage(6); }
void MainWindow::imgP7_clicked() { placeImage(7); }
void MainWindow::imgP8_clicked() { placeImage(8); }
void MainWindow::imgP9_clicked() { placeImage(9); }

void MainWindow::imgXBox_valueChanged(int value)
{
    preview->setImageXOffset(value);
    processMoveProcess();
}

void MainWindow::imgYBox_valueChanged(int value)
{
    preview->setImageYOffset(value);
    processMoveProcess();
}

void MainWindow::imgRotateSlider_valueChanged(int value)
{
    preview->setImageRotation(value);
    imageDialog->form()->imgRotateSpin->setValue(value);
}

void MainWindow::imgOpacitySlider_valueChanged(int value)
{
    preview->setImageOpacity(value);
    imageDialog->form()->imgOpacitySpin->setValue(value);
}

void MainWindow::imgRotateSpin_valueChanged(int value)
{
    imageDialog->form()->imgRotateSlider->setValue(value);
}

void MainWindow::imgOpacitySpin_valueChanged(int value)
{
    imageDialog->form()->imgOpacitySlider->setValue(value);
}

void MainWindow::addBtn_clicked(const QString &path)
{
    const int category = imageDialog->form()->imageCategoryCombo->currentIndex();
    const QString folder = categoryFolder(category);
    if (path.isEmpty() || folder.isEmpty())
        return;
    const QString target = folder + QStringLiteral("/") + QFileInfo(path).fileName();
    if (QFileInfo::exists(path)) {
        // A picture of that name in the category is kept as it is.
        QFile::copy(path, target);
        addedPicturePaths << target;
    }
    loadGallery(folder);
    if (!thumbnails.isEmpty())
        refreshWatermark(thumbnails.first());
}

void MainWindow::deleteBtn_clicked()
{
    const auto found = std::find_if(thumbnails.begin(), thumbnails.end(),
                                    [](CImageWatermarkLabel *thumbnail) { return thumbnail->isSelected(); });
    if (found == thumbnails.end())
        return;
    CImageWatermarkLabel *thumbnail = *found;
    const QString path = thumbnail->path();
    thumbnails.erase(found);
    imageDialog->galleryLayout()->removeWidget(thumbnail);
    delete thumbnail;
    QFile::remove(path);
    if (path == chosenPicturePath && !preview->isImageEditMode()) {
        // The file is gone: there is nothing left to apply until another picture is chosen.
        // (A watermark under edit keeps showing its picture; applying it again is refused.)
        chosenPicturePath.clear();
        preview->setPendingImage(QString());
    }
    if (!thumbnails.isEmpty())
        return;
    QComboBox *categories = imageDialog->form()->imageCategoryCombo;
    if (categories->currentIndex() != 0)
        categories->setCurrentIndex(0);
    else
        loadGallery(categoryFolder(0));
    if (!thumbnails.isEmpty())
        refreshWatermark(thumbnails.first());
}

void MainWindow::imgWatermarkAplyBtn_clicked()
{
    // No picture chosen (an empty category): nothing to apply.
    if (preview->pendingImage().isEmpty()) {
        imageDialog->applyHadNothing();
        return;
    }
    ui->watermarkListLayout->setSpacing(0);
    preview->setGalleryItem(chosenThumbnail);
    if (!commitCurrentWatermark(imageDialog, preview->isImageEditMode()))
        return;
    imageDialog->loadFrom(preview->currentImageWatermark());
    deselectThumbnails();
    imageDialog->close();
    processMoveProcess();
    preview->setImageEditMode(false);
}

void MainWindow::imgWatermarkCancelBtn_clicked()
{
    editorSettled = true;
    if (preview->isImageEditMode()) {
        playBackImage(imageBackup);
        preview->setImageEditMode(false);
        return;
    }
    preview->discardNewImage();
    deselectThumbnails();
    resetImageEditor();
    if (!watermarksApplied())
        resumeAfterEditing();
    preview->setImageEditMode(false);
}

void MainWindow::editImageWatermark(CImageWatermark *watermark)
{
    if (editorPending || !watermark)
        return;
    editorPending = true;
    editorSettled = false;
    imageEditorOpen = true;
    preview->setImageMode(true);
    preview->setImageEditMode(true);
    imageBackup = preview->cloneImageWatermark(watermark);
    preview->selectEditedImage(watermark);
    playBackImage(watermark);
    imageDialog->show();
}

// ---------------------------------------------------------------------------------------
// The list of applied watermarks

void MainWindow::removeWatermark(CWatermarkListWidget *row, CTextWatermark *text, CImageWatermark *image)
{
    ui->watermarkLayout->removeWidget(row);
    ui->watermarkLayout->update();
    row->hide();
    // The row's own cross button is still on the stack.
    row->deleteLater();
    preview->removeWatermarkFromPreview(image, text);
    if (watermarksApplied())
        return;
    setPlayControlsEnabled(true);
    preview->clear();
    preview->hideAll();
    playing = false;
    togglePause();
}
