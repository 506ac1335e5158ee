#include "ZePictureEditor.h"

#include "Buttons.h"
#include "ExtCtrls.h"
#include "ExtDlgs.h"
#include "StdCtrls.h"
#include "ValueDialogFrame.h"
#include "WindowBuilding.h"

Z_DEFINE_CLASS(TfPictureEditor, TForm, NoPublishedProps)

namespace {

const QString kBitmapFilter = QStringLiteral("Bitmaps (*.bmp)|*.bmp|All|*.*");
const QString kBitmapExt = QStringLiteral(".bmp");

} // namespace

TfPictureEditor::TfPictureEditor(TComponent *owner) : TForm(owner)
{
    SetupValueDialog(this, QStringLiteral("Bitmap"), 369, 381);
    CreateControls();
    CreateFileDialogs();
}

void TfPictureEditor::CreateControls()
{
    // Aligned in this order, the right column takes the full height and the bottom bar runs
    // under the picture only.
    Panel1 = FlatPanel(this, this, "Panel1", alRight);
    Panel1->SetWidth(90);
    Button1 = DialogButton(this, Panel1, "Button1", true, 8, DialogSpacing);
    Button2 = DialogButton(this, Panel1, "Button2", false, 8, DialogSpacing + 31);

    DialogSpacer(this, this, "Panel4", alTop);
    DialogSpacer(this, this, "Panel5", alLeft);
    DialogSpacer(this, this, "Panel6", alBottom);

    Panel2 = FlatPanel(this, this, "Panel2", alBottom);
    Panel2->SetHeight(31);
    SpeedButton1 = DialogSpeedButton(this, Panel2, "SpeedButton1", EditorGlyph::Open,
                                     QStringLiteral("Open from file"), 0, 4);
    SpeedButton1->OnClick = TNotifyEvent::Of<&TfPictureEditor::SpeedButton1Click>(this);
    SpeedButton2 = DialogSpeedButton(this, Panel2, "SpeedButton2", EditorGlyph::Save,
                                     QStringLiteral("Save to file"), 26, 4);
    SpeedButton2->OnClick = TNotifyEvent::Of<&TfPictureEditor::SpeedButton2Click>(this);
    SpeedButton3 = DialogSpeedButton(this, Panel2, "SpeedButton3", EditorGlyph::Clear,
                                     QStringLiteral("Clear"), 52, 4);
    SpeedButton3->OnClick = TNotifyEvent::Of<&TfPictureEditor::SpeedButton3Click>(this);
    SpeedButton4 = DialogSpeedButton(this, Panel2, "SpeedButton4", EditorGlyph::FitToClient,
                                     QStringLiteral("Align to all client size"), 0, 4);
    SpeedButton4->SetAlign(alRight);
    SpeedButton4->OnClick = TNotifyEvent::Of<&TfPictureEditor::SpeedButton4Click>(this);

    Panel3 = FlatPanel(this, this, "Panel3", alClient);
    Panel3->SetBevelOuter(bvLowered);
    Panel3->SetBevelWidth(3);
    Panel3->SetParentColor(false);
    Panel3->SetColor(clWhite);
    Image1 = Named(new TImage(this), "Image1");
    Image1->SetAlign(alClient);
    Image1->SetCenter(true);
    Image1->SetParent(Panel3);
}

void TfPictureEditor::CreateFileDialogs()
{
    OpenPictureDialog1 = Named(new TOpenPictureDialog(this), "OpenPictureDialog1");
    OpenPictureDialog1->SetDefaultExt(kBitmapExt);
    OpenPictureDialog1->SetFilter(kBitmapFilter);
    OpenPictureDialog1->SetTitle(QStringLiteral("Open bitmap file"));
    SavePictureDialog1 = Named(new TSavePictureDialog(this), "SavePictureDialog1");
    SavePictureDialog1->SetDefaultExt(kBitmapExt);
    SavePictureDialog1->SetFilter(kBitmapFilter);
    SavePictureDialog1->SetTitle(QStringLiteral("Save bitmap file"));
}

void TfPictureEditor::SpeedButton1Click(TObject *)
{
    // The picture reads the file into a graphic of its own first: a file it cannot read
    // leaves the shown picture untouched.
    if (OpenPictureDialog1->Execute())
        Image1->Picture()->LoadFromFile(OpenPictureDialog1->FileName());
}

void TfPictureEditor::SpeedButton2Click(TObject *)
{
    if (SavePictureDialog1->Execute())
        Image1->Picture()->SaveToFile(SavePictureDialog1->FileName());
}

void TfPictureEditor::SpeedButton3Click(TObject *)
{
    TBitmap empty;
    Image1->Picture()->Bitmap()->Assign(&empty);
}

void TfPictureEditor::SpeedButton4Click(TObject *)
{
    Image1->SetStretch(!Image1->Stretch());
}
