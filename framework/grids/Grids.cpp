#include "Grids.h"

#include "ControlWidget.h"
#include "SafeCall.h"

#include <QFocusEvent>
#include <QScrollBar>

#include <algorithm>

namespace {

// Keeps the scroll bars at the edges as the grid's widget changes size, and hands the focus
// on to the in-place editor while it is up.
class TGridWidget : public TControlWidget
{
public:
    TGridWidget(TCustomGrid *grid, QWidget *parent) : TControlWidget(grid, parent), m_grid(grid)
    {
        setFocusPolicy(Qt::StrongFocus);
        setMouseTracking(true); // the sizing cursor shows over the lines without a press
    }
    ~TGridWidget() override
    {
        // The in-place editor's widget belongs to the editor, not to this widget.
        for (QObject *child : children()) {
            auto *w = qobject_cast<QWidget *>(child);
            if (w && ControlOfWidget(w))
                w->setParent(nullptr);
        }
    }

protected:
    void resizeEvent(QResizeEvent *) override
    {
        SafeCall([this] { m_grid->LayOutScrollBars(); });
    }
    void focusInEvent(QFocusEvent *event) override
    {
        TControlWidget::focusInEvent(event);
        // The grid focuses itself (OtherFocusReason) when it takes the editor down.
        TInplaceEdit *edit = m_grid->InplaceEditor();
        if (edit && m_grid->EditorMode() && event->reason() != Qt::OtherFocusReason
            && edit->Handle()->isVisible())
            edit->Handle()->setFocus(event->reason());
    }

private:
    TCustomGrid *m_grid; // not owned: the grid owns this widget
};

int BarExtent()
{
    static const int extent = QScrollBar(Qt::Vertical).sizeHint().width();
    return extent;
}

[[noreturn]] void GridError(const char *message)
{
    throw EInvalidGridOperation(QString::fromLatin1(message));
}

// The column (row) to scroll to so that index shows entire, moving on from first (first below
// index): the nearest one from which it fits the room, its last line allowed to fall outside.
// One too large to fit even alone is shown by itself, from its start.
int FirstToShow(const TGridAxis &axis, int first, int index, qint64 room, int lineWidth)
{
    return std::min(index, axis.FirstFitting(first, index + 1, room + lineWidth, lineWidth));
}

} // namespace

// --- sizes of the columns or rows -----------------------------------------------------------

void TGridAxis::SetDefaultSize(int size)
{
    m_default = size;
    m_sizes.clear();
}

int TGridAxis::Size(int index) const
{
    const auto it = m_sizes.find(index);
    return it == m_sizes.end() ? m_default : it->second;
}

void TGridAxis::SetSize(int index, int size)
{
    if (size == m_default)
        m_sizes.erase(index);
    else
        m_sizes[index] = size;
}

void TGridAxis::Truncate(int count)
{
    m_sizes.erase(m_sizes.lower_bound(count), m_sizes.end());
}

void TGridAxis::Move(int fromIndex, int toIndex)
{
    std::map<int, int> moved;
    for (const auto &[index, size] : m_sizes)
        moved.emplace(GridMovedIndex(index, fromIndex, toIndex), size);
    m_sizes = std::move(moved);
}

qint64 TGridAxis::Extent(int first, int end, int lineWidth) const
{
    if (end <= first)
        return 0;
    // Every index at the default, then what the own sizes in the span add or take away.
    qint64 extent = (qint64(end) - first) * (qint64(m_default) + lineWidth);
    for (auto it = m_sizes.lower_bound(first); it != m_sizes.end() && it->first < end; ++it)
        extent += qint64(it->second) - m_default;
    return extent;
}

int TGridAxis::IndexPast(int first, int end, qint64 offset, int lineWidth) const
{
    // An empty span ends where it starts; below zero, the first one already passes.
    if (first >= end || offset < 0)
        return first;
    const qint64 step = qint64(m_default) + lineWidth;
    qint64 used = 0; // the extent of [first, at), never past offset
    int at = first;
    auto own = m_sizes.lower_bound(first);
    while (at < end) {
        // Default-sized ones up to the next own size: as many as fit, counted at once.
        const int runEnd = own != m_sizes.end() && own->first < end ? own->first : end;
        if (runEnd > at && step > 0) {
            const qint64 fitting = (offset - used) / step;
            if (fitting < runEnd - at)
                return at + int(fitting);
            used += (qint64(runEnd) - at) * step;
        }
        at = runEnd;
        if (at >= end)
            break;
        used += qint64(own->second) + lineWidth;
        if (used > offset)
            return at;
        ++at;
        ++own;
    }
    return end;
}

int TGridAxis::FirstFitting(int lowest, int end, qint64 room, int lineWidth) const
{
    if (room < 0 || lowest >= end)
        return end;
    const qint64 step = qint64(m_default) + lineWidth;
    qint64 used = 0; // the extent of [at, end), never past room
    int at = end;
    auto after = m_sizes.lower_bound(end); // the own size after the one before at
    while (at > lowest) {
        // Default-sized ones back to the previous own size: as many as fit, counted at once.
        int runStart = lowest;
        if (after != m_sizes.begin() && std::prev(after)->first >= lowest)
            runStart = std::prev(after)->first + 1;
        if (runStart < at && step > 0) {
            const qint64 fitting = (room - used) / step;
            if (fitting < at - runStart)
                return at - int(fitting);
            used += (qint64(at) - runStart) * step;
        }
        at = runStart;
        if (at <= lowest)
            break;
        --after; // the own size at at - 1
        used += qint64(after->second) + lineWidth;
        if (used > room)
            return at;
        --at;
    }
    return at;
}

int TGridAxis::FirstLargerThan(int first, int end, qint64 limit, int lineWidth) const
{
    const bool defaultLarger = qint64(m_default) + lineWidth > limit;
    int next = first; // the lowest index not yet looked at
    for (auto it = m_sizes.lower_bound(first); it != m_sizes.end() && it->first < end; ++it) {
        if (defaultLarger && it->first > next)
            return next; // a default-sized one before this own size
        if (qint64(it->second) + lineWidth > limit)
            return it->first;
        next = it->first + 1;
    }
    return defaultLarger && next < end ? next : end;
}

TCustomGrid::TCustomGrid(TComponent *owner) : TCustomControl(owner)
{
    SetControlStyle(csCaptureMouse | csOpaque | csDoubleClicks | csClickEvents);
    SetParentColor(false);
    SetColor(clWindow);
    SetBounds(0, 0, 320, 120);
    SetTabStop(true);
}

TCustomGrid::~TCustomGrid()
{
    Destroying();
    // The editor's widget lives inside ours: the editor goes first.
    TInplaceEdit *edit = m_inplaceEdit;
    m_inplaceEdit = nullptr;
    Free(edit);
    DestroyWidget();
}

QWidget *TCustomGrid::CreateWidget(QWidget *parentWidget)
{
    auto *w = new TGridWidget(this, parentWidget);
    m_hBar = new QScrollBar(Qt::Horizontal, w);
    m_vBar = new QScrollBar(Qt::Vertical, w);
    for (QScrollBar *bar : {m_hBar, m_vBar}) {
        bar->setFocusPolicy(Qt::NoFocus);
        bar->hide();
        QObject::connect(bar, &QScrollBar::valueChanged, w,
                         [this] { SafeCall([this] { ScrollBarMoved(); }); });
    }
    return w;
}

void TCustomGrid::InitWidget()
{
    TCustomControl::InitWidget();
    LayOutScrollBars();
    UpdateEditor();
}

void TCustomGrid::Resize()
{
    TCustomControl::Resize();
    ClampTopLeft();
    LayOutScrollBars();
}

void TCustomGrid::Changed()
{
    ClampTopLeft();
    LayOutScrollBars();
    UpdateEditor();
    Invalidate();
}

// --- sizes ----------------------------------------------------------------------------------

void TCustomGrid::SetColCount(int count)
{
    count = std::max(1, count);
    if (count == m_colCount)
        return;
    const int old = m_colCount;
    if (count <= m_fixedCols)
        m_fixedCols = count - 1;
    m_colCount = count;
    m_cols.Truncate(count);
    m_col = std::clamp(m_col, m_fixedCols, count - 1);
    m_anchor.setX(std::clamp(int(m_anchor.x()), m_fixedCols, count - 1));
    SizeChanged(old, m_rowCount);
    Changed();
}

void TCustomGrid::SetRowCount(int count)
{
    count = std::max(1, count);
    if (count == m_rowCount)
        return;
    const int old = m_rowCount;
    if (count <= m_fixedRows)
        m_fixedRows = count - 1;
    m_rowCount = count;
    m_rows.Truncate(count);
    m_row = std::clamp(m_row, m_fixedRows, count - 1);
    m_anchor.setY(std::clamp(int(m_anchor.y()), m_fixedRows, count - 1));
    SizeChanged(m_colCount, old);
    Changed();
}

void TCustomGrid::SetFixedCols(int count)
{
    if (count < 0)
        GridError("Grid index out of range");
    if (count >= m_colCount)
        GridError("Fixed column count must be less than column count");
    m_fixedCols = count;
    m_col = std::max(m_col, count);
    m_anchor = QPoint(m_col, m_row);
    m_leftCol = std::max(m_leftCol, count);
    Changed();
}

void TCustomGrid::SetFixedRows(int count)
{
    if (count < 0)
        GridError("Grid index out of range");
    if (count >= m_rowCount)
        GridError("Fixed row count must be less than row count");
    m_fixedRows = count;
    m_row = std::max(m_row, count);
    m_anchor = QPoint(m_col, m_row);
    m_topRow = std::max(m_topRow, count);
    Changed();
}

void TCustomGrid::SetFixedColor(TColor color)
{
    m_fixedColor = color;
    Invalidate();
}

void TCustomGrid::SetDefaultColWidth(int width)
{
    m_cols.SetDefaultSize(std::max(0, width));
    Changed();
}

void TCustomGrid::SetDefaultRowHeight(int height)
{
    m_rows.SetDefaultSize(std::max(0, height));
    Changed();
}

int TCustomGrid::ColWidths(int col) const
{
    if (col < 0 || col >= m_colCount)
        return m_cols.DefaultSize();
    return m_cols.Size(col);
}

void TCustomGrid::SetColWidths(int col, int width)
{
    if (col < 0 || col >= m_colCount)
        GridError("Grid index out of range");
    m_cols.SetSize(col, std::max(0, width));
    Changed();
}

int TCustomGrid::RowHeights(int row) const
{
    if (row < 0 || row >= m_rowCount)
        return m_rows.DefaultSize();
    return m_rows.Size(row);
}

void TCustomGrid::SetRowHeights(int row, int height)
{
    if (row < 0 || row >= m_rowCount)
        GridError("Grid index out of range");
    m_rows.SetSize(row, std::max(0, height));
    Changed();
}

void TCustomGrid::SetGridLineWidth(int width)
{
    m_gridLineWidth = std::max(0, width);
    Changed();
}

void TCustomGrid::SetOptions(TGridOptions options)
{
    // Row selection and editing exclude each other, as in the classic grid.
    if (options & GridOption(goRowSelect))
        options &= ~(GridOption(goAlwaysShowEditor) | GridOption(goEditing));
    m_options = options;
    if (!(options & GridOption(goEditing)))
        m_editorMode = false;
    else if (options & GridOption(goAlwaysShowEditor))
        m_editorMode = true;
    Changed();
}

void TCustomGrid::SetScrollBars(TScrollStyle style)
{
    m_scrollBars = style;
    Changed();
}

void TCustomGrid::SetBorderStyle(TFormBorderStyle style)
{
    m_borderStyle = style == bsNone ? bsNone : bsSingle;
    Changed();
}

void TCustomGrid::SetDefaultDrawing(bool v)
{
    m_defaultDrawing = v;
    Invalidate();
}

void TCustomGrid::SizeChanged(int, int) {}

// --- geometry -------------------------------------------------------------------------------

QRect TCustomGrid::ClientRect() const
{
    QRect r(0, 0, Width(), Height());
    if (m_borderStyle == bsSingle) {
        const int edge = Ctl3D() ? 2 : 1;
        r.adjust(edge, edge, -edge, -edge);
    }
    if (m_vBar && m_vBar->isVisibleTo(m_vBar->parentWidget()))
        r.setRight(r.right() - BarExtent());
    if (m_hBar && m_hBar->isVisibleTo(m_hBar->parentWidget()))
        r.setBottom(r.bottom() - BarExtent());
    if (r.width() < 0)
        r.setWidth(0);
    if (r.height() < 0)
        r.setHeight(0);
    return r;
}

int TCustomGrid::VertLineWidth() const
{
    return m_options & (GridOption(goFixedVertLine) | GridOption(goVertLine)) ? m_gridLineWidth
                                                                                : 0;
}

int TCustomGrid::HorzLineWidth() const
{
    return m_options & (GridOption(goFixedHorzLine) | GridOption(goHorzLine)) ? m_gridLineWidth
                                                                                : 0;
}

qint64 TCustomGrid::FixedWidth() const
{
    return m_cols.Extent(0, m_fixedCols, VertLineWidth());
}

qint64 TCustomGrid::FixedHeight() const
{
    return m_rows.Extent(0, m_fixedRows, HorzLineWidth());
}

qint64 TCustomGrid::ColLeft(int col) const
{
    if (col < 0 || col >= m_colCount || (col >= m_fixedCols && col < m_leftCol))
        return -1;
    const int lw = VertLineWidth();
    if (col < m_fixedCols)
        return m_cols.Extent(0, col, lw);
    return FixedWidth() + m_cols.Extent(m_leftCol, col, lw);
}

qint64 TCustomGrid::RowTop(int row) const
{
    if (row < 0 || row >= m_rowCount || (row >= m_fixedRows && row < m_topRow))
        return -1;
    const int lw = HorzLineWidth();
    if (row < m_fixedRows)
        return m_rows.Extent(0, row, lw);
    return FixedHeight() + m_rows.Extent(m_topRow, row, lw);
}

QRect TCustomGrid::WideRect(qint64 left, qint64 top, qint64 width, qint64 height)
{
    // No widget reaches past QWIDGETSIZE_MAX, so nothing beyond it is ever seen: edges are cut
    // there, and the rectangle's own arithmetic stays far from the integer limits.
    constexpr qint64 far = QWIDGETSIZE_MAX;
    const qint64 l = std::clamp<qint64>(left, -far, far);
    const qint64 t = std::clamp<qint64>(top, -far, far);
    const qint64 r = std::clamp<qint64>(left + std::max<qint64>(0, width), l, far);
    const qint64 b = std::clamp<qint64>(top + std::max<qint64>(0, height), t, far);
    return QRect(int(l), int(t), int(r - l), int(b - t));
}

QRect TCustomGrid::CellBounds(int col, int row) const
{
    const QRect client = ClientRect();
    return WideRect(client.left() + ColLeft(col), client.top() + RowTop(row), ColWidths(col),
                    RowHeights(row));
}

QRect TCustomGrid::CellRect(int col, int row) const
{
    const qint64 x = ColLeft(col), y = RowTop(row);
    const QRect client = ClientRect();
    if (x < 0 || y < 0 || x >= client.width() || y >= client.height())
        return {};
    return CellBounds(col, row);
}

QPoint TCustomGrid::MouseToCell(int x, int y) const
{
    const QRect client = ClientRect();
    if (!client.contains(x, y))
        return QPoint(-1, -1);
    // The fixed ones first, then those scrolled into sight; -1 past the last.
    auto find = [](const TGridAxis &axis, qint64 pos, int fixed, int first, int count, int lw) {
        const qint64 fixedExtent = axis.Extent(0, fixed, lw);
        if (pos < fixedExtent)
            return axis.IndexPast(0, fixed, pos, lw);
        const int index = axis.IndexPast(first, count, pos - fixedExtent, lw);
        return index < count ? index : -1;
    };
    const int col = find(m_cols, x - client.left(), m_fixedCols, m_leftCol, m_colCount,
                         VertLineWidth());
    const int row = find(m_rows, y - client.top(), m_fixedRows, m_topRow, m_rowCount,
                         HorzLineWidth());
    if (col < 0 || row < 0)
        return QPoint(-1, -1);
    return QPoint(col, row);
}

int TCustomGrid::VisibleColCount() const
{
    const qint64 room = ClientRect().width() - FixedWidth();
    const int lw = VertLineWidth();
    // The last line may fall outside: a column fits when its cell does.
    return m_cols.IndexPast(m_leftCol, m_colCount, room + lw, lw) - m_leftCol;
}

int TCustomGrid::VisibleRowCount() const
{
    const qint64 room = ClientRect().height() - FixedHeight();
    const int lw = HorzLineWidth();
    return m_rows.IndexPast(m_topRow, m_rowCount, room + lw, lw) - m_topRow;
}

// --- selection and scrolling ----------------------------------------------------------------

TGridRect TCustomGrid::Selection() const
{
    TGridRect r;
    r.Top = std::min(m_row, int(m_anchor.y()));
    r.Bottom = std::max(m_row, int(m_anchor.y()));
    if (m_options & GridOption(goRowSelect)) {
        r.Left = m_fixedCols;
        r.Right = m_colCount - 1;
    } else {
        r.Left = std::min(m_col, int(m_anchor.x()));
        r.Right = std::max(m_col, int(m_anchor.x()));
    }
    return r;
}

void TCustomGrid::SetSelection(const TGridRect &rect)
{
    const int left = std::clamp(rect.Left, m_fixedCols, m_colCount - 1);
    const int top = std::clamp(rect.Top, m_fixedRows, m_rowCount - 1);
    MoveCurrent(left, top);
    m_anchor = QPoint(std::clamp(rect.Right, m_fixedCols, m_colCount - 1),
                      std::clamp(rect.Bottom, m_fixedRows, m_rowCount - 1));
    Invalidate();
}

bool TCustomGrid::SelectCell(int col, int row)
{
    bool canSelect = true;
    OnSelectCell(this, col, row, canSelect);
    return canSelect;
}

void TCustomGrid::MoveCurrent(int col, int row, bool extend)
{
    col = std::clamp(col, m_fixedCols, m_colCount - 1);
    row = std::clamp(row, m_fixedRows, m_rowCount - 1);
    extend = extend && (m_options & GridOption(goRangeSelect));
    if ((col != m_col || row != m_row) && !SelectCell(col, row))
        return;
    m_col = col;
    m_row = row;
    if (!extend)
        m_anchor = QPoint(col, row);
    // Scroll the current cell into view.
    const QRect client = ClientRect();
    if (col < m_leftCol)
        m_leftCol = col;
    else if (col > m_leftCol)
        m_leftCol = FirstToShow(m_cols, m_leftCol, col, client.width() - FixedWidth(),
                                VertLineWidth());
    if (row < m_topRow)
        m_topRow = row;
    else if (row > m_topRow)
        m_topRow = FirstToShow(m_rows, m_topRow, row, client.height() - FixedHeight(),
                               HorzLineWidth());
    UpdateScrollBars();
    // The editor follows the current cell, storing what was typed into the one it leaves.
    if ((m_options & GridOption(goEditing)) && (m_options & GridOption(goAlwaysShowEditor)))
        m_editorMode = true;
    UpdateEditor();
    Invalidate();
}

void TCustomGrid::SetLeftCol(int col)
{
    col = std::clamp(col, m_fixedCols, m_colCount - 1);
    if (col == m_leftCol)
        return;
    m_leftCol = col;
    ClampTopLeft();
    TopLeftChanged();
}

void TCustomGrid::SetTopRow(int row)
{
    row = std::clamp(row, m_fixedRows, m_rowCount - 1);
    if (row == m_topRow)
        return;
    m_topRow = row;
    ClampTopLeft();
    TopLeftChanged();
}

void TCustomGrid::TopLeftChanged()
{
    UpdateScrollBars();
    UpdateEditor();
    Invalidate();
    OnTopLeftChanged(this);
}

void TCustomGrid::ClampTopLeft()
{
    // Never scroll further than needed to show the last column and row.
    const QRect client = ClientRect();
    // The lowest first from which the rest fits, its last line allowed to fall outside.
    auto maxFirst = [](const TGridAxis &axis, int count, int fixed, qint64 room, int lw) {
        const int first = axis.FirstFitting(fixed, count, room + lw, lw);
        return std::clamp(first, fixed, std::max(fixed, count - 1));
    };
    const int maxLeft = maxFirst(m_cols, m_colCount, m_fixedCols,
                                 client.width() - FixedWidth(), VertLineWidth());
    const int maxTop = maxFirst(m_rows, m_rowCount, m_fixedRows,
                                client.height() - FixedHeight(), HorzLineWidth());
    m_leftCol = std::clamp(m_leftCol, m_fixedCols, maxLeft);
    m_topRow = std::clamp(m_topRow, m_fixedRows, maxTop);
}

void TCustomGrid::LayOutScrollBars()
{
    if (!m_hBar)
        return;
    const bool wantH = m_scrollBars == ssHorizontal || m_scrollBars == ssBoth;
    const bool wantV = m_scrollBars == ssVertical || m_scrollBars == ssBoth;
    // A bar shows only while its columns (rows) do not all fit; showing one narrows the room
    // for the other, so decide twice.
    m_hBar->hide();
    m_vBar->hide();
    for (int pass = 0; pass < 2; ++pass) {
        const int savedLeft = m_leftCol, savedTop = m_topRow;
        m_leftCol = m_fixedCols;
        m_topRow = m_fixedRows;
        const bool needH = wantH && VisibleColCount() < m_colCount - m_fixedCols;
        const bool needV = wantV && VisibleRowCount() < m_rowCount - m_fixedRows;
        m_leftCol = savedLeft;
        m_topRow = savedTop;
        m_hBar->setVisible(needH);
        m_vBar->setVisible(needV);
    }
    QRect r(0, 0, Width(), Height());
    if (m_borderStyle == bsSingle) {
        const int edge = Ctl3D() ? 2 : 1;
        r.adjust(edge, edge, -edge, -edge);
    }
    const int e = BarExtent();
    const bool both = !m_hBar->isHidden() && !m_vBar->isHidden();
    m_vBar->setGeometry(r.right() + 1 - e, r.top(), e, r.height() - (both ? e : 0));
    m_hBar->setGeometry(r.left(), r.bottom() + 1 - e, r.width() - (both ? e : 0), e);
    ClampTopLeft();
    UpdateScrollBars();
}

void TCustomGrid::UpdateScrollBars()
{
    if (!m_hBar)
        return;
    m_syncingBars = true;
    const int savedLeft = m_leftCol, savedTop = m_topRow;
    m_leftCol = m_colCount - 1;
    m_topRow = m_rowCount - 1;
    ClampTopLeft(); // the furthest the grid scrolls
    const int maxLeft = m_leftCol, maxTop = m_topRow;
    m_leftCol = savedLeft;
    m_topRow = savedTop;
    m_hBar->setRange(m_fixedCols, maxLeft);
    m_hBar->setPageStep(std::max(1, VisibleColCount()));
    m_hBar->setValue(m_leftCol);
    m_vBar->setRange(m_fixedRows, maxTop);
    m_vBar->setPageStep(std::max(1, VisibleRowCount()));
    m_vBar->setValue(m_topRow);
    m_syncingBars = false;
}

void TCustomGrid::ScrollBarMoved()
{
    if (m_syncingBars)
        return;
    if (m_hBar->value() != m_leftCol)
        SetLeftCol(m_hBar->value());
    if (m_vBar->value() != m_topRow)
        SetTopRow(m_vBar->value());
}

