#include "ZeItemEditor.h"

#include "Collections.h"
#include "ExtCtrls.h"
#include "StdCtrls.h"
#include "WindowBuilding.h"

#include <algorithm>

Z_DEFINE_CLASS(TZeItemDialog, TForm, NoPublishedProps)
Z_DEFINE_CLASS(TfZeItemEditor, TZeItemDialog, NoPublishedProps)

// ---- TZeItemDialog -----------------------------------------------------------------------------

TZeItemDialog::TZeItemDialog(TComponent *owner) : TForm(owner) {}

TZeItemDialog::~TZeItemDialog()
{
    UnwatchAll();
}

TPanel *TZeItemDialog::BuildFrame(const QString &caption)
{
    SetCaption(caption);
    SetBounds(0, 0, 322, 377);
    SetPosition(poScreenCenter);
    Font()->SetName(QStringLiteral("MS Sans Serif"));
    Font()->SetHeight(-11);
    OnClose = TCloseEvent::Of<&TZeItemDialog::FormClose>(this);
    auto *panel = FlatPanel(this, this, "Panel1", alRight);
    panel->SetWidth(90);
    return panel;
}

TButton *TZeItemDialog::AddButton(TPanel *panel, const char *name, const QString &caption,
                                  int row, const TNotifyEvent &handler)
{
    auto *button = Named(new TButton(this), name);
    button->SetCaption(caption);
    button->SetBounds(4, 8 + row * 32, 82, 25);
    button->SetTabOrder(row);
    button->OnClick = handler;
    button->SetParent(panel);
    return button;
}

void TZeItemDialog::Watch(TComponent *component)
{
    if (!component || Watching(component))
        return;
    m_watched.push_back(component);
    component->FreeNotification(this);
}

void TZeItemDialog::UnwatchAll()
{
    for (TComponent *component : std::exchange(m_watched, {}))
        component->RemoveFreeNotification(this);
}

bool TZeItemDialog::Watching(const TComponent *component) const
{
    return std::find(m_watched.begin(), m_watched.end(), component) != m_watched.end();
}

void TZeItemDialog::FormClose(TObject *sender, TCloseAction &action)
{
    OnEditorClose(sender, action);
}

void TZeItemDialog::Notification(TComponent *component, TOperation operation)
{
    TForm::Notification(component, operation);
    if (operation != opRemove || !Watching(component))
        return;
    std::erase(m_watched, component);
    if (IsDestroying() || ItemGone(component))
        return;
    // A whole target went: nothing the dialog shows can be trusted any more.
    UnwatchAll();
    ForgetTargets();
    OnEditorClose = {};
    OnChanged = {};
    Hide();
    TNotifyEvent gone = std::exchange(OnTargetsGone, {});
    gone(this);
}

// ---- TfZeItemEditor ----------------------------------------------------------------------------

TfZeItemEditor::TfZeItemEditor(TComponent *owner) : TZeItemDialog(owner)
{
    SetName(QStringLiteral("fZeItemEditor"));
    Panel1 = BuildFrame(QStringLiteral("Items"));
    Button1 = AddButton(Panel1, "Button1", QStringLiteral("Add"), 0,
                        TNotifyEvent::Of<&TfZeItemEditor::Button1Click>(this));
    Button2 = AddButton(Panel1, "Button2", QStringLiteral("Delete"), 1,
                        TNotifyEvent::Of<&TfZeItemEditor::Button2Click>(this));
    Button3 = AddButton(Panel1, "Button3", QStringLiteral("Up"), 2,
                        TNotifyEvent::Of<&TfZeItemEditor::Button3Click>(this));
    Button4 = AddButton(Panel1, "Button4", QStringLiteral("Down"), 3,
                        TNotifyEvent::Of<&TfZeItemEditor::Button4Click>(this));

    lbItems = Named(new TListBox(this), "lbItems");
    lbItems->SetAlign(alClient);
    lbItems->SetItemHeight(13);
    lbItems->OnClick = TNotifyEvent::Of<&TfZeItemEditor::lbItemsClick>(this);
    lbItems->SetParent(this);

    OnActivate = TNotifyEvent::Of<&TfZeItemEditor::FormActivate>(this);
    DoCreate();
}

QString TfZeItemEditor::ItemLine(int index, const QString &className)
{
    return QString::number(index) + QStringLiteral(" - ") + className;
}

void TfZeItemEditor::RefreshItems()
{
    const int remembered = lbItems->ItemIndex();
    TStrings *lines = lbItems->Items();
    lines->Clear();
    for (int i = 0; Collection && i < Collection->Count(); ++i)
        lines->Add(ItemLine(i, Collection->Items(i)->ClassName()));
    if (remembered >= 0 && lines->Count() > 0)
        lbItems->SetItemIndex(std::min(remembered, lines->Count() - 1));
}

void TfZeItemEditor::ForgetTargets()
{
    Collection = nullptr;
    OnSelectItem = {};
    lbItems->Items()->Clear();
}

void TfZeItemEditor::FormActivate(TObject *)
{
    RefreshItems();
}

void TfZeItemEditor::lbItemsClick(TObject *)
{
    const int row = lbItems->ItemIndex();
    if (!Collection || row < 0 || row >= Collection->Count())
        return;
    OnSelectItem(Collection->Items(row));
}

void TfZeItemEditor::Button1Click(TObject *)
{
    WithinUpdate(lbItems->Items(), [this] {
        if (Collection)
            Collection->Add();
        RefreshItems();
    });
    OnChanged(this);
}

// The deleted item may be the one the inspector shows: the item now at the selected row takes
// its place there, or, with none left, the design form's selection does (OnSelectItem with
// nullptr), so that nothing keeps showing freed memory.
void TfZeItemEditor::Button2Click(TObject *)
{
    const int row = lbItems->ItemIndex();
    if (!Collection || row < 0 || row >= Collection->Count())
        return;
    WithinUpdate(lbItems->Items(), [this, row] {
        Free(Collection->Items(row));
        RefreshItems();
    });
    const int shown = lbItems->ItemIndex();
    OnSelectItem(shown >= 0 ? Collection->Items(shown) : nullptr);
    OnChanged(this);
}

void TfZeItemEditor::MoveSelected(int target)
{
    WithinUpdate(lbItems->Items(), [this, target] {
        Collection->Items(lbItems->ItemIndex())->SetIndex(target);
        RefreshItems();
        lbItems->SetItemIndex(target);
    });
    OnChanged(this);
}

void TfZeItemEditor::Button3Click(TObject *)
{
    const int row = lbItems->ItemIndex();
    if (!Collection || row < 0 || row >= Collection->Count())
        return;
    MoveSelected(std::max(row - 1, 0));
}

void TfZeItemEditor::Button4Click(TObject *)
{
    const int row = lbItems->ItemIndex();
    if (!Collection || row < 0 || row >= Collection->Count())
        return;
    const int target = std::min(row + 1, Collection->Count() - 1);
    if (target <= 0 || target >= Collection->Count() || target == row)
        return;
    MoveSelected(target);
}
