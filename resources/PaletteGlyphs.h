#pragma once

#include <QStringList>

// The palette glyphs compiled into the resources library, each ":/glyphs/<NAME>.bmp": 24 by 24,
// 16 colours, named by component class name in capitals, the bottom-left pixel's colour
// transparent. TBitmap::LoadFromResourceName finds them by name in any letter case.

// The picture for a class that has no glyph of its own.
inline constexpr char kDefaultGlyphName[] = "DEFAULT_COMP";

// The names (without ".bmp") of the glyph resources registered in this program, sorted.
QStringList PaletteGlyphNames();
