// Timers on their own clock: a message box shown inside a tick, and Interval
// and Enabled changed while the program runs.
#include "form_test.h"

#include "forms/runtime.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>

#include <functional>

using namespace rt::testing;
using rt::Kind;

namespace {

class ClockForm : public rt::Form {
public:
    static const rt::FormSpec& layout()
    {
        // Stored enabled with interval 0: no ticks until one is set.
        static const rt::FormSpec spec{
            "ClockForm", "Clock", 2000, 1000, {{"tmrClock", Kind::Timer, "", 0, 0, 0, 0}}};
        return spec;
    }
    ClockForm() : rt::Form(layout()), tmrClock(control<rt::Timer>("tmrClock"))
    {
        tmrClock.Tick = [this] { ++ticks; };
    }
    rt::Timer& tmrClock;
    int ticks = 0;
};

class Clock : public FormTest {
protected:
    Clock() : f(rt::form<ClockForm>())
    {
        rt::Timer::setManualClock(false);
        f.Show();
    }
    ~Clock() override { f.tmrClock.setEnabled(false); }

    // Lets the event loop run for `ms` milliseconds.
    static void wait(int ms)
    {
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < ms)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents,
                                            ms - int(waited.elapsed()));
    }
    // Lets it run until `done` holds (or 5 s have passed).
    static void waitUntil(const std::function<bool()>& done)
    {
        QElapsedTimer waited;
        waited.start();
        while (!done() && waited.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    ClockForm& f;
};

TEST_F(Clock, IntervalZeroKeepsAnEnabledTimerSilentUntilAnIntervalIsSet)
{
    EXPECT_TRUE(f.tmrClock.Enabled());
    f.tmrClock.fireTick();
    wait(60);
    EXPECT_EQ(f.ticks, 0);

    f.tmrClock.setInterval(5);
    waitUntil([&] { return f.ticks >= 3; });
    EXPECT_GE(f.ticks, 3);

    f.tmrClock.setInterval(0);
    f.ticks = 0;
    wait(40);
    EXPECT_EQ(f.ticks, 0) << "back to 0, it stops again";

    f.tmrClock.setInterval(50);  // a slower pace: never more than a tick per interval
    wait(120);
    EXPECT_LE(f.ticks, 3);
    f.tmrClock.setEnabled(false);
    f.ticks = 0;
    wait(120);
    EXPECT_EQ(f.ticks, 0);
}

TEST_F(Clock, AMessageBoxInATickHoldsTheTickWhileTheClockRunsOn)
{
    QStringList log;
    f.tmrClock.Tick = [&] {
        log << "tick";
        rt::MsgBox("Stop");
        log << (f.tmrClock.Enabled() ? "closed, still enabled" : "closed, disabled");
        f.tmrClock.setEnabled(false);
    };
    user.whileShown = [&] { wait(80); };  // the box stays open while ticks fall due
    f.tmrClock.setInterval(5);
    waitUntil([&] { return log.size() >= 2; });
    wait(60);
    EXPECT_EQ(log, (QStringList{"tick", "closed, still enabled"}));
    EXPECT_EQ(user.shown.size(), 1u);
    EXPECT_FALSE(f.tmrClock.Enabled());
}

}  // namespace
