#pragma once

#include "videoprobe.h"

#include <QHash>
#include <QObject>
#include <QString>

class QProcess;

// Reads the picture size of a video in the background, for the player to lay out its view.
class VideoSizeProbe : public QObject
{
    Q_OBJECT

public:
    explicit VideoSizeProbe(QObject *parent = nullptr);
    ~VideoSizeProbe() override;

    // Starts mplayer on `videoPath`. A probe still running is left to finish; whichever
    // reports last sets the fields.
    void startSizeProbe(const QString &videoPath);

    // The last size reported; kept until a later probe reports another.
    int videoWidth = 0;
    int videoHeight = 0;

signals:
    // A probe stored a width or a height (or both).
    void videoSizeChanged(int width, int height);

private slots:
    void slotStoreVideoInfo();

private:
    void storeLine(const QByteArray &line, bool &stored);
    void processEnded(QProcess *process);

    // The partial last line of each running probe.
    QHash<QProcess *, LineBuffer> pendingLines;
};
