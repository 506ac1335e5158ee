#include "EditInput.h"

#include "OemCodePage.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

class TEditInputWatch : public QObject
{
public:
    explicit TEditInputWatch(TCustomEdit *edit) : m_edit(edit) {}

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (m_resending)
            return false;
        auto *widget = static_cast<QWidget *>(watched);
        switch (event->type()) {
        case QEvent::KeyPress:
            return m_edit->OEMConvert() && !m_edit->Designing()
                   && ConvertKey(widget, static_cast<QKeyEvent *>(event));
        case QEvent::FocusIn:
        case QEvent::FocusOut:
            ShowSelection(widget, event->type() == QEvent::FocusIn);
            return event->type() == QEvent::FocusOut
                   && KeepSelection(widget, static_cast<QFocusEvent *>(event));
        case QEvent::WindowActivate:
            // A line edit without the focus drops its selection when its window comes to the
            // front; all the event does besides is repaint.
            if (!qobject_cast<QLineEdit *>(widget))
                return false;
            widget->update();
            return true;
        default:
            return false;
        }
    }

private:
    // Sends the key again with its text through the OEM code page; true when it did.
    bool ConvertKey(QWidget *widget, QKeyEvent *event)
    {
        const QString text = OemRoundTrip(event->text());
        if (text == event->text())
            return false;
        QKeyEvent converted(event->type(), event->key(), event->modifiers(),
                            event->nativeScanCode(), event->nativeVirtualKey(),
                            event->nativeModifiers(), text, event->isAutoRepeat(),
                            event->count());
        Resend(widget, &converted);
        return true;
    }

    void ShowSelection(QWidget *widget, bool focused)
    {
        QPalette palette = widget->palette();
        SetSelectionColors(palette, m_edit->HideSelection() && !focused, m_edit->Color(),
                           m_edit->Font()->Color());
        widget->setPalette(palette);
    }

    // A line edit drops its selection when the focus leaves it for another widget. The
    // classic edit keeps it: the widget handles the event here, as it would, and the selection
    // is put back afterwards. True when the event was handled so.
    bool KeepSelection(QWidget *widget, QFocusEvent *event)
    {
        auto *line = qobject_cast<QLineEdit *>(widget);
        if (!line || !line->hasSelectedText())
            return false;
        const int start = line->selectionStart();
        const int length = int(line->selectedText().size());
        const bool caretAtStart = line->cursorPosition() == start;
        m_resending = true;
        static_cast<QObject *>(line)->event(event);
        m_resending = false;
        if (!line->hasSelectedText()) {
            if (caretAtStart)
                line->setSelection(start + length, -length);
            else
                line->setSelection(start, length);
        }
        return true;
    }

    void Resend(QWidget *widget, QEvent *event)
    {
        m_resending = true;
        QCoreApplication::sendEvent(widget, event);
        m_resending = false;
    }

    TCustomEdit *m_edit; // not owned: the edit owns the widget this watches
    bool m_resending = false;
};

} // namespace

void WatchEditInput(TCustomEdit *edit, QWidget *widget)
{
    auto *watch = new TEditInputWatch(edit);
    watch->setParent(widget);
    widget->installEventFilter(watch);
}

void SetSelectionColors(QPalette &palette, bool hidden, TColor base, TColor text)
{
    const QColor highlight = ColorToQColor(hidden ? base : clHighlight);
    const QColor highlighted = ColorToQColor(hidden ? text : clHighlightText);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Highlight, highlight);
        palette.setColor(group, QPalette::HighlightedText, highlighted);
    }
}
