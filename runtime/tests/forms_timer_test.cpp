// Timers on their own clock: a message box shown inside a tick, and Interval
// and Enabled changed while the program runs.
#include "testing/form_test.h"

#include "forms/runtime.h"

#include <QTest>

using namespace rt::testing;
using rt::Kind;

namespace {

class ClockForm : public rt::Form {
public:
    static const rt::FormSpec& layout()
    {
        // Stored enabled with interval 0: no ticks until one is set.
        // clang-format off
        static const rt::FormSpec spec{
            "ClockForm", "Clock", 2000, 1000,
            {
                {"tmrClock", Kind::Timer, "", 0, 0, 0, 0},
            }};
        // clang-format on
        return spec;
    }

    ClockForm() : rt::Form(layout()) {}

    void tmrClock_Timer() { ++ticks; }

    rt::Timer& tmrClock =
        bind<rt::Timer>("tmrClock", rt::on(&rt::Timer::Tick, &ClockForm::tmrClock_Timer));
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

    ClockForm& f;
};

TEST_F(Clock, IntervalZeroKeepsAnEnabledTimerSilentUntilAnIntervalIsSet)
{
    EXPECT_TRUE(f.tmrClock.Enabled());
    f.tmrClock.fireTick();
    QTest::qWait(60);
    EXPECT_EQ(f.ticks, 0);

    f.tmrClock.setInterval(5);
    EXPECT_TRUE(QTest::qWaitFor([&] { return f.ticks >= 3; }, 5000));

    f.tmrClock.setEnabled(false);
    f.ticks = 0;
    QTest::qWait(40);
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
    user.whileShown = [&] { QTest::qWait(80); };  // the box stays open while ticks fall due
    f.tmrClock.setInterval(5);
    EXPECT_TRUE(QTest::qWaitFor([&] { return log.size() >= 2; }, 5000));
    QTest::qWait(60);
    EXPECT_EQ(log, (QStringList{"tick", "closed, still enabled"}));
    EXPECT_EQ(user.shown.size(), 1u);
    EXPECT_FALSE(f.tmrClock.Enabled());
}

}  // namespace
