// Memos: a multi-line edit over a QPlainTextEdit whose Lines follow the widget both ways.

#include "PublishedProps.h"
#include "SafeCall.h"
#include "StdCtrls.h"

#include <QPlainTextEdit>
#include <QTextDocument>
#include <QTextOption>

Z_DEFINE_CLASS(TCustomMemo, TCustomEdit, NoPublishedProps)

TCustomMemo::TCustomMemo(TComponent *owner) : TCustomMemo(owner, new TStringList) {}

TCustomMemo::TCustomMemo(TComponent *owner, TStringList *lines)
    : TCustomEdit(owner), m_lines(lines)
{
    SetControlStyle(ControlStyle() & ~csFixedHeight);
    SetAutoSize(false);
    SetBounds(Left(), Top(), 185, 89);
    m_lines->OnChange = TNotifyEvent::Of<&TCustomMemo::LinesChanged>(this);
}

TCustomMemo::~TCustomMemo()
{
    Destroying();
    DestroyWidget();
    delete m_lines;
}

QPlainTextEdit *TCustomMemo::PlainTextEdit() const
{
    return qobject_cast<QPlainTextEdit *>(m_widget);
}

QWidget *TCustomMemo::CreateWidget(QWidget *parentWidget)
{
    auto *w = new QPlainTextEdit(parentWidget);
    QObject::connect(w, &QPlainTextEdit::textChanged, w,
                     [this] { SafeCall([this] { WidgetContentsChanged(); }); });
    return w;
}

QString TCustomMemo::GetText() const
{
    return m_lines->Text();
}

void TCustomMemo::TextChanged()
{
    // Lines holds the text; its change reaches the widget and OnChange.
    m_lines->SetText(FilteredText(m_text));
}

void TCustomMemo::LinesChanged(TObject *)
{
    if (!m_fromWidget)
        UpdateWidgetText();
    Change();
}

void TCustomMemo::WidgetContentsChanged()
{
    QPlainTextEdit *w = PlainTextEdit();
    if (!w || m_toWidget || IsDestroying())
        return;
    QString text = w->toPlainText();
    if (MaxLength() > 0 && text.size() > MaxLength()) {
        text.truncate(MaxLength());
        UpdateWidgetText();
    }
    m_fromWidget = true;
    try {
        m_lines->SetText(FilteredText(text));
    } catch (...) {
        m_fromWidget = false;
        throw;
    }
    m_fromWidget = false;
    SetModified(true);
}

void TCustomMemo::UpdateWidgetText()
{
    QPlainTextEdit *w = PlainTextEdit();
    if (!w)
        return;
    const QString text = m_lines->ToStringList().join(QLatin1Char('\n'));
    if (w->toPlainText() == text)
        return;
    m_toWidget = true;
    w->setPlainText(text);
    m_toWidget = false;
}

void TCustomMemo::UpdateWidgetOptions()
{
    QPlainTextEdit *w = PlainTextEdit();
    if (!w)
        return;
    w->setFrameShape(BorderStyle() == bsNone ? QFrame::NoFrame : QFrame::StyledPanel);
    w->setReadOnly(ReadOnly());
    const bool horizontal = m_scrollBars == ssHorizontal || m_scrollBars == ssBoth;
    const bool vertical = m_scrollBars == ssVertical || m_scrollBars == ssBoth;
    w->setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    w->setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    // A horizontal scroll bar means long lines go on past the edge: no wrapping then.
    const bool wrap = m_wordWrap && !horizontal;
    w->setLineWrapMode(wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    w->setTabChangesFocus(!m_wantTabs);
    QTextOption option = w->document()->defaultTextOption();
    option.setAlignment(AlignmentFlag(m_alignment));
    w->document()->setDefaultTextOption(option);
}

void TCustomMemo::SetAlignment(TAlignment alignment)
{
    m_alignment = alignment;
    UpdateWidgetOptions();
}

void TCustomMemo::SetScrollBars(TScrollStyle style)
{
    m_scrollBars = style;
    UpdateWidgetOptions();
}

void TCustomMemo::SetWantTabs(bool v)
{
    m_wantTabs = v;
    UpdateWidgetOptions();
}

void TCustomMemo::SetWordWrap(bool v)
{
    m_wordWrap = v;
    UpdateWidgetOptions();
}

bool TCustomMemo::KeyDown(quint16 &key, TShiftState shift)
{
    if (TCustomEdit::KeyDown(key, shift))
        return true;
    // Without WantReturns, Enter is not a line break (Ctrl+Enter still is).
    return key == VK_RETURN && !m_wantReturns && !(shift & ssCtrl);
}

static TPropTable MemoProps()
{
    using M = TMemo;
    TPropTable t = EditCommonProps();
    AppendProps(t, ControlProps({"Align"}));
    t.push_back(Prop<M>("Alignment", TypeInfoTAlignment(), &M::Alignment, &M::SetAlignment,
                        taLeftJustify));
    t.push_back(Prop<M>("Lines", TStrings::StaticClass()->ClassTypeInfo(), &M::Lines,
                        &M::SetLines));
    t.push_back(Prop<M>("ScrollBars", TypeInfoTScrollStyle(), &M::ScrollBars, &M::SetScrollBars,
                        ssNone));
    t.push_back(Prop<M>("WantReturns", TypeInfoBoolean(), &M::WantReturns, &M::SetWantReturns,
                        1));
    t.push_back(Prop<M>("WantTabs", TypeInfoBoolean(), &M::WantTabs, &M::SetWantTabs, 0));
    t.push_back(Prop<M>("WordWrap", TypeInfoBoolean(), &M::WordWrap, &M::SetWordWrap, 1));
    return t;
}
Z_DEFINE_CLASS(TMemo, TCustomMemo, MemoProps)

TMemo::TMemo(TComponent *owner) : TCustomMemo(owner) {}
