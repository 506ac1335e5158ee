#pragma once

// Input controls of the common set: the hot-key field and the date and time picker.

#include "ComCtrls.h"
#include "SysUtils.h"

class QLineEdit;
class QDateTimeEdit;

enum THKModifier { hkShift, hkCtrl, hkAlt, hkExt };
using THKModifiers = quint32; // bit n = THKModifier n
enum THKInvalidKey {
    hcNone, hcShift, hcCtrl, hcAlt, hcShiftCtrl, hcShiftAlt, hcCtrlAlt, hcShiftCtrlAlt
};
using THKInvalidKeys = quint32; // bit n = THKInvalidKey n
PTypeInfo TypeInfoTHKModifiers();
PTypeInfo TypeInfoTHKInvalidKeys();

// Shows a shortcut as text and takes a new one from the next key pressed. A combination of
// modifiers listed in InvalidKeys gets Modifiers instead.
class TCustomHotKey : public TWinControl
{
    Z_CLASS(TCustomHotKey)
public:
    explicit TCustomHotKey(TComponent *owner);
    ~TCustomHotKey() override;

    quint16 HotKey() const { return m_hotKey; }
    void SetHotKey(quint16 shortCut);
    THKInvalidKeys InvalidKeys() const { return m_invalidKeys; }
    void SetInvalidKeys(THKInvalidKeys keys);
    THKModifiers Modifiers() const { return m_modifiers; }
    void SetModifiers(THKModifiers modifiers);
    // The shortcut a key with these shift keys makes, after the invalid-key rule.
    quint16 ShortCutOf(quint16 key, TShiftState shift) const;

    TNotifyEvent OnChange;

    bool KeyDown(quint16 &key, TShiftState shift) override;

protected:
    QWidget *CreateWidget(QWidget *parentWidget) override;
    void InitWidget() override;

private:
    void ShowHotKey();

    quint16 m_hotKey;
    THKInvalidKeys m_invalidKeys;
    THKModifiers m_modifiers;
};

class THotKey : public TCustomHotKey
{
    Z_CLASS(THotKey)
public:
    explicit THotKey(TComponent *owner);
};

enum TDTCalAlignment { dtaLeft, dtaRight };
enum TDTDateFormat { dfShort, dfLong };
enum TDTDateMode { dmComboBox, dmUpDown };
enum TDateTimeKind { dtkDate, dtkTime };
PTypeInfo TypeInfoTDTCalAlignment();
PTypeInfo TypeInfoTDTDateFormat();
PTypeInfo TypeInfoTDTDateMode();
PTypeInfo TypeInfoTDateTimeKind();

// The colours of a drop-down calendar: its background, days, title bar, title text, the
// month's background and the days of the neighbouring months.
class TMonthCalColors : public TPersistent
{
    Z_CLASS(TMonthCalColors)
public:
    TColor BackColor() const { return m_back; }
    void SetBackColor(TColor c) { SetColor(m_back, c); }
    TColor TextColor() const { return m_text; }
    void SetTextColor(TColor c) { SetColor(m_text, c); }
    TColor TitleBackColor() const { return m_titleBack; }
    void SetTitleBackColor(TColor c) { SetColor(m_titleBack, c); }
    TColor TitleTextColor() const { return m_titleText; }
    void SetTitleTextColor(TColor c) { SetColor(m_titleText, c); }
    TColor MonthBackColor() const { return m_monthBack; }
    void SetMonthBackColor(TColor c) { SetColor(m_monthBack, c); }
    TColor TrailingTextColor() const { return m_trailingText; }
    void SetTrailingTextColor(TColor c) { SetColor(m_trailingText, c); }
    void Assign(TPersistent *source) override;
    // After any colour changed.
    TNotifyEvent OnChange;

private:
    void SetColor(TColor &member, TColor value);

    TColor m_back = clWindow;
    TColor m_text = clWindowText;
    TColor m_titleBack = clActiveCaption;
    TColor m_titleText = clWhite;
    TColor m_monthBack = clWhite;
    TColor m_trailingText = clInactiveCaptionText;
};

// The user typed a text the picker does not read itself (ParseInput): the handler may give
// the value it stands for, or refuse the change.
using TDTParseInputEvent = TEvent<TObject *, QString, TDateTime &, bool &>;
PTypeInfo TypeInfoTDTParseInputEvent();

class QDateTimeEdit;
// Shows colors on the calendar that drops down from edit, when it has one.
void ApplyCalColors(const TMonthCalColors &colors, QDateTimeEdit *edit);

// Base of the calendar controls: the date limits and the calendar's alignment.
class TCommonCalendar : public TWinControl
{
    Z_CLASS(TCommonCalendar)
public:
    explicit TCommonCalendar(TComponent *owner);
    ~TCommonCalendar() override;

    // 0 means no limit.
    TDateTime MinDate() const { return m_minDate; }
    void SetMinDate(TDateTime date);
    TDateTime MaxDate() const { return m_maxDate; }
    void SetMaxDate(TDateTime date);
    TDTCalAlignment CalAlignment() const { return m_calAlignment; }
    void SetCalAlignment(TDTCalAlignment alignment) { m_calAlignment = alignment; }
    TMonthCalColors *CalColors() const { return m_calColors; } // owned
    void SetCalColors(TMonthCalColors *colors) { m_calColors->Assign(colors); }

protected:
    virtual void LimitsChanged() {}
    virtual void CalColorsChanged() {}
    // value brought within the limits that are set.
    TDateTime Limited(TDateTime value) const;

private:
    void CalColorsObjectChanged(TObject *) { CalColorsChanged(); }

    TDateTime m_minDate = 0;
    TDateTime m_maxDate = 0;
    TDTCalAlignment m_calAlignment = dtaLeft;
    TMonthCalColors *m_calColors;
};

// A date or a time in an edit field with a drop-down calendar (or up-down buttons), and an
// optional check box that marks the value as given.
class TDateTimePicker : public TCommonCalendar
{
    Z_CLASS(TDateTimePicker)
public:
    explicit TDateTimePicker(TComponent *owner);
    ~TDateTimePicker() override;

    TDateTime DateTime() const { return m_dateTime; }
    void SetDateTime(TDateTime value);
    // The whole days of DateTime; setting keeps the time of day.
    TDateTime Date() const;
    void SetDate(TDateTime value);
    // The time of day; setting keeps the date.
    TDateTime Time() const;
    void SetTime(TDateTime value);
    TDateTimeKind Kind() const { return m_kind; }
    void SetKind(TDateTimeKind kind);
    TDTDateFormat DateFormat() const { return m_dateFormat; }
    void SetDateFormat(TDTDateFormat format);
    TDTDateMode DateMode() const { return m_dateMode; }
    void SetDateMode(TDTDateMode mode);
    bool ShowCheckbox() const { return m_showCheckbox; }
    void SetShowCheckbox(bool v);
    bool Checked() const { return m_checked; }
    void SetChecked(bool v);
    bool ParseInput() const { return m_parseInput; }
    void SetParseInput(bool v) { m_parseInput = v; }

    TNotifyEvent OnChange;
    TNotifyEvent OnCloseUp;
    TNotifyEvent OnDropDown;
    TDTParseInputEvent OnUserInput;

    // Framework-internal: the user changed the value in the widget.
    void WidgetChanged(const QDateTime &value);

protected:
    QWidget *CreateWidget(QWidget *parentWidget) override;
    void InitWidget() override;
    void LimitsChanged() override;
    void CalColorsChanged() override { UpdateWidget(); }
    void FontChanged() override;
    void ColorChanged() override;

private:
    QDateTimeEdit *Editor() const;
    void UpdateWidget();

    TDateTime m_dateTime;
    TDateTimeKind m_kind = dtkDate;
    TDTDateFormat m_dateFormat = dfShort;
    TDTDateMode m_dateMode = dmComboBox;
    bool m_showCheckbox = false;
    bool m_checked = true;
    bool m_parseInput = false;
    bool m_syncing = false;
    QWidget *m_checkBox = nullptr; // child of the widget
};
