#pragma once

// The list view in report style: rows of an item caption and its sub-item texts under a header
// of column captions. One row at a time is selected, by mouse or by the arrow keys. OnClick
// follows every left-button release in the list, on a row or not; OnKeyDown and OnKeyUp see the
// keys as in any control. Only the report style is built: the icon and list styles are not.

#include "Controls.h"

#include <QStringList>

#include <vector>

class QTreeWidget;

struct TListColumn
{
    QString Caption;
    int Width = 50;
};

struct TListItem
{
    QString Caption;
    QStringList SubItems; // the texts of the second and later columns
};

class TListView : public TWinControl
{
    Z_CLASS(TListView)
public:
    explicit TListView(TComponent *owner);
    ~TListView() override;

    void AddColumn(const QString &caption, int width);
    int ColumnCount() const { return int(m_columns.size()); }
    const TListColumn &Column(int index) const { return m_columns.at(size_t(index)); }
    // Adds a row at the end; returns its index.
    int AddItem(const QString &caption, const QStringList &subItems = {});
    int ItemCount() const { return int(m_items.size()); }
    const TListItem &Item(int index) const { return m_items.at(size_t(index)); }
    void ClearItems();
    // The selected row, -1 when none is; an index out of range selects none.
    int ItemIndex() const { return m_itemIndex; }
    void SetItemIndex(int index);

    // Framework-internal, from the widget.
    void WidgetSelectionChanged(int row);
    void WidgetClicked();

protected:
    QWidget *CreateWidget(QWidget *parentWidget) override;
    void InitWidget() override;

private:
    QTreeWidget *TreeWidget() const;
    void RebuildWidget();

    std::vector<TListColumn> m_columns;
    std::vector<TListItem> m_items;
    int m_itemIndex = -1;
    bool m_syncing = false; // set while the widget is refilled from the items
};
