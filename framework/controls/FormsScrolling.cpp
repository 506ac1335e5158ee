// Scrolling of forms and scroll boxes: the control scroll bars and the range, visibility and
// position logic of TScrollingWinControl.

#include "ControlScrollBar.h"

#include "SafeCall.h"

#include <QEvent>
#include <QScrollBar>
#include <QSet>

#include <algorithm>

namespace {

// Watches the children's widgets of a scrolling control: when one moves, changes size, comes
// or goes, the ranges are recomputed.
class TScrollWatcher : public QObject
{
public:
    TScrollWatcher(TScrollingWinControl *control, QWidget *client)
        : QObject(client), m_control(control)
    {
        client->installEventFilter(this);
        for (QObject *child : client->children()) {
            if (child->isWidgetType() && !qobject_cast<QScrollBar *>(child))
                Watch(child);
        }
    }

private:
    void Watch(QObject *child)
    {
        child->installEventFilter(this);
        m_watched.insert(child);
        connect(child, &QObject::destroyed, this, [this](QObject *gone) { m_watched.remove(gone); });
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::ChildAdded: {
            QObject *child = static_cast<QChildEvent *>(event)->child();
            // A child that comes back keeps the filter it had: installing it again would
            // reorder the child's filters while one of them may be running.
            if (watched == parent() && child->isWidgetType() && child != this
                && !qobject_cast<QScrollBar *>(child) && !m_watched.contains(child))
                Watch(child);
            break;
        }
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::ChildRemoved:
            if (watched != parent() || event->type() == QEvent::ChildRemoved
                || event->type() == QEvent::Resize) {
                if (!m_control->IsDestroying())
                    SafeCall([this] { m_control->UpdateScrollBars(); });
            }
            break;
        default:
            break;
        }
        return false;
    }

private:
    TScrollingWinControl *m_control; // not owned: the control owns the widget that owns us
    QSet<QObject *> m_watched; // children carrying this filter
};

} // namespace

PTypeInfo TypeInfoTScrollBarKind()
{
    static const PTypeInfo t =
        NewEnumType(QStringLiteral("TScrollBarKind"), {"sbHorizontal", "sbVertical"});
    return t;
}

PTypeInfo TypeInfoTScrollBarInc()
{
    static const PTypeInfo t =
        NewOrdinalType(KindInteger, QStringLiteral("TScrollBarInc"), 1, 32767);
    return t;
}

PTypeInfo TypeInfoTScrollBarStyle()
{
    static const TTypeInfo *t = NewEnumType(
        QStringLiteral("TScrollBarStyle"),
        {QStringLiteral("ssRegular"), QStringLiteral("ssFlat"), QStringLiteral("ssHotTrack")});
    return t;
}

// --- TControlScrollBar ----------------------------------------------------------------------

static TPropTable ControlScrollBarProps()
{
    using B = TControlScrollBar;
    return {
        Prop<B>("ButtonSize", TypeInfoInteger(), &B::ButtonSize, &B::SetButtonSize, 0),
        Prop<B>("Color", TypeInfoTColor(), &B::Color, &B::SetColor, clBtnHighlight),
        Prop<B>("Increment", TypeInfoTScrollBarInc(), &B::Increment, &B::SetIncrement, 8),
        Prop<B>("Margin", TypeInfoWord(), &B::Margin, &B::SetMargin, 0),
        Prop<B>("ParentColor", TypeInfoBoolean(), &B::ParentColor, &B::SetParentColor, 1),
        Prop<B>("Position", TypeInfoInteger(), &B::Position, &B::SetPosition, 0),
        Prop<B>("Range", TypeInfoInteger(), &B::Range, &B::SetRange, 0),
        Prop<B>("Size", TypeInfoInteger(), &B::Size, &B::SetSize, 0),
        Prop<B>("Smooth", TypeInfoBoolean(), &B::Smooth, &B::SetSmooth, 0),
        Prop<B>("Style", TypeInfoTScrollBarStyle(), &B::Style, &B::SetStyle, ssRegular),
        Prop<B>("ThumbSize", TypeInfoInteger(), &B::ThumbSize, &B::SetThumbSize, 0),
        Prop<B>("Tracking", TypeInfoBoolean(), &B::Tracking, &B::SetTracking, 0),
        Prop<B>("Visible", TypeInfoBoolean(), &B::Visible, &B::SetVisible, 1),
    };
}
Z_DEFINE_CLASS(TControlScrollBar, TPersistent, ControlScrollBarProps)

TControlScrollBar::TControlScrollBar(TScrollingWinControl *control, TScrollBarKind kind)
    : m_control(control), m_kind(kind)
{
}

TControlScrollBar::~TControlScrollBar() = default;

void TControlScrollBar::Assign(TPersistent *source)
{
    auto *other = ObjectCast<TControlScrollBar>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    m_increment = other->m_increment;
    m_margin = other->m_margin;
    m_tracking = other->m_tracking;
    m_buttonSize = other->m_buttonSize;
    m_color = other->m_color;
    m_parentColor = other->m_parentColor;
    m_size = other->m_size;
    m_smooth = other->m_smooth;
    m_style = other->m_style;
    m_thumbSize = other->m_thumbSize;
    m_visible = other->m_visible;
    SetRange(other->m_range);
    SetPosition(other->m_position);
}

int TControlScrollBar::Extent()
{
    static const int extent = QScrollBar(Qt::Vertical).sizeHint().width();
    return extent;
}

void TControlScrollBar::SetRange(int range)
{
    // A range set by hand means the user takes over from the automatic one.
    m_control->m_autoScroll = false;
    m_range = std::max(0, range);
    m_control->UpdateScrollBars();
}

void TControlScrollBar::SetPosition(int position)
{
    m_control->ScrollTo(this, position);
}

void TControlScrollBar::SetIncrement(int v)
{
    m_increment = std::clamp(v, 1, 32767);
    if (m_widget)
        m_widget->setSingleStep(m_increment);
}

void TControlScrollBar::SetMargin(int v)
{
    m_margin = std::max(0, v);
    m_control->UpdateScrollBars();
}

void TControlScrollBar::SetVisible(bool v)
{
    m_visible = v;
    m_control->UpdateScrollBars();
}

void TControlScrollBar::SetTracking(bool v)
{
    m_tracking = v;
    if (m_widget)
        m_widget->setTracking(v);
}

void TControlScrollBar::SetColor(TColor color)
{
    m_color = color;
    m_parentColor = false;
}

void TControlScrollBar::SetParentColor(bool v)
{
    m_parentColor = v;
    if (v)
        m_color = clBtnHighlight;
}

void TControlScrollBar::SyncWidget(int clientExtent)
{
    if (!m_widget)
        return;
    const QSignalBlocker block(m_widget.data());
    m_widget->setRange(0, std::max(0, m_range - clientExtent));
    m_widget->setPageStep(std::max(1, clientExtent));
    m_widget->setSingleStep(m_increment);
    m_widget->setTracking(m_tracking);
    m_widget->setValue(m_position);
    m_widget->setVisible(m_showing);
    if (m_showing)
        m_widget->raise();
}

// --- TScrollingWinControl -------------------------------------------------------------------

Z_DEFINE_CLASS(TScrollingWinControl, TWinControl, NoPublishedProps)

TScrollingWinControl::TScrollingWinControl(TComponent *owner)
    : TWinControl(owner), m_horzScrollBar(new TControlScrollBar(this, sbHorizontal)),
      m_vertScrollBar(new TControlScrollBar(this, sbVertical))
{
}

TScrollingWinControl::~TScrollingWinControl()
{
    Destroying();
    delete m_scrollWatcher;
    m_scrollWatcher = nullptr;
    delete m_horzScrollBar;
    delete m_vertScrollBar;
    m_horzScrollBar = m_vertScrollBar = nullptr;
}

void TScrollingWinControl::SetAutoScroll(bool v)
{
    m_autoScroll = v;
    UpdateScrollBars();
}

void TScrollingWinControl::SetHorzScrollBar(TControlScrollBar *bar)
{
    m_horzScrollBar->Assign(bar);
}

void TScrollingWinControl::SetVertScrollBar(TControlScrollBar *bar)
{
    m_vertScrollBar->Assign(bar);
}

QRect TScrollingWinControl::ScrollArea() const
{
    return QRect(0, 0, Width(), Height());
}

QRect TScrollingWinControl::ClientRect() const
{
    QRect r = ScrollArea();
    r.moveTopLeft(QPoint(0, 0));
    if (m_vertScrollBar && m_vertScrollBar->IsScrollBarVisible())
        r.setWidth(std::max(0, r.width() - TControlScrollBar::Extent()));
    if (m_horzScrollBar && m_horzScrollBar->IsScrollBarVisible())
        r.setHeight(std::max(0, r.height() - TControlScrollBar::Extent()));
    return r;
}

void TScrollingWinControl::InitWidget()
{
    TWinControl::InitWidget();
    QWidget *client = ClientWidget();
    for (TControlScrollBar *bar : {m_horzScrollBar, m_vertScrollBar}) {
        auto *w = new QScrollBar(bar->Kind() == sbHorizontal ? Qt::Horizontal : Qt::Vertical,
                                 client);
        w->setFocusPolicy(Qt::NoFocus);
        w->hide();
        QObject::connect(w, &QScrollBar::valueChanged, w, [this, bar](int value) {
            SafeCall([&] { ScrollTo(bar, value); });
        });
        bar->m_widget = w;
    }
    m_scrollWatcher = new TScrollWatcher(this, client);
    UpdateScrollBars();
}

void TScrollingWinControl::AlignControls(TControl *changed)
{
    TWinControl::AlignControls(changed);
    UpdateScrollBars();
}

QRect TScrollingWinControl::FitArea() const
{
    // The client and any scroll bars share the scroll area.
    return ScrollArea();
}

int TScrollingWinControl::AutoRange(bool horizontal) const
{
    const TControlScrollBar *bar = horizontal ? m_horzScrollBar : m_vertScrollBar;
    int extent = 0;
    for (int i = 0; i < ControlCount(); ++i) {
        const TControl *c = Controls(i);
        if (!(c->Visible() || c->Designing()))
            continue;
        // Children stuck to the far edge or filling the client move with it: they never
        // extend the scrolled area.
        const TAlign a = c->Align();
        if (a == alClient || a == (horizontal ? alRight : alBottom)
            || a == (horizontal ? alTop : alLeft) || a == (horizontal ? alBottom : alRight))
            continue;
        const int far = horizontal ? c->Left() + c->Width() : c->Top() + c->Height();
        extent = std::max(extent, far + bar->Position());
    }
    return extent > 0 ? extent + bar->Margin() : 0;
}

void TScrollingWinControl::UpdateScrollBars()
{
    if (m_updatingScrollBars || IsDestroying() || !m_horzScrollBar)
        return;
    if (m_autoRangeLocks > 0) {
        m_scrollBarsPending = true;
        return;
    }
    m_scrollBarsPending = false;
    m_updatingScrollBars = true;
    try {
        if (m_autoScroll) {
            m_horzScrollBar->m_range = AutoRange(true);
            m_vertScrollBar->m_range = AutoRange(false);
        }
        const QRect area = ScrollArea();
        const int e = TControlScrollBar::Extent();
        // Showing one bar narrows the room for the other: decide twice.
        bool h = false, v = false;
        for (int pass = 0; pass < 2; ++pass) {
            const int cw = area.width() - (v ? e : 0);
            const int ch = area.height() - (h ? e : 0);
            h = m_horzScrollBar->m_visible && m_horzScrollBar->m_range > cw;
            v = m_vertScrollBar->m_visible && m_vertScrollBar->m_range > ch;
        }
        m_horzScrollBar->m_showing = h;
        m_vertScrollBar->m_showing = v;
        const int cw = std::max(0, area.width() - (v ? e : 0));
        const int ch = std::max(0, area.height() - (h ? e : 0));
        // Positions past the end of a shrunken range scroll back.
        const int maxX = h ? std::max(0, m_horzScrollBar->m_range - cw) : 0;
        const int maxY = v ? std::max(0, m_vertScrollBar->m_range - ch) : 0;
        const int dx = m_horzScrollBar->m_position - std::min(m_horzScrollBar->m_position, maxX);
        const int dy = m_vertScrollBar->m_position - std::min(m_vertScrollBar->m_position, maxY);
        if (dx || dy) {
            m_horzScrollBar->m_position -= dx;
            m_vertScrollBar->m_position -= dy;
            ScrollBy(dx, dy);
        }
        if (m_horzScrollBar->m_widget) {
            const QRect r = area;
            m_horzScrollBar->m_widget->setGeometry(r.left(), r.top() + r.height() - e,
                                                   std::max(0, r.width() - (v ? e : 0)), e);
            m_vertScrollBar->m_widget->setGeometry(r.left() + r.width() - e, r.top(), e,
                                                   std::max(0, r.height() - (h ? e : 0)));
        }
        m_horzScrollBar->SyncWidget(cw);
        m_vertScrollBar->SyncWidget(ch);
    } catch (...) {
        m_updatingScrollBars = false;
        throw;
    }
    m_updatingScrollBars = false;
}

void TScrollingWinControl::EnableAutoRange()
{
    if (m_autoRangeLocks > 0 && --m_autoRangeLocks == 0 && m_scrollBarsPending)
        UpdateScrollBars();
}

TChildChangesLock::TChildChangesLock(TWinControl *control)
    : m_control(control), m_scrolling(ObjectCast<TScrollingWinControl>(control))
{
    m_control->LockDrawing();
    if (m_scrolling)
        m_scrolling->DisableAutoRange();
}

TChildChangesLock::~TChildChangesLock()
{
    // The ranges first: scrolling back into a shrunken range moves children, which the one
    // paint after the drawing lock then shows.
    if (m_scrolling)
        SafeCall([this] { m_scrolling->EnableAutoRange(); });
    m_control->UnlockDrawing();
}

void TScrollingWinControl::ScrollTo(TControlScrollBar *bar, int position)
{
    const QRect client = ClientRect();
    const int extent = bar->Kind() == sbHorizontal ? client.width() : client.height();
    const int limit = bar->IsScrollBarVisible() ? std::max(0, bar->Range() - extent) : 0;
    position = std::clamp(position, 0, limit);
    const int delta = bar->Position() - position;
    if (delta == 0)
        return;
    bar->StorePosition(position);
    if (bar->Kind() == sbHorizontal)
        ScrollBy(delta, 0);
    else
        ScrollBy(0, delta);
    bar->SyncWidget(extent);
}

void TScrollingWinControl::ScrollBy(int dx, int dy)
{
    if (dx == 0 && dy == 0)
        return;
    const bool wasUpdating = m_updatingScrollBars;
    m_updatingScrollBars = true; // the children's moves are ours, not new extents
    for (int i = 0; i < ControlCount(); ++i) {
        TControl *c = Controls(i);
        if (c->Align() == alNone)
            c->SetBounds(c->Left() + dx, c->Top() + dy, c->Width(), c->Height());
    }
    m_updatingScrollBars = wasUpdating;
}

void TScrollingWinControl::ScrollInView(TControl *control)
{
    if (!control || control->Parent() != this)
        return;
    const QRect client = ClientRect();
    auto bring = [&](TControlScrollBar *bar, int start, int size, int extent) {
        if (start < 0)
            bar->SetPosition(bar->Position() + start);
        else if (start + size > extent)
            bar->SetPosition(bar->Position() + std::min(start, start + size - extent));
    };
    bring(m_horzScrollBar, control->Left(), control->Width(), client.width());
    bring(m_vertScrollBar, control->Top(), control->Height(), client.height());
}
