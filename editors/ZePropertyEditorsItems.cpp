// The collection and menu property editors and the modeless dialogs they own.
#include "ZePropertyEditors.h"

#include "Collections.h"
#include "Handles.h"
#include "Menus.h"
#include "ZeDesignForm.h"
#include "ZeItemEditor.h"
#include "ZeMenuEditor.h"

#include <QCoreApplication>

#include <memory>

Z_DEFINE_CLASS(TZeItemDialogEditor, TPropertyEditor, NoPublishedProps)
Z_DEFINE_CLASS(TZeCollectionItemEditor, TZeItemDialogEditor, NoPublishedProps)
Z_DEFINE_CLASS(TZeMenuItemEditor, TZeItemDialogEditor, NoPublishedProps)

namespace {

using THold = std::shared_ptr<TPropertyEditorRef>;

// Drops hold from the event loop, after the handlers now running have returned; while the
// dialog runs a handler that lets messages through, it waits for the next turn.
void ReleaseLater(const THold &hold, const TZeItemDialog *dialog)
{
    if (!QCoreApplication::instance()) {
        hold->Reset();
        return;
    }
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [hold, dialog] {
            if (dialog && dialog->Busy() && hold->Get())
                ReleaseLater(hold, dialog);
            else
                hold->Reset();
        },
        Qt::QueuedConnection);
}

TObject *ValueObject(const TPropertyEditor *editor)
{
    const TInstProp &target = editor->Targets[0];
    return GetObjectProp(target.Instance, target.PropInfo);
}

} // namespace

// ---- TZeItemDialogEditor -----------------------------------------------------------------------

TComponent *TZeItemDialogEditor::HolderComponent() const
{
    if (auto *component = ObjectCast<TComponent>(GetInstance(0)))
        return component;
    // A collection inside a persistent sub-object: the nearest component that owns it.
    auto *collection = ObjectCast<TCollection>(ValueObject(this));
    TPersistent *owner = collection ? collection->Owner() : nullptr;
    while (owner && !ObjectCast<TComponent>(owner)) {
        auto *item = ObjectCast<TCollectionItem>(owner);
        owner = item && item->Collection() ? item->Collection()->Owner() : nullptr;
    }
    return ObjectCast<TComponent>(owner);
}

void TZeItemDialogEditor::ShowDialog(TZeItemDialog *dialog)
{
    m_dialog = dialog;
    dialog->OnEditorClose = TCloseEvent::Of<&TZeItemDialogEditor::EditorClosed>(this);
    dialog->OnTargetsGone = TNotifyEvent::Of<&TZeItemDialogEditor::TargetsGone>(this);
    dialog->OnChanged = TNotifyEvent::Of<&TZeItemDialogEditor::DialogChanged>(this);
    m_hold = TPropertyEditorRef(this);
    dialog->Show();
}

void TZeItemDialogEditor::SelectItem(TObject *item)
{
    if (!item) {
        ShowDesignSelection();
        return;
    }
    if (Designer)
        Designer->SelectObject(item);
}

void TZeItemDialogEditor::EditorClosed(TObject *, TCloseAction &)
{
    ShowDesignSelection();
    ReleaseHold();
}

void TZeItemDialogEditor::DialogChanged(TObject *)
{
    if (Designer)
        Designer->NotifyModified();
}

void TZeItemDialogEditor::TargetsGone(TObject *)
{
    // The designer may be gone already (it goes before the design form): it is not asked.
    ReleaseHold();
}

// The design form reports its selection again, so the inspector leaves the item the dialog
// had it show. With no control selected that is the form itself: an item of a closed dialog
// would otherwise stay in the inspector.
void TZeItemDialogEditor::ShowDesignSelection()
{
    auto *form = Designer ? ObjectCast<TfZeDesignForm>(Designer->Form) : nullptr;
    if (!form || !form->OnSelectionChanged.Assigned())
        return;
    TStretchHandle *handle = form->StretchHandle;
    TObject *selected = handle && handle->HasTargets() ? handle->Target(0) : form;
    form->OnSelectionChanged(form, selected);
}

void TZeItemDialogEditor::ReleaseHold()
{
    if (m_hold)
        ReleaseLater(std::make_shared<TPropertyEditorRef>(std::exchange(m_hold, {})), m_dialog);
}

// ---- TZeCollectionItemEditor -------------------------------------------------------------------

TZeCollectionItemEditor::~TZeCollectionItemEditor()
{
    Free(std::exchange(ItemDialog, nullptr));
}

void TZeCollectionItemEditor::Initialize()
{
    TZeItemDialogEditor::Initialize();
    if (!ItemDialog)
        ItemDialog = new TfZeItemEditor(nullptr);
}

QString TZeCollectionItemEditor::GetValue()
{
    return QStringLiteral("(TCollection)");
}

void TZeCollectionItemEditor::Edit()
{
    if (!ItemDialog)
        Initialize();
    ItemDialog->UnwatchAll();
    ItemDialog->Collection = ObjectCast<TCollection>(ValueObject(this));
    ItemDialog->Watch(HolderComponent());
    ItemDialog->Watch(Designer ? Designer->Form : nullptr);
    ItemDialog->OnSelectItem = TSelectItemEvent::Of<&TZeItemDialogEditor::SelectItem>(this);
    ItemDialog->RefreshItems();
    ShowDialog(ItemDialog);
}

// ---- TZeMenuItemEditor -------------------------------------------------------------------------

TZeMenuItemEditor::~TZeMenuItemEditor()
{
    Free(std::exchange(MenuDialog, nullptr));
}

void TZeMenuItemEditor::Initialize()
{
    TZeItemDialogEditor::Initialize();
    if (!MenuDialog)
        MenuDialog = new TfZeMenuEditor(nullptr);
}

QString TZeMenuItemEditor::GetValue()
{
    return QStringLiteral("(MenuItems)");
}

void TZeMenuItemEditor::Edit()
{
    if (!MenuDialog)
        Initialize();
    MenuDialog->SetTargets(ObjectCast<TMenuItem>(ValueObject(this)),
                           Designer ? Designer->Form : nullptr);
    MenuDialog->OnSelectItem = TSelectItemEvent::Of<&TZeItemDialogEditor::SelectItem>(this);
    MenuDialog->OnGetUniqueName = TGetUniqueNameEvent::Of<&TZeMenuItemEditor::MakeUniqueName>(this);
    MenuDialog->BuildTree();
    ShowDialog(MenuDialog);
}

void TZeMenuItemEditor::SetValue(const QString &value)
{
    TZeItemDialogEditor::SetValue(value);
    if (MenuDialog)
        MenuDialog->RefreshCaptions();
}

void TZeMenuItemEditor::MakeUniqueName(QString &name)
{
    if (Designer)
        name = Designer->UniqueComponentName(name);
}
