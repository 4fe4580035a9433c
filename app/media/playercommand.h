#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The embedded player's dealings with mplayer in slave mode, and its clock and time labels.
// No widgets and no processes: the main window runs what these build.

// mplayer's arguments for playing `video` without end into the native X11 window `windowId`.
// The first video output that works is taken (Xvfb has no Xv adaptor, so x11 is the fallback)
// and -zoom lets x11 scale the picture to the window. The screenshot filter makes the
// "screenshot" command work. The video comes after "--", so a name starting with "-" is
// never read as an option.
QStringList playerArguments(const QString &video, quint64 windowId);

// The commands written to the slave's standard input.
QByteArray screenshotCommand();
QByteArray pauseCommand();
// Seeks to the absolute second `seconds`.
QByteArray seekCommand(int seconds);
QByteArray quitCommand();

// The elapsed label for `seconds`: "hh:mm:ss" with the hours always 0, so that it wraps to
// 00:00:00 after 00:59:59 while the slider keeps counting seconds.
QString elapsedText(int seconds);

// The total seconds of a tile's duration text ("Duration: hh:mm:ss", or just "hh:mm:ss");
// 0 when it does not read as a time.
int durationSeconds(const QString &durationText);

// One tick of the player's own one-second clock. Returns the second to show and advances
// `elapsedSeconds`; a count that has passed `totalSeconds` starts again at 0, as the slave
// loops the video.
int clockTick(int &elapsedSeconds, int totalSeconds);
