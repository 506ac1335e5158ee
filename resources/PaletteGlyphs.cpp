#include "PaletteGlyphs.h"

#include <QDir>

QStringList PaletteGlyphNames()
{
    QStringList names;
    const QDir dir(QStringLiteral(":/glyphs"));
    for (const QString &file : dir.entryList({QStringLiteral("*.bmp")}, QDir::Files, QDir::Name))
        names.append(file.chopped(4));
    return names;
}
