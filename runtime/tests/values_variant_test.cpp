// Variant: kinds, widening arithmetic, texts, conversions and comparisons.

#include "values_test_support.h"

#include <gtest/gtest.h>

#include <limits>

namespace rt {
namespace {

using Kind = Variant::Kind;

Variant apply(const Variant& a, char op, const Variant& b)
{
    switch (op) {
        case '+': return a + b;
        case '-': return a - b;
        case '*': return a * b;
        default: return a / b;
    }
}

// Long - Long stays Long even when the result is small; 3e39 is beyond the
// Single range; True is -1.
TEST(VariantArithmetic, ResultKindWidensInsteadOfOverflowing)
{
    const Long maxLong = std::numeric_limits<int32_t>::max();
    const struct {
        Variant a;
        char op;
        Variant b;
        Kind kind;
        Variant expected;
    } cases[] = {{Integer(2), '+', Integer(3), Kind::Integer, 5},
                 {Integer(32767), '+', Integer(1), Kind::Long, 32768},
                 {Long(100000), '-', Long(99999), Kind::Long, 1},
                 {Integer(-32768), '-', Integer(1), Kind::Long, -32769},
                 {Integer(200), '*', Integer(200), Kind::Long, 40000},
                 {maxLong, '+', Integer(1), Kind::Double, 2147483648.0},
                 {maxLong, '*', maxLong, Kind::Double, 4611686014132420609.0},
                 {Integer(1), '+', 0.5, Kind::Double, 1.5},
                 {Integer(1), '+', 0.5f, Kind::Single, 1.5f},
                 {Long(100000), '*', 0.5f, Kind::Single, 50000.0f},
                 {3e38f, '*', 10.0f, Kind::Double, Double(3e38f) * 10},
                 {Integer(1), '/', Integer(2), Kind::Double, 0.5},
                 {"5", '+', Integer(3), Kind::Double, 8.0},
                 {"2.5", '*', " 2 ", Kind::Double, 5.0},
                 {"7", '-', Variant(), Kind::Double, 7.0},
                 {Variant(), '+', Variant(), Kind::Integer, 0},
                 {Variant(), '-', Integer(5), Kind::Integer, -5},
                 {true, '+', Integer(1), Kind::Integer, 0}};
    for (const auto& c : cases) {
        const Variant r = apply(c.a, c.op, c.b);
        EXPECT_EQ(r.kind(), c.kind)
            << ::testing::PrintToString(c.a) << c.op << ::testing::PrintToString(c.b);
        EXPECT_EQ(r, c.expected) << ::testing::PrintToString(r);
    }
}

TEST(VariantArithmetic, UnaryMinusWidens)
{
    EXPECT_EQ((-Variant(Integer(-32768))).kind(), Kind::Long);
    EXPECT_EQ(-Variant(Integer(-32768)), Variant(32768));
    EXPECT_EQ((-Variant(Long(std::numeric_limits<int32_t>::min()))).kind(), Kind::Double);
    EXPECT_EQ((-Variant("2.5")).toDouble(), -2.5);
    EXPECT_EQ(errorNumber([] { return -Variant("x"); }), 13);
}

TEST(VariantArithmetic, TextsJoinWithPlus)
{
    EXPECT_EQ((Variant("ab") + Variant("cd")).toText(), "abcd");
    EXPECT_EQ((Variant("1") + Variant("2")).toText(), "12") << "two texts join even when numeric";
    EXPECT_EQ((Variant("ab") + Variant()).kind(), Kind::String);
    EXPECT_EQ((Variant() + Variant("ab")).toText(), "ab");
}

TEST(VariantArithmetic, RaisesTypeMismatchAndDivisionErrors)
{
    const struct {
        Variant a;
        char op;
        Variant b;
        int error;
    } cases[] = {{"abc", '+', Integer(1), 13},      {Integer(1), '-', "1x", 13},
                 {"", '*', Integer(2), 13},         {Integer(1), '/', "x", 13},
                 {Integer(1), '/', Integer(0), 11}, {-2.5, '/', Variant(), 11},
                 {Integer(0), '/', Integer(0), 6},  {Variant(), '/', Variant(), 6},
                 {1e308, '*', Integer(10), 6},      {"1e308", '-', "x", 13}};
    for (const auto& c : cases) {
        EXPECT_EQ(errorNumber([&] { return apply(c.a, c.op, c.b); }), c.error)
            << ::testing::PrintToString(c.a) << c.op << ::testing::PrintToString(c.b);
    }
}

TEST(VariantConversions, ToNumbersAndText)
{
    EXPECT_EQ(Variant(5).kind(), Kind::Integer);
    EXPECT_EQ(Variant(40000).kind(), Kind::Long);

    EXPECT_EQ(Variant("2.5").toInteger(), 2);
    EXPECT_EQ(Variant(" 3.5 ").toLong(), 4);
    EXPECT_EQ(errorNumber([] { return Variant("12abc").toInteger(); }), 13);
    EXPECT_EQ(errorNumber([] { return Variant(40000).toInteger(); }), 6);
    EXPECT_EQ(errorNumber([] { return Variant(1e39).toSingle(); }), 6);

    EXPECT_TRUE(Variant(" true ").toBool());
    EXPECT_FALSE(Variant("FALSE").toBool());
    EXPECT_EQ(errorNumber([] { return Variant("yes").toBool(); }), 13);

    EXPECT_EQ(Variant(0.1 + 0.2).toText(), "0.3");
    EXPECT_EQ(Variant(1234.5678f).toText(), "1234.568");
    EXPECT_EQ(Str(Variant()), " 0");
    EXPECT_EQ(Str(Variant("0.5")), " .5");
    EXPECT_EQ(errorNumber([] { return Str(Variant("x")); }), 13);

    EXPECT_TRUE(IsNumeric(Variant()));
    EXPECT_FALSE(IsNumeric(Variant("12abc")));
}

TEST(VariantComparison, NumbersTextsAndEmpty)
{
    EXPECT_EQ(Variant(2), Variant(2.0));
    EXPECT_EQ(Variant(true), Variant(-1));
    EXPECT_LT(Variant("10"), Variant("9")) << "two texts compare as texts";
    EXPECT_GT(Variant(10), Variant("9")) << "a number and a numeric text compare as numbers";
    EXPECT_NE(Variant("a"), Variant("A"));
    EXPECT_EQ(Variant(), Variant(0));
    EXPECT_EQ(Variant(), Variant(""));
    EXPECT_LT(Variant(), Variant("a"));
    EXPECT_LT(Variant(5), Variant("abc"));
    EXPECT_GT(Variant("abc"), Variant(5));

    const Variant nan = std::numeric_limits<Double>::quiet_NaN();
    EXPECT_FALSE(nan == nan);
    EXPECT_FALSE(nan < Variant(0) || nan > Variant(0));
}

}  // namespace
}  // namespace rt
