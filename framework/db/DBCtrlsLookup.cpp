// Lookup controls: a field set by picking a record of another data source.

#include "ClassicDraw.h"
#include "DBCtrlsShared.h"

#include <QPainter>
#include <QPolygon>

using namespace DBCtrlsDetail;

PTypeInfo TypeInfoTDropDownAlign()
{
    static const TTypeInfo *t = NewEnumType(
        QStringLiteral("TDropDownAlign"),
        {QStringLiteral("daLeft"), QStringLiteral("daRight"), QStringLiteral("daCenter")});
    return t;
}

namespace {

// The published part every lookup control shares, after the control properties.
template<class C> void AppendLookupProps(TPropTable &t)
{
    AppendDataProps<C>(t);
    t.push_back(Prop<C>("KeyField", TypeInfoString(), &C::KeyField, &C::SetKeyField));
    t.push_back(Prop<C>("ListField", TypeInfoString(), &C::ListField, &C::SetListField));
    t.push_back(Prop<C>("ListFieldIndex", TypeInfoInteger(), &C::ListFieldIndex,
                        &C::SetListFieldIndex, 0));
    t.push_back(Prop<C>("ListSource", TDataSource::StaticClass()->ClassTypeInfo(),
                        &C::ListSource, &C::SetListSource));
    t.push_back(Prop<C>("NullValueKey", TypeInfoTShortCut(), &C::NullValueKey,
                        &C::SetNullValueKey, 0));
    AppendReadOnlyProp<C>(t);
}

TPropTable LookupControlProps(std::initializer_list<const char *> more)
{
    TPropTable t = WinControlBaseProps();
    AppendProps(t, ControlProps({"Anchors", "BiDiMode", "Color", "Constraints", "Ctl3D",
                                 "DragCursor", "DragKind", "DragMode", "Enabled", "Font",
                                 "ImeMode", "ImeName", "ParentBiDiMode", "ParentColor",
                                 "ParentCtl3D", "ParentFont", "ParentShowHint", "PopupMenu",
                                 "ShowHint", "TabOrder", "TabStop", "Visible", "OnClick",
                                 "OnContextPopup", "OnDragDrop", "OnDragOver", "OnEndDock",
                                 "OnEndDrag", "OnEnter", "OnExit", "OnKeyDown", "OnKeyPress",
                                 "OnKeyUp", "OnMouseDown", "OnMouseMove", "OnMouseUp",
                                 "OnStartDock", "OnStartDrag"}));
    AppendProps(t, ControlProps(more));
    SetPropDefault(t, "Color", clWindow);
    SetPropDefault(t, "ParentColor", 0);
    SetPropDefault(t, "TabStop", 1);
    return t;
}

// The sunken edge of list and edit boxes; shrinks rect past it.
void DrawBoxBorder(QPainter &painter, QRect &rect, bool ctl3D)
{
    if (ctl3D) {
        Frame3D(painter, rect, clBtnShadow, clBtnHighlight, 1);
        Frame3D(painter, rect, cl3DDkShadow, cl3DLight, 1);
    } else {
        Frame3D(painter, rect, clWindowFrame, clWindowFrame, 1);
    }
}

} // namespace

// ---- TDBLookupControl -----------------------------------------------------------------------

Z_DEFINE_CLASS(TDBLookupControl, TCustomControl, NoPublishedProps)

TDBLookupControl::TDBLookupControl(TComponent *owner) : TDataAwareControl(owner)
{
    SetControlStyle(csCaptureMouse | csClickEvents | csOpaque | csDoubleClicks
                    | csReplicatable);
    SetParentColor(false);
    SetColor(clWindow);
    SetTabStop(true);
    m_dataLink.OnDataChange = TNotifyEvent::Of<&TDBLookupControl::DataChange>(this);
    m_listLink.SetControl(this);
    m_listLink.OnDataChange = TNotifyEvent::Of<&TDBLookupControl::DataChange>(this);
}

TDBLookupControl::~TDBLookupControl()
{
    Destroying();
    DestroyWidget();
}

void TDBLookupControl::SetListSource(TDataSource *source)
{
    LinkDataSource(this, m_listLink, source);
}

void TDBLookupControl::Notification(TComponent *component, TOperation operation)
{
    TDataAwareControl::Notification(component, operation);
    ForgetDataSource(m_listLink, component, operation);
}

void TDBLookupControl::SetKeyField(const QString &name)
{
    m_keyField = name;
    Invalidate();
}

void TDBLookupControl::SetListField(const QString &names)
{
    m_listField = names;
    SetListFieldIndex(m_listFieldIndex);
}

void TDBLookupControl::SetListFieldIndex(int index)
{
    m_listFieldIndex = std::max(0, index);
    // The link follows the field the list is searched by.
    const QStringList names = m_listField.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    const int at = std::min(m_listFieldIndex, int(names.size()) - 1);
    m_listLink.SetFieldName(at >= 0 ? names.at(at).trimmed() : QString());
    Invalidate();
}

QString TDBLookupControl::KeyValue() const
{
    return Field() ? Field()->AsString() : QString();
}

QStringList TDBLookupControl::ListTexts() const
{
    // The list data set holds its current record only.
    const TField *shown = m_listLink.Field();
    return shown ? QStringList{shown->AsString()} : QStringList{};
}

QString TDBLookupControl::DisplayText() const
{
    const TField *shown = m_listLink.Field();
    const TDataSet *list = m_listLink.DataSet();
    if (!shown || !list || !Field())
        return {};
    const TField *key = m_keyField.isEmpty() ? nullptr : list->FindField(m_keyField);
    return key && key->AsString() == KeyValue() ? shown->AsString() : QString();
}

int TDBLookupControl::BorderSize() const
{
    return Ctl3D() ? 2 : 1;
}

void TDBLookupControl::DataChange(TObject *)
{
    if (!IsDestroying())
        Invalidate();
}

// ---- TDBLookupListBox -----------------------------------------------------------------------

static TPropTable DBLookupListBoxProps()
{
    using L = TDBLookupListBox;
    TPropTable t = LookupControlProps({"Align", "OnDblClick"});
    t.push_back(Prop<L>("BorderStyle", TypeInfoTBorderStyle(), &L::BorderStyle,
                        &L::SetBorderStyle, bsSingle));
    t.push_back(Prop<L>("RowCount", TypeInfoInteger(), &L::RowCount, &L::SetRowCount, 7));
    AppendLookupProps<L>(t);
    return t;
}
Z_DEFINE_CLASS(TDBLookupListBox, TDBLookupControl, DBLookupListBoxProps)

TDBLookupListBox::TDBLookupListBox(TComponent *owner) : TDBLookupControl(owner)
{
    SetBounds(0, 0, 121, RowsHeight());
}

int TDBLookupListBox::ItemHeight() const
{
    return FontLineHeight(Font());
}

// The border's share of the height: both edges.
static int BorderHeight(TFormBorderStyle style, int borderSize)
{
    return style == bsSingle ? 2 * borderSize : 0;
}

// Whole rows that fit a height, at least one. Worked out wide: the height may be any integer.
static int RowsInHeight(qint64 height, int border, int itemHeight)
{
    return ClampToInt(std::max<qint64>(1, (height - border) / std::max(1, itemHeight)));
}

int TDBLookupListBox::RowsHeight() const
{
    // Many rows would be taller than any integer: the height stops at the last one.
    return ClampToInt(qint64(m_rowCount) * ItemHeight()
                      + BorderHeight(m_borderStyle, BorderSize()));
}

QRect TDBLookupListBox::ClientRect() const
{
    const int b = m_borderStyle == bsSingle ? BorderSize() : 0;
    return QRect(b, b, std::max(0, Width() - 2 * b), std::max(0, Height() - 2 * b));
}

void TDBLookupListBox::SetBorderStyle(TFormBorderStyle style)
{
    m_borderStyle = style == bsNone ? bsNone : bsSingle;
    SetBounds(Left(), Top(), Width(), RowsHeight());
}

void TDBLookupListBox::SetRowCount(int count)
{
    m_rowCount = std::max(1, count);
    SetBounds(Left(), Top(), Width(), RowsHeight());
}

void TDBLookupListBox::SetBounds(int left, int top, int width, int height)
{
    // The list shows whole rows: the height sets the row count and is rounded to it.
    const int border = BorderHeight(m_borderStyle, BorderSize());
    m_rowCount = RowsInHeight(height, border, ItemHeight());
    TDBLookupControl::SetBounds(left, top, width, RowsHeight());
    // A height cut short (by the constraints, or at the end of the integer range) holds fewer
    // rows: the count follows what the list really shows.
    if (Height() < RowsHeight()) {
        m_rowCount = RowsInHeight(Height(), border, ItemHeight());
        TDBLookupControl::SetBounds(left, top, width, RowsHeight());
    }
}

void TDBLookupListBox::FontChanged()
{
    TDBLookupControl::FontChanged();
    SetBounds(Left(), Top(), Width(), RowsHeight());
}

void TDBLookupListBox::Paint()
{
    QPainter *painter = Canvas()->Painter();
    if (!painter)
        return;
    QRect r(0, 0, Width(), Height());
    if (m_borderStyle == bsSingle)
        DrawBoxBorder(*painter, r, Ctl3D());
    painter->fillRect(r, ColorToQColor(Color()));
    painter->setFont(Font()->ToQFont());
    const QStringList rows = ListTexts();
    const QString chosen = DisplayText();
    const int h = ItemHeight();
    for (int i = 0; i < rows.size() && i < m_rowCount; ++i) {
        const QRect row(r.left(), r.top() + i * h, r.width(), h);
        const bool selected = !chosen.isEmpty() && rows.at(i) == chosen;
        if (selected)
            painter->fillRect(row, ColorToQColor(clHighlight));
        DrawControlText(*painter, row.adjusted(2, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter,
                        rows.at(i), selected ? clHighlightText : Font()->Color(), Enabled());
    }
}

// ---- TDBLookupComboBox ----------------------------------------------------------------------

static TPropTable DBLookupComboBoxProps()
{
    using C = TDBLookupComboBox;
    TPropTable t = LookupControlProps({});
    t.push_back(Prop<C>("DropDownAlign", TypeInfoTDropDownAlign(), &C::DropDownAlign,
                        &C::SetDropDownAlign, daLeft));
    t.push_back(Prop<C>("DropDownRows", TypeInfoInteger(), &C::DropDownRows,
                        &C::SetDropDownRows, 7));
    t.push_back(Prop<C>("DropDownWidth", TypeInfoInteger(), &C::DropDownWidth,
                        &C::SetDropDownWidth, 0));
    t.push_back(EventProp<C>("OnCloseUp", TypeInfoTNotifyEvent(), &C::OnCloseUp));
    t.push_back(EventProp<C>("OnDropDown", TypeInfoTNotifyEvent(), &C::OnDropDown));
    AppendLookupProps<C>(t);
    return t;
}
Z_DEFINE_CLASS(TDBLookupComboBox, TDBLookupControl, DBLookupComboBoxProps)

TDBLookupComboBox::TDBLookupComboBox(TComponent *owner) : TDBLookupControl(owner)
{
    SetControlStyle(ControlStyle() | csFixedHeight);
    SetBounds(0, 0, 145, FittedHeight());
}

int TDBLookupComboBox::FittedHeight() const
{
    return FontLineHeight(Font()) + 2 * BorderSize() + 4;
}

void TDBLookupComboBox::SetDropDownRows(int rows)
{
    m_dropDownRows = std::max(1, rows);
}

void TDBLookupComboBox::SetDropDownWidth(int width)
{
    m_dropDownWidth = std::max(0, width);
}

void TDBLookupComboBox::SetBounds(int left, int top, int width, int height)
{
    // Like a combo box, the height follows the font.
    (void)height;
    TDBLookupControl::SetBounds(left, top, width, FittedHeight());
}

void TDBLookupComboBox::FontChanged()
{
    TDBLookupControl::FontChanged();
    SetBounds(Left(), Top(), Width(), FittedHeight());
}

QRect TDBLookupComboBox::ButtonRect() const
{
    const int b = BorderSize();
    const int w = std::min(16, std::max(0, Width() - 2 * b));
    return QRect(Width() - b - w, b, w, std::max(0, Height() - 2 * b));
}

void TDBLookupComboBox::Paint()
{
    QPainter *painter = Canvas()->Painter();
    if (!painter)
        return;
    QRect r(0, 0, Width(), Height());
    DrawBoxBorder(*painter, r, Ctl3D());
    painter->fillRect(r, ColorToQColor(Color()));
    QRect button = ButtonRect();
    const QRect text(r.left() + 2, r.top(), button.left() - r.left() - 2, r.height());
    painter->setFont(Font()->ToQFont());
    DrawControlText(*painter, text, Qt::AlignLeft | Qt::AlignVCenter, DisplayText(),
                    Font()->Color(), Enabled());
    painter->fillRect(button, ColorToQColor(clBtnFace));
    DrawButtonEdge(*painter, button, false);
    // The drop-down arrow: a small triangle pointing down.
    const QPoint c = button.center();
    painter->save();
    painter->setPen(Qt::NoPen);
    painter->setBrush(ColorToQColor(Enabled() ? clBtnText : clBtnShadow));
    painter->drawPolygon(QPolygon({QPoint(c.x() - 3, c.y() - 1), QPoint(c.x() + 4, c.y() - 1),
                                   QPoint(c.x(), c.y() + 3)}));
    painter->restore();
}
