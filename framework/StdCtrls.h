#pragma once

// Standard controls: the push button, and the text alignment type the standard controls share.

#include "Controls.h"
#include "Forms.h"

class QShortcut;

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
PTypeInfo TypeInfoTAlignment();
// The Qt horizontal alignment flag of a text alignment.
Qt::Alignment AlignmentFlag(TAlignment alignment);

// Base of the controls that click: push buttons, and later check boxes and radio buttons.
class TButtonControl : public TWinControl
{
    Z_CLASS(TButtonControl)
public:
    explicit TButtonControl(TComponent *owner);
};

// A push button drawn by a QPushButton. A click (mouse or keyboard) calls Click once; a
// button with a ModalResult gives it to its form, which ends the form's modal showing.
class TButton : public TButtonControl
{
    Z_CLASS(TButton)
public:
    explicit TButton(TComponent *owner);
    ~TButton() override;

    // Enter clicks the default button of the form, Escape the cancel button.
    bool Default() const { return m_default; }
    void SetDefault(bool v);
    bool Cancel() const { return m_cancel; }
    void SetCancel(bool v);
    TModalResult ModalResult() const { return m_modalResult; }
    void SetModalResult(TModalResult result) { m_modalResult = result; }

    void Click() override;

protected:
    QWidget *CreateWidget(QWidget *parentWidget) override;
    void InitWidget() override;
    void TextChanged() override;
    void ApplyDesignState() override;

private:
    void UpdateShortcuts();

    bool m_default = false;
    bool m_cancel = false;
    TModalResult m_modalResult = mrNone;
    QShortcut *m_defaultKey = nullptr; // child of the widget
    QShortcut *m_enterKey = nullptr;   // child of the widget
    QShortcut *m_cancelKey = nullptr;  // child of the widget
};
