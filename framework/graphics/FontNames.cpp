#include "FontNames.h"

#include <QFontDatabase>

QStringList ScreenFontNames()
{
    QStringList names;
    const QStringList families = QFontDatabase::families();
    for (const QString &family : families) {
        if (!QFontDatabase::isPrivateFamily(family))
            names.append(family);
    }
    return names;
}
