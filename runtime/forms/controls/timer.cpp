#include "forms/controls/timer.h"

#include "events/handlers.h"

#include <QTimer>

namespace rt {

namespace {
bool g_manualClock = false;
}

void Timer::setManualClock(bool manual)
{
    g_manualClock = manual;
}

Timer::Timer(Form& form, const ControlSpec& spec, Container* container)
    : Control(form, spec, container, nullptr),
      m_clock(new QTimer(this)),
      m_enabled(spec.props.enabled),
      m_interval(spec.props.interval)
{
    m_clock->setTimerType(Qt::PreciseTimer);
    connect(m_clock, &QTimer::timeout, this, &rt::Timer::fireTick);
    restart();
}

void Timer::showEnabled(bool enabled)
{
    m_enabled = enabled;
    restart();
}

void Timer::setInterval(int milliseconds)
{
    const Assignment assignment(subject(), PropertyName::Interval, milliseconds);
    if (milliseconds < 0 || milliseconds > 65535) raise(ErrorCode::InvalidPropertyValue);
    m_interval = milliseconds;
    restart();
}

void Timer::restart()
{
    if (m_enabled && m_interval > 0 && !g_manualClock) {
        m_clock->start(m_interval);
    } else {
        m_clock->stop();
    }
}

void Timer::fireTick()
{
    if (m_inHandler || !Tick || !m_enabled || m_interval <= 0) return;
    m_inHandler = true;
    // A tick that a watcher puts off comes again later, as a timer that
    // fell due while its program was busy would.
    HandlerOrigin origin{subject(), Tick.name()};
    origin.source = this;
    origin.repeat = [](QObject* timer) { static_cast<Timer*>(timer)->fireTick(); };
    const bool ok = runHandler(origin, [this] { Tick(); });
    m_inHandler = false;
    if (!ok) showEnabled(false);
}

}  // namespace rt
