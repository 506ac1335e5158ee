#pragma once

// The object inspector: a tool window listing the published properties and events of what is
// selected on the design form, a name and a value per row, with an in-place edit, a drop-down
// value list and a dialog button for the selected row.
//
// Editor lifetime: rows hold their property editor through a counted reference, and the
// inspector holds its component editor the same way. Rows are rebuilt on every Inspect; every
// handler that calls into an editor keeps its own reference for the length of the call, so an
// editor whose dialog rebuilds the rows (or whose row goes while it runs) stays valid until
// the last user lets go of it.

#include "DsgnIntf.h"
#include "Forms.h"

#include <memory>
#include <vector>

class TPanel;
class TComboBox;
class TTabControl;
class TScrollBox;
class TSplitter;
class TPaintBox;
class TEdit;
class TSpeedButton;
class TListBox;
class TStatusBar;
class TImageList;
class TMenuItem;
class TCanvas;
class TSettingsStore;
class TfObjectInspector;
class TObjectInspProperty;

// (new expanded state, property name, editor, row)
using TInspExpandEvent =
    TEvent<bool, const QString &, const TPropertyEditorRef &, TObjectInspProperty *>;
// (inspector, item text of cbComponents)
using TComponentChosenEvent = TEvent<TObject *, const QString &>;
// The new component editor; keeping the reference keeps the editor.
using TComponentEditorChangedEvent = TEvent<const TComponentEditorRef &>;
// (class name of the inspected object, var show the whole selection)
using TQueryShowSelectionEvent = TEvent<const QString &, bool &>;

// One row of the inspector: a property editor and, once expanded, its sub-property rows.
class TObjectInspProperty : public TObject
{
    Z_CLASS(TObjectInspProperty)
public:
    TObjectInspProperty() = default;

    static constexpr int RowHeight = 18;

    bool Expanded = false;
    // Shared, not owned: a dialog the editor opened may outlive the row.
    TPropertyEditorRef Editor;
    // Made on first expansion and kept when the row collapses; owned.
    std::vector<std::unique_ptr<TObjectInspProperty>> Children;
    qint32 Top = 0;
    // RowHeight plus the heights of every shown descendant.
    qint32 Height = RowHeight;
    TfObjectInspector *Inspector = nullptr; // not owned
    TInspExpandEvent OnExpand;

    // Sets Expanded and tells OnExpand.
    void SetExpanded(bool expanded);
    // An event property (kind 8): listed on the Events tab, shown without a value.
    bool IsEvent() const;
    bool HasSubProperties() const;
    // The row (this or a shown descendant) whose band holds y, or nullptr.
    TObjectInspProperty *RowAt(int y);
    // Places the row at top and its shown children below it; returns the height taken.
    int Layout(int top);
};

class TfObjectInspector : public TForm
{
    Z_CLASS(TfObjectInspector)
public:
    explicit TfObjectInspector(TComponent *owner);
    ~TfObjectInspector() override;
    void BeforeDestruction() override;

    TPanel *Panel1;
    TComboBox *cbComponents;
    TTabControl *tcInspector;
    TScrollBox *sbInspector;
    TPanel *pInspector;
    TPanel *pLeft;
    TPaintBox *pbNames;
    TSplitter *Splitter1;
    TPanel *pRight;
    TPaintBox *pbValues;
    TEdit *ePropValue;
    TSpeedButton *sbEdit;
    TSpeedButton *sbPopup;
    TListBox *lbPropValue;
    TStatusBar *StatusBar1;
    TImageList *ilButtons;

    TMenuItem *MenuItem = nullptr; // not owned
    TKeyEvent OnFormKeyDown;
    TFormDesigner *Designer = nullptr; // not owned
    TObject *InspectedObject = nullptr; // not owned
    TComponentChosenEvent OnComponentChosen;
    TComponentEditorRef ComponentEditor;
    TComponentEditorChangedEvent OnComponentEditorChanged;
    // Top-level rows, one per listed property (events included), in property-name order.
    std::vector<std::unique_ptr<TObjectInspProperty>> Rows;
    TObjectInspProperty *SelectedRow = nullptr; // one of Rows or a descendant
    bool ValueEdited = false;
    TQueryShowSelectionEvent OnQueryShowSelection;

    // Shows the properties of obj (may be nullptr) and of the selection it stands in.
    void Inspect(TObject *obj);
    // Rebuilds cbComponents from the designer's form and the components it owns. The owner
    // calls it again whenever components were added, removed or renamed.
    void FillComponentList();
    // Shows the inspected objects' current values without rebuilding the rows, after they
    // changed behind the inspector's back (a move on the design form, a write through
    // another row). The values column reads only the rows it paints.
    void RefreshValues();
    // The component name an item of cbComponents stands for.
    static QString ComponentNameOfItem(const QString &item);
    static QStringView NameOfItem(QStringView item);

    // Lays the controls out and has both columns painted again, once the events of the
    // current action are done.
    void Repaint();
    void LayoutRows();
    // Lays out the controls around the rows: the combo box, the rows panel, the edit, its
    // buttons and the value list.
    void LayoutControls();
    // The top-level row of the current tab, or the shown descendant, whose band holds y.
    TObjectInspProperty *RowAt(int y);
    void SelectRow(TObjectInspProperty *row);
    // Toggles a row's expansion and lays the rows out again.
    void ToggleExpanded(TObjectInspProperty *row);
    // The top-level rows the current tab shows, in order.
    std::vector<TObjectInspProperty *> TabRows() const;
    // Whether a row belongs on the current tab.
    bool OnCurrentTab(const TObjectInspProperty *row) const;

    // Handlers.
    void FormKeyDown(TObject *sender, quint16 &key, TShiftState shift);
    void FormKeyUp(TObject *sender, quint16 &key, TShiftState shift);
    void FormClose(TObject *sender, TCloseAction &action);
    void FormDeactivate(TObject *sender);
    void FormResize(TObject *sender);
    void cbComponentsChange(TObject *sender);
    void tcInspectorChanging(TObject *sender, bool &allowChange);
    void tcInspectorChange(TObject *sender);
    void pbNamesPaint(TObject *sender);
    void pbValuesPaint(TObject *sender);
    void pbMouseDown(TObject *sender, TMouseButton button, TShiftState shift, int x, int y);
    void ExpandRow(bool expanded, const QString &name, const TPropertyEditorRef &editor,
                   TObjectInspProperty *row);
    void ePropValueKeyDown(TObject *sender, quint16 &key, TShiftState shift);
    void ePropValueKeyUp(TObject *sender, quint16 &key, TShiftState shift);
    void ePropValueExit(TObject *sender);
    void ePropValueDblClick(TObject *sender);
    void sbEditClick(TObject *sender);
    void sbPopupClick(TObject *sender);
    void lbPropValueClick(TObject *sender);
    void ControlsMoved(TObject *sender);

private:
    // Whether cbComponents lists the designer's form and its named components as they are.
    bool ComponentListIsCurrent() const;
    void CreateControls();
    void CreateRowsPanel();
    void DrawMarkers();
    void AddRow(const TPropertyEditorRef &editor);
    void PaintName(TCanvas *canvas, TObjectInspProperty *row, int x, int w);
    void PaintValue(TCanvas *canvas, TObjectInspProperty *row, int a);
    // Puts text into the edit as the inspector's own (not typed) text.
    void ShowEditText(const QString &text);
    // Writes pending typed text to the selected row; the text stays when the editor refuses.
    void CommitEdit();
    void KeepEditFocused();
    void HideEditControls();

    static void ReadPlacement(void *data, TSettingsStore &store);
    static void WritePlacement(void *data, TSettingsStore &store);

    QString m_shownText;          // the text the inspector last put into the edit
    quint16 m_keyDownInEdit = 0;  // the last key pressed while the edit had the focus
    // Counts the rebuilds of Rows. Laying out lets pending messages run, and one of them may
    // inspect something else: a handler holding a row checks this before it goes on.
    quint64 m_rowsGeneration = 0;
    int m_scrollAllowance = 0;    // scroll bar thickness + 2, taken once
    bool m_layingOut = false;     // LayoutControls lets messages run: no re-entry
};
