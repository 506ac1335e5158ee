#include "ToolGlyphs.h"

#include "GlyphKit.h"
#include "Graphics.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

namespace {

void Lines(QPainter &p, int x, int y, int count)
{
    p.setPen(GlyphGray);
    for (int i = 0; i < count; ++i)
        p.drawLine(x + 2, y + 5 + 2 * i, x + 8, y + 5 + 2 * i);
}

void Folder(QPainter &p, int x, int y)
{
    p.setPen(GlyphOutline);
    p.setBrush(GlyphFolder);
    p.drawRect(x, y + 3, 12, 8);
    p.drawRect(x, y + 1, 5, 2);
}

void Plus(QPainter &p, int x, int y, const QColor &c)
{
    p.setPen(QPen(c, 2));
    p.drawLine(x, y + 3, x + 6, y + 3);
    p.drawLine(x + 3, y, x + 3, y + 6);
}

void Minus(QPainter &p, int x, int y, const QColor &c)
{
    p.setPen(QPen(c, 2));
    p.drawLine(x, y + 3, x + 6, y + 3);
}

void Window(QPainter &p, int x, int y, int w, int h)
{
    p.setPen(GlyphOutline);
    p.setBrush(GlyphPaper);
    p.drawRect(x, y, w, h);
    p.setBrush(QColor(0, 0, 128));
    p.drawRect(x, y, w, 3);
}

void Triangle(QPainter &p, const QPolygon &poly, const QColor &c)
{
    p.setPen(GlyphOutline);
    p.setBrush(c);
    p.drawPolygon(poly);
}

void Draw(int index, QPainter &p)
{
    switch (index) {
    case 0: // new
        DrawGlyphPage(p, 3, 1);
        Plus(p, 9, 9, GlyphGreen);
        break;
    case 1: // open
        Folder(p, 2, 2);
        break;
    case 2: // save
        DrawGlyphDisk(p, 2, 2);
        break;
    case 3: // save all
        DrawGlyphDisk(p, 1, 1);
        DrawGlyphDisk(p, 4, 4);
        break;
    case 4: // open project
        Folder(p, 1, 4);
        p.setPen(GlyphOutline);
        p.setBrush(GlyphGreen);
        p.drawRect(8, 1, 6, 5);
        break;
    case 5: // add file to project
        Folder(p, 1, 4);
        Plus(p, 9, 0, GlyphGreen);
        break;
    case 6: // remove file from project
        Folder(p, 1, 4);
        Minus(p, 9, 0, GlyphRed);
        break;
    case 7: // help
        p.setPen(GlyphOutline);
        p.setBrush(QColor(255, 255, 200));
        p.drawEllipse(1, 1, 13, 13);
        p.setPen(GlyphBlue);
        p.setFont(QFont(QStringLiteral("DejaVu Sans"), 7, QFont::Bold));
        p.drawText(QRect(1, 1, 14, 14), Qt::AlignCenter, QStringLiteral("?"));
        break;
    case 8: // view unit
        DrawGlyphPage(p, 3, 1);
        Lines(p, 3, 1, 4);
        break;
    case 9: // view form
        Window(p, 1, 2, 13, 11);
        break;
    case 10: // toggle form and unit
        Window(p, 1, 1, 9, 8);
        DrawGlyphPage(p, 5, 2);
        Lines(p, 5, 2, 3);
        break;
    case 11: // new form
        Window(p, 1, 2, 10, 9);
        Plus(p, 9, 9, GlyphGreen);
        break;
    case 12: // run
        Triangle(p, QPolygon({QPoint(4, 2), QPoint(12, 8), QPoint(4, 14)}), GlyphGreen);
        break;
    case 13: // pause
        p.setPen(GlyphOutline);
        p.setBrush(GlyphBlue);
        p.drawRect(3, 3, 3, 10);
        p.drawRect(9, 3, 3, 10);
        break;
    case 14: // trace into
        Lines(p, 2, -3, 4);
        Triangle(p, QPolygon({QPoint(6, 9), QPoint(12, 9), QPoint(9, 14)}), GlyphBlue);
        break;
    case 15: // step over
        p.setPen(QPen(GlyphBlue, 2));
        p.drawArc(2, 3, 11, 10, 0, 180 * 16);
        Triangle(p, QPolygon({QPoint(10, 8), QPoint(15, 8), QPoint(12, 12)}), GlyphBlue);
        break;
    case 16: // stop
        p.setPen(GlyphOutline);
        p.setBrush(GlyphRed);
        p.drawRect(3, 3, 10, 10);
        break;
    case 17: // find
        p.setPen(QPen(GlyphOutline, 2));
        p.setBrush(QColor(200, 230, 255));
        p.drawEllipse(2, 2, 8, 8);
        p.drawLine(9, 9, 14, 14);
        break;
    default: // object inspector
        Window(p, 2, 1, 11, 14);
        Lines(p, 2, 0, 4);
        break;
    }
}

void Prepare(TBitmap *glyph, int w, int h)
{
    glyph->SetSize(w, h);
    glyph->Image().fill(GlyphKey);
}

} // namespace

void DrawToolGlyph(int index, TBitmap *glyph)
{
    Prepare(glyph, 16, 16);
    QPainter p(&glyph->Image());
    Draw(index, p);
    p.end();
    glyph->Image().setPixelColor(0, 15, GlyphKey); // the transparent colour
}

void DrawPaletteGlyph(PaletteGlyph kind, TBitmap *glyph)
{
    if (kind == PaletteGlyph::Arrow) {
        Prepare(glyph, 16, 16);
        QPainter p(&glyph->Image());
        const QPolygon arrow({QPoint(4, 1), QPoint(4, 13), QPoint(7, 10), QPoint(9, 15),
                              QPoint(11, 14), QPoint(9, 9), QPoint(13, 9)});
        p.setPen(GlyphOutline);
        p.setBrush(GlyphPaper);
        p.drawPolygon(arrow);
        p.end();
        glyph->Image().setPixelColor(0, 15, GlyphKey);
        return;
    }
    Prepare(glyph, 6, 9);
    QPainter p(&glyph->Image());
    p.setPen(Qt::NoPen);
    p.setBrush(GlyphOutline);
    if (kind == PaletteGlyph::ScrollLeft)
        p.drawPolygon(QPolygon({QPoint(4, 0), QPoint(0, 4), QPoint(4, 8)}));
    else
        p.drawPolygon(QPolygon({QPoint(1, 0), QPoint(5, 4), QPoint(1, 8)}));
    p.end();
    glyph->Image().setPixelColor(0, 8, GlyphKey);
}
