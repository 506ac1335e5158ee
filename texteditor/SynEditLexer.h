#pragma once

// Puts a highlighter's colours on the text of a QScintilla editor: a container lexer that
// styles each line with the highlighter's token kinds and keeps the scanner state at each
// line's end in the editor's line states, so styling can start again at any line.

#include <Qsci/qscilexercustom.h>

#include <QColor>
#include <QFont>

class TSynCustomHighlighter;

class TSynEditLexer : public QsciLexerCustom
{
public:
    // highlighter not owned; the editor drops this lexer before the highlighter goes.
    TSynEditLexer(const TSynCustomHighlighter *highlighter, QObject *parent);

    const char *language() const override { return "Highlighter"; }
    QString description(int style) const override;
    void styleText(int start, int end) override;

    // The editor's font and colours; each style takes the font with its own bold and italic.
    void SetEditorLook(const QFont &font, const QColor &text, const QColor &paper);
    // Reads the highlighter's attributes again.
    void ApplyAttributes();

private:
    const TSynCustomHighlighter *m_highlighter;
    QFont m_font;
    QColor m_text = Qt::black;
    QColor m_paper = Qt::white;
};
