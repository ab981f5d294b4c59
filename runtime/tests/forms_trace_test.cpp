// The live event trace of real handlers, read back as the gallery shows it:
// assignments under the handler that made them and the Change handlers they
// set off, control-array indices, message boxes with their answers, errors
// with the handler they stopped, ticks folded, form variables after each
// event; nothing sent while tracing is off.
#include "testing/form_test.h"
#include "trace_watcher.h"
#include "watched_form.h"

#include "trace/trace.h"
#include "trace/trace_log.h"
#include "trace/trace_printer.h"

#include <cstdio>

using namespace rt::testing;
using rt::RecordType;

namespace {

class Trace : public FormTest {
protected:
    ~Trace() override { rt::stopTrace(); }

    // Starts tracing and opens the tank.
    WatchedForm& open(rt::TraceDetail detail = rt::TraceDetail::Full)
    {
        EXPECT_TRUE(rt::startTrace(watcher.name(), detail));
        auto& form = rt::form<WatchedForm>();
        form.Show();
        return form;
    }

    TraceWatcher watcher;
};

}  // namespace

TEST_F(Trace, AssignmentsShowUnderTheHandlerThatMadeThemWithWhatTheySetOff)
{
    auto& form = open();
    click(form.cmdStart);
    EXPECT_EQ(watcher.shown(), (QStringList{
                                   "Form_Load",
                                   "  hsbFlow.Value = 10",
                                   "    hsbFlow_Change",
                                   "  txtLevel.Text = \"0\"",
                                   "  Timer1.Enabled = False",
                                   "cmdStart_Click",
                                   "  Timer1.Enabled = True",
                                   "  cmdStart.Caption = \"Stop\"",
                               }));
}

TEST_F(Trace, WhatTheUserChangesShowsAsTheEventItCausesAndArraysShowTheirIndex)
{
    auto& form = open();
    watcher.forget();
    pressKey(form.hsbFlow, Qt::Key_Right);
    click(form.optMode[1]);
    EXPECT_EQ(watcher.shown(), (QStringList{
                                   "hsbFlow_Change",
                                   "optMode_Click(1)",
                                   "  optMode(1).Caption = \"Empty\"",
                               }));
}

TEST_F(Trace, MessageBoxesShowTheirTextAndTheAnswerAndErrorsTheHandlerTheyStopped)
{
    auto& form = open();
    watcher.forget();
    user.answer({rt::vbYes, rt::vbNo});
    click(form.cmdAsk);
    click(form.cmdAsk);
    click(form.cmdFail);
    EXPECT_EQ(watcher.shown(),
              (QStringList{
                  "cmdAsk_Click",
                  "  MsgBox \"Fill the tank?\" & vbCrLf & \"It is empty.\" — answered Yes",
                  "  hsbFlow.Value = 20",
                  "    hsbFlow_Change",
                  "cmdAsk_Click",
                  "  MsgBox \"Fill the tank?\" & vbCrLf & \"It is empty.\" — answered No",
                  "cmdFail_Click",
                  "  hsbFlow.Value = 13",
                  "    hsbFlow_Change",
                  "  run-time error 6 “Overflow” stopped hsbFlow_Change",
              }));
    // The error's own message box is the error's, not one of the program's.
    EXPECT_EQ(user.shown.size(), 3u);
    EXPECT_EQ(watcher.recordsOf(RecordType::Message).size(), 2u);
}

TEST_F(Trace, TicksThatDoTheSameFoldUntilSomethingElseHappens)
{
    auto& form = open();
    watcher.forget();
    click(form.cmdStart);
    for (int i = 0; i < 3; ++i) form.Timer1.fireTick();
    click(form.optMode[1]);
    form.Timer1.fireTick();
    form.Timer1.fireTick();  // level 50: the tick fails
    const QStringList start{"cmdStart_Click", "  Timer1.Enabled = True",
                            "  cmdStart.Caption = \"Stop\""};
    const QStringList option{"optMode_Click(1)", "  optMode(1).Caption = \"Empty\""};
    const QStringList failed{"Timer1_Timer",
                             "  run-time error 11 “Division by zero” stopped Timer1_Timer"};
    const QStringList folded{"Timer1_Timer (3 times)", "  txtLevel.Text = \"30\""};
    const QStringList alone{"Timer1_Timer", "  txtLevel.Text = \"40\""};
    EXPECT_EQ(watcher.shown(), start + folded + option + alone + failed);
    // Hidden ticks leave out all they ran, except a tick that failed.
    EXPECT_EQ(watcher.shown(0, true), start + option + failed);
}

TEST_F(Trace, EachWindowsVariablesAreSentWhenTheyChangeAtTheEndOfAnEvent)
{
    auto& form = open();
    const auto variables = [&] {
        QStringList sent;
        for (const rt::Record& record : watcher.recordsOf(RecordType::Variable))
            sent << record.fields.join(u' ');
        watcher.forget();
        return sent;
    };
    EXPECT_EQ(variables(),
              (QStringList{"frmTank level Variant (Integer) 0", "frmTank flow Integer 10"}));
    click(form.cmdStart);
    EXPECT_TRUE(variables().isEmpty());
    form.Timer1.fireTick();
    EXPECT_EQ(variables(), QStringList{"frmTank level Variant (Integer) 10"});
}

TEST_F(Trace, HandlersOnlyLeavesOutAssignmentsAndVariables)
{
    auto& form = open(rt::TraceDetail::Handlers);
    click(form.cmdStart);
    EXPECT_EQ(watcher.shown(), (QStringList{"Form_Load", "  hsbFlow_Change", "cmdStart_Click"}));
    EXPECT_TRUE(watcher.recordsOf(RecordType::Variable).empty());
}

TEST_F(Trace, OffSendsNothing)
{
    auto& form = rt::form<WatchedForm>();
    form.Show();
    click(form.cmdStart);
    form.Timer1.fireTick();
    EXPECT_FALSE(rt::tracing());
    EXPECT_TRUE(watcher.records().empty());
}

TEST(FormVariables, EachShowsItsTypeAndItsValueAsCodeWritesIt)
{
    rt::Array<QString> porteros(1, 3);
    porteros[1] = "Uno";
    rt::Array<rt::Integer> verticeX(0, 20);
    verticeX[1] = 120;
    rt::VariableSink sink;
    sink("porteros", porteros);
    sink("verticeX", verticeX);
    sink("dibujando", true);
    sink("eps", rt::Double(1e-9));
    const auto shown = [&](size_t i) {
        const rt::WatchedVariable& v = sink.variables[i];
        return QStringList{v.name, v.type, v.value};
    };
    EXPECT_EQ(shown(0), (QStringList{"porteros", "String(1 To 3)", "\"Uno\", \"\", \"\""}));
    EXPECT_EQ(shown(1), (QStringList{"verticeX", "Integer(0 To 20)",
                                     "0, 120, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, …"}));
    EXPECT_EQ(shown(2), (QStringList{"dibujando", "Boolean", "True"}));
    EXPECT_EQ(shown(3), (QStringList{"eps", "Double", "1E-09"}));
}

namespace {
const QStringList kClick{"frmTank", "cmdStart", "-1", "Click", "0"};
const QStringList kTick{"frmTank", "Timer1", "-1", "Timer", "0"};

// A handler that sets the level box, as its records come.
void run(rt::TraceLog& log, const QStringList& handler, const QString& level)
{
    log.add(0, {RecordType::Begin, 0, handler});
    log.add(0, {RecordType::Assignment, 1, {"frmTank", "txtLevel", "-1", "Text", "", level}});
    log.add(0, {RecordType::End, 0, {}});
}
}  // namespace

TEST(TraceLog, KeepsItsLastEntriesAndStillFoldsAfterDroppingTheFirst)
{
    rt::TraceLog log(10);
    for (int i = 0; i < 20; ++i) run(log, kClick, QString::number(i));
    EXPECT_LE(log.rowCount(), 11);
    EXPECT_EQ(log.droppedRows() + log.rowCount(), 40);
    EXPECT_EQ(log.line(log.rowCount() - 1), "  txtLevel.Text = 19");
    run(log, kTick, "1");
    run(log, kTick, "2");
    EXPECT_EQ(log.line(log.rowCount() - 2), "Timer1_Timer (2 times)");
    EXPECT_EQ(log.line(log.rowCount() - 1), "  txtLevel.Text = 2");
}

TEST(TracePrinter, OnATerminalWritesTheRowsThatStillChangeAgainInPlace)
{
    rt::TraceLog log;
    FILE* out = std::tmpfile();
    ASSERT_TRUE(out);
    rt::TracePrinter printer(log, out, true);
    run(log, kClick, "0");
    run(log, kTick, "1");
    printer.update();
    run(log, kTick, "2");
    printer.update();
    printer.finish();
    std::rewind(out);
    char text[512] = {};
    EXPECT_EQ(QByteArray(text, int(std::fread(text, 1, sizeof text, out))),
              "cmdStart_Click\n  txtLevel.Text = 0\n"
              "Timer1_Timer\n  txtLevel.Text = 1\n"
              "\x1b[2F\x1b[JTimer1_Timer (2 times)\n  txtLevel.Text = 2\n"
              "\x1b[2F\x1b[JTimer1_Timer (2 times)\n  txtLevel.Text = 2\n");
    std::fclose(out);
}
