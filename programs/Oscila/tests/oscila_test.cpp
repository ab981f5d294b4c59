#include "frmoscila.h"

#include "testing/form_test.h"

#include <QTest>

#include <cmath>

using namespace rt::testing;
using Oscila::frmOscila;

namespace {

class OscilaTest : public FormTest {
protected:
    OscilaTest() : FormTest("Oscila"), f(rt::form<frmOscila>()) { f.Show(); }

    void ticks(int n)
    {
        for (int i = 0; i < n; ++i) f.Timer1.fireTick();
    }
    double x() const { return f.posicion.toDouble(); }
    // Where the body is drawn by the tick that starts at time t.
    static double swing(double amplitude, double t)
    {
        return amplitude * std::sin(double(2 * 3.1415927f) * t);
    }
    // The largest displacement over the next period at 1 Hz.
    double widestOverAPeriod()
    {
        double widest = 0;
        for (int i = 0; i < 50; ++i, ticks(1)) widest = std::max(widest, std::abs(x()));
        return widest;
    }
    void enterAmplitude(const QString& text)
    {
        QTest::keyClick(f.txtAmplitud.widget(), Qt::Key_A, Qt::ControlModifier);
        typeAndEnter(f.txtAmplitud, text);
    }
    QRect shownExtentOf(QColor colour)
    {
        settle();
        return extentOf(grabInner(f.pctBox), colour);
    }
    double blockCentre() const { return f.lblBloque.Left() + f.lblBloque.Width() / 2; }

    frmOscila& f;
};

TEST_F(OscilaTest, LoadStartsTheMotion)
{
    EXPECT_EQ(f.Caption(), "Oscilación sinusoidal");
    const frmOscila asBuilt;
    EXPECT_EQ(asBuilt.Timer1.Interval(), 0) << "stored enabled, without ticks";

    EXPECT_EQ(f.txtAmplitud.Text() + " " + f.txtFrec.Text(), "2000 1");
    EXPECT_TRUE(f.txtFrec.Locked());
    EXPECT_EQ(f.cmdStart.Caption(), "Stop Motion");
    EXPECT_EQ(f.Timer1.Interval(), 20);
    EXPECT_TRUE(f.Timer1.Enabled());
    EXPECT_FALSE(f.lblBloque.Visible());
}

TEST_F(OscilaTest, TheBlueDotSwingsBetweenMinus2000And2000OncePerSecond)
{
    ticks(1);
    EXPECT_EQ(x(), 0.0) << "the first tick draws at the centre";
    const QRect dot = shownExtentOf(QColor(0, 0, 255));
    EXPECT_EQ(dot.size(), QSize(4, 4));
    EXPECT_TRUE(dot.contains(f.pctBox.toPixel(0, 0).toPoint()));
    for (int tick = 2; tick <= 50; ++tick) {
        const double t = f.tiempo.toDouble();
        ticks(1);
        ASSERT_DOUBLE_EQ(x(), swing(2000, t)) << tick;
    }
    ticks(1);
    EXPECT_NEAR(x(), 0, 0.01) << "the 51st tick starts the second period";
    const double widest = widestOverAPeriod();
    EXPECT_GT(widest, 1990);
    EXPECT_LE(widest, 2000);
}

TEST_F(OscilaTest, StopAndStartFreezeAndResumeThePhase)
{
    ticks(10);
    const double frozen = f.tiempo.toDouble();
    click(f.cmdStart);
    EXPECT_EQ(f.cmdStart.Caption(), "Start Motion");
    ticks(5);
    EXPECT_EQ(f.tiempo.toDouble(), frozen);
    click(f.cmdStart);
    EXPECT_EQ(f.cmdStart.Caption(), "Stop Motion");
    ticks(1);
    EXPECT_DOUBLE_EQ(x(), swing(2000, frozen));
}

TEST_F(OscilaTest, EachBodyHasItsColourWidthAndShape)
{
    struct Case {
        int index;
        int drawWidth;
        QColor colour;
        QSize extent;  // of the body drawn at the centre, in pixels (none: the block)
    };
    const Case cases[] = {
        {1, 1, Qt::red, QSize(27, 21)},
        {2, 1, Qt::green, QSize(27, 27)},
        {3, 1, Qt::white, QSize()},
        {0, 4, Qt::blue, QSize(4, 4)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        click(f.optMovil[c.index]);
        EXPECT_EQ(f.pctBox.DrawWidth(), c.drawWidth);
        EXPECT_EQ(f.lblBloque.Visible(), c.index == 3);
        f.tiempo = rt::Variant();  // drawn by a first tick, at the centre
        const rt::Single top = f.lblBloque.Top();
        ticks(1);
        if (c.index == 3) {
            EXPECT_NEAR(blockCentre(), 0, 10);
            EXPECT_EQ(f.lblBloque.Top(), top);
            continue;
        }
        const QRect body = shownExtentOf(c.colour);
        EXPECT_NEAR(body.width(), c.extent.width(), 1);
        EXPECT_NEAR(body.height(), c.extent.height(), 1);
        EXPECT_LE((body.center() - f.pctBox.toPixel(0, 0).toPoint()).manhattanLength(), 2);
    }
}

TEST_F(OscilaTest, TheFrequencyBarSetsTenthsOfAHertz)
{
    for (auto [value, shown] : {std::pair{1, "0.1"}, std::pair{5, "0.5"}, std::pair{100, "10"}}) {
        dragThumbTo(f.hsbFrec, value);
        EXPECT_EQ(f.txtFrec.Text(), shown);
    }
    ticks(3);
    const double before = x();
    ticks(5);
    EXPECT_NEAR(x(), before, 0.01) << "five ticks make a period at 10 Hz";
}

TEST_F(OscilaTest, EnterTakesTheTypedAmplitudeAndRefusesText)
{
    enterAmplitude("1000");
    EXPECT_EQ(f.amplitud, rt::Variant("1000"));
    EXPECT_NEAR(widestOverAPeriod(), 1000, 5);
    enterAmplitude("abc");
    EXPECT_EQ(user.prompts(), QStringList{"Teclee un valor numérico, please"});
    EXPECT_EQ(f.amplitud, rt::Variant("1000"));
    ticks(3);
    EXPECT_EQ(user.shown.size(), 1u) << "the motion goes on with the amplitude it had";
}

TEST_F(OscilaTest, DroppingTheBlockSetsTheAmplitudeAndPlacesIt)
{
    click(f.optMovil[3]);
    ticks(1);
    dragTo(f.lblBloque, &f.pctBox, f.pctBox.toPixel(-1500, 50).toPoint());
    EXPECT_EQ(f.amplitud, rt::Variant(-1500.0f));
    EXPECT_EQ(f.txtAmplitud.Text(), "-1500");
    EXPECT_NEAR(blockCentre(), -1500, 10);
    const double t = f.tiempo.toDouble();
    ticks(1);
    EXPECT_DOUBLE_EQ(x(), -swing(1500, t)) << "the same swing in opposite phase";
}

TEST_F(OscilaTest, BlockPositionsBeyondReachEndOnlyTheirHandler)
{
    const QString overflow = QStringLiteral("Run-time error '6':\r\n\r\nOverflow");
    click(f.optMovil[3]);
    f.pctBox.dropped(f.lblBloque, QPointF(1e9, 0));  // a drop point far outside the box
    EXPECT_EQ(user.prompts(), QStringList{overflow});
    EXPECT_TRUE(f.Timer1.Enabled());

    enterAmplitude("3E+38");
    ticks(2);
    EXPECT_EQ(user.prompts(), (QStringList{overflow, overflow}));
    EXPECT_FALSE(f.Timer1.Enabled()) << "a failing tick stops its timer";
    enterAmplitude("2000");
    click(f.cmdStart);
    ticks(5);
    EXPECT_NEAR(blockCentre(), x(), 10);
    EXPECT_EQ(user.shown.size(), 2u);
}

}  // namespace
