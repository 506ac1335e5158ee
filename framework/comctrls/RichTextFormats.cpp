#include "RichTextFormats.h"

#include <QFont>

#include <cmath>

namespace RichFormat {

QTextCharFormat FullFormat(const QString &name, double size, TFontStyles style, TColor color,
                           int charset, TFontPitch pitch, bool isProtected)
{
    QTextCharFormat f;
    SetName(f, name);
    SetSize(f, size);
    SetStyle(f, style);
    SetColor(f, color);
    f.setProperty(CharsetProperty, charset);
    f.setProperty(PitchProperty, int(pitch));
    f.setProperty(ProtectedProperty, isProtected);
    return f;
}

QString Name(const QTextCharFormat &f)
{
    const QStringList families = f.fontFamilies().toStringList();
    return families.isEmpty() ? QString() : families.first();
}

void SetName(QTextCharFormat &f, const QString &name)
{
    QStringList families{name};
    const QString installed = InstalledFontFace(name);
    if (installed.compare(name, Qt::CaseInsensitive) != 0)
        families << installed;
    f.setFontFamilies(families);
}

double Size(const QTextCharFormat &f)
{
    return f.fontPointSize();
}

void SetSize(QTextCharFormat &f, double points)
{
    f.setFontPointSize(points);
}

TFontStyles Style(const QTextCharFormat &f)
{
    TFontStyles style = 0;
    if (f.fontWeight() >= QFont::Bold)
        style |= FontStyles({fsBold});
    if (f.fontItalic())
        style |= FontStyles({fsItalic});
    if (f.fontUnderline())
        style |= FontStyles({fsUnderline});
    if (f.fontStrikeOut())
        style |= FontStyles({fsStrikeOut});
    return style;
}

void SetStyle(QTextCharFormat &f, TFontStyles style)
{
    f.setFontWeight(style & FontStyles({fsBold}) ? QFont::Bold : QFont::Normal);
    f.setFontItalic(style & FontStyles({fsItalic}));
    f.setFontUnderline(style & FontStyles({fsUnderline}));
    f.setFontStrikeOut(style & FontStyles({fsStrikeOut}));
}

TColor Color(const QTextCharFormat &f)
{
    if (f.hasProperty(ColorProperty))
        return TColor(f.intProperty(ColorProperty));
    if (f.hasProperty(QTextFormat::ForegroundBrush))
        return QColorToColor(f.foreground().color());
    return clDefault;
}

void SetColor(QTextCharFormat &f, TColor color)
{
    if (color == clDefault) {
        f.clearForeground();
        f.clearProperty(ColorProperty);
        return;
    }
    f.setForeground(ColorToQColor(color));
    f.setProperty(ColorProperty, int(color));
}

int Charset(const QTextCharFormat &f)
{
    return f.hasProperty(CharsetProperty) ? f.intProperty(CharsetProperty) : 1;
}

TFontPitch Pitch(const QTextCharFormat &f)
{
    return TFontPitch(f.intProperty(PitchProperty));
}

bool Protected(const QTextCharFormat &f)
{
    return f.boolProperty(ProtectedProperty);
}

QFont FontOf(const QTextCharFormat &f)
{
    QFont font;
    font.setFamilies(f.fontFamilies().toStringList());
    if (Size(f) > 0)
        font.setPointSizeF(Size(f));
    font.setBold(f.fontWeight() >= QFont::Bold);
    font.setItalic(f.fontItalic());
    font.setUnderline(f.fontUnderline());
    font.setStrikeOut(f.fontStrikeOut());
    if (Pitch(f) == fpFixed) {
        font.setFixedPitch(true);
        font.setStyleHint(QFont::TypeWriter);
    }
    return font;
}

double PointsToPixels(double points)
{
    return points * TFont::PixelsPerInch / 72.0;
}

int PixelsToPoints(double pixels)
{
    return int(std::lround(pixels * 72.0 / TFont::PixelsPerInch));
}

} // namespace RichFormat
