#pragma once

// Texts of numbers, dates and times as the user reads and types them.
//
// Integers are 32-bit signed, as integer properties are. A "$" introduces hexadecimal; a
// hexadecimal text of up to eight digits is a 32-bit pattern read as two's complement, so
// "$FFFFFFFF" is -1 and "$80000005" is a system colour. A sign before "$" negates that value
// in 32 bits ("-$10" is -16).
//
// Floating point and date texts follow the default locale (QLocale()): its decimal point, its
// short date format and its time format. Tests set a fixed locale first.

#include "Exceptions.h"

#include <QDateTime>
#include <QString>

// Days since 1899-12-30; the fraction is the time of day. A negative value counts days before
// that date, and its fraction is still the time after midnight (-1.25 is 1899-12-29 06:00).
using TDateTime = double;

// False (value untouched) when text is not an integer as described above.
bool TryStrToInt(const QString &text, qint64 &value);
// Raises EConvertError "'<text>' is not a valid integer value".
qint64 StrToInt(const QString &text);
qint64 StrToIntDef(const QString &text, qint64 defaultValue);
QString IntToStr(qint64 value);
// Upper-case hexadecimal padded with zeros to at least digits. A negative value that fits 32 bits
// is written as its 32-bit pattern (-1 is "FFFFFFFF").
QString IntToHex(qint64 value, int digits);

// Blanks around the number, a sign, digits with at most one decimal point (the locale's or
// "."), and an optional exponent. No thousands separators, no infinities.
bool TryStrToFloat(const QString &text, double &value);
// Raises EConvertError "'<text>' is not a valid floating point value".
double StrToFloat(const QString &text);
// The general format with at most precision significant digits (7 for single, 15 for double,
// 18 for extended): fixed notation while the decimal exponent is below precision and the value
// is at least 0.00001, otherwise "1.5E20" / "1E-7". No trailing zeros, a decimal point only when
// needed. Digits beyond what the double holds are never invented: a value whose shortest exact
// text is shorter than precision shows that text (0.1 stays "0.1" at precision 18).
QString FormatFloatGeneral(double value, int precision);
QString FloatToStr(double value); // precision 15

// The short date format of the locale, always with a four-digit year.
QString DateToStr(TDateTime value);
// The locale's time format, always with seconds.
QString TimeToStr(TDateTime value);
// Date and time separated by a blank; the date alone when the time part is zero.
QString DateTimeToStr(TDateTime value);

// Dates: numbers in the order of the locale's short format (day, month and year; a missing
// year is this year; a two-digit year lies within 50 years of today), separated by "/", "-",
// "." or blanks; or the locale's format with month names; or ISO "yyyy-MM-dd".
// Times: hours, minutes, optional seconds and milliseconds separated by ":", optionally an AM/PM
// marker (the locale's, or "AM"/"PM"/"A"/"P"); or hours alone with a marker.
// Date and time: a date, optionally followed by a blank and a time.
bool TryStrToDate(const QString &text, TDateTime &value);
bool TryStrToTime(const QString &text, TDateTime &value);
bool TryStrToDateTime(const QString &text, TDateTime &value);
// Raise EConvertError "'<text>' is not a valid date" / "... valid time" / "... valid date and
// time".
TDateTime StrToDate(const QString &text);
TDateTime StrToTime(const QString &text);
TDateTime StrToDateTime(const QString &text);

// Conversions to and from Qt. The value is a wall-clock reading: a QDateTime contributes its own
// date and time, and the result of DateTimeToQDateTime is in local time. Times round to the
// millisecond.
TDateTime DateTimeFromQDateTime(const QDateTime &dateTime);
QDateTime DateTimeToQDateTime(TDateTime value);
TDateTime DateFromQDate(QDate date);
QDate DateOf(TDateTime value);
QTime TimeOf(TDateTime value);
TDateTime Now();
