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

    // Every row wholly below the surface of `level` is red, every row wholly
    // above it white (the row the surface falls in may be either).
    void expectColumnAt(const QImage& inner, int level)
    {
        const int w = inner.width(), h = inner.height();
        const int surface = int(std::floor(f.pctBox.toPixelY(level)));
        SCOPED_TRACE(QStringLiteral("level %1, surface row %2 of %3")
                         .arg(level)
                         .arg(surface)
                         .arg(h)
                         .toStdString());
        if (surface + 1 < h) {
            EXPECT_EQ(shareOf(inner, QRect(0, surface + 1, w, h - surface - 1), red), 1.0);
        }
        if (surface > 0) {
            EXPECT_EQ(shareOf(inner, QRect(0, 0, w, surface), white), 1.0);
        }
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
    EXPECT_EQ(f.find("hsbCaudal"), nullptr);
    EXPECT_EQ(f.find("txtH"), nullptr);
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
    // Level 0 is the bottom edge: at most the last row may still show red.
    const QImage inner = grabInner(f.pctBox);
    EXPECT_EQ(shareOf(inner, QRect(0, 0, inner.width(), inner.height() - 1), white), 1.0);
}

TEST_F(TankFillB, TheOptionsTurnTheSignOfTheFixedFlow)
{
    click(f.optVaciar);
    EXPECT_EQ(f.caudal, -10);
    click(f.optVaciar);
    EXPECT_EQ(f.caudal, -10);
    click(f.optLLenar);
    EXPECT_EQ(f.caudal, 10);
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
