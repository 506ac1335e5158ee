// Check boxes, radio buttons and speed buttons take Checked from their action without reporting
// a click, so that taking the action's state never executes the action again.

#include "ButtonActionLinks.h"

#include "Buttons.h"
#include "StdCtrls.h"

Z_DEFINE_CLASS(TButtonActionLink, TWinControlActionLink, NoPublishedProps)

TButtonActionLink::TButtonActionLink(TButtonControl *client) : TWinControlActionLink(client) {}

bool TButtonActionLink::IsCheckedLinked()
{
    return TWinControlActionLink::IsCheckedLinked()
           && static_cast<TButtonControl *>(m_client)->GetChecked()
                  == CustomAction()->Checked();
}

void TButtonActionLink::SetChecked(bool value)
{
    if (!IsCheckedLinked())
        return;
    // The action's own state changes: no click, or the action would execute again.
    auto *button = static_cast<TButtonControl *>(m_client);
    const bool wasDisabled = button->m_clicksDisabled;
    button->m_clicksDisabled = true;
    try {
        button->SetCheckedState(value);
    } catch (...) {
        button->m_clicksDisabled = wasDisabled;
        throw;
    }
    button->m_clicksDisabled = wasDisabled;
}

// ---------------------------------------------------------------------------------------------

Z_DEFINE_CLASS(TSpeedButtonActionLink, TControlActionLink, NoPublishedProps)

TSpeedButtonActionLink::TSpeedButtonActionLink(TSpeedButton *client) : TControlActionLink(client)
{
}

bool TSpeedButtonActionLink::IsCheckedLinked()
{
    auto *button = static_cast<TSpeedButton *>(m_client);
    return TControlActionLink::IsCheckedLinked() && button->GroupIndex() != 0
           && button->Down() == CustomAction()->Checked();
}

void TSpeedButtonActionLink::SetChecked(bool value)
{
    if (IsCheckedLinked())
        static_cast<TSpeedButton *>(m_client)->SetDown(value);
}

//

TBasicActionLink *TButtonControl::CreateActionLink()
{
    return new TButtonActionLink(this);
}

void TButtonControl::ActionChange(TObject *sender, bool checkDefaults)
{
    TWinControl::ActionChange(sender, checkDefaults);
    auto *action = ObjectCast<TCustomAction>(sender);
    if (!action || (checkDefaults && GetChecked()))
        return;
    // Taking the action's state is no click of the user's.
    const bool wasDisabled = m_clicksDisabled;
    m_clicksDisabled = true;
    try {
        SetCheckedState(action->Checked());
    } catch (...) {
        m_clicksDisabled = wasDisabled;
        throw;
    }
    m_clicksDisabled = wasDisabled;
}

TBasicActionLink *TSpeedButton::CreateActionLink()
{
    return new TSpeedButtonActionLink(this);
}

void TSpeedButton::ActionChange(TObject *sender, bool checkDefaults)
{
    TGraphicControl::ActionChange(sender, checkDefaults);
    auto *action = ObjectCast<TCustomAction>(sender);
    if (action && m_groupIndex != 0 && (!checkDefaults || !m_down))
        SetDown(action->Checked());
}

//
