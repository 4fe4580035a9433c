#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The ffmpeg command that burns full-frame overlays into a video, and the reading of its
// console output. No widgets and no processes: the export dialog runs what these build.

// The -vf filter graph stacking each overlay over the video at 0:0 (every watermark's
// position lives inside its full-frame picture). Empty for no overlays.
QString overlayFilterGraph(const QStringList &overlayFileNames);

// Options that keep the picture close to the source for the encoder ffmpeg picks for the
// output's extension: constant quality for H.264, a fine quantiser for the MPEG family.
QStringList qualityOptions(const QString &outputPath);

// ffmpeg's arguments: the source, the quality options, the filter graph (left out when empty),
// and the output, overwritten.
QStringList burnArguments(const QString &source, const QString &filterGraph, const QString &output);

// Reads ffmpeg's merged output as it arrives and keeps the latest output size it reported
// and the last lines, for telling the user why a run failed.
class BurnProgressParser
{
public:
    // Returns the size in kB of the latest progress line in `chunk` that gives one, or -1.
    int feed(const QByteArray &chunk);
    QStringList lastLines() const { return tail; }

    // The size in kB that one progress line reports ("size=    1024kB time=..."), or -1.
    // A number glued to "size=" is not read, as ffmpeg prints six-digit sizes that way.
    static int sizeOf(const QString &line);

private:
    QByteArray partial;
    QStringList tail;
};
