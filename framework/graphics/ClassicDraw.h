#pragma once

// The raised and sunken edges, dithered faces and embossed text that the standard controls
// share, so that panels, buttons, tabs and status bars look alike in a button-face window.
// Rectangles here are QRects: every pixel from left/top to right/bottom inclusive is drawn.

#include "Graphics.h"

#include <QRect>

class QPainter;
class QString;

// One ring per pixel of width: top and left edges in topColor, bottom and right in
// bottomColor. Shrinks rect by width on every side.
void Frame3D(QPainter &painter, QRect &rect, TColor topColor, TColor bottomColor, int width);

// The two-ring edge of a push button: raised, or sunken (one shadow ring) while pressed.
// Shrinks rect past the edge.
void DrawButtonEdge(QPainter &painter, QRect &rect, bool pressed);

// A one-pixel checkerboard of highlight and button face: the face of a button that is down.
void FillDithered(QPainter &painter, const QRect &rect);

// Text in rect with Qt alignment flags; disabled text is embossed (highlight under shadow).
void DrawControlText(QPainter &painter, const QRect &rect, int flags, const QString &text,
                     TColor color, bool enabled);

// The dotted rectangle around the face of the focused control.
void DrawFocusRect(QPainter &painter, const QRect &rect);
