#include "StressInput.h"

#include "Controls.h"
#include "Forms.h"
#include "Unit1.h"
#include "ZeCodeEditor.h"
#include "ZeDesignForm.h"
#include "ZeIDE.h"
#include "ZeItemEditor.h"
#include "ZeObjectInspector.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>
#include <QWindow>

// The window-system entry points that Qt Test uses for its own window-level events.
Q_GUI_EXPORT void qt_handleMouseEvent(QWindow *window, const QPointF &local,
                                      const QPointF &global, Qt::MouseButtons state,
                                      Qt::MouseButton button, QEvent::Type type,
                                      Qt::KeyboardModifiers mods, int timestamp);
Q_GUI_EXPORT void qt_handleKeyEvent(QWindow *w, QEvent::Type t, int k,
                                    Qt::KeyboardModifiers mods, const QString &text,
                                    bool autorep, ushort count);

namespace {

int g_timestamp = 1000;
Qt::MouseButtons g_buttons;

Qt::KeyboardModifiers Modifiers(int mods)
{
    Qt::KeyboardModifiers result;
    if (mods & 1)
        result |= Qt::ShiftModifier;
    if (mods & 2)
        result |= Qt::ControlModifier;
    if (mods & 4)
        result |= Qt::AltModifier;
    return result;
}

Qt::MouseButton Button(char button)
{
    switch (button) {
    case 'R': return Qt::RightButton;
    case 'M': return Qt::MiddleButton;
    default: return Qt::LeftButton;
    }
}

// The text a key press carries, as a keyboard would produce it.
QString KeyText(int qtKey, Qt::KeyboardModifiers mods)
{
    if (mods & (Qt::ControlModifier | Qt::AltModifier))
        return QString();
    switch (qtKey) {
    case Qt::Key_Return: return QStringLiteral("\r");
    case Qt::Key_Escape: return QStringLiteral("\x1b");
    case Qt::Key_Backspace: return QStringLiteral("\b");
    case Qt::Key_Tab: return QStringLiteral("\t");
    default: break;
    }
    if (qtKey >= Qt::Key_Space && qtKey <= Qt::Key_AsciiTilde) {
        QChar c(qtKey);
        return QString((mods & Qt::ShiftModifier) ? c.toUpper() : c.toLower());
    }
    return QString();
}

} // namespace

TZeIDEForm *ReadyDesigner()
{
    TZeIDEForm *ide = CurrentIDEForm;
    if (!ide || !ide->Modal() || !ide->DesignForm || !ide->DesignForm->Designer()
        || !ide->Inspector || !ide->CodeEditorWindow)
        return nullptr;
    return ide;
}

TCustomForm *OpenModalForm()
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        auto *form = ObjectCast<TCustomForm>(ControlOfWidget(w));
        if (form && form->Modal() && form != CurrentIDEForm && w->isVisible())
            return form;
    }
    return nullptr;
}

QWidget *StressWindow(const QString &name, TForm1 *host)
{
    if (name == QLatin1String("host"))
        return host ? host->Handle() : nullptr;
    if (name == QLatin1String("popup"))
        return QApplication::activePopupWidget();
    if (name == QLatin1String("modal")) {
        TCustomForm *modal = OpenModalForm();
        return modal ? modal->Handle() : nullptr;
    }
    if (name == QLatin1String("items"))
        return OpenItemDialog();
    TZeIDEForm *ide = ReadyDesigner();
    if (!ide)
        return nullptr;
    if (name == QLatin1String("ide"))
        return ide->Handle();
    if (name == QLatin1String("form"))
        return ide->DesignForm->Handle();
    if (name == QLatin1String("insp"))
        return ide->Inspector->Handle();
    if (name == QLatin1String("code"))
        return ide->CodeEditorWindow->Handle();
    return nullptr;
}

QWidget *OpenItemDialog()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && ObjectCast<TZeItemDialog>(ControlOfWidget(window)))
            return window;
    }
    return nullptr;
}

QPoint InWindow(const QWidget *widget, const QPoint &point)
{
    return widget->mapTo(widget->window(), point);
}

void SendMouse(QWidget *window, TMouseVerb verb, const QPoint &point, char button, int mods,
               bool quick)
{
    QWindow *handle = window ? window->windowHandle() : nullptr;
    if (!handle)
        return;
    g_timestamp += quick ? 10 : 700; // apart enough that two clicks make no double-click
    const QPointF global = handle->mapToGlobal(point);
    const Qt::MouseButton which = Button(button);
    QEvent::Type type = QEvent::MouseMove;
    Qt::MouseButton changed = Qt::NoButton;
    if (verb == TMouseVerb::Press) {
        g_buttons |= which;
        type = QEvent::MouseButtonPress;
        changed = which;
    } else if (verb == TMouseVerb::Release) {
        g_buttons &= ~which;
        type = QEvent::MouseButtonRelease;
        changed = which;
    }
    qt_handleMouseEvent(handle, point, global, g_buttons, changed, type, Modifiers(mods),
                        g_timestamp);
}

void SendKey(QWidget *window, int qtKey, int mods)
{
    QWindow *handle = window ? window->windowHandle() : nullptr;
    if (!handle)
        return;
    const Qt::KeyboardModifiers modifiers = Modifiers(mods);
    const QString text = KeyText(qtKey, modifiers);
    const QPointer<QWidget> alive(window);
    qt_handleKeyEvent(handle, QEvent::KeyPress, qtKey, modifiers, text, false, 1);
    // The press may have closed, hidden or freed the window.
    if (QWindow *again = alive ? alive->windowHandle() : nullptr)
        qt_handleKeyEvent(again, QEvent::KeyRelease, qtKey, modifiers, text, false, 1);
}

void SendText(QWidget *window, const QString &text)
{
    const QPointer<QWidget> alive(window);
    for (const QChar c : text) {
        QWindow *handle = alive ? alive->windowHandle() : nullptr;
        if (!handle)
            return;
        const int key = c.toUpper().unicode();
        qt_handleKeyEvent(handle, QEvent::KeyPress, key, {}, QString(c), false, 1);
        if (alive && (handle = alive->windowHandle()))
            qt_handleKeyEvent(handle, QEvent::KeyRelease, key, {}, QString(c), false, 1);
    }
}

void ActivateWindow(QWidget *window)
{
    if (!window || !window->isVisible())
        return;
    window->activateWindow();
    QApplication::setActiveWindow(window);
}
