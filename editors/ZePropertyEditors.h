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

// ---- Collections and menus -------------------------------------------------------------------

// ---- Component editors: page controls, object containers, image lists ------------------------
