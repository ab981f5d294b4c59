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

class RootPlotDrawing : public RootPlot {
protected:
    QImage shown()
    {
        settle();
        return grabInner(f.pctBox);
    }
    // Leaves only the axes and ticks: the curve y = 1000 lies above every range.
    void flatCurveOutOfSight() { enterCoefficients("0", "0", "0", "1000"); }

    // Columns (or rows) where a run of black pixels starts along a line of pixels.
    static std::vector<int> runStarts(const std::vector<bool>& line)
    {
        std::vector<int> starts;
        for (size_t i = 0; i < line.size(); ++i)
            if (line[i] && (i == 0 || !line[i - 1])) starts.push_back(int(i));
        return starts;
    }
    // The ticks hanging under the x axis: columns black for 5 pixels below it.
    static std::vector<int> ticksUnderXAxis(const QImage& image)
    {
        const int axis = image.height() / 2;
        std::vector<bool> line(image.width());
        for (int x = 0; x < image.width(); ++x) {
            bool all = true;
            for (int y = axis + 1; y <= axis + 5; ++y) all = all && black(image, x, y);
            line[x] = all;
        }
        return runStarts(line);
    }
    // Runs of black pixels down a column just left of the y axis: its ticks,
    // and the x axis, which the tick at 0 (when there is one) lies on.
    static std::vector<int> marksLeftOfYAxis(const QImage& image)
    {
        const int column = image.width() / 2 - 6;
        std::vector<bool> line(image.height());
        for (int y = 0; y < image.height(); ++y) line[y] = black(image, column, y);
        return runStarts(line);
    }

    double xOfColumn(int column) const { return f.pctBox.fromPixelX(column + 0.5); }
};

TEST_F(RootPlotDrawing, TheAxesCrossAtTheBoxsCentre)
{
    flatCurveOutOfSight();
    click(f.cmdDib);
    const QImage image = shown();
    const int cx = image.width() / 2, cy = image.height() / 2;
    ASSERT_EQ(image.size(), QSize(373, 213));
    // The x axis spans -10..10 of the -11..11 width, the y axis 0.9 of each half-height.
    EXPECT_TRUE(black(image, cx - cx * 10 / 11 + 1, cy));
    EXPECT_TRUE(black(image, cx + cx * 10 / 11 - 1, cy));
    EXPECT_FALSE(black(image, 2, cy));
    EXPECT_FALSE(black(image, image.width() - 3, cy));
    EXPECT_TRUE(black(image, cx, cy - cy * 9 / 10 + 1));
    EXPECT_TRUE(black(image, cx, cy + cy * 9 / 10 - 1));
    EXPECT_FALSE(black(image, cx, 2));
    EXPECT_FALSE(black(image, cx, image.height() - 3));
    EXPECT_FALSE(black(image, cx - 1, cy - 1)) << "nothing above the x axis left of the y axis";
}

TEST_F(RootPlotDrawing, TicksFollowTheScaleBar)
{
    flatCurveOutOfSight();
    click(f.cmdDib);
    QImage image = shown();
    const int cy = image.height() / 2;
    const std::vector<int> xTicks = ticksUnderXAxis(image);
    ASSERT_EQ(xTicks.size(), 21u) << "the tick at 0 lies on the y axis";
    for (size_t i = 0; i < xTicks.size(); ++i)
        EXPECT_NEAR(xOfColumn(xTicks[i]), -10.0 + double(i), 0.06);

    std::vector<int> yMarks = marksLeftOfYAxis(image);
    ASSERT_EQ(yMarks.size(), 19u) << "-90 to 90, the tick at 0 on the x axis";
    EXPECT_EQ(yMarks[9], cy);
    EXPECT_NEAR(f.pctBox.fromPixelY(yMarks.front() + 0.5), 90, 0.5);
    EXPECT_NEAR(f.pctBox.fromPixelY(yMarks.back() + 0.5), -90, 0.5);

    dragThumbTo(f.vsbEscala, 200);
    image = shown();
    yMarks = marksLeftOfYAxis(image);
    ASSERT_EQ(yMarks.size(), 37u) << "-180 to 180";
    EXPECT_EQ(f.pctBox.ScaleTop(), 200);
    EXPECT_EQ(ticksUnderXAxis(image).size(), 21u);

    dragThumbTo(f.vsbEscala, 1);
    image = shown();
    yMarks = marksLeftOfYAxis(image);
    ASSERT_EQ(yMarks.size(), 2u) << "one tick at -0.9, and the x axis";
    EXPECT_EQ(yMarks[0], cy);
    EXPECT_NEAR(f.pctBox.fromPixelY(yMarks[1] + 0.5), -0.9, 0.01);
    EXPECT_EQ(ticksUnderXAxis(image).size(), 21u);

    step(f.vsbEscala, BarPart::LineUp);
    EXPECT_EQ(f.pctBox.ScaleTop(), 2) << "the arrow at the top end enlarges the range";
}

// The curve alone: the default plot less the plot of the axes and ticks.
TEST_F(RootPlotDrawing, TheCubicCrossesTheXAxisAtItsThreeRoots)
{
    click(f.cmdDib);
    const QImage withCurve = shown();
    flatCurveOutOfSight();
    const QImage axesOnly = shown();
    enterCoefficients("1", "-3", "-1", "3");
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
    EXPECT_NEAR(crossings[0], -1, 0.2);
    EXPECT_NEAR(crossings[1], 1, 0.2);
    EXPECT_NEAR(crossings[2], 3, 0.2);
}

TEST_F(RootPlotDrawing, FarValuesAreClippedByTheBox)
{
    click(f.cmdDib);
    const QImage image = shown();
    // F(-9.5) is about -1100 and F(9.5) about +590: nothing in those columns
    // but the axis.
    for (double x : {-9.5, 9.5}) {
        const int column = int(f.pctBox.toPixelX(x));
        for (int y = 0; y < image.height(); ++y) {
            if (y == image.height() / 2) continue;
            EXPECT_FALSE(black(image, column, y)) << x << " " << y;
        }
    }
    EXPECT_EQ(shareOf(image, image.rect(), Qt::white) + shareOf(image, image.rect(), Qt::black),
              1.0)
        << "one colour on white";
}

TEST_F(RootPlotDrawing, AHiddenPlotIsRedrawnAndShowsOnTheNextDibujar)
{
    click(f.cmdDib);
    click(f.cmdDib);
    enterCoefficients("0", "0", "0", "1000");
    click(f.cmdDib);
    const QImage image = shown();
    EXPECT_EQ(ticksUnderXAxis(image).size(), 21u);
    EXPECT_EQ(marksLeftOfYAxis(image).size(), 19u);
}

}  // namespace
