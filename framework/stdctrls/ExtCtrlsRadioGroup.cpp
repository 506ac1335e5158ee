// Radio groups: a group box whose radio buttons are made from its Items.

#include "ExtCtrls.h"
#include "PublishedProps.h"
#include "SafeCall.h"

#include <QButtonGroup>
#include <QRadioButton>

Z_DEFINE_CLASS(TCustomRadioGroup, TCustomGroupBox, NoPublishedProps)

TCustomRadioGroup::TCustomRadioGroup(TComponent *owner)
    : TCustomGroupBox(owner), m_items(new TStringList)
{
    // The buttons are the group's own parts: the group takes no controls dropped on it.
    SetControlStyle(ControlStyle() & ~csAcceptsControls);
    m_items->OnChange = TNotifyEvent::Of<&TCustomRadioGroup::ItemsChanged>(this);
}

TCustomRadioGroup::~TCustomRadioGroup()
{
    Destroying();
    m_buttons.clear(); // children of the widget, which goes now
    m_group = nullptr;
    DestroyWidget();
    delete m_items;
}

void TCustomRadioGroup::InitWidget()
{
    TCustomGroupBox::InitWidget();
    m_group = new QButtonGroup(m_widget);
    m_group->setExclusive(false); // the group decides which button is checked
    QObject::connect(m_group, &QButtonGroup::idClicked, m_widget,
                     [this](int id) { SafeCall([&] { ButtonClicked(id); }); });
    UpdateButtons();
}

void TCustomRadioGroup::ItemsChanged(TObject *)
{
    if (m_itemIndex >= m_items->Count())
        m_itemIndex = -1;
    UpdateButtons();
}

void TCustomRadioGroup::UpdateButtons()
{
    if (!m_widget || !m_group)
        return;
    const int count = m_items->Count();
    while (int(m_buttons.size()) > count) {
        delete m_buttons.back();
        m_buttons.pop_back();
    }
    while (int(m_buttons.size()) < count) {
        auto *b = new QRadioButton(m_widget);
        b->setAutoExclusive(false);
        m_group->addButton(b, int(m_buttons.size()));
        b->show();
        m_buttons.push_back(b);
    }
    for (int i = 0; i < count; ++i) {
        QRadioButton *b = m_buttons[size_t(i)];
        b->setText(m_items->Strings(i));
        b->setChecked(i == m_itemIndex);
        b->setFont(Font()->ToQFont());
        b->setEnabled(Enabled());
    }
    ArrangeButtons();
    ApplyDesignState();
}

QRect TCustomRadioGroup::ButtonRect(int index) const
{
    const int count = m_items->Count();
    if (index < 0 || index >= count)
        return {};
    QRect area = ClientRect();
    AdjustClientRect(area);
    area.adjust(6, 0, -2, 0);
    const int rows = (count + m_columns - 1) / m_columns;
    const int columnWidth = area.width() / m_columns;
    const int rowHeight = std::max(1, area.height() / std::max(1, rows));
    const int column = index / rows;
    const int row = index % rows;
    const int line = FontLineHeight(Font()) + 4;
    // Each button sits in the middle of its row.
    const int top = area.top() + row * rowHeight + (rowHeight - line) / 2;
    return QRect(area.left() + column * columnWidth, top, columnWidth, line);
}

void TCustomRadioGroup::ArrangeButtons()
{
    for (size_t i = 0; i < m_buttons.size(); ++i)
        m_buttons[i]->setGeometry(ButtonRect(int(i)));
}

void TCustomRadioGroup::ButtonClicked(int index)
{
    if (!CanModify()) {
        UpdateButtons();
        return;
    }
    SetItemIndex(index);
    Click();
}

void TCustomRadioGroup::SetItemIndex(int index)
{
    if (index < -1 || index >= m_items->Count())
        return;
    m_itemIndex = index;
    UpdateButtons();
}

void TCustomRadioGroup::SetColumns(int columns)
{
    m_columns = std::clamp(columns, 1, 16);
    ArrangeButtons();
}

void TCustomRadioGroup::FontChanged()
{
    TCustomGroupBox::FontChanged();
    UpdateButtons();
}

void TCustomRadioGroup::EnabledChanged()
{
    TCustomGroupBox::EnabledChanged();
    UpdateButtons();
}

void TCustomRadioGroup::Resize()
{
    TCustomGroupBox::Resize();
    ArrangeButtons();
}

void TCustomRadioGroup::ApplyDesignState()
{
    TCustomGroupBox::ApplyDesignState();
    if (!Designing()) {
        for (QRadioButton *b : m_buttons)
            b->setAttribute(Qt::WA_TransparentForMouseEvents, false);
    }
}

static TPropTable RadioGroupProps()
{
    using R = TRadioGroup;
    TPropTable t = WinControlBaseProps();
    AppendProps(t, ControlProps({"Align", "Anchors", "BiDiMode", "Caption", "Color",
                                 "Constraints", "Ctl3D", "DragCursor", "DragKind", "DragMode",
                                 "Enabled", "Font", "ParentBiDiMode", "ParentColor",
                                 "ParentCtl3D", "ParentFont", "ParentShowHint", "PopupMenu",
                                 "ShowHint", "TabOrder", "TabStop", "Visible", "OnClick",
                                 "OnContextPopup", "OnDragDrop", "OnDragOver", "OnEndDock",
                                 "OnEndDrag", "OnEnter", "OnExit", "OnStartDock",
                                 "OnStartDrag"}));
    SetPropDefault(t, "ParentColor", 1);
    SetPropDefault(t, "TabStop", 0);
    t.push_back(Prop<R>("Columns", TypeInfoInteger(), &R::Columns, &R::SetColumns, 1));
    t.push_back(Prop<R>("ItemIndex", TypeInfoInteger(), &R::ItemIndex, &R::SetItemIndex, -1));
    t.push_back(Prop<R>("Items", TStrings::StaticClass()->ClassTypeInfo(), &R::Items,
                        &R::SetItems));
    return t;
}
Z_DEFINE_CLASS(TRadioGroup, TCustomRadioGroup, RadioGroupProps)

TRadioGroup::TRadioGroup(TComponent *owner) : TCustomRadioGroup(owner) {}
