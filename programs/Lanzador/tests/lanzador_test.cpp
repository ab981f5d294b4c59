#include "formulario.h"
#include "vuelo.h"

#include "form_test.h"

#include <QTest>

using namespace rt::testing;
using Lanzador::formulario;

namespace {

const QColor red(255, 0, 0);
const QColor white(Qt::white);

class LanzadorTest : public FormTest {
protected:
    LanzadorTest() : FormTest("lanzador"), f(rt::form<formulario>()) { f.Show(); }

    static void retype(rt::TextBox& box, const QString& text)
    {
        QTest::keyClick(box.widget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box.widget(), Qt::Key_Delete);
        typeText(box, text);
    }
    void launch(const QString& speed, const QString& degrees)
    {
        retype(f.txtV, speed);
        retype(f.txtAngulo, degrees);
        click(f.cmdDispara);
    }
    // Ticks until a message box comes up; returns how many ticks that took.
    int ticksUntilAMessage(int most = 300)
    {
        const size_t before = user.shown.size();
        for (int n = 1; n <= most; ++n) {
            f.Timer1.fireTick();
            if (user.shown.size() > before) return n;
        }
        return 0;
    }
    Lanzador::Punto where() const { return Lanzador::posicion(f.vx, f.vy, f.t); }
    // Where the box shows red left of the block, clear of the block's edge.
    QRect redLeftOfTheBlock()
    {
        settle();
        const QImage shown = grabInner(f.pctBox);
        const int blockLeft = int(f.pctBox.toPixelX(f.xpos));
        return extentOf(shown, red, QRect(0, 0, blockLeft - 1, shown.height()));
    }

    formulario& f;
};

TEST_F(LanzadorTest, WindowMatchesItsLayoutAndEveryCaptionFits)
{
    EXPECT_EQ(f.Caption(), "Lanzador");
    EXPECT_EQ(f.ScaleWidth(), 7245);
    EXPECT_EQ(f.ScaleHeight(), 6630);
    EXPECT_EQ(captionsThatDoNotFit(f), QStringList());
    const formulario asBuilt;
    EXPECT_EQ(layoutMismatches(asBuilt), QStringList());
}

TEST_F(LanzadorTest, LoadsTheInputsAndDrawsTheTargetAndTheBlock)
{
    EXPECT_EQ(f.txtV.Text(), "35");
    EXPECT_EQ(f.txtAngulo.Text(), "50");
    EXPECT_EQ(f.altura, 50);
    EXPECT_EQ(f.anchura, 20);
    EXPECT_EQ(f.xpos, 100.0);
    EXPECT_EQ(f.vsbAltura.Value(), 50);
    EXPECT_EQ(f.hsbAnchura.Value(), 20);
    EXPECT_EQ(f.hsbXpos.Value(), 100);
    EXPECT_FALSE(f.Timer1.Enabled());
    EXPECT_EQ(f.Timer1.Interval(), 20);

    settle();
    const QImage shown = grabInner(f.pctBox);
    const QRect block =
        QRectF(f.pctBox.toPixel(100.5, 49.5), f.pctBox.toPixel(119.5, 0.5)).toRect();
    EXPECT_EQ(shareOf(shown, block, red), 1.0);
    // The target: a red ring 20 units across around a white centre.
    const QRect ring =
        extentOf(shown, red, QRectF(f.pctBox.toPixel(175, 25), f.pctBox.toPixel(205, 0)).toRect());
    EXPECT_NEAR(ring.width(), f.pctBox.toPixelWidth(20), 2);
    EXPECT_NEAR(ring.center().x(), f.pctBox.toPixelX(190), 1);
    EXPECT_EQ(QColor(shown.pixel(f.pctBox.toPixel(190, 10).toPoint())), white) << "an outline";
    EXPECT_EQ(redLeftOfTheBlock(), QRect()) << "the zero-width block drawn while loading is gone";
}

TEST_F(LanzadorTest, TheFirstLaunchHitsTheBlockAtThe45thTickAndStops)
{
    click(f.cmdDispara);
    EXPECT_EQ(f.Timer1.Interval(), 50);
    EXPECT_TRUE(f.Timer1.Enabled());
    EXPECT_EQ(ticksUntilAMessage(), 45);
    EXPECT_NEAR(where().x, 101.24, 0.005);
    EXPECT_NEAR(where().y, 21.33, 0.005);
    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_EQ(user.shown[0].prompt, "Hemos tocado el bloque");
    EXPECT_EQ(user.shown[0].style, rt::vbOKOnly);
    EXPECT_EQ(user.shown[0].title, "lanzador");
    EXPECT_EQ(user.beeps, 0);
    EXPECT_FALSE(f.Timer1.Enabled());
    const double t = f.t;
    f.Timer1.fireTick();
    EXPECT_EQ(f.t, t) << "idle after the hit";
}

TEST_F(LanzadorTest, Speed45At45DegreesWinsAtThe59thTickWithOneBeep)
{
    launch("45", "45");
    EXPECT_EQ(ticksUntilAMessage(), 59);
    EXPECT_EQ(f.t, 5.899999999999995);
    EXPECT_NEAR(where().x, 187.74, 0.005);
    EXPECT_NEAR(where().y, 16.99, 0.005);
    EXPECT_EQ(user.prompts(), QStringList{"YOU WIN"});
    EXPECT_EQ(user.beeps, 1);
    EXPECT_EQ(user.shown[0].beepsBefore, 1) << "the beep sounds before the message";
    EXPECT_FALSE(f.Timer1.Enabled());
}

TEST_F(LanzadorTest, TheTickWaitsForTheMessageBoxAndNeverReenters)
{
    bool enabledWhileShown = false;
    int dueWhileShown = 0;
    user.whileShown = [&] {
        enabledWhileShown = f.Timer1.Enabled();
        const double t = f.t;
        for (int i = 0; i < 5; ++i) f.Timer1.fireTick();  // the clock goes on meanwhile
        dueWhileShown += f.t == t ? 0 : 1;
    };
    click(f.cmdDispara);
    EXPECT_EQ(ticksUntilAMessage(), 45);
    EXPECT_TRUE(enabledWhileShown) << "the timer is stopped only once the box is closed";
    EXPECT_EQ(dueWhileShown, 0);
    EXPECT_EQ(user.shown.size(), 1u);
    EXPECT_FALSE(f.Timer1.Enabled());
}

TEST_F(LanzadorTest, ABlockCoveringTheTargetGivesItsMessageFirstThenTheWin)
{
    dragThumbTo(f.hsbXpos, 150);
    dragThumbTo(f.hsbAnchura, 100);
    dragThumbTo(f.vsbAltura, 85);
    EXPECT_EQ(f.altura, 15);
    launch("44", "45");
    EXPECT_EQ(ticksUntilAMessage(), 59);
    EXPECT_EQ(user.prompts(), (QStringList{"Hemos tocado el bloque", "YOU WIN"}));
    EXPECT_EQ(user.shown[0].beepsBefore, 0);
    EXPECT_EQ(user.shown[1].beepsBefore, 1);
    EXPECT_EQ(user.beeps, 1);
    EXPECT_FALSE(f.Timer1.Enabled());
}

TEST_F(LanzadorTest, TheHeightBarRunsFrom99AtTheTopToANeverHitZeroAtTheBottom)
{
    dragThumbTo(f.vsbAltura, 1);
    EXPECT_EQ(f.altura, 99);
    dragThumbTo(f.vsbAltura, 100);
    EXPECT_EQ(f.altura, 0);
    click(f.cmdDispara);
    EXPECT_EQ(ticksUntilAMessage(200), 0);
    EXPECT_TRUE(f.Timer1.Enabled()) << "a miss flies on";
}

TEST_F(LanzadorTest, EachTickShowsOneThreePixelDotAndNoTrail)
{
    click(f.cmdDispara);
    f.Timer1.fireTick();
    f.Timer1.fireTick();
    EXPECT_EQ(f.pctBox.DrawWidth(), 1);
    const QRect dot = redLeftOfTheBlock();
    EXPECT_EQ(dot.size(), QSize(3, 3)) << "only the last point, no trail";
    EXPECT_TRUE(dot.contains(f.pctBox.toPixel(where().x, where().y).toPoint()));
}

TEST_F(LanzadorTest, TextsThatAreNotNumbersCountAsZeroAndLanzarRestarts)
{
    launch("", "50");
    EXPECT_EQ(ticksUntilAMessage(100), 0);
    EXPECT_EQ(where().x, 0.0) << "falls straight down from the origin";
    EXPECT_LT(where().y, 0.0);
    EXPECT_TRUE(f.Timer1.Enabled());
    launch("35", "fifty");
    EXPECT_EQ(f.t, 0.0);
    EXPECT_EQ(f.vy, 0.0);
    EXPECT_EQ(f.vx, 35.0);
}

TEST_F(LanzadorTest, AbsurdInputsEndTheirHandlerWithTheErrorAndLanzarWorksAgain)
{
    launch("35", "1e308");
    EXPECT_EQ(user.prompts(), QStringList{"Run-time error '6':\r\n\r\nOverflow"});
    EXPECT_FALSE(f.Timer1.Enabled());

    launch("1e308", "50");  // the launch is fine, the first point is beyond a Single
    EXPECT_TRUE(f.Timer1.Enabled());
    f.Timer1.fireTick();
    EXPECT_EQ(user.shown.size(), 2u);
    EXPECT_EQ(user.shown[1].title, "lanzador");
    EXPECT_FALSE(f.Timer1.Enabled()) << "a failing tick stops its timer";
    EXPECT_EQ(f.pctBox.DrawWidth(), 1);

    launch("35", "50");
    EXPECT_EQ(ticksUntilAMessage(), 45);
    EXPECT_EQ(user.prompts().last(), "Hemos tocado el bloque");
}

TEST_F(LanzadorTest, SalirEndsTheProgram)
{
    click(f.cmdEnd);
    EXPECT_EQ(user.ends, 1);
}

}  // namespace
