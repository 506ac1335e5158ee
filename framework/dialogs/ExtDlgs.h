#pragma once

// The picture file dialogs: open and save dialogs whose filter starts as the graphic formats
// this framework reads and writes.

#include "Dialogs.h"

// "All (*.bmp;*.ico)|*.bmp;*.ico|Bitmaps (*.bmp)|*.bmp|Icons (*.ico)|*.ico": every graphic
// format first, then each format alone.
QString GraphicFilter();

class TOpenPictureDialog : public TOpenDialog
{
    Z_CLASS(TOpenPictureDialog)
public:
    explicit TOpenPictureDialog(TComponent *owner);
};

class TSavePictureDialog : public TOpenPictureDialog
{
    Z_CLASS(TSavePictureDialog)
public:
    explicit TSavePictureDialog(TComponent *owner);

protected:
    bool SaveMode() const override { return true; }
};
