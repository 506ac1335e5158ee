#pragma once

// The Pascal highlighter: reserved words, the three comment forms, compiler directives,
// strings with doubled quotes, character codes, decimal and hexadecimal numbers, symbols.

#include "SynEditHighlighter.h"

#include <array>

class TSynPasSyn : public TSynCustomHighlighter
{
    Z_CLASS(TSynPasSyn)
public:
    // Token kinds, which are also the indexes of the attributes.
    enum TTokenKind {
        tkSpace, tkIdentifier, tkKey, tkComment, tkDirective, tkString, tkChar, tkNumber,
        tkSymbol, tkKindCount
    };
    // What a line may leave open for the next one.
    enum TRangeState { rsNone, rsBraceComment, rsParenComment, rsBraceDirective,
                       rsParenDirective };

    explicit TSynPasSyn(TComponent *owner);

    int AttributeCount() const override { return tkKindCount; }
    const TSynHighlighterAttributes &Attribute(int kind) const override;
    TSynHighlighterAttributes &Attribute(int kind);
    int ScanLine(const QString &line, int startState,
                 std::vector<TSynToken> &tokens) const override;

    // Reserved words and the directives that read like them (ignoring case).
    static bool IsKeyword(const QString &word);

private:
    std::array<TSynHighlighterAttributes, tkKindCount> m_attributes;
};
