#include "mainwindow.h"

#include "appfolders.h"
#include "companionbundles.h"
#include "messageboxes.h"
#include "platform.h"

#include <QTimer>

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Ferravel Video Vizodiz"));
    setWindowIcon(QIcon(QStringLiteral(":/image/watermarkimages/ButtonIcons/appicon_lumivane_01_256x256.png")));
    setFixedSize(1023, 678);

    for (const Outcome &step : {setUpDataFolders(), parser.ensureDocument()}) {
        if (!step)
            startupMessages.append(step.message);
    }
    programDir = QDir(programFolderPath());
    unpackCompanionBundles(programDir);

    toolFolder = toolFolderPath();
    ensureToolFolder();

    if (Outcome read = parser.readList(LibraryList); !read)
        startupMessages.append(read.message);
}

void MainWindow::initMainWindow()
{
    emit stopProcess();
    show();
    // Told after the window is up, so the message has a window to belong to.
    if (!startupMessages.isEmpty())
        QTimer::singleShot(0, this, [this] { showNotice(startupMessages.join(QStringLiteral("\n\n"))); });
}
