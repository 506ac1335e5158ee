#pragma once

// The action links of check boxes, radio buttons and speed buttons, which add Checked to what
// every control follows, and the action changes of those buttons.

#include "ActionClients.h"

class TButtonControl;
class TSpeedButton;

// Check boxes and radio buttons add Checked; setting it reports no click.
class TButtonActionLink : public TWinControlActionLink
{
    Z_CLASS(TButtonActionLink)
public:
    explicit TButtonActionLink(TButtonControl *client);

    bool IsCheckedLinked() override;
    void SetChecked(bool value) override;
};

// A speed button of a group shows Checked as Down.
class TSpeedButtonActionLink : public TControlActionLink
{
    Z_CLASS(TSpeedButtonActionLink)
public:
    explicit TSpeedButtonActionLink(TSpeedButton *client);

    bool IsCheckedLinked() override;
    void SetChecked(bool value) override;
};
