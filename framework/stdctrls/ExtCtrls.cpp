#include "ExtCtrls.h"

#include "ControlProps.h"

#include "ClassicDraw.h"

#include <QPainter>
#include <QWidget>

#include <algorithm>

namespace {

void DrawBevel(QPainter &painter, QRect &rect, TBevelCut cut, int width, TColor face)
{
    switch (cut) {
    case bvRaised:
        Frame3D(painter, rect, clBtnHighlight, clBtnShadow, width);
        break;
    case bvLowered:
        Frame3D(painter, rect, clBtnShadow, clBtnHighlight, width);
        break;
    case bvSpace:
        Frame3D(painter, rect, face, face, width);
        break;
    default:
        break;
    }
}

// The bar a splitter shows where it will go while dragged without live resizing.
class TDragBar : public QWidget
{
public:
    TDragBar(TResizeStyle style, QWidget *parent) : QWidget(parent), m_style(style)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        const QColor ink = ColorToQColor(cl3DDkShadow);
        if (m_style == rsPattern)
            painter.fillRect(rect(), QBrush(ink, Qt::Dense4Pattern));
        else
            painter.fillRect(rect(), ink);
    }

private:
    TResizeStyle m_style;
};

} // namespace

// ---------------------------------------------------------------------------------------------

Z_DEFINE_CLASS(TCustomPanel, TCustomControl, NoPublishedProps)

TCustomPanel::TCustomPanel(TComponent *owner) : TCustomControl(owner)
{
    SetControlStyle(csAcceptsControls | csCaptureMouse | csClickEvents | csSetCaption | csOpaque
                    | csDoubleClicks | csReplicatable);
    SetBounds(0, 0, 185, 41);
    SetColor(clBtnFace); // also ends ParentColor
    SetUseDockManager(true); // a panel lays out what docks on it
}

void TCustomPanel::EdgesChanged()
{
    Realign();
    Invalidate();
}

void TCustomPanel::SetAlignment(TAlignment alignment)
{
    m_alignment = alignment;
    Invalidate();
}

void TCustomPanel::SetBevelInner(TBevelCut cut)
{
    m_bevelInner = cut;
    EdgesChanged();
}

void TCustomPanel::SetBevelOuter(TBevelCut cut)
{
    m_bevelOuter = cut;
    EdgesChanged();
}

void TCustomPanel::SetBevelWidth(int width)
{
    m_bevelWidth = std::max(1, width);
    EdgesChanged();
}

void TCustomPanel::SetBorderWidth(int width)
{
    m_borderWidth = std::max(0, width);
    EdgesChanged();
}

void TCustomPanel::SetBorderStyle(TFormBorderStyle style)
{
    m_borderStyle = style == bsNone ? bsNone : bsSingle;
    EdgesChanged();
}

void TCustomPanel::EnabledChanged()
{
    TCustomControl::EnabledChanged();
    Invalidate();
}

void TCustomPanel::AdjustClientRect(QRect &rect) const
{
    // Summed in 64 bits: the widths may each be as large as an int. Edges wider than the panel
    // leave no client area, so the inset stops at the panel's larger extent.
    qint64 inset = m_borderWidth;
    if (m_borderStyle == bsSingle)
        inset += 2;
    if (m_bevelOuter != bvNone)
        inset += m_bevelWidth;
    if (m_bevelInner != bvNone)
        inset += m_bevelWidth;
    const int i = int(std::min<qint64>(inset, std::max(rect.width(), rect.height())));
    rect.adjust(i, i, -i, -i);
}

void TCustomPanel::Paint()
{
    QPainter *painter = Canvas()->Painter();
    if (!painter)
        return;
    QRect rect = ClientRect();
    if (m_borderStyle == bsSingle) {
        Frame3D(*painter, rect, clBtnShadow, clBtnHighlight, 1);
        Frame3D(*painter, rect, cl3DDkShadow, cl3DLight, 1);
    }
    DrawBevel(*painter, rect, m_bevelOuter, m_bevelWidth, Color());
    Frame3D(*painter, rect, Color(), Color(), m_borderWidth);
    DrawBevel(*painter, rect, m_bevelInner, m_bevelWidth, Color());
    painter->setFont(Font()->ToQFont());
    DrawControlText(*painter, rect,
                    int(AlignmentFlag(m_alignment)) | Qt::AlignVCenter | Qt::TextSingleLine,
                    Caption(), Font()->Color(), Enabled());
}

static TPropTable PanelProps()
{
    using P = TCustomPanel;
    TPropTable t = ControlProps(
        {"Align", "Anchors", "BiDiMode", "Caption", "Color", "Constraints", "Ctl3D", "Cursor",
         "DockSite", "DragCursor", "DragKind", "DragMode", "Enabled", "Font", "Height",
         "HelpContext", "Hint", "Left", "ParentBiDiMode", "ParentColor", "ParentCtl3D",
         "ParentFont", "ParentShowHint", "PopupMenu", "ShowHint", "TabOrder", "TabStop", "Top",
         "UseDockManager", "Visible", "Width", "OnCanResize", "OnClick", "OnConstrainedResize",
         "OnContextPopup", "OnDblClick", "OnDockDrop", "OnDockOver", "OnDragDrop",
         "OnDragOver", "OnEndDock", "OnEndDrag", "OnEnter", "OnExit", "OnGetSiteInfo",
         "OnMouseDown", "OnMouseMove", "OnMouseUp", "OnResize", "OnStartDock", "OnStartDrag",
         "OnUnDock"});
    SetPropDefault(t, "Color", clBtnFace);
    SetPropDefault(t, "ParentColor", 0);
    SetPropDefault(t, "TabStop", 0);
    SetPropDefault(t, "UseDockManager", 1);
    t.push_back(Prop<TPanel>("AutoSize", TypeInfoBoolean(), &P::AutoSize, &P::SetAutoSize, 0));
    t.push_back(Prop<TPanel>("Alignment", TypeInfoTAlignment(), &P::Alignment, &P::SetAlignment,
                             taCenter));
    t.push_back(Prop<TPanel>("BevelInner", TypeInfoTBevelCut(), &P::BevelInner,
                             &P::SetBevelInner, bvNone));
    t.push_back(Prop<TPanel>("BevelOuter", TypeInfoTBevelCut(), &P::BevelOuter,
                             &P::SetBevelOuter, bvRaised));
    t.push_back(Prop<TPanel>("BevelWidth", TypeInfoInteger(), &P::BevelWidth, &P::SetBevelWidth,
                             1));
    t.push_back(Prop<TPanel>("BorderStyle", TypeInfoTBorderStyle(), &P::BorderStyle,
                             &P::SetBorderStyle, bsNone));
    t.push_back(Prop<TPanel>("BorderWidth", TypeInfoInteger(), &P::BorderWidth,
                             &P::SetBorderWidth, 0));
    t.push_back(Prop<TPanel>("FullRepaint", TypeInfoBoolean(), &P::FullRepaint,
                             &P::SetFullRepaint, 1));
    t.push_back(Prop<TPanel>("Locked", TypeInfoBoolean(), &P::Locked, &P::SetLocked, 0));
    return t;
}
Z_DEFINE_CLASS(TPanel, TCustomPanel, PanelProps)

TPanel::TPanel(TComponent *owner) : TCustomPanel(owner) {}

// ---------------------------------------------------------------------------------------------

PTypeInfo TypeInfoTResizeStyle()
{
    static const TTypeInfo *t = NewEnumType(
        QStringLiteral("TResizeStyle"), {QStringLiteral("rsNone"), QStringLiteral("rsLine"),
                                         QStringLiteral("rsUpdate"), QStringLiteral("rsPattern")});
    return t;
}

PTypeInfo TypeInfoTSplitterCanResizeEvent()
{
    // The classic unit names the splitter's event type like the controls' one.
    static const PTypeInfo t = NewMethodType(
        QStringLiteral("TCanResizeEvent"),
        QStringLiteral("Sender: TObject; var NewSize: Integer; var Accept: Boolean"));
    return t;
}

static TPropTable SplitterProps()
{
    return {
        Prop<TSplitter>("Align", TypeInfoTAlign(), &TControl::Align, &TControl::SetAlign, alLeft),
        Prop<TSplitter>("AutoSnap", TypeInfoBoolean(), &TSplitter::AutoSnap,
                        &TSplitter::SetAutoSnap, 1),
        Prop<TSplitter>("Beveled", TypeInfoBoolean(), &TSplitter::Beveled, &TSplitter::SetBeveled,
                        0),
        Prop<TSplitter>("Color", TypeInfoTColor(), &TControl::Color, &TControl::SetColor),
        Prop<TSplitter>("Cursor", TypeInfoTCursor(), &TControl::Cursor, &TControl::SetCursor,
                        crHSplit),
        Prop<TSplitter>("Height", TypeInfoInteger(), &TControl::Height, &TControl::SetHeight),
        Prop<TSplitter>("Left", TypeInfoInteger(), &TControl::Left, &TControl::SetLeft),
        Prop<TSplitter>("MinSize", TypeInfoInteger(), &TSplitter::MinSize, &TSplitter::SetMinSize,
                        30),
        Prop<TSplitter>("ParentColor", TypeInfoBoolean(), &TControl::ParentColor,
                        &TControl::SetParentColor, 1),
        Prop<TSplitter>("ResizeStyle", TypeInfoTResizeStyle(), &TSplitter::ResizeStyle,
                        &TSplitter::SetResizeStyle, rsPattern),
        Prop<TSplitter>("Top", TypeInfoInteger(), &TControl::Top, &TControl::SetTop),
        Prop<TSplitter>("Visible", TypeInfoBoolean(), &TControl::Visible, &TControl::SetVisible,
                        1),
        Prop<TSplitter>("Width", TypeInfoInteger(), &TControl::Width, &TControl::SetWidth),
        EventProp<TSplitter>("OnCanResize", TypeInfoTSplitterCanResizeEvent(),
                             &TSplitter::OnCanResize),
        EventProp<TSplitter>("OnMoved", TypeInfoTNotifyEvent(), &TSplitter::OnMoved),
        EventProp<TSplitter>("OnPaint", TypeInfoTNotifyEvent(), &TSplitter::OnPaint),
    };
}
Z_DEFINE_CLASS(TSplitter, TGraphicControl, SplitterProps)

TSplitter::TSplitter(TComponent *owner) : TGraphicControl(owner)
{
    SetControlStyle(csCaptureMouse);
    SetBounds(0, 0, 3, 100);
    SetAlign(alLeft);
    SetCursor(crHSplit);
}

TSplitter::~TSplitter()
{
    delete m_dragBar.data();
}

void TSplitter::SetBeveled(bool v)
{
    m_beveled = v;
    Invalidate();
}

void TSplitter::SetMinSize(int size)
{
    m_minSize = std::max(1, size);
}

void TSplitter::Paint()
{
    QPainter *painter = Canvas()->Painter();
    if (!painter)
        return;
    QRect rect = ClientRect();
    painter->fillRect(rect, ColorToQColor(Color()));
    if (m_beveled) {
        // A raised ridge along the bar, a pixel in from each long side.
        if (Horizontal())
            rect.adjust(1, 0, -1, 0);
        else
            rect.adjust(0, 1, 0, -1);
        Frame3D(*painter, rect, clBtnHighlight, clBtnShadow, 1);
    }
    OnPaint(this);
}

TControl *TSplitter::FindNeighbour() const
{
    TWinControl *parent = Parent();
    if (!parent)
        return nullptr;
    for (int i = 0; i < parent->ControlCount(); ++i) {
        TControl *c = parent->Controls(i);
        if (c == this || c->Align() != Align() || !c->Visible() || !c->Enabled())
            continue;
        bool touches = false;
        switch (Align()) {
        case alLeft: touches = c->Left() + c->Width() == Left(); break;
        case alRight: touches = c->Left() == Left() + Width(); break;
        case alTop: touches = c->Top() + c->Height() == Top(); break;
        case alBottom: touches = c->Top() == Top() + Height(); break;
        default: break;
        }
        if (touches)
            return c;
    }
    return nullptr;
}

int TSplitter::SizeOf(const TControl *control) const
{
    return Horizontal() ? control->Width() : control->Height();
}

int TSplitter::MaxNeighbourSize() const
{
    // The free space is what the client-aligned sibling holds, or, without one, what the
    // controls aligned along our axis leave of the parent's client area.
    const TWinControl *parent = Parent();
    const TAlign first = Horizontal() ? alLeft : alTop;
    const TAlign second = Horizontal() ? alRight : alBottom;
    int used = 0;
    int free = -1;
    for (int i = 0; i < parent->ControlCount(); ++i) {
        const TControl *c = parent->Controls(i);
        if (!c->Visible())
            continue;
        if (c->Align() == alClient)
            free = std::max(free, SizeOf(c));
        else if (c->Align() == first || c->Align() == second)
            used += SizeOf(c);
    }
    if (free < 0) {
        const int client = Horizontal() ? parent->ClientWidth() : parent->ClientHeight();
        free = std::max(0, client - used);
    }
    return std::max(m_minSize, m_oldSize + free - m_minSize);
}

void TSplitter::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TGraphicControl::MouseDown(button, shift, x, y);
    if (button != mbLeft || m_neighbour)
        return;
    m_neighbour = FindNeighbour();
    if (!m_neighbour)
        return;
    m_downPos = Horizontal() ? x : y;
    m_oldSize = SizeOf(m_neighbour);
    m_newSize = m_oldSize;
    m_maxSize = MaxNeighbourSize();
    if (m_resizeStyle == rsLine || m_resizeStyle == rsPattern)
        ShowDragBar();
}

void TSplitter::MouseMove(TShiftState shift, int x, int y)
{
    TGraphicControl::MouseMove(shift, x, y);
    if (!m_neighbour)
        return;
    int delta = (Horizontal() ? x : y) - m_downPos;
    if (Align() == alRight || Align() == alBottom)
        delta = -delta;
    int size = std::clamp(m_oldSize + delta, std::min(m_minSize, m_oldSize), m_maxSize);
    bool accept = true;
    OnCanResize(this, size, accept);
    if (!accept)
        return;
    size = std::clamp(size, 0, std::max(m_maxSize, 0));
    if (m_autoSnap && size <= m_minSize)
        size = 0;
    m_newSize = size;
    if (m_resizeStyle == rsUpdate) {
        // The splitter moves with the neighbour, so later positions are relative to the new
        // place: the size reached becomes the base of the next step.
        // The largest size stays: what the neighbour gains, the free space loses.
        ApplySize(m_newSize);
        m_oldSize = m_newSize;
    } else {
        ShowDragBar();
    }
}

void TSplitter::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TGraphicControl::MouseUp(button, shift, x, y);
    if (button != mbLeft || !m_neighbour)
        return;
    if (m_resizeStyle != rsUpdate)
        ApplySize(m_newSize);
    EndDrag();
    OnMoved(this);
}

void TSplitter::ApplySize(int size)
{
    if (Horizontal())
        m_neighbour->SetWidth(size);
    else
        m_neighbour->SetHeight(size);
}

void TSplitter::ShowDragBar()
{
    if (!Parent() || !Parent()->HandleAllocated())
        return;
    if (!m_dragBar) {
        m_dragBar = new TDragBar(m_resizeStyle, Parent()->ClientWidget());
        m_dragBar->show();
    }
    QRect bar = BoundsRect();
    const int shift = m_newSize - SizeOf(m_neighbour);
    const bool forward = Align() == alLeft || Align() == alTop;
    if (Horizontal())
        bar.translate(forward ? shift : -shift, 0);
    else
        bar.translate(0, forward ? shift : -shift);
    m_dragBar->setGeometry(bar);
    m_dragBar->raise();
}

void TSplitter::EndDrag()
{
    m_neighbour = nullptr;
    delete m_dragBar.data();
}

// ---------------------------------------------------------------------------------------------

static TPropTable PaintBoxProps()
{
    return {
        Prop<TPaintBox>("Align", TypeInfoTAlign(), &TControl::Align, &TControl::SetAlign, alNone),
        Prop<TPaintBox>("Color", TypeInfoTColor(), &TControl::Color, &TControl::SetColor),
        Prop<TPaintBox>("Cursor", TypeInfoTCursor(), &TControl::Cursor, &TControl::SetCursor,
                        crDefault),
        Prop<TPaintBox>("Enabled", TypeInfoBoolean(), &TControl::Enabled, &TControl::SetEnabled,
                        1),
        Prop<TPaintBox>("Font", TFont::StaticClass()->ClassTypeInfo(), &TControl::Font,
                        &TControl::SetFont),
        Prop<TPaintBox>("Height", TypeInfoInteger(), &TControl::Height, &TControl::SetHeight),
        Prop<TPaintBox>("Hint", TypeInfoString(), &TControl::Hint, &TControl::SetHint),
        Prop<TPaintBox>("Left", TypeInfoInteger(), &TControl::Left, &TControl::SetLeft),
        Prop<TPaintBox>("ParentColor", TypeInfoBoolean(), &TControl::ParentColor,
                        &TControl::SetParentColor, 1),
        Prop<TPaintBox>("ParentFont", TypeInfoBoolean(), &TControl::ParentFont,
                        &TControl::SetParentFont, 1),
        Prop<TPaintBox>("ShowHint", TypeInfoBoolean(), &TControl::ShowHint,
                        &TControl::SetShowHint),
        Prop<TPaintBox>("Top", TypeInfoInteger(), &TControl::Top, &TControl::SetTop),
        Prop<TPaintBox>("Visible", TypeInfoBoolean(), &TControl::Visible, &TControl::SetVisible,
                        1),
        Prop<TPaintBox>("Width", TypeInfoInteger(), &TControl::Width, &TControl::SetWidth),
        EventProp<TPaintBox>("OnClick", TypeInfoTNotifyEvent(), &TControl::OnClick),
        EventProp<TPaintBox>("OnDblClick", TypeInfoTNotifyEvent(), &TControl::OnDblClick),
        EventProp<TPaintBox>("OnMouseDown", TypeInfoTMouseEvent(), &TControl::OnMouseDown),
        EventProp<TPaintBox>("OnMouseMove", TypeInfoTMouseMoveEvent(), &TControl::OnMouseMove),
        EventProp<TPaintBox>("OnMouseUp", TypeInfoTMouseEvent(), &TControl::OnMouseUp),
        EventProp<TPaintBox>("OnPaint", TypeInfoTNotifyEvent(), &TPaintBox::OnPaint),
    };
}
Z_DEFINE_CLASS(TPaintBox, TGraphicControl, PaintBoxProps)

TPaintBox::TPaintBox(TComponent *owner) : TGraphicControl(owner)
{
    SetControlStyle(ControlStyle() | csReplicatable);
    SetBounds(0, 0, 105, 105);
}

void TPaintBox::Paint()
{
    QPainter *painter = Canvas()->Painter();
    if (Designing() && painter) {
        // Outlined at design time so that an empty paint box can be found on the form.
        painter->save();
        painter->setPen(QPen(Qt::black, 1, Qt::DashLine));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(QRect(0, 0, Width() - 1, Height() - 1));
        painter->restore();
    }
    Canvas()->Font()->Assign(Font());
    Canvas()->Brush()->SetColor(Color());
    OnPaint(this);
}
