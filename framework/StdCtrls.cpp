#include "StdCtrls.h"

#include "ClassicDraw.h"
#include "SafeCall.h"

#include <QKeySequence>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>

PTypeInfo TypeInfoTAlignment()
{
    static const TTypeInfo *t =
        NewEnumType(QStringLiteral("TAlignment"),
                    {QStringLiteral("taLeftJustify"), QStringLiteral("taRightJustify"),
                     QStringLiteral("taCenter")});
    return t;
}

Qt::Alignment AlignmentFlag(TAlignment alignment)
{
    switch (alignment) {
    case taRightJustify:
        return Qt::AlignRight;
    case taCenter:
        return Qt::AlignHCenter;
    default:
        return Qt::AlignLeft;
    }
}

namespace {

// A push button with the classic face: a two-ring raised edge, a black ring when it is the
// default or focused button, a single shadow ring and shifted caption while pressed.
class TButtonWidget : public QPushButton
{
public:
    TButtonWidget(TButton *button, QWidget *parent) : QPushButton(parent), m_button(button) {}

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        QRect r = rect();
        const bool pressed = isDown();
        painter.fillRect(r, ColorToQColor(clBtnFace));
        if (m_button->Default() || hasFocus())
            Frame3D(painter, r, cl3DDkShadow, cl3DDkShadow, 1);
        DrawButtonEdge(painter, r, pressed);
        QRect textRect = r;
        if (pressed)
            textRect.translate(1, 1);
        painter.setFont(font());
        DrawControlText(painter, textRect, Qt::AlignCenter | Qt::TextShowMnemonic, text(),
                        m_button->Font()->Color(), isEnabled());
        if (hasFocus())
            DrawFocusRect(painter, rect().adjusted(4, 4, -4, -4));
    }

private:
    TButton *m_button; // not owned: the button owns this widget
};

} // namespace

Z_DEFINE_CLASS(TButtonControl, TWinControl, NoPublishedProps)

TButtonControl::TButtonControl(TComponent *owner) : TWinControl(owner) {}

static TPropTable ButtonProps()
{
    return {
        Prop<TButton>("Cancel", TypeInfoBoolean(), &TButton::Cancel, &TButton::SetCancel, 0),
        Prop<TButton>("Caption", TypeInfoTCaption(), &TControl::Caption, &TControl::SetCaption),
        Prop<TButton>("Cursor", TypeInfoTCursor(), &TControl::Cursor, &TControl::SetCursor,
                      crDefault),
        Prop<TButton>("Default", TypeInfoBoolean(), &TButton::Default, &TButton::SetDefault, 0),
        Prop<TButton>("Enabled", TypeInfoBoolean(), &TControl::Enabled, &TControl::SetEnabled, 1),
        Prop<TButton>("Font", TFont::StaticClass()->ClassTypeInfo(), &TControl::Font,
                      &TControl::SetFont),
        Prop<TButton>("Height", TypeInfoInteger(), &TControl::Height, &TControl::SetHeight),
        Prop<TButton>("Hint", TypeInfoString(), &TControl::Hint, &TControl::SetHint),
        Prop<TButton>("Left", TypeInfoInteger(), &TControl::Left, &TControl::SetLeft),
        Prop<TButton>("ModalResult", TypeInfoTModalResult(), &TButton::ModalResult,
                      &TButton::SetModalResult, mrNone),
        Prop<TButton>("ParentFont", TypeInfoBoolean(), &TControl::ParentFont,
                      &TControl::SetParentFont, 1),
        Prop<TButton>("ShowHint", TypeInfoBoolean(), &TControl::ShowHint, &TControl::SetShowHint),
        Prop<TButton>("TabOrder", TypeInfoTTabOrder(), &TWinControl::TabOrder,
                      &TWinControl::SetTabOrder, -1),
        Prop<TButton>("TabStop", TypeInfoBoolean(), &TWinControl::TabStop,
                      &TWinControl::SetTabStop, 1),
        Prop<TButton>("Top", TypeInfoInteger(), &TControl::Top, &TControl::SetTop),
        Prop<TButton>("Visible", TypeInfoBoolean(), &TControl::Visible, &TControl::SetVisible, 1),
        Prop<TButton>("Width", TypeInfoInteger(), &TControl::Width, &TControl::SetWidth),
        EventProp<TButton>("OnClick", TypeInfoTNotifyEvent(), &TControl::OnClick),
        EventProp<TButton>("OnEnter", TypeInfoTNotifyEvent(), &TWinControl::OnEnter),
        EventProp<TButton>("OnExit", TypeInfoTNotifyEvent(), &TWinControl::OnExit),
        EventProp<TButton>("OnKeyDown", TypeInfoTKeyEvent(), &TWinControl::OnKeyDown),
        EventProp<TButton>("OnKeyPress", TypeInfoTKeyPressEvent(), &TWinControl::OnKeyPress),
        EventProp<TButton>("OnKeyUp", TypeInfoTKeyEvent(), &TWinControl::OnKeyUp),
        EventProp<TButton>("OnMouseDown", TypeInfoTMouseEvent(), &TControl::OnMouseDown),
        EventProp<TButton>("OnMouseMove", TypeInfoTMouseMoveEvent(), &TControl::OnMouseMove),
        EventProp<TButton>("OnMouseUp", TypeInfoTMouseEvent(), &TControl::OnMouseUp),
    };
}
Z_DEFINE_CLASS(TButton, TButtonControl, ButtonProps)

TButton::TButton(TComponent *owner) : TButtonControl(owner)
{
    // The click comes from the push button's clicked signal, which mouse and keyboard both
    // raise; the mouse-up path of TControl must not click a second time.
    SetControlStyle(csSetCaption | csDoubleClicks);
    SetBounds(0, 0, 75, 25);
    SetTabStop(true);
}

TButton::~TButton()
{
    Destroying();
    DestroyWidget();
}

QWidget *TButton::CreateWidget(QWidget *parentWidget)
{
    auto *w = new TButtonWidget(this, parentWidget);
    QObject::connect(w, &QPushButton::clicked, w, [this] { SafeCall([this] { Click(); }); });
    m_defaultKey = new QShortcut(QKeySequence(Qt::Key_Return), w);
    m_enterKey = new QShortcut(QKeySequence(Qt::Key_Enter), w);
    m_cancelKey = new QShortcut(QKeySequence(Qt::Key_Escape), w);
    for (QShortcut *key : {m_defaultKey, m_enterKey, m_cancelKey}) {
        key->setContext(Qt::WindowShortcut);
        QObject::connect(key, &QShortcut::activated, w, [this, w] {
            if (w->isEnabled())
                w->animateClick();
        });
    }
    return w;
}

void TButton::InitWidget()
{
    static_cast<QPushButton *>(m_widget)->setText(m_text);
    TButtonControl::InitWidget();
}

void TButton::TextChanged()
{
    if (m_widget)
        static_cast<QPushButton *>(m_widget)->setText(m_text);
}

void TButton::ApplyDesignState()
{
    TButtonControl::ApplyDesignState();
    if (m_widget && !Designing())
        m_widget->setFocusPolicy(TabStop() ? Qt::StrongFocus : Qt::ClickFocus);
    UpdateShortcuts();
}

void TButton::SetDefault(bool v)
{
    m_default = v;
    UpdateShortcuts();
    Invalidate();
}

void TButton::SetCancel(bool v)
{
    m_cancel = v;
    UpdateShortcuts();
}

void TButton::UpdateShortcuts()
{
    if (!m_widget || !m_defaultKey)
        return;
    // A button in design state is inert: its keys belong to the design form.
    const bool live = !Designing();
    m_defaultKey->setEnabled(live && m_default);
    m_enterKey->setEnabled(live && m_default);
    m_cancelKey->setEnabled(live && m_cancel);
}

void TButton::Click()
{
    if (m_modalResult != mrNone) {
        if (TCustomForm *form = ParentForm())
            form->SetModalResult(m_modalResult);
    }
    TButtonControl::Click();
}
