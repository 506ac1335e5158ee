#include "SendMessage.h"

#include "Controls.h"

#include <QApplication>
#include <QMouseEvent>

namespace {

// The button and whether it is pressed or released, from a button message.
bool DecodeButtonMessage(quint32 message, Qt::MouseButton &button, QEvent::Type &type)
{
    switch (message) {
    case WM_LBUTTONDOWN: button = Qt::LeftButton; type = QEvent::MouseButtonPress; return true;
    case WM_LBUTTONUP: button = Qt::LeftButton; type = QEvent::MouseButtonRelease; return true;
    case WM_RBUTTONDOWN: button = Qt::RightButton; type = QEvent::MouseButtonPress; return true;
    case WM_RBUTTONUP: button = Qt::RightButton; type = QEvent::MouseButtonRelease; return true;
    case WM_MBUTTONDOWN: button = Qt::MiddleButton; type = QEvent::MouseButtonPress; return true;
    case WM_MBUTTONUP: button = Qt::MiddleButton; type = QEvent::MouseButtonRelease; return true;
    default: return false;
    }
}

Qt::MouseButtons ButtonsOf(quint64 keyState)
{
    Qt::MouseButtons buttons;
    if (keyState & MK_LBUTTON)
        buttons |= Qt::LeftButton;
    if (keyState & MK_RBUTTON)
        buttons |= Qt::RightButton;
    if (keyState & MK_MBUTTON)
        buttons |= Qt::MiddleButton;
    return buttons;
}

Qt::KeyboardModifiers ModifiersOf(quint64 keyState)
{
    Qt::KeyboardModifiers modifiers;
    if (keyState & MK_SHIFT)
        modifiers |= Qt::ShiftModifier;
    if (keyState & MK_CONTROL)
        modifiers |= Qt::ControlModifier;
    return modifiers;
}

} // namespace

bool SendMessage(TControl *control, quint32 message, quint64 wParam, qint64 lParam)
{
    Qt::MouseButton button = Qt::NoButton;
    QEvent::Type type = QEvent::None;
    if (!control || !DecodeButtonMessage(message, button, type))
        return false;
    auto *win = dynamic_cast<TWinControl *>(control);
    QWidget *widget = win ? win->ClientWidget() : control->Handle();
    if (!widget)
        return false;
    const QPoint local = PointFromLParam(lParam);
    Qt::MouseButtons buttons = ButtonsOf(wParam);
    // A press holds its button down; a release has let it go.
    if (type == QEvent::MouseButtonPress)
        buttons |= button;
    else
        buttons &= ~button;
    QMouseEvent event(type, QPointF(local), QPointF(widget->mapToGlobal(local)), button, buttons,
                      ModifiersOf(wParam));
    QApplication::sendEvent(widget, &event);
    // A control that captures the mouse takes the capture with the press, as it would for a
    // press of the real button, so that the moves that follow reach it.
    if (type == QEvent::MouseButtonPress && (control->ControlStyle() & csCaptureMouse)
        && widget->isVisible())
        widget->grabMouse();
    return true;
}
