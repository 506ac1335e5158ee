// The track bar as the classic control draws and works it: a sunken channel with the
// selection range highlighted in it and marked by small triangles among the ticks, a raised
// thumb that points at the ticks, Min at the left (top) end. The QSlider underneath keeps the
// value and the wheel; the control does the drawing, the mouse and the keys.

#include "ComCtrlsRanges.h"

#include "ClassicDraw.h"
#include "SafeCall.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>
#include <QSlider>

#include <algorithm>

namespace {

class TTrackBarWidget : public QSlider
{
public:
    TTrackBarWidget(TTrackBar *bar, QWidget *parent) : QSlider(parent), m_bar(bar) {}

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        SafeCall([&] { m_bar->PaintWidget(painter); });
    }
    // The control has had the mouse through the widget bridge.
    void mousePressEvent(QMouseEvent *event) override { event->accept(); }
    void mouseMoveEvent(QMouseEvent *event) override { event->accept(); }
    void mouseReleaseEvent(QMouseEvent *event) override { event->accept(); }

private:
    TTrackBar *m_bar; // not owned: the track bar owns this widget
};

// The ticks: 3 pixels long, 2 pixels away from the thumb.
constexpr int TickLength = 3;
constexpr int TickGap = 2;
// Room left at each end of the thumb's travel.
constexpr int EndMargin = 8;

// A rectangle given along and across the channel, in the control's coordinates.
QRect Oriented(bool horizontal, int along, int across, int length, int thickness)
{
    return horizontal ? QRect(along, across, length, thickness)
                      : QRect(across, along, thickness, length);
}

} // namespace

QWidget *TTrackBar::CreateWidget(QWidget *parentWidget)
{
    auto *slider = new TTrackBarWidget(this, parentWidget);
    QObject::connect(slider, &QSlider::valueChanged, slider,
                     [this](int v) { SafeCall([&] { SliderMoved(v); }); });
    return slider;
}

// --- geometry -------------------------------------------------------------------------------

bool TTrackBar::TicksBefore() const
{
    return m_tickMarks == tmTopLeft || m_tickMarks == tmBoth;
}

bool TTrackBar::TicksAfter() const
{
    return m_tickMarks == tmBottomRight || m_tickMarks == tmBoth;
}

int TTrackBar::TravelStart() const
{
    return m_borderWidth + EndMargin + (m_thumbLength / 2 + 1) / 2;
}

int TTrackBar::TravelEnd() const
{
    const int length = m_orientation == trHorizontal ? Width() : Height();
    return std::max(TravelStart(), length - 1 - m_borderWidth - EndMargin
                                        - (m_thumbLength / 2 + 1) / 2);
}

int TTrackBar::PositionToPixel(int position) const
{
    const int start = TravelStart(), span = TravelEnd() - start;
    const int range = m_max - m_min;
    if (range <= 0)
        return start;
    const int p = std::clamp(position, m_min, m_max) - m_min;
    return start + int((qint64(p) * span * 2 + range) / (2 * qint64(range)));
}

int TTrackBar::PixelToPosition(int pixel) const
{
    const int start = TravelStart(), span = TravelEnd() - start;
    if (span <= 0)
        return m_min;
    const qint64 offset = std::clamp(pixel - start, 0, span);
    return m_min + int((offset * (m_max - m_min) * 2 + span) / (2 * qint64(span)));
}

QRect TTrackBar::ThumbRect() const
{
    const bool horizontal = m_orientation == trHorizontal;
    const int across = horizontal ? Height() : Width();
    // The thumb and the ticks beside it stand in the middle of the control.
    const int ticks = TickGap + TickLength;
    const int block = m_thumbLength + (TicksBefore() ? ticks : 0) + (TicksAfter() ? ticks : 0);
    const int top = (across - block) / 2 + (TicksBefore() ? ticks : 0);
    const int width = m_thumbLength / 2 + 1;
    return Oriented(horizontal, PositionToPixel(m_position) - width / 2, top, width,
                    m_thumbLength);
}

QRect TTrackBar::ChannelRect() const
{
    const bool horizontal = m_orientation == trHorizontal;
    const QRect thumb = ThumbRect();
    // Centred on the thumb's body: the part without its point.
    const int point = TicksBefore() == TicksAfter() ? 0 : (m_thumbLength / 2 + 1) / 2;
    int bodyStart = horizontal ? thumb.top() : thumb.left();
    if (TicksBefore() && !TicksAfter())
        bodyStart += point;
    const int body = m_thumbLength - point;
    const int thickness = std::max(6, m_thumbLength * 2 / 5);
    const int halfThumb = (m_thumbLength / 2 + 1) / 2;
    const int start = TravelStart() - halfThumb;
    return Oriented(horizontal, start, bodyStart + (body - thickness) / 2,
                    TravelEnd() + halfThumb - start + 1, thickness);
}

// --- painting -------------------------------------------------------------------------------

void TTrackBar::PaintTicks(QPainter &painter, bool before)
{
    const bool horizontal = m_orientation == trHorizontal;
    const QRect thumb = ThumbRect();
    const QColor ink = ColorToQColor(clWindowText);
    // Where the ticks start, and the way they grow: away from the thumb.
    const int edge = before ? (horizontal ? thumb.top() : thumb.left()) - TickGap - 1
                            : (horizontal ? thumb.bottom() : thumb.right()) + TickGap + 1;
    const int grow = before ? -1 : 1;
    const int selStart = std::clamp(m_selStart, m_min, m_max);
    const int selEnd = std::clamp(m_selEnd, m_min, m_max);
    const bool selection = selEnd > selStart;
    auto tick = [&](int position) {
        const int at = PositionToPixel(position);
        const int from = std::min(edge, edge + grow * (TickLength - 1));
        painter.fillRect(Oriented(horizontal, at, from, 1, TickLength), ink);
    };
    // The ends always; between them every Frequency positions, unless set by hand.
    if (m_tickStyle == tsAuto && m_frequency > 0) {
        for (qint64 p = m_min; p <= m_max; p += m_frequency) {
            if (!selection || (p != selStart && p != selEnd))
                tick(int(p));
        }
    }
    if (!selection || (m_min != selStart && m_min != selEnd))
        tick(m_min);
    if (!selection || (m_max != selStart && m_max != selEnd))
        tick(m_max);
    if (!selection)
        return;
    // The selection's ends: right triangles with their flat side towards the thumb, leaning
    // out of the range.
    auto mark = [&](int position, int outward) {
        const int at = PositionToPixel(position);
        QPolygon triangle;
        const int tip = edge + grow * TickLength;
        if (horizontal)
            triangle << QPoint(at, edge) << QPoint(at + outward * TickLength, edge)
                     << QPoint(at, tip);
        else
            triangle << QPoint(edge, at) << QPoint(edge, at + outward * TickLength)
                     << QPoint(tip, at);
        painter.setPen(ink);
        painter.setBrush(ink);
        painter.drawPolygon(triangle);
    };
    mark(selStart, -1);
    mark(selEnd, 1);
}

void TTrackBar::PaintThumb(QPainter &painter)
{
    const bool horizontal = m_orientation == trHorizontal;
    const QRect r = ThumbRect();
    const int w = horizontal ? r.width() : r.height();
    const int point = TicksBefore() == TicksAfter() ? 0 : w / 2;
    // The outline, clockwise from the top-left corner of the body; the point sits on the
    // side of the ticks.
    QPolygon shape;
    if (point == 0) {
        shape << r.topLeft() << r.topRight() << r.bottomRight() << r.bottomLeft();
    } else if (horizontal && TicksAfter()) {
        shape << r.topLeft() << r.topRight() << QPoint(r.right(), r.bottom() - point)
              << QPoint(r.left() + w / 2, r.bottom()) << QPoint(r.left(), r.bottom() - point);
    } else if (horizontal) {
        shape << QPoint(r.left(), r.top() + point) << QPoint(r.left() + w / 2, r.top())
              << QPoint(r.right(), r.top() + point) << r.bottomRight() << r.bottomLeft();
    } else if (TicksAfter()) {
        shape << r.topLeft() << QPoint(r.right() - point, r.top())
              << QPoint(r.right(), r.top() + w / 2) << QPoint(r.right() - point, r.bottom())
              << r.bottomLeft();
    } else {
        shape << QPoint(r.left() + point, r.top()) << r.topRight() << r.bottomRight()
              << QPoint(r.left() + point, r.bottom()) << QPoint(r.left(), r.top() + w / 2);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(ColorToQColor(clBtnFace));
    painter.drawPolygon(shape);
    if (!Enabled()) {
        painter.save();
        painter.setClipRegion(QRegion(shape));
        FillDithered(painter, r);
        painter.restore();
    }
    // Light on the edges that face up and left, dark on the others, as a raised button.
    const QColor light = ColorToQColor(clBtnHighlight);
    const QColor dark = ColorToQColor(cl3DDkShadow);
    const QColor shadow = ColorToQColor(clBtnShadow);
    auto sign = [](int v) { return (v > 0) - (v < 0); };
    for (int i = 0; i < shape.size(); ++i) {
        const QPoint a = shape.at(i), b = shape.at((i + 1) % shape.size());
        // The outline goes clockwise, so (dy, -dx) points out of the thumb.
        const QPoint out(b.y() - a.y(), a.x() - b.x());
        const bool lit = out.x() < 0 || (out.x() == 0 && out.y() < 0);
        painter.setPen(lit ? light : dark);
        painter.drawLine(a, b);
        if (!lit) {
            // A shadow line inside the dark edge.
            const QPoint in(-sign(out.x()), -sign(out.y()));
            painter.setPen(shadow);
            painter.drawLine(a + in, b + in);
        }
    }
}

void TTrackBar::PaintWidget(QPainter &painter)
{
    const QRect all(0, 0, Width(), Height());
    painter.fillRect(all, ColorToQColor(Color()));
    // The channel: a sunken edge round a window-coloured groove.
    QRect channel = ChannelRect();
    Frame3D(painter, channel, clBtnShadow, clBtnHighlight, 1);
    Frame3D(painter, channel, cl3DDkShadow, cl3DLight, 1);
    painter.fillRect(channel, ColorToQColor(clWindow));
    const int selStart = std::clamp(m_selStart, m_min, m_max);
    const int selEnd = std::clamp(m_selEnd, m_min, m_max);
    if (selEnd > selStart) {
        const int from = PositionToPixel(selStart), to = PositionToPixel(selEnd);
        const QRect span = m_orientation == trHorizontal
                               ? QRect(from, channel.top(), to - from + 1, channel.height())
                               : QRect(channel.left(), from, channel.width(), to - from + 1);
        painter.fillRect(span & channel, ColorToQColor(clHighlight));
    }
    if (m_tickStyle != tsNone) {
        if (TicksBefore())
            PaintTicks(painter, true);
        if (TicksAfter())
            PaintTicks(painter, false);
    }
    if (m_sliderVisible)
        PaintThumb(painter);
    if (m_widget && m_widget->hasFocus())
        DrawFocusRect(painter, all.adjusted(m_borderWidth, m_borderWidth, -m_borderWidth,
                                            -m_borderWidth));
}

// --- input ----------------------------------------------------------------------------------

void TTrackBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == mbLeft && !Designing() && m_sliderVisible) {
        if (m_widget && TabStop())
            m_widget->setFocus(Qt::MouseFocusReason);
        const int along = m_orientation == trHorizontal ? x : y;
        const int centre = PositionToPixel(m_position);
        m_dragging = ThumbRect().contains(x, y);
        if (m_dragging)
            m_dragOffset = along - centre;
        else
            SetPosition(m_position + (along < centre ? -m_pageSize : m_pageSize));
    }
    TWinControl::MouseDown(button, shift, x, y);
}

void TTrackBar::MouseMove(TShiftState shift, int x, int y)
{
    if (m_dragging && (shift & ssLeft)) {
        const int along = m_orientation == trHorizontal ? x : y;
        SetPosition(PixelToPosition(along - m_dragOffset));
    }
    TWinControl::MouseMove(shift, x, y);
}

void TTrackBar::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == mbLeft)
        m_dragging = false;
    TWinControl::MouseUp(button, shift, x, y);
}

bool TTrackBar::KeyDown(quint16 &key, TShiftState shift)
{
    if (TWinControl::KeyDown(key, shift))
        return true;
    // Left and up go towards Min, right and down towards Max, in either orientation.
    switch (key) {
    case VK_LEFT:
    case VK_UP: SetPosition(m_position - m_lineSize); return true;
    case VK_RIGHT:
    case VK_DOWN: SetPosition(m_position + m_lineSize); return true;
    case VK_PRIOR: SetPosition(m_position - m_pageSize); return true;
    case VK_NEXT: SetPosition(m_position + m_pageSize); return true;
    case VK_HOME: SetPosition(m_min); return true;
    case VK_END: SetPosition(m_max); return true;
    default: return false;
    }
}
