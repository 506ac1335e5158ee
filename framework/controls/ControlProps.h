#pragma once

// The published forms of the properties and events every control has. A control class builds
// its table from the names it publishes, so that each such property is described once:
//
//     TPropTable props = ControlProps({"Align", "Caption", "Color", "OnClick"});
//     props.push_back(Prop<TMyControl>("Own", ...));

#include "TypInfo.h"

#include <initializer_list>

// The records of the named properties, in the order given. Raises EPropertyError for a name
// the catalogue does not know (a typo in a class's table shows at its first use).
TPropTable ControlProps(std::initializer_list<const char *> names);
// Every name the catalogue knows.
QStringList ControlPropNames();
// Gives the named property of table the stored default of a class whose default differs from
// the catalogue's (a panel's Color, an edit's TabStop). Raises EPropertyError when the table
// has no such property.
void SetPropDefault(TPropTable &table, const char *name, qint64 value);
