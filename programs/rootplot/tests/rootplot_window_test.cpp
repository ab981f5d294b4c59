// The window, its state at load, the formula caption and the coefficient entry.
#include "rootplot_fixture.h"

using namespace rt::testing;

namespace {

const QString loadCaption =
    QStringLiteral("Dibujo y raíces de la función f(x)= 1*x^3+-3*x^2+-1*x+ 3");

TEST_F(RootPlot, WindowMatchesItsLayoutAndEveryCaptionFits)
{
    EXPECT_EQ(f.Caption(), "Dibujo y raíces de una función");
    EXPECT_EQ(f.ScaleWidth(), 7275);
    EXPECT_EQ(f.ScaleHeight(), 7035);
    EXPECT_EQ(captionsThatDoNotFit(f), QStringList());
    EXPECT_EQ(layoutMismatches(f), QStringList());
    ASSERT_EQ(f.controlArray<rt::TextBox>("txtA").size(), 4u);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(f.txtA(i).index(), i);
}

TEST_F(RootPlot, LoadSetsTheCubicItsTextsAndHidesThePlot)
{
    EXPECT_EQ(f.lblRotulo.Caption(), loadCaption);
    EXPECT_EQ(f.txtIni.Text(), "10");
    EXPECT_EQ(f.txtEps.Text(), "1E-09");
    EXPECT_EQ(f.txtA(0).Text(), "1");
    EXPECT_EQ(f.txtA(1).Text(), "-3");
    EXPECT_EQ(f.txtA(2).Text(), "-1");
    EXPECT_EQ(f.txtA(3).Text(), "3");
    EXPECT_EQ(f.txtSol.Text(), "");
    EXPECT_EQ(f.txtNit.Text(), "");
    EXPECT_EQ(f.a.kind(), rt::Variant::Kind::Integer);
    EXPECT_EQ(f.x0.kind(), rt::Variant::Kind::Integer);
    EXPECT_FALSE(f.pctBox.Visible());
    EXPECT_FALSE(f.vsbEscala.Visible());
    EXPECT_EQ(f.vsbEscala.Value(), 100);
    EXPECT_EQ(f.cmdDib.Caption(), "Dibujar");
}

TEST_F(RootPlot, DibujarAndBorrarShowAndHideThePlot)
{
    click(f.cmdDib);
    EXPECT_EQ(f.cmdDib.Caption(), "Borrar");
    EXPECT_TRUE(f.pctBox.Visible());
    EXPECT_TRUE(f.vsbEscala.Visible());
    click(f.cmdDib);
    EXPECT_EQ(f.cmdDib.Caption(), "Dibujar");
    EXPECT_FALSE(f.pctBox.Visible());
    EXPECT_FALSE(f.vsbEscala.Visible());
}

struct AcceptedCoefficient {
    int index;
    const char* typed;
    const char* caption;
};

TEST_F(RootPlot, AnAcceptedCoefficientChangesTheFormulaCaption)
{
    const AcceptedCoefficient cases[] = {
        {3, "2", "Dibujo y raíces de la función f(x)= 1*x^3+-3*x^2+-1*x+ 2"},
        {0, "-2", "Dibujo y raíces de la función f(x)=-2*x^3+-3*x^2+-1*x+ 2"},
        {1, " 0.5 ", "Dibujo y raíces de la función f(x)=-2*x^3+ .5*x^2+-1*x+ 2"},
        {2, "1.5E2", "Dibujo y raíces de la función f(x)=-2*x^3+ .5*x^2+ 150*x+ 2"},
    };
    for (const auto& c : cases) {
        enter(f.txtA(c.index), c.typed);
        EXPECT_EQ(f.lblRotulo.Caption(), QString::fromUtf8(c.caption)) << c.typed;
    }
    EXPECT_EQ(f.a.kind(), rt::Variant::Kind::Double);
    EXPECT_EQ(f.a.toDouble(), -2);
    EXPECT_EQ(f.d, 2);
    EXPECT_EQ(f.F(1), -2 + 0.5 + 150 + 2);
    EXPECT_TRUE(user.shown.empty());
}

TEST_F(RootPlot, ARefusedCoefficientShowsTheMessageAndChangesNothing)
{
    for (const char* typed : {"abc", "", "1,5", "2x"}) {
        user.shown.clear();
        enter(f.txtA(1), typed);
        ASSERT_EQ(user.shown.size(), 1u) << typed;
        EXPECT_EQ(user.shown[0].prompt, "Teclee un valor numérico, please");
        EXPECT_EQ(user.shown[0].style, rt::vbOKOnly);
        EXPECT_EQ(user.shown[0].title, "rootplot");
        EXPECT_EQ(f.b.toDouble(), -3);
        EXPECT_EQ(f.lblRotulo.Caption(), loadCaption);
        EXPECT_EQ(f.txtA(1).Text(), typed) << "the box keeps the refused text";
    }
}

TEST_F(RootPlot, ACoefficientTypedWithoutEnterIsNotUsed)
{
    retype(f.txtA(3), "7");
    EXPECT_EQ(f.d, 3);
    EXPECT_EQ(f.lblRotulo.Caption(), loadCaption);
    pressEnter(f.txtA(3));
    EXPECT_EQ(f.d, 7);
}

TEST_F(RootPlot, EnterInTheToleranceBoxTakesItsLeadingNumber)
{
    enter(f.txtEps, "1E-3");
    EXPECT_EQ(f.eps, 0.001);
    EXPECT_EQ(f.txtEps.Text(), "1E-3\n") << "the multi-line box also takes the line break";
    pressEnter(f.txtEps);
    EXPECT_EQ(f.eps, 0.001);
    enter(f.txtEps, "abc");
    EXPECT_EQ(f.eps, 0);
    EXPECT_TRUE(user.shown.empty());
}

TEST_F(RootPlot, SalirEndsTheProgram)
{
    click(f.cmdSalir);
    EXPECT_EQ(user.ends, 1);
}

}  // namespace
