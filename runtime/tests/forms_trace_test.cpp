// The live event trace: named handlers reported over a local socket, nested
// by depth, with runtime errors; nothing sent while tracing is off.
#include "testing/form_test.h"
#include "testing/mouse.h"

#include "forms/runtime.h"
#include "trace/trace.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QLocalServer>
#include <QLocalSocket>

using namespace rt::testing;
using rt::Kind;

namespace {

class TracedForm : public rt::Form {
public:
    static const rt::FormSpec& layout()
    {
        // clang-format off
        static const rt::FormSpec spec{
            "TracedForm", "Traced", 4000, 2000,
            {
                {"cmdStart", Kind::CommandButton, "Start", 120,  120, 1200, 400},
                {"hsbFlow",  Kind::HScrollBar,    "",      120,  700, 2000, 300, {.max = 10}},
                {"optMode",  Kind::OptionButton,  "A",     2400, 120, 1000, 300, {.index = 0}},
                {"optMode",  Kind::OptionButton,  "B",     2400, 500, 1000, 300, {.index = 1}},
                {"txtIn",    Kind::TextBox,       "",      120,  1100, 1500, 300},
                {"pctBox",   Kind::PictureBox,    "",      2400, 900, 1200, 900},
                {"Timer1",   Kind::Timer,         "",      0,    0,   0,    0,   {.interval = 20}},
            }};
        // clang-format on
        return spec;
    }
    TracedForm() : rt::Form(layout()) {}

    rt::CommandButton& cmdStart = bind<rt::CommandButton>(
        "cmdStart", rt::on(&rt::CommandButton::Click, &TracedForm::cmdStart_Click));
    rt::ScrollBar& hsbFlow =
        bind<rt::ScrollBar>("hsbFlow", rt::on(&rt::ScrollBar::Change, &TracedForm::hsbFlow_Change));
    rt::ControlArray<rt::OptionButton> optMode = bindArray<rt::OptionButton>(
        "optMode", rt::on(&rt::OptionButton::Click, &TracedForm::optMode_Click));
    rt::TextBox& txtIn =
        bind<rt::TextBox>("txtIn", rt::on(&rt::TextBox::KeyPress, &TracedForm::txtIn_KeyPress));
    rt::PictureBox& pctBox = bind<rt::PictureBox>(
        "pctBox", rt::on(&rt::PictureBox::MouseDown, &TracedForm::pctBox_MouseDown));
    rt::Timer& Timer1 =
        bind<rt::Timer>("Timer1", rt::on(&rt::Timer::Tick, &TracedForm::Timer1_Timer));
    int ticks = 0;

    void cmdStart_Click()
    {
        hsbFlow.setValue(5);
        Timer1.setEnabled(true);
    }
    void hsbFlow_Change() {}
    void txtIn_KeyPress(rt::Integer&) {}
    void pctBox_MouseDown(int, int, rt::Single, rt::Single) {}
    void optMode_Click(int index) { hsbFlow.setValue(index == 1 ? 9 : 1); }
    void Timer1_Timer()
    {
        if (++ticks == 2) rt::raise(rt::ErrorCode::Overflow);
    }
};

// Handles Form_Load and Form_Unload only.
class LoadingForm : public TracedForm {
public:
    void Form_Load() override { hsbFlow.setValue(3); }
    void Form_Unload(int&) override {}
};

class Trace : public FormTest {
protected:
    Trace()
    {
        EXPECT_TRUE(server.listen(
            QStringLiteral("rt-trace-test-%1").arg(QCoreApplication::applicationPid())));
    }
    ~Trace() override { rt::stopTrace(); }

    // The lines received so far, once the sender's writes have arrived.
    QStringList received()
    {
        for (int i = 0; i < 20; ++i) {
            while (server.hasPendingConnections()) connections << server.nextPendingConnection();
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
            for (QLocalSocket* socket : connections) socket->waitForReadyRead(5);
        }
        for (QLocalSocket* socket : connections)
            while (socket->canReadLine()) lines << QString::fromUtf8(socket->readLine()).trimmed();
        return lines;
    }

    QLocalServer server;
    QList<QLocalSocket*> connections;
    QStringList lines;
};

}  // namespace

TEST_F(Trace, NamedHandlersNestByDepthWithTheirErrors)
{
    ASSERT_TRUE(rt::startTrace(server.serverName()));
    auto& form = rt::form<TracedForm>();
    form.Show();
    user.answer({rt::vbOK});
    click(form.cmdStart);
    form.Timer1.fireTick();
    form.Timer1.fireTick();
    click(form.optMode[1]);
    pressKey(form.txtIn, Qt::Key_A, "a");
    mousePress(form.pctBox, 10, 10);
    EXPECT_EQ(received(), (QStringList{
                              "B\t0\tcmdStart_Click",
                              "B\t1\thsbFlow_Change",
                              "E\t1\thsbFlow_Change",
                              "E\t0\tcmdStart_Click",
                              "B\t0\tTimer1_Timer",
                              "E\t0\tTimer1_Timer",
                              "B\t0\tTimer1_Timer",
                              "X\t1\t6 Overflow",
                              "E\t0\tTimer1_Timer",
                              "B\t0\toptMode_Click(1)",
                              "B\t1\thsbFlow_Change",
                              "E\t1\thsbFlow_Change",
                              "E\t0\toptMode_Click(1)",
                              "B\t0\ttxtIn_KeyPress",
                              "E\t0\ttxtIn_KeyPress",
                              "B\t0\tpctBox_MouseDown",
                              "E\t0\tpctBox_MouseDown",
                          }));
}

TEST_F(Trace, FormEventsAreReportedOnlyWhereTheFormHandlesThem)
{
    ASSERT_TRUE(rt::startTrace(server.serverName()));
    auto& form = rt::form<LoadingForm>();
    form.Show();  // loads, activates, resizes and paints
    QCoreApplication::processEvents();
    form.Unload();
    EXPECT_EQ(received(), (QStringList{
                              "B\t0\tForm_Load",
                              "B\t1\thsbFlow_Change",
                              "E\t1\thsbFlow_Change",
                              "E\t0\tForm_Load",
                              "B\t0\tForm_Unload",
                              "E\t0\tForm_Unload",
                          }));
}

TEST_F(Trace, OffSendsNothing)
{
    auto& form = rt::form<TracedForm>();
    form.Show();
    click(form.cmdStart);
    form.Timer1.fireTick();
    EXPECT_FALSE(rt::tracing());
    EXPECT_TRUE(received().isEmpty());
    EXPECT_TRUE(connections.isEmpty());
}
