// Editing a value in the inspector: the in-place edit, the dialog button and the drop-down
// value list.
//
// Errors an editor raises (a refused value) are not caught here; they reach the framework's
// boundary with Qt, which shows them. On the typing paths the rejected text stays in the edit
// and ValueEdited stays set, so the next Enter or exit tries it again.

#include "ZeObjectInspector.h"

#include "Buttons.h"
#include "ControlScrollBar.h"
#include "ExtCtrls.h"
#include "StdCtrls.h"

namespace {

constexpr int MaxListItems = 10; // the value list shows at most this many items at once

int IndexOfText(const QStringList &list, const QString &text)
{
    for (int i = 0; i < list.size(); ++i)
        if (list.at(i).compare(text, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

} // namespace

void TfObjectInspector::ShowEditText(const QString &text)
{
    m_shownText = text;
    ePropValue->SetText(text);
}

void TfObjectInspector::KeepEditFocused()
{
    // A press on a button or on the list takes the focus; typing goes on in the edit.
    if (ePropValue->Visible() && !ePropValue->Focused())
        ePropValue->SetFocus();
}

void TfObjectInspector::CommitEdit()
{
    if (!ValueEdited || !SelectedRow)
        return;
    const TPropertyEditorRef editor = SelectedRow->Editor;
    const QString text = ePropValue->Text();
    editor->SetValue(text); // raises when refused: ValueEdited stays set
    m_shownText = text;
    ValueEdited = false;
}

void TfObjectInspector::ePropValueKeyDown(TObject *, quint16 &key, TShiftState)
{
    m_keyDownInEdit = key;
}

void TfObjectInspector::ePropValueKeyUp(TObject *, quint16 &key, TShiftState)
{
    const bool pressedHere = m_keyDownInEdit == key;
    m_keyDownInEdit = 0;
    if (key == VK_RETURN && !pressedHere) {
        // The release of an Enter pressed elsewhere: the one that closed the error box of
        // a refused value, say. Taken here it would write the refused text again at once.
        return;
    }
    if (key == VK_RETURN) {
        CommitEdit();
        ePropValue->SelectAll();
        ValueEdited = false;
    } else if (key == VK_ESCAPE) {
        if (SelectedRow) {
            const TPropertyEditorRef editor = SelectedRow->Editor;
            ShowEditText(SelectedRow->IsEvent() ? QString() : editor->GetValue());
        }
        ePropValue->SelectAll();
        ValueEdited = false;
    } else if (ePropValue->Text() != m_shownText) {
        // Only a key that changed the text marks it as typed: a caret move or a modifier
        // must not write the shown value back (to every selected object) on exit.
        ValueEdited = true;
    }
}

void TfObjectInspector::ePropValueExit(TObject *)
{
    CommitEdit();
    ValueEdited = false;
}

void TfObjectInspector::ePropValueDblClick(TObject *)
{
    if (!SelectedRow)
        return;
    const TPropertyEditorRef editor = SelectedRow->Editor;
    const TPropertyAttributes attributes = editor->GetAttributes();
    if (attributes & attrValueList) {
        const QStringList values = editor->ValueList();
        lbPropValue->Items()->BeginUpdate();
        lbPropValue->Items()->Clear();
        for (const QString &value : values)
            lbPropValue->Items()->Add(value);
        lbPropValue->Items()->EndUpdate();
        if (values.isEmpty())
            return;
        const int k = std::max(0, IndexOfText(values, ePropValue->Text()));
        const QString next = values.at(k + 1 < values.size() ? k + 1 : 0);
        ShowEditText(next);
        editor->SetValue(next);
    } else if (attributes & attrDialog) {
        sbEditClick(sbEdit);
    }
}

void TfObjectInspector::sbEditClick(TObject *)
{
    if (!SelectedRow)
        return;
    // The dialog may rebuild the rows: the editor is kept for the whole call.
    const TPropertyEditorRef editor = SelectedRow->Editor;
    editor->Edit();
    // The dialog wrote what the user chose. The shown text is not marked as typed: written
    // again on exit it would copy the first object's value to every selected object, even
    // after a cancelled dialog.
    ShowEditText(editor->GetValue());
    ValueEdited = false;
    pbValues->Repaint();
    KeepEditFocused();
}

void TfObjectInspector::sbPopupClick(TObject *)
{
    if (lbPropValue->Visible()) {
        const int index = lbPropValue->ItemIndex();
        if (index >= 0 && SelectedRow) {
            const TPropertyEditorRef editor = SelectedRow->Editor;
            ShowEditText(lbPropValue->Items()->Strings(index));
            editor->SetValue(ePropValue->Text());
            ValueEdited = false;
        }
        lbPropValue->Hide();
    } else if (SelectedRow) {
        const TPropertyEditorRef editor = SelectedRow->Editor;
        const QStringList values = editor->ValueList();
        TItemStrings *items = lbPropValue->Items();
        items->BeginUpdate();
        items->Clear();
        for (const QString &value : values)
            items->Add(value);
        items->EndUpdate();
        lbPropValue->SetItemIndex(IndexOfText(values, ePropValue->Text()));
        const int shown = std::min<int>(int(values.size()), MaxListItems);
        const int height = lbPropValue->ItemHeight() * shown + 5;
        const int scroll = sbInspector->VertScrollBar()->Position();
        int top = ePropValue->Top() + ePropValue->Height() - scroll;
        if (top + height > sbInspector->ClientHeight())
            top = ePropValue->Top() - height - scroll;
        lbPropValue->SetBounds(lbPropValue->Left(), top, lbPropValue->Width(), height);
        lbPropValue->Show();
        lbPropValue->BringToFront();
    }
    Repaint();
    KeepEditFocused();
}

void TfObjectInspector::lbPropValueClick(TObject *)
{
    if (!lbPropValue->Visible())
        return;
    sbPopupClick(sbPopup);
    Repaint();
}
