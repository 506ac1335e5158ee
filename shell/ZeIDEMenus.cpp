// The main window's menus: the main menu and the context menu of the selection handles.

#include "ZeIDE.h"

#include "Menus.h"
#include "ShortCuts.h"
#include "VirtualKeys.h"

#include <QStringList>

namespace {

TMenuItem *AddItem(TComponent *owner, TMenuItem *parent, const QString &caption)
{
    auto *item = new TMenuItem(owner);
    item->SetCaption(caption);
    parent->Add(item);
    return item;
}

void AddItems(TComponent *owner, TMenuItem *parent, const QStringList &captions)
{
    for (const QString &caption : captions)
        AddItem(owner, parent, caption);
}

const QStringList kBookmarks = {"Bookmark1", "Bookmark2", "Bookmark3", "Bookmark4", "Bookmark5"};

} // namespace

void TZeIDEForm::CreateMenus()
{
    MainMenu1 = new TMainMenu(this);
    MainMenu1->SetName(QStringLiteral("MainMenu1"));
    TMenuItem *root = MainMenu1->Items();

    TMenuItem *file = AddItem(this, root, QStringLiteral("File"));
    AddItems(this, file, {"Open", "Save", "-", "Print", "Print Setup", "-", "Use Unit", "Close",
                          "Close All", "-", "Exit"});

    TMenuItem *edit = AddItem(this, root, QStringLiteral("Edit"));
    AddItems(this, edit, {"Undo", "Redo", "-", "Cut", "Copy", "Paste", "Select All", "-",
                          "Delete", "-", "Align to Grid", "Align"});
    AddItems(this, edit->Find(QStringLiteral("Align")),
             {"Left side", "Top", "Down", "Right Side", "-", "Center by Horizontal",
              "Equal spase by Vertical", "Center by Vertical", "Equal space by Horizontal", "-",
              "Center Form by Horizontal", "Center Form by Vertical"});

    TMenuItem *search = AddItem(this, root, QStringLiteral("Search"));
    AddItems(this, search, {"Find", "Find in Files", "-", "Set Bookmark", "Go to Bookmark"});
    AddItems(this, search->Find(QStringLiteral("Set Bookmark")), kBookmarks);
    AddItems(this, search->Find(QStringLiteral("Go to Bookmark")), kBookmarks);

    TMenuItem *view = AddItem(this, root, QStringLiteral("View"));
    miObjectInspector = AddItem(this, view, QStringLiteral("Object Inspector"));
    miObjectInspector->SetName(QStringLiteral("miObjectInspector"));
    miObjectInspector->SetShortCut(ShortCut(VK_F11, 0));
    miObjectInspector->OnClick = TNotifyEvent::Of<&TZeIDEForm::miObjectInspectorClick>(this);
    miCodeEditor = AddItem(this, view, QStringLiteral("Code Editor"));
    miCodeEditor->SetName(QStringLiteral("miCodeEditor"));
    miCodeEditor->SetShortCut(ShortCut(VK_F12, 0));
    miCodeEditor->OnClick = TNotifyEvent::Of<&TZeIDEForm::miCodeEditorClick>(this);

    AddItem(this, root, QStringLiteral("Project"));
    AddItem(this, root, QStringLiteral("Tools"));
    TMenuItem *help = AddItem(this, root, QStringLiteral("Help"));
    AddItems(this, help, {"Contents", "About"});
    SetMenu(MainMenu1);

    pmHandle = new TPopupMenu(this);
    pmHandle->SetName(QStringLiteral("pmHandle"));
    AddItems(this, pmHandle->Items(), {"Align to grid", "Send to back", "Bring to front"});
}
