#pragma once

// Focus outlines drawn over a windowed control and everything on it, the way a dragged
// control's outline is drawn over the screen: drawing an outline inverts the pixels under it,
// so drawing the same outline a second time removes it again.

#include <QList>
#include <QRect>
#include <QRegion>

class TWinControl;

// Draws (or, when that outline is already drawn, removes) a dotted outline along the edge of
// rect, in parent's client coordinates.
void DrawFocusOutline(TWinControl *parent, const QRect &rect);
// The outlines drawn over parent now, oldest first.
QList<QRect> FocusOutlines(TWinControl *parent);
// The pixels a one-pixel outline along the edge of rect covers: all that changes when such an
// outline is drawn or taken away, so all that needs painting again.
QRegion OutlinePixels(const QRect &rect);
