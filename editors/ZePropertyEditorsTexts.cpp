// The editors of text properties that open a dialog: input masks and file filters.

#include "ZePropertyEditors.h"

#include "StdCtrls.h"
#include "ZeFilterEditor.h"
#include "ZeMasckEditor.h"

#include <memory>

namespace {

// The dialogs have no owner: the editor frees its dialog when Edit ends, also on error.
template<class D>
struct DialogFree
{
    void operator()(D *dialog) const { Free(dialog); }
};

template<class D>
using TOwnedDialog = std::unique_ptr<D, DialogFree<D>>;

} // namespace

Z_DEFINE_CLASS(TZeMaskEditor, TStringProperty, NoPublishedProps)
Z_DEFINE_CLASS(TZeFilterEditor, TStringProperty, NoPublishedProps)

TPropertyAttributes TZeMaskEditor::GetAttributes()
{
    return attrDialog | attrMultiSelect;
}

void TZeMaskEditor::Edit()
{
    const TPropertyEditorRef keepAlive(this); // the inspector may drop its rows meanwhile
    TOwnedDialog<TfZeMaskEditor> dialog(new TfZeMaskEditor(nullptr));
    dialog->eMask->SetText(GetValue());
    if (dialog->ShowModal() == mrOk)
        SetValue(dialog->eMask->Text());
    Modified();
}

TPropertyAttributes TZeFilterEditor::GetAttributes()
{
    return attrDialog | attrMultiSelect;
}

void TZeFilterEditor::Edit()
{
    const TPropertyEditorRef keepAlive(this);
    TOwnedDialog<TfZeFilterEditor> dialog(new TfZeFilterEditor(nullptr));
    dialog->SetFilterText(GetValue());
    if (dialog->ShowModal() != mrOk)
        return;
    SetValue(dialog->GetFilterText());
    Modified();
}
