#include "Buttons.h"

#include "ClassicDraw.h"
#include "ControlProps.h"
#include "ControlWidget.h"
#include "SafeCall.h"

#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {

// Tells the button when the mouse comes and goes, and treats the second press of a double
// click as a press, so that every click of a quick series counts.
class TSpeedButtonWidget : public TControlWidget
{
public:
    TSpeedButtonWidget(TSpeedButton *button, QWidget *parent)
        : TControlWidget(button, parent), m_button(button)
    {
    }

protected:
    void enterEvent(QEnterEvent *event) override
    {
        TControlWidget::enterEvent(event);
        SafeCall([this] { m_button->MouseEnter(); });
    }
    void leaveEvent(QEvent *event) override
    {
        TControlWidget::leaveEvent(event);
        SafeCall([this] { m_button->MouseLeave(); });
    }
    void mouseDoubleClickEvent(QMouseEvent *event) override
    {
        event->accept();
        if (m_button->Designing())
            return;
        const QPoint p = event->position().toPoint();
        const TMouseButton button = event->button() == Qt::RightButton ? mbRight
                                    : event->button() == Qt::MiddleButton ? mbMiddle
                                                                          : mbLeft;
        SafeCall([&] {
            m_button->MouseDown(button, ShiftStateOf(event->modifiers(), event->buttons()),
                                p.x(), p.y());
        });
    }

private:
    TSpeedButton *m_button; // not owned: the button owns this widget
};

// The embossed image of a glyph without a disabled image of its own: its dark pixels in
// shadow over the same in highlight, one pixel down and right.
QImage DisabledGlyph(const QImage &glyph)
{
    QImage mask(glyph.size(), QImage::Format_ARGB32);
    mask.fill(Qt::transparent);
    for (int y = 0; y < glyph.height(); ++y) {
        for (int x = 0; x < glyph.width(); ++x) {
            const QRgb px = glyph.pixel(x, y);
            if (qAlpha(px) > 0 && qGray(px) < 0xC0)
                mask.setPixel(x, y, 0xFF000000);
        }
    }
    auto tinted = [&](TColor color) {
        QImage img = mask;
        QPainter p(&img);
        p.setCompositionMode(QPainter::CompositionMode_SourceIn);
        p.fillRect(img.rect(), ColorToQColor(color));
        return img;
    };
    QImage result(glyph.width() + 1, glyph.height() + 1, QImage::Format_ARGB32);
    result.fill(Qt::transparent);
    QPainter p(&result);
    p.drawImage(1, 1, tinted(clBtnHighlight));
    p.drawImage(0, 0, tinted(clBtnShadow));
    return result;
}

} // namespace

PTypeInfo TypeInfoTButtonLayout()
{
    static const TTypeInfo *t = NewEnumType(
        QStringLiteral("TButtonLayout"),
        {QStringLiteral("blGlyphLeft"), QStringLiteral("blGlyphRight"),
         QStringLiteral("blGlyphTop"), QStringLiteral("blGlyphBottom")});
    return t;
}

PTypeInfo TypeInfoTNumGlyphs()
{
    static const TTypeInfo *t = NewOrdinalType(KindInteger, QStringLiteral("TNumGlyphs"), 1, 4);
    return t;
}

static TPropTable SpeedButtonProps()
{
    using B = TSpeedButton;
    TPropTable t = ControlProps(
        {"Action", "Anchors", "BiDiMode", "Caption", "Constraints", "Cursor", "Enabled", "Font",
         "Height", "Hint", "Left", "ParentBiDiMode", "ParentFont", "ParentShowHint",
         "PopupMenu", "ShowHint", "Top", "Visible", "Width", "OnClick", "OnDblClick",
         "OnMouseDown", "OnMouseMove", "OnMouseUp"});
    const TPropTable own = {
        Prop<B>("AllowAllUp", TypeInfoBoolean(), &B::AllowAllUp, &B::SetAllowAllUp, 0),
        Prop<B>("Down", TypeInfoBoolean(), &B::Down, &B::SetDown, 0),
        Prop<B>("Flat", TypeInfoBoolean(), &B::Flat, &B::SetFlat, 0),
        Prop<B>("Glyph", TBitmap::StaticClass()->ClassTypeInfo(), &B::Glyph, &B::SetGlyph),
        Prop<B>("GroupIndex", TypeInfoInteger(), &B::GroupIndex, &B::SetGroupIndex, 0),
        Prop<B>("Layout", TypeInfoTButtonLayout(), &B::Layout, &B::SetLayout, blGlyphLeft),
        Prop<B>("Margin", TypeInfoInteger(), &B::Margin, &B::SetMargin, -1),
        Prop<B>("NumGlyphs", TypeInfoTNumGlyphs(), &B::NumGlyphs, &B::SetNumGlyphs, 1),
        Prop<B>("Spacing", TypeInfoInteger(), &B::Spacing, &B::SetSpacing, 4),
        Prop<B>("Transparent", TypeInfoBoolean(), &B::Transparent, &B::SetTransparent, 1),
    };
    t.insert(t.end(), own.begin(), own.end());
    return t;
}
Z_DEFINE_CLASS(TSpeedButton, TGraphicControl, SpeedButtonProps)

TSpeedButton::TSpeedButton(TComponent *owner) : TGraphicControl(owner), m_glyph(new TBitmap)
{
    // The button clicks itself on release; TControl's mouse-up must not click again.
    SetControlStyle(csCaptureMouse | csDoubleClicks);
    SetBounds(0, 0, 23, 22);
    m_glyph->OnChange = TNotifyEvent::Of<&TSpeedButton::GlyphChanged>(this);
}

TSpeedButton::~TSpeedButton()
{
    Destroying();
    DestroyWidget();
    delete m_glyph;
}

QWidget *TSpeedButton::CreateWidget(QWidget *parentWidget)
{
    return new TSpeedButtonWidget(this, parentWidget);
}

void TSpeedButton::GlyphChanged(TObject *)
{
    // A strip of square images holds as many glyphs as it is heights wide.
    const int w = m_glyph->Width();
    const int h = m_glyph->Height();
    if (h > 0 && w % h == 0 && w / h >= 1 && w / h <= 4)
        m_numGlyphs = w / h;
    Invalidate();
}

void TSpeedButton::SetAllowAllUp(bool v)
{
    if (v == m_allowAllUp)
        return;
    m_allowAllUp = v;
    UpdateGroup();
}

void TSpeedButton::SetDown(bool down)
{
    if (m_groupIndex == 0)
        down = false;
    if (down == m_down)
        return;
    if (m_down && !m_allowAllUp)
        return;
    m_down = down;
    if (down) {
        if (m_state == bsUp)
            m_state = bsExclusive;
    } else {
        m_state = bsUp;
    }
    Invalidate();
    if (down)
        UpdateGroup();
}

void TSpeedButton::SetFlat(bool v)
{
    m_flat = v;
    Invalidate();
}

void TSpeedButton::SetGroupIndex(int index)
{
    if (index == m_groupIndex)
        return;
    m_groupIndex = index;
    UpdateGroup();
}

void TSpeedButton::SetLayout(TButtonLayout layout)
{
    m_layout = layout;
    Invalidate();
}

void TSpeedButton::SetMargin(int margin)
{
    m_margin = std::max(-1, margin);
    Invalidate();
}

void TSpeedButton::SetNumGlyphs(int count)
{
    m_numGlyphs = std::clamp(count, 1, 4);
    Invalidate();
}

void TSpeedButton::SetSpacing(int spacing)
{
    m_spacing = std::max(-1, spacing);
    Invalidate();
}

void TSpeedButton::SetTransparent(bool v)
{
    m_transparent = v;
    Invalidate();
}

void TSpeedButton::EnabledChanged()
{
    TGraphicControl::EnabledChanged();
    if (!Enabled()) {
        m_mouseInControl = false;
        m_dragging = false;
        m_state = m_down ? bsExclusive : bsUp;
    }
    Invalidate();
}

void TSpeedButton::UpdateGroup()
{
    TWinControl *parent = Parent();
    if (m_groupIndex == 0 || !parent)
        return;
    for (int i = 0; i < parent->ControlCount(); ++i) {
        auto *other = ObjectCast<TSpeedButton>(parent->Controls(i));
        if (!other || other == this || other->m_groupIndex != m_groupIndex)
            continue;
        other->m_allowAllUp = m_allowAllUp;
        if (m_down && other->m_down) {
            other->m_down = false;
            other->m_state = bsUp;
            other->Invalidate();
        }
    }
}

void TSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TGraphicControl::MouseDown(button, shift, x, y);
    if (button != mbLeft || !Enabled())
        return;
    if (!m_down) {
        m_state = bsDown;
        Invalidate();
    }
    m_dragging = true;
}

void TSpeedButton::MouseMove(TShiftState shift, int x, int y)
{
    TGraphicControl::MouseMove(shift, x, y);
    if (!m_dragging)
        return;
    TButtonState state = m_down ? bsExclusive : bsUp;
    if (Inside(x, y) && !m_down)
        state = bsDown;
    if (state != m_state) {
        m_state = state;
        Invalidate();
    }
}

void TSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TGraphicControl::MouseUp(button, shift, x, y);
    if (button != mbLeft || !m_dragging)
        return;
    m_dragging = false;
    const bool click = Inside(x, y);
    if (m_groupIndex == 0) {
        m_state = bsUp;
    } else {
        if (click)
            SetDown(!m_down); // refused for the down button of a group without AllowAllUp
        m_state = m_down ? bsExclusive : bsUp;
    }
    m_mouseInControl = click;
    Invalidate();
    if (click)
        Click();
}

void TSpeedButton::MouseEnter()
{
    if (Designing() || !Enabled())
        return;
    m_mouseInControl = true;
    if (m_flat)
        Invalidate();
}

void TSpeedButton::MouseLeave()
{
    if (!m_mouseInControl)
        return;
    m_mouseInControl = false;
    if (m_flat)
        Invalidate();
}

QImage TSpeedButton::StateGlyph()
{
    if (m_glyph->Empty())
        return {};
    const QImage all = m_glyph->ToImage(true);
    const int count = std::clamp(m_numGlyphs, 1, 4);
    const int w = all.width() / count;
    int index = 0;
    if (!Enabled())
        index = 1;
    else if (m_state == bsDown)
        index = 2;
    else if (m_state == bsExclusive)
        index = 3;
    if (index < count)
        return all.copy(index * w, 0, w, all.height());
    const QImage up = all.copy(0, 0, w, all.height());
    return Enabled() ? up : DisabledGlyph(up);
}

void TSpeedButton::Paint()
{
    QPainter *painter = Canvas()->Painter();
    if (!painter)
        return;
    const QRect client = ClientRect();
    QRect face = client;
    const bool pressed = ShownPressed();
    const bool hot = m_mouseInControl && Enabled() && !Designing();
    // A transparent flat face leaves the parent's background, which Qt paints beneath.
    if (!(m_flat && m_transparent))
        painter->fillRect(client, ColorToQColor(m_flat ? Color() : clBtnFace));
    if (!m_flat) {
        if (pressed) {
            Frame3D(*painter, face, cl3DDkShadow, clBtnHighlight, 1);
            Frame3D(*painter, face, clBtnShadow, cl3DLight, 1);
        } else {
            DrawButtonEdge(*painter, face, false);
        }
    } else if (pressed) {
        Frame3D(*painter, face, clBtnShadow, clBtnHighlight, 1);
    } else if (hot) {
        Frame3D(*painter, face, clBtnHighlight, clBtnShadow, 1);
    }
    // A button that is down but not held shows a dithered face, as the classic tool bar does.
    if (m_state == bsExclusive && !(m_flat && hot))
        FillDithered(*painter, face);

    TGlyphCaption shown;
    shown.glyph = StateGlyph();
    shown.glyphRoom = shown.glyph.isNull() ? QSize() : shown.glyph.size();
    if (!shown.glyph.isNull() && !Enabled() && m_numGlyphs < 2)
        shown.glyphRoom -= QSize(1, 1); // the embossed copy's shadow does not count
    shown.caption = Caption();
    shown.font = Font();
    shown.enabled = Enabled();
    shown.layout = m_layout;
    shown.margin = m_margin;
    shown.spacing = m_spacing;
    DrawGlyphAndCaption(*painter, client, shown, pressed);
}

QRect DrawGlyphAndCaption(QPainter &painter, const QRect &area, const TGlyphCaption &face,
                          bool pressed)
{
    const QSize glyphSize = face.glyphRoom;
    const QFont font = face.font->ToQFont();
    painter.setFont(font);
    const QString &caption = face.caption;
    const QSize textSize = caption.isEmpty()
                               ? QSize()
                               : QFontMetrics(font).size(Qt::TextShowMnemonic, caption);

    const bool across = face.layout == blGlyphLeft || face.layout == blGlyphRight;
    const int room = across ? area.width() : area.height();
    const int glyphLen = across ? glyphSize.width() : glyphSize.height();
    const int textLen = across ? textSize.width() : textSize.height();
    int spacing = glyphSize.isEmpty() || textSize.isEmpty() ? 0 : face.spacing;
    int margin = face.margin;
    if (margin == -1) {
        if (spacing == -1) {
            spacing = (room - glyphLen - textLen) / 3;
            margin = spacing;
        } else {
            margin = (room - glyphLen - spacing - textLen) / 2;
        }
    } else if (spacing == -1) {
        spacing = (room - margin - glyphLen - textLen) / 2;
    }
    int glyphAt = margin;
    int textAt = margin + glyphLen + spacing;
    if (face.layout == blGlyphRight || face.layout == blGlyphBottom) {
        glyphAt = room - margin - glyphLen;
        textAt = glyphAt - spacing - textLen;
    }
    QPoint glyphPos, textPos;
    if (across) {
        glyphPos = QPoint(glyphAt, (area.height() - glyphSize.height()) / 2);
        textPos = QPoint(textAt, (area.height() - textSize.height()) / 2);
    } else {
        glyphPos = QPoint((area.width() - glyphSize.width()) / 2, glyphAt);
        textPos = QPoint((area.width() - textSize.width()) / 2, textAt);
    }
    const QPoint origin = area.topLeft() + (pressed ? QPoint(1, 1) : QPoint(0, 0));
    if (!face.glyph.isNull())
        painter.drawImage(origin + glyphPos, face.glyph);
    const QRect textRect(origin + textPos, textSize);
    if (!caption.isEmpty())
        DrawControlText(painter, textRect, Qt::AlignCenter | Qt::TextShowMnemonic, caption,
                        face.font->Color(), face.enabled);
    return textRect;
}
