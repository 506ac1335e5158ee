// Check list boxes: list rows with Qt's check marks, the states kept beside the items.

#include "CheckLst.h"

#include "PublishedProps.h"
#include "SafeCall.h"

#include <QListWidget>

namespace {

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
    Invalidate();
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
