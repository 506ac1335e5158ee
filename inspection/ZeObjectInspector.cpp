#include "ZeObjectInspector.h"

#include "Application.h"
#include "Buttons.h"
#include "ComCtrls.h"
#include "ControlScrollBar.h"
#include "ExtCtrls.h"
#include "ImgList.h"
#include "Menus.h"
#include "Registry.h"
#include "StdCtrls.h"
#include "WindowBuilding.h"
#include "ZePlacement.h"

#include <cmath>

Z_DEFINE_CLASS(TfObjectInspector, TForm, NoPublishedProps)

namespace {

const QString StoreName = QStringLiteral("Rozizodu");
const QString PlacementSection = QStringLiteral("ObjInsp");
const QString NamesWidthValue = QStringLiteral("Left");

TSpeedButton *SmallButton(TComponent *owner, TWinControl *parent, const char *name)
{
    auto *button = Named(new TSpeedButton(owner), name);
    button->SetBounds(0, 0, 16, 16);
    button->SetFlat(true);
    button->SetVisible(false);
    button->SetParent(parent);
    return button;
}

// The faces of the two row buttons, black on the transparent colour of the bottom-left pixel:
// a small down arrow for the value list, three dots for the dialog.
void DrawButtonGlyph(TBitmap *glyph, bool arrow)
{
    glyph->SetSize(9, 9);
    TCanvas *canvas = glyph->Canvas();
    canvas->Brush()->SetColor(clWhite);
    canvas->FillRect(QRect(0, 0, 9, 9));
    canvas->Brush()->SetColor(clBlack);
    if (arrow) {
        for (int row = 0; row < 4; ++row)
            canvas->FillRect(QRect(1 + row, 3 + row, 7 - 2 * row, 1));
    } else {
        for (int dot = 0; dot < 3; ++dot)
            canvas->FillRect(QRect(dot * 3, 6, 2, 2));
    }
}

} // namespace

TfObjectInspector::TfObjectInspector(TComponent *owner) : TForm(owner)
{
    SetCaption(QStringLiteral("Object Inspector"));
    SetBorderStyle(bsSizeToolWin);
    SetBounds(241, 103, 270, 322);
    Font()->SetName(QStringLiteral("MS Sans Serif"));
    Font()->SetHeight(-11);
    SetKeyPreview(true);
    CreateControls();

    OnKeyDown = TKeyEvent::Of<&TfObjectInspector::FormKeyDown>(this);
    OnKeyUp = TKeyEvent::Of<&TfObjectInspector::FormKeyUp>(this);
    OnClose = TCloseEvent::Of<&TfObjectInspector::FormClose>(this);
    OnDeactivate = TNotifyEvent::Of<&TfObjectInspector::FormDeactivate>(this);
    OnResize = TNotifyEvent::Of<&TfObjectInspector::FormResize>(this);

    m_scrollAllowance = TControlScrollBar::Extent() + 2;
    pInspector->SetWidth(sbInspector->Width());
    // The place and the names column's width from the last session.
    LoadFormPlacement(this, StoreName, PlacementSection, &ReadPlacement, this);
    pbNames->Canvas()->Pen()->SetColor(clAppWorkSpace);
    pbValues->Canvas()->Pen()->SetColor(clAppWorkSpace);
    SetDoubleBuffered(true);
    LayoutControls();
}

TfObjectInspector::~TfObjectInspector() = default;

void TfObjectInspector::BeforeDestruction()
{
    // Saved while every control still exists.
    SaveFormPlacement(this, StoreName, PlacementSection, &WritePlacement, this);
    SelectedRow = nullptr;
    Rows.clear();
    TForm::BeforeDestruction();
}

void TfObjectInspector::ReadPlacement(void *data, TSettingsStore &store)
{
    auto *self = static_cast<TfObjectInspector *>(data);
    const int half = int(std::lround(self->pInspector->Width() / 2.0));
    self->pLeft->SetWidth(store.ReadInteger(StoreName, NamesWidthValue, half));
}

void TfObjectInspector::WritePlacement(void *data, TSettingsStore &store)
{
    auto *self = static_cast<TfObjectInspector *>(data);
    store.WriteInteger(StoreName, NamesWidthValue, self->pLeft->Width());
}

void TfObjectInspector::CreateControls()
{
    StatusBar1 = Named(new TStatusBar(this), "StatusBar1");
    StatusBar1->SetAlign(alBottom);
    StatusBar1->SetHeight(21);
    StatusBar1->SetParent(this);

    Panel1 = FlatPanel(this, this, "Panel1", alTop);
    Panel1->SetHeight(25);
    Panel1->OnResize = TNotifyEvent::Of<&TfObjectInspector::ControlsMoved>(this);
    cbComponents = Named(new TComboBox(this), "cbComponents");
    cbComponents->SetStyle(csDropDownList);
    cbComponents->SetBounds(0, 2, Panel1->Width(), cbComponents->Height());
    cbComponents->SetParent(Panel1);
    cbComponents->OnChange = TNotifyEvent::Of<&TfObjectInspector::cbComponentsChange>(this);

    tcInspector = Named(new TTabControl(this), "tcInspector");
    tcInspector->SetAlign(alClient);
    tcInspector->SetParent(this);
    tcInspector->Tabs()->Add(QStringLiteral("Propertyes"));
    tcInspector->Tabs()->Add(QStringLiteral("Events"));
    tcInspector->SetTabIndex(0);
    tcInspector->OnChanging =
        TTabChangingEvent::Of<&TfObjectInspector::tcInspectorChanging>(this);
    tcInspector->OnChange = TNotifyEvent::Of<&TfObjectInspector::tcInspectorChange>(this);

    sbInspector = Named(new TScrollBox(this), "sbInspector");
    sbInspector->SetBorderStyle(bsNone);
    sbInspector->SetAlign(alClient);
    sbInspector->SetParentColor(false);
    sbInspector->SetColor(clBtnFace);
    sbInspector->HorzScrollBar()->SetVisible(false);
    sbInspector->VertScrollBar()->SetMargin(5);
    sbInspector->VertScrollBar()->SetTracking(true);
    sbInspector->SetParent(tcInspector);
    sbInspector->OnResize = TNotifyEvent::Of<&TfObjectInspector::ControlsMoved>(this);

    CreateRowsPanel();

    ilButtons = Named(new TImageList(this), "ilButtons");
    ilButtons->SetSize(16, 16);
    DrawMarkers();
}

void TfObjectInspector::CreateRowsPanel()
{
    pInspector = FlatPanel(this, sbInspector, "pInspector", alNone);
    pInspector->SetBounds(0, 0, sbInspector->Width(), 0);

    pLeft = FlatPanel(this, pInspector, "pLeft", alLeft);
    pLeft->SetWidth(89);
    pbNames = Named(new TPaintBox(this), "pbNames");
    pbNames->SetAlign(alClient);
    pbNames->SetParent(pLeft);
    pbNames->OnPaint = TNotifyEvent::Of<&TfObjectInspector::pbNamesPaint>(this);
    pbNames->OnMouseDown = TMouseEvent::Of<&TfObjectInspector::pbMouseDown>(this);

    Splitter1 = Named(new TSplitter(this), "Splitter1");
    Splitter1->SetLeft(pLeft->Width());
    Splitter1->SetWidth(2);
    Splitter1->SetMinSize(20);
    Splitter1->SetCursor(crHSplit);
    Splitter1->SetAlign(alLeft);
    Splitter1->SetParent(pInspector);
    Splitter1->OnMoved = TNotifyEvent::Of<&TfObjectInspector::ControlsMoved>(this);

    pRight = FlatPanel(this, pInspector, "pRight", alClient);
    pRight->OnResize = TNotifyEvent::Of<&TfObjectInspector::ControlsMoved>(this);
    pbValues = Named(new TPaintBox(this), "pbValues");
    pbValues->SetAlign(alClient);
    pbValues->SetParent(pRight);
    pbValues->OnPaint = TNotifyEvent::Of<&TfObjectInspector::pbValuesPaint>(this);
    pbValues->OnMouseDown = TMouseEvent::Of<&TfObjectInspector::pbMouseDown>(this);

    ePropValue = Named(new TEdit(this), "ePropValue");
    ePropValue->SetText(QString()); // naming it gave it its name as text
    ePropValue->SetBorderStyle(bsNone);
    ePropValue->SetCtl3D(false);
    ePropValue->SetAutoSize(false);
    ePropValue->SetBounds(2, 0, 80, 16);
    ePropValue->SetVisible(false);
    ePropValue->SetParent(pRight);
    ePropValue->OnKeyDown = TKeyEvent::Of<&TfObjectInspector::ePropValueKeyDown>(this);
    ePropValue->OnKeyUp = TKeyEvent::Of<&TfObjectInspector::ePropValueKeyUp>(this);
    ePropValue->OnExit = TNotifyEvent::Of<&TfObjectInspector::ePropValueExit>(this);
    ePropValue->OnDblClick = TNotifyEvent::Of<&TfObjectInspector::ePropValueDblClick>(this);

    sbEdit = SmallButton(this, pRight, "sbEdit");
    sbEdit->OnClick = TNotifyEvent::Of<&TfObjectInspector::sbEditClick>(this);
    DrawButtonGlyph(sbEdit->Glyph(), false);
    sbPopup = SmallButton(this, pRight, "sbPopup");
    DrawButtonGlyph(sbPopup->Glyph(), true);
    sbPopup->OnClick = TNotifyEvent::Of<&TfObjectInspector::sbPopupClick>(this);

    lbPropValue = Named(new TListBox(this), "lbPropValue");
    lbPropValue->SetItemHeight(13);
    lbPropValue->SetCtl3D(false);
    lbPropValue->SetVisible(false);
    lbPropValue->SetParent(sbInspector);
    lbPropValue->OnClick = TNotifyEvent::Of<&TfObjectInspector::lbPropValueClick>(this);
}

// The two markers, black on transparent: a plus (collapsed) and a minus (expanded), each a
// 2-pixel bar over columns (rows) 4 to 11 through the middle of a 16 by 16 image.
void TfObjectInspector::DrawMarkers()
{
    for (int image = 0; image < 2; ++image) {
        TBitmap bitmap(16, 16);
        TCanvas *canvas = bitmap.Canvas();
        canvas->Brush()->SetColor(clWhite);
        canvas->FillRect(QRect(0, 0, 16, 16));
        canvas->Brush()->SetColor(clBlack);
        canvas->FillRect(QRect(4, 7, 8, 2));
        if (image == 0)
            canvas->FillRect(QRect(7, 4, 2, 8));
        ilButtons->AddMasked(&bitmap, clWhite);
    }
}

QString TfObjectInspector::ComponentNameOfItem(const QString &item)
{
    return NameOfItem(item).toString();
}

QStringView TfObjectInspector::NameOfItem(QStringView item)
{
    const qsizetype colon = item.indexOf(QLatin1Char(':'));
    return (colon < 0 ? item : item.left(colon)).trimmed();
}

namespace {

// The class the list names for the designed form itself, whatever class the design form is.
constexpr char kFormClassText[] = "TZeForm";

// Whether item is the list's entry for a component of this name and class: "name: class".
bool IsEntryOf(const QString &item, const QString &name, const char *className)
{
    const QLatin1String cls(className);
    return item.size() == name.size() + 2 + cls.size() && item.startsWith(name)
           && QStringView(item).sliced(name.size(), 2) == QLatin1String(": ")
           && QStringView(item).sliced(name.size() + 2) == cls;
}

} // namespace

bool TfObjectInspector::ComponentListIsCurrent() const
{
    TCustomForm *root = Designer ? Designer->Form : nullptr;
    TItemStrings *items = cbComponents->Items();
    if (!root)
        return items->Count() == 0;
    int index = 0;
    if (items->Count() == 0 || !IsEntryOf(items->Strings(index++), root->Name(), kFormClassText))
        return false;
    for (int i = 0; i < root->ComponentCount(); ++i) {
        TComponent *component = root->Components(i);
        const QString name = component->Name();
        if (name.isEmpty())
            continue;
        if (index >= items->Count()
            || !IsEntryOf(items->Strings(index++), name, component->ClassType()->Name))
            return false;
    }
    return index == items->Count();
}

void TfObjectInspector::FillComponentList()
{
    // The list is refilled after every placement, deletion and rename: when nothing changed
    // it is left alone, so the chosen entry and the open drop-down stay as they are. Told
    // once per placement on a crowded form, the check makes no strings of its own.
    if (ComponentListIsCurrent())
        return;
    QStringList entries;
    int inspectedIndex = -1; // the entry of the inspected component, shown as chosen
    TCustomForm *root = Designer ? Designer->Form : nullptr;
    if (root) {
        entries.reserve(root->ComponentCount() + 1);
        if (InspectedObject == root)
            inspectedIndex = 0;
        entries << root->Name() + QStringLiteral(": ") + QLatin1String(kFormClassText);
        for (int i = 0; i < root->ComponentCount(); ++i) {
            TComponent *component = root->Components(i);
            // Unnamed helpers the form owns (the proxies that stand for non-visual
            // components) cannot be chosen by name: they are left out.
            if (component->Name().isEmpty())
                continue;
            if (InspectedObject == component)
                inspectedIndex = int(entries.size());
            entries << component->Name() + QStringLiteral(": ") + component->ClassName();
        }
    }
    TItemStrings *items = cbComponents->Items();
    items->BeginUpdate();
    items->Clear();
    for (const QString &entry : entries)
        items->Add(entry);
    items->EndUpdate();
    cbComponents->SetItemIndex(inspectedIndex);
}

void TfObjectInspector::Inspect(TObject *obj)
{
    const TDrawingLock hold(sbInspector); // the rows panel is painted once, at the end
    // Text typed for the rows of the old selection is dropped: written now it would go to
    // objects the user no longer sees named, or, once the rows are rebuilt, to the new ones.
    ValueEdited = false;
    HideEditControls();
    if (!obj) {
        pInspector->SetHeight(0);
        return;
    }
    TComponentEditorRef newEditor;
    if (auto *component = ObjectCast<TComponent>(obj)) {
        TItemStrings *items = cbComponents->Items();
        const QString name = component->Name();
        for (int i = 0; i < items->Count(); ++i) {
            if (NameOfItem(items->Strings(i)).compare(name, Qt::CaseInsensitive) == 0) {
                cbComponents->SetItemIndex(i);
                break;
            }
        }
        newEditor = GetComponentEditor(component, Designer);
    }
    // The old editor goes only after the new one is in place; a running verb keeps its own.
    ComponentEditor = newEditor;
    InspectedObject = obj;
    if (ComponentEditor)
        OnComponentEditorChanged(ComponentEditor);

    SelectedRow = nullptr;
    Rows.clear();
    ++m_rowsGeneration;
    bool show = true;
    OnQueryShowSelection(InspectedObject->ClassName(), show);
    const TTypeKinds kinds = TTypeKinds(0x0FFE); // kinds 1 to 11
    const TGetPropEditProc receiver = [this](const TPropertyEditorRef &e) { AddRow(e); };
    auto *component = ObjectCast<TComponent>(InspectedObject);
    if (component) {
        TComponentList list;
        if (show && Designer)
            Designer->ReadSelection(&list);
        else
            list.Add(component);
        EnumComponentProperties(&list, kinds, Designer, receiver);
    } else {
        EnumObjectProperties({InspectedObject}, kinds, Designer, receiver);
    }
    LayoutRows();
    Repaint();
}

void TfObjectInspector::RefreshValues()
{
    if (!SelectedRow || ValueEdited || !ePropValue->Visible()) {
        pbValues->Invalidate();
        return;
    }
    // The edit shows the selected row's value as it is now, unless the user is typing there.
    const TPropertyEditorRef editor = SelectedRow->Editor;
    const QString value = SelectedRow->IsEvent() ? QString() : editor->GetValue();
    if (value != ePropValue->Text()) {
        const int start = ePropValue->SelStart(), length = ePropValue->SelLength();
        ShowEditText(value);
        ePropValue->SetSelStart(start);
        ePropValue->SetSelLength(length);
    }
    pbValues->Invalidate();
}

void TfObjectInspector::AddRow(const TPropertyEditorRef &editor)
{
    auto row = std::make_unique<TObjectInspProperty>();
    row->Editor = editor;
    row->Inspector = this;
    row->OnExpand = TInspExpandEvent::Of<&TfObjectInspector::ExpandRow>(this);
    Rows.push_back(std::move(row));
}

void TfObjectInspector::HideEditControls()
{
    sbEdit->Hide();
    sbPopup->Hide();
    ePropValue->Hide();
}

void TfObjectInspector::Repaint()
{
    LayoutControls();
    // Only the two columns paint what the inspector holds; every other control repaints
    // itself when it changes. They are painted when the events of the current action are
    // done, not now: an action that repaints more than once would paint them each time.
    pbNames->Invalidate();
    pbValues->Invalidate();
}

void TfObjectInspector::LayoutControls()
{
    if (m_layingOut)
        return;
    m_layingOut = true;
    const int b = sbEdit->Visible() || sbPopup->Visible() ? 18 : 2;
    cbComponents->SetBounds(cbComponents->Left(), 2, Panel1->Width(), cbComponents->Height());
    pInspector->SetWidth(sbInspector->Width());
    lbPropValue->SetLeft(pLeft->Width() + 2);
    lbPropValue->SetWidth(std::max(0, pRight->Width() - b));
    if (Application)
        Application->ProcessNonInputMessages();
    const int s = pInspector->Height() > sbInspector->ClientHeight() ? m_scrollAllowance : 2;
    ePropValue->SetLeft(2);
    ePropValue->SetWidth(std::max(0, pRight->Width() - s - b));
    sbEdit->SetLeft(ePropValue->Width() + 4);
    sbPopup->SetLeft(ePropValue->Width() + 4);
    m_layingOut = false;
}

void TfObjectInspector::FormResize(TObject *)
{
    LayoutControls();
}

void TfObjectInspector::ControlsMoved(TObject *)
{
    LayoutControls();
}

void TfObjectInspector::FormClose(TObject *, TCloseAction &action)
{
    // The window is only hidden: the main window shows it again through its menu item.
    action = caHide;
    if (MenuItem)
        MenuItem->SetChecked(false);
}

void TfObjectInspector::FormDeactivate(TObject *)
{
    lbPropValue->Hide();
}

void TfObjectInspector::cbComponentsChange(TObject *)
{
    const int index = cbComponents->ItemIndex();
    if (index >= 0)
        OnComponentChosen(this, cbComponents->Items()->Strings(index));
}

void TfObjectInspector::tcInspectorChanging(TObject *, bool &)
{
    lbPropValue->Hide();
    HideEditControls();
}

void TfObjectInspector::tcInspectorChange(TObject *)
{
    const TDrawingLock hold(sbInspector);
    LayoutRows();
    Repaint();
}
