// Data-aware list boxes, combo boxes, check boxes and radio groups.

#include "DBCtrlsShared.h"

using namespace DBCtrlsDetail;

namespace {

// Whether text is one of the semicolon-separated values, ignoring case and outer blanks.
bool ValueMatch(const QString &values, const QString &text)
{
    const QStringList list = values.split(QLatin1Char(';'));
    for (const QString &v : list) {
        if (v.trimmed().compare(text.trimmed(), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

QString FirstValue(const QString &values)
{
    return values.section(QLatin1Char(';'), 0, 0).trimmed();
}

} // namespace

// ---- TDBListBox -----------------------------------------------------------------------------

static TPropTable DBListBoxProps()
{
    using L = TDBListBox;
    TPropTable t = ListBoxCommonProps();
    // One item stands for the field's value: no columns of items, no tab stops inside them.
    RemoveProps(t, {"Columns", "TabWidth"});
    AppendReadOnlyProp<L>(t);
    AppendDataProps<L>(t);
    return t;
}
Z_DEFINE_CLASS(TDBListBox, TCustomListBox, DBListBoxProps)

TDBListBox::TDBListBox(TComponent *owner) : TDataAwareControl(owner)
{
    m_dataLink.OnDataChange = TNotifyEvent::Of<&TDBListBox::DataChange>(this);
    m_dataLink.OnUpdateData = TNotifyEvent::Of<&TDBListBox::UpdateData>(this);
}

TDBListBox::~TDBListBox()
{
    Destroying();
}

void TDBListBox::DataChange(TObject *)
{
    if (IsDestroying())
        return;
    m_dataChanging = true;
    SetItemIndex(Field() ? Items()->IndexOf(Field()->AsString()) : -1);
    m_dataChanging = false;
}

void TDBListBox::WidgetCurrentRowChanged(int row)
{
    if (m_syncing || m_dataChanging)
        return;
    // The choice stands only where the field can take it; otherwise the field's value returns.
    if (!m_dataLink.Edit() || !m_dataLink.CanModify()) {
        DataChange(nullptr);
        return;
    }
    TCustomListBox::WidgetCurrentRowChanged(row);
    m_dataLink.SetModified(true);
}

void TDBListBox::UpdateData(TObject *)
{
    if (TField *field = Field())
        field->SetAsString(ItemIndex() >= 0 ? Items()->Strings(ItemIndex()) : QString());
}

// ---- TDBComboBox ----------------------------------------------------------------------------

static TPropTable DBComboBoxProps()
{
    using C = TDBComboBox;
    TPropTable t = ComboBoxPublishedProps();
    RemoveProps(t, {"Text"}); // the text is the field's
    AppendReadOnlyProp<C>(t);
    AppendDataProps<C>(t);
    return t;
}
Z_DEFINE_CLASS(TDBComboBox, TCustomComboBox, DBComboBoxProps)

TDBComboBox::TDBComboBox(TComponent *owner) : TDataAwareControl(owner)
{
    SetControlStyle(ControlStyle() & ~quint32(csSetCaption)); // text comes from the field
    m_dataLink.OnDataChange = TNotifyEvent::Of<&TDBComboBox::DataChange>(this);
    m_dataLink.OnUpdateData = TNotifyEvent::Of<&TDBComboBox::UpdateData>(this);
    DataChange(nullptr);
}

TDBComboBox::~TDBComboBox()
{
    Destroying();
}

void TDBComboBox::SetDesigning(bool designing, bool setChildren)
{
    TCustomComboBox::SetDesigning(designing, setChildren);
    DataChange(nullptr);
}

void TDBComboBox::InitWidget()
{
    TCustomComboBox::InitWidget();
    new TPaintRefresher(m_widget, [this] {
        if (!Field() && Designing() && Text() != Name())
            DataChange(nullptr);
    });
}

void TDBComboBox::DataChange(TObject *)
{
    if (IsDestroying())
        return;
    m_dataChanging = true;
    try {
        SetText(FieldDisplayText(this, m_dataLink));
    } catch (...) {
        m_dataChanging = false;
        throw;
    }
    m_dataChanging = false;
}

void TDBComboBox::Change()
{
    if (!m_dataChanging && !IsDestroying()) {
        if (!m_dataLink.Edit() || !m_dataLink.CanModify()) {
            // Nothing to write to: the field's value (or the plain look) comes back.
            DataChange(nullptr);
            return;
        }
        m_dataLink.SetModified(true);
    }
    TCustomComboBox::Change();
}

void TDBComboBox::UpdateData(TObject *)
{
    if (TField *field = Field())
        field->SetAsString(Text());
}

// ---- TDBCheckBox ----------------------------------------------------------------------------

static TPropTable DBCheckBoxProps()
{
    using C = TDBCheckBox;
    TPropTable t = ButtonCommonProps();
    t.push_back(Prop<C>("Alignment", TypeInfoTLeftRight(), &C::Alignment, &C::SetAlignment,
                        taRightJustify));
    t.push_back(Prop<C>("AllowGrayed", TypeInfoBoolean(), &C::AllowGrayed, &C::SetAllowGrayed,
                        0));
    t.push_back(Prop<C>("ValueChecked", TypeInfoString(), &C::ValueChecked,
                        &C::SetValueChecked));
    t.push_back(Prop<C>("ValueUnchecked", TypeInfoString(), &C::ValueUnchecked,
                        &C::SetValueUnchecked));
    AppendReadOnlyProp<C>(t);
    AppendDataProps<C>(t);
    return t;
}
Z_DEFINE_CLASS(TDBCheckBox, TCustomCheckBox, DBCheckBoxProps)

TDBCheckBox::TDBCheckBox(TComponent *owner) : TDataAwareControl(owner)
{
    m_dataLink.OnDataChange = TNotifyEvent::Of<&TDBCheckBox::DataChange>(this);
    m_dataLink.OnUpdateData = TNotifyEvent::Of<&TDBCheckBox::UpdateData>(this);
}

TDBCheckBox::~TDBCheckBox()
{
    Destroying();
}

void TDBCheckBox::SetValueChecked(const QString &values)
{
    m_valueChecked = values;
    DataChange(nullptr);
}

void TDBCheckBox::SetValueUnchecked(const QString &values)
{
    m_valueUnchecked = values;
    DataChange(nullptr);
}

TCheckBoxState TDBCheckBox::FieldState() const
{
    const TField *field = Field();
    if (!field)
        return cbUnchecked;
    const QString text = field->AsString();
    if (ValueMatch(m_valueChecked, text))
        return cbChecked;
    if (ValueMatch(m_valueUnchecked, text))
        return cbUnchecked;
    return cbGrayed;
}

void TDBCheckBox::DataChange(TObject *)
{
    if (IsDestroying())
        return;
    // The value shown is no click of the user's.
    const bool wasDisabled = m_clicksDisabled;
    m_clicksDisabled = true;
    SetState(FieldState());
    m_clicksDisabled = wasDisabled;
}

void TDBCheckBox::Toggle()
{
    if (!m_dataLink.Edit() || !m_dataLink.CanModify()) {
        DataChange(nullptr); // the widget may have flipped already: show the field again
        return;
    }
    TCustomCheckBox::Toggle();
    m_dataLink.SetModified(true);
}

void TDBCheckBox::UpdateData(TObject *)
{
    TField *field = Field();
    if (!field)
        return;
    switch (State()) {
    case cbChecked: field->SetAsString(FirstValue(m_valueChecked)); break;
    case cbUnchecked: field->SetAsString(FirstValue(m_valueUnchecked)); break;
    case cbGrayed: field->SetAsString(QString()); break;
    }
}

// ---- TDBRadioGroup --------------------------------------------------------------------------

static TPropTable DBRadioGroupProps()
{
    using R = TDBRadioGroup;
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
    t.push_back(Prop<R>("Items", TStrings::StaticClass()->ClassTypeInfo(), &R::Items,
                        &R::SetItems));
    t.push_back(Prop<R>("Values", TStrings::StaticClass()->ClassTypeInfo(), &R::Values,
                        &R::SetValues));
    t.push_back(EventProp<R>("OnChange", TypeInfoTNotifyEvent(), &R::OnChange));
    AppendReadOnlyProp<R>(t);
    AppendDataProps<R>(t);
    return t;
}
Z_DEFINE_CLASS(TDBRadioGroup, TCustomRadioGroup, DBRadioGroupProps)

TDBRadioGroup::TDBRadioGroup(TComponent *owner)
    : TDataAwareControl(owner), m_values(new TStringList)
{
    m_values->OnChange = TNotifyEvent::Of<&TDBRadioGroup::ValuesChanged>(this);
    m_dataLink.OnDataChange = TNotifyEvent::Of<&TDBRadioGroup::DataChange>(this);
    m_dataLink.OnUpdateData = TNotifyEvent::Of<&TDBRadioGroup::UpdateData>(this);
}

TDBRadioGroup::~TDBRadioGroup()
{
    Destroying();
    delete m_values;
}

QString TDBRadioGroup::ButtonValue(int index) const
{
    if (index < 0)
        return {};
    if (index < m_values->Count() && !m_values->Strings(index).isEmpty())
        return m_values->Strings(index);
    return index < Items()->Count() ? Items()->Strings(index) : QString();
}

void TDBRadioGroup::SetValue(const QString &value)
{
    const bool changed = value != m_value;
    m_value = value;
    int found = -1;
    for (int i = 0; i < Items()->Count(); ++i) {
        if (ButtonValue(i) == value) {
            found = i;
            break;
        }
    }
    m_settingValue = true;
    // No button stands for the value: none is checked.
    if (found >= 0)
        SetItemIndex(found);
    else
        SetItemIndex(-1);
    m_settingValue = false;
    if (changed && !IsDestroying())
        OnChange(this);
}

bool TDBRadioGroup::CanModify()
{
    return m_dataLink.Edit() && m_dataLink.CanModify();
}

void TDBRadioGroup::Click()
{
    if (m_settingValue)
        return;
    TCustomRadioGroup::Click();
    if (ItemIndex() >= 0)
        SetValue(ButtonValue(ItemIndex()));
    if (m_dataLink.Editing())
        m_dataLink.SetModified(true);
}

void TDBRadioGroup::ValuesChanged(TObject *)
{
    if (!IsDestroying() && Field())
        SetValue(Field()->AsString());
}

void TDBRadioGroup::DataChange(TObject *)
{
    if (IsDestroying())
        return;
    SetValue(Field() ? Field()->AsString() : QString());
}

void TDBRadioGroup::UpdateData(TObject *)
{
    if (TField *field = Field())
        field->SetAsString(m_value);
}
