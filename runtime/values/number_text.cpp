// Number-to-text conversions (text, Str) and the decimal digit strings behind
// them. Everything here goes through std::to_chars/std::from_chars, which never
// look at the locale, so the decimal separator is always a point.

#include "values/decimal.h"
#include "values/library.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string_view>
#include <system_error>

namespace rt {

namespace detail {

namespace {

// Parses the output of to_chars in scientific form: "-d.ddde+XX" or "de-XX".
Decimal fromScientific(std::string_view s)
{
    Decimal d;
    size_t i = 0;
    if (s[i] == '-') {
        d.negative = true;
        ++i;
    }
    for (; i < s.size() && s[i] != 'e'; ++i) {
        if (s[i] != '.') d.digits += s[i];
    }
    // The exponent: "e", a sign, digits (from_chars reads no '+').
    int exponent = 0;
    const bool negativeExponent = s[i + 1] == '-';
    std::from_chars(s.data() + i + 2, s.data() + s.size(), exponent);
    if (negativeExponent) exponent = -exponent;

    const size_t first = d.digits.find_first_not_of('0');
    if (first == std::string::npos) {
        d.digits.clear();
        d.point = 0;
        return d;
    }
    // to_chars puts exactly one non-zero digit before the point.
    d.point = exponent + 1;
    d.digits.erase(d.digits.find_last_not_of('0') + 1);
    return d;
}

template <typename T, typename... Precision>
Decimal toDecimal(T x, Precision... precision)
{
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), x,
                                      std::chars_format::scientific, precision...);
    return fromScientific(std::string_view(buffer.data(), result.ptr - buffer.data()));
}

}  // namespace

Decimal shortestDecimal(Double x)
{
    return toDecimal(x);
}

Decimal significantDecimal(Double x, int significant)
{
    return toDecimal(x, significant - 1);
}

Decimal significantDecimal(Single x, int significant)
{
    return toDecimal(x, significant - 1);
}

void roundDecimal(Decimal& d, int decimals, Tie tie)
{
    const long keep = long(d.point) + decimals;  // digits that stay
    if (keep >= long(d.digits.size())) return;
    if (keep < 0) {  // below half a unit of the last place
        d.digits.clear();
        d.point = 0;
        return;
    }

    const char dropped = d.digits[keep];
    bool up = dropped >= '5';
    if (tie == Tie::ToEven && dropped == '5' && size_t(keep) + 1 == d.digits.size()) {
        const char last = keep > 0 ? d.digits[keep - 1] : '0';
        up = (last - '0') % 2 == 1;
    }
    d.digits.resize(keep);
    if (up) {
        long i = keep - 1;
        while (i >= 0 && d.digits[i] == '9') d.digits[i--] = '0';
        if (i >= 0) {
            ++d.digits[i];
        } else {
            d.digits.insert(d.digits.begin(), '1');
            ++d.point;
        }
    }
    const size_t last = d.digits.find_last_not_of('0');
    if (last == std::string::npos) {
        d.digits.clear();
        d.point = 0;
    } else {
        d.digits.erase(last + 1);
    }
}

Double toDouble(const Decimal& d)
{
    if (d.digits.empty()) return 0.0;
    std::string s = (d.negative ? "-0." : "0.") + d.digits + 'e' + std::to_string(d.point);
    Double x = 0.0;
    const auto result = std::from_chars(s.data(), s.data() + s.size(), x);
    if (result.ec == std::errc::result_out_of_range) raise(ErrorCode::Overflow);
    return x;
}

}  // namespace detail

namespace {

// Text of a number with at most `significant` digits: plain decimal notation,
// or scientific when the decimal exponent is below -4 or at least
// `significant`.
QString decimalText(const detail::Decimal& d, int significant)
{
    if (d.digits.empty()) return QStringLiteral("0");

    std::string s = d.negative ? "-" : "";
    const int count = int(d.digits.size());
    const int exponent = d.point - 1;
    if (exponent < -4 || exponent >= significant) {
        s += d.digits[0];
        if (count > 1) s += '.' + d.digits.substr(1);
        s += exponent < 0 ? "E-" : "E+";
        const int magnitude = std::abs(exponent);
        if (magnitude < 10) s += '0';
        s += std::to_string(magnitude);
    } else if (d.point <= 0) {
        s += "0." + std::string(-d.point, '0') + d.digits;
    } else if (d.point >= count) {
        s += d.digits + std::string(d.point - count, '0');
    } else {
        s += d.digits.substr(0, d.point) + '.' + d.digits.substr(d.point);
    }
    return QString::fromLatin1(s.data(), qsizetype(s.size()));
}

template <typename T>
QString floatText(T x, int significant)
{
    if (std::isnan(x)) return QStringLiteral("NaN");
    if (std::isinf(x)) return x < 0 ? QStringLiteral("-Infinity") : QStringLiteral("Infinity");
    if (x == 0) return QStringLiteral("0");  // also for negative zero
    return decimalText(detail::significantDecimal(x, significant), significant);
}

// text() with a leading space for non-negative values and no "0" before the
// point of a value below 1 in size.
QString withStrForm(QString t)
{
    if (t.startsWith(QLatin1String("0."))) {
        t.remove(0, 1);
    } else if (t.startsWith(QLatin1String("-0."))) {
        t.remove(1, 1);
    }
    if (!t.startsWith(QLatin1Char('-'))) t.prepend(QLatin1Char(' '));
    return t;
}

}  // namespace

QString text(Double x)
{
    return floatText(x, 15);
}
QString text(Single x)
{
    return floatText(x, 7);
}
QString text(Integer x)
{
    return QString::number(x.value());
}
QString text(Long x)
{
    return QString::number(x.value());
}
QString text(bool x)
{
    return x ? QStringLiteral("True") : QStringLiteral("False");
}
QString text(const Variant& x)
{
    return x.toText();
}

QString Str(Double x)
{
    return withStrForm(text(x));
}
QString Str(Single x)
{
    return withStrForm(text(x));
}
QString Str(Integer x)
{
    return withStrForm(text(x));
}
QString Str(Long x)
{
    return withStrForm(text(x));
}

QString Str(const Variant& x)
{
    switch (x.kind()) {
        case Variant::Kind::Empty: return Str(Integer(0));
        case Variant::Kind::Integer: return Str(x.toInteger());
        case Variant::Kind::Long: return Str(x.toLong());
        case Variant::Kind::Single: return Str(x.toSingle());
        case Variant::Kind::Boolean: return text(x.toBool());
        case Variant::Kind::Double:
        case Variant::Kind::String: break;
    }
    return Str(x.toDouble());  // a text that is not numeric raises Type mismatch
}

}  // namespace rt
