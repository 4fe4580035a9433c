#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// What the library records about a video: a thumbnail written by ffmpeg, and the size,
// resolution and length, read from mplayer's identify output.

// ffmpeg's arguments for writing the frame at one second of `video` to the picture `thumb`.
// A thumbnail path holding "%" also gets "-update 1": ffmpeg otherwise reads "%d" in it as
// a frame-number pattern and writes some other file.
QStringList thumbnailArguments(const QString &video, const QString &thumb);

// mplayer's arguments for printing the identify lines of `video`. mplayer then goes on
// playing in real time until it is told to quit.
QStringList identifyArguments(const QString &video);

// The thumbnail of `video`: a "thumb" folder beside it, the complete base name + ".jpg", so
// that my.holiday.avi and my.trip.avi get thumbnails of their own.
QString thumbnailPathFor(const QString &video);

// A file size as the library shows it: mebibytes in single precision, six significant
// digits, e.g. "11.7738 mb".
QString sizeText(qint64 bytes);

// A length as "hh:mm:ss", to the nearest millisecond, the rest of the second cut off;
// 24 hours and more wrap round.
QString lengthText(double seconds);

// Cuts output arriving in chunks into whole lines (without the "\n"), keeping a partial
// last line for the next chunk.
class LineBuffer
{
public:
    QList<QByteArray> feed(const QByteArray &chunk);
    // The partial last line, once the output has ended; "" when there is none.
    QByteArray takeRest();

private:
    QByteArray pending;
};

// The value of the identify line `line` when it is the line of `key` ("KEY=value"): the text
// after the first "=", trimmed. A null string for the line of any other key, so that a file
// name or title holding a key's name is never taken for that key.
QString identifyValue(const QByteArray &line, const char *key);

// Collects width, height and length from mplayer's identify output. The values go by the
// order in which their lines come: the first is the width, the second the height, the
// third the length in seconds.
class IdentifyParser
{
public:
    // Takes the next chunk of output; true once all three values are in.
    bool feed(const QByteArray &chunk);
    // Takes a partial last line as whole, once the output has ended.
    void finish();

    bool isComplete() const { return values.size() >= 3; }
    // "" for a value that has not come.
    QString width() const { return value(0); }
    QString height() const { return value(1); }
    QString length() const { return value(2); }

private:
    void take(const QByteArray &line);
    QString value(int position) const { return values.value(position); }

    LineBuffer lines;
    QStringList values;
};

// Probes a video entering the library or album. Appends its file name, thumbnail path, size
// text, "WIDTHxHEIGHT" and length text to `result`; leaves `result` as it was when the file
// is missing or empty, when its thumbnail exists already (it was probed before), or when
// mplayer reports no picture size. The thumbnail is written in the background and may
// appear after this returns. Blocks for at most about 1.5 s, usually far less.
void probeVideo(const QString &path, QStringList &result);
