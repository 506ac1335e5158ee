#pragma once

// Check list boxes: list boxes with a check box before each item.

#include "StdCtrls.h"

// Each item has a check state, kept beside its string so that it moves with it when the list
// is sorted or changed. A click on an item's box (or Space on the current item) moves its
// state on and calls OnClickCheck; setting Checked or State by code calls nothing.
class TCheckListBox : public TCustomListBox
{
    Z_CLASS(TCheckListBox)
public:
    explicit TCheckListBox(TComponent *owner);

    bool AllowGrayed() const { return m_allowGrayed; }
    void SetAllowGrayed(bool v) { m_allowGrayed = v; }
    bool Flat() const { return m_flat; }
    void SetFlat(bool v);
    bool Checked(int index) const { return State(index) == cbChecked; }
    void SetChecked(int index, bool checked);
    TCheckBoxState State(int index) const;
    void SetState(int index, TCheckBoxState state);
    // The state a click gives the item: unchecked, checked, grayed (if allowed), unchecked.
    TCheckBoxState NextState(int index) const;

    // The user's click on the item's box.
    void ToggleItem(int index);

    TNotifyEvent OnClickCheck;

    // The box in the row's left end, the item drawn (or owner-drawn) beside it.
    void PaintItem(QPainter &painter, int index, const QRect &rect,
                   TOwnerDrawState state) override;
    QRect ItemCheckRect(const QRect &rect) const override;

protected:
    QWidget *CreateWidget(QWidget *parentWidget) override;
    void SetUpRow(int index) override;
    virtual void ClickCheck();

private:
    void WidgetItemChanged(int row);

    bool m_allowGrayed = false;
    bool m_flat = true;
};
