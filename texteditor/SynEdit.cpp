#include "SynEdit.h"

#include "SynEditHighlighter.h"
#include "SynEditLexer.h"
#include "SynEditWidget.h"

#include <QPainter>

Z_DEFINE_CLASS(TSynEdit, TWinControl, NoPublishedProps)

namespace {

// Gutter margins: the markers' column, then the line numbers.
constexpr int kMarkerMargin = 0;
constexpr int kNumberMargin = 1;
constexpr int kMarkerMask = (1 << TSynEdit::MarkerCount) - 1;

// A marker's picture: its digit on a small tag.
QImage MarkerImage(int index, const QFont &font, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(0, 0, 96));
    p.setBrush(QColor(255, 236, 140));
    p.drawRoundedRect(QRectF(0.5, 0.5, size - 1, size - 1), 2, 2);
    QFont digitFont = font;
    digitFont.setPixelSize(std::max(7, size - 4));
    digitFont.setBold(true);
    p.setFont(digitFont);
    p.setPen(QColor(0, 0, 96));
    p.drawText(QRect(0, 0, size, size), Qt::AlignCenter, QString::number(index));
    return image;
}

// QScintilla sizes its styles' fonts in points: a font the framework gave a pixel height gets
// the point size that draws it at that height on this screen.
QFont ScintillaFont(const TFont *font, const QWidget *widget)
{
    QFont f = font->ToQFont();
    if (f.pixelSize() > 0)
        f.setPointSizeF(f.pixelSize() * 72.0 / widget->logicalDpiY());
    return f;
}

} // namespace

TSynEdit::TSynEdit(TComponent *owner)
    : TWinControl(owner), m_lines(new TStringList), m_gutterFont(new TFont)
{
    m_markerHandles.fill(-1);
    m_markerColumns.fill(0);
    m_lines->OnChange = TNotifyEvent::Of<&TSynEdit::LinesChanged>(this);
    m_gutterFont->OnChange = TNotifyEvent::Of<&TSynEdit::GutterFontChanged>(this);
    m_keystrokes.ResetDefaults();
    SetBounds(0, 0, 200, 150);
    SetColor(clWindow);
    SetCursor(crIBeam);
    SetTabStop(true);
}

TSynEdit::~TSynEdit()
{
    Destroying();
    SetHighlighter(nullptr);
    DestroyWidget();
    delete m_lines;
    delete m_gutterFont;
}

TSynEditWidget *TSynEdit::Editor() const
{
    return static_cast<TSynEditWidget *>(const_cast<TSynEdit *>(this)->Handle());
}

QWidget *TSynEdit::CreateWidget(QWidget *parentWidget)
{
    auto *editor = new TSynEditWidget(this, parentWidget);
    editor->setUtf8(true);
    editor->setEolMode(QsciScintilla::EolUnix);
    editor->setIndentationsUseTabs(false);
    editor->setTabWidth(8);
    editor->setBraceMatching(QsciScintilla::NoBraceMatch);
    editor->setMarginType(kMarkerMargin, QsciScintilla::SymbolMargin);
    editor->setMarginMarkerMask(kMarkerMargin, kMarkerMask);
    editor->setMarginType(kNumberMargin, QsciScintilla::NumberMargin);
    editor->setMarginMarkerMask(kNumberMargin, 0);
    editor->setMarginWidth(2, 0);
    // A little air between the gutter and the text; a horizontal scroll bar only when a line
    // is wider than the window (the range starts at the text's width, see FitScrollWidth).
    editor->SendScintilla(QsciScintilla::SCI_SETMARGINLEFT, 0UL, 4L);
    editor->SendScintilla(QsciScintilla::SCI_SETSCROLLWIDTHTRACKING, 1UL);
    QObject::connect(editor, &QsciScintilla::textChanged, editor,
                     [this] { WidgetTextChanged(); });
    QObject::connect(editor, &QsciScintilla::linesChanged, editor, [this] { ApplyGutter(); });
    return editor;
}

void TSynEdit::InitWidget()
{
    TWinControl::InitWidget();
    m_syncing = true;
    Editor()->setText(m_lines->ToStringList().join(QLatin1Char('\n')));
    m_syncing = false;
    Editor()->SendScintilla(QsciScintilla::SCI_EMPTYUNDOBUFFER);
    ApplyVirtualSpace();
    if (m_highlighter) {
        m_lexer = new TSynEditLexer(m_highlighter, Editor());
        Editor()->setLexer(m_lexer);
    }
    ApplyLook();
}

QString TSynEdit::GetText() const
{
    return m_lines->Text();
}

void TSynEdit::TextChanged()
{
    m_lines->SetText(m_text);
}

void TSynEdit::LinesChanged(TObject *)
{
    if (m_syncing || !HandleAllocated())
        return;
    m_syncing = true;
    Editor()->setText(m_lines->ToStringList().join(QLatin1Char('\n')));
    m_syncing = false;
    FitScrollWidth();
}

void TSynEdit::WidgetTextChanged()
{
    if (m_syncing)
        return;
    m_syncing = true;
    m_lines->SetStringList(Editor()->text().split(QLatin1Char('\n')));
    m_syncing = false;
}

void TSynEdit::FontChanged()
{
    // QsciScintilla's fonts are its styles' fonts, not the widget's: set them, not the widget.
    ApplyLook();
}

void TSynEdit::ColorChanged()
{
    ApplyLook();
}

void TSynEdit::GutterFontChanged(TObject *)
{
    ApplyGutter();
}

void TSynEdit::ApplyLook()
{
    if (!HandleAllocated())
        return;
    TSynEditWidget *editor = Editor();
    const QFont font = ScintillaFont(Font(), editor);
    const QColor text = ColorToQColor(Font()->Color());
    const QColor paper = ColorToQColor(Color());
    if (m_lexer) {
        m_lexer->SetEditorLook(font, text, paper);
    } else {
        editor->setFont(font);
        editor->setColor(text);
        editor->setPaper(paper);
    }
    editor->setCaretForegroundColor(text);
    DefineMarkers();
    ApplyGutter();
    FitScrollWidth();
}

void TSynEdit::FitScrollWidth()
{
    // The horizontal scroll range starts as wide as the line with the most characters, as
    // the text's font draws it; the editor widens it as wider lines show. Left at its least,
    // it would be widened on a timer after the first paint, and the program kept busy for
    // 50 ms after the window shows.
    TSynEditWidget *editor = Editor();
    QString longest;
    for (int i = 0; i < m_lines->Count(); ++i) {
        const QString line = m_lines->Strings(i);
        if (line.size() > longest.size())
            longest = line;
    }
    const long width = editor->SendScintilla(QsciScintilla::SCI_TEXTWIDTH,
                                             QsciScintilla::STYLE_DEFAULT,
                                             longest.toUtf8().constData());
    editor->SendScintilla(QsciScintilla::SCI_SETSCROLLWIDTH, std::max(1L, width));
}

void TSynEdit::ApplyGutter()
{
    if (!HandleAllocated())
        return;
    TSynEditWidget *editor = Editor();
    // Setting the text font resets every style, the line numbers' too: this comes after it.
    editor->setMarginsFont(ScintillaFont(m_gutterFont, editor));
    editor->setMarginsForegroundColor(ColorToQColor(m_gutterFont->Color()));
    editor->setMarginsBackgroundColor(ColorToQColor(clBtnFace));
    const int digits = std::max(2, int(QString::number(editor->lines()).size()));
    editor->setMarginWidth(kNumberMargin, QString(digits + 1, QLatin1Char('9')));
    const int lineHeight = int(editor->SendScintilla(QsciScintilla::SCI_TEXTHEIGHT, 0));
    editor->setMarginWidth(kMarkerMargin, std::max(14, lineHeight) + 2);
}

void TSynEdit::DefineMarkers()
{
    TSynEditWidget *editor = Editor();
    const int lineHeight = int(editor->SendScintilla(QsciScintilla::SCI_TEXTHEIGHT, 0));
    const int size = std::clamp(lineHeight - 1, 9, 16);
    for (int i = 0; i < MarkerCount; ++i)
        editor->markerDefine(MarkerImage(i, m_gutterFont->ToQFont(), size), i);
}

void TSynEdit::SetHighlighter(TSynCustomHighlighter *highlighter)
{
    if (highlighter == m_highlighter)
        return;
    if (m_highlighter)
        m_highlighter->RemoveFreeNotification(this);
    if (m_lexer) {
        Editor()->setLexer(nullptr);
        delete m_lexer;
        m_lexer = nullptr;
    }
    m_highlighter = highlighter;
    if (!highlighter)
        return;
    highlighter->FreeNotification(this);
    if (HandleAllocated()) {
        m_lexer = new TSynEditLexer(highlighter, Editor());
        Editor()->setLexer(m_lexer);
        ApplyLook();
    }
}

void TSynEdit::Notification(TComponent *component, TOperation operation)
{
    TWinControl::Notification(component, operation);
    if (operation == opRemove && component == m_highlighter) {
        if (m_lexer && HandleAllocated()) {
            Editor()->setLexer(nullptr);
            delete m_lexer;
            m_lexer = nullptr;
            ApplyLook();
        }
        m_highlighter = nullptr;
    }
}

bool TSynEdit::InsertMode() const
{
    return !HandleAllocated() || !Editor()->overwriteMode();
}

int TSynEdit::CaretLine() const
{
    const long pos = Editor()->SendScintilla(QsciScintilla::SCI_GETCURRENTPOS);
    return int(Editor()->SendScintilla(QsciScintilla::SCI_LINEFROMPOSITION, pos));
}

int TSynEdit::CaretColumn() const
{
    TSynEditWidget *editor = Editor();
    const long pos = editor->SendScintilla(QsciScintilla::SCI_GETCURRENTPOS);
    const long line = editor->SendScintilla(QsciScintilla::SCI_LINEFROMPOSITION, pos);
    const long start = editor->SendScintilla(QsciScintilla::SCI_POSITIONFROMLINE, line);
    return int(editor->SendScintilla(QsciScintilla::SCI_COUNTCHARACTERS, start, pos));
}

void TSynEdit::SetCaretPos(int line, int column)
{
    TSynEditWidget *editor = Editor();
    const long start = editor->SendScintilla(QsciScintilla::SCI_POSITIONFROMLINE, line);
    const long end = editor->SendScintilla(QsciScintilla::SCI_GETLINEENDPOSITION, line);
    long pos = editor->SendScintilla(QsciScintilla::SCI_POSITIONRELATIVE, start, column);
    if (pos <= 0 || pos > end)
        pos = column > 0 ? end : start;
    editor->SendScintilla(QsciScintilla::SCI_GOTOPOS, pos);
    editor->SendScintilla(QsciScintilla::SCI_CHOOSECARETX);
}

QString TSynEdit::SelText() const
{
    return Editor()->selectedText();
}

int TSynEdit::MarkerLine(int index) const
{
    if (index < 0 || index >= MarkerCount || m_markerHandles[size_t(index)] < 0)
        return -1;
    return int(Editor()->SendScintilla(QsciScintilla::SCI_MARKERLINEFROMHANDLE,
                                       m_markerHandles[size_t(index)]));
}

bool TSynEdit::KeyDown(quint16 &key, TShiftState shift)
{
    if (TWinControl::KeyDown(key, shift))
        return true;
    const TSynEditorCommand command = m_keystrokes.FindCommand(key, shift);
    if (command == ecNone)
        return false;
    key = 0;
    ExecuteCommand(command);
    return true;
}
