#include "form1.h"

#include "form_test.h"

#include <QWidget>

#include <cmath>

using namespace rt::testing;

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
    void start()
    {
        click(f.cmdStart);
        ASSERT_TRUE(f.Timer1.Enabled());
    }
    int level() const { return f.nivel.toInteger(); }

    // Red from the row that holds the level down to the bottom, white above.
    void expectColumnAt(const QImage& inner, int level)
    {
        const int w = inner.width(), h = inner.height();
        const int surface = int(std::floor(f.pctBox.toPixelY(level)));
        SCOPED_TRACE(QStringLiteral("level %1, surface row %2 of %3")
                         .arg(level)
                         .arg(surface)
                         .arg(h)
                         .toStdString());
        ASSERT_GT(surface, 0) << "the level lies inside the box";
        EXPECT_EQ(shareOf(inner, QRect(0, surface, w, h - surface), red), 1.0);
        EXPECT_EQ(shareOf(inner, QRect(0, 0, w, surface), white), 1.0);
    }
    void expectShownColumnAt(int level)
    {
        f.Show();
        settle();
        expectColumnAt(grabInner(f.pctBox), level);
    }

    Form1& f;
};

TEST_F(TankFillB, WindowMatchesItsLayoutAndEveryCaptionFits)
{
    f.Show();
    EXPECT_EQ(f.Caption(), "Llenado/Vaciado de un depósito");
    EXPECT_EQ(f.ScaleWidth(), 4440);
    EXPECT_EQ(f.ScaleHeight(), 6585);
    EXPECT_EQ(captionsThatDoNotFit(f), QStringList());
    EXPECT_EQ(layoutMismatches(f), QStringList());
}

TEST_F(TankFillB, StartsStoppedAtLevel500FillingAtFlow10)
{
    EXPECT_EQ(level(), 500);
    EXPECT_EQ(f.caudal, 10);
    EXPECT_EQ(f.cmdStart.Caption(), "Start");
    EXPECT_FALSE(f.Timer1.Enabled());
    EXPECT_EQ(f.Timer1.Interval(), 20);
    EXPECT_TRUE(f.optLLenar.Value());
    ticks(5);
    EXPECT_EQ(level(), 500);
}

TEST_F(TankFillB, LoadPaintsTheBottomTenthRedBeforeTheWindowIsShown)
{
    EXPECT_FALSE(f.Visible());
    expectColumnAt(f.pctBox.image(), 500);
    expectShownColumnAt(500);
}

TEST_F(TankFillB, FillingRaisesTheColumnByTenPerTickUpToFull)
{
    start();
    ticks(200);
    EXPECT_EQ(level(), 2500);
    expectShownColumnAt(2500);
    ticks(250);
    EXPECT_EQ(level(), 5000);
    ticks(3);
    EXPECT_EQ(level(), 5000);
    EXPECT_TRUE(f.Timer1.Enabled()) << "reaching full only clamps the level";
    settle();
    const QImage inner = grabInner(f.pctBox);
    EXPECT_EQ(shareOf(inner, inner.rect(), red), 1.0);
}

TEST_F(TankFillB, EmptyingShrinksTheColumnUntilNothingIsRed)
{
    click(f.optVaciar);
    EXPECT_EQ(f.caudal, -10);
    click(f.optLLenar);
    EXPECT_EQ(f.caudal, 10);
    click(f.optVaciar);
    start();
    ticks(20);
    EXPECT_EQ(level(), 300);
    expectShownColumnAt(300);
    ticks(30);
    EXPECT_EQ(level(), 0);
    ticks(5);
    EXPECT_EQ(level(), 0);
    EXPECT_TRUE(f.Timer1.Enabled());
    settle();
    const QImage inner = grabInner(f.pctBox);
    EXPECT_EQ(shareOf(inner, inner.rect(), white), 1.0);
}

TEST_F(TankFillB, StopAndStartKeepTheLevelAndTheDrawing)
{
    start();
    ticks(7);
    click(f.cmdStart);
    EXPECT_EQ(f.cmdStart.Caption(), "Start");
    EXPECT_FALSE(f.Timer1.Enabled());
    ticks(3);
    EXPECT_EQ(level(), 570);
    click(f.cmdStart);
    ticks(1);
    EXPECT_EQ(level(), 580);
    expectShownColumnAt(580);
}

TEST_F(TankFillB, CoveredAndUncoveredTheBoxStillShowsTheColumn)
{
    start();
    ticks(100);
    expectShownColumnAt(1500);
    f.Hide();
    settle();
    f.Show();
    f.pctBox.childArea()->repaint();
    settle();
    expectColumnAt(grabInner(f.pctBox), 1500);
}

TEST_F(TankFillB, ExitEndsTheProgram)
{
    click(f.cmdExit);
    EXPECT_EQ(user.ends, 1);
    EXPECT_TRUE(user.shown.empty());
}

}  // namespace
