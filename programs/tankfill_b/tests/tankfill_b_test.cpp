#include "form1.h"

#include "testing/form_test.h"

#include <QWidget>

#include <algorithm>
#include <cmath>

using namespace rt::testing;
using tankfill_b::Form1;

namespace {

const QColor red(0xFF, 0, 0);  // 0x000000FF
const QColor white(Qt::white);

class TankFillB : public FormTest {
protected:
    TankFillB() : FormTest("tankfill_b"), f(rt::form<Form1>()) {}

    void ticks(int n)
    {
        for (int i = 0; i < n; ++i) f.Timer1.fireTick();
    }
    int level() const { return f.nivel.toInteger(); }

    // Red from the row that holds the level down to the bottom, white above.
    void expectColumnAt(const QImage& inner, int level)
    {
        const int w = inner.width(), h = inner.height();
        const int surface = std::clamp(int(std::floor(f.pctBox.mapping().toPixelY(level))), 0, h);
        const QRect liquid(0, surface, w, h - surface), above(0, 0, w, surface);
        EXPECT_TRUE(liquid.isEmpty() || shareOf(inner, liquid, red) == 1.0) << level;
        EXPECT_TRUE(above.isEmpty() || shareOf(inner, above, white) == 1.0) << level;
    }
    void expectShownColumnAt(int level)
    {
        f.Show();
        settle();
        expectColumnAt(grabInner(f.pctBox), level);
    }

    Form1& f;
};

TEST_F(TankFillB, WindowHasItsTitleAndSize)
{
    f.Show();
    EXPECT_EQ(f.Caption(), "Llenado/Vaciado de un depósito");
    EXPECT_EQ(QSize(f.ScaleWidth(), f.ScaleHeight()), QSize(4440, 6585));
}

TEST_F(TankFillB, LoadPaintsTheBottomTenthRedBeforeTheWindowIsShownAndWaitsForStart)
{
    EXPECT_EQ(f.cmdStart.Caption(), "Start");
    EXPECT_EQ(f.Timer1.Interval(), 20);
    EXPECT_TRUE(f.optLLenar.Value());
    ticks(5);
    EXPECT_EQ(level(), 500) << "the timer is off";
    EXPECT_FALSE(f.Visible());
    expectColumnAt(f.pctBox.image(), 500);
    expectShownColumnAt(500);
}

TEST_F(TankFillB, FillingRaisesTheColumnByTenPerTickUpToFull)
{
    click(f.optVaciar);
    click(f.optLLenar);
    click(f.cmdStart);
    ticks(200);
    EXPECT_EQ(level(), 2500);
    expectShownColumnAt(2500);
    ticks(253);
    EXPECT_EQ(level(), 5000);
    EXPECT_TRUE(f.Timer1.Enabled()) << "reaching full only clamps the level";
    expectShownColumnAt(5000);
}

TEST_F(TankFillB, EmptyingShrinksTheColumnUntilNothingIsRed)
{
    click(f.optVaciar);
    click(f.cmdStart);
    ticks(20);
    expectShownColumnAt(300);
    ticks(35);
    EXPECT_EQ(level(), 0);
    expectShownColumnAt(0);
}

// Stopping keeps the level and the drawing, also when the window is covered.
TEST_F(TankFillB, StopStartAndUncoveringKeepTheLevelAndTheDrawing)
{
    click(f.cmdStart);
    ticks(7);
    click(f.cmdStart);
    EXPECT_EQ(f.cmdStart.Caption(), "Start");
    ticks(3);
    click(f.cmdStart);
    EXPECT_EQ(f.cmdStart.Caption(), "Stop");
    ticks(1);
    EXPECT_EQ(level(), 580);
    expectShownColumnAt(580);
    f.Hide();
    settle();
    f.Show();
    f.pctBox.childArea()->repaint();
    settle();
    expectColumnAt(grabInner(f.pctBox), 580);
}

TEST_F(TankFillB, ExitEndsTheProgram)
{
    click(f.cmdExit);
    EXPECT_EQ(user.ends, 1);
}

}  // namespace
