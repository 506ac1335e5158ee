#include "ToolGlyphs.h"

#include "Graphics.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

namespace {

const QColor kKey(255, 0, 255);
const QColor kOutline(0, 0, 0);
const QColor kPaper(255, 255, 255);
const QColor kFolder(230, 200, 80);
const QColor kDisk(40, 60, 160);
const QColor kGreen(0, 140, 0);
const QColor kRed(200, 0, 0);
const QColor kBlue(0, 0, 200);
const QColor kGray(128, 128, 128);

void Page(QPainter &p, int x, int y)
{
    const QPolygon outline({QPoint(x, y), QPoint(x + 7, y), QPoint(x + 10, y + 3),
                            QPoint(x + 10, y + 13), QPoint(x, y + 13)});
    p.setPen(kOutline);
    p.setBrush(kPaper);
    p.drawPolygon(outline);
    p.drawLine(x + 7, y, x + 7, y + 3);
    p.drawLine(x + 7, y + 3, x + 10, y + 3);
}

void Lines(QPainter &p, int x, int y, int count)
{
    p.setPen(kGray);
    for (int i = 0; i < count; ++i)
        p.drawLine(x + 2, y + 5 + 2 * i, x + 8, y + 5 + 2 * i);
}

void Folder(QPainter &p, int x, int y)
{
    p.setPen(kOutline);
    p.setBrush(kFolder);
    p.drawRect(x, y + 3, 12, 8);
    p.drawRect(x, y + 1, 5, 2);
}

void Disk(QPainter &p, int x, int y)
{
    p.setPen(kOutline);
    p.setBrush(kDisk);
    p.drawRect(x, y, 12, 12);
    p.setBrush(kPaper);
    p.drawRect(x + 3, y + 1, 6, 4);
    p.setBrush(kGray);
    p.drawRect(x + 3, y + 8, 6, 4);
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
    p.setPen(kOutline);
    p.setBrush(kPaper);
    p.drawRect(x, y, w, h);
    p.setBrush(QColor(0, 0, 128));
    p.drawRect(x, y, w, 3);
}

void Triangle(QPainter &p, const QPolygon &poly, const QColor &c)
{
    p.setPen(kOutline);
    p.setBrush(c);
    p.drawPolygon(poly);
}

void Draw(int index, QPainter &p)
{
    switch (index) {
    case 0: // new
        Page(p, 3, 1);
        Plus(p, 9, 9, kGreen);
        break;
    case 1: // open
        Folder(p, 2, 2);
        break;
    case 2: // save
        Disk(p, 2, 2);
        break;
    case 3: // save all
        Disk(p, 1, 1);
        Disk(p, 4, 4);
        break;
    case 4: // open project
        Folder(p, 1, 4);
        p.setPen(kOutline);
        p.setBrush(kGreen);
        p.drawRect(8, 1, 6, 5);
        break;
    case 5: // add file to project
        Folder(p, 1, 4);
        Plus(p, 9, 0, kGreen);
        break;
    case 6: // remove file from project
        Folder(p, 1, 4);
        Minus(p, 9, 0, kRed);
        break;
    case 7: // help
        p.setPen(kOutline);
        p.setBrush(QColor(255, 255, 200));
        p.drawEllipse(1, 1, 13, 13);
        p.setPen(kBlue);
        p.setFont(QFont(QStringLiteral("DejaVu Sans"), 7, QFont::Bold));
        p.drawText(QRect(1, 1, 14, 14), Qt::AlignCenter, QStringLiteral("?"));
        break;
    case 8: // view unit
        Page(p, 3, 1);
        Lines(p, 3, 1, 4);
        break;
    case 9: // view form
        Window(p, 1, 2, 13, 11);
        break;
    case 10: // toggle form and unit
        Window(p, 1, 1, 9, 8);
        Page(p, 5, 2);
        Lines(p, 5, 2, 3);
        break;
    case 11: // new form
        Window(p, 1, 2, 10, 9);
        Plus(p, 9, 9, kGreen);
        break;
    case 12: // run
        Triangle(p, QPolygon({QPoint(4, 2), QPoint(12, 8), QPoint(4, 14)}), kGreen);
        break;
    case 13: // pause
        p.setPen(kOutline);
        p.setBrush(kBlue);
        p.drawRect(3, 3, 3, 10);
        p.drawRect(9, 3, 3, 10);
        break;
    case 14: // trace into
        Lines(p, 2, -3, 4);
        Triangle(p, QPolygon({QPoint(6, 9), QPoint(12, 9), QPoint(9, 14)}), kBlue);
        break;
    case 15: // step over
        p.setPen(QPen(kBlue, 2));
        p.drawArc(2, 3, 11, 10, 0, 180 * 16);
        Triangle(p, QPolygon({QPoint(10, 8), QPoint(15, 8), QPoint(12, 12)}), kBlue);
        break;
    case 16: // stop
        p.setPen(kOutline);
        p.setBrush(kRed);
        p.drawRect(3, 3, 10, 10);
        break;
    case 17: // find
        p.setPen(QPen(kOutline, 2));
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
    glyph->Image().fill(kKey);
}

} // namespace

void DrawToolGlyph(int index, TBitmap *glyph)
{
    Prepare(glyph, 16, 16);
    QPainter p(&glyph->Image());
    Draw(index, p);
    p.end();
    glyph->Image().setPixelColor(0, 15, kKey); // the transparent colour
}

void DrawPaletteGlyph(PaletteGlyph kind, TBitmap *glyph)
{
    if (kind == PaletteGlyph::Arrow) {
        Prepare(glyph, 16, 16);
        QPainter p(&glyph->Image());
        const QPolygon arrow({QPoint(4, 1), QPoint(4, 13), QPoint(7, 10), QPoint(9, 15),
                              QPoint(11, 14), QPoint(9, 9), QPoint(13, 9)});
        p.setPen(kOutline);
        p.setBrush(kPaper);
        p.drawPolygon(arrow);
        p.end();
        glyph->Image().setPixelColor(0, 15, kKey);
        return;
    }
    Prepare(glyph, 6, 9);
    QPainter p(&glyph->Image());
    p.setPen(Qt::NoPen);
    p.setBrush(kOutline);
    if (kind == PaletteGlyph::ScrollLeft)
        p.drawPolygon(QPolygon({QPoint(4, 0), QPoint(0, 4), QPoint(4, 8)}));
    else
        p.drawPolygon(QPolygon({QPoint(1, 0), QPoint(5, 4), QPoint(1, 8)}));
    p.end();
    glyph->Image().setPixelColor(0, 8, kKey);
}
