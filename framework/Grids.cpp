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

} // namespace

TCustomGrid::TCustomGrid(TComponent *owner) : TCustomControl(owner)
{
    // The sizes first: setting the bounds lays the cells out.
    m_colWidths.assign(size_t(m_colCount), m_defaultColWidth);
    m_rowHeights.assign(size_t(m_rowCount), m_defaultRowHeight);
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
    m_colWidths.resize(size_t(count), m_defaultColWidth);
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
    m_rowHeights.resize(size_t(count), m_defaultRowHeight);
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
    m_defaultColWidth = std::max(0, width);
    std::fill(m_colWidths.begin(), m_colWidths.end(), m_defaultColWidth);
    Changed();
}

void TCustomGrid::SetDefaultRowHeight(int height)
{
    m_defaultRowHeight = std::max(0, height);
    std::fill(m_rowHeights.begin(), m_rowHeights.end(), m_defaultRowHeight);
    Changed();
}

int TCustomGrid::ColWidths(int col) const
{
    if (col < 0 || col >= m_colCount)
        return m_defaultColWidth;
    return m_colWidths[size_t(col)];
}

void TCustomGrid::SetColWidths(int col, int width)
{
    if (col < 0 || col >= m_colCount)
        GridError("Grid index out of range");
    m_colWidths[size_t(col)] = std::max(0, width);
    Changed();
}

int TCustomGrid::RowHeights(int row) const
{
    if (row < 0 || row >= m_rowCount)
        return m_defaultRowHeight;
    return m_rowHeights[size_t(row)];
}

void TCustomGrid::SetRowHeights(int row, int height)
{
    if (row < 0 || row >= m_rowCount)
        GridError("Grid index out of range");
    m_rowHeights[size_t(row)] = std::max(0, height);
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

int TCustomGrid::FixedWidth() const
{
    int w = 0;
    for (int c = 0; c < m_fixedCols; ++c)
        w += ColWidths(c) + VertLineWidth();
    return w;
}

int TCustomGrid::FixedHeight() const
{
    int h = 0;
    for (int r = 0; r < m_fixedRows; ++r)
        h += RowHeights(r) + HorzLineWidth();
    return h;
}

int TCustomGrid::ColLeft(int col) const
{
    const int lw = VertLineWidth();
    if (col < 0 || col >= m_colCount || (col >= m_fixedCols && col < m_leftCol))
        return -1;
    int x = 0;
    const int first = col < m_fixedCols ? 0 : m_leftCol;
    if (col >= m_fixedCols)
        x = FixedWidth();
    for (int c = first; c < col; ++c)
        x += ColWidths(c) + lw;
    return x;
}

int TCustomGrid::RowTop(int row) const
{
    const int lw = HorzLineWidth();
    if (row < 0 || row >= m_rowCount || (row >= m_fixedRows && row < m_topRow))
        return -1;
    int y = 0;
    const int first = row < m_fixedRows ? 0 : m_topRow;
    if (row >= m_fixedRows)
        y = FixedHeight();
    for (int r = first; r < row; ++r)
        y += RowHeights(r) + lw;
    return y;
}

QRect TCustomGrid::CellRect(int col, int row) const
{
    const int x = ColLeft(col), y = RowTop(row);
    const QRect client = ClientRect();
    if (x < 0 || y < 0 || x >= client.width() || y >= client.height())
        return {};
    return QRect(client.left() + x, client.top() + y, ColWidths(col), RowHeights(row));
}

QPoint TCustomGrid::MouseToCell(int x, int y) const
{
    const QRect client = ClientRect();
    if (!client.contains(x, y))
        return QPoint(-1, -1);
    auto find = [](int pos, int fixed, int first, int count, int lineWidth, auto size) {
        int at = 0;
        for (int i = 0; i < count; ++i) {
            if (i >= fixed && i < first)
                continue; // scrolled out of sight
            at += size(i) + lineWidth;
            if (pos < at)
                return i;
        }
        return -1;
    };
    const int col = find(x - client.left(), m_fixedCols, m_leftCol, m_colCount,
                         VertLineWidth(),
                         [this](int c) { return ColWidths(c); });
    const int row = find(y - client.top(), m_fixedRows, m_topRow, m_rowCount,
                         HorzLineWidth(),
                         [this](int r) { return RowHeights(r); });
    if (col < 0 || row < 0)
        return QPoint(-1, -1);
    return QPoint(col, row);
}

int TCustomGrid::VisibleColCount() const
{
    const int room = ClientRect().width() - FixedWidth();
    const int lw = VertLineWidth();
    int used = 0, count = 0;
    for (int c = m_leftCol; c < m_colCount; ++c) {
        used += ColWidths(c) + lw;
        if (used > room + lw)
            break;
        ++count;
    }
    return count;
}

int TCustomGrid::VisibleRowCount() const
{
    const int room = ClientRect().height() - FixedHeight();
    const int lw = HorzLineWidth();
    int used = 0, count = 0;
    for (int r = m_topRow; r < m_rowCount; ++r) {
        used += RowHeights(r) + lw;
        if (used > room + lw)
            break;
        ++count;
    }
    return count;
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
    int left = m_leftCol, top = m_topRow;
    if (col < left)
        left = col;
    if (row < top)
        top = row;
    while (left < col && VisibleColCount() > 0 && col >= m_leftCol + VisibleColCount()) {
        ++m_leftCol;
        left = m_leftCol;
    }
    while (top < row && VisibleRowCount() > 0 && row >= m_topRow + VisibleRowCount()) {
        ++m_topRow;
        top = m_topRow;
    }
    if (left != m_leftCol || top != m_topRow) {
        m_leftCol = left;
        m_topRow = top;
    }
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
    auto maxFirst = [](int count, int fixed, int room, int lineWidth, auto size) {
        int used = 0;
        int first = count;
        while (first > fixed) {
            used += size(first - 1) + lineWidth;
            if (used > room + lineWidth)
                break;
            --first;
        }
        return std::clamp(first, fixed, std::max(fixed, count - 1));
    };
    const int maxLeft = maxFirst(m_colCount, m_fixedCols, client.width() - FixedWidth(),
                                 VertLineWidth(),
                                 [this](int c) { return ColWidths(c); });
    const int maxTop = maxFirst(m_rowCount, m_fixedRows, client.height() - FixedHeight(),
                                HorzLineWidth(),
                                [this](int r) { return RowHeights(r); });
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

