#include "vuelo.h"

#include "values/errors.h"

#include <gtest/gtest.h>

using namespace Lanzador;

namespace {

TEST(Vuelo, RadiansUsePiAs3141592AndOverflowBeyondTheDoubleRange)
{
    EXPECT_DOUBLE_EQ(radianes(180), 3.141592);
    EXPECT_THROW(radianes(1e308), rt::RuntimeError);
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
        {{110, 25}, 50, true},     {{100.001, 0.001}, 50, true}, {{110, 98.9}, 99, true},
        {{100, 25}, 50, false},    {{120, 25}, 50, false},       {{110, 0}, 50, false},
        {{110, 50}, 50, false},    {{110, 0}, 0, false},         {{110, 0.001}, 0, false},
        {{110, -0.001}, 0, false},
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
        {{190, 10}, true},  {{199.99, 10}, true}, {{200, 10}, false},
        {{190, 20}, false}, {{196, 18}, false},  // 6 across and 8 up: exactly 10
    };
    for (const Case& c : cases) EXPECT_EQ(enLaDiana(c.p), c.win) << c.p.x << ", " << c.p.y;
}

}  // namespace
