#pragma once

// Masked edits: an edit whose input is shaped by an edit mask (see EditMask.h).

#include "EditMask.h"
#include "StdCtrls.h"

// With a mask, the edit always shows the whole mask: literals in place and the blank character
// at each empty input position. Typing overwrites the input position at the cursor if it takes
// the character and skips literals; refused characters are dropped. Backspace and Delete blank
// input positions. Without a mask it is a plain edit.
class TCustomMaskEdit : public TCustomEdit
{
    Z_CLASS(TCustomMaskEdit)
public:
    explicit TCustomMaskEdit(TComponent *owner);
    ~TCustomMaskEdit() override;

    QString EditMask() const { return m_maskText; }
    // Reshapes the present value to the new mask.
    void SetEditMask(const QString &mask);
    bool IsMasked() const { return m_mask.IsMasked(); }
    const TEditMask &Mask() const { return m_mask; }
    // The text as shown, literals and blanks included.
    QString EditText() const;
    void SetEditText(const QString &text);
    // When the user changed a masked text: raises EDBEditError when a required position is
    // blank, placing the cursor there and, outside design state, the focus back in the edit.
    virtual void ValidateEdit();
    // Abandons the user's changes: the text the edit had when it got the focus comes back.
    void Reset();

    // Framework-internal, from the widget: a key typed at the cursor. True when used.
    bool MaskKeyPress(QChar ch);
    bool MaskDelete(bool backwards);
    // Framework-internal, from the widget: the focus came in (windowActivation: only because
    // the window became active again), or went to another control of the window.
    void WidgetFocusIn(bool windowActivation);
    void WidgetFocusLeft();

    // Escape abandons the changes of a changed masked text.
    bool KeyDown(quint16 &key, TShiftState shift) override;

protected:
    QWidget *CreateWidget(QWidget *parentWidget) override;
    QString GetText() const override;
    void TextChanged() override;
    void UpdateWidgetText() override;
    void UpdateWidgetOptions() override;

private:
    void SetShown(const QString &editText, int cursor);
    // Where typing goes: the cursor, or the start of the selection.
    int CursorPosition() const;

    QString m_maskText;
    TEditMask m_mask;
    QString m_editText; // the shown text while masked
    int m_cursor = 0;
    QString m_oldValue;    // the shown text when the focus came in
    bool m_entered = false; // m_oldValue is known
    bool m_reEnter = false; // the focus comes back after a failed validation
};

class TMaskEdit : public TCustomMaskEdit
{
    Z_CLASS(TMaskEdit)
public:
    explicit TMaskEdit(TComponent *owner);
};
