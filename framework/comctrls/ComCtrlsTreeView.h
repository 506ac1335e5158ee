#pragma once

// The tree view: nodes with a text and a data reference, in a tree of any depth, drawn by a
// QTreeWidget. The nodes are the control's own objects; the widget is refilled from them after
// every change (once at the end of an update), so nodes can be made before the widget exists.

#include "Controls.h"

#include <memory>
#include <vector>

class QTreeWidget;
class QTreeWidgetItem;
class TTreeNodes;
class TCustomTreeView;

// Where MoveTo puts a node relative to its destination.
enum TNodeAttachMode { naAdd, naAddFirst, naAddChild, naAddChildFirst, naInsert };

class TTreeNode : public TObject
{
    Z_CLASS(TTreeNode)
public:
    TTreeNode() = default;
    ~TTreeNode() override;

    QString Text() const { return m_text; }
    void SetText(const QString &text);
    TObject *Data = nullptr; // not owned
    TTreeNodes *Owner() const { return m_owner; }
    // nullptr for a top-level node.
    TTreeNode *Parent() const;
    int Count() const { return int(m_children.size()); }
    TTreeNode *Item(int index) const { return m_children.at(size_t(index)).get(); }
    // The position among its siblings.
    int Index() const;
    // The position in display order over the whole tree, the first node being 0.
    int AbsoluteIndex() const;
    // 0 for a top-level node.
    int Level() const;
    bool Selected() const;
    // The next node in display order, or nullptr after the last.
    TTreeNode *GetNext() const;
    // Whether node is this one or lies below it.
    bool IsSelfOrAncestorOf(const TTreeNode *node) const;
    // Moves the node with its children; raises EInvalidOperation when destination lies in
    // the node's own branch.
    void MoveTo(TTreeNode *destination, TNodeAttachMode mode);
    // Deletes the node with its children.
    void Delete();

private:
    friend class TTreeNodes;
    TTreeNodes *m_owner = nullptr;
    TTreeNode *m_parent = nullptr; // the hidden root for top-level nodes
    QString m_text;
    std::vector<std::unique_ptr<TTreeNode>> m_children;
};

class TTreeNodes : public TObject
{
    Z_CLASS(TTreeNodes)
public:
    explicit TTreeNodes(TCustomTreeView *owner = nullptr);
    ~TTreeNodes() override;

    TCustomTreeView *Owner() const { return m_view; } // not owned
    // Every node of the tree.
    int Count() const;
    // The node at a display position, or nullptr outside the tree.
    TTreeNode *Item(int absoluteIndex) const;
    TTreeNode *GetFirstNode() const;
    // The top-level nodes.
    int RootCount() const { return m_root.Count(); }
    TTreeNode *Root(int index) const { return m_root.Item(index); }

    // The last sibling of sibling (the last top-level node when sibling is nullptr).
    TTreeNode *Add(TTreeNode *sibling, const QString &text);
    TTreeNode *AddObject(TTreeNode *sibling, const QString &text, TObject *data);
    // The last child of parent (a top-level node when parent is nullptr).
    TTreeNode *AddChild(TTreeNode *parent, const QString &text);
    TTreeNode *AddChildObject(TTreeNode *parent, const QString &text, TObject *data);
    // Before sibling (the last top-level node when sibling is nullptr).
    TTreeNode *Insert(TTreeNode *sibling, const QString &text);
    void Delete(TTreeNode *node);
    void Clear();

    // Changes between the outermost BeginUpdate and EndUpdate reach the widget once.
    void BeginUpdate() { ++m_updateCount; }
    void EndUpdate();
    int UpdateCount() const { return m_updateCount; }

private:
    friend class TTreeNode;
    TTreeNode *NewNode(TTreeNode *parent, int index, const QString &text, TObject *data);
    // Takes node out of its parent; the caller owns it.
    std::unique_ptr<TTreeNode> Detach(TTreeNode *node);
    void Changed();

    TCustomTreeView *m_view;
    TTreeNode m_root; // hidden: its children are the top-level nodes
    int m_updateCount = 0;
};

class TCustomTreeView : public TWinControl
{
    Z_CLASS(TCustomTreeView)
public:
    explicit TCustomTreeView(TComponent *owner);
    ~TCustomTreeView() override;

    TTreeNodes *Items() const { return m_items; } // owned
    // The selected node, or nullptr.
    TTreeNode *Selected() const { return m_selected; }
    void SetSelected(TTreeNode *node);
    // Texts are not edited in place when read-only (the only way here).
    bool ReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool v) { m_readOnly = v; }
    // Whether the selection is hidden while the tree has no focus.
    bool HideSelection() const { return m_hideSelection; }
    void SetHideSelection(bool v);
    int Indent() const { return m_indent; }
    void SetIndent(int indent);

    // Framework-internal, from the nodes.
    void NodesChanged();
    void NodeDeleting(TTreeNode *node);

protected:
    QWidget *CreateWidget(QWidget *parentWidget) override;
    void InitWidget() override;

private:
    QTreeWidget *TreeWidget() const;
    void FillWidget();
    void AddWidgetItems(QTreeWidgetItem *parentItem, TTreeNode *node);
    void ShowSelection();
    void WidgetCurrentChanged(QTreeWidgetItem *item);

    TTreeNodes *m_items;
    TTreeNode *m_selected = nullptr;
    bool m_readOnly = false;
    bool m_hideSelection = true;
    int m_indent = 19;
    bool m_syncing = false; // set while the widget is refilled
};

class TTreeView : public TCustomTreeView
{
    Z_CLASS(TTreeView)
public:
    explicit TTreeView(TComponent *owner) : TCustomTreeView(owner) {}
};
