#include "form1.h"

#include "testing/form_test.h"

using namespace rt::testing;
using tankfill_a::Form1;

namespace {

const QColor lightBlue(0x80, 0x80, 0xFF);  // 0x00FF8080
const QColor white(Qt::white);

class TankFillA : public FormTest {
protected:
    TankFillA() : FormTest("tankfill_a"), f(rt::form<Form1>()) { f.Show(); }

    void ticks(int n)
    {
        for (int i = 0; i < n; ++i) f.Timer1.fireTick();
    }
    void start()
    {
        click(f.cmdStart);
        ASSERT_TRUE(f.Timer1.Enabled());
    }
    int level() const { return f.nivel.toInteger(); }

    Form1& f;
};

TEST_F(TankFillA, WindowHasItsTitleAndSize)
{
    EXPECT_EQ(f.Caption(), "Llenado/Vaciado de un depósito");
    EXPECT_EQ(f.ScaleWidth(), 4440);
    EXPECT_EQ(f.ScaleHeight(), 6585);
}

TEST_F(TankFillA, StartsStoppedAtLevel500FillingAtFlow10)
{
    EXPECT_EQ(f.txtH.Text(), "500");
    EXPECT_EQ(f.hsbCaudal.Value(), 10);
    EXPECT_EQ(f.caudal, 10);
    EXPECT_EQ(f.cmdStart.Caption(), "Start");
    EXPECT_FALSE(f.Timer1.Enabled());
    EXPECT_EQ(f.Timer1.Interval(), 20);
    EXPECT_TRUE(f.optLLenar.Value());
    EXPECT_FALSE(f.optVaciar.Value());
    ticks(5);  // stopped: the clock does not move the level
    EXPECT_EQ(level(), 500);
}

TEST_F(TankFillA, BottomTenthOfTheBoxIsLightBlueAtLevel500)
{
    settle();
    const QImage inner = grabInner(f.pctBox);
    const int h = inner.height(), w = inner.width();
    const int surface = qRound(h * 0.9);
    // Clear of the surface row, everything below is blue and everything above white.
    EXPECT_EQ(shareOf(inner, QRect(0, surface + 1, w, h - surface - 1), lightBlue), 1.0);
    EXPECT_EQ(shareOf(inner, QRect(0, 0, w, surface - 1), white), 1.0);
}

TEST_F(TankFillA, FillsToExactlyFullAndTheBoxTurnsBlue)
{
    start();
    ticks(449);
    EXPECT_EQ(f.txtH.Text(), "4990");
    ticks(1);
    EXPECT_EQ(f.txtH.Text(), "5000");
    ticks(3);
    EXPECT_EQ(f.txtH.Text(), "5000");
    EXPECT_TRUE(f.Timer1.Enabled()) << "reaching full only clamps the level";
    settle();
    const QImage inner = grabInner(f.pctBox);
    EXPECT_EQ(shareOf(inner, inner.rect(), lightBlue), 1.0);
}

TEST_F(TankFillA, ClampsAtBothEnds)
{
    f.nivel = rt::Integer(4995);
    start();
    ticks(1);
    EXPECT_EQ(level(), 5000);

    f.nivel = rt::Integer(5);
    click(f.optVaciar);
    ticks(1);
    EXPECT_EQ(level(), 0);
    EXPECT_EQ(f.txtH.Text(), "0");
    settle();
    const QImage inner = grabInner(f.pctBox);
    EXPECT_EQ(shareOf(inner, inner.rect(), white), 1.0);
}

TEST_F(TankFillA, FlowZeroLeavesTheLevelWhicheverOptionIsSelected)
{
    dragThumbTo(f.hsbCaudal, 0);
    EXPECT_EQ(f.caudal, 0);
    start();
    ticks(10);
    EXPECT_EQ(level(), 500);
    click(f.optVaciar);
    ticks(10);
    EXPECT_EQ(level(), 500);
}

TEST_F(TankFillA, TheBarSetsTheFlowAndTheOptionsItsSign)
{
    step(f.hsbCaudal, BarPart::LineDown);
    EXPECT_EQ(f.caudal, 11);
    step(f.hsbCaudal, BarPart::PageDown);
    EXPECT_EQ(f.caudal, 21);

    click(f.optVaciar);
    EXPECT_EQ(f.caudal, -21);
    dragThumbTo(f.hsbCaudal, 30);
    EXPECT_EQ(f.caudal, -30);
    click(f.optLLenar);
    EXPECT_EQ(f.caudal, 30) << "choosing LLenar turns the sign without touching the bar";
    EXPECT_EQ(f.hsbCaudal.Value(), 30);
}

TEST_F(TankFillA, EmptyingChosenWhileStoppedStartsFromTheCurrentLevel)
{
    click(f.optVaciar);
    start();
    ticks(3);
    EXPECT_EQ(f.txtH.Text(), "470");
}

TEST_F(TankFillA, StopAndStartKeepTheLevel)
{
    start();
    ticks(7);
    click(f.cmdStart);
    EXPECT_EQ(f.cmdStart.Caption(), "Start");
    EXPECT_FALSE(f.Timer1.Enabled());
    click(f.cmdStart);
    EXPECT_EQ(f.cmdStart.Caption(), "Stop");
    ticks(1);
    EXPECT_EQ(level(), 580);
}

TEST_F(TankFillA, TypingIntoTheLevelBoxChangesNothingAndIsOverwritten)
{
    typeText(f.txtH, "99");
    start();
    ticks(1);
    EXPECT_EQ(f.txtH.Text(), "510");
}

TEST_F(TankFillA, ExitEndsTheProgram)
{
    click(f.cmdExit);
    EXPECT_EQ(user.ends, 1);
    EXPECT_TRUE(user.shown.empty());
}

}  // namespace
