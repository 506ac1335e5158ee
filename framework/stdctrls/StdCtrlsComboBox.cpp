// Combo boxes over QComboBox: items, the chosen item and the edit's text kept in the control.
// The control paints the items of the list, and with the owner-draw styles the closed box's
// item too.

#include "ClassicDraw.h"
#include "ItemPainter.h"
#include "PublishedProps.h"
#include "SafeCall.h"
#include "StdCtrls.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QStylePainter>

namespace {

// Tells the control before its list drops down; an owner-drawn box has its chosen item
// painted by the control.
class TComboWidget : public QComboBox
{
public:
    TComboWidget(TCustomComboBox *combo, std::function<void()> dropDown, QWidget *parent)
        : QComboBox(parent), m_combo(combo), m_dropDown(std::move(dropDown))
    {
    }

    void showPopup() override
    {
        SafeCall(m_dropDown);
        QComboBox::showPopup();
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        if (!m_combo->OwnerDrawn() || isEditable()) {
            QComboBox::paintEvent(event);
            return;
        }
        QStylePainter painter(this);
        QStyleOptionComboBox option;
        initStyleOption(&option);
        option.currentText.clear();
        option.currentIcon = QIcon();
        painter.drawComplexControl(QStyle::CC_ComboBox, option);
        const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                    QStyle::SC_ComboBoxEditField, this);
        TOwnerDrawState state = 1u << odComboBoxEdit;
        if (hasFocus())
            state |= (1u << odSelected) | (1u << odFocused);
        if (!isEnabled())
            state |= (1u << odDisabled) | (1u << odGrayed);
        const int index = currentIndex();
        SafeCall([&] { m_combo->PaintItem(painter, index, field, state); });
    }

private:
    TCustomComboBox *m_combo; // not owned: the combo box owns this widget
    std::function<void()> m_dropDown;
};

} // namespace

namespace {

// Makes the widget's items those of the list by replacing only the run of items that differs:
// refilling a long list (the inspector's list of a crowded form's components) for each new or
// deleted item made every change cost the whole list.
void ReplaceChangedItems(QComboBox *w, const QStringList &items)
{
    const int oldCount = w->count(), newCount = int(items.size());
    int head = 0;
    while (head < oldCount && head < newCount && w->itemText(head) == items.at(head))
        ++head;
    int tail = 0;
    while (tail < oldCount - head && tail < newCount - head
           && w->itemText(oldCount - 1 - tail) == items.at(newCount - 1 - tail))
        ++tail;
    const int removed = oldCount - head - tail, added = newCount - head - tail;
    if (removed > 0)
        w->model()->removeRows(head, removed);
    if (added > 0)
        w->insertItems(head, items.mid(head, added));
}

} // namespace

Z_DEFINE_CLASS(TCustomComboBox, TWinControl, NoPublishedProps)

TCustomComboBox::TCustomComboBox(TComponent *owner)
    : TWinControl(owner), m_items(new TItemStrings), m_canvas(new TCanvas)
{
    SetControlStyle(csCaptureMouse | csSetCaption | csDoubleClicks | csFixedHeight);
    SetParentColor(false);
    SetColor(clWindow);
    SetTabStop(true);
    SetBounds(0, 0, 145, FontLineHeight(Font()) + 8);
    m_items->OnChange = TNotifyEvent::Of<&TCustomComboBox::ItemsObjectChanged>(this);
}

TCustomComboBox::~TCustomComboBox()
{
    Destroying();
    DestroyWidget();
    delete m_items;
    delete m_canvas;
}

QComboBox *TCustomComboBox::ComboWidget() const
{
    return qobject_cast<QComboBox *>(m_widget);
}

QWidget *TCustomComboBox::CreateWidget(QWidget *parentWidget)
{
    auto *w = new TComboWidget(this, [this] { DropDown(); }, parentWidget);
    w->setItemDelegate(new TItemPainter(
        [this](QPainter &painter, int index, const QRect &rect, TOwnerDrawState state) {
            PaintItem(painter, index, rect, state);
        },
        {}, w));
    QObject::connect(w, &QComboBox::activated, w,
                     [this](int index) { SafeCall([&] { WidgetActivated(index); }); });
    return w;
}

void TCustomComboBox::InitWidget()
{
    SyncWidget();
    TWinControl::InitWidget();
    ColorChanged();
}

void TCustomComboBox::SyncWidget()
{
    QComboBox *w = ComboWidget();
    if (!w)
        return;
    m_syncing = true;
    const bool editableBefore = w->isEditable();
    ReplaceChangedItems(w, m_items->ToStringList());
    if (OwnerDrawn()) {
        // Each item of the list as high as the style makes it.
        for (int i = 0; i < w->count(); ++i) {
            int height = m_itemHeight;
            if (m_style == csOwnerDrawVariable)
                MeasureItem(i, height);
            w->setItemData(i, QSize(0, std::max(0, height)), Qt::SizeHintRole);
        }
    }
    w->setEditable(Editable());
    w->setMaxVisibleItems(m_dropDownCount);
    w->setCurrentIndex(m_itemIndex);
    if (QLineEdit *edit = w->lineEdit()) {
        edit->setMaxLength(m_maxLength > 0 ? m_maxLength : 32767);
        edit->setText(m_text);
        if (!editableBefore) {
            QObject::connect(edit, &QLineEdit::textEdited, w, [this](const QString &text) {
                SafeCall([&] { WidgetTextEdited(text); });
            });
        }
    }
    m_syncing = false;
    // A new edit part must be as inert at design time as the rest.
    if (editableBefore != w->isEditable())
        ApplyDesignState();
}

void TCustomComboBox::ItemsObjectChanged(TObject *)
{
    if (m_itemIndex >= m_items->Count())
        m_itemIndex = -1;
    if (!Editable())
        m_text = m_itemIndex >= 0 ? m_items->Strings(m_itemIndex) : QString();
    SyncWidget();
}

void TCustomComboBox::WidgetActivated(int index)
{
    if (m_syncing)
        return;
    m_itemIndex = index;
    m_text = index >= 0 && index < m_items->Count() ? m_items->Strings(index) : QString();
    Click();
    Change();
}

void TCustomComboBox::WidgetTextEdited(const QString &text)
{
    if (m_syncing)
        return;
    m_text = text;
    m_itemIndex = -1;
    Change();
}

void TCustomComboBox::TextChanged()
{
    if (Editable()) {
        if (m_maxLength > 0)
            m_text.truncate(m_maxLength);
        m_itemIndex = -1;
    } else {
        // A list-only combo box shows an item or nothing.
        m_itemIndex = m_items->IndexOf(m_text);
        m_text = m_itemIndex >= 0 ? m_items->Strings(m_itemIndex) : QString();
    }
    SyncWidget();
}

void TCustomComboBox::SetItemIndex(int index)
{
    if (index < -1 || index >= m_items->Count())
        index = -1;
    m_itemIndex = index;
    if (index >= 0)
        m_text = m_items->Strings(index);
    else if (!Editable())
        m_text.clear();
    SyncWidget();
}

void TCustomComboBox::Clear()
{
    m_items->Clear();
    m_itemIndex = -1;
    m_text.clear();
    SyncWidget();
}

void TCustomComboBox::SetDropDownCount(int count)
{
    m_dropDownCount = std::max(1, count);
    SyncWidget();
}

bool TCustomComboBox::DroppedDown() const
{
    QComboBox *w = ComboWidget();
    return w && w->view()->isVisible();
}

void TCustomComboBox::SetDroppedDown(bool v)
{
    if (QComboBox *w = ComboWidget()) {
        if (v)
            w->showPopup();
        else
            w->hidePopup();
    }
}

void TCustomComboBox::SetItemHeight(int height)
{
    m_itemHeight = std::max(1, height);
    SyncWidget();
}

void TCustomComboBox::MeasureItem(int index, int &height)
{
    OnMeasureItem(this, index, height);
}

void TCustomComboBox::PaintItem(QPainter &painter, int index, const QRect &rect,
                                TOwnerDrawState state)
{
    PrepareItemCanvas(m_canvas, painter, Font(), Color(), state);
    try {
        if (index >= 0)
            DrawItem(index, rect, state);
        else
            m_canvas->FillRect(rect);
    } catch (...) {
        m_canvas->ReleasePainter();
        throw;
    }
    m_canvas->ReleasePainter();
    if (state & (1u << odFocused))
        DrawFocusRect(painter, rect);
}

void TCustomComboBox::DrawItem(int index, const QRect &rect, TOwnerDrawState state)
{
    if (OwnerDrawn() && OnDrawItem.Assigned()) {
        OnDrawItem(this, index, rect, state);
        return;
    }
    const QString text = index < m_items->Count() ? m_items->Strings(index) : QString();
    DrawItemText(m_canvas, rect, text, 0);
}

void TCustomComboBox::SetMaxLength(int length)
{
    m_maxLength = std::max(0, length);
    if (m_maxLength > 0 && Editable() && m_text.size() > m_maxLength)
        m_text.truncate(m_maxLength);
    SyncWidget();
}

void TCustomComboBox::SetStyle(TComboBoxStyle style)
{
    m_style = style;
    if (!Editable()) {
        m_itemIndex = m_items->IndexOf(m_text);
        m_text = m_itemIndex >= 0 ? m_items->Strings(m_itemIndex) : QString();
    }
    SyncWidget();
}

void TCustomComboBox::Change()
{
    OnChange(this);
}

void TCustomComboBox::DropDown()
{
    OnDropDown(this);
}

void TCustomComboBox::FontChanged()
{
    TWinControl::FontChanged();
    ColorChanged();
    SetHeight(FontLineHeight(Font()) + 8);
}

void TCustomComboBox::ColorChanged()
{
    TWinControl::ColorChanged();
    if (m_widget)
        ApplyListColors(m_widget, Color(), Font()->Color());
}

TPropTable ComboBoxPublishedProps()
{
    using C = TCustomComboBox;
    TPropTable t = WinControlBaseProps();
    AppendProps(t, ControlProps({"Anchors", "BiDiMode", "Color", "Constraints", "Ctl3D",
                                 "DragCursor", "DragKind", "DragMode", "Enabled", "Font",
                                 "ImeMode", "ImeName", "ParentBiDiMode", "ParentColor",
                                 "ParentCtl3D", "ParentFont", "ParentShowHint", "PopupMenu",
                                 "ShowHint", "TabOrder", "TabStop", "Text", "Visible",
                                 "OnClick", "OnContextPopup", "OnDblClick", "OnDragDrop",
                                 "OnDragOver", "OnEndDock", "OnEndDrag", "OnEnter", "OnExit",
                                 "OnKeyDown", "OnKeyPress", "OnKeyUp", "OnStartDock",
                                 "OnStartDrag"}));
    SetPropDefault(t, "Color", clWindow);
    SetPropDefault(t, "ParentColor", 0);
    SetPropDefault(t, "TabStop", 1);
    t.push_back(Prop<C>("DropDownCount", TypeInfoInteger(), &C::DropDownCount,
                        &C::SetDropDownCount, 8));
    t.push_back(Prop<C>("ItemHeight", TypeInfoInteger(), &C::ItemHeight, &C::SetItemHeight));
    t.push_back(Prop<C>("Items", TStrings::StaticClass()->ClassTypeInfo(), &C::Items,
                        &C::SetItems));
    t.push_back(Prop<C>("MaxLength", TypeInfoInteger(), &C::MaxLength, &C::SetMaxLength, 0));
    t.push_back(Prop<C>("Sorted", TypeInfoBoolean(), &C::Sorted, &C::SetSorted, 0));
    t.push_back(Prop<C>("Style", TypeInfoTComboBoxStyle(), &C::Style, &C::SetStyle,
                        csDropDown));
    t.push_back(EventProp<C>("OnChange", TypeInfoTNotifyEvent(), &C::OnChange));
    t.push_back(EventProp<C>("OnDrawItem", TypeInfoTDrawItemEvent(), &C::OnDrawItem));
    t.push_back(EventProp<C>("OnDropDown", TypeInfoTNotifyEvent(), &C::OnDropDown));
    t.push_back(EventProp<C>("OnMeasureItem", TypeInfoTMeasureItemEvent(), &C::OnMeasureItem));
    return t;
}
Z_DEFINE_CLASS(TComboBox, TCustomComboBox, ComboBoxPublishedProps)

TComboBox::TComboBox(TComponent *owner) : TCustomComboBox(owner) {}
