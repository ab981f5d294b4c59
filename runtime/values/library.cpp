#include "values/library.h"

#include "values/decimal.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <system_error>

namespace rt {

namespace {

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\r') ||
           c == QLatin1Char('\n');
}

bool isDigit(QStringView s, qsizetype i)
{
    return i < s.size() && s[i] >= QLatin1Char('0') && s[i] <= QLatin1Char('9');
}

qsizetype skipBlanks(QStringView s, qsizetype i)
{
    while (i < s.size() && isBlank(s[i])) ++i;
    return i;
}

// The number that starts at `pos`, in the form std::from_chars reads: a '-'
// when negative, the mantissa, then "e" and the exponent.
struct Scanned {
    bool found = false;  // at least one mantissa digit
    qsizetype end = 0;   // index after the last character that belongs to it
    std::string chars;
    // Decimal position of the first significant mantissa digit relative to
    // the point (1 for "5", 0 for ".5", -2 for ".005") and the exponent,
    // both only needed to tell overflow from underflow.
    long long magnitude = 0;
    long long exponent = 0;
};

Scanned scanNumber(QStringView s, qsizetype pos)
{
    Scanned n;
    qsizetype i = pos;
    if (i < s.size() && (s[i] == QLatin1Char('+') || s[i] == QLatin1Char('-'))) {
        if (s[i] == QLatin1Char('-')) n.chars += '-';
        ++i;
    }

    int digits = 0;
    bool significant = false;
    bool afterPoint = false;
    for (;; ++i) {
        if (isDigit(s, i)) {
            const char c = char(s[i].unicode());
            n.chars += c;
            ++digits;
            if (c != '0') significant = true;
            if (!significant && afterPoint) --n.magnitude;
            if (significant && !afterPoint) ++n.magnitude;
        } else if (!afterPoint && i < s.size() && s[i] == QLatin1Char('.')) {
            n.chars += '.';
            afterPoint = true;
        } else {
            break;
        }
    }
    if (digits == 0) return n;
    n.found = true;
    n.end = i;

    if (i < s.size() && QStringLiteral("eEdD").contains(s[i])) {
        qsizetype j = i + 1;
        bool negative = false;
        if (j < s.size() && (s[j] == QLatin1Char('+') || s[j] == QLatin1Char('-'))) {
            negative = s[j] == QLatin1Char('-');
            ++j;
        }
        if (isDigit(s, j)) {
            n.chars += negative ? "e-" : "e";
            for (; isDigit(s, j); ++j) {
                const char c = char(s[j].unicode());
                n.chars += c;
                n.exponent = std::min(n.exponent * 10 + (c - '0'), 1'000'000'000'000LL);
            }
            if (negative) n.exponent = -n.exponent;
            n.end = j;
        }
    }
    return n;
}

// The largest Double as text() writes it (15 significant digits) lies a
// little above the largest Double; texts up to it read as the largest Double,
// so that every finite Double's text reads back.
constexpr long double largestWrittenDouble = 1.79769313486232e308L;

// The value of a scanned number; nothing when it lies beyond the Double range.
std::optional<Double> valueOf(const Scanned& n)
{
    Double x = 0.0;
    const char* first = n.chars.data();
    const char* last = first + n.chars.size();
    if (std::from_chars(first, last, x).ec != std::errc::result_out_of_range) return x;
    // Far below the smallest Double.
    if (n.magnitude + n.exponent <= 0) return 0.0;
    long double wide = 0.0L;
    if (std::from_chars(first, last, wide).ec == std::errc() &&
        std::fabs(wide) <= largestWrittenDouble)
        return std::copysign(std::numeric_limits<Double>::max(), Double(wide));
    return std::nullopt;
}

}  // namespace

Double Val(const QString& text)
{
    const Scanned n = scanNumber(text, skipBlanks(text, 0));
    if (!n.found) return 0.0;
    const std::optional<Double> value = valueOf(n);
    if (!value) raise(ErrorCode::Overflow);
    return *value;
}

bool IsNumeric(const QString& text)
{
    const Scanned n = scanNumber(text, skipBlanks(text, 0));
    return n.found && skipBlanks(text, n.end) == text.size() && valueOf(n).has_value();
}

bool IsNumeric(const Variant& value)
{
    return value.isNumeric();
}

QString Format(Double x, const QString& pattern)
{
    if (pattern.isEmpty() || !std::isfinite(x)) return text(x);

    const qsizetype point = pattern.indexOf(QLatin1Char('.'));
    const QStringView whole = QStringView(pattern).left(point < 0 ? pattern.size() : point);
    const QStringView fraction = point < 0 ? QStringView() : QStringView(pattern).mid(point + 1);
    const auto isPlaceholder = [](QChar c) {
        return c == QLatin1Char('#') || c == QLatin1Char('0');
    };
    if (!std::all_of(whole.begin(), whole.end(), isPlaceholder) ||
        !std::all_of(fraction.begin(), fraction.end(), isPlaceholder) ||
        whole.size() + fraction.size() == 0) {
        raise(ErrorCode::InvalidProcedureCall,
              QStringLiteral("unsupported format pattern \"%1\"").arg(pattern));
    }
    const int minWhole = int(whole.count(QLatin1Char('0')));
    const int places = int(fraction.size());
    const int minPlaces = int(fraction.lastIndexOf(QLatin1Char('0')) + 1);

    detail::Decimal d = detail::shortestDecimal(x);
    detail::roundDecimal(d, places, detail::Tie::AwayFromZero);
    const auto digitAt = [&d](int position) {  // position 0 is the first before the point
        const int i = d.point - 1 - position;
        return i >= 0 && i < int(d.digits.size()) ? d.digits[i] : '0';
    };

    std::string out;
    const int wholeDigits = std::max(d.point, minWhole);
    for (int p = wholeDigits - 1; p >= 0; --p) out += digitAt(p);
    std::string decimals;
    for (int p = 1; p <= places; ++p) decimals += digitAt(-p);
    while (int(decimals.size()) > minPlaces && decimals.back() == '0') decimals.pop_back();
    if (!decimals.empty()) out += '.' + decimals;
    if (out.empty()) out += '0';
    if (d.negative && !d.digits.empty()) out.insert(out.begin(), '-');
    return QString::fromLatin1(out.data(), qsizetype(out.size()));
}

Double Round(Double x, int decimals)
{
    if (decimals < 0) raise(ErrorCode::InvalidProcedureCall);
    if (!std::isfinite(x)) return x;
    if (decimals == 0) return roundHalfEven(x);
    detail::Decimal d = detail::shortestDecimal(x);
    detail::roundDecimal(d, decimals, detail::Tie::ToEven);
    return detail::toDouble(d);
}

Double Abs(Double x)
{
    return std::fabs(x);
}

Double Sqr(Double x)
{
    if (x < 0) raise(ErrorCode::InvalidProcedureCall);
    return std::sqrt(x);
}

Long InStr(Long start, const QString& text, const QString& sought, int compare)
{
    if (start < 1 || (compare != vbBinaryCompare && compare != vbTextCompare)) {
        raise(ErrorCode::InvalidProcedureCall);
    }
    if (sought.isEmpty()) return start <= text.size() + 1 ? start : Long(0);
    if (start > text.size()) return 0;
    const Qt::CaseSensitivity cs =
        compare == vbTextCompare ? Qt::CaseInsensitive : Qt::CaseSensitive;
    return Long::fromWide(text.indexOf(sought, start - 1, cs) + 1);
}

Long InStr(const QString& text, const QString& sought)
{
    return InStr(1, text, sought);
}

Long Len(const QString& text)
{
    return Long::fromWide(text.size());
}

Colour RGB(int red, int green, int blue)
{
    if (red < 0 || green < 0 || blue < 0) raise(ErrorCode::InvalidProcedureCall);
    return std::min(red, 255) + 256 * std::min(green, 255) + 65536 * std::min(blue, 255);
}

}  // namespace rt
