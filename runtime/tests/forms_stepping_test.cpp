// One event at a time: with the watcher asking for it, each new event waits
// before its handler runs until the watcher says "next"; then exactly that
// handler runs, with all it sets off. Ticks do not pile up meanwhile, and the
// program closing or the watcher going while an event waits end cleanly.
#include "testing/form_test.h"
#include "trace_watcher.h"
#include "watched_form.h"

#include "trace/trace.h"

#include <QTimer>
#include <QWidget>

using namespace rt::testing;
using rt::RecordType;

namespace {

class Stepping : public FormTest {
protected:
    ~Stepping() override { rt::stopTrace(); }

    WatchedForm& openStepping()
    {
        EXPECT_TRUE(rt::startTrace(watcher.name()));
        auto& form = rt::form<WatchedForm>();
        form.Show();
        watcher.send("S\t1\n");
        EXPECT_TRUE(watcher.waitFor([] { return rt::eachEventWaits(); }));
        watcher.forget();
        return form;
    }

    // Runs `action` once the next event waits, while it waits.
    void whileWaiting(std::function<void()> action)
    {
        const size_t seen = watcher.countRead(RecordType::Waiting);
        auto* poll = new QTimer;
        QObject::connect(poll, &QTimer::timeout, [this, poll, seen, action] {
            if (watcher.recordsOf(RecordType::Waiting).size() == seen) return;
            poll->stop();
            poll->deleteLater();
            action();
        });
        poll->start(5);
    }

    QString recordTypes()
    {
        QString types;
        for (const rt::Record& record : watcher.records()) types += QChar(char(record.type));
        return types;
    }

    TraceWatcher watcher;
};

}  // namespace

TEST_F(Stepping, NextEventRunsExactlyTheWaitingHandlerWithAllItSetsOff)
{
    auto& form = openStepping();
    QString captionWhileWaiting;
    QStringList shownWhileWaiting;
    whileWaiting([&] {
        captionWhileWaiting = form.cmdStart.Caption();
        shownWhileWaiting = watcher.shown();
        watcher.send("N\n");
    });
    click(form.cmdStart);
    EXPECT_EQ(captionWhileWaiting, "Start");
    EXPECT_EQ(shownWhileWaiting, QStringList{"cmdStart_Click — waiting for “Next event”"});
    EXPECT_EQ(form.cmdStart.Caption(), "Stop");
    EXPECT_EQ(watcher.shown(), (QStringList{"cmdStart_Click", "  Timer1.Enabled = True",
                                            "  cmdStart.Caption = \"Stop\""}));
    EXPECT_EQ(recordTypes(), "WBAAE");
}

TEST_F(Stepping, TicksDoNotPileUpWhileAnEventWaits)
{
    auto& form = openStepping();
    form.Timer1.setEnabled(true);
    form.Timer2.setEnabled(true);
    watcher.forget();
    whileWaiting([&] {
        for (int i = 0; i < 5; ++i) form.Timer1.fireTick();
        for (int i = 0; i < 3; ++i) form.Timer2.fireTick();
        watcher.send("N\n");
    });
    form.Timer1.fireTick();
    EXPECT_EQ(form.level, rt::Variant(rt::Integer(10)));
    EXPECT_EQ(form.secondTicks, 0);
    // The second timer's tick that fell due meanwhile comes once, and waits in turn.
    whileWaiting([&] { watcher.send("N\n"); });
    EXPECT_TRUE(watcher.waitFor([&] { return form.secondTicks > 0; }));
    FormTest::settle();
    EXPECT_EQ(form.secondTicks, 1);
    EXPECT_EQ(form.level, rt::Variant(rt::Integer(10)));
    EXPECT_EQ(watcher.shown(),
              (QStringList{"Timer1_Timer", "  txtLevel.Text = \"10\"", "Timer2_Timer"}));
}

TEST_F(Stepping, ClosingTheWindowWhileAnEventWaitsDropsTheEventAndCloses)
{
    auto& form = openStepping();
    whileWaiting([&] { form.window()->close(); });
    click(form.cmdStart);
    settle();
    EXPECT_FALSE(rt::isLoaded<WatchedForm>());
    EXPECT_EQ(watcher.shown(), QStringList{"cmdStart_Click — not run: its window was closed"});
}

TEST_F(Stepping, TheProgramRunsOnWhenStoppingIsTurnedOffOrTheWatcherGoes)
{
    auto& form = openStepping();
    whileWaiting([&] { watcher.send("S\t0\n"); });
    click(form.cmdStart);
    EXPECT_EQ(form.cmdStart.Caption(), "Stop");
    EXPECT_FALSE(rt::eachEventWaits());
    click(form.cmdStart);  // runs at once
    EXPECT_EQ(form.cmdStart.Caption(), "Start");

    watcher.send("S\t1\n");
    ASSERT_TRUE(watcher.waitFor([] { return rt::eachEventWaits(); }));
    whileWaiting([&] { watcher.hangUp(); });
    click(form.cmdStart);
    EXPECT_EQ(form.cmdStart.Caption(), "Stop");
    EXPECT_FALSE(rt::tracing());
}
