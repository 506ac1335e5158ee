#pragma once

#include <QColor>
#include <QPainter>
#include <QPolygon>

#include <initializer_list>

// The palette colours by name. The key colour fills the background and is what the palette
// buttons leave out, so no glyph uses it for anything else.
inline const QColor kBlack(0, 0, 0);
inline const QColor kMaroon(128, 0, 0);
inline const QColor kGreen(0, 128, 0);
inline const QColor kOlive(128, 128, 0);
inline const QColor kNavy(0, 0, 128);
inline const QColor kPurple(128, 0, 128);
inline const QColor kTeal(0, 128, 128);
inline const QColor kGray(128, 128, 128);
inline const QColor kSilver(192, 192, 192);
inline const QColor kRed(255, 0, 0);
inline const QColor kLime(0, 255, 0);
inline const QColor kYellow(255, 255, 0);
inline const QColor kBlue(0, 0, 255);
inline const QColor kFuchsia(255, 0, 255);
inline const QColor kAqua(0, 255, 255);
inline const QColor kWhite(255, 255, 255);
inline const QColor &kKey = kFuchsia;

// Pixel-exact drawing on a glyph: no antialiasing, sizes are the number of pixels covered.
class Canvas
{
public:
    explicit Canvas(QPainter &painter) : m_painter(painter) {}

    void Fill(int x, int y, int w, int h, const QColor &c);
    void Frame(int x, int y, int w, int h, const QColor &c);
    void HLine(int x1, int x2, int y, const QColor &c);
    void VLine(int x, int y1, int y2, const QColor &c);
    void Dot(int x, int y, const QColor &c);
    void Line(int x1, int y1, int x2, int y2, const QColor &c);
    // An ellipse covering w by h pixels; fill may be invalid (QColor()) for an outline only.
    void Ellipse(int x, int y, int w, int h, const QColor &outline, const QColor &fill);
    // The lower half of the outline of that ellipse.
    void LowerArc(int x, int y, int w, int h, const QColor &c);
    void Polygon(const QPolygon &points, const QColor &outline, const QColor &fill);

    // Pixel art: one string per row; '.' leaves the pixel, '#' draws ink, and the letters
    // k m g o n p t G s r l y b a w stand for the palette colours (see Canvas.cpp).
    void Pattern(int x, int y, std::initializer_list<const char *> rows,
                 const QColor &ink = kBlack);
    // Text in a 3 by 5 pixel font, 4 pixels per character.
    void Text(int x, int y, const char *text, const QColor &c);

    // Classic 3-D edges: raised (a button face), sunken (a text field) and etched (a group).
    void Raised(int x, int y, int w, int h, const QColor &face = kSilver);
    void Sunken(int x, int y, int w, int h, const QColor &inside = kWhite);
    void Etched(int x, int y, int w, int h);

    // Solid triangles pointing in a direction, the tip at (x, y), size rows deep.
    void ArrowDown(int x, int y, int size, const QColor &c);
    void ArrowUp(int x, int y, int size, const QColor &c);
    void ArrowLeft(int x, int y, int size, const QColor &c);
    void ArrowRight(int x, int y, int size, const QColor &c);

private:
    QPainter &m_painter; // not owned
};
