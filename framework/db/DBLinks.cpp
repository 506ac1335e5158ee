// Data links: how a data-aware control follows a data source and a field of its data set.

#include "DB.h"

Z_DEFINE_CLASS(TDataLink, TPersistent, NoPublishedProps)

TDataLink::~TDataLink()
{
    if (m_dataSource)
        m_dataSource->RemoveDataLink(this);
}

void TDataLink::SetDataSource(TDataSource *source)
{
    if (source == m_dataSource)
        return;
    if (m_dataSource)
        m_dataSource->RemoveDataLink(this);
    m_dataSource = source;
    if (m_dataSource)
        m_dataSource->AddDataLink(this);
    UpdateActive();
    UpdateEditing();
    if (m_active)
        DataSetChanged();
}

TDataSet *TDataLink::DataSet() const
{
    return m_dataSource ? m_dataSource->DataSet() : nullptr;
}

void TDataLink::SetReadOnly(bool v)
{
    m_readOnly = v;
    UpdateEditing();
}

bool TDataLink::Edit()
{
    if (!m_readOnly && m_dataSource)
        m_dataSource->Edit();
    return m_editing;
}

void TDataLink::SourceGone()
{
    if (!m_dataSource)
        return;
    m_dataSource->RemoveDataLink(this);
    m_dataSource = nullptr;
    UpdateActive();
    UpdateEditing();
}

void TDataLink::UpdateActive()
{
    const bool active = m_dataSource && m_dataSource->State() != dsInactive;
    if (active == m_active)
        return;
    m_active = active;
    ActiveChanged();
}

void TDataLink::UpdateEditing()
{
    const TDataSetState state = m_dataSource ? m_dataSource->State() : dsInactive;
    const bool editing = !m_readOnly && (state == dsEdit || state == dsInsert);
    if (editing == m_editing)
        return;
    m_editing = editing;
    EditingChanged();
}

void TDataLink::DataEvent(TDataEvent event, TField *field)
{
    switch (event) {
    case deUpdateState:
        UpdateActive();
        UpdateEditing();
        break;
    case deFieldChange:
    case deRecordChange:
        if (m_active)
            RecordChanged(field);
        break;
    case deDataSetChange:
    case deDataSetScroll:
        if (m_active)
            DataSetChanged();
        break;
    case deLayoutChange:
        if (m_active)
            LayoutChanged();
        break;
    case deUpdateRecord:
        if (m_active)
            UpdateData();
        break;
    }
}

// ---- TFieldDataLink ---------------------------------------------------------------------------

Z_DEFINE_CLASS(TFieldDataLink, TDataLink, NoPublishedProps)

void TFieldDataLink::SetFieldName(const QString &name)
{
    if (name == m_fieldName)
        return;
    m_fieldName = name;
    UpdateField();
}

bool TFieldDataLink::CanModify() const
{
    return !ReadOnly() && m_field && !m_field->ReadOnly();
}

void TFieldDataLink::Reset()
{
    m_modified = false;
    OnDataChange(this);
}

void TFieldDataLink::UpdateField()
{
    TDataSet *dataSet = DataSet();
    TField *field = Active() && dataSet && !m_fieldName.isEmpty()
        ? dataSet->FindField(m_fieldName) : nullptr;
    if (field == m_field)
        return;
    m_field = field;
    m_modified = false;
    OnDataChange(this);
}

void TFieldDataLink::ActiveChanged()
{
    UpdateField();
    OnActiveChange(this);
}

void TFieldDataLink::EditingChanged()
{
    OnEditingChange(this);
}

void TFieldDataLink::RecordChanged(TField *field)
{
    if (!field || field == m_field) {
        m_modified = false;
        OnDataChange(this);
    }
}

void TFieldDataLink::LayoutChanged()
{
    // The field list changed: the field may have gone or come.
    UpdateField();
    RecordChanged(nullptr);
}

void TFieldDataLink::UpdateData()
{
    if (m_modified) {
        OnUpdateData(this);
        m_modified = false;
    }
}
