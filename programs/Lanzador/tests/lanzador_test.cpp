#include "formulario.h"
#include "vuelo.h"

#include "testing/form_test.h"

#include <QTest>

using namespace rt::testing;
using Lanzador::formulario;

namespace {

const QColor red(255, 0, 0);

class LanzadorTest : public FormTest {
protected:
    LanzadorTest() : FormTest("lanzador"), f(rt::form<formulario>()) { f.Show(); }

    void launch(const QString& speed, const QString& degrees)
    {
        for (auto [box, text] : {std::pair{&f.txtV, speed}, std::pair{&f.txtAngulo, degrees}}) {
            QTest::keyClick(box->widget(), Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(box->widget(), Qt::Key_Delete);
            typeText(*box, text);
        }
        click(f.cmdDispara);
    }
    // Ticks until a message box comes up; how many ticks that took, or 0.
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
        return extentOf(shown, red,
                        QRect(0, 0, int(f.pctBox.mapping().toPixelX(f.xpos)) - 1, shown.height()));
    }

    formulario& f;
};

TEST_F(LanzadorTest, WindowHasItsTitle)
{
    EXPECT_EQ(f.Caption(), "Lanzador");
}

TEST_F(LanzadorTest, LoadsTheInputsAndDrawsTheTargetAndTheBlock)
{
    EXPECT_EQ(f.txtV.Text() + " " + f.txtAngulo.Text(), "35 50");
    EXPECT_EQ(QList<int>({f.vsbAltura.Value(), f.hsbAnchura.Value(), f.hsbXpos.Value()}),
              QList<int>({50, 20, 100}));
    EXPECT_FALSE(f.Timer1.Enabled());
    settle();
    const QImage shown = grabInner(f.pctBox);
    const QRect block =
        QRectF(f.pctBox.toPixel(100.5, 49.5), f.pctBox.toPixel(119.5, 0.5)).toRect();
    EXPECT_EQ(shareOf(shown, block, red), 1.0);
    const QRect ring =
        extentOf(shown, red, QRectF(f.pctBox.toPixel(175, 25), f.pctBox.toPixel(205, 0)).toRect());
    EXPECT_NEAR(ring.width(), f.pctBox.mapping().toPixelWidth(20), 2);
    EXPECT_NEAR(ring.center().x(), f.pctBox.mapping().toPixelX(190), 1);
    EXPECT_EQ(QColor(shown.pixel(f.pctBox.toPixel(190, 10).toPoint())), Qt::white) << "an outline";
    EXPECT_EQ(redLeftOfTheBlock(), QRect()) << "the zero-width block drawn while loading is gone";
}

TEST_F(LanzadorTest, TheFirstLaunchHitsTheBlockAtThe45thTickAndStopsOnceTheBoxIsClosed)
{
    bool enabledWhileShown = false, reentered = false;
    user.whileShown = [&] {
        enabledWhileShown = f.Timer1.Enabled();
        const double t = f.t;
        for (int i = 0; i < 5; ++i) f.Timer1.fireTick();  // the clock goes on meanwhile
        reentered = f.t != t;
    };
    click(f.cmdDispara);
    EXPECT_EQ(f.Timer1.Interval(), 50);
    EXPECT_EQ(ticksUntilAMessage(), 45);
    EXPECT_NEAR(where().x, 101.24, 0.005);
    EXPECT_NEAR(where().y, 21.33, 0.005);
    EXPECT_FALSE(reentered) << "ticks falling due while the box is open are dropped";
    EXPECT_TRUE(enabledWhileShown);
    EXPECT_FALSE(f.Timer1.Enabled());
    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_EQ(user.shown[0].prompt, "Hemos tocado el bloque");
    EXPECT_EQ(user.shown[0].style, rt::vbOKOnly);
    EXPECT_EQ(user.shown[0].title, "lanzador");
    EXPECT_EQ(user.beeps, 0);
}

TEST_F(LanzadorTest, Speed45At45DegreesWinsAtThe59thTickWithOneBeep)
{
    launch("45", "45");
    EXPECT_EQ(ticksUntilAMessage(), 59);
    EXPECT_EQ(f.t, 5.899999999999995) << "a tenth added up 59 times";
    EXPECT_NEAR(where().x, 187.74, 0.005);
    EXPECT_NEAR(where().y, 16.99, 0.005);
    EXPECT_EQ(user.prompts(), QStringList{"YOU WIN"});
    EXPECT_EQ(user.shown[0].beepsBefore, 1);
    EXPECT_EQ(user.beeps, 1);
    EXPECT_FALSE(f.Timer1.Enabled());
}

TEST_F(LanzadorTest, ABlockCoveringTheTargetGivesItsMessageFirstThenTheWin)
{
    dragThumbTo(f.hsbXpos, 150);
    dragThumbTo(f.hsbAnchura, 100);
    dragThumbTo(f.vsbAltura, 85);
    launch("44", "45");
    EXPECT_EQ(ticksUntilAMessage(), 59);
    EXPECT_EQ(user.prompts(), (QStringList{"Hemos tocado el bloque", "YOU WIN"}));
    EXPECT_EQ(user.shown[0].beepsBefore, 0);
    EXPECT_EQ(user.beeps, 1);
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
    const QRect dot = redLeftOfTheBlock();
    EXPECT_EQ(dot.size(), QSize(3, 3));
    EXPECT_TRUE(dot.contains(f.pctBox.toPixel(where().x, where().y).toPoint()));
    EXPECT_EQ(f.pctBox.DrawWidth(), 1);
}

TEST_F(LanzadorTest, BadInputCountsAsZeroOrEndsItsHandlerAndLanzarWorksAgain)
{
    launch("", "50");
    EXPECT_EQ(ticksUntilAMessage(100), 0);
    EXPECT_EQ(where().x, 0.0) << "falls straight down from the origin";
    EXPECT_TRUE(f.Timer1.Enabled());

    launch("35", "1e308");  // the angle in radians leaves the Double range
    EXPECT_EQ(user.prompts(), QStringList{"Run-time error '6':\r\n\r\nOverflow"});
    launch("1e308", "50");  // the first point lies beyond a Single
    f.Timer1.fireTick();
    EXPECT_EQ(user.shown.size(), 2u);
    EXPECT_FALSE(f.Timer1.Enabled()) << "a failing tick stops its timer";
    EXPECT_EQ(f.pctBox.DrawWidth(), 1);

    launch("35", "50");
    EXPECT_EQ(ticksUntilAMessage(), 45);
}

}  // namespace
