#pragma once

// The pictures of the code editor's five tool bar buttons, drawn in code on a fuchsia
// background that the buttons leave out (bottom-left pixel).

class TBitmap;

constexpr int CodeEditorGlyphCount = 5;
// 0 new page, 1 open folder, 2 save, 3 set a marker, 4 go to a marker.
void DrawCodeEditorGlyph(int index, TBitmap *glyph);
