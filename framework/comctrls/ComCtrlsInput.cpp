#include "ComCtrlsInput.h"

#include "ControlProps.h"
#include "ControlWidget.h"
#include "SafeCall.h"
#include "ShortCuts.h"

#include <QCheckBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QLocale>

#include <cmath>

PTypeInfo TypeInfoTHKModifiers()
{
    static const TTypeInfo *element = NewEnumType(
        QStringLiteral("THKModifier"), {QStringLiteral("hkShift"), QStringLiteral("hkCtrl"),
                                        QStringLiteral("hkAlt"), QStringLiteral("hkExt")});
    static const TTypeInfo *t = NewSetType(QStringLiteral("THKModifiers"), element);
    return t;
}

PTypeInfo TypeInfoTHKInvalidKeys()
{
    static const TTypeInfo *element = NewEnumType(
        QStringLiteral("THKInvalidKey"),
        {QStringLiteral("hcNone"), QStringLiteral("hcShift"), QStringLiteral("hcCtrl"),
         QStringLiteral("hcAlt"), QStringLiteral("hcShiftCtrl"), QStringLiteral("hcShiftAlt"),
         QStringLiteral("hcCtrlAlt"), QStringLiteral("hcShiftCtrlAlt")});
    static const TTypeInfo *t = NewSetType(QStringLiteral("THKInvalidKeys"), element);
    return t;
}

// --- TCustomHotKey --------------------------------------------------------------------------

Z_DEFINE_CLASS(TCustomHotKey, TWinControl, NoPublishedProps)

TCustomHotKey::TCustomHotKey(TComponent *owner)
    : TWinControl(owner), m_hotKey(scAlt | 'A'), m_invalidKeys((1u << hcNone) | (1u << hcShift)),
      m_modifiers(1u << hkAlt)
{
    SetParentColor(false);
    SetColor(clWindow);
    SetBounds(0, 0, 121, 19);
    SetTabStop(true);
}

TCustomHotKey::~TCustomHotKey()
{
    Destroying();
    DestroyWidget();
}

QWidget *TCustomHotKey::CreateWidget(QWidget *parentWidget)
{
    auto *edit = new QLineEdit(parentWidget);
    edit->setReadOnly(true);
    edit->setContextMenuPolicy(Qt::NoContextMenu);
    return edit;
}

void TCustomHotKey::InitWidget()
{
    ShowHotKey();
    TWinControl::InitWidget();
}

void TCustomHotKey::ShowHotKey()
{
    if (!m_widget)
        return;
    QString text = ShortCutToText(m_hotKey);
    // A shortcut of modifiers alone still shows them.
    if (text.isEmpty() && m_hotKey == 0)
        text = QStringLiteral("None");
    static_cast<QLineEdit *>(m_widget)->setText(text);
}

void TCustomHotKey::SetHotKey(quint16 shortCut)
{
    if (shortCut == m_hotKey)
        return;
    m_hotKey = shortCut;
    ShowHotKey();
}

void TCustomHotKey::SetInvalidKeys(THKInvalidKeys keys)
{
    m_invalidKeys = keys & 0xFF;
}

void TCustomHotKey::SetModifiers(THKModifiers modifiers)
{
    m_modifiers = modifiers & 0xF;
}

quint16 TCustomHotKey::ShortCutOf(quint16 key, TShiftState shift) const
{
    const bool s = shift & ssShift, c = shift & ssCtrl, a = shift & ssAlt;
    THKInvalidKey combination = hcNone;
    if (s && c && a)
        combination = hcShiftCtrlAlt;
    else if (s && c)
        combination = hcShiftCtrl;
    else if (s && a)
        combination = hcShiftAlt;
    else if (c && a)
        combination = hcCtrlAlt;
    else if (s)
        combination = hcShift;
    else if (c)
        combination = hcCtrl;
    else if (a)
        combination = hcAlt;
    quint16 mods = (s ? scShift : 0) | (c ? scCtrl : 0) | (a ? scAlt : 0);
    if (m_invalidKeys & (1u << combination)) {
        mods = ((m_modifiers & (1u << hkShift)) ? scShift : 0)
               | ((m_modifiers & (1u << hkCtrl)) ? scCtrl : 0)
               | ((m_modifiers & (1u << hkAlt)) ? scAlt : 0);
    }
    return quint16(mods | (key & 0xFF));
}

bool TCustomHotKey::KeyDown(quint16 &key, TShiftState shift)
{
    if (TWinControl::KeyDown(key, shift))
        return true;
    if (key == VK_SHIFT || key == VK_CONTROL || key == VK_MENU || key == VK_TAB)
        return false;
    const quint16 shortCut =
        (key == VK_BACK && !(shift & (ssShift | ssCtrl | ssAlt))) ? 0 : ShortCutOf(key, shift);
    if (shortCut != m_hotKey) {
        SetHotKey(shortCut);
        OnChange(this);
    }
    return true;
}

static TPropTable HotKeyProps()
{
    using H = THotKey;
    TPropTable t = ControlProps(
        {"Align", "Anchors", "BiDiMode", "Constraints", "Cursor", "Enabled", "Height",
         "HelpContext", "Hint", "Left", "ParentBiDiMode", "ParentShowHint", "PopupMenu",
         "ShowHint", "TabOrder", "TabStop", "Top", "Visible", "Width", "OnContextPopup",
         "OnEnter", "OnExit", "OnMouseDown", "OnMouseMove", "OnMouseUp"});
    SetPropDefault(t, "TabStop", 1);
    const TPropTable own = {
        Prop<H>("HotKey", TypeInfoTShortCut(), &H::HotKey, &H::SetHotKey, scAlt | 'A'),
        Prop<H>("InvalidKeys", TypeInfoTHKInvalidKeys(), &H::InvalidKeys, &H::SetInvalidKeys,
                (1u << hcNone) | (1u << hcShift)),
        Prop<H>("Modifiers", TypeInfoTHKModifiers(), &H::Modifiers, &H::SetModifiers,
                1u << hkAlt),
        EventProp<H>("OnChange", TypeInfoTNotifyEvent(), &H::OnChange),
    };
    t.insert(t.end(), own.begin(), own.end());
    return t;
}
Z_DEFINE_CLASS(THotKey, TCustomHotKey, HotKeyProps)

THotKey::THotKey(TComponent *owner) : TCustomHotKey(owner) {}

// --- TCommonCalendar ------------------------------------------------------------------------

PTypeInfo TypeInfoTDTCalAlignment()
{
    static const TTypeInfo *t =
        NewEnumType(QStringLiteral("TDTCalAlignment"),
                    {QStringLiteral("dtaLeft"), QStringLiteral("dtaRight")});
    return t;
}

PTypeInfo TypeInfoTDTDateFormat()
{
    static const TTypeInfo *t = NewEnumType(QStringLiteral("TDTDateFormat"),
                                            {QStringLiteral("dfShort"), QStringLiteral("dfLong")});
    return t;
}

PTypeInfo TypeInfoTDTDateMode()
{
    static const TTypeInfo *t = NewEnumType(
        QStringLiteral("TDTDateMode"), {QStringLiteral("dmComboBox"), QStringLiteral("dmUpDown")});
    return t;
}

PTypeInfo TypeInfoTDateTimeKind()
{
    static const TTypeInfo *t = NewEnumType(
        QStringLiteral("TDateTimeKind"), {QStringLiteral("dtkDate"), QStringLiteral("dtkTime")});
    return t;
}

Z_DEFINE_CLASS(TCommonCalendar, TWinControl, NoPublishedProps)

TCommonCalendar::TCommonCalendar(TComponent *owner)
    : TWinControl(owner), m_calColors(new TMonthCalColors)
{
    m_calColors->OnChange = TNotifyEvent::Of<&TCommonCalendar::CalColorsObjectChanged>(this);
}

TCommonCalendar::~TCommonCalendar()
{
    delete m_calColors;
}

void TCommonCalendar::SetMinDate(TDateTime date)
{
    if (date != 0 && m_maxDate != 0 && date > m_maxDate)
        throw EInvalidOperation(QStringLiteral("Date exceeds maximum of ")
                                + DateToStr(m_maxDate));
    m_minDate = date;
    LimitsChanged();
}

void TCommonCalendar::SetMaxDate(TDateTime date)
{
    if (date != 0 && m_minDate != 0 && date < m_minDate)
        throw EInvalidOperation(QStringLiteral("Date is less than minimum of ")
                                + DateToStr(m_minDate));
    m_maxDate = date;
    LimitsChanged();
}

TDateTime TCommonCalendar::Limited(TDateTime value) const
{
    // The limits are whole days: the last day counts up to its end.
    if (m_minDate != 0 && std::trunc(value) < std::trunc(m_minDate))
        value = m_minDate;
    if (m_maxDate != 0 && std::trunc(value) > std::trunc(m_maxDate))
        value = m_maxDate;
    return value;
}

// --- TDateTimePicker ------------------------------------------------------------------------

namespace {

// The check box (when shown) on the left, the date or time field filling the rest.
class TPickerWidget : public TControlWidget
{
public:
    TPickerWidget(TDateTimePicker *picker, QWidget *parent)
        : TControlWidget(picker, parent), m_edit(new QDateTimeEdit(this)),
          m_check(new QCheckBox(this))
    {
        m_check->hide();
        QObject::connect(m_edit, &QDateTimeEdit::dateTimeChanged, m_edit,
                         [picker](const QDateTime &v) {
                             SafeCall([&] { picker->WidgetChanged(v); });
                         });
        QObject::connect(m_check, &QCheckBox::toggled, m_check, [picker](bool on) {
            SafeCall([&] { picker->SetChecked(on); });
        });
    }
    QDateTimeEdit *Edit() const { return m_edit; }
    QCheckBox *Check() const { return m_check; }
    void LayOut()
    {
        const int box = m_check->isHidden() ? 0 : height();
        m_check->setGeometry(2, 0, std::max(0, box - 2), height());
        m_edit->setGeometry(box, 0, std::max(0, width() - box), height());
    }

protected:
    void resizeEvent(QResizeEvent *) override { LayOut(); }

private:
    QDateTimeEdit *m_edit; // child widget
    QCheckBox *m_check;    // child widget
};

TDateTime CombineDateTime(TDateTime date, TDateTime time)
{
    // A negative date counts its time of day away from zero (-1.25 is day -1 at 06:00).
    const double day = std::trunc(date);
    const double t = std::fabs(time - std::trunc(time));
    return day >= 0 ? day + t : day - t;
}

} // namespace

static TPropTable DateTimePickerProps()
{
    using D = TDateTimePicker;
    TPropTable t = ControlProps(
        {"Anchors", "BiDiMode", "Color", "Constraints", "Cursor", "DragCursor", "DragKind",
         "DragMode", "Enabled", "Font", "Height", "HelpContext", "Hint", "ImeMode", "ImeName",
         "Left", "ParentBiDiMode", "ParentColor", "ParentFont", "ParentShowHint", "PopupMenu",
         "ShowHint", "TabOrder", "TabStop", "Top", "Visible", "Width", "OnClick",
         "OnContextPopup", "OnDblClick", "OnDragDrop", "OnDragOver", "OnEndDock", "OnEndDrag",
         "OnEnter", "OnExit", "OnKeyDown", "OnKeyPress", "OnKeyUp", "OnStartDock",
         "OnStartDrag"});
    SetPropDefault(t, "Color", clWindow);
    SetPropDefault(t, "ParentColor", 0);
    SetPropDefault(t, "TabStop", 1);
    const TPropTable own = {
        Prop<D>("CalAlignment", TypeInfoTDTCalAlignment(), &D::CalAlignment,
                &D::SetCalAlignment, dtaLeft),
        Prop<D>("CalColors", TMonthCalColors::StaticClass()->ClassTypeInfo(), &D::CalColors,
                &D::SetCalColors),
        Prop<D>("Checked", TypeInfoBoolean(), &D::Checked, &D::SetChecked, 1),
        Prop<D>("Date", TypeInfoTDateTime(), &D::Date, &D::SetDate),
        Prop<D>("DateFormat", TypeInfoTDTDateFormat(), &D::DateFormat, &D::SetDateFormat,
                dfShort),
        Prop<D>("DateMode", TypeInfoTDTDateMode(), &D::DateMode, &D::SetDateMode, dmComboBox),
        Prop<D>("Kind", TypeInfoTDateTimeKind(), &D::Kind, &D::SetKind, dtkDate),
        Prop<D>("MaxDate", TypeInfoTDateTime(), &D::MaxDate, &D::SetMaxDate),
        Prop<D>("MinDate", TypeInfoTDateTime(), &D::MinDate, &D::SetMinDate),
        Prop<D>("ParseInput", TypeInfoBoolean(), &D::ParseInput, &D::SetParseInput, 0),
        Prop<D>("ShowCheckbox", TypeInfoBoolean(), &D::ShowCheckbox, &D::SetShowCheckbox, 0),
        Prop<D>("Time", TypeInfoTDateTime(), &D::Time, &D::SetTime),
        EventProp<D>("OnChange", TypeInfoTNotifyEvent(), &D::OnChange),
        EventProp<D>("OnCloseUp", TypeInfoTNotifyEvent(), &D::OnCloseUp),
        EventProp<D>("OnDropDown", TypeInfoTNotifyEvent(), &D::OnDropDown),
        EventProp<D>("OnUserInput", TypeInfoTDTParseInputEvent(), &D::OnUserInput),
    };
    t.insert(t.end(), own.begin(), own.end());
    return t;
}
Z_DEFINE_CLASS(TDateTimePicker, TCommonCalendar, DateTimePickerProps)

TDateTimePicker::TDateTimePicker(TComponent *owner) : TCommonCalendar(owner), m_dateTime(Now())
{
    SetParentColor(false);
    SetColor(clWindow);
    SetBounds(0, 0, 186, 21);
    SetTabStop(true);
}

TDateTimePicker::~TDateTimePicker()
{
    Destroying();
    DestroyWidget();
}

QDateTimeEdit *TDateTimePicker::Editor() const
{
    return m_widget ? static_cast<TPickerWidget *>(m_widget)->Edit() : nullptr;
}

QWidget *TDateTimePicker::CreateWidget(QWidget *parentWidget)
{
    return new TPickerWidget(this, parentWidget);
}

void TDateTimePicker::InitWidget()
{
    UpdateWidget();
    TCommonCalendar::InitWidget();
}

void TDateTimePicker::UpdateWidget()
{
    QDateTimeEdit *edit = Editor();
    if (!edit)
        return;
    m_syncing = true;
    auto *w = static_cast<TPickerWidget *>(m_widget);
    const QLocale locale;
    if (m_kind == dtkTime) {
        // The locale's time, always with seconds.
        QString format = locale.timeFormat(QLocale::ShortFormat);
        if (!format.contains(QLatin1Char('s')))
            format.replace(QStringLiteral("mm"), QStringLiteral("mm:ss"));
        edit->setDisplayFormat(format);
    } else {
        edit->setDisplayFormat(locale.dateFormat(m_dateFormat == dfLong ? QLocale::LongFormat
                                                                        : QLocale::ShortFormat));
    }
    // The calendar drops down from a combo-box picker of dates; times always step.
    edit->setCalendarPopup(m_kind == dtkDate && m_dateMode == dmComboBox);
    ApplyCalColors(*CalColors(), edit);
    if (MinDate() != 0)
        edit->setMinimumDate(DateOf(MinDate()));
    else
        edit->clearMinimumDate();
    if (MaxDate() != 0)
        edit->setMaximumDate(DateOf(MaxDate()));
    else
        edit->clearMaximumDate();
    edit->setDateTime(DateTimeToQDateTime(m_dateTime));
    edit->setEnabled(!m_showCheckbox || m_checked);
    w->Check()->setVisible(m_showCheckbox);
    w->Check()->setChecked(m_checked);
    w->LayOut();
    m_syncing = false;
}

void TDateTimePicker::WidgetChanged(const QDateTime &value)
{
    if (m_syncing)
        return;
    const TDateTime v = Limited(DateTimeFromQDateTime(value));
    if (v == m_dateTime)
        return;
    m_dateTime = v;
    OnChange(this);
}

void TDateTimePicker::SetDateTime(TDateTime value)
{
    value = Limited(value);
    if (value == m_dateTime)
        return;
    m_dateTime = value;
    UpdateWidget();
}

TDateTime TDateTimePicker::Date() const
{
    return std::trunc(m_dateTime);
}

void TDateTimePicker::SetDate(TDateTime value)
{
    SetDateTime(CombineDateTime(value, Time()));
}

TDateTime TDateTimePicker::Time() const
{
    return std::fabs(m_dateTime - std::trunc(m_dateTime));
}

void TDateTimePicker::SetTime(TDateTime value)
{
    SetDateTime(CombineDateTime(Date(), value));
}

void TDateTimePicker::SetKind(TDateTimeKind kind)
{
    m_kind = kind;
    UpdateWidget();
}

void TDateTimePicker::SetDateFormat(TDTDateFormat format)
{
    m_dateFormat = format;
    UpdateWidget();
}

void TDateTimePicker::SetDateMode(TDTDateMode mode)
{
    m_dateMode = mode;
    UpdateWidget();
}

void TDateTimePicker::SetShowCheckbox(bool v)
{
    m_showCheckbox = v;
    UpdateWidget();
}

void TDateTimePicker::SetChecked(bool v)
{
    if (v == m_checked)
        return;
    m_checked = v;
    UpdateWidget();
    if (!m_syncing)
        OnChange(this);
}

void TDateTimePicker::LimitsChanged()
{
    m_dateTime = Limited(m_dateTime);
    UpdateWidget();
}

void TDateTimePicker::FontChanged()
{
    TCommonCalendar::FontChanged();
    if (QDateTimeEdit *edit = Editor())
        edit->setFont(Font()->ToQFont());
}

void TDateTimePicker::ColorChanged()
{
    TCommonCalendar::ColorChanged();
    if (QDateTimeEdit *edit = Editor()) {
        QPalette pal = edit->palette();
        pal.setColor(QPalette::Base, ColorToQColor(Color()));
        edit->setPalette(pal);
    }
}
