#include "form1.h"

#include "testing/form_test.h"
#include "testing/mouse.h"

#include <QWidget>

#include <cmath>

using namespace rt::testing;
using Poligono::Form1;

namespace {

const QString greeting = "Introduzca un polígono con el ratón";
const QString closed = "Clique sobre la caja de dibujo para definir puntos";
const QString reset = "Ya puede introducir un nuevo polígono";
const QString inside = "El punto está dentro del polígono";
const QString outside = "El punto está fuera del polígono";
const QColor black(Qt::black);
const QColor white(Qt::white);
const QColor blue(0, 0, 0xFF);

class PoligonoWindow : public FormTest {
protected:
    PoligonoWindow() : FormTest("Poligono"), f(rt::form<Form1>())
    {
        f.Show();
        settle();
    }

    // The pixel of the shown picture that holds the user point (x, y).
    QColor pixelAt(double x, double y)
    {
        settle();
        const QPointF p = f.pctBox.toPixel(x, y);
        const QImage shown = grabInner(f.pctBox);
        return shown.pixelColor(int(std::floor(p.x())), int(std::floor(p.y())));
    }
    bool blank()
    {
        settle();
        const QImage shown = grabInner(f.pctBox);
        return shareOf(shown, shown.rect(), white) == 1.0;
    }
    void drawSquare()
    {
        mouseClick(f.pctBox, 0, 0);
        mouseClick(f.pctBox, 20, 0);
        mouseClick(f.pctBox, 20, 20);
        mouseMove(f.pctBox, 0, 20);
        mouseDoubleClick(f.pctBox, 0, 20);
    }
    QString answerFor(double x, double y)
    {
        mouseClick(f.pctBox, x, y);
        return user.prompts().isEmpty() ? QString() : user.prompts().back();
    }

    Form1& f;
};

TEST_F(PoligonoWindow, GreetsOnceWhenShown)
{
    EXPECT_EQ(f.Caption(), "Polígonos y puntos");
    EXPECT_EQ(f.ScaleWidth(), 5025);
    EXPECT_EQ(f.ScaleHeight(), 4770);
    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_EQ(user.shown[0].prompt, greeting);
    EXPECT_EQ(user.shown[0].style, 0);
    EXPECT_EQ(user.shown[0].title, "Poligono");
    EXPECT_TRUE(blank());
}

TEST_F(PoligonoWindow, SquareClosedByADoubleClickAnswersForEveryTie)
{
    drawSquare();
    ASSERT_EQ(f.numVertices, 4) << "the double click adds exactly one vertex";
    const int xs[] = {0, 20, 20, 0}, ys[] = {0, 0, 20, 20};
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(f.verticeX[i], xs[i - 1]) << i;
        EXPECT_EQ(f.verticeY[i], ys[i - 1]) << i;
    }
    EXPECT_EQ(user.prompts(), QStringList({greeting, closed}));
    EXPECT_TRUE(f.cerrado && f.modoPunto && !f.dibujando);

    const struct {
        double x, y;
        const QString& answer;
    } points[] = {
        {10, 10, inside}, {30, 10, outside}, {0, 10, outside},
        {20, 10, inside}, {10, 0, outside},  {10, 20, inside},
    };
    for (const auto& p : points) EXPECT_EQ(answerFor(p.x, p.y), p.answer) << p.x << ", " << p.y;
    EXPECT_EQ(f.numVertices, 4) << "test points add no vertices";
}

TEST_F(PoligonoWindow, ClosedSquareShowsFourEdgesAndTheTestPointsAsBlueDots)
{
    drawSquare();
    EXPECT_EQ(pixelAt(10, 0), black);
    EXPECT_EQ(pixelAt(20, 10), black);
    EXPECT_EQ(pixelAt(10, 20), black);
    EXPECT_EQ(pixelAt(0, 10), black) << "the closing edge";
    EXPECT_EQ(pixelAt(10, 10), white);
    answerFor(10, 10);
    EXPECT_EQ(pixelAt(10, 10), blue);
    mouseMove(f.pctBox, 60, -40);
    EXPECT_EQ(pixelAt(30, -20), white) << "no rubber band once closed";
}

TEST_F(PoligonoWindow, RubberBandFollowsThePointerFromTheLastVertex)
{
    mouseMove(f.pctBox, -50, 30);
    EXPECT_EQ(f.pctBox.MousePointer(), 2);
    EXPECT_EQ(f.pctBox.widget()->cursor().shape(), Qt::CrossCursor);
    EXPECT_TRUE(blank()) << "moving before any click draws nothing";

    mouseClick(f.pctBox, -60, -20);
    EXPECT_TRUE(blank()) << "a click draws nothing until the pointer moves";
    mouseClick(f.pctBox, 0, -20);
    mouseMove(f.pctBox, 40, 20);
    EXPECT_EQ(pixelAt(-30, -20), black) << "the first edge";
    EXPECT_EQ(pixelAt(20, 0), black) << "the band, half way to the pointer";
    mouseMove(f.pctBox, 0, 40);
    EXPECT_EQ(pixelAt(20, 0), white) << "the old band is gone";
    EXPECT_EQ(pixelAt(0, 30), black);
}

TEST_F(PoligonoWindow, DoubleClickAsTheFirstActionMakesAOneVertexPolygon)
{
    mouseDoubleClick(f.pctBox, 30, -10);
    EXPECT_EQ(f.numVertices, 1);
    EXPECT_EQ(user.prompts(), QStringList({greeting, closed}));
    for (auto [x, y] : {std::pair{30, -10}, {30, -20}, {0, 0}})
        EXPECT_EQ(answerFor(x, y), outside) << x << ", " << y;
}

TEST_F(PoligonoWindow, ResetEmptiesTheBoxAndTheNextClickStartsANewPolygon)
{
    drawSquare();
    answerFor(10, 10);
    click(f.cmdClear);
    EXPECT_EQ(user.prompts().back(), reset);
    EXPECT_TRUE(blank());
    EXPECT_EQ(f.numVertices, 0);
    EXPECT_FALSE(f.dibujando || f.cerrado || f.modoPunto);

    const int shown = int(user.shown.size());
    mouseClick(f.pctBox, -40, 30);
    EXPECT_EQ(int(user.shown.size()), shown) << "a vertex again, not a test point";
    EXPECT_EQ(f.numVertices, 1);
    EXPECT_EQ(f.verticeX[1], -40);
    EXPECT_EQ(f.verticeY[1], 30);
}

TEST_F(PoligonoWindow, TwentyFirstClickAddsNothingAndADoubleClickStillCloses)
{
    for (int i = 0; i < 20; ++i) mouseClick(f.pctBox, -95 + 9 * i, i % 2 ? 10 : -10);
    ASSERT_EQ(f.numVertices, 20);
    mouseClick(f.pctBox, 90, 40);
    EXPECT_EQ(f.numVertices, 20);
    EXPECT_EQ(f.verticeX[20], 76);
    EXPECT_EQ(f.ultimoX, 76) << "the band still starts at the last vertex";
    mouseDoubleClick(f.pctBox, 90, 40);
    EXPECT_EQ(f.numVertices, 20);
    EXPECT_TRUE(f.cerrado);
    EXPECT_EQ(user.prompts().back(), closed);
}

TEST_F(PoligonoWindow, MouseCoordinatesRoundHalvesToEven)
{
    mouseClick(f.pctBox, 2.5, -3.5);
    mouseClick(f.pctBox, 3.5, 0.5);
    EXPECT_EQ(f.verticeX[1], 2);
    EXPECT_EQ(f.verticeY[1], -4);
    EXPECT_EQ(f.verticeX[2], 4);
    EXPECT_EQ(f.verticeY[2], 0);
}

}  // namespace
