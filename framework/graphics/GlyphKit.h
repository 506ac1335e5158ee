#pragma once

// What the program's hand-drawn 16 by 16 button pictures share: their colours, the fuchsia
// key colour the buttons leave out, and the parts several pictures are made of.

#include <QColor>

class QPainter;

inline const QColor GlyphKey(255, 0, 255);
inline const QColor GlyphOutline(0, 0, 0);
inline const QColor GlyphPaper(255, 255, 255);
inline const QColor GlyphFolder(230, 200, 80);
inline const QColor GlyphDisk(40, 60, 160);
inline const QColor GlyphGreen(0, 140, 0);
inline const QColor GlyphRed(200, 0, 0);
inline const QColor GlyphBlue(0, 0, 200);
inline const QColor GlyphGray(128, 128, 128);

// A page with a folded top-right corner, 11 by 14, its top-left corner at x, y.
void DrawGlyphPage(QPainter &p, int x, int y);
// A disk with its label and shutter, 13 by 13, its top-left corner at x, y.
void DrawGlyphDisk(QPainter &p, int x, int y);
