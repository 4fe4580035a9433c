#pragma once

#include <QString>

// The style sheet of an icon button: its normal, hover and pressed pictures, named inside
// the button icon resources.
QString iconButtonStyle(const QString &objectName, const QString &normal, const QString &hover,
                        const QString &pressed);
