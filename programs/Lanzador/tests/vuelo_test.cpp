#include "vuelo.h"

#include "values/errors.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace Lanzador;

namespace {

TEST(Vuelo, RadiansUsePiAs3141592)
{
    EXPECT_DOUBLE_EQ(radianes(180), 3.141592);
    EXPECT_DOUBLE_EQ(radianes(50), 50 * 3.141592 / 180);
    EXPECT_THROW(radianes(1e308), rt::RuntimeError) << "the product leaves the Double range";
}

// The flight's own examples: the launch speed and angle, the tick at which it
// ends and where the point is then.
TEST(Vuelo, StepsOfATenthAddedUpReachTheKnownPoints)
{
    struct Case {
        double speed, degrees;
        int ticks;
        double x, y;
    };
    for (const Case c : {Case{35, 50, 45, 101.24, 21.33}, Case{45, 45, 59, 187.74, 16.99}}) {
        const double a = radianes(c.degrees);
        double t = 0;
        for (int i = 0; i < c.ticks; ++i) t = t + 0.1;
        const Punto p = posicion(c.speed * std::cos(a), c.speed * std::sin(a), t);
        EXPECT_NEAR(p.x, c.x, 0.005) << c.speed << " at " << c.degrees;
        EXPECT_NEAR(p.y, c.y, 0.005) << c.speed << " at " << c.degrees;
    }
    double t = 0;
    for (int i = 0; i < 59; ++i) t = t + 0.1;
    EXPECT_EQ(t, 5.899999999999995);
    EXPECT_THROW(posicion(1e308, 0, 2), rt::RuntimeError);
}

TEST(Vuelo, OnlyPointsStrictlyInsideTheBlockHitIt)
{
    struct Case {
        Punto p;
        int altura;
        bool hit;
    };
    // The block from x 100 to 120 standing on the ground.
    const Case cases[] = {
        {{110, 25}, 50, true},    {{100.001, 0.001}, 50, true}, {{100, 25}, 50, false},
        {{120, 25}, 50, false},   {{110, 0}, 50, false},        {{110, 50}, 50, false},
        {{99.99, 25}, 50, false}, {{110, -1}, 50, false},       {{110, 98.9}, 99, true},
        {{110, 0}, 0, false},     {{110, -0.001}, 0, false},    {{110, 0.001}, 0, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(dentroDelBloque(c.p, 100, 20, c.altura), c.hit)
            << c.p.x << ", " << c.p.y << " with height " << c.altura;
}

TEST(Vuelo, OnlyPointsCloserThanTenToTheTargetWin)
{
    struct Case {
        Punto p;
        bool win;
    };
    const Case cases[] = {
        {{190, 10}, true},
        {{199.99, 10}, true},
        {{187.74, 16.99}, true},
        {{200, 10}, false},
        {{190, 20}, false},
        {{180, 10}, false},
        {{196, 18}, false},  // 6 across and 8 up: exactly
                             // 10
        {{190, 0}, false},
    };
    for (const Case& c : cases) EXPECT_EQ(enLaDiana(c.p), c.win) << c.p.x << ", " << c.p.y;
}

}  // namespace
