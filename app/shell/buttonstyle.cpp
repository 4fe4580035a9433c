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
