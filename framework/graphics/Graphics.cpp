#include "Graphics.h"

#include "SysUtils.h"

#include <QFontDatabase>
#include <QGuiApplication>

#include <algorithm>
#include <array>
#include <cmath>

// ---- Colours ----------------------------------------------------------------------------------

namespace {

// The system colours, by index, in a fixed classic-looking scheme (as #RRGGBB).
constexpr std::array<QRgb, 25> kSystemPalette = {
    0xD4D0C8, // clScrollBar
    0x008080, // clBackground
    0x000080, // clActiveCaption
    0x808080, // clInactiveCaption
    0xD4D0C8, // clMenu
    0xFFFFFF, // clWindow
    0x000000, // clWindowFrame
    0x000000, // clMenuText
    0x000000, // clWindowText
    0xFFFFFF, // clCaptionText
    0xD4D0C8, // clActiveBorder
    0xD4D0C8, // clInactiveBorder
    0x808080, // clAppWorkSpace
    0x000080, // clHighlight
    0xFFFFFF, // clHighlightText
    0xD4D0C8, // clBtnFace
    0x808080, // clBtnShadow
    0x808080, // clGrayText
    0x000000, // clBtnText
    0xD4D0C8, // clInactiveCaptionText
    0xFFFFFF, // clBtnHighlight
    0x404040, // cl3DDkShadow
    0xD4D0C8, // cl3DLight
    0x000000, // clInfoText
    0xFFFFE1, // clInfoBk
};

} // namespace

TColor ColorToRGB(TColor color)
{
    if (color == clDefault)
        color = clWindow;
    if (color >= 0)
        return color;
    const int index = color & 0xFF;
    if (index >= int(kSystemPalette.size()))
        return clBlack;
    const QRgb rgb = kSystemPalette[size_t(index)];
    return TColor(qRed(rgb) | (qGreen(rgb) << 8) | (qBlue(rgb) << 16));
}

QColor ColorToQColor(TColor color)
{
    if (color == clNone)
        return QColor(0, 0, 0, 0);
    const TColor rgb = ColorToRGB(color);
    return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

TColor QColorToColor(const QColor &color)
{
    if (!color.isValid() || color.alpha() == 0)
        return clNone;
    return TColor(color.red() | (color.green() << 8) | (color.blue() << 16));
}

QString ColorToString(TColor color)
{
    QString ident;
    if (ColorToIdent(color, ident))
        return ident;
    return u'$' + IntToHex(color, 8);
}

TColor StringToColor(const QString &text)
{
    qint64 value = 0;
    if (IdentToColor(text, value))
        return TColor(value);
    return TColor(StrToInt(text));
}

// ---- Type records ---------------------------------------------------------------------------

PTypeInfo TypeInfoTFontPitch()
{
    static const TTypeInfo *t = NewEnumType(QStringLiteral("TFontPitch"),
                                            {QStringLiteral("fpDefault"),
                                             QStringLiteral("fpVariable"),
                                             QStringLiteral("fpFixed")});
    return t;
}

PTypeInfo TypeInfoTFontStyle()
{
    static const TTypeInfo *t = NewEnumType(QStringLiteral("TFontStyle"),
                                            {QStringLiteral("fsBold"), QStringLiteral("fsItalic"),
                                             QStringLiteral("fsUnderline"),
                                             QStringLiteral("fsStrikeOut")});
    return t;
}

PTypeInfo TypeInfoTFontStyles()
{
    static const TTypeInfo *t = NewSetType(QStringLiteral("TFontStyles"), TypeInfoTFontStyle());
    return t;
}

PTypeInfo TypeInfoTPenStyle()
{
    static const TTypeInfo *t = NewEnumType(
        QStringLiteral("TPenStyle"),
        {QStringLiteral("psSolid"), QStringLiteral("psDash"), QStringLiteral("psDot"),
         QStringLiteral("psDashDot"), QStringLiteral("psDashDotDot"), QStringLiteral("psClear"),
         QStringLiteral("psInsideFrame")});
    return t;
}

PTypeInfo TypeInfoTPenMode()
{
    static const TTypeInfo *t = NewEnumType(
        QStringLiteral("TPenMode"),
        {QStringLiteral("pmBlack"), QStringLiteral("pmWhite"), QStringLiteral("pmNop"),
         QStringLiteral("pmNot"), QStringLiteral("pmCopy"), QStringLiteral("pmNotCopy"),
         QStringLiteral("pmMergePenNot"), QStringLiteral("pmMaskPenNot"),
         QStringLiteral("pmMergeNotPen"), QStringLiteral("pmMaskNotPen"),
         QStringLiteral("pmMerge"), QStringLiteral("pmNotMerge"), QStringLiteral("pmMask"),
         QStringLiteral("pmNotMask"), QStringLiteral("pmXor"), QStringLiteral("pmNotXor")});
    return t;
}

PTypeInfo TypeInfoTBrushStyle()
{
    static const TTypeInfo *t = NewEnumType(
        QStringLiteral("TBrushStyle"),
        {QStringLiteral("bsSolid"), QStringLiteral("bsClear"), QStringLiteral("bsHorizontal"),
         QStringLiteral("bsVertical"), QStringLiteral("bsFDiagonal"),
         QStringLiteral("bsBDiagonal"), QStringLiteral("bsCross"),
         QStringLiteral("bsDiagCross")});
    return t;
}

PTypeInfo TypeInfoTTransparentMode()
{
    static const TTypeInfo *t = NewEnumType(QStringLiteral("TTransparentMode"),
                                            {QStringLiteral("tmAuto"), QStringLiteral("tmFixed")});
    return t;
}

// ---- Fonts, pens and brushes ------------------------------------------------------------------

namespace {

// The first of the faces that stand in for the classic sans-serif face which is installed.
QString SansSerifFace()
{
    static const QString face = [] {
        const QStringList candidates{QStringLiteral("DejaVu Sans"),
                                     QStringLiteral("Liberation Sans")};
        if (qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
            for (const QString &c : candidates) {
                if (QFontDatabase::hasFamily(c))
                    return c;
            }
        }
        return candidates.first();
    }();
    return face;
}

// Rounds a * b / c half away from zero, as the classic MulDiv does.
int MulDiv(int a, int b, int c)
{
    return int(std::lround(double(a) * b / c));
}

} // namespace

QString InstalledFontFace(const QString &name)
{
    struct Twin
    {
        const char *name;
        const char *face; // nullptr: the sans-serif face
    };
    static constexpr Twin twins[] = {
        {"MS Sans Serif", nullptr},
        {"Courier New", "Liberation Mono"},
        {"Arial", "Liberation Sans"},
        {"Times New Roman", "Liberation Serif"},
        {"Terminal", "DejaVu Sans Mono"},
    };
    for (const Twin &t : twins) {
        if (name.compare(QLatin1String(t.name), Qt::CaseInsensitive) == 0)
            return t.face ? QString::fromLatin1(t.face) : SansSerifFace();
    }
    return name;
}

Z_DEFINE_CLASS(TGraphicsObject, TPersistent, NoPublishedProps)

void TGraphicsObject::Changed()
{
    OnChange(this);
}

static TPropTable FontProps()
{
    return {
        Prop<TFont>("Charset", TypeInfoTFontCharset(), &TFont::Charset, &TFont::SetCharset),
        Prop<TFont>("Color", TypeInfoTColor(), &TFont::Color, &TFont::SetColor),
        Prop<TFont>("Height", TypeInfoInteger(), &TFont::Height, &TFont::SetHeight),
        Prop<TFont>("Name", TypeInfoString(), &TFont::Name, &TFont::SetName),
        Prop<TFont>("Pitch", TypeInfoTFontPitch(), &TFont::Pitch, &TFont::SetPitch, fpDefault),
        Prop<TFont>("Size", TypeInfoInteger(), &TFont::Size, &TFont::SetSize),
        Prop<TFont>("Style", TypeInfoTFontStyles(), &TFont::Style, &TFont::SetStyle),
    };
}
Z_DEFINE_CLASS(TFont, TGraphicsObject, FontProps)

void TFont::Assign(TPersistent *source)
{
    auto *font = ObjectCast<TFont>(source);
    if (!font) {
        TGraphicsObject::Assign(source);
        return;
    }
    if (*font == *this)
        return;
    m_charset = font->m_charset;
    m_color = font->m_color;
    m_height = font->m_height;
    m_name = font->m_name;
    m_pitch = font->m_pitch;
    m_style = font->m_style;
    Changed();
}

bool TFont::operator==(const TFont &other) const
{
    return m_charset == other.m_charset && m_color == other.m_color
           && m_height == other.m_height && m_name == other.m_name && m_pitch == other.m_pitch
           && m_style == other.m_style;
}

void TFont::SetCharset(int charset)
{
    if (charset == m_charset)
        return;
    m_charset = charset;
    Changed();
}

void TFont::SetColor(TColor color)
{
    if (color == m_color)
        return;
    m_color = color;
    Changed();
}

void TFont::SetHeight(int height)
{
    if (height == m_height)
        return;
    m_height = height;
    Changed();
}

void TFont::SetName(const QString &name)
{
    if (name.isEmpty() || name == m_name)
        return;
    m_name = name;
    Changed();
}

void TFont::SetPitch(TFontPitch pitch)
{
    if (pitch == m_pitch)
        return;
    m_pitch = pitch;
    Changed();
}

int TFont::Size() const
{
    return -MulDiv(m_height, 72, PixelsPerInch);
}

void TFont::SetSize(int size)
{
    SetHeight(-MulDiv(size, PixelsPerInch, 72));
}

void TFont::SetStyle(TFontStyles style)
{
    if (style == m_style)
        return;
    m_style = style;
    Changed();
}

QFont TFont::ToQFont() const
{
    QFont font(InstalledFontFace(m_name));
    // Any height can be stored; the drawn size stays within what text can sensibly be drawn
    // at, so an absurd value neither overflows nor stalls the painting.
    constexpr qint64 MaxPixels = 2048;
    if (m_height < 0)
        font.setPixelSize(int(std::min<qint64>(-qint64(m_height), MaxPixels)));
    else if (m_height > 0)
        font.setPointSizeF(std::min<qint64>(m_height, MaxPixels) * 72.0 / PixelsPerInch);
    else
        font.setPixelSize(11);
    font.setBold(m_style & FontStyles({fsBold}));
    font.setItalic(m_style & FontStyles({fsItalic}));
    font.setUnderline(m_style & FontStyles({fsUnderline}));
    font.setStrikeOut(m_style & FontStyles({fsStrikeOut}));
    if (m_pitch == fpFixed) {
        font.setFixedPitch(true);
        font.setStyleHint(QFont::TypeWriter);
    } else if (m_pitch == fpVariable) {
        font.setFixedPitch(false);
    }
    return font;
}

static TPropTable PenProps()
{
    return {
        Prop<TPen>("Color", TypeInfoTColor(), &TPen::Color, &TPen::SetColor, clBlack),
        Prop<TPen>("Mode", TypeInfoTPenMode(), &TPen::Mode, &TPen::SetMode, pmCopy),
        Prop<TPen>("Style", TypeInfoTPenStyle(), &TPen::Style, &TPen::SetStyle, psSolid),
        Prop<TPen>("Width", TypeInfoInteger(), &TPen::Width, &TPen::SetWidth, 1),
    };
}
Z_DEFINE_CLASS(TPen, TGraphicsObject, PenProps)

void TPen::Assign(TPersistent *source)
{
    auto *pen = ObjectCast<TPen>(source);
    if (!pen) {
        TGraphicsObject::Assign(source);
        return;
    }
    if (pen->m_color == m_color && pen->m_mode == m_mode && pen->m_style == m_style
        && pen->m_width == m_width)
        return;
    m_color = pen->m_color;
    m_mode = pen->m_mode;
    m_style = pen->m_style;
    m_width = pen->m_width;
    Changed();
}

void TPen::SetColor(TColor color)
{
    if (color == m_color)
        return;
    m_color = color;
    Changed();
}

void TPen::SetMode(TPenMode mode)
{
    if (mode == m_mode)
        return;
    m_mode = mode;
    Changed();
}

void TPen::SetStyle(TPenStyle style)
{
    if (style == m_style)
        return;
    m_style = style;
    Changed();
}

void TPen::SetWidth(int width)
{
    // A pen is at least one pixel wide.
    width = std::max(width, 1);
    if (width == m_width)
        return;
    m_width = width;
    Changed();
}

QPen TPen::ToQPen() const
{
    static constexpr Qt::PenStyle styles[] = {Qt::SolidLine,      Qt::DashLine,
                                              Qt::DotLine,        Qt::DashDotLine,
                                              Qt::DashDotDotLine, Qt::NoPen,
                                              Qt::SolidLine};
    if (m_style == psClear || m_mode == pmNop)
        return QPen(Qt::NoPen);
    QColor color = ColorToQColor(m_color);
    if (m_mode == pmBlack)
        color = Qt::black;
    else if (m_mode == pmWhite)
        color = Qt::white;
    QPen pen(color, m_width, styles[m_style], Qt::SquareCap, Qt::MiterJoin);
    return pen;
}

static TPropTable BrushProps()
{
    return {
        Prop<TBrush>("Color", TypeInfoTColor(), &TBrush::Color, &TBrush::SetColor, clWhite),
        Prop<TBrush>("Style", TypeInfoTBrushStyle(), &TBrush::Style, &TBrush::SetStyle,
                     bsSolid),
    };
}
Z_DEFINE_CLASS(TBrush, TGraphicsObject, BrushProps)

void TBrush::Assign(TPersistent *source)
{
    auto *brush = ObjectCast<TBrush>(source);
    if (!brush) {
        TGraphicsObject::Assign(source);
        return;
    }
    if (brush->m_color == m_color && brush->m_style == m_style
        && brush->m_pattern == m_pattern)
        return;
    m_color = brush->m_color;
    m_style = brush->m_style;
    m_pattern = brush->m_pattern;
    Changed();
}

void TBrush::SetColor(TColor color)
{
    if (color == m_color)
        return;
    m_color = color;
    // A colour makes a clear brush solid again, as choosing a colour means painting with it.
    if (m_style == bsClear)
        m_style = bsSolid;
    Changed();
}

void TBrush::SetStyle(TBrushStyle style)
{
    if (style == m_style)
        return;
    m_style = style;
    Changed();
}

void TBrush::SetBitmap(TBitmap *bitmap)
{
    m_pattern = bitmap && !bitmap->Empty() ? bitmap->Image().copy() : QImage();
    Changed();
}

QBrush TBrush::ToQBrush() const
{
    if (!m_pattern.isNull() && m_style != bsClear)
        return QBrush(m_pattern);
    static constexpr Qt::BrushStyle styles[] = {
        Qt::SolidPattern, Qt::NoBrush,      Qt::HorPattern,   Qt::VerPattern,
        Qt::FDiagPattern, Qt::BDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern};
    return QBrush(ColorToQColor(m_color), styles[m_style]);
}
