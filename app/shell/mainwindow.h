#pragma once

#include "library/xmlparser.h"

#include <QDir>
#include <QMainWindow>
#include <QString>

// The studio's one top-level window. Its constructor lays out the data folder and the
// library document before anything else reads them.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);

    // Problems met while starting (a folder that could not be made, a damaged library),
    // for the window to tell the user once it is on screen.
    QStringList startupProblems() const { return startupMessages; }

signals:
    void stopProcess();

public slots:
    void initMainWindow();

private:
    XMLParser parser;
    QDir programDir;
    QString toolFolder;
    QStringList startupMessages;
};
