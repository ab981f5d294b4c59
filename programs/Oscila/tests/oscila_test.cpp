#include "frmoscila.h"

#include "form_test.h"

#include <QTest>

#include <cmath>

using namespace rt::testing;
using Oscila::frmOscila;

namespace {

const QColor white(Qt::white);

class OscilaTest : public FormTest {
protected:
    OscilaTest() : FormTest("Oscila"), f(rt::form<frmOscila>()) { f.Show(); }

    void ticks(int n)
    {
        for (int i = 0; i < n; ++i) f.Timer1.fireTick();
    }
    double x() const { return f.posicion.toDouble(); }
    // Where the body is drawn by the tick that starts at time t.
    static double swing(double amplitude, double hertz, double t)
    {
        return amplitude * std::sin(double(2 * 3.1415927f) * hertz * t);
    }
    void enterAmplitude(const QString& text)
    {
        QTest::keyClick(f.txtAmplitud.widget(), Qt::Key_A, Qt::ControlModifier);
        typeText(f.txtAmplitud, text);
        pressKey(f.txtAmplitud, Qt::Key_Return, QStringLiteral("\r"));
    }
    // Where the box shows `colour`.
    QRect shownExtentOf(QColor colour)
    {
        settle();
        return extentOf(grabInner(f.pctBox), colour);
    }

    frmOscila& f;
};

TEST_F(OscilaTest, WindowMatchesItsLayoutAndEveryCaptionFits)
{
    EXPECT_EQ(f.Caption(), "Oscilación sinusoidal");
    EXPECT_EQ(f.ScaleWidth(), 6135);
    EXPECT_EQ(f.ScaleHeight(), 5520);
    EXPECT_EQ(captionsThatDoNotFit(f), QStringList());
    const frmOscila asBuilt;
    EXPECT_EQ(layoutMismatches(asBuilt), QStringList());
    EXPECT_EQ(asBuilt.Timer1.Interval(), 0);
    EXPECT_TRUE(asBuilt.Timer1.Enabled());
}

TEST_F(OscilaTest, LoadSetsTheInputsAndStartsTheMotion)
{
    EXPECT_EQ(f.txtAmplitud.Text(), "2000");
    EXPECT_EQ(f.txtFrec.Text(), "1");
    EXPECT_TRUE(f.txtFrec.Locked());
    EXPECT_EQ(f.cmdStart.Caption(), "Stop Motion");
    EXPECT_EQ(f.pi, 3.1415927f);
    EXPECT_EQ(f.Timer1.Interval(), 20);
    EXPECT_TRUE(f.Timer1.Enabled());
    EXPECT_EQ(f.pctBox.DrawWidth(), 4);
    EXPECT_FALSE(f.lblBloque.Visible());
    EXPECT_TRUE(f.optMovil[0].Value());
}

TEST_F(OscilaTest, TheBlueDotSwingsBetweenMinus2000And2000OncePerSecond)
{
    ticks(1);
    EXPECT_EQ(x(), 0.0) << "the first tick draws at the centre";
    const QRect dot = shownExtentOf(QColor(0, 0, 255));
    EXPECT_EQ(dot.size(), QSize(4, 4));
    EXPECT_TRUE(dot.contains(f.pctBox.toPixel(0, 0).toPoint()));

    double lowest = 0, highest = 0;
    for (int tick = 2; tick <= 50; ++tick) {
        const double t = f.tiempo.toDouble();
        ticks(1);
        EXPECT_DOUBLE_EQ(x(), swing(2000, 1, t));
        lowest = std::min(lowest, x());
        highest = std::max(highest, x());
    }
    EXPECT_GT(highest, 1990);
    EXPECT_LE(highest, 2000);
    EXPECT_LT(lowest, -1990);
    EXPECT_GE(lowest, -2000);
    ticks(1);
    EXPECT_NEAR(x(), 0, 0.01) << "the 51st tick starts the second period";
}

TEST_F(OscilaTest, StopAndStartFreezeAndResumeThePhase)
{
    ticks(10);
    const double frozen = f.tiempo.toDouble();
    click(f.cmdStart);
    EXPECT_EQ(f.cmdStart.Caption(), "Start Motion");
    EXPECT_FALSE(f.Timer1.Enabled());
    ticks(5);
    EXPECT_EQ(f.tiempo.toDouble(), frozen);
    click(f.cmdStart);
    EXPECT_EQ(f.cmdStart.Caption(), "Stop Motion");
    ticks(1);
    EXPECT_DOUBLE_EQ(x(), swing(2000, 1, frozen));
}

TEST_F(OscilaTest, EachBodyHasItsColourWidthAndShape)
{
    struct Case {
        int index;
        int drawWidth;
        QColor colour;
        QSize extent;  // of the drawn body at the centre, in pixels
        bool blockShown;
    };
    const Case cases[] = {
        {1, 1, QColor(255, 0, 0), QSize(27, 21), false},
        {2, 1, QColor(0, 255, 0), QSize(27, 27), false},
        {3, 1, QColor(), QSize(), true},
        {0, 4, QColor(0, 0, 255), QSize(4, 4), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        click(f.optMovil[c.index]);
        EXPECT_EQ(f.movil, c.index);
        EXPECT_EQ(f.pctBox.DrawWidth(), c.drawWidth);
        EXPECT_EQ(f.lblBloque.Visible(), c.blockShown);
        f.tiempo = rt::Variant();  // each body drawn by a first tick, at the centre
        const rt::Single top = f.lblBloque.Top();
        ticks(1);
        const QPoint centre = f.pctBox.toPixel(0, 0).toPoint();
        if (c.blockShown) {
            EXPECT_NEAR(f.lblBloque.Left() + f.lblBloque.Width() / 2, 0, 10);
            EXPECT_EQ(f.lblBloque.Top(), top);
            continue;
        }
        const QRect body = shownExtentOf(c.colour);
        EXPECT_LE(std::abs(body.width() - c.extent.width()), 1) << body.width();
        EXPECT_LE(std::abs(body.height() - c.extent.height()), 1) << body.height();
        EXPECT_LE((body.center() - centre).manhattanLength(), 2);
    }
}

TEST_F(OscilaTest, TheFrequencyBarSetsTenthsOfAHertz)
{
    dragThumbTo(f.hsbFrec, 1);
    EXPECT_EQ(f.txtFrec.Text(), "0.1");
    EXPECT_EQ(f.frecuencia.toDouble(), 0.1);
    dragThumbTo(f.hsbFrec, 5);
    EXPECT_EQ(f.txtFrec.Text(), "0.5");
    dragThumbTo(f.hsbFrec, 100);
    EXPECT_EQ(f.txtFrec.Text(), "10");
    ticks(3);
    const double before = x();
    ticks(5);
    EXPECT_NEAR(x(), before, 0.01) << "five ticks make a period at 10 Hz";
}

TEST_F(OscilaTest, EnterTakesTheTypedAmplitudeAndRefusesText)
{
    enterAmplitude("1000");
    EXPECT_EQ(f.amplitud.kind(), rt::Variant::Kind::String);
    double highest = 0;
    for (int i = 0; i < 50; ++i) {
        ticks(1);
        highest = std::max(highest, x());
    }
    EXPECT_GT(highest, 990);
    EXPECT_LE(highest, 1000);

    enterAmplitude("abc");
    EXPECT_EQ(user.prompts(), QStringList{"Teclee un valor numérico, please"});
    EXPECT_EQ(f.amplitud, rt::Variant("1000"));
    ticks(3);
    EXPECT_TRUE(f.Timer1.Enabled()) << "the motion goes on with the amplitude it had";
    EXPECT_EQ(user.shown.size(), 1u);
}

TEST_F(OscilaTest, DroppingTheBlockSetsTheAmplitudeAndPlacesIt)
{
    click(f.optMovil[3]);
    ticks(1);
    const QPoint at = f.pctBox.toPixel(-1500, 50).toPoint();
    dragTo(f.lblBloque, &f.pctBox, at);
    EXPECT_EQ(f.amplitud, rt::Variant(-1500.0f));
    EXPECT_EQ(f.txtAmplitud.Text(), "-1500");
    EXPECT_NEAR(f.lblBloque.Left() + f.lblBloque.Width() / 2, -1500, 10);
    const double t = f.tiempo.toDouble();
    ticks(1);
    EXPECT_DOUBLE_EQ(x(), -swing(1500, 1, t)) << "the same swing in opposite phase";
}

TEST_F(OscilaTest, AnAmplitudeTooLargeToPlaceTheBlockEndsOnlyThatTick)
{
    click(f.optMovil[3]);
    enterAmplitude("3E+38");
    ticks(2);
    EXPECT_EQ(user.prompts(), QStringList{"Run-time error '6':\r\n\r\nOverflow"});
    EXPECT_EQ(user.shown[0].title, "Oscila");
    EXPECT_FALSE(f.Timer1.Enabled());

    enterAmplitude("2000");
    click(f.cmdStart);
    ticks(5);
    EXPECT_NEAR(f.lblBloque.Left() + f.lblBloque.Width() / 2, x(), 10);
    EXPECT_EQ(user.shown.size(), 1u);
}

TEST_F(OscilaTest, ExitEndsTheProgram)
{
    click(f.cmdExit);
    EXPECT_EQ(user.ends, 1);
}

}  // namespace
