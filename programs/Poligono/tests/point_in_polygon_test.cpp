#include "point_in_polygon.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using Poligono::pointInPolygon;
using Poligono::VertexArray;

namespace {

struct Polygon {
    VertexArray xs{0, Poligono::maxVertices}, ys{0, Poligono::maxVertices};
    int n = 0;
    Polygon(std::initializer_list<std::pair<int, int>> vertices)
    {
        for (auto [x, y] : vertices) {
            ++n;
            xs[n] = x;
            ys[n] = y;
        }
    }
    bool contains(int px, int py) const { return pointInPolygon(px, py, xs, ys, n); }
};

struct Case {
    int x, y;
    bool inside;
    const char* why;
};

void expectCases(const Polygon& polygon, const std::vector<Case>& cases)
{
    for (const Case& c : cases)
        EXPECT_EQ(polygon.contains(c.x, c.y), c.inside)
            << "(" << c.x << ", " << c.y << "): " << c.why;
}

TEST(PointInPolygon, SquareInsideOutsideAndItsTies)
{
    const Polygon square{{0, 0}, {20, 0}, {20, 20}, {0, 20}};
    expectCases(square, {
                            {10, 10, true, "centre"},
                            {30, 10, false, "right of it"},
                            {-5, 10, false, "left of it"},
                            {10, 25, false, "above it"},
                            {10, -5, false, "below it: two crossings"},
                            {0, 10, false, "left side: no edge counts"},
                            {20, 10, true, "right side: top edge only"},
                            {10, 0, false, "bottom side: height 0 and 20"},
                            {10, 20, true, "top side: height 0 only"},
                            {0, 0, true, "bottom left corner: the bottom edge starts on the line"},
                            {20, 20, true, "top right corner"},
                        });
}

TEST(PointInPolygon, ConcaveShapeCountsEveryCrossingAbove)
{
    // A U open at the top: the notch between the arms is outside.
    const Polygon u{{-30, -20}, {30, -20}, {30, 20},  {10, 20},
                    {10, 0},    {-10, 0},  {-10, 20}, {-30, 20}};
    expectCases(u, {
                       {-20, 10, true, "left arm"},
                       {20, 10, true, "right arm"},
                       {0, 10, false, "notch"},
                       {0, -10, true, "base below the notch: three crossings"},
                       {0, -30, false, "below the base: four crossings"},
                   });
}

TEST(PointInPolygon, SlopedEdgeHeightUsesAFractionalQuotient)
{
    // The edge from (0, 0) to (3, 1) lies at height 1/3 above x = 1.
    const Polygon triangle{{0, 0}, {3, 1}, {0, 1}};
    expectCases(triangle, {
                              {1, 0, false, "below the sloped edge: it and the top edge"},
                              {1, 1, true, "on the top edge, above the slope"},
                          });
}

TEST(PointInPolygon, ExtremeCoordinatesOfTheBoxStayInRange)
{
    const Polygon wide{{-100, -50}, {100, -50}, {100, 50}, {-100, 50}};
    expectCases(wide, {{100, 0, true, "right edge"}, {-100, 0, false, "left edge"}});
    const Polygon slanted{{-100, -50}, {100, 50}, {-100, 50}};
    expectCases(slanted, {{99, -50, false, "below the diagonal: a product of 19900"},
                          {-99, 49, true, "just inside the top left corner"}});
}

}  // namespace
