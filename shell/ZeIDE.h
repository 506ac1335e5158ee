#pragma once

// The designer's main window: a low, wide strip with the main menu, the tool bar, the component
// palette and the status bar. It owns the design form, the form designer, the object inspector
// and the code editor, and wires them together (ZeIDEWiring.cpp).

#include "DsgnIntf.h"
#include "Forms.h"

#include <array>
#include <vector>

class TPanel;
class TSplitter;
class TSpeedButton;
class TTabControl;
class TStatusBar;
class TMainMenu;
class TPopupMenu;
class TMenuItem;
class TComponentList;
class TZeFormDesigner;
class TfZeDesignForm;
class TfObjectInspector;
class TCodeEditor;
class TComponentcreator;
class TSettingsStore;

class TZeIDEForm : public TForm
{
    Z_CLASS(TZeIDEForm)
public:
    explicit TZeIDEForm(TComponent *owner);
    ~TZeIDEForm() override;

    // The height the window keeps whatever the user drags; the width is free.
    static constexpr int FixedHeight = 127;

    TPanel *Panel1;
    TPanel *Panel2;
    std::array<TSpeedButton *, 19> ToolButtons; // SpeedButton4 to SpeedButton22
    TSplitter *Splitter1;
    TPanel *Panel3;
    TTabControl *tcPalette;
    TPanel *Panel4;
    TSpeedButton *sbCursor;
    TSpeedButton *SpeedButton3;
    TPanel *Panel5;
    TSpeedButton *SpeedButton1;
    TPanel *pPaletteParent;
    TPanel *pPalette;
    TStatusBar *sbIDE;
    TMainMenu *MainMenu1;
    TMenuItem *miObjectInspector;
    TMenuItem *miCodeEditor;
    TPopupMenu *pmHandle;

    TZeFormDesigner *Designer = nullptr;     // owned
    TfZeDesignForm *DesignForm = nullptr;    // created without owner, freed explicitly
    TfObjectInspector *Inspector = nullptr;  // owned
    TCodeEditor *CodeEditorWindow = nullptr; // owned
    bool CodeEditorWasVisible = false;
    bool InspectorWasVisible = false;
    TClass ChosenClass = nullptr; // the palette's choice; none means the arrow
    bool StickyChoice = false;

    // The palette (its registry lives in ZePalette).
    void BuildPalettePage();
    TClass TakeClassToPlace();
    void ClassButtonMouseDown(TObject *sender, TMouseButton button, TShiftState shift, int x,
                              int y);
    void sbCursorClick(TObject *sender);
    void tcPaletteChange(TObject *sender);
    void SpeedButton3Click(TObject *sender);
    void SpeedButton1Click(TObject *sender);

    void FormCreate(TObject *sender);
    void FormDestroy(TObject *sender);
    void FormShow(TObject *sender);

    // The wiring between the design form, the inspector and the code editor.
    void HandleToolKey(TObject *sender, quint16 &key, TShiftState shift);
    void ShowCursorPosition(TObject *sender, int x, int y);
    void InspectSelection(TObject *sender, TObject *control);
    void SelectComponentByName(TObject *sender, const QString &text);
    void SyncVerbMenu(const TComponentEditorRef &editor);
    void ExecuteVerbItem(TObject *sender);
    void miObjectInspectorClick(TObject *sender);
    void miCodeEditorClick(TObject *sender);
    // Brings the inspector's component list up to date after a rename or a deletion.
    void DesignerModified(TObject *sender);

    // Whether the windows of this opening are stacked (or were left as the user had them);
    // until then an activation of the opening may still come.
    bool OpeningStacked() const { return m_openingStacked; }

protected:
    void Resize() override;
    void WMSize(int sizeType) override;

private:
    // Answers of the design form and the inspector, passed on to the palette.
    void QueryNewComponentClass(TClass &cls);
    void QueryPaletteEntry(TClass cls, TComponentcreator *&entry);
    void QueryShowSelection(const QString &className, bool &showSelection);
    void WireDesignForm();
    void WireInspector();
    // Minimizing hides the tool windows and the design form; any other size change brings
    // back what was hidden.
    void FollowSizeChange(bool minimized);
    void ShowToolWindow(TForm *window, TMenuItem *item);
    void HideToolWindow(TForm *window, TMenuItem *item);
    void ToggleToolWindow(TForm *window, TMenuItem *item);
    void ReleaseDesignWindows();
    // The main window, the inspector, the design form and the code editor.
    std::array<TForm *, 4> DesignerWindows();
    // Stacks the windows of a fresh opening so that none hides what the user starts with.
    void StackWhenMapped(int waitedMs);
    void StackForOpening();

    static void ReadVisibility(void *data, TSettingsStore &store);
    static void WriteVisibility(void *data, TSettingsStore &store);

    bool m_minimized = false;
    bool m_openingStacked = false;
    QSize m_reportedSize; // the size the last resize notification followed
    // Verb items are rebuilt while a verb runs (it re-inspects); the clicked item and its
    // action are still on the stack then, so the old items wait here, owned by this form,
    // until control is back in the message loop.
    int m_verbsRunning = 0;
    std::vector<TMenuItem *> m_retiredVerbItems;
    void FreeRetiredVerbItems();
    // After a verb: re-inspects when it freed the inspected component, else takes its verbs
    // anew; then lets the retired items go.
    void VerbEnded(const TComponentList &inspected);

    void CreateToolBar();
    void CreatePalette();
    void CreateStatusBar();
    void CreateMenus();
    void ReleaseClassButtons();
};

// The designer main window being created or last created; not owned.
extern TZeIDEForm *CurrentIDEForm;
