#pragma once

// Grids: a custom-painted table of cells with fixed (heading) rows and columns that stay in
// place while the others scroll. TDrawGrid leaves the cells' contents to OnDrawCell;
// TStringGrid keeps a string and an object per cell. With goEditing a cell is edited in place;
// the lines of the fixed cells size columns and rows, and the fixed cells move them.

#include "Controls.h"
#include "Mask.h"
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
// What a press of the mouse button started.
enum TGridState { gsNormal, gsSelecting, gsRowSizing, gsColSizing, gsRowMoving, gsColMoving };

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

// Where a column (row) index ends up when the column (row) at fromIndex moves to toIndex.
int GridMovedIndex(int index, int fromIndex, int toIndex);

// The sizes of a grid's columns (or of its rows): one default size, and the sizes that differ
// from it keyed by index. A grid of two billion columns costs no more than the columns given a
// size of their own. Runs of default-sized ones are measured by multiplying, so the searches
// below cost the own sizes they pass, never the count. Each column (row) is followed by a grid
// line; the callers pass its width. Extents are 64-bit: the widest, every size and line at the
// integer limit, still fits.
class TGridAxis
{
public:
    explicit TGridAxis(int defaultSize) : m_default(defaultSize) {}

    int DefaultSize() const { return m_default; }
    // Every size back to the new default.
    void SetDefaultSize(int size);
    int Size(int index) const;
    void SetSize(int index, int size);
    // Forgets the sizes from count on, when the grid shrinks.
    void Truncate(int count);
    // The size at fromIndex goes to toIndex; those between shift by one towards fromIndex.
    void Move(int fromIndex, int toIndex);
    // How many sizes differ from the default.
    int OwnSizeCount() const { return int(m_sizes.size()); }

    // Sizes and lines from first up to, not including, end.
    qint64 Extent(int first, int end, int lineWidth) const;
    // The first index in [first, end) at which the extent from first passes offset; end when
    // the whole span stays within it.
    int IndexPast(int first, int end, qint64 offset, int lineWidth) const;
    // The lowest start in [lowest, end] from which the extent up to end stays within room;
    // end when not even an empty span does (room below zero).
    int FirstFitting(int lowest, int end, qint64 room, int lineWidth) const;
    // The first index in [first, end) whose own size and line pass limit; end when none does.
    int FirstLargerThan(int first, int end, qint64 limit, int lineWidth) const;

private:
    int m_default;
    std::map<int, int> m_sizes; // index -> size, only sizes other than the default
};

class TCustomGrid;

// The editor a grid shows over its current cell: a borderless masked edit, a child control of
// the grid, that hands the keys which move between cells (and Enter and Escape) to the grid.
// The grid's OnKeyDown and OnKeyPress see the keys typed into it.
class TInplaceEdit : public TCustomMaskEdit
{
    Z_CLASS(TInplaceEdit)
public:
    explicit TInplaceEdit(TCustomGrid *grid);
    ~TInplaceEdit() override;

    TCustomGrid *Grid() const { return m_grid; } // not owned: the grid owns its editor
    bool KeyDown(quint16 &key, TShiftState shift) override;
    bool KeyPress(QChar &key) override;
    // Framework-internal: puts ch in as if typed, over the selection.
    void TypeChar(QChar ch);

protected:
    void InitWidget() override;

private:
    TCustomGrid *m_grid;
};

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
    int DefaultColWidth() const { return m_cols.DefaultSize(); }
    void SetDefaultColWidth(int width);
    int DefaultRowHeight() const { return m_rows.DefaultSize(); }
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

    // Whether the current cell is being edited. Turning it on shows the in-place editor over
    // the current cell (when editing is allowed); turning it off stores what was typed.
    bool EditorMode() const { return m_editorMode; }
    void SetEditorMode(bool v);
    TInplaceEdit *InplaceEditor() const { return m_inplaceEdit; } // owned; nullptr until used
    // What the mouse is doing now.
    TGridState GridState() const { return m_gridState; }

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
    bool KeyPress(QChar &key) override;
    // Framework-internal: the scroll bars moved.
    void ScrollBarMoved();
    void LayOutScrollBars();
    // Framework-internal, from the in-place editor: the focus went to a window outside the grid.
    void EditorExited();

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
    void ApplyDesignState() override;

    // The text the editor starts with and the text it stores, and its edit mask.
    virtual QString GetEditText(int col, int row);
    virtual void SetEditText(int col, int row, const QString &value);
    virtual QString GetEditMask(int col, int row);
    // Whether the current cell may be edited now.
    virtual bool CanEditShow() const;
    // Told after the user sized columns (rows) with the mouse.
    virtual void ColWidthsChanged() {}
    virtual void RowHeightsChanged() {}
    // Told after a column (row) moved from one index to another; widths (heights) and the
    // current cell have moved with it.
    virtual void ColumnMoved(int fromIndex, int toIndex);
    virtual void RowMoved(int fromIndex, int toIndex);
    void MoveColumn(int fromIndex, int toIndex);
    void MoveRow(int fromIndex, int toIndex);
    // Shows the editor over the current cell; hides it, storing its text first.
    void ShowEditor();
    void HideEditor();

private:
    void MoveCurrent(int col, int row, bool extend = false);
    void ClampTopLeft();
    void UpdateScrollBars();
    void Changed();
    // Left (top) edge of the scrolling area, in client coordinates. Layout positions are
    // 64-bit: sizes near the integer limit add up past it.
    qint64 FixedWidth() const;
    qint64 FixedHeight() const;
    // The width of the vertical (horizontal) lines, 0 when no such lines are drawn.
    int VertLineWidth() const;
    int HorzLineWidth() const;
    // Where a column (row) starts in the client area, or -1 while it is scrolled out of sight.
    qint64 ColLeft(int col) const;
    qint64 RowTop(int row) const;
    // Where a column (row) is drawn, cut to the coordinates a widget can have.
    QRect CellBounds(int col, int row) const;
    static QRect WideRect(qint64 left, qint64 top, qint64 width, qint64 height);
    void PaintCell(QPainter &painter, int col, int row, const QRect &rect);
    void PaintMoveMark(QPainter &painter);

    // The in-place editor: stores its text through SetEditText, or puts the cell's text back.
    void CommitEditor();
    void AbandonEditor();
    // Shows the editor with the key typed into it, as if typed there.
    void ShowEditorChar(QChar ch);
    // Places the editor over the current cell, or hides it while that cell is out of sight.
    void UpdateEditor();
    bool EditorShowing() const;
    bool EditorKey(quint16 key, TShiftState shift);

    // Sizing and moving with the mouse on the fixed cells.
    // The column (row) whose trailing line is within reach of pos along that axis, or -1.
    int SizingLineAt(int pos, bool columns) const;
    // What a press at (x, y) starts: sizing, moving or nothing (gsNormal).
    TGridState StateAt(int x, int y, int *index) const;
    void StartDrag(TGridState state, int index, int x, int y);
    void UpdateDrag(int x, int y);
    void FinishDrag(int x, int y);
    // The column (row) a moved one would go to with the mouse at pos.
    int MoveTargetAt(int pos, bool columns) const;
    void UpdateSizingCursor(int x, int y);

    int m_colCount = 5, m_rowCount = 5;
    int m_fixedCols = 1, m_fixedRows = 1;
    TColor m_fixedColor = clBtnFace;
    TGridAxis m_cols{64}, m_rows{24}; // widths of the columns, heights of the rows
    int m_gridLineWidth = 1;
    TGridOptions m_options = DefaultGridOptions;
    TScrollStyle m_scrollBars = ssBoth;
    TFormBorderStyle m_borderStyle = bsSingle;
    bool m_defaultDrawing = true;
    int m_col = 1, m_row = 1;
    QPoint m_anchor{1, 1}; // the other corner of the selection
    int m_leftCol = 1, m_topRow = 1;
    TGridState m_gridState = gsNormal;
    int m_dragIndex = -1;     // the column or row sized or moved
    int m_dragStart = 0;      // where the press was, along the axis sized or moved
    int m_dragStartSize = 0;  // the width or height at the press
    int m_moveTarget = -1;    // where the moved column or row would go now
    bool m_editorMode = false;
    TInplaceEdit *m_inplaceEdit = nullptr; // owned, though not as a component; a child control
    int m_editCol = -1, m_editRow = -1;    // the cell the editor shows, -1 while it is hidden
    QString m_editOriginal;                // the cell's text when the editor took it
    bool m_committing = false; // set while the editor's text is being stored
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
    // Through OnGetEditText, OnSetEditText and OnGetEditMask.
    QString GetEditText(int col, int row) override;
    void SetEditText(int col, int row, const QString &value) override;
    QString GetEditMask(int col, int row) override;
    // Through OnColumnMoved and OnRowMoved.
    void ColumnMoved(int fromIndex, int toIndex) override;
    void RowMoved(int fromIndex, int toIndex) override;
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
    // The editor edits Cells; OnGetEditText and OnSetEditText still see the text.
    QString GetEditText(int col, int row) override;
    void SetEditText(int col, int row, const QString &value) override;
    // Strings and objects travel with their column (row).
    void ColumnMoved(int fromIndex, int toIndex) override;
    void RowMoved(int fromIndex, int toIndex) override;

private:
    friend class TStringGridStrings;
    void CheckCell(int col, int row) const;
    // Empties every cell of a column (row) and forgets the objects in it.
    void ClearLine(bool isColumn, int index);
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
