#include "numeros.h"

#include <gtest/gtest.h>

#include <vector>

using namespace Numeros;

namespace {

Numbers arrayOf(const std::vector<int>& values)
{
    Numbers a(1, 30);
    for (size_t k = 0; k < values.size(); ++k) a[int(k) + 1] = values[k];
    return a;
}

std::vector<int> firstOf(const Numbers& a, int n)
{
    std::vector<int> values;
    for (int i = 1; i <= n; ++i) values.push_back(a[i]);
    return values;
}

TEST(NumerosModule, SortMaxAndMinOverTheElementsInUse)
{
    const struct {
        std::vector<int> values;
        std::vector<int> sorted;
        int max, min;
    } cases[] = {
        {{5, -3, 12}, {-3, 5, 12}, 12, -3},
        {{4, 4, 1}, {1, 4, 4}, 4, 1},
        {{7}, {7}, 7, 7},
        {{}, {}, 0, 0},  // the zero the array starts with
        {{-5, -9, -1}, {-9, -5, -1}, -1, -9},
        {{32767, -32768, 0}, {-32768, 0, 32767}, 32767, -32768},
    };
    for (const auto& c : cases) {
        const int n = int(c.values.size());
        Numbers a = arrayOf(c.values);
        EXPECT_EQ(MaxNum(a, n), c.max) << ::testing::PrintToString(c.values);
        EXPECT_EQ(MinNum(a, n), c.min) << ::testing::PrintToString(c.values);
        SortNum(a, n);
        EXPECT_EQ(firstOf(a, n), c.sorted);
    }
}

TEST(NumerosModule, ElementsBeyondTheCountAreNeitherReadNorMoved)
{
    Numbers a = arrayOf({9, 3, 1, -20, 50});
    EXPECT_EQ(MaxNum(a, 3), 9);
    EXPECT_EQ(MinNum(a, 3), 1);
    SortNum(a, 3);
    EXPECT_EQ(firstOf(a, 5), (std::vector<int>{1, 3, 9, -20, 50}));
}

TEST(NumerosModule, AFullArrayOfThirtySortsDescendingInput)
{
    std::vector<int> descending, ascending;
    for (int v = 30; v >= 1; --v) descending.push_back(v * 1000 - 15000);
    ascending.assign(descending.rbegin(), descending.rend());
    Numbers a = arrayOf(descending);
    SortNum(a, 30);
    EXPECT_EQ(firstOf(a, 30), ascending);
}

}  // namespace
