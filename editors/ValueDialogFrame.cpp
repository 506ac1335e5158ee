#include "ValueDialogFrame.h"

#include "Buttons.h"
#include "Forms.h"
#include "StdCtrls.h"
#include "WindowBuilding.h"

void SetupValueDialog(TForm *form, const QString &caption, int width, int height)
{
    form->SetCaption(caption);
    form->SetBounds(0, 0, width, height);
    form->SetPosition(poScreenCenter);
    form->Font()->SetName(QStringLiteral("MS Sans Serif"));
    form->Font()->SetHeight(-11);
    form->SetShowHint(true);
}

TButton *DialogButton(TForm *form, TWinControl *parent, const char *name, bool okay, int left,
                      int top)
{
    auto *button = Named(new TButton(form), name);
    button->SetCaption(okay ? QStringLiteral("Ok") : QStringLiteral("Cancel"));
    button->SetBounds(left, top, 75, 25);
    if (okay)
        button->SetDefault(true);
    else
        button->SetCancel(true);
    button->SetModalResult(okay ? mrOk : mrCancel);
    button->SetParent(parent);
    return button;
}

TPanel *DialogSpacer(TForm *form, TWinControl *parent, const char *name, TAlign align)
{
    TPanel *spacer = FlatPanel(form, parent, name, align);
    if (align == alTop || align == alBottom)
        spacer->SetHeight(DialogSpacing);
    else
        spacer->SetWidth(DialogSpacing);
    return spacer;
}

void AddDialogSpacers(TForm *form)
{
    DialogSpacer(form, form, "Spacer1", alTop);
    DialogSpacer(form, form, "Spacer2", alBottom);
    DialogSpacer(form, form, "Spacer3", alLeft);
    DialogSpacer(form, form, "Spacer4", alRight);
}

TSpeedButton *DialogSpeedButton(TForm *form, TWinControl *parent, const char *name,
                                EditorGlyph glyph, const QString &hint, int left, int top)
{
    auto *button = Named(new TSpeedButton(form), name);
    button->SetBounds(left, top, 25, 25);
    button->SetFlat(true);
    DrawEditorGlyph(glyph, button->Glyph());
    if (!hint.isEmpty()) {
        button->SetHint(hint);
        button->SetShowHint(true);
    }
    button->SetParent(parent);
    return button;
}
