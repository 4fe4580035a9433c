#include "playercommand.h"

#include <QTime>

QStringList playerArguments(const QString &video, quint64 windowId)
{
    return {QStringLiteral("-vo"),        QStringLiteral("xv,x11,"),
            QStringLiteral("-zoom"),      QStringLiteral("-loop"),
            QStringLiteral("0"),          QStringLiteral("-vf"),
            QStringLiteral("screenshot"), QStringLiteral("-slave"),
            QStringLiteral("-wid"),       QString::number(windowId),
            QStringLiteral("-osdlevel"),  QStringLiteral("0"),
            QStringLiteral("--"),         video};
}

QByteArray screenshotCommand()
{
    return QByteArrayLiteral("screenshot 0\n");
}

QByteArray pauseCommand()
{
    return QByteArrayLiteral("pause\n");
}

QByteArray seekCommand(int seconds)
{
    return QByteArrayLiteral("seek ") + QByteArray::number(seconds) + QByteArrayLiteral(" 2\n");
}

QByteArray quitCommand()
{
    return QByteArrayLiteral("quit\r\n");
}

QString elapsedText(int seconds)
{
    const int s = qMax(0, seconds);
    return QTime(0, (s / 60) % 60, s % 60).toString(QStringLiteral("hh:mm:ss"));
}

int durationSeconds(const QString &durationText)
{
    QString text = durationText;
    text.remove(QStringLiteral("Duration: "));
    const QTime time = QTime::fromString(text.trimmed(), QStringLiteral("hh:mm:ss"));
    return time.isValid() ? time.hour() * 3600 + time.minute() * 60 + time.second() : 0;
}

int clockTick(int &elapsedSeconds, int totalSeconds)
{
    if (elapsedSeconds > totalSeconds)
        elapsedSeconds = 0;
    return elapsedSeconds++;
}
