#pragma once

#include "forms/core/control.h"

class QTimer;

namespace rt {

// A timer: runs its Timer event (Tick) every Interval milliseconds while Enabled and Interval
// is above 0. It never re-enters its handler: ticks that fall due while the
// handler runs (for example while it shows a message box) are dropped. A
// tick whose handler ends in a runtime error disables the timer, so that a
// failing tick cannot repeat endlessly.
class Timer : public Control {
    Q_OBJECT
public:
    Timer(Form& form, const ControlSpec& spec, Container* container);

    // A timer's Enabled says whether it runs; it is the same property when
    // the timer is used as any control.
    bool Enabled() const override { return m_enabled; }
    int Interval() const { return m_interval; }
    void setInterval(int milliseconds);

    Event<> Tick{EventName::Timer};  // the Timer event

    // Runs one tick now, as the clock would when it falls due (tests and
    // benchmarks): nothing while the timer is disabled or its interval is 0.
    void fireTick();

    // With the manual clock on, timers never tick by themselves: tests drive
    // every tick with fireTick(), so their counts are exact.
    static void setManualClock(bool manual);

private:
    void showEnabled(bool enabled) override;
    void restart();

    QTimer* m_clock;
    bool m_enabled;
    int m_interval;
    bool m_inHandler = false;
};

}  // namespace rt
