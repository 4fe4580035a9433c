#pragma once

#include <QLabel>
#include <QPoint>
#include <QSize>
#include <QString>

// A watermark on the preview: a transparent widget the preview's size that paints its text or
// picture. The list of applied watermarks and the export see watermarks only through the
// operations declared here.
class CWatermark : public QLabel
{
    Q_OBJECT

public:
    explicit CWatermark(QWidget *preview);

    // The placement stored at the last Apply (0 for none).
    virtual int placement() const { return 0; }
    virtual QPoint position() const { return {0, 0}; }
    // The pixel size of the file behind the watermark, read afresh; null when unreadable.
    virtual QSize sourceSize() const { return {0, 0}; }
    // The overlay PNG's file name inside the overlay folder, once one was written.
    virtual QString overlayFileName() const { return {}; }
    virtual bool isText() const { return false; }
    virtual QString id() const { return {}; }
    virtual void updateWatermark() {}
};
