#include "SynEditWidget.h"

#include "SynEdit.h"

#include <Qsci/qscicommandset.h>

#include <QKeyEvent>
#include <QMouseEvent>

TSynEditWidget::TSynEditWidget(TSynEdit *edit, QWidget *parent)
    : QsciScintilla(parent), m_edit(edit)
{
    // Clear the command set first: QScintilla consults it for shortcut overrides, and the
    // keys Scintilla binds itself would otherwise never reach the editor's own commands.
    standardCommands()->clearKeys();
    standardCommands()->clearAlternateKeys();
    SendScintilla(SCI_CLEARALLCMDKEYS);
}

bool TSynEditWidget::event(QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        // A key the editor binds is the editor's, not an application shortcut's.
        auto *ke = static_cast<QKeyEvent *>(event);
        const int vk = VirtualKeyOf(ke);
        const TShiftState shift = ShiftStateOf(ke->modifiers(), Qt::NoButton);
        if (vk && m_edit->Keystrokes().FindKeycode(quint16(vk), shift) >= 0) {
            ke->accept();
            return true;
        }
    }
    return QsciScintilla::event(event);
}

void TSynEditWidget::keyPressEvent(QKeyEvent *event)
{
    // With Ctrl or Alt held a key types nothing; unbound, it does nothing at all.
    if (!(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) && !isReadOnly())
        QsciScintilla::keyPressEvent(event);
    event->accept();
}

void TSynEditWidget::mousePressEvent(QMouseEvent *event)
{
    const bool plainLeft = event->button() == Qt::LeftButton
        && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (plainLeft
        && m_edit->MouseSelect(event->position().toPoint(), true,
                               event->modifiers().testFlag(Qt::ShiftModifier))) {
        setFocus(Qt::MouseFocusReason);
        event->accept();
        return;
    }
    QsciScintilla::mousePressEvent(event);
}

void TSynEditWidget::mouseMoveEvent(QMouseEvent *event)
{
    if ((event->buttons() & Qt::LeftButton)
        && m_edit->MouseSelect(event->position().toPoint(), false, true)) {
        event->accept();
        return;
    }
    QsciScintilla::mouseMoveEvent(event);
}

void TSynEditWidget::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton
        && m_edit->MouseSelect(event->position().toPoint(), false, true)) {
        m_edit->EndMouseSelect();
        event->accept();
        return;
    }
    QsciScintilla::mouseReleaseEvent(event);
}
