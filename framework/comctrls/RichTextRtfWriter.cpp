// Writes a document as RTF: the tables of fonts and colours the text uses, then each
// paragraph with its own attributes and its characters, attributes written as they change.

#include "RichTextFormats.h"
#include "RichTextRtf.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>

#include <cmath>
#include <vector>

namespace {

// 1/20 point.
int Twips(double pixels)
{
    return int(std::lround(pixels * 72.0 / TFont::PixelsPerInch * 20.0));
}

struct FontEntry
{
    QString name;
    int charset = 1;
    TFontPitch pitch = fpDefault;
    bool operator==(const FontEntry &) const = default;
};

// The character attributes as RTF states them.
struct CharState
{
    int font = -1;
    int halfPoints = -1;
    int color = -1; // 0: the default colour
    bool bold = false, italic = false, underline = false, strikeOut = false, isProtected = false;
};

QByteArray Escaped(const QString &text)
{
    QByteArray out;
    for (const QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u == '\\' || u == '{' || u == '}') {
            out += '\\';
            out += char(u);
        } else if (u == '\t') {
            out += "\\tab ";
        } else if (u == QChar::LineSeparator) {
            out += "\\line ";
        } else if (u == QChar::Nbsp) {
            out += "\\~";
        } else if (u < 0x20 || u == QChar::ObjectReplacementCharacter) {
            continue; // nothing RTF could show
        } else if (u < 0x80) {
            out += char(u);
        } else {
            // A 16-bit signed number, then one character for readers without Unicode.
            out += "\\u" + QByteArray::number(int(qint16(u))) + '?';
        }
    }
    return out;
}

class Writer
{
public:
    Writer(const QTextDocument &document, const QTextCharFormat &defaults)
        : m_document(document), m_defaults(defaults)
    {
    }

    QByteArray Write()
    {
        CollectTables();
        QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033";
        out += "{\\fonttbl";
        for (size_t i = 0; i < m_fonts.size(); ++i) {
            const FontEntry &f = m_fonts[i];
            const int prq = f.pitch == fpFixed ? 1 : f.pitch == fpVariable ? 2 : 0;
            out += "{\\f" + QByteArray::number(qsizetype(i)) + "\\fnil\\fprq"
                   + QByteArray::number(prq) + "\\fcharset" + QByteArray::number(f.charset) + ' '
                   + Escaped(f.name) + ";}";
        }
        out += '}';
        if (!m_colors.empty()) {
            out += "\r\n{\\colortbl ;";
            for (const TColor c : m_colors) {
                const TColor rgb = ColorToRGB(c);
                out += "\\red" + QByteArray::number(rgb & 0xFF) + "\\green"
                       + QByteArray::number((rgb >> 8) & 0xFF) + "\\blue"
                       + QByteArray::number((rgb >> 16) & 0xFF) + ';';
            }
            out += '}';
        }
        out += "\r\n\\viewkind4\\uc1";
        for (QTextBlock block = m_document.begin(); block.isValid(); block = block.next())
            out += Paragraph(block);
        out += "}\r\n";
        return out;
    }

private:
    QTextCharFormat Effective(const QTextCharFormat &own) const
    {
        QTextCharFormat f = m_defaults;
        f.merge(own);
        return f;
    }

    FontEntry FontOf(const QTextCharFormat &effective) const
    {
        FontEntry e;
        e.name = RichFormat::Name(effective);
        if (e.name.isEmpty())
            e.name = QStringLiteral("MS Sans Serif");
        e.charset = RichFormat::Charset(effective);
        e.pitch = RichFormat::Pitch(effective);
        return e;
    }

    int FontIndex(const FontEntry &entry)
    {
        for (size_t i = 0; i < m_fonts.size(); ++i) {
            if (m_fonts[i] == entry)
                return int(i);
        }
        m_fonts.push_back(entry);
        return int(m_fonts.size()) - 1;
    }

    // 0 for the default colour, else the place in the colour table (from 1).
    int ColorIndex(const QTextCharFormat &own)
    {
        const TColor color = RichFormat::Color(own);
        if (color == clDefault)
            return 0;
        const TColor rgb = ColorToRGB(color);
        for (size_t i = 0; i < m_colors.size(); ++i) {
            if (ColorToRGB(m_colors[i]) == rgb)
                return int(i) + 1;
        }
        m_colors.push_back(color);
        return int(m_colors.size());
    }

    void CollectTables()
    {
        FontIndex(FontOf(m_defaults)); // \f0, the default font
        for (QTextBlock block = m_document.begin(); block.isValid(); block = block.next()) {
            if (block.textList() && m_symbolFont < 0)
                m_symbolFont = FontIndex({QStringLiteral("Symbol"), 2, fpDefault});
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextCharFormat own = it.fragment().charFormat();
                FontIndex(FontOf(Effective(own)));
                ColorIndex(own);
            }
        }
    }

    QByteArray Paragraph(const QTextBlock &block)
    {
        QByteArray out = "\r\n\\pard";
        const QTextBlockFormat bf = block.blockFormat();
        if (block.textList()) {
            const QByteArray sym = QByteArray::number(m_symbolFont);
            out += "{\\pntext\\f" + sym + "\\'B7\\tab}{\\*\\pn\\pnlvlblt\\pnf" + sym
                   + "\\pnindent0{\\pntxtb\\'B7}}";
        }
        Qt::Alignment align = bf.hasProperty(QTextFormat::BlockAlignment)
                                  ? bf.alignment()
                                  : m_document.defaultTextOption().alignment();
        if (align & Qt::AlignHCenter)
            out += "\\qc";
        else if (align & Qt::AlignRight)
            out += "\\qr";
        else if (align & Qt::AlignJustify)
            out += "\\qj";
        if (const int li = Twips(bf.leftMargin()))
            out += "\\li" + QByteArray::number(li);
        if (const int ri = Twips(bf.rightMargin()))
            out += "\\ri" + QByteArray::number(ri);
        if (const int fi = Twips(bf.textIndent()))
            out += "\\fi" + QByteArray::number(fi);
        for (const QTextOption::Tab &tab : bf.tabPositions())
            out += "\\tx" + QByteArray::number(Twips(tab.position));
        // The blank that ends the last word, so that text may follow.
        if (QChar::isLetterOrNumber(uchar(out.back())))
            out += ' ';

        bool any = false;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            out += Attributes(fragment.charFormat());
            out += Escaped(fragment.text());
            any = true;
        }
        if (!any)
            out += Attributes(block.charFormat());
        out += "\\par";
        return out;
    }

    // The control words that bring the state to the format's attributes, and a blank after
    // them when there are any.
    QByteArray Attributes(const QTextCharFormat &own)
    {
        const QTextCharFormat f = Effective(own);
        CharState next;
        next.font = FontIndex(FontOf(f));
        next.halfPoints = int(std::lround(RichFormat::Size(f) * 2));
        next.color = ColorIndex(own);
        const TFontStyles style = RichFormat::Style(f);
        next.bold = style & FontStyles({fsBold});
        next.italic = style & FontStyles({fsItalic});
        next.underline = style & FontStyles({fsUnderline});
        next.strikeOut = style & FontStyles({fsStrikeOut});
        next.isProtected = RichFormat::Protected(f);

        QByteArray out;
        const auto flag = [&out](bool now, bool before, const char *word) {
            if (now != before)
                out += QByteArray("\\") + word + (now ? "" : "0");
        };
        if (next.font != m_state.font)
            out += "\\f" + QByteArray::number(next.font);
        if (next.halfPoints != m_state.halfPoints && next.halfPoints > 0)
            out += "\\fs" + QByteArray::number(next.halfPoints);
        if (next.color != m_state.color)
            out += "\\cf" + QByteArray::number(next.color);
        flag(next.bold, m_state.bold, "b");
        flag(next.italic, m_state.italic, "i");
        if (next.underline != m_state.underline)
            out += next.underline ? "\\ul" : "\\ulnone";
        flag(next.strikeOut, m_state.strikeOut, "strike");
        flag(next.isProtected, m_state.isProtected, "protect");
        m_state = next;
        if (!out.isEmpty())
            out += ' ';
        return out;
    }

    const QTextDocument &m_document;
    QTextCharFormat m_defaults;
    std::vector<FontEntry> m_fonts;
    std::vector<TColor> m_colors;
    int m_symbolFont = -1;
    CharState m_state;
};

} // namespace

bool IsRtf(const QByteArray &data)
{
    return data.trimmed().startsWith("{\\rtf");
}

QByteArray WriteRtf(const QTextDocument &document, const QTextCharFormat &defaults)
{
    return Writer(document, defaults).Write();
}
