#pragma once

// The edit-mask language of masked edits, without any window: a mask is read once into the
// positions of the text it shapes, and the edit asks it which characters a position takes.
//
//   0  digit, required            9  digit, optional           #  digit, + or -, optional
//   L  letter, required           l  letter, optional
//   A  letter or digit, required  a  letter or digit, optional
//   C  any character, required    c  any character, optional
//   >  upper case from here on    <  lower case from here on   <> no case conversion
//   \  the next character is a literal       _  a literal blank
//   :  the locale's time separator           /  the locale's date separator
//   !  optional characters stay at the end (blanks lead) when the text is placed
//   ;  separates the fields: mask;save-literals;blank — "0" as the second field keeps
//      literals out of the value, the third field is the character shown for an empty
//      position ("_" when not given)
// Any other character is a literal.

#include "Exceptions.h"

#include <QChar>
#include <QString>

#include <vector>

Z_EXCEPTION(EDBEditError, Exception)

class TEditMask
{
public:
    enum TKind {
        Literal, Digit, DigitOpt, DigitSignOpt, Letter, LetterOpt, AlphaNum, AlphaNumOpt,
        AnyChar, AnyCharOpt
    };
    enum TCase { NoCase, Upper, Lower };
    struct Position
    {
        TKind kind = Literal;
        TCase charCase = NoCase;
        QChar literal; // Literal positions only
    };

    TEditMask() = default;
    explicit TEditMask(const QString &mask);

    // Whether the mask shapes anything: false for the empty mask.
    bool IsMasked() const { return !m_positions.empty(); }
    int Length() const { return int(m_positions.size()); }
    const Position &At(int index) const { return m_positions.at(size_t(index)); }
    bool IsLiteral(int index) const { return At(index).kind == Literal; }
    bool IsRequired(int index) const;
    bool SaveLiterals() const { return m_saveLiterals; }
    QChar Blank() const { return m_blank; }
    bool LeadingBlanks() const { return m_leadingBlanks; }

    // The character as position index takes it (case converted), or a null QChar when the
    // position refuses it. Literal positions take only their own character.
    QChar Accept(int index, QChar ch) const;
    // The shown text of an empty edit: literals, and the blank at each input position.
    QString EmptyText() const;
    // The shown text for a value: literals in their places and the value's characters at the
    // input positions (a value that holds the literals is read position by position, one
    // without them fills the input positions in turn). Characters a position refuses are left
    // blank.
    QString EditTextOf(const QString &value) const;
    // The value of a shown text: blanks become spaces, and literals stay only when the mask
    // saves them. Without literals, the blanks that optional characters left at the end (at
    // the front with "!") are dropped.
    QString ValueOf(const QString &editText) const;
    // The first required position that is blank in editText, or -1 when it is complete.
    int FirstIncomplete(const QString &editText) const;
    // The next input position at or after index (or before it when backwards), or -1.
    int NextInput(int index, bool backwards = false) const;
    // Where typing goes on in editText: the input position after the last filled one (the
    // end of the text when none follows), or the first input position when none is filled.
    int TypingEnd(const QString &editText) const;

private:
    std::vector<Position> m_positions;
    bool m_saveLiterals = true;
    QChar m_blank = QLatin1Char('_');
    bool m_leadingBlanks = false;
};

// The value formatted by the mask, as the classic FormatMaskText: the edit text with blanks
// turned to spaces, literals kept or left out as the mask says.
QString FormatMaskText(const QString &mask, const QString &value);
