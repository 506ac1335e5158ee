#include "SynHighlighterPas.h"

#include <QSet>

Z_DEFINE_CLASS(TSynPasSyn, TSynCustomHighlighter, NoPublishedProps)

namespace {

constexpr TColor Rgb(int r, int g, int b)
{
    return TColor(r | (g << 8) | (b << 16));
}

bool IsIdentStart(QChar c)
{
    return c.isLetter() || c == QLatin1Char('_');
}

bool IsIdentChar(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

bool IsDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool IsHexDigit(QChar c)
{
    return IsDigit(c) || (c.toLower() >= QLatin1Char('a') && c.toLower() <= QLatin1Char('f'));
}

// The scan of one line: i walks the text, each Emit closes a token.
class Scanner
{
public:
    Scanner(const QString &line, std::vector<TSynToken> &tokens) : m_s(line), m_tokens(tokens) {}

    int Run(int state)
    {
        m_tokens.clear();
        while (m_i < m_s.size()) {
            const int start = m_i;
            if (state != TSynPasSyn::rsNone) {
                const bool directive = state == TSynPasSyn::rsBraceDirective
                    || state == TSynPasSyn::rsParenDirective;
                const bool brace = state == TSynPasSyn::rsBraceComment
                    || state == TSynPasSyn::rsBraceDirective;
                state = SkipComment(brace) ? TSynPasSyn::rsNone : state;
                Emit(start, directive ? TSynPasSyn::tkDirective : TSynPasSyn::tkComment);
                continue;
            }
            state = ScanToken(start);
        }
        return state;
    }

private:
    QChar At(qsizetype i) const { return i < m_s.size() ? m_s.at(i) : QChar(); }

    void Emit(int start, int kind)
    {
        m_tokens.push_back({start, m_i - start, kind});
    }

    // Moves past the end of a brace or paren comment; false when the line ends first.
    bool SkipComment(bool brace)
    {
        const QString close = brace ? QStringLiteral("}") : QStringLiteral("*)");
        const qsizetype end = m_s.indexOf(close, m_i);
        if (end < 0) {
            m_i = int(m_s.size());
            return false;
        }
        m_i = int(end + close.size());
        return true;
    }

    // Scans the token at start; returns the state the line is then in.
    int ScanToken(int start)
    {
        const QChar c = m_s.at(m_i);
        if (c.isSpace()) {
            while (m_i < m_s.size() && m_s.at(m_i).isSpace())
                ++m_i;
            Emit(start, TSynPasSyn::tkSpace);
        } else if (c == QLatin1Char('{')
                   || (c == QLatin1Char('(') && At(m_i + 1) == QLatin1Char('*'))) {
            const bool brace = c == QLatin1Char('{');
            m_i += brace ? 1 : 2;
            const bool directive = At(m_i) == QLatin1Char('$');
            const bool closed = SkipComment(brace);
            Emit(start, directive ? TSynPasSyn::tkDirective : TSynPasSyn::tkComment);
            if (!closed) {
                if (brace)
                    return directive ? TSynPasSyn::rsBraceDirective : TSynPasSyn::rsBraceComment;
                return directive ? TSynPasSyn::rsParenDirective : TSynPasSyn::rsParenComment;
            }
        } else if (c == QLatin1Char('/') && At(m_i + 1) == QLatin1Char('/')) {
            m_i = int(m_s.size());
            Emit(start, TSynPasSyn::tkComment);
        } else if (c == QLatin1Char('\'')) {
            ScanString();
            Emit(start, TSynPasSyn::tkString);
        } else if (c == QLatin1Char('#') && (IsDigit(At(m_i + 1))
                                             || (At(m_i + 1) == QLatin1Char('$')
                                                 && IsHexDigit(At(m_i + 2))))) {
            m_i += At(m_i + 1) == QLatin1Char('$') ? 2 : 1;
            while (IsHexDigit(At(m_i)))
                ++m_i;
            Emit(start, TSynPasSyn::tkChar);
        } else if (c == QLatin1Char('$') && IsHexDigit(At(m_i + 1))) {
            ++m_i;
            while (IsHexDigit(At(m_i)))
                ++m_i;
            Emit(start, TSynPasSyn::tkNumber);
        } else if (IsDigit(c)) {
            ScanNumber();
            Emit(start, TSynPasSyn::tkNumber);
        } else if (IsIdentStart(c)) {
            while (IsIdentChar(At(m_i)))
                ++m_i;
            const bool key = TSynPasSyn::IsKeyword(m_s.mid(start, m_i - start));
            Emit(start, key ? TSynPasSyn::tkKey : TSynPasSyn::tkIdentifier);
        } else {
            ++m_i;
            Emit(start, TSynPasSyn::tkSymbol);
        }
        return TSynPasSyn::rsNone;
    }

    // A quoted string; a doubled quote inside stands for one quote. Ends at the line's end
    // when unterminated.
    void ScanString()
    {
        ++m_i;
        while (m_i < m_s.size()) {
            if (m_s.at(m_i) == QLatin1Char('\'')) {
                if (At(m_i + 1) != QLatin1Char('\'')) {
                    ++m_i;
                    return;
                }
                ++m_i;
            }
            ++m_i;
        }
    }

    // Digits with an optional fraction and exponent; "1..2" is two numbers and a range.
    void ScanNumber()
    {
        while (IsDigit(At(m_i)))
            ++m_i;
        if (At(m_i) == QLatin1Char('.') && IsDigit(At(m_i + 1))) {
            ++m_i;
            while (IsDigit(At(m_i)))
                ++m_i;
        }
        if (At(m_i).toLower() == QLatin1Char('e')) {
            int j = m_i + 1;
            if (At(j) == QLatin1Char('+') || At(j) == QLatin1Char('-'))
                ++j;
            if (IsDigit(At(j))) {
                m_i = j;
                while (IsDigit(At(m_i)))
                    ++m_i;
            }
        }
    }

    const QString &m_s;
    std::vector<TSynToken> &m_tokens;
    int m_i = 0;
};

} // namespace

TSynPasSyn::TSynPasSyn(TComponent *owner) : TSynCustomHighlighter(owner)
{
    const TFontStyles bold = FontStyles({fsBold});
    const TFontStyles italic = FontStyles({fsItalic});
    m_attributes[tkSpace] = {QStringLiteral("Space"), clWindowText, clNone, 0};
    m_attributes[tkIdentifier] = {QStringLiteral("Identifier"), clWindowText, clNone, 0};
    m_attributes[tkKey] = {QStringLiteral("Reserved word"), Rgb(0, 0, 128), clNone, bold};
    m_attributes[tkComment] = {QStringLiteral("Comment"), Rgb(0, 128, 0), clNone, italic};
    m_attributes[tkDirective] = {QStringLiteral("Directive"), Rgb(0, 128, 128), clNone, 0};
    m_attributes[tkString] = {QStringLiteral("String"), Rgb(160, 0, 0), clNone, 0};
    m_attributes[tkChar] = {QStringLiteral("Character"), Rgb(128, 0, 128), clNone, 0};
    m_attributes[tkNumber] = {QStringLiteral("Number"), Rgb(0, 0, 255), clNone, 0};
    m_attributes[tkSymbol] = {QStringLiteral("Symbol"), Rgb(96, 64, 0), clNone, 0};
}

const TSynHighlighterAttributes &TSynPasSyn::Attribute(int kind) const
{
    return m_attributes.at(size_t(kind));
}

TSynHighlighterAttributes &TSynPasSyn::Attribute(int kind)
{
    return m_attributes.at(size_t(kind));
}

int TSynPasSyn::ScanLine(const QString &line, int startState,
                         std::vector<TSynToken> &tokens) const
{
    Scanner scanner(line, tokens);
    return scanner.Run(startState);
}

bool TSynPasSyn::IsKeyword(const QString &word)
{
    static const QSet<QString> keywords = [] {
        const char *const words[] = {
            // Reserved words.
            "and", "array", "as", "asm", "begin", "case", "class", "const", "constructor",
            "destructor", "dispinterface", "div", "do", "downto", "else", "end", "except",
            "exports", "file", "finalization", "finally", "for", "function", "goto", "if",
            "implementation", "in", "inherited", "initialization", "inline", "interface", "is",
            "label", "library", "mod", "nil", "not", "object", "of", "or", "out", "packed",
            "procedure", "program", "property", "raise", "record", "repeat", "resourcestring",
            "set", "shl", "shr", "string", "then", "threadvar", "to", "try", "type", "unit",
            "until", "uses", "var", "while", "with", "xor",
            // Directives that Pascal programmers read as part of the language.
            "absolute", "abstract", "cdecl", "default", "dynamic", "external", "forward",
            "message", "overload", "override", "private", "protected", "public", "published",
            "read", "register", "reintroduce", "safecall", "stdcall", "stored", "virtual",
            "write",
        };
        QSet<QString> set;
        for (const char *w : words)
            set.insert(QString::fromLatin1(w));
        return set;
    }();
    return keywords.contains(word.toLower());
}
