// How controls and menu items take up an action: the link each kind makes, and the values it
// copies from the action when linked and after every change of the action.

#include "ActionClients.h"
#include "Controls.h"
#include "ImgList.h"
#include "Menus.h"

namespace {

// Points a client's link at action (making the link on first use), or frees the link for
// nullptr. Answers whether the client now follows a new action.
template<class Client, class MakeLink>
bool LinkAction(Client *client, TBasicActionLink *&link, TBasicAction *action, MakeLink make)
{
    TBasicAction *old = link ? link->Action() : nullptr;
    if (action == old && (action || !link))
        return false;
    if (old)
        old->RemoveFreeNotification(client);
    if (!action) {
        Free(link);
        link = nullptr;
        return false;
    }
    if (!link)
        link = make();
    link->SetAction(action);
    action->FreeNotification(client);
    return true;
}

} // namespace

TBasicAction *TControl::Action() const
{
    return m_actionLink ? m_actionLink->Action() : nullptr;
}

void TControl::SetAction(TBasicAction *action)
{
    if (!LinkAction(this, m_actionLink, action, [this] { return CreateActionLink(); }))
        return;
    m_actionLink->OnChange = TNotifyEvent::Of<&TControl::DoActionChange>(this);
    ActionChange(action, action->ComponentState() & csLoading);
}

TBasicActionLink *TControl::CreateActionLink()
{
    return new TControlActionLink(this);
}

void TControl::DoActionChange(TObject *sender)
{
    if (sender && sender == Action())
        ActionChange(sender, false);
}

void TControl::ActionChange(TObject *sender, bool checkDefaults)
{
    auto *action = ObjectCast<TCustomAction>(sender);
    if (!action)
        return;
    if (!checkDefaults || Caption().isEmpty() || Caption() == Name())
        SetCaption(action->Caption());
    if (!checkDefaults || Enabled())
        SetEnabled(action->Enabled());
    if (!checkDefaults || Hint().isEmpty())
        SetHint(action->Hint());
    if (!checkDefaults || Visible())
        SetVisible(action->Visible());
    if (!checkDefaults || !OnClick.Assigned())
        OnClick = action->OnExecute();
}

TBasicActionLink *TWinControl::CreateActionLink()
{
    return new TWinControlActionLink(this);
}

void TWinControl::ActionChange(TObject *sender, bool checkDefaults)
{
    TControl::ActionChange(sender, checkDefaults);
    if (auto *action = ObjectCast<TCustomAction>(sender)) {
        if (!checkDefaults || HelpContext() == 0)
            SetHelpContext(action->HelpContext());
    }
}

TBasicAction *TMenuItem::Action() const
{
    return m_actionLink ? m_actionLink->Action() : nullptr;
}

void TMenuItem::SetAction(TBasicAction *action)
{
    if (!LinkAction(this, m_actionLink, action, [this] { return new TMenuActionLink(this); }))
        return;
    m_actionLink->OnChange = TNotifyEvent::Of<&TMenuItem::DoActionChange>(this);
    ActionChange(action, action->ComponentState() & csLoading);
}

void TMenuItem::DoActionChange(TObject *sender)
{
    if (sender && sender == Action())
        ActionChange(sender, false);
}

void TMenuItem::ActionChange(TObject *sender, bool checkDefaults)
{
    auto *action = ObjectCast<TCustomAction>(sender);
    if (!action)
        return;
    if (!checkDefaults || m_caption.isEmpty())
        SetCaption(action->Caption());
    if (!checkDefaults || !m_checked)
        SetChecked(action->Checked());
    if (!checkDefaults || m_enabled)
        SetEnabled(action->Enabled());
    if (!checkDefaults || m_helpContext == 0)
        SetHelpContext(action->HelpContext());
    if (!checkDefaults || m_hint.isEmpty())
        SetHint(action->Hint());
    if (!checkDefaults || m_imageIndex < 0)
        SetImageIndex(action->ImageIndex());
    if (!checkDefaults || m_shortCut == 0)
        SetShortCut(action->ShortCut());
    if (!checkDefaults || m_visible)
        SetVisible(action->Visible());
    if (!checkDefaults || !OnClick.Assigned())
        OnClick = action->OnExecute();
}

void TMenuItem::Notification(TComponent *component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == opRemove && m_actionLink && component == Action())
        SetAction(nullptr);
    if (operation == opRemove && component == m_subMenuImages)
        m_subMenuImages = nullptr;
}
