#pragma once

// The menu dialog "Menu": shows a menu as a tree, one node per menu item in the menu's own
// order at every level, and adds items, sub-items, deletes and moves them. Choosing a node
// raises OnSelectItem so that the inspector shows the item; captions typed there show in the
// tree when the dialog is activated again. The tree and the menu never disagree: every change
// made here is made to the menu at once, and the menu bar of the design form follows it.

#include "ZeItemEditor.h"

class TMenuItem;
class TTreeNode;
class TTreeView;

// (var name): may replace a proposed component name by a unique one.
using TGetUniqueNameEvent = TEvent<QString &>;

class TfZeMenuEditor : public TZeItemDialog
{
    Z_CLASS(TfZeMenuEditor)
public:
    explicit TfZeMenuEditor(TComponent *owner);

    TTreeView *TreeView1;
    TPanel *Panel1;
    TButton *Button1;
    TButton *Button2;
    TButton *Button4;
    TButton *Button5;
    TButton *Button6;

    // Whose sub-items form the edited menu; not owned, free-notified.
    TMenuItem *RootItem = nullptr;
    // Owns the items made here (the design form); not owned, free-notified.
    TComponent *OwnerForm = nullptr;
    TSelectItemEvent OnSelectItem;
    TGetUniqueNameEvent OnGetUniqueName;

    // Sets RootItem and OwnerForm and watches both.
    void SetTargets(TMenuItem *rootItem, TComponent *ownerForm);
    // Rebuilds the tree from RootItem.
    void BuildTree();
    // Sets every node's text to its item's caption.
    void RefreshCaptions();
    QString NewItemName();
    // The menu item of a node.
    static TMenuItem *ItemOf(const TTreeNode *node);

    void FormActivate(TObject *sender);
    void TreeView1Click(TObject *sender);
    void Button1Click(TObject *sender); // Add
    void Button2Click(TObject *sender); // Add sub item
    void Button4Click(TObject *sender); // Delete
    void Button5Click(TObject *sender); // Up
    void Button6Click(TObject *sender); // Down

protected:
    void ForgetTargets() override;
    bool ItemGone(TComponent *component) override;

private:
    void AddNodes(TTreeNode *parent, TMenuItem *item);
    // A new item owned by OwnerForm, named and captioned name, watched.
    TMenuItem *NewItem(const QString &name);
    // Moves node (with its branch) before destination, or after it as its last sibling when
    // asLastSibling, and carries the move into the menu.
    void MoveNode(TTreeNode *node, TTreeNode *destination, bool asLastSibling);
    // The node's item goes where the node now stands: under its parent node's item (RootItem
    // for a top-level node), before the item of its next sibling node.
    void PlaceItemAsNode(TTreeNode *node);
};
