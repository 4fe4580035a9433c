#include "clibrarylabel.h"

#include "shell/tilelook.h"
#include "watermark/clinklable.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPixmap>
#include <QVBoxLayout>

namespace {

const QSize tileSize(260, 70);

} // namespace

CLibraryLabel::CLibraryLabel(const QStringList &texts, QWidget *parent)
    : QWidget(parent)
{
    setFixedSize(tileSize);
    setMouseTracking(true);
    setStyleSheet(QStringLiteral("QLabel {\n color: gray;\n}\n\nQRadioButton {\n color: gray;\n}\n\n"
                                 "QCheckBox { \n color: gray;\n}\n\nQGroupBox { \n color: gray;\n}\n"));

    name = new CLinkLable(texts.value(0), 1);
    thumbnail = new QLabel;
    thumbnail->setFixedSize(50, 50);
    sizeLabel = new QLabel(QStringLiteral("File Size: ") + texts.value(2));
    resolutionLabel = new QLabel(QStringLiteral("Resolution: ") + texts.value(3));
    durationLabel = new QLabel(QStringLiteral("Duration: ") + texts.value(4));
    setThumbPath(texts.value(1));

    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(4, 0, 0, 0);
    row->addWidget(thumbnail);
    auto *textColumn = new QVBoxLayout;
    textColumn->setContentsMargins(0, 0, 0, 0);
    textColumn->setSpacing(1);
    textColumn->addWidget(name, 0, Qt::AlignTop);
    textColumn->addWidget(sizeLabel);
    textColumn->addWidget(resolutionLabel);
    textColumn->addWidget(durationLabel);
    row->addLayout(textColumn);
    auto *spacerColumn = new QVBoxLayout;
    spacerColumn->addItem(new QSpacerItem(20, 40, QSizePolicy::Minimum, QSizePolicy::Minimum));
    row->addLayout(spacerColumn);
    row->addStretch(1);
    auto *end = new QVBoxLayout;
    end->setContentsMargins(0, 0, 0, 0);
    end->setAlignment(Qt::AlignTop);
    row->addLayout(end);
}

void CLibraryLabel::setThumbPath(const QString &path)
{
    thumbnailPath = path;
    const QPixmap picture(path);
    if (picture.isNull())
        thumbnail->clear();
    else
        thumbnail->setPixmap(picture.scaled(50, 50, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

void CLibraryLabel::setSelected(bool on)
{
    selected = on;
    hover = false;
    repaint();
}

QString CLibraryLabel::durationText() const
{
    return durationLabel->text();
}

QString CLibraryLabel::sizeText() const
{
    return sizeLabel->text().remove(QStringLiteral("File Size: ")).remove(QStringLiteral("mb")).trimmed();
}

void CLibraryLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawTiledPixmap(rect(), tileBackground(tileSize.height()));
    if (!hover && !selected)
        return;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(highlightPen(hover));
    painter.drawRect(rect());
}

void CLibraryLabel::enterEvent(QEnterEvent *event)
{
    hover = true;
    repaint();
    QWidget::enterEvent(event);
}

void CLibraryLabel::leaveEvent(QEvent *event)
{
    hover = false;
    repaint();
    QWidget::leaveEvent(event);
}

void CLibraryLabel::mousePressEvent(QMouseEvent *)
{
    hover = false;
    if (selected)
        return;
    repaint();
    selected = true;
    emit selectedLib(this);
}

void CLibraryLabel::mouseDoubleClickEvent(QMouseEvent *)
{
    hover = false;
    repaint();
    selected = true;
    emit libSelectedPlay(this);
}
