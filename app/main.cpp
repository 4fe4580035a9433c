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

    MainWindow window;
    const QRect desktop(QPoint(0, 0), QGuiApplication::primaryScreen()->size());
    window.move(mainWindowPosition(desktop));
    window.initMainWindow();

    return app.exec();
}
