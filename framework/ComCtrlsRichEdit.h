#pragma once

// The rich edit: a memo whose text may carry formatting. Here it edits and shows the text of
// its lines; PlainText says whether files it loads and saves are read as plain text.

#include "ComCtrls.h"

using TRichEditProtectChange = TEvent<TObject *, int, int, bool &>;
using TRichEditResizeEvent = TEvent<TObject *, QRect>;
using TRichEditSaveClipboard = TEvent<TObject *, int, int, bool &>;
PTypeInfo TypeInfoTRichEditProtectChange();
PTypeInfo TypeInfoTRichEditResizeEvent();
PTypeInfo TypeInfoTRichEditSaveClipboard();

class TCustomRichEdit : public TCustomMemo
{
    Z_CLASS(TCustomRichEdit)
public:
    explicit TCustomRichEdit(TComponent *owner);

    // Scroll bars named by ScrollBars show only when the text needs them.
    bool HideScrollBars() const { return m_hideScrollBars; }
    void SetHideScrollBars(bool v);
    bool PlainText() const { return m_plainText; }
    void SetPlainText(bool v) { m_plainText = v; }

    TRichEditProtectChange OnProtectChange;
    TRichEditResizeEvent OnResizeRequest;
    TRichEditSaveClipboard OnSaveClipboard;
    TNotifyEvent OnSelectionChange;

protected:
    void UpdateWidgetOptions() override;

private:
    bool m_hideScrollBars = true;
    bool m_plainText = false;
};

class TRichEdit : public TCustomRichEdit
{
    Z_CLASS(TRichEdit)
public:
    explicit TRichEdit(TComponent *owner);
};
