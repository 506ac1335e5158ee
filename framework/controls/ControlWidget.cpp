#include "ControlWidget.h"

#include "Controls.h"
#include "Forms.h"
#include "Menus.h"
#include "MouseCapture.h"
#include "SafeCall.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QEvent>
#include <QHash>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

namespace {

QHash<const QWidget *, TControl *> &Registry()
{
    static QHash<const QWidget *, TControl *> registry;
    return registry;
}

TMouseButton ButtonOf(Qt::MouseButton b)
{
    switch (b) {
    case Qt::RightButton:
        return mbRight;
    case Qt::MiddleButton:
        return mbMiddle;
    default:
        return mbLeft;
    }
}

bool IsInputEvent(QEvent::Type t)
{
    switch (t) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ContextMenu:
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride:
        return true;
    default:
        return false;
    }
}

TMsg MessageOf(QWidget *widget, QEvent *event)
{
    TMsg msg;
    msg.hwnd = widget;
    if (auto *me = dynamic_cast<QMouseEvent *>(event)) {
        const QPoint local = me->position().toPoint();
        msg.pt = me->globalPosition().toPoint();
        msg.lParam = MakeLParam(local.x(), local.y());
        msg.wParam = KeyStateWordOf(me->modifiers(), me->buttons() | me->button());
        const bool left = me->button() == Qt::LeftButton;
        const bool right = me->button() == Qt::RightButton;
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            msg.message = left ? WM_LBUTTONDOWN : right ? WM_RBUTTONDOWN : WM_MBUTTONDOWN;
            break;
        case QEvent::MouseButtonRelease:
            msg.message = left ? WM_LBUTTONUP : right ? WM_RBUTTONUP : WM_MBUTTONUP;
            break;
        case QEvent::MouseButtonDblClick:
            msg.message = left ? WM_LBUTTONDBLCLK : right ? WM_RBUTTONDBLCLK : WM_MBUTTONDBLCLK;
            break;
        default:
            msg.message = WM_MOUSEMOVE;
            break;
        }
    } else if (auto *ke = dynamic_cast<QKeyEvent *>(event)) {
        msg.message = event->type() == QEvent::KeyRelease ? WM_KEYUP : WM_KEYDOWN;
        msg.wParam = quint64(VirtualKeyOf(ke));
    }
    return msg;
}

// Sees the events of every control's widget.
class Bridge : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *widget = static_cast<QWidget *>(watched);
        TControl *control = Registry().value(widget);
        if (!control)
            return false;
        bool handled = false;
        SafeCall([&] { handled = Dispatch(widget, control, event); });
        return handled;
    }

private:
    static bool Dispatch(QWidget *widget, TControl *control, QEvent *event)
    {
        const QEvent::Type type = event->type();
        if (control->Designing() && IsInputEvent(type) && !control->Is<TCustomForm>()
            && !(control->ControlStyle() & csDesignInteractive)) {
            // Inert at design time: the designer may look at the message, nobody else gets it.
            TCustomForm *form = control->ParentForm();
            if (form) {
                if (TDesigner *designer = form->Designer()) {
                    TMsg msg = MessageOf(widget, event);
                    if (designer->FilterDesignMessage(control, msg))
                        return true;
                }
            }
            // A key the inert control cannot use goes on to the form, whose own key handling
            // (Escape, Delete, the tool keys) works wherever the focus is on it.
            if (form && (type == QEvent::KeyPress || type == QEvent::KeyRelease))
                DispatchKey(form, static_cast<QKeyEvent *>(event));
            return true;
        }
        switch (type) {
        case QEvent::MouseButtonPress: {
            auto *me = static_cast<QMouseEvent *>(event);
            const QPoint p = me->position().toPoint();
            control->MouseDown(ButtonOf(me->button()), ShiftStateOf(me->modifiers(), me->buttons()),
                               p.x(), p.y());
            return false;
        }
        case QEvent::MouseButtonRelease: {
            auto *me = static_cast<QMouseEvent *>(event);
            const QPoint p = me->position().toPoint();
            control->MouseUp(ButtonOf(me->button()),
                             ShiftStateOf(me->modifiers(), me->buttons() | me->button()), p.x(),
                             p.y());
            // The capture a press took ends when the last button is let go.
            if (me->buttons() == Qt::NoButton && QWidget::mouseGrabber() == widget)
                ReleaseCapture();
            return false;
        }
        case QEvent::MouseButtonDblClick: {
            // Qt replaces the second press of a double click by this event; the control still
            // sees that press (marked as double), then the double click.
            auto *me = static_cast<QMouseEvent *>(event);
            const QPoint p = me->position().toPoint();
            control->MouseDown(ButtonOf(me->button()),
                               ShiftStateOf(me->modifiers(), me->buttons()) | ssDouble, p.x(),
                               p.y());
            if (control->ControlStyle() & csDoubleClicks)
                control->DblClick();
            return false;
        }
        case QEvent::MouseMove: {
            auto *me = static_cast<QMouseEvent *>(event);
            const QPoint p = me->position().toPoint();
            control->MouseMove(ShiftStateOf(me->modifiers(), me->buttons()), p.x(), p.y());
            return false;
        }
        case QEvent::Move:
        case QEvent::Resize:
            if (widget->isWindow())
                control->WidgetMoved(widget->frameGeometry());
            return false;
        case QEvent::KeyPress:
        case QEvent::KeyRelease: {
            auto *win = dynamic_cast<TWinControl *>(control);
            if (!win || PassedThroughClient(win, widget))
                return false;
            // A key belongs to the control with the focus. When that control leaves it unused,
            // Qt offers it to the parent widgets as well; those controls must not take it (nor
            // show it to their form's key preview) a second time.
            if (const QWidget *focus = QApplication::focusWidget();
                focus && focus->window() == widget->window() && FindControl(focus) != control)
                return false;
            const bool consumed = DispatchKey(win, static_cast<QKeyEvent *>(event));
            // A form is a key's last stop: the window widget around its client area must not
            // take the key a second time.
            return consumed || (win->Is<TCustomForm>() && widget == win->ClientWidget());
        }
        case QEvent::ContextMenu:
            return PopUpContextMenu(control, static_cast<QContextMenuEvent *>(event));
        case QEvent::WindowActivate:
        case QEvent::WindowDeactivate:
            // Every widget of the window hears of it; the form is told once, by its window.
            if (auto *form = dynamic_cast<TCustomForm *>(control); form && widget->isWindow()) {
                if (type == QEvent::WindowActivate)
                    form->OnActivate(form);
                else
                    form->OnDeactivate(form);
            }
            return false;
        default:
            return false;
        }
    }

public:
    // The focus moved from one control to another of the same window: the one left hears
    // OnExit, the one entered OnEnter. Focus going to or coming from another window (a
    // message box, a popup) is no exit.
    static void FocusChanged(QWidget *old, QWidget *now)
    {
        if (!old || !now || old->window() != now->window())
            return;
        QPointer<QWidget> next = now;
        auto *from = dynamic_cast<TWinControl *>(FindControl(old));
        auto *to = dynamic_cast<TWinControl *>(FindControl(now));
        if (from == to)
            return;
        if (from)
            SafeCall([&] { from->OnExit(from); });
        if (!next)
            return;
        to = dynamic_cast<TWinControl *>(FindControl(next));
        if (to && next->hasFocus())
            SafeCall([&] { to->OnEnter(to); });
    }

    // Key down (with its character) or key up; true when the control used the key.
    static bool DispatchKey(TWinControl *win, QKeyEvent *ke)
    {
        quint16 key = quint16(VirtualKeyOf(ke));
        const TShiftState shift = ShiftStateOf(ke->modifiers(), Qt::NoButton);
        const bool press = ke->type() == QEvent::KeyPress;
        // A key without a virtual key code (a character typed through an input method or
        // sent by a program) has no key-down for OnKeyDown: only its character goes on.
        bool consumed = key != 0 && (press ? win->KeyDown(key, shift) : win->KeyUp(key, shift));
        if (!consumed && press && !ke->text().isEmpty()) {
            QChar ch = ke->text().at(0);
            consumed = win->KeyPress(ch);
        }
        return consumed;
    }

    // A control with a separate client widget (a form) sees a key at its client first; when
    // the unused key travels on to the outer widget it must not be handled a second time.
    static bool PassedThroughClient(TWinControl *win, QWidget *widget)
    {
        QWidget *client = win->ClientWidget();
        if (!client || client == widget || !widget->isAncestorOf(client))
            return false;
        QWidget *focus = QApplication::focusWidget();
        return focus && (focus == client || client->isAncestorOf(focus));
    }

    // The control's popup menu, or its nearest parent's, shows where the user asked for it;
    // OnContextPopup may take the request over.
    static bool PopUpContextMenu(TControl *control, QContextMenuEvent *event)
    {
        bool handled = false;
        control->OnContextPopup(control, event->pos(), handled);
        if (handled)
            return true;
        for (TControl *c = control; c; c = c->Parent()) {
            TPopupMenu *menu = c->PopupMenu();
            if (menu && menu->AutoPopup()) {
                menu->SetPopupComponent(c);
                menu->Popup(event->globalPos().x(), event->globalPos().y());
                return true;
            }
        }
        return false;
    }
};

Bridge &TheBridge()
{
    static Bridge bridge;
    static const bool watchingFocus = [] {
        QObject::connect(qApp, &QApplication::focusChanged, &bridge, &Bridge::FocusChanged);
        return true;
    }();
    (void)watchingFocus;
    return bridge;
}

} // namespace

TControlWidget::TControlWidget(TControl *control, QWidget *parent)
    : QWidget(parent), m_control(control)
{
}

void TControlWidget::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    SafeCall([&] { m_control->PaintWidgetArea(painter, event->rect()); });
}

void TControlWidget::mousePressEvent(QMouseEvent *event)
{
    event->accept();
}

void TControlWidget::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
}

void TControlWidget::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
}

void TControlWidget::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
}

namespace WidgetBridge {

void Attach(QWidget *widget, TControl *control)
{
    Registry().insert(widget, control);
    widget->installEventFilter(&TheBridge());
}

void Detach(QWidget *widget)
{
    widget->removeEventFilter(&TheBridge());
    Registry().remove(widget);
}

TControl *ControlOf(const QWidget *widget)
{
    return Registry().value(widget);
}

} // namespace WidgetBridge
