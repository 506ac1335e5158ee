#include "Canvas.h"

#include <cstring>

namespace {

QColor PatternColour(char ch, const QColor &ink)
{
    switch (ch) {
    case '#': return ink;
    case 'k': return kBlack;
    case 'm': return kMaroon;
    case 'G': return kGreen;
    case 'o': return kOlive;
    case 'n': return kNavy;
    case 'p': return kPurple;
    case 't': return kTeal;
    case 'g': return kGray;
    case 's': return kSilver;
    case 'r': return kRed;
    case 'l': return kLime;
    case 'y': return kYellow;
    case 'b': return kBlue;
    case 'a': return kAqua;
    case 'w': return kWhite;
    default: return QColor();
    }
}

// Rows of the 3 by 5 font, top first, one bit per pixel with the left pixel in bit 2.
struct FontChar
{
    char ch;
    unsigned char rows[5];
};

constexpr FontChar kFont[] = {
    {'a', {0, 6, 3, 5, 7}}, {'b', {4, 6, 5, 5, 6}}, {'c', {0, 3, 4, 4, 3}},
    {'d', {1, 3, 5, 5, 3}}, {'e', {0, 2, 7, 4, 3}}, {'l', {6, 2, 2, 2, 7}},
    {'r', {0, 5, 6, 4, 4}}, {'t', {2, 7, 2, 2, 1}}, {'C', {3, 4, 4, 4, 3}},
    {'K', {5, 6, 4, 6, 5}}, {'O', {2, 5, 5, 5, 2}}, {'#', {5, 7, 5, 7, 5}},
    {'-', {0, 0, 7, 0, 0}}, {'+', {0, 2, 7, 2, 0}}, {'1', {2, 6, 2, 2, 7}},
    {'2', {6, 1, 2, 4, 7}}, {'9', {7, 5, 7, 1, 6}}, {'0', {7, 5, 5, 5, 7}},
};

} // namespace

void Canvas::Fill(int x, int y, int w, int h, const QColor &c)
{
    if (w > 0 && h > 0)
        m_painter.fillRect(x, y, w, h, c);
}

void Canvas::Frame(int x, int y, int w, int h, const QColor &c)
{
    HLine(x, x + w - 1, y, c);
    HLine(x, x + w - 1, y + h - 1, c);
    VLine(x, y, y + h - 1, c);
    VLine(x + w - 1, y, y + h - 1, c);
}

void Canvas::HLine(int x1, int x2, int y, const QColor &c)
{
    Fill(x1, y, x2 - x1 + 1, 1, c);
}

void Canvas::VLine(int x, int y1, int y2, const QColor &c)
{
    Fill(x, y1, 1, y2 - y1 + 1, c);
}

void Canvas::Dot(int x, int y, const QColor &c)
{
    Fill(x, y, 1, 1, c);
}

void Canvas::Line(int x1, int y1, int x2, int y2, const QColor &c)
{
    m_painter.setPen(QPen(c, 1));
    m_painter.drawLine(x1, y1, x2, y2);
}

void Canvas::Ellipse(int x, int y, int w, int h, const QColor &outline, const QColor &fill)
{
    m_painter.setPen(QPen(outline, 1));
    m_painter.setBrush(fill.isValid() ? QBrush(fill) : QBrush(Qt::NoBrush));
    // A non-antialiased outline covers one pixel more than the rectangle's size.
    m_painter.drawEllipse(QRect(x, y, w - 1, h - 1));
    m_painter.setBrush(Qt::NoBrush);
}

void Canvas::LowerArc(int x, int y, int w, int h, const QColor &c)
{
    m_painter.setPen(QPen(c, 1));
    m_painter.drawArc(QRect(x, y, w - 1, h - 1), 180 * 16, 180 * 16);
}

void Canvas::Polygon(const QPolygon &points, const QColor &outline, const QColor &fill)
{
    m_painter.setPen(QPen(outline, 1));
    m_painter.setBrush(fill.isValid() ? QBrush(fill) : QBrush(Qt::NoBrush));
    m_painter.drawPolygon(points);
    m_painter.setBrush(Qt::NoBrush);
}

void Canvas::Pattern(int x, int y, std::initializer_list<const char *> rows, const QColor &ink)
{
    int row = 0;
    for (const char *line : rows) {
        for (int col = 0; line[col] != '\0'; ++col) {
            const QColor c = PatternColour(line[col], ink);
            if (c.isValid())
                Dot(x + col, y + row, c);
        }
        ++row;
    }
}

void Canvas::Text(int x, int y, const char *text, const QColor &c)
{
    for (std::size_t i = 0; i < std::strlen(text); ++i) {
        for (const FontChar &fc : kFont) {
            if (fc.ch != text[i])
                continue;
            for (int row = 0; row < 5; ++row) {
                for (int col = 0; col < 3; ++col) {
                    if (fc.rows[row] & (4 >> col))
                        Dot(x + 4 * int(i) + col, y + row, c);
                }
            }
        }
    }
}

void Canvas::Raised(int x, int y, int w, int h, const QColor &face)
{
    Fill(x, y, w, h, face);
    HLine(x, x + w - 1, y, kWhite);
    VLine(x, y, y + h - 1, kWhite);
    HLine(x, x + w - 1, y + h - 1, kBlack);
    VLine(x + w - 1, y, y + h - 1, kBlack);
    HLine(x + 1, x + w - 2, y + h - 2, kGray);
    VLine(x + w - 2, y + 1, y + h - 2, kGray);
}

void Canvas::Sunken(int x, int y, int w, int h, const QColor &inside)
{
    Fill(x, y, w, h, inside);
    HLine(x, x + w - 1, y, kGray);
    VLine(x, y, y + h - 1, kGray);
    HLine(x, x + w - 1, y + h - 1, kWhite);
    VLine(x + w - 1, y, y + h - 1, kWhite);
    HLine(x + 1, x + w - 2, y + 1, kBlack);
    VLine(x + 1, y + 1, y + h - 2, kBlack);
    HLine(x + 1, x + w - 2, y + h - 2, kSilver);
    VLine(x + w - 2, y + 1, y + h - 2, kSilver);
}

void Canvas::Etched(int x, int y, int w, int h)
{
    Frame(x + 1, y + 1, w - 1, h - 1, kWhite);
    Frame(x, y, w - 1, h - 1, kGray);
}

void Canvas::ArrowDown(int x, int y, int size, const QColor &c)
{
    for (int i = 0; i < size; ++i)
        HLine(x - i, x + i, y - i, c);
}

void Canvas::ArrowUp(int x, int y, int size, const QColor &c)
{
    for (int i = 0; i < size; ++i)
        HLine(x - i, x + i, y + i, c);
}

void Canvas::ArrowLeft(int x, int y, int size, const QColor &c)
{
    for (int i = 0; i < size; ++i)
        VLine(x + i, y - i, y + i, c);
}

void Canvas::ArrowRight(int x, int y, int size, const QColor &c)
{
    for (int i = 0; i < size; ++i)
        VLine(x - i, y - i, y + i, c);
}
