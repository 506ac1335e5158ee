// Reads RTF into a document: a tokenizer over the bytes, a stack of group states (RTF restores
// every attribute at the end of a group), destinations that are read (font and colour tables,
// bullets) or passed over, and the text that goes into the document in runs of one format.

#include "RichTextFormats.h"
#include "RichTextRtf.h"

#include <QHash>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

#include <map>
#include <vector>

namespace {

enum class Dest { Text, FontTable, ColorTable, Bullet, Skip };

struct CharProps
{
    int font = -1; // -1: the default font
    double size = 12;
    int color = 0;
    bool bold = false, italic = false, underline = false, strikeOut = false;
    bool isProtected = false;
};

struct ParaProps
{
    Qt::Alignment align = Qt::AlignLeft;
    int li = 0, ri = 0, fi = 0; // twips
    std::vector<int> tabs;      // twips
    bool bullet = false;
};

struct State
{
    CharProps chars;
    ParaProps para;
    Dest dest = Dest::Text;
    int unicodeSkip = 1; // \uc: characters after \u that stand in for it
    bool bulletSeen = false;
};

struct Font
{
    QString name;
    int charset = 1;
    TFontPitch pitch = fpDefault;
};

// Destinations whose contents are not text of the document.
bool IsSkippedDestination(const QByteArray &word)
{
    static const char *const words[] = {
        "stylesheet", "info", "pict", "object", "header", "headerl", "headerr", "headerf",
        "footer", "footerl", "footerr", "footerf", "footnote", "fldinst", "pntext",
        "listtable", "listoverridetable", "rsidtbl", "generator", "themedata",
        "colorschememapping", "latentstyles", "datastore", "xmlnstbl", "mmathPr", "filetbl",
        "revtbl", "bkmkstart", "bkmkend", "annotation", "atnid", "atnauthor", "private",
        "nonshppict", "shppict", "listtext"};
    for (const char *w : words) {
        if (word == w)
            return true;
    }
    return false;
}

// The code page of a font's character set, 0 for the document's own.
int CodePageOfCharset(int charset)
{
    static const std::map<int, int> pages = {
        {0, 1252},   {128, 932},  {129, 949},  {134, 936},  {136, 950},  {161, 1253},
        {162, 1254}, {163, 1258}, {177, 1255}, {178, 1256}, {186, 1257}, {204, 1251},
        {222, 874},  {238, 1250}};
    const auto it = pages.find(charset);
    return it == pages.end() ? 0 : it->second;
}

class Reader
{
public:
    explicit Reader(const QByteArray &rtf)
        : m_rtf(rtf), m_document(std::make_unique<QTextDocument>()), m_cursor(m_document.get())
    {
    }

    std::unique_ptr<QTextDocument> Read()
    {
        SkipBlanks();
        if (!Peek("{\\rtf"))
            Fail(QStringLiteral("the text does not begin with {\\rtf"));
        while (m_pos < m_rtf.size()) {
            const char c = m_rtf.at(m_pos);
            if (c == '{') {
                ++m_pos;
                OpenGroup();
            } else if (c == '}') {
                ++m_pos;
                CloseGroup();
                if (m_stack.empty()) {
                    CheckNothingFollows();
                    break;
                }
            } else if (c == '\\') {
                ReadControl();
            } else {
                ++m_pos;
                if (c == '\r' || c == '\n')
                    continue;
                if (TakeSkip())
                    continue;
                if (c == '\t')
                    AddText(QStringLiteral("\t"));
                else if (uchar(c) >= 0x20)
                    AddByte(c);
            }
        }
        if (!m_stack.empty())
            Fail(QStringLiteral("the text ends inside a group (a '}' is missing)"));
        FlushRun();
        if (!m_paragraphEnded)
            ApplyParagraph(m_finalPara);
        return std::move(m_document);
    }

private:
    [[noreturn]] void Fail(const QString &what) const
    {
        throw EParserError(FormatMessage(QStringLiteral("Malformed RTF at byte %d: %s"),
                                         {QString::number(m_pos), what}));
    }

    // After the document's group only blanks and NUL bytes may come.
    void CheckNothingFollows()
    {
        for (; m_pos < m_rtf.size(); ++m_pos) {
            const uchar c = uchar(m_rtf.at(m_pos));
            if (c != 0 && !QChar::isSpace(c))
                Fail(QStringLiteral("text follows the end of the document (a '}' too many?)"));
        }
    }

    bool Peek(const char *text) const { return m_rtf.mid(m_pos).startsWith(text); }

    void SkipBlanks()
    {
        while (m_pos < m_rtf.size() && QChar::isSpace(uchar(m_rtf.at(m_pos))))
            ++m_pos;
    }

    State &Top() { return m_stack.back(); }

    // --- groups ---

    void OpenGroup()
    {
        FlushRun();
        m_skip = 0;
        m_stack.push_back(m_stack.empty() ? State() : Top());
        m_groupStart = true;
    }

    void CloseGroup()
    {
        if (m_stack.empty())
            Fail(QStringLiteral("a '}' closes no group"));
        FlushRun();
        m_skip = 0;
        const State closed = Top();
        if (closed.dest == Dest::FontTable)
            CommitFont();
        if (m_stack.size() == 1)
            m_finalPara = closed.para; // the paragraph the text ends in
        m_stack.pop_back();
        if (m_stack.empty())
            return;
        if (closed.dest == Dest::Bullet && Top().dest != Dest::Bullet && closed.bulletSeen)
            Top().para.bullet = true;
        if (closed.dest == Dest::Bullet && Top().dest == Dest::Bullet && closed.bulletSeen)
            Top().bulletSeen = true;
    }

    // --- control words and symbols ---

    void ReadControl()
    {
        ++m_pos; // the backslash
        if (m_pos >= m_rtf.size())
            Fail(QStringLiteral("a backslash ends the text"));
        const char c = m_rtf.at(m_pos);
        if (QChar::isLetter(uchar(c)) && uchar(c) < 0x80) {
            ReadWord();
            return;
        }
        ++m_pos;
        const bool groupStart = m_groupStart;
        m_groupStart = false;
        if (c == '*') {
            // The word after it still opens the group.
            m_ignorable = groupStart;
            m_groupStart = groupStart;
            return;
        }
        if (c == '\'') {
            if (m_pos + 2 > m_rtf.size())
                Fail(QStringLiteral("\\' needs two hexadecimal digits"));
            bool ok = false;
            const int value = m_rtf.mid(m_pos, 2).toInt(&ok, 16);
            if (!ok)
                Fail(QStringLiteral("\\' needs two hexadecimal digits"));
            m_pos += 2;
            if (!TakeSkip())
                AddByte(char(value));
            return;
        }
        if (TakeSkip())
            return;
        switch (c) {
        case '\\': case '{': case '}': AddByte(c); break;
        case '~': AddText(QString(QChar::Nbsp)); break;
        case '_': AddText(QString(QChar(0x2011))); break;
        case '\r': case '\n': Word("par", 0, false); break;
        default: break; // \- optional hyphens, \| and the like show nothing
        }
    }

    void ReadWord()
    {
        const qsizetype start = m_pos;
        while (m_pos < m_rtf.size() && uchar(m_rtf.at(m_pos)) < 0x80
               && QChar::isLetter(uchar(m_rtf.at(m_pos))))
            ++m_pos;
        if (m_pos - start > 32)
            Fail(QStringLiteral("a control word is longer than 32 letters"));
        const QByteArray word = m_rtf.mid(start, m_pos - start);
        bool hasParam = false;
        int param = 0;
        const qsizetype numberStart = m_pos;
        if (m_pos < m_rtf.size() && m_rtf.at(m_pos) == '-')
            ++m_pos;
        while (m_pos < m_rtf.size() && QChar::isDigit(uchar(m_rtf.at(m_pos))))
            ++m_pos;
        if (m_pos > numberStart) {
            bool ok = false;
            param = m_rtf.mid(numberStart, m_pos - numberStart).toInt(&ok);
            if (!ok)
                Fail(QStringLiteral("the number after \\%1 is out of range")
                         .arg(QString::fromLatin1(word)));
            hasParam = true;
        }
        if (m_pos < m_rtf.size() && m_rtf.at(m_pos) == ' ')
            ++m_pos; // the blank that ends the word belongs to it
        const bool groupStart = m_groupStart;
        m_groupStart = false;
        if (word == "bin") {
            // Binary data: passed over whole, whatever it holds.
            if (param < 0 || m_pos + param > m_rtf.size())
                Fail(QStringLiteral("\\bin claims more bytes than there are"));
            m_pos += param;
            return;
        }
        if (groupStart && StartsDestination(word, m_ignorable))
            return;
        m_ignorable = false;
        if (TakeSkip())
            return;
        Word(word, param, hasParam);
    }

    // The first word of a group may name what the group holds.
    bool StartsDestination(const QByteArray &word, bool ignorable)
    {
        Dest dest = Dest::Text;
        if (word == "fonttbl")
            dest = Dest::FontTable;
        else if (word == "colortbl")
            dest = Dest::ColorTable;
        else if (word == "pn")
            dest = Dest::Bullet;
        else if (ignorable || IsSkippedDestination(word))
            dest = Dest::Skip;
        else
            return false;
        m_ignorable = false;
        if (Top().dest != Dest::Skip)
            Top().dest = dest;
        if (dest == Dest::ColorTable) {
            m_rgb = 0;
            m_colorGiven = false;
        }
        return true;
    }

    void Word(const QByteArray &w, int param, bool hasParam)
    {
        State &s = Top();
        switch (s.dest) {
        case Dest::Skip:
            return;
        case Dest::FontTable:
            FontTableWord(w, param);
            return;
        case Dest::ColorTable:
            if (w == "red" || w == "green" || w == "blue") {
                const int shift = w == "red" ? 0 : w == "green" ? 8 : 16;
                m_rgb = (m_rgb & ~(0xFF << shift)) | ((param & 0xFF) << shift);
                m_colorGiven = true;
            }
            return;
        case Dest::Bullet:
            if (w == "pnlvlblt")
                s.bulletSeen = true;
            return;
        case Dest::Text:
            break;
        }
        FlushRun();
        const bool on = !hasParam || param != 0;
        CharProps &ch = s.chars;
        ParaProps &para = s.para;
        if (w == "par" || w == "row") {
            EndParagraph();
        } else if (w == "line") {
            AddText(QString(QChar::LineSeparator));
        } else if (w == "tab" || w == "cell") {
            AddText(QStringLiteral("\t"));
        } else if (w == "emdash" || w == "endash" || w == "bullet" || w == "lquote"
                   || w == "rquote" || w == "ldblquote" || w == "rdblquote") {
            static const QHash<QByteArray, char16_t> marks = {
                {"emdash", 0x2014}, {"endash", 0x2013}, {"bullet", 0x2022},
                {"lquote", 0x2018}, {"rquote", 0x2019}, {"ldblquote", 0x201C},
                {"rdblquote", 0x201D}};
            AddText(QString(QChar(marks.value(w))));
        } else if (w == "u") {
            AddText(QString(QChar(char16_t(param < 0 ? param + 65536 : param))));
            m_skip = s.unicodeSkip;
        } else if (w == "uc") {
            s.unicodeSkip = std::max(0, param);
        } else if (w == "pard") {
            para = ParaProps();
        } else if (w == "ql") {
            para.align = Qt::AlignLeft;
        } else if (w == "qc") {
            para.align = Qt::AlignHCenter;
        } else if (w == "qr") {
            para.align = Qt::AlignRight;
        } else if (w == "qj") {
            para.align = Qt::AlignJustify;
        } else if (w == "li") {
            para.li = param;
        } else if (w == "ri") {
            para.ri = param;
        } else if (w == "fi") {
            para.fi = param;
        } else if (w == "tx" || w == "tb") {
            para.tabs.push_back(param);
        } else if (w == "plain") {
            ch = CharProps();
        } else if (w == "f") {
            ch.font = param;
        } else if (w == "fs") {
            ch.size = param > 0 ? param / 2.0 : 12;
        } else if (w == "cf") {
            ch.color = param;
        } else if (w == "b") {
            ch.bold = on;
        } else if (w == "i") {
            ch.italic = on;
        } else if (w == "ul" || w == "uld" || w == "uldb" || w == "ulw" || w == "uldash") {
            ch.underline = on;
        } else if (w == "ulnone") {
            ch.underline = false;
        } else if (w == "strike") {
            ch.strikeOut = on;
        } else if (w == "protect") {
            ch.isProtected = on;
        } else if (w == "ansicpg") {
            m_codePage = param;
        } else if (w == "mac") {
            m_codePage = 10000;
        } else if (w == "pc") {
            m_codePage = 437;
        } else if (w == "pca") {
            m_codePage = 850;
        } else if (w == "deff") {
            m_defaultFont = param;
        }
        // Every other word is one this reader does not need.
    }

    void FontTableWord(const QByteArray &w, int param)
    {
        if (w == "f") {
            CommitFont();
            m_fontIndex = param;
        } else if (w == "fcharset") {
            m_font.charset = param;
        } else if (w == "fprq") {
            m_font.pitch = param == 1 ? fpFixed : param == 2 ? fpVariable : fpDefault;
        }
    }

    void CommitFont()
    {
        const QString name = QString::fromLatin1(m_fontName).trimmed();
        if (m_fontIndex >= 0 && !name.isEmpty()) {
            m_font.name = name;
            m_fonts[m_fontIndex] = m_font;
        }
        m_fontIndex = -1;
        m_font = Font();
        m_fontName.clear();
    }

    // --- text ---

    // After \u, the characters standing in for it are passed over.
    bool TakeSkip()
    {
        if (m_skip <= 0)
            return false;
        --m_skip;
        return true;
    }

    void AddByte(char c)
    {
        State &s = Top();
        switch (s.dest) {
        case Dest::FontTable:
            if (c == ';')
                CommitFont();
            else
                m_fontName += c;
            return;
        case Dest::ColorTable:
            if (c == ';') {
                m_colors.push_back(m_colorGiven ? TColor(m_rgb) : clDefault);
                m_rgb = 0;
                m_colorGiven = false;
            }
            return;
        case Dest::Text:
            m_bytes += c;
            return;
        default:
            return;
        }
    }

    void AddText(const QString &text)
    {
        if (Top().dest != Dest::Text)
            return;
        DecodeBytes();
        m_run += text;
    }

    void DecodeBytes()
    {
        if (m_bytes.isEmpty())
            return;
        int page = m_codePage;
        const auto font = m_fonts.find(Top().chars.font < 0 ? m_defaultFont : Top().chars.font);
        if (font != m_fonts.end()) {
            if (font->second.charset == 2) {
                m_run += QString::fromLatin1(m_bytes); // a symbol face: the bytes as they are
                m_bytes.clear();
                return;
            }
            if (const int own = CodePageOfCharset(font->second.charset))
                page = own;
        }
        QStringDecoder decoder(QStringLiteral("windows-%1").arg(page).toLatin1().constData());
        m_run += decoder.isValid() ? decoder.decode(m_bytes) : QString::fromLatin1(m_bytes);
        m_bytes.clear();
    }

    QTextCharFormat FormatOf(const CharProps &ch) const
    {
        QTextCharFormat f;
        const auto font = m_fonts.find(ch.font < 0 ? m_defaultFont : ch.font);
        if (font != m_fonts.end()) {
            RichFormat::SetName(f, font->second.name);
            f.setProperty(RichFormat::CharsetProperty, font->second.charset);
            f.setProperty(RichFormat::PitchProperty, int(font->second.pitch));
        }
        RichFormat::SetSize(f, ch.size);
        TFontStyles style = 0;
        if (ch.bold)
            style |= FontStyles({fsBold});
        if (ch.italic)
            style |= FontStyles({fsItalic});
        if (ch.underline)
            style |= FontStyles({fsUnderline});
        if (ch.strikeOut)
            style |= FontStyles({fsStrikeOut});
        RichFormat::SetStyle(f, style);
        if (ch.color >= 0 && ch.color < int(m_colors.size()))
            RichFormat::SetColor(f, m_colors[size_t(ch.color)]);
        f.setProperty(RichFormat::ProtectedProperty, ch.isProtected);
        return f;
    }

    void FlushRun()
    {
        if (m_stack.empty() || Top().dest != Dest::Text) {
            m_bytes.clear();
            return;
        }
        DecodeBytes();
        if (m_run.isEmpty())
            return;
        StartParagraphIfNeeded();
        m_cursor.insertText(m_run, FormatOf(Top().chars));
        m_run.clear();
    }

    // --- paragraphs ---

    // A paragraph mark ends the paragraph; the next one starts only when something follows.
    void StartParagraphIfNeeded()
    {
        if (!m_paragraphEnded)
            return;
        m_cursor.insertBlock();
        m_paragraphEnded = false;
    }

    void EndParagraph()
    {
        StartParagraphIfNeeded();
        ApplyParagraph(Top().para);
        // An empty paragraph still has the attributes its mark has.
        m_cursor.setBlockCharFormat(FormatOf(Top().chars));
        m_paragraphEnded = true;
    }

    void ApplyParagraph(const ParaProps &para)
    {
        QTextBlock block = m_cursor.block();
        QTextBlockFormat bf;
        bf.setAlignment(para.align);
        const auto pixels = [](int twips) { return RichFormat::PointsToPixels(twips / 20.0); };
        bf.setLeftMargin(pixels(para.li));
        bf.setRightMargin(pixels(para.ri));
        bf.setTextIndent(pixels(para.fi));
        QList<QTextOption::Tab> tabs;
        for (const int t : para.tabs)
            tabs.append(QTextOption::Tab(pixels(t), QTextOption::LeftTab));
        bf.setTabPositions(tabs);
        m_cursor.setBlockFormat(bf);
        block = m_cursor.block();
        if (para.bullet) {
            if (!block.textList()) {
                if (m_list)
                    m_list->add(block);
                else
                    m_list = m_cursor.createList(QTextListFormat::ListDisc);
            }
            m_list = m_cursor.block().textList();
        } else {
            if (QTextList *list = block.textList())
                list->remove(block);
            m_list = nullptr;
        }
    }

    const QByteArray &m_rtf;
    qsizetype m_pos = 0;
    std::unique_ptr<QTextDocument> m_document;
    QTextCursor m_cursor;
    std::vector<State> m_stack;
    bool m_groupStart = false;
    bool m_ignorable = false; // \* was the group's first word
    int m_skip = 0;
    int m_codePage = 1252;
    int m_defaultFont = 0;
    std::map<int, Font> m_fonts;
    int m_fontIndex = -1;
    Font m_font;
    QByteArray m_fontName;
    std::vector<TColor> m_colors; // by \cf number; clDefault for the automatic colour
    int m_rgb = 0;                // the colour table entry being read, 0x00BBGGRR
    bool m_colorGiven = false;
    QByteArray m_bytes; // text bytes not yet decoded
    QString m_run;      // text not yet put into the document
    bool m_paragraphEnded = false;
    ParaProps m_finalPara;
    QTextList *m_list = nullptr; // the list the previous paragraph is a bullet of
};

} // namespace

std::unique_ptr<QTextDocument> ReadRtf(const QByteArray &rtf)
{
    return Reader(rtf).Read();
}
