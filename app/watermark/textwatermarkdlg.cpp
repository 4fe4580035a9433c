#include "textwatermarkdlg.h"

#include "ui_textwatermarkdlg.h"

#include "ccolorlabel.h"
#include "ctextwatermark.h"

#include <QFontDatabase>

TextWatermarkDlg::TextWatermarkDlg(QWidget *parent)
    : CEditorDialog(QStringLiteral("txtP"), parent)
    , ui(std::make_unique<Ui::TextWatermarkDlg>())
{
    ui->setupUi(this);
    setWindowTitle(QStringLiteral("Text Watermark"));
    setStyleSheet(editorStyleSheet(QStringLiteral("QDialog#TextWatermarkDlg")));
    ui->txtXBox->setMinimum(-999999);
    ui->txtYBox->setMinimum(-999999);
    ui->MoreOptionWdgt->hide();

    swatch = new CColorLabel(this);
    swatch->setFixedSize(24, 24);
    ui->colorLayout->addWidget(swatch);

    connect(ui->fontComboBox, &QFontComboBox::currentFontChanged, this, &TextWatermarkDlg::findSizes);
    findSizes(ui->fontComboBox->currentFont());
    on_txtP1_clicked();
}

TextWatermarkDlg::~TextWatermarkDlg() = default;

void TextWatermarkDlg::loadFrom(const CTextWatermark *watermark)
{
    if (!watermark)
        return;
    ui->watermarkTxtBox->setPlainText(watermark->text());
    QFont font;
    font.fromString(watermark->fontFamily());
    loading = true;
    ui->fontComboBox->setCurrentFont(font);
    const int size = ui->cmbSize->findText(QString::number(watermark->fontSize()));
    if (size >= 0)
        ui->cmbSize->setCurrentIndex(size);
    loading = false;
    emitPlacement(watermark->gridPlacement());
    ui->txtRotateSlider->setValue(watermark->rotation());
}

void TextWatermarkDlg::emitPlacement(int placement)
{
    using Signal = void (TextWatermarkDlg::*)();
    static const Signal placements[] = {&TextWatermarkDlg::p1clicked, &TextWatermarkDlg::p2clicked,
                                        &TextWatermarkDlg::p3clicked, &TextWatermarkDlg::p4clicked,
                                        &TextWatermarkDlg::p5clicked, &TextWatermarkDlg::p6clicked,
                                        &TextWatermarkDlg::p7clicked, &TextWatermarkDlg::p8clicked,
                                        &TextWatermarkDlg::p9clicked};
    if (placement >= 1 && placement <= 9)
        emit(this->*placements[placement - 1])();
}

void TextWatermarkDlg::findSizes(const QFont &font)
{
    const QString remembered = ui->cmbSize->currentText();
    ui->cmbSize->blockSignals(true);
    ui->cmbSize->clear();
    // The family and style as the font database names them ("Liberation Sans", "Regular" for
    // Arial), which is what it keys sizes by.
    const QFontInfo resolved(font);
    const QString family = resolved.family();
    QString style = resolved.styleName();
    if (style.isEmpty())
        style = QFontDatabase::styleString(font);
    const bool scalable = QFontDatabase::isSmoothlyScalable(family, style);
    const QList<int> sizes = scalable ? QFontDatabase::standardSizes() : QFontDatabase::smoothSizes(family, style);
    for (int size : sizes)
        ui->cmbSize->addItem(QString::number(size));
    ui->cmbSize->setEditable(scalable);
    ui->cmbSize->blockSignals(false);
    const int match = ui->cmbSize->findText(remembered, Qt::MatchExactly | Qt::MatchCaseSensitive);
    ui->cmbSize->setCurrentIndex(match >= 0 ? match : 0);
}

void TextWatermarkDlg::on_watermarkTxtBox_textChanged()
{
    changed = true;
    emit textChanged();
}

void TextWatermarkDlg::on_txtWatermarkAplyBtn_clicked()
{
    markApplied();
    emit textApply();
}

void TextWatermarkDlg::on_txtWatermarkCancelBtn_clicked()
{
    close();
}

void TextWatermarkDlg::on_boldBtn_clicked()
{
    changed = true;
    emit boldclicked();
}

void TextWatermarkDlg::on_italainBtn_clicked()
{
    changed = true;
    emit italianclicked();
}

void TextWatermarkDlg::on_underlinBtn_clicked()
{
    changed = true;
    emit underlineclicked();
}

void TextWatermarkDlg::on_LeftIndentBtn_clicked()
{
    changed = true;
    emit lindentclicked();
}

void TextWatermarkDlg::on_centreIndentBtn_clicked()
{
    changed = true;
    emit cindentclicked();
}

void TextWatermarkDlg::on_rightIndentBtn_clicked()
{
    changed = true;
    emit rindentclicked();
}

void TextWatermarkDlg::on_fontComboBox_currentFontChanged(const QFont &font)
{
    changed = true;
    emit changeFont(font);
}

void TextWatermarkDlg::on_txtSizeBox_valueChanged(int size)
{
    changed = true;
    emit changeSize(size);
}

void TextWatermarkDlg::on_cmbSize_currentIndexChanged(int index)
{
    if (index < 0 || loading)
        return;
    changed = true;
    emit changeSize(ui->cmbSize->itemText(index).toInt(nullptr, 10));
}

void TextWatermarkDlg::on_txtP1_clicked() { changed = true; emit p1clicked(); }
void TextWatermarkDlg::on_txtP2_clicked() { changed = true; emit p2clicked(); }
void TextWatermarkDlg::on_txtP3_clicked() { changed = true; emit p3clicked(); }
void TextWatermarkDlg::on_txtP4_clicked() { changed = true; emit p4clicked(); }
void TextWatermarkDlg::on_txtP5_clicked() { changed = true; emit p5clicked(); }
void TextWatermarkDlg::on_txtP6_clicked() { changed = true; emit p6clicked(); }
void TextWatermarkDlg::on_txtP7_clicked() { changed = true; emit p7clicked(); }
void TextWatermarkDlg::on_txtP8_clicked() { changed = true; emit p8clicked(); }
void TextWatermarkDlg::on_txtP9_clicked() { changed = true; emit p9clicked(); }

void TextWatermarkDlg::on_txtXBox_valueChanged(int value)
{
    changed = true;
    emit xvaluechanged(value);
}

void TextWatermarkDlg::on_txtYBox_valueChanged(int value)
{
    changed = true;
    emit yvaluechanged(value);
}

void TextWatermarkDlg::on_txtRotateSlider_valueChanged(int value)
{
    changed = true;
    emit rslidervaluechanged(value);
}

void TextWatermarkDlg::on_txtRotateSpin_valueChanged(int value)
{
    changed = true;
    emit rspinvaluechanged(value);
}

void TextWatermarkDlg::on_txtOpacitySlider_valueChanged(int value)
{
    changed = true;
    emit oslidervaluechanged(value);
}

void TextWatermarkDlg::on_txtOpacitySpin_valueChanged(int value)
{
    changed = true;
    emit ospinvaluechanged(value);
}

void TextWatermarkDlg::on_doneBtn_clicked()
{
    changed = true;
    emit textChanged();
    for (QCheckBox *box : {ui->TMchkBox, ui->circleCchkBox, ui->circleRchkBox})
        box->setChecked(false);
    ui->MoreOptionWdgt->hide();
}

void TextWatermarkDlg::toggleSymbol(bool on, const QString &symbol)
{
    if (on)
        ui->watermarkTxtBox->appendPlainText(symbol);
    else
        ui->watermarkTxtBox->setPlainText(ui->watermarkTxtBox->toPlainText().remove(QStringLiteral("\n") + symbol));
}

void TextWatermarkDlg::on_TMchkBox_clicked()
{
    toggleSymbol(ui->TMchkBox->isChecked(), QStringLiteral("#TM"));
}

void TextWatermarkDlg::on_circleCchkBox_clicked()
{
    toggleSymbol(ui->circleCchkBox->isChecked(), QStringLiteral("#C"));
}

void TextWatermarkDlg::on_circleRchkBox_clicked()
{
    toggleSymbol(ui->circleRchkBox->isChecked(), QStringLiteral("#R"));
}

void TextWatermarkDlg::on_moreBtn_clicked()
{
    for (QCheckBox *box : {ui->TMchkBox, ui->circleCchkBox, ui->circleRchkBox})
        box->setChecked(false);
    QWidget *panel = ui->MoreOptionWdgt;
    panel->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    panel->setWindowModality(Qt::WindowModal);
    panel->setAttribute(Qt::WA_StyledBackground);
    panel->setStyleSheet(editorStyleSheet(QStringLiteral("QWidget#MoreOptionWdgt")));
    panel->setWindowTitle(QStringLiteral("Symbols"));
    panel->move(pos());
    panel->show();
}
