#include "ComCtrlsRanges.h"

#include "ClassicDraw.h"
#include "ControlProps.h"
#include "SafeCall.h"

#include <QPainter>
#include <QSlider>

#include <algorithm>

PTypeInfo TypeInfoTTrackBarOrientation()
{
    static const TTypeInfo *t = NewEnumType(
        QStringLiteral("TTrackBarOrientation"),
        {QStringLiteral("trHorizontal"), QStringLiteral("trVertical")});
    return t;
}

PTypeInfo TypeInfoTTickMark()
{
    static const TTypeInfo *t = NewEnumType(
        QStringLiteral("TTickMark"), {QStringLiteral("tmBottomRight"),
                                      QStringLiteral("tmTopLeft"), QStringLiteral("tmBoth")});
    return t;
}

PTypeInfo TypeInfoTTickStyle()
{
    static const TTypeInfo *t = NewEnumType(
        QStringLiteral("TTickStyle"),
        {QStringLiteral("tsNone"), QStringLiteral("tsAuto"), QStringLiteral("tsManual")});
    return t;
}

PTypeInfo TypeInfoTProgressBarOrientation()
{
    static const TTypeInfo *t = NewEnumType(
        QStringLiteral("TProgressBarOrientation"),
        {QStringLiteral("pbHorizontal"), QStringLiteral("pbVertical")});
    return t;
}

// --- TTrackBar ------------------------------------------------------------------------------

static TPropTable TrackBarProps()
{
    using T = TTrackBar;
    TPropTable t = ControlProps(
        {"Align", "Anchors", "Constraints", "Ctl3D", "Cursor", "DragCursor", "DragKind",
         "DragMode", "Enabled", "Height", "HelpContext", "Hint", "Left", "ParentCtl3D",
         "ParentShowHint", "PopupMenu", "ShowHint", "TabOrder", "TabStop", "Top", "Visible",
         "Width", "OnContextPopup", "OnDragDrop", "OnDragOver", "OnEndDock", "OnEndDrag",
         "OnEnter", "OnExit", "OnKeyDown", "OnKeyPress", "OnKeyUp", "OnStartDock",
         "OnStartDrag"});
    SetPropDefault(t, "TabStop", 1);
    const TPropTable own = {
        Prop<T>("BorderWidth", TypeInfoInteger(), &T::BorderWidth, &T::SetBorderWidth, 0),
        Prop<T>("Frequency", TypeInfoInteger(), &T::Frequency, &T::SetFrequency, 1),
        Prop<T>("LineSize", TypeInfoInteger(), &T::LineSize, &T::SetLineSize, 1),
        Prop<T>("Max", TypeInfoInteger(), &T::Max, &T::SetMax, 10),
        Prop<T>("Min", TypeInfoInteger(), &T::Min, &T::SetMin, 0),
        Prop<T>("Orientation", TypeInfoTTrackBarOrientation(), &T::Orientation,
                &T::SetOrientation, trHorizontal),
        Prop<T>("PageSize", TypeInfoInteger(), &T::PageSize, &T::SetPageSize, 2),
        Prop<T>("Position", TypeInfoInteger(), &T::Position, &T::SetPosition, 0),
        Prop<T>("SelEnd", TypeInfoInteger(), &T::SelEnd, &T::SetSelEnd, 0),
        Prop<T>("SelStart", TypeInfoInteger(), &T::SelStart, &T::SetSelStart, 0),
        Prop<T>("SliderVisible", TypeInfoBoolean(), &T::SliderVisible, &T::SetSliderVisible, 1),
        Prop<T>("ThumbLength", TypeInfoInteger(), &T::ThumbLength, &T::SetThumbLength, 20),
        Prop<T>("TickMarks", TypeInfoTTickMark(), &T::TickMarks, &T::SetTickMarks,
                tmBottomRight),
        Prop<T>("TickStyle", TypeInfoTTickStyle(), &T::TickStyle, &T::SetTickStyle, tsAuto),
        EventProp<T>("OnChange", TypeInfoTNotifyEvent(), &T::OnChange),
    };
    t.insert(t.end(), own.begin(), own.end());
    return t;
}
Z_DEFINE_CLASS(TTrackBar, TWinControl, TrackBarProps)

TTrackBar::TTrackBar(TComponent *owner) : TWinControl(owner)
{
    SetBounds(0, 0, 150, 45);
    SetTabStop(true);
}

TTrackBar::~TTrackBar()
{
    Destroying();
    DestroyWidget();
}

QSlider *TTrackBar::Slider() const
{
    return static_cast<QSlider *>(m_widget);
}

void TTrackBar::InitWidget()
{
    UpdateSlider();
    TWinControl::InitWidget();
}

void TTrackBar::UpdateSlider()
{
    if (!m_widget)
        return;
    m_syncing = true;
    QSlider *s = Slider();
    s->setOrientation(m_orientation == trHorizontal ? Qt::Horizontal : Qt::Vertical);
    s->setRange(m_min, m_max);
    s->setValue(m_position);
    s->setSingleStep(m_lineSize);
    s->setPageStep(m_pageSize);
    s->setTickInterval(std::max(1, m_frequency));
    QSlider::TickPosition ticks = QSlider::NoTicks;
    if (m_tickStyle != tsNone) {
        switch (m_tickMarks) {
        case tmBottomRight: ticks = QSlider::TicksBelow; break; // right when vertical
        case tmTopLeft: ticks = QSlider::TicksAbove; break;
        case tmBoth: ticks = QSlider::TicksBothSides; break;
        }
    }
    s->setTickPosition(ticks);
    m_syncing = false;
    s->update();
}

void TTrackBar::SliderMoved(int value)
{
    if (m_syncing || value == m_position)
        return;
    m_position = value;
    OnChange(this);
}

void TTrackBar::SetMin(int v)
{
    m_min = v;
    m_max = std::max(m_max, v);
    m_position = std::clamp(m_position, m_min, m_max);
    UpdateSlider();
}

void TTrackBar::SetMax(int v)
{
    m_max = v;
    m_min = std::min(m_min, v);
    m_position = std::clamp(m_position, m_min, m_max);
    UpdateSlider();
}

void TTrackBar::SetPosition(int v)
{
    v = std::clamp(v, m_min, m_max);
    if (v == m_position)
        return;
    m_position = v;
    UpdateSlider();
    OnChange(this);
}

void TTrackBar::SetFrequency(int v)
{
    m_frequency = v;
    UpdateSlider();
}

void TTrackBar::SetLineSize(int v)
{
    m_lineSize = v;
    UpdateSlider();
}

void TTrackBar::SetPageSize(int v)
{
    m_pageSize = v;
    UpdateSlider();
}

void TTrackBar::SetOrientation(TTrackBarOrientation orientation)
{
    if (orientation == m_orientation)
        return;
    m_orientation = orientation;
    SetBounds(Left(), Top(), Height(), Width());
    UpdateSlider();
}

void TTrackBar::SetTickMarks(TTickMark marks)
{
    m_tickMarks = marks;
    UpdateSlider();
}

void TTrackBar::SetTickStyle(TTickStyle style)
{
    m_tickStyle = style;
    UpdateSlider();
}

void TTrackBar::SetSelStart(int v)
{
    m_selStart = v;
    Invalidate();
}

void TTrackBar::SetSelEnd(int v)
{
    m_selEnd = v;
    Invalidate();
}

void TTrackBar::SetThumbLength(int v)
{
    m_thumbLength = std::max(1, v);
    Invalidate();
}

void TTrackBar::SetSliderVisible(bool v)
{
    m_sliderVisible = v;
    Invalidate();
}

void TTrackBar::SetBorderWidth(int v)
{
    m_borderWidth = std::max(0, v);
    Invalidate();
}

// --- TProgressBar ---------------------------------------------------------------------------

static TPropTable ProgressBarProps()
{
    using P = TProgressBar;
    TPropTable t = ControlProps(
        {"Align", "Anchors", "Constraints", "Cursor", "DragCursor", "DragKind", "DragMode",
         "Enabled", "Height", "HelpContext", "Hint", "Left", "ParentShowHint", "PopupMenu",
         "ShowHint", "TabOrder", "TabStop", "Top", "Visible", "Width", "OnContextPopup",
         "OnDragDrop", "OnDragOver", "OnEndDock", "OnEndDrag", "OnEnter", "OnExit",
         "OnMouseDown", "OnMouseMove", "OnMouseUp", "OnStartDock", "OnStartDrag"});
    const TPropTable own = {
        Prop<P>("BorderWidth", TypeInfoInteger(), &P::BorderWidth, &P::SetBorderWidth, 0),
        Prop<P>("Max", TypeInfoInteger(), &P::Max, &P::SetMax, 100),
        Prop<P>("Min", TypeInfoInteger(), &P::Min, &P::SetMin, 0),
        Prop<P>("Orientation", TypeInfoTProgressBarOrientation(), &P::Orientation,
                &P::SetOrientation, pbHorizontal),
        Prop<P>("Position", TypeInfoInteger(), &P::Position, &P::SetPosition, 0),
        Prop<P>("Smooth", TypeInfoBoolean(), &P::Smooth, &P::SetSmooth, 0),
        Prop<P>("Step", TypeInfoInteger(), &P::Step, &P::SetStep, 10),
    };
    t.insert(t.end(), own.begin(), own.end());
    return t;
}
Z_DEFINE_CLASS(TProgressBar, TWinControl, ProgressBarProps)

TProgressBar::TProgressBar(TComponent *owner) : TWinControl(owner)
{
    SetBounds(0, 0, 150, 16);
}

void TProgressBar::SetMin(int v)
{
    m_min = v;
    m_max = std::max(m_max, v);
    m_position = std::clamp(m_position, m_min, m_max);
    Invalidate();
}

void TProgressBar::SetMax(int v)
{
    m_max = v;
    m_min = std::min(m_min, v);
    m_position = std::clamp(m_position, m_min, m_max);
    Invalidate();
}

void TProgressBar::SetPosition(int v)
{
    m_position = std::clamp(v, m_min, m_max);
    Invalidate();
}

void TProgressBar::SetSmooth(bool v)
{
    m_smooth = v;
    Invalidate();
}

void TProgressBar::SetOrientation(TProgressBarOrientation orientation)
{
    if (orientation == m_orientation)
        return;
    m_orientation = orientation;
    SetBounds(Left(), Top(), Height(), Width());
    Invalidate();
}

void TProgressBar::SetBorderWidth(int v)
{
    m_borderWidth = std::max(0, v);
    Invalidate();
}

void TProgressBar::StepBy(int delta)
{
    int next = m_position + delta;
    if (next > m_max)
        next = m_min + (next - m_max - 1) % std::max(1, m_max - m_min + 1);
    SetPosition(next);
}

void TProgressBar::StepIt()
{
    StepBy(m_step);
}

QRect TProgressBar::FilledRect() const
{
    const QRect inner = QRect(0, 0, Width(), Height()).adjusted(
        1 + m_borderWidth, 1 + m_borderWidth, -1 - m_borderWidth, -1 - m_borderWidth);
    const int range = m_max - m_min;
    if (range <= 0 || m_position <= m_min)
        return {};
    const double part = double(m_position - m_min) / range;
    if (m_orientation == pbHorizontal)
        return QRect(inner.left(), inner.top(), int(inner.width() * part + 0.5), inner.height());
    const int h = int(inner.height() * part + 0.5);
    return QRect(inner.left(), inner.bottom() + 1 - h, inner.width(), h);
}

void TProgressBar::PaintWidget(QPainter &painter)
{
    QRect r(0, 0, Width(), Height());
    painter.fillRect(r, ColorToQColor(clBtnFace));
    r.adjust(m_borderWidth, m_borderWidth, -m_borderWidth, -m_borderWidth);
    Frame3D(painter, r, clBtnShadow, clBtnHighlight, 1);
    const QRect filled = FilledRect();
    if (filled.isEmpty())
        return;
    const QColor ink = ColorToQColor(clHighlight);
    if (m_smooth) {
        painter.fillRect(filled, ink);
        return;
    }
    // Blocks two thirds as long as the bar is thick, one pixel apart from the frame and two
    // from each other.
    const bool horizontal = m_orientation == pbHorizontal;
    const int thick = horizontal ? filled.height() : filled.width();
    const int block = std::max(2, thick * 2 / 3);
    if (horizontal) {
        for (int x = filled.left() + 1; x < filled.right(); x += block + 2)
            painter.fillRect(QRect(x, filled.top() + 1, std::min(block, filled.right() - x),
                                   filled.height() - 2),
                             ink);
    } else {
        for (int y = filled.bottom() - 1; y > filled.top(); y -= block + 2) {
            const int h = std::min(block, y - filled.top());
            painter.fillRect(QRect(filled.left() + 1, y - h + 1, filled.width() - 2, h), ink);
        }
    }
}

