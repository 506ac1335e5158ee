#include "SynEditLexer.h"

#include "SynEditHighlighter.h"

#include <Qsci/qsciscintilla.h>

namespace {

// The bytes that UTF-8 takes for the UTF-16 text: each half of a surrogate pair counts two,
// so a character beyond the basic plane counts its four even if a token split it.
int Utf8Length(QStringView text)
{
    int bytes = 0;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x80)
            bytes += 1;
        else if (u < 0x800 || c.isSurrogate())
            bytes += 2;
        else
            bytes += 3;
    }
    return bytes;
}

} // namespace

TSynEditLexer::TSynEditLexer(const TSynCustomHighlighter *highlighter, QObject *parent)
    : QsciLexerCustom(parent), m_highlighter(highlighter)
{
}

QString TSynEditLexer::description(int style) const
{
    // QScintilla counts the styles by asking until the answer is empty.
    if (style < 0 || style >= m_highlighter->AttributeCount())
        return QString();
    return m_highlighter->Attribute(style).Name;
}

void TSynEditLexer::SetEditorLook(const QFont &font, const QColor &text, const QColor &paper)
{
    m_font = font;
    m_text = text;
    m_paper = paper;
    ApplyAttributes();
}

void TSynEditLexer::ApplyAttributes()
{
    setDefaultFont(m_font);
    setDefaultColor(m_text);
    setDefaultPaper(m_paper);
    for (int style = 0; style < m_highlighter->AttributeCount(); ++style) {
        const TSynHighlighterAttributes &a = m_highlighter->Attribute(style);
        QFont font = m_font;
        font.setBold(a.Style & FontStyles({fsBold}));
        font.setItalic(a.Style & FontStyles({fsItalic}));
        font.setUnderline(a.Style & FontStyles({fsUnderline}));
        setFont(font, style);
        setColor(a.Foreground == clWindowText ? m_text : ColorToQColor(a.Foreground), style);
        setPaper(a.Background == clNone ? m_paper : ColorToQColor(a.Background), style);
    }
}

void TSynEditLexer::styleText(int start, int end)
{
    QsciScintilla *ed = editor();
    if (!ed || start >= end)
        return;
    const int firstLine = int(ed->SendScintilla(QsciScintilla::SCI_LINEFROMPOSITION, start));
    const int lastLine = int(ed->SendScintilla(QsciScintilla::SCI_LINEFROMPOSITION, end - 1));
    int state = firstLine > 0
        ? int(ed->SendScintilla(QsciScintilla::SCI_GETLINESTATE, firstLine - 1)) : 0;
    std::vector<TSynToken> tokens;
    for (int line = firstLine; line <= lastLine; ++line) {
        const int lineStart = int(ed->SendScintilla(QsciScintilla::SCI_POSITIONFROMLINE, line));
        const int lineEnd =
            int(ed->SendScintilla(QsciScintilla::SCI_GETLINEENDPOSITION, line));
        int next = int(ed->SendScintilla(QsciScintilla::SCI_POSITIONFROMLINE, line + 1));
        if (next < lineEnd)
            next = lineEnd; // the last line
        QByteArray bytes(lineEnd - lineStart + 1, '\0');
        ed->SendScintilla(QsciScintilla::SCI_GETTEXTRANGE, lineStart, lineEnd, bytes.data());
        bytes.chop(1);
        const QString text = QString::fromUtf8(bytes);
        state = m_highlighter->ScanLine(text, state, tokens);
        startStyling(lineStart);
        // Styling counts bytes; the scanner counts UTF-16 units. Bytes that are no valid UTF-8
        // read back as one replacement character each, so the count is kept inside the line.
        int styled = 0;
        const int lineBytes = lineEnd - lineStart;
        for (const TSynToken &t : tokens) {
            const int length = std::min(Utf8Length(QStringView(text).mid(t.Start, t.Length)),
                                        lineBytes - styled);
            if (length > 0)
                setStyling(length, t.Kind);
            styled += std::max(0, length);
        }
        // The rest, and the line break, take the kind of the token before it, so an open
        // comment runs on.
        if (next > lineStart + styled)
            setStyling(next - lineStart - styled, tokens.empty() ? 0 : tokens.back().Kind);
        ed->SendScintilla(QsciScintilla::SCI_SETLINESTATE, line, state);
    }
}
