#include "ComCtrlsTreeView.h"

#include "Exceptions.h"
#include "SafeCall.h"

#include <QApplication>
#include <QHeaderView>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include <algorithm>

Z_DEFINE_CLASS(TTreeNode, TObject, NoPublishedProps)
Z_DEFINE_CLASS(TTreeNodes, TObject, NoPublishedProps)
Z_DEFINE_CLASS(TCustomTreeView, TWinControl, NoPublishedProps)
Z_DEFINE_CLASS(TTreeView, TCustomTreeView, NoPublishedProps)

namespace {

constexpr int kNodeRole = Qt::UserRole;

TTreeNode *NodeOfItem(const QTreeWidgetItem *item)
{
    return item ? reinterpret_cast<TTreeNode *>(item->data(0, kNodeRole).value<quintptr>())
                : nullptr;
}

} // namespace

// ---- TTreeNode ---------------------------------------------------------------------------------

TTreeNode::~TTreeNode()
{
    // Children first, so that the view lets go of a selected descendant before its parent.
    while (!m_children.empty())
        m_children.pop_back();
    if (m_owner && m_owner->m_view)
        m_owner->m_view->NodeDeleting(this);
}

void TTreeNode::SetText(const QString &text)
{
    if (text == m_text)
        return;
    m_text = text;
    if (m_owner)
        m_owner->Changed();
}

TTreeNode *TTreeNode::Parent() const
{
    return m_owner && m_parent == &m_owner->m_root ? nullptr : m_parent;
}

int TTreeNode::Index() const
{
    if (!m_parent)
        return -1;
    const auto &siblings = m_parent->m_children;
    const auto it = std::find_if(siblings.begin(), siblings.end(),
                                 [this](const auto &n) { return n.get() == this; });
    return int(it - siblings.begin());
}

int TTreeNode::AbsoluteIndex() const
{
    int index = 0;
    for (TTreeNode *node = m_owner ? m_owner->GetFirstNode() : nullptr; node;
         node = node->GetNext(), ++index) {
        if (node == this)
            return index;
    }
    return -1;
}

int TTreeNode::Level() const
{
    int level = 0;
    for (TTreeNode *p = Parent(); p; p = p->Parent())
        ++level;
    return level;
}

bool TTreeNode::Selected() const
{
    return m_owner && m_owner->m_view && m_owner->m_view->Selected() == this;
}

TTreeNode *TTreeNode::GetNext() const
{
    if (!m_children.empty())
        return m_children.front().get();
    for (const TTreeNode *node = this; node && node->m_parent; node = node->m_parent) {
        const int next = node->Index() + 1;
        if (next < int(node->m_parent->m_children.size()))
            return node->m_parent->m_children[size_t(next)].get();
    }
    return nullptr;
}

bool TTreeNode::IsSelfOrAncestorOf(const TTreeNode *node) const
{
    for (; node; node = node->m_parent) {
        if (node == this)
            return true;
    }
    return false;
}

void TTreeNode::MoveTo(TTreeNode *destination, TNodeAttachMode mode)
{
    if (!m_owner || destination == this)
        return;
    if (IsSelfOrAncestorOf(destination))
        throw EInvalidOperation(QStringLiteral("Cannot move a node into its own branch"));
    const bool wasSelected = Selected();
    TTreeNodes *owner = m_owner;
    // Out first: the place is counted among the siblings that stay.
    std::unique_ptr<TTreeNode> self = owner->Detach(this);
    TTreeNode *parent = destination;
    int index = 0;
    if (!destination) {
        parent = &owner->m_root;
        index = mode == naAddFirst || mode == naAddChildFirst ? 0 : parent->Count();
    } else if (mode == naAddChild || mode == naAddChildFirst) {
        index = mode == naAddChild ? destination->Count() : 0;
    } else {
        parent = destination->m_parent;
        index = mode == naInsert ? destination->Index()
              : mode == naAddFirst ? 0 : parent->Count();
    }
    parent->m_children.insert(parent->m_children.begin() + index, std::move(self));
    m_parent = parent;
    if (wasSelected && owner->m_view)
        owner->m_view->SetSelected(this);
    owner->Changed();
}

void TTreeNode::Delete()
{
    if (m_owner)
        m_owner->Delete(this);
}

// ---- TTreeNodes --------------------------------------------------------------------------------

TTreeNodes::TTreeNodes(TCustomTreeView *owner) : m_view(owner)
{
    m_root.m_owner = this;
}

TTreeNodes::~TTreeNodes()
{
    m_view = nullptr;
    m_root.m_children.clear();
}

int TTreeNodes::Count() const
{
    int count = 0;
    for (TTreeNode *node = GetFirstNode(); node; node = node->GetNext())
        ++count;
    return count;
}

TTreeNode *TTreeNodes::Item(int absoluteIndex) const
{
    if (absoluteIndex < 0)
        return nullptr;
    TTreeNode *node = GetFirstNode();
    for (int i = 0; node && i < absoluteIndex; ++i)
        node = node->GetNext();
    return node;
}

TTreeNode *TTreeNodes::GetFirstNode() const
{
    return m_root.m_children.empty() ? nullptr : m_root.m_children.front().get();
}

TTreeNode *TTreeNodes::NewNode(TTreeNode *parent, int index, const QString &text,
                               TObject *data)
{
    auto node = std::make_unique<TTreeNode>();
    node->m_owner = this;
    node->m_parent = parent;
    node->m_text = text;
    node->Data = data;
    TTreeNode *result = node.get();
    parent->m_children.insert(parent->m_children.begin() + index, std::move(node));
    Changed();
    return result;
}

TTreeNode *TTreeNodes::Add(TTreeNode *sibling, const QString &text)
{
    return AddObject(sibling, text, nullptr);
}

TTreeNode *TTreeNodes::AddObject(TTreeNode *sibling, const QString &text, TObject *data)
{
    TTreeNode *parent = sibling ? sibling->m_parent : &m_root;
    return NewNode(parent, parent->Count(), text, data);
}

TTreeNode *TTreeNodes::AddChild(TTreeNode *parent, const QString &text)
{
    return AddChildObject(parent, text, nullptr);
}

TTreeNode *TTreeNodes::AddChildObject(TTreeNode *parent, const QString &text, TObject *data)
{
    TTreeNode *p = parent ? parent : &m_root;
    return NewNode(p, p->Count(), text, data);
}

TTreeNode *TTreeNodes::Insert(TTreeNode *sibling, const QString &text)
{
    if (!sibling)
        return Add(nullptr, text);
    return NewNode(sibling->m_parent, sibling->Index(), text, nullptr);
}

std::unique_ptr<TTreeNode> TTreeNodes::Detach(TTreeNode *node)
{
    auto &siblings = node->m_parent->m_children;
    const auto it = siblings.begin() + node->Index();
    std::unique_ptr<TTreeNode> taken = std::move(*it);
    siblings.erase(it);
    node->m_parent = nullptr;
    return taken;
}

void TTreeNodes::Delete(TTreeNode *node)
{
    if (!node || node->m_owner != this || !node->m_parent)
        return;
    BeginUpdate();
    Detach(node).reset();
    EndUpdate();
}

void TTreeNodes::Clear()
{
    BeginUpdate();
    while (!m_root.m_children.empty())
        Delete(m_root.m_children.back().get());
    EndUpdate();
}

void TTreeNodes::EndUpdate()
{
    if (m_updateCount > 0 && --m_updateCount == 0)
        Changed();
}

void TTreeNodes::Changed()
{
    if (m_updateCount == 0 && m_view)
        m_view->NodesChanged();
}

// ---- TCustomTreeView ---------------------------------------------------------------------------

TCustomTreeView::TCustomTreeView(TComponent *owner)
    : TWinControl(owner), m_items(new TTreeNodes(this))
{
    // Clicks come from the user's choice of a node, not from TControl's mouse-up.
    SetControlStyle(csCaptureMouse | csDoubleClicks);
    SetParentColor(false);
    SetColor(clWindow);
    SetTabStop(true);
    SetBounds(0, 0, 121, 97);
}

TCustomTreeView::~TCustomTreeView()
{
    Destroying();
    DestroyWidget();
    delete m_items;
}

QTreeWidget *TCustomTreeView::TreeWidget() const
{
    return qobject_cast<QTreeWidget *>(m_widget);
}

QWidget *TCustomTreeView::CreateWidget(QWidget *parentWidget)
{
    auto *w = new QTreeWidget(parentWidget);
    w->setHeaderHidden(true);
    w->setColumnCount(1);
    w->setEditTriggers(QAbstractItemView::NoEditTriggers);
    QObject::connect(w, &QTreeWidget::currentItemChanged, w, [this](QTreeWidgetItem *item) {
        SafeCall([&] { WidgetCurrentChanged(item); });
    });
    QObject::connect(w, &QTreeWidget::itemClicked, w, [this](QTreeWidgetItem *item) {
        SafeCall([&] {
            if (!m_syncing && NodeOfItem(item) == m_selected && m_selected)
                Click();
        });
    });
    return w;
}

void TCustomTreeView::InitWidget()
{
    SetIndent(m_indent);
    SetHideSelection(m_hideSelection);
    FillWidget();
    TWinControl::InitWidget();
}

void TCustomTreeView::SetIndent(int indent)
{
    m_indent = std::max(0, indent);
    if (QTreeWidget *w = TreeWidget())
        w->setIndentation(m_indent);
}

void TCustomTreeView::SetHideSelection(bool v)
{
    m_hideSelection = v;
    QTreeWidget *w = TreeWidget();
    if (!w)
        return;
    QPalette palette = w->palette();
    const QPalette standard = QApplication::palette(w);
    for (auto role : {QPalette::Highlight, QPalette::HighlightedText}) {
        palette.setColor(QPalette::Inactive, role,
                         standard.color(v ? QPalette::Inactive : QPalette::Active, role));
    }
    w->setPalette(palette);
}

void TCustomTreeView::SetSelected(TTreeNode *node)
{
    if (node && node->Owner() != m_items)
        return;
    m_selected = node;
    ShowSelection();
}

void TCustomTreeView::NodesChanged()
{
    FillWidget();
}

void TCustomTreeView::NodeDeleting(TTreeNode *node)
{
    if (node == m_selected)
        m_selected = nullptr;
}

void TCustomTreeView::FillWidget()
{
    QTreeWidget *w = TreeWidget();
    if (!w)
        return;
    m_syncing = true;
    w->clear();
    for (int i = 0; i < m_items->RootCount(); ++i)
        AddWidgetItems(nullptr, m_items->Root(i));
    w->expandAll();
    m_syncing = false;
    ShowSelection();
}

void TCustomTreeView::AddWidgetItems(QTreeWidgetItem *parentItem, TTreeNode *node)
{
    auto *item = parentItem ? new QTreeWidgetItem(parentItem)
                            : new QTreeWidgetItem(TreeWidget());
    item->setText(0, node->Text());
    item->setData(0, kNodeRole, QVariant::fromValue(quintptr(node)));
    for (int i = 0; i < node->Count(); ++i)
        AddWidgetItems(item, node->Item(i));
}

// The widget's items stand for the nodes at the last refill; while the nodes are being
// updated they may name nodes gone since, so an item counts only for a node still there.
void TCustomTreeView::WidgetCurrentChanged(QTreeWidgetItem *item)
{
    if (m_syncing || m_items->UpdateCount() > 0)
        return;
    const TTreeNode *candidate = NodeOfItem(item);
    TTreeNode *node = m_items->GetFirstNode();
    while (node && node != candidate)
        node = node->GetNext();
    m_selected = node;
    // A press chooses the node and the release clicks it; keys click at once.
    if (node && QApplication::mouseButtons() == Qt::NoButton)
        Click();
}

void TCustomTreeView::ShowSelection()
{
    QTreeWidget *w = TreeWidget();
    if (!w || m_items->UpdateCount() > 0)
        return;
    m_syncing = true;
    QTreeWidgetItem *found = nullptr;
    for (QTreeWidgetItemIterator it(w); *it && m_selected; ++it) {
        if (NodeOfItem(*it) == m_selected) {
            found = *it;
            break;
        }
    }
    w->setCurrentItem(found);
    if (!found)
        w->clearSelection();
    m_syncing = false;
}
