// The data-aware image.

#include "ClassicDraw.h"
#include "DBCtrlsShared.h"

#include <QPainter>

using namespace DBCtrlsDetail;

static TPropTable DBImageProps()
{
    using I = TDBImage;
    TPropTable t = WinControlBaseProps();
    AppendProps(t, ControlProps({"Align", "Anchors", "Color", "Constraints", "Ctl3D",
                                 "DragCursor", "DragKind", "DragMode", "Enabled", "Font",
                                 "ParentColor", "ParentCtl3D", "ParentFont", "ParentShowHint",
                                 "PopupMenu", "ShowHint", "TabOrder", "TabStop", "Visible",
                                 "OnClick", "OnContextPopup", "OnDblClick", "OnDragDrop",
                                 "OnDragOver", "OnEndDock", "OnEndDrag", "OnEnter", "OnExit",
                                 "OnKeyDown", "OnKeyPress", "OnKeyUp", "OnMouseDown",
                                 "OnMouseMove", "OnMouseUp", "OnStartDock", "OnStartDrag"}));
    SetPropDefault(t, "Color", clWindow);
    SetPropDefault(t, "ParentColor", 0);
    SetPropDefault(t, "TabStop", 1);
    t.push_back(Prop<I>("AutoDisplay", TypeInfoBoolean(), &I::AutoDisplay, &I::SetAutoDisplay,
                        1));
    t.push_back(Prop<I>("BorderStyle", TypeInfoTBorderStyle(), &I::BorderStyle,
                        &I::SetBorderStyle, bsSingle));
    t.push_back(Prop<I>("Center", TypeInfoBoolean(), &I::Center, &I::SetCenter, 1));
    t.push_back(Prop<I>("QuickDraw", TypeInfoBoolean(), &I::QuickDraw, &I::SetQuickDraw, 1));
    t.push_back(Prop<I>("Stretch", TypeInfoBoolean(), &I::Stretch, &I::SetStretch, 0));
    AppendReadOnlyProp<I>(t);
    AppendDataProps<I>(t);
    return t;
}
Z_DEFINE_CLASS(TDBImage, TCustomControl, DBImageProps)

TDBImage::TDBImage(TComponent *owner) : TDataAwareControl(owner), m_picture(new TPicture)
{
    SetControlStyle(csCaptureMouse | csClickEvents | csOpaque | csDoubleClicks
                    | csReplicatable);
    SetParentColor(false);
    SetColor(clWindow);
    SetTabStop(true);
    SetBounds(0, 0, 105, 105);
    m_picture->OnChange = TNotifyEvent::Of<&TDBImage::PictureChanged>(this);
    m_dataLink.OnDataChange = TNotifyEvent::Of<&TDBImage::DataChange>(this);
}

TDBImage::~TDBImage()
{
    Destroying();
    DestroyWidget();
    delete m_picture;
}

void TDBImage::SetAutoDisplay(bool v)
{
    m_autoDisplay = v;
    Invalidate();
}

void TDBImage::SetBorderStyle(TFormBorderStyle style)
{
    m_borderStyle = style == bsNone ? bsNone : bsSingle;
    Invalidate();
}

void TDBImage::SetCenter(bool v)
{
    m_center = v;
    Invalidate();
}

void TDBImage::SetStretch(bool v)
{
    m_stretch = v;
    Invalidate();
}

void TDBImage::PictureChanged(TObject *)
{
    if (!IsDestroying())
        Invalidate();
}

void TDBImage::DataChange(TObject *)
{
    // No field here holds binary data: the picture stays the control's own, and only the
    // label shown without one follows the field.
    if (!IsDestroying())
        Invalidate();
}

int TDBImage::BorderSize() const
{
    if (m_borderStyle == bsNone)
        return 0;
    return Ctl3D() ? 2 : 1;
}

QRect TDBImage::ClientRect() const
{
    const int b = BorderSize();
    return QRect(b, b, std::max(0, Width() - 2 * b), std::max(0, Height() - 2 * b));
}

QRect TDBImage::PictureRect() const
{
    const QRect client = ClientRect();
    if (m_stretch)
        return client;
    QRect r(client.topLeft(), QSize(m_picture->Width(), m_picture->Height()));
    if (m_center)
        r.moveCenter(client.center());
    return r;
}

void TDBImage::Paint()
{
    QPainter *painter = Canvas()->Painter();
    if (!painter)
        return;
    QRect r(0, 0, Width(), Height());
    if (m_borderStyle == bsSingle) {
        if (Ctl3D()) {
            Frame3D(*painter, r, clBtnShadow, clBtnHighlight, 1);
            Frame3D(*painter, r, cl3DDkShadow, cl3DLight, 1);
        } else {
            Frame3D(*painter, r, clWindowFrame, clWindowFrame, 1);
        }
    }
    painter->fillRect(r, ColorToQColor(Color()));
    if (m_picture->Graphic() && m_picture->Width() > 0) {
        painter->save();
        painter->setClipRect(r);
        if (m_stretch)
            Canvas()->StretchDraw(PictureRect(), m_picture->Graphic());
        else
            Canvas()->Draw(PictureRect().left(), PictureRect().top(), m_picture->Graphic());
        painter->restore();
        return;
    }
    // Without a picture: which image this is, by its field's label or its own name.
    const QString label = Field() ? Field()->DisplayLabel() : Name();
    painter->setFont(Font()->ToQFont());
    DrawControlText(*painter, r, Qt::AlignCenter, QStringLiteral("(%1)").arg(label),
                    Font()->Color(), Enabled());
}
