// Events, the error boundary, timers and the form lifecycle.
#include "testing/form_test.h"

#include "forms/runtime.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QScrollBar>
#include <QTest>
#include <QWidget>

using namespace rt::testing;
using rt::Kind;

namespace {

class EventsForm : public rt::Form {
public:
    static const rt::FormSpec& layout()
    {
        // clang-format off
        static const rt::FormSpec spec{
            "EventsForm", "Events", 4000, 3000,
            {
                {"cmdGo",    Kind::CommandButton, "Go",  120,  120, 1200,  400},
                {"vsbLevel", Kind::VScrollBar,    "",   3000,  120,  300, 2000, {.min = 100, .max = 0, .smallChange = 1, .largeChange = 10}},
                {"fraA",     Kind::Frame,         "A",   120,  700, 1400, 1200},
                {"optA1",    Kind::OptionButton,  "A1",  120,  300, 1000,  300, {.container = "fraA", .value = 1}},
                {"optA2",    Kind::OptionButton,  "A2",  120,  700, 1000,  300, {.container = "fraA"}},
                {"optB1",    Kind::OptionButton,  "B1", 1700,  700, 1000,  300, {.value = 1}},
                {"optB2",    Kind::OptionButton,  "B2", 1700, 1100, 1000,  300},
                {"txtIn",    Kind::TextBox,       "",    120, 2200, 1500,  400},
                {"tmrClock", Kind::Timer,         "",      0,    0,    0,    0, {.interval = 10}},
            }};
        // clang-format on
        return spec;
    }

    EventsForm() : rt::Form(layout()) {}

    void vsbLevel_Change() { log << QStringLiteral("change %1").arg(vsbLevel.Value()); }
    void txtIn_Change() { log << "text " + txtIn.Text(); }

    rt::CommandButton& cmdGo = bind<rt::CommandButton>("cmdGo");
    rt::ScrollBar& vsbLevel = bind<rt::ScrollBar>(
        "vsbLevel", rt::on(&rt::ScrollBar::Change, &EventsForm::vsbLevel_Change));
    rt::OptionButton& optA2 = bind<rt::OptionButton>("optA2");
    rt::OptionButton& optB1 = bind<rt::OptionButton>("optB1");
    rt::OptionButton& optB2 = bind<rt::OptionButton>("optB2");
    rt::TextBox& txtIn =
        bind<rt::TextBox>("txtIn", rt::on(&rt::TextBox::Change, &EventsForm::txtIn_Change));
    rt::Timer& tmrClock = bind<rt::Timer>("tmrClock");
    QStringList log;
    int queryAnswer = 0;

protected:
    void Form_Load() override { log << (window()->isVisible() ? "load shown" : "load hidden"); }
    void Form_QueryUnload(int& cancel, int mode) override
    {
        log << QStringLiteral("query %1").arg(mode);
        cancel = queryAnswer;
    }
};

class Events : public FormTest {
protected:
    Events() : FormTest("events"), f(rt::form<EventsForm>()) { f.Show(); }
    EventsForm& f;
};

TEST_F(Events, LoadRunsOnceBeforeTheFirstShowing)
{
    f.Hide();
    f.Show();
    EXPECT_EQ(f.log, QStringList{"load hidden"});
}

TEST_F(Events, ARuntimeErrorIsReportedAndEndsOnlyItsHandler)
{
    int after = 0;
    f.cmdGo.Click = [&] {
        rt::Integer i = 32767;
        i += 1;
        ++after;
    };
    click(f.cmdGo);
    click(f.cmdGo);
    EXPECT_EQ(after, 0);
    ASSERT_EQ(user.shown.size(), 2u);
    EXPECT_TRUE(user.shown[0].prompt.contains("6")) << user.shown[0].prompt.toStdString();
    EXPECT_TRUE(user.shown[0].prompt.contains("Overflow"));
    EXPECT_EQ(user.shown[0].title, "events");
}

TEST_F(Events, AnErrorInAHandlerStartedByAnAssignmentEndsTheOuterHandlerToo)
{
    int outerAfter = 0;
    f.vsbLevel.Change = [] { rt::raise(rt::ErrorCode::DivisionByZero); };
    f.cmdGo.Click = [&] {
        f.vsbLevel.setValue(5);
        ++outerAfter;
    };
    click(f.cmdGo);
    EXPECT_EQ(outerAfter, 0);
    EXPECT_EQ(f.vsbLevel.Value(), 5) << "what the handler did before the error stays done";
    EXPECT_EQ(user.shown.size(), 1u);
}

TEST_F(Events, EnterOrSpaceOnAFocusedButtonPressesIt)
{
    int clicks = 0;
    f.cmdGo.Click = [&] { ++clicks; };
    pressKey(f.cmdGo, Qt::Key_Return, "\r");
    QTest::keyClick(f.cmdGo.widget(), Qt::Key_Space);
    EXPECT_EQ(clicks, 2);
}

TEST_F(Events, ChangeRunsForNewValuesOnly)
{
    f.vsbLevel.setValue(0);
    f.txtIn.setText("");
    EXPECT_TRUE(f.log.filter("change").isEmpty());
    f.txtIn.setText("ab");
    f.txtIn.setText("ab");
    typeText(f.txtIn, "c");
    EXPECT_EQ(f.log.filter("text"), (QStringList{"text ab", "text abc"}));
}

TEST_F(Events, AScrollBarWhoseMinimumIsAtTheTopRaisesItsValueUpwards)
{
    EXPECT_EQ(f.vsbLevel.Value(), 0);
    step(f.vsbLevel, BarPart::LineUp);  // towards Min, the top end
    EXPECT_EQ(f.vsbLevel.Value(), 1);
    step(f.vsbLevel, BarPart::PageUp);
    EXPECT_EQ(f.vsbLevel.Value(), 11);
    step(f.vsbLevel, BarPart::LineDown);
    EXPECT_EQ(f.vsbLevel.Value(), 10);
    dragThumbTo(f.vsbLevel, 100);
    EXPECT_EQ(f.log.filter("change"),
              (QStringList{"change 1", "change 11", "change 10", "change 100"}));
    EXPECT_EQ(f.vsbLevel.scrollBar()->value(), 0) << "the thumb is at the top";
    EXPECT_THROW(f.vsbLevel.setValue(101), rt::RuntimeError);
    EXPECT_THROW(f.vsbLevel.setValue(-1), rt::RuntimeError);
}

TEST_F(Events, OptionButtonsFormOneGroupPerContainer)
{
    click(f.optA2);
    EXPECT_TRUE(f.optA2.Value());
    EXPECT_TRUE(f.optB1.Value()) << "another container's group is untouched";
    click(f.optB2);
    EXPECT_TRUE(f.optB2.Value());
    EXPECT_FALSE(f.optB1.Value());
    EXPECT_TRUE(f.optA2.Value());
    f.optB2.setValue(false);
    EXPECT_FALSE(f.optB2.Value()) << "code may clear the selection";
}

TEST_F(Events, ATimerNeverReentersItsHandlerAndStopsAfterAnError)
{
    int ticks = 0;
    f.tmrClock.Tick = [&] {
        ++ticks;
        f.tmrClock.fireTick();  // falls due while the handler runs: dropped
        if (ticks == 2) rt::raise(rt::ErrorCode::Overflow);
    };
    f.tmrClock.fireTick();
    EXPECT_EQ(ticks, 1);
    f.tmrClock.fireTick();
    EXPECT_EQ(ticks, 2);
    EXPECT_FALSE(f.tmrClock.Enabled());
    f.tmrClock.fireTick();
    EXPECT_EQ(ticks, 2);
    EXPECT_EQ(user.shown.size(), 1u);
}

TEST_F(Events, ATimerTicksOnItsOwnClock)
{
    rt::Timer::setManualClock(false);
    int ticks = 0;
    f.tmrClock.Tick = [&] { ++ticks; };
    f.tmrClock.setEnabled(false);
    f.tmrClock.setEnabled(true);
    QElapsedTimer waited;
    waited.start();
    while (ticks < 3 && waited.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    EXPECT_GE(ticks, 3);
    f.tmrClock.setEnabled(false);
}

TEST_F(Events, QueryUnloadCanKeepTheWindowOpen)
{
    f.queryAnswer = 1;
    closeWindow(f);
    EXPECT_TRUE(rt::isLoaded<EventsForm>());
    EXPECT_TRUE(f.Visible());
    f.queryAnswer = 0;
    EXPECT_TRUE(f.Unload());
    EXPECT_FALSE(rt::isLoaded<EventsForm>());
    settle();
}

TEST_F(Events, EndStopsTheHandlerAtOnceWithoutAskingTheForms)
{
    int after = 0;
    f.cmdGo.Click = [&] {
        rt::End();
        ++after;
    };
    click(f.cmdGo);
    EXPECT_EQ(after, 0);
    EXPECT_EQ(user.ends, 1);
    EXPECT_TRUE(f.log.filter("query").isEmpty());
}

TEST_F(Events, EveryControlHasAnAccessibleName)
{
    for (const rt::Control* c : f.controls()) {
        if (!c->widget()) continue;
        EXPECT_FALSE(c->widget()->accessibleName().isEmpty()) << c->name().toStdString();
    }
    EXPECT_EQ(f.cmdGo.widget()->accessibleName(), "Go");
    EXPECT_EQ(f.txtIn.widget()->accessibleName(), "txtIn");
}

}  // namespace
