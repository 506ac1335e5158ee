#include "CodeEditorGlyphs.h"

#include "GlyphKit.h"
#include "Graphics.h"

#include <QPainter>
#include <QPolygon>

namespace {

const QColor kTag(255, 220, 90);
const QColor kArrow(0, 128, 0);

void Page(QPainter &p)
{
    p.setPen(GlyphOutline);
    p.setBrush(GlyphPaper);
    p.drawPolygon(QPolygon({QPoint(3, 1), QPoint(10, 1), QPoint(13, 4), QPoint(13, 14),
                            QPoint(3, 14)}));
    p.drawPolyline(QPolygon({QPoint(10, 1), QPoint(10, 4), QPoint(13, 4)}));
    p.setPen(GlyphGray);
    for (int y = 6; y <= 12; y += 2)
        p.drawLine(5, y, 11, y);
}

void Folder(QPainter &p)
{
    p.setPen(GlyphOutline);
    p.setBrush(GlyphFolder);
    p.drawRect(1, 4, 13, 9);
    p.drawRect(1, 2, 5, 2);
    p.setBrush(GlyphFolder.lighter(120));
    p.drawPolygon(QPolygon({QPoint(3, 7), QPoint(15, 7), QPoint(13, 13), QPoint(1, 13)}));
}

void Disk(QPainter &p)
{
    p.setPen(GlyphOutline);
    p.setBrush(GlyphDisk);
    p.drawRect(1, 1, 13, 13);
    p.setBrush(GlyphPaper);
    p.drawRect(4, 2, 7, 5);
    p.setBrush(GlyphGray);
    p.drawRect(4, 10, 7, 4);
}

// A marker tag, as the gutter shows them.
void Tag(QPainter &p, int x, int y)
{
    p.setPen(GlyphOutline);
    p.setBrush(kTag);
    p.drawRect(x, y, 8, 9);
    p.drawLine(x + 2, y + 3, x + 6, y + 3);
    p.drawLine(x + 2, y + 5, x + 6, y + 5);
}

void SetMarker(QPainter &p)
{
    Tag(p, 1, 5);
    p.setPen(QPen(kArrow, 2));
    p.drawLine(12, 1, 12, 7);
    p.drawLine(9, 4, 15, 4);
}

void GotoMarker(QPainter &p)
{
    Tag(p, 7, 5);
    p.setPen(kArrow);
    p.setBrush(kArrow);
    p.drawPolygon(QPolygon({QPoint(1, 7), QPoint(4, 7), QPoint(4, 5), QPoint(7, 9),
                            QPoint(4, 13), QPoint(4, 11), QPoint(1, 11)}));
}

} // namespace

void DrawCodeEditorGlyph(int index, TBitmap *glyph)
{
    glyph->SetSize(16, 16);
    glyph->Image().fill(GlyphKey);
    QPainter p(&glyph->Image());
    switch (index) {
    case 0: Page(p); break;
    case 1: Folder(p); break;
    case 2: Disk(p); break;
    case 3: SetMarker(p); break;
    default: GotoMarker(p); break;
    }
    p.end();
    glyph->Image().setPixelColor(0, 15, GlyphKey); // the transparent colour
}
