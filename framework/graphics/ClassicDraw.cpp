#include "ClassicDraw.h"

#include <QPainter>
#include <QString>

void Frame3D(QPainter &painter, QRect &rect, TColor topColor, TColor bottomColor, int width)
{
    const QColor top = ColorToQColor(topColor);
    const QColor bottom = ColorToQColor(bottomColor);
    for (int i = 0; i < width && rect.width() > 0 && rect.height() > 0; ++i) {
        painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), 1), top);
        painter.fillRect(QRect(rect.left(), rect.top(), 1, rect.height()), top);
        // Drawn second, the bottom colour takes the top-right and bottom-left corners.
        painter.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), bottom);
        painter.fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), bottom);
        rect.adjust(1, 1, -1, -1);
    }
}

void DrawButtonEdge(QPainter &painter, QRect &rect, bool pressed)
{
    if (pressed) {
        Frame3D(painter, rect, clBtnShadow, clBtnShadow, 1);
        return;
    }
    Frame3D(painter, rect, clBtnHighlight, cl3DDkShadow, 1);
    Frame3D(painter, rect, cl3DLight, clBtnShadow, 1);
}

void FillDithered(QPainter &painter, const QRect &rect)
{
    QImage tile(2, 2, QImage::Format_RGB32);
    const QRgb face = ColorToQColor(clBtnFace).rgb();
    const QRgb light = ColorToQColor(clBtnHighlight).rgb();
    tile.setPixel(0, 0, light);
    tile.setPixel(1, 1, light);
    tile.setPixel(1, 0, face);
    tile.setPixel(0, 1, face);
    QBrush brush(tile);
    painter.save();
    // Anchor the pattern to the widget so that neighbouring faces line up.
    painter.setBrushOrigin(0, 0);
    painter.fillRect(rect, brush);
    painter.restore();
}

void DrawControlText(QPainter &painter, const QRect &rect, int flags, const QString &text,
                     TColor color, bool enabled)
{
    if (text.isEmpty())
        return;
    painter.save();
    if (enabled) {
        painter.setPen(ColorToQColor(color));
        painter.drawText(rect, flags, text);
    } else {
        painter.setPen(ColorToQColor(clBtnHighlight));
        painter.drawText(rect.translated(1, 1), flags, text);
        painter.setPen(ColorToQColor(clBtnShadow));
        painter.drawText(rect, flags, text);
    }
    painter.restore();
}

void DrawFocusRect(QPainter &painter, const QRect &rect)
{
    if (rect.width() <= 0 || rect.height() <= 0)
        return;
    const QColor ink = ColorToQColor(clWindowText);
    // Every other pixel, starting on the corner, as the system's focus rectangle does.
    for (int x = rect.left(); x <= rect.right(); x += 2) {
        painter.fillRect(QRect(x, rect.top(), 1, 1), ink);
        painter.fillRect(QRect(x, rect.bottom(), 1, 1), ink);
    }
    for (int y = rect.top(); y <= rect.bottom(); y += 2) {
        painter.fillRect(QRect(rect.left(), y, 1, 1), ink);
        painter.fillRect(QRect(rect.right(), y, 1, 1), ink);
    }
}
