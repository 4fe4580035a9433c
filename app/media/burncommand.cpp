#include "burncommand.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace {

constexpr int keptLines = 12;

} // namespace

QString overlayFilterGraph(const QStringList &overlayFileNames)
{
    const int n = overlayFileNames.size();
    if (n == 0)
        return {};
    if (n == 1)
        return QStringLiteral("movie=%1 [watermark];[in] [watermark] overlay=0:0[out]").arg(overlayFileNames.first());

    QString movies;
    QString overlays;
    for (int i = 0; i < n; ++i) {
        const QString label = QStringLiteral("watermark") + QString::number(i);
        movies += (i == 0 ? QString() : QStringLiteral(" ")) + QStringLiteral("movie=") + overlayFileNames.at(i)
                + QStringLiteral(" [") + label + QStringLiteral("];");
        if (i == 0)
            overlays += QStringLiteral("[in] [%1] overlay=0:0 [in+%1]; [in+%1]").arg(label);
        else if (i < n - 1)
            overlays += QStringLiteral("[%1] overlay=0:0 [in+%1]; [in+%1]").arg(label);
        else
            overlays += QStringLiteral("[%1] overlay=0:0 ").arg(label);
    }
    return movies + overlays + QStringLiteral("[out]");
}

QStringList qualityOptions(const QString &outputPath)
{
    const QString suffix = QFileInfo(outputPath).suffix().toLower();
    static const QStringList h264{QStringLiteral("mp4"), QStringLiteral("mov"), QStringLiteral("m4v"),
                                  QStringLiteral("mkv")};
    if (h264.contains(suffix))
        return {QStringLiteral("-crf"), QStringLiteral("18")};
    if (suffix == QLatin1String("webm"))
        return {QStringLiteral("-crf"), QStringLiteral("31"), QStringLiteral("-b:v"), QStringLiteral("0")};
    return {QStringLiteral("-q:v"), QStringLiteral("2")};
}

QStringList burnArguments(const QString &source, const QString &filterGraph, const QString &output)
{
    QStringList arguments{QStringLiteral("-i"), source};
    arguments << qualityOptions(output);
    if (!filterGraph.isEmpty())
        arguments << QStringLiteral("-vf") << filterGraph;
    arguments << QStringLiteral("-y") << output;
    return arguments;
}

int BurnProgressParser::sizeOf(const QString &line)
{
    if (!line.contains(QLatin1String("size=")))
        return -1;
    for (const QString &part : line.split(QLatin1Char(' '))) {
        if (!part.contains(QLatin1String("kB")))
            continue;
        bool ok = false;
        const int size = QString(part).remove(QStringLiteral("kB")).trimmed().toInt(&ok);
        return ok && size > 0 ? size : -1;
    }
    return -1;
}

int BurnProgressParser::feed(const QByteArray &chunk)
{
    partial += chunk;
    // ffmpeg ends its progress lines with a carriage return and the rest with a line feed.
    static const QRegularExpression lineEnd(QStringLiteral("[\r\n]"));
    const QStringList pieces = QString::fromLocal8Bit(partial).split(lineEnd);
    partial = pieces.last().toLocal8Bit();

    int latest = -1;
    for (int i = 0; i < pieces.size() - 1; ++i) {
        const QString line = pieces.at(i).trimmed();
        if (line.isEmpty())
            continue;
        tail.append(line);
        if (tail.size() > keptLines)
            tail.removeFirst();
        if (const int size = sizeOf(line); size > 0)
            latest = size;
    }
    return latest;
}
