// The up-down buttons: stepping a position within a range, alone or beside an associate.

#include "ComCtrlsRanges.h"

#include "ClassicDraw.h"
#include "ControlProps.h"

#include <QLocale>
#include <QPainter>

#include <algorithm>

PTypeInfo TypeInfoTUDAlignButton()
{
    static const TTypeInfo *t = NewEnumType(QStringLiteral("TUDAlignButton"),
                                            {QStringLiteral("udLeft"), QStringLiteral("udRight")});
    return t;
}

PTypeInfo TypeInfoTUDOrientation()
{
    static const TTypeInfo *t = NewEnumType(
        QStringLiteral("TUDOrientation"),
        {QStringLiteral("udHorizontal"), QStringLiteral("udVertical")});
    return t;
}

PTypeInfo TypeInfoTUDClickEvent()
{
    static const TTypeInfo *t = NewMethodType(
        QStringLiteral("TUDClickEvent"), QStringLiteral("Sender: TObject; Button: TUDBtnType"));
    return t;
}

PTypeInfo TypeInfoTUDChangingEvent()
{
    static const TTypeInfo *t =
        NewMethodType(QStringLiteral("TUDChangingEvent"),
                      QStringLiteral("Sender: TObject; var AllowChange: Boolean"));
    return t;
}

// --- TCustomUpDown --------------------------------------------------------------------------

Z_DEFINE_CLASS(TCustomUpDown, TWinControl, NoPublishedProps)

TCustomUpDown::TCustomUpDown(TComponent *owner) : TWinControl(owner)
{
    SetControlStyle(csCaptureMouse | csDoubleClicks | csFixedWidth);
    SetBounds(0, 0, 16, 24);
}

TCustomUpDown::~TCustomUpDown()
{
    Destroying();
    if (m_associate)
        m_associate->RemoveFreeNotification(this);
}

void TCustomUpDown::SetAssociate(TWinControl *control)
{
    if (control == m_associate)
        return;
    if (control && (control == this || control->Is<TCustomUpDown>()))
        throw EInvalidOperation(QStringLiteral("An up-down cannot be associated with itself "
                                               "or with another up-down"));
    if (m_associate)
        m_associate->RemoveFreeNotification(this);
    m_associate = control;
    if (control) {
        control->FreeNotification(this);
        // The buttons take their room from the associate's side, as the classic control does.
        if (control->Parent() == Parent() && !Designing())
            control->SetWidth(std::max(0, control->Width() - Width()));
        UpdateAssociate();
    }
}

void TCustomUpDown::Notification(TComponent *component, TOperation operation)
{
    TWinControl::Notification(component, operation);
    if (operation == opRemove && component == m_associate)
        m_associate = nullptr;
}

void TCustomUpDown::UpdateAssociate()
{
    if (!m_associate)
        return;
    if (m_associate->Parent() == Parent()) {
        const int left = m_alignButton == udRight ? m_associate->Left() + m_associate->Width()
                                                  : m_associate->Left() - Width();
        SetBounds(left, m_associate->Top(), Width(), m_associate->Height());
    }
    m_associate->SetText(PositionText());
}

QString TCustomUpDown::PositionText() const
{
    QString digits = QString::number(std::abs(qint64(m_position)));
    if (m_thousands) {
        const QString sep = QLocale().groupSeparator();
        for (int i = int(digits.size()) - 3; i > 0; i -= 3)
            digits.insert(i, sep);
    }
    return m_position < 0 ? QStringLiteral("-") + digits : digits;
}

void TCustomUpDown::SetAlignButton(TUDAlignButton align)
{
    m_alignButton = align;
    UpdateAssociate();
}

void TCustomUpDown::SetMin(int v)
{
    m_min = v;
    Invalidate();
}

void TCustomUpDown::SetMax(int v)
{
    m_max = v;
    Invalidate();
}

void TCustomUpDown::SetPosition(int v)
{
    // Min may be above Max: the range runs either way.
    v = std::clamp(v, std::min(m_min, m_max), std::max(m_min, m_max));
    m_position = v;
    if (m_associate)
        m_associate->SetText(PositionText());
}

void TCustomUpDown::SetOrientation(TUDOrientation orientation)
{
    if (orientation == m_orientation)
        return;
    m_orientation = orientation;
    SetBounds(Left(), Top(), Height(), Width());
    Invalidate();
}

void TCustomUpDown::SetThousands(bool v)
{
    m_thousands = v;
    if (m_associate)
        m_associate->SetText(PositionText());
}

void TCustomUpDown::Press(TUDBtnType button)
{
    bool allow = true;
    OnChanging(this, allow);
    if (!allow)
        return;
    const int lo = std::min(m_min, m_max), hi = std::max(m_min, m_max);
    // btNext moves toward Max.
    const int dir = (button == TUDBtnType::btNext) == (m_max >= m_min) ? 1 : -1;
    qint64 next = qint64(m_position) + qint64(dir) * m_increment;
    if (next > hi)
        next = m_wrap ? lo : hi;
    else if (next < lo)
        next = m_wrap ? hi : lo;
    SetPosition(int(next));
    OnClick(this, button);
}

TUDBtnType TCustomUpDown::ButtonAt(int x, int y) const
{
    // Up (vertical) and right (horizontal) are the next button.
    if (m_orientation == udVertical)
        return y < Height() / 2 ? TUDBtnType::btNext : TUDBtnType::btPrev;
    return x >= Width() / 2 ? TUDBtnType::btNext : TUDBtnType::btPrev;
}

void TCustomUpDown::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TWinControl::MouseDown(button, shift, x, y);
    if (button != mbLeft || Designing() || !Enabled())
        return;
    const TUDBtnType which = ButtonAt(x, y);
    m_pressed = int(which);
    Invalidate();
    Press(which);
}

void TCustomUpDown::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    m_pressed = -1;
    Invalidate();
    TWinControl::MouseUp(button, shift, x, y);
}

bool TCustomUpDown::KeyDown(quint16 &key, TShiftState shift)
{
    if (TWinControl::KeyDown(key, shift))
        return true;
    if (!m_arrowKeys)
        return false;
    if (key == VK_UP || key == VK_RIGHT) {
        Press(TUDBtnType::btNext);
        return true;
    }
    if (key == VK_DOWN || key == VK_LEFT) {
        Press(TUDBtnType::btPrev);
        return true;
    }
    return false;
}

void TCustomUpDown::PaintWidget(QPainter &painter)
{
    const bool vertical = m_orientation == udVertical;
    const int w = Width(), h = Height();
    const QRect halves[2] = {
        vertical ? QRect(0, 0, w, h / 2) : QRect(w / 2, 0, w - w / 2, h),   // btNext
        vertical ? QRect(0, h / 2, w, h - h / 2) : QRect(0, 0, w / 2, h), // btPrev
    };
    const QColor ink = ColorToQColor(Enabled() ? clBtnText : clGrayText);
    for (int i = 0; i < 2; ++i) {
        QRect r = halves[i];
        painter.fillRect(r, ColorToQColor(clBtnFace));
        DrawButtonEdge(painter, r, m_pressed == i);
        // A small solid arrow in the middle of the face.
        const QPoint c = r.center() + (m_pressed == i ? QPoint(1, 1) : QPoint(0, 0));
        const int s = std::max(1, std::min(r.width(), r.height()) / 4);
        QPolygon arrow;
        if (vertical && i == int(TUDBtnType::btNext))
            arrow << QPoint(c.x() - s, c.y() + s / 2) << QPoint(c.x() + s, c.y() + s / 2)
                  << QPoint(c.x(), c.y() - s / 2 - 1);
        else if (vertical)
            arrow << QPoint(c.x() - s, c.y() - s / 2) << QPoint(c.x() + s, c.y() - s / 2)
                  << QPoint(c.x(), c.y() + s / 2 + 1);
        else if (i == int(TUDBtnType::btNext))
            arrow << QPoint(c.x() - s / 2, c.y() - s) << QPoint(c.x() - s / 2, c.y() + s)
                  << QPoint(c.x() + s / 2 + 1, c.y());
        else
            arrow << QPoint(c.x() + s / 2, c.y() - s) << QPoint(c.x() + s / 2, c.y() + s)
                  << QPoint(c.x() - s / 2 - 1, c.y());
        painter.save();
        painter.setPen(ink);
        painter.setBrush(ink);
        painter.drawPolygon(arrow);
        painter.restore();
    }
}

static TPropTable UpDownProps()
{
    using U = TUpDown;
    TPropTable t = ControlProps(
        {"Anchors", "Constraints", "Cursor", "Enabled", "Height", "HelpContext", "Hint", "Left",
         "ParentShowHint", "PopupMenu", "ShowHint", "TabOrder", "TabStop", "Top", "Visible",
         "Width", "OnContextPopup", "OnEnter", "OnExit", "OnMouseDown", "OnMouseMove",
         "OnMouseUp"});
    const TPropTable own = {
        Prop<U>("AlignButton", TypeInfoTUDAlignButton(), &U::AlignButton, &U::SetAlignButton,
                udRight),
        Prop<U>("ArrowKeys", TypeInfoBoolean(), &U::ArrowKeys, &U::SetArrowKeys, 1),
        Prop<U>("Associate", TWinControl::StaticClass()->ClassTypeInfo(), &U::Associate,
                &U::SetAssociate),
        Prop<U>("Increment", TypeInfoInteger(), &U::Increment, &U::SetIncrement, 1),
        Prop<U>("Max", TypeInfoSmallInt(), &U::Max, &U::SetMax, 100),
        Prop<U>("Min", TypeInfoSmallInt(), &U::Min, &U::SetMin, 0),
        Prop<U>("Orientation", TypeInfoTUDOrientation(), &U::Orientation, &U::SetOrientation,
                udVertical),
        Prop<U>("Position", TypeInfoSmallInt(), &U::Position, &U::SetPosition, 0),
        Prop<U>("Thousands", TypeInfoBoolean(), &U::Thousands, &U::SetThousands, 1),
        Prop<U>("Wrap", TypeInfoBoolean(), &U::Wrap, &U::SetWrap, 0),
        EventProp<U>("OnChanging", TypeInfoTUDChangingEvent(), &U::OnChanging),
        EventProp<U>("OnClick", TypeInfoTUDClickEvent(), &U::OnClick),
    };
    t.insert(t.end(), own.begin(), own.end());
    return t;
}
Z_DEFINE_CLASS(TUpDown, TCustomUpDown, UpDownProps)

TUpDown::TUpDown(TComponent *owner) : TCustomUpDown(owner) {}
