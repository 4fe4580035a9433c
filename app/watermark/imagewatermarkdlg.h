#pragma once

#include "ceditordialog.h"

#include <functional>
#include <memory>

class CImageWatermark;
class CImageWatermarkLabel;
class QGridLayout;

namespace Ui {
class ImageWatermarkDlg;
}

// The image watermark editor: the clip-art gallery and the picture's placement, offsets,
// rotation and opacity. Like the text editor it only signals; the main window acts.
class ImageWatermarkDlg : public CEditorDialog
{
    Q_OBJECT

public:
    explicit ImageWatermarkDlg(QWidget *parent = nullptr);
    ~ImageWatermarkDlg() override;

    // Plays an image watermark's placement, rotation and picture back into the controls.
    void loadFrom(const CImageWatermark *watermark);

    Ui::ImageWatermarkDlg *form() const { return ui.get(); }
    QGridLayout *galleryLayout() const;

    // How Add asks for a picture (the file dialog); tests answer it themselves.
    void setFileChooser(std::function<QString()> chooser) { chooseFile = std::move(chooser); }

signals:
    void p1clicked();
    void p2clicked();
    void p3clicked();
    void p4clicked();
    void p5clicked();
    void p6clicked();
    void p7clicked();
    void p8clicked();
    void p9clicked();
    void xvaluechanged(int value);
    void yvaluechanged(int value);
    void rslidervaluechanged(int value);
    void rspinvaluechanged(int value);
    void oslidervaluechanged(int value);
    void ospinvaluechanged(int value);
    void imageApply();
    void imageReset();
    void changeCategory(int index);
    void addWatermark(const QString &path);
    void deleteWatermark();
    void enableSelectedImageWatermark(CImageWatermarkLabel *thumbnail);

public slots:
    void on_imgP1_clicked();
    void on_imgP2_clicked();
    void on_imgP3_clicked();
    void on_imgP4_clicked();
    void on_imgP5_clicked();
    void on_imgP6_clicked();
    void on_imgP7_clicked();
    void on_imgP8_clicked();
    void on_imgP9_clicked();
    void on_imgXBox_valueChanged(int value);
    void on_imgYBox_valueChanged(int value);
    void on_imgRotateSlider_valueChanged(int value);
    void on_imgRotateSpin_valueChanged(int value);
    void on_imgOpacitySlider_valueChanged(int value);
    void on_imgOpacitySpin_valueChanged(int value);
    void on_imgWatermarkAplyBtn_clicked();
    void on_imgWatermarkCancelBtn_clicked();
    void on_imageCategoryCombo_currentIndexChanged(int index);
    void on_addBtn_clicked();
    void on_deleteBtn_clicked();

protected:
    void emitApply() override { emit imageApply(); }
    void emitReset() override { emit imageReset(); }

private:
    void emitPlacement(int placement);

    std::unique_ptr<Ui::ImageWatermarkDlg> ui;
    std::function<QString()> chooseFile;
};
