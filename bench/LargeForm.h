#pragma once

// Fills a design form with many controls for the large-form benchmark: a mix of the palette's
// classes in a grid of small cells, row by row, every tenth a panel or a group box holding two
// controls of its own. Built directly, without the placement's notices, so that building
// costs nothing the figures measure.

#include <QPoint>
#include <QSize>

class TfZeDesignForm;

namespace bench {

struct LargeFormGrid
{
    static constexpr int Columns = 50;
    static constexpr int CellWidth = 24;
    static constexpr int CellHeight = 20;
    static constexpr int Origin = 8; // the first cell's top-left, clear of the form's corner

    // The top-left of cell index, in the form's client coordinates.
    static QPoint CellOrigin(int index);
    // A client area that holds cells cells with room to spare on the right and at the bottom.
    static QSize ClientSize(int cells);
};

// Puts count controls onto the form, in cells 0 to count - 1, with the nested controls of its
// containers, and puts them into design state. Returns how many controls it made in all.
int FillLargeForm(TfZeDesignForm *form, int count);

} // namespace bench
