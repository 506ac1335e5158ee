// The painted controls of the extended set: image, shape and bevel.

#include "ExtCtrls.h"

#include "ClassicDraw.h"
#include "ControlProps.h"

#include <QPainter>

#include <algorithm>

namespace {

// The dashed outline a graphic control shows at design time where it draws nothing itself.
void DrawDesignFrame(QPainter &painter, const QRect &rect)
{
    painter.save();
    QPen pen(Qt::black, 1, Qt::DashLine);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    painter.restore();
}

} // namespace

// --- TImage ---------------------------------------------------------------------------------

PTypeInfo TypeInfoTProgressEvent()
{
    static const PTypeInfo t = NewMethodType(
        QStringLiteral("TProgressEvent"),
        QStringLiteral("Sender: TObject; Stage: TProgressStage; PercentDone: Byte; "
                       "RedrawNow: Boolean; const R: TRect; const Msg: string"));
    return t;
}

static TPropTable ImageProps()
{
    using I = TImage;
    TPropTable t = ControlProps(
        {"Align", "Anchors", "Constraints", "Cursor", "DragCursor", "DragKind", "DragMode",
         "Enabled", "Height", "Hint", "Left", "ParentShowHint", "PopupMenu", "ShowHint", "Top",
         "Visible", "Width", "OnClick", "OnContextPopup", "OnDblClick", "OnDragDrop",
         "OnDragOver", "OnEndDock", "OnEndDrag", "OnMouseDown", "OnMouseMove", "OnMouseUp",
         "OnStartDock", "OnStartDrag"});
    const TPropTable own = {
        Prop<I>("AutoSize", TypeInfoBoolean(), &I::AutoSize, &I::SetAutoSize, 0),
        Prop<I>("Center", TypeInfoBoolean(), &I::Center, &I::SetCenter, 0),
        Prop<I>("IncrementalDisplay", TypeInfoBoolean(), &I::IncrementalDisplay,
                &I::SetIncrementalDisplay, 0),
        Prop<I>("Picture", TPicture::StaticClass()->ClassTypeInfo(), &I::Picture,
                &I::SetPicture),
        Prop<I>("Stretch", TypeInfoBoolean(), &I::Stretch, &I::SetStretch, 0),
        Prop<I>("Transparent", TypeInfoBoolean(), &I::Transparent, &I::SetTransparent, 0),
        EventProp<I>("OnProgress", TypeInfoTProgressEvent(), &I::OnProgress),
    };
    t.insert(t.end(), own.begin(), own.end());
    return t;
}
Z_DEFINE_CLASS(TImage, TGraphicControl, ImageProps)

TImage::TImage(TComponent *owner) : TGraphicControl(owner), m_picture(new TPicture)
{
    SetControlStyle(ControlStyle() | csReplicatable);
    SetBounds(0, 0, 105, 105);
    m_picture->OnChange = TNotifyEvent::Of<&TImage::PictureChanged>(this);
}

TImage::~TImage()
{
    Destroying();
    DestroyWidget();
    delete m_picture;
}

void TImage::PictureChanged(TObject *)
{
    if (TGraphic *g = m_picture->Graphic())
        g->SetTransparent(m_transparent);
    if (m_autoSize && m_picture->Width() > 0 && m_picture->Height() > 0)
        SetBounds(Left(), Top(), m_picture->Width(), m_picture->Height());
    Invalidate();
}

void TImage::SetAutoSize(bool v)
{
    m_autoSize = v;
    PictureChanged(nullptr);
}

void TImage::SetCenter(bool v)
{
    m_center = v;
    Invalidate();
}

void TImage::SetStretch(bool v)
{
    m_stretch = v;
    Invalidate();
}

void TImage::SetTransparent(bool v)
{
    m_transparent = v;
    PictureChanged(nullptr);
}

QRect TImage::DestRect() const
{
    if (m_stretch)
        return QRect(0, 0, Width(), Height());
    const int w = m_picture->Width(), h = m_picture->Height();
    if (m_center)
        return QRect((Width() - w) / 2, (Height() - h) / 2, w, h);
    return QRect(0, 0, w, h);
}

void TImage::Paint()
{
    QPainter *painter = Canvas()->Painter();
    if (!painter)
        return;
    if (Designing())
        DrawDesignFrame(*painter, ClientRect());
    TGraphic *graphic = m_picture->Graphic();
    if (graphic && !graphic->Empty())
        Canvas()->StretchDraw(DestRect(), graphic);
}

// --- TShape ---------------------------------------------------------------------------------

PTypeInfo TypeInfoTShapeType()
{
    static const TTypeInfo *t = NewEnumType(
        QStringLiteral("TShapeType"),
        {QStringLiteral("stRectangle"), QStringLiteral("stSquare"), QStringLiteral("stRoundRect"),
         QStringLiteral("stRoundSquare"), QStringLiteral("stEllipse"),
         QStringLiteral("stCircle")});
    return t;
}

static TPropTable ShapeProps()
{
    using S = TShape;
    TPropTable t = ControlProps(
        {"Align", "Anchors", "Constraints", "Cursor", "DragCursor", "DragKind", "DragMode",
         "Enabled", "Height", "Hint", "Left", "ParentShowHint", "ShowHint", "Top", "Visible",
         "Width", "OnContextPopup", "OnDragDrop", "OnDragOver", "OnEndDock", "OnEndDrag",
         "OnMouseDown", "OnMouseMove", "OnMouseUp", "OnStartDock", "OnStartDrag"});
    const TPropTable own = {
        Prop<S>("Brush", TBrush::StaticClass()->ClassTypeInfo(), &S::Brush, &S::SetBrush),
        Prop<S>("Pen", TPen::StaticClass()->ClassTypeInfo(), &S::Pen, &S::SetPen),
        Prop<S>("Shape", TypeInfoTShapeType(), &S::Shape, &S::SetShape, stRectangle),
    };
    t.insert(t.end(), own.begin(), own.end());
    return t;
}
Z_DEFINE_CLASS(TShape, TGraphicControl, ShapeProps)

TShape::TShape(TComponent *owner)
    : TGraphicControl(owner), m_pen(new TPen), m_brush(new TBrush)
{
    SetControlStyle(ControlStyle() | csReplicatable);
    SetBounds(0, 0, 65, 65);
    m_pen->OnChange = TNotifyEvent::Of<&TShape::StyleChanged>(this);
    m_brush->OnChange = TNotifyEvent::Of<&TShape::StyleChanged>(this);
}

TShape::~TShape()
{
    Destroying();
    DestroyWidget();
    delete m_pen;
    delete m_brush;
}

void TShape::StyleChanged(TObject *)
{
    Invalidate();
}

void TShape::SetShape(TShapeType shape)
{
    if (shape == m_shape)
        return;
    m_shape = shape;
    Invalidate();
}

QRect TShape::ShapeRect() const
{
    // Half the pen inside the control on every side, so a wide outline is not cut off.
    const int inset = m_pen->Width() / 2;
    int x = inset, y = inset;
    int w = Width() - m_pen->Width(), h = Height() - m_pen->Width();
    if (w < 1 || h < 1) {
        w = std::max(w, 1);
        h = std::max(h, 1);
    }
    if (m_shape == stSquare || m_shape == stRoundSquare || m_shape == stCircle) {
        const int side = std::min(w, h);
        x += (w - side) / 2;
        y += (h - side) / 2;
        w = h = side;
    }
    return QRect(x, y, w, h);
}

void TShape::Paint()
{
    TCanvas *canvas = Canvas();
    canvas->SetPen(m_pen);
    canvas->SetBrush(m_brush);
    const QRect r = ShapeRect();
    const int x2 = r.left() + r.width() + 1, y2 = r.top() + r.height() + 1;
    switch (m_shape) {
    case stRectangle:
    case stSquare:
        canvas->Rectangle(r.left(), r.top(), x2, y2);
        break;
    case stRoundRect:
    case stRoundSquare: {
        QPainter *painter = canvas->Painter();
        if (!painter)
            return;
        // The corners' radius is a quarter of the shorter side, as the classic shape draws.
        const qreal radius = std::min(r.width(), r.height()) / 4.0;
        painter->save();
        painter->setPen(m_pen->ToQPen());
        painter->setBrush(m_brush->ToQBrush());
        painter->drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
        painter->restore();
        break;
    }
    case stEllipse:
    case stCircle:
        canvas->Ellipse(r.left(), r.top(), x2, y2);
        break;
    }
}

// --- TBevel ---------------------------------------------------------------------------------

PTypeInfo TypeInfoTBevelShape()
{
    static const TTypeInfo *t = NewEnumType(
        QStringLiteral("TBevelShape"),
        {QStringLiteral("bsBox"), QStringLiteral("bsFrame"), QStringLiteral("bsTopLine"),
         QStringLiteral("bsBottomLine"), QStringLiteral("bsLeftLine"),
         QStringLiteral("bsRightLine"), QStringLiteral("bsSpacer")});
    return t;
}

PTypeInfo TypeInfoTBevelStyle()
{
    static const TTypeInfo *t = NewEnumType(
        QStringLiteral("TBevelStyle"), {QStringLiteral("bsLowered"), QStringLiteral("bsRaised")});
    return t;
}

static TPropTable BevelProps()
{
    using B = TBevel;
    TPropTable t = ControlProps({"Align", "Anchors", "Constraints", "Cursor", "Height", "Hint",
                                 "Left", "ParentShowHint", "ShowHint", "Top", "Visible",
                                 "Width"});
    t.push_back(Prop<B>("Shape", TypeInfoTBevelShape(), &B::Shape, &B::SetShape,
                        qint64(TBevelShape::bsBox)));
    t.push_back(Prop<B>("Style", TypeInfoTBevelStyle(), &B::Style, &B::SetStyle,
                        qint64(TBevelStyle::bsLowered)));
    return t;
}
Z_DEFINE_CLASS(TBevel, TGraphicControl, BevelProps)

TBevel::TBevel(TComponent *owner) : TGraphicControl(owner)
{
    SetControlStyle(ControlStyle() | csReplicatable);
    SetBounds(0, 0, 50, 50);
}

void TBevel::SetShape(TBevelShape shape)
{
    m_shape = shape;
    Invalidate();
}

void TBevel::SetStyle(TBevelStyle style)
{
    m_style = style;
    Invalidate();
}

void TBevel::Paint()
{
    QPainter *painter = Canvas()->Painter();
    if (!painter)
        return;
    const bool lowered = m_style == TBevelStyle::bsLowered;
    const TColor first = lowered ? clBtnShadow : clBtnHighlight;
    const TColor second = lowered ? clBtnHighlight : clBtnShadow;
    const QColor c1 = ColorToQColor(first), c2 = ColorToQColor(second);
    const int w = Width(), h = Height();
    switch (m_shape) {
    case TBevelShape::bsBox: {
        QRect r(0, 0, w, h);
        Frame3D(*painter, r, first, second, 1);
        break;
    }
    case TBevelShape::bsFrame: {
        // Two rings offset by one pixel make an etched (or embossed) groove.
        QRect outer(0, 0, w - 1, h - 1);
        Frame3D(*painter, outer, first, first, 1);
        QRect inner(1, 1, w - 1, h - 1);
        Frame3D(*painter, inner, second, second, 1);
        break;
    }
    case TBevelShape::bsTopLine:
        painter->fillRect(QRect(0, 0, w, 1), c1);
        painter->fillRect(QRect(0, 1, w, 1), c2);
        break;
    case TBevelShape::bsBottomLine:
        painter->fillRect(QRect(0, h - 2, w, 1), c1);
        painter->fillRect(QRect(0, h - 1, w, 1), c2);
        break;
    case TBevelShape::bsLeftLine:
        painter->fillRect(QRect(0, 0, 1, h), c1);
        painter->fillRect(QRect(1, 0, 1, h), c2);
        break;
    case TBevelShape::bsRightLine:
        painter->fillRect(QRect(w - 2, 0, 1, h), c1);
        painter->fillRect(QRect(w - 1, 0, 1, h), c2);
        break;
    case TBevelShape::bsSpacer:
        if (Designing())
            DrawDesignFrame(*painter, QRect(0, 0, w, h));
        break;
    }
}
