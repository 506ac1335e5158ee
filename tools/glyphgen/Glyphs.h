#pragma once

#include "Canvas.h"

#include <vector>

// One palette glyph: the resource name (the class name in capitals) and what draws it on a
// 24 by 24 canvas already filled with the key colour. The bottom-left pixel must stay key.
struct GlyphDef
{
    const char *name;
    void (*draw)(Canvas &);
};

// The glyphs of each palette page, in palette order, and the generic component picture.
std::vector<GlyphDef> StandardGlyphs();   // Standard and Additional
std::vector<GlyphDef> Win32Glyphs();      // Win32 and System
std::vector<GlyphDef> DatabaseGlyphs();   // Database
std::vector<GlyphDef> DialogGlyphs();     // Dialogs and DEFAULT_COMP

// Pictures that the data-aware glyphs reuse under their database badge.
void DrawLabel(Canvas &c);
void DrawEdit(Canvas &c);
void DrawMemo(Canvas &c);
void DrawCheckBox(Canvas &c);
void DrawListBox(Canvas &c);
void DrawComboBox(Canvas &c);
void DrawRadioGroup(Canvas &c);
void DrawStringGrid(Canvas &c);
void DrawImage(Canvas &c);
void DrawRichEdit(Canvas &c);

// Shared parts.
void LandscapePicture(Canvas &c, int x, int y, int w, int h);
void Cylinder(Canvas &c, int x, int y, int w, int h);
void Tick(Canvas &c, int x, int y, const QColor &colour);
