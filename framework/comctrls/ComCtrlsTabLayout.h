#pragma once

// Where the tabs of a tab control go, worked out without any window. The layout is made in a
// frame where the strip lies along the top edge (x runs along the strip, y across it, away from
// the tabs' outer edge); the control turns it to the side its tabs are on.
//
// One row, or several when the tabs wrap (MultiLine). Rows of tabs rotate so that the row of
// the current tab lies next to the page, the rows behind it keeping their cyclic order; with
// ScrollOpposite the rows in front of it go to the other side of the page instead. A single row
// too long for the strip scrolls: it starts at FirstVisible and two arrows end the strip.

#include <QRect>
#include <QString>

#include <vector>

struct TTabLayoutInput
{
    // Each tab's own length along the strip (caption, image and padding, or the fixed width).
    std::vector<int> Lengths;
    int Thickness = 20;   // one row across the strip
    int Extent = 0;       // the strip's length: the control's width (or height, tabs at a side)
    int Depth = 0;        // the control across the strip
    int Selected = -1;
    int FirstVisible = 0; // one scrolled row: the first tab shown
    bool MultiLine = false;
    bool RaggedRight = false;
    bool ScrollOpposite = false;
    bool Buttons = false; // button styles: rows stay in order, no page frame
};

struct TTabLayout
{
    // The tabs' rectangles as drawn (the current tab stands out), in the layout frame; empty
    // for a tab scrolled out of sight. Partly hidden tabs are cut at the arrows.
    std::vector<QRect> Tabs;
    // The same, whole: a tab partly hidden by the arrows is drawn whole and cut.
    std::vector<QRect> WholeTabs;
    // How many rows lie between a tab's row and the page (0: next to it).
    std::vector<int> Slot;
    // Whether a tab lies on the far side of the page (ScrollOpposite) and so points the other
    // way.
    std::vector<bool> Opposite;
    std::vector<int> Row; // the wrapped row each tab is in, counted in tab order
    int RowCount = 1;
    int NearRows = 1; // rows between the top edge and the page
    int FarRows = 0;  // rows beyond the page (ScrollOpposite)
    QRect Page;       // the page with its frame
    // One scrolled row: the arrows, the first tab shown and which ways it can scroll.
    bool Scrolls = false;
    QRect BackArrow, ForwardArrow;
    int FirstVisible = 0;
    bool CanScrollBack = false;
    bool CanScrollForward = false;
};

// The first tab starts this far in, so that the current tab can stand out on both sides.
constexpr int kTabLead = 2;
// Button tabs keep this much space between each other and between rows.
constexpr int kButtonGap = 3;
// Each scroll arrow's length along the strip.
constexpr int kTabArrowLength = 16;

TTabLayout LayOutTabStrip(const TTabLayoutInput &input);

// The first tab to show so that tab index is wholly in sight in a row scrolled from
// firstVisible.
int ScrollToShow(const TTabLayoutInput &input, int index);

// A caption as drawn: "&&" shows one ampersand, a single one only marks the mnemonic.
QString ShownCaption(const QString &caption);
