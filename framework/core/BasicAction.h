#pragma once

// Actions at their simplest: a component that runs a handler when executed and another when
// asked to update itself, and the link through which a client (a control, a menu item)
// follows an action. Action lists and the actions with captions, check marks and shortcuts
// build on these (ActnList.h).

#include "Classes.h"

#include <vector>

class TBasicActionLink;

class TBasicAction : public TComponent
{
    Z_CLASS(TBasicAction)
public:
    explicit TBasicAction(TComponent *owner);
    // Unhooks every link still following the action: their Action reads nullptr afterwards.
    ~TBasicAction() override;

    // Runs OnExecute; answers whether a handler ran.
    virtual bool Execute();
    // Runs OnUpdate; answers whether a handler ran.
    virtual bool Update();

    // The client whose click is executing the action, while it executes; nullptr otherwise.
    TComponent *ActionComponent() const { return m_actionComponent; } // not owned
    void SetActionComponent(TComponent *component) { m_actionComponent = component; }

    // Setting the handler hands it to the clients whose click still runs the old one.
    const TNotifyEvent &OnExecute() const { return m_onExecute; }
    void SetOnExecute(const TNotifyEvent &handler);
    TNotifyEvent OnUpdate;
    // After any change of the action; the links pass it on to their clients.
    TNotifyEvent OnChange;

    // Framework-internal: the links call these as they start and stop following the action.
    void RegisterChanges(TBasicActionLink *link);
    void UnRegisterChanges(TBasicActionLink *link);
    int ClientCount() const { return int(m_clients.size()); }

protected:
    // Tells OnChange and every link that the action changed.
    virtual void Change();
    // The links, for descendants that push a changed value to the clients.
    const std::vector<TBasicActionLink *> &Clients() const { return m_clients; }

private:
    TNotifyEvent m_onExecute;
    TComponent *m_actionComponent = nullptr;
    std::vector<TBasicActionLink *> m_clients; // not owned: each client owns its link
};

// What a client holds to follow an action. The client owns the link; the action knows its links
// and clears their Action when it is freed, so a link never dangles.
class TBasicActionLink : public TObject
{
    Z_CLASS(TBasicActionLink)
public:
    TBasicActionLink() = default;
    ~TBasicActionLink() override;

    TBasicAction *Action() const { return m_action; } // not owned
    virtual void SetAction(TBasicAction *action);
    // Executes the action with component as its ActionComponent meanwhile.
    virtual bool Execute(TComponent *component = nullptr);
    virtual bool Update();

    // A client's click: the client's own OnClick wins over the action's handler; without one
    // the action executes (never at design time).
    static void Click(TBasicActionLink *link, TComponent *client, const TNotifyEvent &onClick);

    // Whether the client's click still runs the action's handler.
    virtual bool IsOnExecuteLinked() { return true; }
    // The action's new handler, for a client whose click still runs the old one.
    virtual void SetOnExecute(const TNotifyEvent &handler) { (void)handler; }
    // Called by the action after it changed: passes the news to OnChange.
    virtual void Change();

    // Called with the action when it changed.
    TNotifyEvent OnChange;

private:
    friend class TBasicAction;
    TBasicAction *m_action = nullptr;
};
