// The edit-mask language: reading a mask, and placing values in it.

#include "EditMask.h"

#include <QLocale>

namespace {

// The first separator between the fields of one of the locale's formats, or fallback when the
// format has none a mask could show (a blank, or no separator at all).
QChar FormatSeparator(const QString &format, QChar fallback)
{
    for (const QChar c : format) {
        if (c.isLetter() || c == QLatin1Char('\''))
            continue;
        return c.isSpace() ? fallback : c;
    }
    return fallback;
}

// The mask characters ':' and '/' stand for the time and date separators of the user's locale.
QChar TimeSeparator()
{
    return FormatSeparator(QLocale().timeFormat(QLocale::ShortFormat), QLatin1Char(':'));
}

QChar DateSeparator()
{
    return FormatSeparator(QLocale().dateFormat(QLocale::ShortFormat), QLatin1Char('/'));
}

} // namespace

TEditMask::TEditMask(const QString &mask)
{
    // The fields: mask;save-literals;blank. Only the last two separators count, so that a
    // literal ';' may be written escaped in the mask part.
    QString body = mask;
    QStringList fields;
    int cut = int(body.size());
    for (int found = 0; found < 2; ++found) {
        const int at = int(body.lastIndexOf(QLatin1Char(';'), cut - 1));
        if (at < 0 || (at > 0 && body.at(at - 1) == QLatin1Char('\\')))
            break;
        fields.prepend(body.mid(at + 1, cut - at - 1));
        cut = at;
    }
    body.truncate(cut);
    if (!fields.isEmpty() && !fields.at(0).isEmpty())
        m_saveLiterals = fields.at(0).at(0) != QLatin1Char('0');
    if (fields.size() > 1 && !fields.at(1).isEmpty())
        m_blank = fields.at(1).at(0);

    TCase charCase = NoCase;
    for (int i = 0; i < body.size(); ++i) {
        const QChar c = body.at(i);
        Position p;
        p.charCase = charCase;
        switch (c.unicode()) {
        case '!': m_leadingBlanks = true; continue;
        case '>': charCase = Upper; continue;
        case '<':
            if (i + 1 < body.size() && body.at(i + 1) == QLatin1Char('>')) {
                charCase = NoCase;
                ++i;
            } else {
                charCase = Lower;
            }
            continue;
        case '\\':
            if (++i >= body.size())
                continue;
            p.literal = body.at(i);
            break;
        case '_': p.literal = QLatin1Char(' '); break;
        case ':': p.literal = TimeSeparator(); break;
        case '/': p.literal = DateSeparator(); break;
        case '0': p.kind = Digit; break;
        case '9': p.kind = DigitOpt; break;
        case '#': p.kind = DigitSignOpt; break;
        case 'L': p.kind = Letter; break;
        case 'l': p.kind = LetterOpt; break;
        case 'A': p.kind = AlphaNum; break;
        case 'a': p.kind = AlphaNumOpt; break;
        case 'C': p.kind = AnyChar; break;
        case 'c': p.kind = AnyCharOpt; break;
        default: p.literal = c; break;
        }
        m_positions.push_back(p);
    }
}

bool TEditMask::IsRequired(int index) const
{
    switch (At(index).kind) {
    case Digit: case Letter: case AlphaNum: case AnyChar: return true;
    default: return false;
    }
}

QChar TEditMask::Accept(int index, QChar ch) const
{
    if (index < 0 || index >= Length())
        return {};
    const Position &p = At(index);
    bool ok = false;
    switch (p.kind) {
    case Literal: return ch == p.literal ? ch : QChar();
    case Digit: case DigitOpt: ok = ch.isDigit(); break;
    case DigitSignOpt:
        ok = ch.isDigit() || ch == QLatin1Char('+') || ch == QLatin1Char('-');
        break;
    case Letter: case LetterOpt: ok = ch.isLetter(); break;
    case AlphaNum: case AlphaNumOpt: ok = ch.isLetterOrNumber(); break;
    case AnyChar: case AnyCharOpt: ok = ch.isPrint(); break;
    }
    if (!ok)
        return {};
    if (p.charCase == Upper)
        return ch.toUpper();
    if (p.charCase == Lower)
        return ch.toLower();
    return ch;
}

QString TEditMask::EmptyText() const
{
    QString text;
    for (const Position &p : m_positions)
        text += p.kind == Literal ? p.literal : m_blank;
    return text;
}

QString TEditMask::EditTextOf(const QString &value) const
{
    QString text = EmptyText();
    const int n = Length();
    // A value as long as the mask carries its literals: read it in step with the mask.
    if (value.size() == n) {
        for (int i = 0; i < n; ++i) {
            if (IsLiteral(i))
                continue;
            const QChar c = Accept(i, value.at(i));
            if (!c.isNull())
                text[i] = c;
        }
        return text;
    }
    QList<int> inputs;
    for (int i = 0; i < n; ++i) {
        if (!IsLiteral(i))
            inputs.append(i);
    }
    QString chars = value;
    if (chars.size() > inputs.size())
        chars.truncate(inputs.size());
    // With leading blanks the value fills the last input positions.
    const qsizetype first = m_leadingBlanks ? inputs.size() - chars.size() : 0;
    for (qsizetype k = 0; k < chars.size(); ++k) {
        const int at = inputs.at(first + k);
        if (chars.at(k) == m_blank || chars.at(k) == QLatin1Char(' '))
            continue;
        const QChar c = Accept(at, chars.at(k));
        if (!c.isNull())
            text[at] = c;
    }
    return text;
}

QString TEditMask::ValueOf(const QString &editText) const
{
    QString value;
    for (int i = 0; i < Length() && i < editText.size(); ++i) {
        if (IsLiteral(i)) {
            if (m_saveLiterals)
                value += editText.at(i);
            continue;
        }
        const QChar c = editText.at(i);
        value += c == m_blank ? QLatin1Char(' ') : c;
    }
    if (m_saveLiterals)
        return value;
    // Without literals the value is what was typed: the blanks on the side that optional
    // characters leave empty (the front with "!", else the end) are no part of it.
    if (m_leadingBlanks) {
        qsizetype first = 0;
        while (first < value.size() && value.at(first) == QLatin1Char(' '))
            ++first;
        return value.mid(first);
    }
    qsizetype end = value.size();
    while (end > 0 && value.at(end - 1) == QLatin1Char(' '))
        --end;
    return value.left(end);
}

int TEditMask::FirstIncomplete(const QString &editText) const
{
    for (int i = 0; i < Length(); ++i) {
        if (!IsRequired(i))
            continue;
        if (i >= editText.size() || editText.at(i) == m_blank || editText.at(i).isSpace())
            return i;
    }
    return -1;
}

int TEditMask::NextInput(int index, bool backwards) const
{
    for (int i = index; i >= 0 && i < Length(); i += backwards ? -1 : 1) {
        if (!IsLiteral(i))
            return i;
    }
    return -1;
}

int TEditMask::TypingEnd(const QString &editText) const
{
    int end = std::max(0, NextInput(0));
    for (int i = 0; i < Length() && i < editText.size(); ++i) {
        if (IsLiteral(i) || editText.at(i) == m_blank)
            continue;
        const int next = NextInput(i + 1);
        end = next < 0 ? i + 1 : next;
    }
    return end;
}

QString FormatMaskText(const QString &mask, const QString &value)
{
    const TEditMask m(mask);
    return m.IsMasked() ? m.ValueOf(m.EditTextOf(value)) : value;
}
