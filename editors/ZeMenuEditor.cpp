#include "ZeMenuEditor.h"

#include "Application.h"
#include "ComCtrlsTreeView.h"
#include "ExtCtrls.h"
#include "Menus.h"
#include "StdCtrls.h"
#include "WindowBuilding.h"

#include <algorithm>

Z_DEFINE_CLASS(TfZeMenuEditor, TZeItemDialog, NoPublishedProps)

TfZeMenuEditor::TfZeMenuEditor(TComponent *owner) : TZeItemDialog(owner)
{
    SetName(QStringLiteral("fZeMenuEditor"));
    Panel1 = BuildFrame(QStringLiteral("Menu"));
    Button1 = AddButton(Panel1, "Button1", QStringLiteral("Add"), 0,
                        TNotifyEvent::Of<&TfZeMenuEditor::Button1Click>(this));
    Button2 = AddButton(Panel1, "Button2", QStringLiteral("Add sub item"), 1,
                        TNotifyEvent::Of<&TfZeMenuEditor::Button2Click>(this));
    Button4 = AddButton(Panel1, "Button4", QStringLiteral("Delete"), 2,
                        TNotifyEvent::Of<&TfZeMenuEditor::Button4Click>(this));
    Button5 = AddButton(Panel1, "Button5", QStringLiteral("Up"), 3,
                        TNotifyEvent::Of<&TfZeMenuEditor::Button5Click>(this));
    Button6 = AddButton(Panel1, "Button6", QStringLiteral("Down"), 4,
                        TNotifyEvent::Of<&TfZeMenuEditor::Button6Click>(this));

    TreeView1 = Named(new TTreeView(this), "TreeView1");
    TreeView1->SetAlign(alClient);
    TreeView1->SetReadOnly(true);
    TreeView1->SetHideSelection(false);
    TreeView1->SetIndent(19);
    TreeView1->OnClick = TNotifyEvent::Of<&TfZeMenuEditor::TreeView1Click>(this);
    TreeView1->SetParent(this);

    OnActivate = TNotifyEvent::Of<&TfZeMenuEditor::FormActivate>(this);
    DoCreate();
}

TMenuItem *TfZeMenuEditor::ItemOf(const TTreeNode *node)
{
    return node ? ObjectCast<TMenuItem>(node->Data) : nullptr;
}

void TfZeMenuEditor::SetTargets(TMenuItem *rootItem, TComponent *ownerForm)
{
    UnwatchAll();
    RootItem = rootItem;
    OwnerForm = ownerForm;
    Watch(rootItem);
    Watch(ownerForm);
}

void TfZeMenuEditor::ForgetTargets()
{
    RootItem = nullptr;
    OwnerForm = nullptr;
    OnSelectItem = {};
    OnGetUniqueName = {};
    TreeView1->Items()->Clear();
}

// An item of the tree was freed (with its menu, or by someone else): its node goes, and the
// nodes of its sub-items, which were freed before it.
bool TfZeMenuEditor::ItemGone(TComponent *component)
{
    if (component == RootItem || component == OwnerForm)
        return false;
    TTreeNodes *nodes = TreeView1->Items();
    for (TTreeNode *node = nodes->GetFirstNode(); node;) {
        if (node->Data == component) {
            nodes->Delete(node);
            node = nodes->GetFirstNode(); // deleting may have skipped a later match
        } else {
            node = node->GetNext();
        }
    }
    return true;
}

QString TfZeMenuEditor::NewItemName()
{
    QString name = QStringLiteral("TMenuItem");
    OnGetUniqueName(name);
    return name;
}

void TfZeMenuEditor::AddNodes(TTreeNode *parent, TMenuItem *item)
{
    TTreeNodes *nodes = TreeView1->Items();
    TTreeNode *node = parent ? nodes->AddChildObject(parent, item->Caption(), item)
                             : nodes->AddObject(nullptr, item->Caption(), item);
    Watch(item);
    for (int i = 0; i < item->Count(); ++i)
        AddNodes(node, item->Items(i));
}

void TfZeMenuEditor::BuildTree()
{
    WithinUpdate(TreeView1->Items(), [this] {
        TreeView1->Items()->Clear();
        for (int i = 0; RootItem && i < RootItem->Count(); ++i)
            AddNodes(nullptr, RootItem->Items(i));
    });
}

void TfZeMenuEditor::RefreshCaptions()
{
    WithinUpdate(TreeView1->Items(), [this] {
        for (TTreeNode *node = TreeView1->Items()->GetFirstNode(); node; node = node->GetNext()) {
            if (TMenuItem *item = ItemOf(node))
                node->SetText(item->Caption());
        }
    });
}

void TfZeMenuEditor::FormActivate(TObject *)
{
    RefreshCaptions();
}

void TfZeMenuEditor::TreeView1Click(TObject *)
{
    if (TMenuItem *item = ItemOf(TreeView1->Selected()))
        OnSelectItem(item);
}

TMenuItem *TfZeMenuEditor::NewItem(const QString &name)
{
    auto *item = new TMenuItem(OwnerForm);
    try {
        item->SetName(name);
        item->SetCaption(name);
    } catch (...) {
        Free(item);
        throw;
    }
    Watch(item);
    return item;
}

void TfZeMenuEditor::Button1Click(TObject *)
{
    struct BusyGuard
    {
        int &count;
        ~BusyGuard() { --count; }
    } busy{++m_busy};
    WithinUpdate(TreeView1->Items(), [this] {
        // Pending messages may close the dialog or free the menu: everything is read after
        // them.
        if (Application)
            Application->ProcessMessages();
        if (!RootItem || !OwnerForm)
            return;
        const QString name = NewItemName();
        TTreeNode *selected = TreeView1->Selected();
        TMenuItem *parentItem = RootItem;
        if (TMenuItem *selectedItem = ItemOf(selected); selectedItem && selectedItem->Parent())
            parentItem = selectedItem->Parent();
        TMenuItem *item = NewItem(name);
        TTreeNode *node = TreeView1->Items()->AddObject(selected, name, item);
        parentItem->Add(item);
        TreeView1->SetSelected(node);
    });
    TreeView1->Repaint();
    OnChanged(this);
}

void TfZeMenuEditor::Button2Click(TObject *)
{
    TTreeNode *selected = TreeView1->Selected();
    TMenuItem *selectedItem = ItemOf(selected);
    if (!selectedItem || !OwnerForm)
        return;
    const QString name = NewItemName();
    TMenuItem *item = NewItem(name);
    TTreeNode *node = TreeView1->Items()->AddChildObject(selected, name, item);
    selectedItem->Add(item);
    TreeView1->SetSelected(node);
    OnChanged(this);
}

// The item leaves the menu with its sub-items but is not freed: the form still owns it.
void TfZeMenuEditor::Button4Click(TObject *)
{
    TTreeNode *selected = TreeView1->Selected();
    if (!selected)
        return;
    const int position = selected->AbsoluteIndex();
    TMenuItem *item = ItemOf(selected);
    if (item && item->Parent())
        item->Parent()->Remove(item);
    TTreeNodes *nodes = TreeView1->Items();
    nodes->Delete(selected);
    if (nodes->Count() > 0)
        TreeView1->SetSelected(nodes->Item(std::min(position, nodes->Count() - 1)));
    OnChanged(this);
}

void TfZeMenuEditor::PlaceItemAsNode(TTreeNode *node)
{
    TMenuItem *item = ItemOf(node);
    TTreeNode *parentNode = node->Parent();
    TMenuItem *newParent = parentNode ? ItemOf(parentNode) : RootItem;
    if (!item || !newParent)
        return;
    if (item->Parent())
        item->Parent()->Remove(item);
    TTreeNodes *nodes = TreeView1->Items();
    const int next = node->Index() + 1;
    const int siblings = parentNode ? parentNode->Count() : nodes->RootCount();
    int index = newParent->Count();
    if (next < siblings) {
        TTreeNode *nextNode = parentNode ? parentNode->Item(next) : nodes->Root(next);
        const int found = newParent->IndexOf(ItemOf(nextNode));
        if (found >= 0)
            index = found;
    }
    newParent->Insert(index, item);
}

void TfZeMenuEditor::MoveNode(TTreeNode *node, TTreeNode *destination, bool asLastSibling)
{
    WithinUpdate(TreeView1->Items(), [&] {
        node->MoveTo(destination, asLastSibling ? naAdd : naInsert);
        PlaceItemAsNode(node);
    });
    OnChanged(this);
}

// Up: before the node shown above it, which may take it into another parent (the end of the
// previous branch) or out of its own (before its parent).
void TfZeMenuEditor::Button5Click(TObject *)
{
    TTreeNode *selected = TreeView1->Selected();
    if (!selected)
        return;
    const int position = selected->AbsoluteIndex();
    if (position - 1 < 0)
        return;
    MoveNode(selected, TreeView1->Items()->Item(position - 1), false);
}

// Down: past the node shown below its branch, that is before the node after that one; when
// that node is the last of the tree, after it as its last sibling. The last node of the tree
// goes down a level instead, out of its parent to stand after it, so that every place in the
// menu stays reachable.
void TfZeMenuEditor::Button6Click(TObject *)
{
    TTreeNode *selected = TreeView1->Selected();
    if (!selected)
        return;
    TTreeNode *passed = selected->GetNext();
    while (passed && selected->IsSelfOrAncestorOf(passed))
        passed = passed->GetNext();
    if (!passed) {
        if (TTreeNode *parent = selected->Parent())
            MoveNode(selected, parent, true);
        return;
    }
    if (TTreeNode *destination = passed->GetNext())
        MoveNode(selected, destination, false);
    else
        MoveNode(selected, passed, true);
}
