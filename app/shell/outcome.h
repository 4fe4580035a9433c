#pragma once

#include <QString>

// The result of an operation that can fail in a way the user should hear about.
// The operation itself shows nothing; the window that called it decides how to tell the user.
struct Outcome
{
    bool ok = true;
    QString message;

    static Outcome success() { return {}; }
    static Outcome failure(const QString &why) { return {false, why}; }
    explicit operator bool() const { return ok; }
};
