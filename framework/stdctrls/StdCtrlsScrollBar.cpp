// Scroll bars over QScrollBar, and group boxes painted with the classic etched frame.

#include "ClassicDraw.h"
#include "PublishedProps.h"
#include "SafeCall.h"
#include "StdCtrls.h"

#include <limits>
#include <QFontMetrics>
#include <QPainter>
#include <QScrollBar>


TScrollBar::TScrollBar(TComponent *owner) : TWinControl(owner)
{
    SetControlStyle(csFramed | csDoubleClicks);
    SetTabStop(true);
    SetBounds(0, 0, 121, 16);
}

TScrollBar::~TScrollBar()
{
    Destroying();
    DestroyWidget();
}

QWidget *TScrollBar::CreateWidget(QWidget *parentWidget)
{
    auto *w = new QScrollBar(parentWidget);
    QObject::connect(w, &QScrollBar::actionTriggered, w,
                     [this](int action) { SafeCall([&] { WidgetAction(action); }); });
    QObject::connect(w, &QScrollBar::sliderReleased, w, [this] {
        SafeCall([this] {
            int pos = m_position;
            Scroll(scEndScroll, pos);
        });
    });
    return w;
}

void TScrollBar::InitWidget()
{
    SyncWidget();
    TWinControl::InitWidget();
}

// How many positions lie from min to max; the full integer range holds one more than an int.
static qint64 Span(int min, int max)
{
    return qint64(max) - min + 1;
}

int TScrollBar::MaxPosition() const
{
    return m_pageSize > 0 ? std::max(m_min, m_max - m_pageSize + 1) : m_max;
}

void TScrollBar::SyncWidget()
{
    auto *w = qobject_cast<QScrollBar *>(m_widget);
    if (!w)
        return;
    m_syncing = true;
    w->setOrientation(m_kind == sbHorizontal ? Qt::Horizontal : Qt::Vertical);
    w->setRange(m_min, MaxPosition());
    w->setPageStep(m_pageSize > 0 ? m_pageSize : m_largeChange);
    w->setSingleStep(m_smallChange);
    w->setValue(m_position);
    m_syncing = false;
}

void TScrollBar::WidgetAction(int action)
{
    auto *w = qobject_cast<QScrollBar *>(m_widget);
    if (m_syncing || !w)
        return;
    TScrollCode code = scPosition;
    int target = m_position;
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd: code = scLineDown; target += m_smallChange; break;
    case QAbstractSlider::SliderSingleStepSub: code = scLineUp; target -= m_smallChange; break;
    case QAbstractSlider::SliderPageStepAdd: code = scPageDown; target += m_largeChange; break;
    case QAbstractSlider::SliderPageStepSub: code = scPageUp; target -= m_largeChange; break;
    case QAbstractSlider::SliderToMinimum: code = scTop; target = m_min; break;
    case QAbstractSlider::SliderToMaximum: code = scBottom; target = m_max; break;
    case QAbstractSlider::SliderMove: code = scTrack; target = w->sliderPosition(); break;
    default: return;
    }
    target = std::clamp(target, m_min, MaxPosition());
    Scroll(code, target);
    SetPosition(target);
    // The widget moves itself after the action: make it land where the control decided.
    w->setSliderPosition(m_position);
}

void TScrollBar::Scroll(TScrollCode code, int &position)
{
    OnScroll(this, code, position);
}

void TScrollBar::Change()
{
    OnChange(this);
}

void TScrollBar::SetKind(TScrollBarKind kind)
{
    if (kind == m_kind)
        return;
    m_kind = kind;
    SetBounds(Left(), Top(), Height(), Width());
    SyncWidget();
}

void TScrollBar::SetLargeChange(int v)
{
    m_largeChange = std::clamp(v, 1, 32767);
    SyncWidget();
}

void TScrollBar::SetSmallChange(int v)
{
    m_smallChange = std::clamp(v, 1, 32767);
    SyncWidget();
}

void TScrollBar::SetPageSize(int v)
{
    if (v < 0 || v > Span(m_min, m_max))
        throw EInvalidOperation(QStringLiteral("Property out of range"));
    m_pageSize = v;
    const int position = std::clamp(m_position, m_min, MaxPosition());
    const bool changed = position != m_position;
    m_position = position;
    SyncWidget();
    if (changed)
        Change();
}

void TScrollBar::SetParams(int position, int min, int max)
{
    if (max < min)
        throw EInvalidOperation(QStringLiteral("Scroll bar property out of range"));
    m_min = min;
    m_max = max;
    if (m_pageSize > Span(min, max))
        m_pageSize = int(std::min<qint64>(Span(min, max), std::numeric_limits<int>::max()));
    position = std::clamp(position, min, MaxPosition());
    const bool changed = position != m_position;
    m_position = position;
    SyncWidget();
    if (changed)
        Change();
}

static TPropTable ScrollBarProps()
{
    using S = TScrollBar;
    TPropTable t = WinControlBaseProps();
    AppendProps(t, ControlProps({"Align", "Anchors", "BiDiMode", "Constraints", "Ctl3D",
                                 "DragCursor", "DragKind", "DragMode", "Enabled",
                                 "ParentBiDiMode", "ParentCtl3D", "ParentShowHint", "PopupMenu",
                                 "ShowHint", "TabOrder", "TabStop", "Visible", "OnContextPopup",
                                 "OnDragDrop", "OnDragOver", "OnEndDock", "OnEndDrag",
                                 "OnEnter", "OnExit", "OnKeyDown", "OnKeyPress", "OnKeyUp",
                                 "OnStartDock", "OnStartDrag"}));
    SetPropDefault(t, "TabStop", 1);
    t.push_back(Prop<S>("Kind", TypeInfoTScrollBarKind(), &S::Kind, &S::SetKind, sbHorizontal));
    t.push_back(Prop<S>("LargeChange", TypeInfoTScrollBarInc(), &S::LargeChange,
                        &S::SetLargeChange, 1));
    t.push_back(Prop<S>("Max", TypeInfoInteger(), &S::Max, &S::SetMax, 100));
    t.push_back(Prop<S>("Min", TypeInfoInteger(), &S::Min, &S::SetMin, 0));
    t.push_back(Prop<S>("PageSize", TypeInfoInteger(), &S::PageSize, &S::SetPageSize));
    t.push_back(Prop<S>("Position", TypeInfoInteger(), &S::Position, &S::SetPosition, 0));
    t.push_back(Prop<S>("SmallChange", TypeInfoTScrollBarInc(), &S::SmallChange,
                        &S::SetSmallChange, 1));
    t.push_back(EventProp<S>("OnChange", TypeInfoTNotifyEvent(), &S::OnChange));
    t.push_back(EventProp<S>("OnScroll", TypeInfoTScrollEvent(), &S::OnScroll));
    return t;
}
Z_DEFINE_CLASS(TScrollBar, TWinControl, ScrollBarProps)

// ---------------------------------------------------------------------------------------------

Z_DEFINE_CLASS(TCustomGroupBox, TCustomControl, NoPublishedProps)

TCustomGroupBox::TCustomGroupBox(TComponent *owner) : TCustomControl(owner)
{
    SetControlStyle(csAcceptsControls | csCaptureMouse | csClickEvents | csSetCaption
                    | csDoubleClicks | csReplicatable);
    SetBounds(0, 0, 185, 105);
}

int TCustomGroupBox::CaptionHeight() const
{
    return FontLineHeight(Font());
}

void TCustomGroupBox::AdjustClientRect(QRect &rect) const
{
    // Below the caption line, inside the two-pixel etched frame.
    rect.adjust(2, CaptionHeight(), -2, -2);
}

void TCustomGroupBox::FontChanged()
{
    TCustomControl::FontChanged();
    Realign();
    Invalidate();
}

void TCustomGroupBox::EnabledChanged()
{
    TCustomControl::EnabledChanged();
    Invalidate();
}

void TCustomGroupBox::Paint()
{
    QPainter *painter = Canvas()->Painter();
    if (!painter)
        return;
    const int h = CaptionHeight();
    // The etched frame: a shadow ring with a highlight ring one pixel in and down.
    QRect frame(0, h / 2 - 1, Width(), Height() - h / 2 + 1);
    QRect outer = frame.adjusted(0, 0, -1, -1);
    Frame3D(*painter, outer, clBtnShadow, clBtnShadow, 1);
    QRect inner = frame.adjusted(1, 1, 0, 0);
    Frame3D(*painter, inner, clBtnHighlight, clBtnHighlight, 1);
    const QString caption = Caption();
    if (caption.isEmpty())
        return;
    painter->setFont(Font()->ToQFont());
    const QFontMetrics fm(painter->font());
    const QRect textRect(8, 0, fm.horizontalAdvance(caption) + 2, h);
    painter->fillRect(textRect, ColorToQColor(Color()));
    DrawControlText(*painter, textRect.adjusted(1, 0, 0, 0),
                    Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, caption,
                    Font()->Color(), Enabled());
}

static TPropTable GroupBoxProps()
{
    TPropTable t = WinControlBaseProps();
    AppendProps(t, ControlProps({"Align", "Anchors", "BiDiMode", "Caption", "Color",
                                 "Constraints", "Ctl3D", "DockSite", "DragCursor", "DragKind",
                                 "DragMode", "Enabled", "Font", "ParentBiDiMode", "ParentColor",
                                 "ParentCtl3D", "ParentFont", "ParentShowHint", "PopupMenu",
                                 "ShowHint", "TabOrder", "TabStop", "Visible", "OnClick",
                                 "OnContextPopup", "OnDblClick", "OnDockDrop", "OnDockOver",
                                 "OnDragDrop", "OnDragOver", "OnEndDock", "OnEndDrag",
                                 "OnEnter", "OnExit", "OnGetSiteInfo", "OnMouseDown",
                                 "OnMouseMove", "OnMouseUp", "OnStartDock", "OnStartDrag",
                                 "OnUnDock"}));
    SetPropDefault(t, "ParentColor", 1);
    SetPropDefault(t, "TabStop", 0);
    return t;
}
Z_DEFINE_CLASS(TGroupBox, TCustomGroupBox, GroupBoxProps)

TGroupBox::TGroupBox(TComponent *owner) : TCustomGroupBox(owner) {}
