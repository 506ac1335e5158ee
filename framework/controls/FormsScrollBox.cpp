#include "ControlScrollBar.h"

#include "ClassicDraw.h"
#include "ControlProps.h"
#include "ControlWidget.h"
#include "SafeCall.h"
#include "VirtualKeys.h"

#include <QPainter>
#include <QApplication>
#include <QWheelEvent>

namespace {

// The outer widget of a scroll box draws the border; the children live in the client widget
// inside it.
class TScrollBoxWidget : public QWidget
{
public:
    TScrollBoxWidget(TScrollBox *box, QWidget *parent) : QWidget(parent), m_box(box) {}

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        SafeCall([&] { m_box->PaintBorder(painter); });
    }
    void resizeEvent(QResizeEvent *) override
    {
        SafeCall([this] { m_box->LayOutClient(); });
    }
    // Turns over the box or a child that left them alone arrive here.
    void wheelEvent(QWheelEvent *event) override
    {
        bool handled = false;
        const TShiftState shift = ShiftStateOf(event->modifiers(), event->buttons());
        SafeCall([&] {
            handled = m_box->DoMouseWheel(shift, event->angleDelta().y(),
                                          event->globalPosition().toPoint());
        });
        event->setAccepted(handled);
    }

private:
    TScrollBox *m_box; // not owned: the box owns this widget
};

} // namespace

PTypeInfo TypeInfoTMouseWheelEvent()
{
    static const PTypeInfo t = NewMethodType(
        QStringLiteral("TMouseWheelEvent"),
        QStringLiteral("Sender: TObject; Shift: TShiftState; WheelDelta: Integer; "
                       "MousePos: TPoint; var Handled: Boolean"));
    return t;
}

PTypeInfo TypeInfoTMouseWheelUpDownEvent()
{
    static const PTypeInfo t = NewMethodType(
        QStringLiteral("TMouseWheelUpDownEvent"),
        QStringLiteral("Sender: TObject; Shift: TShiftState; MousePos: TPoint; "
                       "var Handled: Boolean"));
    return t;
}

static TPropTable ScrollBoxProps()
{
    using S = TScrollBox;
    TPropTable t = ControlProps(
        {"Align", "Anchors", "BiDiMode", "Color", "Constraints", "Ctl3D", "Cursor",
         "DockSite", "DragCursor", "DragKind", "DragMode", "Enabled", "Font", "Height",
         "HelpContext", "Hint", "Left", "ParentBiDiMode", "ParentColor", "ParentCtl3D",
         "ParentFont", "ParentShowHint", "PopupMenu", "ShowHint", "TabOrder", "TabStop", "Top",
         "Visible", "Width", "OnCanResize", "OnClick", "OnConstrainedResize", "OnContextPopup",
         "OnDblClick", "OnDockDrop", "OnDockOver", "OnDragDrop", "OnDragOver", "OnEndDock",
         "OnEndDrag", "OnEnter", "OnExit", "OnGetSiteInfo", "OnMouseDown", "OnMouseMove",
         "OnMouseUp", "OnResize", "OnStartDock", "OnStartDrag", "OnUnDock"});
    const TPropTable own = {
        Prop<S>("AutoScroll", TypeInfoBoolean(), &S::AutoScroll, &S::SetAutoScroll, 1),
        Prop<S>("AutoSize", TypeInfoBoolean(), &S::AutoSize, &S::SetAutoSize, 0),
        Prop<S>("BorderStyle", TypeInfoTBorderStyle(), &S::BorderStyle, &S::SetBorderStyle,
                bsSingle),
        Prop<S>("HorzScrollBar", TControlScrollBar::StaticClass()->ClassTypeInfo(),
                &S::HorzScrollBar, &S::SetHorzScrollBar),
        Prop<S>("VertScrollBar", TControlScrollBar::StaticClass()->ClassTypeInfo(),
                &S::VertScrollBar, &S::SetVertScrollBar),
        EventProp<S>("OnMouseWheel", TypeInfoTMouseWheelEvent(), &S::OnMouseWheel),
        EventProp<S>("OnMouseWheelDown", TypeInfoTMouseWheelUpDownEvent(),
                     &S::OnMouseWheelDown),
        EventProp<S>("OnMouseWheelUp", TypeInfoTMouseWheelUpDownEvent(), &S::OnMouseWheelUp),
    };
    t.insert(t.end(), own.begin(), own.end());
    return t;
}
Z_DEFINE_CLASS(TScrollBox, TScrollingWinControl, ScrollBoxProps)

TScrollBox::TScrollBox(TComponent *owner) : TScrollingWinControl(owner)
{
    SetControlStyle(csAcceptsControls | csCaptureMouse | csClickEvents | csSetCaption
                    | csDoubleClicks);
    SetBounds(0, 0, 185, 41);
}

TScrollBox::~TScrollBox()
{
    Destroying();
    // The client widget goes with the outer one; it must not stay known to the bridge.
    if (m_client)
        WidgetBridge::Detach(m_client);
    m_client = nullptr;
    // The widget goes in the base destructor, after the children have taken their widgets
    // out of it: freed here, it would take the children's widgets with it.
}

QWidget *TScrollBox::CreateWidget(QWidget *parentWidget)
{
    auto *w = new TScrollBoxWidget(this, parentWidget);
    m_client = new TControlWidget(this, w);
    // The client area takes the box's input as the box's own widget does.
    WidgetBridge::Attach(m_client, this);
    LayOutClient();
    return w;
}

bool TScrollBox::DoMouseWheel(TShiftState shift, int delta, const QPoint &screenPos)
{
    bool handled = false;
    OnMouseWheel(this, shift, delta, screenPos, handled);
    if (handled || delta == 0)
        return handled;
    if (delta < 0)
        OnMouseWheelDown(this, shift, screenPos, handled);
    else
        OnMouseWheelUp(this, shift, screenPos, handled);
    if (!handled)
        handled = ScrollByWheel(delta);
    return handled;
}

bool TScrollBox::ScrollByWheel(int delta)
{
    // A turn no handler took scrolls the box as a user expects: the vertical bar where it is
    // shown, else the horizontal one, the desktop's lines per notch of Increment each.
    TControlScrollBar *bar = VertScrollBar()->IsScrollBarVisible() ? VertScrollBar()
                             : HorzScrollBar()->IsScrollBarVisible() ? HorzScrollBar()
                                                                     : nullptr;
    if (!bar)
        return false;
    const int step = bar->Increment() * QApplication::wheelScrollLines();
    bar->SetPosition(bar->Position() - delta * step / 120);
    return true;
}

QWidget *TScrollBox::ClientWidget()
{
    Handle();
    return m_client;
}

int TScrollBox::BorderInset() const
{
    if (m_borderStyle == bsNone)
        return 0;
    return Ctl3D() ? 2 : 1;
}

QPoint TScrollBox::ClientOrigin() const
{
    const int b = BorderInset();
    return TScrollingWinControl::ClientOrigin() + QPoint(b, b);
}

QRect TScrollBox::ScrollArea() const
{
    const int b = BorderInset();
    return QRect(0, 0, std::max(0, Width() - 2 * b), std::max(0, Height() - 2 * b));
}

void TScrollBox::SetBorderStyle(TFormBorderStyle style)
{
    m_borderStyle = style == bsNone ? bsNone : bsSingle;
    LayOutClient();
    Realign();
    Invalidate();
}

void TScrollBox::LayOutClient()
{
    if (!m_client)
        return;
    const int b = BorderInset();
    m_client->setGeometry(b, b, std::max(0, Width() - 2 * b), std::max(0, Height() - 2 * b));
    if (m_widget)
        m_widget->update();
}

void TScrollBox::Resize()
{
    LayOutClient();
    TScrollingWinControl::Resize();
}

void TScrollBox::PaintBorder(QPainter &painter)
{
    QRect r(0, 0, Width(), Height());
    if (m_borderStyle == bsNone)
        return;
    if (Ctl3D()) {
        Frame3D(painter, r, clBtnShadow, clBtnHighlight, 1);
        Frame3D(painter, r, cl3DDkShadow, cl3DLight, 1);
    } else {
        Frame3D(painter, r, clWindowFrame, clWindowFrame, 1);
    }
}
