// Painting of the grid: the cells in the classic look (grey fixed cells with raised edges,
// highlighted selection, dotted focus), the grid lines and the border.

#include "Grids.h"

#include "ClassicDraw.h"

#include <QPainter>
#include <QScrollBar>

void TCustomGrid::DrawCell(int col, int row, const QRect &rect, TGridDrawState state)
{
    (void)col, (void)row, (void)rect, (void)state;
}

void TCustomGrid::PaintCell(QPainter &painter, int col, int row, const QRect &rect)
{
    const bool fixed = col < m_fixedCols || row < m_fixedRows;
    const bool current = col == m_col && row == m_row;
    TGridDrawState state = 0;
    if (fixed)
        state |= 1u << gdFixed;
    else if (Selection().Contains(col, row)
             && (!current || (m_options & (GridOption(goDrawFocusSelected)
                                           | GridOption(goRowSelect)))))
        state |= 1u << gdSelected;
    if (current && !fixed && m_widget && m_widget->hasFocus())
        state |= 1u << gdFocused;
    if (m_defaultDrawing) {
        TColor face = Color();
        if (fixed)
            face = m_fixedColor;
        else if (state & (1u << gdSelected))
            face = clHighlight;
        painter.fillRect(rect, ColorToQColor(face));
        if (fixed && Ctl3D()) {
            QRect edge = rect;
            Frame3D(painter, edge, clBtnHighlight, clBtnShadow, 1);
        }
    }
    Canvas()->Brush()->SetColor(fixed ? m_fixedColor
                                : (state & (1u << gdSelected)) ? clHighlight
                                                                 : Color());
    Canvas()->Font()->Assign(Font());
    if (state & (1u << gdSelected))
        Canvas()->Font()->SetColor(clHighlightText);
    painter.save();
    painter.setClipRect(rect);
    DrawCell(col, row, rect, state);
    painter.restore();
    // Dotted a pixel at a time: only the part that can be seen, for a cell far wider than the
    // grid. Its edges past the client area stay out of sight, as they were.
    if (m_defaultDrawing && (state & (1u << gdFocused)))
        DrawFocusRect(painter, rect.intersected(ClientRect().adjusted(-1, -1, 1, 1)));
}

void TCustomGrid::Paint()
{
    QPainter *painter = Canvas()->Painter();
    if (!painter)
        return;
    const QRect client = ClientRect();
    const QColor fixedLine = ColorToQColor(clWindowFrame);
    const QColor line = ColorToQColor(clBtnFace);
    const int vlw = VertLineWidth();
    const int hlw = HorzLineWidth();
    painter->save();
    painter->setClipRect(client);
    // Visible columns and rows: the fixed ones, then the scrolled ones up to the edge. Those
    // with neither size nor line show nothing and are passed over, however many there are.
    auto visible = [](const TGridAxis &axis, int fixed, int first, int count, int room, int lw) {
        std::vector<int> list;
        qint64 at = 0;
        auto walk = [&](int from, int end) {
            for (int i = axis.FirstLargerThan(from, end, 0, lw); i < end && at < room;
                 i = axis.FirstLargerThan(i + 1, end, 0, lw)) {
                list.push_back(i);
                at += qint64(axis.Size(i)) + lw;
            }
        };
        walk(0, std::min(fixed, count));
        walk(first, count);
        return list;
    };
    const auto cols = visible(m_cols, m_fixedCols, m_leftCol, m_colCount, client.width(), vlw);
    const auto rows = visible(m_rows, m_fixedRows, m_topRow, m_rowCount, client.height(), hlw);
    for (int row : rows) {
        for (int col : cols) {
            const QRect cell = CellBounds(col, row);
            PaintCell(*painter, col, row, cell);
            const bool fixed = col < m_fixedCols || row < m_fixedRows;
            // The lines to the right and below each cell.
            const bool vert = fixed ? (m_options & GridOption(goFixedVertLine))
                                    : (m_options & GridOption(goVertLine));
            const bool horz = fixed ? (m_options & GridOption(goFixedHorzLine))
                                    : (m_options & GridOption(goHorzLine));
            const QColor &ink = fixed ? fixedLine : line;
            if (vert && vlw > 0)
                painter->fillRect(WideRect(qint64(cell.right()) + 1, cell.top(), vlw,
                                           qint64(cell.height()) + hlw),
                                  ink);
            if (horz && hlw > 0)
                painter->fillRect(WideRect(cell.left(), qint64(cell.bottom()) + 1,
                                           qint64(cell.width()) + vlw, hlw),
                                  ink);
        }
    }
    PaintMoveMark(*painter);
    painter->restore();
    if (m_borderStyle == bsSingle) {
        QRect r(0, 0, Width(), Height());
        if (Ctl3D()) {
            Frame3D(*painter, r, clBtnShadow, clBtnHighlight, 1);
            Frame3D(*painter, r, cl3DDkShadow, cl3DLight, 1);
        } else {
            Frame3D(*painter, r, clWindowFrame, clWindowFrame, 1);
        }
    }
    // The corner square between two scroll bars.
    if (m_hBar && !m_hBar->isHidden() && !m_vBar->isHidden())
        painter->fillRect(QRect(m_vBar->x(), m_hBar->y(), m_vBar->width(), m_hBar->height()),
                          ColorToQColor(clBtnFace));
}
