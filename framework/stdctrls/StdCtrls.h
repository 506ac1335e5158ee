#pragma once

// Standard controls: labels, edits and memos, push buttons, check boxes and radio buttons,
// list and combo boxes, scroll bars, group boxes and static texts, with the enumeration types
// they publish.

#include "Controls.h"
#include "Forms.h"
#include "Strings.h"

class QShortcut;
class QLineEdit;
class QPlainTextEdit;
class QListWidget;
class QComboBox;
class QScrollBar;

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
PTypeInfo TypeInfoTAlignment();
// Qt horizontal alignment flag of a text alignment.
Qt::Alignment AlignmentFlag(TAlignment alignment);
// The two-valued alignment of check boxes and radio buttons (taLeftJustify, taRightJustify).
PTypeInfo TypeInfoTLeftRight();

enum TTextLayout { tlTop, tlCenter, tlBottom };
enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };
enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };
enum TListBoxStyle { lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable };
enum TComboBoxStyle {
    csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable
};
enum TScrollCode {
    scLineUp, scLineDown, scPageUp, scPageDown, scPosition, scTrack, scTop, scBottom,
    scEndScroll
};
enum TStaticBorderStyle { sbsNone, sbsSingle, sbsSunken };
// Owner-draw item states, a set: bit n = the state with ordinal n.
enum TOwnerDrawStateItem {
    odSelected, odGrayed, odDisabled, odChecked, odFocused, odDefault, odHotLight, odInactive,
    odNoAccel, odNoFocusRect, odReserved1, odReserved2, odComboBoxEdit
};
using TOwnerDrawState = quint32;

PTypeInfo TypeInfoTTextLayout();
PTypeInfo TypeInfoTEditCharCase();
PTypeInfo TypeInfoTScrollStyle();
PTypeInfo TypeInfoTCheckBoxState();
PTypeInfo TypeInfoTListBoxStyle();
PTypeInfo TypeInfoTComboBoxStyle();
PTypeInfo TypeInfoTStaticBorderStyle();
PTypeInfo TypeInfoTOwnerDrawState();

using TDrawItemEvent = TEvent<TObject *, int, QRect, TOwnerDrawState>;
using TMeasureItemEvent = TEvent<TObject *, int, int &>;
using TScrollEvent = TEvent<TObject *, TScrollCode, int &>;
PTypeInfo TypeInfoTDrawItemEvent();
PTypeInfo TypeInfoTMeasureItemEvent();
PTypeInfo TypeInfoTScrollEvent();

// The height of a text line in font, as the classic controls size themselves by it: for a
// character height h (negative Height) the line is h plus a fifth of it as leading (13 for
// the default 8-point font).
int FontLineHeight(const TFont *font);

// The text of a caption as shown: with showAccelChar, "&&" becomes "&" and a single "&" marks
// the next character (Qt's mnemonic); without, every "&" is shown as it is.
QString DisplayCaption(const QString &caption, bool showAccelChar);

// ---------------------------------------------------------------------------------------------
// Labels

// Text painted on the parent's background. With AutoSize the label takes the size of its text
// (keeping its width when WordWrap is on); FocusControl is the control the accelerator focuses.
class TCustomLabel : public TGraphicControl
{
    Z_CLASS(TCustomLabel)
public:
    explicit TCustomLabel(TComponent *owner);
    ~TCustomLabel() override;

    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment alignment);
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool v);
    TWinControl *FocusControl() const { return m_focusControl; } // not owned
    void SetFocusControl(TWinControl *control);
    TTextLayout Layout() const { return m_layout; }
    void SetLayout(TTextLayout layout);
    bool ShowAccelChar() const { return m_showAccelChar; }
    void SetShowAccelChar(bool v);
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool v);
    bool WordWrap() const { return m_wordWrap; }
    void SetWordWrap(bool v);

    void Notification(TComponent *component, TOperation operation) override;
    // Sizes the label to its text now (AutoSize does it after every change).
    void AdjustBounds();

protected:
    void Paint() override;
    void TextChanged() override;
    void FontChanged() override;
    // The Qt text flags of the current alignment, layout and wrapping.
    int TextFlags() const;

private:
    TAlignment m_alignment = taLeftJustify;
    bool m_autoSize = true;
    TWinControl *m_focusControl = nullptr;
    TTextLayout m_layout = tlTop;
    bool m_showAccelChar = true;
    bool m_transparent = false;
    bool m_wordWrap = false;
};

class TLabel : public TCustomLabel
{
    Z_CLASS(TLabel)
public:
    explicit TLabel(TComponent *owner);
};

// ---------------------------------------------------------------------------------------------
// Edits and memos

// A one-line edit drawn by a QLineEdit. Text is the edit's text; OnChange follows every change,
// typed or set. Descendants with another widget (the memo) override the widget hooks below.
class TCustomEdit : public TWinControl
{
    Z_CLASS(TCustomEdit)
public:
    explicit TCustomEdit(TComponent *owner);
    ~TCustomEdit() override;

    bool AutoSelect() const { return m_autoSelect; }
    void SetAutoSelect(bool v) { m_autoSelect = v; }
    // With AutoSize the height follows the font (single-line edits only).
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool v);
    TFormBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TFormBorderStyle style);
    TEditCharCase CharCase() const { return m_charCase; }
    // Converts the present text too.
    void SetCharCase(TEditCharCase charCase);
    // Whether the selection stops showing while the edit does not have the focus (it stays
    // selected all the same).
    bool HideSelection() const { return m_hideSelection; }
    void SetHideSelection(bool v);
    // 0: no limit. Typing stops at the limit; text set by code is cut to it.
    int MaxLength() const { return m_maxLength; }
    void SetMaxLength(int length);
    // Typed characters go through the OEM code page and back: those it cannot hold become '?'.
    bool OEMConvert() const { return m_oemConvert; }
    void SetOEMConvert(bool v) { m_oemConvert = v; }
    // 0: none; otherwise every character shows as this one.
    quint16 PasswordChar() const { return m_passwordChar; }
    void SetPasswordChar(quint16 ch);
    bool ReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool v);
    bool Modified() const { return m_modified; }
    void SetModified(bool v) { m_modified = v; }

    int SelStart() const;
    void SetSelStart(int start);
    int SelLength() const;
    void SetSelLength(int length);
    QString SelText() const;
    void SelectAll();
    void Clear() { SetText(QString()); }

    TNotifyEvent OnChange;

protected:
    QWidget *CreateWidget(QWidget *parentWidget) override;
    void InitWidget() override;
    void TextChanged() override;
    void FontChanged() override;
    void ColorChanged() override;
    void ApplyDesignState() override;
    // Calls OnChange; descendants add their own reaction first.
    virtual void Change();
    // The text after CharCase and MaxLength.
    QString FilteredText(const QString &text) const;
    // The widget hooks: push the edit's state to the widget, and read what the user typed.
    virtual void UpdateWidgetText();
    virtual void UpdateWidgetOptions();
    // From the widget: the user changed the text.
    void WidgetTextEdited(const QString &text);
    // The height AutoSize gives for the current font and border.
    int AutoHeight() const;
    QLineEdit *LineEdit() const;

private:
    void ApplyAutoSize();

    bool m_autoSelect = true;
    bool m_autoSize = true;
    TFormBorderStyle m_borderStyle = bsSingle;
    TEditCharCase m_charCase = ecNormal;
    bool m_hideSelection = true;
    int m_maxLength = 0;
    bool m_oemConvert = false;
    quint16 m_passwordChar = 0;
    bool m_readOnly = false;
    bool m_modified = false;
    bool m_syncing = false; // set while the widget is being told about a change
    int m_selStart = 0, m_selLength = 0;
};

// The published properties edits share (memos too), and those only one-line edits add: for
// the tables of edit classes here and in descendants' units.
TPropTable EditCommonProps();
TPropTable EditLineProps();

class TEdit : public TCustomEdit
{
    Z_CLASS(TEdit)
public:
    explicit TEdit(TComponent *owner);
};

// A multi-line edit drawn by a QPlainTextEdit. Lines is the text, kept in step with the widget
// both ways; Text is Lines joined with line breaks.
class TCustomMemo : public TCustomEdit
{
    Z_CLASS(TCustomMemo)
public:
    explicit TCustomMemo(TComponent *owner);
    ~TCustomMemo() override;

    TStrings *Lines() const { return m_lines; } // owned
    void SetLines(TStrings *lines) { m_lines->Assign(lines); }
    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment alignment);
    TScrollStyle ScrollBars() const { return m_scrollBars; }
    void SetScrollBars(TScrollStyle style);
    bool WantReturns() const { return m_wantReturns; }
    void SetWantReturns(bool v) { m_wantReturns = v; }
    bool WantTabs() const { return m_wantTabs; }
    void SetWantTabs(bool v);
    bool WordWrap() const { return m_wordWrap; }
    void SetWordWrap(bool v);

    bool KeyDown(quint16 &key, TShiftState shift) override;

protected:
    // For descendants whose Lines are a list of their own kind; takes lines over.
    TCustomMemo(TComponent *owner, TStringList *lines);
    QWidget *CreateWidget(QWidget *parentWidget) override;
    QString GetText() const override;
    void TextChanged() override;
    void UpdateWidgetText() override;
    void UpdateWidgetOptions() override;
    QPlainTextEdit *PlainTextEdit() const;

private:
    void LinesChanged(TObject *sender);
    void WidgetContentsChanged();

    TStringList *m_lines;
    TAlignment m_alignment = taLeftJustify;
    TScrollStyle m_scrollBars = ssNone;
    bool m_wantReturns = true;
    bool m_wantTabs = false;
    bool m_wordWrap = true;
    bool m_fromWidget = false; // Lines is being filled from the widget
    bool m_toWidget = false;   // the widget is being filled from Lines
};

class TMemo : public TCustomMemo
{
    Z_CLASS(TMemo)
public:
    explicit TMemo(TComponent *owner);
};

// ---------------------------------------------------------------------------------------------
// Buttons

// Base of the controls that click: push buttons, check boxes and radio buttons.
class TButtonControl : public TWinControl
{
    Z_CLASS(TButtonControl)
public:
    explicit TButtonControl(TComponent *owner);

protected:
    // The checked state of check boxes and radio buttons; push buttons have none.
    virtual bool GetChecked() const { return false; }
    virtual void SetCheckedState(bool checked) { (void)checked; }
    // Takes the action's Checked too.
    void ActionChange(TObject *sender, bool checkDefaults) override;
    TBasicActionLink *CreateActionLink() override;
    // True while the control sets its own state, so that no click is reported for it.
    bool m_clicksDisabled = false;

private:
    friend class TButtonActionLink;
};

// A push button drawn by a QPushButton. A click (mouse or keyboard) calls Click once; a
// button with a ModalResult gives it to its form, which ends the form's modal showing.
class TButton : public TButtonControl
{
    Z_CLASS(TButton)
public:
    explicit TButton(TComponent *owner);
    ~TButton() override;

    // Enter clicks the default button of the form, Escape the cancel button.
    bool Default() const { return m_default; }
    void SetDefault(bool v);
    bool Cancel() const { return m_cancel; }
    void SetCancel(bool v);
    TModalResult ModalResult() const { return m_modalResult; }
    void SetModalResult(TModalResult result) { m_modalResult = result; }

    void Click() override;

protected:
    QWidget *CreateWidget(QWidget *parentWidget) override;
    void InitWidget() override;
    void TextChanged() override;
    void ApplyDesignState() override;

private:
    void UpdateShortcuts();

    bool m_default = false;
    bool m_cancel = false;
    TModalResult m_modalResult = mrNone;
    QShortcut *m_defaultKey = nullptr; // child of the widget
    QShortcut *m_enterKey = nullptr;   // child of the widget
    QShortcut *m_cancelKey = nullptr;  // child of the widget
};

// A check box drawn by a QCheckBox. State has three values when AllowGrayed; a click moves
// unchecked to checked to grayed (if allowed) and back to unchecked. Alignment taLeftJustify
// puts the caption on the left of the box.
class TCustomCheckBox : public TButtonControl
{
    Z_CLASS(TCustomCheckBox)
public:
    explicit TCustomCheckBox(TComponent *owner);
    ~TCustomCheckBox() override;

    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment alignment);
    bool AllowGrayed() const { return m_allowGrayed; }
    void SetAllowGrayed(bool v) { m_allowGrayed = v; }
    bool Checked() const { return m_state == cbChecked; }
    void SetChecked(bool checked) { SetState(checked ? cbChecked : cbUnchecked); }
    TCheckBoxState State() const { return m_state; }
    // Calls Click when the state changes.
    void SetState(TCheckBoxState state);

protected:
    QWidget *CreateWidget(QWidget *parentWidget) override;
    void InitWidget() override;
    void TextChanged() override;
    bool GetChecked() const override { return Checked(); }
    void SetCheckedState(bool checked) override { SetChecked(checked); }
    // The user's click: moves to the next state.
    virtual void Toggle();
    // After the state changed.
    virtual void StateChanged();

private:
    void UpdateWidget();

    TAlignment m_alignment = taRightJustify;
    bool m_allowGrayed = false;
    TCheckBoxState m_state = cbUnchecked;
};

class TCheckBox : public TCustomCheckBox
{
    Z_CLASS(TCheckBox)
public:
    explicit TCheckBox(TComponent *owner);
};

// A radio button drawn by a QRadioButton. Checking one unchecks the other radio buttons of
// the same parent.
class TRadioButton : public TButtonControl
{
    Z_CLASS(TRadioButton)
public:
    explicit TRadioButton(TComponent *owner);
    ~TRadioButton() override;

    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment alignment);
    bool Checked() const { return m_checked; }
    // Checking calls Click and unchecks the siblings.
    void SetChecked(bool checked);

protected:
    QWidget *CreateWidget(QWidget *parentWidget) override;
    void InitWidget() override;
    void TextChanged() override;
    bool GetChecked() const override { return m_checked; }
    void SetCheckedState(bool checked) override { SetChecked(checked); }

private:
    void UpdateWidget();

    TAlignment m_alignment = taRightJustify;
    bool m_checked = false;
};

// ---------------------------------------------------------------------------------------------
// Lists

// The items of a list or combo box: strings with an object and an integer of data beside each
// (a check list box keeps its check states there). Sorted lists place added strings in order,
// ignoring case. Every change is announced through OnChange (once per BeginUpdate/EndUpdate).
class TItemStrings : public TStrings
{
    Z_CLASS(TItemStrings)
public:
    TItemStrings() = default;

    int Count() const override { return int(m_items.size()); }
    // In a sorted list the string goes to its place.
    int Add(const QString &s) override { return AddObject(s, nullptr); }
    int AddObject(const QString &s, TObject *object) override;
    void Insert(int index, const QString &s) override;
    void Delete(int index) override;
    void Clear() override;
    void Exchange(int index1, int index2) override;
    void Move(int curIndex, int newIndex) override;

    bool Sorted() const { return m_sorted; }
    // Turning it on sorts the items now (stably, data travelling with its string).
    void SetSorted(bool sorted);
    qint64 Data(int index) const;
    void SetData(int index, qint64 data);

    TNotifyEvent OnChange;

protected:
    QString Get(int index) const override;
    void Put(int index, const QString &s) override;
    TObject *GetObject(int index) const override;
    void PutObject(int index, TObject *object) override;
    void SetUpdateState(bool updating) override;

private:
    struct Item
    {
        QString string;
        TObject *object = nullptr; // not owned
        qint64 data = 0;
    };
    void CheckIndex(int index) const;
    void Changed();

    std::vector<Item> m_items;
    bool m_sorted = false;
};

// A list of strings drawn by a QListWidget. ItemIndex is the current item (-1 for none);
// MultiSelect lets several items be selected (Selected); Columns > 0 lays the items out in
// columns, filled top to bottom.
class TCustomListBox : public TWinControl
{
    Z_CLASS(TCustomListBox)
public:
    explicit TCustomListBox(TComponent *owner);
    ~TCustomListBox() override;

    TItemStrings *Items() const { return m_items; } // owned
    void SetItems(TStrings *items) { m_items->Assign(items); }
    // -1 for none; values out of range select nothing.
    int ItemIndex() const { return m_itemIndex; }
    void SetItemIndex(int index);
    bool Selected(int index) const;
    void SetSelected(int index, bool selected);
    int SelCount() const;
    int TopIndex() const;
    void Clear() { m_items->Clear(); }

    TFormBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TFormBorderStyle style);
    int Columns() const { return m_columns; }
    void SetColumns(int columns);
    bool ExtendedSelect() const { return m_extendedSelect; }
    void SetExtendedSelect(bool v);
    // Whether the height is cut to a whole number of items (not with lbOwnerDrawVariable).
    bool IntegralHeight() const { return m_integralHeight; }
    void SetIntegralHeight(bool v);
    int ItemHeight() const { return m_itemHeight; }
    // At least 1; the height of every item with lbOwnerDrawFixed, the height OnMeasureItem
    // starts from with lbOwnerDrawVariable.
    void SetItemHeight(int height);
    bool MultiSelect() const { return m_multiSelect; }
    void SetMultiSelect(bool v);
    bool Sorted() const { return m_items->Sorted(); }
    void SetSorted(bool v) { m_items->SetSorted(v); }
    TListBoxStyle Style() const { return m_style; }
    void SetStyle(TListBoxStyle style);
    // The distance of the tab stops in items' text, in dialog units (a quarter of the average
    // character width); 0 keeps the standard stops, every 8 characters.
    int TabWidth() const { return m_tabWidth; }
    void SetTabWidth(int width);
    // Where OnDrawItem draws, while it draws.
    TCanvas *Canvas() const { return m_canvas; } // owned

    TDrawItemEvent OnDrawItem;
    TMeasureItemEvent OnMeasureItem;

    void SetBounds(int left, int top, int width, int height) override;
    // Framework-internal, from the widget's item painter: paints item index over rect.
    virtual void PaintItem(QPainter &painter, int index, const QRect &rect,
                           TOwnerDrawState state);
    // Framework-internal: where a row over rect has its check box; empty for none.
    virtual QRect ItemCheckRect(const QRect &rect) const;

protected:
    QWidget *CreateWidget(QWidget *parentWidget) override;
    void InitWidget() override;
    void FontChanged() override;
    void ColorChanged() override;
    // Draws item index on Canvas: the owner-draw styles through OnDrawItem when assigned;
    // otherwise the item's text.
    virtual void DrawItem(int index, const QRect &rect, TOwnerDrawState state);
    // With lbOwnerDrawVariable: the height of item index, from ItemHeight through
    // OnMeasureItem.
    virtual void MeasureItem(int index, int &height);
    // The height of row index for the style.
    int RowHeight(int index);
    // The distance of the tab stops in pixels.
    int TabStopPixels() const;
    QListWidget *ListWidget() const;
    // Rebuilds the widget's rows from Items; descendants set up each row after.
    virtual void ItemsChanged();
    virtual void SetUpRow(int index);
    // From the widget: the user moved the current row.
    virtual void WidgetCurrentRowChanged(int row);

    bool m_syncing = false; // set while the widget is refilled

private:
    void ItemsObjectChanged(TObject *sender);
    void ApplyOptions();

    TItemStrings *m_items;
    int m_itemIndex = -1;
    TFormBorderStyle m_borderStyle = bsSingle;
    int m_columns = 0;
    bool m_extendedSelect = true;
    bool m_integralHeight = false;
    int m_itemHeight = 13;
    bool m_multiSelect = false;
    TListBoxStyle m_style = lbStandard;
    int m_tabWidth = 0;
    std::vector<bool> m_selected; // MultiSelect selection kept while there is no widget
    TCanvas *m_canvas;
};

// The published properties every list box has (check list boxes too), for their tables.
TPropTable ListBoxCommonProps();

class TListBox : public TCustomListBox
{
    Z_CLASS(TListBox)
public:
    explicit TListBox(TComponent *owner);
};

// A drop-down list drawn by a QComboBox: editable for csDropDown and csSimple, a plain choice
// for csDropDownList. Text is the edit's text, or the chosen item's.
class TCustomComboBox : public TWinControl
{
    Z_CLASS(TCustomComboBox)
public:
    explicit TCustomComboBox(TComponent *owner);
    ~TCustomComboBox() override;

    TItemStrings *Items() const { return m_items; } // owned
    void SetItems(TStrings *items) { m_items->Assign(items); }
    // Choosing an item makes it the text; -1 for none.
    int ItemIndex() const { return m_itemIndex; }
    void SetItemIndex(int index);
    void Clear();

    int DropDownCount() const { return m_dropDownCount; }
    void SetDropDownCount(int count);
    bool DroppedDown() const;
    void SetDroppedDown(bool v);
    int ItemHeight() const { return m_itemHeight; }
    void SetItemHeight(int height);
    int MaxLength() const { return m_maxLength; }
    void SetMaxLength(int length);
    bool Sorted() const { return m_items->Sorted(); }
    void SetSorted(bool v) { m_items->SetSorted(v); }
    TComboBoxStyle Style() const { return m_style; }
    void SetStyle(TComboBoxStyle style);
    // Whether the items are drawn by OnDrawItem (csOwnerDrawFixed, csOwnerDrawVariable).
    bool OwnerDrawn() const { return m_style == csOwnerDrawFixed
                                     || m_style == csOwnerDrawVariable; }
    // Where OnDrawItem draws, while it draws.
    TCanvas *Canvas() const { return m_canvas; } // owned

    TNotifyEvent OnChange;
    TNotifyEvent OnDropDown;
    TDrawItemEvent OnDrawItem;
    TMeasureItemEvent OnMeasureItem;

    // Framework-internal, from the list's item painter and the closed box: paints item index
    // (-1: none) over rect.
    void PaintItem(QPainter &painter, int index, const QRect &rect, TOwnerDrawState state);

protected:
    QWidget *CreateWidget(QWidget *parentWidget) override;
    void InitWidget() override;
    void TextChanged() override;
    void FontChanged() override;
    void ColorChanged() override;
    virtual void Change();
    virtual void DropDown();
    // Draws item index on Canvas: through OnDrawItem when owner-drawn and assigned, else its
    // text. The closed box's item comes with odComboBoxEdit.
    virtual void DrawItem(int index, const QRect &rect, TOwnerDrawState state);
    // With csOwnerDrawVariable: the height of item index, from ItemHeight through
    // OnMeasureItem.
    virtual void MeasureItem(int index, int &height);
    QComboBox *ComboWidget() const;
    bool Editable() const { return m_style == csDropDown || m_style == csSimple; }

private:
    void ItemsObjectChanged(TObject *sender);
    void SyncWidget();
    void WidgetActivated(int index);
    void WidgetTextEdited(const QString &text);

    TItemStrings *m_items;
    int m_itemIndex = -1;
    int m_dropDownCount = 8;
    int m_itemHeight = 13;
    int m_maxLength = 0;
    TComboBoxStyle m_style = csDropDown;
    bool m_syncing = false;
    TCanvas *m_canvas;
};

class TComboBox : public TCustomComboBox
{
    Z_CLASS(TComboBox)
public:
    explicit TComboBox(TComponent *owner);
};

// Framework-internal: what TComboBox publishes, also the start of what its data-aware twin
// publishes, so that the two stay alike.
TPropTable ComboBoxPublishedProps();

// ---------------------------------------------------------------------------------------------
// Scroll bars, group boxes, static texts

// A scroll bar drawn by a QScrollBar. Position stays within Min..Max - PageSize + 1 (Max when
// PageSize is 0); OnScroll sees each user action and may move the target position, OnChange
// follows every change of Position.
class TScrollBar : public TWinControl
{
    Z_CLASS(TScrollBar)
public:
    explicit TScrollBar(TComponent *owner);
    ~TScrollBar() override;

    TScrollBarKind Kind() const { return m_kind; }
    // Swaps width and height when the kind changes (as the classic control does).
    void SetKind(TScrollBarKind kind);
    int LargeChange() const { return m_largeChange; }
    void SetLargeChange(int v);
    int SmallChange() const { return m_smallChange; }
    void SetSmallChange(int v);
    int Min() const { return m_min; }
    void SetMin(int v) { SetParams(m_position, v, m_max); }
    int Max() const { return m_max; }
    void SetMax(int v) { SetParams(m_position, m_min, v); }
    int Position() const { return m_position; }
    void SetPosition(int v) { SetParams(v, m_min, m_max); }
    int PageSize() const { return m_pageSize; }
    void SetPageSize(int v);
    // Raises EInvalidOperation when min > max; clamps the position.
    void SetParams(int position, int min, int max);

    TNotifyEvent OnChange;
    TScrollEvent OnScroll;

protected:
    QWidget *CreateWidget(QWidget *parentWidget) override;
    void InitWidget() override;
    virtual void Change();
    virtual void Scroll(TScrollCode code, int &position);

private:
    void SyncWidget();
    void WidgetAction(int action);
    int MaxPosition() const;

    TScrollBarKind m_kind = sbHorizontal;
    int m_largeChange = 1;
    int m_smallChange = 1;
    int m_min = 0;
    int m_max = 100;
    int m_position = 0;
    int m_pageSize = 0;
    bool m_syncing = false;
};

// A frame with a caption in its top edge, holding controls. Aligned children fill the area
// inside the frame and below the caption.
class TCustomGroupBox : public TCustomControl
{
    Z_CLASS(TCustomGroupBox)
public:
    explicit TCustomGroupBox(TComponent *owner);

protected:
    void AdjustClientRect(QRect &rect) const override;
    void Paint() override;
    void TextChanged() override { Invalidate(); }
    void FontChanged() override;
    void EnabledChanged() override;
    // The height of a line of the caption's font.
    int CaptionHeight() const;
};

class TGroupBox : public TCustomGroupBox
{
    Z_CLASS(TGroupBox)
public:
    explicit TGroupBox(TComponent *owner);
};

// A label with a window of its own: it can take the tab and show a border.
class TCustomStaticText : public TWinControl
{
    Z_CLASS(TCustomStaticText)
public:
    explicit TCustomStaticText(TComponent *owner);
    ~TCustomStaticText() override;

    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment alignment);
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool v);
    TStaticBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TStaticBorderStyle style);
    TWinControl *FocusControl() const { return m_focusControl; } // not owned
    void SetFocusControl(TWinControl *control);
    bool ShowAccelChar() const { return m_showAccelChar; }
    void SetShowAccelChar(bool v);

    void Notification(TComponent *component, TOperation operation) override;
    void PaintWidget(QPainter &painter) override;
    void AdjustBounds();

protected:
    void TextChanged() override;
    void FontChanged() override;
    void EnabledChanged() override;

private:
    int BorderSize() const;

    TAlignment m_alignment = taLeftJustify;
    bool m_autoSize = true;
    TStaticBorderStyle m_borderStyle = sbsNone;
    TWinControl *m_focusControl = nullptr;
    bool m_showAccelChar = true;
};

class TStaticText : public TCustomStaticText
{
    Z_CLASS(TStaticText)
public:
    explicit TStaticText(TComponent *owner);
};
