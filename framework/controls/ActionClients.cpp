#include "ActionClients.h"

#include "Controls.h"
#include "Menus.h"

Z_DEFINE_CLASS(TControlActionLink, TActionLink, NoPublishedProps)

bool TControlActionLink::IsCaptionLinked()
{
    return TActionLink::IsCaptionLinked() && m_client->Caption() == CustomAction()->Caption();
}

bool TControlActionLink::IsEnabledLinked()
{
    return TActionLink::IsEnabledLinked() && m_client->Enabled() == CustomAction()->Enabled();
}

bool TControlActionLink::IsHintLinked()
{
    return TActionLink::IsHintLinked() && m_client->Hint() == CustomAction()->Hint();
}

bool TControlActionLink::IsVisibleLinked()
{
    return TActionLink::IsVisibleLinked() && m_client->Visible() == CustomAction()->Visible();
}

bool TControlActionLink::IsOnExecuteLinked()
{
    return Action() && m_client->OnClick == Action()->OnExecute();
}

void TControlActionLink::SetCaption(const QString &value)
{
    if (IsCaptionLinked())
        m_client->SetCaption(value);
}

void TControlActionLink::SetEnabled(bool value)
{
    if (IsEnabledLinked())
        m_client->SetEnabled(value);
}

void TControlActionLink::SetHint(const QString &value)
{
    if (IsHintLinked())
        m_client->SetHint(value);
}

void TControlActionLink::SetVisible(bool value)
{
    if (IsVisibleLinked())
        m_client->SetVisible(value);
}

void TControlActionLink::SetOnExecute(const TNotifyEvent &handler)
{
    if (IsOnExecuteLinked())
        m_client->OnClick = handler;
}

// ---------------------------------------------------------------------------------------------

Z_DEFINE_CLASS(TWinControlActionLink, TControlActionLink, NoPublishedProps)

TWinControlActionLink::TWinControlActionLink(TWinControl *client) : TControlActionLink(client) {}

bool TWinControlActionLink::IsHelpContextLinked()
{
    return TControlActionLink::IsHelpContextLinked()
           && static_cast<TWinControl *>(m_client)->HelpContext()
                  == CustomAction()->HelpContext();
}

void TWinControlActionLink::SetHelpContext(int value)
{
    if (IsHelpContextLinked())
        static_cast<TWinControl *>(m_client)->SetHelpContext(value);
}

// ---------------------------------------------------------------------------------------------

Z_DEFINE_CLASS(TMenuActionLink, TActionLink, NoPublishedProps)

bool TMenuActionLink::IsCaptionLinked()
{
    return TActionLink::IsCaptionLinked() && m_client->Caption() == CustomAction()->Caption();
}

bool TMenuActionLink::IsCheckedLinked()
{
    return TActionLink::IsCheckedLinked() && m_client->Checked() == CustomAction()->Checked();
}

bool TMenuActionLink::IsEnabledLinked()
{
    return TActionLink::IsEnabledLinked() && m_client->Enabled() == CustomAction()->Enabled();
}

bool TMenuActionLink::IsHelpContextLinked()
{
    return TActionLink::IsHelpContextLinked()
           && m_client->HelpContext() == CustomAction()->HelpContext();
}

bool TMenuActionLink::IsHintLinked()
{
    return TActionLink::IsHintLinked() && m_client->Hint() == CustomAction()->Hint();
}

bool TMenuActionLink::IsImageIndexLinked()
{
    return TActionLink::IsImageIndexLinked()
           && m_client->ImageIndex() == CustomAction()->ImageIndex();
}

bool TMenuActionLink::IsShortCutLinked()
{
    return TActionLink::IsShortCutLinked()
           && m_client->ShortCut() == CustomAction()->ShortCut();
}

bool TMenuActionLink::IsVisibleLinked()
{
    return TActionLink::IsVisibleLinked() && m_client->Visible() == CustomAction()->Visible();
}

bool TMenuActionLink::IsOnExecuteLinked()
{
    return Action() && m_client->OnClick == Action()->OnExecute();
}

void TMenuActionLink::SetCaption(const QString &value)
{
    if (IsCaptionLinked())
        m_client->SetCaption(value);
}

void TMenuActionLink::SetChecked(bool value)
{
    if (IsCheckedLinked())
        m_client->SetChecked(value);
}

void TMenuActionLink::SetEnabled(bool value)
{
    if (IsEnabledLinked())
        m_client->SetEnabled(value);
}

void TMenuActionLink::SetHelpContext(int value)
{
    if (IsHelpContextLinked())
        m_client->SetHelpContext(value);
}

void TMenuActionLink::SetHint(const QString &value)
{
    if (IsHintLinked())
        m_client->SetHint(value);
}

void TMenuActionLink::SetImageIndex(int value)
{
    if (IsImageIndexLinked())
        m_client->SetImageIndex(value);
}

void TMenuActionLink::SetShortCut(TShortCut value)
{
    if (IsShortCutLinked())
        m_client->SetShortCut(value);
}

void TMenuActionLink::SetVisible(bool value)
{
    if (IsVisibleLinked())
        m_client->SetVisible(value);
}

void TMenuActionLink::SetOnExecute(const TNotifyEvent &handler)
{
    if (IsOnExecuteLinked())
        m_client->OnClick = handler;
}
