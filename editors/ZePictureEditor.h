#pragma once

// The picture dialog: shows one bitmap, picture or icon, loads it from a file, saves it, clears
// it, and switches between the picture's own size and the whole working area. The property
// editors of pictures, images and icons read and write Image1's picture directly; the dialog
// never touches the designer.

#include "Forms.h"

class TButton;
class TImage;
class TOpenPictureDialog;
class TPanel;
class TSavePictureDialog;
class TSpeedButton;

class TfPictureEditor : public TForm
{
    Z_CLASS(TfPictureEditor)
public:
    explicit TfPictureEditor(TComponent *owner);

    // All owned by the form.
    TPanel *Panel1 = nullptr; // the buttons at the right
    TPanel *Panel2 = nullptr; // the speed buttons at the bottom
    TPanel *Panel3 = nullptr; // the white frame around the picture
    TImage *Image1 = nullptr;
    TButton *Button1 = nullptr;
    TButton *Button2 = nullptr;
    TSpeedButton *SpeedButton1 = nullptr;
    TSpeedButton *SpeedButton2 = nullptr;
    TSpeedButton *SpeedButton3 = nullptr;
    TSpeedButton *SpeedButton4 = nullptr;
    TOpenPictureDialog *OpenPictureDialog1 = nullptr;
    TSavePictureDialog *SavePictureDialog1 = nullptr;

    // Load and save errors are not caught here: they reach the caller (the standard error
    // display for a click) and leave the picture as it was.
    void SpeedButton1Click(TObject *sender);
    void SpeedButton2Click(TObject *sender);
    void SpeedButton3Click(TObject *sender);
    void SpeedButton4Click(TObject *sender);

private:
    void CreateControls();
    void CreateFileDialogs();
};
