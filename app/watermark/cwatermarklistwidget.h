#pragma once

#include <QWidget>

class CImageWatermark;
class CLinkLable;
class CTextWatermark;
class QCheckBox;
class QLabel;
class QPushButton;

// One applied watermark in the list beside the preview: a check box that shows or hides it,
// its name as a link to its editor, what it is, and a cross that removes it. The row does not
// own the watermark; the preview does.
class CWatermarkListWidget : public QWidget
{
    Q_OBJECT

public:
    // kind 0: a row for `text`; kind 1: a row for `image`.
    CWatermarkListWidget(int kind, CTextWatermark *text, CImageWatermark *image, QWidget *parent = nullptr);

    CTextWatermark *textWatermark() const { return textMark; }
    CImageWatermark *imageWatermark() const { return imageMark; }
    bool isSelected() const { return selected; }
    bool isHovered() const { return hovered; }

    QCheckBox *enableBox() const { return enableCheckBox; }
    CLinkLable *link() const { return nameLink; }
    QLabel *type() const { return typeLabel; }
    QLabel *sizeText() const { return sizeLabel; }
    QLabel *thumbnail() const { return thumbnailLabel; }
    QPushButton *cross() const { return crossButton; }

signals:
    void resetSelection(CWatermarkListWidget *row);
    void removeWatermark(CWatermarkListWidget *row, CTextWatermark *text, CImageWatermark *image);
    void imageWatermarkEditMode(CImageWatermark *watermark);
    void textWatermarkEditMode(CTextWatermark *watermark);

public slots:
    void onClickCrossButton();
    void checkEnableStateChange(int state);
    void watermarkEditModeImage(CImageWatermark *watermark);
    void watermarkEditModeText(CTextWatermark *watermark);
    void updateWatermarkImage(CImageWatermark *watermark);
    void updateWatermarkText(CTextWatermark *watermark);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // Thumbnail, name, type and size from the picture file; false when it is gone.
    bool showPicture(const QString &path);

    CTextWatermark *textMark = nullptr;
    CImageWatermark *imageMark = nullptr;
    bool selected = false;
    bool hovered = false;
    QCheckBox *enableCheckBox = nullptr;
    CLinkLable *nameLink = nullptr;
    QLabel *typeLabel = nullptr;
    QLabel *sizeLabel = nullptr;
    QLabel *thumbnailLabel = nullptr;
    QPushButton *crossButton = nullptr;
};
