#pragma once

// The data grid: a grid of the records of a data source, one column per field it is given in
// Columns, under a row of column titles and beside an indicator column that marks the
// current record.

#include "DB.h"
#include "Collections.h"
#include "Grids.h"

class TColumn;
class TCustomDBGrid;

enum TDBGridOption {
    dgEditing, dgAlwaysShowEditor, dgTitles, dgIndicator, dgColumnResize, dgColLines,
    dgRowLines, dgTabs, dgRowSelect, dgAlwaysShowSelection, dgConfirmDelete, dgCancelOnExit,
    dgMultiSelect
};
using TDBGridOptions = quint32; // bit n = TDBGridOption n
constexpr TDBGridOptions DBGridOption(TDBGridOption o) { return TDBGridOptions(1u) << o; }
constexpr TDBGridOptions DefaultDBGridOptions =
    DBGridOption(dgEditing) | DBGridOption(dgTitles) | DBGridOption(dgIndicator)
    | DBGridOption(dgColumnResize) | DBGridOption(dgColLines) | DBGridOption(dgRowLines)
    | DBGridOption(dgTabs) | DBGridOption(dgConfirmDelete) | DBGridOption(dgCancelOnExit);
PTypeInfo TypeInfoTDBGridOption();
PTypeInfo TypeInfoTDBGridOptions();

enum TColumnButtonStyle { cbsAuto, cbsEllipsis, cbsNone };
PTypeInfo TypeInfoTColumnButtonStyle();

using TDBGridClickEvent = TEvent<TColumn *>;
using TDrawColumnCellEvent = TEvent<TObject *, QRect, int, TColumn *, TGridDrawState>;
using TDrawDataCellEvent = TEvent<TObject *, QRect, TField *, TGridDrawState>;
PTypeInfo TypeInfoTDBGridClickEvent();
PTypeInfo TypeInfoTDrawColumnCellEvent();
PTypeInfo TypeInfoTDrawDataCellEvent();

// The heading of a column. Its caption is the column's field name and its font the grid's
// title font until they are given values of their own.
class TColumnTitle : public TPersistent
{
    Z_CLASS(TColumnTitle)
public:
    explicit TColumnTitle(TColumn *column);
    ~TColumnTitle() override;
    void Assign(TPersistent *source) override;

    TColumn *Column() const { return m_column; } // not owned: the column owns its title
    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment alignment);
    QString Caption() const;
    void SetCaption(const QString &caption);
    TColor Color() const { return m_color; }
    void SetColor(TColor color);
    TFont *Font() const { return m_font; } // owned
    void SetFont(TFont *font) { m_font->Assign(font); }
    // Framework-internal: takes the grid's title font again unless a font was given.
    void RefreshDefaultFont();

private:
    void FontChanged(TObject *sender);
    void Changed();

    TColumn *m_column;
    TAlignment m_alignment = taLeftJustify;
    QString m_caption;
    bool m_captionAssigned = false;
    TColor m_color = clBtnFace;
    TFont *m_font;
    bool m_fontAssigned = false;
    bool m_settingDefault = false;
};

// One column of a data grid: the field it shows and how. Width, colour and font follow the
// grid until they are given values of their own.
class TColumn : public TCollectionItem
{
    Z_CLASS(TColumn)
public:
    explicit TColumn(TCollection *collection);
    ~TColumn() override;
    void Assign(TPersistent *source) override;
    QString DisplayName() const override;

    // The grid the column belongs to, or nullptr.
    TCustomDBGrid *Grid() const;
    QString FieldName() const { return m_fieldName; }
    void SetFieldName(const QString &name);
    // The field of that name in the grid's open data set, or nullptr.
    TField *Field() const;
    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment alignment);
    TColumnButtonStyle ButtonStyle() const { return m_buttonStyle; }
    void SetButtonStyle(TColumnButtonStyle style) { m_buttonStyle = style; }
    TColor Color() const;
    void SetColor(TColor color);
    int DropDownRows() const { return m_dropDownRows; }
    void SetDropDownRows(int rows) { m_dropDownRows = std::max(0, rows); }
    // Whether an object field's sub-fields show as columns of their own. The data sets here
    // have no object fields: the value is kept, with nothing to expand.
    bool Expanded() const { return m_expanded; }
    void SetExpanded(bool v);
    TFont *Font() const { return m_font; } // owned
    void SetFont(TFont *font) { m_font->Assign(font); }
    TStrings *PickList() const { return m_pickList; } // owned
    void SetPickList(TStrings *list) { m_pickList->Assign(list); }
    bool ReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool v) { m_readOnly = v; }
    TColumnTitle *Title() const { return m_title; } // owned
    void SetTitle(TColumnTitle *title) { m_title->Assign(title); }
    bool Visible() const { return m_visible; }
    void SetVisible(bool v);
    int Width() const;
    void SetWidth(int width);

    // Framework-internal: take the grid's font again unless a font was given.
    void RefreshDefaultFont();
    // Framework-internal: the column or its title changed what the grid shows.
    void Changed() { TCollectionItem::Changed(false); }

private:
    void FontChanged(TObject *sender);

    QString m_fieldName;
    TAlignment m_alignment = taLeftJustify;
    TColumnButtonStyle m_buttonStyle = cbsAuto;
    TColor m_color = clWindow;
    bool m_colorAssigned = false;
    int m_dropDownRows = 7;
    bool m_expanded = true;
    TFont *m_font;
    bool m_fontAssigned = false;
    bool m_settingDefault = false;
    TStringList *m_pickList;
    bool m_readOnly = false;
    TColumnTitle *m_title;
    bool m_visible = true;
    int m_width = 64;
    bool m_widthAssigned = false;
};

class TDBGridColumns : public TCollection
{
    Z_CLASS(TDBGridColumns)
public:
    explicit TDBGridColumns(TCustomDBGrid *grid);
    TColumn *Add() { return static_cast<TColumn *>(TCollection::Add()); }
    TColumn *Items(int index) const { return static_cast<TColumn *>(TCollection::Items(index)); }
    TCustomDBGrid *Grid() const { return m_grid; } // not owned: the grid owns us

protected:
    void Update(TCollectionItem *item) override;

private:
    TCustomDBGrid *m_grid;
};

class TCustomDBGrid : public TCustomGrid
{
    Z_CLASS(TCustomDBGrid)
public:
    explicit TCustomDBGrid(TComponent *owner);
    ~TCustomDBGrid() override;

    TDBGridColumns *Columns() const { return m_columns; } // owned
    void SetColumns(TDBGridColumns *columns) { m_columns->Assign(columns); }
    TDataSource *DataSource() const { return m_dataLink.DataSource(); } // not owned
    void SetDataSource(TDataSource *source);
    // The grid's own options; they set the plain grid's lines, sizing, tabs and selection.
    TDBGridOptions Options() const { return m_options; }
    void SetOptions(TDBGridOptions options);
    bool ReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool v) { m_readOnly = v; }
    TFont *TitleFont() const { return m_titleFont; } // owned
    void SetTitleFont(TFont *font) { m_titleFont->Assign(font); }

    // Columns of the grid before the data columns: the indicator's, if shown.
    int IndicatorOffset() const;
    // The column drawn in grid column col, or nullptr (the indicator, or the blank column
    // that stands in while no column is visible).
    TColumn *ColumnAt(int col) const;
    // The title row of a grid with titles, the single record row below it.
    int DataRow() const;

    TDBGridClickEvent OnCellClick;
    TNotifyEvent OnColEnter;
    TNotifyEvent OnColExit;
    TDrawColumnCellEvent OnDrawColumnCell;
    TDrawDataCellEvent OnDrawDataCell;
    TNotifyEvent OnEditButtonClick;
    TDBGridClickEvent OnTitleClick;

    void Notification(TComponent *component, TOperation operation) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    // Framework-internal: the columns changed; lays the grid out again.
    void LayoutChanged();

protected:
    void DrawCell(int col, int row, const QRect &rect, TGridDrawState state) override;
    void FontChanged() override;
    void ColorChanged() override;
    // The editor edits the current record's field of the column; storing its text puts the
    // data set into edit state.
    bool CanEditShow() const override;
    QString GetEditText(int col, int row) override;
    void SetEditText(int col, int row, const QString &value) override;
    // A column sized or moved by the user takes its new width or place in Columns.
    void ColWidthsChanged() override;
    void ColumnMoved(int fromIndex, int toIndex) override;

private:
    void DataChange(TObject *sender);
    void TitleFontChanged(TObject *sender);
    std::vector<TColumn *> VisibleColumns() const;
    void DrawIndicator(QPainter &painter, const QRect &rect);

    TDBGridColumns *m_columns;
    TFieldDataLink m_dataLink; // no field of its own: follows the data set
    TDBGridOptions m_options = DefaultDBGridOptions;
    bool m_readOnly = false;
    TFont *m_titleFont;
    bool m_layingOut = false;
};

class TDBGrid : public TCustomDBGrid
{
    Z_CLASS(TDBGrid)
public:
    explicit TDBGrid(TComponent *owner);
};
