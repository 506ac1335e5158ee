// The main window's wiring: it creates the design form, the form designer, the object inspector
// and the code editor, connects their events, and keeps the View menu, the status bar and the
// selection handle's menu in step with them.

#include "ZeIDE.h"

#include "ComCtrls.h"
#include "Contnrs.h"
#include "Handles.h"
#include "Menus.h"
#include "Registry.h"
#include "VirtualKeys.h"
#include "ZeClientComponents.h"
#include "ZeCodeEditor.h"
#include "ZeDesignForm.h"
#include "ZeFormDesigner.h"
#include "ZeObjectInspector.h"
#include "ZePalette.h"
#include "ZePlacement.h"

#include <QApplication>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <array>

namespace {

const QString kStoreName = QStringLiteral("Rozizodu");
const QString kInspectorVisible = QStringLiteral("InspVisible");
const QString kCodeEditorVisible = QStringLiteral("CodeEdVisible");

// The selection handle's menu keeps its own first items; verbs come after them.
constexpr int kFixedHandleItems = 3;

} // namespace

void TZeIDEForm::FormCreate(TObject *)
{
    Designer = new TZeFormDesigner;
    DesignForm = new TfZeDesignForm(nullptr);
    Designer->Form = DesignForm;

    Inspector = new TfObjectInspector(this);
    Inspector->MenuItem = miObjectInspector;
    Inspector->OnFormKeyDown = TKeyEvent::Of<&TZeIDEForm::HandleToolKey>(this);

    CodeEditorWindow = new TCodeEditor(this);
    CodeEditorWindow->SetMenuItem(miCodeEditor);
    CodeEditorWindow->OnFormKeyDown = TKeyEvent::Of<&TZeIDEForm::HandleToolKey>(this);

    // The design form stands below the main window and right of the inspector.
    DesignForm->SetTop(Top() + Height() + 20);
    DesignForm->SetLeft(Inspector->Left() + Inspector->Width() + 20);
    DesignForm->StretchHandle->SetPopupMenu(pmHandle);
    WireDesignForm();

    CodeEditorWasVisible = false;
    InspectorWasVisible = false;
    CurrentIDEForm = this;
    RegisterDesignClasses();
    WireInspector();
}

void TZeIDEForm::WireDesignForm()
{
    DesignForm->OnDesignKeyDown = TKeyEvent::Of<&TZeIDEForm::HandleToolKey>(this);
    DesignForm->OnCursorPosition =
        TCursorPositionEvent::Of<&TZeIDEForm::ShowCursorPosition>(this);
    DesignForm->OnSelectionChanged =
        TSelectionChangedEvent::Of<&TZeIDEForm::InspectSelection>(this);
    DesignForm->OnQueryNewComponentClass =
        TQueryNewComponentClassEvent::Of<&TZeIDEForm::QueryNewComponentClass>(this);
    DesignForm->OnQueryPaletteEntry =
        TQueryPaletteEntryEvent::Of<&TZeIDEForm::QueryPaletteEntry>(this);
    DesignForm->OnComponentsDeleted = TNotifyEvent::Of<&TZeIDEForm::DesignerModified>(this);
    Designer->OnModified = TNotifyEvent::Of<&TZeIDEForm::DesignerModified>(this);
}

void TZeIDEForm::WireInspector()
{
    Inspector->Designer = Designer;
    Inspector->OnComponentChosen =
        TComponentChosenEvent::Of<&TZeIDEForm::SelectComponentByName>(this);
    Inspector->OnComponentEditorChanged =
        TComponentEditorChangedEvent::Of<&TZeIDEForm::SyncVerbMenu>(this);
    Inspector->FillComponentList();
    Inspector->Inspect(DesignForm);
    Inspector->OnQueryShowSelection =
        TQueryShowSelectionEvent::Of<&TZeIDEForm::QueryShowSelection>(this);
}

void TZeIDEForm::FormShow(TObject *)
{
    DesignForm->Show();
    DesignForm->SetDesignState(true);
    LoadFormPlacement(this, kStoreName, QStringLiteral("IDE"), &ReadVisibility, this);
    // The design form takes its place from the store, never its size.
    const int width = DesignForm->Width();
    const int height = DesignForm->Height();
    LoadFormPlacement(DesignForm, kStoreName, QStringLiteral("FormDesigner"));
    DesignForm->SetWidth(width);
    DesignForm->SetHeight(height);
    BuildPalettePage();
    DesignForm->SetDesigner(Designer);
    // The main window is raised and activated after this handler, and a window manager stacks
    // each window as it maps it: the windows are stacked once all of them are on the screen.
    QMetaObject::invokeMethod(Handle(), [this] { StackWhenMapped(0); }, Qt::QueuedConnection);
}

std::array<TForm *, 4> TZeIDEForm::DesignerWindows()
{
    return {this, Inspector, DesignForm, CodeEditorWindow};
}

void TZeIDEForm::StackWhenMapped(int waitedMs)
{
    if (!DesignForm)
        return;
    constexpr int kPollMs = 5;
    constexpr int kGiveUpMs = 3000;
    bool mapped = true;
    for (TForm *window : DesignerWindows()) {
        const QWindow *handle = window->Handle()->windowHandle();
        if (window->Visible() && !(handle && handle->isExposed()))
            mapped = false;
    }
    if (mapped || waitedMs >= kGiveUpMs) {
        StackForOpening();
        m_openingStacked = true;
        return;
    }
    QTimer::singleShot(kPollMs, Handle(), [this, waitedMs] { StackWhenMapped(waitedMs + kPollMs); });
}

void TZeIDEForm::StackForOpening()
{
    if (!DesignForm)
        return;
    // From the bottom up: the large code editor behind everything, then the main window, the
    // inspector over the main window's left end, and the design form on top, where the user
    // starts working. A window manager raises a window it activates, and may ignore a plain
    // raise: each is activated in turn. Only the stacking changes, never a place.
    // A dialog the user opened meanwhile keeps the focus.
    const QWidget *active = QApplication::activeWindow();
    const std::array<TForm *, 4> windows = DesignerWindows();
    if (active && std::none_of(windows.begin(), windows.end(),
                               [active](TForm *window) { return window->Handle() == active; }))
        return;
    if (CodeEditorWindow->Visible())
        CodeEditorWindow->Handle()->lower();
    for (TForm *window : {static_cast<TForm *>(this), static_cast<TForm *>(Inspector),
                          static_cast<TForm *>(DesignForm)}) {
        if (window->Visible()) {
            window->Handle()->raise();
            window->Handle()->activateWindow();
        }
    }
}

void TZeIDEForm::FormDestroy(TObject *)
{
    if (!DesignForm)
        return;
    SaveFormPlacement(this, kStoreName, QStringLiteral("IDE"), &WriteVisibility, this);
    SaveFormPlacement(DesignForm, kStoreName, QStringLiteral("FormDesigner"));
    ReleaseDesignWindows();
}

void TZeIDEForm::ReleaseDesignWindows()
{
    // The design form reports its selection going away while it is freed, and the inspector
    // would then reach for the designer freed just before: both are cut loose first.
    DesignForm->OnSelectionChanged = {};
    DesignForm->OnCursorPosition = {};
    DesignForm->OnDesignKeyDown = {};
    DesignForm->OnComponentsDeleted = {};
    DesignForm->SetDesigner(nullptr);
    Inspector->Designer = nullptr;
    Inspector->OnComponentEditorChanged = {};
    Inspector->Inspect(nullptr);

    delete Designer;
    Designer = nullptr;
    TfZeDesignForm *designForm = DesignForm;
    DesignForm = nullptr;
    Free(designForm);
    TfObjectInspector *inspector = Inspector;
    Inspector = nullptr;
    Free(inspector);
    TCodeEditor *codeEditor = CodeEditorWindow;
    CodeEditorWindow = nullptr;
    Free(codeEditor);
}

void TZeIDEForm::ReadVisibility(void *data, TSettingsStore &store)
{
    auto *self = static_cast<TZeIDEForm *>(data);
    if (store.ReadBool(kStoreName, kInspectorVisible, true))
        self->ShowToolWindow(self->Inspector, self->miObjectInspector);
    if (store.ReadBool(kStoreName, kCodeEditorVisible, true))
        self->ShowToolWindow(self->CodeEditorWindow, self->miCodeEditor);
}

void TZeIDEForm::WriteVisibility(void *data, TSettingsStore &store)
{
    auto *self = static_cast<TZeIDEForm *>(data);
    store.WriteBool(kStoreName, kInspectorVisible, self->Inspector->Visible());
    store.WriteBool(kStoreName, kCodeEditorVisible, self->CodeEditorWindow->Visible());
}

// ---- Answers passed on to the palette ----------------------------------------------------------

void TZeIDEForm::QueryNewComponentClass(TClass &cls)
{
    cls = TakeClassToPlace();
}

void TZeIDEForm::QueryPaletteEntry(TClass cls, TComponentcreator *&entry)
{
    entry = FindPaletteEntry(cls);
}

void TZeIDEForm::QueryShowSelection(const QString &className, bool &showSelection)
{
    showSelection = IsPaletteClassName(className);
}

// ---- Events of the design form and the inspector -----------------------------------------------

void TZeIDEForm::HandleToolKey(TObject *sender, quint16 &key, TShiftState)
{
    if (key == VK_F11)
        miObjectInspectorClick(sender);
    else if (key == VK_F12)
        miCodeEditorClick(sender);
}

void TZeIDEForm::ShowCursorPosition(TObject *, int x, int y)
{
    sbIDE->Panels()->Items(1)->SetText(QString::number(x));
    sbIDE->Panels()->Items(3)->SetText(QString::number(y));
}

void TZeIDEForm::InspectSelection(TObject *, TObject *control)
{
    if (!Inspector)
        return;
    TObject *inspected = control;
    if (auto *proxy = ObjectCast<TZeSubComponent>(control))
        inspected = proxy->Component();
    // A placement or deletion changes the selection: the component list follows it first, so
    // that the inspected component's entry is there to be shown. While the Delete key frees
    // the selection, the list follows once, when the last one is gone (DesignerModified):
    // refilling it for each of a thousand controls made deleting them quadratic.
    if (!DesignForm || !DesignForm->DeletingSelection())
        Inspector->FillComponentList();
    Inspector->Inspect(inspected);
}

void TZeIDEForm::DesignerModified(TObject *)
{
    // A rename reaches the designer as a change, a deletion comes from the design form: the
    // list shows what the form now holds.
    if (Inspector) {
        Inspector->FillComponentList();
        // A move, a resize or a write through one row may change what other rows show.
        Inspector->RefreshValues();
    }
}

void TZeIDEForm::SelectComponentByName(TObject *, const QString &text)
{
    const QString name = text.section(QLatin1Char(':'), 0, 0).trimmed();
    TStretchHandle *handle = DesignForm->StretchHandle;
    handle->DetachAll();
    TCustomForm *root = Designer->Form;
    for (int i = 0; i < root->ComponentCount(); ++i) {
        TComponent *component = root->Components(i);
        if (component->Name().compare(name, Qt::CaseInsensitive) == 0) {
            Designer->SelectObject(component);
            // A component that stands nowhere on the form (a menu item) was shown by
            // SelectObject itself and selects nothing there.
            if (!handle->HasTargets())
                return;
            break;
        }
    }
    // Attaching to the handle tells nobody: the inspector is shown what is now selected, the
    // form itself when nothing is.
    InspectSelection(DesignForm, handle->HasTargets() ? handle->Target(0) : DesignForm);
}

void TZeIDEForm::SyncVerbMenu(const TComponentEditorRef &editor)
{
    TMenuItem *items = pmHandle->Items();
    while (items->Count() > kFixedHandleItems) {
        TMenuItem *item = items->Items(items->Count() - 1);
        items->Remove(item);
        if (m_verbsRunning > 0) {
            item->OnClick = TNotifyEvent();
            m_retiredVerbItems.push_back(item);
        } else {
            Free(item);
        }
    }
    const int verbCount = editor ? editor->GetVerbCount() : 0;
    if (verbCount <= 0)
        return;
    auto addItem = [this, items](const QString &caption) {
        auto *item = new TMenuItem(this);
        item->SetCaption(caption);
        items->Add(item);
        return item;
    };
    addItem(QStringLiteral("-"));
    for (int index = 0; index < verbCount; ++index) {
        TMenuItem *item = addItem(editor->GetVerb(index));
        item->SetTag(index);
        item->OnClick = TNotifyEvent::Of<&TZeIDEForm::ExecuteVerbItem>(this);
    }
}

void TZeIDEForm::ExecuteVerbItem(TObject *sender)
{
    auto *item = ObjectCast<TMenuItem>(sender);
    auto *component = Inspector ? ObjectCast<TComponent>(Inspector->InspectedObject) : nullptr;
    if (!item || !component)
        return;
    const int verb = int(item->Tag()); // the verb may rebuild the menu and retire the item
    TComponentList inspected;          // free-notified: the verb may free the component
    inspected.Add(component);
    // The editor lives as long as this reference: a verb that re-inspects cannot free it.
    TComponentEditorRef editor = GetComponentEditor(component, Designer);
    ++m_verbsRunning;
    try {
        editor->ExecuteVerb(verb);
    } catch (...) {
        VerbEnded(inspected);
        throw;
    }
    VerbEnded(inspected);
}

void TZeIDEForm::VerbEnded(const TComponentList &inspected)
{
    // Still counted as running: the menu rebuilt here retires the clicked item.
    if (DesignForm && Inspector) {
        if (inspected.Count() == 0) {
            // The inspector would go on showing a component the verb has freed: it shows what
            // is selected now instead, the form when nothing is.
            TStretchHandle *handle = DesignForm->StretchHandle;
            InspectSelection(DesignForm, handle->HasTargets() ? handle->Target(0) : DesignForm);
        } else if (Inspector->InspectedObject == inspected.Items(0)) {
            // A verb may change the verbs (an inserted object brings its own).
            SyncVerbMenu(GetComponentEditor(inspected.Items(0), Designer));
        }
    }
    --m_verbsRunning;
    FreeRetiredVerbItems();
}

void TZeIDEForm::FreeRetiredVerbItems()
{
    if (m_verbsRunning > 0 || m_retiredVerbItems.empty())
        return;
    // The clicked item's own click (and its menu's) is still unwinding: free it afterwards.
    // Should this form go first, it frees the items it owns and the timer goes with its window.
    QTimer::singleShot(0, Handle(), [this] {
        if (m_verbsRunning > 0)
            return; // a verb started meanwhile frees them when it ends
        std::vector<TMenuItem *> retired;
        retired.swap(m_retiredVerbItems);
        for (TMenuItem *item : retired)
            Free(item);
    });
}

// ---- View menu and window size -----------------------------------------------------------------

void TZeIDEForm::ShowToolWindow(TForm *window, TMenuItem *item)
{
    window->Show();
    item->SetChecked(true);
}

void TZeIDEForm::HideToolWindow(TForm *window, TMenuItem *item)
{
    window->Close();
    item->SetChecked(false);
}

void TZeIDEForm::ToggleToolWindow(TForm *window, TMenuItem *item)
{
    if (!window)
        return;
    if (item->Checked())
        HideToolWindow(window, item);
    else
        ShowToolWindow(window, item);
}

void TZeIDEForm::miObjectInspectorClick(TObject *)
{
    ToggleToolWindow(Inspector, miObjectInspector);
}

void TZeIDEForm::miCodeEditorClick(TObject *)
{
    ToggleToolWindow(CodeEditorWindow, miCodeEditor);
}

void TZeIDEForm::WMSize(int sizeType)
{
    TForm::WMSize(sizeType);
    FollowSizeChange(sizeType == SIZE_MINIMIZED);
}

void TZeIDEForm::FollowSizeChange(bool minimized)
{
    if (!DesignForm)
        return;
    if (minimized) {
        if (m_minimized)
            return;
        m_minimized = true;
        InspectorWasVisible = Inspector->Visible();
        CodeEditorWasVisible = CodeEditorWindow->Visible();
        HideToolWindow(Inspector, miObjectInspector);
        HideToolWindow(CodeEditorWindow, miCodeEditor);
        DesignForm->SetDesignState(false);
        DesignForm->Close();
        return;
    }
    if (m_minimized) {
        m_minimized = false;
        if (InspectorWasVisible)
            ShowToolWindow(Inspector, miObjectInspector);
        if (CodeEditorWasVisible)
            ShowToolWindow(CodeEditorWindow, miCodeEditor);
    }
    DesignForm->Show();
    DesignForm->SetDesignState(true);
}
