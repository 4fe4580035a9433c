#include "buttonstyle.h"

QString iconButtonStyle(const QString &objectName, const QString &normal, const QString &hover,
                        const QString &pressed)
{
    return QStringLiteral("QPushButton#%1 {\n background-image: url(:/image/watermarkimages/ButtonIcons/%2);\n"
                          " border: none;\n}\n\nQPushButton#%1:hover{\n background-image: "
                          "url(:/image/watermarkimages/ButtonIcons/%3);\n border: none;\n}\n\n "
                          "QPushButton#%1:pressed {\n background-image: url(:/image/watermarkimages/ButtonIcons/%4);\n"
                          " border: none;\n }")
        .arg(objectName, normal, hover, pressed);
}

namespace {

QString chosenStyle(const QString &objectName, const QString &active, const QString &hover, bool chosen)
{
    return chosen ? iconButtonStyle(objectName, active, hover, hover) : iconButtonStyle(objectName, hover, hover, active);
}

} // namespace

QString placementButtonStyle(const QString &objectName, int placement, bool selected)
{
    static const char *const places[] = {"topleft",    "topcenter",    "topright",
                                         "centerleft", "centercenter", "centerright",
                                         "bottomleft", "bottomcenter", "bottomright"};
    if (placement < 1 || placement > 9)
        return {};
    const QString stem = QStringLiteral("icon_place_%1_01_").arg(QLatin1String(places[placement - 1]));
    return chosenStyle(objectName, stem + QStringLiteral("active_24x24.png"), stem + QStringLiteral("hover_24x24.png"),
                       selected);
}

QString alignmentButtonStyle(const QString &objectName, int index, bool selected)
{
    static const char *const sides[] = {"left", "center", "right"};
    if (index < 1 || index > 3)
        return {};
    const QString stem = QStringLiteral("icon_textalign_%1_01_").arg(QLatin1String(sides[index - 1]));
    return chosenStyle(objectName, stem + QStringLiteral("active_32x32.png"), stem + QStringLiteral("hover_32x32.png"),
                       selected);
}

QString toggleButtonStyle(const QString &objectName, const QString &word, bool on)
{
    const QString stem = QStringLiteral("icon_text%1_01_").arg(word);
    const QString active = stem + QStringLiteral("active_32x32.png");
    const QString hover = stem + QStringLiteral("hover_32x32.png");
    return on ? iconButtonStyle(objectName, active, active, hover) : iconButtonStyle(objectName, hover, hover, active);
}
