#pragma once

// The links through which controls and menu items follow an action: each hands a changed value
// of the action to what its kind of client has, where the client still showed the old value.
// After every change the client also takes all the action's values again (its ActionChange).

#include "ActnList.h"

class TControl;
class TWinControl;
class TMenuItem;

// Caption, Enabled, Hint, Visible and OnClick.
class TControlActionLink : public TActionLink
{
    Z_CLASS(TControlActionLink)
public:
    explicit TControlActionLink(TControl *client) : m_client(client) {}

    bool IsCaptionLinked() override;
    bool IsEnabledLinked() override;
    bool IsHintLinked() override;
    bool IsVisibleLinked() override;
    bool IsOnExecuteLinked() override;
    void SetCaption(const QString &value) override;
    void SetEnabled(bool value) override;
    void SetHint(const QString &value) override;
    void SetVisible(bool value) override;
    void SetOnExecute(const TNotifyEvent &handler) override;

protected:
    TControl *m_client; // not owned: the client owns this link
};

// Windowed controls add HelpContext.
class TWinControlActionLink : public TControlActionLink
{
    Z_CLASS(TWinControlActionLink)
public:
    explicit TWinControlActionLink(TWinControl *client);

    bool IsHelpContextLinked() override;
    void SetHelpContext(int value) override;
};

// Menu items follow everything an action has.
class TMenuActionLink : public TActionLink
{
    Z_CLASS(TMenuActionLink)
public:
    explicit TMenuActionLink(TMenuItem *client) : m_client(client) {}

    bool IsCaptionLinked() override;
    bool IsCheckedLinked() override;
    bool IsEnabledLinked() override;
    bool IsHelpContextLinked() override;
    bool IsHintLinked() override;
    bool IsImageIndexLinked() override;
    bool IsShortCutLinked() override;
    bool IsVisibleLinked() override;
    bool IsOnExecuteLinked() override;
    void SetCaption(const QString &value) override;
    void SetChecked(bool value) override;
    void SetEnabled(bool value) override;
    void SetHelpContext(int value) override;
    void SetHint(const QString &value) override;
    void SetImageIndex(int value) override;
    void SetShortCut(TShortCut value) override;
    void SetVisible(bool value) override;
    void SetOnExecute(const TNotifyEvent &handler) override;

private:
    TMenuItem *m_client; // not owned: the client owns this link
};
