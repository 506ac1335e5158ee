#pragma once

// The designer's own editors: property editors that open the dialogs for pictures, icons,
// string lists, input masks, file filters, collections and menus, and component editors that
// give page controls, object containers and image lists their verbs. Each group is
// implemented in a ZePropertyEditors*.cpp of its own.

#include "DsgnIntf.h"

// ---- Pictures, icons, string lists, input masks and file filters -----------------------------

// -- Input masks and file filters (ZePropertyEditorsTexts.cpp): text properties edited in a
// dialog; the value text and SetValue stay those of the string editor.

// A masked edit's EditMask, in the mask dialog. The form counts as modified after the dialog
// closes, also when it was cancelled.
class TZeMaskEditor : public TStringProperty
{
    Z_CLASS(TZeMaskEditor)
public:
    void Edit() override;
    TPropertyAttributes GetAttributes() override;
};

// A file dialog's Filter, in the filter dialog; Cancel changes nothing.
class TZeFilterEditor : public TStringProperty
{
    Z_CLASS(TZeFilterEditor)
public:
    void Edit() override;
    TPropertyAttributes GetAttributes() override;
};

// ---- Collections and menus -------------------------------------------------------------------

// ---- Component editors: page controls, object containers, image lists ------------------------
