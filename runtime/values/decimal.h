#pragma once

// Decimal digit strings shared by the number-to-text conversions, Format and
// Round. Internal to the value library.

#include "values/numbers.h"

#include <string>

namespace rt::detail {

// A finite number as decimal digits: value = 0.d1d2d3... x 10^point, i.e.
// `point` digits stand before the decimal point (it may be negative or beyond
// the digit count). Digits carry no leading or trailing zeros; zero has none.
struct Decimal {
    bool negative = false;
    std::string digits;
    int point = 0;
};

// The shortest digits that read back as exactly x.
Decimal shortestDecimal(Double x);
// x correctly rounded to at most `significant` digits (trailing zeros dropped).
Decimal significantDecimal(Double x, int significant);
Decimal significantDecimal(Single x, int significant);

enum class Tie { AwayFromZero, ToEven };
// Rounds to `decimals` places after the point. A tie is a dropped part of
// exactly 5 followed by nothing, as the digits stand.
void roundDecimal(Decimal& d, int decimals, Tie tie);

Double toDouble(const Decimal& d);

}  // namespace rt::detail
