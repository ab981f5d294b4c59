#include "numeros.h"

#include <gtest/gtest.h>

#include <vector>

using namespace Numeros;

// Each case fills a(1..) with `values` and works on the first n of them.
TEST(NumerosModule, SortMaxAndMinWorkOnTheFirstNElementsOnly)
{
    const struct {
        std::vector<int> values;
        int n;
        std::vector<int> sorted;  // all of `values` after SortNum(a, n)
        int max, min;
    } cases[] = {
        {{5, -3, 12}, 3, {-3, 5, 12}, 12, -3},
        {{4, 4, 1}, 3, {1, 4, 4}, 4, 1},
        {{7}, 1, {7}, 7, 7},
        {{}, 0, {}, 0, 0},  // a(1): the zero the array starts with
        {{32767, -32768, 0}, 3, {-32768, 0, 32767}, 32767, -32768},
        {{9, 3, 1, -20, 50}, 3, {1, 3, 9, -20, 50}, 9, 1},
    };
    for (const auto& c : cases) {
        Numbers a(1, 30);
        for (size_t k = 0; k < c.values.size(); ++k) a[int(k) + 1] = c.values[k];
        EXPECT_EQ(MaxNum(a, c.n), c.max) << ::testing::PrintToString(c.values);
        EXPECT_EQ(MinNum(a, c.n), c.min) << ::testing::PrintToString(c.values);
        SortNum(a, c.n);
        std::vector<int> after;
        for (size_t k = 0; k < c.values.size(); ++k) after.push_back(a[int(k) + 1]);
        EXPECT_EQ(after, c.sorted);
    }
}
