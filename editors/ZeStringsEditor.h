#pragma once

// The string-list dialog: a memo with the lines being edited, which can be read from and
// written to a text file. The strings property editor reads and writes Memo1's lines directly;
// the dialog never touches the designer.

#include "Forms.h"

class TButton;
class TMemo;
class TOpenDialog;
class TPanel;
class TSaveDialog;
class TSpeedButton;

class TfZeStringsEditor : public TForm
{
    Z_CLASS(TfZeStringsEditor)
public:
    explicit TfZeStringsEditor(TComponent *owner);

    // All owned by the form.
    TPanel *Panel1 = nullptr; // the top bar
    TPanel *Panel2 = nullptr; // the buttons at its right
    TMemo *Memo1 = nullptr;
    TSpeedButton *SpeedButton1 = nullptr;
    TSpeedButton *SpeedButton2 = nullptr;
    TButton *Button1 = nullptr;
    TButton *Button2 = nullptr;
    TOpenDialog *OpenDialog1 = nullptr;
    TSaveDialog *SaveDialog1 = nullptr;

    // File errors are not caught here: they reach the caller and leave the lines as they were.
    void SpeedButton1Click(TObject *sender);
    void SpeedButton2Click(TObject *sender);

private:
    void CreateControls();
    void CreateFileDialogs();
};
