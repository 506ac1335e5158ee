// Windowed controls, which hold child controls in z-order, align and anchor them and take the
// focus and keys; and the two painting bases, graphic controls and custom controls.

#include "Controls.h"

#include "ControlWidget.h"
#include "Forms.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QPainter>
#include <QRegion>
#include <QScopedValueRollback>
#include <QWidget>

#include <algorithm>
#include <limits>

namespace {

// Fills a scrolling widget's viewport (a list's, a memo's) with its background before the
// widget paints it, in place of Qt's own filling. Filled by Qt, the viewport counts as opaque,
// and every paint of its parent first cuts all such viewports out of the area to paint: on a
// form with hundreds of lists and memos each sibling is then clipped against a region of
// hundreds of pieces, and moving all the controls took half as long again.
class TViewportBackground : public QObject
{
public:
    explicit TViewportBackground(QWidget *viewport) : QObject(viewport)
    {
        viewport->setAutoFillBackground(false);
        viewport->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            auto *viewport = static_cast<QWidget *>(watched);
            QPainter painter(viewport);
            painter.fillRect(static_cast<QPaintEvent *>(event)->rect(),
                             viewport->palette().brush(viewport->backgroundRole()));
        }
        return false;
    }
};

} // namespace

static TPropTable WinControlProps()
{
    return {};
}
Z_DEFINE_CLASS(TWinControl, TControl, WinControlProps)

TWinControl::TWinControl(TComponent *owner) : TControl(owner) {}

TWinControl::~TWinControl()
{
    Destroying();
    // Children still here belong to other owners; a parent frees its children, as the classic
    // framework does, and each child unhooks itself from its owner as it goes.
    while (!m_controls.empty()) {
        TControl *child = m_controls.back();
        const bool livesOn = child->ControlStyle() & csNotFreedByParent;
        TakeOutControl(child, livesOn);
        if (livesOn)
            continue;
        child->MarkDestroying();
        if (child->Owner())
            child->Owner()->RemoveComponent(child);
        Free(child);
    }
    DestroyWidget();
    // Out of the parent while still a windowed control, so that the siblings after it in the
    // tab order close the gap, as when the parent frees it.
    if (TWinControl *parent = Parent())
        parent->TakeOutControl(this, false);
}

void TWinControl::InsertControl(TControl *control)
{
    if (ContainsControl(control))
        return;
    if (!m_tabGaps.empty())
        CloseTabGaps();
    m_controls.push_back(control);
    control->m_parent = this;
    auto *windowed = ObjectCast<TWinControl>(control);
    if (windowed && windowed->m_tabOrder < 0) {
        // A windowed child without a tab order of its own comes last in its parent's: 0, 1,
        // 2, ... (one given before the insertion is kept)
        windowed->m_tabOrder = int(std::count_if(m_controls.begin(), m_controls.end(),
                                                 [](TControl *c) {
                                                     return ObjectCast<TWinControl>(c);
                                                 }))
                               - 1;
    }
    control->UpdateAnchorRules();
    if (control->ParentFont())
        control->ParentFontChanged();
    if (control->ParentColor())
        control->ParentColorChanged();
    if (m_widget) {
        if (control->m_widget) {
            control->m_widget->setParent(ClientWidget());
            control->ApplyWidgetGeometry();
            control->ApplyWidgetVisibility();
        } else {
            control->Handle();
        }
    }
    if (control->Align() != alNone)
        Realign(control);
    else
        ChildChanged(control);
}

void TWinControl::RemoveControl(TControl *control)
{
    TakeOutControl(control, true);
}

void TWinControl::FreeControl(TControl *control)
{
    TakeOutControl(control, false);
    Free(control);
}

void TWinControl::CloseTabGaps()
{
    std::vector<int> gaps;
    gaps.swap(m_tabGaps);
    // Each gap where it was when its child left: the gaps made before had moved it down.
    for (size_t k = 1; k < gaps.size(); ++k) {
        for (size_t j = 0; j < k; ++j) {
            if (gaps[k] > gaps[j])
                --gaps[k];
        }
    }
    for (TControl *c : m_controls) {
        auto *sibling = ObjectCast<TWinControl>(c);
        if (!sibling || sibling->m_tabOrder < 0)
            continue;
        for (int gap : gaps) {
            if (sibling->m_tabOrder > gap)
                --sibling->m_tabOrder;
        }
    }
}

void TWinControl::TakeOutControl(TControl *control, bool livesOn)
{
    const auto it = std::find(m_controls.begin(), m_controls.end(), control);
    if (it == m_controls.end())
        return;
    m_controls.erase(it);
    control->m_parent = nullptr;
    auto *windowed = ObjectCast<TWinControl>(control);
    // In a parent that is going, nobody tabs any more.
    if (windowed && windowed->m_tabOrder >= 0 && !IsDestroying())
        m_tabGaps.push_back(windowed->m_tabOrder);
    if (windowed)
        windowed->m_tabOrder = -1;
    if (control->m_widget) {
        if (control->IsDestroying()) {
            // A control being freed takes its widget along now: moving the widget out of its
            // window first walks the window's whole focus chain, for a widget about to go.
            control->DestroyWidget();
        } else if (livesOn) {
            control->m_widget->hide();
            control->m_widget->setParent(nullptr);
        } else if (!IsDestroying()) {
            // About to be freed: the widget stays in the window until then, hidden so that the
            // place it leaves is painted again.
            control->m_widget->hide();
        }
    }
    if (IsDestroying())
        return;
    if (control->Align() != alNone)
        Realign();
    else
        ChildChanged(control);
}

bool TWinControl::ContainsControl(const TControl *control) const
{
    return std::find(m_controls.begin(), m_controls.end(), control) != m_controls.end();
}

TControl *TWinControl::ControlAtPos(const QPoint &pos, bool allowDisabled) const
{
    for (auto it = m_controls.rbegin(); it != m_controls.rend(); ++it) {
        TControl *c = *it;
        if ((c->Visible() || c->Designing()) && (allowDisabled || c->Enabled())
            && c->BoundsRect().contains(pos))
            return c;
    }
    return nullptr;
}

void TWinControl::EnableAlign()
{
    if (m_alignDisabled > 0 && --m_alignDisabled == 0)
        Realign();
}

void TWinControl::LockDrawing()
{
    if (m_drawingLocks++ == 0 && m_widget)
        m_widget->setUpdatesEnabled(false);
}

void TWinControl::UnlockDrawing()
{
    if (m_drawingLocks == 0)
        return;
    // Enabling the widget's updates again schedules one paint of all of it.
    if (--m_drawingLocks == 0 && m_widget)
        m_widget->setUpdatesEnabled(true);
}

void TWinControl::Realign(TControl *changed)
{
    if (m_alignDisabled > 0 || m_aligning || IsDestroying())
        return;
    m_aligning = true;
    try {
        // A handler that this alignment runs may let messages run, and among them may be a new
        // size of this control (the next step of a quick drag). The call for it returned at
        // once above, so the children are aligned again to the size they now have.
        QRect aligned;
        int pass = 0;
        do {
            aligned = ClientRect();
            AlignControls(pass == 0 ? changed : nullptr);
        } while (ClientRect() != aligned && ++pass < 4);
    } catch (...) {
        m_aligning = false;
        throw;
    }
    m_aligning = false;
}

void TWinControl::AlignControls(TControl *changed)
{
    if (m_fitsToControls)
        FitToControls();
    QRect rect = ClientRect();
    AdjustClientRect(rect);
    // Whether a goes before b among children of the same alignment: by their current places.
    auto before = [](TControl *a, TControl *b, TAlign align) {
        switch (align) {
        case alTop: return a->Top() < b->Top();
        case alBottom: return a->Top() + a->Height() > b->Top() + b->Height();
        case alLeft: return a->Left() < b->Left();
        case alRight: return a->Left() + a->Width() > b->Left() + b->Width();
        default: return false;
        }
    };
    auto placed = [&](TAlign align) {
        std::vector<TControl *> list;
        auto counts = [align](TControl *c) {
            return c->Align() == align && (c->Visible() || c->Designing());
        };
        // The changed child goes first; others only go before it when strictly before it.
        if (changed && ContainsControl(changed) && counts(changed))
            list.push_back(changed);
        for (TControl *c : m_controls) {
            if (c == changed || !counts(c))
                continue;
            auto at = list.begin();
            while (at != list.end() && !before(c, *at, align))
                ++at;
            list.insert(at, c);
        }
        return list;
    };
    for (TControl *c : placed(alTop)) {
        c->SetBounds(rect.left(), rect.top(), rect.width(), c->Height());
        rect.setTop(rect.top() + c->Height());
    }
    for (TControl *c : placed(alBottom)) {
        c->SetBounds(rect.left(), rect.bottom() + 1 - c->Height(), rect.width(), c->Height());
        rect.setBottom(rect.bottom() - c->Height());
    }
    for (TControl *c : placed(alLeft)) {
        c->SetBounds(rect.left(), rect.top(), c->Width(), std::max(0, rect.height()));
        rect.setLeft(rect.left() + c->Width());
    }
    for (TControl *c : placed(alRight)) {
        c->SetBounds(rect.right() + 1 - c->Width(), rect.top(), c->Width(),
                     std::max(0, rect.height()));
        rect.setRight(rect.right() - c->Width());
    }
    for (TControl *c : placed(alClient))
        c->SetBounds(rect.left(), rect.top(), std::max(0, rect.width()),
                     std::max(0, rect.height()));
    AnchorControls();
}

void TWinControl::AnchorControls()
{
    // Children that are not aligned keep their distance to the edges they are anchored to
    // when the parent changes size; without the left (top) anchor they keep their size and move.
    const QRect client = ClientRect();
    for (TControl *c : m_controls) {
        if (c->Align() != alNone)
            continue;
        if (!c->m_anchorsKnown) {
            c->UpdateAnchorRules();
            continue;
        }
        const TAnchors a = c->Anchors();
        int left = c->Left(), top = c->Top(), width = c->Width(), height = c->Height();
        // Edges are worked out wide: a control may lie anywhere in the integer range.
        if (a & (1u << akRight)) {
            const qint64 right = qint64(client.width()) - c->m_anchorRight;
            if (a & (1u << akLeft))
                width = ClampToInt(std::max<qint64>(0, right - left));
            else
                left = ClampToInt(right - width);
        }
        if (a & (1u << akBottom)) {
            const qint64 bottom = qint64(client.height()) - c->m_anchorBottom;
            if (a & (1u << akTop))
                height = ClampToInt(std::max<qint64>(0, bottom - top));
            else
                top = ClampToInt(bottom - height);
        }
        if (QRect(left, top, width, height) != c->BoundsRect()) {
            const int keepRight = c->m_anchorRight, keepBottom = c->m_anchorBottom;
            c->SetBounds(left, top, width, height);
            c->m_anchorRight = keepRight; // the rule stays, whatever the new bounds say
            c->m_anchorBottom = keepBottom;
        }
    }
}

void TWinControl::Resize()
{
    Realign();
    TControl::Resize();
}

void TWinControl::FontChanged()
{
    TControl::FontChanged();
    for (TControl *c : m_controls)
        c->ParentFontChanged();
}

void TWinControl::ColorChanged()
{
    TControl::ColorChanged();
    for (TControl *c : m_controls)
        c->ParentColorChanged();
}

void TWinControl::SetTabStop(bool v)
{
    m_tabStop = v;
    if (m_widget && !Designing())
        m_widget->setFocusPolicy(v ? Qt::StrongFocus : Qt::ClickFocus);
}

bool TWinControl::Focused() const
{
    return m_widget && m_widget->hasFocus();
}

bool TWinControl::CanFocus() const
{
    return Showing() && Enabled() && !Designing();
}

void TWinControl::SetFocus()
{
    if (!CanFocus())
        throw EInvalidOperation(QStringLiteral("Cannot focus a disabled or invisible window"));
    Handle()->setFocus(Qt::OtherFocusReason);
}

QWidget *TWinControl::ClientWidget()
{
    return Handle();
}

void TWinControl::RepaintClientRegion(const QRegion &region)
{
    if (m_widget)
        ClientWidget()->repaint(region);
}

void TWinControl::InvalidateClientRegion(const QRegion &region)
{
    if (m_widget)
        ClientWidget()->update(region);
}

void TWinControl::InitWidget()
{
    TControl::InitWidget();
    if (auto *area = qobject_cast<QAbstractScrollArea *>(m_widget))
        new TViewportBackground(area->viewport());
    if (m_drawingLocks > 0)
        m_widget->setUpdatesEnabled(false);
    ApplyImeMode();
    ChildWidgetsNeeded();
}

void TWinControl::ChildWidgetsNeeded()
{
    for (TControl *c : m_controls) {
        if (!c->HandleAllocated())
            c->Handle();
        else if (c->m_widget->parentWidget() != ClientWidget())
            c->m_widget->setParent(ClientWidget());
        c->ApplyWidgetGeometry();
        c->ApplyWidgetVisibility();
    }
    // Widgets stack in creation order; restore the z-order of the children.
    for (TControl *c : m_controls)
        c->m_widget->raise();
}

void TWinControl::ParentFontChanged()
{
    TControl::ParentFontChanged();
}

void TWinControl::ParentColorChanged()
{
    TControl::ParentColorChanged();
}

void TWinControl::ApplyDesignState()
{
    TControl::ApplyDesignState();
}

bool TWinControl::KeyDown(quint16 &key, TShiftState shift)
{
    TCustomForm *form = ParentForm();
    if (form && form != this && form->KeyPreview()) {
        form->OnKeyDown(form, key, shift);
        if (key == 0)
            return true;
    }
    OnKeyDown(this, key, shift);
    return key == 0;
}

bool TWinControl::KeyUp(quint16 &key, TShiftState shift)
{
    TCustomForm *form = ParentForm();
    if (form && form != this && form->KeyPreview()) {
        form->OnKeyUp(form, key, shift);
        if (key == 0)
            return true;
    }
    OnKeyUp(this, key, shift);
    return key == 0;
}

bool TWinControl::KeyPress(QChar &key)
{
    TCustomForm *form = ParentForm();
    if (form && form != this && form->KeyPreview()) {
        form->OnKeyPress(form, key);
        if (key.isNull())
            return true;
    }
    OnKeyPress(this, key);
    return key.isNull();
}

// ---------------------------------------------------------------------------------------------

Z_DEFINE_CLASS(TGraphicControl, TControl, NoPublishedProps)

TGraphicControl::TGraphicControl(TComponent *owner) : TControl(owner), m_canvas(new TCanvas) {}

TGraphicControl::~TGraphicControl()
{
    delete m_canvas;
}

void TGraphicControl::PaintWidget(QPainter &painter)
{
    m_canvas->SetPainter(&painter, PaintArea());
    m_canvas->Font()->Assign(Font());
    try {
        Paint();
    } catch (...) {
        m_canvas->ReleasePainter();
        throw;
    }
    m_canvas->ReleasePainter();
}

Z_DEFINE_CLASS(TCustomControl, TWinControl, NoPublishedProps)

TCustomControl::TCustomControl(TComponent *owner) : TWinControl(owner), m_canvas(new TCanvas) {}

TCustomControl::~TCustomControl()
{
    delete m_canvas;
}

void TCustomControl::PaintWidget(QPainter &painter)
{
    TControl::PaintWidget(painter);
    m_canvas->SetPainter(&painter, PaintArea());
    m_canvas->Font()->Assign(Font());
    try {
        Paint();
    } catch (...) {
        m_canvas->ReleasePainter();
        throw;
    }
    m_canvas->ReleasePainter();
}

void TWinControl::SetFitsToControls(bool v)
{
    if (v == m_fitsToControls)
        return;
    m_fitsToControls = v;
    if (v)
        Realign();
}

void TWinControl::ChildChanged(TControl *)
{
    if (m_fitsToControls && !m_fitting)
        Realign();
}

QRect TWinControl::FitArea() const
{
    QRect rect = ClientRect();
    AdjustClientRect(rect);
    return rect;
}

void TWinControl::FitToControls()
{
    if (m_fitting)
        return;
    const QScopedValueRollback<bool> fitting(m_fitting, true);
    const QRect area = FitArea();
    // Children aligned to an edge take their width (height) off the client area; the unaligned
    // ones need the rectangle they cover, which moves to the corner the aligned ones leave.
    int leftWidth = 0, sideWidths = 0, topHeight = 0, edgeHeights = 0;
    bool widthNeeded = false, heightNeeded = false;
    std::vector<TControl *> unaligned;
    int minX = 0, minY = 0, maxX = 0, maxY = 0;
    for (int i = 0; i < ControlCount(); ++i) {
        TControl *c = Controls(i);
        if (!(c->Visible() || c->Designing()))
            continue;
        switch (c->Align()) {
        case alLeft:
            leftWidth += c->Width();
            [[fallthrough]];
        case alRight:
            sideWidths += c->Width();
            widthNeeded = true;
            break;
        case alTop:
            topHeight += c->Height();
            [[fallthrough]];
        case alBottom:
            edgeHeights += c->Height();
            heightNeeded = true;
            break;
        case alClient:
            break;
        default: {
            const QRect r = c->BoundsRect();
            if (unaligned.empty()) {
                minX = r.left(), minY = r.top(), maxX = r.left() + r.width();
                maxY = r.top() + r.height();
            } else {
                minX = std::min(minX, r.left());
                minY = std::min(minY, r.top());
                maxX = std::max(maxX, r.left() + r.width());
                maxY = std::max(maxY, r.top() + r.height());
            }
            unaligned.push_back(c);
            break;
        }
        }
    }
    if (!unaligned.empty()) {
        widthNeeded = heightNeeded = true;
        const int dx = area.left() + leftWidth - minX, dy = area.top() + topHeight - minY;
        if (dx != 0 || dy != 0) {
            for (TControl *c : unaligned)
                c->SetBounds(c->Left() + dx, c->Top() + dy, c->Width(), c->Height());
        }
    }
    const int width = widthNeeded ? sideWidths + (maxX - minX) : area.width();
    const int height = heightNeeded ? edgeHeights + (maxY - minY) : area.height();
    if (width != area.width() || height != area.height())
        SetBounds(Left(), Top(), Width() - area.width() + width,
                  Height() - area.height() + height);
}
