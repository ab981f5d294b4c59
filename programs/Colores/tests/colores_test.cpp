#include "frmcolores.h"

#include "testing/form_test.h"

#include <QAccessible>
#include <QScrollBar>
#include <QWidget>

using namespace rt::testing;
using Colores::frmColores;

namespace {

class ColoresTest : public FormTest {
protected:
    ColoresTest() : FormTest("Colores"), f(rt::form<frmColores>()) { f.Show(); }

    QStringList boxes() const
    {
        return {f.txtColor[0].Text(), f.txtColor[1].Text(), f.txtColor[2].Text()};
    }
    QList<int> bars() const
    {
        return {f.hsbColor[0].Value(), f.hsbColor[1].Value(), f.hsbColor[2].Value()};
    }
    // The share of the sample's inner pixels (inside its border) of a colour.
    double sampleShare(QColor colour)
    {
        settle();
        const QImage image = grabPixels(f.lblCuadro);
        return shareOf(image, image.rect().adjusted(2, 2, -2, -2), colour);
    }

    frmColores& f;
};

TEST_F(ColoresTest, WindowHasItsTitleAndSize)
{
    EXPECT_EQ(f.Caption(), "Colores");
    EXPECT_EQ(f.ScaleWidth(), 5745);
    EXPECT_EQ(f.ScaleHeight(), 4740);
}

TEST_F(ColoresTest, OptionsOverTheFrameStayOnTopAndTheWindowIsWhite)
{
    QWidget* client = f.childArea();
    for (int i = 0; i <= 1; ++i) {
        const QWidget* option = f.optColor[i].widget();
        EXPECT_EQ(client->childAt(option->geometry().center()), option) << i;
    }
    settle();
    const QImage window = client->grab().toImage();
    EXPECT_EQ(window.pixelColor(2, 2), QColor(Qt::white));
    EXPECT_EQ(f.BackColor(), 0xFFFFFF);
}

TEST_F(ColoresTest, EachBarIsNamedByItsLabel)
{
    const char* names[] = {"Rojo", "Verde", "Azul"};
    for (int i = 0; i <= 2; ++i)
        EXPECT_EQ(
            QAccessible::queryAccessibleInterface(f.hsbColor[i].widget())->text(QAccessible::Name),
            QString(names[i]));
}

TEST_F(ColoresTest, StartsAsWhiteTextOnBlackWithTheBarsAtZero)
{
    EXPECT_EQ(f.lblCuadro.BackColor(), 0x000000);
    EXPECT_EQ(f.lblCuadro.ForeColor(), 0xFFFFFF);
    EXPECT_EQ(bars(), QList<int>({0, 0, 0}));
    EXPECT_EQ(boxes(), QStringList({"0", "0", "0"}));
    EXPECT_TRUE(f.optColor[0].Value());
    EXPECT_GT(sampleShare(Qt::black), 0.6);
    EXPECT_GT(sampleShare(Qt::white), 0.05) << "the caption is drawn in white";
}

TEST_F(ColoresTest, EachModeKeepsItsOwnColourAcrossSwitches)
{
    dragThumbTo(f.hsbColor[0], 255);
    EXPECT_EQ(f.lblCuadro.BackColor(), 0x0000FF);
    EXPECT_EQ(boxes(), QStringList({"255", "0", "0"}));
    EXPECT_GT(sampleShare(Qt::red), 0.6);

    click(f.optColor[1]);
    EXPECT_EQ(bars(), QList<int>({255, 255, 255}));
    EXPECT_EQ(boxes(), QStringList({"255", "255", "255"}));
    EXPECT_EQ(f.lblCuadro.ForeColor(), 0xFFFFFF);
    EXPECT_EQ(f.lblCuadro.BackColor(), 0x0000FF) << "the background keeps its red";

    dragThumbTo(f.hsbColor[2], 0);  // yellow text
    EXPECT_EQ(f.lblCuadro.ForeColor(), 0x00FFFF);
    EXPECT_GT(sampleShare(Qt::yellow), 0.05);

    click(f.optColor[0]);
    EXPECT_EQ(bars(), QList<int>({255, 0, 0}));
    EXPECT_EQ(boxes(), QStringList({"255", "0", "0"}));
    EXPECT_EQ(f.lblCuadro.BackColor(), 0x0000FF);
    EXPECT_EQ(f.lblCuadro.ForeColor(), 0x00FFFF) << "the text keeps the colour left behind";

    click(f.optColor[1]);
    EXPECT_EQ(bars(), QList<int>({255, 255, 0}));
}

// The bars' Change runs inside each assignment of the option handler, so the
// sample passes through the mixed colours; bars that keep their value run nothing.
TEST_F(ColoresTest, SwitchingRepaintsTheSampleAfterEachBarThatMoves)
{
    dragThumbTo(f.hsbColor[0], 255);
    QList<int32_t> seen;
    for (int i = 0; i <= 2; ++i)
        f.txtColor[i].Change = [&] {
            if (!seen.isEmpty() && seen.back() == f.lblCuadro.ForeColor()) return;
            seen << f.lblCuadro.ForeColor();
        };
    click(f.optColor[1]);
    EXPECT_EQ(seen, QList<int32_t>({0x00FFFF, 0xFFFFFF}));
}

TEST_F(ColoresTest, TrackClicksMoveBy16AndArrowsBy1WithinTheEnds)
{
    struct Case {
        int from;
        BarPart part;
        int to;
    };
    const Case cases[] = {
        {0, BarPart::PageDown, 16},    {16, BarPart::LineDown, 17},   {17, BarPart::PageUp, 1},
        {1, BarPart::LineUp, 0},       {0, BarPart::LineUp, 0},       {0, BarPart::PageUp, 0},
        {250, BarPart::PageDown, 255}, {255, BarPart::LineDown, 255},
    };
    for (const Case& c : cases) {
        dragThumbTo(f.hsbColor[1], c.from);
        step(f.hsbColor[1], c.part);
        EXPECT_EQ(f.hsbColor[1].Value(), c.to) << "from " << c.from;
        EXPECT_EQ(f.txtColor[1].Text(), QString::number(c.to));
        EXPECT_EQ(f.lblCuadro.BackColor(), c.to << 8);
    }
}

TEST_F(ColoresTest, ADraggedThumbChangesTheColourOnlyWhenReleased)
{
    QScrollBar* bar = f.hsbColor[2].scrollBar();
    bar->setSliderDown(true);
    bar->setSliderPosition(200);
    EXPECT_EQ(f.lblCuadro.BackColor(), 0x000000);
    EXPECT_EQ(f.txtColor[2].Text(), "0");
    bar->setSliderDown(false);
    EXPECT_EQ(f.lblCuadro.BackColor(), 200 << 16);
    EXPECT_EQ(f.txtColor[2].Text(), "200");
}

TEST_F(ColoresTest, TypingIntoTheBoxesChangesNothing)
{
    typeText(f.txtColor[0], "9");
    EXPECT_EQ(f.txtColor[0].Text(), "0") << "the red box is locked";
    typeText(f.txtColor[1], "9");
    EXPECT_EQ(bars(), QList<int>({0, 0, 0}));
    EXPECT_EQ(f.lblCuadro.BackColor(), 0x000000);
    step(f.hsbColor[1], BarPart::LineDown);
    EXPECT_EQ(f.txtColor[1].Text(), "1");
}

TEST_F(ColoresTest, SalirEndsTheProgram)
{
    click(f.cmdSalir);
    EXPECT_EQ(user.ends, 1);
}

}  // namespace
