#include "SysUtils.h"

#include "Exceptions.h"

#include <QLocale>
#include <QRegularExpression>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace {

constexpr qint64 kMsPerDay = 86400000;
constexpr qint64 kEpochJulianDay = 2415019; // 1899-12-30, day 0
constexpr int kTwoDigitYearWindow = 50;

bool IsDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

int HexDigitValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

[[noreturn]] void ConvertError(const char *format, const QString &text)
{
    throw EConvertError(FormatMessage(QString::fromLatin1(format), {text}));
}

// ---- floating point ----

// Decimal digits (no trailing zeros, at least one) and exponent: value = d.ddd * 10^exponent.
struct TDecimal
{
    bool Negative = false;
    QString Digits;
    int Exponent = 0;
};

TDecimal Decompose(double value, int precision)
{
    char buf[64];
    // The shortest text that reads back as the same double; round only when that is longer
    // than the caller wants.
    auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific);
    int shortestDigits = 0;
    for (const char *p = buf; p != r.ptr && *p != 'e'; ++p)
        shortestDigits += *p >= '0' && *p <= '9';
    if (shortestDigits > precision)
        r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific,
                          precision - 1);
    *r.ptr = '\0';

    TDecimal d;
    const char *p = buf;
    if (*p == '-') {
        d.Negative = true;
        ++p;
    }
    for (; *p && *p != 'e'; ++p) {
        if (*p != '.')
            d.Digits += QLatin1Char(*p);
    }
    if (*p == 'e')
        d.Exponent = std::atoi(p + 1);
    while (d.Digits.size() > 1 && d.Digits.endsWith(QLatin1Char('0')))
        d.Digits.chop(1);
    return d;
}

// ---- dates and times ----

struct TDayAndTime
{
    qint64 Days = 0;
    qint64 Ms = 0;
};

bool Split(TDateTime value, TDayAndTime &out)
{
    if (!std::isfinite(value) || std::fabs(value) > 1e9)
        return false;
    double whole = 0;
    const double fraction = std::modf(value, &whole);
    out.Days = qint64(whole);
    out.Ms = std::llround(std::fabs(fraction) * double(kMsPerDay));
    if (out.Ms >= kMsPerDay) {
        out.Ms -= kMsPerDay;
        out.Days += value < 0 ? -1 : 1;
    }
    return true;
}

TDateTime Combine(qint64 days, qint64 ms)
{
    const double fraction = double(ms) / double(kMsPerDay);
    return days >= 0 ? double(days) + fraction : double(days) - fraction;
}

// The locale's short date format with the year widened to four digits, so that the text names
// its century.
QString DisplayDateFormat()
{
    QString format = QLocale().dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QRegularExpression(QStringLiteral("y+")), QStringLiteral("yyyy"));
    return format;
}

// The locale's short time format with seconds added after the minutes where it has none.
QString DisplayTimeFormat()
{
    QString format = QLocale().timeFormat(QLocale::ShortFormat);
    if (format.contains(QLatin1Char('s')))
        return format;
    const qsizetype minutes = format.indexOf(QLatin1String("mm"));
    if (minutes <= 0)
        return format;
    const QChar separator = format.at(minutes - 1);
    format.insert(minutes + 2, separator + QStringLiteral("ss"));
    return format;
}

// The order of day, month and year in a date format: a permutation of "dMy".
QString FieldOrder(const QString &format)
{
    QString order;
    bool quoted = false;
    for (QChar c : format) {
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        else if (!quoted && (c == QLatin1Char('d') || c == QLatin1Char('M')
                             || c == QLatin1Char('y')) && !order.contains(c))
            order += c;
    }
    return order.size() == 3 ? order : QStringLiteral("yMd");
}

int WindowedYear(int twoDigits)
{
    const int pivot = QDate::currentDate().year() - kTwoDigitYearWindow;
    int year = pivot / 100 * 100 + twoDigits;
    if (year < pivot)
        year += 100;
    return year;
}

bool IsDateSeparator(QChar c)
{
    return c == QLatin1Char('/') || c == QLatin1Char('-') || c == QLatin1Char('.')
           || c.isSpace();
}

// Two or three numbers in the locale's field order, or ISO year-month-day.
bool ParseNumericDate(const QString &text, QDate &date)
{
    QList<QStringView> numbers;
    const QStringView s(text);
    qsizetype i = 0;
    while (i < s.size()) {
        const qsizetype start = i;
        while (i < s.size() && IsDigit(s[i]))
            ++i;
        if (i == start || i - start > 4)
            return false;
        numbers.append(s.sliced(start, i - start));
        if (i == s.size())
            break;
        const qsizetype sepStart = i;
        while (i < s.size() && IsDateSeparator(s[i]))
            ++i;
        if (i == sepStart || i == s.size())
            return false;
    }
    if (numbers.size() < 2 || numbers.size() > 3)
        return false;

    QString order = FieldOrder(QLocale().dateFormat(QLocale::ShortFormat));
    if (numbers.size() == 3 && numbers[0].size() > 2)
        order = QStringLiteral("yMd");
    else if (numbers.size() == 2)
        order.remove(QLatin1Char('y'));

    int day = 0, month = 0, year = QDate::currentDate().year();
    for (qsizetype k = 0; k < numbers.size(); ++k) {
        const int n = numbers[k].toInt();
        switch (order[k].unicode()) {
        case u'd':
            if (numbers[k].size() > 2)
                return false;
            day = n;
            break;
        case u'M':
            if (numbers[k].size() > 2)
                return false;
            month = n;
            break;
        default:
            year = numbers[k].size() <= 2 ? WindowedYear(n) : n;
            break;
        }
    }
    date = QDate(year, month, day);
    return date.isValid();
}

bool ParseDate(const QString &text, QDate &date)
{
    const QString s = text.trimmed();
    if (s.isEmpty())
        return false;
    if (ParseNumericDate(s, date))
        return true;
    // Formats with month names.
    const QLocale locale;
    for (const QString &format : {DisplayDateFormat(), locale.dateFormat(QLocale::ShortFormat),
                                  locale.dateFormat(QLocale::LongFormat)}) {
        date = locale.toDate(s, format);
        if (date.isValid())
            return true;
    }
    return false;
}

// Removes an AM/PM marker from the start or end of text; pm tells which one it was.
bool TakeDayHalfMarker(QString &text, bool &pm)
{
    const QLocale locale;
    const QList<std::pair<QString, bool>> candidates = {
        {locale.amText(), false}, {locale.pmText(), true},
        {QStringLiteral("AM"), false}, {QStringLiteral("PM"), true},
        {QStringLiteral("A"), false}, {QStringLiteral("P"), true},
    };
    for (const auto &[marker, isPm] : candidates) {
        if (marker.isEmpty())
            continue;
        if (text.endsWith(marker, Qt::CaseInsensitive)) {
            text.chop(marker.size());
        } else if (text.startsWith(marker, Qt::CaseInsensitive)) {
            text.remove(0, marker.size());
        } else {
            continue;
        }
        text = text.trimmed();
        pm = isPm;
        return true;
    }
    return false;
}

bool ParseTime(const QString &text, QTime &time)
{
    QString s = text.trimmed();
    bool pm = false;
    const bool hasMarker = TakeDayHalfMarker(s, pm);
    if (s.isEmpty())
        return false;

    // Hours, minutes, seconds, milliseconds.
    int fields[4] = {0, 0, 0, 0};
    int count = 0;
    qsizetype i = 0;
    const QString decimalPoint = QLocale().decimalPoint();
    while (true) {
        const qsizetype start = i;
        while (i < s.size() && IsDigit(s[i]))
            ++i;
        const qsizetype length = i - start;
        if (length == 0 || (count < 3 && length > 2) || (count == 3 && length > 3))
            return false;
        int n = QStringView(s).sliced(start, length).toInt();
        if (count == 3) {
            for (qsizetype k = length; k < 3; ++k)
                n *= 10; // ".5" is half a second
        }
        fields[count++] = n;
        if (i == s.size())
            break;
        // ':' (or '.') between hours, minutes and seconds; the seconds' fraction after '.' or
        // the locale's decimal point.
        const QChar c = s[i];
        if (count == 4)
            return false;
        if (count == 3) {
            if (c == QLatin1Char('.'))
                ++i;
            else if (QStringView(s).sliced(i).startsWith(decimalPoint))
                i += decimalPoint.size();
            else
                return false;
        } else if (c == QLatin1Char(':') || c == QLatin1Char('.')) {
            ++i;
        } else {
            return false;
        }
    }
    if (count == 1 && !hasMarker)
        return false;
    int hour = fields[0];
    if (hasMarker) {
        if (hour < 1 || hour > 12)
            return false;
        hour = hour % 12 + (pm ? 12 : 0);
    }
    if (hour > 23 || fields[1] > 59 || fields[2] > 59)
        return false;
    time = QTime(hour, fields[1], fields[2], fields[3]);
    return time.isValid();
}

} // namespace

// ---- integers ----

bool TryStrToInt(const QString &text, qint64 &value)
{
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n && text[i].isSpace())
        ++i;
    bool negative = false;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    if (i < n && text[i] == QLatin1Char('$')) {
        ++i;
        if (i == n)
            return false;
        quint64 bits = 0;
        for (; i < n; ++i) {
            const int digit = HexDigitValue(text[i]);
            if (digit < 0)
                return false;
            bits = bits * 16 + quint64(digit);
            if (bits > 0xFFFFFFFFu)
                return false;
        }
        quint32 pattern = quint32(bits);
        if (negative)
            pattern = 0u - pattern;
        value = qint32(pattern);
        return true;
    }
    if (i == n)
        return false;
    const quint64 limit = negative ? 2147483648u : 2147483647u;
    quint64 magnitude = 0;
    for (; i < n; ++i) {
        if (!IsDigit(text[i]))
            return false;
        magnitude = magnitude * 10 + quint64(text[i].unicode() - u'0');
        if (magnitude > limit)
            return false;
    }
    value = negative ? -qint64(magnitude) : qint64(magnitude);
    return true;
}

qint64 StrToInt(const QString &text)
{
    qint64 value = 0;
    if (!TryStrToInt(text, value))
        ConvertError("'%s' is not a valid integer value", text);
    return value;
}

qint64 StrToIntDef(const QString &text, qint64 defaultValue)
{
    qint64 value = 0;
    return TryStrToInt(text, value) ? value : defaultValue;
}

QString IntToStr(qint64 value)
{
    return QString::number(value);
}

QString IntToHex(qint64 value, int digits)
{
    const bool int32Negative = value < 0 && value >= std::numeric_limits<qint32>::min();
    const quint64 bits = int32Negative ? quint64(quint32(value)) : quint64(value);
    return QString::number(bits, 16).toUpper().rightJustified(digits, QLatin1Char('0'));
}

// ---- floating point ----

bool TryStrToFloat(const QString &text, double &value)
{
    const QString s = text.trimmed();
    const QString decimalPoint = QLocale().decimalPoint();
    // Rebuilt in the C form that from_chars reads: no '+', '.' as the decimal point.
    QByteArray c;
    c.reserve(s.size() + 2);
    qsizetype i = 0;
    if (i < s.size() && (s[i] == QLatin1Char('+') || s[i] == QLatin1Char('-'))) {
        if (s[i] == QLatin1Char('-'))
            c += '-';
        ++i;
    }
    int mantissaDigits = 0;
    auto takeDigits = [&](int &count) {
        while (i < s.size() && IsDigit(s[i])) {
            c += char(s[i].unicode());
            ++i;
            ++count;
        }
    };
    takeDigits(mantissaDigits);
    if (i < s.size()) {
        if (QStringView(s).sliced(i).startsWith(decimalPoint)) {
            i += decimalPoint.size();
            c += '.';
        } else if (s[i] == QLatin1Char('.')) {
            ++i;
            c += '.';
        }
    }
    takeDigits(mantissaDigits);
    if (mantissaDigits == 0)
        return false;
    if (i < s.size() && (s[i] == QLatin1Char('e') || s[i] == QLatin1Char('E'))) {
        c += 'e';
        ++i;
        if (i < s.size() && (s[i] == QLatin1Char('+') || s[i] == QLatin1Char('-')))
            c += char(s[i++].unicode());
        int exponentDigits = 0;
        takeDigits(exponentDigits);
        if (exponentDigits == 0)
            return false;
    }
    if (i != s.size())
        return false;
    double parsed = 0;
    const auto r = std::from_chars(c.constData(), c.constData() + c.size(), parsed);
    if (r.ec != std::errc() || r.ptr != c.constData() + c.size() || !std::isfinite(parsed))
        return false;
    value = parsed;
    return true;
}

double StrToFloat(const QString &text)
{
    double value = 0;
    if (!TryStrToFloat(text, value))
        ConvertError("'%s' is not a valid floating point value", text);
    return value;
}

QString FormatFloatGeneral(double value, int precision)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    if (value == 0)
        return QStringLiteral("0");
    precision = std::clamp(precision, 1, 18);
    const TDecimal d = Decompose(value, precision);
    const QString decimalPoint = QLocale().decimalPoint();
    QString result = d.Negative ? QStringLiteral("-") : QString();
    const qsizetype n = d.Digits.size();
    if (d.Exponent >= precision || d.Exponent < -5) {
        result += d.Digits.at(0);
        if (n > 1)
            result += decimalPoint + d.Digits.mid(1);
        result += QLatin1Char('E') + QString::number(d.Exponent);
    } else if (d.Exponent >= 0) {
        result += d.Digits.left(d.Exponent + 1).leftJustified(d.Exponent + 1, QLatin1Char('0'));
        if (n > d.Exponent + 1)
            result += decimalPoint + d.Digits.mid(d.Exponent + 1);
    } else {
        result += QLatin1Char('0') + decimalPoint
                  + QString(-d.Exponent - 1, QLatin1Char('0')) + d.Digits;
    }
    return result;
}

QString FloatToStr(double value)
{
    return FormatFloatGeneral(value, 15);
}

// ---- dates and times ----

QString DateToStr(TDateTime value)
{
    return QLocale().toString(DateOf(value), DisplayDateFormat());
}

QString TimeToStr(TDateTime value)
{
    return QLocale().toString(TimeOf(value), DisplayTimeFormat());
}

QString DateTimeToStr(TDateTime value)
{
    TDayAndTime parts;
    if (Split(value, parts) && parts.Ms == 0)
        return DateToStr(value);
    return DateToStr(value) + QLatin1Char(' ') + TimeToStr(value);
}

bool TryStrToDate(const QString &text, TDateTime &value)
{
    QDate date;
    if (!ParseDate(text, date))
        return false;
    value = DateFromQDate(date);
    return true;
}

bool TryStrToTime(const QString &text, TDateTime &value)
{
    QTime time;
    if (!ParseTime(text, time))
        return false;
    value = Combine(0, time.msecsSinceStartOfDay());
    return true;
}

bool TryStrToDateTime(const QString &text, TDateTime &value)
{
    QDate date;
    QTime time;
    if (ParseDate(text, date)) {
        value = DateFromQDate(date);
        return true;
    }
    if (ParseTime(text, time)) {
        value = Combine(0, time.msecsSinceStartOfDay());
        return true;
    }
    // A date format may itself contain blanks: try each blank (or ISO "T") as the divider.
    const QString s = text.trimmed();
    for (qsizetype i = 1; i + 1 < s.size(); ++i) {
        if (!s[i].isSpace() && s[i] != QLatin1Char('T'))
            continue;
        if (ParseDate(s.left(i), date) && ParseTime(s.mid(i + 1), time)) {
            value = Combine(date.toJulianDay() - kEpochJulianDay, time.msecsSinceStartOfDay());
            return true;
        }
    }
    return false;
}

TDateTime StrToDate(const QString &text)
{
    TDateTime value = 0;
    if (!TryStrToDate(text, value))
        ConvertError("'%s' is not a valid date", text);
    return value;
}

TDateTime StrToTime(const QString &text)
{
    TDateTime value = 0;
    if (!TryStrToTime(text, value))
        ConvertError("'%s' is not a valid time", text);
    return value;
}

TDateTime StrToDateTime(const QString &text)
{
    TDateTime value = 0;
    if (!TryStrToDateTime(text, value))
        ConvertError("'%s' is not a valid date and time", text);
    return value;
}

TDateTime DateTimeFromQDateTime(const QDateTime &dateTime)
{
    if (!dateTime.isValid())
        return 0;
    return Combine(dateTime.date().toJulianDay() - kEpochJulianDay,
                   dateTime.time().msecsSinceStartOfDay());
}

QDateTime DateTimeToQDateTime(TDateTime value)
{
    const QDate date = DateOf(value);
    return date.isValid() ? QDateTime(date, TimeOf(value)) : QDateTime();
}

TDateTime DateFromQDate(QDate date)
{
    return date.isValid() ? double(date.toJulianDay() - kEpochJulianDay) : 0;
}

QDate DateOf(TDateTime value)
{
    TDayAndTime parts;
    return Split(value, parts) ? QDate::fromJulianDay(parts.Days + kEpochJulianDay) : QDate();
}

QTime TimeOf(TDateTime value)
{
    TDayAndTime parts;
    return Split(value, parts) ? QTime::fromMSecsSinceStartOfDay(int(parts.Ms)) : QTime();
}

TDateTime Now()
{
    return DateTimeFromQDateTime(QDateTime::currentDateTime());
}
