#pragma once

#include <QString>

// Where the studio lives on this system and where it finds its tools.
// Every other piece of code asks these helpers; none spells a root path itself.

// The Windows version code the folder and tool rules depend on: 0 on Linux.
// Tests set other values to exercise the rules for newer Windows releases.
int windowsVersion();
void setWindowsVersion(int version);

// Windows version codes the rules compare against.
constexpr int WindowsXP = 0x0030;
constexpr int WindowsVista = 0x0080;
constexpr int Windows7 = 0x0090;
constexpr int Windows8 = 0x00a0;

// The per-user data root ($XDG_DATA_HOME, by default ~/.local/share).
QString dataRootPath();
// The studio's own data folder below the data root.
QString dataFolderPath();
// The folder of the running program.
QString programFolderPath();
// The tool folder beside the program, where a bundled ffmpeg may be placed.
QString toolFolderPath();

// The ffmpeg to start: the tool folder's copy when present, else the one on PATH.
QString ffmpegProgram();
// The mplayer to start: the copy beside the program when present, else the one on PATH.
QString mplayerProgram();
