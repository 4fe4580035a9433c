#pragma once

#include <QString>

// The style sheet of an icon button: its normal, hover and pressed pictures, named inside
// the button icon resources.
QString iconButtonStyle(const QString &objectName, const QString &normal, const QString &hover,
                        const QString &pressed);

// The editors' icon buttons. A selected placement or alignment button shows its active
// picture; the others show their hover picture and flash the active one when pressed.
QString placementButtonStyle(const QString &objectName, int placement, bool selected);
// `index` 1 left, 2 centre, 3 right.
QString alignmentButtonStyle(const QString &objectName, int index, bool selected);
// `word` is bold, italic or underline; a style that is on shows its active picture.
QString toggleButtonStyle(const QString &objectName, const QString &word, bool on);
