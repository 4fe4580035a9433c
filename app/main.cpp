#include "shell/csplashwidget.h"
#include "shell/mainwindow.h"
#include "shell/startup.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Orvantis"));
    QApplication::setApplicationName(QStringLiteral("Orvantis"));
    QApplication::setWindowIcon(
        QIcon(QStringLiteral(":/image/watermarkimages/ButtonIcons/appicon_lumivane_01_256x256.png")));

    const QRect desktop(QPoint(0, 0), QGuiApplication::primaryScreen()->size());
    CSplashWidget splash;
    splash.setAttribute(Qt::WA_TranslucentBackground);
    splash.move(splashPosition(desktop, splash.size()));

    // Building the window lays out the data folder; it shows itself 3 s later.
    MainWindow window;
    splash.show();
    QObject::connect(&window, &MainWindow::stopProcess, &splash, &QWidget::close);
    window.move(mainWindowPosition(desktop));

    return app.exec();
}
