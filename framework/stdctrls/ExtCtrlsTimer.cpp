#include "ExtCtrlsTimer.h"

#include "SafeCall.h"

#include <QTimer>

static TPropTable TimerProps()
{
    return {
        Prop<TTimer>("Enabled", TypeInfoBoolean(), &TTimer::Enabled, &TTimer::SetEnabled, 1),
        Prop<TTimer>("Interval", TypeInfoCardinal(), &TTimer::Interval, &TTimer::SetInterval,
                     1000),
        Prop<TTimer>("OnTimer", TypeInfoTNotifyEvent(), &TTimer::OnTimer, &TTimer::SetOnTimer),
    };
}
Z_DEFINE_CLASS(TTimer, TComponent, TimerProps)

TTimer::TTimer(TComponent *owner) : TComponent(owner), m_timer(std::make_unique<QTimer>())
{
    QObject::connect(m_timer.get(), &QTimer::timeout, [this] { SafeCall([this] { Timer(); }); });
}

TTimer::~TTimer()
{
    Destroying();
    m_timer->stop();
}

void TTimer::SetEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    UpdateTimer();
}

void TTimer::SetInterval(quint32 interval)
{
    if (interval == m_interval)
        return;
    m_interval = interval;
    UpdateTimer();
}

void TTimer::SetOnTimer(const TNotifyEvent &handler)
{
    m_onTimer = handler;
    UpdateTimer();
}

void TTimer::SetDesigning(bool designing, bool setChildren)
{
    TComponent::SetDesigning(designing, setChildren);
    UpdateTimer();
}

bool TTimer::Running() const
{
    return m_timer->isActive();
}

void TTimer::UpdateTimer()
{
    m_timer->stop();
    if (m_enabled && m_interval != 0 && m_onTimer.Assigned() && !Designing()) {
        // Qt counts in a signed int; longer intervals run at the longest it can hold.
        m_timer->start(int(std::min<quint32>(m_interval, 0x7FFFFFFF)));
    }
}

void TTimer::Timer()
{
    // A handler may have put the timer into design state or freed its handler meanwhile.
    if (!Designing() && m_enabled)
        m_onTimer(this);
}
