#pragma once

// Controls: components that have a place on a parent and are drawn by a Qt widget that the
// framework creates and owns. Designer code talks to controls, never to their widgets.

#include "Classes.h"
#include "Graphics.h"
#include "Messages.h"
#include "TypInfo.h"
#include "VirtualKeys.h"

#include <QRect>
#include <QSize>

#include <algorithm>
#include <limits>
#include <QString>

class QWidget;
class QPainter;
class QRegion;
class TControl;
class TWinControl;
class TCustomForm;
using THelpContext = int;
class TPopupMenu;
class TBasicAction;
class TBasicActionLink;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum TMouseButton { mbLeft, mbRight, mbMiddle };
enum TAnchorKind { akLeft, akTop, akRight, akBottom };
using TAnchors = quint32; // bit n = TAnchorKind n
constexpr TAnchors DefaultAnchors = (1u << akLeft) | (1u << akTop);
enum TDragMode { dmManual, dmAutomatic };
enum TDragKind { dkDrag, dkDock };
enum TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };
enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
// Input method modes: imDisable and imClose keep the input method off, the others leave it on.
enum TImeMode {
    imDisable, imClose, imOpen, imDontCare, imSAlpha, imAlpha, imHira, imSKata, imKata,
    imChinese, imSHanguel, imHanguel
};
// Border styles of forms; windowed controls use the first two (bsNone, bsSingle).
enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };

// Control style flags.
enum : quint32 {
    csAcceptsControls = 0x1,
    csCaptureMouse = 0x2,
    csDesignInteractive = 0x4,
    csClickEvents = 0x8,
    csFramed = 0x10,
    csSetCaption = 0x20,
    csOpaque = 0x40,
    csDoubleClicks = 0x80,
    csFixedWidth = 0x100,
    csFixedHeight = 0x200,
    csNoDesignVisible = 0x400,
    csReplicatable = 0x800,
    csNoStdEvents = 0x1000,
    // A parent that goes only lets go of the control instead of freeing it: for a control that
    // others keep and move between parents (the designer's selection marker).
    csNotFreedByParent = 0x2000,
};

using TCursor = int;
enum : int {
    crDefault = 0, crArrow = -2, crCross = -3, crIBeam = -4, crSizeNESW = -6, crSizeNS = -7,
    crSizeNWSE = -8, crSizeWE = -9, crUpArrow = -10, crHourGlass = -11, crDrag = -12,
    crNoDrop = -13, crHSplit = -14, crVSplit = -15, crMultiDrag = -16, crSQLWait = -17, crNo = -18,
    crAppStart = -19, crHelp = -20, crHandPoint = -21,
};
Qt::CursorShape CursorToShape(TCursor cursor);

using TMouseEvent = TEvent<TObject *, TMouseButton, TShiftState, int, int>;
using TMouseMoveEvent = TEvent<TObject *, TShiftState, int, int>;
using TKeyEvent = TEvent<TObject *, quint16 &, TShiftState>;
using TKeyPressEvent = TEvent<TObject *, QChar &>;
// Drag-and-drop and docking events: published like the classic controls' and kept, but the
// designer starts no drag of its own.
using TDragDropEvent = TEvent<TObject *, TObject *, int, int>;
using TDragOverEvent = TEvent<TObject *, TObject *, int, int, int, bool &>;
using TEndDragEvent = TEvent<TObject *, TObject *, int, int>;
using TStartDragEvent = TEvent<TObject *, TObject *&>;
using TDockDropEvent = TEvent<TObject *, TObject *, int, int>;
using TDockOverEvent = TEvent<TObject *, TObject *, int, int, int, bool &>;
using TGetSiteInfoEvent = TEvent<TObject *, TControl *, QRect &, QPoint, bool &>;
using TUnDockEvent = TEvent<TObject *, TControl *, TWinControl *, bool &>;
using TContextPopupEvent = TEvent<TObject *, QPoint, bool &>;
// Asked before the size changes: the new size may be changed; clearing Resize keeps the old.
using TCanResizeEvent = TEvent<TObject *, int &, int &, bool &>;
// Asked before the size is brought within the constraints, which it may change for this once.
using TConstrainedResizeEvent = TEvent<TObject *, int &, int &, int &, int &>;

PTypeInfo TypeInfoTAlign();
PTypeInfo TypeInfoTBevelCut();
PTypeInfo TypeInfoTBorderStyle(); // bsNone, bsSingle
PTypeInfo TypeInfoTMouseEvent();
PTypeInfo TypeInfoTMouseMoveEvent();
PTypeInfo TypeInfoTKeyEvent();
PTypeInfo TypeInfoTKeyPressEvent();
PTypeInfo TypeInfoTAnchors();
PTypeInfo TypeInfoTDragMode();
PTypeInfo TypeInfoTDragKind();
PTypeInfo TypeInfoTBiDiMode();
PTypeInfo TypeInfoTDragDropEvent();
PTypeInfo TypeInfoTDragOverEvent();
PTypeInfo TypeInfoTEndDragEvent();
PTypeInfo TypeInfoTStartDragEvent();
PTypeInfo TypeInfoTStartDockEvent();
PTypeInfo TypeInfoTDockDropEvent();
PTypeInfo TypeInfoTDockOverEvent();
PTypeInfo TypeInfoTGetSiteInfoEvent();
PTypeInfo TypeInfoTUnDockEvent();
PTypeInfo TypeInfoTContextPopupEvent();
PTypeInfo TypeInfoTCanResizeEvent();
PTypeInfo TypeInfoTConstrainedResizeEvent();
PTypeInfo TypeInfoTImeMode();
PTypeInfo TypeInfoTImeName(); // a string naming an input method

// The size limits of a control; 0 means no limit.
class TSizeConstraints : public TPersistent
{
    Z_CLASS(TSizeConstraints)
public:
    int MaxHeight() const { return m_maxHeight; }
    void SetMaxHeight(int v) { m_maxHeight = std::max(0, v); }
    int MaxWidth() const { return m_maxWidth; }
    void SetMaxWidth(int v) { m_maxWidth = std::max(0, v); }
    int MinHeight() const { return m_minHeight; }
    void SetMinHeight(int v) { m_minHeight = std::max(0, v); }
    int MinWidth() const { return m_minWidth; }
    void SetMinWidth(int v) { m_minWidth = std::max(0, v); }
    void Assign(TPersistent *source) override;
    // Width and height brought within the limits.
    QSize Constrain(int width, int height) const;

private:
    int m_maxHeight = 0, m_maxWidth = 0, m_minHeight = 0, m_minWidth = 0;
};

// A wide value brought into the integer range.
inline int ClampToInt(qint64 v)
{
    return int(std::clamp<qint64>(v, std::numeric_limits<int>::min(),
                                  std::numeric_limits<int>::max()));
}

class TControl : public TComponent
{
    Z_CLASS(TControl)
public:
    explicit TControl(TComponent *owner);
    ~TControl() override;

    TWinControl *Parent() const { return m_parent; } // not owned
    virtual void SetParent(TWinControl *parent);

    int Left() const { return m_left; }
    int Top() const { return m_top; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    void SetLeft(int v) { SetBounds(v, m_top, m_width, m_height); }
    void SetTop(int v) { SetBounds(m_left, v, m_width, m_height); }
    void SetWidth(int v) { SetBounds(m_left, m_top, v, m_height); }
    void SetHeight(int v) { SetBounds(m_left, m_top, m_width, v); }
    QRect BoundsRect() const { return QRect(m_left, m_top, m_width, m_height); }
    void SetBoundsRect(const QRect &r) { SetBounds(r.left(), r.top(), r.width(), r.height()); }
    // Moves and sizes the control in one step; descendants may adjust the values.
    virtual void SetBounds(int left, int top, int width, int height);

    // The area inside the control, in its own coordinates.
    virtual QRect ClientRect() const { return QRect(0, 0, m_width, m_height); }
    int ClientWidth() const { return ClientRect().width(); }
    int ClientHeight() const { return ClientRect().height(); }
    // The border is added wide and the result kept within the integer range.
    void SetClientWidth(int w) { SetWidth(ClampToInt(qint64(m_width) - ClientWidth() + w)); }
    void SetClientHeight(int h) { SetHeight(ClampToInt(qint64(m_height) - ClientHeight() + h)); }
    // The origin of the client area in screen coordinates.
    virtual QPoint ClientOrigin() const;
    QPoint ClientToScreen(const QPoint &p) const { return p + ClientOrigin(); }
    QPoint ScreenToClient(const QPoint &p) const { return p - ClientOrigin(); }

    TAlign Align() const { return m_align; }
    void SetAlign(TAlign align);
    bool Visible() const { return m_visible; }
    virtual void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible and, up the parent chain, showing; design state shows hidden controls too.
    bool Showing() const;
    bool Enabled() const { return m_enabled; }
    virtual void SetEnabled(bool enabled);

    TColor Color() const { return m_color; }
    void SetColor(TColor color);
    bool ParentColor() const { return m_parentColor; }
    void SetParentColor(bool v);
    TFont *Font() const { return m_font; } // owned
    void SetFont(TFont *font) { m_font->Assign(font); }
    bool ParentFont() const { return m_parentFont; }
    void SetParentFont(bool v);
    TCursor Cursor() const { return m_cursor; }
    void SetCursor(TCursor cursor);
    QString Hint() const { return m_hint; }
    void SetHint(const QString &hint);
    bool ShowHint() const { return m_showHint; }
    void SetShowHint(bool v);
    bool ParentShowHint() const { return m_parentShowHint; }
    void SetParentShowHint(bool v) { m_parentShowHint = v; }
    TPopupMenu *PopupMenu() const { return m_popupMenu; } // not owned
    void SetPopupMenu(TPopupMenu *menu);

    QString Caption() const { return GetText(); }
    void SetCaption(const QString &text) { SetText(text); }
    QString Text() const { return GetText(); }
    void SetText(const QString &text);

    TAnchors Anchors() const { return m_anchors; }
    void SetAnchors(TAnchors anchors);
    TSizeConstraints *Constraints() const { return m_constraints; } // owned
    void SetConstraints(TSizeConstraints *c) { m_constraints->Assign(c); }
    TCursor DragCursor() const { return m_dragCursor; }
    void SetDragCursor(TCursor cursor) { m_dragCursor = cursor; }
    TDragKind DragKind() const { return m_dragKind; }
    void SetDragKind(TDragKind kind) { m_dragKind = kind; }
    TDragMode DragMode() const { return m_dragMode; }
    void SetDragMode(TDragMode mode) { m_dragMode = mode; }
    TBiDiMode BiDiMode() const { return m_biDiMode; }
    void SetBiDiMode(TBiDiMode mode) { m_biDiMode = mode; m_parentBiDiMode = false; }
    bool ParentBiDiMode() const { return m_parentBiDiMode; }
    void SetParentBiDiMode(bool v) { m_parentBiDiMode = v; }

    quint32 ControlStyle() const { return m_controlStyle; }
    void SetControlStyle(quint32 style) { m_controlStyle = style; }

    // The action the control follows (ActionClients.h): it takes the action's caption, enabled
    // state, hint, visibility and handler, follows their changes, and a click executes the
    // action. Freeing the action leaves nullptr.
    TBasicAction *Action() const;
    void SetAction(TBasicAction *action);
    TBasicActionLink *ActionLink() const { return m_actionLink; } // owned

    void BringToFront();
    void SendToBack();
    void Invalidate();
    void Repaint();
    // The form the control sits on, or nullptr.
    TCustomForm *ParentForm() const;

    // Framework-internal: the widget that draws the control, created on first use.
    QWidget *Handle();
    bool HandleAllocated() const { return m_widget != nullptr; }
    // Called by the widget bridge.
    virtual void PaintWidget(QPainter &painter);
    virtual void WidgetMoved(const QRect &bounds);
    // Called by the control's own widget for a paint event: PaintWidget, with PaintArea
    // telling the part asked for.
    void PaintWidgetArea(QPainter &painter, const QRect &area);
    // The part of the control the paint under way must cover, in client coordinates; the
    // whole control outside a paint event.
    QRect PaintArea() const;

    void SetDesigning(bool designing, bool setChildren = true) override;
    // A control whose caption still reads its name takes the new name as caption too
    // (controls with csSetCaption: a new Button1 reads "Button1").
    void SetName(const QString &name) override;

    // Input handling, called with the framework's numbering.
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void Click();
    virtual void DblClick();

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TNotifyEvent OnResize;
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;
    TDragDropEvent OnDragDrop;
    TDragOverEvent OnDragOver;
    TEndDragEvent OnEndDrag;
    TEndDragEvent OnEndDock;
    TStartDragEvent OnStartDrag;
    TStartDragEvent OnStartDock;
    TContextPopupEvent OnContextPopup;
    TCanResizeEvent OnCanResize;
    TConstrainedResizeEvent OnConstrainedResize;

    void Notification(TComponent *component, TOperation operation) override;
    // The application's hint changed (see TApplication::SetHint); controls that show it
    // (a status bar with AutoHint) take it here.
    virtual void ApplicationHintChanged(const QString &) {}

protected:
    // Takes the action's values; with checkDefaults only where the control has its default.
    virtual void ActionChange(TObject *sender, bool checkDefaults);
    // A new link of the kind this class of control follows an action with.
    virtual TBasicActionLink *CreateActionLink();
    // Makes the widget; the default is a plain framework widget that paints through PaintWidget.
    virtual QWidget *CreateWidget(QWidget *parentWidget);
    // Pushes every property the widget shows to it; called after creation.
    virtual void InitWidget();
    virtual QString GetText() const { return m_text; }
    virtual void TextChanged() {}
    virtual void FontChanged();
    virtual void ColorChanged();
    virtual void EnabledChanged();
    // After the bounds changed, by the program or by the user.
    virtual void Resize();
    virtual void ParentFontChanged();
    virtual void ParentColorChanged();
    // Position of the widget inside its parent's widget.
    virtual QRect WidgetGeometry() const { return BoundsRect(); }
    void ApplyWidgetGeometry();
    void ApplyWidgetVisibility();
    // Called when the design state changes, to make the widget inert or active again.
    virtual void ApplyDesignState();
    void DestroyWidget();
    void RequestAlign();
    // Remembers the distances to the parent's right and bottom edges for the anchors.
    void UpdateAnchorRules();
    QWidget *m_widget = nullptr; // owned, never by a Qt parent
    QString m_text;

private:
    // The size a change to width by height comes to: OnCanResize may change or refuse it,
    // then the constraints (as OnConstrainedResize leaves them for this change) hold.
    QSize AskNewSize(int width, int height);
    void FontObjectChanged(TObject *sender);
    void DoActionChange(TObject *sender);

    TWinControl *m_parent = nullptr;
    int m_left = 0, m_top = 0, m_width = 0, m_height = 0;
    TAlign m_align = alNone;
    bool m_visible = true;
    bool m_enabled = true;
    TColor m_color = clWindow;
    bool m_parentColor = true;
    TFont *m_font;
    bool m_parentFont = true;
    TCursor m_cursor = crDefault;
    QString m_hint;
    bool m_showHint = false;
    bool m_parentShowHint = true;
    TPopupMenu *m_popupMenu = nullptr;
    quint32 m_controlStyle = csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks;
    bool m_applyingParentFont = false;
    TAnchors m_anchors = DefaultAnchors;
    TSizeConstraints *m_constraints; // owned
    TCursor m_dragCursor = crDrag;
    TDragKind m_dragKind = dkDrag;
    TDragMode m_dragMode = dmManual;
    TBiDiMode m_biDiMode = bdLeftToRight;
    bool m_parentBiDiMode = true;
    // The distances to the parent's right and bottom edges that anchors keep.
    int m_anchorRight = 0, m_anchorBottom = 0;
    bool m_anchorsKnown = false;
    TBasicActionLink *m_actionLink = nullptr; // owned
    QRect m_paintArea; // set while a paint event paints the control

    friend class TWinControl;
};

class TWinControl : public TControl
{
    Z_CLASS(TWinControl)
public:
    explicit TWinControl(TComponent *owner);
    ~TWinControl() override;

    int ControlCount() const { return int(m_controls.size()); }
    // Children in z-order, bottom first.
    TControl *Controls(int index) const { return m_controls.at(size_t(index)); }
    void InsertControl(TControl *control);
    void RemoveControl(TControl *control);
    // Takes a child out as RemoveControl does and frees it. Its widget is not first moved out
    // of the window, which walks the window's whole focus chain: it goes with the control.
    void FreeControl(TControl *control);
    bool ContainsControl(const TControl *control) const;
    // The topmost child whose bounds hold the client point, or nullptr.
    TControl *ControlAtPos(const QPoint &pos, bool allowDisabled = true) const;

    // Lays the aligned children out: top, bottom, left, right, then client.
    // changed, if given, is the child whose change asked for it: it wins ties of position.
    void Realign(TControl *changed = nullptr);
    void DisableAlign() { ++m_alignDisabled; }
    void EnableAlign();
    // Holds back the drawing of the control and everything in it: what changes meanwhile
    // shows when the last lock goes, in one paint of the whole control. Locks count; every
    // LockDrawing needs its UnlockDrawing.
    void LockDrawing();
    void UnlockDrawing();
    bool DrawingLocked() const { return m_drawingLocks > 0; }

    int TabOrder() const
    {
        CloseParentTabGaps();
        return m_tabOrder;
    }
    void SetTabOrder(int order)
    {
        CloseParentTabGaps();
        m_tabOrder = order;
    }
    bool TabStop() const { return m_tabStop; }
    void SetTabStop(bool v);
    THelpContext HelpContext() const { return m_helpContext; }
    void SetHelpContext(THelpContext v) { m_helpContext = v; }
    bool Ctl3D() const { return m_ctl3D; }
    void SetCtl3D(bool v) { m_ctl3D = v; m_parentCtl3D = false; }
    bool ParentCtl3D() const { return m_parentCtl3D; }
    void SetParentCtl3D(bool v) { m_parentCtl3D = v; }
    TImeMode ImeMode() const { return m_imeMode; }
    void SetImeMode(TImeMode mode);
    QString ImeName() const { return m_imeName; }
    void SetImeName(const QString &name) { m_imeName = name; }
    bool Focused() const;
    void SetFocus();
    bool CanFocus() const;

    // Docking: whether other controls may dock here, and whether a dock manager lays them
    // out. Kept and published; the framework starts no docking of its own.
    bool DockSite() const { return m_dockSite; }
    void SetDockSite(bool v) { m_dockSite = v; }
    bool UseDockManager() const { return m_useDockManager; }
    void SetUseDockManager(bool v) { m_useDockManager = v; }
    TDockDropEvent OnDockDrop;
    TDockOverEvent OnDockOver;
    TGetSiteInfoEvent OnGetSiteInfo;
    TUnDockEvent OnUnDock;

    // The widget children's widgets live in.
    virtual QWidget *ClientWidget();
    // Paints the part of the client area that region covers (client coordinates) again, with
    // the children over it: at once, or with the next paint. Nothing when the control has no
    // widget yet.
    void RepaintClientRegion(const QRegion &region);
    void InvalidateClientRegion(const QRegion &region);

    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;

    virtual bool KeyDown(quint16 &key, TShiftState shift);
    virtual bool KeyUp(quint16 &key, TShiftState shift);
    virtual bool KeyPress(QChar &key);

protected:
    // Shrinks the rectangle aligned children may fill (borders, bevels, tabs).
    virtual void AdjustClientRect(QRect &rect) const { (void)rect; }
    virtual void AlignControls(TControl *changed);
    void AnchorControls();
    void Resize() override;
    void FontChanged() override;
    void ColorChanged() override;
    void InitWidget() override;
    void ParentFontChanged() override;
    void ParentColorChanged() override;
    void ApplyDesignState() override;
    void ChildWidgetsNeeded();
    void ActionChange(TObject *sender, bool checkDefaults) override;
    TBasicActionLink *CreateActionLink() override;
    // A child was inserted, removed, moved, sized, shown or hidden without alignment taking
    // care of it (an unaligned child).
    // With AutoSize on, fits the control to its children again.
    virtual void ChildChanged(TControl *child);
    // Turns the input method of the widget's own parts off or on again as ImeMode says.
    void ApplyImeMode();
    // AutoSize, for the classes that publish it: each alignment first sizes the control so
    // that FitArea just holds the children. Children aligned to an edge keep their widths
    // (heights); the unaligned ones move up and left to the edges the aligned ones leave.
    bool FitsToControls() const { return m_fitsToControls; }
    void SetFitsToControls(bool v);
    // The part of the control the children share, in its client coordinates.
    virtual QRect FitArea() const;

private:
    // RemoveControl's work; the widget is moved out of the window only when the child lives on.
    void TakeOutControl(TControl *control, bool livesOn);
    // A windowed child taken out leaves a gap in its siblings' tab orders: the ones after it
    // move down by one. The gaps are kept and closed together when a tab order is next read,
    // set or given, as if each had been closed at once; emptying a crowded parent one child
    // at a time then visits the siblings once, not once per child.
    void CloseTabGaps();
    void CloseParentTabGaps() const
    {
        if (m_parent && !m_parent->m_tabGaps.empty())
            m_parent->CloseTabGaps();
    }
    std::vector<int> m_tabGaps; // the tab orders of the children taken out, in that order
    std::vector<TControl *> m_controls; // not owned: owners free them, we free those left
    int m_alignDisabled = 0;
    int m_drawingLocks = 0;
    bool m_aligning = false;
    int m_tabOrder = -1;
    bool m_tabStop = false;
    THelpContext m_helpContext = 0;
    bool m_ctl3D = true;
    bool m_parentCtl3D = true;
    TImeMode m_imeMode = imDontCare;
    QString m_imeName;
    bool m_dockSite = false;
    bool m_useDockManager = false;
    bool m_fitsToControls = false;
    bool m_fitting = false; // a fit is under way: the alignment it causes starts none

    void FitToControls();

    friend class TControl;
};

// Holds a control's drawing (LockDrawing) for the length of a scope.
class TDrawingLock
{
public:
    explicit TDrawingLock(TWinControl *control) : m_control(control) { control->LockDrawing(); }
    ~TDrawingLock() { m_control->UnlockDrawing(); }
    TDrawingLock(const TDrawingLock &) = delete;
    TDrawingLock &operator=(const TDrawingLock &) = delete;

private:
    TWinControl *m_control; // not owned
};

// A control without a window of its own in the classic framework; here it still has a widget,
// drawn through Paint on Canvas.
class TGraphicControl : public TControl
{
    Z_CLASS(TGraphicControl)
public:
    explicit TGraphicControl(TComponent *owner);
    ~TGraphicControl() override;
    TCanvas *Canvas() const { return m_canvas; } // owned
    void PaintWidget(QPainter &painter) override;

protected:
    virtual void Paint() {}

private:
    TCanvas *m_canvas;
};

class TCustomControl : public TWinControl
{
    Z_CLASS(TCustomControl)
public:
    explicit TCustomControl(TComponent *owner);
    ~TCustomControl() override;
    TCanvas *Canvas() const { return m_canvas; } // owned
    void PaintWidget(QPainter &painter) override;

protected:
    virtual void Paint() {}

private:
    TCanvas *m_canvas;
};

// The control a widget belongs to (the widget itself or its nearest ancestor that draws a
// control), or nullptr.
TControl *FindControl(const QWidget *widget);
// The control whose widget is exactly this one, or nullptr.
TControl *ControlOfWidget(const QWidget *widget);
