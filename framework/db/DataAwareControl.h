#pragma once

// The data side most data-aware controls share: one field data link and the DataField,
// DataSource, Field and ReadOnly members that hand through to it. Kept apart so that each
// control states only what it does with the field's value.

#include "DB.h"

namespace DBCtrlsDetail {

// Connects link to source on behalf of control. The control asks to be told when the source
// is freed; the source also drops its links itself, so the reference never dangles.
void LinkDataSource(TComponent *control, TDataLink &link, TDataSource *source);
// For Notification: forgets the link's source when that source is the component going.
void ForgetDataSource(TDataLink &link, TComponent *component, TOperation operation);

} // namespace DBCtrlsDetail

// Base is the plain control the data-aware one is drawn as. The link is protected: the
// control wires its own OnDataChange/OnUpdateData, since what a change means differs.
template<class Base>
class TDataAwareControl : public Base
{
public:
    explicit TDataAwareControl(TComponent *owner) : Base(owner) { m_dataLink.SetControl(this); }

    QString DataField() const { return m_dataLink.FieldName(); }
    void SetDataField(const QString &name) { m_dataLink.SetFieldName(name); }
    TDataSource *DataSource() const { return m_dataLink.DataSource(); } // not owned
    void SetDataSource(TDataSource *source)
    {
        DBCtrlsDetail::LinkDataSource(this, m_dataLink, source);
        UpdateEditable();
    }
    TField *Field() const { return m_dataLink.Field(); } // not owned
    bool ReadOnly() const { return m_dataLink.ReadOnly(); }
    void SetReadOnly(bool v)
    {
        m_dataLink.SetReadOnly(v);
        UpdateEditable();
    }

    void Notification(TComponent *component, TOperation operation) override
    {
        Base::Notification(component, operation);
        DBCtrlsDetail::ForgetDataSource(m_dataLink, component, operation);
    }

protected:
    // Called when the data source or ReadOnly changes, as either changes whether the field
    // can be modified: controls that take typing let the user type only where it can.
    virtual void UpdateEditable() {}

    TFieldDataLink m_dataLink;
};
