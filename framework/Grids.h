#pragma once

// Grids: a custom-painted table of cells with fixed (heading) rows and columns that stay in
// place while the others scroll. TDrawGrid leaves the cells' contents to OnDrawCell;
// TStringGrid keeps a string and an object per cell.

#include "Controls.h"
#include "StdCtrls.h"

#include <QHash>
#include <QPoint>

#include <map>
#include <memory>
#include <vector>

class QScrollBar;

enum TGridOption {
    goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect,
    goDrawFocusSelected, goRowSizing, goColSizing, goRowMoving, goColMoving, goEditing, goTabs,
    goRowSelect, goAlwaysShowEditor, goThumbTracking
};
using TGridOptions = quint32; // bit n = TGridOption n
constexpr TGridOptions GridOption(TGridOption o) { return TGridOptions(1u) << o; }
constexpr TGridOptions DefaultGridOptions = GridOption(goFixedVertLine)
                                            | GridOption(goFixedHorzLine)
                                            | GridOption(goVertLine) | GridOption(goHorzLine)
                                            | GridOption(goRangeSelect);

enum TGridDrawStateItem { gdSelected, gdFocused, gdFixed };
using TGridDrawState = quint32; // bit n = TGridDrawStateItem n

PTypeInfo TypeInfoTGridOptions();
PTypeInfo TypeInfoTDrawCellEvent();
PTypeInfo TypeInfoTSelectCellEvent();
PTypeInfo TypeInfoTGetEditEvent();
PTypeInfo TypeInfoTSetEditEvent();
PTypeInfo TypeInfoTMovedEvent();

// Left, Top, Right and Bottom are cell coordinates, inclusive.
struct TGridRect
{
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    bool Contains(int col, int row) const
    {
        return col >= Left && col <= Right && row >= Top && row <= Bottom;
    }
    bool operator==(const TGridRect &) const = default;
};

using TDrawCellEvent = TEvent<TObject *, int, int, QRect, TGridDrawState>;
using TSelectCellEvent = TEvent<TObject *, int, int, bool &>;
using TGetEditEvent = TEvent<TObject *, int, int, QString &>;
using TSetEditEvent = TEvent<TObject *, int, int, const QString &>;
using TMovedEvent = TEvent<TObject *, int, int>;

class TCustomGrid : public TCustomControl
{
    Z_CLASS(TCustomGrid)
public:
    explicit TCustomGrid(TComponent *owner);
    ~TCustomGrid() override;

    int ColCount() const { return m_colCount; }
    void SetColCount(int count);
    int RowCount() const { return m_rowCount; }
    void SetRowCount(int count);
    // Raise EInvalidGridOperation unless fewer than ColCount (RowCount).
    int FixedCols() const { return m_fixedCols; }
    void SetFixedCols(int count);
    int FixedRows() const { return m_fixedRows; }
    void SetFixedRows(int count);
    TColor FixedColor() const { return m_fixedColor; }
    void SetFixedColor(TColor color);
    // Setting a default size resets every column's (row's) own size to it.
    int DefaultColWidth() const { return m_defaultColWidth; }
    void SetDefaultColWidth(int width);
    int DefaultRowHeight() const { return m_defaultRowHeight; }
    void SetDefaultRowHeight(int height);
    int ColWidths(int col) const;
    void SetColWidths(int col, int width);
    int RowHeights(int row) const;
    void SetRowHeights(int row, int height);
    int GridLineWidth() const { return m_gridLineWidth; }
    void SetGridLineWidth(int width);
    TGridOptions Options() const { return m_options; }
    void SetOptions(TGridOptions options);
    TScrollStyle ScrollBars() const { return m_scrollBars; }
    void SetScrollBars(TScrollStyle style);
    TFormBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TFormBorderStyle style);
    bool DefaultDrawing() const { return m_defaultDrawing; }
    void SetDefaultDrawing(bool v);

    // The current cell; moving it asks OnSelectCell and collapses the selection onto it.
    int Col() const { return m_col; }
    void SetCol(int col) { MoveCurrent(col, m_row); }
    int Row() const { return m_row; }
    void SetRow(int row) { MoveCurrent(m_col, row); }
    TGridRect Selection() const;
    void SetSelection(const TGridRect &rect);
    // The first scrolling column (row) shown next to the fixed ones.
    int LeftCol() const { return m_leftCol; }
    void SetLeftCol(int col);
    int TopRow() const { return m_topRow; }
    void SetTopRow(int row);
    // Scrolling columns (rows) that fit entirely beside (below) the fixed ones.
    int VisibleColCount() const;
    int VisibleRowCount() const;

    // Where a cell is drawn, in the control's coordinates; empty when scrolled out of sight.
    QRect CellRect(int col, int row) const;
    // The cell under a point of the control, or (-1, -1).
    QPoint MouseToCell(int x, int y) const;
    QRect ClientRect() const override;

    TDrawCellEvent OnDrawCell;
    TSelectCellEvent OnSelectCell;
    TGetEditEvent OnGetEditMask;
    TGetEditEvent OnGetEditText;
    TSetEditEvent OnSetEditText;
    TMovedEvent OnColumnMoved;
    TMovedEvent OnRowMoved;
    TNotifyEvent OnTopLeftChanged;

    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    bool KeyDown(quint16 &key, TShiftState shift) override;
    // Framework-internal: the scroll bars moved.
    void ScrollBarMoved();
    void LayOutScrollBars();

protected:
    QWidget *CreateWidget(QWidget *parentWidget) override;
    void InitWidget() override;
    void Paint() override;
    void Resize() override;
    // Draws the contents of one cell inside rect (the default drawing has filled it already).
    virtual void DrawCell(int col, int row, const QRect &rect, TGridDrawState state);
    virtual bool SelectCell(int col, int row);
    // Told after the number of columns or rows changed, with the old numbers.
    virtual void SizeChanged(int oldColCount, int oldRowCount);
    virtual void TopLeftChanged();

private:
    void MoveCurrent(int col, int row, bool extend = false);
    void ClampTopLeft();
    void UpdateScrollBars();
    void Changed();
    // Left (top) edge of the scrolling area, in client coordinates.
    int FixedWidth() const;
    int FixedHeight() const;
    // The width of the vertical (horizontal) lines, 0 when no such lines are drawn.
    int VertLineWidth() const;
    int HorzLineWidth() const;
    int ColLeft(int col) const;
    int RowTop(int row) const;
    void PaintCell(QPainter &painter, int col, int row, const QRect &rect);

    int m_colCount = 5, m_rowCount = 5;
    int m_fixedCols = 1, m_fixedRows = 1;
    TColor m_fixedColor = clBtnFace;
    int m_defaultColWidth = 64, m_defaultRowHeight = 24;
    std::vector<int> m_colWidths, m_rowHeights;
    int m_gridLineWidth = 1;
    TGridOptions m_options = DefaultGridOptions;
    TScrollStyle m_scrollBars = ssBoth;
    TFormBorderStyle m_borderStyle = bsSingle;
    bool m_defaultDrawing = true;
    int m_col = 1, m_row = 1;
    QPoint m_anchor{1, 1}; // the other corner of the selection
    int m_leftCol = 1, m_topRow = 1;
    bool m_selecting = false;
    QScrollBar *m_hBar = nullptr; // child of the widget
    QScrollBar *m_vBar = nullptr; // child of the widget
    bool m_syncingBars = false;
};

// A grid whose cells are drawn by OnDrawCell.
class TDrawGrid : public TCustomGrid
{
    Z_CLASS(TDrawGrid)
public:
    explicit TDrawGrid(TComponent *owner);

protected:
    void DrawCell(int col, int row, const QRect &rect, TGridDrawState state) override;
};

class TStringGrid;

// One column or row of a string grid seen as a string list; changes go to the grid's cells.
class TStringGridStrings : public TStrings
{
    Z_CLASS(TStringGridStrings)
public:
    TStringGridStrings(TStringGrid *grid, bool isColumn, int index);

    int Count() const override;
    void Insert(int index, const QString &s) override;
    void Delete(int index) override;
    void Clear() override;
    // Whole-line assignment fills the line from its first cell; cells past the source stay.
    void Assign(TPersistent *source) override;

protected:
    QString Get(int index) const override;
    void Put(int index, const QString &s) override;
    TObject *GetObject(int index) const override;
    void PutObject(int index, TObject *object) override;

private:
    TStringGrid *m_grid; // not owned: the grid owns the views of its lines
    bool m_isColumn;
    int m_index;
};

class TStringGrid : public TDrawGrid
{
    Z_CLASS(TStringGrid)
public:
    explicit TStringGrid(TComponent *owner);
    ~TStringGrid() override;

    // Any cell inside ColCount by RowCount; others raise EInvalidGridOperation.
    QString Cells(int col, int row) const;
    void SetCells(int col, int row, const QString &text);
    TObject *Objects(int col, int row) const; // not owned
    void SetObjects(int col, int row, TObject *object);
    // Views of a column and of a row, owned by the grid.
    TStrings *Cols(int index);
    void SetCols(int index, TStrings *strings) { Cols(index)->Assign(strings); }
    TStrings *Rows(int index);
    void SetRows(int index, TStrings *strings) { Rows(index)->Assign(strings); }

protected:
    void DrawCell(int col, int row, const QRect &rect, TGridDrawState state) override;
    void SizeChanged(int oldColCount, int oldRowCount) override;

private:
    void CheckCell(int col, int row) const;
    struct Cell
    {
        QString text;
        TObject *object = nullptr; // not owned
    };
    std::map<std::pair<int, int>, Cell> m_cells;
    QHash<int, TStringGridStrings *> m_colViews; // owned
    QHash<int, TStringGridStrings *> m_rowViews; // owned
};

Z_EXCEPTION(EInvalidGridOperation, Exception)
