#include "Controls.h"

#include "BasicAction.h"
#include "ControlWidget.h"
#include "Forms.h"
#include "Menus.h"

#include <limits>
#include <QApplication>
#include <QPainter>
#include <QWidget>

#include <algorithm>

PTypeInfo TypeInfoTAlign()
{
    static const TTypeInfo *t = NewEnumType(
        QStringLiteral("TAlign"), {QStringLiteral("alNone"), QStringLiteral("alTop"),
                                   QStringLiteral("alBottom"), QStringLiteral("alLeft"),
                                   QStringLiteral("alRight"), QStringLiteral("alClient")});
    return t;
}

PTypeInfo TypeInfoTBevelCut()
{
    static const TTypeInfo *t = NewEnumType(
        QStringLiteral("TBevelCut"), {QStringLiteral("bvNone"), QStringLiteral("bvLowered"),
                                      QStringLiteral("bvRaised"), QStringLiteral("bvSpace")});
    return t;
}

PTypeInfo TypeInfoTBorderStyle()
{
    static const TTypeInfo *t = NewEnumType(QStringLiteral("TBorderStyle"),
                                            {QStringLiteral("bsNone"), QStringLiteral("bsSingle")});
    return t;
}

PTypeInfo TypeInfoTMouseEvent()
{
    static const TTypeInfo *t = NewMethodType(
        QStringLiteral("TMouseEvent"),
        QStringLiteral("Sender: TObject; Button: TMouseButton; Shift: TShiftState; X, Y: Integer"));
    return t;
}

PTypeInfo TypeInfoTMouseMoveEvent()
{
    static const TTypeInfo *t =
        NewMethodType(QStringLiteral("TMouseMoveEvent"),
                      QStringLiteral("Sender: TObject; Shift: TShiftState; X, Y: Integer"));
    return t;
}

PTypeInfo TypeInfoTKeyEvent()
{
    static const TTypeInfo *t = NewMethodType(
        QStringLiteral("TKeyEvent"),
        QStringLiteral("Sender: TObject; var Key: Word; Shift: TShiftState"));
    return t;
}

PTypeInfo TypeInfoTKeyPressEvent()
{
    static const TTypeInfo *t = NewMethodType(QStringLiteral("TKeyPressEvent"),
                                              QStringLiteral("Sender: TObject; var Key: Char"));
    return t;
}

PTypeInfo TypeInfoTAnchors()
{
    static const TTypeInfo *element = NewEnumType(
        QStringLiteral("TAnchorKind"), {QStringLiteral("akLeft"), QStringLiteral("akTop"),
                                        QStringLiteral("akRight"), QStringLiteral("akBottom")});
    static const TTypeInfo *t = NewSetType(QStringLiteral("TAnchors"), element);
    return t;
}

PTypeInfo TypeInfoTDragMode()
{
    static const TTypeInfo *t = NewEnumType(
        QStringLiteral("TDragMode"), {QStringLiteral("dmManual"), QStringLiteral("dmAutomatic")});
    return t;
}

PTypeInfo TypeInfoTDragKind()
{
    static const TTypeInfo *t = NewEnumType(QStringLiteral("TDragKind"),
                                            {QStringLiteral("dkDrag"), QStringLiteral("dkDock")});
    return t;
}

PTypeInfo TypeInfoTBiDiMode()
{
    static const TTypeInfo *t = NewEnumType(
        QStringLiteral("TBiDiMode"),
        {QStringLiteral("bdLeftToRight"), QStringLiteral("bdRightToLeft"),
         QStringLiteral("bdRightToLeftNoAlign"), QStringLiteral("bdRightToLeftReadingOnly")});
    return t;
}

#define Z_METHOD_TYPE(Fn, Name, Signature) \
    PTypeInfo Fn() \
    { \
        static const TTypeInfo *t = NewMethodType(QStringLiteral(Name), QStringLiteral(Signature)); \
        return t; \
    }

Z_METHOD_TYPE(TypeInfoTDragDropEvent, "TDragDropEvent",
              "Sender, Source: TObject; X, Y: Integer")
Z_METHOD_TYPE(TypeInfoTDragOverEvent, "TDragOverEvent",
              "Sender, Source: TObject; X, Y: Integer; State: TDragState; var Accept: Boolean")
Z_METHOD_TYPE(TypeInfoTEndDragEvent, "TEndDragEvent", "Sender, Target: TObject; X, Y: Integer")
Z_METHOD_TYPE(TypeInfoTStartDragEvent, "TStartDragEvent",
              "Sender: TObject; var DragObject: TDragObject")
Z_METHOD_TYPE(TypeInfoTStartDockEvent, "TStartDockEvent",
              "Sender: TObject; var DragObject: TDragDockObject")
Z_METHOD_TYPE(TypeInfoTContextPopupEvent, "TContextPopupEvent",
              "Sender: TObject; MousePos: TPoint; var Handled: Boolean")

static TPropTable SizeConstraintsProps()
{
    using C = TSizeConstraints;
    return {
        Prop<C>("MaxHeight", TypeInfoInteger(), &C::MaxHeight, &C::SetMaxHeight, 0),
        Prop<C>("MaxWidth", TypeInfoInteger(), &C::MaxWidth, &C::SetMaxWidth, 0),
        Prop<C>("MinHeight", TypeInfoInteger(), &C::MinHeight, &C::SetMinHeight, 0),
        Prop<C>("MinWidth", TypeInfoInteger(), &C::MinWidth, &C::SetMinWidth, 0),
    };
}
Z_DEFINE_CLASS(TSizeConstraints, TPersistent, SizeConstraintsProps)

void TSizeConstraints::Assign(TPersistent *source)
{
    if (auto *other = ObjectCast<TSizeConstraints>(source)) {
        m_maxHeight = other->m_maxHeight;
        m_maxWidth = other->m_maxWidth;
        m_minHeight = other->m_minHeight;
        m_minWidth = other->m_minWidth;
        return;
    }
    TPersistent::Assign(source);
}

QSize TSizeConstraints::Constrain(int width, int height) const
{
    if (m_maxWidth > 0)
        width = std::min(width, m_maxWidth);
    if (m_maxHeight > 0)
        height = std::min(height, m_maxHeight);
    return QSize(std::max(width, m_minWidth), std::max(height, m_minHeight));
}

Qt::CursorShape CursorToShape(TCursor cursor)
{
    switch (cursor) {
    case crCross: return Qt::CrossCursor;
    case crIBeam: return Qt::IBeamCursor;
    case crSizeNESW: return Qt::SizeBDiagCursor;
    case crSizeNS: return Qt::SizeVerCursor;
    case crSizeNWSE: return Qt::SizeFDiagCursor;
    case crSizeWE: return Qt::SizeHorCursor;
    case crUpArrow: return Qt::UpArrowCursor;
    case crHourGlass: case crSQLWait: return Qt::WaitCursor;
    case crDrag: case crMultiDrag: return Qt::DragCopyCursor;
    case crNoDrop: case crNo: return Qt::ForbiddenCursor;
    case crHSplit: return Qt::SplitHCursor;
    case crVSplit: return Qt::SplitVCursor;
    case crAppStart: return Qt::BusyCursor;
    case crHelp: return Qt::WhatsThisCursor;
    case crHandPoint: return Qt::PointingHandCursor;
    default: return Qt::ArrowCursor;
    }
}

static TPropTable ControlProps()
{
    return {};
}
Z_DEFINE_CLASS(TControl, TComponent, ControlProps)

TControl::TControl(TComponent *owner)
    : TComponent(owner), m_font(new TFont), m_constraints(new TSizeConstraints)
{
    m_font->OnChange = TNotifyEvent::Of<&TControl::FontObjectChanged>(this);
}

TControl::~TControl()
{
    Destroying();
    SetAction(nullptr);
    if (m_popupMenu)
        m_popupMenu->RemoveFreeNotification(this);
    if (m_parent)
        m_parent->RemoveControl(this);
    DestroyWidget();
    delete m_font;
    delete m_constraints;
}

void TControl::SetParent(TWinControl *parent)
{
    if (parent == m_parent)
        return;
    if (parent == this)
        throw EInvalidOperation(QStringLiteral("A control cannot have itself as its parent"));
    for (TWinControl *p = parent; p; p = p->Parent()) {
        if (p == this)
            throw EInvalidOperation(QStringLiteral("A control cannot have itself as its parent"));
    }
    if (m_parent)
        m_parent->RemoveControl(this);
    if (parent)
        parent->InsertControl(this);
}

void TControl::SetBounds(int left, int top, int width, int height)
{
    const QSize size = m_constraints->Constrain(std::max(0, width), std::max(0, height));
    // The right and bottom edges are coordinates too: a size that would carry them past the
    // integer range is cut to the last one, so that no rectangle of the control overflows.
    constexpr int kMax = std::numeric_limits<int>::max();
    // An empty rectangle at the very first coordinate would end just before it.
    left = std::max(left, std::numeric_limits<int>::min() + 1);
    top = std::max(top, std::numeric_limits<int>::min() + 1);
    width = left > 0 ? std::min(size.width(), kMax - left) : size.width();
    height = top > 0 ? std::min(size.height(), kMax - top) : size.height();
    const bool changed = left != m_left || top != m_top || width != m_width || height != m_height;
    if (!changed)
        return;
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
    UpdateAnchorRules();
    ApplyWidgetGeometry();
    if (m_align != alNone)
        RequestAlign();
    else if (m_parent)
        m_parent->ChildChanged(this);
    Resize();
}

void TControl::SetAnchors(TAnchors anchors)
{
    m_anchors = anchors;
    UpdateAnchorRules();
}

void TControl::UpdateAnchorRules()
{
    m_anchorsKnown = m_parent != nullptr;
    if (!m_parent)
        return;
    const QRect client = m_parent->ClientRect();
    m_anchorRight = ClampToInt(qint64(client.width()) - m_left - m_width);
    m_anchorBottom = ClampToInt(qint64(client.height()) - m_top - m_height);
}

void TControl::WidgetMoved(const QRect &bounds)
{
    if (bounds == BoundsRect())
        return;
    m_left = bounds.left();
    m_top = bounds.top();
    m_width = bounds.width();
    m_height = bounds.height();
    Resize();
}

QPoint TControl::ClientOrigin() const
{
    if (m_parent)
        return m_parent->ClientOrigin() + QPoint(m_left, m_top);
    return QPoint(m_left, m_top);
}

void TControl::SetAlign(TAlign align)
{
    if (align == m_align)
        return;
    m_align = align;
    RequestAlign();
}

void TControl::RequestAlign()
{
    if (m_parent)
        m_parent->Realign(this);
}

void TControl::SetVisible(bool visible)
{
    if (visible == m_visible)
        return;
    m_visible = visible;
    ApplyWidgetVisibility();
    if (m_align != alNone)
        RequestAlign();
    else if (m_parent)
        m_parent->ChildChanged(this);
}

bool TControl::Showing() const
{
    if (!(m_visible || Designing()))
        return false;
    return m_parent ? m_parent->Showing() : (m_widget && m_widget->isVisible());
}

void TControl::SetEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    EnabledChanged();
}

void TControl::EnabledChanged()
{
    if (m_widget)
        m_widget->setEnabled(m_enabled);
}

void TControl::SetColor(TColor color)
{
    m_parentColor = false;
    if (color == m_color)
        return;
    m_color = color;
    ColorChanged();
}

void TControl::SetParentColor(bool v)
{
    m_parentColor = v;
    ParentColorChanged();
}

void TControl::ParentColorChanged()
{
    if (m_parentColor && m_parent && m_parent->Color() != m_color) {
        m_color = m_parent->Color();
        ColorChanged();
    }
}

void TControl::ColorChanged()
{
    Invalidate();
}

void TControl::SetParentFont(bool v)
{
    m_parentFont = v;
    if (v)
        ParentFontChanged();
}

void TControl::ParentFontChanged()
{
    if (!m_parentFont || !m_parent)
        return;
    m_applyingParentFont = true;
    m_font->Assign(m_parent->Font());
    m_applyingParentFont = false;
    FontChanged();
}

void TControl::FontObjectChanged(TObject *)
{
    if (!m_applyingParentFont) {
        m_parentFont = false;
        FontChanged();
    }
}

void TControl::FontChanged()
{
    if (m_widget)
        m_widget->setFont(m_font->ToQFont());
}

void TControl::SetCursor(TCursor cursor)
{
    m_cursor = cursor;
    if (m_widget)
        m_widget->setCursor(CursorToShape(cursor));
}

void TControl::SetHint(const QString &hint)
{
    m_hint = hint;
    if (m_widget)
        m_widget->setToolTip(m_showHint ? hint : QString());
}

void TControl::SetShowHint(bool v)
{
    m_showHint = v;
    m_parentShowHint = false;
    SetHint(m_hint);
}

void TControl::SetPopupMenu(TPopupMenu *menu)
{
    SetReference(this, m_popupMenu, menu);
}

void TControl::Notification(TComponent *component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == m_popupMenu)
        m_popupMenu = nullptr;
    if (operation == opRemove && m_actionLink && component == Action())
        SetAction(nullptr);
}

void TControl::SetName(const QString &name)
{
    const bool changeText = (m_controlStyle & csSetCaption) && !(ComponentState() & csLoading)
                            && TComponent::Name() == GetText();
    TComponent::SetName(name);
    if (changeText)
        SetText(name);
}

void TControl::SetText(const QString &text)
{
    if (text == GetText())
        return;
    m_text = text;
    TextChanged();
}

void TControl::BringToFront()
{
    if (!m_parent)
        return;
    auto &list = m_parent->m_controls;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    list.push_back(this);
    if (m_widget)
        m_widget->raise();
}

void TControl::SendToBack()
{
    if (!m_parent)
        return;
    auto &list = m_parent->m_controls;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    list.insert(list.begin(), this);
    if (m_widget)
        m_widget->lower();
}

void TControl::Invalidate()
{
    if (m_widget)
        m_widget->update();
}

void TControl::Repaint()
{
    if (m_widget)
        m_widget->repaint();
}

TCustomForm *TControl::ParentForm() const
{
    const TControl *c = this;
    while (c->m_parent)
        c = c->m_parent;
    return ObjectCast<TCustomForm>(const_cast<TControl *>(c));
}

QWidget *TControl::Handle()
{
    if (!m_widget) {
        QWidget *parentWidget = m_parent ? m_parent->ClientWidget() : nullptr;
        // Making the parent's widget makes its children's widgets too, ours among them.
        if (m_widget)
            return m_widget;
        m_widget = CreateWidget(parentWidget);
        WidgetBridge::Attach(m_widget, this);
        InitWidget();
    }
    return m_widget;
}

QWidget *TControl::CreateWidget(QWidget *parentWidget)
{
    return new TControlWidget(this, parentWidget);
}

void TControl::InitWidget()
{
    m_widget->setFont(m_font->ToQFont());
    m_widget->setEnabled(m_enabled);
    m_widget->setCursor(CursorToShape(m_cursor));
    m_widget->setToolTip(m_showHint ? m_hint : QString());
    ApplyWidgetGeometry();
    ApplyDesignState();
    ApplyWidgetVisibility();
}

void TControl::ApplyWidgetGeometry()
{
    if (m_widget && !m_widget->isWindow())
        m_widget->setGeometry(WidgetGeometry());
}

void TControl::ApplyWidgetVisibility()
{
    if (m_widget && !m_widget->isWindow())
        m_widget->setVisible(m_visible || Designing());
}

void TControl::ApplyDesignState()
{
    if (!m_widget)
        return;
    // Inert at design time: no focus, and the widget's own parts (a combo box's edit, a tab
    // bar) let the mouse through to the control's widget, where the bridge stops it.
    const bool inert = Designing() && !(m_controlStyle & csDesignInteractive);
    if (inert)
        m_widget->setFocusPolicy(Qt::NoFocus);
    for (QWidget *part : m_widget->findChildren<QWidget *>()) {
        if (!ControlOfWidget(part))
            part->setAttribute(Qt::WA_TransparentForMouseEvents, inert);
    }
}

void TControl::SetDesigning(bool designing, bool setChildren)
{
    TComponent::SetDesigning(designing, setChildren);
    ApplyDesignState();
    ApplyWidgetVisibility();
}

void TControl::DestroyWidget()
{
    if (!m_widget)
        return;
    WidgetBridge::Detach(m_widget);
    QWidget *w = m_widget;
    m_widget = nullptr;
    delete w;
}

void TControl::PaintWidget(QPainter &painter)
{
    if (m_color != clNone)
        painter.fillRect(QRect(0, 0, m_width, m_height), ColorToQColor(m_color));
}

void TControl::PaintWidgetArea(QPainter &painter, const QRect &area)
{
    struct AreaScope
    {
        QRect &area;
        ~AreaScope() { area = QRect(); }
    } scope{m_paintArea};
    m_paintArea = area;
    PaintWidget(painter);
}

QRect TControl::PaintArea() const
{
    return m_paintArea.isValid() ? m_paintArea : QRect(0, 0, m_width, m_height);
}

void TControl::Resize()
{
    OnResize(this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y)
{
    OnMouseMove(this, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    OnMouseUp(this, button, shift, x, y);
    if (button == mbLeft && (m_controlStyle & csClickEvents) && QRect(0, 0, m_width, m_height)
                                                                    .contains(x, y))
        Click();
}

void TControl::Click()
{
    TBasicActionLink::Click(m_actionLink, this, OnClick);
}

void TControl::DblClick()
{
    OnDblClick(this);
}

TControl *ControlOfWidget(const QWidget *widget)
{
    return WidgetBridge::ControlOf(widget);
}

TControl *FindControl(const QWidget *widget)
{
    for (const QWidget *w = widget; w; w = w->parentWidget()) {
        if (TControl *c = WidgetBridge::ControlOf(w))
            return c;
    }
    return nullptr;
}

// ---------------------------------------------------------------------------------------------

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
        RemoveControl(child);
        if (child->ControlStyle() & csNotFreedByParent)
            continue;
        if (child->Owner())
            child->Owner()->RemoveComponent(child);
        Free(child);
    }
    DestroyWidget();
}

void TWinControl::InsertControl(TControl *control)
{
    if (ContainsControl(control))
        return;
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
    const auto it = std::find(m_controls.begin(), m_controls.end(), control);
    if (it == m_controls.end())
        return;
    m_controls.erase(it);
    control->m_parent = nullptr;
    if (auto *windowed = ObjectCast<TWinControl>(control)) {
        // The ones after it close the gap.
        for (TControl *c : m_controls) {
            auto *sibling = ObjectCast<TWinControl>(c);
            if (sibling && windowed->m_tabOrder >= 0 && sibling->m_tabOrder > windowed->m_tabOrder)
                --sibling->m_tabOrder;
        }
        windowed->m_tabOrder = -1;
    }
    if (control->m_widget) {
        control->m_widget->hide();
        control->m_widget->setParent(nullptr);
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
        AlignControls(changed);
    } catch (...) {
        m_aligning = false;
        throw;
    }
    m_aligning = false;
}

void TWinControl::AlignControls(TControl *changed)
{
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

void TWinControl::InitWidget()
{
    TControl::InitWidget();
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
