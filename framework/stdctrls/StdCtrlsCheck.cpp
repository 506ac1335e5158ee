// Check boxes and radio buttons over QCheckBox and QRadioButton. The control decides every
// change of state: the widgets ask it instead of toggling themselves.

#include "PublishedProps.h"
#include "SafeCall.h"
#include "StdCtrls.h"

#include <QCheckBox>
#include <QRadioButton>

namespace {

class TCheckBoxWidget : public QCheckBox
{
public:
    TCheckBoxWidget(std::function<void()> toggle, QWidget *parent)
        : QCheckBox(parent), m_toggle(std::move(toggle))
    {
        setTristate(true);
    }

protected:
    void nextCheckState() override { SafeCall(m_toggle); }

private:
    std::function<void()> m_toggle;
};

class TRadioButtonWidget : public QRadioButton
{
public:
    TRadioButtonWidget(std::function<void()> check, QWidget *parent)
        : QRadioButton(parent), m_check(std::move(check))
    {
        setAutoExclusive(false);
    }

protected:
    void nextCheckState() override { SafeCall(m_check); }

private:
    std::function<void()> m_check;
};

Qt::LayoutDirection DirectionOf(TAlignment alignment)
{
    // The caption on the left of the box is the right-to-left layout of the button.
    return alignment == taLeftJustify ? Qt::RightToLeft : Qt::LeftToRight;
}

} // namespace

TPropTable ButtonCommonProps()
{
    TPropTable t = WinControlBaseProps();
    AppendProps(t, ControlProps({"Action", "Anchors", "BiDiMode", "Caption", "Color",
                                 "Constraints", "Ctl3D", "DragCursor", "DragKind", "DragMode",
                                 "Enabled", "Font", "ParentBiDiMode", "ParentColor",
                                 "ParentCtl3D", "ParentFont", "ParentShowHint", "PopupMenu",
                                 "ShowHint", "TabOrder", "TabStop", "Visible", "OnClick",
                                 "OnContextPopup", "OnDragDrop", "OnDragOver", "OnEndDock",
                                 "OnEndDrag", "OnEnter", "OnExit", "OnKeyDown", "OnKeyPress",
                                 "OnKeyUp", "OnMouseDown", "OnMouseMove", "OnMouseUp",
                                 "OnStartDock", "OnStartDrag"}));
    SetPropDefault(t, "ParentColor", 1);
    SetPropDefault(t, "TabStop", 1);
    return t;
}

// ---------------------------------------------------------------------------------------------

Z_DEFINE_CLASS(TCustomCheckBox, TButtonControl, NoPublishedProps)

TCustomCheckBox::TCustomCheckBox(TComponent *owner) : TButtonControl(owner)
{
    // The click comes from the state change, not from TControl's mouse-up.
    SetControlStyle(csSetCaption | csDoubleClicks);
    SetBounds(0, 0, 97, 17);
    SetTabStop(true);
}

TCustomCheckBox::~TCustomCheckBox()
{
    Destroying();
    DestroyWidget();
}

QWidget *TCustomCheckBox::CreateWidget(QWidget *parentWidget)
{
    return new TCheckBoxWidget([this] { Toggle(); }, parentWidget);
}

void TCustomCheckBox::InitWidget()
{
    UpdateWidget();
    TButtonControl::InitWidget();
}

void TCustomCheckBox::UpdateWidget()
{
    auto *w = qobject_cast<QCheckBox *>(m_widget);
    if (!w)
        return;
    w->setText(m_text);
    w->setLayoutDirection(DirectionOf(m_alignment));
    w->setCheckState(m_state == cbChecked   ? Qt::Checked
                     : m_state == cbGrayed ? Qt::PartiallyChecked
                                           : Qt::Unchecked);
}

void TCustomCheckBox::TextChanged()
{
    UpdateWidget();
}

void TCustomCheckBox::SetAlignment(TAlignment alignment)
{
    m_alignment = alignment == taLeftJustify ? taLeftJustify : taRightJustify;
    UpdateWidget();
}

void TCustomCheckBox::SetState(TCheckBoxState state)
{
    if (state == m_state)
        return;
    m_state = state;
    StateChanged();
    if (!m_clicksDisabled)
        Click();
}

void TCustomCheckBox::StateChanged()
{
    UpdateWidget();
}

void TCustomCheckBox::Toggle()
{
    switch (m_state) {
    case cbUnchecked:
        SetState(cbChecked);
        break;
    case cbChecked:
        SetState(m_allowGrayed ? cbGrayed : cbUnchecked);
        break;
    case cbGrayed:
        SetState(cbUnchecked);
        break;
    }
}

static TPropTable CheckBoxProps()
{
    using C = TCheckBox;
    TPropTable t = ButtonCommonProps();
    t.push_back(Prop<C>("Alignment", TypeInfoTLeftRight(), &C::Alignment, &C::SetAlignment,
                        taRightJustify));
    t.push_back(Prop<C>("AllowGrayed", TypeInfoBoolean(), &C::AllowGrayed, &C::SetAllowGrayed,
                        0));
    t.push_back(Prop<C>("Checked", TypeInfoBoolean(), &C::Checked, &C::SetChecked, 0));
    t.push_back(Prop<C>("State", TypeInfoTCheckBoxState(), &C::State, &C::SetState,
                        cbUnchecked));
    return t;
}
Z_DEFINE_CLASS(TCheckBox, TCustomCheckBox, CheckBoxProps)

TCheckBox::TCheckBox(TComponent *owner) : TCustomCheckBox(owner) {}

// ---------------------------------------------------------------------------------------------

static TPropTable RadioButtonProps()
{
    using R = TRadioButton;
    TPropTable t = ButtonCommonProps();
    AppendProps(t, ControlProps({"OnDblClick"}));
    t.push_back(Prop<R>("Alignment", TypeInfoTLeftRight(), &R::Alignment, &R::SetAlignment,
                        taRightJustify));
    t.push_back(Prop<R>("Checked", TypeInfoBoolean(), &R::Checked, &R::SetChecked, 0));
    return t;
}
Z_DEFINE_CLASS(TRadioButton, TButtonControl, RadioButtonProps)

TRadioButton::TRadioButton(TComponent *owner) : TButtonControl(owner)
{
    SetControlStyle(csSetCaption | csDoubleClicks);
    SetBounds(0, 0, 113, 17);
    SetTabStop(true);
}

TRadioButton::~TRadioButton()
{
    Destroying();
    DestroyWidget();
}

QWidget *TRadioButton::CreateWidget(QWidget *parentWidget)
{
    return new TRadioButtonWidget([this] { SetChecked(true); }, parentWidget);
}

void TRadioButton::InitWidget()
{
    UpdateWidget();
    TButtonControl::InitWidget();
}

void TRadioButton::UpdateWidget()
{
    auto *w = qobject_cast<QRadioButton *>(m_widget);
    if (!w)
        return;
    w->setText(m_text);
    w->setLayoutDirection(DirectionOf(m_alignment));
    w->setChecked(m_checked);
}

void TRadioButton::TextChanged()
{
    UpdateWidget();
}

void TRadioButton::SetAlignment(TAlignment alignment)
{
    m_alignment = alignment == taLeftJustify ? taLeftJustify : taRightJustify;
    UpdateWidget();
}

void TRadioButton::SetChecked(bool checked)
{
    if (checked == m_checked)
        return;
    m_checked = checked;
    UpdateWidget();
    if (!checked)
        return;
    // One checked radio button per parent.
    if (TWinControl *parent = Parent()) {
        for (int i = 0; i < parent->ControlCount(); ++i) {
            auto *other = ObjectCast<TRadioButton>(parent->Controls(i));
            if (other && other != this)
                other->SetChecked(false);
        }
    }
    if (!m_clicksDisabled)
        Click();
}
