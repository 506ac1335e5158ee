#pragma once

// The designer's own editors: property editors that open the dialogs for pictures, icons,
// string lists, input masks, file filters, collections and menus, and component editors that
// give page controls, object containers and image lists their verbs. Each group is
// implemented in a ZePropertyEditors*.cpp of its own.

#include "DsgnIntf.h"

// ---- Pictures, icons, string lists, input masks and file filters -----------------------------

// Object hand-over: the picture, image, icon and string-list editors let a dialog edit a copy
// of the value and, on OK, pass the dialog's object to their own SetValue as text, the decimal
// number of its reference. Such a text designates an object only while Edit is handing that
// very object over: the editor remembers the object for the length of that one SetValue call
// and accepts no other number. A number typed into the value field, or any other text, thus
// designates nothing and is ignored like a non-number; it never becomes a reference.

// The text is not empty, starts with a digit "0" to "9" and converts to an integer as a whole.
bool IsNumberText(const QString &text);

// The base of the four editors above: a dialog edits the object, the hand-over writes it back.
class TZeObjectDialogEditor : public TPropertyEditor
{
    Z_CLASS(TZeObjectDialogEditor)
public:
    // Dialog, multiple selection.
    TPropertyAttributes GetAttributes() override;

protected:
    // Calls SetValue with the hand-over text of object (not owned).
    void HandOver(TObject *object);
    // The object text designates: the one HandOver is passing when text is its number,
    // else nullptr.
    TObject *HandedOver(const QString &text) const;
    // The property's object of target index (nullptr when it holds none).
    TPersistent *ValueObject(int index = 0) const;
    // When text designates an object of class cls, the property's object of every target
    // takes a copy of it and the designer hears of it; false when text designates none.
    bool CopyHandedOver(const QString &text, TClass cls);

private:
    TObject *m_handedOver = nullptr; // not owned; set only while HandOver runs
};

// A bitmap property (a button's Glyph).
class TZePictureEditor : public TZeObjectDialogEditor
{
    Z_CLASS(TZePictureEditor)
public:
    void Edit() override;
    QString GetValue() override;
    // Marks the form modified even when the text designates no bitmap.
    void SetValue(const QString &value) override;
};

// A picture property (an image's Picture).
class TZeImageEditor : public TZeObjectDialogEditor
{
    Z_CLASS(TZeImageEditor)
public:
    void Edit() override;
    QString GetValue() override;
    // Marks the form modified even when the text designates no picture.
    void SetValue(const QString &value) override;
};

// An icon property (a form's Icon).
class TZeIconEditor : public TZeObjectDialogEditor
{
    Z_CLASS(TZeIconEditor)
public:
    void Edit() override;
    QString GetValue() override;
    // A text that designates no icon changes nothing and marks nothing modified.
    void SetValue(const QString &value) override;
};

// A string-list property (a list box's Items, a memo's Lines).
class TZeStringsEditor : public TZeObjectDialogEditor
{
    Z_CLASS(TZeStringsEditor)
public:
    void Edit() override;
    QString GetValue() override;
    // A text that designates no list changes nothing and marks nothing modified.
    void SetValue(const QString &value) override;
};

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

class TZeItemDialog;
class TfZeItemEditor;
class TfZeMenuEditor;

// What the collection and menu editors share: each owns one modeless dialog, made in
// Initialize and freed with the editor. While the dialog is shown it holds the editor (a
// counted reference), because the inspector frees the rows, and with them their editors, on
// every Inspect, which the dialog itself causes whenever the user picks an item in it. The
// hold is let go after the dialog closes or loses what it shows, once its handlers returned.
class TZeItemDialogEditor : public TPropertyEditor
{
    Z_CLASS(TZeItemDialogEditor)
public:
    TPropertyAttributes GetAttributes() override { return attrDialog; }
    // The inspector shows item by itself; with nullptr, what is selected on the design form.
    void SelectItem(TObject *item);
    // The dialog closed: the inspector shows the design form's selection again.
    void EditorClosed(TObject *sender, TCloseAction &action);
    // Whether the dialog holds this editor now.
    bool HeldByDialog() const { return bool(m_hold); }

protected:
    // Wires the dialog's close events to this editor, shows it and holds the editor.
    void ShowDialog(TZeItemDialog *dialog);
    // The component whose property this is, or the nearest component above the value.
    TComponent *HolderComponent() const;

private:
    void TargetsGone(TObject *sender);
    void DialogChanged(TObject *sender);
    void ShowDesignSelection();
    void ReleaseHold();

    TZeItemDialog *m_dialog = nullptr; // the subclass's dialog, owned there
    TPropertyEditorRef m_hold;         // this editor, while the dialog is shown
};

// A collection property ("(TCollection)"): the "Items" dialog lists, adds, deletes and
// reorders its items.
class TZeCollectionItemEditor : public TZeItemDialogEditor
{
    Z_CLASS(TZeCollectionItemEditor)
public:
    ~TZeCollectionItemEditor() override;

    TfZeItemEditor *ItemDialog = nullptr; // owned

    void Edit() override;
    QString GetValue() override;
    void Initialize() override;
};

// A menu item whose sub-items are a menu ("(MenuItems)"): the "Menu" dialog shows it as a
// tree and adds, deletes and moves items.
class TZeMenuItemEditor : public TZeItemDialogEditor
{
    Z_CLASS(TZeMenuItemEditor)
public:
    ~TZeMenuItemEditor() override;

    TfZeMenuEditor *MenuDialog = nullptr; // owned

    void Edit() override;
    QString GetValue() override;
    void Initialize() override;
    void SetValue(const QString &value) override;
    // Replaces a proposed name by one unique on the design form.
    void MakeUniqueName(QString &name);
};

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
