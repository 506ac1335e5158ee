// List boxes over QListWidget: the rows follow Items, ItemIndex and the selection follow the
// user.

#include "PublishedProps.h"
#include "SafeCall.h"
#include "StdCtrls.h"

#include <QListWidget>

namespace {

// Tells whether a change of the current row comes from the user's mouse or keys: a list view
// also moves it by itself, to the first row when it takes the focus.
class TListWidget : public QListWidget
{
public:
    using QListWidget::QListWidget;
    bool UserInput() const { return m_input > 0; }

protected:
    void mousePressEvent(QMouseEvent *e) override
    {
        Input([&] { QListWidget::mousePressEvent(e); });
    }
    void mouseMoveEvent(QMouseEvent *e) override
    {
        Input([&] { QListWidget::mouseMoveEvent(e); });
    }
    void mouseReleaseEvent(QMouseEvent *e) override
    {
        Input([&] { QListWidget::mouseReleaseEvent(e); });
    }
    void keyPressEvent(QKeyEvent *e) override { Input([&] { QListWidget::keyPressEvent(e); }); }

private:
    template<class F> void Input(F f)
    {
        ++m_input;
        f();
        --m_input;
    }
    int m_input = 0;
};

} // namespace

Z_DEFINE_CLASS(TCustomListBox, TWinControl, NoPublishedProps)

TCustomListBox::TCustomListBox(TComponent *owner) : TWinControl(owner), m_items(new TItemStrings)
{
    // Clicks come from the user's choice of an item, not from TControl's mouse-up.
    SetControlStyle(csCaptureMouse | csDoubleClicks);
    SetParentColor(false);
    SetColor(clWindow);
    SetTabStop(true);
    SetBounds(0, 0, 121, 97);
    m_items->OnChange = TNotifyEvent::Of<&TCustomListBox::ItemsObjectChanged>(this);
}

TCustomListBox::~TCustomListBox()
{
    Destroying();
    DestroyWidget();
    delete m_items;
}

QListWidget *TCustomListBox::ListWidget() const
{
    return qobject_cast<QListWidget *>(m_widget);
}

QWidget *TCustomListBox::CreateWidget(QWidget *parentWidget)
{
    auto *w = new TListWidget(parentWidget);
    QObject::connect(w, &QListWidget::currentRowChanged, w, [this](int row) {
        SafeCall([&] { WidgetCurrentRowChanged(row); });
    });
    QObject::connect(w, &QListWidget::itemSelectionChanged, w, [this, w] {
        if (m_syncing)
            return;
        for (int i = 0; i < w->count() && size_t(i) < m_selected.size(); ++i)
            m_selected[size_t(i)] = w->item(i)->isSelected();
    });
    return w;
}

void TCustomListBox::InitWidget()
{
    ApplyOptions();
    ItemsChanged();
    TWinControl::InitWidget();
    ColorChanged();
}

void TCustomListBox::ItemsObjectChanged(TObject *)
{
    m_selected.resize(size_t(m_items->Count()), false);
    if (m_itemIndex >= m_items->Count())
        m_itemIndex = -1;
    ItemsChanged();
}

void TCustomListBox::ItemsChanged()
{
    QListWidget *w = ListWidget();
    if (!w)
        return;
    m_syncing = true;
    w->clear();
    w->addItems(m_items->ToStringList());
    for (int i = 0; i < w->count(); ++i) {
        SetUpRow(i);
        if (m_multiSelect && size_t(i) < m_selected.size() && m_selected[size_t(i)])
            w->item(i)->setSelected(true);
    }
    w->setCurrentRow(m_itemIndex, m_multiSelect ? QItemSelectionModel::NoUpdate
                                                : QItemSelectionModel::ClearAndSelect);
    m_syncing = false;
}

void TCustomListBox::SetUpRow(int index)
{
    if (m_style == lbStandard)
        return;
    // Owner-drawn rows have the height the control gives them.
    QListWidgetItem *item = ListWidget()->item(index);
    item->setSizeHint(QSize(item->sizeHint().width(), m_itemHeight));
}

void TCustomListBox::WidgetCurrentRowChanged(int row)
{
    if (m_syncing)
        return;
    auto *w = static_cast<TListWidget *>(ListWidget());
    if (w && !w->UserInput()) {
        // Not the user's choice: the current row stays the control's.
        m_syncing = true;
        w->setCurrentRow(m_itemIndex, QItemSelectionModel::NoUpdate);
        m_syncing = false;
        return;
    }
    m_itemIndex = row;
    Click();
}

void TCustomListBox::SetItemIndex(int index)
{
    if (index < -1 || index >= m_items->Count())
        index = -1;
    m_itemIndex = index;
    if (QListWidget *w = ListWidget()) {
        m_syncing = true;
        w->setCurrentRow(index, m_multiSelect ? QItemSelectionModel::Current
                                              : QItemSelectionModel::ClearAndSelect);
        m_syncing = false;
    }
}

bool TCustomListBox::Selected(int index) const
{
    if (index < 0 || index >= m_items->Count())
        throw EListError(FormatMessage(QStringLiteral("List index out of bounds (%d)"),
                                       {QString::number(index)}));
    if (!m_multiSelect)
        return index == m_itemIndex;
    if (QListWidget *w = ListWidget())
        return w->item(index)->isSelected();
    return m_selected[size_t(index)];
}

void TCustomListBox::SetSelected(int index, bool selected)
{
    if (index < 0 || index >= m_items->Count())
        throw EListError(FormatMessage(QStringLiteral("List index out of bounds (%d)"),
                                       {QString::number(index)}));
    if (!m_multiSelect) {
        if (selected)
            SetItemIndex(index);
        else if (index == m_itemIndex)
            SetItemIndex(-1);
        return;
    }
    m_selected[size_t(index)] = selected;
    if (QListWidget *w = ListWidget()) {
        m_syncing = true;
        w->item(index)->setSelected(selected);
        m_syncing = false;
    }
}

int TCustomListBox::SelCount() const
{
    if (!m_multiSelect)
        return -1;
    int count = 0;
    for (int i = 0; i < m_items->Count(); ++i)
        count += Selected(i) ? 1 : 0;
    return count;
}

int TCustomListBox::TopIndex() const
{
    if (QListWidget *w = ListWidget()) {
        if (QListWidgetItem *item = w->itemAt(0, 0))
            return w->row(item);
    }
    return 0;
}

void TCustomListBox::ApplyOptions()
{
    QListWidget *w = ListWidget();
    if (!w)
        return;
    w->setFrameShape(m_borderStyle == bsNone ? QFrame::NoFrame : QFrame::StyledPanel);
    if (!m_multiSelect)
        w->setSelectionMode(QAbstractItemView::SingleSelection);
    else if (m_extendedSelect)
        w->setSelectionMode(QAbstractItemView::ExtendedSelection);
    else
        w->setSelectionMode(QAbstractItemView::MultiSelection);
    if (m_columns > 0) {
        // Columns of equal width, filled top to bottom, scrolled sideways.
        w->setFlow(QListView::TopToBottom);
        w->setWrapping(true);
        w->setResizeMode(QListView::Adjust);
        const int columnWidth = std::max(1, (ClientWidth() - 4) / m_columns);
        w->setGridSize(QSize(columnWidth, FontLineHeight(Font()) + 2));
    } else {
        w->setFlow(QListView::TopToBottom);
        w->setWrapping(false);
        w->setGridSize(QSize());
    }
}

void TCustomListBox::SetBorderStyle(TFormBorderStyle style)
{
    m_borderStyle = style == bsNone ? bsNone : bsSingle;
    ApplyOptions();
}

void TCustomListBox::SetColumns(int columns)
{
    m_columns = std::max(0, columns);
    ApplyOptions();
}

void TCustomListBox::SetExtendedSelect(bool v)
{
    m_extendedSelect = v;
    ApplyOptions();
}

void TCustomListBox::SetItemHeight(int height)
{
    m_itemHeight = std::max(1, height);
    ItemsChanged();
}

void TCustomListBox::SetMultiSelect(bool v)
{
    m_multiSelect = v;
    ApplyOptions();
    ItemsChanged();
}

void TCustomListBox::SetStyle(TListBoxStyle style)
{
    m_style = style;
    ItemsChanged();
}

void TCustomListBox::SetTabWidth(int width)
{
    m_tabWidth = std::max(0, width);
}

void TCustomListBox::FontChanged()
{
    TWinControl::FontChanged();
    ColorChanged();
    ApplyOptions();
}

void TCustomListBox::ColorChanged()
{
    TWinControl::ColorChanged();
    if (!m_widget)
        return;
    QPalette pal = m_widget->palette();
    pal.setColor(QPalette::Base, ColorToQColor(Color()));
    pal.setColor(QPalette::Text, ColorToQColor(Font()->Color()));
    m_widget->setPalette(pal);
}

// The properties every list box publishes, the check list box too.
TPropTable ListBoxCommonProps()
{
    using L = TCustomListBox;
    TPropTable t = WinControlBaseProps();
    AppendProps(t, ControlProps({"Align", "Anchors", "BiDiMode", "Color", "Constraints",
                                 "Ctl3D", "DragCursor", "DragKind", "DragMode", "Enabled",
                                 "Font", "ParentBiDiMode", "ParentColor", "ParentCtl3D",
                                 "ParentFont", "ParentShowHint", "PopupMenu", "ShowHint",
                                 "TabOrder", "TabStop", "Visible", "OnClick", "OnContextPopup",
                                 "OnDblClick", "OnDragDrop", "OnDragOver", "OnEndDock",
                                 "OnEndDrag", "OnEnter", "OnExit", "OnKeyDown", "OnKeyPress",
                                 "OnKeyUp", "OnMouseDown", "OnMouseMove", "OnMouseUp",
                                 "OnStartDock", "OnStartDrag"}));
    SetPropDefault(t, "Color", clWindow);
    SetPropDefault(t, "ParentColor", 0);
    SetPropDefault(t, "TabStop", 1);
    t.push_back(Prop<L>("BorderStyle", TypeInfoTBorderStyle(), &L::BorderStyle,
                        &L::SetBorderStyle, bsSingle));
    t.push_back(Prop<L>("Columns", TypeInfoInteger(), &L::Columns, &L::SetColumns, 0));
    t.push_back(Prop<L>("IntegralHeight", TypeInfoBoolean(), &L::IntegralHeight,
                        &L::SetIntegralHeight, 0));
    t.push_back(Prop<L>("ItemHeight", TypeInfoInteger(), &L::ItemHeight, &L::SetItemHeight));
    t.push_back(Prop<L>("Items", TStrings::StaticClass()->ClassTypeInfo(), &L::Items,
                        &L::SetItems));
    t.push_back(Prop<L>("Sorted", TypeInfoBoolean(), &L::Sorted, &L::SetSorted, 0));
    t.push_back(Prop<L>("Style", TypeInfoTListBoxStyle(), &L::Style, &L::SetStyle, lbStandard));
    t.push_back(Prop<L>("TabWidth", TypeInfoInteger(), &L::TabWidth, &L::SetTabWidth, 0));
    t.push_back(EventProp<L>("OnDrawItem", TypeInfoTDrawItemEvent(), &L::OnDrawItem));
    t.push_back(EventProp<L>("OnMeasureItem", TypeInfoTMeasureItemEvent(), &L::OnMeasureItem));
    return t;
}

static TPropTable ListBoxProps()
{
    using L = TListBox;
    TPropTable t = ListBoxCommonProps();
    t.push_back(Prop<L>("ExtendedSelect", TypeInfoBoolean(), &L::ExtendedSelect,
                        &L::SetExtendedSelect, 1));
    t.push_back(Prop<L>("MultiSelect", TypeInfoBoolean(), &L::MultiSelect, &L::SetMultiSelect,
                        0));
    return t;
}
Z_DEFINE_CLASS(TListBox, TCustomListBox, ListBoxProps)

TListBox::TListBox(TComponent *owner) : TCustomListBox(owner) {}
