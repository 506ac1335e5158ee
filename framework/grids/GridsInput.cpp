// Mouse and keyboard input of the grid: choosing the current cell, extending the selection,
// and the presses on fixed cells that size and move columns and rows.

#include "Grids.h"

#include <QWidget>

void TCustomGrid::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == mbLeft && !Designing()) {
        if (m_widget && TabStop())
            m_widget->setFocus(Qt::MouseFocusReason);
        int index = -1;
        const TGridState state = StateAt(x, y, &index);
        const QPoint cell = MouseToCell(x, y);
        const bool alwaysEdit = m_options & GridOption(goAlwaysShowEditor);
        if (state != gsNormal) {
            StartDrag(state, index, x, y);
        } else if (cell.x() >= m_fixedCols && cell.y() >= m_fixedRows) {
            const bool current = cell.x() == m_col && cell.y() == m_row;
            if (current && !(shift & ssShift) && !alwaysEdit && CanEditShow()) {
                // A press on the current cell starts editing it.
                ShowEditor();
            } else {
                // Elsewhere the editor goes down, keeping what was typed.
                if (!alwaysEdit && m_editorMode)
                    SetEditorMode(false);
                MoveCurrent(cell.x(), cell.y(), shift & ssShift);
                m_gridState = gsSelecting;
            }
        }
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TCustomGrid::MouseMove(TShiftState shift, int x, int y)
{
    switch (m_gridState) {
    case gsSelecting:
        if (m_options & GridOption(goRangeSelect)) {
            const QPoint cell = MouseToCell(x, y);
            if (cell.x() >= m_fixedCols && cell.y() >= m_fixedRows
                && (cell.x() != m_col || cell.y() != m_row))
                MoveCurrent(cell.x(), cell.y(), true);
        }
        break;
    case gsNormal:
        if (!Designing())
            UpdateSizingCursor(x, y);
        break;
    default:
        UpdateDrag(x, y);
        break;
    }
    TCustomControl::MouseMove(shift, x, y);
}

void TCustomGrid::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == mbLeft) {
        if (m_gridState != gsNormal && m_gridState != gsSelecting)
            FinishDrag(x, y);
        m_gridState = gsNormal;
    }
    TCustomControl::MouseUp(button, shift, x, y);
}

bool TCustomGrid::KeyDown(quint16 &key, TShiftState shift)
{
    if (TCustomControl::KeyDown(key, shift))
        return true;
    if (EditorKey(key, shift))
        return true;
    const bool extend = shift & ssShift;
    const int page = std::max(1, VisibleRowCount());
    // Wide: a page on from a row near the integer limit goes past it, to be brought back.
    qint64 col = m_col, row = m_row;
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
        if (!(m_options & GridOption(goTabs)) || (shift & (ssAlt | ssCtrl)))
            return false;
        // Tab goes on to the next cell, from the end of a row to the start of the next one;
        // Shift+Tab goes back. At the last (first) cell the focus leaves the grid.
        col += extend ? -1 : 1;
        if (col >= m_colCount) {
            col = m_fixedCols;
            ++row;
        } else if (col < m_fixedCols) {
            col = m_colCount - 1;
            --row;
        }
        if (row < m_fixedRows || row >= m_rowCount)
            return false;
        MoveCurrent(int(col), int(row));
        return true;
    default:
        return false;
    }
    MoveCurrent(ClampToInt(col), ClampToInt(row), extend);
    return true;
}
