#include "ZeStringsEditor.h"

#include "Buttons.h"
#include "Dialogs.h"
#include "ExtCtrls.h"
#include "StdCtrls.h"
#include "ValueDialogFrame.h"
#include "WindowBuilding.h"

Z_DEFINE_CLASS(TfZeStringsEditor, TForm, NoPublishedProps)

namespace {

const QString kTextFilter = QStringLiteral("Text (*.txt)|*.txt|All|*.*");
const QString kTextExt = QStringLiteral(".txt");

} // namespace

TfZeStringsEditor::TfZeStringsEditor(TComponent *owner) : TForm(owner)
{
    SetupValueDialog(this, QStringLiteral("TStrings"), 583, 380);
    CreateControls();
    CreateFileDialogs();
}

void TfZeStringsEditor::CreateControls()
{
    Panel1 = FlatPanel(this, this, "Panel1", alTop);
    Panel1->SetHeight(35);
    DialogSpacer(this, Panel1, "Panel3", alLeft);
    SpeedButton1 = DialogSpeedButton(this, Panel1, "SpeedButton1", EditorGlyph::Open, QString(),
                                     DialogSpacing, DialogSpacing);
    SpeedButton1->OnClick = TNotifyEvent::Of<&TfZeStringsEditor::SpeedButton1Click>(this);
    SpeedButton2 = DialogSpeedButton(this, Panel1, "SpeedButton2", EditorGlyph::Save, QString(),
                                     DialogSpacing + 26, DialogSpacing);
    SpeedButton2->OnClick = TNotifyEvent::Of<&TfZeStringsEditor::SpeedButton2Click>(this);
    Panel2 = FlatPanel(this, Panel1, "Panel2", alRight);
    Panel2->SetWidth(165);
    Button1 = DialogButton(this, Panel2, "Button1", true, 4, DialogSpacing);
    Button2 = DialogButton(this, Panel2, "Button2", false, 85, DialogSpacing);

    DialogSpacer(this, this, "Panel4", alLeft);
    DialogSpacer(this, this, "Panel5", alRight);
    DialogSpacer(this, this, "Panel6", alBottom);

    Memo1 = Named(new TMemo(this), "Memo1");
    Memo1->Lines()->Clear(); // naming it gave it its name as text
    Memo1->SetAlign(alClient);
    Memo1->SetScrollBars(ssBoth);
    Memo1->SetWordWrap(false);
    Memo1->SetParentFont(false);
    Memo1->Font()->Assign(Font());
    Memo1->Font()->SetHeight(-13);
    Memo1->SetParent(this);
}

void TfZeStringsEditor::CreateFileDialogs()
{
    OpenDialog1 = Named(new TOpenDialog(this), "OpenDialog1");
    OpenDialog1->SetDefaultExt(kTextExt);
    OpenDialog1->SetFilter(kTextFilter);
    OpenDialog1->SetTitle(QStringLiteral("Open text"));
    SaveDialog1 = Named(new TSaveDialog(this), "SaveDialog1");
    SaveDialog1->SetDefaultExt(kTextExt);
    SaveDialog1->SetFilter(kTextFilter);
    SaveDialog1->SetTitle(QStringLiteral("Save text"));
}

void TfZeStringsEditor::SpeedButton1Click(TObject *)
{
    if (OpenDialog1->Execute())
        Memo1->Lines()->LoadFromFile(OpenDialog1->FileName());
}

void TfZeStringsEditor::SpeedButton2Click(TObject *)
{
    if (SaveDialog1->Execute())
        Memo1->Lines()->SaveToFile(SaveDialog1->FileName());
}
