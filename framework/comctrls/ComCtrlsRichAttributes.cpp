// The character and paragraph attributes of a rich edit, read from and written to its
// document through the selection.

#include "ComCtrlsRichEdit.h"

#include "RichTextFormats.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>

#include <cmath>

namespace {

QTextCharFormat Effective(const TCustomRichEdit *edit, const QTextCharFormat &own)
{
    QTextCharFormat f = edit->DefaultFormat();
    f.merge(own);
    return f;
}

int Rounded(double v)
{
    return int(std::lround(v));
}

// Changes the format of each paragraph the selection touches, in one undo step.
template<class Change>
void EachSelectedBlock(TCustomRichEdit *edit, Change change)
{
    const QTextCursor selection = edit->TextCursor();
    QTextDocument *document = edit->Document();
    QTextBlock block = document->findBlock(selection.selectionStart());
    const QTextBlock last = document->findBlock(selection.selectionEnd());
    QTextCursor step(document);
    step.beginEditBlock();
    while (block.isValid()) {
        change(block);
        if (block == last)
            break;
        block = block.next();
    }
    step.endEditBlock();
}

void SetBlockFormat(const QTextBlock &block, const QTextBlockFormat &format)
{
    QTextCursor(block).setBlockFormat(format);
}

QTextBlock FirstSelectedBlock(const TCustomRichEdit *edit)
{
    return edit->Document()->findBlock(edit->TextCursor().selectionStart());
}

} // namespace

// --- TTextAttributes ------------------------------------------------------------------------

PTypeInfo TypeInfoTConsistentAttributes()
{
    static const TTypeInfo *element = NewEnumType(
        QStringLiteral("TConsistentAttribute"),
        {QStringLiteral("caBold"), QStringLiteral("caColor"), QStringLiteral("caFace"),
         QStringLiteral("caItalic"), QStringLiteral("caSize"), QStringLiteral("caStrikeOut"),
         QStringLiteral("caUnderline"), QStringLiteral("caProtected")});
    static const TTypeInfo *t = NewSetType(QStringLiteral("TConsistentAttributes"), element);
    return t;
}

PTypeInfo TypeInfoTNumberingStyle()
{
    static const TTypeInfo *t = NewEnumType(
        QStringLiteral("TNumberingStyle"), {QStringLiteral("nsNone"), QStringLiteral("nsBullet")});
    return t;
}

Z_DEFINE_CLASS(TTextAttributes, TPersistent, NoPublishedProps)

TTextAttributes::TTextAttributes(TCustomRichEdit *richEdit, TAttributeType type)
    : m_richEdit(richEdit), m_type(type)
{
}

QTextCharFormat TTextAttributes::Format() const
{
    if (m_type == atDefaultText)
        return m_richEdit->DefaultFormat();
    const QTextCursor c = m_richEdit->TextCursor();
    if (!c.hasSelection())
        return Effective(m_richEdit, c.charFormat()); // what typing at the caret gets
    QTextCursor first(m_richEdit->Document());
    first.setPosition(c.selectionStart());
    first.setPosition(c.selectionStart() + 1, QTextCursor::KeepAnchor);
    return Effective(m_richEdit, first.charFormat());
}

void TTextAttributes::Apply(const QTextCharFormat &modifier)
{
    if (m_type == atDefaultText) {
        QTextCharFormat f = m_richEdit->DefaultFormat();
        f.merge(modifier);
        m_richEdit->SetDefaultFormat(f);
        return;
    }
    QTextCursor c = m_richEdit->TextCursor();
    c.mergeCharFormat(modifier);
    m_richEdit->SetTextCursor(c);
}

int TTextAttributes::Charset() const
{
    return RichFormat::Charset(Format());
}

void TTextAttributes::SetCharset(int charset)
{
    QTextCharFormat m;
    m.setProperty(RichFormat::CharsetProperty, charset);
    Apply(m);
}

TColor TTextAttributes::Color() const
{
    return RichFormat::Color(Format());
}

void TTextAttributes::SetColor(TColor color)
{
    QTextCharFormat m;
    RichFormat::SetColor(m, color);
    Apply(m);
}

QString TTextAttributes::Name() const
{
    return RichFormat::Name(Format());
}

void TTextAttributes::SetName(const QString &name)
{
    QTextCharFormat m;
    RichFormat::SetName(m, name);
    Apply(m);
}

TFontPitch TTextAttributes::Pitch() const
{
    return RichFormat::Pitch(Format());
}

void TTextAttributes::SetPitch(TFontPitch pitch)
{
    QTextCharFormat m;
    m.setProperty(RichFormat::PitchProperty, int(pitch));
    Apply(m);
}

bool TTextAttributes::Protected() const
{
    return RichFormat::Protected(Format());
}

void TTextAttributes::SetProtected(bool v)
{
    QTextCharFormat m;
    m.setProperty(RichFormat::ProtectedProperty, v);
    Apply(m);
}

int TTextAttributes::Size() const
{
    return Rounded(RichFormat::Size(Format()));
}

void TTextAttributes::SetSize(int size)
{
    QTextCharFormat m;
    RichFormat::SetSize(m, size);
    Apply(m);
}

int TTextAttributes::Height() const
{
    return Rounded(RichFormat::Size(Format()) * TFont::PixelsPerInch / 72.0);
}

void TTextAttributes::SetHeight(int height)
{
    SetSize(Rounded(height * 72.0 / TFont::PixelsPerInch));
}

TFontStyles TTextAttributes::Style() const
{
    return RichFormat::Style(Format());
}

void TTextAttributes::SetStyle(TFontStyles style)
{
    QTextCharFormat m;
    RichFormat::SetStyle(m, style);
    Apply(m);
}

TConsistentAttributes TTextAttributes::ConsistentAttributes() const
{
    TConsistentAttributes all = 0;
    for (int a = caBold; a <= caProtected; ++a)
        all |= 1u << a;
    const QTextCursor c = m_richEdit->TextCursor();
    if (m_type == atDefaultText || !c.hasSelection())
        return all;
    const QTextCharFormat first = Format();
    TConsistentAttributes same = all;
    const int start = c.selectionStart(), end = c.selectionEnd();
    for (QTextBlock block = m_richEdit->Document()->findBlock(start);
         block.isValid() && block.position() < end; block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.position() + fragment.length() <= start || fragment.position() >= end)
                continue;
            const QTextCharFormat f = Effective(m_richEdit, fragment.charFormat());
            const TFontStyles a = RichFormat::Style(first), b = RichFormat::Style(f);
            const auto differs = [&](TConsistentAttribute attribute, bool different) {
                if (different)
                    same &= ~(1u << attribute);
            };
            differs(caBold, (a ^ b) & FontStyles({fsBold}));
            differs(caItalic, (a ^ b) & FontStyles({fsItalic}));
            differs(caUnderline, (a ^ b) & FontStyles({fsUnderline}));
            differs(caStrikeOut, (a ^ b) & FontStyles({fsStrikeOut}));
            differs(caColor, RichFormat::Color(first) != RichFormat::Color(f));
            differs(caFace, RichFormat::Name(first) != RichFormat::Name(f));
            differs(caSize, RichFormat::Size(first) != RichFormat::Size(f));
            differs(caProtected, RichFormat::Protected(first) != RichFormat::Protected(f));
        }
    }
    return same;
}

void TTextAttributes::Assign(TPersistent *source)
{
    if (auto *font = ObjectCast<TFont>(source)) {
        QTextCharFormat m = RichFormat::FullFormat(font->Name(), font->Size(), font->Style(),
                                                   font->Color(), font->Charset(),
                                                   font->Pitch(), false);
        m.clearProperty(RichFormat::ProtectedProperty); // a font knows no protection
        Apply(m);
        return;
    }
    if (auto *other = ObjectCast<TTextAttributes>(source)) {
        const QTextCharFormat f = other->Format();
        Apply(RichFormat::FullFormat(RichFormat::Name(f), RichFormat::Size(f),
                                     RichFormat::Style(f), RichFormat::Color(f),
                                     RichFormat::Charset(f), RichFormat::Pitch(f),
                                     RichFormat::Protected(f)));
        return;
    }
    TPersistent::Assign(source);
}

void TTextAttributes::AssignTo(TPersistent *dest)
{
    if (auto *font = ObjectCast<TFont>(dest)) {
        TFont values;
        values.Assign(font);
        values.SetColor(Color());
        values.SetName(Name());
        values.SetCharset(Charset());
        values.SetStyle(Style());
        values.SetSize(Size());
        values.SetPitch(Pitch());
        font->Assign(&values); // one change for the font's owner
        return;
    }
    if (auto *other = ObjectCast<TTextAttributes>(dest)) {
        other->Assign(this);
        return;
    }
    TPersistent::AssignTo(dest);
}

// --- TParaAttributes ------------------------------------------------------------------------

Z_DEFINE_CLASS(TParaAttributes, TPersistent, NoPublishedProps)

TParaAttributes::TParaAttributes(TCustomRichEdit *richEdit) : m_richEdit(richEdit) {}

TAlignment TParaAttributes::Alignment() const
{
    const QTextBlockFormat f = FirstSelectedBlock(m_richEdit).blockFormat();
    if (!f.hasProperty(QTextFormat::BlockAlignment))
        return m_richEdit->Alignment();
    if (f.alignment() & Qt::AlignHCenter)
        return taCenter;
    if (f.alignment() & Qt::AlignRight)
        return taRightJustify;
    return taLeftJustify;
}

void TParaAttributes::SetAlignment(TAlignment alignment)
{
    EachSelectedBlock(m_richEdit, [&](const QTextBlock &block) {
        QTextBlockFormat f = block.blockFormat();
        f.setAlignment(AlignmentFlag(alignment));
        SetBlockFormat(block, f);
    });
}

int TParaAttributes::FirstIndent() const
{
    const QTextBlockFormat f = FirstSelectedBlock(m_richEdit).blockFormat();
    return RichFormat::PixelsToPoints(f.leftMargin() + f.textIndent());
}

void TParaAttributes::SetFirstIndent(int indent)
{
    // The other lines keep their place relative to the first.
    EachSelectedBlock(m_richEdit, [&](const QTextBlock &block) {
        QTextBlockFormat f = block.blockFormat();
        const double rest = -f.textIndent();
        f.setLeftMargin(RichFormat::PointsToPixels(indent) + rest);
        f.setTextIndent(-rest);
        SetBlockFormat(block, f);
    });
}

int TParaAttributes::LeftIndent() const
{
    return RichFormat::PixelsToPoints(-FirstSelectedBlock(m_richEdit).blockFormat().textIndent());
}

void TParaAttributes::SetLeftIndent(int indent)
{
    // The first line stays where it is.
    EachSelectedBlock(m_richEdit, [&](const QTextBlock &block) {
        QTextBlockFormat f = block.blockFormat();
        const double first = f.leftMargin() + f.textIndent();
        const double rest = RichFormat::PointsToPixels(indent);
        f.setLeftMargin(first + rest);
        f.setTextIndent(-rest);
        SetBlockFormat(block, f);
    });
}

int TParaAttributes::RightIndent() const
{
    return RichFormat::PixelsToPoints(FirstSelectedBlock(m_richEdit).blockFormat().rightMargin());
}

void TParaAttributes::SetRightIndent(int indent)
{
    EachSelectedBlock(m_richEdit, [&](const QTextBlock &block) {
        QTextBlockFormat f = block.blockFormat();
        f.setRightMargin(RichFormat::PointsToPixels(indent));
        SetBlockFormat(block, f);
    });
}

TNumberingStyle TParaAttributes::Numbering() const
{
    return FirstSelectedBlock(m_richEdit).textList() ? nsBullet : nsNone;
}

void TParaAttributes::SetNumbering(TNumberingStyle numbering)
{
    EachSelectedBlock(m_richEdit, [&](const QTextBlock &block) {
        QTextList *list = block.textList();
        if (numbering == nsNone) {
            if (list)
                list->remove(block);
            return;
        }
        if (list)
            return;
        // A bullet joins the bullets of the paragraph before it.
        if (QTextList *before = block.previous().textList())
            before->add(block);
        else
            QTextCursor(block).createList(QTextListFormat::ListDisc);
    });
}

int TParaAttributes::TabCount() const
{
    return int(FirstSelectedBlock(m_richEdit).blockFormat().tabPositions().size());
}

int TParaAttributes::Tab(int index) const
{
    const QList<QTextOption::Tab> tabs =
        FirstSelectedBlock(m_richEdit).blockFormat().tabPositions();
    if (index < 0 || index >= tabs.size())
        throw EListError(FormatMessage(QStringLiteral("List index out of bounds (%d)"),
                                       {QString::number(index)}));
    return RichFormat::PixelsToPoints(tabs.at(index).position);
}

namespace {

// Makes tabs count long: new stops half an inch apart after the last.
void ResizeTabs(QList<QTextOption::Tab> &tabs, int count)
{
    constexpr double kStep = 36; // points
    while (tabs.size() > count)
        tabs.removeLast();
    while (tabs.size() < count) {
        const double last = tabs.isEmpty() ? 0 : tabs.last().position;
        tabs.append(QTextOption::Tab(last + RichFormat::PointsToPixels(kStep),
                                     QTextOption::LeftTab));
    }
}

} // namespace

void TParaAttributes::SetTab(int index, int position)
{
    if (index < 0 || index >= MaxTabStops)
        throw EListError(FormatMessage(QStringLiteral("List index out of bounds (%d)"),
                                       {QString::number(index)}));
    EachSelectedBlock(m_richEdit, [&](const QTextBlock &block) {
        QTextBlockFormat f = block.blockFormat();
        QList<QTextOption::Tab> tabs = f.tabPositions();
        if (tabs.size() <= index)
            ResizeTabs(tabs, index + 1);
        tabs[index].position = RichFormat::PointsToPixels(position);
        f.setTabPositions(tabs);
        SetBlockFormat(block, f);
    });
}

void TParaAttributes::SetTabCount(int count)
{
    count = std::clamp(count, 0, int(MaxTabStops));
    EachSelectedBlock(m_richEdit, [&](const QTextBlock &block) {
        QTextBlockFormat f = block.blockFormat();
        QList<QTextOption::Tab> tabs = f.tabPositions();
        ResizeTabs(tabs, count);
        f.setTabPositions(tabs);
        SetBlockFormat(block, f);
    });
}

void TParaAttributes::Assign(TPersistent *source)
{
    auto *other = ObjectCast<TParaAttributes>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    SetAlignment(other->Alignment());
    SetFirstIndent(other->FirstIndent());
    SetLeftIndent(other->LeftIndent());
    SetRightIndent(other->RightIndent());
    SetNumbering(other->Numbering());
    const int count = other->TabCount();
    SetTabCount(count);
    for (int i = 0; i < count; ++i)
        SetTab(i, other->Tab(i));
}
