#pragma once

// Helpers for the windows the program builds in code rather than reads from a form file: their
// controls get the names a form file would give them, and their frames are flat panels.

#include "ExtCtrls.h"

template<class T> T *Named(T *component, const char *name)
{
    component->SetName(QString::fromLatin1(name));
    return component;
}

// A panel without bevel or caption, aligned in parent.
inline TPanel *FlatPanel(TComponent *owner, TWinControl *parent, const char *name, TAlign align)
{
    auto *panel = Named(new TPanel(owner), name);
    panel->SetBevelOuter(bvNone);
    panel->SetCaption(QString());
    panel->SetAlign(align);
    panel->SetParent(parent);
    return panel;
}
