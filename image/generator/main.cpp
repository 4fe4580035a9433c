// orvantis-artwork <output-root>
//
// Draws the program's pictures and writes them as PNG below <output-root>.
// The output depends only on this code, Qt and fonts-liberation, so running
// it again reproduces the committed files byte for byte.
#include "artwork.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    // Nothing is shown on screen; do not require a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList args = app.arguments();
    if (args.size() != 2 || args.at(1).startsWith(QLatin1Char('-'))) {
        std::fprintf(stderr, "usage: orvantis-artwork <output-root>\n");
        return 2;
    }

    const QString missing = art::checkFonts();
    if (!missing.isEmpty()) {
        // A substitute font would silently produce different pictures.
        std::fprintf(stderr, "orvantis-artwork: fonts not available: %s (install fonts-liberation)\n",
                     qPrintable(missing));
        return 1;
    }

    const QString root = QDir(args.at(1)).absolutePath();
    if (!QDir().mkpath(root)) {
        std::fprintf(stderr, "orvantis-artwork: cannot create %s\n", qPrintable(root));
        return 1;
    }

    art::Output out(root);
    art::writeButtons(out);
    art::writePanels(out);
    art::writeSlides(out);
    art::writeStamps(out);

    if (!out.ok())
        return 1;
    std::printf("orvantis-artwork: wrote %lld files under %s\n",
                static_cast<long long>(out.written().size()), qPrintable(root));
    return 0;
}
