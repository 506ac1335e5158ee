// The published grids: their type records and tables, the draw grid and the string grid with
// its cell store and the column and row views.

#include "Grids.h"

#include "ControlProps.h"

#include <QPainter>

PTypeInfo TypeInfoTGridOptions()
{
    static const TTypeInfo *element = NewEnumType(
        QStringLiteral("TGridOption"),
        {QStringLiteral("goFixedVertLine"), QStringLiteral("goFixedHorzLine"),
         QStringLiteral("goVertLine"), QStringLiteral("goHorzLine"),
         QStringLiteral("goRangeSelect"), QStringLiteral("goDrawFocusSelected"),
         QStringLiteral("goRowSizing"), QStringLiteral("goColSizing"),
         QStringLiteral("goRowMoving"), QStringLiteral("goColMoving"),
         QStringLiteral("goEditing"), QStringLiteral("goTabs"), QStringLiteral("goRowSelect"),
         QStringLiteral("goAlwaysShowEditor"), QStringLiteral("goThumbTracking")});
    static const TTypeInfo *t = NewSetType(QStringLiteral("TGridOptions"), element);
    return t;
}

#define Z_GRID_EVENT(Fn, Name, Signature) \
    PTypeInfo Fn() \
    { \
        static const TTypeInfo *t = \
            NewMethodType(QStringLiteral(Name), QStringLiteral(Signature)); \
        return t; \
    }

Z_GRID_EVENT(TypeInfoTDrawCellEvent, "TDrawCellEvent",
             "Sender: TObject; ACol, ARow: Longint; Rect: TRect; State: TGridDrawState")
Z_GRID_EVENT(TypeInfoTSelectCellEvent, "TSelectCellEvent",
             "Sender: TObject; ACol, ARow: Longint; var CanSelect: Boolean")
Z_GRID_EVENT(TypeInfoTGetEditEvent, "TGetEditEvent",
             "Sender: TObject; ACol, ARow: Longint; var Value: string")
Z_GRID_EVENT(TypeInfoTSetEditEvent, "TSetEditEvent",
             "Sender: TObject; ACol, ARow: Longint; const Value: string")
Z_GRID_EVENT(TypeInfoTMovedEvent, "TMovedEvent", "Sender: TObject; FromIndex, ToIndex: Longint")

Z_DEFINE_CLASS(TCustomGrid, TCustomControl, NoPublishedProps)

// What the draw grid and the string grid both publish.
static TPropTable GridProps()
{
    using G = TCustomGrid;
    TPropTable t = ControlProps(
        {"Align", "Anchors", "BiDiMode", "Color", "Constraints", "Ctl3D", "Cursor", "DragCursor",
         "DragKind", "DragMode", "Enabled", "Font", "Height", "HelpContext", "Hint", "Left",
         "ParentBiDiMode", "ParentColor", "ParentCtl3D", "ParentFont", "ParentShowHint",
         "PopupMenu", "ShowHint", "TabOrder", "TabStop", "Top", "Visible", "Width", "OnClick",
         "OnContextPopup", "OnDblClick", "OnDragDrop", "OnDragOver", "OnEndDock", "OnEndDrag",
         "OnEnter", "OnExit", "OnKeyDown", "OnKeyPress", "OnKeyUp", "OnMouseDown",
         "OnMouseMove", "OnMouseUp", "OnStartDock", "OnStartDrag"});
    SetPropDefault(t, "Color", clWindow);
    SetPropDefault(t, "ParentColor", 0);
    SetPropDefault(t, "TabStop", 1);
    const TPropTable own = {
        Prop<G>("BorderStyle", TypeInfoTBorderStyle(), &G::BorderStyle, &G::SetBorderStyle,
                bsSingle),
        Prop<G>("ColCount", TypeInfoInteger(), &G::ColCount, &G::SetColCount, 5),
        Prop<G>("DefaultColWidth", TypeInfoInteger(), &G::DefaultColWidth,
                &G::SetDefaultColWidth, 64),
        Prop<G>("DefaultDrawing", TypeInfoBoolean(), &G::DefaultDrawing, &G::SetDefaultDrawing,
                1),
        Prop<G>("DefaultRowHeight", TypeInfoInteger(), &G::DefaultRowHeight,
                &G::SetDefaultRowHeight, 24),
        Prop<G>("FixedColor", TypeInfoTColor(), &G::FixedColor, &G::SetFixedColor, clBtnFace),
        Prop<G>("FixedCols", TypeInfoInteger(), &G::FixedCols, &G::SetFixedCols, 1),
        Prop<G>("FixedRows", TypeInfoInteger(), &G::FixedRows, &G::SetFixedRows, 1),
        Prop<G>("GridLineWidth", TypeInfoInteger(), &G::GridLineWidth, &G::SetGridLineWidth, 1),
        Prop<G>("Options", TypeInfoTGridOptions(), &G::Options, &G::SetOptions,
                DefaultGridOptions),
        Prop<G>("RowCount", TypeInfoInteger(), &G::RowCount, &G::SetRowCount, 5),
        Prop<G>("ScrollBars", TypeInfoTScrollStyle(), &G::ScrollBars, &G::SetScrollBars, ssBoth),
        EventProp<G>("OnColumnMoved", TypeInfoTMovedEvent(), &G::OnColumnMoved),
        EventProp<G>("OnDrawCell", TypeInfoTDrawCellEvent(), &G::OnDrawCell),
        EventProp<G>("OnGetEditMask", TypeInfoTGetEditEvent(), &G::OnGetEditMask),
        EventProp<G>("OnGetEditText", TypeInfoTGetEditEvent(), &G::OnGetEditText),
        EventProp<G>("OnRowMoved", TypeInfoTMovedEvent(), &G::OnRowMoved),
        EventProp<G>("OnSelectCell", TypeInfoTSelectCellEvent(), &G::OnSelectCell),
        EventProp<G>("OnSetEditText", TypeInfoTSetEditEvent(), &G::OnSetEditText),
        EventProp<G>("OnTopLeftChanged", TypeInfoTNotifyEvent(), &G::OnTopLeftChanged),
    };
    t.insert(t.end(), own.begin(), own.end());
    return t;
}

Z_DEFINE_CLASS(TDrawGrid, TCustomGrid, GridProps)

TDrawGrid::TDrawGrid(TComponent *owner) : TCustomGrid(owner) {}

void TDrawGrid::DrawCell(int col, int row, const QRect &rect, TGridDrawState state)
{
    OnDrawCell(this, col, row, rect, state);
}

QString TDrawGrid::GetEditText(int col, int row)
{
    QString value;
    OnGetEditText(this, col, row, value);
    return value;
}

void TDrawGrid::SetEditText(int col, int row, const QString &value)
{
    OnSetEditText(this, col, row, value);
}

QString TDrawGrid::GetEditMask(int col, int row)
{
    QString mask;
    OnGetEditMask(this, col, row, mask);
    return mask;
}

void TDrawGrid::ColumnMoved(int fromIndex, int toIndex)
{
    OnColumnMoved(this, fromIndex, toIndex);
}

void TDrawGrid::RowMoved(int fromIndex, int toIndex)
{
    OnRowMoved(this, fromIndex, toIndex);
}

// --- the string grid ------------------------------------------------------------------------

Z_DEFINE_CLASS(TStringGrid, TDrawGrid, NoPublishedProps)

TStringGrid::TStringGrid(TComponent *owner) : TDrawGrid(owner) {}

TStringGrid::~TStringGrid()
{
    qDeleteAll(m_colViews);
    qDeleteAll(m_rowViews);
}

void TStringGrid::CheckCell(int col, int row) const
{
    if (col < 0 || row < 0 || col >= ColCount() || row >= RowCount())
        throw EInvalidGridOperation(QStringLiteral("Grid index out of range"));
}

QString TStringGrid::Cells(int col, int row) const
{
    CheckCell(col, row);
    const auto it = m_cells.find({col, row});
    return it == m_cells.end() ? QString() : it->second.text;
}

void TStringGrid::SetCells(int col, int row, const QString &text)
{
    CheckCell(col, row);
    Cell &cell = m_cells[{col, row}];
    if (cell.text == text)
        return;
    cell.text = text;
    if (text.isEmpty() && !cell.object)
        m_cells.erase({col, row});
    Invalidate();
}

TObject *TStringGrid::Objects(int col, int row) const
{
    CheckCell(col, row);
    const auto it = m_cells.find({col, row});
    return it == m_cells.end() ? nullptr : it->second.object;
}

void TStringGrid::SetObjects(int col, int row, TObject *object)
{
    CheckCell(col, row);
    Cell &cell = m_cells[{col, row}];
    cell.object = object;
    if (cell.text.isEmpty() && !object)
        m_cells.erase({col, row});
}

TStrings *TStringGrid::Cols(int index)
{
    if (index < 0 || index >= ColCount())
        throw EInvalidGridOperation(QStringLiteral("Grid index out of range"));
    TStringGridStrings *&view = m_colViews[index];
    if (!view)
        view = new TStringGridStrings(this, true, index);
    return view;
}

TStrings *TStringGrid::Rows(int index)
{
    if (index < 0 || index >= RowCount())
        throw EInvalidGridOperation(QStringLiteral("Grid index out of range"));
    TStringGridStrings *&view = m_rowViews[index];
    if (!view)
        view = new TStringGridStrings(this, false, index);
    return view;
}

void TStringGrid::ClearLine(bool isColumn, int index)
{
    // Only the cells that hold something: a line may be two billion cells long.
    bool changed = false;
    for (auto it = m_cells.begin(); it != m_cells.end();) {
        if ((isColumn ? it->first.first : it->first.second) == index) {
            it = m_cells.erase(it);
            changed = true;
        } else {
            ++it;
        }
    }
    if (changed)
        Invalidate();
}

void TStringGrid::SizeChanged(int, int)
{
    // Cells and line views outside the new size go; growing again shows empty cells.
    for (auto it = m_cells.begin(); it != m_cells.end();) {
        if (it->first.first >= ColCount() || it->first.second >= RowCount())
            it = m_cells.erase(it);
        else
            ++it;
    }
    auto prune = [](QHash<int, TStringGridStrings *> &views, int count) {
        for (auto it = views.begin(); it != views.end();) {
            if (it.key() >= count) {
                delete it.value();
                it = views.erase(it);
            } else {
                ++it;
            }
        }
    };
    prune(m_colViews, ColCount());
    prune(m_rowViews, RowCount());
}

void TStringGrid::DrawCell(int col, int row, const QRect &rect, TGridDrawState state)
{
    if (DefaultDrawing()) {
        const QString text = Cells(col, row);
        if (!text.isEmpty()) {
            TCanvas *canvas = Canvas();
            canvas->Brush()->SetStyle(bsClear);
            canvas->TextRect(rect, rect.left() + 2, rect.top() + 2, text);
            canvas->Brush()->SetStyle(bsSolid);
        }
    }
    // The handler draws over the text.
    TDrawGrid::DrawCell(col, row, rect, state);
}

QString TStringGrid::GetEditText(int col, int row)
{
    QString value = Cells(col, row);
    OnGetEditText(this, col, row, value);
    return value;
}

void TStringGrid::SetEditText(int col, int row, const QString &value)
{
    SetCells(col, row, value);
    TDrawGrid::SetEditText(col, row, value);
}

void TStringGrid::ColumnMoved(int fromIndex, int toIndex)
{
    std::map<std::pair<int, int>, Cell> moved;
    for (auto &[at, cell] : m_cells)
        moved[{GridMovedIndex(at.first, fromIndex, toIndex), at.second}] = std::move(cell);
    m_cells = std::move(moved);
    TDrawGrid::ColumnMoved(fromIndex, toIndex);
}

void TStringGrid::RowMoved(int fromIndex, int toIndex)
{
    std::map<std::pair<int, int>, Cell> moved;
    for (auto &[at, cell] : m_cells)
        moved[{at.first, GridMovedIndex(at.second, fromIndex, toIndex)}] = std::move(cell);
    m_cells = std::move(moved);
    TDrawGrid::RowMoved(fromIndex, toIndex);
}

// --- lines as string lists ------------------------------------------------------------------

Z_DEFINE_CLASS(TStringGridStrings, TStrings, NoPublishedProps)

TStringGridStrings::TStringGridStrings(TStringGrid *grid, bool isColumn, int index)
    : m_grid(grid), m_isColumn(isColumn), m_index(index)
{
}

int TStringGridStrings::Count() const
{
    return m_isColumn ? m_grid->RowCount() : m_grid->ColCount();
}

QString TStringGridStrings::Get(int index) const
{
    return m_isColumn ? m_grid->Cells(m_index, index) : m_grid->Cells(index, m_index);
}

void TStringGridStrings::Put(int index, const QString &s)
{
    if (m_isColumn)
        m_grid->SetCells(m_index, index, s);
    else
        m_grid->SetCells(index, m_index, s);
}

TObject *TStringGridStrings::GetObject(int index) const
{
    return m_isColumn ? m_grid->Objects(m_index, index) : m_grid->Objects(index, m_index);
}

void TStringGridStrings::PutObject(int index, TObject *object)
{
    if (m_isColumn)
        m_grid->SetObjects(m_index, index, object);
    else
        m_grid->SetObjects(index, m_index, object);
}

void TStringGridStrings::Insert(int, const QString &)
{
    // A line of a grid has a fixed number of cells.
    throw EInvalidGridOperation(QStringLiteral("Cannot insert into a grid line"));
}

void TStringGridStrings::Delete(int)
{
    throw EInvalidGridOperation(QStringLiteral("Cannot delete from a grid line"));
}

void TStringGridStrings::Clear()
{
    m_grid->ClearLine(m_isColumn, m_index);
}

void TStringGridStrings::Assign(TPersistent *source)
{
    auto *strings = ObjectCast<TStrings>(source);
    if (!strings) {
        TStrings::Assign(source);
        return;
    }
    const int n = std::min(Count(), strings->Count());
    for (int i = 0; i < n; ++i) {
        Put(i, strings->Strings(i));
        PutObject(i, strings->Objects(i));
    }
}
