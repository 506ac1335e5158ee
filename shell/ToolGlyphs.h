#pragma once

// The pictures of the main window's tool bar and of the palette's arrow and scroll buttons,
// drawn in code on a fuchsia background that the buttons leave out (bottom-left pixel).

class TBitmap;

// The tool bar has 19 buttons; index 0 to 18, left to right, top row first.
constexpr int ToolGlyphCount = 19;
void DrawToolGlyph(int index, TBitmap *glyph);

enum class PaletteGlyph { Arrow, ScrollLeft, ScrollRight };
void DrawPaletteGlyph(PaletteGlyph kind, TBitmap *glyph);
