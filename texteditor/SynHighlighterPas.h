#pragma once

// The Pascal highlighter: reserved words, directives where they act as such, the three comment forms, compiler directives,
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
    // What a line may leave open for the next one: a comment, in the low bits of the state
    // that ScanLine returns. The bits above carry the declaration under way, which decides
    // whether a directive word (read, register, message, ...) acts as a directive there.
    enum TRangeState { rsNone, rsBraceComment, rsParenComment, rsBraceDirective,
                       rsParenDirective };
    static TRangeState CommentRange(int state) { return TRangeState(state & 0x7); }

    explicit TSynPasSyn(TComponent *owner);

    int AttributeCount() const override { return tkKindCount; }
    const TSynHighlighterAttributes &Attribute(int kind) const override;
    TSynHighlighterAttributes &Attribute(int kind);
    int ScanLine(const QString &line, int startState,
                 std::vector<TSynToken> &tokens) const override;

    // Reserved words (ignoring case); directives are keywords only in their place.
    static bool IsKeyword(const QString &word);

private:
    std::array<TSynHighlighterAttributes, tkKindCount> m_attributes;
};
