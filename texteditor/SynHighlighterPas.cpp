#include "SynHighlighterPas.h"

#include "SynPasWords.h"

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

// What the tokens before have opened, carried from line to line in the state above the
// comment range: the kind of declaration under way, the bracket depth inside it, and flags.
enum TContext { cxNone, cxProperty, cxPropertyEnd, cxHeading, cxRoutineDirectives, cxExports };

constexpr int kRangeBits = 0x7;
constexpr int kContextShift = 3;
constexpr int kClauseStartFlag = 1 << 6; // a directive may follow: a clause's first word
constexpr int kRaiseFlag = 1 << 7;       // a raise statement is under way
constexpr int kDepthShift = 8;
constexpr int kMaxDepth = 255;

// Skips the spaces from i; returns where the next token of the line starts.
qsizetype SkipSpaces(const QString &s, qsizetype i)
{
    while (i < s.size() && s.at(i).isSpace())
        ++i;
    return i;
}

// The scan of one line: i walks the text, each Emit closes a token.
class Scanner
{
public:
    Scanner(const QString &line, std::vector<TSynToken> &tokens) : m_s(line), m_tokens(tokens) {}

    int Run(int state)
    {
        m_tokens.clear();
        int range = state & kRangeBits;
        m_context = TContext((state >> kContextShift) & 0x7);
        m_clauseStart = state & kClauseStartFlag;
        m_raise = state & kRaiseFlag;
        m_depth = (state >> kDepthShift) & kMaxDepth;
        while (m_i < m_s.size()) {
            const int start = m_i;
            if (range != TSynPasSyn::rsNone) {
                const bool directive = range == TSynPasSyn::rsBraceDirective
                    || range == TSynPasSyn::rsParenDirective;
                const bool brace = range == TSynPasSyn::rsBraceComment
                    || range == TSynPasSyn::rsBraceDirective;
                range = SkipComment(brace) ? TSynPasSyn::rsNone : range;
                Emit(start, directive ? TSynPasSyn::tkDirective : TSynPasSyn::tkComment);
                continue;
            }
            range = ScanToken(start);
        }
        return range | (int(m_context) << kContextShift) | (m_clauseStart ? kClauseStartFlag : 0)
               | (m_raise ? kRaiseFlag : 0) | (std::min(m_depth, kMaxDepth) << kDepthShift);
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

    // Scans the token at start; returns the comment range the line is then in.
    int ScanToken(int start)
    {
        const QChar c = m_s.at(m_i);
        if (c.isSpace()) {
            while (m_i < m_s.size() && m_s.at(m_i).isSpace())
                ++m_i;
            Emit(start, TSynPasSyn::tkSpace);
            return TSynPasSyn::rsNone;
        }
        if (c == QLatin1Char('{') || (c == QLatin1Char('(') && At(m_i + 1) == QLatin1Char('*'))) {
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
            return TSynPasSyn::rsNone;
        }
        if (c == QLatin1Char('/') && At(m_i + 1) == QLatin1Char('/')) {
            m_i = int(m_s.size());
            Emit(start, TSynPasSyn::tkComment);
            return TSynPasSyn::rsNone;
        }
        m_firstOnLine = !m_sawToken;
        m_sawToken = true;
        if (c == QLatin1Char('\'')) {
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
            const QString word = m_s.mid(start, m_i - start).toLower();
            Emit(start, WordKind(word) ? TSynPasSyn::tkKey : TSynPasSyn::tkIdentifier);
            m_prevWasWord = true;
            m_prev = word;
            return TSynPasSyn::rsNone;
        } else {
            // A character beyond the basic plane is one symbol, not two halves.
            m_i += c.isHighSurrogate() && At(m_i + 1).isLowSurrogate() ? 2 : 1;
            Emit(start, TSynPasSyn::tkSymbol);
            Symbol(c);
            m_prev = QString(c);
            m_prevWasWord = false;
            return TSynPasSyn::rsNone;
        }
        // Strings, characters and numbers.
        m_prevWasWord = false;
        m_prev = QStringLiteral("0");
        return TSynPasSyn::rsNone;
    }

    // What a symbol does to the declaration under way.
    void Symbol(QChar c)
    {
        const bool inDeclaration = m_context == cxHeading || m_context == cxProperty;
        if (inDeclaration && (c == QLatin1Char('(') || c == QLatin1Char('['))) {
            ++m_depth;
        } else if (inDeclaration && (c == QLatin1Char(')') || c == QLatin1Char(']'))) {
            m_depth = std::max(0, m_depth - 1);
        } else if (c == QLatin1Char(';')) {
            m_raise = false;
            switch (m_context) {
            case cxHeading:
                if (m_depth == 0)
                    Enter(cxRoutineDirectives);
                break;
            case cxRoutineDirectives:
                m_clauseStart = true;
                break;
            case cxProperty:
                if (m_depth == 0)
                    Enter(cxPropertyEnd);
                break;
            case cxPropertyEnd:
            case cxExports:
                Enter(cxNone);
                break;
            case cxNone:
                break;
            }
        }
    }

    void Enter(TContext context)
    {
        m_context = context;
        m_depth = 0;
        m_clauseStart = context == cxRoutineDirectives || context == cxProperty;
    }

    // Whether the word just scanned reads as a keyword; follows the declarations it opens
    // and closes.
    bool WordKind(const QString &word)
    {
        if (IsPasReservedWord(word)) {
            ReservedWord(word);
            return true;
        }
        const unsigned contexts = PasDirectiveContexts(word);
        const bool afterDot = m_prev == QLatin1String(".");
        switch (m_context) {
        case cxProperty:
            if (m_clauseStart) { // the property's name
                m_clauseStart = false;
                return false;
            }
            return m_depth == 0 && !afterDot && (contexts & dcProperty);
        case cxPropertyEnd:
            if (contexts & dcPropertyEnd)
                return true;
            Enter(cxNone);
            break;
        case cxRoutineDirectives:
            if (m_clauseStart) {
                if (contexts & dcRoutine) {
                    m_clauseStart = false;
                    return true;
                }
                Enter(cxNone); // the heading's directives are over
                break;
            }
            return !afterDot && (contexts & dcExternal);
        case cxExports:
            // After an exported name or its clause, not where a name is due.
            return m_prev != QLatin1String(",") && m_prev != QLatin1String("exports")
                && !afterDot && (contexts & dcExports);
        case cxHeading:
            return false;
        case cxNone:
            break;
        }
        if (afterDot || !contexts)
            return false;
        if ((contexts & dcVisibility) && m_firstOnLine)
            return !NextIsOneOf(QStringLiteral(":=.([^,;"));
        if (contexts & dcRaiseAddress)
            return m_raise;
        if (contexts & dcExceptionHandler)
            return OpensExceptionHandler();
        if (contexts & dcAbsolute)
            return (m_prevWasWord || m_prev == QLatin1String("string"))
                && IsIdentStart(At(SkipSpaces(m_s, m_i)));
        return false;
    }

    void ReservedWord(const QString &word)
    {
        if (word == QLatin1String("raise")) {
            m_raise = true;
        } else if (word == QLatin1String("end") || word == QLatin1String("else")
                   || word == QLatin1String("except") || word == QLatin1String("finally")
                   || word == QLatin1String("until")) {
            m_raise = false;
        }
        if (word == QLatin1String("property") && m_context != cxHeading) {
            Enter(cxProperty);
        } else if (word == QLatin1String("procedure") || word == QLatin1String("function")
                   || word == QLatin1String("constructor")
                   || word == QLatin1String("destructor")) {
            if (m_context != cxHeading || m_depth == 0)
                Enter(cxHeading);
        } else if (word == QLatin1String("exports")) {
            Enter(cxExports);
        } else if (m_context == cxRoutineDirectives || m_context == cxPropertyEnd) {
            Enter(cxNone); // begin, var, end, ...: the declaration is over
        }
    }

    // Whether the next token of the line starts with one of chars.
    bool NextIsOneOf(const QString &chars) const
    {
        const qsizetype next = SkipSpaces(m_s, m_i);
        return next < m_s.size() && chars.contains(m_s.at(next));
    }

    // After "on": an exception handler reads "on [Name:] Type[.Type] do".
    bool OpensExceptionHandler() const
    {
        qsizetype i = SkipSpaces(m_s, m_i);
        int names = 0;
        bool nameDue = true;
        while (i < m_s.size()) {
            const QChar c = m_s.at(i);
            if (IsIdentStart(c)) {
                const qsizetype start = i;
                while (i < m_s.size() && IsIdentChar(m_s.at(i)))
                    ++i;
                if (m_s.mid(start, i - start).toLower() == QLatin1String("do"))
                    return names > 0 && !nameDue;
                if (!nameDue)
                    return false; // two names in a row
                ++names;
                nameDue = false;
            } else if ((c == QLatin1Char(':') || c == QLatin1Char('.')) && !nameDue) {
                nameDue = true;
                ++i;
            } else {
                return false;
            }
            i = SkipSpaces(m_s, i);
        }
        return false;
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
    TContext m_context = cxNone;
    int m_depth = 0;
    bool m_clauseStart = false;
    bool m_raise = false;
    // The token before the current one on this line: its text (lower case), and whether it
    // was a word.
    QString m_prev;
    bool m_prevWasWord = false;
    bool m_sawToken = false;    // a token other than spaces and comments
    bool m_firstOnLine = false; // the current token is the first such token of the line
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
    return IsPasReservedWord(word);
}
