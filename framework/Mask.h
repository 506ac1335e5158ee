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
    // Raises EDBEditError when a required position is blank, placing the cursor there.
    virtual void ValidateEdit();

    // Framework-internal, from the widget: a key typed at the cursor. True when used.
    bool MaskKeyPress(QChar ch);
    bool MaskDelete(bool backwards);

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
};

class TMaskEdit : public TCustomMaskEdit
{
    Z_CLASS(TMaskEdit)
public:
    explicit TMaskEdit(TComponent *owner);
};
