#include "imagewatermarkdlg.h"

#include "ui_imagewatermarkdlg.h"

#include "cimagewatermark.h"

#include <QFileDialog>

ImageWatermarkDlg::ImageWatermarkDlg(QWidget *parent)
    : CEditorDialog(QStringLiteral("imgP"), parent)
    , ui(std::make_unique<Ui::ImageWatermarkDlg>())
    , chooseFile([this] {
        return QFileDialog::getOpenFileName(this, tr("Open Image"), QStringLiteral("/"),
                                            tr("Image Files (*.png *.jpg *.bmp)"));
    })
{
    ui->setupUi(this);
    setWindowTitle(QStringLiteral("Image Watermark"));
    setStyleSheet(editorStyleSheet(QStringLiteral("QDialog#ImageWatermarkDlg")));
    ui->imgXBox->setMinimum(-999999);
    ui->imgYBox->setMinimum(-999999);
    hide();
}

ImageWatermarkDlg::~ImageWatermarkDlg() = default;

QGridLayout *ImageWatermarkDlg::galleryLayout() const
{
    return ui->ImageListLayout;
}

void ImageWatermarkDlg::emitPlacement(int placement)
{
    using Signal = void (ImageWatermarkDlg::*)();
    static const Signal placements[] = {&ImageWatermarkDlg::p1clicked, &ImageWatermarkDlg::p2clicked,
                                        &ImageWatermarkDlg::p3clicked, &ImageWatermarkDlg::p4clicked,
                                        &ImageWatermarkDlg::p5clicked, &ImageWatermarkDlg::p6clicked,
                                        &ImageWatermarkDlg::p7clicked, &ImageWatermarkDlg::p8clicked,
                                        &ImageWatermarkDlg::p9clicked};
    if (placement >= 1 && placement <= 9)
        emit(this->*placements[placement - 1])();
}

void ImageWatermarkDlg::loadFrom(const CImageWatermark *watermark)
{
    if (!watermark)
        return;
    emitPlacement(watermark->gridPlacement());
    ui->imgRotateSlider->setValue(watermark->rotation());
    emit enableSelectedImageWatermark(watermark->galleryItem());
}

void ImageWatermarkDlg::on_imgP1_clicked() { changed = true; emit p1clicked(); }
void ImageWatermarkDlg::on_imgP2_clicked() { changed = true; emit p2clicked(); }
void ImageWatermarkDlg::on_imgP3_clicked() { changed = true; emit p3clicked(); }
void ImageWatermarkDlg::on_imgP4_clicked() { changed = true; emit p4clicked(); }
void ImageWatermarkDlg::on_imgP5_clicked() { changed = true; emit p5clicked(); }
void ImageWatermarkDlg::on_imgP6_clicked() { changed = true; emit p6clicked(); }
void ImageWatermarkDlg::on_imgP7_clicked() { changed = true; emit p7clicked(); }
void ImageWatermarkDlg::on_imgP8_clicked() { changed = true; emit p8clicked(); }
void ImageWatermarkDlg::on_imgP9_clicked() { changed = true; emit p9clicked(); }

void ImageWatermarkDlg::on_imgXBox_valueChanged(int value)
{
    changed = true;
    emit xvaluechanged(value);
}

void ImageWatermarkDlg::on_imgYBox_valueChanged(int value)
{
    changed = true;
    emit yvaluechanged(value);
}

void ImageWatermarkDlg::on_imgRotateSlider_valueChanged(int value)
{
    changed = true;
    emit rslidervaluechanged(value);
}

void ImageWatermarkDlg::on_imgRotateSpin_valueChanged(int value)
{
    changed = true;
    emit rspinvaluechanged(value);
}

void ImageWatermarkDlg::on_imgOpacitySlider_valueChanged(int value)
{
    emit oslidervaluechanged(value);
}

void ImageWatermarkDlg::on_imgOpacitySpin_valueChanged(int value)
{
    changed = true;
    emit ospinvaluechanged(value);
}

void ImageWatermarkDlg::on_imgWatermarkAplyBtn_clicked()
{
    markApplied();
    emit imageApply();
}

void ImageWatermarkDlg::on_imgWatermarkCancelBtn_clicked()
{
    close();
}

void ImageWatermarkDlg::on_imageCategoryCombo_currentIndexChanged(int index)
{
    changed = true;
    emit changeCategory(index);
}

void ImageWatermarkDlg::on_addBtn_clicked()
{
    changed = true;
    const QString path = chooseFile();
    if (!path.isEmpty())
        emit addWatermark(path);
}

void ImageWatermarkDlg::on_deleteBtn_clicked()
{
    emit deleteWatermark();
}
