#pragma once

#include "ceditordialog.h"

#include <QFont>

#include <memory>

class CColorLabel;
class CTextWatermark;

namespace Ui {
class TextWatermarkDlg;
}

// The text watermark editor. It holds no watermark: every change goes out as a signal, and
// the main window applies it to the watermark on the preview.
class TextWatermarkDlg : public CEditorDialog
{
    Q_OBJECT

public:
    explicit TextWatermarkDlg(QWidget *parent = nullptr);
    ~TextWatermarkDlg() override;

    // Plays an applied watermark's text, font, placement and rotation into the controls
    // (and through their signals into the watermark under edit).
    void loadFrom(const CTextWatermark *watermark);

    // The editor's controls, set and styled by the main window.
    Ui::TextWatermarkDlg *form() const { return ui.get(); }
    CColorLabel *colorSwatch() const { return swatch; }

    // No spin box carries this name; kept for callers that set the size by number.
    void on_txtSizeBox_valueChanged(int size);

signals:
    void textChanged();
    void textApply();
    void textReset();
    void boldclicked();
    void italianclicked();
    void underlineclicked();
    void lindentclicked();
    void cindentclicked();
    void rindentclicked();
    void changeFont(const QFont &font);
    void changeSize(int size);
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
    void closeTextWatermarkEvent();

public slots:
    void findSizes(const QFont &font);
    void on_watermarkTxtBox_textChanged();
    void on_txtWatermarkAplyBtn_clicked();
    void on_txtWatermarkCancelBtn_clicked();
    void on_boldBtn_clicked();
    void on_italainBtn_clicked();
    void on_underlinBtn_clicked();
    void on_LeftIndentBtn_clicked();
    void on_centreIndentBtn_clicked();
    void on_rightIndentBtn_clicked();
    void on_fontComboBox_currentFontChanged(const QFont &font);
    void on_txtP1_clicked();
    void on_txtP2_clicked();
    void on_txtP3_clicked();
    void on_txtP4_clicked();
    void on_txtP5_clicked();
    void on_txtP6_clicked();
    void on_txtP7_clicked();
    void on_txtP8_clicked();
    void on_txtP9_clicked();
    void on_txtXBox_valueChanged(int value);
    void on_txtYBox_valueChanged(int value);
    void on_txtRotateSlider_valueChanged(int value);
    void on_txtRotateSpin_valueChanged(int value);
    void on_txtOpacitySlider_valueChanged(int value);
    void on_txtOpacitySpin_valueChanged(int value);
    void on_doneBtn_clicked();
    void on_TMchkBox_clicked();
    void on_circleCchkBox_clicked();
    void on_circleRchkBox_clicked();
    void on_moreBtn_clicked();
    // The entry's text is the size; an editable list may hold a typed one.
    void on_cmbSize_currentIndexChanged(int index);

protected:
    void emitApply() override { emit textApply(); }
    void emitReset() override { emit textReset(); }
    void closeAccepted() override { emit closeTextWatermarkEvent(); }

private:
    void emitPlacement(int placement);
    void toggleSymbol(bool on, const QString &symbol);

    std::unique_ptr<Ui::TextWatermarkDlg> ui;
    CColorLabel *swatch = nullptr;
    // Set while an applied watermark is played into the controls: the size list refilled
    // for its font must not push the previous size onto it.
    bool loading = false;
};
