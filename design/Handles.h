#pragma once

// The selection marker of the design surface: one transparent control laid over the selected
// controls (its targets), drawn as grip squares around each target. Dragging inside it moves
// every target, dragging a grip of a single target resizes it, the arrow keys nudge, and
// clicks that fall between the targets go on to whatever lies beneath.

#include "Controls.h"

#include <vector>

class TStretchHandle : public TCustomControl
{
    Z_CLASS(TStretchHandle)
public:
    explicit TStretchHandle(TComponent *owner);
    ~TStretchHandle() override;

    // The margin between a target and its box in the handle, on each side.
    static constexpr int Margin = 2;
    // The side of a grip square.
    static constexpr int GripSize = 5;
    // The smallest width and height of the handle box a resize leaves.
    static constexpr int MinimumBoxSize = 5;

    // Adds a target. A form cannot be one (EBadChild); a control with another parent than the
    // current targets replaces the selection.
    void Attach(TControl *control);
    // Attaches each control in turn, as Attach does, but fits the box and takes the input once
    // for the lot: a band over a thousand controls would otherwise move the box a thousand
    // times.
    void Attach(const std::vector<TControl *> &controls);
    void DetachAll();
    // A press that selected a control goes on as a drag from point (handle coordinates), so
    // the first move already counts; only while the handle holds the press's capture.
    void ContinuePress(const QPoint &point);
    // Fits the box again around the targets where they are now, as detaching and attaching
    // them all again would, but keeping the selection, its order and Locked.
    void Refit();
    // Refits the box when the targets no longer lie where it was fitted: their parent aligned
    // them anew (a form resized under an aligned or anchored target). Not during a drag, whose
    // outline is the user's.
    void FollowTargets();
    int IndexOfTarget(const TControl *control) const;
    int TargetCount() const { return int(m_targets.size()); }
    // nullptr for a negative index or without targets.
    TControl *Target(int index) const;
    bool HasTargets() const { return !m_targets.empty(); }
    // The box a single target gets, in its parent's coordinates: around it with a margin
    // when unaligned; an aligned one keeps its grips inside the parent, so part of its box
    // (the grips on the parent's edge) lies outside.
    QRect FirstTargetBox(TControl *control) const;
    // Whether a point of the parent's client area lies on a target or its margin.
    bool PointInTargets(const QPoint &point) const;
    int SnapX(int v) const { return v / m_gridX * m_gridX; }
    int SnapY(int v) const { return v / m_gridY * m_gridY; }

    // Moves and sizes every target by the same deltas as the handle box.
    void SetBounds(int left, int top, int width, int height) override;

    // Grip numbers: 0 moves; 1 to 4 the corners (top-left, top-right, bottom-left,
    // bottom-right); 5 to 8 the edge middles (top, left, bottom, right).
    int Grip() const { return m_grip; }
    bool Dragging() const { return m_dragging; }
    // The handle box whose outline is drawn now, in the parent's client coordinates; empty
    // when none is drawn.
    QRect OutlineRect() const { return m_outlineRect; }
    // The handle box a drag to (x, y), in handle coordinates, would give.
    QRect DragBounds(int x, int y) const;
    // Ends a running drag without applying it: the outline goes, the targets stay.
    void CancelDrag();

    TColor GripColor() const { return m_color; }
    void SetGripColor(TColor color);
    TColor SecondaryColor() const { return m_secondaryColor; }
    void SetSecondaryColor(TColor color);
    bool Locked() const { return m_locked; }
    void SetLocked(bool v) { m_locked = v; }
    int GridX() const { return m_gridX; }
    void SetGridX(int v) { m_gridX = std::clamp(v, 1, 32); }
    int GridY() const { return m_gridY; }
    void SetGridY(int v) { m_gridY = std::clamp(v, 1, 32); }
    // On when either step is above 1; switching it on makes both steps 8, off makes them 1.
    bool SnapToGrid() const { return m_gridX > 1 || m_gridY > 1; }
    void SetSnapToGrid(bool v);

    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    bool KeyDown(quint16 &key, TShiftState shift) override;
    void PaintWidget(QPainter &painter) override;

protected:
    QWidget *CreateWidget(QWidget *parentWidget) override;
    void Paint() override;

private:
    void SetHandleBounds(const QRect &bounds); // the handle alone, targets stay
    void SetHandleBounds(int left, int top, int width, int height);
    // The box around the targets where they are now, as attaching them in order makes it.
    QRect FittedBox() const;
    // The scroll bar positions of a scrolling parent; (0, 0) for any other.
    QPoint ParentScrollPosition() const;
    // box grown to take in control as well, as Attach grows it.
    static QRect GrownBox(const QRect &box, const TControl *control);
    void GrabInput();
    // The grip under a handle point, with the cursor that shows it.
    int GripAt(int x, int y, TCursor &cursor) const;
    QPoint ClampToParent(int x, int y) const;
    // Removes the outline drawn now and, when wanted, draws the one for a drag to (x, y).
    void DrawDragOutline(bool wanted, int x, int y);
    // Whether a press at point (handle coordinates) lies on the handle's own window.
    bool PressOnOwnWindow(const QPoint &point) const;
    void ForwardClick(bool down, TMouseButton button, const QPoint &point);
    // Adds the grips of target to grips when they reach into painted (handle coordinates).
    void AddTargetGrips(TControl *target, bool single, const QRect &painted,
                        std::vector<QRect> &grips) const;

    int m_dragOriginX = 0, m_dragOriginY = 0;
    int m_grip = 0;
    bool m_dragging = false;
    bool m_following = false; // the box is being fitted, or the targets moved by the box
    QRect m_outlineRect;
    bool m_locked = false;
    TColor m_color = clBlack;
    TColor m_secondaryColor = 0x808080;
    int m_gridX = 1, m_gridY = 1;
    std::vector<TControl *> m_targets; // not owned; each is free-notified
    bool m_savedAutoScroll = false;
    // The parent's scroll position when the box was last fitted to the targets.
    QPoint m_scrollPosition;

public:
    void Notification(TComponent *component, TOperation operation) override;
};
