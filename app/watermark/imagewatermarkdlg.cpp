#include "imagewatermarkdlg.h"

#include "ui_imagewatermarkdlg.h"

#include "calertsheetwidget.h"
#include "cimagewatermark.h"

#include <QCloseEvent>
#include <QFileDialog>

ImageWatermarkDlg::ImageWatermarkDlg(QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::ImageWatermarkDlg>())
    , chooseFile([this] {
        return QFileDialog::getOpenFileName(this, tr("Open Image"), QStringLiteral("/"),
                                            tr("Image Files (*.png *.jpg *.bmp)"));
    })
{
    ui->setupUi(this);
    setWindowTitle(QStringLiteral("Image Watermark"));
    setWindowModality(Qt::ApplicationModal);
    setStyleSheet(QStringLiteral("QDialog#ImageWatermarkDlg {\n background-color: rgb(100, 100, 100);\n}\nQLabel {\n"
                                 " color: gray;\n}\n\nQRadioButton {\n color: gray;\n}\n\nQCheckBox { \n color: gray;\n}\n\n"
                                 "QGroupBox { \n color: gray;\n}\n"));
    ui->imgXBox->setMinimum(-999999);
    ui->imgYBox->setMinimum(-999999);
    hide();
}

ImageWatermarkDlg::~ImageWatermarkDlg()
{
    delete alert;
}

QGridLayout *ImageWatermarkDlg::galleryLayout() const
{
    return ui->ImageListLayout;
}

QPushButton *ImageWatermarkDlg::placementButton(int placement) const
{
    return findChild<QPushButton *>(QStringLiteral("imgP%1").arg(placement));
}

void ImageWatermarkDlg::applyFailed()
{
    applied = false;
    changed = true;
}

void ImageWatermarkDlg::applyHadNothing()
{
    applied = false;
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
    applied = true;
    discarded = false;
    changed = false;
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

bool ImageWatermarkDlg::holdForAlert()
{
    if (applied || discarded || !changed)
        return false;
    if (!alert) {
        alert = new CAlertSheetWidget;
        connect(alert, &CAlertSheetWidget::notifyApply, this, &ImageWatermarkDlg::onAlertClickApply);
        connect(alert, &CAlertSheetWidget::notifyDontApply, this, &ImageWatermarkDlg::onAlertClickDontApply);
    }
    alert->move(pos());
    alert->setWindowTitle(windowTitle());
    alert->show();
    return true;
}

void ImageWatermarkDlg::closeEvent(QCloseEvent *event)
{
    if (holdForAlert()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void ImageWatermarkDlg::reject()
{
    if (holdForAlert())
        return;
    applied = discarded = changed = false;
    QDialog::reject();
}

void ImageWatermarkDlg::onAlertClickApply()
{
    applied = true;
    discarded = false;
    changed = false;
    emit imageApply();
    alert->close();
    if (applied)
        close();
}

void ImageWatermarkDlg::onAlertClickDontApply()
{
    discarded = true;
    emit imageReset();
    alert->close();
    close();
}
