#include "Forms.h"

#include "ControlProps.h"

#include "Application.h"
#include "BoxFrame.h"
#include "ControlScrollBar.h"
#include "ControlWidget.h"
#include "Menus.h"
#include "SafeCall.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QInputMethod>
#include <QMenuBar>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <algorithm>

// The largest window the window system holds; the property keeps what the user gave.
static constexpr int kMaxWindowExtent = 32767;

// The client area of a form. The form draws nothing that shows the focus, so it is not
// repainted when it takes or loses the focus as a plain widget is: that would repaint every
// control on the form at each click that moves the focus through it.
class TFormClientWidget : public TControlWidget
{
public:
    using TControlWidget::TControlWidget;

protected:
    void focusInEvent(QFocusEvent *) override {}
    void focusOutEvent(QFocusEvent *) override
    {
        // What a plain widget does on leaving, but for its repaint.
        if (qApp->autoSipEnabled() && testAttribute(Qt::WA_InputMethodEnabled))
            QGuiApplication::inputMethod()->hide();
    }
};

// The top-level widget of a form: an optional menu bar above the client area, where the
// children's widgets live.
class TFormWidget : public QWidget
{
public:
    TFormWidget(TCustomForm *form, Qt::WindowFlags flags)
        : QWidget(nullptr, flags), m_form(form), m_client(new TFormClientWidget(form, this))
    {
        m_client->setFocusPolicy(Qt::ClickFocus);
        m_client->setAutoFillBackground(false);
        m_frameWatch.setInterval(kFrameWatchInterval);
        QObject::connect(&m_frameWatch, &QTimer::timeout, [this] {
            const bool settled = ++m_frameTicks >= kFrameWatchTicks;
            if (settled)
                m_frameWatch.stop();
            SafeCall([&] { m_form->CheckFrame(settled); });
        });
    }

    QWidget *Client() const { return m_client; }
    QMenuBar *MenuBar() const { return m_menuBar; }
    void SetMenuBar(QMenuBar *bar)
    {
        delete m_menuBar;
        m_menuBar = bar;
        if (bar) {
            bar->setParent(this);
            bar->show();
        }
        LayOut();
    }
    int MenuHeight() const { return m_menuBar ? m_menuBar->sizeHint().height() : 0; }
    void LayOut()
    {
        const int mh = MenuHeight();
        if (m_menuBar)
            m_menuBar->setGeometry(0, 0, width(), mh);
        m_client->setGeometry(0, mh, width(), std::max(0, height() - mh));
    }

protected:
    void resizeEvent(QResizeEvent *) override { LayOut(); }
    void closeEvent(QCloseEvent *event) override
    {
        // The form decides: it hides itself, ends its modal loop or ignores the request.
        event->ignore();
        SafeCall([&] { m_form->WidgetCloseRequested(); });
    }
    void changeEvent(QEvent *event) override
    {
        if (event->type() == QEvent::WindowStateChange)
            SafeCall([&] { m_form->WidgetStateChanged(windowState()); });
        QWidget::changeEvent(event);
    }
    void showEvent(QShowEvent *) override
    {
        SafeCall([&] { m_form->WidgetShown(true); });
        // Under X11 a window manager frames a window some time after it is mapped, and Qt
        // learns the frame's size later still, without telling. For a while after each showing
        // the form looks at its frame and puts its outer bounds back around it. Without a
        // manager no frame ever comes, and the program goes idle at once.
        if (QGuiApplication::platformName() == QLatin1String("xcb") && WindowManagerRuns()) {
            m_form->m_framePending = true;
            m_frameTicks = 0;
            m_frameWatch.start();
        }
    }
    void hideEvent(QHideEvent *) override
    {
        SafeCall([&] { m_form->WidgetShown(false); });
    }

private:
    // A window manager frames a window within milliseconds; a busy machine may take longer.
    static constexpr int kFrameWatchInterval = 50;
    static constexpr int kFrameWatchTicks = 30;

    TCustomForm *m_form;    // not owned: the form owns this widget
    QWidget *m_client;      // child widget
    QMenuBar *m_menuBar = nullptr; // child widget, made by the main menu
    QTimer m_frameWatch;
    int m_frameTicks = 0;
};

PTypeInfo TypeInfoTFormBorderStyle()
{
    static const TTypeInfo *t = NewEnumType(
        QStringLiteral("TFormBorderStyle"),
        {QStringLiteral("bsNone"), QStringLiteral("bsSingle"), QStringLiteral("bsSizeable"),
         QStringLiteral("bsDialog"), QStringLiteral("bsToolWindow"),
         QStringLiteral("bsSizeToolWin")});
    return t;
}

PTypeInfo TypeInfoTPosition()
{
    static const TTypeInfo *t = NewEnumType(
        QStringLiteral("TPosition"),
        {QStringLiteral("poDesigned"), QStringLiteral("poDefault"),
         QStringLiteral("poDefaultPosOnly"), QStringLiteral("poDefaultSizeOnly"),
         QStringLiteral("poScreenCenter"), QStringLiteral("poDesktopCenter"),
         QStringLiteral("poMainFormCenter"), QStringLiteral("poOwnerFormCenter")});
    return t;
}

PTypeInfo TypeInfoTWindowState()
{
    static const TTypeInfo *t = NewEnumType(
        QStringLiteral("TWindowState"), {QStringLiteral("wsNormal"), QStringLiteral("wsMinimized"),
                                         QStringLiteral("wsMaximized")});
    return t;
}

PTypeInfo TypeInfoTFormStyle()
{
    static const TTypeInfo *t = NewEnumType(
        QStringLiteral("TFormStyle"), {QStringLiteral("fsNormal"), QStringLiteral("fsMDIChild"),
                                       QStringLiteral("fsMDIForm"), QStringLiteral("fsStayOnTop")});
    return t;
}

PTypeInfo TypeInfoTCloseEvent()
{
    static const TTypeInfo *t =
        NewMethodType(QStringLiteral("TCloseEvent"),
                      QStringLiteral("Sender: TObject; var Action: TCloseAction"));
    return t;
}

PTypeInfo TypeInfoTCloseQueryEvent()
{
    static const TTypeInfo *t = NewMethodType(
        QStringLiteral("TCloseQueryEvent"), QStringLiteral("Sender: TObject; var CanClose: Boolean"));
    return t;
}

Z_DEFINE_CLASS(TDesigner, TObject, NoPublishedProps)

static TPropTable CustomFormProps()
{
    return {};
}
Z_DEFINE_CLASS(TCustomForm, TScrollingWinControl, CustomFormProps)

TCustomForm::TCustomForm(TComponent *owner)
    : TScrollingWinControl(owner), m_canvas(new TCanvas), m_icon(new TIcon)
{
    SetVisible(false);
    SetParentColor(false);
    SetColor(clBtnFace);
    SetParentFont(false);
    SetControlStyle(csAcceptsControls | csCaptureMouse | csClickEvents | csSetCaption
                    | csDoubleClicks);
    TScrollingWinControl::SetBounds(0, 0, 320, 240);
    m_normalBounds = BoundsRect();
}

TCustomForm::~TCustomForm()
{
    Destroying();
    if (m_menu)
        m_menu->RemoveFreeNotification(this);
    // Owned components go while the form is still a form, so that their notifications reach a
    // live designer and a live form. The window is not painted again: held, it is not marked
    // for painting once for each control that leaves it, which grew as the square of their
    // number.
    if (m_widget)
        m_widget->setUpdatesEnabled(false);
    DestroyComponents();
    if (m_widget) // the client widget goes with the form's widget; forget it now
        WidgetBridge::Detach(FormWidget()->Client());
    delete m_canvas;
    delete m_icon;
}

void TCustomForm::DoCreate()
{
    SafeCall([this] { OnCreate(this); });
}

void TCustomForm::BeforeDestruction()
{
    TScrollingWinControl::BeforeDestruction();
    OnDestroy(this);
}

TFormWidget *TCustomForm::FormWidget() const
{
    return static_cast<TFormWidget *>(m_widget);
}

QWidget *TCustomForm::CreateWidget(QWidget *)
{
    auto *w = new TFormWidget(this, Qt::Window);
    WidgetBridge::Attach(w->Client(), this);
    // Hints show over any of the program's windows, not only over the active one: a tool
    // window's buttons are pointed at while the user works in another window.
    w->setAttribute(Qt::WA_AlwaysShowToolTips);
    return w;
}

void TCustomForm::InitWidget()
{
    FormWidget()->setWindowTitle(m_text);
    ApplyWindowFlags();
    if (m_menu)
        FormWidget()->SetMenuBar(m_menu->CreateMenuBar());
    ColorChanged();
    TScrollingWinControl::InitWidget();
    ApplyFrameGeometry();
    Realign();
}

void TCustomForm::ApplyWindowFlags()
{
    if (!m_widget)
        return;
    Qt::WindowFlags flags = Qt::Window;
    switch (m_borderStyle) {
    case bsNone:
        flags |= Qt::FramelessWindowHint;
        break;
    case bsDialog:
        flags = Qt::Dialog;
        break;
    case bsToolWindow:
    case bsSizeToolWin:
        // A tool window stacks among the program's other windows as any window does, with
        // only a close button. (X11 window managers keep a window of the tool type above every
        // other window of its program, where it would hide a form being designed.)
        flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                | Qt::WindowCloseButtonHint;
        break;
    default:
        break;
    }
    if (m_formStyle == fsStayOnTop)
        flags |= Qt::WindowStaysOnTopHint;
    const bool wasVisible = m_widget->isVisible();
    m_widget->setWindowFlags(flags);
    if (wasVisible)
        m_widget->show();
}

void TCustomForm::SetBorderStyle(TFormBorderStyle style)
{
    if (style == m_borderStyle)
        return;
    m_borderStyle = style;
    ApplyWindowFlags();
    ApplyFrameGeometry();
}

QMargins TCustomForm::FrameMargins() const
{
    QWindow *window = m_widget ? m_widget->windowHandle() : nullptr;
    return window ? window->frameMargins() : QMargins();
}

void TCustomForm::ApplyFrameGeometry()
{
    if (!m_widget || m_windowState == wsMinimized
        || (m_windowState == wsMaximized && !m_selfMaximized))
        return;
    const bool fixed = m_borderStyle != bsSizeable && m_borderStyle != bsSizeToolWin;
    // Outer bounds include what the window system draws around the client area.
    const QMargins frame = FrameMargins();
    m_appliedFrame = frame;
    const int frameWidth = frame.left() + frame.right();
    const int frameHeight = frame.top() + frame.bottom();
    const int w = std::clamp(Width() - frameWidth, 1, kMaxWindowExtent);
    const int h = std::clamp(Height() - frameHeight, 1, kMaxWindowExtent);
    // The window system's coordinates are 16-bit as well: a form placed beyond them stays at
    // the edge, while Left and Top keep what the user gave.
    const int left = std::clamp(Left(), -kMaxWindowExtent, kMaxWindowExtent);
    const int top = std::clamp(Top(), -kMaxWindowExtent, kMaxWindowExtent);
    m_applyingState = true;
    if (fixed)
        m_widget->setFixedSize(w, h);
    else {
        // Constraints hold where the user drags the frame as well.
        const TSizeConstraints *limits = Constraints();
        auto limit = [](int outer, int frameSize, int unlimited) {
            return outer > 0 ? std::clamp(outer - frameSize, 1, kMaxWindowExtent) : unlimited;
        };
        m_widget->setMinimumSize(limit(limits->MinWidth(), frameWidth, 0),
                                 limit(limits->MinHeight(), frameHeight, 0));
        m_widget->setMaximumSize(limit(limits->MaxWidth(), frameWidth, QWIDGETSIZE_MAX),
                                 limit(limits->MaxHeight(), frameHeight, QWIDGETSIZE_MAX));
    }
    if (m_widget->testAttribute(Qt::WA_WState_Created)) {
        // The client area goes inside the frame, so that the frame stands at Left and Top.
        m_widget->setGeometry(left + frame.left(), top + frame.top(), w, h);
    } else {
        // Before its first showing Qt places the frame itself where the window is moved.
        m_widget->resize(w, h);
        m_widget->move(left, top);
    }
    FormWidget()->LayOut();
    m_applyingState = false;
}

void TCustomForm::CheckFrame(bool settled)
{
    if (!m_widget || !m_widget->isVisible()) {
        m_framePending = false;
        return;
    }
    if (FrameMargins() != m_appliedFrame)
        ApplyFrameGeometry();
    if (!settled)
        return;
    m_framePending = false;
    // Where the window manager has put the window is where it is, should it differ.
    WidgetMoved(QRect());
}

QRect TCustomForm::ConstrainedMaximizedBounds() const
{
    const TSizeConstraints *limits = Constraints();
    if (limits->MaxWidth() == 0 && limits->MaxHeight() == 0)
        return {};
    QScreen *screen = m_widget && m_widget->screen() ? m_widget->screen()
                                                     : QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    const QRect area = screen->availableGeometry();
    return QRect(area.topLeft(), limits->Constrain(area.width(), area.height()));
}

void TCustomForm::SetBounds(int left, int top, int width, int height)
{
    TScrollingWinControl::SetBounds(left, top, width, height);
    if (m_windowState == wsNormal)
        m_normalBounds = BoundsRect();
    if (!m_applyingState && m_widget) {
        ApplyFrameGeometry();
        Realign(); // the client area has its new size only now
    }
}

void TCustomForm::WidgetMoved(const QRect &)
{
    if (m_applyingState || !m_widget)
        return;
    const QMargins frame = FrameMargins();
    if (m_framePending) {
        // The window manager is framing the window: the form's bounds go on around the frame
        // rather than follow where the client area was pushed.
        if (frame != m_appliedFrame)
            ApplyFrameGeometry();
        // The window system has sized the client area now (it does so after the request,
        // not in it): aligned children fill it as it is.
        FormWidget()->LayOut();
        Realign();
        return;
    }
    // The client area takes its new size before the children are aligned in it: this is
    // called ahead of the window's own resize handling.
    FormWidget()->LayOut();
    // The outer bounds read from the real frame, as the window system now reports it.
    TScrollingWinControl::WidgetMoved(m_widget->geometry().marginsAdded(frame));
    if (m_windowState == wsNormal)
        m_normalBounds = BoundsRect();
}

QRect TCustomForm::ScrollArea() const
{
    if (m_widget)
        return QRect(QPoint(0, 0), FormWidget()->Client()->size());
    const int menu = m_menu ? 20 : 0;
    return QRect(0, 0, Width(), std::max(0, Height() - menu));
}

QPoint TCustomForm::ClientOrigin() const
{
    if (m_widget)
        return FormWidget()->Client()->mapToGlobal(QPoint(0, 0));
    return QPoint(Left(), Top());
}

QWidget *TCustomForm::ClientWidget()
{
    return static_cast<TFormWidget *>(Handle())->Client();
}

void TCustomForm::SetWindowState(TWindowState state)
{
    if (state == m_windowState)
        return;
    const bool wasSelfMaximized = m_selfMaximized;
    m_windowState = state;
    m_selfMaximized = false;
    // A window manager would stretch a maximized window over the whole screen: a form whose
    // constraints limit its size takes its maximized bounds itself and gives them back.
    if (state == wsMaximized) {
        const QRect maximized = ConstrainedMaximizedBounds();
        if (!maximized.isEmpty()) {
            m_selfMaximized = true;
            TScrollingWinControl::SetBounds(maximized.left(), maximized.top(), maximized.width(),
                                            maximized.height());
        }
    } else if (state == wsNormal && wasSelfMaximized) {
        TScrollingWinControl::SetBounds(m_normalBounds.left(), m_normalBounds.top(),
                                        m_normalBounds.width(), m_normalBounds.height());
    }
    const bool shown = m_widget && m_widget->isVisible();
    ApplyWindowState();
    // A shown window that changes state is told so, as when the user changes it.
    if (shown)
        WMSize(state == wsMinimized   ? SIZE_MINIMIZED
               : state == wsMaximized ? SIZE_MAXIMIZED
                                      : SIZE_RESTORED);
}

void TCustomForm::ApplyWindowState()
{
    if (!m_widget || !m_widget->isVisible())
        return;
    m_applyingState = true;
    switch (m_windowState) {
    case wsMinimized:
        m_widget->showMinimized();
        break;
    case wsMaximized:
        if (!m_selfMaximized) {
            m_widget->showMaximized();
            break;
        }
        [[fallthrough]];
    default:
        m_widget->showNormal();
        break;
    }
    m_applyingState = false;
    ApplyFrameGeometry();
}

void TCustomForm::WidgetStateChanged(Qt::WindowStates states)
{
    if (m_applyingState)
        return;
    TWindowState state = wsNormal;
    int sizeType = SIZE_RESTORED;
    if (states & Qt::WindowMinimized) {
        state = wsMinimized;
        sizeType = SIZE_MINIMIZED;
    } else if (states & Qt::WindowMaximized) {
        state = wsMaximized;
        sizeType = SIZE_MAXIMIZED;
    }
    if (state == wsMaximized && !ConstrainedMaximizedBounds().isEmpty()) {
        // The window manager's maximize, for a form that maximizes itself: it toggles between
        // the maximized and the normal bounds, once the manager's own change is over.
        const TWindowState wanted = m_windowState == wsMaximized ? wsNormal : wsMaximized;
        QMetaObject::invokeMethod(
            m_widget, [this, wanted] { SafeCall([&] { SetWindowState(wanted); }); },
            Qt::QueuedConnection);
        return;
    }
    // A form maximized by the framework is a normal window to the window system.
    if (state == m_windowState || (state == wsNormal && m_selfMaximized))
        return;
    m_windowState = state;
    m_selfMaximized = false;
    WMSize(sizeType);
}

void TCustomForm::WMSize(int) {}

void TCustomForm::WidgetShown(bool shown)
{
    if (m_applyingState)
        return;
    if (!shown && TControl::Visible() && m_widget && !m_widget->isMinimized()
        && m_windowState != wsMinimized) {
        // Hidden behind the framework's back (e.g. by the window system): follow it.
        TControl::SetVisible(false);
    }
}

void TCustomForm::SetMenu(TMainMenu *menu)
{
    if (!SetReference(this, m_menu, menu))
        return;
    if (m_widget)
        FormWidget()->SetMenuBar(menu ? menu->CreateMenuBar() : nullptr);
    Realign();
}

void TCustomForm::Notification(TComponent *component, TOperation operation)
{
    TScrollingWinControl::Notification(component, operation);
    if (operation == opRemove) {
        if (component == m_menu) {
            m_menu = nullptr;
            if (m_widget && !IsDestroying())
                FormWidget()->SetMenuBar(nullptr);
        }
        if (component == m_activeControl)
            m_activeControl = nullptr;
        if (component == m_windowMenu)
            m_windowMenu = nullptr;
        if (component == m_objectMenuItem)
            m_objectMenuItem = nullptr;
    }
    if (m_designer && !IsDestroying())
        m_designer->NotifyComponent(component, operation);
}

void TCustomForm::SetActiveControl(TWinControl *control)
{
    m_activeControl = control;
    if (control && control->CanFocus())
        control->SetFocus();
}

void TCustomForm::SetDesigner(TDesigner *designer)
{
    m_designer = designer;
    Invalidate();
}

void TCustomForm::SetDesigning(bool designing, bool setChildren)
{
    TScrollingWinControl::SetDesigning(designing, setChildren);
    if (m_widget)
        FormWidget()->Client()->setFocusPolicy(Qt::ClickFocus);
}

void TCustomForm::ValidateRename(TComponent *component, const QString &currentName,
                                 const QString &newName)
{
    TScrollingWinControl::ValidateRename(component, currentName, newName);
    if (m_designer)
        m_designer->CheckRename(component, currentName, newName);
}

void TCustomForm::TextChanged()
{
    if (m_widget)
        m_widget->setWindowTitle(m_text);
}

void TCustomForm::ColorChanged()
{
    TScrollingWinControl::ColorChanged();
    if (m_widget)
        FormWidget()->Client()->update();
}

void TCustomForm::PaintWidget(QPainter &painter)
{
    m_canvas->SetPainter(&painter);
    m_canvas->Font()->Assign(Font());
    try {
        painter.fillRect(ClientRect(), ColorToQColor(Color()));
        if (m_designer)
            m_designer->PaintDesignGrid();
        else
            Paint();
    } catch (...) {
        m_canvas->ReleasePainter();
        throw;
    }
    m_canvas->ReleasePainter();
}

void TCustomForm::Paint()
{
    OnPaint(this);
}

bool TCustomForm::Active() const
{
    return m_widget && m_widget->isActiveWindow();
}

void TCustomForm::SetVisible(bool visible)
{
    if (visible == TControl::Visible() && (!m_widget || m_widget->isVisible() == visible))
        return;
    if (visible && !TControl::Visible())
        PlaceForShowing();
    TControl::SetVisible(visible);
    if (visible) {
        QWidget *w = Handle();
        ApplyFrameGeometry();
        m_applyingState = true;
        switch (m_windowState) {
        case wsMinimized: w->showMinimized(); break;
        case wsMaximized:
            if (!m_selfMaximized) {
                w->showMaximized();
                break;
            }
            [[fallthrough]];
        default: w->show(); break;
        }
        m_applyingState = false;
        ApplyFrameGeometry(); // the frame may be known once shown
        Realign(); // and with it the client area the children fill
        DoShow();
    } else if (m_widget) {
        m_applyingState = true;
        m_widget->hide();
        m_applyingState = false;
        DoHide();
    }
}

void TCustomForm::Show()
{
    SetVisible(true);
    BringToFront();
}

void TCustomForm::Hide()
{
    SetVisible(false);
}

void TCustomForm::BringToFront()
{
    if (m_widget && m_widget->isVisible()) {
        m_widget->raise();
        m_widget->activateWindow();
    }
}

bool TCustomForm::CloseQuery()
{
    bool canClose = true;
    OnCloseQuery(this, canClose);
    return canClose;
}

void TCustomForm::DoClose(TCloseAction &action)
{
    OnClose(this, action);
}

void TCustomForm::WidgetCloseRequested()
{
    Close();
}

void TCustomForm::Close()
{
    if (m_modal) {
        SetModalResult(mrCancel);
        return;
    }
    if (!CloseQuery())
        return;
    TCloseAction action = caHide;
    DoClose(action);
    if (action == caNone)
        return;
    if (Application && Application->MainForm() == this) {
        Application->Terminate();
        return;
    }
    switch (action) {
    case caHide:
        Hide();
        break;
    case caMinimize:
        SetWindowState(wsMinimized);
        break;
    case caFree:
        Hide();
        Application->ReleaseForm(this);
        break;
    default:
        break;
    }
}

void TCustomForm::SetModalResult(TModalResult result)
{
    m_modalResult = result;
    if (result != mrNone && m_modalLoop)
        m_modalLoop->quit();
}

void TCustomForm::CloseModal()
{
    TCloseAction action = caNone;
    if (CloseQuery()) {
        action = caHide;
        DoClose(action);
    }
    if (action == caNone)
        m_modalResult = mrNone;
}

TModalResult TCustomForm::ShowModal()
{
    if (TControl::Visible() || m_modal)
        throw EInvalidOperation(QStringLiteral("Cannot make a visible window modal"));
    // The classic kind of modality: every other window is disabled for the duration, and
    // windows opened meanwhile (such as tool windows of this one) stay usable.
    std::vector<QPointer<QWidget>> disabled;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w != m_widget && w->isVisible() && w->isEnabled()) {
            w->setEnabled(false);
            disabled.emplace_back(w);
        }
    }
    m_modal = true;
    m_modalResult = mrNone;
    QEventLoop loop;
    m_modalLoop = &loop;
    auto restore = [&] {
        m_modalLoop = nullptr;
        m_modal = false;
        for (const QPointer<QWidget> &w : disabled) {
            if (w)
                w->setEnabled(true);
        }
    };
    try {
        Show();
        do {
            if (m_modalResult == mrNone && !(Application && Application->Terminated()))
                loop.exec();
            if (Application && Application->Terminated())
                m_modalResult = mrCancel;
            if (m_modalResult != mrNone)
                SafeCall([&] { CloseModal(); });
        } while (m_modalResult == mrNone);
        Hide();
    } catch (...) {
        restore();
        throw;
    }
    restore();
    return m_modalResult;
}

PTypeInfo TypeInfoTBorderIcons()
{
    static const TTypeInfo *element = NewEnumType(
        QStringLiteral("TBorderIcon"), {QStringLiteral("biSystemMenu"),
                                        QStringLiteral("biMinimize"), QStringLiteral("biMaximize"),
                                        QStringLiteral("biHelp")});
    static const TTypeInfo *t = NewSetType(QStringLiteral("TBorderIcons"), element);
    return t;
}

PTypeInfo TypeInfoTPrintScale()
{
    static const TTypeInfo *t = NewEnumType(
        QStringLiteral("TPrintScale"), {QStringLiteral("poNone"), QStringLiteral("poProportional"),
                                        QStringLiteral("poPrintToFit")});
    return t;
}

// The properties and events a form shows in the inspector.
static TPropTable FormProps()
{
    using F = TForm;
    const PTypeInfo notify = TypeInfoTNotifyEvent();
    TPropTable t = ControlProps({"Action", "BiDiMode", "Constraints", "DragKind", "DragMode",
                                 "ParentBiDiMode", "OnContextPopup", "OnDragDrop", "OnDragOver",
                                 "OnEndDock", "OnStartDock"});
    TPropTable own = {
        Prop<F>("ActiveControl", TWinControl::StaticClass()->ClassTypeInfo(), &F::ActiveControl,
                &F::SetActiveControl),
        Prop<F>("AutoScroll", TypeInfoBoolean(), &F::AutoScroll, &F::SetAutoScroll, 1),
        Prop<F>("AutoSize", TypeInfoBoolean(), &F::AutoSize, &F::SetAutoSize, 0),
        Prop<F>("BorderIcons", TypeInfoTBorderIcons(), &F::BorderIcons, &F::SetBorderIcons, 7),
        Prop<F>("BorderStyle", TypeInfoTFormBorderStyle(), &F::BorderStyle, &F::SetBorderStyle,
                bsSizeable),
        Prop<F>("Caption", TypeInfoTCaption(), &F::Caption, &F::SetCaption),
        Prop<F>("ClientHeight", TypeInfoInteger(), &F::ClientHeight, &F::SetClientHeight),
        Prop<F>("ClientWidth", TypeInfoInteger(), &F::ClientWidth, &F::SetClientWidth),
        Prop<F>("Color", TypeInfoTColor(), &F::Color, &F::SetColor, clBtnFace),
        Prop<F>("Ctl3D", TypeInfoBoolean(), &F::Ctl3D, &F::SetCtl3D, 1),
        Prop<F>("Cursor", TypeInfoTCursor(), &F::Cursor, &F::SetCursor, crDefault),
        Prop<F>("DefaultMonitor", TypeInfoTDefaultMonitor(), &F::DefaultMonitor,
                &F::SetDefaultMonitor, dmActiveForm),
        Prop<F>("DockSite", TypeInfoBoolean(), &F::DockSite, &F::SetDockSite, 0),
        Prop<F>("Enabled", TypeInfoBoolean(), &F::Enabled, &F::SetEnabled, 1),
        Prop<F>("Font", TFont::StaticClass()->ClassTypeInfo(), &F::Font, &F::SetFont),
        Prop<F>("FormStyle", TypeInfoTFormStyle(), &F::FormStyle, &F::SetFormStyle, fsNormal),
        Prop<F>("Height", TypeInfoInteger(), &F::Height, &F::SetHeight),
        Prop<F>("HelpFile", TypeInfoString(), &F::HelpFile, &F::SetHelpFile),
        Prop<F>("HorzScrollBar", TControlScrollBar::StaticClass()->ClassTypeInfo(),
                &F::HorzScrollBar, &F::SetHorzScrollBar),
        Prop<F>("Hint", TypeInfoString(), &F::Hint, &F::SetHint),
        Prop<F>("Icon", TIcon::StaticClass()->ClassTypeInfo(), &F::Icon, &F::SetIcon),
        Prop<F>("KeyPreview", TypeInfoBoolean(), &F::KeyPreview, &F::SetKeyPreview, 0),
        Prop<F>("Left", TypeInfoInteger(), &F::Left, &F::SetLeft),
        Prop<F>("Menu", TMainMenu::StaticClass()->ClassTypeInfo(), &F::Menu, &F::SetMenu),
        Prop<F>("ObjectMenuItem", TMenuItem::StaticClass()->ClassTypeInfo(), &F::ObjectMenuItem,
                &F::SetObjectMenuItem),
        Prop<F>("OldCreateOrder", TypeInfoBoolean(), &F::OldCreateOrder, &F::SetOldCreateOrder),
        Prop<F>("ParentFont", TypeInfoBoolean(), &F::ParentFont, &F::SetParentFont, 0),
        Prop<F>("PixelsPerInch", TypeInfoInteger(), &F::PixelsPerInch, &F::SetPixelsPerInch),
        Prop<F>("PopupMenu", TPopupMenu::StaticClass()->ClassTypeInfo(), &F::PopupMenu,
                &F::SetPopupMenu),
        Prop<F>("Position", TypeInfoTPosition(), &F::Position, &F::SetPosition, poDesigned),
        Prop<F>("PrintScale", TypeInfoTPrintScale(), &F::PrintScale, &F::SetPrintScale,
                poProportional),
        Prop<F>("Scaled", TypeInfoBoolean(), &F::Scaled, &F::SetScaled, 1),
        Prop<F>("ShowHint", TypeInfoBoolean(), &F::ShowHint, &F::SetShowHint),
        Prop<F>("Top", TypeInfoInteger(), &F::Top, &F::SetTop),
        Prop<F>("UseDockManager", TypeInfoBoolean(), &F::UseDockManager, &F::SetUseDockManager,
                0),
        Prop<F>("VertScrollBar", TControlScrollBar::StaticClass()->ClassTypeInfo(),
                &F::VertScrollBar, &F::SetVertScrollBar),
        Prop<F>("Visible", TypeInfoBoolean(), &F::Visible, &F::SetVisible, 0),
        Prop<F>("Width", TypeInfoInteger(), &F::Width, &F::SetWidth),
        Prop<F>("WindowMenu", TMenuItem::StaticClass()->ClassTypeInfo(), &F::WindowMenu,
                &F::SetWindowMenu),
        Prop<F>("WindowState", TypeInfoTWindowState(), &F::WindowState, &F::SetWindowState,
                wsNormal),
        EventProp<F>("OnActivate", notify, &F::OnActivate),
        EventProp<F>("OnClick", notify, &F::OnClick),
        EventProp<F>("OnClose", TypeInfoTCloseEvent(), &F::OnClose),
        EventProp<F>("OnCloseQuery", TypeInfoTCloseQueryEvent(), &F::OnCloseQuery),
        EventProp<F>("OnCreate", notify, &F::OnCreate),
        EventProp<F>("OnDblClick", notify, &F::OnDblClick),
        EventProp<F>("OnDeactivate", notify, &F::OnDeactivate),
        EventProp<F>("OnDestroy", notify, &F::OnDestroy),
        EventProp<F>("OnHide", notify, &F::OnHide),
        EventProp<F>("OnKeyDown", TypeInfoTKeyEvent(), &F::OnKeyDown),
        EventProp<F>("OnKeyPress", TypeInfoTKeyPressEvent(), &F::OnKeyPress),
        EventProp<F>("OnKeyUp", TypeInfoTKeyEvent(), &F::OnKeyUp),
        EventProp<F>("OnMouseDown", TypeInfoTMouseEvent(), &F::OnMouseDown),
        EventProp<F>("OnMouseMove", TypeInfoTMouseMoveEvent(), &F::OnMouseMove),
        EventProp<F>("OnMouseUp", TypeInfoTMouseEvent(), &F::OnMouseUp),
        EventProp<F>("OnPaint", notify, &F::OnPaint),
        EventProp<F>("OnResize", notify, &F::OnResize),
        EventProp<F>("OnShow", notify, &F::OnShow),
    };
    t.insert(t.end(), own.begin(), own.end());
    return t;
}
Z_DEFINE_CLASS(TForm, TCustomForm, FormProps)

TForm::TForm(TComponent *owner) : TCustomForm(owner) {}
