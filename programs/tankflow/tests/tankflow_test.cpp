#include "form1.h"

#include "form_test.h"

#include <QScrollBar>

#include <cmath>

using namespace rt::testing;

namespace {

const QString red = QStringLiteral("#ff0000");
const QString white = QStringLiteral("#ffffff");
const QString grey = QStringLiteral("#c0c0c0");
const QString black = QStringLiteral("#000000");

// Scroll-bar settings for one run; -1 leaves a bar at 0.
struct Bars {
    int I1 = -1, S1 = -1, I2 = -1, S2 = -1, paso = -1;
};

class TankFlow : public FormTest {
protected:
    TankFlow() : FormTest("tankflow"), f(rt::form<Form1>()) { f.Show(); }

    void ticks(int n)
    {
        for (int i = 0; i < n; ++i) f.Timer1.fireTick();
    }
    void set(const Bars& bars)
    {
        if (bars.I1 >= 0) dragThumbTo(f.vsbI1, bars.I1);
        if (bars.S1 >= 0) dragThumbTo(f.vsbS1, bars.S1);
        if (bars.I2 >= 0) dragThumbTo(f.vsbI2, bars.I2);
        if (bars.S2 >= 0) dragThumbTo(f.vsbS2, bars.S2);
        if (bars.paso >= 0) dragThumbTo(f.hsbPaso, bars.paso);
    }
    void levels(double h1, double h2)
    {
        f.h1 = h1;
        f.h2 = h2;
    }
    // The scene as shown on screen.
    QImage scene()
    {
        settle();
        return grabInner(f.pctBox);
    }
    // The colour (#rrggbb) of the pixel that holds the point (x, y) of the scene.
    QString at(const QImage& image, double x, double y) const
    {
        const QPointF p = f.pctBox.toPixel(x, y);
        return image.pixelColor(int(std::floor(p.x())), int(std::floor(p.y()))).name();
    }
    bool pipeIsRed() { return at(scene(), 500, 3000) == red; }

    Form1& f;
};

TEST_F(TankFlow, WindowMatchesItsLayoutAndEveryCaptionFits)
{
    EXPECT_EQ(f.Caption(), "Form1");
    EXPECT_EQ(f.ScaleWidth(), 7695);
    EXPECT_EQ(f.ScaleHeight(), 6915);
    EXPECT_EQ(captionsThatDoNotFit(f), QStringList());
    EXPECT_EQ(layoutMismatches(f), QStringList());
    // Every vertical thumb starts at the bottom end, which is the value 0.
    for (rt::ScrollBar* bar : {&f.vsbI1, &f.vsbS1, &f.vsbI2, &f.vsbS2}) {
        EXPECT_EQ(bar->Value(), 0);
        EXPECT_EQ(bar->scrollBar()->value(), bar->scrollBar()->maximum());
    }
}

TEST_F(TankFlow, RunsFromLoadAndShowsTheLevelsFromTheFirstTick)
{
    EXPECT_TRUE(f.Timer1.Enabled());
    EXPECT_EQ(f.Timer1.Interval(), 40);
    for (rt::TextBox* box : {&f.txtI1, &f.txtS1, &f.txtI2, &f.txtS2, &f.txtPaso})
        EXPECT_EQ(box->Text(), "0");
    EXPECT_EQ(f.txtH1.Text(), "");
    EXPECT_EQ(f.h1.kind(), rt::Variant::Kind::Integer);
    EXPECT_TRUE(f.I1.isEmpty());

    ticks(1);
    EXPECT_EQ(f.txtH1.Text(), "250");
    EXPECT_EQ(f.txtH2.Text(), "500");
    EXPECT_EQ(f.h1.kind(), rt::Variant::Kind::Double);
    EXPECT_EQ(f.h2.kind(), rt::Variant::Kind::Double);
    ticks(50);
    EXPECT_EQ(f.h1.toDouble(), 250.0) << "with every bar at 0 nothing moves";
    EXPECT_EQ(f.h2.toDouble(), 500.0);
    EXPECT_FALSE(pipeIsRed());
}

TEST_F(TankFlow, TheBarsSetTheFlowsAndShowThem)
{
    step(f.vsbI1, BarPart::LineUp);
    EXPECT_EQ(f.I1, rt::Variant(1));
    EXPECT_EQ(f.txtI1.Text(), "1");
    step(f.vsbI1, BarPart::PageUp);
    EXPECT_EQ(f.txtI1.Text(), "11");
    set({.S1 = 30, .I2 = 40, .S2 = 50, .paso = 100});
    EXPECT_EQ(f.txtS1.Text(), "30");
    EXPECT_EQ(f.txtI2.Text(), "40");
    EXPECT_EQ(f.txtS2.Text(), "50");
    EXPECT_EQ(f.txtPaso.Text(), "100");
    EXPECT_EQ(f.paso, 100);
    EXPECT_EQ(f.S2, rt::Variant(50));
}

TEST_F(TankFlow, InflowAloneFillsByItsValuePerTickUpToFull)
{
    set({.I1 = 10});
    ticks(100);
    EXPECT_EQ(f.txtH1.Text(), "1250");
    ticks(374);
    EXPECT_EQ(f.txtH1.Text(), "4990");
    ticks(1);
    EXPECT_EQ(f.txtH1.Text(), "5000");
    ticks(20);
    EXPECT_EQ(f.h1.toDouble(), 5000.0);
    EXPECT_EQ(f.txtH2.Text(), "500");
}

TEST_F(TankFlow, OutflowLosesItsShareOfTheLevelPerTickShownRounded)
{
    set({.S1 = 100});
    const struct {
        double level;
        const char* shown;
    } expected[] = {{225, "225"}, {202.5, "202"}, {182.25, "182"}, {164.025, "164"}};
    for (const auto& e : expected) {
        ticks(1);
        EXPECT_DOUBLE_EQ(f.h1.toDouble(), e.level);
        EXPECT_EQ(f.txtH1.Text(), e.shown);
    }
}

TEST_F(TankFlow, InflowAndOutflowSettleAtAThousandTimesTheirRatio)
{
    set({.I1 = 20, .S1 = 10, .I2 = 30, .S2 = 20});
    ticks(2000);
    EXPECT_EQ(f.txtH1.Text(), "2000");
    EXPECT_EQ(f.txtH2.Text(), "1500");
    EXPECT_NEAR(f.h1.toDouble(), 2000, 0.01);
}

TEST_F(TankFlow, TankOneAboveThePipeDrainsIntoTankTwoAndThePipeTurnsRed)
{
    set({.paso = 100});
    levels(3000, 500);
    ticks(1);
    EXPECT_DOUBLE_EQ(f.Q.toDouble(), 50);
    EXPECT_DOUBLE_EQ(f.h1.toDouble(), 2950);
    EXPECT_DOUBLE_EQ(f.h2.toDouble(), 550);
    EXPECT_TRUE(pipeIsRed());
    ticks(200);
    EXPECT_NEAR(f.h1.toDouble(), 2500, 1e-6) << "tank 1 drains down to the pipe's centre line";
    EXPECT_NEAR(f.h2.toDouble(), 1000, 1e-6);
}

TEST_F(TankFlow, TankTwoAboveThePipeDrainsIntoTankOne)
{
    set({.paso = 100});
    levels(1000, 4000);
    ticks(1);
    EXPECT_DOUBLE_EQ(f.Q.toDouble(), -100);
    EXPECT_EQ(f.txtH1.Text(), "1100");
    EXPECT_EQ(f.txtH2.Text(), "3900");
    EXPECT_TRUE(pipeIsRed());
}

TEST_F(TankFlow, BothAboveThePipeSettleAtEqualLevelsEachFromItsOwnBottom)
{
    set({.paso = 100});
    levels(4000, 3000);
    ticks(1);
    EXPECT_DOUBLE_EQ(f.Q.toDouble(), 100);
    ticks(300);
    EXPECT_EQ(f.txtH1.Text(), "3500");
    EXPECT_EQ(f.txtH2.Text(), "3500");
}

TEST_F(TankFlow, WithThePipeClosedNothingPassesAndThePipeStaysWhite)
{
    for (const auto& [h1, h2] : {std::pair{5000.0, 500.0}, {500.0, 5000.0}, {4000.0, 4000.0}}) {
        levels(h1, h2);
        ticks(3);
        EXPECT_EQ(f.Q.toDouble(), 0);
        EXPECT_EQ(f.h1.toDouble(), h1);
        EXPECT_EQ(f.h2.toDouble(), h2);
        EXPECT_FALSE(pipeIsRed());
        EXPECT_EQ(at(scene(), 500, 3000), white);
    }
}

TEST_F(TankFlow, AFullTankLosesWhatThePipeBringsIt)
{
    set({.I2 = 100, .paso = 100});
    levels(5000, 4950);
    ticks(1);  // both above the pipe: Q = 5 and tank 2 would reach 5055
    EXPECT_DOUBLE_EQ(f.h1.toDouble(), 4995);
    EXPECT_EQ(f.h2.toDouble(), 5000);
}

// The flow cases compare with greater-or-equal, the red pipe test strictly,
// and the red pipe test uses the stored h1 but the rounded level of tank 2.
TEST_F(TankFlow, ThePipeTurnsRedByItsOwnStrictTest)
{
    set({.paso = 100});
    const struct {
        double h1, h2;
        double q;
        bool red;
    } cases[] = {
        {2501, 500, 0.1, true},        // stored h1 2500.9 is above the line
        {2500, 500, 0, false},         // at the line: flows (by 0), not red
        {2500.4, 500, 0.04, true},     // h1 2500.36 rounds to 2500 but is above
        {1000, 3000.4, -0.04, false},  // tank 2 passes liquid, rounds to 3000
        {1000, 3006, -0.6, true},      // tank 2 rounds to 3005
        {2499.9, 2999.9, 0, false},    // both just below the lines
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "h1 " << c.h1 << ", h2 " << c.h2);
        levels(c.h1, c.h2);
        ticks(1);
        EXPECT_NEAR(f.Q.toDouble(), c.q, 1e-9);
        EXPECT_EQ(pipeIsRed(), c.red);
    }
}

TEST_F(TankFlow, TheSceneShowsWallsWithGapsAtThePipeAndTheLiquid)
{
    ticks(1);
    const QImage img = scene();
    // clang-format off
    const struct { double x, y; QString colour; const char* what; } points[] = {
        {   0, 3000, black, "tank 1 left wall"},
        { 400, 1500, black, "tank 1 right wall below the pipe"},
        { 400, 4500, black, "tank 1 right wall above the pipe"},
        { 200,  500, black, "tank 1 bottom"},
        { 200, 5500, black, "tank 1 top edge"},
        {1000, 2500, black, "tank 2 right wall"},
        { 600, 1500, black, "tank 2 left wall below the pipe"},
        { 600, 4500, black, "tank 2 left wall above the pipe"},
        { 800,    0, black, "tank 2 bottom"},
        { 800, 5000, black, "tank 2 top edge"},
        { 500, 2900, black, "pipe lower edge"},
        { 500, 3100, black, "pipe upper edge"},
        { 400, 3000, white, "gap in tank 1's right wall"},
        { 600, 3000, white, "gap in tank 2's left wall"},
        { 500, 3000, white, "pipe interior"},
        { 200,  600, red,   "tank 1 liquid (level 250)"},
        { 200, 1000, white, "tank 1 above its liquid"},
        { 800,  400, red,   "tank 2 liquid (level 500)"},
        { 800,  700, white, "tank 2 above its liquid"},
        { 500, 1000, grey,  "between the tanks below the pipe"},
        { 500, 5300, grey,  "between the tanks above the pipe"},
        { -25, 2000, grey,  "left margin"},
        {1025, 5600, grey,  "right margin above tank 2"},
    };
    // clang-format on
    for (const auto& p : points) EXPECT_EQ(at(img, p.x, p.y), p.colour) << p.what;
}

TEST_F(TankFlow, WallsAreTwoPixelsWideAndTheBoxHasAFlatBorder)
{
    ticks(1);
    const QImage img = scene();
    const int row = int(std::floor(f.pctBox.toPixelY(1500)));
    int wall = 0;
    for (int x = 0; x < img.width(); ++x)
        if (img.pixelColor(x, row).name() == black) ++wall;
    EXPECT_EQ(wall, 8) << "four walls two pixels wide";

    const QImage outer = grabPixels(f.pctBox);
    EXPECT_EQ(outer.size(), QSize(361, 361));
    EXPECT_EQ(img.size(), QSize(359, 359)) << "a one-pixel border on each side";
    EXPECT_EQ(outer.pixelColor(180, 0).name(), black);
    EXPECT_EQ(outer.pixelColor(0, 180).name(), black);
}

TEST_F(TankFlow, LiquidPassingThroughThePipeFillsTheGapsInRed)
{
    set({.paso = 100});
    levels(4000, 500);
    ticks(1);
    const QImage img = scene();
    EXPECT_EQ(at(img, 400, 3000), red);
    EXPECT_EQ(at(img, 600, 3000), red);
    EXPECT_EQ(at(img, 400, 2000), black);
    EXPECT_EQ(at(img, 500, 2900), black);
}

TEST_F(TankFlow, SalirEndsTheProgram)
{
    click(f.cmdSalir);
    EXPECT_EQ(user.ends, 1);
    EXPECT_TRUE(user.shown.empty());
}

}  // namespace
