#pragma once

// The QScintilla widget behind a TSynEdit. Scintilla's own key map is emptied: the editor's
// key table decides what a key does (the framework's key handling runs it before this widget
// sees the key), and what is left over only types characters here.

#include <Qsci/qsciscintilla.h>

class TSynEdit;

class TSynEditWidget : public QsciScintilla
{
public:
    TSynEditWidget(TSynEdit *edit, QWidget *parent);

protected:
    bool event(QEvent *event) override;
    // Every key stops here, as keys sent to an edit control go no further: a key the editor
    // does not use must not reach the form a second time by propagation.
    void keyPressEvent(QKeyEvent *event) override;
    // In column and line mode the editor shapes what the mouse selects.
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    TSynEdit *m_edit; // not owned: the editor owns this widget
};
