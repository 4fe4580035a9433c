#pragma once

#include "shell/outcome.h"

#include <QLabel>
#include <QList>
#include <QPixmap>
#include <QSize>

#include <functional>

class CImageWatermark;
class CImageWatermarkLabel;
class CTextWatermark;
class CWatermark;

// The 500 x 420 preview: shows the paused frame, owns the watermarks lying over it and routes
// the editors' changes to the watermark being created or edited.
class watermarkLabel : public QLabel
{
    Q_OBJECT

public:
    explicit watermarkLabel(QWidget *parent = nullptr);

    void createImageWatermark();
    void createTextWatermark();
    void setImageMode(bool on) { imageMode = on; }
    bool isImageMode() const { return imageMode; }
    void setVideoSize(int width, int height) { videoSize = QSize(width, height); }
    QSize currentVideoSize() const { return videoSize; }

    void setPendingImage(const QString &path);
    void setImageRotation(int degrees);
    void setImageOpacity(int opacity);
    void setImageXOffset(int x);
    void setImageYOffset(int y);

    void setText(const QString &text);
    void setFontFamily(const QString &fontDescription);
    void setTextSize(int size);
    void setTextColor(const QColor &color);
    void setTextRotation(int degrees);
    void setTextOpacity(int opacity);
    void setBold(bool on);
    void setItalic(bool on);
    void setUnderline(bool on);
    void setAlignment(int index);
    void setTextXOffset(int x);
    void setTextYOffset(int y);

    void setPlacement(int placement);
    void setPosition(int x, int y);
    void setRecordedPlacement(int placement);
    void setGalleryItem(CImageWatermarkLabel *item);
    QSize imageSourceSize() const;

    // Apply: writes the current watermark's overlay and, for a new one, adds it to the applied
    // watermarks. Nothing is added when the overlay could not be written.
    Outcome commitCurrent();
    bool lastApplyWasEdit() const { return lastApplyEdit; }

    // Hidden backups of an applied watermark; null when `source` is not applied.
    CTextWatermark *cloneTextWatermark(CTextWatermark *source);
    CImageWatermark *cloneImageWatermark(CImageWatermark *source);
    void selectEditedText(CTextWatermark *watermark);
    void selectEditedImage(CImageWatermark *watermark);
    void setTextEditMode(bool on) { textEditMode = on; }
    void setImageEditMode(bool on) { imageEditMode = on; }
    bool isTextEditMode() const { return textEditMode; }
    bool isImageEditMode() const { return imageEditMode; }

    void discardNewImage();
    void discardNewText();
    void removeImageWatermarks();
    void removeTextWatermarks();
    void removeWatermarkFromPreview(CImageWatermark *image, CTextWatermark *text);
    void hideAll();
    QList<CWatermark *> appliedWatermarks() const { return applied; }

    CTextWatermark *newText() const { return newTextWatermark; }
    CImageWatermark *newImage() const { return newImageWatermark; }
    CTextWatermark *currentTextWatermark() const;
    CImageWatermark *currentImageWatermark() const;
    QString pendingImage() const { return pendingImagePath; }
    int currentImageRotation() const { return imageRotation; }
    int currentImageOpacity() const { return imageOpacity; }

    // The text of `watermark` drawn at the point size that gives it on the video the width
    // it has on the preview.
    QImage textPixmapForVideo(const CTextWatermark *watermark) const;
    int fitPointSize(int width, int height, const QFont &font, const QString &text) const;
    // Renders the watermark into a full-frame overlay in the overlay folder and stores its name.
    Outcome writeTextOverlay(CTextWatermark *watermark);
    Outcome writeCurrentOverlay();

    // Shows the newest picture of the snapshot folder as the frame under the watermarks.
    // A webcam recording's frame arrives upside down and is turned back. False when the
    // folder holds no readable picture yet.
    bool showPreviewFrame(const QString &selectedVideoPath);

    // The millisecond that numbers new overlay files; tests fix it.
    void setMillisecondClock(std::function<int()> clock) { millisecondClock = std::move(clock); }

signals:
    void updateImageWatermarkLayout(CImageWatermark *watermark);
    void updateTextWatermarkLayout(CTextWatermark *watermark);

public slots:
    void chnageWatermark(bool type);

private:
    QStringList heldOverlayNames() const;
    bool isApplied(const CWatermark *watermark) const;

    QString pendingImagePath;
    int imageRotation = 0;
    int imageOpacity = 10;
    bool imageMode = true;
    QSize videoSize;
    QList<CWatermark *> applied;
    CImageWatermark *newImageWatermark = nullptr;
    CTextWatermark *newTextWatermark = nullptr;
    CTextWatermark *editedTextWatermark = nullptr;
    CImageWatermark *editedImageWatermark = nullptr;
    bool textEditMode = false;
    bool imageEditMode = false;
    bool lastApplyEdit = false;
    std::function<int()> millisecondClock;
};

// The picture the editors draw on: the newest file of `folder`, turned upside down for a
// webcam recording (whose frames arrive that way). Null when the folder holds none.
QPixmap previewFrame(const QString &folder, const QString &selectedVideoPath);
