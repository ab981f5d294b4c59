// The plot, checked by its pixels: axes, ticks, the curve's crossings of the
// x axis, clipping, and redrawing on the scale bar and on coefficient keys.
#include "rootplot_fixture.h"

#include <QImage>

#include <vector>

using namespace rt::testing;

namespace {

bool black(const QImage& image, int x, int y)
{
    return QColor(image.pixel(x, y)) == Qt::black;
}

// Where runs of pixels for which `isBlack(i)` holds start, for i in 0..n-1.
template <typename IsBlack>
std::vector<int> runStarts(int n, IsBlack isBlack)
{
    std::vector<int> starts;
    for (int i = 0; i < n; ++i)
        if (isBlack(i) && (i == 0 || !isBlack(i - 1))) starts.push_back(i);
    return starts;
}

// The ticks hanging under the x axis: columns black for 5 pixels below it.
std::vector<int> ticksUnderXAxis(const QImage& image)
{
    const int axis = image.height() / 2;
    return runStarts(image.width(), [&](int x) {
        for (int y = axis + 1; y <= axis + 5; ++y)
            if (!black(image, x, y)) return false;
        return true;
    });
}

// Runs down a column just left of the y axis: its ticks, and the x axis, which
// the tick at 0 (when there is one) lies on.
std::vector<int> marksLeftOfYAxis(const QImage& image)
{
    return runStarts(image.height(), [&](int y) { return black(image, image.width() / 2 - 6, y); });
}

class RootPlotDrawing : public RootPlot {
protected:
    QImage shown()
    {
        settle();
        return grabInner(f.pctBox);
    }
    // Leaves only the axes and ticks: the curve y = 1000 lies above every range.
    void flatCurveOutOfSight() { enterCoefficients({"0", "0", "0", "1000"}); }
    double xOfColumn(int column) const { return f.pctBox.mapping().fromPixelX(column + 0.5); }
};

TEST_F(RootPlotDrawing, AxesCrossAtTheBoxsCentreAndTicksFollowTheScaleBar)
{
    click(f.cmdDib);
    EXPECT_EQ(f.cmdDib.Caption(), "Borrar");
    EXPECT_TRUE(f.pctBox.Visible() && f.vsbEscala.Visible());
    click(f.cmdDib);
    EXPECT_EQ(f.cmdDib.Caption(), "Dibujar");
    EXPECT_FALSE(f.pctBox.Visible() || f.vsbEscala.Visible());
    flatCurveOutOfSight();  // drawn while hidden
    click(f.cmdDib);

    QImage image = shown();
    const int cx = image.width() / 2, cy = image.height() / 2;
    ASSERT_EQ(image.size(), QSize(373, 213));
    // The x axis spans -10..10 of the -11..11 width, the y axis 0.9 of each half-height.
    const int xEnd = cx * 10 / 11 - 1, yEnd = cy * 9 / 10 - 1;
    EXPECT_TRUE(black(image, cx - xEnd, cy) && black(image, cx + xEnd, cy));
    EXPECT_TRUE(black(image, cx, cy - yEnd) && black(image, cx, cy + yEnd));
    EXPECT_FALSE(black(image, 2, cy) || black(image, image.width() - 3, cy));
    EXPECT_FALSE(black(image, cx, 2) || black(image, cx, image.height() - 3));
    EXPECT_FALSE(black(image, cx - 1, cy - 1)) << "nothing above the x axis left of the y axis";

    const std::vector<int> xTicks = ticksUnderXAxis(image);
    ASSERT_EQ(xTicks.size(), 21u) << "the tick at 0 lies on the y axis";
    for (size_t i = 0; i < xTicks.size(); ++i)
        EXPECT_NEAR(xOfColumn(xTicks[i]), -10.0 + double(i), 0.06);

    std::vector<int> yMarks = marksLeftOfYAxis(image);
    ASSERT_EQ(yMarks.size(), 19u) << "-90 to 90, the tick at 0 on the x axis";
    EXPECT_EQ(yMarks[9], cy);

    dragThumbTo(f.vsbEscala, 200);
    image = shown();
    EXPECT_EQ(marksLeftOfYAxis(image).size(), 37u) << "-180 to 180";
    EXPECT_EQ(ticksUnderXAxis(image).size(), 21u) << "ticks keep their length in pixels";

    dragThumbTo(f.vsbEscala, 1);
    yMarks = marksLeftOfYAxis(shown());
    ASSERT_EQ(yMarks.size(), 2u) << "one tick at -0.9, and the x axis";
    EXPECT_EQ(yMarks[0], cy);
    EXPECT_NEAR(f.pctBox.mapping().fromPixelY(yMarks[1] + 0.5), -0.9, 0.01);

    step(f.vsbEscala, BarPart::LineUp);
    EXPECT_EQ(f.pctBox.ScaleTop(), 2) << "the arrow at the top end enlarges the range";
}

// The curve alone is the default plot less the plot of the axes and ticks.
TEST_F(RootPlotDrawing, TheCubicCrossesTheXAxisAtItsRootsAndIsClippedByTheBox)
{
    click(f.cmdDib);
    const QImage withCurve = shown();
    flatCurveOutOfSight();
    const QImage axesOnly = shown();
    enterCoefficients({"1", "-3", "-1", "3"});
    EXPECT_EQ(shown(), withCurve) << "typing the coefficients back redraws the cubic";

    const int cy = withCurve.height() / 2;
    std::vector<double> crossings;
    int side = 0;  // -1 above the axis, 1 below
    for (int x = 0; x < withCurve.width(); ++x) {
        for (int y = 0; y < withCurve.height(); ++y) {
            if (y == cy || !black(withCurve, x, y) || black(axesOnly, x, y)) continue;
            const int here = y < cy ? -1 : 1;
            if (side != 0 && here != side) crossings.push_back(xOfColumn(x));
            side = here;
        }
    }
    ASSERT_EQ(crossings.size(), 3u);
    for (int i = 0; i < 3; ++i) EXPECT_NEAR(crossings[i], 2 * i - 1, 0.2);

    // F(-9.5) is about -1100 and F(9.5) about +590: nothing there but the axis.
    for (double x : {-9.5, 9.5})
        for (int y = 0; y < withCurve.height(); ++y)
            EXPECT_TRUE(y == cy || !black(withCurve, int(f.pctBox.mapping().toPixelX(x)), y))
                << x << " " << y;
    EXPECT_EQ(shareOf(withCurve, withCurve.rect(), Qt::white) +
                  shareOf(withCurve, withCurve.rect(), Qt::black),
              1.0)
        << "one colour on white";
}

}  // namespace
