#include "form1.h"

#include "testing/form_test.h"
#include "testing/mouse.h"

#include <QWidget>

#include <cmath>

using namespace rt::testing;
using polydraw::Form1;

namespace {

const QColor black(Qt::black);
const QColor white(Qt::white);

class PolydrawWindow : public FormTest {
protected:
    PolydrawWindow() : FormTest("polydraw"), f(rt::form<Form1>())
    {
        f.Show();
        settle();
    }

    QImage shown()
    {
        settle();
        return grabInner(f.pctBox);
    }
    // The pixel that holds the user point (x, y), and its colour when moved
    // by (dx, dy) pixels.
    QPoint pixelAt(double x, double y)
    {
        const QPointF p = f.pctBox.toPixel(x, y);
        return {int(std::floor(p.x())), int(std::floor(p.y()))};
    }
    QColor pixelAt(const QImage& image, double x, double y, int dx = 0, int dy = 0)
    {
        return image.pixelColor(pixelAt(x, y) + QPoint(dx, dy));
    }
    // A sloped line passes within a pixel of the point.
    bool blackNear(const QImage& image, double x, double y)
    {
        return shareOf(image, QRect(pixelAt(x, y) - QPoint(1, 1), QSize(3, 3)), black) > 0;
    }
    bool blank()
    {
        const QImage image = shown();
        return shareOf(image, image.rect(), white) == 1.0;
    }
    QStringList xs() { return items(f.lstX); }
    QStringList ys() { return items(f.lstY); }

    // A triangle closed by a click beside its first vertex.
    void drawTriangle()
    {
        mouseClick(f.pctBox, -60, -30);
        mouseClick(f.pctBox, 60, -30);
        mouseClick(f.pctBox, 0, 40);
        mouseMove(f.pctBox, -58, -29);
        ASSERT_EQ(f.pctBox.MousePointer(), 2);
        mouseClick(f.pctBox, -58, -29);
    }

    Form1& f;
};

TEST_F(PolydrawWindow, HasItsTitleAndSizeAndStartsBlank)
{
    EXPECT_EQ(f.Caption(), "Dibujo de polígonos");
    EXPECT_EQ(f.ScaleWidth(), 5475);
    EXPECT_EQ(f.ScaleHeight(), 5400);
    EXPECT_TRUE(blank());
}

TEST_F(PolydrawWindow, EachClickAppendsTheCoordinatesAsStrTexts)
{
    mouseMove(f.pctBox, 30, 30);
    EXPECT_EQ(f.pctBox.MousePointer(), 0) << "before the first click a move does nothing";
    mouseClick(f.pctBox, 12.5, -3.25);
    EXPECT_EQ(xs(), QStringList{" 12.5"});
    EXPECT_EQ(ys(), QStringList{"-3.25"});
    EXPECT_TRUE(blank()) << "a click draws nothing";
    mouseClick(f.pctBox, 0.5, 0);
    mouseClick(f.pctBox, -99.75, 49.5);
    EXPECT_EQ(xs(), QStringList({" 12.5", " .5", "-99.75"}));
    EXPECT_EQ(ys(), QStringList({"-3.25", " 0", " 49.5"}));
    EXPECT_FALSE(f.cerrado);
    EXPECT_TRUE(user.shown.empty()) << "the program shows no messages";
}

TEST_F(PolydrawWindow, PointerIsACrossOnlyWithinFiveUnitsAndAClickAtFiveAddsAVertex)
{
    mouseClick(f.pctBox, 0, 0);
    const struct {
        double x, y;
        int pointer;
    } moves[] = {
        {4, 0, 2}, {3, 3.99, 2}, {-5, 0, 1}, {0, -4.5, 2}, {40, 20, 1}, {3, 4, 1},
    };
    for (const auto& m : moves) {
        mouseMove(f.pctBox, m.x, m.y);
        EXPECT_EQ(f.pctBox.MousePointer(), m.pointer) << m.x << ", " << m.y;
    }
    EXPECT_EQ(f.pctBox.childArea()->cursor().shape(), Qt::ArrowCursor);
    mouseClick(f.pctBox, 3, 4);
    EXPECT_EQ(xs(), QStringList({" 0", " 3"}));
    EXPECT_EQ(ys(), QStringList({" 0", " 4"}));
    EXPECT_FALSE(f.cerrado);
}

TEST_F(PolydrawWindow, SecondClickBesideTheFirstClosesAOneVertexPolygon)
{
    mouseClick(f.pctBox, 20, 10);
    mouseClick(f.pctBox, 21, 10);
    EXPECT_EQ(xs(), QStringList({" 20", " 20"}));
    EXPECT_EQ(ys(), QStringList({" 10", " 10"}));
    EXPECT_TRUE(f.cerrado);
    EXPECT_EQ(f.pctBox.MousePointer(), 1);
    const QImage image = shown();
    EXPECT_EQ(pixelAt(image, 20, 10), black);
    EXPECT_EQ(pixelAt(image, 20, 10, 1, 1), black) << "a thick dot";
    EXPECT_EQ(pixelAt(image, 21, 10, 2, 0), white) << "no band after closing";
}

TEST_F(PolydrawWindow, ClosedTriangleHasFourItemsThreeEdgesAndThreeDots)
{
    drawTriangle();
    EXPECT_EQ(xs(), QStringList({"-60", " 60", " 0", "-60"}));
    EXPECT_EQ(ys(), QStringList({"-30", "-30", " 40", "-30"}));
    EXPECT_TRUE(f.cerrado);
    EXPECT_FALSE(f.dibujando);
    EXPECT_EQ(f.pctBox.MousePointer(), 1);
    const QImage image = shown();
    for (auto [x, y] : {std::pair{0.0, -30.0}, {30.0, 5.0}, {-30.0, 5.0}})
        EXPECT_TRUE(blackNear(image, x, y)) << "edge through " << x << ", " << y;
    for (auto [x, y] : {std::pair{-60, -30}, {60, -30}, {0, 40}}) {
        EXPECT_EQ(pixelAt(image, x, y, 0, -1), black) << "dot at " << x << ", " << y;
        EXPECT_EQ(pixelAt(image, x, y, 0, 1), black) << "dot at " << x << ", " << y;
    }
    EXPECT_EQ(shareOf(image, QRect(pixelAt(0, 0) - QPoint(20, 20), QSize(40, 40)), white), 1.0)
        << "the inside stays empty";
}

TEST_F(PolydrawWindow, ClicksAndMovesAfterClosingChangeNothing)
{
    drawTriangle();
    const QImage before = shown();
    mouseClick(f.pctBox, 80, 40);
    mouseMove(f.pctBox, -60, -30);
    mouseClick(f.pctBox, -60, -30);
    EXPECT_EQ(xs().size(), 4);
    EXPECT_EQ(ys().size(), 4);
    EXPECT_EQ(f.pctBox.MousePointer(), 1);
    EXPECT_EQ(shown(), before);
}

TEST_F(PolydrawWindow, RubberBandRunsFromTheLastVertexToThePointer)
{
    mouseClick(f.pctBox, -80, 0);
    mouseClick(f.pctBox, -40, 0);
    mouseMove(f.pctBox, 40, -40);
    QImage image = shown();
    EXPECT_EQ(pixelAt(image, -60, 0), black) << "the first edge";
    EXPECT_EQ(pixelAt(image, 0, -20), black) << "the band";
    EXPECT_EQ(pixelAt(image, -80, 0, 0, 1), black) << "the first dot";
    mouseMove(f.pctBox, 40, 40);
    image = shown();
    EXPECT_EQ(pixelAt(image, 0, -20), white) << "the old band is gone";
    EXPECT_EQ(pixelAt(image, 0, 20), black);
}

TEST_F(PolydrawWindow, ResetEmptiesTheListsAndThePicture)
{
    drawTriangle();
    click(f.cmdReset);
    EXPECT_TRUE(xs().isEmpty());
    EXPECT_TRUE(ys().isEmpty());
    EXPECT_TRUE(blank());
    EXPECT_FALSE(f.cerrado || f.dibujando);
    EXPECT_EQ(f.pctBox.MousePointer(), 1) << "the pointer stays as it was";
    mouseClick(f.pctBox, 10, 10);
    EXPECT_EQ(xs(), QStringList{" 10"});
}

}  // namespace
