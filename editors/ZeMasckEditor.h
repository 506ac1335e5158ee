#pragma once

// The input-mask dialog: a list of eight sample masks, the mask being edited, and a test field
// that takes the mask each time it is entered, so that the user can try it.

#include "Forms.h"

class TEdit;
class TGroupBox;
class TLabel;
class TListView;
class TMaskEdit;

class TfZeMaskEditor : public TForm
{
    Z_CLASS(TfZeMaskEditor)
public:
    explicit TfZeMaskEditor(TComponent *owner);

    // The sample masks of the list, by row.
    static QString SampleMask(int row);
    static int SampleCount();

    // Children of the form, owned by it.
    TListView *ListView1 = nullptr;
    TLabel *Label1 = nullptr;
    TEdit *eMask = nullptr;
    TGroupBox *GroupBox1 = nullptr;
    TMaskEdit *MaskEdit1 = nullptr;

    void ListView1Click(TObject *sender);
    void ListView1KeyUp(TObject *sender, quint16 &key, TShiftState shift);
    void MaskEdit1Enter(TObject *sender);

private:
    void CreateSampleList();
    void CreateMaskFields(TWinControl *parent);
};
