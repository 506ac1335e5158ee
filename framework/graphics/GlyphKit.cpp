#include "GlyphKit.h"

#include <QPainter>
#include <QPolygon>

void DrawGlyphPage(QPainter &p, int x, int y)
{
    const QPolygon outline({QPoint(x, y), QPoint(x + 7, y), QPoint(x + 10, y + 3),
                            QPoint(x + 10, y + 13), QPoint(x, y + 13)});
    p.setPen(GlyphOutline);
    p.setBrush(GlyphPaper);
    p.drawPolygon(outline);
    p.drawLine(x + 7, y, x + 7, y + 3);
    p.drawLine(x + 7, y + 3, x + 10, y + 3);
}

void DrawGlyphDisk(QPainter &p, int x, int y)
{
    p.setPen(GlyphOutline);
    p.setBrush(GlyphDisk);
    p.drawRect(x, y, 12, 12);
    p.setBrush(GlyphPaper);
    p.drawRect(x + 3, y + 1, 6, 4);
    p.setBrush(GlyphGray);
    p.drawRect(x + 3, y + 8, 6, 4);
}
