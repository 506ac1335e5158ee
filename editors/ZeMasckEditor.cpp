// The input-mask dialog.

#include "ZeMasckEditor.h"

#include "ComCtrlsListView.h"
#include "ExtCtrls.h"
#include "Mask.h"
#include "StdCtrls.h"
#include "ValueDialogFrame.h"
#include "WindowBuilding.h"

#include <array>

namespace {

struct TSampleMask
{
    const char *name;
    const char *mask; // backslashes are the mask's own: they make the next character literal
    const char *example;
};

const std::array<TSampleMask, 8> SampleMasks = {{
    {"Phone", "!\\(999\\)000-0000;1;_", "(415)555-1212"},
    {"Extension", "!99999;1;_", "15450"},
    {"Social security", "000\\-00\\-0000;1;_", "555-55-5555"},
    {"Short zip code", "00000;1;_", "90504"},
    {"Long zip code", "00000\\-9999;1;_", "90504-0000"},
    {"Date", "!99/99/00;1;_", "06.27.94"},
    {"Long time", "!90:00:00>LL;1;_", "09:05:15PM"},
    {"Short time", "!90:00;1;_", "13:45"},
}};

// The test field: a masked edit that the user may leave half typed. Checking it on the way
// out would keep the dialog's buttons from closing it, and the focus coming back to it clears
// it anyway (MaskEdit1Enter), so the check would leave nothing to complete.
class TMaskTestEdit : public TMaskEdit
{
public:
    using TMaskEdit::TMaskEdit;
    void ValidateEdit() override {}
};

constexpr int BottomHeight = 100; // the mask fields and the buttons, below the list
constexpr int ButtonsWidth = 165;

} // namespace

Z_DEFINE_CLASS(TfZeMaskEditor, TForm, NoPublishedProps)

TfZeMaskEditor::TfZeMaskEditor(TComponent *owner) : TForm(owner)
{
    SetName(QStringLiteral("fZeMaskEditor"));
    SetupValueDialog(this, QStringLiteral("Masks"), 565, 371);
    AddDialogSpacers(this);
    TPanel *bottom = FlatPanel(this, this, "Panel1", alBottom);
    bottom->SetHeight(BottomHeight);
    TPanel *buttons = FlatPanel(this, bottom, "Panel2", alRight);
    buttons->SetWidth(ButtonsWidth);
    DialogButton(this, buttons, "Button1", true, 4, 70);
    DialogButton(this, buttons, "Button2", false, 86, 70);
    CreateMaskFields(bottom);
    CreateSampleList();
    DoCreate();
}

QString TfZeMaskEditor::SampleMask(int row)
{
    return QString::fromLatin1(SampleMasks.at(size_t(row)).mask);
}

int TfZeMaskEditor::SampleCount()
{
    return int(SampleMasks.size());
}

void TfZeMaskEditor::CreateSampleList()
{
    ListView1 = new TListView(this);
    ListView1->SetName(QStringLiteral("ListView1"));
    ListView1->AddColumn(QStringLiteral("Name"), 120);
    ListView1->AddColumn(QStringLiteral("Value"), 200);
    ListView1->AddColumn(QStringLiteral("Example"), 200);
    for (const TSampleMask &sample : SampleMasks) {
        ListView1->AddItem(QString::fromLatin1(sample.name),
                           {QString::fromLatin1(sample.mask),
                            QString::fromLatin1(sample.example)});
    }
    ListView1->SetAlign(alClient);
    ListView1->OnClick = TNotifyEvent::Of<&TfZeMaskEditor::ListView1Click>(this);
    ListView1->OnKeyUp = TKeyEvent::Of<&TfZeMaskEditor::ListView1KeyUp>(this);
    ListView1->SetParent(this);
}

void TfZeMaskEditor::CreateMaskFields(TWinControl *parent)
{
    Label1 = new TLabel(this);
    Label1->SetName(QStringLiteral("Label1"));
    Label1->SetCaption(QStringLiteral("Input mask :"));
    Label1->SetBounds(2, 12, 60, 13);
    Label1->SetParent(parent);

    eMask = new TEdit(this);
    eMask->SetName(QStringLiteral("eMask"));
    eMask->SetText(QString()); // not the name, which naming the edit gave it
    eMask->SetBounds(72, 8, 300, 21);
    eMask->SetMaxLength(255);
    eMask->SetParent(parent);
    Label1->SetFocusControl(eMask);

    GroupBox1 = new TGroupBox(this);
    GroupBox1->SetName(QStringLiteral("GroupBox1"));
    GroupBox1->SetCaption(QStringLiteral("Test :   "));
    GroupBox1->SetBounds(0, 38, 372, 57);
    GroupBox1->SetParent(parent);

    MaskEdit1 = new TMaskTestEdit(this);
    MaskEdit1->SetName(QStringLiteral("MaskEdit1"));
    MaskEdit1->SetText(QString());
    MaskEdit1->SetBounds(10, 22, 352, 21);
    MaskEdit1->SetMaxLength(255);
    MaskEdit1->OnEnter = TNotifyEvent::Of<&TfZeMaskEditor::MaskEdit1Enter>(this);
    MaskEdit1->SetParent(GroupBox1);
}

void TfZeMaskEditor::ListView1Click(TObject *)
{
    const int row = ListView1->ItemIndex();
    if (row >= 0 && row < SampleCount())
        eMask->SetText(SampleMask(row));
}

void TfZeMaskEditor::ListView1KeyUp(TObject *sender, quint16 &, TShiftState)
{
    ListView1Click(sender);
}

void TfZeMaskEditor::MaskEdit1Enter(TObject *)
{
    MaskEdit1->SetText(QString());
    MaskEdit1->SetEditMask(eMask->Text());
}
