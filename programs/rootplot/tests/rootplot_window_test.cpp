// The window, its state at load, the formula caption and the coefficient entry.
#include "rootplot_fixture.h"

using namespace rt::testing;

namespace {

const QString loadCaption =
    QStringLiteral("Dibujo y raíces de la función f(x)= 1*x^3+-3*x^2+-1*x+ 3");

TEST_F(RootPlot, WindowHasItsTitleAndSize)
{
    EXPECT_EQ(f.Caption(), "Dibujo y raíces de una función");
    EXPECT_EQ(QSize(f.ScaleWidth(), f.ScaleHeight()), QSize(7275, 7035));
}

TEST_F(RootPlot, LoadSetsTheCubicItsTextsAndHidesThePlot)
{
    EXPECT_EQ(f.lblRotulo.Caption(), loadCaption);
    EXPECT_EQ(f.txtIni.Text(), "10");
    EXPECT_EQ(f.txtEps.Text(), "1E-09");
    const char* coefficients[] = {"1", "-3", "-1", "3"};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(f.txtA[i].Text(), coefficients[i]);
    EXPECT_EQ(f.txtSol.Text() + f.txtNit.Text(), "");
    EXPECT_FALSE(f.pctBox.Visible() || f.vsbEscala.Visible());
    EXPECT_EQ(f.cmdDib.Caption(), "Dibujar");
}

TEST_F(RootPlot, AnAcceptedCoefficientChangesTheFormulaCaptionOnEnter)
{
    enter(f.txtA[3], "7", false);
    EXPECT_EQ(f.lblRotulo.Caption(), loadCaption) << "typed without Enter";
    // clang-format off
    const struct { int index; const char *typed, *caption; } cases[] = {
        {3, "2",     "Dibujo y raíces de la función f(x)= 1*x^3+-3*x^2+-1*x+ 2"},
        {0, "-2",    "Dibujo y raíces de la función f(x)=-2*x^3+-3*x^2+-1*x+ 2"},
        {1, " 0.5 ", "Dibujo y raíces de la función f(x)=-2*x^3+ .5*x^2+-1*x+ 2"},
        {2, "1.5E2", "Dibujo y raíces de la función f(x)=-2*x^3+ .5*x^2+ 150*x+ 2"},
    };
    // clang-format on
    for (const auto& c : cases) {
        enter(f.txtA[c.index], c.typed);
        EXPECT_EQ(f.lblRotulo.Caption(), QString::fromUtf8(c.caption)) << c.typed;
    }
    EXPECT_TRUE(user.shown.empty());
}

TEST_F(RootPlot, ARefusedCoefficientShowsTheMessageAndChangesNothing)
{
    for (const char* typed : {"abc", "", "1,5", "2x"}) {
        user.shown.clear();
        enter(f.txtA[1], typed);
        ASSERT_EQ(user.shown.size(), 1u) << typed;
        EXPECT_EQ(user.shown[0].prompt, "Teclee un valor numérico, please");
        EXPECT_EQ(user.shown[0].style, rt::vbOKOnly);
        EXPECT_EQ(user.shown[0].title, "rootplot");
        EXPECT_EQ(f.lblRotulo.Caption(), loadCaption);
        EXPECT_EQ(f.txtA[1].Text(), typed) << "the box keeps the refused text";
    }
}

TEST_F(RootPlot, SalirEndsTheProgram)
{
    click(f.cmdSalir);
    EXPECT_EQ(user.ends, 1);
}

}  // namespace
