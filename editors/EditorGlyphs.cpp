#include "EditorGlyphs.h"

#include "GlyphKit.h"
#include "Graphics.h"

#include <QPainter>
#include <QPolygon>

namespace {

constexpr int kSize = 16;

void Folder(QPainter &p)
{
    p.setPen(GlyphOutline);
    p.setBrush(GlyphFolder);
    p.drawRect(1, 4, 13, 9);
    p.drawRect(1, 2, 5, 2);
    // The open flap, lighter, leaning forward.
    p.setBrush(QColor(250, 230, 140));
    p.drawPolygon(QPolygon({QPoint(3, 7), QPoint(15, 7), QPoint(13, 13), QPoint(1, 13)}));
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
    p.setPen(QPen(GlyphRed, 2));
    p.drawLine(5, 5, 13, 13);
    p.drawLine(13, 5, 5, 13);
}

// Four arrows from the middle to the corners: the picture is spread over the whole area.
void CornerArrows(QPainter &p)
{
    p.setPen(GlyphOutline);
    p.setBrush(GlyphPaper);
    p.drawRect(4, 4, 7, 7);
    p.setPen(GlyphBlue);
    p.setBrush(GlyphBlue);
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
        DrawGlyphDisk(p, 2, 2);
        break;
    case EditorGlyph::Clear:
        DrawGlyphPage(p, 3, 1);
        Cross(p);
        break;
    case EditorGlyph::FitToClient:
        CornerArrows(p);
        break;
    case EditorGlyph::Add:
        DrawGlyphPage(p, 1, 1);
        Sign(p, GlyphGreen, true);
        break;
    case EditorGlyph::Delete:
        DrawGlyphPage(p, 1, 1);
        Sign(p, GlyphRed, false);
        break;
    }
}

} // namespace

void DrawEditorGlyph(EditorGlyph kind, TBitmap *glyph)
{
    glyph->SetSize(kSize, kSize);
    glyph->Image().fill(GlyphKey);
    QPainter p(&glyph->Image());
    Draw(kind, p);
    p.end();
    glyph->Image().setPixelColor(0, kSize - 1, GlyphKey); // the transparent colour
    glyph->SetModified(true);
}
