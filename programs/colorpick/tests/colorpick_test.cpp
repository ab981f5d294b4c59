#include "fracolor.h"

#include "testing/form_test.h"

using namespace rt::testing;
using colorpick::fraColor;

namespace {

class Colorpick : public FormTest {
protected:
    Colorpick() : FormTest("colorpick"), f(rt::form<fraColor>()) { f.Show(); }

    // The share of the box's inner pixels that show `colour`.
    double boxShare(QColor colour)
    {
        settle();
        const QImage image = grabPixels(f.txtCaja);
        return shareOf(image, image.rect().adjusted(4, 4, -4, -4), colour);
    }

    fraColor& f;
};

TEST_F(Colorpick, WindowHasItsTitleAndSize)
{
    EXPECT_EQ(f.Caption(), "Colores");
    EXPECT_EQ(f.ScaleWidth(), 5445);
    EXPECT_EQ(f.ScaleHeight(), 3420);
    const fraColor asBuilt;  // not loaded: Form_Load moves the box
    EXPECT_EQ(asBuilt.txtCaja.Top(), 2280);
}

TEST_F(Colorpick, OpensWithTheBlueBoxAtTheTop)
{
    EXPECT_EQ(f.txtCaja.Top(), 0);
    EXPECT_EQ(f.txtCaja.Left(), 1920);
    EXPECT_EQ(f.txtCaja.BackColor(), 0xFF0000);
    EXPECT_TRUE(f.optAzul.Value());
    EXPECT_TRUE(f.optArriba.Value());
    EXPECT_EQ(boxShare(Qt::blue), 1.0);
    // The window's blue is its text colour; as background it would hide the box.
    EXPECT_EQ(f.ForeColor(), 0xFF0000);
    EXPECT_NE(f.BackColor(), 0xFF0000);
}

TEST_F(Colorpick, PositionOptionsMoveTheBoxInsideTheWindow)
{
    click(f.optAbajo);
    EXPECT_EQ(f.txtCaja.Top(), 2300);
    EXPECT_LE(f.txtCaja.Top() + f.txtCaja.Height(), f.ScaleHeight());
    EXPECT_TRUE(f.optAzul.Value()) << "the two groups are independent";
    click(f.optArriba);
    EXPECT_EQ(f.txtCaja.Top(), 0);
    EXPECT_EQ(f.txtCaja.Height(), 1095);
}

TEST_F(Colorpick, ColourOptionsPaintTheBoxAndKeepItsPlace)
{
    click(f.optAbajo);
    struct Case {
        rt::OptionButton& option;
        int32_t colour;
        QColor shown;
    };
    const Case cases[] = {
        {f.optRojo, 0x0000FF, Qt::red},
        {f.optVerde, 0x00FF00, Qt::green},
        {f.optAmarillo, 0x00FFFF, Qt::yellow},
        {f.optAzul, 0xFF0000, Qt::blue},
    };
    for (const Case& c : cases) {
        click(c.option);
        EXPECT_EQ(f.txtCaja.BackColor(), c.colour) << c.option.name().toStdString();
        EXPECT_EQ(boxShare(c.shown), 1.0) << c.option.name().toStdString();
        EXPECT_EQ(f.txtCaja.Top(), 2300);
        EXPECT_TRUE(f.optAbajo.Value());
    }
}

TEST_F(Colorpick, TypingIntoTheBoxIsNotPossible)
{
    typeText(f.txtCaja, "hola");
    EXPECT_EQ(f.txtCaja.Text(), "");
    EXPECT_TRUE(f.txtCaja.Locked());
}

}  // namespace
