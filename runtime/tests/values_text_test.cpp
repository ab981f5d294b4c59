// Numbers to text and back: text, Str, Val, IsNumeric, Format, Round.

#include "values_test_support.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <locale>
#include <random>

namespace rt {
namespace {

// 0.0001 (exponent -4) is still plain; 999999999999999.5 carries into a new digit.
TEST(NumberText, TextUsesFifteenOrSevenSignificantDigits)
{
    const struct {
        Double x;
        const char* expected;
    } cases[] = {{0.1 + 0.2, "0.3"}, {0.5, "0.5"},           {-0.25, "-0.25"},   {0.0, "0"},
                 {-0.0, "0"},        {0.0001, "0.0001"},     {0.00001, "1E-05"}, {1e-9, "1E-09"},
                 {1e15, "1E+15"},    {-1.5e300, "-1.5E+300"}};
    for (const auto& c : cases) EXPECT_EQ(text(c.x), c.expected) << c.x;
    EXPECT_EQ(text(2.9999999999999996), "3");
    EXPECT_EQ(text(999999999999999.5), "1E+15");
    EXPECT_EQ(text(123456789012345.0), "123456789012345");
    EXPECT_EQ(text(1.2345678901234567e-5), "1.23456789012346E-05");
    EXPECT_EQ(text(1234.5678f), "1234.568");
    EXPECT_EQ(text(12345678.0f), "1.234568E+07");
}

TEST(NumberText, StrAddsSpaceAndDropsLeadingZero)
{
    const struct {
        Double x;
        const char* expected;
    } cases[] = {{0.5, " .5"}, {-0.25, "-.25"}, {12.5, " 12.5"},  {3, " 3"},
                 {-3, "-3"},   {0, " 0"},       {1e-9, " 1E-09"}, {-1e20, "-1E+20"}};
    for (const auto& c : cases) EXPECT_EQ(Str(c.x), c.expected) << c.x;
    EXPECT_EQ(Str(Integer(-7)), "-7");
    EXPECT_EQ(Str(Long(70000)), " 70000");
    EXPECT_EQ(Str(0.5f), " .5");
}

// Val and IsNumeric side by side: IsNumeric is true exactly when Val reads
// the whole text.
TEST(NumberText, ValReadsTheLeadingNumberAndIsNumericTheWholeText)
{
    const struct {
        const char* text;
        Double value;
        bool numeric;
    } cases[] = {
        {"12abc", 12, false},  {"  7 ", 7, true},    {"1e3", 1000, true},   {"", 0, false},
        {"   ", 0, false},     {" .5", 0.5, true},   {"-.25", -0.25, true}, {"1E-09", 1e-9, true},
        {"1,5", 1, false},     {"\t3\r\n", 3, true}, {"+5", 5, true},       {"1D2", 100, true},
        {"2e", 2, false},      {"2e+", 2, false},    {"2E-1x", 0.2, false}, {"5.", 5, true},
        {"1.5.3", 1.5, false}, {".", 0, false},      {"-", 0, false},       {"- 5", 0, false},
        {"1 2", 1, false},     {"0x10", 0, false},   {"abc", 0, false},     {"1e-400", 0, true}};
    for (const auto& c : cases) {
        const QString t = QString::fromUtf8(c.text);
        EXPECT_EQ(Val(t), c.value) << c.text;
        EXPECT_EQ(IsNumeric(t), c.numeric) << c.text;
    }
    EXPECT_EQ(Val(QStringLiteral("\u0661\u0662")), 0) << "only ASCII digits count";
    for (const char* t : {"1e400", "-1e400", "1e99999999999999999999", "0.001e312",
                          "1.79769313486233E+308", "-1.7976931348623201E+308"}) {
        EXPECT_EQ(errorNumber([&] { Val(QString::fromLatin1(t)); }), 6) << t;
        EXPECT_FALSE(IsNumeric(QString::fromLatin1(t))) << t;
    }
}

// The largest Double is written with 15 digits, which rounds it up past the
// Double range; that text and those below it read as the largest Double.
TEST(NumberText, LargestDoubleTextReadsBack)
{
    const Double largest = std::numeric_limits<Double>::max();
    EXPECT_EQ(text(largest), QStringLiteral("1.79769313486232E+308"));
    for (const Double x : {largest, -largest}) {
        EXPECT_TRUE(IsNumeric(text(x))) << text(x).toStdString();
        EXPECT_EQ(Val(text(x)), x);
        EXPECT_EQ(Val(Str(x)), x);
    }
    EXPECT_EQ(Val(QStringLiteral("1.79769313486232E+308")), largest);
    EXPECT_EQ(Val(QStringLiteral(" -1.79769313486232e308")), -largest);
    EXPECT_EQ(Val(QStringLiteral("179769313486231.99D294")), largest);
}

// What text() and Str() write, IsNumeric accepts and Val reads back as the
// value rounded to 15 significant digits.
TEST(NumberText, TextRoundTripsThroughVal)
{
    std::mt19937_64 random(20240601);
    std::uniform_int_distribution<uint64_t> bits;
    std::uniform_real_distribution<Double> plain(-1e6, 1e6);
    for (int i = 0; i < 20000; ++i) {
        Double x = i % 2 ? plain(random) : std::bit_cast<Double>(bits(random));
        if (!std::isfinite(x)) continue;
        char rounded[64];
        std::snprintf(rounded, sizeof rounded, "%.14e", x);
        const Double expected = std::strtod(rounded, nullptr);
        const QString t = text(x);
        ASSERT_TRUE(IsNumeric(t)) << t.toStdString();
        ASSERT_EQ(Val(t), expected) << t.toStdString();
        ASSERT_EQ(Val(Str(x)), expected) << Str(x).toStdString();
    }
}

TEST(NumberText, DecimalPointIgnoresLocale)
{
    struct CommaPoint : std::numpunct<char> {
        char do_decimal_point() const override { return ','; }
    };
    const std::locale previous = std::locale::global(std::locale(std::locale(), new CommaPoint));
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));

    EXPECT_EQ(text(1.5), "1.5");
    EXPECT_EQ(Val(QStringLiteral("1,5")), 1);
    EXPECT_EQ(Val(QStringLiteral("1.5")), 1.5);
    EXPECT_EQ(Format(1234.5, QStringLiteral("0.00")), "1234.50");

    QLocale::setDefault(QLocale::c());
    std::locale::global(previous);
}

// 2.345 and 1.005 lie slightly below their decimal values in binary; -0.001
// gives no negative zero.
TEST(NumberText, FormatRoundsTheDecimalValueHalfAwayFromZero)
{
    const struct {
        Double x;
        const char* pattern;
        const char* expected;
    } cases[] = {{2.345, "###0.00", "2.35"},
                 {1.005, "###0.00", "1.01"},
                 {-0.5, "###0.00", "-0.50"},
                 {0, "###0.00", "0.00"},
                 {9.995, "###0.00", "10.00"},
                 {-0.005, "###0.00", "-0.01"},
                 {-0.001, "###0.00", "0.00"},
                 {2.5, "0", "3"},
                 {-2.5, "0", "-3"},
                 {7, "000", "007"},
                 {0.5, "#.##", ".5"},
                 {1, "#.##", "1"},
                 {0, "#", "0"},
                 {1.2, "0.0#", "1.2"},
                 {1, "0.0#", "1.0"},
                 {1234.5, "", "1234.5"}};
    for (const auto& c : cases) {
        EXPECT_EQ(Format(c.x, QString::fromLatin1(c.pattern)), c.expected)
            << c.x << " with " << c.pattern;
    }
    EXPECT_EQ(Format(1234567.891, QStringLiteral("###0.00")), "1234567.89");
    EXPECT_EQ(Format(1e20, QStringLiteral("0")), "100000000000000000000");
    for (const char* pattern : {"#,##0.00", "0.0.0", ".", "0.00%"}) {
        EXPECT_EQ(errorNumber([&] { Format(1, QString::fromLatin1(pattern)); }), 5) << pattern;
    }
}

TEST(NumberText, RoundHalvesToEven)
{
    const struct {
        Double x;
        int decimals;
        Double expected;
    } cases[] = {{2.5, 0, 2},      {3.5, 0, 4},      {-2.5, 0, -2},    {0.5, 0, 0},
                 {1.5, 0, 2},      {2.345, 2, 2.34}, {2.355, 2, 2.36}, {-2.345, 2, -2.34},
                 {1.005, 2, 1.0},  {9.995, 2, 10.0}, {0.125, 2, 0.12}, {0.0004, 2, 0.0},
                 {1e300, 2, 1e300}};
    for (const auto& c : cases) {
        EXPECT_EQ(Round(c.x, c.decimals), c.expected) << c.x << " to " << c.decimals;
    }
    EXPECT_EQ(errorNumber([] { Round(1.5, -1); }), 5);
}

}  // namespace
}  // namespace rt
