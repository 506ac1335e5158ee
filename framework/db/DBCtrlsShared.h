#pragma once

// Framework-internal helpers of the data-aware controls: their data properties, the wiring of
// a control to its data link, and the refresh of the name they show at design time.

#include "DBCtrls.h"
#include "PublishedProps.h"

#include <QObject>

#include <functional>
#include <initializer_list>

namespace DBCtrlsDetail {

// The property DataSource of class C, a reference to a data source.
template<class C> TPropInfo DataSourceProp()
{
    return Prop<C>("DataSource", TDataSource::StaticClass()->ClassTypeInfo(), &C::DataSource,
                   &C::SetDataSource);
}

// DataField and DataSource, what every data-aware control publishes.
template<class C> void AppendDataProps(TPropTable &table)
{
    table.push_back(Prop<C>("DataField", TypeInfoString(), &C::DataField, &C::SetDataField));
    table.push_back(DataSourceProp<C>());
}

template<class C> void AppendReadOnlyProp(TPropTable &table)
{
    table.push_back(Prop<C>("ReadOnly", TypeInfoBoolean(), &C::ReadOnly, &C::SetReadOnly, 0));
}

// Drops the named properties from table: the ones a data-aware control takes from its field
// (a caption, a text, a check state) rather than publishing as its plain twin does. Raises
// EPropertyError for a name the table does not have.
void RemoveProps(TPropTable &table, std::initializer_list<const char *> names);

// LinkDataSource and ForgetDataSource: see DataAwareControl.h.
// The text a data-aware edit shows: the field's value; without a field its own name at
// design time (so that the form shows which edit is which), and nothing at run time.
QString FieldDisplayText(const TComponent *control, const TFieldDataLink &link);

// Calls refresh before each paint of a widget, for controls whose shown text follows their
// name at design time: a component is named after it is made, and renaming tells nobody.
class TPaintRefresher : public QObject
{
public:
    TPaintRefresher(QWidget *widget, std::function<void()> refresh);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<void()> m_refresh;
    bool m_refreshing = false;
};

} // namespace DBCtrlsDetail
