#pragma once

// Data-aware controls: each shows one field of a data source's data set in the look of its
// plain twin (a label, an edit, a memo, a list, a check box, ...). Without a data source, or
// with a closed data set, they show their plain look: at design time the edit-like ones show
// their own name, as the classic controls do, and at run time they refuse input.

#include "ComCtrlsRichEdit.h"
#include "DB.h"
#include "DataAwareControl.h"
#include "ExtCtrls.h"
#include "Mask.h"
#include "Menus.h"
#include "StdCtrls.h"

class TDBImage;

// ---------------------------------------------------------------------------------------------
// Labels and edits

// A label whose caption is the field's value.
class TDBText : public TDataAwareControl<TCustomLabel>
{
    Z_CLASS(TDBText)
public:
    explicit TDBText(TComponent *owner);
    ~TDBText() override;

    void SetDesigning(bool designing, bool setChildren = true) override;

protected:
    // The field's value; without a field the name at design time, else nothing.
    QString GetText() const override;

private:
    void DataChange(TObject *sender);
};

// A masked edit of the field's value. Typing asks the data source to edit first; what was
// typed goes into the field when the data set posts.
class TDBEdit : public TDataAwareControl<TCustomMaskEdit>
{
    Z_CLASS(TDBEdit)
public:
    explicit TDBEdit(TComponent *owner);
    ~TDBEdit() override;

    void SetDesigning(bool designing, bool setChildren = true) override;

protected:
    void InitWidget() override;
    void Change() override;
    // Lets the user type only where the field can take it.
    void UpdateEditable() override;

private:
    void DataChange(TObject *sender);
    void EditingChange(TObject *sender);
    void UpdateData(TObject *sender);

    bool m_dataChanging = false; // the text is being set from the field
};

// The data side of memos and rich edits (Base is the memo class they are drawn as): the
// field's value is the text. Without AutoDisplay the value is loaded only when the user asks
// for it (a double click or Enter), as for large texts.
template<class Base>
class TDBMemoBinding : public TDataAwareControl<Base>
{
public:
    explicit TDBMemoBinding(TComponent *owner);
    ~TDBMemoBinding() override;

    using TDataAwareControl<Base>::Field;
    bool AutoDisplay() const { return m_autoDisplay; }
    void SetAutoDisplay(bool v);
    // Shows the field's value now (what AutoDisplay does after every change).
    void LoadMemo();

    void SetDesigning(bool designing, bool setChildren = true) override;
    void DblClick() override;
    bool KeyDown(quint16 &key, TShiftState shift) override;

protected:
    void InitWidget() override;
    void Change() override;
    void UpdateEditable() override;
    using TDataAwareControl<Base>::m_dataLink;

private:
    void DataChange(TObject *sender);
    void EditingChange(TObject *sender);
    void UpdateData(TObject *sender);
    void ShowText(const QString &text);

    bool m_autoDisplay = true;
    bool m_memoLoaded = false;
    bool m_dataChanging = false;
};

class TDBMemo : public TDBMemoBinding<TCustomMemo>
{
    Z_CLASS(TDBMemo)
public:
    explicit TDBMemo(TComponent *owner);
};

// A rich edit of the field's text.
class TDBRichEdit : public TDBMemoBinding<TCustomRichEdit>
{
    Z_CLASS(TDBRichEdit)
public:
    explicit TDBRichEdit(TComponent *owner);
};

// ---------------------------------------------------------------------------------------------
// Lists, check boxes and radio groups

// A list box whose chosen item is the field's value.
class TDBListBox : public TDataAwareControl<TCustomListBox>
{
    Z_CLASS(TDBListBox)
public:
    explicit TDBListBox(TComponent *owner);
    ~TDBListBox() override;

protected:
    void WidgetCurrentRowChanged(int row) override;

private:
    void DataChange(TObject *sender);
    void UpdateData(TObject *sender);

    bool m_dataChanging = false;
};

// A combo box whose text is the field's value.
class TDBComboBox : public TDataAwareControl<TCustomComboBox>
{
    Z_CLASS(TDBComboBox)
public:
    explicit TDBComboBox(TComponent *owner);
    ~TDBComboBox() override;

    void SetDesigning(bool designing, bool setChildren = true) override;

protected:
    void InitWidget() override;
    void Change() override;

private:
    void DataChange(TObject *sender);
    void UpdateData(TObject *sender);

    bool m_dataChanging = false;
};

// A check box checked when the field's value is one of ValueChecked, unchecked for one of
// ValueUnchecked and grayed otherwise. Both are lists separated by semicolons, matched
// ignoring case; the first of each is what a click writes.
class TDBCheckBox : public TDataAwareControl<TCustomCheckBox>
{
    Z_CLASS(TDBCheckBox)
public:
    explicit TDBCheckBox(TComponent *owner);
    ~TDBCheckBox() override;

    QString ValueChecked() const { return m_valueChecked; }
    void SetValueChecked(const QString &values);
    QString ValueUnchecked() const { return m_valueUnchecked; }
    void SetValueUnchecked(const QString &values);

protected:
    // A click changes the state only when the data source lets the field be edited.
    void Toggle() override;

private:
    void DataChange(TObject *sender);
    void UpdateData(TObject *sender);
    TCheckBoxState FieldState() const;

    QString m_valueChecked = QStringLiteral("True");
    QString m_valueUnchecked = QStringLiteral("False");
};

// A radio group whose checked button stands for the field's value: the button's entry in
// Values, or its caption in Items where Values has none.
class TDBRadioGroup : public TDataAwareControl<TCustomRadioGroup>
{
    Z_CLASS(TDBRadioGroup)
public:
    explicit TDBRadioGroup(TComponent *owner);
    ~TDBRadioGroup() override;

    TStrings *Values() const { return m_values; } // owned
    void SetValues(TStrings *values) { m_values->Assign(values); }
    // The value of the checked button; setting it checks the button that stands for it.
    QString Value() const { return m_value; }
    void SetValue(const QString &value);
    // What button index stands for.
    QString ButtonValue(int index) const;

    TNotifyEvent OnChange;

    void Click() override;

protected:
    bool CanModify() override;

private:
    void DataChange(TObject *sender);
    void UpdateData(TObject *sender);
    void ValuesChanged(TObject *sender);

    TStringList *m_values;
    QString m_value;
    bool m_settingValue = false;
};

// ---------------------------------------------------------------------------------------------
// Images

// A picture held in the field (the picture itself here, as there is no blob storage). Without
// a picture it shows its name (or the field's label) in brackets.
class TDBImage : public TDataAwareControl<TCustomControl>
{
    Z_CLASS(TDBImage)
public:
    explicit TDBImage(TComponent *owner);
    ~TDBImage() override;

    TPicture *Picture() const { return m_picture; } // owned
    void SetPicture(TPicture *picture) { m_picture->Assign(picture); }
    bool AutoDisplay() const { return m_autoDisplay; }
    void SetAutoDisplay(bool v);
    TFormBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TFormBorderStyle style);
    bool Center() const { return m_center; }
    void SetCenter(bool v);
    bool QuickDraw() const { return m_quickDraw; }
    void SetQuickDraw(bool v) { m_quickDraw = v; }
    bool Stretch() const { return m_stretch; }
    void SetStretch(bool v);
    // Where the picture is drawn, in the control's coordinates.
    QRect PictureRect() const;
    QRect ClientRect() const override;

protected:
    void Paint() override;

private:
    void PictureChanged(TObject *sender);
    void DataChange(TObject *sender);
    int BorderSize() const;

    TPicture *m_picture;
    bool m_autoDisplay = true;
    TFormBorderStyle m_borderStyle = bsSingle;
    bool m_center = true;
    bool m_quickDraw = true;
    bool m_stretch = false;
};

// ---------------------------------------------------------------------------------------------
// The navigator

enum TNavigateBtn {
    nbFirst, nbPrior, nbNext, nbLast, nbInsert, nbDelete, nbEdit, nbPost, nbCancel, nbRefresh
};
constexpr int NavigateBtnCount = nbRefresh + 1;
using TNavButtonSet = quint32; // bit n = TNavigateBtn n
constexpr TNavButtonSet AllNavigateButtons = (1u << NavigateBtnCount) - 1;
constexpr TNavButtonSet NavButtons(std::initializer_list<TNavigateBtn> buttons)
{
    TNavButtonSet set = 0;
    for (TNavigateBtn b : buttons)
        set |= TNavButtonSet(1u) << b;
    return set;
}
PTypeInfo TypeInfoTNavigateBtn();
PTypeInfo TypeInfoTNavButtonSet();

using TNavClickEvent = TEvent<TObject *, TNavigateBtn>;
PTypeInfo TypeInfoENavClick();

// A bar of buttons that move through and edit the data source's data set: the visible ones
// share the width, and without an alignment the bar keeps exactly the width they take. The
// buttons are painted by the bar itself, each with a small drawn glyph; they are enabled
// while no data source is set or while its data set allows the action.
class TDBNavigator : public TCustomPanel
{
    Z_CLASS(TDBNavigator)
public:
    explicit TDBNavigator(TComponent *owner);
    ~TDBNavigator() override;

    TDataSource *DataSource() const { return m_dataLink.DataSource(); } // not owned
    void SetDataSource(TDataSource *source);
    TNavButtonSet VisibleButtons() const { return m_visibleButtons; }
    void SetVisibleButtons(TNavButtonSet buttons);
    bool Flat() const { return m_flat; }
    void SetFlat(bool v);
    // One hint per button in button order; an empty or missing line keeps the standard one.
    TStrings *Hints() const { return m_hints; } // owned
    void SetHints(TStrings *hints) { m_hints->Assign(hints); }
    bool ConfirmDelete() const { return m_confirmDelete; }
    void SetConfirmDelete(bool v) { m_confirmDelete = v; }

    // Where button is drawn; empty for a hidden button.
    QRect ButtonRect(TNavigateBtn button) const;
    bool ButtonEnabled(TNavigateBtn button) const;
    QString ButtonHint(TNavigateBtn button) const;
    // Does what button stands for: BeforeAction, the action on the data set, then OnClick.
    void BtnClick(TNavigateBtn button);

    TNavClickEvent BeforeAction;
    TNavClickEvent OnClick;

    void SetBounds(int left, int top, int width, int height) override;
    void Notification(TComponent *component, TOperation operation) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

protected:
    void Paint() override;

private:
    // Shows a data set's state change in the buttons.
    class TNavDataLink : public TDataLink
    {
    public:
        explicit TNavDataLink(TDBNavigator *navigator) : m_navigator(navigator) {}

    protected:
        void ActiveChanged() override { m_navigator->Invalidate(); }
        void EditingChanged() override { m_navigator->Invalidate(); }
        void DataSetChanged() override { m_navigator->Invalidate(); }

    private:
        TDBNavigator *m_navigator; // not owned: the navigator owns the link
    };

    int VisibleCount() const;
    // The width the visible buttons take, every one at least the smallest button width.
    int FittedWidth(int width) const;
    int ButtonAt(int x, int y) const;
    void HintsChanged(TObject *sender);

    TNavDataLink m_dataLink;
    TNavButtonSet m_visibleButtons = AllNavigateButtons;
    bool m_flat = false;
    TStringList *m_hints;
    bool m_confirmDelete = true;
    int m_pressed = -1; // the button held down by the mouse
    int m_hot = -1;     // the button under the mouse, for the flat look
};

// ---------------------------------------------------------------------------------------------
// Lookup controls

enum TDropDownAlign { daLeft, daRight, daCenter };
PTypeInfo TypeInfoTDropDownAlign();

// The common part of the lookup list and combo box: the field they set (DataField of
// DataSource) takes the KeyField value of the record the user picks from ListSource, shown by
// its ListField (fields separated by semicolons; ListFieldIndex is the one searched).
class TDBLookupControl : public TDataAwareControl<TCustomControl>
{
    Z_CLASS(TDBLookupControl)
public:
    explicit TDBLookupControl(TComponent *owner);
    ~TDBLookupControl() override;

    QString KeyField() const { return m_keyField; }
    void SetKeyField(const QString &name);
    QString ListField() const { return m_listField; }
    void SetListField(const QString &names);
    int ListFieldIndex() const { return m_listFieldIndex; }
    // At least 0.
    void SetListFieldIndex(int index);
    TDataSource *ListSource() const { return m_listLink.DataSource(); } // not owned
    void SetListSource(TDataSource *source);
    // The key that sets the field to null.
    TShortCut NullValueKey() const { return m_nullValueKey; }
    void SetNullValueKey(TShortCut key) { m_nullValueKey = key; }
    // The field's value: the key of the record shown.
    QString KeyValue() const;
    // The list field's value of the record shown, when the list is open.
    QString DisplayText() const;

    void Notification(TComponent *component, TOperation operation) override;

protected:
    // The key field's value for every record of the list: the list field shown beside it.
    QStringList ListTexts() const;
    int BorderSize() const;

private:
    void DataChange(TObject *sender);

    TFieldDataLink m_listLink; // follows ListSource; its field is the list field searched
    QString m_keyField;
    QString m_listField;
    int m_listFieldIndex = 0;
    TShortCut m_nullValueKey = 0;
};

// A list of the lookup records, RowCount rows high.
class TDBLookupListBox : public TDBLookupControl
{
    Z_CLASS(TDBLookupListBox)
public:
    explicit TDBLookupListBox(TComponent *owner);

    TFormBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TFormBorderStyle style);
    // At least 1; the height follows it.
    int RowCount() const { return m_rowCount; }
    void SetRowCount(int count);
    int ItemHeight() const;
    QRect ClientRect() const override;

    void SetBounds(int left, int top, int width, int height) override;

protected:
    void Paint() override;
    void FontChanged() override;

private:
    // The height that shows exactly RowCount rows inside the border.
    int RowsHeight() const;

    TFormBorderStyle m_borderStyle = bsSingle;
    int m_rowCount = 7;
};

// An edit-like box showing the lookup record's list field, with a button that drops down a
// list of DropDownRows records.
class TDBLookupComboBox : public TDBLookupControl
{
    Z_CLASS(TDBLookupComboBox)
public:
    explicit TDBLookupComboBox(TComponent *owner);

    TDropDownAlign DropDownAlign() const { return m_dropDownAlign; }
    void SetDropDownAlign(TDropDownAlign align) { m_dropDownAlign = align; }
    // At least 1.
    int DropDownRows() const { return m_dropDownRows; }
    void SetDropDownRows(int rows);
    // 0: as wide as the box.
    int DropDownWidth() const { return m_dropDownWidth; }
    void SetDropDownWidth(int width);
    // The drop-down button, in the control's coordinates.
    QRect ButtonRect() const;

    TNotifyEvent OnDropDown;
    TNotifyEvent OnCloseUp;

    void SetBounds(int left, int top, int width, int height) override;

protected:
    void Paint() override;
    void FontChanged() override;

private:
    int FittedHeight() const;

    TDropDownAlign m_dropDownAlign = daLeft;
    int m_dropDownRows = 7;
    int m_dropDownWidth = 0;
};
