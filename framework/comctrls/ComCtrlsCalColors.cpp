// The colours of the calendar that drops down from a date picker, and how its Qt calendar
// shows them.

#include "ComCtrlsInput.h"

#include <QCalendarWidget>
#include <QDateTimeEdit>
#include <QTextCharFormat>

static TPropTable MonthCalColorsProps()
{
    using M = TMonthCalColors;
    const PTypeInfo color = TypeInfoTColor();
    return {
        Prop<M>("BackColor", color, &M::BackColor, &M::SetBackColor, clWindow),
        Prop<M>("MonthBackColor", color, &M::MonthBackColor, &M::SetMonthBackColor, clWhite),
        Prop<M>("TextColor", color, &M::TextColor, &M::SetTextColor, clWindowText),
        Prop<M>("TitleBackColor", color, &M::TitleBackColor, &M::SetTitleBackColor,
                clActiveCaption),
        Prop<M>("TitleTextColor", color, &M::TitleTextColor, &M::SetTitleTextColor, clWhite),
        Prop<M>("TrailingTextColor", color, &M::TrailingTextColor, &M::SetTrailingTextColor,
                clInactiveCaptionText),
    };
}
Z_DEFINE_CLASS(TMonthCalColors, TPersistent, MonthCalColorsProps)

void TMonthCalColors::SetColor(TColor &member, TColor value)
{
    if (value == member)
        return;
    member = value;
    OnChange(this);
}

void TMonthCalColors::Assign(TPersistent *source)
{
    auto *other = ObjectCast<TMonthCalColors>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    m_back = other->m_back;
    m_text = other->m_text;
    m_titleBack = other->m_titleBack;
    m_titleText = other->m_titleText;
    m_monthBack = other->m_monthBack;
    m_trailingText = other->m_trailingText;
    OnChange(this);
}

PTypeInfo TypeInfoTDTParseInputEvent()
{
    static const PTypeInfo t = NewMethodType(
        QStringLiteral("TDTParseInputEvent"),
        QStringLiteral("Sender: TObject; const UserString: string; var DateAndTime: TDateTime; "
                       "var AllowChange: Boolean"));
    return t;
}

void ApplyCalColors(const TMonthCalColors &colors, QDateTimeEdit *edit)
{
    QCalendarWidget *calendar = edit->calendarWidget();
    if (!calendar)
        return;
    QPalette pal = calendar->palette();
    pal.setColor(QPalette::Window, ColorToQColor(colors.BackColor()));
    pal.setColor(QPalette::Base, ColorToQColor(colors.MonthBackColor()));
    pal.setColor(QPalette::Text, ColorToQColor(colors.TextColor()));
    pal.setColor(QPalette::WindowText, ColorToQColor(colors.TextColor()));
    // Qt draws the days of the neighbouring months in the disabled text colour.
    pal.setColor(QPalette::Disabled, QPalette::Text, ColorToQColor(colors.TrailingTextColor()));
    calendar->setPalette(pal);
    // Every day of the week reads in the text colour, as in the classic calendar.
    QTextCharFormat days;
    days.setForeground(ColorToQColor(colors.TextColor()));
    for (int day = Qt::Monday; day <= Qt::Sunday; ++day)
        calendar->setWeekdayTextFormat(Qt::DayOfWeek(day), days);
    if (auto *title = calendar->findChild<QWidget *>(QStringLiteral("qt_calendar_navigationbar"))) {
        QPalette titlePal = title->palette();
        titlePal.setColor(QPalette::Window, ColorToQColor(colors.TitleBackColor()));
        titlePal.setColor(QPalette::Highlight, ColorToQColor(colors.TitleBackColor()));
        titlePal.setColor(QPalette::ButtonText, ColorToQColor(colors.TitleTextColor()));
        titlePal.setColor(QPalette::WindowText, ColorToQColor(colors.TitleTextColor()));
        titlePal.setColor(QPalette::HighlightedText, ColorToQColor(colors.TitleTextColor()));
        title->setAutoFillBackground(true);
        title->setPalette(titlePal);
    }
}
