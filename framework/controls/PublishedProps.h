#pragma once

// Framework-internal helpers for building published-property tables of control classes from
// the catalogue in ControlProps.h.

#include "ControlProps.h"

// Appends more to table.
inline void AppendProps(TPropTable &table, TPropTable more)
{
    for (TPropInfo &p : more)
        table.push_back(std::move(p));
}

// What every control publishes: its place and size, its cursor and its hint.
inline TPropTable GraphicControlBaseProps()
{
    return ControlProps({"Cursor", "Height", "Hint", "Left", "Top", "Width"});
}

// What every windowed control publishes: the above and its help context.
inline TPropTable WinControlBaseProps()
{
    return ControlProps({"Cursor", "Height", "HelpContext", "Hint", "Left", "Top", "Width"});
}

// What the check boxes and radio buttons publish in common, the data-aware check box included.
TPropTable ButtonCommonProps();
