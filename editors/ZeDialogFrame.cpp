// The frame the value dialogs share.

#include "ZeDialogFrame.h"

#include "ExtCtrls.h"
#include "StdCtrls.h"

namespace {

constexpr int SpacerSize = 5;

TButton *AddButton(TForm *form, TWinControl *parent, const QString &name,
                   const QString &caption, QPoint at, TModalResult result)
{
    auto *button = new TButton(form);
    button->SetName(name);
    button->SetCaption(caption);
    button->SetBounds(at.x(), at.y(), 75, 25);
    button->SetModalResult(result);
    button->SetParent(parent);
    return button;
}

} // namespace

void SetUpValueDialog(TForm *form, const QString &caption, int width, int height)
{
    form->SetCaption(caption);
    form->SetBounds(0, 0, width, height);
    form->SetPosition(poScreenCenter);
    form->Font()->SetName(QStringLiteral("MS Sans Serif"));
    form->Font()->SetHeight(-11);
}

TPanel *AddPlainPanel(TForm *form, TWinControl *parent, TAlign align, int size)
{
    auto *panel = new TPanel(form);
    panel->SetBevelOuter(bvNone);
    panel->SetCaption(QString());
    // Placed at the side it aligns to, so that it goes inside the panels aligned there before.
    const int w = parent->ClientWidth(), h = parent->ClientHeight();
    switch (align) {
    case alBottom: panel->SetBounds(0, h - size, w, size); break;
    case alRight: panel->SetBounds(w - size, 0, size, h); break;
    case alLeft: case alTop: panel->SetBounds(0, 0, size, size); break;
    default: break;
    }
    panel->SetAlign(align);
    panel->SetParent(parent);
    return panel;
}

void AddSpacers(TForm *form)
{
    for (TAlign side : {alTop, alBottom, alLeft, alRight})
        AddPlainPanel(form, form, side, SpacerSize);
}

void AddOkCancel(TForm *form, TWinControl *parent, QPoint ok, QPoint cancel)
{
    AddButton(form, parent, QStringLiteral("Button1"), QStringLiteral("Ok"), ok, mrOk)
        ->SetDefault(true);
    AddButton(form, parent, QStringLiteral("Button2"), QStringLiteral("Cancel"), cancel,
              mrCancel)
        ->SetCancel(true);
}
