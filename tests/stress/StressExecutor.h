#pragma once

// Performs one action line of the stress driver as input to the application. An action whose
// window is not there (a popup that closed, a hidden tool window) does nothing: a replay of a
// shortened log stays runnable.

#include "StressAction.h"

#include <functional>

class TForm1;

struct TStressContext
{
    TForm1 *Host = nullptr;
    // Lets pending events run between the steps of one action (a drag's moves).
    std::function<void()> Pump;
};

// Throws std::runtime_error for a line the driver does not know.
void ExecuteStressAction(const TStressAction &action, TStressContext &context);
