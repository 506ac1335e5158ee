// The stretch handle's mouse and keyboard: grips, drags with their outline, nudging, and
// clicks passed on to what lies beneath the handle.

#include "Handles.h"

#include "FocusOutline.h"
#include "Forms.h"
#include "MouseCapture.h"
#include "SendMessage.h"

#include <QApplication>
#include <QWidget>

#include <cmath>
#include <cstdlib>
#include <limits>

namespace {

constexpr int NearDistance = 5;      // a grip is "near" a corner or edge below this distance
constexpr double MiddleDistance = 3; // and in its "middle" below this distance from the centre

bool Near(int v, int edge) { return std::abs(v - edge) < NearDistance; }
bool Middle(int v, int extent) { return std::fabs(v - extent * 0.5) < MiddleDistance; }

TCursor GripCursor(int grip)
{
    static constexpr TCursor cursors[] = {crDefault, crSizeNWSE, crSizeNESW, crSizeNESW,
                                          crSizeNWSE, crSizeNS, crSizeWE, crSizeNS, crSizeWE};
    return grip >= 0 && grip <= 8 ? cursors[grip] : crDefault;
}

quint32 ButtonMessage(bool down, TMouseButton button)
{
    switch (button) {
    case mbRight:
        return down ? WM_RBUTTONDOWN : WM_RBUTTONUP;
    case mbMiddle:
        return down ? WM_MBUTTONDOWN : WM_MBUTTONUP;
    default:
        return down ? WM_LBUTTONDOWN : WM_LBUTTONUP;
    }
}

} // namespace

int TStretchHandle::GripAt(int x, int y, TCursor &cursor) const
{
    cursor = crDefault;
    if (TargetCount() != 1)
        return 0;
    const int w = ClientWidth(), h = ClientHeight();
    // Tested in this order; a later match wins over an earlier one.
    const bool matches[] = {
        false,
        Near(x, 0) && Near(y, 0), // 1
        Near(x, w) && Near(y, 0), // 2
        Near(x, 0) && Near(y, h), // 3
        Near(x, w) && Near(y, h), // 4
        Middle(x, w) && Near(y, 0), // 5
        Near(x, 0) && Middle(y, h), // 6
        Middle(x, w) && Near(y, h), // 7
        Near(x, w) && Middle(y, h), // 8
    };
    static constexpr int order[] = {1, 4, 2, 3, 5, 7, 6, 8};
    int grip = 0;
    for (int g : order) {
        if (matches[g])
            grip = g;
    }
    cursor = GripCursor(grip);
    return grip;
}

QPoint TStretchHandle::ClampToParent(int x, int y) const
{
    if (!Parent())
        return QPoint(x, y);
    const int pw = Parent()->Width(), ph = Parent()->Height();
    if (x + Left() < 0)
        x = -Left();
    else if (x + Left() > pw)
        x = pw - Left();
    if (y + Top() < 0)
        y = -Top();
    else if (y + Top() > ph)
        y = ph - Top();
    return QPoint(x, y);
}

// The edges that a grip drags move with the mouse by exactly its movement; with snapping, the
// targets' own edges (a margin inside the box) land on the grid. The box never gets smaller
// than MinimumBoxSize.
QRect TStretchHandle::DragBounds(int x, int y) const
{
    const int dx = x - m_dragOriginX, dy = y - m_dragOriginY;
    const int l = Left(), t = Top(), w = Width(), h = Height();
    const int right = l + w, bottom = t + h;
    const int movedLeft = SnapX(l + Margin + dx) - Margin;
    const int movedTop = SnapY(t + Margin + dy) - Margin;
    const int movedRight = SnapX(right - Margin + dx) + Margin;
    const int movedBottom = SnapY(bottom - Margin + dy) + Margin;

    int nl = l, nt = t, nw = w, nh = h;
    switch (m_grip) {
    case 1:
        nl = movedLeft, nt = movedTop, nw = right - nl, nh = bottom - nt;
        break;
    case 2:
        nt = movedTop, nw = movedRight - l, nh = bottom - nt;
        break;
    case 3:
        nl = movedLeft, nw = right - nl, nh = movedBottom - t;
        break;
    case 4:
        nw = movedRight - l, nh = movedBottom - t;
        break;
    case 5:
        nt = movedTop, nh = bottom - nt;
        break;
    case 6:
        nl = movedLeft, nw = right - nl;
        break;
    case 7:
        nh = movedBottom - t;
        break;
    case 8:
        nw = movedRight - l;
        break;
    default:
        nl = movedLeft, nt = movedTop;
        break;
    }
    return QRect(nl, nt, std::max(nw, MinimumBoxSize), std::max(nh, MinimumBoxSize));
}

void TStretchHandle::DrawDragOutline(bool wanted, int x, int y)
{
    TWinControl *parent = Parent();
    // The outline runs where the targets' edges will be, a margin inside the handle box.
    auto outlineOf = [](const QRect &box) {
        return box.adjusted(Margin, Margin, -Margin, -Margin);
    };
    if (!m_outlineRect.isNull()) {
        DrawFocusOutline(parent, outlineOf(m_outlineRect));
        m_outlineRect = QRect();
    }
    if (wanted) {
        m_outlineRect = DragBounds(x, y);
        DrawFocusOutline(parent, outlineOf(m_outlineRect));
    } else {
        if (parent)
            parent->Invalidate();
        Invalidate();
    }
}

void TStretchHandle::CancelDrag()
{
    if (!m_dragging && m_outlineRect.isNull())
        return;
    m_dragging = false;
    DrawDragOutline(false, 0, 0);
    SetCursor(crDefault);
}

void TStretchHandle::ForwardClick(bool down, TMouseButton button, const QPoint &point)
{
    TWinControl *parent = Parent();
    if (!parent)
        return;
    const quint32 message = ButtonMessage(down, button);
    for (int i = 0; i < parent->ControlCount(); ++i) {
        auto *child = ObjectCast<TWinControl>(parent->Controls(i));
        if (!child || child->Is<TStretchHandle>() || !child->BoundsRect().contains(point))
            continue;
        SendMessage(child, message, 0, MakeLParam(point.x() - child->Left(),
                                                  point.y() - child->Top()));
        return;
    }
    SendMessage(parent, message, 0, MakeLParam(point.x(), point.y()));
}

bool TStretchHandle::PressOnOwnWindow(const QPoint &point) const
{
    // The window under the press decides: a window over the design form, or beside it, is not
    // the design form even where the handle's capture brings its press here.
    if (!HandleAllocated())
        return false;
    QWidget *own = const_cast<TStretchHandle *>(this)->Handle()->window();
    return QApplication::topLevelAt(ClientToScreen(point)) == own;
}

void TStretchHandle::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    const QPoint inParent(x + Left(), y + Top());
    if (!PressOnOwnWindow(QPoint(x, y))) {
        // A press on another window, reaching the handle only through a capture it held:
        // not the handle's; the capture goes.
        ReleaseCapture();
        return;
    }
    if (!PointInTargets(inParent)) {
        SetCursor(crDefault);
        ForwardClick(true, button, inParent);
        return;
    }
    if (button == mbLeft && !m_locked) {
        m_dragOriginX = x;
        m_dragOriginY = y;
        m_dragging = true;
        // Held for the drag: a control that takes the mouse away ends the drag cleanly.
        SetCaptureControl(this);
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TStretchHandle::MouseMove(TShiftState shift, int x, int y)
{
    const bool left = shift & ssLeft;
    if (left && !m_dragging && !m_locked) {
        // A drag that starts from the capture taken when the control was selected.
        m_dragOriginX = x;
        m_dragOriginY = y;
        m_dragging = true;
    } else {
        if (!left) {
            if (GetCaptureControl() == this)
                ReleaseCapture();
            // The button went up elsewhere: the drag was cut short.
            CancelDrag();
        }
        TCursor cursor = crDefault;
        const int grip = GripAt(x, y, cursor);
        if (m_locked)
            cursor = crNo;
        if (m_dragging) {
            const QPoint p = ClampToParent(x, y);
            cursor = m_grip == 0 ? DragCursor() : GripCursor(m_grip);
            SetCursor(cursor);
            DrawDragOutline(true, p.x(), p.y());
        } else {
            m_grip = grip;
            SetCursor(cursor);
        }
    }
    TCustomControl::MouseMove(shift, x, y);
}

void TStretchHandle::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (!m_dragging || button != mbLeft) {
        if (GetCaptureControl() == this)
            ReleaseCapture();
        ForwardClick(false, button, QPoint(x + Left(), y + Top()));
        return;
    }
    const QPoint p = ClampToParent(x, y);
    if (p != QPoint(m_dragOriginX, m_dragOriginY)) {
        Invalidate();
        const QRect bounds = DragBounds(p.x(), p.y());
        DrawDragOutline(false, 0, 0); // before the targets move, while the parent is the same
        SetBounds(bounds.left(), bounds.top(), bounds.width(), bounds.height());
    }
    DrawDragOutline(false, 0, 0);
    if (Visible() && Enabled() && CanFocus())
        SetFocus();
    m_dragging = false;
    SetCursor(crDefault);
    ReleaseCapture();
    TCustomControl::MouseUp(button, shift, x, y);
}

bool TStretchHandle::KeyDown(quint16 &key, TShiftState shift)
{
    int dx = 0, dy = 0;
    switch (key) {
    case VK_LEFT: dx = -1; break;
    case VK_UP: dy = -1; break;
    case VK_RIGHT: dx = 1; break;
    case VK_DOWN: dy = 1; break;
    default: break;
    }
    const bool arrow = dx != 0 || dy != 0;
    if (arrow) {
        Invalidate();
        // At the end of the coordinate range the box stays where it is.
        const auto step = [](int v, int d) {
            return int(std::clamp<qint64>(qint64(v) + d, std::numeric_limits<int>::min(),
                                          std::numeric_limits<int>::max()));
        };
        SetBounds(step(Left(), dx), step(Top(), dy), Width(), Height());
    }
    if (TCustomControl::KeyDown(key, shift) || arrow)
        return true;
    // The arrows are the handle's own; any other key is the form's, as if the selected
    // controls had it (Escape and Delete work on the selection).
    TCustomForm *form = ParentForm();
    return form && form->KeyDown(key, shift);
}
