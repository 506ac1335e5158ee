#pragma once

// Forms, the per-form designer interface and the scrolling window control they build on.

#include "Controls.h"

#include <QMargins>
#include <QPointer>

class TMainMenu;
class TMenuItem;
class QEventLoop;
class QScreen;
class TFormWidget;

enum TPosition {
    poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter,
    poDesktopCenter, poMainFormCenter, poOwnerFormCenter
};
// The two scroll bars of a scrolling window, and the step of a scroll bar's arrows and pages.
enum TScrollBarKind { sbHorizontal, sbVertical };
PTypeInfo TypeInfoTScrollBarKind();
PTypeInfo TypeInfoTScrollBarInc(); // 1..32767
enum TWindowState { wsNormal, wsMinimized, wsMaximized };
enum TCloseAction { caNone, caHide, caFree, caMinimize };
enum TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = quint32; // bit n = TBorderIcon n
enum TPrintScale { poNone, poProportional, poPrintToFit };
// The screen a form is shown on: the primary one, that of the main form or of the active form;
// dmDesktop leaves the form where its bounds put it.
enum TDefaultMonitor { dmDesktop, dmPrimary, dmMainForm, dmActiveForm };

using TModalResult = int;
enum : int {
    mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5, mrYes = 6,
    mrNo = 7, mrAll = 8, mrNoToAll = 9, mrYesToAll = 10
};

using TCloseEvent = TEvent<TObject *, TCloseAction &>;
using TCloseQueryEvent = TEvent<TObject *, bool &>;

PTypeInfo TypeInfoTFormBorderStyle();
PTypeInfo TypeInfoTPosition();
PTypeInfo TypeInfoTWindowState();
PTypeInfo TypeInfoTFormStyle();
PTypeInfo TypeInfoTBorderIcons();
PTypeInfo TypeInfoTPrintScale();
PTypeInfo TypeInfoTDefaultMonitor();
PTypeInfo TypeInfoTCloseEvent();
PTypeInfo TypeInfoTCloseQueryEvent();

// What a form asks of the designer attached to it: a designer gets the form's painting and the
// messages of its design-state controls, and is told of inserts, removes and renames.
class TDesigner : public TObject
{
    Z_CLASS(TDesigner)
public:
    TCustomForm *Form = nullptr; // not owned

    // A true answer takes the message away from the control.
    virtual bool FilterDesignMessage(TControl *control, TMsg &message) = 0;
    virtual void NotifyModified() = 0;
    virtual void NotifyComponent(TComponent *component, TOperation operation) = 0;
    // Paints the form instead of its own painting; the form's canvas is bound meanwhile.
    virtual void PaintDesignGrid() = 0;
    // Called after the framework's own rename check accepted the name; may raise.
    virtual void CheckRename(TComponent *component, const QString &currentName,
                             const QString &newName) = 0;
};

class TControlScrollBar;

// A windowed control whose client scrolls: children beyond the client area bring up scroll
// bars, and scrolling moves the children, whose bounds stay relative to the visible origin.
class TScrollingWinControl : public TWinControl
{
    Z_CLASS(TScrollingWinControl)
public:
    explicit TScrollingWinControl(TComponent *owner);
    ~TScrollingWinControl() override;

    // With AutoScroll the ranges follow the children; without, they are what was set.
    bool AutoScroll() const { return m_autoScroll; }
    void SetAutoScroll(bool v);
    TControlScrollBar *HorzScrollBar() const { return m_horzScrollBar; } // owned
    void SetHorzScrollBar(TControlScrollBar *bar);
    TControlScrollBar *VertScrollBar() const { return m_vertScrollBar; } // owned
    void SetVertScrollBar(TControlScrollBar *bar);
    // With AutoSize the scroll area takes the size the controls need.
    bool AutoSize() const { return FitsToControls(); }
    void SetAutoSize(bool v) { SetFitsToControls(v); }

    // The area scroll bars leave of ScrollArea.
    QRect ClientRect() const override;
    // Recomputes the automatic ranges, shows the bars that are needed and keeps the positions
    // within range. Between DisableAutoRange and EnableAutoRange it is put off, and done once
    // when the last of them ends.
    void UpdateScrollBars();
    void DisableAutoRange() { ++m_autoRangeLocks; }
    void EnableAutoRange();
    // Scrolls just enough to bring control (a child) wholly into view.
    void ScrollInView(TControl *control);
    // Moves the unaligned children by dx, dy.
    void ScrollBy(int dx, int dy);

protected:
    // The area the client and the scroll bars share, in the client widget's coordinates.
    virtual QRect ScrollArea() const;
    void AlignControls(TControl *changed) override;
    QRect FitArea() const override;
    void InitWidget() override;

private:
    friend class TControlScrollBar;
    // Moves the children to show position of bar.
    void ScrollTo(TControlScrollBar *bar, int position);
    int AutoRange(bool horizontal) const;

    bool m_autoScroll = true;
    TControlScrollBar *m_horzScrollBar;
    TControlScrollBar *m_vertScrollBar;
    bool m_updatingScrollBars = false;
    int m_autoRangeLocks = 0;
    bool m_scrollBarsPending = false; // asked for while the ranges were held
    QPointer<QObject> m_scrollWatcher; // child of the client widget
};

// Holds a windowed control's drawing and, when it scrolls, its ranges while many of its
// children move or change: each change would otherwise paint the parent and measure every
// child again. Both follow once when the lock goes.
class TChildChangesLock
{
public:
    explicit TChildChangesLock(TWinControl *control);
    ~TChildChangesLock();
    TChildChangesLock(const TChildChangesLock &) = delete;
    TChildChangesLock &operator=(const TChildChangesLock &) = delete;

private:
    TWinControl *m_control;             // not owned
    TScrollingWinControl *m_scrolling;  // the same control when it scrolls, else nullptr
};

class TCustomForm : public TScrollingWinControl
{
    Z_CLASS(TCustomForm)
public:
    explicit TCustomForm(TComponent *owner);
    ~TCustomForm() override;
    void BeforeDestruction() override;

    TFormBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TFormBorderStyle style);
    TPosition Position() const { return m_position; }
    void SetPosition(TPosition position) { m_position = position; }
    TWindowState WindowState() const { return m_windowState; }
    void SetWindowState(TWindowState state);
    // The place the window has when neither minimized nor maximized.
    QRect NormalBoundsRect() const { return m_normalBounds; }
    bool KeyPreview() const { return m_keyPreview; }
    void SetKeyPreview(bool v) { m_keyPreview = v; }
    TFormStyle FormStyle() const { return m_formStyle; }
    void SetFormStyle(TFormStyle style) { m_formStyle = style; }
    TMainMenu *Menu() const { return m_menu; } // not owned
    void SetMenu(TMainMenu *menu);
    TModalResult ModalResult() const { return m_modalResult; }
    void SetModalResult(TModalResult result);
    bool Modal() const { return m_modal; }
    bool DoubleBuffered() const { return m_doubleBuffered; }
    void SetDoubleBuffered(bool v) { m_doubleBuffered = v; }
    int PixelsPerInch() const { return 96; }
    void SetPixelsPerInch(int) {} // screens here are taken as 96 pixels per inch
    TBorderIcons BorderIcons() const { return m_borderIcons; }
    void SetBorderIcons(TBorderIcons icons) { m_borderIcons = icons; }
    QString HelpFile() const { return m_helpFile; }
    void SetHelpFile(const QString &file) { m_helpFile = file; }
    bool Scaled() const { return m_scaled; }
    void SetScaled(bool v) { m_scaled = v; }
    TPrintScale PrintScale() const { return m_printScale; }
    void SetPrintScale(TPrintScale v) { m_printScale = v; }
    bool OldCreateOrder() const { return m_oldCreateOrder; }
    void SetOldCreateOrder(bool v) { m_oldCreateOrder = v; }
    TIcon *Icon() const { return m_icon; } // owned
    void SetIcon(TIcon *icon) { m_icon->Assign(icon); }
    bool Active() const;
    TWinControl *ActiveControl() const { return m_activeControl; }
    void SetActiveControl(TWinControl *control);
    // Where the centring positions centre and, for the other positions, on which screen the
    // form shows (moved there at the same place relative to the screen).
    TDefaultMonitor DefaultMonitor() const { return m_defaultMonitor; }
    void SetDefaultMonitor(TDefaultMonitor monitor) { m_defaultMonitor = monitor; }
    // The screen DefaultMonitor names; nullptr for dmDesktop and when the form it names is
    // missing (or is this one).
    QScreen *DefaultScreen() const;
    // The menu that lists the child windows of an MDI form.
    TMenuItem *WindowMenu() const { return m_windowMenu; } // not owned
    void SetWindowMenu(TMenuItem *item);
    // The item that takes an embedded object's verbs; disabled while no object is active.
    TMenuItem *ObjectMenuItem() const { return m_objectMenuItem; } // not owned
    void SetObjectMenuItem(TMenuItem *item);

    // The designer attached to this form, which then paints it and sees its controls' messages.
    TDesigner *Designer() const { return m_designer; } // not owned
    void SetDesigner(TDesigner *designer);

    void SetBounds(int left, int top, int width, int height) override;
    QPoint ClientOrigin() const override;
    QWidget *ClientWidget() override;
    void SetVisible(bool visible) override;
    void SetDesigning(bool designing, bool setChildren = true) override;
    void WidgetMoved(const QRect &bounds) override;

    // Shows the form; with modal showing the call returns when ModalResult is set.
    void Show();
    void Hide();
    void Close();
    virtual bool CloseQuery();
    TModalResult ShowModal();
    void BringToFront();

    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TNotifyEvent OnPaint;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;

    void PaintWidget(QPainter &painter) override;
    TCanvas *Canvas() const { return m_canvas; } // owned
    void Notification(TComponent *component, TOperation operation) override;

    // Framework-internal, from the form's widget.
    void WidgetCloseRequested();
    void WidgetStateChanged(Qt::WindowStates states);
    void WidgetShown(bool shown);

protected:
    // Called when the window is minimized, maximized or restored (SIZE_MINIMIZED, ...).
    virtual void WMSize(int sizeType);
    // An error in OnCreate is shown and the form is made all the same.
    virtual void DoCreate();
    virtual void DoShow() { OnShow(this); }
    virtual void DoHide() { OnHide(this); }
    virtual void DoClose(TCloseAction &action);
    void Paint();
    QWidget *CreateWidget(QWidget *parentWidget) override;
    void InitWidget() override;
    void ColorChanged() override;
    QString GetText() const override { return m_text; }
    void TextChanged() override;
    void ValidateRename(TComponent *component, const QString &currentName,
                        const QString &newName) override;
    QRect ScrollArea() const override;

private:
    void ApplyWindowFlags();
    // Puts the form's outer bounds on its window around the frame known now.
    void ApplyFrameGeometry();
    void ApplyWindowState();
    // The frame the window system draws around the client area as far as it is known: none
    // before a window manager has framed the window, and none without a window manager.
    QMargins FrameMargins() const;
    // Where a form whose Constraints limit its size goes when maximized: across its screen's
    // free area within the constraints. Empty when the window system maximizes the form.
    QRect ConstrainedMaximizedBounds() const;
    // Framework-internal, from the form's widget while it watches the frame after a showing.
    void CheckFrame(bool settled);
    friend class TFormWidget;
    void CloseModal();
    TFormWidget *FormWidget() const;
    // Before the form shows: its place from Position (the first time) or DefaultMonitor.
    void PlaceForShowing();
    QRect CentredBounds() const;
    void MoveToDefaultMonitor();

    TFormBorderStyle m_borderStyle = bsSizeable;
    TPosition m_position = poDesigned;
    TWindowState m_windowState = wsNormal;
    QRect m_normalBounds;
    bool m_keyPreview = false;
    TFormStyle m_formStyle = fsNormal;
    TMainMenu *m_menu = nullptr;
    TModalResult m_modalResult = mrNone;
    bool m_modal = false;
    QEventLoop *m_modalLoop = nullptr; // not owned
    bool m_doubleBuffered = false;
    TDesigner *m_designer = nullptr;
    TWinControl *m_activeControl = nullptr;
    TCanvas *m_canvas;
    TIcon *m_icon;
    bool m_applyingState = false;
    // Maximized by the framework within Constraints; the window system has a normal window.
    bool m_selfMaximized = false;
    QMargins m_appliedFrame;    // the frame the outer bounds were last put around
    bool m_framePending = false; // shown, and the window manager may not have framed it yet
    TBorderIcons m_borderIcons = (1u << biSystemMenu) | (1u << biMinimize) | (1u << biMaximize);
    QString m_helpFile;
    bool m_scaled = true;
    TPrintScale m_printScale = poProportional;
    bool m_oldCreateOrder = false;
    TDefaultMonitor m_defaultMonitor = dmActiveForm;
    bool m_positioned = false; // Position has placed the form
    TMenuItem *m_windowMenu = nullptr;
    TMenuItem *m_objectMenuItem = nullptr;
};

class TForm : public TCustomForm
{
    Z_CLASS(TForm)
public:
    explicit TForm(TComponent *owner);
};


// A bordered area that scrolls its children (see TScrollingWinControl).
// A turn of the mouse wheel: the shift state, the turn (120 a notch, positive away from the
// user), the mouse in screen coordinates; setting Handled ends the wheel's handling.
using TMouseWheelEvent = TEvent<TObject *, TShiftState, int, QPoint, bool &>;
using TMouseWheelUpDownEvent = TEvent<TObject *, TShiftState, QPoint, bool &>;
PTypeInfo TypeInfoTMouseWheelEvent();
PTypeInfo TypeInfoTMouseWheelUpDownEvent();

class TScrollBox : public TScrollingWinControl
{
    Z_CLASS(TScrollBox)
public:
    explicit TScrollBox(TComponent *owner);
    ~TScrollBox() override;

    // A wheel turn goes to OnMouseWheel, then, unhandled, to OnMouseWheelDown (towards the
    // user) or OnMouseWheelUp.
    TMouseWheelEvent OnMouseWheel;
    TMouseWheelUpDownEvent OnMouseWheelDown;
    TMouseWheelUpDownEvent OnMouseWheelUp;
    // Framework-internal, from the widget: whether a handler took the turn.
    bool DoMouseWheel(TShiftState shift, int delta, const QPoint &screenPos);
    // Scrolls by a wheel turn of delta; false where no scroll bar is shown.
    bool ScrollByWheel(int delta);

    // bsSingle draws a sunken two-pixel edge (one black pixel without Ctl3D).
    TFormBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TFormBorderStyle style);
    // Pixels of the border on each side.
    int BorderInset() const;

    QWidget *ClientWidget() override;
    QPoint ClientOrigin() const override;
    // Framework-internal: draws the border, from the outer widget; places the client widget.
    void PaintBorder(QPainter &painter);
    void LayOutClient();

protected:
    QWidget *CreateWidget(QWidget *parentWidget) override;
    QRect ScrollArea() const override;
    QRect WidgetGeometry() const override { return BoundsRect(); }
    void Resize() override;

private:
    TFormBorderStyle m_borderStyle = bsSingle;
    QWidget *m_client = nullptr; // child of the widget
};
