// The report-style list view over QTreeWidget: the control keeps columns, rows and the
// selected row; the widget shows them and reports the user's choice and clicks.

#include "ComCtrlsListView.h"

#include "SafeCall.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QTreeWidget>

namespace {

// A flat tree: no root decoration, whole rows selected one at a time. A left-button release
// anywhere in the rows' area is the control's click, as it is in the classic list view.
class TListViewWidget : public QTreeWidget
{
public:
    TListViewWidget(TListView *view, QWidget *parent) : QTreeWidget(parent), m_view(view)
    {
        setRootIsDecorated(false);
        setUniformRowHeights(true);
        setItemsExpandable(false);
        setAllColumnsShowFocus(true);
        setSelectionMode(QAbstractItemView::SingleSelection);
        setSelectionBehavior(QAbstractItemView::SelectRows);
        setEditTriggers(QAbstractItemView::NoEditTriggers);
        header()->setSectionsMovable(false);
        header()->setStretchLastSection(false);
    }

protected:
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        QTreeWidget::mouseReleaseEvent(event);
        if (event->button() == Qt::LeftButton)
            SafeCall([this] { m_view->WidgetClicked(); });
    }

private:
    TListView *m_view; // not owned: the control owns this widget
};

} // namespace

Z_DEFINE_CLASS(TListView, TWinControl, NoPublishedProps)

TListView::TListView(TComponent *owner) : TWinControl(owner)
{
    SetControlStyle(csCaptureMouse | csDoubleClicks);
    SetParentColor(false);
    SetColor(clWindow);
    SetTabStop(true);
    SetBounds(0, 0, 250, 150);
}

TListView::~TListView()
{
    Destroying();
    DestroyWidget();
}

QTreeWidget *TListView::TreeWidget() const
{
    return qobject_cast<QTreeWidget *>(m_widget);
}

QWidget *TListView::CreateWidget(QWidget *parentWidget)
{
    auto *w = new TListViewWidget(this, parentWidget);
    QObject::connect(w, &QTreeWidget::itemSelectionChanged, w, [this, w] {
        if (m_syncing)
            return;
        const QList<QTreeWidgetItem *> selected = w->selectedItems();
        const int row = selected.isEmpty() ? -1 : w->indexOfTopLevelItem(selected.first());
        SafeCall([&] { WidgetSelectionChanged(row); });
    });
    return w;
}

void TListView::InitWidget()
{
    RebuildWidget();
    TWinControl::InitWidget();
}

void TListView::RebuildWidget()
{
    QTreeWidget *w = TreeWidget();
    if (!w)
        return;
    m_syncing = true;
    w->clear();
    QStringList captions;
    for (const TListColumn &column : m_columns)
        captions << column.Caption;
    w->setColumnCount(std::max(1, ColumnCount()));
    w->setHeaderLabels(captions);
    for (int i = 0; i < ColumnCount(); ++i)
        w->setColumnWidth(i, m_columns.at(size_t(i)).Width);
    for (const TListItem &item : m_items)
        w->addTopLevelItem(new QTreeWidgetItem(QStringList{item.Caption} + item.SubItems));
    if (m_itemIndex >= 0)
        w->setCurrentItem(w->topLevelItem(m_itemIndex));
    m_syncing = false;
}

void TListView::AddColumn(const QString &caption, int width)
{
    m_columns.push_back({caption, width});
    RebuildWidget();
}

int TListView::AddItem(const QString &caption, const QStringList &subItems)
{
    m_items.push_back({caption, subItems});
    if (QTreeWidget *w = TreeWidget()) {
        m_syncing = true;
        w->addTopLevelItem(new QTreeWidgetItem(QStringList{caption} + subItems));
        m_syncing = false;
    }
    return ItemCount() - 1;
}

void TListView::ClearItems()
{
    m_items.clear();
    m_itemIndex = -1;
    RebuildWidget();
}

void TListView::SetItemIndex(int index)
{
    m_itemIndex = index >= 0 && index < ItemCount() ? index : -1;
    QTreeWidget *w = TreeWidget();
    if (!w)
        return;
    m_syncing = true;
    if (m_itemIndex < 0)
        w->clearSelection();
    else
        w->setCurrentItem(w->topLevelItem(m_itemIndex));
    m_syncing = false;
}

void TListView::WidgetSelectionChanged(int row)
{
    m_itemIndex = row;
}

void TListView::WidgetClicked()
{
    Click();
}
