#pragma once

// Data access as far as the data source and the data-aware controls need it: a data set with
// named fields and a state, the data source that connects a data set to controls, and the data
// links through which a control follows a data source and one field of it.
//
// No database is reachable from here: a data set holds its fields' values in memory, which is
// enough for the designer to place, inspect and free data-aware components.

#include "Classes.h"
#include "TypInfo.h"

#include <vector>

class TDataSet;
class TDataSource;
class TDataLink;

Z_EXCEPTION(EDatabaseError, Exception)

enum TDataSetState {
    dsInactive, dsBrowse, dsEdit, dsInsert, dsSetKey, dsCalcFields, dsFilter, dsNewValue,
    dsOldValue, dsCurValue, dsBlockRead, dsInternalCalc
};
PTypeInfo TypeInfoTDataSetState();

// What a data set tells its data sources, and they their links.
enum TDataEvent {
    deFieldChange, deRecordChange, deDataSetChange, deDataSetScroll, deLayoutChange,
    deUpdateRecord, deUpdateState
};

class TField;
using TDataChangeEvent = TEvent<TObject *, TField *>;
PTypeInfo TypeInfoTDataChangeEvent();

// One column of a data set, holding the value of the current record.
class TField : public TComponent
{
    Z_CLASS(TField)
public:
    explicit TField(TComponent *owner);
    ~TField() override;

    TDataSet *DataSet() const { return m_dataSet; } // not owned
    // Moves the field into dataSet's field list (out of its previous one).
    void SetDataSet(TDataSet *dataSet);
    QString FieldName() const { return m_fieldName; }
    void SetFieldName(const QString &name) { m_fieldName = name; }
    // The field name when no label was given.
    QString DisplayLabel() const
    {
        return m_displayLabel.isEmpty() ? m_fieldName : m_displayLabel;
    }
    void SetDisplayLabel(const QString &label) { m_displayLabel = label; }
    bool ReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool v) { m_readOnly = v; }
    bool Visible() const { return m_visible; }
    void SetVisible(bool v) { m_visible = v; }

    QString AsString() const { return m_value; }
    // Raises EDatabaseError unless the data set is being edited; tells the data sources.
    void SetAsString(const QString &value);

private:
    TDataSet *m_dataSet = nullptr;
    QString m_fieldName;
    QString m_displayLabel;
    bool m_readOnly = false;
    bool m_visible = true;
    QString m_value;
};

class TDataSet : public TComponent
{
    Z_CLASS(TDataSet)
public:
    explicit TDataSet(TComponent *owner);
    ~TDataSet() override;

    bool Active() const { return m_state != dsInactive; }
    void SetActive(bool active);
    void Open() { SetActive(true); }
    void Close() { SetActive(false); }
    TDataSetState State() const { return m_state; }

    // Raise EDatabaseError on a closed data set.
    void Edit();
    void Post();
    void Cancel();

    int FieldCount() const { return int(m_fields.size()); }
    TField *Fields(int index) const { return m_fields.at(size_t(index)); }
    // nullptr when no field has that name (ignoring case).
    TField *FindField(const QString &name) const;
    // Raises EDatabaseError "Field 'X' not found".
    TField *FieldByName(const QString &name) const;
    // Makes a field of that name, owned by and listed in this data set.
    TField *AddField(const QString &name);

    // Framework-internal: the data set's data sources and fields register here.
    void AddDataSource(TDataSource *source);
    void RemoveDataSource(TDataSource *source);
    void AddFieldToList(TField *field);
    void RemoveFieldFromList(TField *field);
    void DataEvent(TDataEvent event, TField *field = nullptr);

private:
    void SetState(TDataSetState state);
    void CheckActive() const;

    TDataSetState m_state = dsInactive;
    std::vector<TField *> m_fields;            // not owned: each field's owner frees it
    std::vector<TDataSource *> m_dataSources;  // not owned
};

class TDataSource : public TComponent
{
    Z_CLASS(TDataSource)
public:
    explicit TDataSource(TComponent *owner);
    ~TDataSource() override;

    // Whether a data-aware control puts the data set into edit mode when the user types.
    bool AutoEdit() const { return m_autoEdit; }
    void SetAutoEdit(bool v) { m_autoEdit = v; }
    TDataSet *DataSet() const { return m_dataSet; } // not owned, free-notified
    void SetDataSet(TDataSet *dataSet);
    // A disabled source shows its links an inactive data set.
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool enabled);
    TDataSetState State() const { return m_state; }

    // Puts the data set into edit mode when AutoEdit allows it and it is browsing.
    void Edit();
    bool IsLinkedTo(TDataSet *dataSet) const { return dataSet && dataSet == m_dataSet; }
    int DataLinkCount() const { return int(m_dataLinks.size()); }

    TDataChangeEvent OnDataChange;
    TNotifyEvent OnStateChange;
    TNotifyEvent OnUpdateData;

    void Notification(TComponent *component, TOperation operation) override;

    // Framework-internal.
    void AddDataLink(TDataLink *link);
    void RemoveDataLink(TDataLink *link);
    void DataEvent(TDataEvent event, TField *field);
    // The data set is being freed: forget it without asking anything of it.
    void DataSetGone();

private:
    void UpdateState();

    bool m_autoEdit = true;
    TDataSet *m_dataSet = nullptr;
    bool m_enabled = true;
    TDataSetState m_state = dsInactive;
    std::vector<TDataLink *> m_dataLinks; // not owned
};

// Connects its holder (a data-aware control) to a data source. The source forgets its links
// when it is freed, so DataSource never dangles.
class TDataLink : public TPersistent
{
    Z_CLASS(TDataLink)
public:
    TDataLink() = default;
    ~TDataLink() override;

    TDataSource *DataSource() const { return m_dataSource; } // not owned
    void SetDataSource(TDataSource *source);
    TDataSet *DataSet() const;
    // The source's data set is open (and the source enabled).
    bool Active() const { return m_active; }
    bool Editing() const { return m_editing; }
    bool ReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool v);
    // Asks the source to edit; true when the data set is being edited afterwards.
    bool Edit();

    // Framework-internal: called by the data source.
    void DataEvent(TDataEvent event, TField *field);
    void SourceGone();

protected:
    virtual void ActiveChanged() {}
    virtual void EditingChanged() {}
    virtual void DataSetChanged() { RecordChanged(nullptr); }
    virtual void RecordChanged(TField *) {}
    virtual void LayoutChanged() { DataSetChanged(); }
    virtual void UpdateData() {}

private:
    void UpdateActive();
    void UpdateEditing();

    TDataSource *m_dataSource = nullptr;
    bool m_active = false;
    bool m_editing = false;
    bool m_readOnly = false;
};

// The link of a control that shows one field: the field is found by name whenever the data
// set opens or changes its layout.
class TFieldDataLink : public TDataLink
{
    Z_CLASS(TFieldDataLink)
public:
    TFieldDataLink() = default;

    TComponent *Control() const { return m_control; } // not owned
    void SetControl(TComponent *control) { m_control = control; }
    QString FieldName() const { return m_fieldName; }
    void SetFieldName(const QString &name);
    // The field named FieldName in an open data set, or nullptr.
    TField *Field() const { return m_field; }
    // The field exists, is writable and the link is not read-only.
    bool CanModify() const;
    bool Modified() const { return m_modified; }
    void SetModified(bool v) { m_modified = v; }
    // Shows the field's value again, dropping what the control changed.
    void Reset();

    TNotifyEvent OnDataChange;
    TNotifyEvent OnEditingChange;
    TNotifyEvent OnUpdateData;
    TNotifyEvent OnActiveChange;

protected:
    void ActiveChanged() override;
    void EditingChanged() override;
    void RecordChanged(TField *field) override;
    void LayoutChanged() override;
    void UpdateData() override;

private:
    void UpdateField();

    TComponent *m_control = nullptr;
    QString m_fieldName;
    TField *m_field = nullptr;
    bool m_modified = false;
};
