#pragma once

// Fixtures for tests that run the studio's window on a small library.

#include "library/videoprobe.h"
#include "library/xmlparser.h"
#include "shell/appfolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QUuid>

// Copies a clip into an import folder of its own and registers it, as an import does.
// Returns the new entry's id, or "" when any step failed.
inline QString addLibraryClip(const QString &clipTemplate, const QString &folder, const QString &name,
                              int kind = LibraryList)
{
    const QString path = importFolderPath() + QStringLiteral("/") + folder + QStringLiteral("/") + name;
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!QFile::copy(clipTemplate, path))
        return {};
    QStringList probe;
    probeVideo(path, probe);
    if (probe.size() < 5)
        return {};
    const QString id = QUuid::createUuid().toString();
    if (!XMLParser().addItem(id, path, probe.at(1), probe.at(2), probe.at(3), probe.at(4), kind))
        return {};
    return id;
}

// The getting-started guide opens by itself 4 s after the window appears; a test that runs
// longer must not find a modal guide in its way.
inline void switchOffGettingStartedGuide()
{
    QSettings settings(QStringLiteral("Orvantis"), QStringLiteral("wizard"));
    settings.setValue(QStringLiteral("wizard/CheckState"), 2);
    settings.sync();
}
