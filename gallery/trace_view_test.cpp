#include "trace_view.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QStringList shown(const TraceView& view)
{
    return view.text()->toPlainText().split(u'\n', Qt::SkipEmptyParts);
}

// A click whose handler sets a scroll bar, two ticks, the second failing.
const QStringList kSession{
    "B\t0\tcmdStart_Click",  "B\t1\thsbColor_Change(1)", "E\t1\thsbColor_Change(1)",
    "E\t0\tcmdStart_Click",  "B\t0\tTimer1_Timer",       "B\t1\tlblLevel_Change",
    "E\t1\tlblLevel_Change", "E\t0\tTimer1_Timer",       "B\t0\tTimer1_Timer",
    "X\t1\t6 Overflow",      "E\t0\tTimer1_Timer",       "B\t0\tcmdExit_Click",
};

}  // namespace

TEST(TraceView, ShowsHandlersByDepthAndCanHideTicksOrPause)
{
    const struct {
        bool hideTicks;
        bool pause;
        QStringList expected;
    } cases[] = {
        {false,
         false,
         {"start cmdStart_Click", "  start hsbColor_Change(1)", "  end hsbColor_Change(1)",
          "end cmdStart_Click", "start Timer1_Timer", "  start lblLevel_Change",
          "  end lblLevel_Change", "end Timer1_Timer", "start Timer1_Timer",
          "  run-time error 6 Overflow", "end Timer1_Timer", "start cmdExit_Click"}},
        // Ticks go with all they run, but their errors still show.
        {true,
         false,
         {"start cmdStart_Click", "  start hsbColor_Change(1)", "  end hsbColor_Change(1)",
          "end cmdStart_Click", "  run-time error 6 Overflow", "start cmdExit_Click"}},
        {false, true, {}},
    };
    for (const auto& c : cases) {
        TraceView view;
        view.hideTicks()->setChecked(c.hideTicks);
        view.pause()->setChecked(c.pause);
        for (const QString& line : kSession) view.addLine(line);
        view.addLine("not a trace line");
        view.addLine("B\t-1\tbad depth");
        EXPECT_EQ(shown(view), c.expected) << c.hideTicks << c.pause;
    }
}

TEST(TraceView, ReceivesTheTraceOfAProgramItStarts)
{
    TraceView view;
    QProcess program;
    program.setProgram(QStringLiteral(RT_PROGRAM_DIR "/tankfill_a"));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("RT_TRACE", view.socketName());
    program.setProcessEnvironment(environment);
    program.start();
    // Form_Load sets the flow bar, whose Change handler runs.
    QTRY_VERIFY_WITH_TIMEOUT(shown(view).contains("start hsbCaudal_Change"), 15000);
    program.kill();
    program.waitForFinished();
}
