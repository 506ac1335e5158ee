#include "BasicAction.h"

#include "TypInfo.h"

#include <algorithm>

static TPropTable BasicActionProps()
{
    return {};
}
Z_DEFINE_CLASS(TBasicAction, TComponent, BasicActionProps)

TBasicAction::TBasicAction(TComponent *owner) : TComponent(owner) {}

TBasicAction::~TBasicAction()
{
    Destroying();
    while (!m_clients.empty())
        UnRegisterChanges(m_clients.back());
}

bool TBasicAction::Execute()
{
    if (!m_onExecute.Assigned())
        return false;
    m_onExecute(this);
    return true;
}

bool TBasicAction::Update()
{
    if (!OnUpdate.Assigned())
        return false;
    OnUpdate(this);
    return true;
}

void TBasicAction::SetOnExecute(const TNotifyEvent &handler)
{
    if (handler == m_onExecute)
        return;
    // The links compare their client's handler with the old one, so they go first.
    for (TBasicActionLink *link : std::vector<TBasicActionLink *>(m_clients))
        link->SetOnExecute(handler);
    m_onExecute = handler;
    Change();
}

void TBasicAction::Change()
{
    OnChange(this);
    // A client may drop the action while it hears of the change: ask each link still here.
    const std::vector<TBasicActionLink *> links = m_clients;
    for (TBasicActionLink *link : links) {
        if (std::find(m_clients.begin(), m_clients.end(), link) != m_clients.end())
            link->Change();
    }
}

void TBasicAction::RegisterChanges(TBasicActionLink *link)
{
    if (std::find(m_clients.begin(), m_clients.end(), link) == m_clients.end())
        m_clients.push_back(link);
    link->m_action = this;
}

void TBasicAction::UnRegisterChanges(TBasicActionLink *link)
{
    m_clients.erase(std::remove(m_clients.begin(), m_clients.end(), link), m_clients.end());
    if (link->m_action == this)
        link->m_action = nullptr;
}

// ---------------------------------------------------------------------------------------------

Z_DEFINE_CLASS(TBasicActionLink, TObject, NoPublishedProps)

TBasicActionLink::~TBasicActionLink()
{
    if (m_action)
        m_action->UnRegisterChanges(this);
}

void TBasicActionLink::SetAction(TBasicAction *action)
{
    if (action == m_action)
        return;
    if (m_action)
        m_action->UnRegisterChanges(this);
    if (action)
        action->RegisterChanges(this);
}

void TBasicActionLink::Click(TBasicActionLink *link, TComponent *client,
                             const TNotifyEvent &onClick)
{
    TBasicAction *action = link ? link->Action() : nullptr;
    if (onClick.Assigned() && action && onClick != action->OnExecute())
        onClick(client);
    else if (action && !client->Designing())
        link->Execute(client);
    else
        onClick(client);
}

bool TBasicActionLink::Execute(TComponent *component)
{
    if (!m_action)
        return false;
    TBasicAction *action = m_action;
    action->SetActionComponent(component);
    try {
        const bool handled = action->Execute();
        action->SetActionComponent(nullptr);
        return handled;
    } catch (...) {
        action->SetActionComponent(nullptr);
        throw;
    }
}

bool TBasicActionLink::Update()
{
    return m_action && m_action->Update();
}

void TBasicActionLink::Change()
{
    OnChange(m_action);
}
