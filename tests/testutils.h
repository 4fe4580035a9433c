#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
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
