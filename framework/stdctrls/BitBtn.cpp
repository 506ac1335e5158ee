// The bit button: a push button that draws a glyph beside its caption.

#include "Buttons.h"

#include "ClassicDraw.h"
#include "SafeCall.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

#include <algorithm>

namespace {

struct KindInfo
{
    const char *caption;
    TModalResult result;
};

// Caption and modal result of each kind, in the order of TBitBtnKind.
const KindInfo kKinds[] = {
    {"", mrNone},         {"OK", mrOk},          {"Cancel", mrCancel}, {"&Help", mrNone},
    {"&Yes", mrYes},      {"&No", mrNo},         {"&Close", mrNone},   {"Abort", mrAbort},
    {"&Retry", mrRetry},  {"&Ignore", mrIgnore}, {"&All", mrAll},
};

bool KindIsDefault(TBitBtnKind kind) { return kind == bkOK || kind == bkYes; }
bool KindIsCancel(TBitBtnKind kind) { return kind == bkCancel || kind == bkNo; }

// The small picture of a kind, drawn once: a check mark for OK and Yes, a cross for Cancel,
// a question mark for Help, and so on, each in its usual colour.
QImage KindGlyph(TBitBtnKind kind)
{
    static QImage cache[std::size(kKinds)];
    QImage &img = cache[kind];
    if (!img.isNull() || kind == bkCustom)
        return img;
    img = QImage(18, 18, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QPen pen(Qt::black, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    auto check = [&](QColor c) {
        pen.setColor(c);
        p.setPen(pen);
        p.drawPolyline(QPolygonF({QPointF(3, 9), QPointF(7, 14), QPointF(15, 4)}));
    };
    auto cross = [&](QColor c) {
        pen.setColor(c);
        p.setPen(pen);
        p.drawLine(QPointF(4, 4), QPointF(14, 14));
        p.drawLine(QPointF(14, 4), QPointF(4, 14));
    };
    auto letter = [&](QColor c, const QString &text) {
        QFont f = p.font();
        f.setPixelSize(15);
        f.setBold(true);
        p.setFont(f);
        p.setPen(c);
        p.drawText(QRect(0, 0, 18, 18), Qt::AlignCenter, text);
    };
    switch (kind) {
    case bkOK: check(QColor(0, 128, 0)); break;
    case bkYes: check(QColor(0, 128, 0)); break;
    case bkCancel: cross(QColor(192, 0, 0)); break;
    case bkHelp: letter(QColor(0, 0, 160), QStringLiteral("?")); break;
    case bkNo:
        pen.setColor(QColor(192, 0, 0));
        p.setPen(pen);
        p.drawEllipse(QRectF(3, 3, 12, 12));
        p.drawLine(QPointF(5, 13), QPointF(13, 5));
        break;
    case bkClose:
        // A door standing open.
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(QColor(128, 128, 0));
        p.drawRect(QRectF(4.5, 2.5, 9, 13));
        p.setBrush(QColor(0, 128, 128));
        p.drawPolygon(QPolygonF({QPointF(4.5, 2.5), QPointF(9.5, 4.5), QPointF(9.5, 17.5),
                                 QPointF(4.5, 15.5)}));
        break;
    case bkAbort:
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(192, 0, 0));
        p.drawEllipse(QRectF(2, 2, 14, 14));
        pen.setColor(Qt::white);
        pen.setWidthF(2);
        p.setPen(pen);
        p.drawLine(QPointF(6, 6), QPointF(12, 12));
        p.drawLine(QPointF(12, 6), QPointF(6, 12));
        break;
    case bkRetry: {
        pen.setColor(QColor(0, 128, 0));
        p.setPen(pen);
        p.drawArc(QRectF(3, 3, 12, 12), 60 * 16, 280 * 16);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 128, 0));
        p.drawPolygon(QPolygonF({QPointF(10, 1), QPointF(16, 4), QPointF(10, 8)}));
        break;
    }
    case bkIgnore: letter(QColor(0, 128, 0), QStringLiteral("!")); break;
    case bkAll: {
        check(QColor(0, 128, 0));
        p.translate(0, 4);
        check(QColor(0, 128, 0));
        break;
    }
    default: break;
    }
    return img;
}

// A glyph with its colours greyed and embossed, for a disabled button without its own image.
QImage GreyedGlyph(const QImage &glyph)
{
    QImage out(glyph.width() + 1, glyph.height() + 1, QImage::Format_ARGB32);
    out.fill(Qt::transparent);
    const QRgb light = ColorToQColor(clBtnHighlight).rgb();
    const QRgb shadow = ColorToQColor(clBtnShadow).rgb();
    for (int pass = 0; pass < 2; ++pass) {
        for (int y = 0; y < glyph.height(); ++y) {
            for (int x = 0; x < glyph.width(); ++x) {
                const QRgb px = glyph.pixel(x, y);
                if (qAlpha(px) < 128 || qGray(px) > 192)
                    continue;
                if (pass == 0)
                    out.setPixel(x + 1, y + 1, light);
                else
                    out.setPixel(x, y, shadow);
            }
        }
    }
    return out;
}

// Paints the face of the bit button in place of the push button's own painting.
class TBitBtnPainter : public QObject
{
public:
    TBitBtnPainter(TBitBtn *button, QPushButton *widget) : QObject(widget), m_button(button) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Paint)
            return false;
        auto *w = static_cast<QPushButton *>(watched);
        QPainter painter(w);
        SafeCall([&] { m_button->PaintFace(painter, w->isDown(), w->hasFocus()); });
        return true;
    }

private:
    TBitBtn *m_button; // not owned: the button owns the widget that owns this
};

} // namespace

PTypeInfo TypeInfoTBitBtnKind()
{
    static const TTypeInfo *t = NewEnumType(
        QStringLiteral("TBitBtnKind"),
        {QStringLiteral("bkCustom"), QStringLiteral("bkOK"), QStringLiteral("bkCancel"),
         QStringLiteral("bkHelp"), QStringLiteral("bkYes"), QStringLiteral("bkNo"),
         QStringLiteral("bkClose"), QStringLiteral("bkAbort"), QStringLiteral("bkRetry"),
         QStringLiteral("bkIgnore"), QStringLiteral("bkAll")});
    return t;
}

PTypeInfo TypeInfoTButtonStyle()
{
    static const TTypeInfo *t = NewEnumType(
        QStringLiteral("TButtonStyle"),
        {QStringLiteral("bsAutoDetect"), QStringLiteral("bsWin31"), QStringLiteral("bsNew")});
    return t;
}

static TPropTable BitBtnProps()
{
    using B = TBitBtn;
    return {
        Prop<B>("Glyph", TBitmap::StaticClass()->ClassTypeInfo(), &B::Glyph, &B::SetGlyph),
        Prop<B>("Kind", TypeInfoTBitBtnKind(), &B::Kind, &B::SetKind, bkCustom),
        Prop<B>("Layout", TypeInfoTButtonLayout(), &B::Layout, &B::SetLayout, blGlyphLeft),
        Prop<B>("Margin", TypeInfoInteger(), &B::Margin, &B::SetMargin, -1),
        Prop<B>("NumGlyphs", TypeInfoTNumGlyphs(), &B::NumGlyphs, &B::SetNumGlyphs, 1),
        Prop<B>("Spacing", TypeInfoInteger(), &B::Spacing, &B::SetSpacing, 4),
        Prop<B>("Style", TypeInfoTButtonStyle(), &B::Style, &B::SetStyle,
                qint64(TButtonStyle::bsAutoDetect)),
    };
}
Z_DEFINE_CLASS(TBitBtn, TButton, BitBtnProps)

TBitBtn::TBitBtn(TComponent *owner) : TButton(owner), m_glyph(new TBitmap)
{
    m_glyph->OnChange = TNotifyEvent::Of<&TBitBtn::GlyphChanged>(this);
}

TBitBtn::~TBitBtn()
{
    Destroying();
    DestroyWidget();
    delete m_glyph;
}

QWidget *TBitBtn::CreateWidget(QWidget *parentWidget)
{
    auto *w = static_cast<QPushButton *>(TButton::CreateWidget(parentWidget));
    auto *painter = new TBitBtnPainter(this, w);
    w->installEventFilter(painter);
    return w;
}

TBitBtnKind TBitBtn::Kind() const
{
    // A kind whose settings were changed by hand reads as custom.
    if (m_kind != bkCustom
        && (KindIsDefault(m_kind) != Default() || KindIsCancel(m_kind) != Cancel()
            || ModalResult() != kKinds[m_kind].result))
        return bkCustom;
    return m_kind;
}

void TBitBtn::SetKind(TBitBtnKind kind)
{
    if (kind < bkCustom || kind > bkAll)
        return;
    m_kind = kind;
    if (kind != bkCustom) {
        SetDefault(KindIsDefault(kind));
        SetCancel(KindIsCancel(kind));
        SetModalResult(kKinds[kind].result);
        SetCaption(QString::fromLatin1(kKinds[kind].caption));
    }
    Invalidate();
}

void TBitBtn::GlyphChanged(TObject *)
{
    // A strip of square images holds as many glyphs as it is heights wide.
    const int w = m_glyph->Width(), h = m_glyph->Height();
    if (h > 0 && w % h == 0 && w / h >= 1 && w / h <= 4)
        m_numGlyphs = w / h;
    Invalidate();
}

void TBitBtn::SetLayout(TButtonLayout layout)
{
    m_layout = layout;
    Invalidate();
}

void TBitBtn::SetMargin(int margin)
{
    m_margin = std::max(-1, margin);
    Invalidate();
}

void TBitBtn::SetNumGlyphs(int count)
{
    m_numGlyphs = std::clamp(count, 1, 4);
    Invalidate();
}

void TBitBtn::SetSpacing(int spacing)
{
    m_spacing = std::max(-1, spacing);
    Invalidate();
}

void TBitBtn::SetStyle(TButtonStyle style)
{
    m_style = style;
    Invalidate();
}

QImage TBitBtn::ShownGlyph() const
{
    if (m_glyph->Empty()) {
        const QImage kind = KindGlyph(m_kind);
        return Enabled() || kind.isNull() ? kind : GreyedGlyph(kind);
    }
    const QImage all = m_glyph->ToImage(true);
    const int count = std::clamp(m_numGlyphs, 1, 4);
    const int w = all.width() / count;
    if (!Enabled() && count >= 2)
        return all.copy(w, 0, w, all.height());
    const QImage up = all.copy(0, 0, w, all.height());
    return Enabled() ? up : GreyedGlyph(up);
}

void TBitBtn::PaintFace(QPainter &painter, bool pressed, bool focused)
{
    QRect r(0, 0, Width(), Height());
    painter.fillRect(r, ColorToQColor(clBtnFace));
    if (Default() || focused)
        Frame3D(painter, r, cl3DDkShadow, cl3DDkShadow, 1);
    DrawButtonEdge(painter, r, pressed);

    TGlyphCaption shown;
    shown.glyph = ShownGlyph();
    shown.glyphRoom = shown.glyph.isNull() ? QSize() : shown.glyph.size();
    shown.caption = Caption();
    shown.font = Font();
    shown.enabled = Enabled();
    shown.layout = m_layout;
    shown.margin = m_margin;
    shown.spacing = m_spacing;
    const QRect textRect = DrawGlyphAndCaption(painter, r, shown, pressed);
    if (focused)
        DrawFocusRect(painter, textRect.adjusted(-2, -1, 2, 1));
}
