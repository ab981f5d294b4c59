// Checked whole numbers, checked Double arithmetic, runtime errors and the
// text and colour functions of the library.

#include "values_test_support.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <type_traits>

namespace rt {
namespace {

TEST(CheckedNumbers, IntegerArithmeticRaisesOverflowAtTheRangeEnds)
{
    const Integer max = 32767;
    const Integer min = -32768;
    EXPECT_EQ(errorNumber([&] { return max + Integer(1); }), 6);
    EXPECT_EQ(errorNumber([&] { return min - Integer(1); }), 6);
    EXPECT_EQ(errorNumber([&] { return -min; }), 6);
    EXPECT_EQ(errorNumber([&] { return Integer(200) * Integer(200); }), 6);
    EXPECT_EQ(errorNumber([&] { return max + 1; }), 6);
    EXPECT_EQ(errorNumber([&] { return 1 - min; }), 6);
    EXPECT_EQ(errorNumber([&] { return ++Integer(max); }), 6);
    EXPECT_EQ(errorNumber([] { return Integer(40000); }), 6);
    EXPECT_EQ(errorNumber([&] { return Long(2147483647) + 1; }), 6);
    EXPECT_EQ(errorNumber([&] { return -Long(std::numeric_limits<int32_t>::min()); }), 6);

    EXPECT_EQ(max - Integer(1) + Integer(1), 32767);
    EXPECT_EQ(-max, -32767);
    EXPECT_EQ(Integer(-30000) + 40000, 10000) << "only the result must fit";
}

// A plain whole number minus a checked one: the exact difference decides,
// also when it is the type's minimum.
TEST(CheckedNumbers, PlainMinusCheckedReachesTheMinimum)
{
    EXPECT_EQ(-1 - Integer(32767), -32768);
    EXPECT_EQ(-2 - Integer(32766), -32768);
    EXPECT_EQ(-1 - Long(2147483647), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(0 - Integer(-32767), 32767);
    EXPECT_EQ(errorNumber([] { return -2 - Integer(32767); }), 6);
    EXPECT_EQ(errorNumber([] { return 0 - Integer(-32768); }), 6);
    EXPECT_EQ(errorNumber([] { return -2 - Long(2147483647); }), 6);
    EXPECT_EQ(errorNumber([] { return std::numeric_limits<uint64_t>::max() - Long(1); }), 6);
}

TEST(CheckedNumbers, MixedOperandsWidenOrRound)
{
    const auto wide = Integer(30000) + Long(10000);
    static_assert(std::is_same_v<decltype(wide), const Long>);
    EXPECT_EQ(wide, 40000);

    const auto real = Integer(3) * 2.5;
    static_assert(std::is_same_v<decltype(real), const Double>);
    EXPECT_EQ(real, 7.5);

    Integer i = 2.5;  // assignment rounds like CInt
    i += 1.5;
    EXPECT_EQ(i, 4);
    EXPECT_EQ(errorNumber([&] { i = Long(40000); }), 6);
}

TEST(CheckedNumbers, CIntAndCLngRoundHalvesToEven)
{
    const struct {
        Double x;
        int expected;
    } ints[] = {{2.5, 2},       {3.5, 4},         {-2.5, -2},        {-3.5, -4},
                {0.5, 0},       {-0.5, 0},        {1.5, 2},          {2.4999999, 2},
                {2.5000001, 3}, {32767.4, 32767}, {-32768.5, -32768}};
    for (const auto& c : ints) EXPECT_EQ(CInt(c.x), c.expected) << c.x;

    const Double nan = std::numeric_limits<Double>::quiet_NaN();
    const Double inf = std::numeric_limits<Double>::infinity();
    for (Double x : {32767.5, -32768.6, 1e10, nan, inf}) {
        EXPECT_EQ(errorNumber([&] { CInt(x); }), 6) << x;
    }

    EXPECT_EQ(CLng(2147483647.4), 2147483647);
    EXPECT_EQ(CLng(-2147483648.5), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(CLng(40000.5), 40000);
    for (Double x : {2147483647.5, -2147483648.6, 1e10, nan}) {
        EXPECT_EQ(errorNumber([&] { CLng(x); }), 6) << x;
    }
}

TEST(CheckedNumbers, CSngRoundsToTheNearestSingleAndRaisesBeyondItsRange)
{
    EXPECT_EQ(CSng(0.1), 0.1f);
    EXPECT_EQ(CSng(-1500), -1500.0f);
    EXPECT_EQ(CSng(3.4e38), 3.4e38f);
    for (Double x : {3.5e38, -1e39, 1e308}) EXPECT_EQ(errorNumber([&] { CSng(x); }), 6) << x;
}

TEST(CheckedNumbers, CheckedDoubleArithmetic)
{
    const Double inf = std::numeric_limits<Double>::infinity();
    EXPECT_EQ(checkedDiv(1, 4), 0.25);
    EXPECT_EQ(errorNumber([] { checkedDiv(1, 0); }), 11);
    EXPECT_EQ(errorNumber([] { checkedDiv(-1, -0.0); }), 11);
    EXPECT_EQ(errorNumber([] { checkedDiv(0, 0); }), 6);
    EXPECT_EQ(errorNumber([] { checkedDiv(1e308, 1e-308); }), 6);
    EXPECT_EQ(errorNumber([] { checked(1e308 * 10); }), 6);
    EXPECT_EQ(errorNumber([&] { checked(inf - inf); }), 5);
    EXPECT_EQ(checked(-0.5), -0.5);
}

TEST(RuntimeErrors, CarryNumberAndEnglishDescription)
{
    EXPECT_EQ(RuntimeError(ErrorCode::InvalidProcedureCall).description(),
              "Invalid procedure call or argument");
    EXPECT_EQ(RuntimeError(ErrorCode::PathFileAccessError).description(), "Path/File access error");

    const RuntimeError withDetail(ErrorCode::FileNotFound, QStringLiteral("notes.txt"));
    EXPECT_EQ(withDetail.description(), "File not found: notes.txt");
    EXPECT_STREQ(withDetail.what(), "Runtime error 53: File not found: notes.txt");
    EXPECT_EQ(RuntimeError(1000, {}).description(), "Application-defined error 1000");
}

TEST(TextFunctions, InStrFindsOneBasedPositions)
{
    const struct {
        int start;
        const char* text;
        const char* sought;
        int compare;
        int expected;
    } cases[] = {{1, "Hello", "l", 0, 3}, {4, "Hello", "l", 0, 4},  {5, "Hello", "l", 0, 0},
                 {1, "Hello", "L", 0, 0}, {1, "Hello", "LO", 1, 4}, {9, "abc", "b", 0, 0},
                 {4, "abc", "", 0, 4},    {5, "abc", "", 0, 0},     {1, "aÄb", "äB", 1, 2}};
    for (const auto& c : cases) {
        EXPECT_EQ(InStr(c.start, QString::fromUtf8(c.text), QString::fromUtf8(c.sought), c.compare),
                  c.expected)
            << c.start << " " << c.text << " " << c.sought;
    }
    EXPECT_EQ(InStr(QStringLiteral("abcabc"), QStringLiteral("ca")), 3);
    EXPECT_EQ(errorNumber([] { InStr(0, QStringLiteral("abc"), QStringLiteral("a")); }), 5);
    EXPECT_EQ(errorNumber([] { InStr(1, QStringLiteral("abc"), QStringLiteral("a"), 2); }), 5);
}

// Walking every match of a 10 MB text costs one pass over it, not one per
// match (a copy of the text per call would take seconds here).
TEST(TextFunctions, InStrWalksLargeTextsInLinearTime)
{
    QString big(10'000'000, QLatin1Char('x'));
    for (qsizetype i = 4'999; i < big.size(); i += 5'000) big[i] = QLatin1Char('N');
    QElapsedTimer timer;
    timer.start();
    int found = 0;
    for (Long at = InStr(1, big, QStringLiteral("n"), vbTextCompare); at != 0;
         at = InStr(at + 1, big, QStringLiteral("n"), vbTextCompare)) {
        ++found;
    }
    EXPECT_EQ(found, 2000);
    EXPECT_EQ(InStr(1, big, QStringLiteral("xN"), vbBinaryCompare), 4'999);
    EXPECT_LT(timer.elapsed(), 2000);
}

TEST(MathFunctions, RGBSqrAbs)
{
    EXPECT_EQ(RGB(1, 2, 3), 1 + 2 * 256 + 3 * 65536);
    EXPECT_EQ(RGB(300, 0, 999), 0xFF00FF) << "parts above 255 count as 255";
    EXPECT_EQ(errorNumber([] { RGB(0, -1, 0); }), 5);
    EXPECT_EQ(Sqr(6.25), 2.5);
    EXPECT_EQ(errorNumber([] { Sqr(-1); }), 5);
    EXPECT_EQ(Abs(-2.5), 2.5);
}

}  // namespace
}  // namespace rt
