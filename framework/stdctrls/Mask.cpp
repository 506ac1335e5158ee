// Masked edits: a QLineEdit whose typing goes through the control's edit mask.

#include "Mask.h"

#include "PublishedProps.h"
#include "SafeCall.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QLineEdit>
#include <QTimer>

namespace {

// Hands typed characters, Backspace and Delete to the control while it has a mask; cursor
// keys and everything else work as in any line edit.
class TMaskLineEdit : public QLineEdit
{
public:
    TMaskLineEdit(TCustomMaskEdit *edit, QWidget *parent) : QLineEdit(parent), m_edit(edit) {}

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
        if (m_edit->IsMasked() && plain) {
            bool used = false;
            if (event->key() == Qt::Key_Backspace)
                SafeCall([&] { used = m_edit->MaskDelete(true); });
            else if (event->key() == Qt::Key_Delete)
                SafeCall([&] { used = m_edit->MaskDelete(false); });
            else if (!event->text().isEmpty() && event->text().at(0).isPrint())
                SafeCall([&] { used = m_edit->MaskKeyPress(event->text().at(0)); });
            if (used) {
                event->accept();
                return;
            }
        }
        QLineEdit::keyPressEvent(event);
    }

    // A click past what was typed puts the cursor where typing goes on, as a click past the
    // end of a plain edit's text does: the blanks after it are no text to place a cursor in.
    void mousePressEvent(QMouseEvent *event) override
    {
        QLineEdit::mousePressEvent(event);
        if (!m_edit->IsMasked() || event->button() != Qt::LeftButton || hasSelectedText())
            return;
        const int end = m_edit->Mask().TypingEnd(text());
        if (cursorPosition() > end)
            setCursorPosition(end);
    }

    void focusInEvent(QFocusEvent *event) override
    {
        QLineEdit::focusInEvent(event);
        SafeCall([&] { m_edit->WidgetFocusIn(IsWindowActivation(event->reason())); });
    }

    // Leaving for another control of the window validates the input, once the focus has
    // settled there: the edit may take the focus back. The focus going to another window (a
    // message box, a popup) is no exit. The event's reason is not asked: edits that keep their
    // selection see a substitute reason.
    void focusOutEvent(QFocusEvent *event) override
    {
        QLineEdit::focusOutEvent(event);
        QTimer::singleShot(0, this, [this] {
            const QWidget *now = QApplication::focusWidget();
            if (now && now != this && now->window() == window())
                SafeCall([this] { m_edit->WidgetFocusLeft(); });
        });
    }

private:
    static bool IsWindowActivation(Qt::FocusReason reason)
    {
        return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
    }

    TCustomMaskEdit *m_edit; // not owned: the edit owns this widget
};

} // namespace

Z_DEFINE_CLASS(TCustomMaskEdit, TCustomEdit, NoPublishedProps)

TCustomMaskEdit::TCustomMaskEdit(TComponent *owner) : TCustomEdit(owner) {}

TCustomMaskEdit::~TCustomMaskEdit()
{
    Destroying();
    DestroyWidget();
}

QWidget *TCustomMaskEdit::CreateWidget(QWidget *parentWidget)
{
    auto *w = new TMaskLineEdit(this, parentWidget);
    QObject::connect(w, &QLineEdit::textEdited, w, [this](const QString &text) {
        SafeCall([&] {
            if (IsMasked()) {
                // Text that came in some other way (a paste) is read into the mask.
                SetShown(m_mask.EditTextOf(text), LineEdit()->cursorPosition());
                SetModified(true);
                Change();
            } else {
                WidgetTextEdited(text);
            }
        });
    });
    return w;
}

QString TCustomMaskEdit::GetText() const
{
    return IsMasked() ? m_mask.ValueOf(m_editText) : TCustomEdit::GetText();
}

void TCustomMaskEdit::TextChanged()
{
    if (!IsMasked()) {
        TCustomEdit::TextChanged();
        return;
    }
    m_editText = m_mask.EditTextOf(FilteredText(m_text));
    m_text = GetText();
    UpdateWidgetText();
    Change();
}

void TCustomMaskEdit::SetEditMask(const QString &mask)
{
    // What the user typed goes over to the new mask, without the old mask's literals.
    QString value = Text();
    if (IsMasked()) {
        value.clear();
        for (int i = 0; i < m_mask.Length() && i < m_editText.size(); ++i) {
            if (!m_mask.IsLiteral(i) && m_editText.at(i) != m_mask.Blank())
                value += m_editText.at(i);
        }
    }
    m_maskText = mask;
    m_mask = TEditMask(mask);
    if (IsMasked()) {
        m_editText = m_mask.EditTextOf(value);
        m_text = GetText();
    } else {
        m_editText.clear();
        m_text = value;
    }
    UpdateWidgetOptions();
    UpdateWidgetText();
    // Typing starts at the front of the new mask, not behind it where setting the text left
    // the cursor.
    m_cursor = 0;
    if (QLineEdit *w = LineEdit(); w && IsMasked())
        w->setCursorPosition(0);
}

QString TCustomMaskEdit::EditText() const
{
    return IsMasked() ? m_editText : Text();
}

void TCustomMaskEdit::SetEditText(const QString &text)
{
    if (!IsMasked()) {
        SetText(text);
        return;
    }
    SetShown(m_mask.EditTextOf(text), 0);
    Change();
}

void TCustomMaskEdit::SetShown(const QString &editText, int cursor)
{
    m_editText = editText;
    m_text = m_mask.ValueOf(editText);
    m_cursor = std::clamp(cursor, 0, int(editText.size()));
    UpdateWidgetText();
    if (QLineEdit *w = LineEdit())
        w->setCursorPosition(m_cursor);
}

int TCustomMaskEdit::CursorPosition() const
{
    QLineEdit *w = LineEdit();
    if (!w)
        return m_cursor;
    return w->hasSelectedText() ? w->selectionStart() : w->cursorPosition();
}

bool TCustomMaskEdit::MaskKeyPress(QChar ch)
{
    if (!IsMasked())
        return false;
    if (ReadOnly())
        return true;
    int cursor = CursorPosition();
    // Typing a literal where it stands steps over it.
    if (cursor < m_mask.Length() && m_mask.IsLiteral(cursor) && m_mask.At(cursor).literal == ch) {
        SetShown(m_editText, cursor + 1);
        return true;
    }
    const int at = m_mask.NextInput(cursor);
    if (at < 0)
        return true;
    const QChar accepted = m_mask.Accept(at, ch);
    if (accepted.isNull())
        return true; // refused: the text stays as it is
    QString text = m_editText;
    text[at] = accepted;
    const int next = m_mask.NextInput(at + 1);
    SetShown(text, next < 0 ? at + 1 : next);
    SetModified(true);
    Change();
    return true;
}

bool TCustomMaskEdit::MaskDelete(bool backwards)
{
    if (!IsMasked())
        return false;
    if (ReadOnly())
        return true;
    QString text = m_editText;
    QLineEdit *w = LineEdit();
    int cursor = CursorPosition();
    if (w && w->hasSelectedText()) {
        const int end = cursor + int(w->selectedText().size());
        for (int i = cursor; i < end && i < m_mask.Length(); ++i) {
            if (!m_mask.IsLiteral(i))
                text[i] = m_mask.Blank();
        }
    } else {
        const int at = backwards ? m_mask.NextInput(cursor - 1, true) : m_mask.NextInput(cursor);
        if (at < 0)
            return true;
        text[at] = m_mask.Blank();
        if (backwards)
            cursor = at;
    }
    SetShown(text, cursor);
    SetModified(true);
    Change();
    return true;
}

void TCustomMaskEdit::ValidateEdit()
{
    if (!IsMasked() || !Modified())
        return;
    const int at = m_mask.FirstIncomplete(m_editText);
    if (at < 0)
        return;
    if (!Designing() && !Focused() && CanFocus()) {
        // The user stays in the edit to complete it or to abandon the changes with Escape.
        m_reEnter = true;
        SetFocus();
    }
    m_cursor = at;
    if (QLineEdit *w = LineEdit())
        w->setCursorPosition(at);
    throw EDBEditError(
        QStringLiteral("Invalid input value.  Use escape key to abandon changes"));
}

void TCustomMaskEdit::Reset()
{
    if (!IsMasked() || !Modified() || !m_entered || m_oldValue.size() != m_mask.Length())
        return;
    SetShown(m_oldValue, CursorPosition());
    SetModified(false);
    Change();
}

void TCustomMaskEdit::WidgetFocusIn(bool windowActivation)
{
    // Coming back after a failed validation, or with the window, is no new entry: Escape
    // still brings back the text of the entry before.
    if (m_reEnter || (windowActivation && m_entered)) {
        m_reEnter = false;
        return;
    }
    m_oldValue = EditText();
    m_entered = IsMasked();
}

void TCustomMaskEdit::WidgetFocusLeft()
{
    if (Designing() || IsDestroying() || !IsMasked())
        return;
    ValidateEdit();
}

bool TCustomMaskEdit::KeyDown(quint16 &key, TShiftState shift)
{
    if (TCustomEdit::KeyDown(key, shift))
        return true;
    if (key == VK_ESCAPE && IsMasked() && Modified() && !Designing()) {
        Reset();
        return true;
    }
    return false;
}

void TCustomMaskEdit::UpdateWidgetText()
{
    if (!IsMasked()) {
        TCustomEdit::UpdateWidgetText();
        return;
    }
    if (QLineEdit *w = LineEdit()) {
        if (w->text() != m_editText)
            w->setText(m_editText);
    }
}

void TCustomMaskEdit::UpdateWidgetOptions()
{
    TCustomEdit::UpdateWidgetOptions();
    if (QLineEdit *w = LineEdit(); w && IsMasked())
        w->setMaxLength(m_mask.Length());
}

static TPropTable MaskEditProps()
{
    using M = TMaskEdit;
    TPropTable t = EditCommonProps();
    AppendProps(t, EditLineProps());
    t.push_back(Prop<M>("EditMask", TypeInfoString(), &M::EditMask, &M::SetEditMask));
    return t;
}
Z_DEFINE_CLASS(TMaskEdit, TCustomMaskEdit, MaskEditProps)

TMaskEdit::TMaskEdit(TComponent *owner) : TCustomMaskEdit(owner) {}
