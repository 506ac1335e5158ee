// The rich edit: its document and the widget that shows it, Lines kept in step with the
// document both ways, the selection, RTF in and out, and the published table.

#include "ComCtrlsRichEdit.h"

#include "ControlProps.h"
#include "PublishedProps.h"
#include "RichTextFormats.h"
#include "RichTextRtf.h"
#include "SafeCall.h"

#include <QFile>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>

#include <algorithm>

namespace {

// Lines of a rich edit: files are RTF unless the edit's PlainText says otherwise. A file that
// is not RTF loads as plain text either way.
class TRichEditStrings : public TStringList
{
public:
    explicit TRichEditStrings(TCustomRichEdit *edit) : m_edit(edit) {}

    void LoadFromFile(const QString &fileName) override
    {
        QFile file(fileName);
        if (!file.open(QIODevice::ReadOnly))
            throw EFOpenError(FormatMessage(QStringLiteral("Cannot open file %s"), {fileName}));
        const QByteArray bytes = file.readAll();
        file.close();
        if (!m_edit->PlainText() && IsRtf(bytes)) {
            try {
                m_edit->SetRichText(bytes);
            } catch (const EParserError &e) {
                throw EParserError(FormatMessage(QStringLiteral("Cannot load %s. %s"),
                                                 {fileName, e.Message()}));
            }
            return;
        }
        TStringList text;
        text.LoadFromFile(fileName);
        m_edit->LoadPlainText(text.ToStringList().join(QLatin1Char('\n')));
    }

    void SaveToFile(const QString &fileName) const override
    {
        if (m_edit->PlainText()) {
            TStringList::SaveToFile(fileName);
            return;
        }
        const QByteArray bytes = m_edit->RichText();
        QFile file(fileName);
        const bool written = file.open(QIODevice::WriteOnly | QIODevice::Truncate)
                             && file.write(bytes) == bytes.size() && file.flush();
        if (!written)
            throw EFCreateError(
                FormatMessage(QStringLiteral("Cannot create file %s"), {fileName}));
    }

private:
    TCustomRichEdit *m_edit; // not owned: the edit owns its lines
};

// The document's text as lines: a paragraph per line, and no line at all for no text.
QStringList LinesOf(const QString &text)
{
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

} // namespace

PTypeInfo TypeInfoTRichEditProtectChange()
{
    static const TTypeInfo *t = NewMethodType(
        QStringLiteral("TRichEditProtectChange"),
        QStringLiteral("Sender: TObject; StartPos, EndPos: Integer; var AllowChange: Boolean"));
    return t;
}

PTypeInfo TypeInfoTRichEditResizeEvent()
{
    static const TTypeInfo *t = NewMethodType(QStringLiteral("TRichEditResizeEvent"),
                                              QStringLiteral("Sender: TObject; Rect: TRect"));
    return t;
}

PTypeInfo TypeInfoTRichEditSaveClipboard()
{
    static const TTypeInfo *t = NewMethodType(
        QStringLiteral("TRichEditSaveClipboard"),
        QStringLiteral("Sender: TObject; NumObjects, NumChars: Integer; var SaveClipboard: "
                       "Boolean"));
    return t;
}

Z_DEFINE_CLASS(TCustomRichEdit, TCustomMemo, NoPublishedProps)

TCustomRichEdit::TCustomRichEdit(TComponent *owner)
    : TCustomMemo(owner, new TRichEditStrings(this)), m_document(new QTextDocument),
      m_cursor(m_document), m_defAttributes(new TTextAttributes(this, atDefaultText)),
      m_selAttributes(new TTextAttributes(this, atSelected)),
      m_paragraph(new TParaAttributes(this))
{
    QObject::connect(m_document, &QTextDocument::contentsChanged, m_document,
                     [this] { SafeCall([this] { DocumentContentsChanged(true); }); });
    m_defAttributes->Assign(Font());
}

TCustomRichEdit::~TCustomRichEdit()
{
    Destroying();
    DestroyWidget();
    delete m_paragraph;
    delete m_selAttributes;
    delete m_defAttributes;
    m_cursor = QTextCursor();
    delete m_document;
}

QTextEdit *TCustomRichEdit::RichTextEdit() const
{
    return qobject_cast<QTextEdit *>(m_widget);
}

QWidget *TCustomRichEdit::CreateWidget(QWidget *parentWidget)
{
    auto *w = new QTextEdit(parentWidget);
    w->setDocument(m_document); // shown, not owned: the document has no parent
    const auto moved = [this] { SafeCall([this] { CheckSelectionMoved(); }); };
    QObject::connect(w, &QTextEdit::cursorPositionChanged, w, moved);
    QObject::connect(w, &QTextEdit::selectionChanged, w, moved);
    return w;
}

void TCustomRichEdit::InitWidget()
{
    TCustomMemo::InitWidget();
    if (QTextEdit *w = RichTextEdit())
        w->setTextCursor(m_cursor);
    ApplyDefaultFormat();
}

// --- Lines and the document -----------------------------------------------------------------

void TCustomRichEdit::UpdateWidgetText()
{
    // Lines changed: the document takes the new text, only the part that differs replaced, so
    // that the formatting of the rest stays.
    if (m_fromDocument)
        return;
    const QString text = Lines()->ToStringList().join(QLatin1Char('\n'));
    const QString old = m_document->toPlainText();
    if (text == old)
        return;
    qsizetype prefix = 0;
    const qsizetype shorter = std::min(text.size(), old.size());
    while (prefix < shorter && text.at(prefix) == old.at(prefix))
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < shorter - prefix
           && text.at(text.size() - 1 - suffix) == old.at(old.size() - 1 - suffix))
        ++suffix;
    QTextCursor probe(m_document);
    probe.setPosition(int(prefix));
    const QTextCharFormat format = probe.charFormat();
    QTextCursor c(m_document);
    c.setPosition(int(prefix));
    c.setPosition(int(old.size() - suffix), QTextCursor::KeepAnchor);
    m_toDocument = true;
    c.insertText(text.mid(prefix, text.size() - suffix - prefix), format);
    m_toDocument = false;
}

void TCustomRichEdit::DocumentContentsChanged(bool byUser)
{
    if (m_toDocument || IsDestroying())
        return;
    const QStringList lines = LinesOf(m_document->toPlainText());
    // A change of formatting alone leaves the text, and Lines, as they are.
    if (lines == Lines()->ToStringList())
        return;
    m_fromDocument = true;
    try {
        Lines()->SetStringList(lines);
    } catch (...) {
        m_fromDocument = false;
        throw;
    }
    m_fromDocument = false;
    SetModified(byUser);
}

void TCustomRichEdit::LoadPlainText(const QString &text)
{
    m_toDocument = true;
    m_document->setPlainText(text);
    m_toDocument = false;
    m_cursor = QTextCursor(m_document);
    SetTextCursor(m_cursor);
    DocumentContentsChanged(false);
}

QByteArray TCustomRichEdit::RichText() const
{
    return WriteRtf(*m_document, m_defaultFormat);
}

void TCustomRichEdit::SetRichText(const QByteArray &rtf)
{
    // Read whole before anything changes: malformed RTF leaves the text as it was.
    std::unique_ptr<QTextDocument> read = ReadRtf(rtf);
    ReplaceDocument(read.release());
}

void TCustomRichEdit::ReplaceDocument(QTextDocument *document)
{
    document->setDefaultFont(m_document->defaultFont());
    document->setDefaultTextOption(m_document->defaultTextOption());
    QTextDocument *old = m_document;
    m_document = document;
    QObject::connect(m_document, &QTextDocument::contentsChanged, m_document,
                     [this] { SafeCall([this] { DocumentContentsChanged(true); }); });
    m_cursor = QTextCursor(m_document);
    if (QTextEdit *w = RichTextEdit())
        w->setDocument(m_document);
    delete old;
    SetTextCursor(m_cursor);
    DocumentContentsChanged(false);
}

// --- The selection --------------------------------------------------------------------------

QTextCursor TCustomRichEdit::TextCursor() const
{
    if (QTextEdit *w = RichTextEdit())
        return w->textCursor();
    return m_cursor;
}

void TCustomRichEdit::SetTextCursor(const QTextCursor &cursor)
{
    m_cursor = cursor;
    if (QTextEdit *w = RichTextEdit())
        w->setTextCursor(cursor);
    CheckSelectionMoved();
}

void TCustomRichEdit::CheckSelectionMoved()
{
    if (IsDestroying())
        return;
    const QTextCursor c = TextCursor();
    m_cursor = c;
    if (c.anchor() == m_reportedAnchor && c.position() == m_reportedPosition)
        return;
    m_reportedAnchor = c.anchor();
    m_reportedPosition = c.position();
    SelectionChange();
}

void TCustomRichEdit::SelectionChange()
{
    OnSelectionChange(this);
}

int TCustomRichEdit::SelStart() const
{
    return TextCursor().selectionStart();
}

void TCustomRichEdit::SetSelStart(int start)
{
    QTextCursor c = TextCursor();
    c.setPosition(std::clamp(start, 0, m_document->characterCount() - 1));
    SetTextCursor(c);
}

int TCustomRichEdit::SelLength() const
{
    const QTextCursor c = TextCursor();
    return c.selectionEnd() - c.selectionStart();
}

void TCustomRichEdit::SetSelLength(int length)
{
    QTextCursor c = TextCursor();
    const int start = c.selectionStart();
    c.setPosition(start);
    c.setPosition(std::clamp(start + length, start, m_document->characterCount() - 1),
                  QTextCursor::KeepAnchor);
    SetTextCursor(c);
}

QString TCustomRichEdit::SelText() const
{
    QString text = TextCursor().selectedText();
    text.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    return text;
}

void TCustomRichEdit::SetSelText(const QString &text)
{
    QTextCursor c = TextCursor();
    QString plain = text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    c.insertText(plain);
    SetTextCursor(c);
}

void TCustomRichEdit::SelectAll()
{
    QTextCursor c = TextCursor();
    c.select(QTextCursor::Document);
    SetTextCursor(c);
}

// --- Default attributes and options ---------------------------------------------------------

void TCustomRichEdit::SetDefaultFormat(const QTextCharFormat &format)
{
    m_defaultFormat = format;
    ApplyDefaultFormat();
}

void TCustomRichEdit::ApplyDefaultFormat()
{
    // Text without attributes of its own shows the default face and size through the
    // document's (and the widget's) font, and the default colour through the palette.
    const QFont font = RichFormat::FontOf(m_defaultFormat);
    if (QTextEdit *w = RichTextEdit()) {
        w->setFont(font);
        QPalette pal = w->palette();
        pal.setColor(QPalette::Text, ColorToQColor(RichFormat::Color(m_defaultFormat)));
        w->setPalette(pal);
    }
    m_document->setDefaultFont(font);
}

void TCustomRichEdit::FontChanged()
{
    TCustomMemo::FontChanged();
    m_defAttributes->Assign(Font());
}

void TCustomRichEdit::ColorChanged()
{
    TCustomMemo::ColorChanged();
    ApplyDefaultFormat();
}

void TCustomRichEdit::SetHideScrollBars(bool v)
{
    m_hideScrollBars = v;
    UpdateWidgetOptions();
}

void TCustomRichEdit::UpdateWidgetOptions()
{
    TCustomMemo::UpdateWidgetOptions();
    // The alignment of paragraphs that have none of their own.
    QTextOption option = m_document->defaultTextOption();
    option.setAlignment(AlignmentFlag(Alignment()));
    m_document->setDefaultTextOption(option);
    QTextEdit *w = RichTextEdit();
    if (!w)
        return;
    w->setFrameShape(BorderStyle() == bsNone ? QFrame::NoFrame : QFrame::StyledPanel);
    w->setReadOnly(ReadOnly());
    const bool horizontal = ScrollBars() == ssHorizontal || ScrollBars() == ssBoth;
    const bool vertical = ScrollBars() == ssVertical || ScrollBars() == ssBoth;
    // A bar that ScrollBars asks for appears only while the text overflows, with
    // HideScrollBars.
    const Qt::ScrollBarPolicy shown =
        m_hideScrollBars ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOn;
    w->setHorizontalScrollBarPolicy(horizontal ? shown : Qt::ScrollBarAlwaysOff);
    w->setVerticalScrollBarPolicy(vertical ? shown : Qt::ScrollBarAlwaysOff);
    const bool wrap = WordWrap() && !horizontal;
    w->setLineWrapMode(wrap ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
    w->setTabChangesFocus(!WantTabs());
}

// --- Published ------------------------------------------------------------------------------

static TPropTable RichEditProps()
{
    using R = TRichEdit;
    TPropTable t = EditCommonProps();
    // A rich edit converts no characters to the OEM set.
    const auto oem = [](const TPropInfo &p) { return p.Name == QLatin1String("OEMConvert"); };
    t.erase(std::remove_if(t.begin(), t.end(), oem), t.end());
    AppendProps(t, ControlProps({"Align"}));
    const TPropTable own = {
        Prop<R>("Alignment", TypeInfoTAlignment(), &R::Alignment, &R::SetAlignment,
                taLeftJustify),
        Prop<R>("HideScrollBars", TypeInfoBoolean(), &R::HideScrollBars, &R::SetHideScrollBars,
                1),
        Prop<R>("Lines", TStrings::StaticClass()->ClassTypeInfo(), &R::Lines, &R::SetLines),
        Prop<R>("PlainText", TypeInfoBoolean(), &R::PlainText, &R::SetPlainText, 0),
        Prop<R>("ScrollBars", TypeInfoTScrollStyle(), &R::ScrollBars, &R::SetScrollBars, ssNone),
        Prop<R>("WantReturns", TypeInfoBoolean(), &R::WantReturns, &R::SetWantReturns, 1),
        Prop<R>("WantTabs", TypeInfoBoolean(), &R::WantTabs, &R::SetWantTabs, 0),
        Prop<R>("WordWrap", TypeInfoBoolean(), &R::WordWrap, &R::SetWordWrap, 1),
        EventProp<R>("OnProtectChange", TypeInfoTRichEditProtectChange(), &R::OnProtectChange),
        EventProp<R>("OnResizeRequest", TypeInfoTRichEditResizeEvent(), &R::OnResizeRequest),
        EventProp<R>("OnSaveClipboard", TypeInfoTRichEditSaveClipboard(), &R::OnSaveClipboard),
        EventProp<R>("OnSelectionChange", TypeInfoTNotifyEvent(), &R::OnSelectionChange),
    };
    t.insert(t.end(), own.begin(), own.end());
    return t;
}
Z_DEFINE_CLASS(TRichEdit, TCustomRichEdit, RichEditProps)

TRichEdit::TRichEdit(TComponent *owner) : TCustomRichEdit(owner) {}
