// Data-aware memos and rich edits: one binding of a field to the text of either.

#include "DBCtrlsShared.h"

#include <QPlainTextEdit>

using namespace DBCtrlsDetail;

template<class Base>
TDBMemoBinding<Base>::TDBMemoBinding(TComponent *owner) : TDataAwareControl<Base>(owner)
{
    // The lines come from the field, never from the name.
    this->SetControlStyle(this->ControlStyle() & ~quint32(csSetCaption));
    m_dataLink.OnDataChange = TNotifyEvent::Of<&TDBMemoBinding::DataChange>(this);
    m_dataLink.OnEditingChange = TNotifyEvent::Of<&TDBMemoBinding::EditingChange>(this);
    m_dataLink.OnUpdateData = TNotifyEvent::Of<&TDBMemoBinding::UpdateData>(this);
    DataChange(nullptr);
}

template<class Base>
TDBMemoBinding<Base>::~TDBMemoBinding()
{
    this->Destroying();
}

template<class Base>
void TDBMemoBinding<Base>::SetAutoDisplay(bool v)
{
    if (v == m_autoDisplay)
        return;
    m_autoDisplay = v;
    if (v)
        LoadMemo();
}

template<class Base>
void TDBMemoBinding<Base>::SetDesigning(bool designing, bool setChildren)
{
    Base::SetDesigning(designing, setChildren);
    DataChange(nullptr);
}

template<class Base>
void TDBMemoBinding<Base>::InitWidget()
{
    Base::InitWidget();
    // The text is painted by the viewport, not by the memo widget itself.
    auto *w = qobject_cast<QPlainTextEdit *>(this->m_widget);
    new TPaintRefresher(w ? w->viewport() : this->m_widget, [this] {
        if (!Field() && this->Designing() && this->Text() != this->Name())
            DataChange(nullptr);
    });
}

template<class Base>
void TDBMemoBinding<Base>::ShowText(const QString &text)
{
    m_dataChanging = true;
    try {
        this->SetText(text);
    } catch (...) {
        m_dataChanging = false;
        throw;
    }
    m_dataChanging = false;
    this->SetModified(false);
}

template<class Base>
void TDBMemoBinding<Base>::LoadMemo()
{
    if (this->IsDestroying())
        return;
    m_memoLoaded = Field() != nullptr;
    ShowText(FieldDisplayText(this, m_dataLink));
    UpdateEditable();
}

template<class Base>
void TDBMemoBinding<Base>::DataChange(TObject *)
{
    if (this->IsDestroying())
        return;
    m_memoLoaded = false;
    if (m_autoDisplay || !Field()) {
        LoadMemo();
        return;
    }
    // The value waits for the user; the memo shows the field's label meanwhile.
    ShowText(QStringLiteral("(%1)").arg(Field()->DisplayLabel()));
    UpdateEditable();
}

template<class Base>
void TDBMemoBinding<Base>::EditingChange(TObject *)
{
    UpdateEditable();
}

template<class Base>
void TDBMemoBinding<Base>::UpdateEditable()
{
    // A memo not yet loaded takes no typing: it would overwrite the unseen value.
    Base::SetReadOnly(!m_memoLoaded || !m_dataLink.CanModify());
}

template<class Base>
void TDBMemoBinding<Base>::DblClick()
{
    if (!m_memoLoaded && !this->Designing())
        LoadMemo();
    Base::DblClick();
}

template<class Base>
bool TDBMemoBinding<Base>::KeyDown(quint16 &key, TShiftState shift)
{
    if (!m_memoLoaded && key == VK_RETURN && !this->Designing()) {
        LoadMemo();
        key = 0;
        return true;
    }
    return Base::KeyDown(key, shift);
}

template<class Base>
void TDBMemoBinding<Base>::Change()
{
    if (!m_dataChanging && !this->IsDestroying() && m_memoLoaded) {
        m_dataLink.Edit();
        m_dataLink.SetModified(true);
    }
    Base::Change();
}

template<class Base>
void TDBMemoBinding<Base>::UpdateData(TObject *)
{
    if (TField *field = Field(); field && m_memoLoaded)
        field->SetAsString(this->Text());
}

template class TDBMemoBinding<TCustomMemo>;
template class TDBMemoBinding<TCustomRichEdit>;

// ---- the published classes ------------------------------------------------------------------

namespace {

// What both publish of the memo kinds: the edit's common part without its own ReadOnly, the
// alignment, the memo options, and the data properties.
template<class M> TPropTable MemoTable(std::initializer_list<const char *> drop)
{
    TPropTable t = EditCommonProps();
    AppendProps(t, ControlProps({"Align"}));
    RemoveProps(t, {"ReadOnly"});
    RemoveProps(t, drop);
    t.push_back(Prop<M>("Alignment", TypeInfoTAlignment(), &M::Alignment, &M::SetAlignment,
                        taLeftJustify));
    t.push_back(Prop<M>("AutoDisplay", TypeInfoBoolean(), &M::AutoDisplay, &M::SetAutoDisplay,
                        1));
    t.push_back(Prop<M>("ScrollBars", TypeInfoTScrollStyle(), &M::ScrollBars, &M::SetScrollBars,
                        ssNone));
    t.push_back(Prop<M>("WantReturns", TypeInfoBoolean(), &M::WantReturns, &M::SetWantReturns,
                        1));
    t.push_back(Prop<M>("WantTabs", TypeInfoBoolean(), &M::WantTabs, &M::SetWantTabs, 0));
    t.push_back(Prop<M>("WordWrap", TypeInfoBoolean(), &M::WordWrap, &M::SetWordWrap, 1));
    AppendReadOnlyProp<M>(t);
    AppendDataProps<M>(t);
    return t;
}

} // namespace

static TPropTable DBMemoProps()
{
    return MemoTable<TDBMemo>({});
}
Z_DEFINE_CLASS(TDBMemo, TCustomMemo, DBMemoProps)

TDBMemo::TDBMemo(TComponent *owner) : TDBMemoBinding<TCustomMemo>(owner) {}

static TPropTable DBRichEditProps()
{
    using R = TDBRichEdit;
    // A rich edit converts no characters to the OEM set.
    TPropTable t = MemoTable<R>({"OEMConvert"});
    t.push_back(Prop<R>("HideScrollBars", TypeInfoBoolean(), &R::HideScrollBars,
                        &R::SetHideScrollBars, 1));
    t.push_back(Prop<R>("PlainText", TypeInfoBoolean(), &R::PlainText, &R::SetPlainText, 0));
    t.push_back(EventProp<R>("OnProtectChange", TypeInfoTRichEditProtectChange(),
                             &R::OnProtectChange));
    t.push_back(EventProp<R>("OnResizeRequest", TypeInfoTRichEditResizeEvent(),
                             &R::OnResizeRequest));
    t.push_back(EventProp<R>("OnSaveClipboard", TypeInfoTRichEditSaveClipboard(),
                             &R::OnSaveClipboard));
    t.push_back(EventProp<R>("OnSelectionChange", TypeInfoTNotifyEvent(),
                             &R::OnSelectionChange));
    return t;
}
Z_DEFINE_CLASS(TDBRichEdit, TCustomRichEdit, DBRichEditProps)

TDBRichEdit::TDBRichEdit(TComponent *owner) : TDBMemoBinding<TCustomRichEdit>(owner) {}
