#include "SynEditLexer.h"

#include "SynEditHighlighter.h"

#include <Qsci/qsciscintilla.h>

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
        for (const TSynToken &t : tokens)
            setStyling(int(text.mid(t.Start, t.Length).toUtf8().size()), t.Kind);
        // The line break takes the kind of the token before it, so an open comment runs on.
        if (next > lineEnd)
            setStyling(next - lineEnd, tokens.empty() ? 0 : tokens.back().Kind);
        ed->SendScintilla(QsciScintilla::SCI_SETLINESTATE, line, state);
    }
}
