#include "ComCtrlsRichEdit.h"

#include "ControlProps.h"
#include "PublishedProps.h"

#include <QPlainTextEdit>

#include <algorithm>

PTypeInfo TypeInfoTRichEditProtectChange()
{
    static const TTypeInfo *t = NewMethodType(
        QStringLiteral("TRichEditProtectChange"),
        QStringLiteral("Sender: TObject; StartPos, EndPos: Integer; var AllowChange: Boolean"));
    return t;
}

PTypeInfo TypeInfoTRichEditResizeEvent()
{
    static const TTypeInfo *t = NewMethodType(QStringLiteral("TRichEditResizeEvent"),
                                              QStringLiteral("Sender: TObject; Rect: TRect"));
    return t;
}

PTypeInfo TypeInfoTRichEditSaveClipboard()
{
    static const TTypeInfo *t = NewMethodType(
        QStringLiteral("TRichEditSaveClipboard"),
        QStringLiteral("Sender: TObject; NumObjects, NumChars: Integer; var SaveClipboard: "
                       "Boolean"));
    return t;
}

Z_DEFINE_CLASS(TCustomRichEdit, TCustomMemo, NoPublishedProps)

TCustomRichEdit::TCustomRichEdit(TComponent *owner) : TCustomMemo(owner) {}

void TCustomRichEdit::SetHideScrollBars(bool v)
{
    m_hideScrollBars = v;
    UpdateWidgetOptions();
}

void TCustomRichEdit::UpdateWidgetOptions()
{
    TCustomMemo::UpdateWidgetOptions();
    QPlainTextEdit *w = PlainTextEdit();
    if (!w || !m_hideScrollBars)
        return;
    // A bar that ScrollBars asks for appears only while the text overflows.
    if (w->horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOn)
        w->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    if (w->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn)
        w->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

static TPropTable RichEditProps()
{
    using R = TRichEdit;
    TPropTable t = EditCommonProps();
    // A rich edit converts no characters to the OEM set.
    const auto oem = [](const TPropInfo &p) { return p.Name == QLatin1String("OEMConvert"); };
    t.erase(std::remove_if(t.begin(), t.end(), oem), t.end());
    AppendProps(t, ControlProps({"Align"}));
    const TPropTable own = {
        Prop<R>("Alignment", TypeInfoTAlignment(), &R::Alignment, &R::SetAlignment,
                taLeftJustify),
        Prop<R>("HideScrollBars", TypeInfoBoolean(), &R::HideScrollBars, &R::SetHideScrollBars,
                1),
        Prop<R>("Lines", TStrings::StaticClass()->ClassTypeInfo(), &R::Lines, &R::SetLines),
        Prop<R>("PlainText", TypeInfoBoolean(), &R::PlainText, &R::SetPlainText, 0),
        Prop<R>("ScrollBars", TypeInfoTScrollStyle(), &R::ScrollBars, &R::SetScrollBars, ssNone),
        Prop<R>("WantReturns", TypeInfoBoolean(), &R::WantReturns, &R::SetWantReturns, 1),
        Prop<R>("WantTabs", TypeInfoBoolean(), &R::WantTabs, &R::SetWantTabs, 0),
        Prop<R>("WordWrap", TypeInfoBoolean(), &R::WordWrap, &R::SetWordWrap, 1),
        EventProp<R>("OnProtectChange", TypeInfoTRichEditProtectChange(), &R::OnProtectChange),
        EventProp<R>("OnResizeRequest", TypeInfoTRichEditResizeEvent(), &R::OnResizeRequest),
        EventProp<R>("OnSaveClipboard", TypeInfoTRichEditSaveClipboard(), &R::OnSaveClipboard),
        EventProp<R>("OnSelectionChange", TypeInfoTNotifyEvent(), &R::OnSelectionChange),
    };
    t.insert(t.end(), own.begin(), own.end());
    return t;
}
Z_DEFINE_CLASS(TRichEdit, TCustomRichEdit, RichEditProps)

TRichEdit::TRichEdit(TComponent *owner) : TCustomRichEdit(owner) {}
