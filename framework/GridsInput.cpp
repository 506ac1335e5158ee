// Mouse and keyboard input of the grid: choosing the current cell and extending the selection.

#include "Grids.h"

#include <QWidget>

void TCustomGrid::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == mbLeft && !Designing()) {
        if (m_widget && TabStop())
            m_widget->setFocus(Qt::MouseFocusReason);
        const QPoint cell = MouseToCell(x, y);
        if (cell.x() >= m_fixedCols && cell.y() >= m_fixedRows) {
            MoveCurrent(cell.x(), cell.y(), shift & ssShift);
            m_selecting = true;
        }
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TCustomGrid::MouseMove(TShiftState shift, int x, int y)
{
    if (m_selecting && (m_options & GridOption(goRangeSelect))) {
        const QPoint cell = MouseToCell(x, y);
        if (cell.x() >= m_fixedCols && cell.y() >= m_fixedRows
            && (cell.x() != m_col || cell.y() != m_row))
            MoveCurrent(cell.x(), cell.y(), true);
    }
    TCustomControl::MouseMove(shift, x, y);
}

void TCustomGrid::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    m_selecting = false;
    TCustomControl::MouseUp(button, shift, x, y);
}

bool TCustomGrid::KeyDown(quint16 &key, TShiftState shift)
{
    if (TCustomControl::KeyDown(key, shift))
        return true;
    const bool extend = shift & ssShift;
    const int page = std::max(1, VisibleRowCount());
    int col = m_col, row = m_row;
    switch (key) {
    case VK_LEFT: --col; break;
    case VK_RIGHT: ++col; break;
    case VK_UP: --row; break;
    case VK_DOWN: ++row; break;
    case VK_PRIOR: row -= page; break;
    case VK_NEXT: row += page; break;
    case VK_HOME: col = m_fixedCols; if (shift & ssCtrl) row = m_fixedRows; break;
    case VK_END: col = m_colCount - 1; if (shift & ssCtrl) row = m_rowCount - 1; break;
    case VK_TAB:
        if (!(m_options & GridOption(goTabs)))
            return false;
        col += extend ? -1 : 1;
        MoveCurrent(col, row);
        return true;
    default:
        return false;
    }
    MoveCurrent(col, row, extend);
    return true;
}

