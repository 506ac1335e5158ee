// List boxes over QListWidget: the rows follow Items, ItemIndex and the selection follow the
// user. The control paints each row itself (see ItemPainter.h) and measures it by its style.

#include "ClassicDraw.h"
#include "ItemPainter.h"
#include "PublishedProps.h"
#include "SafeCall.h"
#include "StdCtrls.h"

#include <QEvent>
#include <QListWidget>
#include <QPainter>

namespace {

// Tells whether a change of the current row comes from the user's mouse or keys: a list view
// also moves it by itself, to the first row when it takes the focus.
// Draws the classic border: a two-pixel sunken edge, or a single line without Ctl3D.
class TListWidget : public QListWidget
{
public:
    using QListWidget::QListWidget;
    bool UserInput() const { return m_input > 0; }
    // The width of the border on each side: 0, 1 or 2.
    void SetEdge(int edge)
    {
        m_edge = edge;
        setFrameStyle(edge == 0 ? QFrame::NoFrame : QFrame::Panel | QFrame::Sunken);
        setLineWidth(edge);
        update();
    }

protected:
    bool event(QEvent *e) override
    {
        const bool result = QListWidget::event(e);
        if (e->type() == QEvent::Paint && m_edge > 0) {
            QPainter painter(this);
            QRect r = rect();
            if (m_edge == 2) {
                Frame3D(painter, r, clBtnShadow, clBtnHighlight, 1);
                Frame3D(painter, r, cl3DDkShadow, cl3DLight, 1);
            } else {
                Frame3D(painter, r, clWindowFrame, clWindowFrame, 1);
            }
        }
        return result;
    }
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
    int m_edge = 0;
};

} // namespace

Z_DEFINE_CLASS(TCustomListBox, TWinControl, NoPublishedProps)

TCustomListBox::TCustomListBox(TComponent *owner)
    : TWinControl(owner), m_items(new TItemStrings), m_canvas(new TCanvas)
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
    delete m_canvas;
}

QListWidget *TCustomListBox::ListWidget() const
{
    return qobject_cast<QListWidget *>(m_widget);
}

QWidget *TCustomListBox::CreateWidget(QWidget *parentWidget)
{
    auto *w = new TListWidget(parentWidget);
    w->setItemDelegate(new TItemPainter(
        [this](QPainter &painter, int index, const QRect &rect, TOwnerDrawState state) {
            PaintItem(painter, index, rect, state);
        },
        [this](const QRect &rect) { return ItemCheckRect(rect); }, w));
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
    // Rows are as high as the style makes them, and wide enough for their text.
    QListWidgetItem *item = ListWidget()->item(index);
    const QFontMetrics metrics(Font()->ToQFont());
    const int width = metrics.horizontalAdvance(item->text()) + 4;
    item->setSizeHint(QSize(width, RowHeight(index)));
}

int TCustomListBox::RowHeight(int index)
{
    switch (m_style) {
    case lbOwnerDrawFixed:
        return m_itemHeight;
    case lbOwnerDrawVariable: {
        int height = m_itemHeight;
        MeasureItem(index, height);
        return std::max(0, height);
    }
    case lbStandard:
        break;
    }
    return FontLineHeight(Font());
}

void TCustomListBox::MeasureItem(int index, int &height)
{
    OnMeasureItem(this, index, height);
}

void TCustomListBox::PaintItem(QPainter &painter, int index, const QRect &rect,
                               TOwnerDrawState state)
{
    PrepareItemCanvas(m_canvas, painter, Font(), Color(), state);
    try {
        DrawItem(index, rect, state);
    } catch (...) {
        m_canvas->ReleasePainter();
        throw;
    }
    m_canvas->ReleasePainter();
    if (state & (1u << odFocused))
        DrawFocusRect(painter, rect);
}

void TCustomListBox::DrawItem(int index, const QRect &rect, TOwnerDrawState state)
{
    if (m_style != lbStandard && OnDrawItem.Assigned()) {
        OnDrawItem(this, index, rect, state);
        return;
    }
    const QString text = index >= 0 && index < m_items->Count() ? m_items->Strings(index)
                                                                 : QString();
    DrawItemText(m_canvas, rect, text, TabStopPixels());
}

QRect TCustomListBox::ItemCheckRect(const QRect &) const
{
    return {};
}

int TCustomListBox::TabStopPixels() const
{
    // The standard stops stand 32 dialog units apart.
    const int dialogUnits = m_tabWidth > 0 ? m_tabWidth : 32;
    return std::max(1, dialogUnits * DialogBaseUnitX(Font()) / 4);
}

void TCustomListBox::SetBounds(int left, int top, int width, int height)
{
    if (m_integralHeight && m_style != lbOwnerDrawVariable) {
        // Whole rows inside the border; a height below one row stays as it is.
        const int edge = m_borderStyle == bsNone ? 0 : Ctl3D() ? 2 : 1;
        const int row = m_style == lbOwnerDrawFixed ? m_itemHeight : FontLineHeight(Font());
        const int rows = (height - 2 * edge) / std::max(1, row);
        if (rows >= 1)
            height = 2 * edge + rows * row;
    }
    TWinControl::SetBounds(left, top, width, height);
}

void TCustomListBox::SetIntegralHeight(bool v)
{
    m_integralHeight = v;
    SetBounds(Left(), Top(), Width(), Height());
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
    static_cast<TListWidget *>(w)->SetEdge(m_borderStyle == bsNone ? 0 : Ctl3D() ? 2 : 1);
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
        w->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        w->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    } else {
        // One column scrolls up and down only; long items are cut at the edge.
        w->setFlow(QListView::TopToBottom);
        w->setWrapping(false);
        w->setGridSize(QSize());
        w->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        w->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    }
}

void TCustomListBox::SetBorderStyle(TFormBorderStyle style)
{
    m_borderStyle = style == bsNone ? bsNone : bsSingle;
    ApplyOptions();
    SetBounds(Left(), Top(), Width(), Height());
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
    SetBounds(Left(), Top(), Width(), Height());
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
    SetBounds(Left(), Top(), Width(), Height());
}

void TCustomListBox::SetTabWidth(int width)
{
    m_tabWidth = std::max(0, width);
    if (QListWidget *w = ListWidget())
        w->viewport()->update();
}

void TCustomListBox::FontChanged()
{
    TWinControl::FontChanged();
    ColorChanged();
    ApplyOptions();
    ItemsChanged(); // standard rows are as high as a line of the font
    SetBounds(Left(), Top(), Width(), Height());
}

void TCustomListBox::ColorChanged()
{
    TWinControl::ColorChanged();
    if (m_widget)
        ApplyListColors(m_widget, Color(), Font()->Color());
}

// The properties every list box publishes, the check list box too.
TPropTable ListBoxCommonProps()
{
    using L = TCustomListBox;
    TPropTable t = WinControlBaseProps();
    AppendProps(t, ControlProps({"Align", "Anchors", "BiDiMode", "Color", "Constraints",
                                 "Ctl3D", "DragCursor", "DragKind", "DragMode", "Enabled",
                                 "Font", "ImeMode", "ImeName", "ParentBiDiMode", "ParentColor",
                                 "ParentCtl3D", "ParentFont", "ParentShowHint", "PopupMenu",
                                 "ShowHint", "TabOrder", "TabStop", "Visible", "OnClick",
                                 "OnContextPopup", "OnDblClick", "OnDragDrop", "OnDragOver",
                                 "OnEndDock", "OnEndDrag", "OnEnter", "OnExit", "OnKeyDown",
                                 "OnKeyPress", "OnKeyUp", "OnMouseDown", "OnMouseMove",
                                 "OnMouseUp", "OnStartDock", "OnStartDrag"}));
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
