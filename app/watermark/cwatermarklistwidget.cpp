#include "cwatermarklistwidget.h"

#include "cimagewatermark.h"
#include "clinklable.h"
#include "ctextwatermark.h"
#include "shell/tilelook.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int rowWidth = 240;
constexpr int rowHeight = 60;

bool pictureExists(const QString &path)
{
    return !path.isEmpty() && QFileInfo::exists(path);
}

} // namespace

CWatermarkListWidget::CWatermarkListWidget(int kind, CTextWatermark *text, CImageWatermark *image, QWidget *parent)
    : QWidget(parent)
    , textMark(kind == 0 ? text : nullptr)
    , imageMark(kind == 1 ? image : nullptr)
{
    setStyleSheet(QStringLiteral("QLabel {\n color: gray;\n}\nQRadioButton {\n color: gray;\n}\nQCheckBox {\n color: gray;\n}\n"
                                 "QGroupBox {\n color: gray;\n}\n"));
    resize(rowWidth, rowHeight);
    setFixedSize(rowWidth, rowHeight);
    setAttribute(Qt::WA_MouseTracking);

    enableCheckBox = new QCheckBox;
    enableCheckBox->setChecked(true);
    connect(enableCheckBox, &QCheckBox::stateChanged, this, &CWatermarkListWidget::checkEnableStateChange);

    if (textMark) {
        nameLink = new CLinkLable(textMark->text(), 1);
        connect(nameLink, &CLinkLable::notifyTextWatermark, this, &CWatermarkListWidget::watermarkEditModeText);
        nameLink->setTextWatermark(textMark);
    } else {
        const bool exists = imageMark && pictureExists(imageMark->sourcePath());
        nameLink = new CLinkLable(exists ? QFileInfo(imageMark->sourcePath()).fileName() : QString(), 1);
        if (exists)
            connect(nameLink, &CLinkLable::notifyImageWatermark, this, &CWatermarkListWidget::watermarkEditModeImage);
        nameLink->setImageWatermark(imageMark);
    }

    typeLabel = new QLabel;
    sizeLabel = new QLabel;
    thumbnailLabel = new QLabel;
    crossButton = new QPushButton(QStringLiteral("x"));
    crossButton->setMaximumWidth(25);
    connect(crossButton, &QPushButton::clicked, this, &CWatermarkListWidget::onClickCrossButton);

    auto *outer = new QHBoxLayout;
    outer->setContentsMargins(6, 0, 0, 0);
    outer->addWidget(enableCheckBox);

    auto *details = new QVBoxLayout;
    details->setContentsMargins(0, 0, 0, 0);
    details->setSpacing(5);
    details->addWidget(nameLink, 32);
    details->addWidget(typeLabel, 0);
    details->addWidget(sizeLabel, 0);

    if (textMark) {
        nameLink->setLinkText(textMark->text());
        typeLabel->setText(QStringLiteral("---"));
        sizeLabel->setText(QStringLiteral("---"));
        // Text rows have no picture; the label stays out of the layout.
        thumbnailLabel->setParent(this);
        thumbnailLabel->hide();
    } else {
        outer->addWidget(thumbnailLabel);
        if (imageMark)
            showPicture(imageMark->sourcePath());
    }

    outer->addLayout(details);
    outer->addStretch(1);
    auto *crossColumn = new QVBoxLayout;
    crossColumn->setContentsMargins(0, 0, 0, 0);
    crossColumn->addWidget(crossButton);
    outer->addLayout(crossColumn);
    outer->setAlignment(crossColumn, Qt::AlignTop);
    setLayout(outer);
}

bool CWatermarkListWidget::showPicture(const QString &path)
{
    if (!pictureExists(path))
        return false;
    const QSize size = QImageReader(path).size();
    QImageReader reader(path);
    reader.setScaledSize(QSize(40, 40));
    thumbnailLabel->setPixmap(QPixmap::fromImage(reader.read()));
    const QFileInfo file(path);
    nameLink->setLinkText(file.fileName());
    typeLabel->setText(file.suffix().toUpper());
    sizeLabel->setText(QStringLiteral("%1 x %2").arg(size.width()).arg(size.height()));
    return true;
}

void CWatermarkListWidget::onClickCrossButton()
{
    emit removeWatermark(this, textMark, imageMark);
}

void CWatermarkListWidget::checkEnableStateChange(int state)
{
    if (textMark)
        textMark->setVisible(state != 0);
    else if (imageMark)
        imageMark->setVisible(state != 0);
}

void CWatermarkListWidget::watermarkEditModeImage(CImageWatermark *watermark)
{
    emit imageWatermarkEditMode(watermark);
}

void CWatermarkListWidget::watermarkEditModeText(CTextWatermark *watermark)
{
    emit textWatermarkEditMode(watermark);
}

void CWatermarkListWidget::updateWatermarkImage(CImageWatermark *watermark)
{
    if (!imageMark || !watermark || imageMark->id() != watermark->id())
        return;
    if (showPicture(watermark->sourcePath()))
        imageMark = watermark;
}

void CWatermarkListWidget::updateWatermarkText(CTextWatermark *watermark)
{
    if (!textMark || !watermark || textMark->id() != watermark->id())
        return;
    nameLink->setLinkText(watermark->text());
    typeLabel->setText(QStringLiteral("---"));
    sizeLabel->setText(QStringLiteral("---"));
    textMark = watermark;
}

void CWatermarkListWidget::mousePressEvent(QMouseEvent *)
{
    hovered = false;
    if (selected)
        return;
    repaint();
    selected = true;
    emit resetSelection(this);
    update();
}

void CWatermarkListWidget::enterEvent(QEnterEvent *event)
{
    hovered = true;
    repaint();
    QWidget::enterEvent(event);
}

void CWatermarkListWidget::leaveEvent(QEvent *event)
{
    hovered = false;
    repaint();
    QWidget::leaveEvent(event);
}

void CWatermarkListWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QPixmap background = tileBackground(rowHeight);
    if (!background.isNull())
        painter.drawTiledPixmap(rect(), background, QPoint(0, 0));
    if (!hovered && !selected)
        return;
    painter.setPen(highlightPen(hovered));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.drawRect(QRect(0, 0, rowWidth, rowHeight));
}
