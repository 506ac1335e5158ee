// Check list boxes: list rows with Qt's check marks, the states kept beside the items.

#include "CheckLst.h"

#include "ClassicDraw.h"
#include "PublishedProps.h"
#include "SafeCall.h"

#include <QListWidget>
#include <QPainter>

namespace {

// The classic check box: 13 pixels square, in a column two pixels wider than it.
constexpr int CheckSize = 13;
constexpr int CheckColumn = CheckSize + 2;

// The check mark: seven columns of three pixels, dropping then rising, from (3, 3) in the box.
void DrawCheckMark(QPainter &painter, const QRect &box, const QColor &ink)
{
    static const int drop[7] = {2, 3, 4, 3, 2, 1, 0};
    for (int i = 0; i < 7; ++i)
        painter.fillRect(QRect(box.left() + 3 + i, box.top() + 3 + drop[i], 1, 3), ink);
}

// A flat box has a one-pixel shadow line round it; otherwise the sunken edge of two.
void DrawCheckBox(QPainter &painter, const QRect &box, TCheckBoxState state, bool enabled,
                  bool flat)
{
    QRect inside = box;
    if (flat) {
        Frame3D(painter, inside, clBtnShadow, clBtnShadow, 1);
    } else {
        Frame3D(painter, inside, clBtnShadow, clBtnHighlight, 1);
        Frame3D(painter, inside, cl3DDkShadow, cl3DLight, 1);
    }
    const bool grey = state == cbGrayed || !enabled;
    painter.fillRect(inside, ColorToQColor(grey ? clBtnFace : clWindow));
    if (state != cbUnchecked)
        DrawCheckMark(painter, box, ColorToQColor(grey ? clBtnShadow : clWindowText));
}

Qt::CheckState CheckStateOf(TCheckBoxState state)
{
    switch (state) {
    case cbChecked: return Qt::Checked;
    case cbGrayed: return Qt::PartiallyChecked;
    default: return Qt::Unchecked;
    }
}

} // namespace


TCheckListBox::TCheckListBox(TComponent *owner) : TCustomListBox(owner) {}

QWidget *TCheckListBox::CreateWidget(QWidget *parentWidget)
{
    QWidget *w = TCustomListBox::CreateWidget(parentWidget);
    auto *list = static_cast<QListWidget *>(w);
    // The widget toggles a box by itself; the control puts its own next state instead.
    QObject::connect(list, &QListWidget::itemChanged, list, [this, list](QListWidgetItem *item) {
        SafeCall([&] { WidgetItemChanged(list->row(item)); });
    });
    return w;
}

void TCheckListBox::SetUpRow(int index)
{
    TCustomListBox::SetUpRow(index);
    QListWidgetItem *item = ListWidget()->item(index);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(CheckStateOf(State(index)));
}

QRect TCheckListBox::ItemCheckRect(const QRect &rect) const
{
    return QRect(rect.left() + 1, rect.top() + (rect.height() - CheckSize) / 2, CheckSize,
                 CheckSize);
}

void TCheckListBox::PaintItem(QPainter &painter, int index, const QRect &rect,
                              TOwnerDrawState state)
{
    // The box's column keeps the list's colour on a selected row too.
    painter.fillRect(QRect(rect.left(), rect.top(), CheckColumn, rect.height()),
                     ColorToQColor(Color()));
    if (index >= 0 && index < Items()->Count())
        DrawCheckBox(painter, ItemCheckRect(rect), State(index), Enabled(), m_flat);
    TCustomListBox::PaintItem(painter, index, rect.adjusted(CheckColumn, 0, 0, 0), state);
}

void TCheckListBox::WidgetItemChanged(int row)
{
    if (m_syncing || row < 0 || row >= Items()->Count())
        return;
    QListWidgetItem *item = ListWidget()->item(row);
    if (item->checkState() == CheckStateOf(State(row)))
        return;
    ToggleItem(row);
}

TCheckBoxState TCheckListBox::State(int index) const
{
    return TCheckBoxState(Items()->Data(index));
}

void TCheckListBox::SetState(int index, TCheckBoxState state)
{
    if (State(index) != state)
        Items()->SetData(index, state);
}

void TCheckListBox::SetChecked(int index, bool checked)
{
    SetState(index, checked ? cbChecked : cbUnchecked);
}

TCheckBoxState TCheckListBox::NextState(int index) const
{
    switch (State(index)) {
    case cbUnchecked: return cbChecked;
    case cbChecked: return m_allowGrayed ? cbGrayed : cbUnchecked;
    default: return cbUnchecked;
    }
}

void TCheckListBox::ToggleItem(int index)
{
    SetState(index, NextState(index));
    ClickCheck();
}

void TCheckListBox::ClickCheck()
{
    OnClickCheck(this);
}

void TCheckListBox::SetFlat(bool v)
{
    m_flat = v;
    if (QListWidget *w = ListWidget())
        w->viewport()->update();
}

static TPropTable CheckListBoxProps()
{
    using C = TCheckListBox;
    TPropTable t = ListBoxCommonProps();
    t.push_back(Prop<C>("AllowGrayed", TypeInfoBoolean(), &C::AllowGrayed, &C::SetAllowGrayed,
                        0));
    t.push_back(Prop<C>("Flat", TypeInfoBoolean(), &C::Flat, &C::SetFlat, 1));
    t.push_back(EventProp<C>("OnClickCheck", TypeInfoTNotifyEvent(), &C::OnClickCheck));
    return t;
}
Z_DEFINE_CLASS(TCheckListBox, TCustomListBox, CheckListBoxProps)
