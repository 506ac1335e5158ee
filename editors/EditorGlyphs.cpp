#include "EditorGlyphs.h"

#include "Graphics.h"

#include <QPainter>
#include <QPolygon>

namespace {

constexpr int kSize = 16;
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

void Folder(QPainter &p)
{
    p.setPen(kOutline);
    p.setBrush(kFolder);
    p.drawRect(1, 4, 13, 9);
    p.drawRect(1, 2, 5, 2);
    // The open flap, lighter, leaning forward.
    p.setBrush(QColor(250, 230, 140));
    p.drawPolygon(QPolygon({QPoint(3, 7), QPoint(15, 7), QPoint(13, 13), QPoint(1, 13)}));
}

void Disk(QPainter &p)
{
    p.setPen(kOutline);
    p.setBrush(kDisk);
    p.drawRect(2, 2, 12, 12);
    p.setBrush(kPaper);
    p.drawRect(5, 3, 6, 4);
    p.setBrush(kGray);
    p.drawRect(5, 10, 6, 4);
}

void Sign(QPainter &p, const QColor &color, bool plus)
{
    p.setPen(QPen(color, 2));
    p.drawLine(9, 12, 15, 12);
    if (plus)
        p.drawLine(12, 9, 12, 15);
}

void Cross(QPainter &p)
{
    p.setPen(QPen(kRed, 2));
    p.drawLine(5, 5, 13, 13);
    p.drawLine(13, 5, 5, 13);
}

// Four arrows from the middle to the corners: the picture is spread over the whole area.
void CornerArrows(QPainter &p)
{
    p.setPen(kOutline);
    p.setBrush(kPaper);
    p.drawRect(4, 4, 7, 7);
    p.setPen(kBlue);
    p.setBrush(kBlue);
    p.drawLine(1, 1, 4, 4);
    p.drawLine(14, 1, 11, 4);
    p.drawLine(1, 14, 4, 11);
    p.drawLine(14, 14, 11, 11);
    p.drawPolygon(QPolygon({QPoint(0, 0), QPoint(3, 0), QPoint(0, 3)}));
    p.drawPolygon(QPolygon({QPoint(15, 0), QPoint(12, 0), QPoint(15, 3)}));
    p.drawPolygon(QPolygon({QPoint(0, 15), QPoint(3, 15), QPoint(0, 12)}));
    p.drawPolygon(QPolygon({QPoint(15, 15), QPoint(12, 15), QPoint(15, 12)}));
}

void Draw(EditorGlyph kind, QPainter &p)
{
    switch (kind) {
    case EditorGlyph::Open:
        Folder(p);
        break;
    case EditorGlyph::Save:
        Disk(p);
        break;
    case EditorGlyph::Clear:
        Page(p, 3, 1);
        Cross(p);
        break;
    case EditorGlyph::FitToClient:
        CornerArrows(p);
        break;
    case EditorGlyph::Add:
        Page(p, 1, 1);
        Sign(p, kGreen, true);
        break;
    case EditorGlyph::Delete:
        Page(p, 1, 1);
        Sign(p, kRed, false);
        break;
    }
}

} // namespace

void DrawEditorGlyph(EditorGlyph kind, TBitmap *glyph)
{
    glyph->SetSize(kSize, kSize);
    glyph->Image().fill(kKey);
    QPainter p(&glyph->Image());
    Draw(kind, p);
    p.end();
    glyph->Image().setPixelColor(0, kSize - 1, kKey); // the transparent colour
    glyph->SetModified(true);
}
