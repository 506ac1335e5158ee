#pragma once

// The image list editor: a modal dialog that edits a working copy of an image list
// (ImageList1). It shows the images as a strip of numbered thumbnails with a larger preview of
// the selected one, adds images from bitmap files (a strip of square tiles is cut apart),
// deletes, clears, reorders and exports them, and applies the copy to the edited list (Target)
// with or without closing.

#include "ExtCtrls.h"
#include "ExtDlgs.h"
#include "Forms.h"
#include "ImgList.h"
#include "StdCtrls.h"

#include <vector>

class TUpDown;
enum class TUDBtnType;

// An edit for a whole number with up and down arrows beside it. There are no limits, and a
// text that is not a whole number reads as 0.
class TZeSpinEdit : public TWinControl
{
    Z_CLASS(TZeSpinEdit)
public:
    explicit TZeSpinEdit(TComponent *owner);

    int Value() const;
    void SetValue(int value);
    TEdit *Edit() const { return m_edit; } // owned; the part that takes the focus

private:
    void ButtonClick(TObject *sender, TUDBtnType button);
    void EditKeyDown(TObject *sender, quint16 &key, TShiftState shift);

    TEdit *m_edit;      // owned
    TUpDown *m_buttons; // owned
};

// A notification without arguments.
using TSimpleEvent = TEvent<>;

class TfZeImageListEditor : public TForm
{
    Z_CLASS(TfZeImageListEditor)
public:
    explicit TfZeImageListEditor(TComponent *owner);
    ~TfZeImageListEditor() override;

    TButton *Button1; // "Ok"
    TButton *Button2; // "Cancel"
    TButton *Button3; // "Apply"
    TButton *Button5; // "Add"
    TButton *Button6; // "Delete"
    TButton *Button7; // "Clear"
    TButton *Button4; // "Export"
    TGroupBox *GroupBox1;
    TPanel *Panel1; // the preview's white frame
    TImage *Image1;
    TLabel *Label4;
    TZeSpinEdit *SpinEdit1;
    TButton *Button8; // "Go"
    TButton *Button9; // "Change"
    TGroupBox *GroupBox3;
    TScrollBox *ScrollBox1;
    TPanel *pImages;
    TImageList *ImageList1;
    TOpenPictureDialog *OpenPictureDialog1;
    TSavePictureDialog *SavePictureDialog1;

    // The strip's controls by image index; they are owned by pImages.
    std::vector<TLabel *> Labels;
    std::vector<TImage *> Thumbnails;
    // The selected image; -1 until one has been selected.
    int SelectedIndex = -1;

    // The edited list; not owned, free-notified.
    TCustomImageList *Target() const { return m_target; }
    void SetTarget(TCustomImageList *list);
    // Raised after "Apply" has changed Target.
    TSimpleEvent OnModified;

    void RebuildStrip();
    // Selects the image of the sender's tag (a thumbnail or a label of the strip).
    void ImageMouseUp(TObject *sender, TMouseButton button, TShiftState shift, int x, int y);
    void GoToImage(int index);
    // Adds the images of a bitmap file as "Add" does after its file dialog.
    void AddImagesFromFile(const QString &fileName);
    // Adds a loaded bitmap: one image, or square tiles when its width is a whole multiple of
    // its height. Raises an error for a bitmap without height.
    void AddBitmap(TBitmap *bitmap);

    void Button3Click(TObject *sender); // Apply
    void Button4Click(TObject *sender); // Export
    void Button5Click(TObject *sender); // Add
    void Button6Click(TObject *sender); // Delete
    void Button7Click(TObject *sender); // Clear
    void Button8Click(TObject *sender); // Go
    void Button9Click(TObject *sender); // Change
    void FormKeyUp(TObject *sender, quint16 &key, TShiftState shift);

    void Notification(TComponent *component, TOperation operation) override;

private:
    void BuildControls();
    void BuildButtons();
    void BuildSelectBox();
    void BuildImagesBox();
    TButton *AddButton(const char *name, const QString &caption, int top);
    // Draws every image side by side on one bitmap, h high and count x w wide.
    void PaintStrip(TBitmap *strip);

    TCustomImageList *m_target = nullptr; // not owned
};
