#pragma once

// The timer: a non-visual component that calls OnTimer every Interval milliseconds while it is
// enabled. A timer in design state never fires, so a timer placed on a design form stays quiet.

#include "Classes.h"
#include "TypInfo.h"

#include <memory>

class QTimer;

class TTimer : public TComponent
{
    Z_CLASS(TTimer)
public:
    explicit TTimer(TComponent *owner);
    ~TTimer() override;

    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool enabled);
    // Milliseconds; 0 stops the timer.
    quint32 Interval() const { return m_interval; }
    void SetInterval(quint32 interval);
    TNotifyEvent OnTimer() const { return m_onTimer; }
    // Setting the handler starts the timer (a timer without one does not run).
    void SetOnTimer(const TNotifyEvent &handler);

    void SetDesigning(bool designing, bool setChildren = true) override;
    // Whether the underlying Qt timer runs now.
    bool Running() const;

protected:
    // Called on each tick; calls OnTimer.
    virtual void Timer();

private:
    void UpdateTimer();

    bool m_enabled = true;
    quint32 m_interval = 1000;
    TNotifyEvent m_onTimer;
    std::unique_ptr<QTimer> m_timer;
};
