#include "DB.h"

#include <algorithm>

PTypeInfo TypeInfoTDataSetState()
{
    static const TTypeInfo *t = NewEnumType(
        QStringLiteral("TDataSetState"),
        {QStringLiteral("dsInactive"), QStringLiteral("dsBrowse"), QStringLiteral("dsEdit"),
         QStringLiteral("dsInsert"), QStringLiteral("dsSetKey"), QStringLiteral("dsCalcFields"),
         QStringLiteral("dsFilter"), QStringLiteral("dsNewValue"), QStringLiteral("dsOldValue"),
         QStringLiteral("dsCurValue"), QStringLiteral("dsBlockRead"),
         QStringLiteral("dsInternalCalc")});
    return t;
}

PTypeInfo TypeInfoTDataChangeEvent()
{
    static const TTypeInfo *t = NewMethodType(QStringLiteral("TDataChangeEvent"),
                                              QStringLiteral("Sender: TObject; Field: TField"));
    return t;
}

template<class T> static void EraseFrom(std::vector<T *> &list, T *item)
{
    list.erase(std::remove(list.begin(), list.end(), item), list.end());
}

// ---- TField -----------------------------------------------------------------------------------

static TPropTable FieldProps()
{
    using F = TField;
    return {
        Prop<F>("DisplayLabel", TypeInfoString(), &F::DisplayLabel, &F::SetDisplayLabel),
        Prop<F>("FieldName", TypeInfoString(), &F::FieldName, &F::SetFieldName),
        Prop<F>("ReadOnly", TypeInfoBoolean(), &F::ReadOnly, &F::SetReadOnly, 0),
        Prop<F>("Visible", TypeInfoBoolean(), &F::Visible, &F::SetVisible, 1),
    };
}
Z_DEFINE_CLASS(TField, TComponent, FieldProps)

TField::TField(TComponent *owner) : TComponent(owner) {}

TField::~TField()
{
    Destroying();
    SetDataSet(nullptr);
}

void TField::SetDataSet(TDataSet *dataSet)
{
    if (dataSet == m_dataSet)
        return;
    if (m_dataSet)
        m_dataSet->RemoveFieldFromList(this);
    m_dataSet = dataSet;
    if (m_dataSet)
        m_dataSet->AddFieldToList(this);
}

void TField::SetAsString(const QString &value)
{
    if (!m_dataSet || (m_dataSet->State() != dsEdit && m_dataSet->State() != dsInsert))
        throw EDatabaseError(QStringLiteral("Dataset not in edit or insert mode"));
    if (m_readOnly)
        throw EDatabaseError(
            FormatMessage(QStringLiteral("Field '%s' cannot be modified"), {DisplayLabel()}));
    m_value = value;
    m_dataSet->DataEvent(deFieldChange, this);
}

// ---- TDataSet ---------------------------------------------------------------------------------

Z_DEFINE_CLASS(TDataSet, TComponent, NoPublishedProps)

TDataSet::TDataSet(TComponent *owner) : TComponent(owner) {}

TDataSet::~TDataSet()
{
    Destroying();
    // Closing first lets the sources and their controls see the data go while we still exist.
    SetState(dsInactive);
    const std::vector<TDataSource *> sources = m_dataSources;
    for (TDataSource *source : sources)
        source->DataSetGone();
    const std::vector<TField *> fields = m_fields;
    for (TField *field : fields)
        field->SetDataSet(nullptr);
    m_dataSources.clear();
    m_fields.clear();
}

void TDataSet::SetActive(bool active)
{
    if (active == Active())
        return;
    SetState(active ? dsBrowse : dsInactive);
    if (active)
        DataEvent(deDataSetChange);
}

void TDataSet::SetState(TDataSetState state)
{
    if (state == m_state)
        return;
    m_state = state;
    DataEvent(deUpdateState);
}

void TDataSet::CheckActive() const
{
    if (!Active())
        throw EDatabaseError(QStringLiteral("Cannot perform this operation on a closed dataset"));
}

void TDataSet::Edit()
{
    CheckActive();
    if (m_state == dsEdit || m_state == dsInsert)
        return;
    SetState(dsEdit);
}

void TDataSet::Post()
{
    CheckActive();
    if (m_state != dsEdit && m_state != dsInsert)
        return;
    // The controls write what the user typed into the fields first.
    DataEvent(deUpdateRecord);
    SetState(dsBrowse);
}

void TDataSet::Cancel()
{
    CheckActive();
    if (m_state != dsEdit && m_state != dsInsert)
        return;
    SetState(dsBrowse);
    DataEvent(deDataSetChange);
}

TField *TDataSet::FindField(const QString &name) const
{
    for (TField *f : m_fields) {
        if (f->FieldName().compare(name, Qt::CaseInsensitive) == 0)
            return f;
    }
    return nullptr;
}

TField *TDataSet::FieldByName(const QString &name) const
{
    if (TField *f = FindField(name))
        return f;
    throw EDatabaseError(FormatMessage(QStringLiteral("Field '%s' not found"), {name}));
}

TField *TDataSet::AddField(const QString &name)
{
    auto *field = new TField(this);
    field->SetFieldName(name);
    field->SetDataSet(this);
    return field;
}

void TDataSet::AddFieldToList(TField *field)
{
    m_fields.push_back(field);
    DataEvent(deLayoutChange);
}

void TDataSet::RemoveFieldFromList(TField *field)
{
    EraseFrom(m_fields, field);
    if (!IsDestroying())
        DataEvent(deLayoutChange);
}

void TDataSet::AddDataSource(TDataSource *source)
{
    if (std::find(m_dataSources.begin(), m_dataSources.end(), source) == m_dataSources.end())
        m_dataSources.push_back(source);
}

void TDataSet::RemoveDataSource(TDataSource *source)
{
    EraseFrom(m_dataSources, source);
}

void TDataSet::DataEvent(TDataEvent event, TField *field)
{
    // A handler may unhook a source: walk a copy and skip the ones gone meanwhile.
    const std::vector<TDataSource *> sources = m_dataSources;
    for (TDataSource *s : sources) {
        if (std::find(m_dataSources.begin(), m_dataSources.end(), s) != m_dataSources.end())
            s->DataEvent(event, field);
    }
}

// ---- TDataSource ------------------------------------------------------------------------------

static TPropTable DataSourceProps()
{
    using S = TDataSource;
    return {
        Prop<S>("AutoEdit", TypeInfoBoolean(), &S::AutoEdit, &S::SetAutoEdit, 1),
        Prop<S>("DataSet", TDataSet::StaticClass()->ClassTypeInfo(), &S::DataSet,
                &S::SetDataSet),
        Prop<S>("Enabled", TypeInfoBoolean(), &S::Enabled, &S::SetEnabled, 1),
        EventProp<S>("OnDataChange", TypeInfoTDataChangeEvent(), &S::OnDataChange),
        EventProp<S>("OnStateChange", TypeInfoTNotifyEvent(), &S::OnStateChange),
        EventProp<S>("OnUpdateData", TypeInfoTNotifyEvent(), &S::OnUpdateData),
    };
}
Z_DEFINE_CLASS(TDataSource, TComponent, DataSourceProps)

TDataSource::TDataSource(TComponent *owner) : TComponent(owner) {}

TDataSource::~TDataSource()
{
    Destroying();
    SetDataSet(nullptr);
    const std::vector<TDataLink *> links = m_dataLinks;
    for (TDataLink *link : links)
        link->SourceGone();
    m_dataLinks.clear();
}

void TDataSource::SetDataSet(TDataSet *dataSet)
{
    if (dataSet == m_dataSet)
        return;
    if (m_dataSet) {
        m_dataSet->RemoveDataSource(this);
        m_dataSet->RemoveFreeNotification(this);
    }
    m_dataSet = dataSet;
    if (m_dataSet) {
        m_dataSet->AddDataSource(this);
        m_dataSet->FreeNotification(this);
    }
    if (!IsDestroying())
        UpdateState();
}

void TDataSource::SetEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    UpdateState();
}

void TDataSource::Edit()
{
    if (m_autoEdit && m_state == dsBrowse)
        m_dataSet->Edit();
}

void TDataSource::DataSetGone()
{
    if (!m_dataSet)
        return;
    m_dataSet->RemoveDataSource(this);
    m_dataSet->RemoveFreeNotification(this);
    m_dataSet = nullptr;
    UpdateState();
}

void TDataSource::Notification(TComponent *component, TOperation operation)
{
    TComponent::Notification(component, operation);
    // The data set normally says goodbye itself (DataSetGone); this only drops the pointer.
    if (operation == opRemove && component == m_dataSet) {
        m_dataSet = nullptr;
        UpdateState();
    }
}

void TDataSource::UpdateState()
{
    const TDataSetState state = m_dataSet && m_enabled ? m_dataSet->State() : dsInactive;
    if (state == m_state)
        return;
    m_state = state;
    if (!IsDestroying())
        OnStateChange(this);
    DataEvent(deUpdateState, nullptr);
}

void TDataSource::DataEvent(TDataEvent event, TField *field)
{
    if (event == deUpdateState) {
        if (m_dataSet && m_enabled && m_dataSet->State() != m_state) {
            UpdateState(); // tells the links in turn
            return;
        }
    } else {
        if (!m_enabled)
            return;
        if (event == deUpdateRecord)
            OnUpdateData(this);
        else
            OnDataChange(this, event == deFieldChange ? field : nullptr);
    }
    const std::vector<TDataLink *> links = m_dataLinks;
    for (TDataLink *link : links) {
        if (std::find(m_dataLinks.begin(), m_dataLinks.end(), link) != m_dataLinks.end())
            link->DataEvent(event, field);
    }
}

void TDataSource::AddDataLink(TDataLink *link)
{
    if (std::find(m_dataLinks.begin(), m_dataLinks.end(), link) == m_dataLinks.end())
        m_dataLinks.push_back(link);
}

void TDataSource::RemoveDataLink(TDataLink *link)
{
    EraseFrom(m_dataLinks, link);
}
