#pragma once

// The collection dialog "Items": lists the items of a collection (the panels of a status bar,
// the sections of a header, the columns of a grid) and adds, deletes and reorders them. It does
// not edit an item itself: choosing one raises OnSelectItem, and the property editor that owns
// the dialog has the inspector show the item. The dialog is modeless and keeps no copy of the
// data: every change goes straight into the collection.
//
// TZeItemDialog, the base of this dialog and of the menu dialog, watches the components whose
// items the dialog shows. When one of them is freed (the user deleted it on the design form,
// or the designer closed) the dialog lets go of everything, hides and raises OnTargetsGone, so
// that it never shows or touches freed items.

#include "Forms.h"

#include <vector>

class TButton;
class TCollection;
class TListBox;
class TPanel;

// The chosen item (a collection item or a menu item).
using TSelectItemEvent = TEvent<TObject *>;

// Runs change inside one update of updatable (a list's lines, a tree's nodes), ended also
// when change raises.
template<class T, class F> void WithinUpdate(T *updatable, F change)
{
    updatable->BeginUpdate();
    try {
        change();
    } catch (...) {
        updatable->EndUpdate();
        throw;
    }
    updatable->EndUpdate();
}

class TZeItemDialog : public TForm
{
    Z_CLASS(TZeItemDialog)
public:
    explicit TZeItemDialog(TComponent *owner);
    ~TZeItemDialog() override;

    // (sender, close action), raised when the user closes the dialog.
    TCloseEvent OnEditorClose;
    // A watched component was freed: the dialog has emptied itself and hidden, and raises
    // no other event until it is given its data again.
    TNotifyEvent OnTargetsGone;
    // The dialog changed the collection or the menu (items added, deleted or moved), so that
    // the designer can bring its views up to date: the form, the inspector's component list.
    TNotifyEvent OnChanged;

    // Free-notified from now on; each call adds one component.
    void Watch(TComponent *component);
    void UnwatchAll();
    bool Watching(const TComponent *component) const;
    // Inside a handler that lets pending messages run: whoever would free the dialog waits.
    bool Busy() const { return m_busy > 0; }

    void FormClose(TObject *sender, TCloseAction &action);
    void Notification(TComponent *component, TOperation operation) override;

protected:
    // Lets go of every item shown and of the events that lead back to the property editor.
    virtual void ForgetTargets() = 0;
    // A watched component that is not a whole target went; false when it was one.
    virtual bool ItemGone(TComponent *component)
    {
        (void)component;
        return false;
    }
    // A button of the panel at the right, at row index (from 0), calling handler.
    TButton *AddButton(TPanel *panel, const char *name, const QString &caption, int row,
                       const TNotifyEvent &handler);
    // The form and its panel of buttons, as both dialogs have them.
    TPanel *BuildFrame(const QString &caption);

    int m_busy = 0;

private:
    std::vector<TComponent *> m_watched; // not owned; each is free-notified
};

class TfZeItemEditor : public TZeItemDialog
{
    Z_CLASS(TfZeItemEditor)
public:
    explicit TfZeItemEditor(TComponent *owner);

    TListBox *lbItems;
    TPanel *Panel1;
    TButton *Button1;
    TButton *Button2;
    TButton *Button3;
    TButton *Button4;

    TCollection *Collection = nullptr; // not owned; the property editor watches its holder
    TSelectItemEvent OnSelectItem;

    // Rebuilds the list from Collection, keeping the selected row where it can.
    void RefreshItems();
    // "0 - TStatusPanel": the item's position, " - ", its class name.
    static QString ItemLine(int index, const QString &className);

    void FormActivate(TObject *sender);
    void lbItemsClick(TObject *sender);
    void Button1Click(TObject *sender); // Add
    void Button2Click(TObject *sender); // Delete
    void Button3Click(TObject *sender); // Up
    void Button4Click(TObject *sender); // Down

protected:
    void ForgetTargets() override;

private:
    // Moves the item at the selected row to target and selects its new row.
    void MoveSelected(int target);
};
