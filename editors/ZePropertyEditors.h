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

// Page controls: a new page, and the previous and next page with wrap-around.
class TZePageControlEditor : public TDefaultEditor
{
    Z_CLASS(TZePageControlEditor)
public:
    void ExecuteVerb(int index) override;
    QString GetVerb(int index) override;
    int GetVerbCount() override;
};

// Object containers: an empty one offers only to insert an object; a filled one offers the
// object's own verbs, then insert (replacing it), copy, delete and its properties.
class TZeOLEEditor : public TDefaultEditor
{
    Z_CLASS(TZeOLEEditor)
public:
    void ExecuteVerb(int index) override;
    QString GetVerb(int index) override;
    int GetVerbCount() override;
};

// Image lists: "Edit..." opens the image list editor on a copy of the list.
class TZeImageListEditor : public TDefaultEditor
{
    Z_CLASS(TZeImageListEditor)
public:
    void ExecuteVerb(int index) override;
    QString GetVerb(int index) override;
    int GetVerbCount() override;

private:
    void ListModified();
};
