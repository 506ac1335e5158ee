#include "ControlScrollBar.h"

#include "ClassicDraw.h"
#include "ControlProps.h"
#include "ControlWidget.h"
#include "SafeCall.h"

#include <QPainter>

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

private:
    TScrollBox *m_box; // not owned: the box owns this widget
};

} // namespace

static TPropTable ScrollBoxProps()
{
    using S = TScrollBox;
    TPropTable t = ControlProps(
        {"Align", "Anchors", "BiDiMode", "Color", "Constraints", "Ctl3D", "Cursor",
         "DragCursor", "DragKind", "DragMode", "Enabled", "Font", "Height", "HelpContext",
         "Hint", "Left", "ParentBiDiMode", "ParentColor", "ParentCtl3D", "ParentFont",
         "ParentShowHint", "PopupMenu", "ShowHint", "TabOrder", "TabStop", "Top", "Visible",
         "Width", "OnClick", "OnContextPopup", "OnDblClick", "OnDragDrop", "OnDragOver",
         "OnEndDock", "OnEndDrag", "OnEnter", "OnExit", "OnMouseDown", "OnMouseMove",
         "OnMouseUp", "OnResize", "OnStartDock", "OnStartDrag"});
    const TPropTable own = {
        Prop<S>("AutoScroll", TypeInfoBoolean(), &S::AutoScroll, &S::SetAutoScroll, 1),
        Prop<S>("BorderStyle", TypeInfoTBorderStyle(), &S::BorderStyle, &S::SetBorderStyle,
                bsSingle),
        Prop<S>("HorzScrollBar", TControlScrollBar::StaticClass()->ClassTypeInfo(),
                &S::HorzScrollBar, &S::SetHorzScrollBar),
        Prop<S>("VertScrollBar", TControlScrollBar::StaticClass()->ClassTypeInfo(),
                &S::VertScrollBar, &S::SetVertScrollBar),
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
