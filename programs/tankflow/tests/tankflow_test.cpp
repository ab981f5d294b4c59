#include "form1.h"

#include "testing/form_test.h"

#include <QScrollBar>

#include <cmath>

using namespace rt::testing;
using tankflow::Form1;

namespace {

const QString red = QStringLiteral("#ff0000");
const QString white = QStringLiteral("#ffffff");
const QString grey = QStringLiteral("#c0c0c0");
const QString black = QStringLiteral("#000000");

class TankFlow : public FormTest {
protected:
    TankFlow() : FormTest("tankflow"), f(rt::form<Form1>()) { f.Show(); }

    void ticks(int n)
    {
        for (int i = 0; i < n; ++i) f.Timer1.fireTick();
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

    Form1& f;
};

TEST_F(TankFlow, TheBarsCountUpFromTheBottom)
{
    EXPECT_EQ(f.Caption(), "Form1");
    EXPECT_EQ(QSize(f.ScaleWidth(), f.ScaleHeight()), QSize(7695, 6915));
    // Every vertical thumb starts at the bottom end, which is the value 0.
    for (rt::ScrollBar* bar : {&f.vsbI1, &f.vsbS1, &f.vsbI2, &f.vsbS2})
        EXPECT_EQ(bar->scrollBar()->value(), bar->scrollBar()->maximum());
    step(f.vsbI1, BarPart::LineUp);
    EXPECT_EQ(f.txtI1.Text(), "1");
    step(f.vsbI1, BarPart::PageUp);
    EXPECT_EQ(f.txtI1.Text(), "11");
}

TEST_F(TankFlow, RunsFromLoadAndShowsTheLevelsFromTheFirstTick)
{
    EXPECT_TRUE(f.Timer1.Enabled());
    EXPECT_EQ(f.Timer1.Interval(), 40);
    for (rt::TextBox* box : {&f.txtI1, &f.txtS1, &f.txtI2, &f.txtS2, &f.txtPaso})
        EXPECT_EQ(box->Text(), "0");
    EXPECT_EQ(f.txtH1.Text(), "");
    ticks(1);
    EXPECT_EQ(f.txtH1.Text() + " " + f.txtH2.Text(), "250 500");
    ticks(50);
    EXPECT_EQ(f.txtH1.Text() + " " + f.txtH2.Text(), "250 500") << "with every bar at 0";
}

TEST_F(TankFlow, InflowAloneFillsByItsValuePerTickUpToFull)
{
    dragThumbTo(f.vsbI1, 10);
    ticks(474);
    EXPECT_EQ(f.txtH1.Text(), "4990");
    ticks(1);
    EXPECT_EQ(f.txtH1.Text(), "5000");
    ticks(20);
    EXPECT_EQ(f.h1.toDouble(), 5000.0);
}

TEST_F(TankFlow, OutflowLosesItsShareOfTheLevelPerTickShownRounded)
{
    dragThumbTo(f.vsbS1, 100);
    // clang-format off
    const struct { double level; const char* shown; } expected[] = {
        {225, "225"}, {202.5, "202"}, {182.25, "182"}, {164.025, "164"}};
    // clang-format on
    for (const auto& e : expected) {
        ticks(1);
        EXPECT_DOUBLE_EQ(f.h1.toDouble(), e.level);
        EXPECT_EQ(f.txtH1.Text(), e.shown);
    }
}

TEST_F(TankFlow, InflowAndOutflowSettleAtAThousandTimesTheirRatio)
{
    dragThumbTo(f.vsbI1, 20);
    dragThumbTo(f.vsbS1, 10);
    dragThumbTo(f.vsbI2, 30);
    dragThumbTo(f.vsbS2, 20);
    EXPECT_EQ(QStringList({f.txtI1.Text(), f.txtS1.Text(), f.txtI2.Text(), f.txtS2.Text()}),
              QStringList({"20", "10", "30", "20"}));
    ticks(2000);
    EXPECT_EQ(f.txtH1.Text() + " " + f.txtH2.Text(), "2000 1500");
}

// One tick through an open pipe: the flow cases compare with greater-or-equal,
// the red pipe strictly, using the stored h1 but the rounded level of tank 2.
TEST_F(TankFlow, ThePipePassesTheHeadAboveItsLineAndTurnsRedByItsOwnStrictTest)
{
    dragThumbTo(f.hsbPaso, 100);
    EXPECT_EQ(f.txtPaso.Text(), "100");
    // clang-format off
    const struct { double h1, h2, q; bool red; } cases[] = {
        {3000,   500,    50,    true},   // tank 1 drains into tank 2
        {1000,   4000,   -100,  true},   // tank 2 drains into tank 1
        {4000,   3000,   100,   true},   // both above: levels compared as they stand
        {2501,   500,    0.1,   true},   // stored h1 2500.9 is above the line
        {2500,   500,    0,     false},  // at the line: flows (by 0), not red
        {2500.4, 500,    0.04,  true},   // h1 2500.36 rounds to 2500 but is above
        {1000,   3000.4, -0.04, false},  // tank 2 passes liquid, rounds to 3000
        {1000,   3006,   -0.6,  true},   // tank 2 rounds to 3005
        {2499.9, 2999.9, 0,     false},  // both just below the lines
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "h1 " << c.h1 << ", h2 " << c.h2);
        levels(c.h1, c.h2);
        ticks(1);
        EXPECT_NEAR(f.Q.toDouble(), c.q, 1e-9);
        EXPECT_NEAR(f.h1.toDouble(), c.h1 - c.q, 1e-9);
        EXPECT_NEAR(f.h2.toDouble(), c.h2 + c.q, 1e-9);
        const QImage image = scene();
        EXPECT_EQ(at(image, 500, 3000), c.red ? red : white);
        if (c.red) {
            EXPECT_EQ(at(image, 400, 3000) + at(image, 600, 3000), red + red) << "both gaps";
        }
    }

    dragThumbTo(f.vsbI2, 100);
    levels(5000, 4950);
    ticks(1);  // Q = 5 and tank 2 would reach 5055
    EXPECT_DOUBLE_EQ(f.h1.toDouble(), 4995);
    EXPECT_EQ(f.h2.toDouble(), 5000) << "a full tank loses what the pipe brings it";
}

TEST_F(TankFlow, AnOpenPipeSettlesTheLevels)
{
    dragThumbTo(f.hsbPaso, 100);
    levels(3000, 500);
    ticks(200);
    EXPECT_NEAR(f.h1.toDouble(), 2500, 1e-6) << "tank 1 drains down to the pipe's centre line";
    EXPECT_NEAR(f.h2.toDouble(), 1000, 1e-6);
    levels(4000, 3000);
    ticks(300);
    EXPECT_EQ(f.txtH1.Text() + " " + f.txtH2.Text(), "3500 3500") << "each from its own bottom";
}

TEST_F(TankFlow, WithThePipeClosedNothingPassesAndThePipeStaysWhite)
{
    for (const auto& [h1, h2] : {std::pair{5000.0, 500.0}, {500.0, 5000.0}, {4000.0, 4000.0}}) {
        levels(h1, h2);
        ticks(3);
        EXPECT_EQ(f.h1.toDouble(), h1);
        EXPECT_EQ(f.h2.toDouble(), h2);
        EXPECT_EQ(at(scene(), 500, 3000), white);
    }
}

TEST_F(TankFlow, TheSceneShowsWallsTwoPixelsWideWithGapsAtThePipeAndTheLiquid)
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
    };
    // clang-format on
    for (const auto& p : points) EXPECT_EQ(at(img, p.x, p.y), p.colour) << p.what;

    const int row = int(std::floor(f.pctBox.mapping().toPixelY(1500)));
    int wall = 0;
    for (int x = 0; x < img.width(); ++x) wall += img.pixelColor(x, row).name() == black;
    EXPECT_EQ(wall, 8) << "four walls two pixels wide";
}

TEST_F(TankFlow, SalirEndsTheProgram)
{
    click(f.cmdSalir);
    EXPECT_EQ(user.ends, 1);
}

}  // namespace
