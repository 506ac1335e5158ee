// The control: parent, bounds, anchors, alignment, visibility, colour and font with their parent
// links, hints, its widget and the mouse events it reports; size constraints.

#include "Controls.h"

#include "Application.h"
#include "BasicAction.h"
#include "ControlWidget.h"
#include "Forms.h"
#include "Menus.h"

#include <limits>
#include <QApplication>
#include <QPainter>
#include <QWidget>

#include <algorithm>

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

QSize TControl::AskNewSize(int width, int height)
{
    width = std::max(0, width);
    height = std::max(0, height);
    if ((width != m_width || height != m_height) && OnCanResize.Assigned()) {
        int w = width;
        int h = height;
        bool resize = true;
        OnCanResize(this, w, h, resize);
        width = resize ? std::max(0, w) : m_width;
        height = resize ? std::max(0, h) : m_height;
    }
    if (!OnConstrainedResize.Assigned())
        return m_constraints->Constrain(width, height);
    // The handler's limits hold for this change only; 0 is still no limit.
    TSizeConstraints limits;
    limits.Assign(m_constraints);
    int minW = limits.MinWidth(), minH = limits.MinHeight();
    int maxW = limits.MaxWidth(), maxH = limits.MaxHeight();
    OnConstrainedResize(this, minW, minH, maxW, maxH);
    limits.SetMinWidth(minW);
    limits.SetMinHeight(minH);
    limits.SetMaxWidth(maxW);
    limits.SetMaxHeight(maxH);
    return limits.Constrain(width, height);
}

void TControl::SetBounds(int left, int top, int width, int height)
{
    const QSize size = AskNewSize(width, height);
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
        m_widget->setToolTip(m_showHint ? GetShortHint(hint) : QString());
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
    // The tooltip shows the short part; the long one goes to the status bar (AutoHint).
    m_widget->setToolTip(m_showHint ? GetShortHint(m_hint) : QString());
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
