#pragma once

// The character and paragraph attributes of rich text, read from and written to Qt's text
// formats in the framework's terms. Qt's formats hold face, size, styles and colour; the
// character set, the pitch, the protection and the TColor a colour was given as are kept in
// user properties beside them. Indents and tab stops are points here and pixels in Qt's
// formats.

#include "Graphics.h"

#include <QTextFormat>

namespace RichFormat {

constexpr int CharsetProperty = QTextFormat::UserProperty + 1;
constexpr int PitchProperty = QTextFormat::UserProperty + 2;
constexpr int ProtectedProperty = QTextFormat::UserProperty + 3;
constexpr int ColorProperty = QTextFormat::UserProperty + 4;

// A format that sets every character attribute.
QTextCharFormat FullFormat(const QString &name, double size, TFontStyles style, TColor color,
                           int charset, TFontPitch pitch, bool isProtected);

QString Name(const QTextCharFormat &f);
// Names the face, with the installed face of the same metrics to draw it with.
void SetName(QTextCharFormat &f, const QString &name);
// Points, as given (an RTF size may be a half point).
double Size(const QTextCharFormat &f);
void SetSize(QTextCharFormat &f, double points);
TFontStyles Style(const QTextCharFormat &f);
void SetStyle(QTextCharFormat &f, TFontStyles style);
// clDefault when the format sets no colour.
TColor Color(const QTextCharFormat &f);
// clDefault takes the colour away (the text shows the default colour).
void SetColor(QTextCharFormat &f, TColor color);
int Charset(const QTextCharFormat &f);
TFontPitch Pitch(const QTextCharFormat &f);
bool Protected(const QTextCharFormat &f);

// The font a format draws with.
QFont FontOf(const QTextCharFormat &f);

// Points to the pixels of Qt's block formats and back.
double PointsToPixels(double points);
int PixelsToPoints(double pixels);

} // namespace RichFormat
