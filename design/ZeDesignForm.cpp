#include "ZeDesignForm.h"

Z_DEFINE_CLASS(TComponentcreator, TObject, NoPublishedProps)

TComponentcreator::TComponentcreator() : Glyph(new TBitmap(24, 24)) {}

TComponentcreator::~TComponentcreator()
{
    delete Glyph;
}
