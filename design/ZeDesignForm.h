#pragma once

// The design form's unit. For now it holds the palette entry record, which the palette fills
// and the design form reads for the glyph of a non-visual component.

#include "Graphics.h"
#include "System.h"

// One placeable class: the page it was registered on, the class, and its 24 by 24 glyph.
class TComponentcreator : public TObject
{
    Z_CLASS(TComponentcreator)
public:
    TComponentcreator();
    ~TComponentcreator() override;

    QString PageName;
    TClass ComponentClass = nullptr;
    TBitmap *Glyph; // owned; an empty 24 by 24 bitmap until loaded
};
