// Times an Apply of a two-line text watermark for a 3840 x 2160 video: fitting the point
// size, drawing the full-frame overlay and writing its PNG. The baseline, measured in the
// same run, writes an empty full-frame PNG: the part of the cost no renderer can avoid.
#include "benchsupport.h"
#include "shell/appfolders.h"
#include "watermark/ctextwatermark.h"
#include "watermark/overlayfiles.h"
#include "watermark/watermarklabel.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int rounds = 10;

} // namespace

int main(int argc, char *argv[])
{
    const BenchHome home;
    QApplication app(argc, argv);
    setUpDataFolders();

    watermarkLabel preview;
    preview.setVideoSize(3840, 2160);
    preview.setImageMode(false);

    std::vector<double> apply, baseline;
    for (int round = 0; round < rounds; ++round) {
        QDir(overlayFolderPath()).removeRecursively();
        QDir().mkpath(overlayFolderPath());

        preview.createTextWatermark();
        preview.setText(QStringLiteral("#C 2026 Orvantis Studio\nAll rights reserved"));
        preview.setTextSize(24);
        preview.setPlacement(9);
        QElapsedTimer timer;
        timer.start();
        if (!preview.writeCurrentOverlay()) {
            std::fprintf(stderr, "overlay not written\n");
            return 1;
        }
        apply.push_back(timer.nsecsElapsed() / 1e6);

        QImage blank(3840, 2160, QImage::Format_ARGB32_Premultiplied);
        timer.restart();
        blank.fill(Qt::transparent);
        writeOverlayImage(blank, overlayFolderPath() + QStringLiteral("/blank.png"));
        baseline.push_back(timer.nsecsElapsed() / 1e6);
    }

    const double a = median(apply), b = median(baseline);
    std::printf("apply of a two-line text, 3840x2160: %.1f ms (median of %d)\n", a, rounds);
    std::printf("baseline, empty 3840x2160 PNG write: %.1f ms\n", b);
    std::printf("ratio apply / baseline: %.2f\n", a / b);
    return 0;
}
