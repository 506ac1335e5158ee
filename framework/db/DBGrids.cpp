// The data grid: layout of titles, indicator and data columns, and their drawing.

#include "DBGrids.h"

#include "ClassicDraw.h"
#include "PublishedProps.h"

#include <QPainter>
#include <QPolygon>

namespace {

// The indicator column is as wide as the classic grid's, enough for its small arrow.
constexpr int IndicatorWidth = 11;

// The plain grid's options that the data grid's options stand for.
TGridOptions GridOptionsOf(TDBGridOptions options)
{
    auto has = [&](TDBGridOption o) { return (options & DBGridOption(o)) != 0; };
    TGridOptions g = GridOption(goFixedVertLine) | GridOption(goFixedHorzLine);
    if (has(dgColLines))
        g |= GridOption(goVertLine);
    if (has(dgRowLines))
        g |= GridOption(goHorzLine);
    if (has(dgColumnResize))
        g |= GridOption(goColSizing);
    // A column moves when its title is dragged, as in the classic data grid.
    if (has(dgTitles))
        g |= GridOption(goColMoving);
    if (has(dgEditing))
        g |= GridOption(goEditing);
    if (has(dgAlwaysShowEditor))
        g |= GridOption(goAlwaysShowEditor);
    if (has(dgTabs))
        g |= GridOption(goTabs);
    if (has(dgRowSelect))
        g |= GridOption(goRowSelect);
    return g;
}

Qt::Alignment HorizontalFlag(TAlignment alignment)
{
    switch (alignment) {
    case taRightJustify: return Qt::AlignRight;
    case taCenter: return Qt::AlignHCenter;
    case taLeftJustify: break;
    }
    return Qt::AlignLeft;
}

} // namespace

Z_DEFINE_CLASS(TCustomDBGrid, TCustomGrid, NoPublishedProps)

TCustomDBGrid::TCustomDBGrid(TComponent *owner)
    : TCustomGrid(owner), m_columns(new TDBGridColumns(this)), m_titleFont(new TFont)
{
    m_titleFont->Assign(Font());
    m_titleFont->OnChange = TNotifyEvent::Of<&TCustomDBGrid::TitleFontChanged>(this);
    m_dataLink.SetControl(this);
    m_dataLink.OnDataChange = TNotifyEvent::Of<&TCustomDBGrid::DataChange>(this);
    m_dataLink.OnActiveChange = TNotifyEvent::Of<&TCustomDBGrid::DataChange>(this);
    TCustomGrid::SetOptions(GridOptionsOf(m_options));
    LayoutChanged();
}

TCustomDBGrid::~TCustomDBGrid()
{
    Destroying();
    DestroyWidget();
    delete m_columns;
    delete m_titleFont;
}

void TCustomDBGrid::SetDataSource(TDataSource *source)
{
    m_dataLink.SetDataSource(source);
    if (source)
        source->FreeNotification(this);
    Invalidate();
}

void TCustomDBGrid::Notification(TComponent *component, TOperation operation)
{
    TCustomGrid::Notification(component, operation);
    if (operation == opRemove && component && component == m_dataLink.DataSource())
        m_dataLink.SetDataSource(nullptr);
}

void TCustomDBGrid::SetOptions(TDBGridOptions options)
{
    m_options = options & ((TDBGridOptions(1u) << (dgMultiSelect + 1)) - 1);
    TCustomGrid::SetOptions(GridOptionsOf(m_options));
    LayoutChanged();
}

int TCustomDBGrid::IndicatorOffset() const
{
    return (m_options & DBGridOption(dgIndicator)) ? 1 : 0;
}

int TCustomDBGrid::DataRow() const
{
    return (m_options & DBGridOption(dgTitles)) ? 1 : 0;
}

std::vector<TColumn *> TCustomDBGrid::VisibleColumns() const
{
    std::vector<TColumn *> list;
    for (int i = 0; i < m_columns->Count(); ++i) {
        if (m_columns->Items(i)->Visible())
            list.push_back(m_columns->Items(i));
    }
    return list;
}

TColumn *TCustomDBGrid::ColumnAt(int col) const
{
    const int index = col - IndicatorOffset();
    const std::vector<TColumn *> visible = VisibleColumns();
    return index >= 0 && index < int(visible.size()) ? visible.at(size_t(index)) : nullptr;
}

void TCustomDBGrid::LayoutChanged()
{
    if (m_layingOut || IsDestroying())
        return;
    m_layingOut = true;
    try {
        const std::vector<TColumn *> visible = VisibleColumns();
        const int indicator = IndicatorOffset();
        const int titles = DataRow();
        // A blank column stands in while no column is visible, so the grid keeps a body.
        const int dataCols = std::max(1, int(visible.size()));
        SetFixedCols(0);
        SetFixedRows(0);
        SetColCount(indicator + dataCols);
        SetRowCount(titles + 1);
        SetFixedCols(indicator);
        SetFixedRows(titles);
        SetDefaultRowHeight(FontLineHeight(Font()) + 4);
        if (indicator)
            SetColWidths(0, IndicatorWidth);
        for (int i = 0; i < dataCols; ++i)
            SetColWidths(indicator + i, i < int(visible.size()) ? visible.at(size_t(i))->Width()
                                                                : DefaultColWidth());
    } catch (...) {
        m_layingOut = false;
        throw;
    }
    m_layingOut = false;
    Invalidate();
}

void TCustomDBGrid::FontChanged()
{
    TCustomGrid::FontChanged();
    if (IsDestroying())
        return;
    for (int i = 0; i < m_columns->Count(); ++i)
        m_columns->Items(i)->RefreshDefaultFont();
    LayoutChanged();
}

void TCustomDBGrid::ColorChanged()
{
    TCustomGrid::ColorChanged();
    Invalidate();
}

void TCustomDBGrid::TitleFontChanged(TObject *)
{
    if (IsDestroying())
        return;
    for (int i = 0; i < m_columns->Count(); ++i)
        m_columns->Items(i)->Title()->RefreshDefaultFont();
    Invalidate();
}

void TCustomDBGrid::DataChange(TObject *)
{
    if (!IsDestroying())
        Invalidate();
}

void TCustomDBGrid::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomGrid::MouseUp(button, shift, x, y);
    if (button != mbLeft || Designing())
        return;
    const QPoint cell = MouseToCell(x, y);
    TColumn *column = ColumnAt(cell.x());
    if (!column)
        return;
    if (cell.y() < DataRow())
        OnTitleClick(column);
    else if (cell.y() >= 0)
        OnCellClick(column);
}

void TCustomDBGrid::DrawIndicator(QPainter &painter, const QRect &rect)
{
    // The current record's mark: a small black arrow pointing at the row.
    const QPoint c = rect.center();
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(ColorToQColor(clBlack));
    painter.drawPolygon(QPolygon({QPoint(c.x() - 2, c.y() - 4), QPoint(c.x() + 2, c.y()),
                                  QPoint(c.x() - 2, c.y() + 4)}));
    painter.restore();
}

void TCustomDBGrid::DrawCell(int col, int row, const QRect &rect, TGridDrawState state)
{
    QPainter *painter = Canvas()->Painter();
    if (!painter)
        return;
    const bool indicator = col < IndicatorOffset();
    const bool title = row < DataRow();
    if (indicator) {
        if (!title && m_dataLink.Active() && DefaultDrawing())
            DrawIndicator(*painter, rect);
        return;
    }
    TColumn *column = ColumnAt(col);
    if (!column)
        return;
    const QRect inner = rect.adjusted(2, 0, -2, 0);
    if (title) {
        if (!DefaultDrawing())
            return;
        TColumnTitle *t = column->Title();
        QRect face = rect;
        painter->fillRect(face, ColorToQColor(t->Color()));
        if (Ctl3D())
            Frame3D(*painter, face, clBtnHighlight, clBtnShadow, 1);
        painter->setFont(t->Font()->ToQFont());
        DrawControlText(*painter, inner, int(HorizontalFlag(t->Alignment()) | Qt::AlignVCenter),
                        t->Caption(), t->Font()->Color(), true);
        return;
    }
    TField *field = column->Field();
    if (DefaultDrawing()) {
        const bool selected = state & (1u << gdSelected);
        if (!selected)
            painter->fillRect(rect, ColorToQColor(column->Color()));
        painter->setFont(column->Font()->ToQFont());
        const QString text = field && m_dataLink.Active() ? field->AsString() : QString();
        const int flags = int(HorizontalFlag(column->Alignment()) | Qt::AlignVCenter);
        DrawControlText(*painter, inner, flags, text,
                        selected ? clHighlightText : column->Font()->Color(), Enabled());
    }
    const int dataCol = col - IndicatorOffset();
    OnDrawDataCell(this, rect, field, state);
    OnDrawColumnCell(this, rect, dataCol, column, state);
}

bool TCustomDBGrid::CanEditShow() const
{
    if (!TCustomGrid::CanEditShow() || m_readOnly || !m_dataLink.Active())
        return false;
    const TColumn *column = ColumnAt(Col());
    const TField *field = column ? column->Field() : nullptr;
    return field && !column->ReadOnly() && !field->ReadOnly();
}

QString TCustomDBGrid::GetEditText(int col, int)
{
    const TColumn *column = ColumnAt(col);
    const TField *field = column ? column->Field() : nullptr;
    return field ? field->AsString() : QString();
}

void TCustomDBGrid::SetEditText(int col, int, const QString &value)
{
    const TColumn *column = ColumnAt(col);
    TField *field = column ? column->Field() : nullptr;
    if (!field || !field->DataSet())
        return;
    TDataSet *dataSet = field->DataSet();
    if (dataSet->State() != dsEdit && dataSet->State() != dsInsert)
        dataSet->Edit();
    field->SetAsString(value);
}

void TCustomDBGrid::ColWidthsChanged()
{
    for (int col = IndicatorOffset(); col < ColCount(); ++col) {
        if (TColumn *column = ColumnAt(col); column && column->Width() != ColWidths(col))
            column->SetWidth(ColWidths(col));
    }
}

void TCustomDBGrid::ColumnMoved(int fromIndex, int toIndex)
{
    // The grid's widths have moved already; the columns still stand in their old order.
    TColumn *moved = ColumnAt(fromIndex);
    TColumn *target = ColumnAt(toIndex);
    if (!moved || !target)
        return;
    moved->SetIndex(target->Index());
    OnColumnMoved(this, fromIndex - IndicatorOffset(), toIndex - IndicatorOffset());
}

// ---- TDBGrid --------------------------------------------------------------------------------

static TPropTable DBGridProps()
{
    using G = TDBGrid;
    TPropTable t = ControlProps(
        {"Align", "Anchors", "BiDiMode", "Color", "Constraints", "Ctl3D", "Cursor", "DragCursor",
         "DragKind", "DragMode", "Enabled", "Font", "Height", "HelpContext", "Hint", "ImeMode",
         "ImeName", "Left", "ParentBiDiMode", "ParentColor", "ParentCtl3D", "ParentFont",
         "ParentShowHint", "PopupMenu", "ShowHint", "TabOrder", "TabStop", "Top", "Visible",
         "Width", "OnContextPopup", "OnDblClick", "OnDragDrop", "OnDragOver", "OnEndDock",
         "OnEndDrag", "OnEnter", "OnExit", "OnKeyDown", "OnKeyPress", "OnKeyUp", "OnStartDock",
         "OnStartDrag"});
    SetPropDefault(t, "Color", clWindow);
    SetPropDefault(t, "ParentColor", 0);
    SetPropDefault(t, "TabStop", 1);
    const TPropTable own = {
        Prop<G>("BorderStyle", TypeInfoTBorderStyle(), &G::BorderStyle, &G::SetBorderStyle,
                bsSingle),
        Prop<G>("Columns", TDBGridColumns::StaticClass()->ClassTypeInfo(), &G::Columns,
                &G::SetColumns),
        Prop<G>("DataSource", TDataSource::StaticClass()->ClassTypeInfo(), &G::DataSource,
                &G::SetDataSource),
        Prop<G>("DefaultDrawing", TypeInfoBoolean(), &G::DefaultDrawing, &G::SetDefaultDrawing,
                1),
        Prop<G>("FixedColor", TypeInfoTColor(), &G::FixedColor, &G::SetFixedColor, clBtnFace),
        Prop<G>("Options", TypeInfoTDBGridOptions(), &G::Options, &G::SetOptions,
                DefaultDBGridOptions),
        Prop<G>("ReadOnly", TypeInfoBoolean(), &G::ReadOnly, &G::SetReadOnly, 0),
        Prop<G>("TitleFont", TFont::StaticClass()->ClassTypeInfo(), &G::TitleFont,
                &G::SetTitleFont),
        EventProp<G>("OnCellClick", TypeInfoTDBGridClickEvent(), &G::OnCellClick),
        EventProp<G>("OnColEnter", TypeInfoTNotifyEvent(), &G::OnColEnter),
        EventProp<G>("OnColExit", TypeInfoTNotifyEvent(), &G::OnColExit),
        EventProp<G>("OnColumnMoved", TypeInfoTMovedEvent(), &G::OnColumnMoved),
        EventProp<G>("OnDrawColumnCell", TypeInfoTDrawColumnCellEvent(), &G::OnDrawColumnCell),
        EventProp<G>("OnDrawDataCell", TypeInfoTDrawDataCellEvent(), &G::OnDrawDataCell),
        EventProp<G>("OnEditButtonClick", TypeInfoTNotifyEvent(), &G::OnEditButtonClick),
        EventProp<G>("OnTitleClick", TypeInfoTDBGridClickEvent(), &G::OnTitleClick),
    };
    t.insert(t.end(), own.begin(), own.end());
    return t;
}
Z_DEFINE_CLASS(TDBGrid, TCustomDBGrid, DBGridProps)

TDBGrid::TDBGrid(TComponent *owner) : TCustomDBGrid(owner) {}
