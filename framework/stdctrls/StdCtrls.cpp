#include "StdCtrls.h"

#include "ClassicDraw.h"
#include "PublishedProps.h"
#include "SafeCall.h"

#include <QKeySequence>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>

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
    using B = TButton;
    TPropTable t = WinControlBaseProps();
    AppendProps(t, ControlProps({"Action", "Anchors", "BiDiMode", "Caption", "Constraints",
                                 "DragCursor", "DragKind", "DragMode", "Enabled", "Font",
                                 "ParentBiDiMode", "ParentFont", "ParentShowHint", "PopupMenu",
                                 "ShowHint", "TabOrder", "TabStop", "Visible", "OnClick",
                                 "OnContextPopup", "OnDragDrop", "OnDragOver", "OnEndDock",
                                 "OnEndDrag", "OnEnter", "OnExit", "OnKeyDown", "OnKeyPress",
                                 "OnKeyUp", "OnMouseDown", "OnMouseMove", "OnMouseUp",
                                 "OnStartDock", "OnStartDrag"}));
    SetPropDefault(t, "TabStop", 1);
    t.push_back(Prop<B>("Cancel", TypeInfoBoolean(), &B::Cancel, &B::SetCancel, 0));
    t.push_back(Prop<B>("Default", TypeInfoBoolean(), &B::Default, &B::SetDefault, 0));
    t.push_back(Prop<B>("ModalResult", TypeInfoTModalResult(), &B::ModalResult,
                        &B::SetModalResult, mrNone));
    return t;
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
