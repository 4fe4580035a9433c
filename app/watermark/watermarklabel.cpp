#include "watermarklabel.h"

#include "cimagewatermark.h"
#include "ctextwatermark.h"
#include "overlayfiles.h"
#include "placement.h"
#include "shell/appfolders.h"
#include "textrender.h"

#include <QDir>
#include <QImageReader>
#include <QTime>

namespace {

const QSize previewSize(500, 420);

QImage transparentCanvas(const QSize &size)
{
    if (size.isEmpty())
        return {};
    QImage canvas(size, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    return canvas;
}

} // namespace

watermarkLabel::watermarkLabel(QWidget *parent)
    : QLabel(parent)
    , millisecondClock([] { return QTime::currentTime().msec(); })
{
    setFixedSize(previewSize);
    setScaledContents(true);
    setAttribute(Qt::WA_TranslucentBackground);
    hide();
}

void watermarkLabel::chnageWatermark(bool type)
{
    if (type)
        createImageWatermark();
    else
        createTextWatermark();
}

void watermarkLabel::createImageWatermark()
{
    newImageWatermark = new CImageWatermark(this);
}

void watermarkLabel::createTextWatermark()
{
    newTextWatermark = new CTextWatermark(this);
}

CTextWatermark *watermarkLabel::currentTextWatermark() const
{
    return textEditMode ? editedTextWatermark : newTextWatermark;
}

CImageWatermark *watermarkLabel::currentImageWatermark() const
{
    return imageEditMode ? editedImageWatermark : newImageWatermark;
}

bool watermarkLabel::isApplied(const CWatermark *watermark) const
{
    return watermark && applied.contains(const_cast<CWatermark *>(watermark));
}

void watermarkLabel::setPendingImage(const QString &path)
{
    pendingImagePath = path;
    CImageWatermark *current = currentImageWatermark();
    if (!current)
        return;
    current->setCanvasRect(rect());
    current->setFixedSize(size());
    current->setImage(path);
    if (!imageEditMode)
        current->show();
}

void watermarkLabel::setImageRotation(int degrees)
{
    imageRotation = degrees;
    if (CImageWatermark *current = currentImageWatermark(); current && imageMode)
        current->setRotation(degrees);
}

void watermarkLabel::setImageOpacity(int opacity)
{
    imageOpacity = opacity;
    if (CImageWatermark *current = currentImageWatermark(); current && imageMode)
        current->setOpacity(opacity);
}

void watermarkLabel::setImageXOffset(int x)
{
    if (CImageWatermark *current = currentImageWatermark())
        current->setXOffset(x);
}

void watermarkLabel::setImageYOffset(int y)
{
    if (CImageWatermark *current = currentImageWatermark())
        current->setYOffset(y);
}

void watermarkLabel::setText(const QString &text)
{
    // Routed to the watermark under edit as well as to a new one, so editing an applied
    // watermark's text reaches it even when no new watermark exists.
    CTextWatermark *current = currentTextWatermark();
    if (!current)
        return;
    current->setGeometry(geometry().translated(-pos()));
    current->setText(text);
    if (!textEditMode)
        current->show();
}

void watermarkLabel::setFontFamily(const QString &fontDescription)
{
    if (CTextWatermark *current = currentTextWatermark())
        current->setFontFamily(fontDescription);
}

void watermarkLabel::setTextSize(int size)
{
    if (CTextWatermark *current = currentTextWatermark()) {
        current->setFontSize(size);
        repaint();
    }
}

void watermarkLabel::setTextColor(const QColor &color)
{
    if (CTextWatermark *current = currentTextWatermark())
        current->setColor(color);
}

void watermarkLabel::setTextRotation(int degrees)
{
    if (CTextWatermark *current = currentTextWatermark())
        current->setRotation(degrees);
}

void watermarkLabel::setTextOpacity(int opacity)
{
    if (CTextWatermark *current = currentTextWatermark()) {
        current->setOpacity(opacity);
        repaint();
    }
}

void watermarkLabel::setBold(bool on)
{
    if (CTextWatermark *current = currentTextWatermark(); current && !imageMode)
        current->setBold(on);
}

void watermarkLabel::setItalic(bool on)
{
    if (CTextWatermark *current = currentTextWatermark(); current && !imageMode)
        current->setItalic(on);
}

void watermarkLabel::setUnderline(bool on)
{
    if (CTextWatermark *current = currentTextWatermark(); current && !imageMode)
        current->setUnderline(on);
}

void watermarkLabel::setAlignment(int index)
{
    if (CTextWatermark *current = currentTextWatermark(); current && !imageMode)
        current->setAlignment(index);
}

void watermarkLabel::setTextXOffset(int x)
{
    if (CTextWatermark *current = currentTextWatermark(); current && !imageMode)
        current->setXOffset(x);
}

void watermarkLabel::setTextYOffset(int y)
{
    if (CTextWatermark *current = currentTextWatermark(); current && !imageMode)
        current->setYOffset(y);
}

void watermarkLabel::setPlacement(int placement)
{
    if (imageMode) {
        if (CImageWatermark *current = currentImageWatermark())
            current->setPlacement(placement);
    } else if (CTextWatermark *current = currentTextWatermark()) {
        current->setPlacement(placement);
    }
}

void watermarkLabel::setPosition(int x, int y)
{
    if (imageMode) {
        if (CImageWatermark *current = currentImageWatermark())
            current->setPosition(x, y);
    } else if (CTextWatermark *current = currentTextWatermark()) {
        current->setPosition(x, y);
    }
    repaint();
}

void watermarkLabel::setRecordedPlacement(int placement)
{
    if (imageMode) {
        if (CImageWatermark *current = currentImageWatermark())
            current->setRecordedPlacement(placement);
    } else if (CTextWatermark *current = currentTextWatermark()) {
        current->setRecordedPlacement(placement);
    }
}

void watermarkLabel::setGalleryItem(CImageWatermarkLabel *item)
{
    if (!newImageWatermark)
        return;
    if (CImageWatermark *current = currentImageWatermark())
        current->setGalleryItem(item);
}

QSize watermarkLabel::imageSourceSize() const
{
    const CImageWatermark *current = currentImageWatermark();
    return current && !current->sourcePath().isEmpty() ? QImageReader(current->sourcePath()).size() : QSize();
}

Outcome watermarkLabel::commitCurrent()
{
    if (!imageMode) {
        CTextWatermark *current = currentTextWatermark();
        if (!current)
            return Outcome::success();
        if (Outcome written = writeCurrentOverlay(); !written)
            return written;
        lastApplyEdit = textEditMode;
        if (!textEditMode) {
            // A second Apply of the same watermark must not list it twice.
            if (!isApplied(current))
                applied.append(current);
        } else {
            emit updateTextWatermarkLayout(editedTextWatermark);
        }
        return Outcome::success();
    }

    CImageWatermark *current = currentImageWatermark();
    if (pendingImagePath.isEmpty() || !current)
        return Outcome::success();
    if (Outcome written = writeCurrentOverlay(); !written)
        return written;
    lastApplyEdit = imageEditMode;
    if (!imageEditMode) {
        if (!isApplied(current))
            applied.append(current);
    } else {
        emit updateImageWatermarkLayout(editedImageWatermark);
    }
    pendingImagePath.clear();
    return Outcome::success();
}

CTextWatermark *watermarkLabel::cloneTextWatermark(CTextWatermark *source)
{
    if (!isApplied(source))
        return nullptr;
    auto *copy = new CTextWatermark(this);
    copy->setText(source->text());
    copy->setFontFamily(source->fontFamily());
    copy->setColor(source->color());
    copy->setFontSize(source->fontSize());
    copy->setRecordedPlacement(source->placement());
    copy->setOpacity(source->opacity());
    copy->setRotation(source->rotation());
    copy->setBold(source->bold());
    copy->setItalic(source->italic());
    copy->setUnderline(source->underline());
    copy->setPlacement(source->gridPlacement());
    copy->setAlignment(source->alignmentIndex());
    // A backup is never drawn over the watermark it backs up.
    copy->hide();
    return copy;
}

CImageWatermark *watermarkLabel::cloneImageWatermark(CImageWatermark *source)
{
    if (!isApplied(source))
        return nullptr;
    auto *copy = new CImageWatermark(this);
    // The picture too: the gallery thumbnail it came from may be gone by the time the
    // backup is played back.
    copy->setImage(source->sourcePath());
    copy->setOpacity(source->opacity());
    copy->setRotation(source->rotation());
    copy->setPlacement(source->gridPlacement());
    copy->setXOffset(source->xOffset());
    copy->setYOffset(source->yOffset());
    copy->setGalleryItem(source->galleryItem());
    copy->hide();
    return copy;
}

void watermarkLabel::selectEditedText(CTextWatermark *watermark)
{
    if (!isApplied(watermark))
        return;
    editedTextWatermark = watermark;
    watermark->repaint();
}

void watermarkLabel::selectEditedImage(CImageWatermark *watermark)
{
    if (!isApplied(watermark))
        return;
    editedImageWatermark = watermark;
    watermark->repaint();
}

void watermarkLabel::discardNewImage()
{
    if (newImageWatermark) {
        newImageWatermark->clear();
        newImageWatermark->hide();
    }
}

void watermarkLabel::discardNewText()
{
    if (newTextWatermark) {
        newTextWatermark->clear();
        newTextWatermark->hide();
        newTextWatermark = nullptr;
    }
}

void watermarkLabel::removeImageWatermarks()
{
    for (CWatermark *watermark : applied) {
        if (!watermark->isText())
            watermark->close();
    }
    applied.erase(std::remove_if(applied.begin(), applied.end(), [](CWatermark *w) { return !w->isText(); }),
                  applied.end());
    if (newImageWatermark) {
        newImageWatermark->clear();
        newImageWatermark->hide();
        newImageWatermark->setFixedSize(size());
    }
}

void watermarkLabel::removeTextWatermarks()
{
    for (CWatermark *watermark : applied) {
        if (watermark->isText())
            watermark->close();
    }
    applied.erase(std::remove_if(applied.begin(), applied.end(), [](CWatermark *w) { return w->isText(); }),
                  applied.end());
    if (newTextWatermark) {
        newTextWatermark->clear();
        newTextWatermark->hide();
        newTextWatermark->setFixedSize(size());
    }
}

void watermarkLabel::removeWatermarkFromPreview(CImageWatermark *image, CTextWatermark *text)
{
    if (image) {
        if (applied.removeOne(image))
            image->close();
    } else if (text) {
        if (applied.removeOne(text)) {
            text->clear();
            text->hide();
            text->close();
        }
        if (text == newTextWatermark) {
            newTextWatermark->clear();
            newTextWatermark->hide();
            newTextWatermark = nullptr;
        }
        if (text == editedTextWatermark) {
            editedTextWatermark->clear();
            editedTextWatermark->hide();
            editedTextWatermark = nullptr;
        }
    }
    repaint();
}

void watermarkLabel::hideAll()
{
    if (newImageWatermark)
        newImageWatermark->hide();
    if (newTextWatermark)
        newTextWatermark->hide();
    hide();
}

int watermarkLabel::fitPointSize(int width, int height, const QFont &font, const QString &text) const
{
    Q_UNUSED(height) // only the width decides; the height follows from the font
    return ::fitPointSize(width, size(), videoSize, font, text);
}

QImage watermarkLabel::textPixmapForVideo(const CTextWatermark *watermark) const
{
    TextStyle style = watermark->textStyle();
    const QFont previewFont = styledFont(style);
    const QSize measured = measureText(previewFont, watermark->text());
    style.pointSize = fitPointSize(measured.width(), measured.height(), previewFont, watermark->text());
    return renderText(watermark->text(), style);
}

QStringList watermarkLabel::heldOverlayNames() const
{
    QStringList names;
    for (const CWatermark *watermark : applied)
        names << watermark->overlayFileName();
    return names;
}

Outcome watermarkLabel::writeTextOverlay(CTextWatermark *watermark)
{
    QImage canvas = transparentCanvas(videoSize);
    if (!canvas.isNull()) {
        const QImage text = textPixmapForVideo(watermark);
        QPoint at = placementOffset(text.rect(), QRect(QPoint(0, 0), videoSize), watermark->gridPlacement());
        // Offsets are video pixels: the overlay moves by what the user typed, unscaled.
        at += QPoint(watermark->xOffset(), -watermark->yOffset());
        drawRotated(canvas, text, at, watermark->rotation());
    }

    const QString folder = overlayFolderPath();
    const QString name = freeOverlayName(QStringLiteral("TextWatermark"), millisecondClock(), heldOverlayNames(), folder);
    Outcome written = writeOverlayImage(canvas, folder + QStringLiteral("/") + name);
    if (written)
        watermark->setOverlayFileName(name);
    return written;
}

Outcome watermarkLabel::writeCurrentOverlay()
{
    if (!imageMode) {
        CTextWatermark *current = currentTextWatermark();
        return current ? writeTextOverlay(current) : Outcome::success();
    }

    CImageWatermark *current = currentImageWatermark();
    if (!current)
        return Outcome::success();
    QImage canvas = transparentCanvas(videoSize);
    if (!canvas.isNull()) {
        // Read again at its own pixel size: pictures are never scaled to the video.
        const QImage picture(current->sourcePath());
        // An overlay without its picture would burn nothing in and still be listed.
        if (picture.isNull())
            return Outcome::failure(QStringLiteral("The picture \"%1\" cannot be read, so the watermark was not applied.")
                                        .arg(QDir::toNativeSeparators(current->sourcePath())));
        QPoint at = placementOffset(picture.rect(), QRect(QPoint(0, 0), videoSize), current->gridPlacement());
        at += QPoint(current->xOffset(), -current->yOffset());
        drawRotated(canvas, picture, at, imageRotation, imageOpacity / 10.0);
    }

    const QString folder = overlayFolderPath();
    const QString name = freeOverlayName(QStringLiteral("ImageWatermark"), millisecondClock(), heldOverlayNames(), folder);
    Outcome written = writeOverlayImage(canvas, roamingForm(folder + QStringLiteral("/") + name));
    if (written)
        current->setOverlayFileName(name);
    return written;
}

bool watermarkLabel::showPreviewFrame(const QString &selectedVideoPath)
{
    const QPixmap frame = previewFrame(snapshotFolderPath(), selectedVideoPath);
    if (frame.isNull())
        return false;
    clear();
    setPixmap(frame);
    show();
    return true;
}

QPixmap previewFrame(const QString &folder, const QString &selectedVideoPath)
{
    // The newest picture is the frame the player paused on last.
    const QFileInfoList pictures = QDir(folder).entryInfoList(QDir::Files, QDir::Time);
    if (pictures.isEmpty())
        return {};
    QImage frame(pictures.first().absoluteFilePath());
    if (frame.isNull())
        return {};
    if (selectedVideoPath.contains(QStringLiteral("WebCamRecord.avi")))
        frame = frame.mirrored(false, true);
    return QPixmap::fromImage(frame);
}
