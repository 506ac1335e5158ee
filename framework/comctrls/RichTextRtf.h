#pragma once

// RTF, as much of it as a rich edit's text needs: a font table (face, character set, pitch),
// a colour table, bold, italic, underline, strike-out, protection, size and colour of
// characters; alignment, indents, tab stops and bullets of paragraphs; tabs, line breaks and
// any Unicode character. The reader passes over control words and groups it does not know and
// refuses what is not well-formed RTF, so that nothing is half read.

#include "Exceptions.h"

#include <QByteArray>
#include <QTextFormat>

#include <memory>

class QTextDocument;

Z_EXCEPTION(EParserError, Exception)

// Whether data begins as RTF does ("{\rtf", blanks allowed before it).
bool IsRtf(const QByteArray &data);

// The document as RTF. Characters are written with the attributes of defaults where they
// have none of their own; a colour of their own is written only where they have one, so that
// the others keep showing the default colour when read back.
QByteArray WriteRtf(const QTextDocument &document, const QTextCharFormat &defaults);

// A new document with the text and formatting of the RTF. A paragraph mark just before the end
// of the text ends the last paragraph and starts no other. Raises EParserError, saying what
// is wrong and where, when the RTF is malformed.
std::unique_ptr<QTextDocument> ReadRtf(const QByteArray &rtf);
