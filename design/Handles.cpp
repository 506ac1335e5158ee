#include "Handles.h"

#include "ControlProps.h"
#include "ControlScrollBar.h"
#include "ControlWidget.h"
#include "Forms.h"
#include "MouseCapture.h"
#include "SafeCall.h"

#include <limits>
#include <optional>
#include <unordered_set>
#include <QEvent>
#include <QGuiApplication>
#include <QScopedValueRollback>

namespace {

// The handle's widget: transparent, so the selected controls show through between the grips,
// and watching for the window losing the mouse, which ends a drag without applying it.
class THandleWidget : public TControlWidget
{
public:
    THandleWidget(TStretchHandle *handle, QWidget *parent)
        : TControlWidget(handle, parent), m_handle(handle)
    {
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::StrongFocus);
        setMouseTracking(true); // the grip under the pointer shows before any press
    }

protected:
    bool event(QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::UngrabMouse:
        case QEvent::WindowDeactivate:
        case QEvent::FocusOut:
            // A drag that ends this way was never dropped: meanwhile the targets may have
            // been aligned anew without the box following (a drag holds the box still).
            SafeCall([&] {
                const bool dragging = m_handle->Dragging();
                m_handle->CancelDrag();
                if (dragging)
                    m_handle->FollowTargets();
            });
            break;
        case QEvent::Hide:
            SafeCall([&] { m_handle->CancelDrag(); });
            break;
        default:
            break;
        }
        return TControlWidget::event(event);
    }

private:
    TStretchHandle *m_handle; // owns this widget
};

PTypeInfo TypeInfoGridStep()
{
    static const PTypeInfo type = NewOrdinalType(KindInteger, QStringLiteral("TGridStep"), 1, 32);
    return type;
}

TPropTable StretchHandleProps()
{
    TPropTable t = ControlProps({"Enabled", "Hint", "ParentShowHint", "PopupMenu", "ShowHint",
                                 "Visible", "OnClick", "OnDblClick", "OnMouseDown",
                                 "OnMouseMove", "OnMouseUp", "OnKeyDown", "OnKeyUp",
                                 "OnKeyPress"});
    t.push_back(Prop<TStretchHandle>("Color", TypeInfoTColor(), &TStretchHandle::GripColor,
                                     &TStretchHandle::SetGripColor, clBlack));
    t.push_back(Prop<TStretchHandle>("SecondaryColor", TypeInfoTColor(),
                                     &TStretchHandle::SecondaryColor,
                                     &TStretchHandle::SetSecondaryColor, 0x808080));
    t.push_back(Prop<TStretchHandle>("Locked", TypeInfoBoolean(), &TStretchHandle::Locked,
                                     &TStretchHandle::SetLocked, false));
    t.push_back(Prop<TStretchHandle>("GridX", TypeInfoGridStep(), &TStretchHandle::GridX,
                                     &TStretchHandle::SetGridX, 8));
    t.push_back(Prop<TStretchHandle>("GridY", TypeInfoGridStep(), &TStretchHandle::GridY,
                                     &TStretchHandle::SetGridY, 8));
    t.push_back(Prop<TStretchHandle>("SnapToGrid", TypeInfoBoolean(),
                                     &TStretchHandle::SnapToGrid,
                                     &TStretchHandle::SetSnapToGrid, false));
    t.push_back(Prop<TStretchHandle>("DragCursor", TypeInfoTCursor(), &TControl::DragCursor,
                                     &TControl::SetDragCursor, crDrag));
    return t;
}

} // namespace

Z_DEFINE_CLASS(TStretchHandle, TCustomControl, StretchHandleProps)

TStretchHandle::TStretchHandle(TComponent *owner) : TCustomControl(owner)
{
    SetControlStyle(ControlStyle() | csNotFreedByParent);
    TControl::SetBounds(0, 0, 24, 24);
    SetEnabled(false);
    SetVisible(false);
}

TStretchHandle::~TStretchHandle()
{
    Destroying();
    for (TControl *target : m_targets)
        target->RemoveFreeNotification(this);
    m_targets.clear();
}

QWidget *TStretchHandle::CreateWidget(QWidget *parentWidget)
{
    return new THandleWidget(this, parentWidget);
}

// ---------------------------------------------------------------------------------------------
// The selection

namespace {

// A rectangle from 64-bit edges, kept where integer coordinates can hold it: the box around a
// control whose bounds reach the end of the range stops at that end.
QRect ClampedBox(qint64 left, qint64 top, qint64 width, qint64 height)
{
    constexpr qint64 lo = std::numeric_limits<int>::min(), hi = std::numeric_limits<int>::max();
    left = std::clamp(left, lo, hi);
    top = std::clamp(top, lo, hi);
    width = std::clamp<qint64>(width, 0, hi - std::max<qint64>(left, 0));
    height = std::clamp<qint64>(height, 0, hi - std::max<qint64>(top, 0));
    return QRect(int(left), int(top), int(width), int(height));
}

} // namespace

void TStretchHandle::Attach(TControl *control)
{
    if (control && control->Is<TCustomForm>())
        throw EBadChild(QStringLiteral("Handles can not be attached to a Form!"));
    if (!control || IndexOfTarget(control) >= 0)
        return;
    if (HasTargets() && control->Parent() != Parent())
        DetachAll();
    if (HasTargets()) {
        SetHandleBounds(GrownBox(BoundsRect(), control));
    } else {
        m_savedAutoScroll = false;
        auto *form = ObjectCast<TCustomForm>(control->Parent());
        if (form && control->Align() != alNone) {
            m_savedAutoScroll = form->AutoScroll();
            form->SetAutoScroll(false);
        }
        SetParent(control->Parent());
        m_scrollPosition = ParentScrollPosition();
        m_outlineRect = QRect();
        SetEnabled(true);
        SetVisible(true);
        SetHandleBounds(FirstTargetBox(control));
    }
    m_targets.push_back(control);
    control->FreeNotification(this);
    m_grip = 0;
    if (!Designing())
        GrabInput();
}

void TStretchHandle::Attach(const std::vector<TControl *> &controls)
{
    std::unordered_set<const TControl *> attached(m_targets.begin(), m_targets.end());
    QRect box = BoundsRect();
    bool grown = false;
    for (TControl *control : controls) {
        // The first target, a control of another parent and whatever Attach refuses take
        // Attach's own way, with the box grown so far in place.
        if (!control || !HasTargets() || control->Parent() != Parent()
            || control->Is<TCustomForm>()) {
            if (grown)
                SetHandleBounds(box);
            grown = false;
            Attach(control);
            attached = std::unordered_set<const TControl *>(m_targets.begin(), m_targets.end());
            box = BoundsRect();
            continue;
        }
        if (!attached.insert(control).second)
            continue;
        box = GrownBox(box, control);
        grown = true;
        m_targets.push_back(control);
        control->FreeNotification(this);
    }
    if (!grown)
        return;
    SetHandleBounds(box);
    m_grip = 0;
    if (!Designing())
        GrabInput();
}

QRect TStretchHandle::GrownBox(const QRect &box, const TControl *control)
{
    // Worked out wide: controls may lie anywhere in the integer range.
    const qint64 boxLeft = box.left(), boxTop = box.top();
    const qint64 left = std::min<qint64>(boxLeft, qint64(control->Left()) - Margin);
    const qint64 top = std::min<qint64>(boxTop, qint64(control->Top()) - Margin);
    const qint64 right = std::max<qint64>(boxLeft + box.width() - 3,
                                          qint64(control->Left()) + control->Width());
    const qint64 bottom = std::max<qint64>(boxTop + box.height() - 3,
                                           qint64(control->Top()) + control->Height());
    return ClampedBox(left, top, right - left + 3, bottom - top + 3);
}

void TStretchHandle::Refit()
{
    if (!HasTargets())
        return;
    TControl *first = m_targets.front();
    const bool sameParent = std::all_of(m_targets.begin(), m_targets.end(), [&](TControl *t) {
        return t->Parent() == Parent();
    });
    // A target that moved to another parent, or an aligned first target (whose form's
    // scrolling the selection switches off and back), takes the whole way round.
    if (!sameParent || first->Align() != alNone || m_savedAutoScroll) {
        const std::vector<TControl *> targets = m_targets;
        const bool locked = m_locked;
        DetachAll();
        for (TControl *control : targets)
            Attach(control);
        m_locked = locked;
        return;
    }
    CancelDrag();
    m_outlineRect = QRect();
    m_scrollPosition = ParentScrollPosition();
    SetEnabled(true);
    SetVisible(true);
    SetHandleBounds(FittedBox());
    m_grip = 0;
    if (!Designing())
        GrabInput();
}

QRect TStretchHandle::FittedBox() const
{
    QRect box = FirstTargetBox(m_targets.front());
    for (size_t i = 1; i < m_targets.size(); ++i)
        box = GrownBox(box, m_targets[i]);
    return box;
}

void TStretchHandle::FollowTargets()
{
    if (!HasTargets() || m_dragging || m_following || Designing())
        return;
    if (BoundsRect() == FittedBox())
        return;
    // Refitting sets the handle's bounds, which may make the parent align again.
    const QScopedValueRollback<bool> fitting(m_following, true);
    Refit();
}

QPoint TStretchHandle::ParentScrollPosition() const
{
    auto *scrolled = ObjectCast<TScrollingWinControl>(Parent());
    if (!scrolled || !scrolled->HorzScrollBar() || !scrolled->VertScrollBar())
        return QPoint();
    return QPoint(scrolled->HorzScrollBar()->Position(), scrolled->VertScrollBar()->Position());
}

QRect TStretchHandle::FirstTargetBox(TControl *control) const
{
    const qint64 l = control->Left(), t = control->Top();
    const qint64 w = control->Width(), h = control->Height();
    switch (control->Align()) {
    case alTop:
        return ClampedBox(l, t, w, h + 2 * Margin);
    case alBottom:
        return ClampedBox(l, t - Margin, w, h);
    case alLeft:
        return ClampedBox(l, t, w + 2 * Margin, h);
    case alRight:
        return ClampedBox(l - Margin, t, w, h);
    case alClient:
        return ClampedBox(l, t, w, h);
    default:
        return ClampedBox(l - Margin, t - Margin, w + 2 * Margin, h + 2 * Margin);
    }
}

void TStretchHandle::GrabInput()
{
    BringToFront();
    if (!Showing())
        return;
    // The capture carries a press that selected a control on into a drag. Taken with no
    // button held (a selection made from the keyboard, the inspector or a placement) it would
    // keep every later click of the application, on the palette and the inspector too.
    const bool pressing = QGuiApplication::mouseButtons() & Qt::LeftButton;
    if (pressing)
        SetCaptureControl(this);
    // The keys follow a press on the design form, or a selection made while the user works
    // there; a selection made from another window leaves the typing in that window.
    TCustomForm *form = ParentForm();
    if (Visible() && Enabled() && CanFocus() && (pressing || (form && form->Active())))
        SetFocus();
}

void TStretchHandle::ContinuePress(const QPoint &point)
{
    if (m_locked || GetCaptureControl() != this)
        return;
    m_dragOriginX = point.x();
    m_dragOriginY = point.y();
    m_dragging = true;
}

void TStretchHandle::DetachAll()
{
    CancelDrag();
    if (GetCaptureControl() == this)
        ReleaseCapture();
    // Last first: each target's link is then the last in this handle's list.
    while (!m_targets.empty()) {
        TControl *target = m_targets.back();
        auto *form = ObjectCast<TCustomForm>(target->Parent());
        if (m_savedAutoScroll && form)
            form->SetAutoScroll(true);
        m_targets.pop_back();
        target->RemoveFreeNotification(this);
    }
    m_savedAutoScroll = false;
    m_locked = false;
    TControl::SetBounds(Left(), Top(), 24, 24);
    SetEnabled(false);
    SetVisible(false);
    SetParent(nullptr);
    m_outlineRect = QRect();
}

int TStretchHandle::IndexOfTarget(const TControl *control) const
{
    const auto it = std::find(m_targets.begin(), m_targets.end(), control);
    return it == m_targets.end() ? -1 : int(it - m_targets.begin());
}

TControl *TStretchHandle::Target(int index) const
{
    if (index < 0 || index >= TargetCount())
        return nullptr;
    return m_targets[size_t(index)];
}

bool TStretchHandle::PointInTargets(const QPoint &point) const
{
    // Worked out wide: a target may end at the last coordinate.
    const qint64 x = point.x(), y = point.y();
    for (TControl *t : m_targets) {
        const qint64 l = qint64(t->Left()) - Margin, top = qint64(t->Top()) - Margin;
        const qint64 r = qint64(t->Left()) + t->Width() + 2 * Margin;
        const qint64 b = qint64(t->Top()) + t->Height() + 2 * Margin;
        if (x >= l && x < r && y >= top && y < b)
            return true;
    }
    return false;
}

void TStretchHandle::Notification(TComponent *component, TOperation operation)
{
    TCustomControl::Notification(component, operation);
    if (operation != opRemove)
        return;
    const auto it = std::find_if(m_targets.begin(), m_targets.end(), [&](TControl *t) {
        return static_cast<TComponent *>(t) == component;
    });
    if (it == m_targets.end())
        return;
    // A target that is freed leaves the selection; the box shrinks to the others, unless
    // their parent is going too.
    m_targets.erase(it);
    std::vector<TControl *> rest = m_targets;
    const bool locked = m_locked;
    DetachAll();
    TWinControl *parent = rest.empty() ? nullptr : rest.front()->Parent();
    if (!parent || parent->IsDestroying())
        return;
    for (TControl *control : rest)
        Attach(control);
    m_locked = locked;
}

// ---------------------------------------------------------------------------------------------
// Bounds

void TStretchHandle::SetHandleBounds(const QRect &bounds)
{
    SetHandleBounds(bounds.left(), bounds.top(), bounds.width(), bounds.height());
}

void TStretchHandle::SetHandleBounds(int left, int top, int width, int height)
{
    // Setting the box may make the parent align (a form that sizes itself to its controls);
    // the box must not be refitted from inside its own fitting.
    const QScopedValueRollback<bool> fitting(m_following, true);
    TControl::SetBounds(left, top, width, height);
}

void TStretchHandle::SetBounds(int left, int top, int width, int height)
{
    const bool wasVisible = Visible();
    if (ParentScrollPosition() != m_scrollPosition) {
        // The parent scrolls its children, the targets among them (a scroll sets the bars'
        // positions first, then moves the children): the box goes along alone.
        m_scrollPosition = ParentScrollPosition();
        SetHandleBounds(left, top, width, height);
        return;
    }
    if (Designing()) {
        SetVisible(false);
        TControl::SetBounds(left, top, 24, 24);
    } else if (!m_locked) {
        const qint64 dl = qint64(left) - Left(), dt = qint64(top) - Top();
        const qint64 dw = qint64(width) - Width(), dh = qint64(height) - Height();
        // Each target adjusts the request its own way (a proxy keeps its fixed size); a
        // target at the end of the coordinate range stays there.
        // While the targets move one by one, the box is not refitted to the half-moved set.
        const std::vector<TControl *> targets = m_targets;
        {
            const QScopedValueRollback<bool> fitting(m_following, true);
            // Many targets move with their parent's painting and scroll ranges held, which
            // follow once after: each move's own repaint and measuring of all the parent's
            // children made moving a thousand controls quadratic.
            std::optional<TChildChangesLock> held;
            if (targets.size() > 1 && Parent())
                held.emplace(Parent());
            for (TControl *t : targets)
                t->SetBounds(ClampToInt(t->Left() + dl), ClampToInt(t->Top() + dt),
                             ClampToInt(t->Width() + dw), ClampToInt(t->Height() + dh));
        }
        SetHandleBounds(left, top, width, height);
    }
    if (TargetCount() == 1) {
        // The box is fitted again to where the target really is. Detaching clears Locked,
        // which the selection keeps: the user's lock outlives a refit.
        TControl *target = m_targets.front();
        const bool locked = m_locked;
        DetachAll();
        Attach(target);
        m_locked = locked;
    } else if (HasTargets() && !BoundsRect().contains(FittedBox())) {
        // A target that kept its own size (a component's proxy) or refused the bounds lies
        // partly outside the requested box: the box takes them all in again.
        Refit();
    }
    if (!Visible())
        SetVisible(wasVisible);
}

void TStretchHandle::SetGripColor(TColor color)
{
    m_color = color;
    Invalidate();
}

void TStretchHandle::SetSecondaryColor(TColor color)
{
    m_secondaryColor = color;
    Invalidate();
}

void TStretchHandle::SetSnapToGrid(bool v)
{
    m_gridX = m_gridY = v ? 8 : 1;
}

// ---------------------------------------------------------------------------------------------
// Painting

namespace {

// A classic rectangle: right and bottom excluded.
QRect Span(int x1, int y1, int x2, int y2)
{
    return QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1));
}

} // namespace

// Only the grips are painted: between them the handle is transparent.
void TStretchHandle::PaintWidget(QPainter &painter)
{
    TCanvas *canvas = Canvas();
    canvas->SetPainter(&painter);
    try {
        Paint();
    } catch (...) {
        canvas->ReleasePainter();
        throw;
    }
    canvas->ReleasePainter();
}

void TStretchHandle::Paint()
{
    TCanvas *canvas = Canvas();
    canvas->Brush()->SetStyle(bsSolid);
    if (Designing()) {
        canvas->Brush()->SetColor(m_color);
        canvas->FillRect(Span(0, 0, 5, 5));
        canvas->FillRect(Span(19, 0, 24, 5));
        canvas->FillRect(Span(19, 19, 24, 24));
        canvas->FillRect(Span(0, 19, 5, 24));
        return;
    }
    const bool single = TargetCount() == 1;
    canvas->Brush()->SetColor(single ? m_color : m_secondaryColor);
    // With thousands of targets selected, the grips are gathered and filled in one go, and
    // those of targets outside the area being painted are left out.
    const QRect painted = canvas->ClipRect();
    std::vector<QRect> grips;
    grips.reserve(m_targets.size() * (single ? 8 : 4));
    for (TControl *target : m_targets)
        AddTargetGrips(target, single, painted, grips);
    canvas->FillRects(grips);
}

void TStretchHandle::AddTargetGrips(TControl *target, bool single, const QRect &painted,
                                    std::vector<QRect> &grips) const
{
    const int l = target->Left() - Left() - Margin;
    const int t = target->Top() - Top() - Margin;
    const int r = target->Left() - Left() + target->Width() + Margin;
    const int b = target->Top() - Top() + target->Height() + Margin;
    if (!painted.intersects(Span(l, t, r, b)))
        return;
    const int g = GripSize;
    grips.push_back(Span(l, t, l + g, t + g));
    grips.push_back(Span(r - g, t, r, t + g));
    grips.push_back(Span(r - g, b - g, r, b));
    grips.push_back(Span(l, b - g, l + g, b));
    if (!single)
        return;
    const int mx = l + (r - l) / 2, my = t + (b - t) / 2;
    grips.push_back(Span(mx - 2, t, mx + 3, t + g));
    grips.push_back(Span(mx - 2, b - g, mx + 3, b));
    grips.push_back(Span(l, my - 2, l + g, my + 3));
    grips.push_back(Span(r - g, my - 2, r, my + 3));
}
