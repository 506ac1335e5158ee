#include "StressExecutor.h"

#include "StressInput.h"

#include "ControlScrollBar.h"
#include "Forms.h"
#include "StdCtrls.h"
#include "ZeIDE.h"
#include "ZeObjectInspector.h"

#include <QApplication>
#include <QClipboard>
#include <QPointer>
#include <QWidget>

#include <stdexcept>

namespace {

void Click(QWidget *window, const QPoint &p, char button, int mods, TStressContext &context)
{
    const QPointer<QWidget> alive(window);
    SendMouse(window, TMouseVerb::Move, p, button, mods);
    if (alive)
        SendMouse(alive, TMouseVerb::Press, p, button, mods);
    context.Pump();
    if (alive)
        SendMouse(alive, TMouseVerb::Release, p, button, mods);
}

void DoubleClick(QWidget *window, const QPoint &p, char button, int mods)
{
    const QPointer<QWidget> alive(window);
    SendMouse(window, TMouseVerb::Move, p, button, mods);
    for (int i = 0; i < 2 && alive; ++i) {
        SendMouse(alive, TMouseVerb::Press, p, button, mods, true);
        if (alive)
            SendMouse(alive, TMouseVerb::Release, p, button, mods, true);
    }
}

void Drag(QWidget *window, const TStressAction &a, TStressContext &context)
{
    const QPoint from(a.IntArg(1), a.IntArg(2)), to(a.IntArg(3), a.IntArg(4));
    const char button = a.Args.value(5).isEmpty() ? 'L' : a.Args.value(5).at(0).toLatin1();
    const int mods = a.IntArg(6), steps = std::max(1, a.IntArg(7));
    const QPointer<QWidget> alive(window);
    SendMouse(window, TMouseVerb::Move, from, button, mods);
    if (alive)
        SendMouse(alive, TMouseVerb::Press, from, button, mods);
    for (int i = 1; i <= steps && alive; ++i) {
        context.Pump();
        if (alive)
            SendMouse(alive, TMouseVerb::Move, from + (to - from) * i / steps, button, mods);
    }
    if (alive)
        SendMouse(alive, TMouseVerb::Release, to, button, mods);
}

void SetState(QWidget *window, const QString &state)
{
    if (!window->isVisible() && !window->isMinimized())
        return;
    if (state == QLatin1String("min"))
        window->setWindowState(window->windowState() | Qt::WindowMinimized);
    else if (state == QLatin1String("max"))
        window->setWindowState(Qt::WindowMaximized);
    else
        window->setWindowState(Qt::WindowNoState);
}

void AnswerModal(int result, TStressContext &context)
{
    TCustomForm *modal = OpenModalForm();
    if (!modal)
        return;
    // A button that gives this result is pressed as a user presses it; a form without one
    // is closed by its close box.
    for (int i = 0; i < modal->ComponentCount(); ++i) {
        auto *button = ObjectCast<TButton>(modal->Components(i));
        if (button && button->ModalResult() == result && button->Handle()->isVisible()
            && button->Handle()->isEnabled()) {
            QWidget *widget = button->Handle();
            Click(widget->window(), InWindow(widget, widget->rect().center()), 'L', 0, context);
            return;
        }
    }
    modal->Handle()->close();
}

void ActivateUnlessPopup(const QString &name, QWidget *window)
{
    if (name != QLatin1String("popup") && QApplication::activeWindow() != window)
        ActivateWindow(window);
}

} // namespace

void ExecuteStressAction(const TStressAction &a, TStressContext &context)
{
    const QString &verb = a.Verb;
    if (verb == QLatin1String("idle")) {
        context.Pump();
        return;
    }
    if (verb == QLatin1String("reopen")) {
        if (TZeIDEForm *ide = ReadyDesigner())
            ide->Handle()->close(); // as the close box does; the driver opens it again
        return;
    }
    if (verb == QLatin1String("modal")) {
        AnswerModal(a.IntArg(0), context);
        return;
    }
    const QString windowName = a.Args.value(0);
    QWidget *window = StressWindow(windowName, context.Host);
    if (!window || !window->isVisible()) {
        if (verb == QLatin1String("state") && window && window->isMinimized())
            SetState(window, a.Args.value(1));
        return;
    }
    const char button = a.Args.value(3).isEmpty() ? 'L' : a.Args.value(3).at(0).toLatin1();
    const QPoint point(a.IntArg(1), a.IntArg(2));
    // A press outside the window lands on whatever lies beneath it, not on this window (a
    // drag may still end outside: the window keeps the mouse while a button is held).
    const bool pointer = verb == QLatin1String("click") || verb == QLatin1String("dclick")
                         || verb == QLatin1String("drag");
    if (pointer && !window->rect().contains(point))
        return;
    if (verb == QLatin1String("click")) {
        ActivateUnlessPopup(windowName, window);
        Click(window, point, button, a.IntArg(4), context);
    } else if (verb == QLatin1String("dclick")) {
        ActivateUnlessPopup(windowName, window);
        DoubleClick(window, point, button, a.IntArg(4));
    } else if (verb == QLatin1String("drag")) {
        ActivateUnlessPopup(windowName, window);
        Drag(window, a, context);
    } else if (verb == QLatin1String("key")) {
        ActivateUnlessPopup(windowName, window);
        SendKey(window, a.IntArg(1), a.IntArg(2));
    } else if (verb == QLatin1String("type")) {
        ActivateUnlessPopup(windowName, window);
        SendText(window, a.TextArg(1));
    } else if (verb == QLatin1String("paste")) {
        ActivateUnlessPopup(windowName, window);
        QGuiApplication::clipboard()->setText(a.TextArg(1));
        SendKey(window, Qt::Key_V, 2);
    } else if (verb == QLatin1String("state")) {
        SetState(window, a.Args.value(1));
    } else if (verb == QLatin1String("geom")) {
        window->setGeometry(a.IntArg(1), a.IntArg(2), a.IntArg(3), a.IntArg(4));
    } else if (verb == QLatin1String("close")) {
        window->close();
    } else if (verb == QLatin1String("activate")) {
        ActivateWindow(window);
    } else if (verb == QLatin1String("scroll")) {
        if (TZeIDEForm *ide = ReadyDesigner())
            ide->Inspector->sbInspector->VertScrollBar()->SetPosition(a.IntArg(1));
    } else {
        throw std::runtime_error("unknown action: " + a.ToLine().toStdString());
    }
}
