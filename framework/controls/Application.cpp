#include "Application.h"

#include "BoxFrame.h"
#include "Controls.h"
#include "Forms.h"
#include "SafeCall.h"
#include "VirtualKeys.h"

#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>
#include <QWindow>

TApplication *Application = nullptr;

void ShowExceptionMessage(const Exception &error)
{
    if (Application)
        Application->ShowException(error);
    else
        qWarning("%s", error.what());
}

// Turns the window system's input into messages and gives them to the application-wide filter,
// once each: only events on their way into a top-level window are looked at, not again as
// Qt hands them from widget to widget. Events the framework sends itself never pass here.
class TApplication::Filter : public QObject
{
public:
    explicit Filter(TApplication *app) : m_app(app) {}

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!watched->isWindowType())
            return false;
        FollowHint(static_cast<QWindow *>(watched), event);
        if (!m_app->m_onMessage.Assigned())
            return false;
        const QEvent::Type type = event->type();
        TMsg msg;
        if (auto *me = dynamic_cast<QMouseEvent *>(event)) {
            if (!FillMouse(static_cast<QWindow *>(watched), me, msg))
                return false;
        } else if (type == QEvent::KeyPress || type == QEvent::KeyRelease) {
            auto *ke = static_cast<QKeyEvent *>(event);
            msg.hwnd = QApplication::focusWidget();
            if (!msg.hwnd)
                msg.hwnd = TopLevelOf(static_cast<QWindow *>(watched));
            const bool alt = ke->modifiers() & Qt::AltModifier;
            msg.message = type == QEvent::KeyPress ? (alt ? WM_SYSKEYDOWN : WM_KEYDOWN)
                                                   : (alt ? WM_SYSKEYUP : WM_KEYUP);
            msg.wParam = quint64(VirtualKeyOf(ke));
            msg.pt = QCursor::pos();
        } else {
            return false;
        }
        bool handled = false;
        SafeCall([&] { m_app->m_onMessage(msg, handled); });
        return handled;
    }

private:
    static QWidget *TopLevelOf(QWindow *window)
    {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (w->windowHandle() == window)
                return w;
        }
        return nullptr;
    }

    bool FillMouse(QWindow *window, QMouseEvent *me, TMsg &msg)
    {
        QWidget *top = TopLevelOf(window);
        if (!top)
            return false;
        const QPoint inTop = me->position().toPoint();
        QWidget *target = QWidget::mouseGrabber();
        const QEvent::Type type = me->type();
        if (!target && m_pressed && me->buttons() != Qt::NoButton && type != QEvent::MouseButtonPress)
            target = m_pressed;
        if (!target && type == QEvent::MouseButtonRelease && m_pressed)
            target = m_pressed; // the release goes where the press went
        if (!target) {
            target = top->childAt(inTop);
            if (!target)
                target = top;
        }
        if (type == QEvent::MouseButtonPress)
            m_pressed = target;
        else if (type == QEvent::MouseButtonRelease && me->buttons() == Qt::NoButton)
            m_pressed = nullptr;

        msg.hwnd = target;
        msg.pt = me->globalPosition().toPoint();
        const QPoint local = target->mapFromGlobal(msg.pt);
        msg.lParam = MakeLParam(local.x(), local.y());
        msg.wParam = KeyStateWordOf(me->modifiers(), me->buttons());
        const Qt::MouseButton b = me->button();
        const int kind = b == Qt::RightButton ? 1 : b == Qt::MiddleButton ? 2 : 0;
        switch (type) {
        case QEvent::MouseButtonPress:
            msg.message = WM_LBUTTONDOWN + quint32(kind * 3);
            break;
        case QEvent::MouseButtonRelease:
            msg.message = WM_LBUTTONUP + quint32(kind * 3);
            break;
        case QEvent::MouseButtonDblClick:
            msg.message = WM_LBUTTONDBLCLK + quint32(kind * 3);
            break;
        case QEvent::MouseMove:
            msg.message = WM_MOUSEMOVE;
            break;
        default:
            return false;
        }
        return true;
    }

    // The application's hint follows the control under the mouse; only a change of control
    // changes it, as moves inside one control leave the hint alone.
    void FollowHint(QWindow *window, QEvent *event)
    {
        if (event->type() == QEvent::Leave) {
            m_hintControl = nullptr;
            m_app->SetHint(QString());
            return;
        }
        if (event->type() != QEvent::MouseMove)
            return;
        auto *me = static_cast<QMouseEvent *>(event);
        if (me->buttons() != Qt::NoButton)
            return;
        QWidget *top = TopLevelOf(window);
        if (!top)
            return;
        const QPoint inTop = me->position().toPoint();
        QWidget *under = top->childAt(inTop);
        TControl *control = FindControl(under ? under : top);
        // Graphic controls draw on their parent's widget.
        if (auto *parent = ObjectCast<TWinControl>(control)) {
            QWidget *client = parent->ClientWidget();
            TControl *child = client && (client == top || top->isAncestorOf(client))
                ? parent->ControlAtPos(client->mapFrom(top, inTop)) : nullptr;
            if (child && !ObjectCast<TWinControl>(child))
                control = child;
        }
        if (control == m_hintControl)
            return;
        m_hintControl = control; // compared only, never followed
        QString hint;
        for (TControl *c = control; c && hint.isEmpty(); c = c->Parent())
            hint = c->Hint();
        m_app->SetHint(GetLongHint(hint), control);
    }

    TApplication *m_app; // not owned
    QPointer<QWidget> m_pressed;
    const TControl *m_hintControl = nullptr;
};

namespace {

// Tells control and every control inside it, at any depth, of the new hint.
void TellHint(TControl *control, const QString &hint)
{
    SafeCall([&] { control->ApplicationHintChanged(hint); });
    if (auto *parent = ObjectCast<TWinControl>(control)) {
        for (int i = 0; i < parent->ControlCount(); ++i)
            TellHint(parent->Controls(i), hint);
    }
}

} // namespace

QString GetShortHint(const QString &hint)
{
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.left(bar);
}

QString GetLongHint(const QString &hint)
{
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.mid(bar + 1);
}

void TApplication::SetHint(const QString &hint, TControl *source)
{
    if (hint == m_hint)
        return;
    m_hint = hint;
    TCustomForm *form = source ? source->ParentForm() : m_mainForm;
    if (!form)
        return;
    TellHint(form, hint);
}

Z_DEFINE_CLASS(TApplication, TComponent, NoPublishedProps)

TApplication::TApplication(TComponent *owner) : TComponent(owner), m_filter(new Filter(this))
{
    // Before each paint Qt takes from every changed widget the parts that opaque siblings
    // above it cover, looking through all its siblings: quadratic on a form with thousands of
    // controls, where one move of all of them changes each. Siblings are painted in their
    // order anyway, so the result on screen is the same without it. Read at the first paint.
    if (!qEnvironmentVariableIsSet("QT_NO_SUBTRACTOPAQUESIBLINGS"))
        qputenv("QT_NO_SUBTRACTOPAQUESIBLINGS", "1");
    m_title = QCoreApplication::applicationName();
    if (qApp)
        qApp->installEventFilter(m_filter);
    if (!Application)
        Application = this;
}

TApplication::~TApplication()
{
    Destroying();
    DestroyComponents();
    if (qApp)
        qApp->removeEventFilter(m_filter);
    delete m_filter;
    if (Application == this)
        Application = nullptr;
}

void TApplication::Initialize()
{
    m_terminated = false;
}

void TApplication::Run()
{
    if (!m_mainForm)
        return;
    m_mainForm->Show();
    if (!m_terminated)
        QApplication::exec();
}

void TApplication::Terminate()
{
    m_terminated = true;
    QCoreApplication::exit(0);
}

void TApplication::ProcessMessages()
{
    QCoreApplication::processEvents();
}

void TApplication::ProcessNonInputMessages()
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TApplication::ReleaseForm(TCustomForm *form)
{
    // Freed once the handler that asked for it has returned.
    QPointer<QObject> guard(m_filter);
    QTimer::singleShot(0, m_filter, [form, this] {
        for (int i = 0; i < ComponentCount(); ++i) {
            if (Components(i) == form) {
                Free(form);
                return;
            }
        }
        if (form->Owner())
            Free(form);
    });
}

TMessageEvent TApplication::SetOnMessage(const TMessageEvent &filter)
{
    TMessageEvent previous = m_onMessage;
    m_onMessage = filter;
    return previous;
}

int TApplication::MessageBox(const QString &text, const QString &caption, int flags)
{
    if (MessageBoxSeam)
        return MessageBoxSeam(TMessageBoxRequest{text, caption, flags});
    // A message box belongs to the window it speaks for and offers only its close button:
    // a window manager gives a box without these hints the buttons of a main window.
    QMessageBox box(QApplication::activeWindow());
    box.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                       | Qt::WindowCloseButtonHint);
    AskForCloseButtonOnly(&box);
    box.setWindowTitle(caption);
    box.setText(text);
    switch (flags & 0xF0) {
    case MB_ICONERROR: box.setIcon(QMessageBox::Critical); break;
    case MB_ICONQUESTION: box.setIcon(QMessageBox::Question); break;
    case MB_ICONWARNING: box.setIcon(QMessageBox::Warning); break;
    case MB_ICONINFORMATION: box.setIcon(QMessageBox::Information); break;
    default: break;
    }
    switch (flags & 0xF) {
    case MB_YESNO:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case MB_YESNOCANCEL:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    case MB_OKCANCEL:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    default:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    }
    // The box has no owner: closed, it would leave the activation wherever the window system
    // puts it. The window and the control that raised it get the keys back.
    const QPointer<QWidget> active = QApplication::activeWindow();
    const QPointer<QWidget> focused = QApplication::focusWidget();
    const int answer = box.exec();
    if (active && active->isVisible()) {
        active->activateWindow();
        QApplication::setActiveWindow(active);
        if (focused && focused->isVisible() && focused->window() == active)
            focused->setFocus(Qt::OtherFocusReason);
    }
    switch (answer) {
    case QMessageBox::Yes: return IDYES;
    case QMessageBox::No: return IDNO;
    case QMessageBox::Cancel: return IDCANCEL;
    default: return IDOK;
    }
}

void TApplication::ShowException(const Exception &error)
{
    QString text = error.Message();
    if (!text.isEmpty() && !text.endsWith(QLatin1Char('.')))
        text += QLatin1Char('.');
    MessageBox(text, m_title, MB_OK | MB_ICONSTOP);
}

void TApplication::Notification(TComponent *component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == m_mainForm)
        m_mainForm = nullptr;
}

bool ConfirmYesNo(const QString &text)
{
    return Application->MessageBox(text, Application->Title(), MB_YESNO | MB_ICONQUESTION) == IDYES;
}
