#include "Unit1.h"

#include "StdCtrls.h"
#include "ZeIDE.h"

Z_DEFINE_CLASS(TForm1, TForm, NoPublishedProps)

TForm1::TForm1(TComponent *owner) : TForm(owner)
{
    SetName(QStringLiteral("Form1"));
    SetCaption(QStringLiteral("Form1"));
    SetBounds(472, 124, 483, 483);
    Font()->SetName(QStringLiteral("MS Sans Serif"));
    Font()->SetHeight(-11);
    SetKeyPreview(true);

    Button3 = new TButton(this);
    Button3->SetName(QStringLiteral("Button3"));
    Button3->SetCaption(QStringLiteral("Design"));
    Button3->SetBounds(36, 28, 75, 25);
    Button3->SetTabOrder(0);
    Button3->OnClick = TNotifyEvent::Of<&TForm1::Button3Click>(this);
    Button3->SetParent(this);
    DoCreate();
}

void TForm1::Button3Click(TObject *)
{
    // Each opening builds a fresh designer and frees it when its window closes.
    auto *ide = new TZeIDEForm(this);
    try {
        ide->ShowModal();
    } catch (...) {
        Free(ide);
        throw;
    }
    Free(ide);
}
