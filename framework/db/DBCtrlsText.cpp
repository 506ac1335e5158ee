// Data-aware labels and edits, and the helpers every data-aware control shares.

#include "DBCtrlsShared.h"

#include <QEvent>

using namespace DBCtrlsDetail;

namespace DBCtrlsDetail {

void RemoveProps(TPropTable &table, std::initializer_list<const char *> names)
{
    for (const char *name : names) {
        const QString wanted = QString::fromLatin1(name);
        const auto it = std::find_if(table.begin(), table.end(),
                                     [&](const TPropInfo &p) { return p.Name == wanted; });
        if (it == table.end())
            throw EPropertyError(
                FormatMessage(QStringLiteral("No control property named %s"), {wanted}));
        table.erase(it);
    }
}

void LinkDataSource(TComponent *control, TDataLink &link, TDataSource *source)
{
    link.SetDataSource(source);
    if (source)
        source->FreeNotification(control);
}

void ForgetDataSource(TDataLink &link, TComponent *component, TOperation operation)
{
    if (operation == opRemove && component && component == link.DataSource())
        link.SetDataSource(nullptr);
}

QString FieldDisplayText(const TComponent *control, const TFieldDataLink &link)
{
    if (const TField *field = link.Field())
        return field->AsString();
    return control->Designing() ? control->Name() : QString();
}

TPaintRefresher::TPaintRefresher(QWidget *widget, std::function<void()> refresh)
    : QObject(widget), m_refresh(std::move(refresh))
{
    widget->installEventFilter(this);
}

bool TPaintRefresher::eventFilter(QObject *watched, QEvent *event)
{
    // Setting the text may itself ask for a paint; one refresh per paint is enough.
    if (event->type() == QEvent::Paint && !m_refreshing) {
        m_refreshing = true;
        try {
            m_refresh();
        } catch (...) {
            // A paint never fails for a stale name: the next paint tries again.
        }
        m_refreshing = false;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace DBCtrlsDetail

// ---- TDBText --------------------------------------------------------------------------------

static TPropTable DBTextProps()
{
    using L = TDBText;
    TPropTable t = GraphicControlBaseProps();
    AppendProps(t, ControlProps({"Align", "Anchors", "BiDiMode", "Color", "Constraints",
                                 "DragCursor", "DragKind", "DragMode", "Enabled", "Font",
                                 "ParentBiDiMode", "ParentColor", "ParentFont",
                                 "ParentShowHint", "PopupMenu", "ShowHint", "Visible",
                                 "OnClick", "OnContextPopup", "OnDblClick", "OnDragDrop",
                                 "OnDragOver", "OnEndDock", "OnEndDrag", "OnMouseDown",
                                 "OnMouseMove", "OnMouseUp", "OnStartDock", "OnStartDrag"}));
    SetPropDefault(t, "ParentColor", 1);
    t.push_back(Prop<L>("Alignment", TypeInfoTAlignment(), &L::Alignment, &L::SetAlignment,
                        taLeftJustify));
    // Unlike a label, a data label keeps its size: values come and go.
    t.push_back(Prop<L>("AutoSize", TypeInfoBoolean(), &L::AutoSize, &L::SetAutoSize, 0));
    t.push_back(Prop<L>("Layout", TypeInfoTTextLayout(), &L::Layout, &L::SetLayout, tlTop));
    t.push_back(Prop<L>("Transparent", TypeInfoBoolean(), &L::Transparent, &L::SetTransparent,
                        0));
    t.push_back(Prop<L>("WordWrap", TypeInfoBoolean(), &L::WordWrap, &L::SetWordWrap, 0));
    AppendDataProps<L>(t);
    return t;
}
Z_DEFINE_CLASS(TDBText, TCustomLabel, DBTextProps)

TDBText::TDBText(TComponent *owner) : TDataAwareControl(owner)
{
    // The text comes from the field, never from the name.
    SetControlStyle(ControlStyle() & ~quint32(csSetCaption));
    SetAutoSize(false);
    SetShowAccelChar(false);
    m_dataLink.OnDataChange = TNotifyEvent::Of<&TDBText::DataChange>(this);
}

TDBText::~TDBText()
{
    Destroying();
}

void TDBText::SetDesigning(bool designing, bool setChildren)
{
    TCustomLabel::SetDesigning(designing, setChildren);
    DataChange(nullptr);
}

QString TDBText::GetText() const
{
    return FieldDisplayText(this, m_dataLink);
}

void TDBText::DataChange(TObject *)
{
    if (IsDestroying())
        return;
    if (AutoSize())
        AdjustBounds();
    Invalidate();
}

// ---- TDBEdit --------------------------------------------------------------------------------

static TPropTable DBEditProps()
{
    using E = TDBEdit;
    TPropTable t = EditCommonProps();
    AppendProps(t, EditLineProps());
    // The text is the field's; read-only also stops the data link.
    RemoveProps(t, {"Text", "ReadOnly"});
    AppendReadOnlyProp<E>(t);
    AppendDataProps<E>(t);
    return t;
}
Z_DEFINE_CLASS(TDBEdit, TCustomMaskEdit, DBEditProps)

TDBEdit::TDBEdit(TComponent *owner) : TDataAwareControl(owner)
{
    SetControlStyle(ControlStyle() & ~quint32(csSetCaption)); // text comes from the field
    m_dataLink.OnDataChange = TNotifyEvent::Of<&TDBEdit::DataChange>(this);
    m_dataLink.OnEditingChange = TNotifyEvent::Of<&TDBEdit::EditingChange>(this);
    m_dataLink.OnUpdateData = TNotifyEvent::Of<&TDBEdit::UpdateData>(this);
    DataChange(nullptr);
}

TDBEdit::~TDBEdit()
{
    Destroying();
}

void TDBEdit::SetDesigning(bool designing, bool setChildren)
{
    TCustomMaskEdit::SetDesigning(designing, setChildren);
    DataChange(nullptr);
}

void TDBEdit::InitWidget()
{
    TCustomMaskEdit::InitWidget();
    new TPaintRefresher(m_widget, [this] {
        if (!Field() && Designing() && Text() != Name())
            DataChange(nullptr);
    });
}

void TDBEdit::UpdateEditable()
{
    TCustomEdit::SetReadOnly(!m_dataLink.CanModify());
}

void TDBEdit::DataChange(TObject *)
{
    if (IsDestroying())
        return;
    m_dataChanging = true;
    try {
        SetText(FieldDisplayText(this, m_dataLink));
    } catch (...) {
        m_dataChanging = false;
        throw;
    }
    m_dataChanging = false;
    SetModified(false);
    UpdateEditable();
}

void TDBEdit::EditingChange(TObject *)
{
    UpdateEditable();
}

void TDBEdit::Change()
{
    // What the user typed: the data set goes into edit mode and the field is written at post.
    if (!m_dataChanging && !IsDestroying()) {
        m_dataLink.Edit();
        m_dataLink.SetModified(true);
    }
    TCustomMaskEdit::Change();
}

void TDBEdit::UpdateData(TObject *)
{
    if (TField *field = Field())
        field->SetAsString(Text());
}
