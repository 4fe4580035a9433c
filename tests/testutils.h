#pragma once

#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

// Gives the test a HOME of its own, so nothing touches the real user's data; the data root
// then is HOME/.local/share. Restores the environment when it goes.
class TestHome
{
public:
    TestHome()
        : oldHome(qgetenv("HOME")), oldData(qgetenv("XDG_DATA_HOME")), oldConfig(qgetenv("XDG_CONFIG_HOME"))
    {
        QVERIFY(dir.isValid());
        qputenv("HOME", dir.path().toLocal8Bit());
        qunsetenv("XDG_DATA_HOME");
        qunsetenv("XDG_CONFIG_HOME");
    }
    ~TestHome()
    {
        restore("HOME", oldHome);
        restore("XDG_DATA_HOME", oldData);
        restore("XDG_CONFIG_HOME", oldConfig);
    }
    TestHome(const TestHome &) = delete;
    TestHome &operator=(const TestHome &) = delete;

    QString path() const { return dir.path(); }
    QString data() const { return dir.path() + QStringLiteral("/.local/share/Orvantis"); }

private:
    static void restore(const char *name, const QByteArray &value)
    {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }

    QTemporaryDir dir;
    QByteArray oldHome, oldData, oldConfig;
};

inline QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Answers every message box that opens while it lives, and remembers what they said.
// `answer` picks the button; NoButton takes the box's default (OK, or Yes).
class ModalWatcher : public QObject
{
public:
    explicit ModalWatcher(QMessageBox::StandardButton answer = QMessageBox::NoButton)
        : answer(answer)
    {
        connect(&timer, &QTimer::timeout, this, [this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            titles << box->windowTitle();
            texts << box->text();
            QAbstractButton *button = this->answer == QMessageBox::NoButton ? nullptr : box->button(this->answer);
            if (!button)
                button = box->defaultButton() ? box->defaultButton() : box->buttons().value(0);
            if (button)
                button->click();
        });
        timer.start(20);
    }

    QStringList texts;
    QStringList titles;

private:
    QMessageBox::StandardButton answer;
    QTimer timer;
};

// Runs a tool to its end; returns its merged output, or a null array when it failed.
inline QByteArray runTool(const QString &program, const QStringList &arguments, int timeoutMs = 120000)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(timeoutMs) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return {};
    const QByteArray output = process.readAll();
    return output.isNull() ? QByteArray("") : output;
}

// A test clip made by ffmpeg: a moving test pattern with a tone, `seconds` long.
inline bool makeTestClip(const QString &path, double seconds, const QSize &size = QSize(320, 240),
                         const QStringList &codecOptions = {QStringLiteral("-c:v"), QStringLiteral("mpeg4"),
                                                            QStringLiteral("-q:v"), QStringLiteral("2"),
                                                            QStringLiteral("-c:a"), QStringLiteral("mp2")})
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    const QString duration = QString::number(seconds);
    QStringList arguments{QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-y"),
                          QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                          QStringLiteral("testsrc=size=%1x%2:rate=25").arg(size.width()).arg(size.height()),
                          QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                          QStringLiteral("sine=frequency=440:sample_rate=44100"),
                          QStringLiteral("-t"), duration};
    arguments << codecOptions << path;
    return !runTool(QStringLiteral("ffmpeg"), arguments).isNull() && QFileInfo(path).size() > 0;
}

// One frame of a video at `seconds`, decoded by ffmpeg.
inline QImage frameAt(const QString &video, double seconds, const QString &scratchFolder)
{
    const QString picture = scratchFolder + QStringLiteral("/frame-%1.png").arg(QString::number(seconds).replace(QLatin1Char('.'), QLatin1Char('_')));
    runTool(QStringLiteral("ffmpeg"), {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-y"),
                                       QStringLiteral("-ss"), QString::number(seconds), QStringLiteral("-i"), video,
                                       QStringLiteral("-frames:v"), QStringLiteral("1"), picture});
    return QImage(picture).convertToFormat(QImage::Format_RGB32);
}

// Puts a stand-in ffmpeg (a shell script) in the tool folder, where the studio looks first.
// Removes it again when it goes.
class StubTool
{
public:
    StubTool(const QString &folder, const QString &name, const QByteArray &script)
        : path(folder + QStringLiteral("/") + name)
    {
        QDir().mkpath(folder);
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write("#!/bin/sh\n" + script);
        file.close();
        QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner);
    }
    ~StubTool() { QFile::remove(path); }
    StubTool(const StubTool &) = delete;
    StubTool &operator=(const StubTool &) = delete;

private:
    QString path;
};
