// TCanvas: drawing through a QPainter with the classic pen, brush and font.

#include "Graphics.h"

#include <QPaintEngine>
#include <QPainter>

namespace {

// The raster operation of a pen mode; pmBlack, pmWhite and pmNop are handled by the pen itself.
QPainter::CompositionMode CompositionOf(TPenMode mode)
{
    switch (mode) {
    case pmNot: return QPainter::RasterOp_NotDestination;
    case pmNotCopy: return QPainter::RasterOp_NotSource;
    case pmMergePenNot: return QPainter::RasterOp_SourceOrNotDestination;
    case pmMaskPenNot: return QPainter::RasterOp_SourceAndNotDestination;
    case pmMergeNotPen: return QPainter::RasterOp_NotSourceOrDestination;
    case pmMaskNotPen: return QPainter::RasterOp_NotSourceAndDestination;
    case pmMerge: return QPainter::RasterOp_SourceOrDestination;
    case pmNotMerge: return QPainter::RasterOp_NotSourceAndNotDestination;
    case pmMask: return QPainter::RasterOp_SourceAndDestination;
    case pmNotMask: return QPainter::RasterOp_NotSourceOrNotDestination;
    case pmXor: return QPainter::RasterOp_SourceXorDestination;
    case pmNotXor: return QPainter::RasterOp_NotSourceXorDestination;
    default: return QPainter::CompositionMode_SourceOver;
    }
}

void ApplyMode(QPainter *painter, QPainter::CompositionMode mode)
{
    // Devices without raster operations draw in copy mode rather than warn on every call.
    if (mode != QPainter::CompositionMode_SourceOver
        && !painter->paintEngine()->hasFeature(QPaintEngine::RasterOpModes))
        mode = QPainter::CompositionMode_SourceOver;
    if (painter->compositionMode() != mode)
        painter->setCompositionMode(mode);
}

// A classic rectangle (right and bottom excluded) as the QRect a one-pixel outline covers.
QRect OutlineRect(int x1, int y1, int x2, int y2)
{
    return QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1);
}

} // namespace

static TPropTable CanvasProps()
{
    return {
        Prop<TCanvas>("Brush", TBrush::StaticClass()->ClassTypeInfo(), &TCanvas::Brush,
                      &TCanvas::SetBrush),
        Prop<TCanvas>("Font", TFont::StaticClass()->ClassTypeInfo(), &TCanvas::Font,
                      &TCanvas::SetFont),
        Prop<TCanvas>("Pen", TPen::StaticClass()->ClassTypeInfo(), &TCanvas::Pen,
                      &TCanvas::SetPen),
    };
}
Z_DEFINE_CLASS(TCanvas, TPersistent, CanvasProps)

TCanvas::TCanvas()
    : m_font(std::make_unique<TFont>()), m_pen(std::make_unique<TPen>()),
      m_brush(std::make_unique<TBrush>())
{
}

TCanvas::TCanvas(QPaintDevice *device) : TCanvas()
{
    m_device = device;
}

TCanvas::~TCanvas()
{
    ReleasePainter();
}

void TCanvas::SetDevice(QPaintDevice *device)
{
    if (device == m_device)
        return;
    ReleasePainter();
    m_device = device;
}

void TCanvas::SetPainter(QPainter *painter, const QRect &clip)
{
    ReleasePainter();
    if (!painter)
        return;
    m_painter = painter;
    m_clipRect = clip;
    m_painter->save();
}

void TCanvas::ReleasePainter()
{
    if (m_ownPainter) {
        m_ownPainter->end();
        m_ownPainter.reset();
    } else if (m_painter) {
        m_painter->restore();
    }
    m_painter = nullptr;
    m_clipRect = QRect();
}

QRect TCanvas::ClipRect() const
{
    if (m_painter && m_clipRect.isValid())
        return m_clipRect;
    QPaintDevice *device = m_painter ? m_painter->device() : m_device;
    return device ? QRect(0, 0, device->width(), device->height()) : QRect();
}

QPoint TCanvas::PenPos() const
{
    if (m_pendingAdvance) {
        m_penPos.rx() += m_pendingAdvance->metrics.horizontalAdvance(m_pendingAdvance->text);
        m_pendingAdvance.reset();
    }
    return m_penPos;
}

void TCanvas::SetPenPos(const QPoint &pos)
{
    m_pendingAdvance.reset();
    m_penPos = pos;
}

QPainter *TCanvas::Painter()
{
    if (m_painter)
        return m_painter;
    if (!m_device || m_device->width() <= 0 || m_device->height() <= 0)
        return nullptr;
    auto painter = std::make_unique<QPainter>();
    if (!painter->begin(m_device))
        return nullptr;
    m_ownPainter = std::move(painter);
    m_painter = m_ownPainter.get();
    return m_painter;
}

QPainter *TCanvas::Prepare(bool pen, bool brush, bool font)
{
    QPainter *painter = Painter();
    if (!painter)
        throw EInvalidOperation(QStringLiteral("Canvas does not allow drawing"));
    painter->setPen(pen ? m_pen->ToQPen() : QPen(Qt::NoPen));
    painter->setBrush(brush ? m_brush->ToQBrush() : QBrush(Qt::NoBrush));
    if (font)
        painter->setFont(m_font->ToQFont());
    ApplyMode(painter, pen || brush ? CompositionOf(m_pen->Mode())
                                    : QPainter::CompositionMode_SourceOver);
    return painter;
}

QFontMetrics TCanvas::Metrics()
{
    QPaintDevice *device = m_painter ? m_painter->device() : m_device;
    if (device)
        return QFontMetrics(m_font->ToQFont(), device);
    return QFontMetrics(m_font->ToQFont());
}

void TCanvas::Changing()
{
    OnChanging(this);
}

void TCanvas::Changed()
{
    OnChange(this);
}

void TCanvas::LineTo(int x, int y)
{
    Changing();
    QPainter *painter = Prepare(true, false, false);
    // The end point is left out, so that a polyline does not draw its corners twice.
    const QPoint from = PenPos();
    const QPoint to(x, y);
    if (from != to) {
        const QPoint delta = to - from;
        const int steps = std::max(std::abs(delta.x()), std::abs(delta.y()));
        const QPointF last(to.x() - double(delta.x()) / steps, to.y() - double(delta.y()) / steps);
        painter->drawLine(QPointF(from), last);
    }
    SetPenPos(to);
    Changed();
}

void TCanvas::Rectangle(int x1, int y1, int x2, int y2)
{
    Changing();
    Prepare(true, true, false)->drawRect(OutlineRect(x1, y1, x2, y2));
    Changed();
}

void TCanvas::Ellipse(int x1, int y1, int x2, int y2)
{
    Changing();
    Prepare(true, true, false)->drawEllipse(OutlineRect(x1, y1, x2, y2));
    Changed();
}

void TCanvas::FillRects(std::span<const QRect> rects)
{
    if (rects.empty())
        return;
    Changing();
    QPainter *painter = Prepare(false, true, false);
    if (m_brush->Style() != bsClear) {
        const QBrush brush = m_brush->ToQBrush();
        for (const QRect &rect : rects)
            painter->fillRect(rect, brush);
    }
    Changed();
}

void TCanvas::FrameRect(const QRect &rect)
{
    if (rect.isEmpty())
        return;
    Changing();
    QPainter *painter = Prepare(false, false, false);
    const QColor color = ColorToQColor(m_brush->Color());
    const int l = rect.left(), t = rect.top(), r = rect.right(), b = rect.bottom();
    painter->fillRect(QRect(QPoint(l, t), QPoint(r, t)), color);
    painter->fillRect(QRect(QPoint(l, b), QPoint(r, b)), color);
    painter->fillRect(QRect(QPoint(l, t), QPoint(l, b)), color);
    painter->fillRect(QRect(QPoint(r, t), QPoint(r, b)), color);
    Changed();
}

void TCanvas::TextOut(int x, int y, const QString &text)
{
    Changing();
    QPainter *painter = Prepare(false, false, true);
    const QFontMetrics metrics = Metrics();
    SetPenPos(QPoint(x, y));
    if (m_brush->Style() != bsClear) {
        const int width = metrics.horizontalAdvance(text);
        painter->fillRect(QRect(x, y, width, metrics.height()), ColorToQColor(m_brush->Color()));
        m_penPos.rx() += width;
    } else {
        // Shaping is the dear part of text: with nothing to fill, the width waits until the
        // pen position is asked for, which most painting never does.
        m_pendingAdvance = TextAdvance{metrics, text};
    }
    painter->setPen(ColorToQColor(m_font->Color()));
    painter->drawText(x, y + metrics.ascent(), text);
    Changed();
}

void TCanvas::TextRect(const QRect &rect, int x, int y, const QString &text)
{
    Changing();
    QPainter *painter = Prepare(false, false, true);
    painter->save();
    painter->setClipRect(rect, Qt::IntersectClip);
    if (m_brush->Style() != bsClear)
        painter->fillRect(rect, ColorToQColor(m_brush->Color()));
    painter->setPen(ColorToQColor(m_font->Color()));
    painter->drawText(x, y + Metrics().ascent(), text);
    painter->restore();
    Changed();
}

int TCanvas::TextWidth(const QString &text)
{
    return Metrics().horizontalAdvance(text);
}

int TCanvas::TextHeight(const QString &)
{
    return Metrics().height();
}

QSize TCanvas::TextExtent(const QString &text)
{
    return QSize(TextWidth(text), TextHeight(text));
}

void TCanvas::Draw(int x, int y, TGraphic *graphic)
{
    if (!graphic || graphic->Empty())
        return;
    StretchDraw(QRect(x, y, graphic->Width(), graphic->Height()), graphic);
}

void TCanvas::StretchDraw(const QRect &rect, TGraphic *graphic)
{
    if (!graphic || graphic->Empty())
        return;
    Changing();
    graphic->Draw(*Prepare(false, false, false), rect);
    Changed();
}

TColor TCanvas::Pixels(int x, int y)
{
    QPaintDevice *device = m_painter ? m_painter->device() : m_device;
    if (!device || device->devType() != QInternal::Image)
        return clNone;
    const auto *image = static_cast<const QImage *>(device);
    if (!image->valid(x, y))
        return clNone;
    return QColorToColor(QColor::fromRgb(image->pixel(x, y)));
}

void TCanvas::SetPixels(int x, int y, TColor color)
{
    Changing();
    Prepare(false, false, false)->fillRect(QRect(x, y, 1, 1), ColorToQColor(color));
    Changed();
}
