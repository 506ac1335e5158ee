#pragma once

// What an editor asks of a highlighter: the styles it colours with, and the tokens of a line
// given the scanner state at the line's start. Highlighters keep no per-editor data, so one
// highlighter can serve several editors; editors refer to it and hear when it goes.

#include "Classes.h"
#include "Graphics.h"

#include <vector>

// How one token class looks. clNone as background: the editor's own colour.
struct TSynHighlighterAttributes
{
    QString Name;
    TColor Foreground = clWindowText;
    TColor Background = clNone;
    TFontStyles Style = 0;
};

struct TSynToken
{
    int Start = 0;  // in characters from the line's start
    int Length = 0;
    int Kind = 0;   // an index into the highlighter's attributes
};

class TSynCustomHighlighter : public TComponent
{
    Z_CLASS(TSynCustomHighlighter)
public:
    explicit TSynCustomHighlighter(TComponent *owner);

    // The token classes, index = token kind.
    virtual int AttributeCount() const = 0;
    virtual const TSynHighlighterAttributes &Attribute(int kind) const = 0;
    // Splits one line (without its line break) into tokens that cover it without gaps and
    // returns the state at its end. State 0 is "nothing open" and is the state of line 1.
    virtual int ScanLine(const QString &line, int startState,
                         std::vector<TSynToken> &tokens) const = 0;
};
