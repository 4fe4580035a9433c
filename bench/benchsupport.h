#pragma once

// What every benchmark needs: a data folder of its own and a robust middle value.

#include "shell/appfolders.h"

#include <QByteArray>
#include <QTemporaryDir>

#include <algorithm>
#include <vector>

// Points HOME at a fresh folder (so the real user's data is never touched), for the
// program's whole run; create it before the QApplication.
class BenchHome
{
public:
    BenchHome()
    {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qputenv("HOME", folder.path().toLocal8Bit());
        qunsetenv("XDG_DATA_HOME");
    }
    QString path() const { return folder.path(); }

private:
    QTemporaryDir folder;
};

inline double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}
