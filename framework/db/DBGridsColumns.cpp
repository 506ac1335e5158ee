// The columns of the data grid and their titles.

#include "DBGrids.h"

PTypeInfo TypeInfoTDBGridOption()
{
    static const TTypeInfo *t = NewEnumType(
        QStringLiteral("TDBGridOption"),
        {QStringLiteral("dgEditing"), QStringLiteral("dgAlwaysShowEditor"),
         QStringLiteral("dgTitles"), QStringLiteral("dgIndicator"),
         QStringLiteral("dgColumnResize"), QStringLiteral("dgColLines"),
         QStringLiteral("dgRowLines"), QStringLiteral("dgTabs"), QStringLiteral("dgRowSelect"),
         QStringLiteral("dgAlwaysShowSelection"), QStringLiteral("dgConfirmDelete"),
         QStringLiteral("dgCancelOnExit"), QStringLiteral("dgMultiSelect")});
    return t;
}

PTypeInfo TypeInfoTDBGridOptions()
{
    static const TTypeInfo *t =
        NewSetType(QStringLiteral("TDBGridOptions"), TypeInfoTDBGridOption());
    return t;
}

PTypeInfo TypeInfoTColumnButtonStyle()
{
    static const TTypeInfo *t = NewEnumType(
        QStringLiteral("TColumnButtonStyle"),
        {QStringLiteral("cbsAuto"), QStringLiteral("cbsEllipsis"), QStringLiteral("cbsNone")});
    return t;
}

PTypeInfo TypeInfoTDBGridClickEvent()
{
    static const TTypeInfo *t =
        NewMethodType(QStringLiteral("TDBGridClickEvent"), QStringLiteral("Column: TColumn"));
    return t;
}

PTypeInfo TypeInfoTDrawColumnCellEvent()
{
    static const TTypeInfo *t = NewMethodType(
        QStringLiteral("TDrawColumnCellEvent"),
        QStringLiteral("Sender: TObject; const Rect: TRect; DataCol: Integer; "
                       "Column: TColumn; State: TGridDrawState"));
    return t;
}

PTypeInfo TypeInfoTDrawDataCellEvent()
{
    static const TTypeInfo *t = NewMethodType(
        QStringLiteral("TDrawDataCellEvent"),
        QStringLiteral("Sender: TObject; const Rect: TRect; Field: TField; "
                       "State: TGridDrawState"));
    return t;
}

// ---- TColumnTitle ---------------------------------------------------------------------------

static TPropTable ColumnTitleProps()
{
    using T = TColumnTitle;
    return {
        Prop<T>("Alignment", TypeInfoTAlignment(), &T::Alignment, &T::SetAlignment,
                taLeftJustify),
        Prop<T>("Caption", TypeInfoString(), &T::Caption, &T::SetCaption),
        Prop<T>("Color", TypeInfoTColor(), &T::Color, &T::SetColor, clBtnFace),
        Prop<T>("Font", TFont::StaticClass()->ClassTypeInfo(), &T::Font, &T::SetFont),
    };
}
Z_DEFINE_CLASS(TColumnTitle, TPersistent, ColumnTitleProps)

TColumnTitle::TColumnTitle(TColumn *column) : m_column(column), m_font(new TFont)
{
    RefreshDefaultFont();
    m_font->OnChange = TNotifyEvent::Of<&TColumnTitle::FontChanged>(this);
}

TColumnTitle::~TColumnTitle()
{
    delete m_font;
}

void TColumnTitle::Assign(TPersistent *source)
{
    auto *other = ObjectCast<TColumnTitle>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    m_alignment = other->m_alignment;
    m_caption = other->m_caption;
    m_captionAssigned = other->m_captionAssigned;
    m_color = other->m_color;
    if (other->m_fontAssigned) {
        m_font->Assign(other->m_font);
    } else {
        m_fontAssigned = false;
        RefreshDefaultFont();
    }
    Changed();
}

QString TColumnTitle::Caption() const
{
    if (m_captionAssigned)
        return m_caption;
    // The field's label where there is a field, else its name.
    if (const TField *field = m_column->Field())
        return field->DisplayLabel();
    return m_column->FieldName();
}

void TColumnTitle::SetCaption(const QString &caption)
{
    m_caption = caption;
    m_captionAssigned = true;
    Changed();
}

void TColumnTitle::SetAlignment(TAlignment alignment)
{
    m_alignment = alignment;
    Changed();
}

void TColumnTitle::SetColor(TColor color)
{
    m_color = color;
    Changed();
}

void TColumnTitle::RefreshDefaultFont()
{
    if (m_fontAssigned)
        return;
    TCustomDBGrid *grid = m_column->Grid();
    m_settingDefault = true;
    if (grid)
        m_font->Assign(grid->TitleFont());
    m_settingDefault = false;
}

void TColumnTitle::FontChanged(TObject *)
{
    if (!m_settingDefault)
        m_fontAssigned = true;
    Changed();
}

void TColumnTitle::Changed()
{
    m_column->Changed();
}

// ---- TColumn --------------------------------------------------------------------------------

static TPropTable ColumnProps()
{
    using C = TColumn;
    return {
        Prop<C>("Alignment", TypeInfoTAlignment(), &C::Alignment, &C::SetAlignment,
                taLeftJustify),
        Prop<C>("ButtonStyle", TypeInfoTColumnButtonStyle(), &C::ButtonStyle,
                &C::SetButtonStyle, cbsAuto),
        Prop<C>("Color", TypeInfoTColor(), &C::Color, &C::SetColor),
        Prop<C>("DropDownRows", TypeInfoCardinal(), &C::DropDownRows, &C::SetDropDownRows, 7),
        Prop<C>("Expanded", TypeInfoBoolean(), &C::Expanded, &C::SetExpanded, 1),
        Prop<C>("FieldName", TypeInfoString(), &C::FieldName, &C::SetFieldName),
        Prop<C>("Font", TFont::StaticClass()->ClassTypeInfo(), &C::Font, &C::SetFont),
        Prop<C>("PickList", TStrings::StaticClass()->ClassTypeInfo(), &C::PickList,
                &C::SetPickList),
        Prop<C>("ReadOnly", TypeInfoBoolean(), &C::ReadOnly, &C::SetReadOnly, 0),
        Prop<C>("Title", TColumnTitle::StaticClass()->ClassTypeInfo(), &C::Title, &C::SetTitle),
        Prop<C>("Visible", TypeInfoBoolean(), &C::Visible, &C::SetVisible, 1),
        Prop<C>("Width", TypeInfoInteger(), &C::Width, &C::SetWidth),
    };
}
Z_DEFINE_CLASS(TColumn, TCollectionItem, ColumnProps)

TColumn::TColumn(TCollection *collection)
    : TCollectionItem(collection), m_font(new TFont), m_pickList(new TStringList)
{
    // The title asks for the grid: the column has joined its collection by now.
    m_title = new TColumnTitle(this);
    RefreshDefaultFont();
    m_font->OnChange = TNotifyEvent::Of<&TColumn::FontChanged>(this);
}

TColumn::~TColumn()
{
    delete m_title;
    delete m_pickList;
    delete m_font;
}

void TColumn::Assign(TPersistent *source)
{
    auto *other = ObjectCast<TColumn>(source);
    if (!other) {
        TCollectionItem::Assign(source);
        return;
    }
    m_fieldName = other->m_fieldName;
    m_alignment = other->m_alignment;
    m_buttonStyle = other->m_buttonStyle;
    m_color = other->m_color;
    m_colorAssigned = other->m_colorAssigned;
    m_dropDownRows = other->m_dropDownRows;
    m_expanded = other->m_expanded;
    if (other->m_fontAssigned) {
        m_font->Assign(other->m_font);
    } else {
        m_fontAssigned = false;
        RefreshDefaultFont();
    }
    m_pickList->Assign(other->m_pickList);
    m_readOnly = other->m_readOnly;
    m_title->Assign(other->m_title);
    m_visible = other->m_visible;
    m_width = other->m_width;
    m_widthAssigned = other->m_widthAssigned;
    Changed();
}

QString TColumn::DisplayName() const
{
    return m_fieldName.isEmpty() ? TCollectionItem::DisplayName() : m_fieldName;
}

TCustomDBGrid *TColumn::Grid() const
{
    auto *columns = dynamic_cast<TDBGridColumns *>(Collection());
    return columns ? columns->Grid() : nullptr;
}

TField *TColumn::Field() const
{
    TCustomDBGrid *grid = Grid();
    TDataSource *source = grid ? grid->DataSource() : nullptr;
    TDataSet *dataSet = source ? source->DataSet() : nullptr;
    if (!dataSet || !dataSet->Active() || m_fieldName.isEmpty())
        return nullptr;
    return dataSet->FindField(m_fieldName);
}

void TColumn::SetFieldName(const QString &name)
{
    m_fieldName = name;
    Changed();
}

void TColumn::SetAlignment(TAlignment alignment)
{
    m_alignment = alignment;
    Changed();
}

TColor TColumn::Color() const
{
    if (m_colorAssigned)
        return m_color;
    TCustomDBGrid *grid = Grid();
    return grid ? grid->Color() : m_color;
}

void TColumn::SetColor(TColor color)
{
    m_color = color;
    m_colorAssigned = true;
    Changed();
}

void TColumn::SetExpanded(bool v)
{
    if (v == m_expanded)
        return;
    m_expanded = v;
    Changed();
}

void TColumn::SetVisible(bool v)
{
    m_visible = v;
    Changed();
}

int TColumn::Width() const
{
    if (m_widthAssigned)
        return m_width;
    TCustomDBGrid *grid = Grid();
    return grid ? grid->DefaultColWidth() : m_width;
}

void TColumn::SetWidth(int width)
{
    m_width = std::max(0, width);
    m_widthAssigned = true;
    Changed();
}

void TColumn::RefreshDefaultFont()
{
    if (!m_fontAssigned) {
        if (TCustomDBGrid *grid = Grid()) {
            m_settingDefault = true;
            m_font->Assign(grid->Font());
            m_settingDefault = false;
        }
    }
    m_title->RefreshDefaultFont();
}

void TColumn::FontChanged(TObject *)
{
    if (!m_settingDefault)
        m_fontAssigned = true;
    Changed();
}

// ---- TDBGridColumns -------------------------------------------------------------------------

Z_DEFINE_CLASS(TDBGridColumns, TCollection, NoPublishedProps)

TDBGridColumns::TDBGridColumns(TCustomDBGrid *grid)
    : TCollection(TColumn::StaticClass(), &TCollection::NewItem<TColumn>, grid), m_grid(grid)
{
}

void TDBGridColumns::Update(TCollectionItem *)
{
    m_grid->LayoutChanged();
}
