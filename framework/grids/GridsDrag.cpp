// Sizing and moving columns and rows with the mouse. A press within reach of a grid line in
// the fixed rows sizes the column to its left (goColSizing); in the fixed columns it sizes the
// row above (goRowSizing). A press elsewhere on a fixed cell of a scrolling column (row) drags
// that column (row) to where the button is let go (goColMoving, goRowMoving).

#include "Grids.h"

#include <QPainter>
#include <QWidget>

namespace {

// How far from a grid line a press still takes the line.
constexpr int LineReach = 2;

// Among the columns (rows) first up to end, laid out from origin, the last one that starts
// within room and whose trailing line is within reach of pos; -1 when none is. The trailing
// lines only move on with the index, so the last one not past pos is the one to try.
int LineWithinReach(const TGridAxis &axis, int first, int end, qint64 origin, qint64 pos,
                    qint64 room, int lineWidth)
{
    if (first >= end || origin > room)
        return -1;
    const int lastStarting = std::min(end - 1, axis.IndexPast(first, end, room - origin,
                                                              lineWidth));
    // Where the line after index i begins: origin + Extent(first, i + 1) - lineWidth.
    const qint64 reachFrom = pos + LineReach - origin + lineWidth;
    const int candidate =
        std::min(lastStarting, axis.IndexPast(first, end, reachFrom, lineWidth) - 1);
    if (candidate < first)
        return -1;
    const qint64 line = origin + axis.Extent(first, candidate + 1, lineWidth) - lineWidth;
    return pos < line + lineWidth + LineReach ? candidate : -1;
}

} // namespace

int GridMovedIndex(int index, int fromIndex, int toIndex)
{
    if (index == fromIndex)
        return toIndex;
    if (fromIndex < toIndex && index > fromIndex && index <= toIndex)
        return index - 1;
    if (toIndex < fromIndex && index >= toIndex && index < fromIndex)
        return index + 1;
    return index;
}

int TCustomGrid::SizingLineAt(int pos, bool columns) const
{
    const TGridAxis &axis = columns ? m_cols : m_rows;
    const int count = columns ? m_colCount : m_rowCount;
    const int fixed = std::min(count, columns ? m_fixedCols : m_fixedRows);
    const int first = columns ? m_leftCol : m_topRow;
    const int lineWidth = columns ? VertLineWidth() : HorzLineWidth();
    const int room = columns ? ClientRect().width() : ClientRect().height();
    // A later line wins: one that a zero size put on top of another still grows. So the
    // scrolled ones, which come after the fixed ones, are tried first.
    const qint64 fixedExtent = columns ? FixedWidth() : FixedHeight();
    const int found = LineWithinReach(axis, first, count, fixedExtent, pos, room, lineWidth);
    return found >= 0 ? found : LineWithinReach(axis, 0, fixed, 0, pos, room, lineWidth);
}

TGridState TCustomGrid::StateAt(int x, int y, int *index) const
{
    const QRect client = ClientRect();
    if (!client.contains(x, y))
        return gsNormal;
    const int cx = x - client.left(), cy = y - client.top();
    const QPoint cell = MouseToCell(x, y);
    if (cy < FixedHeight()) {
        if (m_options & GridOption(goColSizing)) {
            const int col = SizingLineAt(cx, true);
            if (col >= 0) {
                *index = col;
                return gsColSizing;
            }
        }
        if ((m_options & GridOption(goColMoving)) && cell.x() >= m_fixedCols) {
            *index = cell.x();
            return gsColMoving;
        }
    }
    if (cx < FixedWidth()) {
        if (m_options & GridOption(goRowSizing)) {
            const int row = SizingLineAt(cy, false);
            if (row >= 0) {
                *index = row;
                return gsRowSizing;
            }
        }
        if ((m_options & GridOption(goRowMoving)) && cell.y() >= m_fixedRows) {
            *index = cell.y();
            return gsRowMoving;
        }
    }
    return gsNormal;
}

void TCustomGrid::UpdateSizingCursor(int x, int y)
{
    if (!m_widget)
        return;
    int index = -1;
    const TGridState state = StateAt(x, y, &index);
    Qt::CursorShape shape = CursorToShape(Cursor());
    if (state == gsColSizing)
        shape = Qt::SplitHCursor;
    else if (state == gsRowSizing)
        shape = Qt::SplitVCursor;
    if (m_widget->cursor().shape() != shape)
        m_widget->setCursor(shape);
}

void TCustomGrid::StartDrag(TGridState state, int index, int x, int y)
{
    // What was typed into the editor is kept before anything moves under it.
    CommitEditor();
    const bool columns = state == gsColSizing || state == gsColMoving;
    m_gridState = state;
    m_dragIndex = index;
    m_dragStart = columns ? x : y;
    m_dragStartSize = columns ? ColWidths(index) : RowHeights(index);
    m_moveTarget = index;
}

int TCustomGrid::MoveTargetAt(int pos, bool columns) const
{
    const qint64 fixedExtent = columns ? FixedWidth() : FixedHeight();
    const int first = columns ? m_leftCol : m_topRow;
    const int count = columns ? m_colCount : m_rowCount;
    const int lineWidth = columns ? VertLineWidth() : HorzLineWidth();
    const int room = columns ? ClientRect().width() : ClientRect().height();
    if (pos < fixedExtent || first >= count)
        return first;
    // The first one that ends past pos, or past the edge when pos is beyond the last shown.
    const TGridAxis &axis = columns ? m_cols : m_rows;
    const qint64 limit = std::min<qint64>(pos, room) - fixedExtent;
    return std::min(count - 1, axis.IndexPast(first, count, limit, lineWidth));
}

void TCustomGrid::UpdateDrag(int x, int y)
{
    const QRect client = ClientRect();
    switch (m_gridState) {
    case gsColSizing:
        SetColWidths(m_dragIndex, ClampToInt(qint64(m_dragStartSize) + x - m_dragStart));
        break;
    case gsRowSizing:
        SetRowHeights(m_dragIndex, ClampToInt(qint64(m_dragStartSize) + y - m_dragStart));
        break;
    case gsColMoving:
    case gsRowMoving: {
        const bool columns = m_gridState == gsColMoving;
        const int target = columns ? MoveTargetAt(x - client.left(), true)
                                   : MoveTargetAt(y - client.top(), false);
        if (target != m_moveTarget) {
            m_moveTarget = target;
            Invalidate();
        }
        break;
    }
    default:
        break;
    }
}

void TCustomGrid::FinishDrag(int x, int y)
{
    UpdateDrag(x, y);
    const TGridState state = m_gridState;
    const int from = m_dragIndex, to = m_moveTarget;
    m_gridState = gsNormal;
    m_dragIndex = m_moveTarget = -1;
    switch (state) {
    case gsColSizing:
        ColWidthsChanged();
        break;
    case gsRowSizing:
        RowHeightsChanged();
        break;
    case gsColMoving:
        if (to != from && to >= m_fixedCols)
            MoveColumn(from, to);
        break;
    case gsRowMoving:
        if (to != from && to >= m_fixedRows)
            MoveRow(from, to);
        break;
    default:
        break;
    }
    Invalidate();
    UpdateSizingCursor(x, y);
}

void TCustomGrid::MoveColumn(int fromIndex, int toIndex)
{
    if (fromIndex == toIndex || fromIndex < 0 || toIndex < 0 || fromIndex >= m_colCount
        || toIndex >= m_colCount)
        return;
    // The editor takes the current cell's text again once the column is in its new place.
    CommitEditor();
    m_editCol = m_editRow = -1;
    m_cols.Move(fromIndex, toIndex);
    m_col = GridMovedIndex(m_col, fromIndex, toIndex);
    m_anchor.setX(GridMovedIndex(m_anchor.x(), fromIndex, toIndex));
    ColumnMoved(fromIndex, toIndex);
    Changed();
}

void TCustomGrid::MoveRow(int fromIndex, int toIndex)
{
    if (fromIndex == toIndex || fromIndex < 0 || toIndex < 0 || fromIndex >= m_rowCount
        || toIndex >= m_rowCount)
        return;
    CommitEditor();
    m_editCol = m_editRow = -1;
    m_rows.Move(fromIndex, toIndex);
    m_row = GridMovedIndex(m_row, fromIndex, toIndex);
    m_anchor.setY(GridMovedIndex(m_anchor.y(), fromIndex, toIndex));
    RowMoved(fromIndex, toIndex);
    Changed();
}

void TCustomGrid::ColumnMoved(int, int) {}

void TCustomGrid::RowMoved(int, int) {}

void TCustomGrid::PaintMoveMark(QPainter &painter)
{
    const bool columns = m_gridState == gsColMoving;
    if ((!columns && m_gridState != gsRowMoving) || m_moveTarget == m_dragIndex
        || m_moveTarget < 0)
        return;
    // A bar three pixels thick on the line the moved column (row) will stand against.
    const QRect client = ClientRect();
    const QColor ink = ColorToQColor(clWindowFrame);
    const int t = m_moveTarget;
    if (columns) {
        const qint64 left = ColLeft(t);
        if (left < 0)
            return;
        const qint64 x = client.left() + (t > m_dragIndex ? left + ColWidths(t) : left);
        painter.fillRect(WideRect(x - 1, client.top(), 3, client.height()), ink);
    } else {
        const qint64 top = RowTop(t);
        if (top < 0)
            return;
        const qint64 y = client.top() + (t > m_dragIndex ? top + RowHeights(t) : top);
        painter.fillRect(WideRect(client.left(), y - 1, client.width(), 3), ink);
    }
}
